#include "foundation/ascii_text.h"

#include "foundation/debug_log.h"
#include "foundation/transliteration_table.h"

#include <cstring>

namespace {

// The ASCII form of one code point (not 0). ASCII characters that are kept
// are written to single, which must hold two bytes.
const char *ascii_form(uint32_t code_point, char *single)
{
    bool kept = code_point == '\t' || code_point == '\n' || code_point == '\r' ||
                (code_point >= 32 && code_point <= 126);
    if (kept) {
        single[0] = (char)code_point;
        single[1] = '\0';
        return single;
    }
    const char *text = code_point >= 128 ? xirr_transliteration(code_point) : nullptr;
    return text ? text : ".";
}

// Calls append(form) with the ASCII form of every character of wide up to
// length or a zero, whichever comes first.
template <typename Append>
void for_each_ascii_form(const wchar_t *wide, size_t length, Append append)
{
    char single[2];
    // wchar_t is signed on some platforms: a negative value is no code point
    // and, read as a large unsigned one, has no entry.
    for (size_t i = 0; i < length && wide[i] != 0; i++)
        append(ascii_form((uint32_t)wide[i], single));
}

}  // namespace

const char *decode_utf8_char(const char *text, uint32_t *code_point)
{
    if (!text || !code_point)
        return nullptr;
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(text);
    unsigned lead = bytes[0];
    if (lead == 0)
        return nullptr;
    if (lead < 0x80) {
        *code_point = lead;
        return text + 1;
    }
    if (lead < 0xC0) {   // stray continuation byte
        *code_point = lead & 0x3F;
        return text + 1;
    }
    if (lead >= 0xF8) {  // no UTF-8 sequence starts with these
        *code_point = '.';
        return text + 1;
    }
    int continuations = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    uint32_t value = lead & (0x3Fu >> continuations);
    for (int i = 1; i <= continuations; i++) {
        if ((bytes[i] & 0xC0) != 0x80) {  // cut short; the terminator stops here too
            *code_point = value;
            return text + i;
        }
        value = value << 6 | (bytes[i] & 0x3F);
    }
    // The smallest value each length may carry; below it the form is overlong.
    static const uint32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    bool invalid = value < smallest[continuations] || (value >= 0xD800 && value <= 0xDFFF) ||
                   value > 0x10FFFF;
    *code_point = invalid ? 0xFFFD : value;
    return text + 1 + continuations;
}

int to_ascii_text(const wchar_t *wide, size_t length, xirr_bounded_text *text)
{
    if (!wide || !text) {
        xirr_debug_log("Error in to_ascii_text(), NULL pointer passed in.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    bool whole = true;
    for_each_ascii_form(wide, length, [&](const char *form) {
        size_t form_length = strlen(form);
        whole = whole && text->length + form_length < xirr_bounded_text::capacity;
        text->append(form, form_length);
    });
    return whole;
}

int to_ascii_wide(const wchar_t *wide, size_t length, std::wstring *out)
{
    if (!wide || !out) {
        xirr_debug_log("Error in to_ascii_wide(), NULL pointer passed in.", XIRR_LOG_BAD_ARGUMENT);
        return 0;
    }
    for_each_ascii_form(wide, length, [&](const char *form) {
        for (; *form; form++)
            out->push_back((wchar_t)(unsigned char)*form);
    });
    return 1;
}
