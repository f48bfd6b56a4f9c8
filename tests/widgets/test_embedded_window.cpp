// Window tests of the embedded window base: run under Xvfb (GDK_BACKEND=x11),
// they paint real windows and read the pixels back from the screen.

#include "widgets/embedded_window.h"

#include "../foundation/captured_log.h"
#include "../window_test_support.h"

#include <gtest/gtest.h>

#include <wx/frame.h>

#include <vector>

namespace {

const xirr_rgb fill = {20, 40, 200};

// A display that draws a picture depending on every coordinate (so a shifted
// or scaled copy shows), then its frame; it records its layouts and renders.
class picture_window : public xirr_embedded_window {
public:
    explicit picture_window(wxWindow *parent, int sides = 0)
        : xirr_embedded_window(parent, wxID_ANY, "test display"), sides_(sides)
    {
    }
    void compute_layout(int bitmap_recreated) override { layouts.push_back(bitmap_recreated); }
    void render(xirr_bitmap &bitmap) override
    {
        renders++;
        bitmap.Clear(fill);
        if (!sides_) {
            for (int y = 0; y < bitmap.GetHeight(); y++)
                for (int x = 0; x < bitmap.GetWidth(); x++)
                    bitmap.SetPixel(x, y, (x * 4 + shade) & 255, y * 6 & 255, 77);
        }
        draw_border(sides_);
    }
    const xirr_bitmap &picture() { return bitmap(); }

    std::vector<int> layouts;
    int renders = 0;
    int shade = 0;

private:
    int sides_;
};

class flashing_window : public picture_window {
public:
    explicit flashing_window(wxWindow *parent) : picture_window(parent, XIRR_BORDER_LEFT) {}
    int animation_callback(int elapsed_ms) override { return flash_step(elapsed_ms); }
};

using th_window::pump_a_while;
using th_window::pump_until;
using th_window::screen_of;
using th_window::screen_pixel;

class embedded_window_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "embedded window test", wxPoint(0, 0), wxSize(300, 200));
        frame->Show();
    }
    void TearDown() override
    {
        frame->Destroy();
        pump_a_while();
    }

    // Shows the window at a place and size and waits for its first paint.
    template <typename Window>
    void show(Window *window, int x, int y, int w, int h)
    {
        window->set_position_and_size(x, y, w, h);
        window->Show();
        ASSERT_TRUE(pump_until([&] { return window->renders > 0; })) << "never painted";
        pump_a_while();
    }

    wxFrame *frame = nullptr;
};

TEST_F(embedded_window_test, paint_shows_the_rendered_bitmap_pixel_for_pixel)
{
    auto *window = new picture_window(frame);
    show(window, 7, 5, 60, 40);
    ASSERT_EQ(window->GetClientSize(), wxSize(60, 40));

    for (int shade : {0, 100}) {
        window->shade = shade;
        const int renders = window->renders;
        window->refresh();
        window->Update();
        pump_a_while();
        EXPECT_GE(window->renders, renders + 1);

        const wxImage screen = screen_of(window);
        const xirr_bitmap &picture = window->picture();
        int wrong = 0;
        for (int y = 0; y < 40; y++)
            for (int x = 0; x < 60; x++) {
                uint8_t p[4];
                picture.GetPixel(x, y, p);
                wrong += screen_pixel(screen, x, y) != xirr_rgb{p[0], p[1], p[2]};
            }
        EXPECT_EQ(wrong, 0) << "pixels differing from the bitmap, shade " << shade;
        EXPECT_EQ(screen_pixel(screen, 59, 39), (xirr_rgb{(59 * 4 + shade) & 255, 39 * 6 & 255, 77}));
    }
}

