// The scrollback store: conversion on append, layout into lines, word wrap
// against a naive model, re-layout, clear, the line array and reading text
// back. Widths are a fixed table (1 pixel per printable character unless a
// case says otherwise), so positions are easy to follow.

#include "display/text_store.h"

#include "display/text_store_conversion.h"

#include "../foundation/captured_log.h"
#include "wrap_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

struct width_table {
    int widths[256];
    explicit width_table(int printable = 1)
    {
        for (int &w : widths)
            w = printable;
    }
    width_table &set(char c, int w)
    {
        widths[static_cast<unsigned char>(c)] = w;
        return *this;
    }
};

// A store laid out for a client width and 10 lines of 10 pixels.
void set_up(xirr_textctrl_store &store, int client_width, const width_table &table = width_table())
{
    store.set_metrics(table.widths, 10);
    store.set_client_size(client_width, 100);
}

void append(xirr_textctrl_store &store, const std::string &text)
{
    store.append(text.data(), text.size());
}

// The lines in use, each with "\n" when a line feed ended it.
std::vector<std::string> layout(xirr_textctrl_store &store)
{
    std::vector<std::string> lines;
    store.lock();
    for (int i = 0; i <= store.current_line(); i++) {
        std::string text;
        for (const xirr_textctrl_chunk *c = store.line(i)->first; c; c = c->next)
            text.append(c->text, c->length);
        lines.push_back(text + (store.line(i)->hard_end ? "\n" : ""));
    }
    store.unlock();
    return lines;
}

std::string joined(xirr_textctrl_store &store)
{
    std::string all;
    for (const std::string &line : layout(store))
        all += line;
    return all;
}

using th_test::model_layout;

TEST(text_store, starts_and_clears_to_one_empty_line)
{
    xirr_textctrl_store store;
    set_up(store, 100);
    EXPECT_EQ(layout(store), std::vector<std::string>{""});
    append(store, "one\ntwo\nthree");
    store.clear();
    EXPECT_EQ(store.current_line(), 0);
    EXPECT_EQ(store.display_line(), 0);
    EXPECT_EQ(layout(store), std::vector<std::string>{""});
}

TEST(text_store, drops_leading_line_feeds_of_the_first_text_only)
{
    xirr_textctrl_store store;
    set_up(store, 100);
    append(store, "");   // empty: does not use up the skip
    append(store, "\n\nabc\n");
    append(store, "\n\nx");
    EXPECT_EQ(layout(store), (std::vector<std::string>{"abc\n", "\n", "\n", "x"}));

    store.clear();
    append(store, "\n\nagain");
    EXPECT_EQ(layout(store), std::vector<std::string>{"again"});
}

TEST(text_store, expands_tabs_to_the_next_multiple_of_eight)
{
    struct tab_case {
        std::vector<std::string> appends;
        std::string stored;
    };
    const tab_case cases[] = {
        {{"a\tb"}, "a       b"},
        {{"\t"}, "        "},
        {{"abcdefgh\tx"}, "abcdefgh        x"},
        {{"abc", "\tz"}, "abc     z"},          // the column carries over between appends
        {{"abc\r\tx"}, "abc\r        x"},       // CR returns to column 0
        {{"ab\n\tc"}, "ab\n        c"},         // so does LF
        {{"\xe9\tx"}, "e       x"},             // a converted byte is one column
    };
    for (const tab_case &c : cases) {
        xirr_textctrl_store store;
        set_up(store, 1000);
        for (const std::string &text : c.appends)
            append(store, text);
        EXPECT_EQ(joined(store), c.stored) << c.appends[0];
    }
}

TEST(text_store, converts_the_high_half_to_one_ascii_character_each)
{
    struct conversion_case {
        unsigned char byte;
        char ascii;
    };
    const conversion_case cases[] = {
        {0x80, 'E'}, {0x8a, 'S'}, {0x93, '"'}, {0x9f, 'Y'}, {0xa0, ' '}, {0xa9, 'C'}, {0xbf, '?'},
        {0xc0, 'A'}, {0xc6, 'A'}, {0xd7, 'x'}, {0xdf, 'S'}, {0xe9, 'e'}, {0xf1, 'n'}, {0xf7, '/'}, {0xff, 'y'},
    };
    for (const conversion_case &c : cases)
        EXPECT_EQ(xirr_textctrl_convert(c.byte), c.ascii) << std::hex << int(c.byte);
    for (int byte = 0; byte < 0x80; byte++)
        EXPECT_EQ(xirr_textctrl_convert(static_cast<unsigned char>(byte)), static_cast<char>(byte));

    xirr_textctrl_store store;
    set_up(store, 1000);
    append(store, "caf\xe9 \xc0 la \xc7" "a");
    EXPECT_EQ(joined(store), "cafe A la Ca");
}

