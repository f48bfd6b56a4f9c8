#include "gfx/xirr_bitmap.h"
#include "gfx/xirr_glyph_set.h"

#include <gtest/gtest.h>

#include <string>

#include "bitmap_pictures.h"

using th_test::make_glyph;
using th_test::picture;
using th_test::pixel;
using th_test::rgba;
using th_test::rows;

TEST(xirr_glyph_blends, opaque_and_transparent_channel_values)
{
    struct blend_case {
        int coverage;
        xirr_rgb ink, paper;   // foreground (colour) and background (pixel already there)
        rgba opaque, transparent;
    };
    const blend_case cases[] = {
        // No ink: the background exactly, or the pixel left alone.
        {0, {255, 255, 255}, {10, 20, 30}, {10, 20, 30, 60}, {10, 20, 30, 60}},
        // The least ink already goes through the formula: 255 * 254 / 256.
        {1, {0, 0, 0}, {255, 255, 255}, {253, 253, 253, 60}, {253, 253, 253, 60}},
        // Full ink stops one short of the colour.
        {255, {255, 255, 255}, {0, 0, 0}, {254, 254, 254, 60}, {254, 254, 254, 60}},
        {128, {255, 0, 100}, {0, 255, 50}, {127, 126, 74, 60}, {127, 126, 74, 60}},
    };
    for (const blend_case &c : cases) {
        xirr_glyph glyph;
        ASSERT_TRUE(glyph.create(1, 1));
        glyph.row(0)[0] = static_cast<uint8_t>(c.coverage);
        // The opaque blend does not read the target; the transparent one
        // blends with it. Both leave alpha alone.
        xirr_bitmap opaque(1, 1), transparent(1, 1);
        opaque.Clear({99, 99, 99});
        transparent.Clear(c.paper);
        opaque.GetRow(0)[3] = transparent.GetRow(0)[3] = 60;
        opaque.DrawTextGlyph(glyph, 0, 0, c.ink, c.paper);
        transparent.DrawTextGlyphTransparent(glyph, 0, 0, c.ink);
        EXPECT_EQ(pixel(opaque, 0, 0), c.opaque) << "coverage " << c.coverage;
        EXPECT_EQ(pixel(transparent, 0, 0), c.transparent) << "coverage " << c.coverage;
    }
}

TEST(xirr_glyph_blends, glyph_clipped_at_the_top_left_starts_inside_the_mask)
{
    xirr_glyph_set font;
    make_glyph(font, 'a', {"#..", ".#.", "..#"});
    const xirr_rgb white{255, 255, 255}, grey{100, 100, 100};
    xirr_bitmap b(3, 3);
    b.DrawTextGlyph(*font.glyph_for_byte('a'), -1, -1, {255, 255, 255}, grey);
    EXPECT_EQ(picture(b, {{'#', {254, 254, 254}}, {'-', grey}}), rows({"#-.", "-#.", "..."}));

    xirr_bitmap t(3, 3);
    t.DrawTextGlyphTransparent(*font.glyph_for_byte('a'), 1, 1, white);
    EXPECT_EQ(picture(t, {{'#', {254, 254, 254}}}), rows({"...", ".#.", "..#"}));
}

namespace {

// 'A' 2 x 3 and 'B' 3 x 2; nothing else.
void make_font(xirr_glyph_set &font)
{
    make_glyph(font, 'A', {"#.", "##", "#."});
    make_glyph(font, 'B', {"###", "+.#"});
}

}  // namespace

