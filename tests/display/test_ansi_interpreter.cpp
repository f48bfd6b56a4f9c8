// The ANSI interpreter with a real scrollback store: sequences in (whole,
// split at every offset, one byte per block), coloured text out; the pieces
// the store receives; the render list; clear screen, clear, suspend, resume
// and rerender; the colour schemes.

#include "display/ansi_interpreter.h"

#include "display/colour_schemes.h"
#include "foundation/xirr_random.h"

#include "../foundation/captured_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// A store 1000 pixels wide showing 10 lines, one pixel per character, and
// its interpreter.
struct display {
    display()
    {
        int widths[256];
        for (int &w : widths)
            w = 1;
        store.set_metrics(widths, 10);
        store.set_client_size(1000, 100);
    }

    void feed(const std::string &bytes) { ansi.display_socket_data(bytes.data(), bytes.size()); }

    // The store's text with "{rrggbb}" wherever the colour changes and "\n"
    // at hard line ends.
    std::string coloured()
    {
        std::string out;
        long long last = -1;
        store.lock();
        for (int i = 0; i <= store.current_line(); i++) {
            for (const xirr_textctrl_chunk *c = store.line(i)->first; c; c = c->next) {
                if (c->rgb != last) {
                    char tag[16];
                    snprintf(tag, sizeof tag, "{%06x}", c->rgb);
                    out += tag;
                    last = c->rgb;
                }
                out.append(c->text, c->length);
            }
            if (store.line(i)->hard_end)
                out += "\n";
        }
        store.unlock();
        return out;
    }

    // The render list as "{rrggbb/attribute/code}text" per record.
    std::string records()
    {
        std::string out;
        for (const xirr_render_list *r = ansi.render_list().first(); r; r = r->next) {
            char tag[32];
            snprintf(tag, sizeof tag, "{%02x%02x%02x/%d/%x}", r->red, r->green, r->blue, r->attribute,
                     r->colour_code);
            out += tag + std::string(r->text(), r->length);
        }
        return out;
    }

    xirr_textctrl_store store;
    xirr_ansi_interpreter ansi{&store};
};

// Puts the process-wide colour scheme back to "default".
class ansi_test : public ::testing::Test {
protected:
    ~ansi_test() override { xirr_select_colour_scheme(0); }
    display d;
};

struct sequence_case {
    const char *name;
    std::string bytes;
    std::string shown;   // as display::coloured()
    std::string log;     // the messages at level 2
};

const sequence_case sequence_cases[] = {
    {"bright then red", "\x1b[1m\x1b[31mabc", "{ff5555}abc", ""},
    {"red then bright", "\x1b[31m\x1b[1mabc", "{ff5555}abc", ""},
    {"a semicolon ends the sequence", "\x1b[1;31mabc", "{a0a0a0}31mabc",
     "process_ansi_code(2) - ignoring unhandled code 59.\n"},
    {"black is not in the table", "\x1b[30mX", "{a0a0a0}X",
     "error in xirr_ansi_display::process_ansi_code() - bad value '48'.\n"},
    {"a background is not either", "\x1b[41mX", "{a0a0a0}X",
     "error in xirr_ansi_display::process_ansi_code() - bad value '65'.\n"},
    {"reset selects the default row", "\x1b[31mr\x1b[0mX", "{aa0000}r{a0a0a0}X", ""},
    {"an empty parameter is a reset", "\x1b[35mX\x1b[mY", "{aa00cc}X{a0a0a0}Y", ""},
    {"dim", "\x1b[2m\x1b[32mX", "{005500}X", ""},
    {"blink shows the normal column", "\x1b[5m\x1b[33mX", "{aa8800}X", ""},
    {"reverse replaces bright", "\x1b[1m\x1b[7m\x1b[34mX", "{0000cc}X", ""},
    {"normal intensity", "\x1b[1m\x1b[22m\x1b[36mX", "{0080aa}X", ""},
    {"high bytes become dots", "a\xe9\x80\xff" "b", "{a0a0a0}a...b", ""},
    {"CR LF is one line end", "one\r\ntwo", "{a0a0a0}one\ntwo", ""},
    {"controls and DEL are dropped", std::string("a\x00\x01\x08\x0b\x1a\x7f" "b\x1c", 9), "{a0a0a0}ab\x1c", ""},
    {"TABs reach the store", "a\tb", "{a0a0a0}a       b", ""},
    {"an unknown escape is dropped", "\x1bZx", "{a0a0a0}x", "process_ansi_code(1) - got unhandled code 90.\n"},
    {"ESC ESC drops the second", "\x1b\x1b[31mX", "{a0a0a0}[31mX", "process_ansi_code(1) - got unhandled code 27.\n"},
    {"an ESC ends a parameter", "\x1b[3\x1b[31mX", "{a0a0a0}[31mX",
     "process_ansi_code(2) - ignoring unhandled code 27.\n"},
    {"too many digits match nothing", "\x1b[100000000031mX", "{a0a0a0}X",
     "error in xirr_ansi_display::process_ansi_code() - bad value '2147483647'.\n"},
    {"a sequence cut off at the end shows nothing yet", "ab\x1b[3", "{a0a0a0}ab", ""},
};

