#include "foundation/xirr_time.h"

#include "foundation/debug_log.h"

#include <sys/time.h>

#include <cerrno>
#include <ctime>

void sleep_ms(int ms)
{
    if (ms <= 0)
        return;
    timespec wanted;
    wanted.tv_sec = ms / 1000;
    wanted.tv_nsec = (long)(ms % 1000) * 1000000L;
    timespec remaining;
    while (nanosleep(&wanted, &remaining) != 0 && errno == EINTR)
        wanted = remaining;
}

long xirr_gettimeofday_seconds()
{
    timeval now;
    if (gettimeofday(&now, nullptr) != 0) {
        xirr_debug_log("Error in xirr_gettimeofday_seconds(), syscall failed.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    return (long)now.tv_sec;
}

int64_t xirr_gettimeofday_useconds()
{
    timeval now;
    if (gettimeofday(&now, nullptr) != 0) {
        xirr_debug_log("Error in xirr_gettimeofday_useconds(), syscall failed.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    return (int64_t)now.tv_sec * 1000000 + now.tv_usec;
}
