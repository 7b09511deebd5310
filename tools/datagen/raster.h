// Coverage masks from polygons: exact area anti-aliasing by signed-area accumulation, plus the
// mask arithmetic (union, difference, blur) that the drawing code builds shapes with.
#pragma once

#include <vector>

struct Vec2 {
  float x = 0;
  float y = 0;
};

// Closed polygons in drawing units. Overlapping contours of one orientation add up (union);
// a contour of the opposite orientation inside another cuts a hole.
using Contour = std::vector<Vec2>;
struct Path {
  std::vector<Contour> contours;

  Path& Add(const Path& other);
  Path& Add(Contour contour);
};

// A float coverage value per pixel, 0 (outside) to 1 (inside).
class Mask {
 public:
  Mask(int width, int height) : width_(width), height_(height), cover_(width * height, 0.0f) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  float At(int x, int y) const { return cover_[y * width_ + x]; }
  float& At(int x, int y) { return cover_[y * width_ + x]; }

  Mask& Union(const Mask& other);  // the larger coverage of the two
  Mask& Subtract(const Mask& other);
  Mask& Intersect(const Mask& other);
  Mask& Scale(float factor);
  // Three box passes each way, close to a Gaussian with the given radius in pixels. With
  // `wrap` the picture is treated as a tile, so the blur runs across opposite edges.
  Mask& Blur(float radius, bool wrap = false);

 private:
  int width_;
  int height_;
  std::vector<float> cover_;
};

// Coverage of `path` on a width × height pixel grid where one unit is `scale` pixels.
Mask Rasterise(const Path& path, int width, int height, float scale);

// Coverage of a line of the given width (units) through the points, with round joins and ends,
// from each pixel's distance to the nearest segment.
Mask RasteriseStroke(const std::vector<Vec2>& points, float width, bool closed, int maskWidth,
                     int maskHeight, float scale);
