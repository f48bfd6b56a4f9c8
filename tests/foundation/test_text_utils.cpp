#include "foundation/text_utils.h"

#include "foundation/debug_log.h"
#include "log_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Sends the debug log to a scratch file at the given level for the life of
// the object, then back to its unnamed default.
class captured_log {
public:
    explicit captured_log(int level) : path_(dir_ / "log.txt")
    {
        if (xirr_client_debug_logfile_is_open())
            xirr_client_debug_logfile_close();
        xirr_client_set_debug_logfile_name(path_.c_str());
        saved_level_ = xirr_debug_level;
        xirr_debug_level = level;
    }
    ~captured_log()
    {
        xirr_debug_level = saved_level_;
        if (xirr_client_debug_logfile_is_open())
            xirr_client_debug_logfile_close();
        xirr_client_set_debug_logfile_name(nullptr);
    }
    // What was logged, without the log's own trace of opening the file.
    std::string messages() const
    {
        std::string text = th_test::read_text(path_);
        std::string opened = th_test::opened_line(path_);
        if (text.compare(0, opened.size(), opened) == 0)
            text.erase(0, opened.size());
        return text;
    }

private:
    th_test::scratch_dir dir_;
    std::string path_;
    int saved_level_ = 1;
};

// Offset of a result pointer into its text, -1 for null.
long offset_in(const char *text, const char *result)
{
    return result ? result - text : -1;
}

std::string repeated(char c, size_t n)
{
    return std::string(n, c);
}

TEST(next_arg, finds_the_second_word)
{
    struct { const char *text; long offset; } cases[] = {
        {"  look   at me", 9},
        {"look", -1},
        {"look\tat", 5},
        {"look\nat", 5},
        {"look \t\n \nat", 9},
        {"look\r at", 6},   // a carriage return belongs to the word
        {"look   ", -1},
        {"   ", -1},
        {"", -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(offset_in(c.text, next_arg(c.text)), c.offset);
    }
}

TEST(next_arg_eol, stays_on_the_line)
{
    struct { const char *text; long offset; } cases[] = {
        {"a b", 2},
        {"  a   b c", 6},
        {"a\nb", -1},
        {"a \nb", -1},
        {"\na b", -1},
        {"a\tb c", 4},   // only blanks separate here
        {"a   ", -1},
        {"a", -1},
        {"", -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(offset_in(c.text, next_arg_eol(c.text)), c.offset);
    }
}

TEST(last_arg, finds_the_last_word)
{
    struct { const char *text; long offset; } cases[] = {
        {"look at me", 8},
        {"look", 0},
        {"  look", 2},
        {"say hi \n", 4},
        {"", 0},
        {" \t ", 3},   // no word: the end of the text
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(offset_in(c.text, last_arg(c.text)), c.offset);
    }
}

TEST(word_walking, null_text_gives_null_with_a_verbose_message)
{
    {
        captured_log log(3);
        EXPECT_EQ(next_arg(nullptr), nullptr);
        EXPECT_EQ(next_arg_eol(nullptr), nullptr);
        EXPECT_EQ(last_arg(nullptr), nullptr);
        EXPECT_EQ(log.messages(),
                  "Error in next_arg(), NULL pointer passed in.\n"
                  "Error in next_arg_eol(), NULL pointer passed in.\n"
                  "Error in last_arg(), NULL pointer passed in.\n");
    }
    captured_log quiet(1);
    EXPECT_EQ(next_arg(nullptr), nullptr);
    EXPECT_EQ(quiet.messages(), "");
}

TEST(word_comparison, equals_prefix_and_abbreviation)
{
    struct {
        const char *a;
        const char *b;
        int minimum;
        int equals;
        int prefix;
        int abbreviates;
    } cases[] = {
        {"North", "north east", 2, 1, 5, 5},
        {"nor", "north", 2, 0, 3, 3},
        {"north", "nor", 2, 0, 0, 0},
        {"con", "connect", 2, 0, 3, 3},
        {"c", "connect", 2, 0, 1, 0},
        {"c", "c", 2, 1, 1, 1},
        {"CON", "con", 5, 1, 3, 3},              // the whole word always abbreviates
        {"con here", "connect", 2, 0, 3, 3},     // only a's first word counts
        {"co", "connect now", 3, 0, 2, 0},
        {"ab", "abc", 3, 0, 2, 0},
        {"abc", "ab c", 2, 0, 0, 0},
        {"ab", "abc def", 2, 0, 2, 2},
        {"look\tat", "LOOK\nthere", 2, 1, 4, 4},
        {"a\r", "a", 1, 0, 0, 0},                // a carriage return belongs to the word
        {"[", "{", 1, 0, 0, 0},                  // only A to Z fold
        {"@", "`", 1, 0, 0, 0},
        {"", "", 1, 1, 0, 0},
        {"", "x", 1, 0, 0, 0},
        {" x", "x", 1, 0, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.a) + " | " + c.b);
        EXPECT_EQ(word_equals(c.a, c.b), c.equals);
        EXPECT_EQ(word_equals_safe(c.a, c.b), c.equals);
        EXPECT_EQ(word_is_prefix(c.a, c.b), c.prefix);
        EXPECT_EQ(word_abbreviates(c.a, c.b, c.minimum), c.abbreviates);
    }
}

TEST(word_comparison, gives_up_at_400_characters)
{
    std::string fits = repeated('x', XIRR_WORD_COMPARE_MAX - 1);
    std::string too_long = repeated('x', XIRR_WORD_COMPARE_MAX);
    std::string longer_b = too_long + "y";

    EXPECT_EQ(word_equals(fits.c_str(), fits.c_str()), 1);
    EXPECT_EQ(word_is_prefix(fits.c_str(), longer_b.c_str()), XIRR_WORD_COMPARE_MAX - 1);
    EXPECT_EQ(word_abbreviates(fits.c_str(), fits.c_str(), 1), XIRR_WORD_COMPARE_MAX - 1);

    EXPECT_EQ(word_equals(too_long.c_str(), too_long.c_str()), 0);
    EXPECT_EQ(word_is_prefix(too_long.c_str(), longer_b.c_str()), 0);
    EXPECT_EQ(word_abbreviates(too_long.c_str(), too_long.c_str(), 1), 0);
}

TEST(word_comparison, null_texts_never_match)
{
    EXPECT_EQ(word_equals(nullptr, "a"), 0);
    EXPECT_EQ(word_equals("a", nullptr), 0);
    EXPECT_EQ(word_equals_safe(nullptr, nullptr), 0);
    EXPECT_EQ(word_is_prefix(nullptr, "a"), 0);
    EXPECT_EQ(word_abbreviates("a", nullptr, 1), 0);
    EXPECT_EQ(word_in_list(nullptr, "a"), 0);
    EXPECT_EQ(word_in_list("a", nullptr), 0);
}

TEST(word_in_list, matches_any_whole_word)
{
    struct { const char *word; const char *list; int result; } cases[] = {
        {"north", "south north east", 1},
        {"NORTH", "  south\tnorth\n", 1},
        {"east now", "west east", 1},
        {"south", "south", 1},
        {"nor", "north", 0},
        {"north", "nor th", 0},
        {"west", "north south", 0},
        {"", "a b", 0},
        {"", "  ", 0},
        {"x", "", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.word) + " in " + c.list);
        EXPECT_EQ(word_in_list(c.word, c.list), c.result);
    }
}

