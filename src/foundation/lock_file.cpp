#include "foundation/lock_file.h"

#include "foundation/debug_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

int lock_file(const char *path)
{
    if (!path) {
        xirr_debug_log("Error in lock_file(), NULL path.", XIRR_LOG_BAD_ARGUMENT);
        return -1;
    }
    int fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("Error in lock_file(), unable to open '%s', errno %d.\n", path, errno);
        return -1;
    }
    if (lockf(fd, F_TLOCK, 0) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int unlock_file(int fd)
{
    if (fd < 0)
        return 0;
    int unlocked = lockf(fd, F_ULOCK, 0) == 0;
    close(fd);
    return unlocked;
}
