// The stream decoder driven by tables of bytes in, events out. Every case is
// fed whole, split in two at every offset and one byte per block; the events
// (adjacent text merged) and the warnings must not depend on the split.

#include "game/stream_decoder.h"

#include "foundation/debug_log.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

// What the decoder emitted, one string per event.
struct recorder {
    std::vector<std::string> events;
    std::vector<size_t> chunk_lengths;
    int handled = 1;                        // what every callback returns
    xirr_stream_decoder *reset_from = nullptr;   // reset() in every callback

    void poke() {
        if (reset_from)
            reset_from->reset();
    }

    static recorder &of(void *user) { return *static_cast<recorder *>(user); }

    static int on_text(void *user, const char *bytes, size_t length) {
        recorder &r = of(user);
        EXPECT_GT(length, 0u);
        EXPECT_LE(length, XIRR_STREAM_TEXT_CHUNK);
        EXPECT_EQ(bytes[length], '\0');
        r.chunk_lengths.push_back(length);
        r.events.push_back("text " + std::string(bytes, length));
        r.poke();
        return r.handled;
    }
    static int on_tag(void *user, const char *name, const char *payload, size_t length) {
        recorder &r = of(user);
        EXPECT_EQ(payload[length], '\0');
        r.events.push_back("tag " + std::string(name) + "|" + std::string(payload, length));
        r.poke();
        return r.handled;
    }
    static int on_echo(void *user, int hidden) {
        recorder &r = of(user);
        r.events.push_back(hidden ? "echo hidden" : "echo shown");
        r.poke();
        return r.handled;
    }
    static int on_bell(void *user) {
        recorder &r = of(user);
        r.events.push_back("bell");
        r.poke();
        return r.handled;
    }
};

const xirr_stream_callbacks recording = {recorder::on_text, recorder::on_tag, recorder::on_echo,
                                         recorder::on_bell};

std::string text(const std::string &bytes) { return "text " + bytes; }
std::string tag(const std::string &name, const std::string &payload = "") {
    return "tag " + name + "|" + payload;
}
const std::string bell = "bell";
const std::string echo_hidden = "echo hidden";
const std::string echo_shown = "echo shown";

// Adjacent text events joined: where text is cut depends on the blocks.
std::vector<std::string> merged(const std::vector<std::string> &events) {
    std::vector<std::string> out;
    for (const std::string &e : events) {
        if (!out.empty() && e.rfind("text ", 0) == 0 && out.back().rfind("text ", 0) == 0)
            out.back() += e.substr(5);
        else
            out.push_back(e);
    }
    return out;
}

// The log without the block context of stray-semicolon warnings, which shows
// the rest of whatever block the ";" came in.
std::string without_block_context(std::string log) {
    const std::string head = "Current string data ->";
    for (size_t at; (at = log.find(head)) != std::string::npos;)
        log.erase(at, log.find("<-\n", at) + 3 - at);
    return log;
}

// Every offset inside the input; for large inputs every 97th and those near
// the ends, which keeps the sweep quick.
std::vector<size_t> split_offsets(size_t n) {
    std::vector<size_t> offsets;
    for (size_t at = 1; at < n; ++at)
        if (n <= 4096 || at <= 8 || n - at <= 8 || at % 97 == 0)
            offsets.push_back(at);
    return offsets;
}

void feed(xirr_stream_decoder &decoder, const std::string &bytes) {
    ASSERT_EQ(decoder.feed(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size()), 1);
}

// The debug log sent to a scratch file at the given level for the life of
// the object, read back piece by piece.
class log_reader {
public:
    explicit log_reader(int level = 2) {
        const int fd = mkstemp(path);
        if (fd >= 0)
            close(fd);
        if (xirr_client_debug_logfile_is_open())
            xirr_client_debug_logfile_close();
        xirr_client_set_debug_logfile_name(path);
        xirr_client_try_open_debug_logfile();
        xirr_debug_level = level;
    }
    ~log_reader() {
        xirr_debug_level = 1;
        xirr_client_debug_logfile_close();
        xirr_client_set_debug_logfile_name(nullptr);
        unlink(path);
    }
    log_reader(const log_reader &) = delete;
    log_reader &operator=(const log_reader &) = delete;

    // What was logged since the last call.
    std::string take() {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        std::string fresh = all.str().substr(seen);
        seen += fresh.size();
        return fresh;
    }

private:
    char path[32] = "/tmp/th-decoder-log-XXXXXX";
    size_t seen = 0;
};

const std::string warning = "Warning in xirr_mw::process_socket_data(), ";
const std::string name63(63, 'n');
const std::string name64(64, 'n');
const std::string payload14999(14999, 'p');
const std::string payload15000(15000, 'p');