TEST_F(ansi_test, interprets_sequences_however_they_are_split)
{
    for (const sequence_case &c : sequence_cases) {
        std::vector<std::vector<std::string>> splits = {{c.bytes}, {}};
        for (char b : c.bytes)
            splits[1].push_back(std::string(1, b));
        for (size_t at = 1; at < c.bytes.size(); at++)
            splits.push_back({c.bytes.substr(0, at), c.bytes.substr(at)});

        for (const std::vector<std::string> &blocks : splits) {
            captured_log log(2);
            display fresh;
            for (const std::string &block : blocks)
                fresh.feed(block);
            EXPECT_EQ(fresh.coloured(), c.shown) << c.name << ", in " << blocks.size() << " blocks";
            EXPECT_EQ(log.text(), c.log) << c.name << ", in " << blocks.size() << " blocks";
        }
    }
}

TEST_F(ansi_test, reverse_turns_the_background_dark_grey_until_the_next_colour)
{
    EXPECT_EQ(d.store.background(), 0x000000u);
    d.feed("\x1b[7mX");
    EXPECT_EQ(d.store.background(), 0x404040u);
    d.feed("\x1b[0mY");
    EXPECT_EQ(d.store.background(), 0x000000u);
}

// Text goes out in pieces of at most 256 characters, one per colour change
// or line end; the render list keeps one record per colour.
TEST_F(ansi_test, hands_the_store_whole_runs)
{
    d.store.set_wrap(0);
    d.feed(std::string(600, 'x'));
    std::vector<int> lengths;
    for (const xirr_textctrl_chunk *c = d.store.line(0)->first; c; c = c->next)
        lengths.push_back(c->length);
    EXPECT_EQ(lengths, (std::vector<int>{256, 256, 88}));
    EXPECT_EQ(d.records(), "{a0a0a0/0/37}" + std::string(600, 'x'));

    d.ansi.clear();
    d.feed("ab\x1b[31mcd\nef");
    EXPECT_EQ(d.coloured(), "{a0a0a0}ab{aa0000}cd\nef");
    EXPECT_EQ(d.records(), "{a0a0a0/0/37}ab{aa0000/0/31}cd\nef");
}

TEST_F(ansi_test, splits_render_records_on_attribute_or_colour_but_not_code)
{
    // The default row looks like white: the same record.
    d.feed("a\x1b[0mb");
    // Blink looks like plain but is another attribute: a new record.
    d.feed("\x1b[5mc");
    d.ansi.display_text("d");
    // Line feeds join the run before them whatever the colour.
    d.feed("\x1b[31me\x1b[0m\n\x1b[32m\n\x1b[7m\x1b[33mf");
    EXPECT_EQ(d.records(), "{a0a0a0/0/37}ab{a0a0a0/2/0}cd{aa0000/2/31}e\n\n{aa8800/16/33}f");
}

TEST_F(ansi_test, cuts_long_runs_into_records_of_one_colour)
{
    const std::string text(5 * XIRR_RENDER_RUN_MAX + 7, 'r');
    d.feed("\x1b[31m" + text);
    std::string stored;
    for (const xirr_render_list *r = d.ansi.render_list().first(); r; r = r->next) {
        EXPECT_LE(r->length, XIRR_RENDER_RUN_MAX + XIRR_ANSI_PIECE_MAX);
        EXPECT_EQ(r->red, 0xaa);
        stored.append(r->text(), r->length);
    }
    EXPECT_EQ(stored, text);
}

