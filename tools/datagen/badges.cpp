// The badge sheet: 64 medals, eight shapes down the rows and eight colours across, each with its
// number on it.
#include <string>

#include "font.h"
#include "paint.h"
#include "sheets.h"

using namespace shapes;

// 64 × 64: row r picks the medal's outline, column c its colour; the number is index + 1.
void PaintBadge(Canvas& frame, int index) {
  static constexpr Colour kColours[] = {palette::kCyan,  palette::kMagenta, palette::kYellow,
                                        palette::kGreen, palette::kOrange,  palette::kViolet,
                                        palette::kRed,   palette::kWhite};
  const Colour colour = kColours[index % 8];
  Path shape;
  switch (index / 8) {
    case 0:
      shape = Of(Circle(32, 32, 26));
      break;
    case 1:
      shape = Of(RegularPolygon(32, 32, 27, 6, 0));
      break;
    case 2:
      shape = Of(RegularPolygon(32, 32, 28, 4, 0));
      break;
    case 3:
      shape = Of(Polygon({{8, 8}, {56, 8}, {56, 30}, {32, 58}, {8, 30}}));
      break;
    case 4:
      shape = Of(Star(32, 33, 28, 15, 5, 0));
      break;
    case 5:
      shape = Of(RoundRect(7, 7, 50, 50, 10));
      break;
    case 6:
      shape = Of(RegularPolygon(32, 32, 27, 8, 22.5f));
      break;
    default:
      shape = Of(Star(32, 32, 27, 21, 12, 0));
      break;
  }
  NeonShape(
      frame, shape,
      {.colour = colour, .rim = 2.0f, .glow = 2.4f, .glowStrength = 0.7f, .bodyShade = 0.65f});
  DrawPixelText(frame, std::to_string(index + 1), 32, 25, palette::kWhite, palette::kBlack, 2.0f);
}
