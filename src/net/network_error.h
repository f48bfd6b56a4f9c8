#pragma once
// Network error codes: small negative ints that every socket operation stores
// as its failure reason and many return. Codes -30, -31, -32 and -2 mean the
// operation did nothing and may be tried again.

enum : int {
    XIRR_NET_UNKNOWN = -1,             // any system error not listed below
    XIRR_NET_NO_ERROR = -2,
    XIRR_NET_UNINITIALIZED = -10,      // never produced on POSIX systems
    XIRR_NET_BAD_ARGUMENT = -11,
    XIRR_NET_FAULT = -12,
    XIRR_NET_NO_DESCRIPTORS = -13,
    XIRR_NET_NO_MEMORY = -14,
    XIRR_NET_TOO_BIG = -15,
    XIRR_NET_ADDRESS_IN_USE = -16,
    XIRR_NET_BROKEN_PIPE = -20,
    XIRR_NET_RESET = -21,
    XIRR_NET_HOST_DOWN = -22,
    XIRR_NET_HOST_UNREACHABLE = -23,
    XIRR_NET_DOWN = -24,
    XIRR_NET_UNREACHABLE = -25,
    XIRR_NET_WAS_RESET = -26,
    XIRR_NET_WOULD_BLOCK = -30,
    XIRR_NET_IN_PROGRESS = -31,
    XIRR_NET_INTERRUPTED = -32,
    XIRR_NET_REFUSED = -40,
    XIRR_NET_TIMEOUT = -41,
    XIRR_NET_ALREADY = -42,
    XIRR_NET_IS_CONNECTED = -43,
    XIRR_NET_NOT_CONNECTED = -44,
};

// Maps a system error number (errno) to a network error code; 0 gives -2.
int xirr_translate_errno(int error_number);

// The fixed text of a code; codes not listed (also -1) give "unknown error".
const char *xirr_network_error_text(int code);

// True for the codes after which the operation may simply be tried again.
int xirr_is_transient_error(int code);