TEST(parse_int_text, reads_the_leading_number)
{
    const int untouched = 777;
    struct { const char *text; int result; int value; } cases[] = {
        {"42", 1, 42},
        {"12abc", 1, 12},
        {"1 2", 1, 1},
        {"+7", 1, 7},
        {"+", 1, 0},
        {"+-3", 1, 0},
        {"-5", 1, -5},
        {"-0", 1, 0},
        {"000000000000000000000012", 1, 12},
        {"2147483647", 1, INT_MAX},
        {"-2147483648", 1, INT_MIN},
        {"-", 0, untouched},
        {"-x", 0, untouched},
        {"--3", 0, untouched},
        {"abc", 0, untouched},
        {" 5", 0, untouched},
        {"", 0, untouched},
        {"2147483648", 0, untouched},
        {"-2147483649", 0, untouched},
        {"99999999999999999999999", 0, untouched},
    };
    captured_log log(1);   // absorbs the out-of-range warnings
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        int value = untouched;
        EXPECT_EQ(parse_int_text(c.text, &value), c.result);
        EXPECT_EQ(value, c.value);
    }
}

TEST(parse_int_text, logs_out_of_range_and_null_arguments)
{
    captured_log log(1);
    int value = 3;
    EXPECT_EQ(parse_int_text("4294967296 coins", &value), 0);
    EXPECT_EQ(parse_int_text(nullptr, &value), 0);
    EXPECT_EQ(parse_int_text("5", nullptr), 0);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(log.messages(),
              "Warning in parse_int_text(), number out of range: ->4294967296<-\n"
              "Error in parse_int_text(), NULL pointer passed in.\n"
              "Error in parse_int_text(), NULL pointer passed in.\n");
}

TEST(safe_strcpy, copies_or_cuts_within_the_size)
{
    struct { const char *source; int size; int result; const char *copied; } cases[] = {
        {"abc", 4, 1, "abc"},
        {"", 1, 1, ""},
        {"abcd", 4, 0, "abc"},
        {"abcdef", 4, 0, "abc"},
        {"x", 1, 0, ""},
    };
    captured_log log(1);   // absorbs the overflow reports
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        char buffer[16];
        memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(safe_strcpy(buffer, c.source, c.size), c.result);
        EXPECT_STREQ(buffer, c.copied);
        for (size_t i = (size_t)c.size; i < sizeof buffer; i++)
            ASSERT_EQ(buffer[i], '#') << "byte " << i << " written past the size";
    }
}

