// The pixel font: one 5 × 9 bitmap per character code 32 to 126 (capitals and digits 7 rows high,
// two rows below the baseline for descenders), drawn with a dark drop shadow.
#include "font.h"

#include <array>
#include <string_view>

#include "paint.h"

namespace {

// Eight glyphs per block, side by side and separated by a space, nine rows per block.
constexpr const char* kGlyphRows[] = {
    // sp    !     "     #     $     %     &     '
    "..... ..#.. .#.#. .#.#. ..#.. ##..# .##.. ..#..",
    "..... ..#.. .#.#. .#.#. .#### ##..# #..#. ..#..",
    "..... ..#.. ..... ##### #.#.. ...#. #.#.. .....",
    "..... ..#.. ..... .#.#. .###. ..#.. .#... .....",
    "..... ..#.. ..... ##### ..#.# .#... #.#.# .....",
    "..... ..... ..... .#.#. ####. #..## #..#. .....",
    "..... ..#.. ..... .#.#. ..#.. #..## .##.# .....",
    "..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... .....",
    // (     )     *     +     ,     -     .     /
    "...#. .#... ..... ..... ..... ..... ..... ....#",
    "..#.. ..#.. ..#.. ..#.. ..... ..... ..... ....#",
    ".#... ...#. #.#.# ..#.. ..... ..... ..... ...#.",
    ".#... ...#. .###. ##### ..... ##### ..... ..#..",
    ".#... ...#. #.#.# ..#.. ..... ..... ..... .#...",
    "..#.. ..#.. ..#.. ..#.. ..#.. ..... ..... #....",
    "...#. .#... ..... ..... ..#.. ..... ..#.. #....",
    "..... ..... ..... ..... .#... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... .....",
    // 0     1     2     3     4     5     6     7
    ".###. ..#.. .###. ##### ...#. ##### ..##. #####",
    "#...# .##.. #...# ...#. ..##. #.... .#... ....#",
    "#..## ..#.. ....# ..#.. .#.#. ####. #.... ...#.",
    "#.#.# ..#.. ...#. ...#. #..#. ....# ####. ..#..",
    "##..# ..#.. ..#.. ....# ##### ....# #...# .#...",
    "#...# ..#.. .#... #...# ...#. #...# #...# .#...",
    ".###. .###. ##### .###. ...#. .###. .###. .#...",
    "..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... .....",
    // 8     9     :     ;     <     =     >     ?
    ".###. .###. ..... ..... ...#. ..... .#... .###.",
    "#...# #...# ..... ..... ..#.. ..... ..#.. #...#",
    "#...# #...# ..#.. ..#.. .#... ##### ...#. ....#",
    ".###. .#### ..... ..... #.... ..... ....# ...#.",
    "#...# ....# ..... ..... .#... ##### ...#. ..#..",
    "#...# ...#. ..#.. ..#.. ..#.. ..... ..#.. .....",
    ".###. .##.. ..... ..#.. ...#. ..... .#... ..#..",
    "..... ..... ..... .#... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... .....",
    // @     A     B     C     D     E     F     G
    ".###. .###. ####. .###. ####. ##### ##### .###.",
    "#...# #...# #...# #...# #...# #.... #.... #...#",
    "#.### #...# #...# #.... #...# #.... #.... #....",
    "#.#.# ##### ####. #.... #...# ####. ####. #.###",
    "#.### #...# #...# #.... #...# #.... #.... #...#",
    "#.... #...# #...# #...# #...# #.... #.... #...#",
    ".#### #...# ####. .###. ####. ##### #.... .####",
    "..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... .....",
    // H     I     J     K     L     M     N     O
    "#...# .###. ..### #...# #.... #...# #...# .###.",
    "#...# ..#.. ...#. #..#. #.... ##.## #...# #...#",
    "#...# ..#.. ...#. #.#.. #.... #.#.# ##..# #...#",
    "##### ..#.. ...#. ##... #.... #.#.# #.#.# #...#",
    "#...# ..#.. ...#. #.#.. #.... #...# #..## #...#",
    "#...# ..#.. #..#. #..#. #.... #...# #...# #...#",
    "#...# .###. .##.. #...# ##### #...# #...# .###.",
    "..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... .....",
    // P     Q     R     S     T     U     V     W
    "####. .###. ####. .#### ##### #...# #...# #...#",
    "#...# #...# #...# #.... ..#.. #...# #...# #...#",
    "#...# #...# #...# #.... ..#.. #...# #...# #...#",
    "####. #...# ####. .###. ..#.. #...# #...# #.#.#",
    "#.... #.#.# #.#.. ....# ..#.. #...# #...# #.#.#",
    "#.... #..#. #..#. ....# ..#.. #...# .#.#. #.#.#",
    "#.... .##.# #...# ####. ..#.. .###. ..#.. .#.#.",
    "..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... .....",
    // X     Y     Z     [     \     ]     ^     _
    "#...# #...# ##### .###. #.... .###. ..#.. .....",
    "#...# #...# ....# .#... #.... ...#. .#.#. .....",
    ".#.#. .#.#. ...#. .#... .#... ...#. #...# .....",
    "..#.. ..#.. ..#.. .#... ..#.. ...#. ..... .....",
    ".#.#. ..#.. .#... .#... ...#. ...#. ..... .....",
    "#...# ..#.. #.... .#... ....# ...#. ..... .....",
    "#...# ..#.. ##### .###. ....# .###. ..... .....",
    "..... ..... ..... ..... ..... ..... ..... #####",
    "..... ..... ..... ..... ..... ..... ..... .....",
    // `     a     b     c     d     e     f     g
    ".#... ..... #.... ..... ....# ..... ..##. .....",
    "..#.. ..... #.... ..... ....# ..... .#... .....",
    "..... .###. ####. .###. .#### .###. ####. .####",
    "..... ....# #...# #.... #...# #...# .#... #...#",
    "..... .#### #...# #.... #...# ##### .#... #...#",
    "..... #...# #...# #.... #...# #.... .#... #...#",
    "..... .#### ####. .###. .#### .###. .#... .####",
    "..... ..... ..... ..... ..... ..... ..... ....#",
    "..... ..... ..... ..... ..... ..... ..... .###.",
    // h     i     j     k     l     m     n     o
    "#.... ..#.. ...#. #.... .##.. ..... ..... .....",
    "#.... ..... ..... #.... ..#.. ..... ..... .....",
    "####. .##.. ..##. #..#. ..#.. ##.#. ####. .###.",
    "#...# ..#.. ...#. #.#.. ..#.. #.#.# #...# #...#",
    "#...# ..#.. ...#. ##... ..#.. #.#.# #...# #...#",
    "#...# ..#.. ...#. #.#.. ..#.. #.#.# #...# #...#",
    "#...# .###. ...#. #..#. .###. #...# #...# .###.",
    "..... ..... #..#. ..... ..... ..... ..... .....",
    "..... ..... .##.. ..... ..... ..... ..... .....",
    // p     q     r     s     t     u     v     w
    "..... ..... ..... ..... .#... ..... ..... .....",
    "..... ..... ..... ..... .#... ..... ..... .....",
    "####. .#### #.##. .#### ####. #...# #...# #...#",
    "#...# #...# ##..# #.... .#... #...# #...# #...#",
    "#...# #...# #.... .###. .#... #...# #...# #.#.#",
    "#...# #...# #.... ....# .#..# #..## .#.#. #.#.#",
    "####. .#### #.... ####. ..##. .##.# ..#.. .#.#.",
    "#.... ....# ..... ..... ..... ..... ..... .....",
    "#.... ....# ..... ..... ..... ..... ..... .....",
    // x     y     z     {     |     }     ~
    "..... ..... ..... ...## ..#.. ##... .....", "..... ..... ..... ..#.. ..#.. ..#.. .....",
    "#...# #...# ##### ..#.. ..#.. ..#.. .#...", ".#.#. #...# ...#. .#... ..#.. ...#. #.#.#",
    "..#.. #...# ..#.. ..#.. ..#.. ..#.. ...#.", ".#.#. #...# .#... ..#.. ..#.. ..#.. .....",
    "#...# .#### ##### ...## ..#.. ##... .....", "..... ....# ..... ..... ..#.. ..... .....",
    "..... .###. ..... ..... ..... ..... ....."};

constexpr int kGlyphsPerBlock = 8;

// Glyph pixels as rows of 5 bits, the leftmost pixel in bit 4; codes without a glyph stay blank.
using Bitmap = std::array<unsigned char, kGlyphHeight>;

std::array<Bitmap, 128> ParseGlyphs() {
  std::array<Bitmap, 128> glyphs{};
  constexpr int kCodes = 127 - 32;
  for (int index = 0; index < kCodes; ++index) {
    const int block = index / kGlyphsPerBlock;
    const int column = index % kGlyphsPerBlock;
    for (int row = 0; row < kGlyphHeight; ++row) {
      const std::string_view line = kGlyphRows[block * kGlyphHeight + row];
      unsigned char bits = 0;
      for (int x = 0; x < kGlyphWidth; ++x) {
        bits = static_cast<unsigned char>(bits << 1);
        if (line[column * (kGlyphWidth + 1) + x] == '#') bits |= 1;
      }
      glyphs[32 + index][row] = bits;
    }
  }
  return glyphs;
}

const std::array<Bitmap, 128>& Glyphs() {
  static const std::array<Bitmap, 128> glyphs = ParseGlyphs();
  return glyphs;
}

// The glyph's pixels as squares of `pixel` units with the top-left corner at (x, y).
Path GlyphPath(int code, float x, float y, float pixel) {
  Path path;
  if (code < 0 || code >= 128) return path;
  const Bitmap& bitmap = Glyphs()[code];
  for (int row = 0; row < kGlyphHeight; ++row) {
    for (int column = 0; column < kGlyphWidth; ++column) {
      if ((bitmap[row] >> (kGlyphWidth - 1 - column)) & 1) {
        path.Add(shapes::Rect(x + pixel * static_cast<float>(column),
                              y + pixel * static_cast<float>(row), pixel, pixel));
      }
    }
  }
  return path;
}

}  // namespace

