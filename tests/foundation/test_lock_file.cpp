#include "foundation/lock_file.h"

#include "captured_log.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace {

// Waits at most 10 s for one byte on fd; returns it, or -1.
int read_byte(int fd)
{
    pollfd p = {fd, POLLIN, 0};
    unsigned char byte;
    if (poll(&p, 1, 10000) == 1 && read(fd, &byte, 1) == 1)
        return byte;
    return -1;
}

// A child process that takes the lock, reports whether it got it, then on
// the parent's word either unlocks or exits holding the lock.
class lock_holder {
public:
    lock_holder(const std::string &path, bool unlock_before_exit)
    {
        if (pipe(to_parent) != 0 || pipe(to_child) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            close(to_parent[0]);
            close(to_child[1]);
            int fd = lock_file(path.c_str());
            unsigned char got = fd >= 0 ? 'L' : 'F';
            if (write(to_parent[1], &got, 1) != 1)
                _exit(3);
            read_byte(to_child[0]);
            _exit(unlock_before_exit && unlock_file(fd) != 1 ? 2 : 0);
        }
        close(to_parent[1]);
        close(to_child[0]);
    }
    ~lock_holder()
    {
        close(to_parent[0]);
        close(to_child[1]);
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    bool holds_lock() { return pid > 0 && read_byte(to_parent[0]) == 'L'; }

    // Lets the child finish; returns its exit status, or -1.
    int finish()
    {
        unsigned char go = 'G';
        int status = -1;
        if (write(to_child[1], &go, 1) != 1 || waitpid(pid, &status, 0) != pid)
            return -1;
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    int to_parent[2] = {-1, -1};
    int to_child[2] = {-1, -1};
    pid_t pid = -1;
};

} // namespace

TEST(lock_file, another_process_holding_the_lock_keeps_us_out)
{
    const bool unlock_before_exit[] = {true, false};
    for (bool unlocks : unlock_before_exit) {
        SCOPED_TRACE(unlocks ? "holder unlocks" : "holder exits holding the lock");
        th_test::scratch_dir dir;
        std::string path = dir / "download.lck";
        lock_holder holder(path, unlocks);
        ASSERT_TRUE(holder.holds_lock());

        alarm(10);  // a lock that waited would hang the test instead of failing
        EXPECT_EQ(lock_file(path.c_str()), -1);
        alarm(0);

        ASSERT_EQ(holder.finish(), 0);
        int fd = lock_file(path.c_str());
        EXPECT_GE(fd, 0);
        EXPECT_EQ(unlock_file(fd), 1);
    }
}

TEST(lock_file, creates_a_private_file)
{
    th_test::scratch_dir dir;
    std::string path = dir / "download.lck";
    int fd = lock_file(path.c_str());
    ASSERT_GE(fd, 0);
    struct stat status;
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(unlock_file(fd), 1);
}

TEST(lock_file, failures)
{
    captured_log log;
    th_test::scratch_dir dir;
    EXPECT_EQ(lock_file((dir / "no/such/dir/x.lck").c_str()), -1);
    EXPECT_EQ(lock_file(nullptr), -1);
    EXPECT_EQ(unlock_file(-1), 0);
    EXPECT_NE(log.text().find("Error in lock_file(), unable to open '" + (dir / "no/such/dir/x.lck")),
              std::string::npos);
}
