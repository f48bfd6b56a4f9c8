#include "net/tcp_socket.h"

#include "foundation/debug_log.h"
#include "net/network_error.h"
#include "net/ssl_context.h"

#include <arpa/inet.h>
#include <chrono>
#include <openssl/err.h>
#include <openssl/ssl.h>

// Deadlines are milliseconds on the monotonic clock; -1 means none.
static int64_t now_ms()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

static int64_t deadline_after(int timeout_ms)
{
    return timeout_ms < 0 ? -1 : now_ms() + timeout_ms;
}

// Milliseconds left until deadline: -1 without a deadline, else 0 or more.
static int ms_left(int64_t deadline)
{
    if (deadline < 0)
        return -1;
    int64_t left = deadline - now_ms();
    return left > 0 ? (int)left : 0;
}

xirr_tcp_socket::~xirr_tcp_socket()
{
    if (socket.descriptor != -1) {
        xirr_debug_log("Error in ~xirr_tcp_socket(), socket not closed.", XIRR_LOG_OP_FAILED);
        socket.close();
    }
    SSL_free(ssl);
}

int xirr_tcp_socket::fail(int *error, int code)
{
    *error = code;
    state = unconnected;
    socket.close();
    return -1;
}

int xirr_tcp_socket::enable_ssl()
{
    if (state != unconnected) {
        xirr_debug_log("Error in xirr_tcp_socket::enable_ssl(), socket not in unconnected state.",
                       XIRR_LOG_OP_FAILED);
        return 0;
    }
    if (ssl_enabled)
        xirr_debug_log("Error in xirr_server_socket_writeable::make_ssl_capable(), socket already SSL enabled.",
                       XIRR_LOG_OP_FAILED);
    ssl_enabled = 1;
    return 1;
}

int xirr_tcp_socket::disable_ssl()
{
    if (state != unconnected) {
        xirr_debug_log("Error in xirr_tcp_socket::disable_ssl(), socket not in unconnected state.",
                       XIRR_LOG_OP_FAILED);
        return 0;
    }
    ssl_enabled = 0;
    SSL_free(ssl);
    ssl = nullptr;
    return 1;
}

int xirr_tcp_socket::start_nonblocking_connect(const sockaddr_in &address, int port)
{
    if (state == connecting || state == tls_connecting) {
        write_error_code = XIRR_NET_IN_PROGRESS;
        return -1;
    }
    if (state == connected) {
        write_error_code = XIRR_NET_IS_CONNECTED;
        return -1;
    }
    if (socket.descriptor != -1) {
        xirr_debug_log("Error in xirr_tcp_socket::start_nonblocking_connect(), socket not closed.",
                       XIRR_LOG_OP_FAILED);
        socket.close();
    }
    if (socket.create() != 1) {
        xirr_debug_log("Error in xirr_tcp_socket::start_nonblocking_connect(), unable to create new socket?",
                       XIRR_LOG_CREATE_FAILED);
        write_error_code = XIRR_NET_NO_DESCRIPTORS;
        return -1;
    }
    state = connecting;
    remote_address = address;
    remote_address.sin_family = AF_INET;
    remote_address.sin_port = htons((uint16_t)port);
    int result = socket.connect(remote_address);
    if (result == 1 || result == XIRR_NET_IS_CONNECTED) {
        write_error_code = 0;
        return ssl_try_connect();
    }
    if (xirr_is_transient_error(result) || result == XIRR_NET_ALREADY) {
        write_error_code = result;
        return 0;
    }
    fail(&write_error_code, result);
    return result;
}

// A wait for a connect in progress reported seen: a writable socket has
// finished connecting, but only its pending error tells whether it
// succeeded (a refused connect is writable too).
int xirr_tcp_socket::complete_connect(int seen)
{
    if ((seen & XIRR_WAIT_EXCEPTIONAL) || !(seen & XIRR_WAIT_WRITABLE))
        return fail(&write_error_code, XIRR_NET_RESET);
    int pending = socket.pending_error();
    if (pending != 0)
        return fail(&write_error_code, pending);
    write_error_code = 0;
    return ssl_try_connect();
}

int xirr_tcp_socket::timed_connect(const sockaddr_in &address, int port, int timeout_ms)
{
    int64_t deadline = deadline_after(timeout_ms);
    int result = start_nonblocking_connect(address, port);
    if (result < 0)
        return -1;
    int seen = 0;
    if (result == 0 && state == connecting) {
        int waited = wait_until(XIRR_WAIT_WRITABLE | XIRR_WAIT_EXCEPTIONAL, deadline, &seen);
        if (waited == 0)
            return fail(&write_error_code, XIRR_NET_TIMEOUT);
        if (waited < 0)
            return fail(&write_error_code, waited);
        result = complete_connect(seen);
    }
    // The handshake runs without blocking the descriptor, each step waiting
    // for what the TLS library asks for, so a peer that never answers costs
    // no more than the time-out.
    while (result == 0 && state == tls_connecting) {
        int wanted = SSL_want_write(ssl) ? XIRR_WAIT_WRITABLE : XIRR_WAIT_READABLE;
        int waited = wait_until(wanted, deadline, &seen);
        if (waited == 0)
            return fail(&write_error_code, XIRR_NET_TIMEOUT);
        if (waited < 0)
            return fail(&write_error_code, waited);
        result = ssl_retry_connect();
    }
    return result < 0 ? -1 : result;
}