TEST_F(ansi_test, clear_screen_scrolls_the_text_out_of_view)
{
    d.feed("\x1b[31mabc\n");
    ASSERT_EQ(d.store.visible_line_count(), 10);
    d.feed("\x1b" "cX");
    EXPECT_EQ(d.store.current_line(), 1 + 21);
    EXPECT_EQ(d.coloured(), "{aa0000}abc\n" + std::string(21, '\n') + "{a0a0a0}X");
}

TEST_F(ansi_test, clear_forgets_everything_and_resets_the_colour)
{
    d.feed("\x1b[1m\x1b[31mred\nmore");
    d.ansi.clear();
    EXPECT_EQ(d.ansi.render_list().first(), nullptr);
    EXPECT_EQ(d.coloured(), "");
    d.feed("\n\nwhite");   // the first line feed after a clear is dropped
    EXPECT_EQ(d.coloured(), "\n{a0a0a0}white");
}

TEST_F(ansi_test, suspended_text_reaches_the_store_at_resume)
{
    d.feed("\x1b[31mred ");
    d.ansi.suspend_updates();
    d.ansi.suspend_updates();
    d.feed("\x1b[32mgreen \x1b[34m");
    EXPECT_EQ(d.coloured(), "{aa0000}red ");
    EXPECT_EQ(d.ansi.resume_updates(), 1);
    EXPECT_EQ(d.ansi.updates_suspended(), 0);
    // The store takes the current colour (blue), not the last recorded one.
    d.feed("blue");
    EXPECT_EQ(d.coloured(), "{aa0000}red {00aa00}green {0000cc}blue");
}

TEST_F(ansi_test, clear_while_suspended_empties_the_store_at_resume)
{
    d.feed("old\n");
    d.ansi.suspend_updates();
    d.ansi.clear();
    d.feed("new");
    EXPECT_EQ(d.coloured(), "{a0a0a0}old\n");
    d.ansi.resume_updates();
    EXPECT_EQ(d.coloured(), "{a0a0a0}new");
}

TEST_F(ansi_test, resume_without_suspend_only_logs)
{
    d.feed("text");
    captured_log log(2);
    EXPECT_EQ(d.ansi.resume_updates(), 0);
    EXPECT_EQ(log.text(), "Error in xirr_ansi_display::resume_updates(), updates were not suspended?\n");
    EXPECT_EQ(d.coloured(), "{a0a0a0}text");
}

TEST_F(ansi_test, rerender_rebuilds_the_store_in_the_recorded_colours)
{
    d.feed("\x1b[1mbright white ");
    ASSERT_EQ(xirr_select_colour_scheme(3), 1);
    d.feed("\x1b[32m\x1b[37mnow grey");
    EXPECT_EQ(d.coloured(), "{ffffff}bright white {808080}now grey");

    d.store.set_locked(1);
    d.ansi.rerender();
    EXPECT_EQ(d.coloured(), "{ffffff}bright white {808080}now grey");
    EXPECT_EQ(d.store.display_line(), d.store.current_line());
}

// A run longer than one store append is rebuilt whole, not cut.
TEST_F(ansi_test, rerender_keeps_long_runs_whole)
{
    d.store.set_wrap(0);
    const std::string text(7000, 'x');
    d.feed(text);
    d.ansi.rerender();
    EXPECT_EQ(d.coloured(), "{a0a0a0}" + text);
}

TEST_F(ansi_test, set_wrap_re_lays_out_the_text)
{
    d.store.set_client_size(6, 100);
    d.feed("aaa bbb");
    EXPECT_EQ(d.store.current_line(), 1);
    d.ansi.set_wrap(0);
    EXPECT_EQ(d.store.current_line(), 0);
    EXPECT_EQ(d.coloured(), "{a0a0a0}aaa bbb");
}

TEST_F(ansi_test, reapplies_the_colour_for_a_new_scheme_only_on_demand)
{
    d.feed("\x1b[1m");
    EXPECT_EQ(d.store.foreground(), 0xffffffu);
    xirr_select_colour_scheme(3);
    d.ansi.process_ansi_color();   // same attribute and code: nothing
    EXPECT_EQ(d.store.foreground(), 0xffffffu);
    d.ansi.reapply_colour();
    EXPECT_EQ(d.store.foreground(), 0x808080u);
    EXPECT_EQ(d.ansi.current_attributes().rgb, 0x808080u);
}

