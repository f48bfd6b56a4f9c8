#pragma once
// Shared by the foundation tests: a scratch directory, file helpers, a
// fixture that puts the process-wide debug log back as it found it, and a way
// to run a test body in a child process when it changes process-wide state
// that cannot be reset (the config directory, HOME, the working directory).

#include "foundation/debug_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace th_test {

inline std::string read_text(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write_text(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline bool exists(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

inline bool is_directory(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The first line the log writes at level 3 when it opens the file at path.
inline std::string opened_line(const std::string &path)
{
    return "xirr_client_try_open_debug_logfile() opened logfile '" + path + "'\n";
}

// A fresh directory under /tmp, removed with its contents at the end.
class scratch_dir {
public:
    scratch_dir()
    {
        char name[] = "/tmp/th_foundation_XXXXXX";
        if (mkdtemp(name))
            path_ = name;
    }
    ~scratch_dir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    scratch_dir(const scratch_dir &) = delete;
    scratch_dir &operator=(const scratch_dir &) = delete;

    const std::string &path() const { return path_; }
    std::string operator/(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Leaves the debug log closed, without a name or failure, at level 1, and
// the level as it was, whatever a test did to it.
class log_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(dir.path().empty());
        saved_level = xirr_debug_level;
        xirr_debug_level = 1;
    }
    void TearDown() override
    {
        xirr_debug_level = 1;
        if (xirr_client_debug_logfile_is_open())
            xirr_client_debug_logfile_close();
        xirr_client_set_debug_logfile_name(nullptr);
        xirr_debug_level = saved_level;
    }
    // Closes the log so that its file can be read whole.
    static void close_log()
    {
        if (xirr_client_debug_logfile_is_open())
            xirr_client_debug_logfile_close();
    }

    scratch_dir dir;
    int saved_level = 1;
};

// Runs body in a forked child bounded to 20 s and expects it to finish
// without a failed assertion. Failures are printed by the child.
inline void run_in_child(const std::function<void()> &body)
{
    fflush(stdout);
    fflush(stderr);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        alarm(20);
        body();
        fflush(stdout);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status)) << "child ended by signal " << WTERMSIG(status);
    if (WIFEXITED(status)) {
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the child's assertions failed (see above)";
    }
}

}  // namespace th_test
