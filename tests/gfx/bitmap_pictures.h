#pragma once
// Shared by the bitmap tests: small bitmaps written and read as text
// pictures, one character per pixel, and glyph masks made the same way.

#include "gfx/xirr_bitmap.h"
#include "gfx/xirr_glyph_set.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <string>

namespace th_test {

using rgba = std::array<int, 4>;

inline rgba pixel(const xirr_bitmap &bitmap, int x, int y)
{
    uint8_t p[4] = {0, 0, 0, 0};
    EXPECT_TRUE(bitmap.GetPixel(x, y, p)) << "(" << x << ", " << y << ") is outside";
    return {p[0], p[1], p[2], p[3]};
}

struct ink {
    char symbol;
    xirr_rgb colour;
};

// The bitmap as rows of characters, each row ended by '\n': a pixel of a
// colour in the legend shows its symbol, black shows '.', anything else '?'.
inline std::string picture(const xirr_bitmap &bitmap, std::initializer_list<ink> legend)
{
    std::string text;
    for (int y = 0; y < bitmap.GetHeight(); y++) {
        for (int x = 0; x < bitmap.GetWidth(); x++) {
            const rgba p = pixel(bitmap, x, y);
            char symbol = p[0] == 0 && p[1] == 0 && p[2] == 0 ? '.' : '?';
            for (const ink &i : legend)
                if (p[0] == i.colour.r && p[1] == i.colour.g && p[2] == i.colour.b)
                    symbol = i.symbol;
            text += symbol;
        }
        text += '\n';
    }
    return text;
}

// The picture with '#' for the one ink colour.
inline std::string picture(const xirr_bitmap &bitmap, xirr_rgb colour)
{
    return picture(bitmap, {{'#', colour}});
}

inline std::string rows(std::initializer_list<const char *> lines)
{
    std::string text;
    for (const char *line : lines)
        text += std::string(line) + "\n";
    return text;
}

// Makes the glyph of code from rows of '.' (coverage 0), '+' (128) and
// '#' (255).
inline void make_glyph(xirr_glyph_set &font, int code, std::initializer_list<const char *> lines)
{
    xirr_glyph *glyph = font.slot(code);
    ASSERT_NE(glyph, nullptr);
    const int w = static_cast<int>(std::string(*lines.begin()).size());
    ASSERT_TRUE(glyph->create(w, static_cast<int>(lines.size())));
    int y = 0;
    for (const char *line : lines) {
        for (int x = 0; x < w; x++)
            glyph->row(y)[x] = line[x] == '#' ? 255 : line[x] == '+' ? 128 : 0;
        y++;
    }
}

// True when both bitmaps have the same size and every byte is equal.
inline bool same_pixels(const xirr_bitmap &a, const xirr_bitmap &b)
{
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight())
        return false;
    for (int y = 0; y < a.GetHeight(); y++)
        if (std::memcmp(a.GetRow(y), b.GetRow(y), static_cast<size_t>(a.GetStride())) != 0)
            return false;
    return true;
}

}  // namespace th_test
