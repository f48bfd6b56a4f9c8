#pragma once
// Peers for the socket tests: listeners on 127.0.0.1 with a free port, a
// port that refuses, a throwaway TLS server identity made in memory, and a
// thread that is always joined. Every blocking call of a peer is bounded by
// socket time-outs, so a broken client cannot hang a test.

#include <netinet/in.h>
#include <openssl/types.h>

#include <functional>
#include <string>
#include <thread>

namespace net_test {

constexpr int peer_timeout_ms = 5000;   // bound of every blocking peer call

// 127.0.0.1 with port 0; the socket under test sets the port.
sockaddr_in loopback();

// Applies peer_timeout_ms to blocking reads and writes on fd.
void bound_blocking_calls(int fd);

// A listening socket on 127.0.0.1 and a free port. receive_buffer > 0 sets
// the receive buffer that accepted connections inherit.
class listener {
public:
    explicit listener(int receive_buffer = 0);
    ~listener();
    listener(const listener &) = delete;
    listener &operator=(const listener &) = delete;

    int port() const { return port_; }
    // An accepted connection with bounded blocking calls, or -1 when none
    // came within ms.
    int accept_within(int ms = peer_timeout_ms);

private:
    int fd_ = -1;
    int port_ = 0;
};

// A port bound on 127.0.0.1 without listening: connects to it are refused.
// Holding the socket keeps the port from being taken meanwhile.
class refusing_port {
public:
    refusing_port();
    ~refusing_port();
    refusing_port(const refusing_port &) = delete;
    refusing_port &operator=(const refusing_port &) = delete;

    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// A self-signed EC key and certificate, made in memory, in a server context.
class tls_server_identity {
public:
    tls_server_identity();
    ~tls_server_identity();
    tls_server_identity(const tls_server_identity &) = delete;
    tls_server_identity &operator=(const tls_server_identity &) = delete;

    SSL_CTX *context() const { return context_; }

private:
    SSL_CTX *context_ = nullptr;
};

// The peer's end of one accepted connection, plain or (with an identity)
// TLS after a completed handshake. Its blocking calls are bounded.
class peer_connection {
public:
    // Takes fd (may be -1, which makes a peer that is not ok()).
    peer_connection(int fd, const tls_server_identity *identity);
    ~peer_connection();
    peer_connection(const peer_connection &) = delete;
    peer_connection &operator=(const peer_connection &) = delete;

    // Accepted, and for TLS the handshake completed.
    bool ok() const { return ok_; }
    // Reads until length bytes have arrived or the stream ends or fails.
    std::string read_exactly(size_t length);
    bool write(const std::string &bytes);
    // Ends the connection: for TLS with or without the TLS close notice.
    void close(bool close_notice = true);
    // Ends the connection with a reset instead of an end of stream.
    void reset();

private:
    int fd_ = -1;
    SSL *ssl_ = nullptr;
    bool ok_ = false;
};

// A thread that is joined when it goes out of scope.
class peer_thread {
public:
    explicit peer_thread(std::function<void()> body) : thread_(std::move(body)) {}
    ~peer_thread()
    {
        if (thread_.joinable())
            thread_.join();
    }
    void join() { thread_.join(); }

private:
    std::thread thread_;
};

// Calls step until it returns true, at most ms milliseconds; its last result.
bool within_ms(int ms, const std::function<bool()> &step);

// Byte i of the test streams: a pattern whose period does not divide any
// block or buffer size, so shifted or lost data shows.
inline char pattern_byte(size_t i)
{
    return (char)('a' + i % 23 + (i / 4099) % 3);
}
std::string pattern(size_t length);

}  // namespace net_test
