// A picture being drawn: premultiplied float RGBA pixels with a units-to-pixels mapping (a scale
// and the pixel position of the unit origin), painted through coverage masks and written out as
// an 8-bit straight-alpha PNG.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "raster.h"

// Straight (not premultiplied) colour, every channel 0..1.
struct Colour {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 1;

  Colour WithAlpha(float alpha) const { return {r, g, b, alpha}; }
  Colour Mix(const Colour& other, float t) const;
  Colour Brighter(float amount) const;  // blends toward white
  Colour Darker(float amount) const;    // blends toward black
};

// A colour in the 0..255 notation used for the palette.
constexpr Colour Rgb(int r, int g, int b) {
  return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f,
          static_cast<float>(b) / 255.0f, 1.0f};
}

class Canvas {
 public:
  // `scale` pixels per drawing unit, the unit origin at pixel `origin`; the size is in pixels.
  Canvas(int width, int height, float scale, Vec2 origin = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  float Scale() const { return scale_; }

  Mask Shape(const Path& path) const;
  // A line of the given width in units through the points (see RasteriseStroke).
  Mask Stroke(const std::vector<Vec2>& points, float width, bool closed) const;
  Mask EmptyMask() const { return Mask(width_, height_); }

  // Paints `colour` over the picture where the mask covers it.
  void Fill(const Mask& mask, const Colour& colour);
  // The same with a colour that varies over the picture, given at unit coordinates.
  void Shade(const Mask& mask, const std::function<Colour(float x, float y)>& colour);
  // Adds light: colour × coverage is added to the colour and the alpha grows as in painting over.
  void AddLight(const Mask& mask, const Colour& colour);

  // Copies `source` into this picture with its top-left pixel at (x, y).
  void Blit(const Canvas& source, int x, int y);

  // Writes an RGBA PNG (making missing folders); false on failure.
  bool SavePng(const std::string& path) const;
  // The pixel at (x, y) as straight 8-bit RGBA, as the PNG holds it.
  void StraightPixel(int x, int y, unsigned char out[4]) const;

 private:
  struct Premultiplied {
    float r = 0, g = 0, b = 0, a = 0;
  };

  // The origin in units: what is added to drawing coordinates before they are scaled.
  Vec2 Shift() const { return {origin_.x / scale_, origin_.y / scale_}; }

  int width_;
  int height_;
  float scale_;
  Vec2 origin_;
  std::vector<Premultiplied> pixels_;
};
