#include "game/game_connection.h"

#include "foundation/bounded_text.h"
#include "foundation/debug_log.h"
#include "foundation/xirr_time.h"
#include "net/address_lookup.h"

#include <cstring>

xirr_game_connection::xirr_game_connection(const char *host, int default_port,
                                           const char *version,
                                           const xirr_connection_callbacks *callbacks,
                                           void *user)
    : host_(host), default_port_(default_port), version_(version), callbacks_(callbacks),
      user_(user)
{
    // The game connection is always TLS; enabling it once here instead of on
    // every connect keeps reconnects from logging "already enabled" errors.
    socket_.enable_ssl();
}

void xirr_game_connection::set_identifier(const char *identifier)
{
    if (!identifier)
        identifier = "";
    size_t n = strnlen(identifier, sizeof identifier_ - 1);
    memcpy(identifier_, identifier, n);
    identifier_[n] = '\0';
}

void xirr_game_connection::connect(int port)
{
    port_ = port > 0 ? port : default_port_;
    callbacks_->message(user_, "\nConnecting to server...\n");

    sockaddr_in address = {};
    if (!xirr_lookup_address(host_, &address)) {
        disconnect("Unable to look up address for game server.");
        return;
    }
    if (xirr_debug_level > 1)
        xirr_debug_printf("xirr_mw::socket_connect() - dns lookup ok, address '%s', port %d.\n",
                          host_, port_);
    if (socket_.timed_connect(address, port_, connect_timeout_ms) < 0) {
        socket_.close();
        disconnect("Unable to connect to server.");
        return;
    }
    if (xirr_debug_level > 1)
        xirr_debug_printf("xirr_mw::socket_connect() - socket connect ok.\n");
    outgoing_.clear();
    callbacks_->connected(user_);
    xirr_bounded_text greeting;
    greeting.appendf("_zorvik %s %s", identifier_, version_);
    send_line(greeting.c_str());
}

int xirr_game_connection::poll()
{
    if (!auto_connect_done_) {
        auto_connect_done_ = true;
        connect(0);
    }
    int state = socket_.get_state();
    if (!connected_seen_) {
        if (state == xirr_tcp_socket::connected)
            connected_seen_ = true;
        return 0;
    }
    if (state != xirr_tcp_socket::connected) {
        if (xirr_debug_level > 0)
            xirr_debug_printf("xirr_mw::socket_handler() - abnormal connection failure?\n");
        disconnect("Connection to server lost.");
        return 0;
    }
    int more = read_available();
    if (connected_seen_)
        write_outgoing();
    return more;
}

// Hands every readable block to the window until nothing is left, the
// connection ends or the time budget is spent.
int xirr_game_connection::read_available()
{
    unsigned char block[read_block];
    int64_t deadline = xirr_gettimeofday_useconds() + read_budget_us;
    for (;;) {
        int n = socket_.nonblocking_read(block, sizeof block);
        if (n == 0)
            return 0;
        if (n < 0) {
            disconnect(socket_.read_error() == 0 ? "Connection closed by server."
                                                 : "Connection to server lost.");
            return 0;
        }
        callbacks_->received(user_, block, (size_t)n);
        if (!connected_seen_)
            return 0;   // the window disconnected while handling the block
        if (xirr_gettimeofday_useconds() >= deadline)
            return 1;
    }
}

void xirr_game_connection::write_outgoing()
{
    if (outgoing_.empty())
        return;
    int n = socket_.nonblocking_write(outgoing_.data(), (int)outgoing_.size());
    if (n < 0) {
        disconnect("Connection to server lost.");
        return;
    }
    outgoing_.consume((size_t)n);
}

void xirr_game_connection::disconnect(const char *message)
{
    socket_.close();
    outgoing_.clear();
    connected_seen_ = false;
    callbacks_->disconnected(user_, message);
}

void xirr_game_connection::send_line(const char *text)
{
    append_outgoing_string(text);
    append_outgoing_string("\n");
}
