#include "game/game_connection.h"

#include "../net/net_test_peers.h"
#include "net/ssl_context.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace {

using namespace net_test;

// Records what the connection tells the window.
struct recorder {
    std::vector<std::string> messages;
    std::vector<std::string> disconnects;
    std::string received;
    int connects = 0;

    static void on_message(void *user, const char *text)
    {
        static_cast<recorder *>(user)->messages.push_back(text);
    }
    static void on_connected(void *user) { ++static_cast<recorder *>(user)->connects; }
    static void on_received(void *user, const unsigned char *bytes, size_t length)
    {
        static_cast<recorder *>(user)->received.append((const char *)bytes, length);
    }
    static void on_disconnected(void *user, const char *message)
    {
        static_cast<recorder *>(user)->disconnects.push_back(message);
    }
};

const xirr_connection_callbacks callbacks = {
    &recorder::on_message, &recorder::on_connected, &recorder::on_received,
    &recorder::on_disconnected,
};

class GameConnection : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(xirr_init_ssl(), 1); }

    // Polls every few milliseconds until done() holds, at most 5 s.
    bool poll_until(xirr_game_connection &connection, const std::function<bool()> &done)
    {
        return within_ms(5000, [&] {
            connection.poll();
            return done();
        });
    }

    recorder events;
    tls_server_identity identity;
};

TEST_F(GameConnection, FirstPollConnectsToTheDefaultPortAndGreets)
{
    listener server;
    std::string first_line;
    std::atomic<bool> read{false}, checked{false};
    peer_thread peer([&] {
        peer_connection client(server.accept_within(), &identity);
        if (client.ok())
            first_line = client.read_exactly(strlen("_zorvik ABC123 1.096-gtk-rc5\n"));
        read = true;
        within_ms(5000, [&] { return checked.load(); });   // stay connected until checked
    });
    xirr_game_connection connection("127.0.0.1", server.port(), "1.096-gtk-rc5", &callbacks,
                                    &events);
    connection.set_identifier("ABC123");
    EXPECT_TRUE(poll_until(connection, [&] { return read.load(); }));

    EXPECT_EQ(first_line, "_zorvik ABC123 1.096-gtk-rc5\n");
    EXPECT_EQ(events.connects, 1);
    ASSERT_FALSE(events.messages.empty());
    EXPECT_EQ(events.messages.front(), "\nConnecting to server...\n");
    EXPECT_TRUE(events.disconnects.empty());
    checked = true;
    peer.join();
    connection.disconnect("done");
}

TEST_F(GameConnection, BlocksArriveInOrderAndLinesGoOutAfterTheGreeting)
{
    listener server;
    const std::string stream = pattern(3 * xirr_game_connection::read_block + 123);
    std::string lines;
    std::atomic<bool> done{false};
    peer_thread peer([&] {
        peer_connection client(server.accept_within(), &identity);
        if (!client.ok())
            return;
        client.write(stream);
        lines = client.read_exactly(strlen("_zorvik  v\nlook\n"));
        while (!done)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    xirr_game_connection connection("127.0.0.1", server.port(), "v", &callbacks, &events);
    connection.poll();
    connection.send_line("look");
    EXPECT_TRUE(poll_until(connection, [&] { return events.received.size() >= stream.size(); }));
    done = true;
    peer.join();

    EXPECT_EQ(events.received, stream);
    EXPECT_EQ(lines, "_zorvik  v\nlook\n");
}

TEST_F(GameConnection, FailuresLeaveItDisconnectedWithTheirMessage)
{
    struct failure_case {
        const char *name;
        void (*end)(peer_connection &);
        const char *message;
        const char *received;   // what arrived before the end
    };
    const failure_case cases[] = {
        {"clean close", [](peer_connection &c) { c.close(true); }, "Connection closed by server.",
         "bye"},
        {"reset", [](peer_connection &c) { c.reset(); }, "Connection to server lost.", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        recorder seen;
        listener server;
        peer_thread peer([&] {
            peer_connection client(server.accept_within(), &identity);
            if (!client.ok())
                return;
            client.write("bye");
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            c.end(client);
        });
        xirr_game_connection connection("127.0.0.1", server.port(), "v", &callbacks, &seen);
        EXPECT_TRUE(poll_until(connection, [&] { return !seen.disconnects.empty(); }));
        peer.join();
        ASSERT_EQ(seen.disconnects.size(), 1u);
        EXPECT_EQ(seen.disconnects[0], c.message);
        EXPECT_FALSE(connection.is_connected());
        EXPECT_TRUE(connection.outgoing().empty());
        if (c.received) {
            EXPECT_EQ(seen.received, c.received);
        }
    }
}

TEST_F(GameConnection, ConnectFailuresAreReported)
{
    refusing_port refused;
    xirr_game_connection to_refused("127.0.0.1", refused.port(), "v", &callbacks, &events);
    to_refused.poll();
    ASSERT_EQ(events.disconnects.size(), 1u);
    EXPECT_EQ(events.disconnects[0], "Unable to connect to server.");
    EXPECT_EQ(events.connects, 0);

    // Later polls do not reconnect by themselves.
    to_refused.poll();
    EXPECT_EQ(events.disconnects.size(), 1u);

    xirr_game_connection to_nowhere("", 3102, "v", &callbacks, &events);
    to_nowhere.poll();
    ASSERT_EQ(events.disconnects.size(), 2u);
    EXPECT_EQ(events.disconnects[1], "Unable to look up address for game server.");
}

TEST_F(GameConnection, ExplicitPortOverridesTheDefault)
{
    listener server;
    refusing_port refused;
    peer_thread peer([&] { peer_connection client(server.accept_within(), &identity); });
    xirr_game_connection connection("127.0.0.1", refused.port(), "v", &callbacks, &events);
    connection.connect(server.port());
    peer.join();
    EXPECT_EQ(connection.port(), server.port());
    EXPECT_EQ(events.connects, 1);

    connection.disconnect("Disconnecting.");
    connection.connect(-1);
    EXPECT_EQ(connection.port(), refused.port());
    EXPECT_EQ(events.disconnects.back(), "Unable to connect to server.");
}

}  // namespace
