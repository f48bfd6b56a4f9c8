// The socket against peers in threads of the test, over plain TCP and TLS.

#include "net/network_error.h"
#include "net/ssl_context.h"
#include "net/tcp_socket.h"

#include "../foundation/captured_log.h"
#include "net_test_peers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>

namespace {

using namespace net_test;

enum class transport { plain, tls };

// Reads with timed_read until length bytes have come, the connection ended
// or peer_timeout_ms passed.
std::string read_from(xirr_tcp_socket &socket, size_t length)
{
    std::string got;
    char buffer[10000];
    within_ms(peer_timeout_ms, [&] {
        int n = socket.timed_read(buffer, sizeof buffer, 100);
        if (n > 0)
            got.append(buffer, (size_t)n);
        return n < 0 || got.size() >= length;
    });
    return got;
}

// Reads until the connection ends; the last result (-1 when it ended).
int read_until_end(xirr_tcp_socket &socket)
{
    char buffer[10000];
    int n = 0;
    within_ms(peer_timeout_ms, [&] { return (n = socket.timed_read(buffer, sizeof buffer, 100)) < 0; });
    return n;
}

class tcp_socket_over : public ::testing::TestWithParam<transport> {
protected:
    void SetUp() override
    {
        ASSERT_NE(server.port(), 0);
        if (GetParam() == transport::tls) {
            ASSERT_NE(identity.context(), nullptr);
            ASSERT_EQ(xirr_init_ssl(), 1);
            ASSERT_EQ(client.enable_ssl(), 1);
        }
    }
    void TearDown() override { client.close(); }

    const tls_server_identity *peer_identity() const
    {
        return GetParam() == transport::tls ? &identity : nullptr;
    }
    int connect() { return client.timed_connect(loopback(), server.port(), peer_timeout_ms); }

