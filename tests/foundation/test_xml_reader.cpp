#include "foundation/xml_file_reader.h"
#include "foundation/xml_reader.h"

#include "captured_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Reads the bytes of a string.
class string_reader : public xirr_xml_reader {
public:
    explicit string_reader(std::string text) : text_(std::move(text)) {}
    int read_char() override
    {
        return position_ < text_.size() ? (unsigned char)text_[position_++] : -1;
    }

private:
    std::string text_;
    size_t position_ = 0;
};

// The next opening tag's name, or "" when read_tag gives 0.
std::string next_tag(xirr_xml_reader &reader, int size = 10000)
{
    std::string buffer(size, '\0');
    return reader.read_tag(&buffer[0], size) ? std::string(buffer.c_str()) : std::string();
}

TEST(XmlReaderHeader, AcceptsAndRejectsDeclarationLines)
{
    struct {
        const char *line;
        int result;
        const char *message;   // expected in the log, "" for none
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", 1, ""},
        {"<?XML encoding=\"any thing\" version=\"weird\"?>", 1, ""},
        {"<?xml\tencoding = \"a\"  version= \"1\" ?>", 1, ""},
        {"<?xml version=\"1.0\"?>", 0, "didn't get encoding."},
        {"<?xml encoding=\"a\"?>", 0, "didn't get version."},
        {"<?xml", 0, "didn't get either version or encoding."},
        {"<xml version=\"1.0\" encoding=\"a\"?>", 0, "missing opening '<?xml' tag."},
        {"<system_config_list>", 0, "missing opening '<?xml' tag."},
        {"<?xml version \"1.0\"", 0, "'version' tag found, but no version."},
        {"<?xml version=1.0", 0, "'version' tag found, but no opening version quote."},
        {"<?xml version=\"1.0", 0, "'version' tag found, but no closing version quote."},
        {"<?xml version=\"1\" encoding", 0, "'encoding' tag found, but no encoding."},
        {"<?xml version=\"1\" encoding=", 0, "'encoding' tag found, but no opening encoding quote."},
        {"<?xml version=\"1\" encoding=\"a", 0, "'encoding' tag found, but no closing encoding quote."},
        {"<?xml standalone=\"yes\"?>", 0, "unknown tag found."},
        {nullptr, 0, "missing opening '<?xml' tag."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line ? c.line : "(null)");
        captured_log log;
        string_reader reader("<a>");
        EXPECT_EQ(reader.check_xml_header_string(c.line), c.result);
        if (*c.message) {
            EXPECT_THAT(log.text(),
                        HasSubstr(std::string("Warning in xirr_xml_reader::check_xml_header_string(), ") +
                                  c.message + "\n"));
        } else {
            EXPECT_EQ(log.text(), "");
        }
        EXPECT_EQ(next_tag(reader), "a");   // the check reads nothing
    }
}

TEST(XmlReaderText, ReadsLeafTextAndStaysInStepWithTheNextSibling)
{
    struct {
        const char *body;   // between "<x>" and "<y>"
        int size;
        int result;
        const char *text;
        const char *message;
    } cases[] = {
        {"plain text</x>", 100, 1, "plain text", ""},
        {"</x>", 100, 1, "", ""},
        {"a&lt;b&gt;c&amp;d&amp;lt;</x>", 100, 1, "a<b>c&d&lt;", ""},
        {"say &quot;hi&quot;</x>", 100, 1, "say &quot;hi&quot;", "unknown '&' conversion found?"},
        {"abcdefgh</x>", 4, 1, "abc", ""},
        {"line\nbreak</x>", 100, 0, "", "unprintable byte in text"},
        {"caf\xe9</x>", 100, 0, "", "unprintable byte in text"},
        {"text</z>", 100, 1, "text", "popped tag 'z' did not match expected tag 'x'."},
        {"a>b</x>", 100, 1, "a>b", "got second closing bracket?"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.body);
        captured_log log;
        string_reader reader(std::string("<root><x>") + c.body + "<y>1</y></root>");
        ASSERT_EQ(next_tag(reader), "root");
        ASSERT_EQ(next_tag(reader), "x");
        std::string buffer(c.size, '#');
        EXPECT_EQ(reader.read_data(&buffer[0], c.size), c.result);
        EXPECT_STREQ(buffer.c_str(), c.text);
        if (*c.message) {
            EXPECT_THAT(log.text(), HasSubstr(c.message));
        } else {
            EXPECT_EQ(log.text(), "");
        }
        // The element is closed whatever its text held.
        EXPECT_EQ(next_tag(reader), "y");
        EXPECT_EQ(reader.depth(), 2u);
    }
}

