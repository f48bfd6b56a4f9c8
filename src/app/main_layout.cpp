#include "app/main_layout.h"

#include "config/zv_config.h"

#include <algorithm>

namespace {

constexpr int edge_gap = 2;                  // at the window's edges
constexpr int button_row_height = 46;
constexpr int status_bar_height = 21;
constexpr int gauge_row_height = 21;         // two rows with both hp and enemy bars
constexpr int direction_width = 97;          // also the hint buttons' width
constexpr int direction_height = 130;
constexpr int direction_hint_gap = 4;
constexpr int left_column_width = 160;       // without a docked map
constexpr int fkey_bar_width = 8 * 46 - 10;
constexpr int map_group_gap = 10;
constexpr int embedded_group_offset = 10;    // embedded group display without a map

constexpr int playing = 2;

xirr_layout_child placed(int x, int y, int width, int height, int shown)
{
    xirr_layout_child child;
    child.rect = {x, y, std::max(1, width), std::max(1, height)};
    child.shown = shown;
    return child;
}

int group_shown(const xirr_main_layout_input &in)
{
    return in.group_status_display != 0 && in.group_members > 0;
}

// Layouts 1 and 2: the docked map and the group display in the left column.
// Returns the column's width, gaps included (0 when it holds nothing).
int place_left_column(const xirr_main_layout_input &in, int button_row, xirr_main_layout *out)
{
    const int map_width = std::max(1, in.map_width);
    const int map_height = std::max(1, in.map_height);
    const int group_height = std::max(1, in.group_height);
    const int map_docked = in.automap_docked && in.automap_display;
    const int top = in.current_layout == 1;

    if (map_docked) {
        int map_y = top ? edge_gap : in.height - map_height - edge_gap;
        out->automap = placed(edge_gap, map_y, map_width, map_height, 1);
        int group_y = top ? map_y + map_height + map_group_gap
                          : map_y - map_group_gap - group_height;
        out->group_display = placed(edge_gap, group_y, map_width, group_height, group_shown(in));
    } else {
        int bottom = in.height - edge_gap - (button_row ? button_row_height : 0);
        int group_y = top ? edge_gap : bottom - group_height;
        out->group_display =
            placed(edge_gap, group_y, left_column_width, group_height, group_shown(in));
    }
    if (map_docked)
        return map_width + 2 * edge_gap;
    return in.group_status_display != 0 ? left_column_width + 2 * edge_gap : 0;
}

}  // namespace

xirr_embedded_layout xirr_layout_embedded(const xirr_main_layout_input &in, int text_width)
{
    xirr_embedded_layout out;
    const int map_width = std::max(1, in.map_width);
    const int map_height = std::max(1, in.map_height);
    const int group_height = std::max(1, in.group_height);

    if (in.automap_docked) {
        out.automap = placed(text_width - map_width - 2 * in.map_margin, 2 * in.map_margin,
                             map_width, map_height,
                             in.automap_display && in.login_state == playing);
    }
    if (out.automap.shown) {
        const xirr_layout_rect &map = out.automap.rect;
        out.group_display = placed(map.x, map.y + map.height + map_group_gap, map.width,
                                   group_height, group_shown(in));
    } else {
        out.group_display = placed(text_width - text_width / 5 - embedded_group_offset,
                                   embedded_group_offset,
                                   text_width / 5, group_height, group_shown(in));
    }
    return out;
}

