// Polygon builders for the shape descriptions.
#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace shapes {
namespace {

constexpr float kDegrees = std::numbers::pi_v<float> / 180.0f;

float SignedArea(const Contour& contour) {
  double area = 0;
  for (std::size_t i = 0; i < contour.size(); ++i) {
    const Vec2& a = contour[i];
    const Vec2& b = contour[(i + 1) % contour.size()];
    area += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
  }
  return static_cast<float>(area * 0.5);
}

// Segments for a curve of radius r: fine enough that at 4 pixels per unit the chord error
// stays far below a pixel.
int SegmentsFor(float r) {
  return std::clamp(static_cast<int>(r * 6.0f), 24, 720);
}

}  // namespace

Vec2 OnCircle(float cx, float cy, float r, float degrees) {
  const float a = degrees * kDegrees;
  return {cx + r * std::sin(a), cy - r * std::cos(a)};
}

Contour Oriented(Contour contour) {
  if (SignedArea(contour) < 0) std::reverse(contour.begin(), contour.end());
  return contour;
}

Contour Reversed(Contour contour) {
  std::reverse(contour.begin(), contour.end());
  return contour;
}

Contour Polygon(std::initializer_list<Vec2> points) {
  return Oriented(Contour(points));
}

Contour Polygon(const std::vector<Vec2>& points) {
  return Oriented(points);
}

Contour Ellipse(float cx, float cy, float rx, float ry) {
  const int n = SegmentsFor(std::max(rx, ry));
  Contour contour;
  contour.reserve(n);
  for (int i = 0; i < n; ++i) {
    const float a =
        2.0f * std::numbers::pi_v<float> * static_cast<float>(i) / static_cast<float>(n);
    contour.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return Oriented(contour);
}

Contour Rect(float x, float y, float w, float h) {
  return Polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

Contour RoundRect(float x, float y, float w, float h, float radius) {
  radius = std::min({radius, w * 0.5f, h * 0.5f});
  const int n = std::max(6, SegmentsFor(radius) / 4);
  const Vec2 centres[4] = {{x + w - radius, y + radius},
                           {x + w - radius, y + h - radius},
                           {x + radius, y + h - radius},
                           {x + radius, y + radius}};
  Contour contour;
  for (int corner = 0; corner < 4; ++corner) {
    for (int i = 0; i <= n; ++i) {
      const float degrees = 90.0f * static_cast<float>(corner) +
                            90.0f * static_cast<float>(i) / static_cast<float>(n);
      contour.push_back(OnCircle(centres[corner].x, centres[corner].y, radius, degrees));
    }
  }
  return Oriented(contour);
}

Contour RegularPolygon(float cx, float cy, float r, int n, float rotation) {
  Contour contour;
  for (int i = 0; i < n; ++i) {
    contour.push_back(OnCircle(cx, cy, r, rotation + 360.0f * static_cast<float>(i) / n));
  }
  return Oriented(contour);
}

Contour Star(float cx, float cy, float outer, float inner, int n, float rotation) {
  Contour contour;
  for (int i = 0; i < 2 * n; ++i) {
    const float r = (i % 2 == 0) ? outer : inner;
    contour.push_back(OnCircle(cx, cy, r, rotation + 180.0f * static_cast<float>(i) / n));
  }
  return Oriented(contour);
}

Path Ring(float cx, float cy, float outer, float inner) {
  return Path{{Ellipse(cx, cy, outer, outer), Reversed(Ellipse(cx, cy, inner, inner))}};
}

Contour Arc(float cx, float cy, float outer, float inner, float from, float to) {
  const int n = std::max(2, static_cast<int>(SegmentsFor(outer) * std::fabs(to - from) / 360.0f));
  Contour contour;
  for (int i = 0; i <= n; ++i) {
    contour.push_back(OnCircle(cx, cy, outer, from + (to - from) * static_cast<float>(i) / n));
  }
  for (int i = n; i >= 0; --i) {
    contour.push_back(OnCircle(cx, cy, inner, from + (to - from) * static_cast<float>(i) / n));
  }
  return Oriented(contour);
}

namespace {

template <typename F>
Path Mapped(const Path& path, F map) {
  Path result;
  for (const Contour& contour : path.contours) {
    Contour mapped;
    mapped.reserve(contour.size());
    for (const Vec2& p : contour) mapped.push_back(map(p));
    result.Add(std::move(mapped));
  }
  return result;
}

}  // namespace

Path Rotated(const Path& path, float degrees, float cx, float cy) {
  const float c = std::cos(degrees * kDegrees);
  const float s = std::sin(degrees * kDegrees);
  return Mapped(path, [&](Vec2 p) {
    const float x = p.x - cx;
    const float y = p.y - cy;
    return Vec2{cx + x * c - y * s, cy + x * s + y * c};
  });
}

Path Translated(const Path& path, float dx, float dy) {
  return Mapped(path, [&](Vec2 p) { return Vec2{p.x + dx, p.y + dy}; });
}

Path Scaled(const Path& path, float sx, float sy, float cx, float cy) {
  return Mapped(path, [&](Vec2 p) { return Vec2{cx + (p.x - cx) * sx, cy + (p.y - cy) * sy}; });
}

Path MirroredX(const Path& path, float axis) {
  Path mirrored = Mapped(path, [&](Vec2 p) { return Vec2{2 * axis - p.x, p.y}; });
  for (Contour& contour : mirrored.contours) contour = Reversed(std::move(contour));
  return mirrored;
}

}  // namespace shapes