struct decoder_case {
    const char *title;
    std::string input;
    std::vector<std::string> events;   // adjacent text merged
    std::string log;                   // everything logged at level 2
};

// Test names carry the title; keep gtest from dumping the raw bytes too.
void PrintTo(const decoder_case &c, std::ostream *os)
{
    *os << c.title;
}

const decoder_case cases[] = {
    {"plain_text", "You see a tarn.\r\n\x1b[33mGold\x1b[0m", {text("You see a tarn.\r\n\x1b[33mGold\x1b[0m")}, ""},
    {"escaped_semicolons_of_ansi_sequences", "\x1b[1;;33mGold", {text("\x1b[1;33mGold")}, ""},
    {"text_keeps_nul_and_high_bytes", "a\0b\xe9\x80"s, {text("a\0b\xe9\x80"s)}, ""},
    {"double_semicolon_is_one_semicolon", "a;;b", {text("a;b")}, ""},
    {"stray_semicolon_is_text", "a;xb",
     {text("a;xb")}, warning + "semicolon found?\nCurrent string data ->xb<-\n"},
    {"stray_semicolon_before_bell_still_rings", "a;\ab",
     {text("a;"), bell, text("b")}, warning + "semicolon found?\nCurrent string data ->\ab<-\n"},
    {"stray_semicolon_before_telnet_still_negotiates", ";\xff\xfd\x01",
     {text(";"), echo_shown}, warning + "semicolon found?\nCurrent string data ->\xff\xfd\x01<-\n"},
    {"flag_tag", "a;tlogoff;b", {text("a"), tag("logoff"), text("b")}, ""},
    {"flag_tag_name_takes_spaces_and_line_ends", ";tmy tag\r\n;", {tag("my tag\r\n")}, ""},
    {"tag_with_payload", "hp:;shp;10 20 30 40 50 60;ehp;ok",
     {text("hp:"), tag("hp", "10 20 30 40 50 60"), text("ok")}, ""},
    {"empty_payload", ";sgroup;;egroup;", {tag("group")}, ""},
    {"payload_drops_cr_keeps_lf_and_bell", ";smsg;a\r\nb\a;emsg;", {tag("msg", "a\nb\a")}, ""},
    {"payload_keeps_nul", ";sraw;a\0b;eraw;"s, {tag("raw", "a\0b"s)}, ""},
    {"end_tag_mismatch_warns_after_dispatch", ";sabc;x;eabd;",
     {tag("abc", "x")}, "Warning xirr_mw::process_socket_data(), zve tag 'abd' does not match zvs tag 'abc'.\n"},
    {"end_tag_without_start_tag", ";ehp;x", {text("x")}, warning + "end tag 'hp' without start tag.\n"},
    {"start_tag_before_end_tag", ";sa;1;sb;2;eb;",
     {tag("a", "1"), tag("b", "2")}, warning + "double start tags?  Previous was 'a'.\n"},
    {"payload_not_followed_by_end_tag", ";sa;1;x",
     {tag("a", "1"), text(";x")}, warning + "semicolon found?\nCurrent string data ->x<-\n"},
    {"names_of_63_bytes", ";t" + name63 + ";;s" + name63 + ";p;e" + name63 + ";",
     {tag(name63), tag(name63, "p")}, ""},
    {"start_tag_name_of_64_bytes_is_dropped", ";s" + name64 + "rest;;",
     {text("rest;")}, warning + "zvs tag '" + name64 + "' too long?\n"},
    {"flag_tag_name_of_64_bytes_is_dropped", ";t" + name64 + "rest;;",
     {text("rest;")}, warning + "zvt tag '" + name64 + "' too long?\n"},
    {"end_tag_name_of_64_bytes_keeps_start_name", ";sa;1;e" + name64 + "x;;;sb;;eb;",
     {tag("a", "1"), text("x;"), tag("b")},
     warning + "zve tag '" + name64 + "' too long?\n" + warning + "double start tags?  Previous was 'a'.\n"},
    {"payload_of_14999_bytes", ";sbig;" + payload14999 + ";ebig;", {tag("big", payload14999)}, ""},
    {"payload_of_14999_bytes_and_crs", ";sbig;\r" + payload14999 + "\r;ebig;", {tag("big", payload14999)}, ""},
    {"payload_of_15000_bytes_is_dropped", ";sbig;" + payload15000 + ";ebig;after",
     {text("after")}, warning + "tagged data was too long, discarding.\n"},
    {"payload_tail_after_15000_bytes_is_text", ";sbig;" + payload15000 + "tail;ebig;",
     {text("tail")}, warning + "tagged data was too long, discarding.\n"},
    {"iac_dont_echo_hides_input", "Password:\xff\xfe\x01", {text("Password:\n"), echo_hidden}, ""},
    {"iac_do_echo_shows_input", "\xff\xfd\x01ok", {echo_shown, text("ok")}, ""},
    {"iac_will_and_wont_echo_change_nothing", "a\xff\xfb\x01\xff\xfc\x01" "b", {text("ab")}, ""},
    {"iac_negotiation_of_other_options_ignored", "a\xff\xfe\x03\xff\xfd\x18" "b", {text("ab")}, ""},
    {"iac_iac_yields_nothing", "a\xff\xff" "b", {text("ab")}, ""},
    {"iac_other_command_ignored", "a\xff\xf1\x01" "b", {text("a\x01" "b")}, ""},
    {"bell_in_text", "a\ab\a", {text("a"), bell, text("b"), bell}, ""},
};

