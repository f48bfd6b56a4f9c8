#include "game/stream_decoder.h"

#include "foundation/debug_log.h"

#include <cstring>

// The warnings about the server's data name xirr_mw::process_socket_data, the
// entry point that feeds the decoder, so the log reads the same whichever
// object does the work.
#define XIRR_DECODER_WHERE "xirr_mw::process_socket_data()"

namespace {

constexpr unsigned char BEL = 7;
constexpr unsigned char CR = 13;
constexpr unsigned char ESCAPE = ';';
constexpr unsigned char IAC = 255;
constexpr unsigned char WILL = 251;
constexpr unsigned char DO = 253;
constexpr unsigned char DONT = 254;
constexpr unsigned char TELOPT_ECHO = 1;

// Longest part of a block the stray-semicolon warning shows.
constexpr size_t STRAY_CONTEXT_MAX = 5999;

// Bytes that end a run of plain text: everything else in text state is
// copied as it stands, which lets feed() move whole runs at once.
struct text_stoppers {
    bool stops[256] = {};
    constexpr text_stoppers() { stops[BEL] = stops[ESCAPE] = stops[IAC] = true; }
};
constexpr text_stoppers text_stop;

const xirr_stream_callbacks no_callbacks = {};

int warnings_enabled() { return xirr_debug_level > 1; }
int traces_enabled() { return xirr_debug_level > 2; }

}  // namespace

xirr_stream_decoder::xirr_stream_decoder(const xirr_stream_callbacks *callbacks, void *user)
    : callbacks_(callbacks ? callbacks : &no_callbacks), user_(user) {}

