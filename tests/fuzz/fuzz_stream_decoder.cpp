// Fuzzes the stream decoder with arbitrary server bytes cut into arbitrary
// blocks, with resets between some of them, and checks its limits: names of
// at most 63 bytes, payloads of at most 14999, text chunks of 1 to 2560
// bytes, every output NUL-terminated. Input without BEL, ";" and IAC is plain
// text and must come out byte for byte, however it is cut.
//
// The first input byte seeds the block sizes; the rest is the stream.

#include "foundation/debug_log.h"
#include "game/stream_decoder.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct collected {
    std::string text;
};

void require(bool condition) {
    if (!condition)
        abort();
}

int on_text(void *user, const char *bytes, size_t length) {
    require(length > 0 && length <= XIRR_STREAM_TEXT_CHUNK && bytes[length] == '\0');
    static_cast<collected *>(user)->text.append(bytes, length);
    return 1;
}

int on_tag(void *, const char *name, const char *payload, size_t length) {
    require(strlen(name) <= XIRR_STREAM_NAME_MAX);
    require(length <= XIRR_STREAM_PAYLOAD_MAX && payload[length] == '\0');
    return 1;
}

int on_echo(void *, int hidden) {
    require(hidden == 0 || hidden == 1);
    return 1;
}

int on_bell(void *) { return 1; }

const xirr_stream_callbacks callbacks = {on_text, on_tag, on_echo, on_bell};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // Warnings are formatted and written (to nowhere), so their bounded
    // reads of names and blocks run under the sanitizers too.
    xirr_client_set_debug_logfile_name("/dev/null");
    xirr_client_try_open_debug_logfile();
    xirr_debug_level = 3;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    uint32_t seed = data[0];
    const unsigned char *stream = data + 1;
    const size_t length = size - 1;

    collected out;
    xirr_stream_decoder decoder(&callbacks, &out);
    size_t at = 0;
    while (at < length) {
        // Block sizes from 1 to 10000 bytes, mostly small.
        seed = seed * 1103515245u + 12345u;
        size_t block = (seed >> 16) % (seed & 0x100 ? 10000 : 16) + 1;
        if (block > length - at)
            block = length - at;
        require(decoder.feed(stream + at, block) == 1);
        at += block;
        if ((seed >> 8 & 0x1f) == 0)
            decoder.reset();
    }

    if (!memchr(stream, 7, length) && !memchr(stream, ';', length) && !memchr(stream, 255, length))
        require(out.text.size() == length && memcmp(out.text.data(), stream, length) == 0);
    return 0;
}
