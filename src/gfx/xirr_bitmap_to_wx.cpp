#include "gfx/xirr_bitmap_to_wx.h"

#include <cstring>

#include <wx/rawbmp.h>

#include "foundation/debug_log.h"
#include "gfx/xirr_bitmap.h"

int xirr_bitmap_to_wx(const xirr_bitmap &source, wxBitmap *target)
{
    if (!source.IsOk()) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in xirr_bitmap_to_wx(), pixel data src failed?\n");
        return 0;
    }
    const int w = source.GetWidth(), h = source.GetHeight();
    if (!target->IsOk() || target->GetWidth() != w || target->GetHeight() != h || target->GetDepth() != 32)
        target->Create(w, h, 32);
    wxAlphaPixelData data(*target);
    if (!data) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in xirr_bitmap_to_wx(), pixel data dest failed?\n");
        return 0;
    }
    using format = wxAlphaPixelFormat;
    constexpr bool same_layout = format::SizePixel == 4 && format::RED == 0 && format::GREEN == 1 &&
                                 format::BLUE == 2 && format::ALPHA == 3;
    wxAlphaPixelData::Iterator row_start(data);
    for (int y = 0; y < h; y++) {
        const uint8_t *from = source.GetRow(y);
        if constexpr (same_layout) {
            std::memcpy(row_start.m_ptr, from, static_cast<size_t>(w) * 4);
        } else {
            wxAlphaPixelData::Iterator p = row_start;
            for (int x = 0; x < w; x++, ++p, from += 4) {
                p.Red() = from[0];
                p.Green() = from[1];
                p.Blue() = from[2];
                p.Alpha() = from[3];
            }
        }
        row_start.OffsetY(data, 1);
    }
    return 1;
}
