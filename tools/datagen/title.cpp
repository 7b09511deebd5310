// The title pictures: "logo", the game's name in neon tubes before a striped sunset, and
// "common/TOVKLogo", the studio emblem (a bolt on a crystal inside a dial ring).
#include <algorithm>
#include <cmath>

#include "letters.h"
#include "paint.h"
#include "sheets.h"

using namespace shapes;

namespace {

// A disc shaded from yellow at the top to magenta at the bottom, its lower half cut into
// bands that grow toward the bottom.
void Sunset(Canvas& frame, float cx, float cy, float r) {
  Mask disc = frame.Shape(Of(Circle(cx, cy, r)));
  Path cuts;
  float y = cy + r * 0.1f;
  for (int band = 1; y < cy + r; ++band) {
    const float thickness = 0.9f + 0.9f * static_cast<float>(band);
    cuts.Add(Rect(cx - r - 1, y, 2 * r + 2, thickness));
    y += thickness + 6.0f;
  }
  disc.Subtract(frame.Shape(cuts));
  Glow(frame, disc, palette::kMagenta, 7.0f, 0.7f);
  frame.Shade(disc, [&](float, float py) {
    const float t = std::clamp((py - (cy - r)) / (2 * r), 0.0f, 1.0f);
    return palette::kYellow.Mix(palette::kOrange, std::min(1.0f, t * 1.6f))
        .Mix(palette::kMagenta, std::max(0.0f, t * 1.6f - 0.6f));
  });
}

}  // namespace

// 256 × 128: "PARVOLT" in cyan tubes with a magenta echo, over a sunset and a horizon.
void PaintLogo(Canvas& frame, int) {
  Sunset(frame, 128, 58, 44);
  // Horizon lines, closer together toward the sunset.
  const float horizon[] = {98, 106, 112, 116};
  for (int i = 0; i < 4; ++i) {
    const float half = 112.0f - 18.0f * static_cast<float>(i);
    NeonLine(frame, {{128 - half, horizon[i]}, {128 + half, horizon[i]}}, 1.3f - 0.2f * i,
             palette::kMagenta.Mix(palette::kViolet, 0.3f * i), 2.0f);
  }
  constexpr float kUnit = 6.0f;
  constexpr float kTop = 40.0f;
  constexpr float kSlant = 0.16f;
  const auto word = WordStrokes("PARVOLT", 128, kTop, kUnit, 1.5f, kSlant);
  // The echo: the same strokes a little down and right, dimmer.
  for (const auto& stroke : word) {
    std::vector<Vec2> echo = stroke;
    for (Vec2& p : echo) p = {p.x + 2.6f, p.y + 2.6f};
    NeonLine(frame, echo, 4.4f, palette::kMagenta.Darker(0.1f), 2.5f);
  }
  Mask letters = frame.EmptyMask();
  for (const auto& stroke : word) letters.Union(LineMask(frame, stroke, 4.4f));
  Glow(frame, letters, palette::kCyan, 3.5f, 0.9f);
  frame.Fill(letters, palette::kCyan);
  Mask cores = frame.EmptyMask();
  for (const auto& stroke : word) cores.Union(LineMask(frame, stroke, 1.7f));
  frame.Fill(cores, palette::kWhite.WithAlpha(0.9f));
  // Glints.
  const Vec2 glints[] = {{30, 34}, {214, 86}, {176, 30}};
  for (const Vec2& g : glints) {
    const Path sparkle = Of(Star(g.x, g.y, 5.5f, 0.9f, 4, 0));
    Glow(frame, frame.Shape(sparkle), palette::kWhite, 1.5f, 0.8f);
    FillPath(frame, sparkle, palette::kWhite);
  }
}

// 256 × 256: a dial ring with ticks, a violet crystal and a yellow bolt, on a dark disc.
void PaintStudioEmblem(Canvas& frame, int) {
  FillPath(frame, Of(Circle(128, 128, 118)), palette::kNight.WithAlpha(0.95f));
  const Path outer = Ring(128, 128, 122, 118.5f);
  Glow(frame, frame.Shape(outer), palette::kMagenta, 4, 0.8f);
  FillPath(frame, outer, palette::kMagenta);
  for (int i = 0; i < 24; ++i) {
    const float a = 15.0f * static_cast<float>(i);
    const float inner = i % 2 == 0 ? 104.0f : 108.0f;
    NeonLine(frame, {OnCircle(128, 128, inner, a), OnCircle(128, 128, 113, a)},
             i % 2 == 0 ? 3.0f : 1.8f, palette::kMagenta.Brighter(0.2f), 1.5f);
  }
  NeonShape(frame, Ring(128, 128, 98, 88),
            {.colour = palette::kCyan, .rim = 2.5f, .glow = 5.0f, .bodyShade = 0.3f});
  NeonShape(frame, Of(RegularPolygon(128, 128, 66, 6, 0)),
            {.colour = palette::kViolet, .rim = 3.5f, .glow = 6.0f, .bodyShade = 0.62f});
  // Facets of the crystal.
  for (int i = 0; i < 6; ++i) {
    NeonLine(frame, {{128, 128}, OnCircle(128, 128, 62, 60.0f * i)}, 1.2f,
             palette::kViolet.Brighter(0.2f).WithAlpha(0.6f), 0);
  }
  const Contour bolt =
      Polygon({{140, 62}, {98, 136}, {124, 136}, {112, 196}, {160, 112}, {133, 112}, {152, 62}});
  NeonShape(frame, Of(bolt),
            {.colour = palette::kYellow, .rim = 3.0f, .glow = 6.0f, .bodyShade = 0.15f});
  // Three sparks riding the dial ring.
  for (float a : {40.0f, 160.0f, 280.0f}) {
    const Vec2 at = OnCircle(128, 128, 93, a);
    const Path spark = Of(Circle(at.x, at.y, 4.5f));
    Glow(frame, frame.Shape(spark), palette::kWhite, 3, 1.0f);
    FillPath(frame, spark, palette::kWhite);
  }
}
