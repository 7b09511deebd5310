// Shape descriptions as polygons in drawing units: circles, boxes, stars, rings, arcs, thick
// and the transforms that place them. Curves are flattened finely enough for the
// largest detail level.
#pragma once

#include <initializer_list>
#include <vector>

#include "raster.h"

namespace shapes {

// Every builder returns contours of positive orientation, so that shapes can be combined into
// one path as a union; `Reversed` turns a contour into a hole.
Contour Oriented(Contour contour);
Contour Reversed(Contour contour);

Contour Polygon(std::initializer_list<Vec2> points);
Contour Polygon(const std::vector<Vec2>& points);
Contour Ellipse(float cx, float cy, float rx, float ry);
inline Contour Circle(float cx, float cy, float r) {
  return Ellipse(cx, cy, r, r);
}
Contour Rect(float x, float y, float w, float h);
Contour RoundRect(float x, float y, float w, float h, float radius);
// n corners on a circle of radius r, the first at `rotation` degrees from straight up.
Contour RegularPolygon(float cx, float cy, float r, int n, float rotation);
// n points of radius outer with notches of radius inner between them.
Contour Star(float cx, float cy, float outer, float inner, int n, float rotation);
// The band between two circles.
Path Ring(float cx, float cy, float outer, float inner);
// A piece of a ring from angle `from` to `to` (degrees clockwise from straight up).
Contour Arc(float cx, float cy, float outer, float inner, float from, float to);

// Transforms (angles in degrees, clockwise on screen).
Path Rotated(const Path& path, float degrees, float cx, float cy);
Path Translated(const Path& path, float dx, float dy);
Path Scaled(const Path& path, float sx, float sy, float cx, float cy);
// Mirrored about the vertical line x = axis (orientation kept positive).
Path MirroredX(const Path& path, float axis);
inline Path Of(Contour contour) {
  return Path{{std::move(contour)}};
}

// The point at `degrees` clockwise from straight up on a circle.
Vec2 OnCircle(float cx, float cy, float r, float degrees);

}  // namespace shapes
