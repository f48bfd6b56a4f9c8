// Window tests of the main menu bar and the built-in pictures: run under
// Xvfb (GDK_BACKEND=x11) with the real toolkit.

#include "app/builtin_images.h"
#include "app/main_menu.h"
#include "app/menu_table.h"
#include "config/zv_config.h"

#include "../window_test_support.h"

#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/image.h>
#include <wx/mstream.h>

namespace {

// A frame carrying the menu bar of a configuration at its defaults, whose
// setters mark the menu as the main window's hooks do.
struct menu_frame {
    ZvConfig config{"/nonexistent/th-menu-window-test"};
    wxFrame *frame = nullptr;
    xirr_main_menu *menu = nullptr;

    static void setting_changed(void *user, xirr_config_setting id, int value)
    {
        static_cast<menu_frame *>(user)->menu->show_setting(id, value);
    }
    static void system_audio_changed(void *user, int on)
    {
        static_cast<menu_frame *>(user)->menu->show_system_audio(on);
    }
    static constexpr xirr_config_hooks hooks = {
        &setting_changed, nullptr, nullptr, nullptr, nullptr, nullptr, &system_audio_changed,
    };

    menu_frame()
    {
        config.setup_default_config("");
        frame = new wxFrame(nullptr, wxID_ANY, "menu test");
        menu = new xirr_main_menu(config);
        frame->SetMenuBar(menu);
        frame->Show();
        config.set_hooks(&hooks, this);
    }
    ~menu_frame()
    {
        config.set_hooks(nullptr, nullptr);
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }

    // Whether the menu shows every item's mark as the configuration holds it.
    void expect_marks_match() const
    {
        struct walk {
            const menu_frame *f;
        } w{this};
        xirr_menu_walk(
            [](const xirr_menu_item &item, void *user) {
                const menu_frame *f = static_cast<walk *>(user)->f;
                if (item.target == XIRR_MENU_TARGET_NONE)
                    return;
                EXPECT_EQ(f->menu->IsChecked(item.id), xirr_menu_item_marked(item, f->config) != 0)
                    << item.label << " " << item.id;
            },
            &w);
    }
};

TEST(MainMenuWindow, BuiltFromTheTable)
{
    menu_frame f;
    ASSERT_EQ(f.menu->GetMenuCount(), xirr_menu_bar_count);
    for (size_t i = 0; i < xirr_menu_bar_count; i++)
        EXPECT_EQ(f.menu->GetMenuLabel(i), xirr_menu_bar[i].title);

    struct walk {
        xirr_main_menu *menu;
    } w{f.menu};
    xirr_menu_walk(
        [](const xirr_menu_item &item, void *user) {
            if (!item.id)
                return;
            xirr_main_menu *menu = static_cast<walk *>(user)->menu;
            SCOPED_TRACE(item.id);
            wxMenuItem *entry = menu->FindItem(item.id);
            ASSERT_NE(entry, nullptr);
            // "Online Maps" and "Maps" share an id; the lookup finds the first.
            if (entry->GetItemLabel() != wxString(item.label))
                return;
            EXPECT_EQ(entry->IsCheckable(), item.kind == XIRR_MENU_CHECK || item.kind == XIRR_MENU_RADIO);
            EXPECT_EQ(entry->IsRadio(), item.kind == XIRR_MENU_RADIO);
            EXPECT_EQ(entry->IsEnabled(), !item.disabled);
        },
        &w);
    EXPECT_FALSE(f.menu->IsEnabled(XIRR_ID_POPUPS_NOT_CONNECTED));
    f.expect_marks_match();
}

TEST(MainMenuWindow, MarksFollowTheSetters)
{
    menu_frame f;
    const struct {
        const char *what;
        int id;
        int marked;   // the chosen item's mark afterwards
    } cases[] = {
        {"a check item switched off", XIRR_ID_HP_BAR, 0},
        {"and on again", XIRR_ID_HP_BAR, 1},
        {"a radio item of another group member", XIRR_ID_STYLE_MAZE3, 1},
        {"a theme colour", XIRR_ID_BUTTON_COLOR_FIRST + 8, 1},
        {"the layout", XIRR_ID_LAYOUT_EMBEDDED, 1},
        {"the system audio", XIRR_ID_ENABLE_SOUNDS, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const xirr_menu_item *item = xirr_menu_find(c.id);
        ASSERT_NE(item, nullptr);
        ASSERT_EQ(xirr_menu_item_choose(*item, f.config), 1);
        EXPECT_EQ(f.menu->IsChecked(c.id), c.marked != 0);
        f.expect_marks_match();
    }
    EXPECT_FALSE(f.menu->IsChecked(XIRR_ID_STYLE_MAZE2));
    EXPECT_FALSE(f.menu->IsChecked(XIRR_ID_LAYOUT_LEFT_BOTTOM));
}

TEST(MainMenuWindow, ShowAllBringsBackEveryMark)
{
    menu_frame f;
    // Changes the menu did not hear about: a configuration switched without
    // hooks, and a value no radio item selects, which leaves its group alone.
    f.config.set_hooks(nullptr, nullptr);
    f.config.set_current_layout(1);
    f.config.set_local_echo(0);
    f.config.set_theme_bg_setting(0);
    f.config.set_current_theme(3);
    f.menu->show_all(f.config);
    f.config.set_hooks(&menu_frame::hooks, &f);

    EXPECT_TRUE(f.menu->IsChecked(XIRR_ID_LAYOUT_LEFT_TOP));
    EXPECT_FALSE(f.menu->IsChecked(XIRR_ID_LOCAL_ECHO));
    EXPECT_TRUE(f.menu->IsChecked(XIRR_ID_STYLE_NONE));
    EXPECT_TRUE(f.menu->IsChecked(XIRR_ID_BUTTON_COLOR_FIRST + 6));   // still Blue

    f.menu->show_setting(xirr_cfg_theme_bg_setting, 99);
    EXPECT_TRUE(f.menu->IsChecked(XIRR_ID_STYLE_NONE));
}

TEST(MainMenuWindow, BuiltinImagesDecode)
{
    const struct {
        int image;
        int width, height;
        bool alpha;   // the banner is opaque, so the toolkit drops its alpha
    } cases[] = {
        {XIRR_IMAGE_BANNER, 192, 43, false},
        {XIRR_IMAGE_PADLOCK, 21, 21, true},
        {XIRR_IMAGE_ICON_UNARMED, 17, 17, true},
        {XIRR_IMAGE_ICON_ASLEEP, 17, 17, true},
        {XIRR_IMAGE_ICON_BURNING_HANDS, 17, 17, true},
        {XIRR_IMAGE_ICON_SHOCKING_GRASP, 17, 17, true},
        {XIRR_IMAGE_ICON_SICKENING_TOUCH, 17, 17, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.image);
        const unsigned char *data = nullptr;
        size_t size = 0;
        ASSERT_EQ(xirr_builtin_image_png(c.image, &data, &size), 1);
        wxMemoryInputStream stream(data, size);
        wxImage image(stream, wxBITMAP_TYPE_PNG);
        ASSERT_TRUE(image.IsOk());
        EXPECT_EQ(image.GetWidth(), c.width);
        EXPECT_EQ(image.GetHeight(), c.height);
        EXPECT_EQ(image.HasAlpha(), c.alpha);
        if (c.alpha) {
            EXPECT_EQ(image.GetAlpha(0, 0), 0);   // transparent corner
        }
    }
}

}  // namespace

int main(int argc, char **argv)
{
    return th_window::run_all_tests(argc, argv);
}
