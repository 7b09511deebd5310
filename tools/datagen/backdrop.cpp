// "bg": the 256-unit backdrop tile. Every element is drawn with wrap-around (shapes repeated one
// tile away, blurs and noise periodic), so the tile repeats without a seam in both directions.
#include <cmath>
#include <cstdint>

#include "paint.h"
#include "sheets.h"

using namespace shapes;

namespace {

constexpr float kTile = 256;

// The path and its copies one tile away in every direction.
Path Wrapped(const Path& path) {
  Path all;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) all.Add(Translated(path, dx * kTile, dy * kTile));
  }
  return all;
}

std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  return h ^ (h >> 15);
}

float Unit(std::uint32_t h) {
  return static_cast<float>(h & 0xFFFFFF) / 16777216.0f;
}

// Smooth value noise on a lattice of `cells` per tile, repeating with the tile.
float PeriodicNoise(float x, float y, int cells, std::uint32_t seed) {
  const float fx = x / kTile * static_cast<float>(cells);
  const float fy = y / kTile * static_cast<float>(cells);
  const int ix = static_cast<int>(std::floor(fx));
  const int iy = static_cast<int>(std::floor(fy));
  const float tx = fx - static_cast<float>(ix);
  const float ty = fy - static_cast<float>(iy);
  auto corner = [&](int cx, int cy) {
    const auto wx = static_cast<std::uint32_t>(((cx % cells) + cells) % cells);
    const auto wy = static_cast<std::uint32_t>(((cy % cells) + cells) % cells);
    return Unit(Hash(wx, wy, seed));
  };
  const float sx = tx * tx * (3 - 2 * tx);
  const float sy = ty * ty * (3 - 2 * ty);
  const float top = corner(ix, iy) + (corner(ix + 1, iy) - corner(ix, iy)) * sx;
  const float bottom = corner(ix, iy + 1) + (corner(ix + 1, iy + 1) - corner(ix, iy + 1)) * sx;
  return top + (bottom - top) * sy;
}

float Clouds(float x, float y, std::uint32_t seed) {
  return 0.55f * PeriodicNoise(x, y, 4, seed) + 0.3f * PeriodicNoise(x, y, 8, seed + 1) +
         0.15f * PeriodicNoise(x, y, 16, seed + 2);
}

// Dark night with faint violet and teal haze.
void Nebula(Canvas& frame) {
  const Mask all = frame.Shape(Of(Rect(0, 0, kTile, kTile)));
  const Colour violet = Rgb(46, 14, 78);
  const Colour teal = Rgb(0, 46, 72);
  frame.Shade(all, [&](float x, float y) {
    const float v = std::clamp(Clouds(x, y, 11) * 1.6f - 0.55f, 0.0f, 1.0f);
    const float t = std::clamp(Clouds(x, y, 29) * 1.6f - 0.6f, 0.0f, 1.0f);
    return palette::kNight.Mix(violet, v * 0.85f).Mix(teal, t * 0.7f);
  });
}

// A faint grid every 32 units with small lit crossings.
void Grid(Canvas& frame) {
  Path lines;
  for (int i = 0; i < 8; ++i) {
    const float at = 32.0f * static_cast<float>(i);
    lines.Add(Rect(at - 0.35f, 0, 0.7f, kTile));
    lines.Add(Rect(0, at - 0.35f, kTile, 0.7f));
  }
  Mask grid = frame.Shape(Wrapped(lines));
  frame.Fill(grid, Rgb(40, 44, 120).WithAlpha(0.45f));
  Path crossings;
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 8; ++j) crossings.Add(Circle(32.0f * i, 32.0f * j, 1.0f));
  }
  Mask dots = frame.Shape(Wrapped(crossings));
  Mask halo = dots;
  halo.Blur(2.0f * frame.Scale(), true).Scale(0.8f);
  frame.Fill(halo, palette::kCyan.WithAlpha(0.35f));
  frame.Fill(dots, palette::kCyan.Darker(0.35f).WithAlpha(0.7f));
}

// Scattered stars, a few of them with a four-point sparkle.
void Stars(Canvas& frame) {
  const Colour kTints[] = {palette::kWhite, palette::kCyan.Brighter(0.5f),
                           palette::kMagenta.Brighter(0.5f), palette::kYellow.Brighter(0.5f)};
  for (std::uint32_t i = 0; i < 70; ++i) {
    const float x = Unit(Hash(i, 1, 7)) * kTile;
    const float y = Unit(Hash(i, 2, 7)) * kTile;
    const float size = 0.35f + 0.75f * Unit(Hash(i, 3, 7)) * Unit(Hash(i, 4, 7));
    const Colour tint = kTints[Hash(i, 5, 7) % 4];
    const float brightness = 0.45f + 0.45f * Unit(Hash(i, 6, 7));
    const Path dot = Wrapped(Of(Circle(x, y, size)));
    if (i % 9 == 0) {
      const Path sparkle = Wrapped(Of(Star(x, y, size * 4.5f, size * 0.6f, 4, 0)));
      Mask glow = frame.Shape(sparkle);
      glow.Blur(1.2f * frame.Scale(), true);
      frame.Fill(glow, tint.WithAlpha(0.5f * brightness));
      FillPath(frame, sparkle, tint.WithAlpha(0.7f * brightness));
    }
    FillPath(frame, dot, tint.WithAlpha(brightness));
  }
}

}  // namespace

void PaintBackdrop(Canvas& frame, int) {
  Nebula(frame);
  Grid(frame);
  Stars(frame);
}
