// The pixel font shared by the bitmap font sheet, the default font picture and the labels that
// other pictures carry.
#pragma once

#include <string_view>

#include "asset_table.h"
#include "canvas.h"

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 9;

// Whether pixel (column, row) of the glyph of `code` is set; false outside the glyph or font.
bool GlyphPixel(int code, int column, int row);
// The glyph of `code` with its top-left pixel at (x, y) units, each glyph pixel `pixel` units
// square, and the shadow one glyph pixel down-right.
void DrawGlyph(Canvas& canvas, int code, float x, float y, const Colour& colour,
               const Colour& shadow, float pixel = 1.0f);
// A line of glyphs centred on centreX, advancing by the glyph width plus one pixel.
void DrawPixelText(Canvas& canvas, std::string_view text, float centreX, float top,
                   const Colour& colour, const Colour& shadow, float pixel = 1.0f);

// Frame `index` of the bitmap font sheet: the glyph of code index + 32 centred in its cell.
void PaintFontCell(Canvas& cell, int index);
// "vorla_font.png": one row of cells for codes 32 to 127, each with a transparent border.
Canvas PaintDefaultFont();