TEST(text_store, keeps_a_carriage_return_without_width)
{
    xirr_textctrl_store store;
    set_up(store, 1000);
    append(store, "x\ry\n");
    EXPECT_EQ(layout(store), (std::vector<std::string>{"x\ry\n", ""}));
    store.lock();
    EXPECT_EQ(store.line(0)->width, 2);
    store.unlock();
}

TEST(text_store, stops_a_text_at_a_nul)
{
    xirr_textctrl_store store;
    set_up(store, 1000);
    store.append("ab\0cd", 5);
    EXPECT_EQ(joined(store), "ab");
}

// An append longer than one master chunk is stored whole, and TABs far
// beyond the chunk size still land on multiples of eight.
TEST(text_store, stores_long_appends_whole)
{
    xirr_textctrl_store store;
    set_up(store, 1000);
    store.set_wrap(0);
    const std::string text = std::string(XIRR_TEXTCTRL_APPEND_MAX + 3, 'x') + "\ty" + std::string(9000, 'z');
    append(store, text);
    const std::string expected = std::string(XIRR_TEXTCTRL_APPEND_MAX + 3, 'x') + std::string(6, ' ') + "y" +
                                 std::string(9000, 'z');
    ASSERT_EQ((XIRR_TEXTCTRL_APPEND_MAX + 3 + 6) % 8, 0u);
    EXPECT_EQ(joined(store), expected);
}

TEST(text_store, wraps_at_word_boundaries)
{
    struct wrap_case {
        const char *name;
        int client_width;
        std::string text;
        std::vector<std::string> lines;
    };
    const wrap_case cases[] = {
        {"breaks after the last space that fits", 8, "aaa bbb ccc", {"aaa ", "bbb ccc"}},
        {"exactly filling the width counts as overflow", 4, "abcdefghij", {"abc", "def", "ghi", "j"}},
        {"a space that overflows is no candidate", 4, "abc defg", {"abc", " ", "def", "g"}},
        {"hard line ends reset the width", 6, "abcde\nabcde\n", {"abcde\n", "abcde\n", ""}},
        {"a width of one character breaks nothing", 1, "ab cd", {"ab cd"}},
        {"several spaces stay on the upper line", 6, "ab    cd", {"ab   ", " cd"}},
    };
    for (const wrap_case &c : cases) {
        xirr_textctrl_store store;
        set_up(store, c.client_width);
        append(store, c.text);
        EXPECT_EQ(layout(store), c.lines) << c.name;
    }
}

TEST(text_store, leaves_a_line_unbroken_when_its_first_character_is_too_wide)
{
    xirr_textctrl_store store;
    set_up(store, 5, width_table(1).set('w', 10));
    append(store, "www www\nab");
    EXPECT_EQ(layout(store), (std::vector<std::string>{"www www\n", "ab"}));
}

// The break lands inside the run that holds it; both halves keep its
// colour, and the runs behind the break move along to the new line.
TEST(text_store, splits_runs_at_the_break_keeping_their_colours)
{
    xirr_textctrl_store store;
    set_up(store, 10);
    const std::pair<uint32_t, std::string> appends[] = {
        {0x111111, "aaa bb"}, {0x222222, "bb"}, {0x333333, "ccc"}, {0x444444, " dd"}};
    for (const auto &a : appends) {
        store.set_colors(a.first, 0);
        append(store, a.second);
    }

    std::vector<std::vector<std::pair<std::string, uint32_t>>> lines;
    store.lock();
    for (int i = 0; i <= store.current_line(); i++) {
        lines.emplace_back();
        int width = 0;
        for (const xirr_textctrl_chunk *c = store.line(i)->first; c; c = c->next) {
            lines.back().emplace_back(std::string(c->text, c->length), c->rgb);
            EXPECT_EQ(c->width, c->length);
            width += c->width;
        }
        EXPECT_EQ(store.line(i)->width, width);
    }
    store.unlock();
    const std::vector<std::vector<std::pair<std::string, uint32_t>>> expected = {
        {{"aaa ", 0x111111}},
        {{"bb", 0x111111}, {"bb", 0x222222}, {"ccc", 0x333333}, {" ", 0x444444}},
        {{"dd", 0x444444}},
    };
    EXPECT_EQ(lines, expected);
}