TEST(XmlReaderText, StringLimitsCountCharactersNotEscapes)
{
    string_reader reader("<a>&lt;&amp;&gt;&lt;&lt;&lt;</a><b>abcdefgh</b><c>x\ny</c>");
    std::string text = "unchanged";
    next_tag(reader);
    EXPECT_EQ(reader.read_data(&text, 5), 1);
    EXPECT_EQ(text, "<&><<");
    next_tag(reader);
    EXPECT_EQ(reader.read_data(&text, 3), 1);
    EXPECT_EQ(text, "abc");
    next_tag(reader);
    captured_log log;
    EXPECT_EQ(reader.read_data(&text, 10), 0);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(reader.depth(), 0u);
}

TEST(XmlReaderText, EndOfInputInsideTextFails)
{
    captured_log log;
    string_reader reader("<x>unfinished");
    ASSERT_EQ(next_tag(reader), "x");
    char buffer[100];
    EXPECT_EQ(reader.read_data(buffer, sizeof buffer), 0);
    EXPECT_THAT(log.text(), HasSubstr("Warning in xirr_xml_reader::read_block(), file corruption - "
                                      "got EOF before trailing bracket."));
    EXPECT_EQ(next_tag(reader), "");
}

TEST(XmlReaderNumber, ParsesDecimalPrefixesAndRefusesOtherText)
{
    struct {
        const char *body;
        int result;
        int value;   // 77 when left unchanged
    } cases[] = {
        {"12", 1, 12},   {"+7", 1, 7},     {"-3", 1, -3}, {"12abc", 1, 12},
        {"+", 1, 0},     {"-x", 0, 77},    {"", 0, 77},   {"abc", 0, 77},
        {" 5", 0, 77},   {"1\n2", 0, 77},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.body);
        captured_log log;
        string_reader reader(std::string("<r><n>") + c.body + "</n><next></next></r>");
        ASSERT_EQ(next_tag(reader), "r");
        ASSERT_EQ(next_tag(reader), "n");
        int value = 77;
        EXPECT_EQ(reader.read_data(&value), c.result);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(next_tag(reader), "next");
    }
    captured_log log;
    string_reader reader("<n>-x</n>");
    next_tag(reader);
    int value = 0;
    reader.read_data(&value);
    EXPECT_THAT(log.text(), HasSubstr("Warning in xirr_xml_reader::read_data(int) - got non-number'-x'."));
}

TEST(XmlReaderTags, ClosingTagsAreCheckedAndAlwaysPopped)
{
    captured_log log;
    string_reader reader("<a><b></c></a>");
    EXPECT_EQ(next_tag(reader), "a");
    EXPECT_EQ(next_tag(reader), "b");
    EXPECT_EQ(next_tag(reader), "");
    EXPECT_EQ(reader.depth(), 1u);
    EXPECT_THAT(log.text(), HasSubstr("Warning in xirr_xml_reader::pop_stack_entry() - popped tag 'c' "
                                      "did not match expected tag 'b'."));
    EXPECT_EQ(next_tag(reader), "");
    EXPECT_EQ(reader.depth(), 0u);
}