    tls_server_identity identity;
    listener server{4096};   // a small receive buffer makes writes block early
    xirr_tcp_socket client;
};

INSTANTIATE_TEST_SUITE_P(transports, tcp_socket_over, ::testing::Values(transport::plain, transport::tls),
                         [](const auto &info) { return info.param == transport::tls ? "tls" : "plain"; });

// A peer that closes ends the connection cleanly: -1 with read error 0,
// for TLS also when the peer skips the close notice.
TEST_P(tcp_socket_over, exchanges_lines_and_sees_a_clean_close)
{
    for (bool close_notice : {true, false}) {
        SCOPED_TRACE(close_notice ? "close notice" : "no close notice");
        std::string received;
        peer_thread peer([&] {
            peer_connection p(server.accept_within(), peer_identity());
            if (!p.ok())
                return;
            received = p.read_exactly(6);
            p.write("world");
            p.close(close_notice);
        });
        ASSERT_EQ(connect(), 1);
        EXPECT_EQ(client.get_state(), xirr_tcp_socket::connected);
        EXPECT_EQ(client.nonblocking_write("hello\n", 6), 6);
        EXPECT_EQ(read_from(client, 5), "world");
        EXPECT_EQ(read_until_end(client), -1);
        EXPECT_EQ(client.read_error(), 0);
        EXPECT_EQ(client.get_state(), xirr_tcp_socket::unconnected);
        peer.join();
        EXPECT_EQ(received, "hello\n");
        if (GetParam() == transport::plain)
            break;
    }
}

TEST_P(tcp_socket_over, reset_by_the_peer_fails_reads_and_writes)
{
    for (bool reading : {true, false}) {
        SCOPED_TRACE(reading ? "read" : "write");
        std::promise<void> connected;
        std::future<void> seen = connected.get_future();
        peer_thread peer([&] {
            peer_connection p(server.accept_within(), peer_identity());
            seen.wait_for(std::chrono::milliseconds(peer_timeout_ms));
            p.reset();
        });
        ASSERT_EQ(connect(), 1);
        connected.set_value();
        peer.join();
        if (reading) {
            EXPECT_EQ(read_until_end(client), -1);
            EXPECT_EQ(client.read_error(), XIRR_NET_RESET);
        } else {
            int n = 0;
            within_ms(peer_timeout_ms, [&] { return (n = client.nonblocking_write("data", 4)) < 0; });
            EXPECT_EQ(n, -1);
            EXPECT_TRUE(client.write_error() == XIRR_NET_RESET || client.write_error() == XIRR_NET_BROKEN_PIPE)
                << client.write_error();
        }
        EXPECT_EQ(client.get_state(), xirr_tcp_socket::unconnected);
    }
}

// Writes take what the kernel buffers accept, then nothing until the peer
// reads; going on from the first unaccepted byte delivers the stream whole.
TEST_P(tcp_socket_over, partial_writes_resume_where_they_stopped)
{
    const size_t total = 8u << 20;
    const std::string data = pattern(total);
    std::string received;
    std::promise<void> go;
    std::future<void> started = go.get_future();
    peer_thread peer([&] {
        peer_connection p(server.accept_within(), peer_identity());
        if (!p.ok())
            return;
        started.wait_for(std::chrono::milliseconds(peer_timeout_ms));
        received = p.read_exactly(total);
    });
    ASSERT_EQ(connect(), 1);

    size_t sent = 0;
    int n = 1;
    for (int calls = 0; calls < 100000 && n > 0 && sent < total; calls++) {
        n = client.nonblocking_write(data.data() + sent, (int)(total - sent));
        if (n > 0)
            sent += (size_t)n;
    }
    go.set_value();
    EXPECT_EQ(n, 0) << "the peer's buffers never filled";
    EXPECT_GT(sent, 0u);
    EXPECT_LT(sent, total);

    for (int calls = 0; calls < 100000 && sent < total; calls++) {
        n = client.timed_write(data.data() + sent, (int)(total - sent), peer_timeout_ms);
        ASSERT_GT(n, 0) << "write error " << client.write_error();
        sent += (size_t)n;
    }
    peer.join();
    EXPECT_EQ(received.size(), total);
    EXPECT_TRUE(received == data) << "the stream arrived changed";
}

TEST(tcp_socket, unconnected_socket_fails_every_transfer_and_changes_nothing)
{
    xirr_tcp_socket socket;
    char buffer[16] = "data";
    struct {
        const char *name;
        int (*call)(xirr_tcp_socket &, char *);
        bool is_read;
    } calls[] = {
        {"nonblocking_read", [](xirr_tcp_socket &s, char *b) { return s.nonblocking_read(b, 16); }, true},
        {"timed_read", [](xirr_tcp_socket &s, char *b) { return s.timed_read(b, 16, 50); }, true},
        {"nonblocking_write", [](xirr_tcp_socket &s, char *b) { return s.nonblocking_write(b, 4); }, false},
        {"timed_write", [](xirr_tcp_socket &s, char *b) { return s.timed_write(b, 4, 50); }, false},
        {"check_connect", [](xirr_tcp_socket &s, char *) { return s.check_connect(); }, false},
    };
    for (const auto &c : calls) {
        xirr_tcp_socket fresh;
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.call(fresh, buffer), -1);
        EXPECT_EQ(c.is_read ? fresh.read_error() : fresh.write_error(), XIRR_NET_NOT_CONNECTED);
        EXPECT_EQ(c.is_read ? fresh.write_error() : fresh.read_error(), 0);
        EXPECT_EQ(fresh.get_state(), xirr_tcp_socket::unconnected);
    }
    EXPECT_STREQ(buffer, "data");
}

// A refused connect is a failure with its reason, whether the refusal comes
// at once or while the connect is in progress.
TEST(tcp_socket, refused_connect_fails_with_connection_refused)
{
    refusing_port refusing;
    ASSERT_NE(refusing.port(), 0);

    xirr_tcp_socket timed;
    EXPECT_EQ(timed.timed_connect(loopback(), refusing.port(), peer_timeout_ms), -1);
    EXPECT_EQ(timed.write_error(), XIRR_NET_REFUSED);
    EXPECT_EQ(timed.get_state(), xirr_tcp_socket::unconnected);

    xirr_tcp_socket polled;
    int started = polled.start_nonblocking_connect(loopback(), refusing.port());
    EXPECT_TRUE(started == 0 || started == XIRR_NET_REFUSED) << started;
    EXPECT_TRUE(within_ms(peer_timeout_ms, [&] { return polled.get_state() != xirr_tcp_socket::connecting; }));
    EXPECT_EQ(polled.get_state(), xirr_tcp_socket::unconnected);
    EXPECT_EQ(polled.write_error(), XIRR_NET_REFUSED);
    char byte;
    EXPECT_EQ(polled.nonblocking_read(&byte, 1), -1);
    EXPECT_EQ(polled.read_error(), XIRR_NET_NOT_CONNECTED);
}