// Random texts in random pieces with random widths, laid out against the
// naive model, then re-laid out at another width, then without wrap.
TEST(text_store, layout_matches_the_naive_model)
{
    std::mt19937 random(3102);
    const std::string alphabet = "abc  de\n\r";
    for (int round = 0; round < 300; round++) {
        width_table table(0);
        for (char c : alphabet)
            table.set(c, static_cast<int>(random() % 4));
        const int first_width = static_cast<int>(random() % 14);
        xirr_textctrl_store store;
        set_up(store, first_width, table);

        std::string text;
        bool first_text = true;
        const int pieces = static_cast<int>(random() % 12) + 1;
        for (int p = 0; p < pieces; p++) {
            std::string piece;
            const int length = static_cast<int>(random() % 20);
            for (int i = 0; i < length; i++)
                piece += alphabet[random() % alphabet.size()];
            append(store, piece);
            // The first text that is not empty loses its leading line feeds.
            if (first_text && !piece.empty()) {
                piece.erase(0, std::min(piece.find_first_not_of('\n'), piece.size()));
                first_text = false;
            }
            text += piece;
        }
        const int *widths = store.char_widths();
        ASSERT_EQ(layout(store), model_layout(text, widths, first_width, true)) << "round " << round;

        const int second_width = static_cast<int>(random() % 14) + 1;
        store.set_client_size(second_width, 100);
        ASSERT_EQ(layout(store), model_layout(text, widths, second_width, true)) << "round " << round;

        store.set_wrap(0);
        ASSERT_EQ(layout(store), model_layout(text, widths, second_width, false)) << "round " << round;
    }
}

TEST(text_store, joins_wrapped_lines_again_when_the_window_widens)
{
    xirr_textctrl_store store;
    set_up(store, 6);
    append(store, "one two three\nfour five");
    EXPECT_EQ(layout(store), (std::vector<std::string>{"one ", "two ", "three\n", "four ", "five"}));
    store.set_client_size(100, 100);
    EXPECT_EQ(layout(store), (std::vector<std::string>{"one two three\n", "four five"}));
    // Later text continues the open last line.
    append(store, " six");
    EXPECT_EQ(layout(store), (std::vector<std::string>{"one two three\n", "four five six"}));
}

TEST(text_store, re_lays_out_with_new_character_widths)
{
    xirr_textctrl_store store;
    set_up(store, 10);
    append(store, "ab cd ef");
    EXPECT_EQ(layout(store), std::vector<std::string>{"ab cd ef"});
    store.set_metrics(width_table(2).widths, 10);
    EXPECT_EQ(layout(store), (std::vector<std::string>{"ab ", "cd ", "ef"}));
}

TEST(text_store, reports_whether_a_size_change_re_laid_out)
{
    int resets = 0;
    xirr_textctrl_store store;
    store.set_reset_hook([](void *user) { ++*static_cast<int *>(user); }, &resets);
    set_up(store, 10);   // metrics and a first width: two re-layouts
    EXPECT_EQ(resets, 2);
    EXPECT_EQ(store.set_client_size(10, 50), 0);   // height only
    EXPECT_EQ(store.set_client_size(12, 50), 1);
    store.set_wrap(0);
    EXPECT_EQ(store.set_client_size(20, 50), 0);   // without wrap the width does not matter
    store.set_wrap(0);                               // no change
    store.clear();
    EXPECT_EQ(resets, 5);
}

TEST(text_store, grows_the_line_array_in_steps)
{
    struct growth_case {
        int line_feeds;
        int size;
    };
    const growth_case cases[] = {{0, 65536}, {65535, 65536}, {65536, 131072}, {70000, 131072}, {131072, 196608}};
    for (const growth_case &c : cases) {
        xirr_textctrl_store store;
        set_up(store, 100);
        append(store, "x" + std::string(c.line_feeds, '\n'));
        EXPECT_EQ(store.current_line(), c.line_feeds);
        EXPECT_EQ(store.line_array_size(), c.size) << c.line_feeds;
        store.clear();
        EXPECT_EQ(store.line_array_size(), c.size) << "clear keeps the array";
    }
}

TEST(text_store, clear_resets_the_tab_column)
{
    xirr_textctrl_store store;
    set_up(store, 100);
    append(store, "abc");
    store.clear();
    append(store, "\tx");
    EXPECT_EQ(joined(store), "        x");
}

TEST(text_store, moves_the_display_line_with_new_lines_unless_locked)
{
    xirr_textctrl_store store;
    set_up(store, 4);
    append(store, "a\nb\n");
    EXPECT_EQ(store.display_line(), 2);
    store.set_locked(1);
    append(store, "c\ndddddd\n");   // wrapped lines count too
    EXPECT_EQ(store.current_line(), 5);
    EXPECT_EQ(store.display_line(), 2);
    store.set_locked(0);
    append(store, "e\n");
    EXPECT_EQ(store.display_line(), 6);

    // Clamped to 0 .. current line + visible lines (10).
    store.set_display_line(-3);
    EXPECT_EQ(store.display_line(), 0);
    store.set_display_line(1000);
    EXPECT_EQ(store.display_line(), 16);
}