xirr_main_layout xirr_layout_main_window(const xirr_main_layout_input &in)
{
    xirr_main_layout out;
    const int W = in.width;
    const int H = in.height;
    const int embedded = in.current_layout != 1 && in.current_layout != 2;
    const int is_playing = in.login_state == playing;

    if (!in.automap_docked) {
        out.automap = placed(0, 0, in.map_width, in.map_height, in.automap_display);
        out.automap_parent = XIRR_PARENT_MAP_FRAME;
        out.map_frame = out.automap;
    } else {
        out.automap_parent = embedded ? XIRR_PARENT_MAIN_DISPLAY : XIRR_PARENT_MAIN_WINDOW;
    }
    out.group_parent = embedded ? XIRR_PARENT_MAIN_DISPLAY : XIRR_PARENT_MAIN_WINDOW;

    // The right column: direction buttons above the hint buttons.
    int remaining_width = W;
    if (in.direction_button_enable || in.hint_button_enable) {
        const int x = W - direction_width - edge_gap;
        if (in.direction_button_enable)
            out.direction_buttons = placed(x, edge_gap, direction_width, direction_height, 1);
        if (in.hint_button_enable) {
            int y = in.direction_button_enable ? edge_gap + direction_height + direction_hint_gap
                                               : edge_gap;
            out.hint_buttons = placed(x, y, direction_width, H - y, 1);
        }
        remaining_width = W - direction_width - 2 * edge_gap;
    }

    const int button_row = in.fkey_button_display || in.popup_display;
    const int left = embedded ? 0 : place_left_column(in, button_row, &out);

    // The bottom row runs from the left column to the window's right edge.
    int bottom = H;
    if (button_row) {
        bottom -= button_row_height;
        if (in.fkey_button_display)
            out.fkey_bar = placed(left, bottom, fkey_bar_width, button_row_height, 1);
        if (in.popup_display) {
            int x = in.fkey_button_display ? left + fkey_bar_width : left;
            out.popup_bar = placed(x, bottom, W - x, button_row_height, 1);
        }
    }

    // The centre, from the bottom up.
    const int width = std::max(1, remaining_width - left);
    if (in.status_bar) {
        bottom -= status_bar_height;
        out.status_bar = placed(left, bottom, width, status_bar_height, is_playing);
    }
    const int input_height = std::max(1, in.input_height);
    bottom -= input_height;
    out.input_panel = placed(left, bottom, width, input_height, 1);

    int gauge_height = 0;
    if (in.enemy_hpbar_enable && in.hpbar_enable)
        gauge_height = 2 * gauge_row_height;
    else if (in.enemy_hpbar_enable || in.hpbar_enable || in.exp_display)
        gauge_height = gauge_row_height;
    if (gauge_height) {
        bottom -= gauge_height;
        out.gauge_strip = placed(left, bottom, width, gauge_height, is_playing);
    }

    int top = 0;
    if (is_playing && in.channel_window_enable) {
        long long share = (long long)bottom * in.channel_window_height / 100;
        out.channel_window = placed(left, 0, width, (int)std::max(1LL, share), 1);
        top = out.channel_window.rect.height;
    }
    out.main_display = placed(left, top, width, bottom - top, 1);

    if (embedded) {
        xirr_embedded_layout inside =
            xirr_layout_embedded(in, out.main_display.rect.width - in.display_frame_width);
        if (in.automap_docked)
            out.automap = inside.automap;
        out.group_display = inside.group_display;
    }
    return out;
}

void xirr_layout_read_settings(const ZvConfig &config, xirr_main_layout_input *in)
{
    in->current_layout = config.get_current_layout();
    in->automap_docked = config.get_automap_docked();
    in->automap_display = config.get_automap_display();
    in->group_status_display = config.get_group_status_display();
    in->fkey_button_display = config.get_fkey_button_display();
    in->popup_display = config.get_popup_display();
    in->direction_button_enable = config.get_direction_button_enable();
    in->hint_button_enable = config.get_hint_button_enable();
    in->status_bar = config.get_status_bar();
    in->input_height = config.get_input_height();
    in->hpbar_enable = config.get_hpbar_enable();
    in->exp_display = config.get_exp_display();
    in->enemy_hpbar_enable = config.get_enemy_hpbar_enable();
    in->channel_window_enable = config.get_channel_window_enable();
    in->channel_window_height = config.get_channel_window_height();
}

xirr_banner_layout xirr_layout_banner(int current_layout, int width, int height, int bw, int bh,
                                      int tw, int th)
{
    xirr_banner_layout b;
    b.rect.width = bw > tw ? bw : tw;
    b.rect.height = bh + th - 5;
    const int half = b.rect.width / 2;
    switch (current_layout) {
    case 2:   // left bottom: the top left corner is free
        b.banner_x = half - bw / 2;
        b.banner_y = 0;
        b.text_x = half - tw / 2;
        b.text_y = bh - 5;
        break;
    case 1:   // left top: the bottom left corner
        b.banner_x = half - bw / 2;
        b.banner_y = height - bh - th + 10;
        b.text_x = half - tw / 2;
        b.text_y = height - th;
        b.rect.y = height - b.rect.height;
        break;
    default:  // embedded: the bottom right corner
        b.banner_x = width - half - bw / 2;
        b.banner_y = height - bh - th + 10;
        b.text_x = width - half - tw / 2;
        b.text_y = height - th;
        b.rect.x = width - b.rect.width;
        b.rect.y = height - b.rect.height;
        break;
    }
    return b;
}
