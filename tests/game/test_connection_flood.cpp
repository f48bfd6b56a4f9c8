// The game connection against the local world's flood mode: 50 MB of server
// text over TLS must arrive whole and in order. The world ends the flood
// with "FLOOD-END <sha256 of every flood byte>\n" and a login tag.

#include "game/game_connection.h"

#include "net/ssl_context.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The local world in a child process, stopped by its pid.
class flood_world {
public:
    explicit flood_world(int megabytes)
    {
        char state[] = "/tmp/th-flood-XXXXXX";
        state_dir_ = mkdtemp(state) ? state : "";
        int out[2];
        if (pipe(out) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], 1);
            close(out[0]);
            std::string mb = std::to_string(megabytes);
            execl("/usr/bin/python3", "python3", TH_DEVSERVER, "--state-dir", state_dir_.c_str(),
                  "--game-port", "0", "--web-port", "0", "--info-port", "0", "--flood-mb",
                  mb.c_str(), "--seed", "11", (char *)nullptr);
            _exit(127);
        }
        close(out[1]);
        FILE *ready = fdopen(out[0], "r");
        char line[256];
        if (ready && fgets(line, sizeof line, ready))
            sscanf(line, "READY game=%d", &port_);
        if (ready)
            fclose(ready);
    }
    ~flood_world()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (!state_dir_.empty())
            system(("rm -rf " + state_dir_).c_str());
    }
    int port() const { return port_; }

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string state_dir_;
};

struct received_stream {
    std::string bytes;
    std::string disconnect;

    static void on_message(void *, const char *) {}
    static void on_connected(void *) {}
    static void on_received(void *user, const unsigned char *data, size_t length)
    {
        static_cast<received_stream *>(user)->bytes.append((const char *)data, length);
    }
    static void on_disconnected(void *user, const char *message)
    {
        static_cast<received_stream *>(user)->disconnect = message;
    }
};

std::string sha256_hex(const std::string &data)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(data.data(), data.size(), digest, &length, EVP_sha256(), nullptr);
    std::string hex;
    char byte[3];
    for (unsigned int i = 0; i < length; ++i) {
        snprintf(byte, sizeof byte, "%02x", digest[i]);
        hex += byte;
    }
    return hex;
}

TEST(ConnectionFlood, FiftyMegabytesArriveWholeAndInOrder)
{
    ASSERT_EQ(xirr_init_ssl(), 1);
    flood_world world(50);
    ASSERT_GT(world.port(), 0) << "the local world did not start";

    const xirr_connection_callbacks callbacks = {
        &received_stream::on_message, &received_stream::on_connected,
        &received_stream::on_received, &received_stream::on_disconnected,
    };
    received_stream stream;
    xirr_game_connection connection("127.0.0.1", world.port(), "1.096-gtk-rc5", &callbacks,
                                    &stream);
    connection.set_identifier("DFLT0000000000000000000000000000");

    const std::string end_tag = ";slogin;Flood;elogin;";
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (stream.disconnect.empty() && std::chrono::steady_clock::now() < deadline) {
        if (stream.bytes.size() >= end_tag.size() &&
            stream.bytes.compare(stream.bytes.size() - end_tag.size(), end_tag.size(), end_tag) == 0)
            break;
        if (!connection.poll())
            usleep(1000);
    }
    ASSERT_EQ(stream.disconnect, "");

    size_t marker = stream.bytes.rfind("FLOOD-END ");
    ASSERT_NE(marker, std::string::npos) << "no end marker in " << stream.bytes.size() << " bytes";
    std::string flood = stream.bytes.substr(0, marker);
    std::string announced = stream.bytes.substr(marker + 10, 64);
    EXPECT_GE(flood.size(), 50u * 1000 * 1000);
    EXPECT_EQ(sha256_hex(flood), announced);
    connection.disconnect("done");
}

}  // namespace