TEST_F(embedded_window_test, sizes_replace_the_bitmap_only_when_they_change)
{
    auto *window = new picture_window(frame);
    EXPECT_EQ(window->picture().GetWidth(), 20);
    EXPECT_EQ(window->picture().GetHeight(), 20);

    const struct {
        const char *what;
        int x, y, w, h;   // x < 0: set_size
        int bitmap_w, bitmap_h, recreated;
    } steps[] = {
        {"0 x 0 keeps a pixel", -1, 0, 0, 0, 1, 1, 1},
        {"the same size again", -1, 0, 1, -5, 1, 1, 0},
        {"moved and resized", 3, 4, 50, 30, 50, 30, 1},
        {"moved only", 9, 2, 50, 30, 50, 30, 0},
        {"resized only", -1, 0, 51, 30, 51, 30, 1},
    };
    for (const auto &s : steps) {
        const xirr_bitmap *before = &window->picture();
        window->layouts.clear();
        if (s.x < 0)
            window->set_size(s.w, s.h);
        else
            window->set_position_and_size(s.x, s.y, s.w, s.h);
        EXPECT_EQ(window->picture().GetWidth(), s.bitmap_w) << s.what;
        EXPECT_EQ(window->picture().GetHeight(), s.bitmap_h) << s.what;
        EXPECT_EQ(window->GetSize(), wxSize(s.bitmap_w, s.bitmap_h)) << s.what;
        EXPECT_EQ(window->layouts, std::vector<int>{s.recreated}) << s.what;
        if (!s.recreated) {
            EXPECT_EQ(&window->picture(), before) << s.what;
        }
        if (s.x >= 0) {
            EXPECT_EQ(window->GetPosition(), wxPoint(s.x, s.y)) << s.what;
        }
    }
    window->layouts.clear();
    window->relayout();
    EXPECT_EQ(window->layouts, std::vector<int>{1});
}

TEST_F(embedded_window_test, border_flash_blinks_the_frame_and_ends_plain)
{
    auto *window = new flashing_window(frame);
    show(window, 10, 10, 40, 20);
    const xirr_rgb white = {255, 255, 255}, black = {0, 0, 0}, grey = {128, 128, 128};

    window->start_flash();
    EXPECT_TRUE(xirr_display_animations.contains(window));
    pump_a_while();
    wxImage screen = screen_of(window);
    EXPECT_EQ(screen_pixel(screen, 20, 0), black) << "16 half-periods left: black, top added";
    EXPECT_EQ(screen_pixel(screen, 1, 10), black);
    EXPECT_EQ(screen_pixel(screen, 20, 10), fill);

    for (int i = 0; i < 10; i++)
        xirr_display_animations.tick(20);
    pump_a_while();
    screen = screen_of(window);
    EXPECT_EQ(screen_pixel(screen, 20, 0), white) << "after 200 ms: white";
    EXPECT_EQ(screen_pixel(screen, 1, 10), white);

    int ticks = 10;
    while (xirr_display_animations.contains(window) && ticks < 1000) {
        xirr_display_animations.tick(20);
        ticks++;
    }
    EXPECT_EQ(ticks * 20, 3200);
    pump_a_while();
    screen = screen_of(window);
    EXPECT_EQ(screen_pixel(screen, 20, 0), fill) << "plain frame: left side only";
    EXPECT_EQ(screen_pixel(screen, 0, 10), white);
    EXPECT_EQ(screen_pixel(screen, 1, 10), grey);
}

TEST_F(embedded_window_test, a_window_without_an_animation_leaves_the_list_with_an_error)
{
    captured_log log(1);
    auto *window = new picture_window(frame);
    window->start_flash();
    ASSERT_TRUE(xirr_display_animations.contains(window));
    xirr_display_animations.tick(20);
    EXPECT_FALSE(xirr_display_animations.contains(window));
    EXPECT_EQ(log.text(), "Error in xirr_embedded_window::animation_callback(), this handler should "
                          "never be called.\n");
}

} // namespace

int main(int argc, char **argv)
{
    return th_window::run_all_tests(argc, argv);
}