TEST(xirr_text, draws_glyph_after_glyph_by_their_widths)
{
    xirr_glyph_set font;
    make_font(font);
    const xirr_rgb fg{200, 200, 200}, bg{0, 0, 90};
    struct text_case {
        const char *name;
        const char *text;
        int x, y;
        std::string expected;
    };
    const char *blank = "........\n........\n........\n";
    const text_case cases[] = {
        {"two glyphs", "AB", 1, 0, rows({".#-###..", ".##?-#..", ".#-....."})},
        {"a byte above 127 draws its code modulo 128", "\xC1" "A", 0, 0, rows({"#-#-....", "####....", "#-#-...."})},
        {"bytes without a glyph are skipped without space", "A\t\x7f\x80" "B", 0, 0,
         rows({"#-###...", "##?-#...", "#-......"})},
        {"cut at the right edge", "BBB", 4, 1, rows({"........", "....####", "....?-#?"})},
        {"starting left of the bitmap", "AB", -3, 0, rows({"##......", "-#......", "........"})},
        {"starting below: nothing", "AB", 0, 4, blank},
        {"starting right of the bitmap: nothing", "AB", 9, 0, blank},
        {"empty text", "", 0, 0, blank},
        {"null text", nullptr, 0, 0, blank},
    };
    for (const text_case &c : cases) {
        xirr_bitmap b(8, 3);
        b.DrawText(font, c.text, c.x, c.y, fg, bg);
        EXPECT_EQ(picture(b, {{'#', {199, 199, 199}}, {'-', bg}}), c.expected) << c.name;
    }
}

TEST(xirr_text, transparent_text_leaves_uninked_pixels)
{
    xirr_glyph_set font;
    make_font(font);
    xirr_bitmap b(6, 3);
    b.Clear({0, 0, 90});
    b.DrawTextTransparent(font, "AB", 0, 0, {255, 255, 255});
    EXPECT_EQ(picture(b, {{'#', {254, 254, 254}}, {'-', {0, 0, 90}}}), rows({"#-###-", "##?-#-", "#-----"}));
}

TEST(xirr_glyph_set, extents_come_from_the_cached_glyphs)
{
    xirr_glyph_set font;
    make_font(font);
    struct char_case {
        int code, w, h;
    };
    const char_case chars[] = {{'A', 2, 3}, {'B', 3, 2}, {'C', 0, 0}, {31, 0, 0}, {127, 0, 0}, {'A' + 128, 0, 0}, {-1, 0, 0}};
    for (const char_case &c : chars) {
        int w = -1, h = -1;
        font.character_extent(c.code, &w, &h);
        EXPECT_EQ(w, c.w) << c.code;
        EXPECT_EQ(h, c.h) << c.code;
    }
    struct text_case {
        const char *text;
        int w, h;   // widths summed, height of the last glyph found
    };
    const text_case texts[] = {{"AB", 5, 2}, {"BA", 5, 3}, {"B\xC1", 5, 3}, {"AC\n", 2, 3}, {"\x01", 0, 0}, {"", 0, 0}, {nullptr, 0, 0}};
    for (const text_case &t : texts) {
        int w = -1, h = -1;
        font.text_extent(t.text, &w, &h);
        EXPECT_EQ(w, t.w) << (t.text ? t.text : "(null)");
        EXPECT_EQ(h, t.h) << (t.text ? t.text : "(null)");
    }
}

TEST(xirr_glyph_set, only_printable_codes_have_slots)
{
    xirr_glyph_set font;
    EXPECT_EQ(font.slot(31), nullptr);
    EXPECT_EQ(font.slot(127), nullptr);
    EXPECT_EQ(font.slot(-5), nullptr);
    ASSERT_NE(font.slot(32), nullptr);
    ASSERT_NE(font.slot(126), nullptr);
    EXPECT_EQ(font.glyph_for_byte(' '), nullptr);   // empty until rendered

    make_font(font);
    EXPECT_NE(font.glyph_for_byte('A'), nullptr);
    font.clear_glyphs();
    EXPECT_EQ(font.glyph_for_byte('A'), nullptr);

    // A failed create leaves the glyph empty, not half made.
    xirr_glyph glyph;
    ASSERT_TRUE(glyph.create(2, 2));
    EXPECT_FALSE(glyph.create(0, 4));
    EXPECT_TRUE(glyph.is_empty());
    EXPECT_EQ(glyph.get_width(), 0);
    EXPECT_FALSE(glyph.create(XIRR_BITMAP_MAX_SIDE + 1, 1));
}
