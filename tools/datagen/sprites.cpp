// The play sprites: the ship, the explosion, the energy heart and the small particle sheet.
#include <cmath>
#include <numbers>

#include "paint.h"
#include "sheets.h"

using namespace shapes;

// 16 × 16, nose up: a swept arrowhead in cyan with a hot cockpit and an orange engine flare.
void PaintShip(Canvas& frame, int) {
  const Contour engineFlare = Ellipse(8, 13.6f, 1.9f, 1.2f);
  Glow(frame, frame.Shape(Of(engineFlare)), palette::kOrange, 1.0f, 1.0f);
  FillPath(frame, Of(Ellipse(8, 13.6f, 1.2f, 0.9f)), palette::kYellow.Brighter(0.5f));

  const Contour hull = Polygon({{8, 0.8f},
                                {10.2f, 6.5f},
                                {14.8f, 11.2f},
                                {14.4f, 13.0f},
                                {10.4f, 11.6f},
                                {9.6f, 13.6f},
                                {6.4f, 13.6f},
                                {5.6f, 11.6f},
                                {1.6f, 13.0f},
                                {1.2f, 11.2f},
                                {5.8f, 6.5f}});
  NeonShape(frame, Of(hull),
            {.colour = palette::kCyan,
             .rim = 0.9f,
             .glow = 1.1f,
             .glowStrength = 0.8f,
             .bodyShade = 0.55f});
  // Wing stripes and the cockpit canopy.
  NeonLine(frame, {{3.4f, 11.6f}, {6.6f, 8.6f}}, 0.6f, palette::kMagenta, 0);
  NeonLine(frame, {{12.6f, 11.6f}, {9.4f, 8.6f}}, 0.6f, palette::kMagenta, 0);
  const Contour canopy = Ellipse(8, 7.4f, 1.25f, 2.4f);
  FillPath(frame, Of(canopy), palette::kMagenta.Darker(0.3f));
  FillPath(frame, Of(Ellipse(7.6f, 6.6f, 0.5f, 1.0f)), palette::kWhite.WithAlpha(0.9f));
}

// 16 × 16: an eight-pointed burst, orange outside, yellow inside, a white-hot core.
void PaintBang(Canvas& frame, int) {
  const Contour outer = Star(8, 8, 7.6f, 3.6f, 8, 11);
  Glow(frame, frame.Shape(Of(outer)), palette::kOrange, 1.4f, 0.9f);
  FillPath(frame, Of(outer), palette::kOrange.WithAlpha(0.9f));
  FillPath(frame, Of(Star(8, 8, 5.6f, 2.6f, 8, 33)), palette::kYellow);
  Mask core = frame.Shape(Of(Circle(8, 8, 2.8f)));
  core.Blur(0.8f * frame.Scale());
  frame.Fill(core, palette::kWhite);
  FillPath(frame, Of(Circle(8, 8, 1.6f)), palette::kWhite);
}

namespace {

// The classic heart curve, fitted into a box of `size` units centred on (cx, cy).
Contour HeartShape(float cx, float cy, float size) {
  Contour contour;
  constexpr int kPoints = 240;
  const float unit = size / 34.0f;
  for (int i = 0; i < kPoints; ++i) {
    const float t = 2.0f * std::numbers::pi_v<float> * static_cast<float>(i) / kPoints;
    const float s = std::sin(t);
    const float x = 16.0f * s * s * s;
    const float y =
        13.0f * std::cos(t) - 5.0f * std::cos(2 * t) - 2.0f * std::cos(3 * t) - std::cos(4 * t);
    contour.push_back({cx + x * unit, cy - (y + 2.5f) * unit});
  }
  return Oriented(contour);
}

}  // namespace

// 32 × 32: a glowing red heart with a dark glassy middle, so the energy figure reads over it.
void PaintHeart(Canvas& frame, int) {
  NeonShape(frame, Of(HeartShape(16, 16, 27)),
            {.colour = palette::kRed,
             .rim = 1.6f,
             .glow = 2.0f,
             .glowStrength = 0.9f,
             .bodyShade = 0.66f});
  // A glint on the upper left lobe.
  NeonLine(frame, {{8.0f, 9.0f}, {10.5f, 7.2f}}, 1.0f, palette::kRed.Brighter(0.6f), 0);
}

// 8 × 8, four rows of four colours: dots, sparkles, rings and diamonds.
void PaintParts(Canvas& frame, int index) {
  static constexpr Colour kColours[] = {palette::kCyan, palette::kMagenta, palette::kYellow,
                                        palette::kGreen};
  const Colour colour = kColours[index % 4];
  Path shape;
  switch (index / 4) {
    case 0:
      shape = Of(Circle(4, 4, 1.8f));
      break;
    case 1:
      shape = Of(Star(4, 4, 3.0f, 0.9f, 4, 0));
      break;
    case 2:
      shape = Ring(4, 4, 2.5f, 1.6f);
      break;
    default:
      shape = Of(RegularPolygon(4, 4, 2.5f, 4, 0));
      break;
  }
  Glow(frame, frame.Shape(shape), colour, 0.7f, 0.9f);
  FillPath(frame, shape, colour);
  FillPath(frame, Of(Circle(4, 4, 0.9f)), colour.Brighter(0.7f));
}
