#include "net/network_error.h"

#include <cerrno>

int xirr_translate_errno(int error_number)
{
    switch (error_number) {
    case 0: return XIRR_NET_NO_ERROR;
    case EBADF:
    case EINVAL:
#ifdef EBADFD
    case EBADFD:
#endif
    case ENOTSOCK: return XIRR_NET_BAD_ARGUMENT;
    case EFAULT: return XIRR_NET_FAULT;
    case ENFILE:
    case EMFILE: return XIRR_NET_NO_DESCRIPTORS;
    case ENOMEM:
    case ENOBUFS: return XIRR_NET_NO_MEMORY;
    case EMSGSIZE: return XIRR_NET_TOO_BIG;
    case EADDRINUSE: return XIRR_NET_ADDRESS_IN_USE;
    case EPIPE:
    case ESHUTDOWN: return XIRR_NET_BROKEN_PIPE;
    case ECONNABORTED:
    case ECONNRESET: return XIRR_NET_RESET;
    case EHOSTDOWN: return XIRR_NET_HOST_DOWN;
    case EHOSTUNREACH: return XIRR_NET_HOST_UNREACHABLE;
    case ENETDOWN: return XIRR_NET_DOWN;
    case ENETUNREACH: return XIRR_NET_UNREACHABLE;
    case ENETRESET: return XIRR_NET_WAS_RESET;
    case EAGAIN:
#if defined(EWOULDBLOCK) && EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
#ifdef ERESTART
    case ERESTART:
#endif
        return XIRR_NET_WOULD_BLOCK;
    case EINPROGRESS: return XIRR_NET_IN_PROGRESS;
    case EINTR: return XIRR_NET_INTERRUPTED;
    case ECONNREFUSED: return XIRR_NET_REFUSED;
    case ETIMEDOUT: return XIRR_NET_TIMEOUT;
    case EALREADY: return XIRR_NET_ALREADY;
    case EISCONN: return XIRR_NET_IS_CONNECTED;
    case ENOTCONN: return XIRR_NET_NOT_CONNECTED;
    default: return XIRR_NET_UNKNOWN;
    }
}

const char *xirr_network_error_text(int code)
{
    switch (code) {
    case XIRR_NET_NO_ERROR: return "no error";
    case XIRR_NET_UNINITIALIZED: return "network socket subsystem uninitialized";
    case XIRR_NET_BAD_ARGUMENT: return "bad function argument";
    case XIRR_NET_FAULT: return "address/segmentation fault";
    case XIRR_NET_NO_DESCRIPTORS: return "out of file descriptors";
    case XIRR_NET_NO_MEMORY: return "oom or buffer space";
    case XIRR_NET_TOO_BIG: return "data too big for operation";
    case XIRR_NET_ADDRESS_IN_USE: return "address in use";
    case XIRR_NET_BROKEN_PIPE: return "broken network pipe";
    case XIRR_NET_RESET: return "connection aborted/reset";
    case XIRR_NET_HOST_DOWN: return "remote host down";
    case XIRR_NET_HOST_UNREACHABLE: return "remote host unreachable";
    case XIRR_NET_DOWN: return "network down";
    case XIRR_NET_UNREACHABLE: return "network unreachable";
    case XIRR_NET_WAS_RESET: return "network was reset";
    case XIRR_NET_WOULD_BLOCK: return "would block";
    case XIRR_NET_IN_PROGRESS: return "in progress";
    case XIRR_NET_INTERRUPTED: return "interrupted";
    case XIRR_NET_REFUSED: return "connection refused";
    case XIRR_NET_TIMEOUT: return "timeout";
    case XIRR_NET_ALREADY: return "already done";
    case XIRR_NET_IS_CONNECTED: return "already is connected";
    case XIRR_NET_NOT_CONNECTED: return "is not connected";
    default: return "unknown error";
    }
}

int xirr_is_transient_error(int code)
{
    return code == XIRR_NET_WOULD_BLOCK || code == XIRR_NET_IN_PROGRESS ||
           code == XIRR_NET_INTERRUPTED || code == XIRR_NET_NO_ERROR;
}