bool GlyphPixel(int code, int column, int row) {
  if (code < 0 || code >= 128 || column < 0 || column >= kGlyphWidth || row < 0 ||
      row >= kGlyphHeight) {
    return false;
  }
  return (Glyphs()[code][row] >> (kGlyphWidth - 1 - column)) & 1;
}

void DrawGlyph(Canvas& canvas, int code, float x, float y, const Colour& colour,
               const Colour& shadow, float pixel) {
  const Path glyph = GlyphPath(code, x, y, pixel);
  if (glyph.contours.empty()) return;
  FillPath(canvas, shapes::Translated(glyph, pixel, pixel), shadow);
  FillPath(canvas, glyph, colour);
}

void DrawPixelText(Canvas& canvas, std::string_view text, float centreX, float top,
                   const Colour& colour, const Colour& shadow, float pixel) {
  const float width = (static_cast<float>(text.size()) * (kGlyphWidth + 1) - 1) * pixel;
  float x = centreX - width * 0.5f;
  for (char c : text) {
    DrawGlyph(canvas, static_cast<unsigned char>(c), x, top, colour, shadow, pixel);
    x += (kGlyphWidth + 1) * pixel;
  }
}

void PaintFontCell(Canvas& cell, int index) {
  // The glyph box with its shadow is 6 × 10 units; caps sit around the cell's centre.
  constexpr float kLeft = 5;
  constexpr float kTop = 4;
  DrawGlyph(cell, index + 32, kLeft, kTop, palette::kWhite, palette::kBlack.WithAlpha(0.8f));
}

Canvas PaintDefaultFont() {
  constexpr int kCells = assets::kDefaultFontCells;
  constexpr int kCellWidth = assets::kDefaultFontCellWidth;
  Canvas canvas(kCells * kCellWidth, assets::kDefaultFontHeight, 1.0f);
  for (int cell = 0; cell < kCells; ++cell) {
    // Column 0 and the last column of every cell are the transparent border.
    DrawGlyph(canvas, 32 + cell, static_cast<float>(cell * kCellWidth + 1), 0, palette::kWhite,
              palette::kBlack.WithAlpha(0.8f));
  }
  return canvas;
}