int xirr_tcp_socket::check_connect()
{
    switch (state) {
    case connected:
        write_error_code = XIRR_NET_IS_CONNECTED;
        return -1;
    case tls_connecting:
        return ssl_retry_connect();
    case unconnected:
        write_error_code = XIRR_NET_NOT_CONNECTED;
        return -1;
    }
    int seen = 0;
    int waited = socket.wait(XIRR_WAIT_WRITABLE | XIRR_WAIT_EXCEPTIONAL, 0, &seen);
    if (waited == 0 || xirr_is_transient_error(waited))
        return 0;
    if (waited < 0)
        return fail(&write_error_code, waited);
    return complete_connect(seen);
}

int xirr_tcp_socket::get_state()
{
    if (state == connecting || state == tls_connecting)
        check_connect();
    return state;
}

int xirr_tcp_socket::ssl_try_connect()
{
    if (!ssl_enabled) {
        state = connected;
        return 1;
    }
    if (state != connecting) {
        xirr_debug_log("Error in xirr_tcp_socket::ssl_try_connect(), socket not in connecting state.",
                       XIRR_LOG_OP_FAILED);
        return fail(&write_error_code, XIRR_NET_RESET);
    }
    SSL_free(ssl);
    ERR_clear_error();
    SSL_CTX *context = xirr_ssl_context();
    ssl = context ? SSL_new(context) : nullptr;
    if (!ssl) {
        xirr_debug_log("Unable to allocate SSL struct in xirr_tcp_socket::ssl_try_connect(), "
                       "did you run xirr_ssl_startup()?",
                       XIRR_LOG_OP_FAILED);
        xirr_log_ssl_error_detail(0);
        return 0;
    }
    if (!SSL_set_cipher_list(ssl, XIRR_SSL_CIPHER_LIST)) {
        xirr_debug_log("Error in xirr_tcp_socket::ssl_try_connect(), unable to set cipher list?",
                       XIRR_LOG_OP_FAILED);
        return fail(&write_error_code, XIRR_NET_RESET);
    }
    if (!SSL_set_fd(ssl, socket.descriptor)) {
        xirr_debug_log("Error in xirr_tcp_socket::ssl_try_connect(), set_fd failed?", XIRR_LOG_OP_FAILED);
        return fail(&write_error_code, XIRR_NET_RESET);
    }
    state = tls_connecting;
    return ssl_retry_connect();
}

// One handshake step. A failed step ends the connection like every other
// fatal error, so that a socket polled through get_state does not retry a
// dead handshake for ever.
int xirr_tcp_socket::ssl_retry_connect()
{
    if (!ssl) {
        xirr_debug_log("Error in xirr_tcp_socket::ssl_retry_connect(), NULL ssl context?", XIRR_LOG_OP_FAILED);
        write_error_code = XIRR_NET_RESET;
        return -1;
    }
    ERR_clear_error();
    int result = SSL_connect(ssl);
    if (result == 1) {
        state = connected;
        return 1;
    }
    int kind = SSL_get_error(ssl, result);
    if (kind == SSL_ERROR_WANT_READ || kind == SSL_ERROR_WANT_WRITE)
        return 0;
    if (result == 0) {
        xirr_debug_log("Warning in xirr_tcp_socket::ssl_retry_connect(), SSL connect failed due to protocol issue.",
                       XIRR_LOG_PROTOCOL);
    } else if (kind == SSL_ERROR_ZERO_RETURN) {
        xirr_debug_log("Controlled ssl close in xirr_tcp_socket::ssl_retry_connect(), bailing.", XIRR_LOG_PROTOCOL);
    } else {
        xirr_debug_log("SSL connect failed in xirr_tcp_socket::ssl_retry_connect().", XIRR_LOG_PROTOCOL);
        xirr_log_ssl_error_detail(kind);
    }
    ERR_clear_error();
    return fail(&write_error_code, XIRR_NET_RESET);
}

// Waits until deadline, going on after interruptions while time is left.
// 1 with *seen filled, 0 when the time ran out, or a negative code.
int xirr_tcp_socket::wait_until(int wanted, int64_t deadline, int *seen)
{
    for (;;) {
        int left = ms_left(deadline);
        int waited = socket.wait(wanted, left, seen);
        if (waited >= 0 || !xirr_is_transient_error(waited))
            return waited;
        if (left == 0)
            return 0;
    }
}

// The wait of a timed read or write: 1 ready, 0 the time ran out, -1 the
// connection failed and was closed with the reason in *error.
int xirr_tcp_socket::wait_for_transfer(int wanted, int64_t deadline, int *error)
{
    int seen = 0;
    int waited = wait_until(wanted | XIRR_WAIT_EXCEPTIONAL, deadline, &seen);
    if (waited < 0)
        return fail(error, waited);
    if (waited > 0 && (seen & XIRR_WAIT_EXCEPTIONAL))
        return fail(error, XIRR_NET_RESET);
    return waited;
}

