#pragma once
// The three process-wide glyph fonts every display shares: the main text
// font (text displays, input line, popups, automap labels), the small button
// font (function-key labels) and the status font (status displays, button
// labels, group names, channel tabs). Created once at start-up, changed in
// place afterwards (SetPointSize, copy_font) so that every holder of a
// pointer sees the change. User-interface thread only.

class xirr_glyph_font;

// Creates the main text font (modern fixed-pitch, main_font_size points),
// the small button font (teletype, 6 points) and the status font (teletype,
// 8 points), all normal style and weight in the default face and encoding,
// and renders their glyphs. A size below 1 is logged and taken as 8. Returns
// 1 when all three have their glyphs; a second call logs an error and
// changes nothing (returns 0), since displays hold pointers to the fonts.
int xirr_create_shared_fonts(int main_font_size);

// Destroys the three fonts; call before the toolkit shuts down. The
// accessors return null afterwards.
void xirr_destroy_shared_fonts();

// The fonts, or null before xirr_create_shared_fonts.
xirr_glyph_font *xirr_main_text_font();
xirr_glyph_font *xirr_small_button_font();
xirr_glyph_font *xirr_status_font();