class decoder_cases : public testing::TestWithParam<decoder_case> {};

TEST_P(decoder_cases, decode_alike_however_split) {
    const decoder_case &c = GetParam();
    log_reader log;
    {
        recorder r;
        xirr_stream_decoder decoder(&recording, &r);
        feed(decoder, c.input);
        EXPECT_EQ(merged(r.events), c.events);
        EXPECT_EQ(log.take(), c.log);
    }
    const std::string warnings = without_block_context(c.log);
    for (size_t at : split_offsets(c.input.size())) {
        SCOPED_TRACE("split at " + std::to_string(at));
        recorder r;
        xirr_stream_decoder decoder(&recording, &r);
        feed(decoder, c.input.substr(0, at));
        feed(decoder, c.input.substr(at));
        ASSERT_EQ(merged(r.events), c.events);
        ASSERT_EQ(without_block_context(log.take()), warnings);
    }
    {
        SCOPED_TRACE("one byte per block");
        recorder r;
        xirr_stream_decoder decoder(&recording, &r);
        for (char byte : c.input)
            feed(decoder, std::string(1, byte));
        EXPECT_EQ(merged(r.events), c.events);
        EXPECT_EQ(without_block_context(log.take()), warnings);
    }
}

INSTANTIATE_TEST_SUITE_P(stream_decoder, decoder_cases, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<decoder_case> &info) { return info.param.title; });

TEST(stream_decoder, text_reaches_consumer_in_chunks_of_at_most_2560) {
    struct chunking {
        size_t length;
        std::vector<size_t> chunks;
    } table[] = {{2559, {2559}}, {2560, {2560}}, {2561, {2560, 1}}, {5000, {2560, 2440}},
                 {10000, {2560, 2560, 2560, 2320}}};
    for (const chunking &t : table) {
        SCOPED_TRACE(t.length);
        recorder r;
        xirr_stream_decoder decoder(&recording, &r);
        feed(decoder, std::string(t.length, 'x'));
        EXPECT_EQ(r.chunk_lengths, t.chunks);
    }
}

TEST(stream_decoder, payload_is_dispatched_before_its_end_tag_arrives) {
    log_reader log;
    recorder r;
    xirr_stream_decoder decoder(&recording, &r);
    feed(decoder, ";shp;10 20 30 40 50 60;");
    EXPECT_EQ(r.events, std::vector<std::string>{tag("hp", "10 20 30 40 50 60")});
    feed(decoder, "ehp;");
    EXPECT_EQ(r.events.size(), 1u);
    EXPECT_EQ(log.take(), "");
}

TEST(stream_decoder, reset_abandons_partial_message) {
    struct abandoned {
        const char *title;
        std::string before, after;
        std::vector<std::string> events;
    } table[] = {
        {"in start tag name", ";shp", "x", {text("x")}},
        {"in payload", ";shp;10 2", "0", {text("0")}},
        {"in flag tag name", ";tlogo", "ff", {text("ff")}},
        {"after escape", ";", "tx", {text("tx")}},
        {"in telnet option", "\xff\xfe", "\x01", {text("\x01")}},
        {"before end tag", ";shp;1;", "ehp", {tag("hp", "1"), text("ehp")}},
    };
    for (const abandoned &t : table) {
        SCOPED_TRACE(t.title);
        log_reader log;
        recorder r;
        xirr_stream_decoder decoder(&recording, &r);
        feed(decoder, t.before);
        decoder.reset();
        feed(decoder, t.after);
        EXPECT_EQ(merged(r.events), t.events);
        EXPECT_EQ(log.take(), "");
        // A whole message decodes normally afterwards.
        r.events.clear();
        feed(decoder, ";shp;1;ehp;");
        EXPECT_EQ(r.events, std::vector<std::string>{tag("hp", "1")});
        EXPECT_EQ(log.take(), "");
    }
}

