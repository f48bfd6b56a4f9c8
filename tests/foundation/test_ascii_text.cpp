#include "foundation/ascii_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr uint32_t REPLACEMENT = 0xFFFD;

// Every code point decode_utf8_char gives for bytes, in order.
std::vector<uint32_t> decode_all(const char *bytes)
{
    std::vector<uint32_t> code_points;
    uint32_t code_point = 0;
    for (const char *p = bytes; (p = decode_utf8_char(p, &code_point)) != nullptr;) {
        code_points.push_back(code_point);
        if (code_points.size() > 64) {
            ADD_FAILURE() << "decoder does not advance";
            break;
        }
    }
    return code_points;
}

TEST(decode_utf8_char, well_formed_sequences)
{
    struct { const char *bytes; std::vector<uint32_t> expected; } cases[] = {
        {"", {}},
        {"Az", {'A', 'z'}},
        {"\xC2\x80", {0x80}},
        {"\xC3\xBC", {0xFC}},
        {"\xDF\xBF", {0x7FF}},
        {"\xE0\xA0\x80", {0x800}},
        {"\xE2\x82\xAC!", {0x20AC, '!'}},
        {"\xED\x9F\xBF", {0xD7FF}},
        {"\xEE\x80\x80", {0xE000}},
        {"\xEF\xBF\xBF", {0xFFFF}},
        {"\xF0\x90\x80\x80", {0x10000}},
        {"\xF0\x9F\x98\x80", {0x1F600}},
        {"\xF4\x8F\xBF\xBF", {0x10FFFF}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(decode_all(c.bytes), c.expected);
    }
}

TEST(decode_utf8_char, malformed_sequences)
{
    struct { const char *bytes; std::vector<uint32_t> expected; } cases[] = {
        // Overlong forms, the overlong NUL included, never give their value.
        {"\xC0\x80x", {REPLACEMENT, 'x'}},
        {"\xC0\xAF", {REPLACEMENT}},
        {"\xC1\xBF", {REPLACEMENT}},
        {"\xE0\x80\xAF", {REPLACEMENT}},
        {"\xE0\x9F\xBF", {REPLACEMENT}},
        {"\xF0\x80\x80\xAF", {REPLACEMENT}},
        {"\xF0\x8F\xBF\xBF", {REPLACEMENT}},
        // Surrogates and values beyond U+10FFFF.
        {"\xED\xA0\x80", {REPLACEMENT}},
        {"\xED\xBF\xBF", {REPLACEMENT}},
        {"\xF4\x90\x80\x80", {REPLACEMENT}},
        {"\xF7\xBF\xBF\xBF", {REPLACEMENT}},
        // A stray continuation byte gives its low six bits.
        {"\xA9", {0x29}},
        {"a\xBF" "b", {'a', 0x3F, 'b'}},
        {"\x80\x80", {0, 0}},
        // Cut short: the bits so far, then decoding resumes at the interrupting byte.
        {"\xE2\x82" "A", {0x82, 'A'}},
        {"\xC3" "A", {0x03, 'A'}},
        {"\xC3\xC3\xBC", {0x03, 0xFC}},
        {"\xE2\x82", {0x82}},
        {"\xF0\x9F\x98", {0x7D8}},
        {"\xF0", {0}},
        // No sequence starts with F8 to FF.
        {"\xF8", {'.'}},
        {"\xFF\xFE" "a", {'.', '.', 'a'}},
        {"\xFB\xBF\xBF\xBF\xBF", {'.', 0x3F, 0x3F, 0x3F, 0x3F}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(decode_all(c.bytes), c.expected);
    }
}

TEST(decode_utf8_char, null_arguments_give_null)
{
    uint32_t code_point = 7;
    EXPECT_EQ(decode_utf8_char(nullptr, &code_point), nullptr);
    EXPECT_EQ(decode_utf8_char("a", nullptr), nullptr);
    EXPECT_EQ(code_point, 7u);
}

std::string ascii_of(const std::wstring &wide)
{
    xirr_bounded_text text;
    EXPECT_EQ(to_ascii_text(wide.data(), wide.size(), &text), 1);
    return std::string(text.c_str(), text.length);
}

std::wstring ascii_wide_of(const std::wstring &wide)
{
    std::wstring out;
    EXPECT_EQ(to_ascii_wide(wide.data(), wide.size(), &out), 1);
    return out;
}

TEST(to_ascii, converts_wide_strings)
{
    struct { std::wstring wide; std::string ascii; } cases[] = {
        {L"Gr\u00FC\u00DFe", "Gruesse"},
        {L"na\u00EFve", "naive"},
        {L"\u0080" L"5", "EU5"},
        {L"\u20AC" L"5", ".5"},   // the euro sign itself has no entry
        {L"say \u201Chi\u201D\u2026", "say \"hi\"..."},
        {L"a\tb\nc\rd", "a\tb\nc\rd"},
        {L"\x01\x1F\x7F\x1B[0m", "....[0m"},
        {L" ~", " ~"},
        {std::wstring(L"x\0y", 3), "x"},   // code point 0 ends the text
        {L"\uFFFD\U0001F600", ".."},
        {{(wchar_t)0xD800, (wchar_t)0x110000, (wchar_t)-1}, "..."},
        {L"", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.ascii));
        EXPECT_EQ(ascii_of(c.wide), c.ascii);
        EXPECT_EQ(ascii_wide_of(c.wide), std::wstring(c.ascii.begin(), c.ascii.end()));
    }
}

TEST(to_ascii, appends_at_most_length_characters)
{
    xirr_bounded_text text;
    text.append("> ");
    EXPECT_EQ(to_ascii_text(L"\u00C6bc", 2, &text), 1);
    EXPECT_STREQ(text.c_str(), "> AEb");

    std::wstring wide = L"> ";
    EXPECT_EQ(to_ascii_wide(L"\u00C6bc", 2, &wide), 1);
    EXPECT_EQ(wide, L"> AEb");
}

TEST(to_ascii, reports_a_cut_at_the_bounded_text_capacity)
{
    const size_t last = xirr_bounded_text::capacity - 1;
    xirr_bounded_text text;
    text.append(std::string(last - 2, '-').c_str());
    EXPECT_EQ(to_ascii_text(L"\u00C6", 1, &text), 1);   // "AE" fills it exactly
    EXPECT_EQ(text.length, last);

    text.clear();
    text.append(std::string(last - 1, '-').c_str());
    EXPECT_EQ(to_ascii_text(L"\u00C6", 1, &text), 0);
    EXPECT_EQ(text.length, last);
    EXPECT_EQ(text.c_str()[last - 1], 'A');
    EXPECT_EQ(text.c_str()[last], '\0');
}

TEST(to_ascii, null_arguments_append_nothing)
{
    xirr_bounded_text text;
    std::wstring wide;
    EXPECT_EQ(to_ascii_text(nullptr, 3, &text), 0);
    EXPECT_EQ(to_ascii_text(L"abc", 3, nullptr), 0);
    EXPECT_EQ(to_ascii_wide(nullptr, 3, &wide), 0);
    EXPECT_EQ(to_ascii_wide(L"abc", 3, nullptr), 0);
    EXPECT_EQ(text.length, 0u);
    EXPECT_TRUE(wide.empty());
}

// Entries of every block, the ends of runs and the gaps between them, as
// listed for the transliteration; "." marks a code point without an entry.
TEST(to_ascii, transliterates_every_block)
{
    struct { uint32_t code_point; const char *ascii; } cases[] = {
        {127, "."},
        // U+0080 to U+00FF
        {128, "EU"}, {129, " "}, {133, "..."}, {134, "."}, {135, "."}, {137, "%."},
        {145, "'"}, {146, "'"}, {147, "\""}, {148, "\""}, {150, "-"}, {151, "-"},
        {153, "TM"}, {159, "Y"}, {160, " "}, {165, "YEN"}, {169, "(C)"}, {174, "(R)"},
        {177, "+-"}, {188, "1/4"}, {190, "3/4"}, {191, "?"}, {192, "A"}, {195, "A"},
        {196, "Ae"}, {198, "AE"}, {214, "Oe"}, {215, "x"}, {220, "Ue"}, {223, "ss"},
        {224, "a"}, {227, "a"}, {228, "ae"}, {246, "oe"}, {247, "/"}, {252, "ue"},
        {255, "y"},
        // U+0100 to U+017F
        {256, "A"}, {306, "IJ"}, {312, "K"}, {328, "n"}, {329, "n"}, {338, "OE"},
        {339, "oe"}, {376, "Y"}, {383, "f"},
        // U+0180 to U+024F
        {384, "b"}, {386, "b"}, {389, "b"}, {405, "hj"}, {411, "la"}, {415, "O-"},
        {425, "E"}, {426, "."}, {427, "t"}, {439, "3"}, {442, "3"}, {446, "ts"},
        {449, "||"}, {450, "."}, {451, "!"}, {452, "DZ"}, {453, "Dz"}, {454, "dz"},
        {502, "Hu"}, {510, "O/"}, {546, "8"}, {547, "8"}, {568, "db"}, {569, "qp"},
        {575, "s"}, {576, "."},
        // U+0250 to U+036F
        {592, "."}, {687, "."}, {688, "h"}, {689, "h"}, {693, "."}, {698, "\""},
        {699, "'"}, {701, "'"}, {740, "?"}, {741, "."}, {748, "."}, {749, "="},
        {751, "."}, {760, ":"}, {761, "."}, {767, "."}, {768, "'"}, {776, ".."},
        {786, "'"}, {789, "'"}, {858, "(inf)"}, {863, "_"}, {864, "."}, {879, "."},
        // U+0370 to U+04FF
        {884, "'"}, {885, ","}, {894, ";"}, {900, "'"}, {901, "."}, {1024, "."},
        {1232, "A"}, {1236, "AE"}, {1237, "ae"}, {1254, "O"}, {1255, "o"}, {1256, "."},
        // U+2000 to U+206F
        {8192, "."}, {8207, "."}, {8208, "-"}, {8213, "-"}, {8214, "||"}, {8215, "="},
        {8220, "\""}, {8223, "\""}, {8227, "."}, {8230, "..."}, {8240, "%."},
        {8252, "!!"}, {8263, "??"}, {8264, "?!"}, {8265, "!?"}, {8282, ":"}, {8283, "."},
        {8303, "."}, {8364, "."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code_point);
        EXPECT_EQ(ascii_of(std::wstring(1, (wchar_t)c.code_point)), c.ascii);
    }
}

}  // namespace