TEST(text_store, counts_visible_lines)
{
    struct visible_case {
        int height;
        int font_height;
        int visible;
    };
    const visible_case cases[] = {{100, 10, 10}, {109, 10, 10}, {5, 10, 1}, {0, 10, 1}, {100, 0, 20}, {100, -2, 20}};
    for (const visible_case &c : cases) {
        captured_log log(2);
        xirr_textctrl_store store;
        store.set_metrics(width_table().widths, c.font_height);
        store.set_client_size(100, c.height);
        EXPECT_EQ(store.visible_line_count(), c.visible);
        if (c.font_height < 1) {
            EXPECT_EQ(log.text(), "Error in xirr_textctrl::get_visible_line_count(), font height " +
                                      std::to_string(c.font_height) + ".\n");
        }
    }
}

TEST(text_store, gives_selections_with_line_feeds_only_at_hard_ends)
{
    xirr_textctrl_store store;
    set_up(store, 8);
    append(store, "aaa bbb ccc\nddd\neee");
    ASSERT_EQ(layout(store), (std::vector<std::string>{"aaa ", "bbb ccc\n", "ddd\n", "eee"}));

    struct selection_case {
        int start_line, start_offset, end_line, end_offset;
        std::string text;
    };
    const selection_case cases[] = {
        {1, 1, 1, 4, "bb c"},
        {0, 2, 1, 1, "a bb"},               // wrapped: joined without a line feed
        {1, 4, 3, 0, "ccc\nddd\ne"},
        {0, 0, 3, 99, "aaa bbb ccc\nddd\neee"},
        {2, 2, 2, 1, ""},                   // end before start on one line
        {3, 5, 3, 9, ""},                   // beyond the end of the line
    };
    for (const selection_case &c : cases) {
        std::string text = "stale";
        EXPECT_EQ(store.selection_text(c.start_line, c.start_offset, c.end_line, c.end_offset, &text), 1);
        EXPECT_EQ(text, c.text) << c.start_line << "," << c.start_offset << " - " << c.end_line << ","
                                << c.end_offset;
    }

    std::string text = "stale";
    EXPECT_EQ(store.selection_text(2, 0, 4, 0, &text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(store.selection_text(-1, 0, 1, 0, &text), 0);
    EXPECT_EQ(store.selection_text(2, 0, 1, 0, &text), 0);
    EXPECT_EQ(store.line_text(1, &text), 1);
    EXPECT_EQ(text, "bbb ccc");
}

// A painter walking the lines under the lock while text arrives sees whole
// lines only: every line's cached width is the sum of its chunks and its
// tail is its last chunk's link.
TEST(text_store, painting_under_the_lock_sees_consistent_lines)
{
    xirr_textctrl_store store;
    set_up(store, 37);
    std::atomic<bool> done{false};
    std::atomic<int> broken{0};
    std::thread painter([&] {
        while (!done) {
            store.lock();
            for (int i = store.current_line(); i >= 0 && i > store.current_line() - 40; i--) {
                const xirr_textctrl_line *line = store.line(i);
                int width = 0;
                xirr_textctrl_chunk *const *tail = &line->first;
                for (const xirr_textctrl_chunk *c = line->first; c; c = c->next) {
                    width += c->width;
                    tail = &c->next;
                }
                if (width != line->width || tail != line->tail)
                    broken++;
            }
            store.unlock();
        }
    });
    for (int i = 0; i < 20000; i++)
        append(store, "word " + std::to_string(i) + (i % 7 == 0 ? "\n" : " "));
    done = true;
    painter.join();
    EXPECT_EQ(broken, 0);
}

TEST(text_store, accounts_for_the_memory_it_holds)
{
    xirr_textctrl_store store;
    set_up(store, 1000);
    const size_t empty = store.memory_bytes();
    for (int i = 0; i < 1000; i++)
        append(store, std::string(80, 'x') + "\n");
    const size_t full = store.memory_bytes();
    // At least the characters and a line record with its pointer and chunks per line.
    EXPECT_GE(full - empty, 1000u * (81 + sizeof(xirr_textctrl_line) + 2 * sizeof(xirr_textctrl_chunk)));
    store.clear();
    EXPECT_LT(store.memory_bytes(), full);
}

}  // namespace
