// The shared look of every picture: the palette and the neon drawing steps (soft glow, dark
// glassy body, bright rim, white-hot core) that the sheet painters are built from.
#pragma once

#include <vector>

#include "canvas.h"
#include "shapes.h"

namespace palette {
inline constexpr Colour kNight = Rgb(7, 6, 22);       // the backdrop
inline constexpr Colour kDeepBlue = Rgb(16, 18, 60);  // backdrop detail
inline constexpr Colour kCyan = Rgb(40, 232, 255);
inline constexpr Colour kMagenta = Rgb(255, 56, 196);
inline constexpr Colour kYellow = Rgb(255, 226, 64);
inline constexpr Colour kOrange = Rgb(255, 136, 36);
inline constexpr Colour kGreen = Rgb(72, 255, 128);
inline constexpr Colour kViolet = Rgb(150, 96, 255);
inline constexpr Colour kRed = Rgb(255, 52, 72);
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kBlack = Rgb(0, 0, 0);
}  // namespace palette

// Masks in the canvas's pixel grid from shape descriptions in units.
Mask LineMask(const Canvas& canvas, const std::vector<Vec2>& points, float width,
              bool closed = false);
// A band of the given width centred on every contour of the path.
Mask OutlineMask(const Canvas& canvas, const Path& path, float width);

// A soft halo: the mask blurred by `radius` units, painted in colour at `strength`.
void Glow(Canvas& canvas, const Mask& mask, const Colour& colour, float radius, float strength);

struct NeonStyle {
  Colour colour;
  float rim = 1.0f;   // width of the bright outline in units
  float glow = 2.0f;  // halo radius in units
  float glowStrength = 0.9f;
  float bodyShade = 0.62f;  // how far the body is darkened from the rim colour
  bool hotCore = true;      // a thin near-white line along the rim
};

// A filled shape: halo, dark glassy body lit from the top, bright rim and a hot core.
void NeonShape(Canvas& canvas, const Path& path, const NeonStyle& style);
// A glowing tube through the points: halo, coloured tube, white-hot centre line.
void NeonLine(Canvas& canvas, const std::vector<Vec2>& points, float width, const Colour& colour,
              float glow = 2.0f, bool closed = false);
// A plain anti-aliased fill.
void FillPath(Canvas& canvas, const Path& path, const Colour& colour);
