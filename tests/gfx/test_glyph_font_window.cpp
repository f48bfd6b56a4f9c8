// Window tests of the toolkit side of drawing: the glyph masks the three
// shared fonts render, the copy of a bitmap into a toolkit bitmap, and a
// window that paints text drawn through the fonts, read back from the
// screen. Run under Xvfb with GDK_BACKEND=x11.

#include "gfx/shared_fonts.h"
#include "gfx/xirr_bitmap.h"
#include "gfx/xirr_bitmap_to_wx.h"
#include "gfx/xirr_glyph_font.h"

#include <gtest/gtest.h>

#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/rawbmp.h>
#include <wx/window.h>

#include <algorithm>

#include "../foundation/captured_log.h"
#include "../window_test_support.h"
#include "bitmap_pictures.h"

namespace {

struct font_case {
    const char *name;
    xirr_glyph_font *(*get)();
};

const font_case shared_fonts[] = {
    {"main text font", xirr_main_text_font},
    {"small button font", xirr_small_button_font},
    {"status font", xirr_status_font},
};

int most_ink(const xirr_glyph &glyph, int first_row, int last_row)
{
    int most = 0;
    for (int y = std::max(first_row, 0); y <= std::min(last_row, glyph.get_height() - 1); y++)
        for (int x = 0; x < glyph.get_width(); x++)
            most = std::max(most, static_cast<int>(glyph.row(y)[x]));
    return most;
}

class shared_font_test : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(xirr_create_shared_fonts(8), 1); }
    static void TearDownTestSuite() { xirr_destroy_shared_fonts(); }
};

}  // namespace

TEST_F(shared_font_test, every_printable_character_has_a_coverage_mask)
{
    for (const font_case &f : shared_fonts) {
        const xirr_glyph_font *font = f.get();
        ASSERT_NE(font, nullptr) << f.name;
        int line_w = 0, line_h = 0;
        font->character_extent('M', &line_w, &line_h);
        for (int code = XIRR_GLYPH_FIRST; code <= XIRR_GLYPH_LAST; code++) {
            const xirr_glyph *glyph = font->glyph_for_byte(static_cast<unsigned char>(code));
            ASSERT_NE(glyph, nullptr) << f.name << ", code " << code;
            EXPECT_EQ(glyph->get_height(), line_h) << f.name << ", code " << code;
        }
        EXPECT_EQ(font->glyph_for_byte('\t'), nullptr);

        const int h = line_h;
        EXPECT_EQ(most_ink(*font->glyph_for_byte(' '), 0, h), 0) << f.name;
        EXPECT_GT(most_ink(*font->glyph_for_byte('M'), 0, h), 200) << f.name;
        // White on black read through the green byte: ink where the shape
        // is, in the right rows.
        EXPECT_EQ(most_ink(*font->glyph_for_byte('_'), 0, h / 3), 0) << f.name;
        EXPECT_GT(most_ink(*font->glyph_for_byte('_'), h / 2, h), 50) << f.name;
        EXPECT_GT(most_ink(*font->glyph_for_byte('\''), 0, h / 2), 50) << f.name;
        EXPECT_EQ(most_ink(*font->glyph_for_byte('\''), h * 3 / 4, h), 0) << f.name;
    }

    // The main text font is fixed-pitch: one width for every character.
    const xirr_glyph_font *main_font = xirr_main_text_font();
    int m_w = 0, m_h = 0, i_w = 0, i_h = 0, text_w = 0, text_h = 0;
    main_font->character_extent('M', &m_w, &m_h);
    main_font->character_extent('i', &i_w, &i_h);
    main_font->text_extent("Mi i", &text_w, &text_h);
    EXPECT_EQ(i_w, m_w);
    EXPECT_EQ(text_w, 4 * m_w);
    EXPECT_EQ(text_h, m_h);

    // 8 points above 6 points.
    int small_w = 0, small_h = 0, status_w = 0, status_h = 0;
    xirr_small_button_font()->character_extent('M', &small_w, &small_h);
    xirr_status_font()->character_extent('M', &status_w, &status_h);
    EXPECT_LT(small_h, status_h);
}