// OpenSSL 3 reports a peer that closed the stream without a TLS close
// notice as this error; like a close notice it ends the connection cleanly.
static int is_unannounced_end(int kind)
{
    unsigned long error = ERR_peek_error();
    return kind == SSL_ERROR_SSL && ERR_GET_LIB(error) == ERR_LIB_SSL &&
           ERR_GET_REASON(error) == SSL_R_UNEXPECTED_EOF_WHILE_READING;
}

int xirr_tcp_socket::nonblocking_read(void *buffer, int size)
{
    if (state != connected) {
        read_error_code = XIRR_NET_NOT_CONNECTED;
        return -1;
    }
    if (!buffer || size <= 0)
        return 0;
    if (ssl) {
        ERR_clear_error();
        size_t got = 0;
        int result = SSL_read_ex(ssl, buffer, (size_t)size, &got);
        if (result == 1)
            return (int)got;
        int kind = SSL_get_error(ssl, result);
        if (kind == SSL_ERROR_WANT_READ || kind == SSL_ERROR_WANT_WRITE)
            return 0;
        if (kind == SSL_ERROR_ZERO_RETURN || is_unannounced_end(kind)) {
            ERR_clear_error();
            return fail(&read_error_code, 0);
        }
        xirr_debug_log("Unexpected ssl close in xirr_tcp_socket::nonblocking_read().", XIRR_LOG_VERBOSE);
        xirr_log_ssl_error_detail(kind);
        return fail(&read_error_code, XIRR_NET_RESET);
    }
    int result = socket.read(buffer, size);
    if (result > 0)
        return result;
    if (result == 0)
        return fail(&read_error_code, 0);
    read_error_code = result;
    return xirr_is_transient_error(result) ? 0 : fail(&read_error_code, result);
}

int xirr_tcp_socket::timed_read(void *buffer, int size, int timeout_ms)
{
    if (state != connected) {
        read_error_code = XIRR_NET_NOT_CONNECTED;
        return -1;
    }
    if (!buffer || size <= 0)
        return 0;
    int64_t deadline = deadline_after(timeout_ms);
    // The TLS layer may hold bytes already received, and a readable
    // descriptor may carry only part of a record: try first, wait for what
    // the library asks for, and go on until the time-out.
    for (;;) {
        if (ssl) {
            int result = nonblocking_read(buffer, size);
            if (result != 0)
                return result;
        }
        int wanted = ssl && SSL_want_write(ssl) ? XIRR_WAIT_WRITABLE : XIRR_WAIT_READABLE;
        int ready = wait_for_transfer(wanted, deadline, &read_error_code);
        if (ready <= 0)
            return ready;
        if (!ssl)
            return nonblocking_read(buffer, size);
    }
}

int xirr_tcp_socket::nonblocking_write(const void *data, int length)
{
    if (state != connected) {
        write_error_code = XIRR_NET_NOT_CONNECTED;
        return -1;
    }
    if (!data || length <= 0)
        return 0;
    if (ssl) {
        ERR_clear_error();
        size_t put = 0;
        int result = SSL_write_ex(ssl, data, (size_t)length, &put);
        if (result == 1)
            return (int)put;
        int kind = SSL_get_error(ssl, result);
        if (kind == SSL_ERROR_WANT_READ || kind == SSL_ERROR_WANT_WRITE)
            return 0;
        ERR_clear_error();
        if (kind == SSL_ERROR_ZERO_RETURN) {
            xirr_debug_log("Clean SSL shutdown in xirr_tcp_socket::nonblocking_write().", XIRR_LOG_VERBOSE);
            return fail(&write_error_code, 0);
        }
        xirr_debug_log("Unexpected ssl close in xirr_tcp_socket::nonblocking_write().", XIRR_LOG_VERBOSE);
        return fail(&write_error_code, XIRR_NET_RESET);
    }
    int result = socket.write(data, length);
    if (result >= 0)
        return result;
    write_error_code = result;
    return xirr_is_transient_error(result) ? 0 : fail(&write_error_code, result);
}

int xirr_tcp_socket::timed_write(const void *data, int length, int timeout_ms)
{
    if (state != connected) {
        write_error_code = XIRR_NET_NOT_CONNECTED;
        return -1;
    }
    if (!data || length <= 0)
        return 0;
    int64_t deadline = deadline_after(timeout_ms);
    for (;;) {
        if (ssl) {
            int result = nonblocking_write(data, length);
            if (result != 0)
                return result;
        }
        int wanted = ssl && SSL_want_read(ssl) ? XIRR_WAIT_READABLE : XIRR_WAIT_WRITABLE;
        int ready = wait_for_transfer(wanted, deadline, &write_error_code);
        if (ready <= 0)
            return ready;
        if (!ssl)
            return nonblocking_write(data, length);
    }
}

void xirr_tcp_socket::close()
{
    state = unconnected;
    socket.close();
}
