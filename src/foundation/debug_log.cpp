#include "foundation/debug_log.h"

#include "foundation/bounded_text.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

int xirr_debug_level = 1;

namespace {

// Process-wide log state. The writer has only default member initialisers,
// so it is constant-initialised and usable before main and from other
// static initialisers.
xirr_signal_safe_logfile logfile;
xirr_bounded_text log_path;   // meaningful only while has_log_path is set
int has_log_path = 0;         // 0: the log goes to standard output
int open_failed = 0;          // last open attempt failed; drop, do not retry

const char recursion_message[] =
    "Error in xirr_signal_safe_logfile::write(), recursion limiter triggered.\n";

// One write(2) of the whole text, repeated only when a signal interrupted it
// before anything was written. A short write is a failure: the message is
// incomplete.
int write_whole(int fd, const char *text)
{
    size_t length = strlen(text);
    ssize_t written;
    do {
        written = ::write(fd, text, length);
    } while (written < 0 && errno == EINTR);
    return written >= 0 && (size_t)written == length;
}

// Opens the log unless it is open or its last open attempt failed.
void ensure_open()
{
    if (logfile.descriptor < 0 && !open_failed)
        xirr_client_try_open_debug_logfile();
}

}  // namespace

xirr_signal_safe_logfile::~xirr_signal_safe_logfile()
{
    close();
}

void xirr_signal_safe_logfile::close()
{
    if (descriptor >= 0)
        ::close(descriptor);
    descriptor = -1;
}

int xirr_signal_safe_logfile::write(const char *text)
{
    if (depth > XIRR_DEBUG_MAX_DEPTH)
        return 0;
    int saved_errno = errno;
    if (depth == XIRR_DEBUG_MAX_DEPTH) {
        // Written directly on this descriptor: a report through the log would
        // come back here one level deeper and be dropped.
        ++depth;
        if (xirr_debug_class_enabled(XIRR_LOG_OP_FAILED))
            write_whole(descriptor, recursion_message);
        --depth;
        errno = saved_errno;
        return 0;
    }
    ++depth;
    int ok = write_whole(descriptor, text ? text : "(null)");
    --depth;
    if (ok) {
        write_failed = 0;
    } else if (!write_failed) {
        // Set first, so that the report's own failing write reports nothing.
        write_failed = 1;
        xirr_debug_log("Error in xirr_signal_safe_logfile::write(), write failed.", XIRR_LOG_OP_FAILED);
    }
    errno = saved_errno;
    return ok;
}

void xirr_debug_printf(const char *format, ...)
{
    if (logfile.descriptor < 0) {
        ensure_open();
        if (logfile.descriptor < 0)
            return;
    }
    char buffer[XIRR_DEBUG_PRINTF_MAX + 1];
    va_list args;
    va_start(args, format);
    int n = vsnprintf(buffer, sizeof buffer, format ? format : "(null)", args);
    va_end(args);
    if (n < 0)
        return;
    logfile.write(buffer);
}

void xirr_debug_log(const char *message, unsigned class_mask)
{
    if (!xirr_debug_class_enabled(class_mask))
        return;
    xirr_debug_printf("%s\n", message ? message : "(null)");
}

const char *xirr_client_set_debug_logfile_name(const char *name)
{
    if (logfile.descriptor >= 0) {
        xirr_debug_log("Error in xirr_client_set_debug_logfile_name(), logfile already open.",
                       XIRR_LOG_BAD_ARGUMENT);
        return nullptr;
    }
    open_failed = 0;
    has_log_path = name != nullptr;
    // Copied through a local so that a name pointing into log_path survives.
    xirr_bounded_text copy;
    if (name)
        copy.append(name);
    log_path = copy;
    return has_log_path ? log_path.c_str() : nullptr;
}

void xirr_client_try_open_debug_logfile()
{
    if (logfile.descriptor >= 0) {
        xirr_debug_log("Error in xirr_client_try_open_debug_logfile(), logfile already open.",
                       XIRR_LOG_BAD_ARGUMENT);
        return;
    }
    // Close-on-exec: the browser and other commands the client starts must not
    // inherit the log.
    int fd = has_log_path
        ? open(log_path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)
        : fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        open_failed = 1;
        return;
    }
    logfile.descriptor = fd;
    open_failed = 0;
    if (!xirr_debug_class_enabled(XIRR_LOG_VERBOSE))
        return;
    if (has_log_path) {
        xirr_bounded_text message;
        message.append("xirr_client_try_open_debug_logfile() opened logfile '");
        message.append(log_path.c_str());
        message.append("'");
        xirr_debug_log(message.c_str(), XIRR_LOG_VERBOSE);
    } else {
        xirr_debug_log("xirr_client_try_open_debug_logfile() - using STDOUT.", XIRR_LOG_VERBOSE);
    }
}

void xirr_client_debug_logfile_close()
{
    if (logfile.descriptor < 0) {
        xirr_debug_log("Error in xirr_client_debug_logfile_close(), no logfile open.",
                       XIRR_LOG_BAD_ARGUMENT);
        return;
    }
    logfile.close();
    has_log_path = 0;
    log_path.clear();
    open_failed = 0;
}

int xirr_client_debug_logfile_is_open()
{
    return logfile.descriptor >= 0;
}

const char *xirr_client_debug_logfile_name()
{
    ensure_open();
    return has_log_path ? log_path.c_str() : nullptr;
}

int xirr_client_debug_logfile_failed()
{
    ensure_open();
    return open_failed;
}

int xirr_client_change_debug_logfile(const char *name, xirr_logfile_fallback *fallback)
{
    xirr_bounded_text old_name;
    const char *current = xirr_client_debug_logfile_name();
    int had_old_name = current != nullptr;
    if (had_old_name)
        old_name.append(current);

    if (xirr_client_debug_logfile_is_open())
        xirr_client_debug_logfile_close();
    xirr_client_set_debug_logfile_name(name);
    ensure_open();
    if (xirr_client_debug_logfile_is_open())
        return 1;

    xirr_logfile_fallback outcome = XIRR_LOGFILE_NO_OLD;
    if (had_old_name) {
        xirr_client_set_debug_logfile_name(old_name.c_str());
        ensure_open();
        outcome = xirr_client_debug_logfile_is_open() ? XIRR_LOGFILE_OLD_REOPENED
                                                      : XIRR_LOGFILE_OLD_LOST;
    }
    if (fallback)
        *fallback = outcome;
    return 0;
}