int xirr_stream_decoder::feed(const unsigned char *bytes, size_t length) {
    if (in_callback_) {
        xirr_debug_log("Error in xirr_stream_decoder::feed(), called from one of its own callbacks.",
                       XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    if (length == 0)
        return 1;
    if (!bytes) {
        xirr_debug_log("Error in xirr_stream_decoder::feed(), null block.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    next_ = bytes;
    end_ = bytes + length;
    while (next_ != end_) {
        // Fast path: a run of plain text goes to the text buffer in one copy.
        if (state_ == STATE_TEXT) {
            const unsigned char *run = next_;
            while (next_ != end_ && !text_stop.stops[*next_])
                ++next_;
            action_append_text(run, static_cast<size_t>(next_ - run));
            if (next_ == end_)
                break;
        }
        const unsigned char c = *next_++;
        state_ = step(c);
    }
    action_flush_text();
    next_ = end_ = nullptr;
    return 1;
}

void xirr_stream_decoder::reset() {
    if (in_callback_)
        return;
    state_ = STATE_TEXT;
    start_name_length_ = end_name_length_ = payload_length_ = 0;
}

xirr_stream_decoder::state xirr_stream_decoder::step(unsigned char c) {
    switch (state_) {
    case STATE_TEXT:            return state_text(c);
    case STATE_TELNET_COMMAND:  return state_telnet_command(c);
    case STATE_TELNET_OPTION:   return state_telnet_option(c);
    case STATE_ESCAPE:          return state_escape(c);
    case STATE_START_TAG_NAME:  return state_start_tag_name(c);
    case STATE_END_TAG_NAME:    return state_end_tag_name(c);
    case STATE_PAYLOAD:         return state_payload(c);
    case STATE_FLAG_TAG_NAME:   return state_flag_tag_name(c);
    }
    return state_;
}

xirr_stream_decoder::state xirr_stream_decoder::state_text(unsigned char c) {
    switch (c) {
    case IAC:
        action_flush_text();
        return STATE_TELNET_COMMAND;
    case BEL:
        // The text before the bell goes first, so consumers see the order
        // of the stream.
        action_flush_text();
        action_bell();
        return STATE_TEXT;
    case ESCAPE:
        // The escape state always starts with an empty text buffer.
        action_flush_text();
        return STATE_ESCAPE;
    }
    action_append_text(&c, 1);
    return STATE_TEXT;
}

xirr_stream_decoder::state xirr_stream_decoder::state_telnet_command(unsigned char c) {
    telnet_command_ = c;
    // WILL, WONT, DO and DONT take an option byte; any other command
    // (IAC IAC included) is dropped.
    if (c >= WILL && c <= DONT)
        return STATE_TELNET_OPTION;
    return STATE_TEXT;
}

xirr_stream_decoder::state xirr_stream_decoder::state_telnet_option(unsigned char c) {
    // Only the ECHO option matters, and the client never answers. The server
    // asks for hidden input with DONT ECHO and ends it with DO ECHO.
    if (c == TELOPT_ECHO) {
        if (telnet_command_ == DONT) {
            const unsigned char line_break = '\n';
            action_append_text(&line_break, 1);
            action_flush_text();
            action_echo(1);
        } else if (telnet_command_ == DO) {
            action_echo(0);
        }
    }
    return STATE_TEXT;
}

xirr_stream_decoder::state xirr_stream_decoder::state_escape(unsigned char c) {
    switch (c) {
    case ESCAPE: {
        const unsigned char semicolon = ESCAPE;
        action_append_text(&semicolon, 1);
        return STATE_TEXT;
    }
    case 't':
    case 's':
        if (start_name_length_ && warnings_enabled())
            xirr_debug_printf("Warning in " XIRR_DECODER_WHERE ", double start tags?  Previous was '%.*s'.\n",
                              static_cast<int>(start_name_length_), start_name_);
        start_name_length_ = end_name_length_ = 0;
        return c == 't' ? STATE_FLAG_TAG_NAME : STATE_START_TAG_NAME;
    case 'e':
        // A missing start tag is reported once the end tag's name is known.
        end_name_length_ = 0;
        return STATE_END_TAG_NAME;
    }
    if (warnings_enabled()) {
        const unsigned char *from = next_ - 1;
        size_t rest = static_cast<size_t>(end_ - from);
        if (rest > STRAY_CONTEXT_MAX)
            rest = STRAY_CONTEXT_MAX;
        xirr_debug_printf("Warning in " XIRR_DECODER_WHERE ", semicolon found?\nCurrent string data ->%.*s<-\n",
                          static_cast<int>(rest), reinterpret_cast<const char *>(from));
    }
    // The ";" is text, and the byte after it is read as text would read it,
    // so a bell or a telnet command right after a stray ";" still acts.
    const unsigned char semicolon = ESCAPE;
    action_append_text(&semicolon, 1);
    return state_text(c);
}

xirr_stream_decoder::state xirr_stream_decoder::state_start_tag_name(unsigned char c) {
    if (c == ESCAPE) {
        start_name_[start_name_length_] = '\0';
        payload_length_ = 0;
        return STATE_PAYLOAD;
    }
    start_name_[start_name_length_++] = static_cast<char>(c);
    if (start_name_length_ == name_size) {
        if (warnings_enabled())
            xirr_debug_printf("Warning in " XIRR_DECODER_WHERE ", zvs tag '%.*s' too long?\n",
                              static_cast<int>(name_size), start_name_);
        // The rest of the message arrives as text.
        start_name_length_ = 0;
        return STATE_TEXT;
    }
    return STATE_START_TAG_NAME;
}

xirr_stream_decoder::state xirr_stream_decoder::state_payload(unsigned char c) {
    if (c == ESCAPE) {
        payload_[payload_length_] = '\0';
        action_dispatch(payload_, payload_length_);
        payload_length_ = 0;
        // This ";" introduces the "e" of the end tag.
        return STATE_ESCAPE;
    }
    if (c == CR)
        return STATE_PAYLOAD;
    if (payload_length_ == XIRR_STREAM_PAYLOAD_MAX) {
        if (warnings_enabled())
            xirr_debug_printf("Warning in " XIRR_DECODER_WHERE ", tagged data was too long, discarding.\n");
        // The start-tag name stays, so the end tag that follows still closes
        // the message quietly.
        payload_length_ = end_name_length_ = 0;
        return STATE_TEXT;
    }
    payload_[payload_length_++] = static_cast<char>(c);
    return STATE_PAYLOAD;
}

xirr_stream_decoder::state xirr_stream_decoder::state_end_tag_name(unsigned char c) {
    if (c == ESCAPE) {
        if (warnings_enabled()) {
            if (!start_name_length_)
                xirr_debug_printf("Warning in " XIRR_DECODER_WHERE ", end tag '%.*s' without start tag.\n",
                                  static_cast<int>(end_name_length_), end_name_);
            else if (end_name_length_ != start_name_length_ ||
                     memcmp(end_name_, start_name_, end_name_length_) != 0)
                xirr_debug_printf("Warning " XIRR_DECODER_WHERE ", zve tag '%.*s' does not match zvs tag '%.*s'.\n",
                                  static_cast<int>(end_name_length_), end_name_,
                                  static_cast<int>(start_name_length_), start_name_);
        }
        start_name_length_ = end_name_length_ = 0;
        return STATE_TEXT;
    }
    end_name_[end_name_length_++] = static_cast<char>(c);
    if (end_name_length_ == name_size) {
        if (warnings_enabled())
            xirr_debug_printf("Warning in " XIRR_DECODER_WHERE ", zve tag '%.*s' too long?\n",
                              static_cast<int>(name_size), end_name_);
        end_name_length_ = 0;
        return STATE_TEXT;
    }
    return STATE_END_TAG_NAME;
}

xirr_stream_decoder::state xirr_stream_decoder::state_flag_tag_name(unsigned char c) {
    if (c == ESCAPE) {
        start_name_[start_name_length_] = '\0';
        action_dispatch("", 0);
        start_name_length_ = 0;
        return STATE_TEXT;
    }
    start_name_[start_name_length_++] = static_cast<char>(c);
    if (start_name_length_ == name_size) {
        if (warnings_enabled())
            xirr_debug_printf("Warning in " XIRR_DECODER_WHERE ", zvt tag '%.*s' too long?\n",
                              static_cast<int>(name_size), start_name_);
        start_name_length_ = 0;
        return STATE_TEXT;
    }
    return STATE_FLAG_TAG_NAME;
}

void xirr_stream_decoder::action_append_text(const unsigned char *bytes, size_t length) {
    while (length) {
        size_t take = XIRR_STREAM_TEXT_CHUNK - text_length_;
        if (take > length)
            take = length;
        memcpy(text_ + text_length_, bytes, take);
        text_length_ += take;
        bytes += take;
        length -= take;
        if (text_length_ == XIRR_STREAM_TEXT_CHUNK)
            action_flush_text();
    }
}

void xirr_stream_decoder::action_flush_text() {
    if (!text_length_)
        return;
    const size_t length = text_length_;
    text_[length] = '\0';
    text_length_ = 0;
    if (callbacks_->text && !call(callbacks_->text, static_cast<const char *>(text_), length) &&
        traces_enabled())
        xirr_debug_printf("Warning in xirr_stream_decoder::feed(), text of %zu bytes not handled.\n", length);
}

void xirr_stream_decoder::action_dispatch(const char *payload, size_t length) {
    if (callbacks_->tag && !call(callbacks_->tag, static_cast<const char *>(start_name_), payload, length) &&
        traces_enabled())
        xirr_debug_printf("Warning in xirr_stream_decoder::feed(), tag '%s' not handled.\n", start_name_);
}

void xirr_stream_decoder::action_echo(int hidden) {
    if (callbacks_->echo && !call(callbacks_->echo, hidden) && traces_enabled())
        xirr_debug_printf("Warning in xirr_stream_decoder::feed(), echo change not handled.\n");
}

void xirr_stream_decoder::action_bell() {
    if (callbacks_->bell && !call(callbacks_->bell) && traces_enabled())
        xirr_debug_printf("Warning in xirr_stream_decoder::feed(), bell not handled.\n");
}