TEST(safe_strcpy, reports_overflow_with_the_whole_source)
{
    captured_log log(1);
    char buffer[4];
    EXPECT_EQ(safe_strcpy(buffer, "abcdef", sizeof buffer), 0);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(log.messages(), "Error in safe_strcpy(), src overflow. String was: ->abcdef<-\n");
}

TEST(safe_strcpy, overflow_report_of_a_huge_source_keeps_its_end_marker)
{
    captured_log log(1);
    std::string source = repeated('z', 7000);
    char buffer[8];
    EXPECT_EQ(safe_strcpy(buffer, source.c_str(), sizeof buffer), 0);
    std::string text = log.messages();
    EXPECT_EQ(text.rfind("Error in safe_strcpy(), src overflow. String was: ->zzz", 0), 0u);
    EXPECT_GE(text.size(), 5000u);
    EXPECT_EQ(text.substr(text.size() - 3), "<-\n");
}

TEST(safe_strcpy, bad_arguments_fail_with_a_message)
{
    captured_log log(1);
    char buffer[4] = "old";
    EXPECT_EQ(safe_strcpy(nullptr, "a", 4), 0);
    EXPECT_EQ(safe_strcpy(buffer, "a", 0), 0);
    EXPECT_EQ(safe_strcpy(buffer, "a", -1), 0);
    EXPECT_STREQ(buffer, "old");
    EXPECT_EQ(safe_strcpy(buffer, nullptr, 4), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(log.messages(),
              "Error in safe_strcpy(), NULL dest.\n"
              "Error in safe_strcpy(), dest too short.\n"
              "Error in safe_strcpy(), dest too short.\n"
              "Error in safe_strcpy(), NULL src.\n");
}

// Reads every line of content with fget_line into a buffer of size bytes,
// checking each result against the stored length and the guard byte beyond.
std::vector<std::string> read_lines(const std::string &content, int size)
{
    std::vector<std::string> lines;
    FILE *stream = tmpfile();
    if (!stream) {
        ADD_FAILURE() << "tmpfile failed";
        return lines;
    }
    fwrite(content.data(), 1, content.size(), stream);
    rewind(stream);
    std::vector<char> buffer((size_t)size + 1, '#');
    for (int guard = 0; guard < 1000; guard++) {
        int result = fget_line(stream, buffer.data(), size);
        EXPECT_EQ(buffer[(size_t)size], '#') << "written past the size";
        if (result == 0)
            break;
        EXPECT_EQ(result, (int)strlen(buffer.data()) + 1);
        lines.push_back(buffer.data());
    }
    fclose(stream);
    return lines;
}

TEST(fget_line, splits_lines_at_every_terminator)
{
    using lines = std::vector<std::string>;
    struct { std::string content; int size; lines expected; } cases[] = {
        {"one\ntwo\n", 16, {"one", "two"}},
        {"one\r\ntwo\r\n", 16, {"one", "", "two", ""}},
        {"x\ry", 16, {"x", "y"}},
        {std::string("a\0b\n", 4), 16, {"a", "b"}},
        {"last without newline", 64, {"last without newline"}},
        {"\n\n", 16, {"", ""}},
        {"", 16, {}},
        {"abcdefg\nhi\n", 4, {"abc", "hi"}},
        {"abc\n", 4, {"abc"}},
        {"ab\ncd", 1, {"", ""}},
    };
    captured_log log(1);   // absorbs the overflow warnings
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.content) + " size " + std::to_string(c.size));
        EXPECT_EQ(read_lines(c.content, c.size), c.expected);
    }
}

TEST(fget_line, warns_only_when_characters_are_dropped)
{
    {
        captured_log log(1);
        EXPECT_EQ(read_lines("abc\n", 4), std::vector<std::string>{"abc"});
        EXPECT_EQ(log.messages(), "");
    }
    captured_log log(1);
    EXPECT_EQ(read_lines("abcdefg", 4), std::vector<std::string>{"abc"});
    EXPECT_EQ(log.messages(), "Warning in fget_line(), string overflow.  String was:\nabc\n");
}

TEST(fget_line, bad_arguments_read_nothing)
{
    captured_log log(1);
    FILE *stream = tmpfile();
    ASSERT_NE(stream, nullptr);
    fputs("data\n", stream);
    rewind(stream);
    char buffer[8];
    EXPECT_EQ(fget_line(nullptr, buffer, sizeof buffer), 0);
    EXPECT_EQ(fget_line(stream, nullptr, 8), 0);
    EXPECT_EQ(fget_line(stream, buffer, 0), 0);
    EXPECT_EQ(fget_line(stream, buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "data");
    fclose(stream);
    EXPECT_EQ(log.messages(),
              "Error in fget_line(), NULL pointer passed in.\n"
              "Error in fget_line(), NULL pointer passed in.\n"
              "Error in fget_line(), buffer too short.\n");
}

}  // namespace