// A tag handler that prints a client message resets the decoder from inside
// feed(); the stream after it must decode as if it had not.
TEST(stream_decoder, reset_from_inside_a_callback_does_not_disturb_the_stream) {
    const std::string stream = "a;;b;shp;1 2;ehp;c\a;tquit;d\xff\xfe\x01;smap;x;emap;e";
    log_reader log;
    recorder plain;
    xirr_stream_decoder plain_decoder(&recording, &plain);
    feed(plain_decoder, stream);

    recorder resetting;
    xirr_stream_decoder decoder(&recording, &resetting);
    resetting.reset_from = &decoder;
    feed(decoder, stream);
    EXPECT_EQ(resetting.events, plain.events);
    EXPECT_EQ(log.take(), "");
}

int feed_from_inside(void *user, const char *, const char *, size_t) {
    auto *decoder = static_cast<xirr_stream_decoder *>(user);
    const unsigned char more[] = "x";
    EXPECT_EQ(decoder->feed(more, 1), 0);
    return 1;
}

TEST(stream_decoder, refuses_bad_feeds_and_keeps_decoding) {
    log_reader log(1);
    recorder r;
    xirr_stream_decoder decoder(&recording, &r);
    EXPECT_EQ(decoder.feed(nullptr, 0), 1);
    EXPECT_EQ(decoder.feed(nullptr, 5), 0);
    EXPECT_EQ(log.take(), "Error in xirr_stream_decoder::feed(), null block.\n");

    const xirr_stream_callbacks reentering = {nullptr, feed_from_inside, nullptr, nullptr};
    xirr_stream_decoder inner(&reentering, &inner);
    feed(inner, ";ta;");
    EXPECT_EQ(log.take(), "Error in xirr_stream_decoder::feed(), called from one of its own callbacks.\n");
}

TEST(stream_decoder, unhandled_events_are_traced_only_above_level_2) {
    const std::string stream = "hi\a;shp;1;ehp;\xff\xfd\x01";
    const std::string traces =
        "Warning in xirr_stream_decoder::feed(), text of 2 bytes not handled.\n"
        "Warning in xirr_stream_decoder::feed(), bell not handled.\n"
        "Warning in xirr_stream_decoder::feed(), tag 'hp' not handled.\n"
        "Warning in xirr_stream_decoder::feed(), echo change not handled.\n";
    for (int level : {2, 3}) {
        SCOPED_TRACE(level);
        log_reader log(level);
        recorder r;
        r.handled = 0;
        xirr_stream_decoder decoder(&recording, &r);
        feed(decoder, stream);
        EXPECT_EQ(r.events, (std::vector<std::string>{text("hi"), bell, tag("hp", "1"), echo_shown}));
        EXPECT_EQ(log.take(), level > 2 ? traces : "");
    }
}

TEST(stream_decoder, warnings_are_written_only_above_level_1) {
    log_reader log(1);
    recorder r;
    xirr_stream_decoder decoder(&recording, &r);
    feed(decoder, "a;xb;ehp;;s" + name64 + ";sa;" + payload15000);
    EXPECT_EQ(log.take(), "");
}

TEST(stream_decoder, stray_semicolon_warning_shows_at_most_5999_bytes_of_the_block) {
    for (size_t rest_length : {5999, 6000, 7001}) {
        SCOPED_TRACE(rest_length);
        log_reader log;
        recorder r;
        xirr_stream_decoder decoder(&recording, &r);
        const std::string rest = "x" + std::string(rest_length - 1, 'y');
        feed(decoder, "a;" + rest);
        EXPECT_EQ(log.take(), warning + "semicolon found?\nCurrent string data ->" + rest.substr(0, 5999) + "<-\n");
        EXPECT_EQ(merged(r.events), std::vector<std::string>{text("a;" + rest)});
    }
}

TEST(stream_decoder, missing_callbacks_drop_their_events) {
    const std::string stream = "hi\a;shp;1;ehp;\xff\xfe\x01";
    xirr_stream_decoder no_table(nullptr, nullptr);
    feed(no_table, stream);

    recorder r;
    const xirr_stream_callbacks tags_only = {nullptr, recorder::on_tag, nullptr, nullptr};
    xirr_stream_decoder decoder(&tags_only, &r);
    feed(decoder, stream);
    EXPECT_EQ(r.events, std::vector<std::string>{tag("hp", "1")});
}

}  // namespace
