#pragma once
// xirr_tcp_socket: the client's one connection type, an IPv4 TCP socket that
// is always driven in non-blocking mode and can wrap its stream in TLS (with
// the process context of net/ssl_context.h, which must exist first).
//
// Results: 1 = done, 0 = nothing happened yet (try again later), -1 = failed
// with the reason, a network error code (net/network_error.h), kept in
// read_error() or write_error(). Every fatal failure closes the descriptor
// and returns to `unconnected`. A socket is used by one thread at a time.

#include "net/network_socket.h"

#include <cstdint>
#include <netinet/in.h>
#include <openssl/types.h>

class xirr_tcp_socket {
public:
    // Connection states; exactly one is current.
    enum : int { unconnected = 1, connecting = 2, tls_connecting = 4, connected = 8 };

    xirr_tcp_socket() = default;
    // Logs and closes a descriptor still open; frees the TLS object.
    ~xirr_tcp_socket();
    xirr_tcp_socket(const xirr_tcp_socket &) = delete;
    xirr_tcp_socket &operator=(const xirr_tcp_socket &) = delete;

    // Only while `unconnected`: the next connect runs (or skips) a TLS
    // handshake. 1 done, 0 in another state.
    int enable_ssl();
    int disable_ssl();

    // Starts connecting to address at port (host order) without waiting.
    // 1 connected, 0 in progress, negative: a network error code or -1.
    int start_nonblocking_connect(const sockaddr_in &address, int port);
    // Connects, handshake included, waiting at most timeout_ms in all
    // (negative: without limit). 1 connected, -1 failed (-41 when the time
    // ran out); 0 only when the TLS object cannot be made, the socket then
    // staying `connecting` for check_connect to retry.
    int timed_connect(const sockaddr_in &address, int port, int timeout_ms);
    // Advances a connect or handshake in progress without waiting.
    int check_connect();
    // The state, after advancing a connect or handshake in progress.
    int get_state();

    // Bytes read, 0 when nothing is available, -1 when the connection ended
    // (read error 0 for a clean end by the peer) or failed.
    int nonblocking_read(void *buffer, int size);
    // As nonblocking_read, waiting up to timeout_ms (negative: without
    // limit) for data.
    int timed_read(void *buffer, int size, int timeout_ms);
    // Bytes accepted (possibly fewer than length), 0 when none, -1 failed.
    int nonblocking_write(const void *data, int length);
    // As nonblocking_write, waiting up to timeout_ms (negative: without
    // limit) for room.
    int timed_write(const void *data, int length, int timeout_ms);

    // Back to `unconnected` with the descriptor closed; the TLS object stays
    // until the next handshake replaces it or disable_ssl frees it.
    void close();

    int read_error() const { return read_error_code; }
    int write_error() const { return write_error_code; }

private:
    int ssl_try_connect();
    int ssl_retry_connect();
    int complete_connect(int seen);
    int wait_until(int wanted, int64_t deadline, int *seen);
    int wait_for_transfer(int wanted, int64_t deadline, int *error);
    int fail(int *error, int code);

    SSL *ssl = nullptr;             // from handshake start until replaced or freed
    int ssl_enabled = 0;            // the next connect runs a TLS handshake
    xirr_network_socket socket;
    sockaddr_in remote_address = {};
    int state = unconnected;
    int read_error_code = 0;        // last failed read, 0 after a clean end
    int write_error_code = 0;       // last failed write, connect or handshake
};
