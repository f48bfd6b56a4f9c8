#include "foundation/client_dirs.h"

#include "foundation/debug_log.h"

#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

xirr_bounded_text config_directory;   // meaningful only while has_config_directory
int has_config_directory = 0;

const char rw_test_file_name[] = "xx-rw-test.qqq";

int is_separator(char c)
{
    return c == '/' || c == '\\';
}

// Creates path as a directory; one that is already there counts as created
// (whatever mkdir said: it reports EEXIST, EACCES or EROFS for an existing
// directory depending on the file system), anything else there does not.
int make_directory(const char *path, mode_t mode)
{
    if (mkdir(path, mode) == 0)
        return 1;
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

void append_failed(xirr_bounded_text *failed_path, const char *path)
{
    if (failed_path)
        failed_path->append(path);
}

}  // namespace

const char *xirr_client_get_config_directory()
{
    return has_config_directory ? config_directory.c_str() : nullptr;
}

int xirr_recursive_mkdir(const char *path, mode_t mode, xirr_bounded_text *failed_path)
{
    if (!path) {
        xirr_debug_log("Error in xirr_recursive_mkdir(), NULL path.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    // A longer path would be cut while being rebuilt and name other directories.
    if (strlen(path) >= xirr_bounded_text::capacity - 1) {
        append_failed(failed_path, path);
        return 0;
    }
    xirr_bounded_text built;
    if (is_separator(path[0]))
        built.append_char('/');
    const char *p = path;
    for (;;) {
        while (is_separator(*p))
            ++p;
        const char *start = p;
        while (*p && !is_separator(*p))
            ++p;
        if (!*p)
            return 1;   // end of path, or a last component that names a file
        if (built.length > 0 && built.text[built.length - 1] != '/')
            built.append_char('/');
        built.append(start, (size_t)(p - start));
        if (!make_directory(built.c_str(), mode)) {
            append_failed(failed_path, built.c_str());
            return 0;
        }
    }
}

int xirr_create_and_check_writeable_directory(const char *path, mode_t /*mode*/,
                                              xirr_bounded_text *failed_path)
{
    if (!path) {
        xirr_debug_log("Error in xirr_create_and_check_writeable_directory(), NULL path.",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    xirr_bounded_text directory;
    directory.append(path);
    directory.append_char('/');
    if (!xirr_recursive_mkdir(directory.c_str(), 0700, failed_path))
        return 0;

    xirr_bounded_text probe;
    probe.append(directory.c_str());
    probe.append(rw_test_file_name);
    int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        append_failed(failed_path, probe.c_str());
        return 0;
    }
    close(fd);
    unlink(probe.c_str());
    return 1;
}

int xirr_client_set_up_config_directory(const char *base_name)
{
    // An empty base name would make HOME itself, or the file system root,
    // the client's directory.
    if (!base_name || !*base_name)
        return 0;
    if (has_config_directory) {
        xirr_debug_log("Error in xirr_client_set_up_config_directory(), attempt to change config "
                       "directory path after initial configuration.",
                       XIRR_LOG_BAD_ARGUMENT);
        if (xirr_debug_class_enabled(XIRR_LOG_VERBOSE)) {
            xirr_bounded_text message;
            message.append("Old path '");
            message.append(config_directory.c_str());
            message.append("', new base name '");
            message.append(base_name);
            message.append("'");
            xirr_debug_log(message.c_str(), XIRR_LOG_VERBOSE);
        }
    }

    // An empty HOME would put the directory at the file system root.
    const char *home = getenv("HOME");
    if (!home || !*home) {
        xirr_debug_log("Error in xirr_client_set_up_config_directory(), unable to fetch home "
                       "directory - please set HOME environment variable and restart.",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }

    // Candidates in order of preference: each is head + tail + base name.
    const struct {
        const char *head;
        const char *tail;
    } candidates[] = {{home, "/."}, {"", "."}, {"", "/tmp/"}, {"", ""}};

    for (const auto &c : candidates) {
        xirr_bounded_text candidate;
        candidate.append(c.head);
        candidate.append(c.tail);
        candidate.append(base_name);
        int usable = xirr_create_and_check_writeable_directory(candidate.c_str(), 0700, nullptr);
        if (xirr_debug_class_enabled(XIRR_LOG_VERBOSE)) {
            xirr_bounded_text message;
            message.append("Checking config directory: ");
            message.append(candidate.c_str());
            if (!usable)
                message.append(" [FAIL]");
            xirr_debug_log(message.c_str(), XIRR_LOG_VERBOSE);
        }
        if (!usable)
            continue;
        config_directory = candidate;
        has_config_directory = 1;
        if (xirr_debug_class_enabled(XIRR_LOG_VERBOSE)) {
            xirr_bounded_text message;
            message.append("xirr_client_set_up_config_directory() - got final config directory '");
            message.append(config_directory.c_str());
            message.append("'");
            xirr_debug_log(message.c_str(), XIRR_LOG_VERBOSE);
        }
        return 1;
    }
    xirr_debug_log("xirr_client_set_up_config_directory() - Giving up.  Cannot create config directory.",
                   XIRR_LOG_GIVE_UP);
    return 0;
}
