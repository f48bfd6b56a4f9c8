#include "net/network_socket.h"

#include "net/network_error.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

int xirr_network_socket::create()
{
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return xirr_translate_errno(errno);
    descriptor = fd;
    return 1;
}

int xirr_network_socket::connect(const sockaddr_in &address)
{
    if (::connect(descriptor, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return 1;
    return xirr_translate_errno(errno);
}

int xirr_network_socket::read(void *buffer, int size)
{
    ssize_t n = recv(descriptor, buffer, (size_t)size, 0);
    return n < 0 ? xirr_translate_errno(errno) : (int)n;
}

int xirr_network_socket::write(const void *data, int length)
{
    ssize_t n = send(descriptor, data, (size_t)length, MSG_NOSIGNAL);
    return n < 0 ? xirr_translate_errno(errno) : (int)n;
}

int xirr_network_socket::wait(int wanted, int timeout_ms, int *seen)
{
    // poll rather than select: select cannot watch descriptors above
    // FD_SETSIZE. Errors and hang-ups count as readable and writable, as
    // select reports them, so that the following call returns the reason.
    pollfd p = {descriptor, 0, 0};
    if (wanted & XIRR_WAIT_READABLE)
        p.events |= POLLIN;
    if (wanted & XIRR_WAIT_WRITABLE)
        p.events |= POLLOUT;
    if (wanted & XIRR_WAIT_EXCEPTIONAL)
        p.events |= POLLPRI;
    *seen = 0;
    int n = poll(&p, 1, timeout_ms < 0 ? -1 : timeout_ms);
    if (n < 0)
        return xirr_translate_errno(errno);
    if (n == 0)
        return 0;
    if (p.revents & POLLNVAL)
        return XIRR_NET_BAD_ARGUMENT;
    int broken = p.revents & (POLLERR | POLLHUP);
    if ((p.revents & POLLIN) || broken)
        *seen |= wanted & XIRR_WAIT_READABLE;
    if ((p.revents & POLLOUT) || broken)
        *seen |= wanted & XIRR_WAIT_WRITABLE;
    if (p.revents & POLLPRI)
        *seen |= wanted & XIRR_WAIT_EXCEPTIONAL;
    return 1;
}

int xirr_network_socket::pending_error()
{
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(descriptor, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        return xirr_translate_errno(errno);
    return error == 0 ? 0 : xirr_translate_errno(error);
}

void xirr_network_socket::close()
{
    if (descriptor == -1)
        return;
    ::close(descriptor);
    descriptor = -1;
}
