#pragma once
// Thin wrapper of one IPv4 stream socket descriptor. Every call that fails
// returns the translated network error code (net/network_error.h) of the
// system error instead of touching errno for the caller.

#include <netinet/in.h>

// Readiness bits asked for and reported by xirr_network_socket::wait.
enum : int {
    XIRR_WAIT_READABLE = 1,     // data, end of stream or a pending error
    XIRR_WAIT_WRITABLE = 2,     // room, a completed connect or a pending error
    XIRR_WAIT_EXCEPTIONAL = 4,  // urgent (out-of-band) data
};

class xirr_network_socket {
public:
    // Creates a non-blocking, non-inherited IPv4 stream socket (atomically,
    // so there is no blocking window to fall into). 1, or a negative code.
    int create();
    // 1 when connected at once, else a negative code (-31 for a
    // non-blocking connect under way).
    int connect(const sockaddr_in &address);
    // Bytes read (> 0), 0 at end of stream, or a negative code.
    int read(void *buffer, int size);
    // Bytes written (>= 0), or a negative code. Never raises SIGPIPE.
    int write(const void *data, int length);
    // Waits up to timeout_ms (negative: without limit) for any readiness in
    // wanted. 1 with the bits found in *seen, 0 when the time ran out, or a
    // negative code (-32 when a signal interrupted the wait).
    int wait(int wanted, int timeout_ms, int *seen);
    // The connect result kept by the socket: 0 for none, else its code.
    int pending_error();
    // Does nothing when already closed.
    void close();

    int descriptor = -1;        // -1 when closed
};
