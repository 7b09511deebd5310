// Compositing into the picture and writing it through stb_image_write.
#include "canvas.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "shapes.h"

Colour Colour::Mix(const Colour& other, float t) const {
  return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t,
          a + (other.a - a) * t};
}

Colour Colour::Brighter(float amount) const {
  return Mix({1, 1, 1, a}, amount);
}

Colour Colour::Darker(float amount) const {
  return Mix({0, 0, 0, a}, amount);
}

Canvas::Canvas(int width, int height, float scale, Vec2 origin)
    : width_(width), height_(height), scale_(scale), origin_(origin), pixels_(width * height) {}

Mask Canvas::Shape(const Path& path) const {
  const Vec2 shift = Shift();
  if (shift.x == 0 && shift.y == 0) return Rasterise(path, width_, height_, scale_);
  return Rasterise(shapes::Translated(path, shift.x, shift.y), width_, height_, scale_);
}

Mask Canvas::Stroke(const std::vector<Vec2>& points, float width, bool closed) const {
  const Vec2 shift = Shift();
  std::vector<Vec2> placed = points;
  for (Vec2& p : placed) p = {p.x + shift.x, p.y + shift.y};
  return RasteriseStroke(placed, width, closed, width_, height_, scale_);
}

void Canvas::Fill(const Mask& mask, const Colour& colour) {
  Shade(mask, [&](float, float) { return colour; });
}

void Canvas::Shade(const Mask& mask, const std::function<Colour(float x, float y)>& colour) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float cover = mask.At(x, y);
      if (cover <= 0) continue;
      const Colour c = colour((static_cast<float>(x) + 0.5f - origin_.x) / scale_,
                              (static_cast<float>(y) + 0.5f - origin_.y) / scale_);
      const float alpha = std::clamp(c.a * cover, 0.0f, 1.0f);
      Premultiplied& p = pixels_[y * width_ + x];
      p.r = c.r * alpha + p.r * (1 - alpha);
      p.g = c.g * alpha + p.g * (1 - alpha);
      p.b = c.b * alpha + p.b * (1 - alpha);
      p.a = alpha + p.a * (1 - alpha);
    }
  }
}

void Canvas::AddLight(const Mask& mask, const Colour& colour) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float amount = std::clamp(mask.At(x, y) * colour.a, 0.0f, 1.0f);
      if (amount <= 0) continue;
      Premultiplied& p = pixels_[y * width_ + x];
      p.a = amount + p.a * (1 - amount);
      p.r = std::min(p.a, p.r + colour.r * amount);
      p.g = std::min(p.a, p.g + colour.g * amount);
      p.b = std::min(p.a, p.b + colour.b * amount);
    }
  }
}

void Canvas::Blit(const Canvas& source, int x, int y) {
  for (int sy = 0; sy < source.height_; ++sy) {
    const int ty = y + sy;
    if (ty < 0 || ty >= height_) continue;
    for (int sx = 0; sx < source.width_; ++sx) {
      const int tx = x + sx;
      if (tx < 0 || tx >= width_) continue;
      pixels_[ty * width_ + tx] = source.pixels_[sy * source.width_ + sx];
    }
  }
}

void Canvas::StraightPixel(int x, int y, unsigned char out[4]) const {
  const Premultiplied& p = pixels_[y * width_ + x];
  const float alpha = std::clamp(p.a, 0.0f, 1.0f);
  const int a8 = static_cast<int>(std::lround(alpha * 255.0f));
  if (a8 == 0) {
    out[0] = out[1] = out[2] = out[3] = 0;
    return;
  }
  auto channel = [&](float premultiplied) {
    const float straight = std::clamp(premultiplied / alpha, 0.0f, 1.0f);
    return static_cast<unsigned char>(std::lround(straight * 255.0f));
  };
  out[0] = channel(p.r);
  out[1] = channel(p.g);
  out[2] = channel(p.b);
  out[3] = static_cast<unsigned char>(a8);
}

bool Canvas::SavePng(const std::string& path) const {
  std::vector<unsigned char> bytes(static_cast<std::size_t>(width_) * height_ * 4);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) StraightPixel(x, y, &bytes[(y * width_ + x) * 4]);
  }
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  return stbi_write_png(path.c_str(), width_, height_, 4, bytes.data(), width_ * 4) != 0;
}
