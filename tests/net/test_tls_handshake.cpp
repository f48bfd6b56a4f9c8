// The TLS handshake of the socket: driven by the state query, bounded by the
// connect time-out, failing cleanly against peers that do not speak TLS.

#include "net/network_error.h"
#include "net/ssl_context.h"
#include "net/tcp_socket.h"

#include "../foundation/captured_log.h"
#include "net_test_peers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <string>
#include <unistd.h>

namespace {

using namespace net_test;

class tls_handshake : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(server.port(), 0);
        ASSERT_NE(identity.context(), nullptr);
        ASSERT_EQ(xirr_init_ssl(), 1);
        ASSERT_EQ(client.enable_ssl(), 1);
    }
    void TearDown() override { client.close(); }

    tls_server_identity identity;
    listener server;
    xirr_tcp_socket client;
};

TEST_F(tls_handshake, completes_through_the_state_query)
{
    std::string received;
    peer_thread peer([&] {
        peer_connection p(server.accept_within(), &identity);
        received = p.read_exactly(4);
        p.write("pong");
    });
    int started = client.start_nonblocking_connect(loopback(), server.port());
    ASSERT_GE(started, 0);
    EXPECT_TRUE(within_ms(peer_timeout_ms, [&] { return client.get_state() != xirr_tcp_socket::connecting &&
                                                         client.get_state() != xirr_tcp_socket::tls_connecting; }));
    ASSERT_EQ(client.get_state(), xirr_tcp_socket::connected) << "write error " << client.write_error();

    char buffer[16] = {0};
    EXPECT_EQ(client.timed_write("ping", 4, peer_timeout_ms), 4);
    EXPECT_EQ(client.timed_read(buffer, sizeof buffer - 1, peer_timeout_ms), 4);
    EXPECT_STREQ(buffer, "pong");
    peer.join();
    EXPECT_EQ(received, "ping");
}

// A peer that accepts and never answers costs the time-out, not more.
TEST_F(tls_handshake, unanswered_handshake_times_out)
{
    std::promise<void> finished;
    std::future<void> done = finished.get_future();
    peer_thread peer([&] {
        int fd = server.accept_within();
        done.wait_for(std::chrono::milliseconds(peer_timeout_ms));
        if (fd >= 0)
            close(fd);
    });
    auto begun = std::chrono::steady_clock::now();
    EXPECT_EQ(client.timed_connect(loopback(), server.port(), 300), -1);
    auto waited = std::chrono::steady_clock::now() - begun;
    finished.set_value();
    EXPECT_EQ(client.write_error(), XIRR_NET_TIMEOUT);
    EXPECT_EQ(client.get_state(), xirr_tcp_socket::unconnected);
    EXPECT_LT(waited, std::chrono::milliseconds(peer_timeout_ms));
}

// A failed handshake ends the connection, so a socket polled through
// get_state reports it instead of retrying for ever.
TEST_F(tls_handshake, peer_that_does_not_speak_tls_fails_the_handshake)
{
    struct {
        const char *name;
        const char *answer;
    } peers[] = {
        {"answers in plain text", "HTTP/1.0 400 Bad Request\r\n\r\n"},
        {"closes at once", nullptr},
    };
    for (const auto &c : peers) {
        SCOPED_TRACE(c.name);
        captured_log log(1);
        peer_thread peer([&] {
            peer_connection p(server.accept_within(), nullptr);
            if (c.answer)
                p.write(c.answer);
        });
        EXPECT_EQ(client.timed_connect(loopback(), server.port(), peer_timeout_ms), -1);
        EXPECT_EQ(client.write_error(), XIRR_NET_RESET);
        EXPECT_EQ(client.get_state(), xirr_tcp_socket::unconnected);
        EXPECT_NE(log.text().find("SSL connect failed in xirr_tcp_socket::ssl_retry_connect().\n"), std::string::npos)
            << log.text();
    }
}

// Without TLS the next connection is plain: the peer reads the raw bytes.
TEST_F(tls_handshake, disable_ssl_makes_the_next_connection_plain)
{
    {
        peer_thread peer([&] { peer_connection p(server.accept_within(), &identity); });
        ASSERT_EQ(client.timed_connect(loopback(), server.port(), peer_timeout_ms), 1);
    }
    client.close();
    ASSERT_EQ(client.disable_ssl(), 1);

    std::string received;
    peer_thread peer([&] {
        peer_connection p(server.accept_within(), nullptr);
        received = p.read_exactly(6);
    });
    ASSERT_EQ(client.timed_connect(loopback(), server.port(), peer_timeout_ms), 1);
    EXPECT_EQ(client.timed_write("plain\n", 6, peer_timeout_ms), 6);
    peer.join();
    EXPECT_EQ(received, "plain\n");
}

// Runs in a process of its own, where the TLS context was never made: the
// connect stays in progress, and every state query retries the set-up.
TEST(tls_without_context, connect_stays_in_progress)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool ok = xirr_ssl_context() == nullptr;
            {
                captured_log log(1);
                listener server;
                xirr_tcp_socket socket;
                ok = ok && server.port() != 0 && socket.enable_ssl() == 1 &&
                     socket.timed_connect(loopback(), server.port(), peer_timeout_ms) == 0 &&
                     socket.get_state() == xirr_tcp_socket::connecting &&
                     socket.get_state() == xirr_tcp_socket::connecting;
                socket.close();
                const std::string line = "Unable to allocate SSL struct in xirr_tcp_socket::ssl_try_connect(), "
                                         "did you run xirr_ssl_startup()?\n";
                std::string text = log.text();
                size_t first = text.find(line);
                ok = ok && first != std::string::npos && text.find(line, first + 1) != std::string::npos;
            }
            std::exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
