#include "display/view_painter.h"

#include "../foundation/captured_log.h"
#include "display/selection.h"
#include "display/text_store.h"
#include "gfx/xirr_bitmap.h"
#include "gfx/xirr_glyph_set.h"
#include "view_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int char_w = 8;
constexpr int line_h = 10;

// Paints into a 100 x 50 bitmap with 8 x 10 block glyphs. The display
// line's top row is y = 50 - 10 - 1 = 39; character i covers x = 8i+1 ..
// 8i+7 with ink and 8i+8 blank.
class ViewPainter : public ::testing::Test {
protected:
    ViewPainter()
    {
        th_view::fill_block_glyphs(glyphs, char_w, line_h);
        int widths[256];
        store.set_metrics(widths, xirr_view_metrics(glyphs, 0, widths));
        store.set_client_size(bitmap.GetWidth(), bitmap.GetHeight());
    }

    xirr_rgb pixel(int x, int y) const
    {
        uint8_t rgba[4] = {0, 0, 0, 0};
        EXPECT_TRUE(bitmap.GetPixel(x, y, rgba));
        return {rgba[0], rgba[1], rgba[2]};
    }
    void paint(xirr_rgb background = {0, 0, 0})
    {
        xirr_paint_text_view(bitmap, glyphs, store, selection, background);
    }
    // Full ink blended over anything: channel * 255 / 256.
    static xirr_rgb inked(xirr_rgb c) { return {c.r * 255 >> 8, c.g * 255 >> 8, c.b * 255 >> 8}; }

    xirr_glyph_set glyphs;
    xirr_textctrl_store store;
    xirr_selection selection;
    xirr_bitmap bitmap{100, 50};
};

TEST_F(ViewPainter, MetricsComeFromTheGlyphs)
{
    int widths[256];
    EXPECT_EQ(xirr_view_metrics(glyphs, 0, widths), line_h);
    EXPECT_EQ(xirr_view_metrics(glyphs, 1, widths), line_h - 1);
    EXPECT_EQ(widths['A'], char_w);
    EXPECT_EQ(widths[' '], char_w);
    EXPECT_EQ(widths['\r'], 0);
    EXPECT_EQ(widths[0xC1], 0);
}

TEST_F(ViewPainter, LinesInTheirColoursUpwardsFromTheDisplayLine)
{
    const xirr_rgb background{0, 0, 80};
    store.set_colors(0xff5555, 0);
    store.append("A\n", 2);
    store.set_colors(0x55ff55, 0);
    store.append("xB", 2);
    paint(background);

    // The display line (line 1) has its top at y = 39, line 0 above it.
    EXPECT_EQ(pixel(1, 39), inked({0x55, 0xff, 0x55}));
    EXPECT_EQ(pixel(1, 48), inked({0x55, 0xff, 0x55}));
    EXPECT_EQ(pixel(9, 39), inked({0x55, 0xff, 0x55}));   // "B" after "x"
    EXPECT_EQ(pixel(1, 29), inked({0xff, 0x55, 0x55}));
    EXPECT_EQ(pixel(1, 38), inked({0xff, 0x55, 0x55}));
    // Around the text the background shows: column 0, the blank column of
    // a glyph, the row below the display line, the rows above line 0.
    EXPECT_EQ(pixel(0, 40), background);
    EXPECT_EQ(pixel(8, 40), background);
    EXPECT_EQ(pixel(1, 49), background);
    EXPECT_EQ(pixel(1, 28), background);
    EXPECT_EQ(pixel(17, 40), background);
}

TEST_F(ViewPainter, SelectedTextIsOpaqueOnDarkGrey)
{
    store.set_colors(0xffffff, 0);
    store.append("ab cd\nef", 8);
    selection.active = 1;
    selection.start = {0, 1};   // "b cd" of line 0 and "e" of line 1
    selection.end = {1, 0};
    paint({0, 0, 80});
    const xirr_rgb grey = XIRR_SELECTION_BACKGROUND;
    const xirr_rgb white = {254, 254, 254};
    // Line 0 at y = 29: "a" unselected, "b" selected with its blank column
    // grey, the selected space grey all over.
    EXPECT_EQ(pixel(1, 30), white);
    EXPECT_EQ(pixel(8, 30), (xirr_rgb{0, 0, 80}));
    EXPECT_EQ(pixel(9, 30), white);
    EXPECT_EQ(pixel(16, 30), grey);
    EXPECT_EQ(pixel(17, 30), grey);
    EXPECT_EQ(pixel(24, 30), grey);
    // Line 1: "e" selected, "f" not.
    EXPECT_EQ(pixel(8, 40), grey);
    EXPECT_EQ(pixel(16, 40), (xirr_rgb{0, 0, 80}));
}

TEST_F(ViewPainter, CharactersWithoutWidthAreNotDrawn)
{
    store.set_colors(0xffffff, 0);
    store.append("x\ry", 3);
    paint();
    // "y" follows "x" directly: the CR takes no room.
    EXPECT_EQ(pixel(9, 40), (xirr_rgb{254, 254, 254}));
    EXPECT_EQ(pixel(17, 40), (xirr_rgb{0, 0, 0}));
}

TEST_F(ViewPainter, ScrolledBackViewShowsTheLinesAboveTheDisplayLine)
{
    store.set_colors(0xffffff, 0);
    for (int i = 0; i < 10; i++)
        store.append(i == 5 ? "X\n" : " \n", 2);
    store.set_locked(1);
    store.set_display_line(5);
    paint();
    EXPECT_EQ(pixel(1, 40), (xirr_rgb{254, 254, 254}));
    EXPECT_EQ(pixel(1, 30), (xirr_rgb{0, 0, 0}));
}

TEST_F(ViewPainter, WithoutAFontHeightOnlyTheBackgroundIsDrawn)
{
    int widths[256] = {};
    store.set_metrics(widths, 0);
    store.append("text", 4);
    captured_log log(2);
    paint({9, 8, 7});
    EXPECT_EQ(pixel(1, 40), (xirr_rgb{9, 8, 7}));
    EXPECT_EQ(log.text(), "Error in xirr_textctrl::repaint_internal(), font height 0.\n");
}

}  // namespace