TEST_F(shared_font_test, created_once_and_changed_in_place)
{
    xirr_glyph_font *main_font = xirr_main_text_font();
    {
        captured_log log(1);
        EXPECT_EQ(xirr_create_shared_fonts(12), 0);
        EXPECT_EQ(log.text(), "Error in xirr_create_shared_fonts(), the fonts already exist.\n");
    }
    EXPECT_EQ(xirr_main_text_font(), main_font);

    int w8 = 0, h8 = 0, w16 = 0, h16 = 0;
    main_font->character_extent('M', &w8, &h8);
    main_font->SetPointSize(16);
    main_font->character_extent('M', &w16, &h16);
    EXPECT_GT(h16, h8);
    EXPECT_GT(w16, w8);

    // Copying keeps the other font's face as well as its family and size.
    const wxFont serif(10, wxFONTFAMILY_ROMAN, wxFONTSTYLE_ITALIC, wxFONTWEIGHT_BOLD, false, "DejaVu Serif");
    xirr_glyph_font copy(6, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    copy.copy_font(serif);
    EXPECT_EQ(copy.GetFaceName(), serif.GetFaceName());
    EXPECT_EQ(copy.GetPointSize(), 10);
    EXPECT_EQ(copy.GetStyle(), wxFONTSTYLE_ITALIC);
    EXPECT_EQ(copy.GetWeight(), wxFONTWEIGHT_BOLD);
    int serif_i = 0, serif_m = 0, h = 0;
    copy.character_extent('i', &serif_i, &h);
    copy.character_extent('M', &serif_m, &h);
    EXPECT_LT(serif_i, serif_m) << "glyphs rendered again in the proportional face";

    main_font->SetPointSize(8);
}

TEST(xirr_bitmap_to_wx, copies_straight_alpha_and_reuses_the_target)
{
    xirr_bitmap picture(5, 3);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 5; x++) {
            uint8_t *p = picture.GetRow(y) + x * 4;
            p[0] = static_cast<uint8_t>(x * 50);
            p[1] = static_cast<uint8_t>(y * 100);
            p[2] = 77;
            p[3] = static_cast<uint8_t>(255 - x * 30 - y * 20);
        }
    wxBitmap target;
    ASSERT_EQ(xirr_bitmap_to_wx(picture, &target), 1);
    ASSERT_EQ(target.GetWidth(), 5);
    ASSERT_EQ(target.GetHeight(), 3);

    // Redrawn content reaches the same target.
    picture.SetPixel(4, 2, 1, 2, 3);
    const wxBitmap first = target;
    ASSERT_EQ(xirr_bitmap_to_wx(picture, &target), 1);
    EXPECT_TRUE(target.IsSameAs(first));

    wxAlphaPixelData data(target);
    ASSERT_TRUE(data);
    wxAlphaPixelData::Iterator row(data);
    for (int y = 0; y < 3; y++, row.OffsetY(data, 1)) {
        wxAlphaPixelData::Iterator p = row;
        for (int x = 0; x < 5; x++, ++p) {
            const th_test::rgba expected = th_test::pixel(picture, x, y);
            EXPECT_EQ((th_test::rgba{p.Red(), p.Green(), p.Blue(), p.Alpha()}), expected) << x << ", " << y;
        }
    }

    // A new size makes a new target.
    const xirr_bitmap wider(7, 3);
    ASSERT_EQ(xirr_bitmap_to_wx(wider, &target), 1);
    EXPECT_EQ(target.GetWidth(), 7);
}

namespace {

// A borderless child that paints its picture the way the displays do: one
// copy into a toolkit bitmap, one DrawBitmap.
class picture_window : public wxWindow {
public:
    picture_window(wxWindow *parent, const xirr_bitmap &picture)
        : wxWindow(parent, wxID_ANY, wxPoint(0, 0), wxSize(picture.GetWidth(), picture.GetHeight()), wxBORDER_NONE),
          picture(picture)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent &) {
            wxPaintDC dc(this);
            if (xirr_bitmap_to_wx(this->picture, &screen))
                dc.DrawBitmap(screen, 0, 0);
            painted = true;
        });
    }
    xirr_bitmap picture;
    wxBitmap screen;
    bool painted = false;
};

}  // namespace

TEST_F(shared_font_test, a_window_shows_text_drawn_through_the_fonts_exactly)
{
    const xirr_rgb back{20, 40, 60};
    xirr_bitmap picture(360, 90);
    picture.Clear(back);
    picture.DrawText(*xirr_main_text_font(), "The quick brown fox, 0123456789!", 4, 4, {255, 255, 255}, back);
    picture.DrawText(*xirr_small_button_font(), "F1 small button font", 4, 30, {255, 255, 0}, {0, 0, 0});
    picture.DrawTextTransparent(*xirr_status_font(), "status: Hp 100/100 ~@#", 4, 50, {0, 255, 255});
    picture.DrawTextTransparent(*xirr_status_font(), "cut at the edge", 300, 70, {255, 0, 255});

    wxFrame *frame = new wxFrame(nullptr, wxID_ANY, "glyph fonts", wxPoint(0, 0), wxSize(400, 130));
    picture_window *window = new picture_window(frame, picture);
    frame->Show();
    ASSERT_TRUE(th_window::pump_until([&] { return window->painted; }));
    th_window::pump_for(200);

    // The frame stretches its only child: the picture is the top left part.
    const wxImage image = th_window::screen_of(window);
    ASSERT_GE(image.GetWidth(), picture.GetWidth());
    ASSERT_GE(image.GetHeight(), picture.GetHeight());
    int mismatches = 0, inked = 0;
    for (int y = 0; y < picture.GetHeight(); y++)
        for (int x = 0; x < picture.GetWidth(); x++) {
            const th_test::rgba p = th_test::pixel(picture, x, y);
            const th_test::rgba seen{image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y), 255};
            mismatches += seen != p;
            inked += p[0] != back.r || p[1] != back.g || p[2] != back.b;
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(inked, 500) << "the text left ink in the picture";
    frame->Destroy();
    th_window::pump_for(50);
}

int main(int argc, char **argv)
{
    return th_window::run_all_tests(argc, argv);
}
