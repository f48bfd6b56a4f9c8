#pragma once
// Shared by the scrollback view tests: fixed font metrics and block glyphs
// that make pixel positions easy to reason about, and a host that records
// what the view asks of its window.

#include "display/text_store.h"
#include "display/view_textctrl.h"
#include "gfx/xirr_glyph_set.h"

#include <string>
#include <vector>

namespace th_view {

// Every printable character char_w pixels wide, lines line_h pixels high.
inline void set_fixed_metrics(xirr_textctrl_store &store, int char_w, int line_h)
{
    int widths[256];
    for (int c = 0; c < 256; c++)
        widths[c] = c >= 32 && c <= 126 ? char_w : 0;
    store.set_metrics(widths, line_h);
}

// Glyphs char_w x line_h: a space is blank, every other character a solid
// block of full coverage except its last column, which stays blank so
// neighbouring characters can be told apart.
inline void fill_block_glyphs(xirr_glyph_set &glyphs, int char_w, int line_h)
{
    for (int c = XIRR_GLYPH_FIRST; c <= XIRR_GLYPH_LAST; c++) {
        xirr_glyph *glyph = glyphs.slot(c);
        glyph->create(char_w, line_h);
        if (c == ' ')
            continue;
        for (int y = 0; y < line_h; y++)
            for (int x = 0; x + 1 < char_w; x++)
                glyph->row(y)[x] = 255;
    }
}

// Appends each text of lines followed by a line feed.
inline void append_lines(xirr_textctrl_store &store, const std::vector<std::string> &lines)
{
    for (const std::string &line : lines) {
        const std::string text = line + "\n";
        store.append(text.data(), text.size());
    }
}

class recording_host : public xirr_textctrl_host {
public:
    void capture_mouse() override { captured++; }
    void release_mouse() override { released++; }
    void repaint() override { repaints++; }
    void set_clipboard_data(const std::string &text) override { clipboard.push_back(text); }
    void open_url(const char *address) override { urls.push_back(address); }
    void start_animation() override { animations_started++; }
    void scrolled() override { scrolls++; }
    int url_hotlinking() override { return hotlinking; }

    int captured = 0;
    int released = 0;
    int repaints = 0;
    int animations_started = 0;
    int scrolls = 0;
    int hotlinking = 1;
    std::vector<std::string> clipboard;   // every text put into the primary selection
    std::vector<std::string> urls;
};

}  // namespace th_view
