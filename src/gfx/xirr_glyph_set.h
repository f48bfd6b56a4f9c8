#pragma once
// Pre-rendered glyph masks of one font: one coverage mask per printable
// 7-bit character, which xirr_bitmap blends into a picture in any colour.
// The toolkit font class fills the masks by rendering each character once
// (white on black, its green channel taken as coverage); everything else --
// drawing and measuring text -- works on these masks alone, without the
// toolkit, so measuring a text is a sum of cached widths.

#include <cstdint>
#include <memory>

// One character's mask: width x height coverage bytes, row after row,
// 0 = no ink .. 255 = full ink. The width is also the advance: text moves
// right by it after the glyph. An empty glyph (0 x 0, no memory) draws
// nothing.
class xirr_glyph {
public:
    // Replaces the mask by a width x height one of coverage 0. Returns 1, or
    // 0 (leaving the glyph empty) for a size below 1 or above
    // XIRR_BITMAP_MAX_SIDE or when memory fails.
    int create(int new_width, int new_height);
    void clear();

    int is_empty() const { return coverage == nullptr; }
    int get_width() const { return width; }
    int get_height() const { return height; }
    // The width coverage bytes of row y; the caller keeps 0 <= y < height on
    // a glyph that is not empty.
    uint8_t *row(int y) { return coverage.get() + static_cast<size_t>(y) * width; }
    const uint8_t *row(int y) const { return coverage.get() + static_cast<size_t>(y) * width; }

private:
    std::unique_ptr<uint8_t[]> coverage;
    int width = 0;
    int height = 0;
};

// Codes of the characters that get a glyph.
constexpr int XIRR_GLYPH_FIRST = 32;
constexpr int XIRR_GLYPH_LAST = 126;

// 128 glyph slots, one per 7-bit code; only 32..126 are ever filled.
class xirr_glyph_set {
public:
    xirr_glyph_set() = default;
    xirr_glyph_set(const xirr_glyph_set &) = delete;
    xirr_glyph_set &operator=(const xirr_glyph_set &) = delete;

    // The slot of code for filling, or null when code is outside 32..126.
    xirr_glyph *slot(int code);
    // The glyph drawn for a text byte: slot byte % 128, null when empty.
    const xirr_glyph *glyph_for_byte(unsigned char byte) const;
    // Empties every slot.
    void clear_glyphs();

    // For codes 32..126 the size of its glyph, otherwise (0, 0).
    void character_extent(int code, int *w, int *h) const;
    // The sum of the widths of the glyphs of text's bytes (each byte modulo
    // 128, bytes without a glyph count 0) and the height of the last glyph
    // found (0 if none). A null text measures (0, 0).
    void text_extent(const char *text, int *w, int *h) const;

private:
    xirr_glyph glyphs[128];
};
