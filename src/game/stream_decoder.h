#pragma once
// Decoder of the game server's byte stream: splits it into plain text chunks,
// tagged messages, telnet echo changes and the bell. Wire syntax:
//
//   ";;"                                   one literal ";" of text
//   ";s" name ";" payload ";e" name ";"   tagged message with payload
//   ";t" name ";"                          tagged message without payload
//   ";" other byte                         both bytes are text
//   IAC (255) WILL/WONT/DO/DONT option     telnet negotiation (ECHO only)
//   IAC other                              ignored
//   BEL (7)                                rings the bell
//
// Names are 1..63 bytes, payloads up to 14999 bytes (carriage returns are
// dropped from payloads). Tag names and payloads may be split across any
// number of blocks; text is flushed at the end of every block. The decoder
// never allocates.
//
// Malformed input never stops decoding: an over-long name or payload is
// dropped with a warning and the decoder falls back to text, a stray ";" is
// text, a mismatched end tag only earns a warning. Warnings are written to
// the debug log above level 1; unhandled events are traced above level 2.

#include <cstddef>

// Consumers of the decoder. Each returns 1 when it handled the event, 0 when
// not (which earns a verbose log line and nothing else). Any may be null.
struct xirr_stream_callbacks {
    // Plain text, 1 to XIRR_STREAM_TEXT_CHUNK bytes, NUL-terminated.
    int (*text)(void *user, const char *bytes, size_t length);
    // A complete tagged message; payload is "" with length 0 for ";t" tags.
    // Called as soon as the payload's closing ";" arrives, before the end tag.
    int (*tag)(void *user, const char *name, const char *payload, size_t length);
    // hidden 1: the server stopped echoing (enter password mode); 0: back.
    int (*echo)(void *user, int hidden);
    int (*bell)(void *user);
};

constexpr size_t XIRR_STREAM_TEXT_CHUNK = 2560;
constexpr size_t XIRR_STREAM_NAME_MAX = 63;
constexpr size_t XIRR_STREAM_PAYLOAD_MAX = 14999;

class xirr_stream_decoder {
public:
    // callbacks may be null (every event is then dropped); the table and
    // user must outlive the decoder.
    xirr_stream_decoder(const xirr_stream_callbacks *callbacks, void *user);

    // Decodes one block of the stream and emits the text left at its end.
    // Returns 1, or 0 (with an error in the log, nothing decoded) for a null
    // block of nonzero length or a call from inside one of the callbacks.
    int feed(const unsigned char *bytes, size_t length);

    // Back to text with both tag names empty, abandoning a partly received
    // message: for a new connection or a message of the client's own.
    // Inside a callback of feed() it changes nothing: callbacks run only
    // between messages or once a payload is complete, and the bytes that
    // follow in the block continue the same stream (the end tag after a
    // dispatched payload must still close it).
    void reset();

private:
    // The states of the decoder, one per position in the wire syntax.
    enum state {
        STATE_TEXT = 1,
        STATE_TELNET_COMMAND = 10,   // after IAC
        STATE_TELNET_OPTION = 11,    // after IAC WILL/WONT/DO/DONT
        STATE_ESCAPE = 20,           // after ";" in text, or a payload's ";"
        STATE_START_TAG_NAME = 21,   // after ";s"
        STATE_END_TAG_NAME = 22,     // after ";e"
        STATE_PAYLOAD = 23,          // after ";s" name ";"
        STATE_FLAG_TAG_NAME = 30,    // after ";t"
    };

    // One function per state: consumes byte c and returns the next state.
    state step(unsigned char c);
    state state_text(unsigned char c);
    state state_telnet_command(unsigned char c);
    state state_telnet_option(unsigned char c);
    state state_escape(unsigned char c);
    state state_start_tag_name(unsigned char c);
    state state_end_tag_name(unsigned char c);
    state state_payload(unsigned char c);
    state state_flag_tag_name(unsigned char c);

    void action_append_text(const unsigned char *bytes, size_t length);
    void action_flush_text();
    void action_dispatch(const char *payload, size_t length);
    void action_echo(int hidden);
    void action_bell();

    // Runs a callback with in_callback_ set; returns what it returned.
    template <typename Callback, typename... Args>
    int call(Callback callback, Args... args) {
        in_callback_ = 1;
        const int handled = callback(user_, args...);
        in_callback_ = 0;
        return handled;
    }

    static constexpr size_t name_size = XIRR_STREAM_NAME_MAX + 1;
    static constexpr size_t payload_size = XIRR_STREAM_PAYLOAD_MAX + 1;

    const xirr_stream_callbacks *callbacks_;
    void *user_;
    state state_ = STATE_TEXT;
    int in_callback_ = 0;           // set while a callback runs

    unsigned char telnet_command_ = 0;   // the byte that followed the last IAC

    // Names hold up to name_size bytes: a 64th byte marks the overflow and
    // is logged with the rest before the name is emptied. start_name_ also
    // holds the name of a ";t" message.
    char start_name_[name_size] = {0};
    size_t start_name_length_ = 0;
    char end_name_[name_size] = {0};
    size_t end_name_length_ = 0;
    char payload_[payload_size] = {0};
    size_t payload_length_ = 0;     // at most XIRR_STREAM_PAYLOAD_MAX

    // Text since the last flush, at most XIRR_STREAM_TEXT_CHUNK bytes and a
    // terminator; emptied at the end of every block.
    char text_[XIRR_STREAM_TEXT_CHUNK + 1] = {0};
    size_t text_length_ = 0;

    // The block being fed: the stray-semicolon warning shows its rest.
    const unsigned char *next_ = nullptr;
    const unsigned char *end_ = nullptr;
};
