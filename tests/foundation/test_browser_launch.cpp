#include "foundation/browser_launch.h"

#include "captured_log.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A stand-in "firefox" put first on PATH. It records its arguments (each
// followed by a NUL byte), the signals it ignores and its open descriptors,
// then runs the given ending.
class stand_in_browser : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char *path = getenv("PATH");
        saved_path = path ? path : "";
        setenv("PATH", (dir.path() + ":" + saved_path).c_str(), 1);
        install("exit 0");
    }
    void TearDown() override { setenv("PATH", saved_path.c_str(), 1); }

    void install(const std::string &ending)
    {
        th_test::write_text(dir / "firefox",
                            "#!/bin/sh\n"
                            "cd \"$(dirname \"$0\")\"\n"
                            "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > args\n"
                            "grep '^SigIgn' /proc/$$/status > sigign\n"
                            "ls /proc/$$/fd > fds\n" +
                                ending + "\n");
        chmod((dir / "firefox").c_str(), 0755);
    }

    std::vector<std::string> recorded_args() const
    {
        std::vector<std::string> args;
        std::string all = th_test::read_text(dir / "args");
        for (size_t start = 0, end; (end = all.find('\0', start)) != std::string::npos; start = end + 1)
            args.push_back(all.substr(start, end - start));
        return args;
    }

    bool ran() const { return access((dir / "args").c_str(), F_OK) == 0; }

    // Every child has been reaped.
    static bool no_children_left() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

    th_test::scratch_dir dir;
    std::string saved_path;
};

} // namespace

TEST_F(stand_in_browser, the_address_is_one_unchanged_argument)
{
    std::string marker = dir / "injected";
    const std::string addresses[] = {
        "http://localhost/?zv",
        "http://a b/c  d\te",
        "x\"; touch " + marker + "; echo \"",
        "x'; touch " + marker + "; echo '",
        "$(touch " + marker + ")",
        "`touch " + marker + "`",
        "http://x/;touch " + marker + " && ls|cat >" + marker + " &",
        "http://x/\ntouch " + marker,
        "http://x/$HOME/*/\\",
        "",
    };
    for (const std::string &address : addresses) {
        SCOPED_TRACE(address);
        unlink((dir / "args").c_str());
        EXPECT_EQ(xirr_http_fork(address.c_str()), 1);
        EXPECT_EQ(recorded_args(), std::vector<std::string>{address});
        EXPECT_NE(access(marker.c_str(), F_OK), 0);
        EXPECT_TRUE(no_children_left());
    }
}

TEST_F(stand_in_browser, a_long_address_is_cut_to_1023_characters)
{
    std::string address = "http://x/" + std::string(2000, 'a');
    EXPECT_EQ(xirr_http_fork(address.c_str()), 1);
    EXPECT_EQ(recorded_args(), std::vector<std::string>{address.substr(0, 1023)});
}

TEST_F(stand_in_browser, result_follows_how_the_browser_ended)
{
    struct ending_case {
        const char *ending;
        int expected;
    };
    const ending_case cases[] = {
        {"exit 0", 1},
        {"exit 3", 1},          // any exit code counts as started
        {"kill -KILL $$", 0},   // ended by a signal
        {"kill -TERM $$", 0},
    };
    for (const ending_case &c : cases) {
        SCOPED_TRACE(c.ending);
        install(c.ending);
        EXPECT_EQ(xirr_http_fork("http://localhost/"), c.expected);
        EXPECT_TRUE(no_children_left());
    }
}

// A newly started browser stays open; the caller is not kept waiting for it
// and the child is still collected when it ends.
TEST_F(stand_in_browser, a_browser_that_stays_open_does_not_block)
{
    install("sleep 2; touch closed");
    EXPECT_EQ(xirr_http_fork("http://localhost/"), 1);
    EXPECT_TRUE(ran());
    EXPECT_NE(access((dir / "closed").c_str(), F_OK), 0) << "waited for the browser to close";
    bool reaped = false;
    for (int i = 0; i < 500 && !reaped; ++i) {
        usleep(10000);
        reaped = no_children_left();
    }
    EXPECT_TRUE(reaped);
}

TEST_F(stand_in_browser, a_browser_that_cannot_start_fails)
{
    captured_log log;
    setenv("PATH", (dir / "empty").c_str(), 1);
    EXPECT_EQ(xirr_http_fork("http://localhost/"), 0);
    EXPECT_EQ(log.text(), "xirr_http_fork() failed with errno 2.\n");

    setenv("PATH", (dir.path() + ":" + saved_path).c_str(), 1);
    chmod((dir / "firefox").c_str(), 0644);
    EXPECT_EQ(xirr_http_fork("http://localhost/"), 0);
    EXPECT_TRUE(no_children_left());
}

TEST_F(stand_in_browser, refused_addresses_start_nothing)
{
    captured_log log;
    EXPECT_EQ(xirr_http_fork(nullptr), 0);
    EXPECT_EQ(xirr_http_fork("--screenshot=/tmp/x"), 0);
    EXPECT_EQ(xirr_http_fork("-P"), 0);
    EXPECT_FALSE(ran());
    EXPECT_EQ(log.text(),
              "Error in xirr_http_fork(), NULL url.\n"
              "Error in xirr_http_fork(), address begins with '-'.\n"
              "Error in xirr_http_fork(), address begins with '-'.\n");
}

// With SIGCHLD ignored the system reaps the browser itself; it still ran.
TEST_F(stand_in_browser, an_already_reaped_browser_counts_as_started)
{
    struct sigaction ignore = {}, saved;
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGCHLD, &ignore, &saved);
    int result = xirr_http_fork("http://localhost/");
    sigaction(SIGCHLD, &saved, nullptr);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(ran());
}

// The client ignores SIGPIPE and holds sockets and files; the browser gets
// neither.
TEST_F(stand_in_browser, the_browser_inherits_no_ignored_signal_or_descriptor)
{
    struct sigaction ignore = {}, saved;
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &saved);
    const int client_fd = 47;
    ASSERT_EQ(dup2(1, client_fd), client_fd);
    int result = xirr_http_fork("http://localhost/");
    close(client_fd);
    sigaction(SIGPIPE, &saved, nullptr);
    ASSERT_EQ(result, 1);

    std::istringstream sigign(th_test::read_text(dir / "sigign"));
    std::string label;
    unsigned long long mask = ~0ull;
    sigign >> label >> std::hex >> mask;
    EXPECT_EQ(mask & (1ull << (SIGPIPE - 1)), 0u) << th_test::read_text(dir / "sigign");

    std::istringstream fds(th_test::read_text(dir / "fds"));
    std::vector<int> open_fds;
    for (int fd; fds >> fd;)
        open_fds.push_back(fd);
    EXPECT_FALSE(open_fds.empty());
    EXPECT_EQ(std::count(open_fds.begin(), open_fds.end(), client_fd), 0);
}
