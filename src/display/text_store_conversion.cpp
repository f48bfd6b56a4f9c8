#include "display/text_store_conversion.h"

namespace {

// The replacements of 0x80 to 0xFF, 32 per row.
constexpr char high_half[] =
    "E 'f\"-tt^%S<O Z  ''\"\"*--~ s>o zY"   // 0x80..0x9F
    " !cLoY|S-Ca<!-R-ox23'uP..1o>   ?"      // 0xA0..0xBF
    "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYPS"      // 0xC0..0xDF
    "aaaaaaaceeeeiiiionooooo/ouuuuypy";     // 0xE0..0xFF
static_assert(sizeof high_half == 128 + 1, "one replacement per byte of the high half");

constexpr xirr_textctrl_conversion_table make_table()
{
    xirr_textctrl_conversion_table table = {};
    for (int i = 0; i < 128; i++) {
        table.entries[i] = static_cast<char>(i);
        table.entries[128 + i] = high_half[i];
    }
    return table;
}

}  // namespace

const xirr_textctrl_conversion_table xirr_textctrl_conversion = make_table();