TEST_F(ansi_test, client_messages_use_code_pairs)
{
    d.ansi.set_ansi_codes(1, 0x33);
    d.ansi.display_text("type this");
    d.ansi.display_text(nullptr);
    d.ansi.reset_colors();
    d.ansi.display_text(" then");
    EXPECT_EQ(d.coloured(), "{ffff55}type this{a0a0a0} then");
}

TEST_F(ansi_test, flags_text_arrival_per_block)
{
    d.ansi.display_text("own message");
    EXPECT_EQ(d.ansi.text_arrived(), 0);
    d.ansi.display_socket_data("", 0);
    EXPECT_EQ(d.ansi.text_arrived(), 0);
    d.feed("\x1b[31m");
    EXPECT_EQ(d.ansi.text_arrived(), 1);
    d.ansi.clear_text_arrived();
    EXPECT_EQ(d.ansi.text_arrived(), 0);
}

TEST_F(ansi_test, flushing_an_empty_render_run_is_logged)
{
    xirr_render_runs runs;
    captured_log log(2);
    runs.flush();
    EXPECT_EQ(runs.count(), 0u);
    EXPECT_EQ(log.text(), "xirr_ansi_display - rerender_flush() - temp space was empty, WTF?\n");
}

TEST(colour_schemes, select_by_setting_and_keep_default_equal_to_white)
{
    for (const xirr_colour_scheme &scheme : xirr_colour_schemes)
        for (int i = 0; i < XIRR_INTENSITIES; i++)
            EXPECT_EQ(scheme.rgb[XIRR_SCHEME_DEFAULT][i], scheme.rgb[XIRR_SCHEME_WHITE][i]) << scheme.name;

    EXPECT_EQ(xirr_current_colour_scheme, &xirr_colour_schemes[0]);
    EXPECT_EQ(xirr_select_colour_scheme(2), 1);
    EXPECT_STREQ(xirr_current_colour_scheme->name, "ZMud-style");
    EXPECT_EQ(xirr_select_colour_scheme(4), 0);
    EXPECT_EQ(xirr_select_colour_scheme(-1), 0);
    EXPECT_STREQ(xirr_current_colour_scheme->name, "ZMud-style");
    xirr_select_colour_scheme(0);
}

TEST_F(ansi_test, debug_fill_writes_random_words_and_the_record_sizes)
{
    d.feed("\x1b[32mbefore\n");
    FILE *out = tmpfile();
    ASSERT_NE(out, nullptr);
    xirr_random random;
    d.ansi.debug_fill(&random, out, 32);

    rewind(out);
    char report[512] = {};
    fread(report, 1, sizeof report - 1, out);
    fclose(out);
    EXPECT_EQ(std::string(report), "size of xirr_textctrl_chunk    32\n"
                                   "size of xirr_textctrl_line     24\n"
                                   "size of wxString               32\n"
                                   "size of xirr_render_list       24\n"
                                   "entries in render list          1\n");

    // 100000 lines of words "b ", "cb ", "dcb " ... and the count of their
    // characters on the last line.
    std::string words;
    for (int i = 1; i <= 100000 + 1; i++) {
        std::string line;
        ASSERT_EQ(d.store.line_text(i, &line), 1);
        if (i <= 100000)
            words += line;
        else
            EXPECT_EQ(line, std::to_string(words.size()) + " characters written (" +
                                std::to_string(words.size() / 1000) + " kb).");
    }
    for (size_t at = 0; at < words.size(); at = words.find(' ', at) + 1) {
        const size_t k = words.find(' ', at) - at;
        ASSERT_TRUE(k >= 1 && k <= 10);
        for (size_t i = 0; i < k; i++)
            ASSERT_EQ(words[at + i], static_cast<char>(0x61 + k - i));
    }

    // The server's next text is green again.
    d.feed("after");
    d.store.lock();
    const xirr_textctrl_chunk *c = d.store.line(d.store.current_line())->first;
    d.store.unlock();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->rgb, 0x00aa00u);
}

}  // namespace