// A listener whose accept queue is full drops further connection requests,
// so those connects stay in progress until their time-out.
class unanswered_connect : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(server.port(), 0);
        // The connect that fails has found the queue full.
        for (int i = 0; i < 16; i++)
            if (fillers[i].timed_connect(loopback(), server.port(), 200) != 1)
                return;
        FAIL() << "the accept queue never filled";
    }
    void TearDown() override
    {
        for (xirr_tcp_socket &f : fillers)
            f.close();
    }

    listener server;
    xirr_tcp_socket fillers[16];
};

TEST_F(unanswered_connect, timed_connect_gives_up_with_timeout)
{
    xirr_tcp_socket socket;
    auto begun = std::chrono::steady_clock::now();
    EXPECT_EQ(socket.timed_connect(loopback(), server.port(), 200), -1);
    auto waited = std::chrono::steady_clock::now() - begun;
    EXPECT_EQ(socket.write_error(), XIRR_NET_TIMEOUT);
    EXPECT_STREQ(xirr_network_error_text(socket.write_error()), "timeout");
    EXPECT_EQ(socket.get_state(), xirr_tcp_socket::unconnected);
    EXPECT_LT(waited, std::chrono::milliseconds(peer_timeout_ms));
}

TEST_F(unanswered_connect, calls_that_need_another_state_are_refused)
{
    xirr_tcp_socket socket;
    ASSERT_EQ(socket.start_nonblocking_connect(loopback(), server.port()), 0);
    EXPECT_EQ(socket.get_state(), xirr_tcp_socket::connecting);
    EXPECT_EQ(socket.check_connect(), 0);
    EXPECT_EQ(socket.start_nonblocking_connect(loopback(), server.port()), -1);
    EXPECT_EQ(socket.write_error(), XIRR_NET_IN_PROGRESS);
    EXPECT_EQ(socket.enable_ssl(), 0);
    EXPECT_EQ(socket.disable_ssl(), 0);
    char byte;
    EXPECT_EQ(socket.nonblocking_read(&byte, 1), -1);
    EXPECT_EQ(socket.read_error(), XIRR_NET_NOT_CONNECTED);
    EXPECT_EQ(socket.get_state(), xirr_tcp_socket::connecting);
    socket.close();
    EXPECT_EQ(socket.get_state(), xirr_tcp_socket::unconnected);
}

TEST(tcp_socket, connected_socket_refuses_a_second_connect_and_tls_changes)
{
    listener server;
    xirr_tcp_socket socket;
    ASSERT_EQ(socket.timed_connect(loopback(), server.port(), peer_timeout_ms), 1);
    EXPECT_EQ(socket.start_nonblocking_connect(loopback(), server.port()), -1);
    EXPECT_EQ(socket.write_error(), XIRR_NET_IS_CONNECTED);
    EXPECT_EQ(socket.check_connect(), -1);
    EXPECT_EQ(socket.enable_ssl(), 0);
    EXPECT_EQ(socket.disable_ssl(), 0);
    EXPECT_EQ(socket.get_state(), xirr_tcp_socket::connected);
    socket.close();
    EXPECT_EQ(socket.enable_ssl(), 1);
}

TEST(tcp_socket, misuse_is_logged)
{
    captured_log log(1);
    listener server;
    {
        xirr_tcp_socket socket;
        EXPECT_EQ(socket.enable_ssl(), 1);
        EXPECT_EQ(socket.enable_ssl(), 1);
        EXPECT_EQ(socket.disable_ssl(), 1);
        ASSERT_EQ(socket.timed_connect(loopback(), server.port(), peer_timeout_ms), 1);
    }   // destroyed while connected
    EXPECT_EQ(log.text(),
              "Error in xirr_server_socket_writeable::make_ssl_capable(), socket already SSL enabled.\n"
              "Error in ~xirr_tcp_socket(), socket not closed.\n");
}

}  // namespace
