#include "net/network_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

struct error_case {
    int error_number;
    int code;
    const char *text;
};

// Every system error the codes name, and one they do not.
const error_case error_cases[] = {
    {0, -2, "no error"},
    {EBADF, -11, "bad function argument"},
    {EINVAL, -11, "bad function argument"},
    {EBADFD, -11, "bad function argument"},
    {ENOTSOCK, -11, "bad function argument"},
    {EFAULT, -12, "address/segmentation fault"},
    {ENFILE, -13, "out of file descriptors"},
    {EMFILE, -13, "out of file descriptors"},
    {ENOMEM, -14, "oom or buffer space"},
    {ENOBUFS, -14, "oom or buffer space"},
    {EMSGSIZE, -15, "data too big for operation"},
    {EADDRINUSE, -16, "address in use"},
    {EPIPE, -20, "broken network pipe"},
    {ESHUTDOWN, -20, "broken network pipe"},
    {ECONNABORTED, -21, "connection aborted/reset"},
    {ECONNRESET, -21, "connection aborted/reset"},
    {EHOSTDOWN, -22, "remote host down"},
    {EHOSTUNREACH, -23, "remote host unreachable"},
    {ENETDOWN, -24, "network down"},
    {ENETUNREACH, -25, "network unreachable"},
    {ENETRESET, -26, "network was reset"},
    {EAGAIN, -30, "would block"},
    {ERESTART, -30, "would block"},
    {EINPROGRESS, -31, "in progress"},
    {EINTR, -32, "interrupted"},
    {ECONNREFUSED, -40, "connection refused"},
    {ETIMEDOUT, -41, "timeout"},
    {EALREADY, -42, "already done"},
    {EISCONN, -43, "already is connected"},
    {ENOTCONN, -44, "is not connected"},
    {ENOENT, -1, "unknown error"},
};

TEST(network_error, system_errors_map_to_codes_with_fixed_texts)
{
    for (const error_case &c : error_cases) {
        SCOPED_TRACE(c.error_number);
        EXPECT_EQ(xirr_translate_errno(c.error_number), c.code);
        EXPECT_EQ(std::string(xirr_network_error_text(c.code)), c.text);
    }
}

TEST(network_error, codes_without_a_system_error)
{
    EXPECT_STREQ(xirr_network_error_text(-10), "network socket subsystem uninitialized");
    for (int code : {0, 1, -3, -27, -45, -1000})
        EXPECT_STREQ(xirr_network_error_text(code), "unknown error") << code;
}

TEST(network_error, only_codes_of_no_effect_are_transient)
{
    for (int code : {-2, -30, -31, -32})
        EXPECT_TRUE(xirr_is_transient_error(code)) << code;
    for (int code : {0, -1, -11, -20, -21, -40, -41, -42, -43, -44})
        EXPECT_FALSE(xirr_is_transient_error(code)) << code;
}

}  // namespace
