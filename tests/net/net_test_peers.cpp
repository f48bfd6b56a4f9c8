#include "net_test_peers.h"

#include <arpa/inet.h>
#include <csignal>
#include <chrono>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace net_test {

namespace {

// Like the application, the tests ignore SIGPIPE: a write to a closed peer
// must fail, not end the process.
const bool sigpipe_ignored = signal(SIGPIPE, SIG_IGN) != SIG_ERR;

// Binds a new socket to 127.0.0.1 and a free port; the port, or 0.
int bind_loopback(int *fd, int receive_buffer)
{
    *fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (*fd < 0)
        return 0;
    if (receive_buffer > 0)
        setsockopt(*fd, SOL_SOCKET, SO_RCVBUF, &receive_buffer, sizeof receive_buffer);
    sockaddr_in address = loopback();
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(*fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        getsockname(*fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

}  // namespace

sockaddr_in loopback()
{
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

void bound_blocking_calls(int fd)
{
    timeval limit = {peer_timeout_ms / 1000, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
}

listener::listener(int receive_buffer)
{
    port_ = bind_loopback(&fd_, receive_buffer);
    if (port_ && listen(fd_, 8) != 0)
        port_ = 0;
}

listener::~listener()
{
    if (fd_ >= 0)
        close(fd_);
}

int listener::accept_within(int ms)
{
    pollfd p = {fd_, POLLIN, 0};
    if (poll(&p, 1, ms) != 1)
        return -1;
    int fd = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0)
        bound_blocking_calls(fd);
    return fd;
}

refusing_port::refusing_port()
{
    port_ = bind_loopback(&fd_, 0);
}

refusing_port::~refusing_port()
{
    if (fd_ >= 0)
        close(fd_);
}

tls_server_identity::tls_server_identity()
{
    EVP_PKEY *key = EVP_EC_gen("P-256");
    X509 *certificate = X509_new();
    if (key && certificate) {
        X509_set_version(certificate, 2);
        ASN1_INTEGER_set(X509_get_serialNumber(certificate), 1);
        X509_gmtime_adj(X509_getm_notBefore(certificate), 0);
        X509_gmtime_adj(X509_getm_notAfter(certificate), 3600);
        X509_set_pubkey(certificate, key);
        X509_NAME *name = X509_get_subject_name(certificate);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char *>("127.0.0.1"), -1, -1, 0);
        X509_set_issuer_name(certificate, name);
        context_ = SSL_CTX_new(TLS_server_method());
        if (!X509_sign(certificate, key, EVP_sha256()) || !context_ ||
            SSL_CTX_use_certificate(context_, certificate) != 1 ||
            SSL_CTX_use_PrivateKey(context_, key) != 1) {
            SSL_CTX_free(context_);
            context_ = nullptr;
        }
    }
    X509_free(certificate);
    EVP_PKEY_free(key);
}

tls_server_identity::~tls_server_identity()
{
    SSL_CTX_free(context_);
}

peer_connection::peer_connection(int fd, const tls_server_identity *identity) : fd_(fd)
{
    if (fd_ < 0)
        return;
    if (!identity) {
        ok_ = true;
        return;
    }
    ssl_ = identity->context() ? SSL_new(identity->context()) : nullptr;
    ok_ = ssl_ && SSL_set_fd(ssl_, fd_) == 1 && SSL_accept(ssl_) == 1;
}

peer_connection::~peer_connection()
{
    close(false);
}

std::string peer_connection::read_exactly(size_t length)
{
    std::string got;
    char buffer[65536];
    while (fd_ >= 0 && got.size() < length) {
        size_t want = length - got.size() < sizeof buffer ? length - got.size() : sizeof buffer;
        size_t n = 0;
        if (ssl_) {
            if (SSL_read_ex(ssl_, buffer, want, &n) != 1)
                break;
        } else {
            ssize_t r = recv(fd_, buffer, want, 0);
            if (r <= 0)
                break;
            n = (size_t)r;
        }
        got.append(buffer, n);
    }
    return got;
}

bool peer_connection::write(const std::string &bytes)
{
    if (fd_ < 0)
        return false;
    if (ssl_) {
        size_t n = 0;
        return SSL_write_ex(ssl_, bytes.data(), bytes.size(), &n) == 1 && n == bytes.size();
    }
    return send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == (ssize_t)bytes.size();
}

void peer_connection::close(bool close_notice)
{
    if (ssl_ && close_notice && ok_)
        SSL_shutdown(ssl_);
    SSL_free(ssl_);
    ssl_ = nullptr;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void peer_connection::reset()
{
    if (fd_ >= 0) {
        linger abort_on_close = {1, 0};
        setsockopt(fd_, SOL_SOCKET, SO_LINGER, &abort_on_close, sizeof abort_on_close);
    }
    close(false);
}

bool within_ms(int ms, const std::function<bool()> &step)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (step())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

std::string pattern(size_t length)
{
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; i++)
        bytes[i] = pattern_byte(i);
    return bytes;
}

}  // namespace net_test