TEST(XmlReaderTags, AttributesStayPartOfTheName)
{
    captured_log log;
    string_reader reader("<a x=\"1\">text</a>");
    EXPECT_EQ(next_tag(reader), "a x=\"1\"");
    char buffer[100];
    EXPECT_EQ(reader.read_data(buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "text");
    EXPECT_EQ(reader.depth(), 0u);
    EXPECT_THAT(log.text(), HasSubstr("popped tag 'a' did not match expected tag 'a x=\"1\"'."));
}

TEST(XmlReaderTags, EmptyElementsCommentsAndDeclarationsDoNotSwallowSiblings)
{
    captured_log log;
    string_reader reader("<?xml version=\"1.0\"?><!-- note --><r><e/><n/><t/><c/><v>1</v></r>");
    EXPECT_EQ(next_tag(reader), "r");
    EXPECT_EQ(next_tag(reader), "e");
    EXPECT_EQ(reader.depth(), 2u);
    EXPECT_EQ(next_tag(reader), "");   // an empty element's content ends at once
    EXPECT_EQ(next_tag(reader), "n");
    int number = 5;
    EXPECT_EQ(reader.read_data(&number), 0);
    EXPECT_EQ(number, 5);
    EXPECT_EQ(next_tag(reader), "t");
    char text[10] = "x";
    EXPECT_EQ(reader.read_data(text, sizeof text), 1);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(next_tag(reader), "c");
    EXPECT_EQ(reader.skip_data(), 1);
    EXPECT_EQ(next_tag(reader), "v");
    EXPECT_EQ(reader.read_data(&number), 1);
    EXPECT_EQ(number, 1);
    EXPECT_EQ(next_tag(reader), "");
    EXPECT_EQ(reader.depth(), 0u);
    EXPECT_THAT(log.text(), Not(HasSubstr("did not match")));
}

TEST(XmlReaderTags, LongNamesAreCutInTheBufferAndOnTheStack)
{
    std::string name(1500, 'n');
    string_reader reader("<" + name + "><" + name + ">");
    EXPECT_EQ(next_tag(reader, 11), std::string(10, 'n'));
    EXPECT_EQ(next_tag(reader), name);
    EXPECT_EQ(reader.depth(), 2u);
}

TEST(XmlReaderTags, StrayClosingTagsAndBadBytesInTagsDoNotCrash)
{
    captured_log log;
    string_reader stray("</a></b><c>");
    EXPECT_EQ(next_tag(stray), "");
    EXPECT_EQ(next_tag(stray), "");
    EXPECT_EQ(next_tag(stray), "c");
    EXPECT_THAT(log.text(), HasSubstr("closing tag 'a' with no open tag."));

    // Unprintable bytes in a tag are replaced, so the element still closes.
    string_reader bad("<a\tb>1</a\tb><c>");
    EXPECT_EQ(next_tag(bad), "a.b");
    EXPECT_EQ(bad.skip_data(), 1);
    EXPECT_EQ(bad.depth(), 0u);
    EXPECT_EQ(next_tag(bad), "c");
    EXPECT_THAT(log.text(), HasSubstr("unprintable byte in tag."));

    // Junk brackets and a tag cut short by another one are passed over.
    string_reader junk("<<><a<b>x</b>");
    EXPECT_EQ(next_tag(junk), "b");
    EXPECT_EQ(junk.depth(), 1u);
    EXPECT_THAT(log.text(), HasSubstr("got second open bracket?"));
}

TEST(XmlReaderSkip, SkipsNestedContentUpToTheElementsOwnClosingTag)
{
    captured_log log;
    string_reader reader("<r><unknown>text<n><m>1</m></n><!-- a --><e/>x > y</unknown><next>");
    ASSERT_EQ(next_tag(reader), "r");
    ASSERT_EQ(next_tag(reader), "unknown");
    EXPECT_EQ(reader.skip_data(), 1);
    EXPECT_EQ(reader.depth(), 1u);
    EXPECT_THAT(log.text(), HasSubstr("Warning in xirr_xml_reader::skip_chunk(), got closing bracket?"));
    EXPECT_EQ(next_tag(reader), "next");
}

TEST(XmlReaderSkip, NeedsAnOpenElementAndStopsAtTheEnd)
{
    captured_log log;
    string_reader reader("<a><b>never closed");
    EXPECT_EQ(reader.skip_data(), 0);
    EXPECT_THAT(log.text(), HasSubstr("Error in xirr_xml_reader::skip_data() - you must read at "
                                      "least the opening tag before skipping data."));
    EXPECT_EQ(next_tag(reader), "a");   // nothing was read
    EXPECT_EQ(reader.skip_data(), 0);
    EXPECT_THAT(log.text(), HasSubstr("Warning in xirr_xml_reader::skip_data() - unable to read chunk?"));
}

TEST(XmlReaderArguments, NullAndTooSmallDestinationsAreRefused)
{
    captured_log log;
    string_reader reader("<a>b</a>");
    char buffer[4];
    EXPECT_EQ(reader.read_tag(nullptr, 10), 0);
    EXPECT_EQ(reader.read_tag(buffer, 0), 0);
    EXPECT_EQ(next_tag(reader), "a");
    EXPECT_EQ(reader.read_data((char *)nullptr, 10), 0);
    EXPECT_EQ(reader.read_data(buffer, -1), 0);
    EXPECT_EQ(reader.read_data((int *)nullptr), 0);
    EXPECT_EQ(reader.read_data((std::string *)nullptr, 10), 0);
    EXPECT_EQ(reader.read_data(buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "b");
    for (const char *message : {"Error in xirr_xml_reader::read_tag(), NULL dest?",
                                "Error in xirr_xml_reader::read_tag(), dest is too small?",
                                "Error in xirr_xml_reader::read_data(char[]), NULL dest?",
                                "Error in xirr_xml_reader::read_data(char[]), dest is too small?",
                                "Error in xirr_xml_reader::read_data(int), NULL dest?",
                                "Error in xirr_xml_reader::read_data(string), NULL dest?"})
        EXPECT_THAT(log.text(), HasSubstr(message));
}

TEST(XmlFileReader, ReadsAStreamAndTreatsANullOneAsEmpty)
{
    captured_log log;
    char text[] = "<a>b</a>";
    FILE *stream = fmemopen(text, sizeof text - 1, "rb");
    ASSERT_NE(stream, nullptr);
    {
        xirr_xml_file_reader reader(stream);
        EXPECT_EQ(next_tag(reader), "a");
        char buffer[10];
        EXPECT_EQ(reader.read_data(buffer, sizeof buffer), 1);
        EXPECT_STREQ(buffer, "b");
        EXPECT_EQ(reader.read_char(), -1);
    }
    fclose(stream);

    xirr_xml_file_reader none(nullptr);
    EXPECT_EQ(none.read_char(), -1);
    EXPECT_EQ(next_tag(none), "");
    EXPECT_THAT(log.text(), HasSubstr("Error in xirr_xml_file_reader::xirr_xml_file_reader(), NULL "
                                      "file handle."));
}

}  // namespace
