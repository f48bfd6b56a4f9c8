#include "foundation/xml_file_reader.h"
#include "foundation/xml_file_writer.h"
#include "foundation/xml_writer.h"

#include "captured_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using ::testing::HasSubstr;

namespace {

// Collects everything written; every write fails once fail is set.
class string_writer : public xirr_xml_writer {
public:
    int write_raw(const char *text) override
    {
        if (fail)
            return -1;
        out += text;
        return (int)std::string(text).size();
    }
    std::string out;
    int fail = 0;
};

// Reads the text of the leaf `name` inside a root element back from xml.
std::string read_leaf_back(std::string xml, const char *name, int *result)
{
    FILE *stream = fmemopen(&xml[0], xml.size(), "rb");
    std::string value;
    *result = 0;
    {
        xirr_xml_file_reader reader(stream);
        char buffer[10000];
        while (reader.read_tag(buffer, sizeof buffer)) {
            if (std::string(buffer) == name) {
                *result = reader.read_data(buffer, sizeof buffer);
                value = buffer;
            }
        }
    }
    fclose(stream);
    return value;
}

TEST(XmlWriter, WritesTheFileShape)
{
    string_writer w;
    EXPECT_EQ(w.write_header(), 1);
    w.write_tag("root", 1, nullptr);
    w.write_tag("uuid", 0, nullptr);
    w.write_string("a<b");
    w.end_tag(nullptr, 0);
    w.write_tag("list", 1, nullptr);
    w.write_tag("item", 1, nullptr);
    w.write_tag("x", 0, nullptr);
    w.write_string("48");
    w.end_tag("x", 0);
    w.end_tag("item", 1);
    w.end_tag("list", 1);
    w.write_tag("empty", 0, nullptr);
    w.write_string("");
    w.end_tag(nullptr, 0);
    w.end_tag("root", 1);
    w.write_newline();
    EXPECT_EQ(w.out,
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
              "<root>\n"
              "  <uuid>a&lt;b</uuid>\n"
              "  <list>\n"
              "    <item>\n"
              "      <x>48</x>\n"
              "    </item>\n"
              "  </list>\n"
              "  <empty></empty>\n"
              "</root>\n"
              "\n");
    EXPECT_EQ(w.failed(), 0);
}

TEST(XmlWriter, EscapesTextAndNamesAndReplacesUnreadableBytes)
{
    struct {
        const char *value;
        const char *written;
        const char *read_back;
    } cases[] = {
        {"a<b", "a&lt;b", "a<b"},
        {"x & y > z", "x &amp; y &gt; z", "x & y > z"},
        {"&lt; is literal", "&amp;lt; is literal", "&lt; is literal"},
        {"two\nlines\r\n", "two.lines..", "two.lines.."},
        {"tab\there", "tab.here", "tab.here"},
        {"caf\xe9 \x7f\x01", "caf. ..", "caf. .."},
        {"", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        string_writer w;
        w.write_tag("r", 1, nullptr);
        w.write_tag("v", 0, nullptr);
        w.write_string(c.value);
        w.end_tag(nullptr, 0);
        w.end_tag(nullptr, 1);
        EXPECT_EQ(w.out, std::string("<r>\n  <v>") + c.written + "</v>\n</r>\n");
        int result;
        EXPECT_EQ(read_leaf_back(w.out, "v", &result), c.read_back);
        EXPECT_EQ(result, 1);
    }
    string_writer names;
    names.write_tag("a<b\n", 0, nullptr);
    names.end_tag(nullptr, 0);
    EXPECT_EQ(names.out, "<a&lt;b.></a&lt;b.>\n");
}

TEST(XmlWriter, EveryByteValueReadsBackAsWritten)
{
    std::string all;
    for (int c = 1; c < 256; c++)
        all += (char)c;
    string_writer w;
    w.write_tag("r", 1, nullptr);
    w.write_tag("v", 0, nullptr);
    w.write_string(all.c_str());
    w.end_tag(nullptr, 0);
    w.end_tag(nullptr, 1);
    std::string expected;
    for (unsigned char c : all)
        expected += (c >= 32 && c <= 126) ? (char)c : '.';
    int result;
    EXPECT_EQ(read_leaf_back(w.out, "v", &result), expected);
    EXPECT_EQ(result, 1);
}

TEST(XmlWriter, AttributesAreWrittenRaw)
{
    string_writer w;
    w.write_tag("a", 0, "x=\"1\" y='&'");
    w.end_tag(nullptr, 0);
    EXPECT_EQ(w.out, "<a x=\"1\" y='&'></a>\n");
}

TEST(XmlWriter, EndTagClosesTheInnermostElementWhateverWasExpected)
{
    captured_log log;
    string_writer w;
    w.write_tag("outer", 1, nullptr);
    w.write_tag("inner", 0, nullptr);
    w.end_tag("outer", 0);
    EXPECT_EQ(w.out, "<outer>\n  <inner></inner>\n");
    EXPECT_THAT(log.text(), HasSubstr("Warning in xirr_xml_writer::end_tag(), tried to close wrong tag.\n"));
}

TEST(XmlWriter, EndTagOnAnEmptyStackWritesABogusNameAndUnindentsLaterTags)
{
    captured_log log;
    string_writer w;
    w.end_tag(nullptr, 1);
    w.write_tag("a", 1, nullptr);   // depth -1: no indentation
    w.write_tag("b", 1, nullptr);   // depth 0
    w.write_tag("c", 0, nullptr);   // depth 1
    EXPECT_EQ(w.out, "</_BOGUS_ENDING_TAG_>\n<a>\n<b>\n  <c>");
    EXPECT_THAT(log.text(), HasSubstr("Error in xirr_xml_writer::end_tag(), tag stack empty.\n"));
}

TEST(XmlWriter, NullArgumentsWriteNothing)
{
    captured_log log;
    string_writer w;
    w.write_tag(nullptr, 1, nullptr);
    w.write_string(nullptr);
    w.write_tag("a", 0, nullptr);   // not indented: the null tag left the depth alone
    EXPECT_EQ(w.out, "<a>");
    EXPECT_THAT(log.text(), HasSubstr("Error in xirr_xml_writer::write_tag(), NULL tag.\n"));
    EXPECT_THAT(log.text(), HasSubstr("Error in xirr_xml_writer::write_string(), NULL data.\n"));
}

TEST(XmlWriter, OutputFailuresAreReported)
{
    string_writer w;
    w.fail = 1;
    EXPECT_EQ(w.write_header(), 0);
    EXPECT_EQ(w.failed(), 1);

    string_writer late;
    EXPECT_EQ(late.write_header(), 1);
    late.fail = 1;
    late.write_tag("a", 0, nullptr);
    EXPECT_EQ(late.failed(), 1);
}

TEST(XmlFileWriter, PrintsToTheStreamAndFailsWithoutOne)
{
    char *data = nullptr;
    size_t size = 0;
    FILE *stream = open_memstream(&data, &size);
    ASSERT_NE(stream, nullptr);
    {
        xirr_xml_file_writer w(stream);
        w.write_tag("a", 0, nullptr);
        w.write_string("1");
        w.end_tag(nullptr, 0);
        EXPECT_EQ(w.failed(), 0);
    }
    fclose(stream);
    EXPECT_EQ(std::string(data, size), "<a>1</a>\n");
    free(data);

    captured_log log;
    xirr_xml_file_writer none(nullptr);
    EXPECT_EQ(none.write_header(), 0);
    EXPECT_EQ(none.failed(), 1);
    EXPECT_THAT(log.text(), HasSubstr("Error in xirr_xml_file_writer::xirr_xml_file_writer(), NULL "
                                      "file handle.\n"));
}

}  // namespace
