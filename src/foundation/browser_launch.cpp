#include "foundation/browser_launch.h"

#include "foundation/debug_log.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>
#include <time.h>

extern char **environ;

namespace {

constexpr size_t url_max = 1023;

void log_failure(int error)
{
    char message[64];
    snprintf(message, sizeof message, "xirr_http_fork() failed with errno %d.", error);
    xirr_debug_log(message, XIRR_LOG_OP_FAILED);
}

// The browser starts with default signal handling and no blocked signals
// (the client ignores SIGPIPE, which exec would pass on), and without the
// client's descriptors other than the standard three.
int spawn_browser(pid_t *pid, char *const argv[])
{
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
    int error = posix_spawnattr_init(&attributes);
    if (error)
        return error;
    error = posix_spawn_file_actions_init(&actions);
    if (!error) {
        sigset_t none, pipe_only;
        sigemptyset(&none);
        sigemptyset(&pipe_only);
        sigaddset(&pipe_only, SIGPIPE);
        error = posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        if (!error)
            error = posix_spawnattr_setsigdefault(&attributes, &pipe_only);
        if (!error)
            error = posix_spawnattr_setsigmask(&attributes, &none);
        if (!error)
            error = posix_spawn_file_actions_addclosefrom_np(&actions, 3);
        if (!error)
            error = posix_spawnp(pid, argv[0], &actions, &attributes, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
    }
    posix_spawnattr_destroy(&attributes);
    return error;
}

// Waits for the browser to return, at most browser_wait_ms. 1 with *status
// set when it returned, 0 when it is still running, -1 when waiting failed.
int wait_for_browser(pid_t pid, int *status)
{
    const timespec step = {0, 10 * 1000 * 1000};
    for (int waited_ms = 0;; waited_ms += 10) {
        pid_t done = waitpid(pid, status, WNOHANG);
        if (done == pid)
            return 1;
        if (done < 0 && errno != EINTR)
            return -1;
        if (waited_ms >= XIRR_BROWSER_WAIT_MS)
            return 0;
        nanosleep(&step, nullptr);
    }
}

} // namespace

int xirr_http_fork(const char *url)
{
    if (!url) {
        xirr_debug_log("Error in xirr_http_fork(), NULL url.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    // The browser would read such an address as one of its options.
    if (url[0] == '-') {
        xirr_debug_log("Error in xirr_http_fork(), address begins with '-'.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    char address[url_max + 1];
    size_t length = strnlen(url, url_max);
    memcpy(address, url, length);
    address[length] = '\0';
    char program[] = "firefox";
    char *argv[] = {program, address, nullptr};

    pid_t pid;
    int error = spawn_browser(&pid, argv);
    if (error) {
        log_failure(error);
        return 0;
    }
    int status;
    int returned = wait_for_browser(pid, &status);
    if (returned == 0) {
        // A newly started browser stays until the user closes it; it has
        // started, and a thread of its own collects it when it ends.
        std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
        return 1;
    }
    if (returned < 0) {
        // With SIGCHLD ignored the system reaps the child itself: it ran.
        if (errno == ECHILD)
            return 1;
        log_failure(errno);
        return 0;
    }
    return WIFSIGNALED(status) ? 0 : 1;
}
