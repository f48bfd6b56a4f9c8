#pragma once
// The single connection to the game server: always TLS, connected once by
// itself on the first poll and again on request, polled every main tick.
// The poll drains what is readable (bounded per call, see poll()) and then
// writes the outgoing buffer once. The window is told about text to show,
// received blocks and disconnects through a callback table, so the
// connection runs without a display in tests.

#include "game/outgoing_buffer.h"
#include "net/tcp_socket.h"

#include <cstddef>
#include <cstdint>

struct xirr_connection_callbacks {
    // A client message: start it on the main display and show text.
    void (*message)(void *user, const char *text);
    // A connect succeeded: the window resets its decoder and input history.
    void (*connected)(void *user);
    // One block read from the server, in order.
    void (*received)(void *user, const unsigned char *bytes, size_t length);
    // The connection is gone; the window shows message with the reconnect
    // hint and returns to its disconnected state.
    void (*disconnected)(void *user, const char *message);
};

class xirr_game_connection {
public:
    static constexpr size_t read_block = 10000;
    static constexpr int connect_timeout_ms = 5000;
    // Bound of one poll's reading, so a flood of server text leaves the
    // toolkit time to repaint and take input between polls.
    static constexpr int64_t read_budget_us = 16000;

    xirr_game_connection(const char *host, int default_port, const char *version,
                         const xirr_connection_callbacks *callbacks, void *user);

    // The installation identifier sent in the greeting (cut at 32 characters).
    void set_identifier(const char *identifier);

    // Opens a new connection; a port of 0 or less means the default port.
    void connect(int port);
    // One poll. Returns 1 when reading stopped at its time budget with data
    // possibly still waiting (the caller may poll again soon), else 0.
    int poll();
    // Closes the connection and tells the window, which shows message.
    void disconnect(const char *message);

    void append_outgoing_string(const char *text) { outgoing_.append(text); }
    void send_line(const char *text);

    bool is_connected() { return socket_.get_state() == xirr_tcp_socket::connected; }
    const xirr_outgoing_buffer &outgoing() const { return outgoing_; }
    int port() const { return port_; }

private:
    int read_available();
    void write_outgoing();

    const char *host_;
    int default_port_;
    const char *version_;
    const xirr_connection_callbacks *callbacks_;
    void *user_;
    xirr_tcp_socket socket_;
    xirr_outgoing_buffer outgoing_;
    char identifier_[33] = {0};
    int port_ = 0;
    bool auto_connect_done_ = false;
    bool connected_seen_ = false;
};
