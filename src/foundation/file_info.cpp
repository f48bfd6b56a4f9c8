#include "foundation/file_info.h"

#include "foundation/debug_log.h"

#include <sys/stat.h>

namespace {

// stat() of path; 0 for a null path, which no caller means to pass.
int path_status(const char *path, struct stat *status)
{
    return path && stat(path, status) == 0;
}

} // namespace

int xirr_filename_get_file_info(const char *path, xirr_file_info *info)
{
    if (!info) {
        xirr_debug_log("Error in xirr_filename_get_file_info(), NULL dest.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    struct stat status;
    if (!path_status(path, &status))
        return 0;
    info->is_regular_file = S_ISREG(status.st_mode) ? 1 : 0;
    info->is_directory = S_ISDIR(status.st_mode) ? 1 : 0;
    info->size = (int64_t)status.st_size;
    info->modification_time = (int64_t)status.st_mtime;
    return 1;
}

int file_exists(const char *path)
{
    struct stat status;
    return path_status(path, &status);
}

int is_directory(const char *path)
{
    struct stat status;
    return path_status(path, &status) && S_ISDIR(status.st_mode);
}

int is_regular_file(const char *path)
{
    struct stat status;
    return path_status(path, &status) && S_ISREG(status.st_mode);
}
