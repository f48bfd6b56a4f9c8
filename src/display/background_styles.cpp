#include "display/background_styles.h"

#include "foundation/xirr_random.h"
#include "gfx/xirr_bitmap.h"

#include <cstdint>

namespace {

const xirr_rgb black = {0, 0, 0};

// Maze cells are 5 pixels apart; each row of cells has its own seed.
constexpr int maze_step = 5;

// Bubbles sit one per 16 x 16 cell, moved inside it at random.
constexpr int bubble_cell = 16;

// Starts the pattern of one row: the same seed always gives the same numbers.
void reseed_theme_random(uint32_t seed)
{
    xirr_theme_random.random_restore();
    xirr_theme_random.random_mix(static_cast<int>(seed));
}

// Maze1 and Maze2: from every cell corner one line of one cell to the right,
// down, left or up. Maze2 draws one line in eight in the light colour.
void draw_straight_maze(xirr_bitmap &bitmap, const xirr_background_theme &colours, int with_light)
{
    const int w = bitmap.GetWidth();
    const int h = bitmap.GetHeight();
    bitmap.Clear(black);
    for (int y = 0; y < h; y += maze_step) {
        reseed_theme_random(static_cast<uint32_t>(y));
        for (int x = 0; x < w; x += maze_step) {
            const uint32_t r = xirr_theme_random.random_next();
            const xirr_rgb colour = with_light && (r & 0x1C) == 0 ? colours.light : colours.middle;
            switch (r % 4) {
            case 0: bitmap.DrawLine(x, y, x + maze_step, y, colour); break;
            case 1: bitmap.DrawLine(x, y, x, y + maze_step, colour); break;
            case 2: bitmap.DrawLine(x, y, x - maze_step, y, colour); break;
            default: bitmap.DrawLine(x, y, x, y - maze_step, colour); break;
            }
        }
    }
}

// Maze3: one diagonal across every cell.
void draw_diagonal_maze(xirr_bitmap &bitmap, const xirr_background_theme &colours)
{
    const int w = bitmap.GetWidth();
    const int h = bitmap.GetHeight();
    bitmap.Clear(black);
    for (int y = 0; y < h; y += maze_step) {
        reseed_theme_random(static_cast<uint32_t>(y));
        for (int x = 0; x < w; x += maze_step) {
            const uint32_t r = xirr_theme_random.random_next();
            const xirr_rgb colour = (r & 2) ? colours.middle : colours.light;
            if (r & 1)
                bitmap.DrawLine(x, y, x + maze_step, y + maze_step, colour);
            else
                bitmap.DrawLine(x + maze_step, y, x, y + maze_step, colour);
        }
    }
}

// Four layers of rings, dark, dark, middle and light, each later layer over
// the earlier ones. A ring is a filled circle with a black one inside.
void draw_bubbles(xirr_bitmap &bitmap, const xirr_background_theme &colours)
{
    const int w = bitmap.GetWidth();
    const int h = bitmap.GetHeight();
    const xirr_rgb pass_colour[4] = {colours.dark, colours.dark, colours.middle, colours.light};
    bitmap.Clear(black);
    for (uint32_t p = 0; p < 4; p++) {
        // Unsigned: the seed of a tall bitmap's last rows passes 2^31.
        uint32_t seed = p * 137 + 169135679u;
        for (int j = 0; j <= (h - 1) / bubble_cell; j++) {
            reseed_theme_random(seed);
            for (int k = 0; k <= (w + 15) / bubble_cell; k++) {
                const uint32_t d = xirr_theme_random.random_next();
                const uint32_t e = xirr_theme_random.random_next();
                const uint32_t f = xirr_theme_random.random_next();
                // The column starts one cell left of the bitmap so that rings
                // also cross its left edge.
                const int cx = (bubble_cell * k - bubble_cell) | static_cast<int>(d & 15);
                const int cy = (bubble_cell * j) | static_cast<int>(e & 15);
                const int radius = static_cast<int>((f >> 2) & 3) + 2;
                bitmap.DrawFilledCircle(cx, cy, radius, pass_colour[p]);
                bitmap.DrawFilledCircle(cx, cy, radius - 1, black);
            }
            seed += p * 16 + 19753072u;
        }
    }
}

} // namespace

void xirr_draw_background(xirr_bitmap &bitmap, int style, const xirr_background_theme &colours)
{
    switch (style) {
    case XIRR_BACKGROUND_NONE: bitmap.Clear(black); break;
    case XIRR_BACKGROUND_SOLID: bitmap.Clear(colours.dark); break;
    case XIRR_BACKGROUND_MAZE1: draw_straight_maze(bitmap, colours, 0); break;
    case XIRR_BACKGROUND_BUBBLES: draw_bubbles(bitmap, colours); break;
    case XIRR_BACKGROUND_MAZE3: draw_diagonal_maze(bitmap, colours); break;
    default: draw_straight_maze(bitmap, colours, 1); break;
    }
}
