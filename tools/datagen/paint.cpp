// The neon drawing steps.
#include "paint.h"

#include <algorithm>

Mask LineMask(const Canvas& canvas, const std::vector<Vec2>& points, float width, bool closed) {
  return canvas.Stroke(points, width, closed);
}

Mask OutlineMask(const Canvas& canvas, const Path& path, float width) {
  Mask outline = canvas.EmptyMask();
  for (const Contour& contour : path.contours) {
    outline.Union(LineMask(canvas, contour, width, true));
  }
  return outline;
}

void Glow(Canvas& canvas, const Mask& mask, const Colour& colour, float radius, float strength) {
  Mask halo = mask;
  halo.Blur(radius * canvas.Scale()).Scale(strength);
  canvas.Fill(halo, colour);
}

void NeonShape(Canvas& canvas, const Path& path, const NeonStyle& style) {
  const Mask body = canvas.Shape(path);
  if (style.glow > 0) Glow(canvas, body, style.colour, style.glow, style.glowStrength);
  // Lit from above: the body's top is a little brighter than its bottom.
  float top = 1e9f;
  float bottom = -1e9f;
  for (const Contour& contour : path.contours) {
    for (const Vec2& p : contour) {
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
  }
  const Colour dark = style.colour.Darker(style.bodyShade);
  const Colour darker = style.colour.Darker(std::min(1.0f, style.bodyShade + 0.2f));
  canvas.Shade(body, [&](float, float y) {
    return dark.Mix(darker, std::clamp((y - top) / std::max(1.0f, bottom - top), 0.0f, 1.0f));
  });
  Mask rim = OutlineMask(canvas, path, style.rim * 2.0f);  // half of the band lies inside
  rim.Intersect(body);
  canvas.Fill(rim, style.colour);
  if (style.hotCore) {
    Mask core = OutlineMask(canvas, path, style.rim * 0.7f);
    core.Intersect(body);
    canvas.Fill(core, style.colour.Brighter(0.7f).WithAlpha(0.85f));
  }
}

void NeonLine(Canvas& canvas, const std::vector<Vec2>& points, float width, const Colour& colour,
              float glow, bool closed) {
  const Mask tube = LineMask(canvas, points, width, closed);
  if (glow > 0) Glow(canvas, tube, colour, glow, 0.9f);
  canvas.Fill(tube, colour);
  canvas.Fill(LineMask(canvas, points, width * 0.38f, closed), colour.Brighter(0.75f));
}

void FillPath(Canvas& canvas, const Path& path, const Colour& colour) {
  canvas.Fill(canvas.Shape(path), colour);
}
