// Signed-area rasteriser: every polygon edge deposits, in each pixel row it crosses, the area it
// sweeps to its right; a running sum along the row then gives the exact covered fraction.
#include "raster.h"

#include <algorithm>
#include <cmath>

Path& Path::Add(const Path& other) {
  contours.insert(contours.end(), other.contours.begin(), other.contours.end());
  return *this;
}

Path& Path::Add(Contour contour) {
  contours.push_back(std::move(contour));
  return *this;
}

namespace {

// Accumulation rows one cell wider than the mask, so an edge at the right border has a cell.
class Accumulator {
 public:
  Accumulator(int width, int height)
      : width_(width), height_(height), cells_((width + 2) * height, 0.0f) {}

  // An edge with x inside 0..width: split at row boundaries, each piece spread over the cells
  // it passes by the area between it and the right end of its row.
  void Edge(Vec2 p0, Vec2 p1) {
    if (p0.y == p1.y) return;
    float dir = 1.0f;
    if (p0.y > p1.y) {
      std::swap(p0, p1);
      dir = -1.0f;
    }
    const float dxdy = (p1.x - p0.x) / (p1.y - p0.y);
    const int rowFirst = std::max(0, static_cast<int>(std::floor(p0.y)));
    const int rowEnd = std::min(height_, static_cast<int>(std::ceil(p1.y)));
    for (int row = rowFirst; row < rowEnd; ++row) {
      const float top = std::max(static_cast<float>(row), p0.y);
      const float bottom = std::min(static_cast<float>(row + 1), p1.y);
      if (bottom <= top) continue;
      const float xa = p0.x + (top - p0.y) * dxdy;
      const float xb = p0.x + (bottom - p0.y) * dxdy;
      Span(row, std::min(xa, xb), std::max(xa, xb), (bottom - top) * dir);
    }
  }

  Mask Resolve() const {
    Mask mask(width_, height_);
    for (int y = 0; y < height_; ++y) {
      float sum = 0;
      const float* row = &cells_[y * (width_ + 2)];
      for (int x = 0; x < width_; ++x) {
        sum += row[x];
        mask.At(x, y) = std::min(1.0f, std::fabs(sum));
      }
    }
    return mask;
  }

 private:
  // A piece of edge within one row, running between x0 and x1 (x0 <= x1), of signed height d.
  // Pixel i is covered by F(i + 1) - F(i), where F(X) integrates over the piece how far X lies
  // right of the edge; each cell stores the change of coverage from the pixel before.
  void Span(int row, float x0, float x1, float d) {
    float* cells = &cells_[row * (width_ + 2)];
    if (x1 - x0 < 1e-5f) {
      const float mid = 0.5f * (x0 + x1);
      const int i = std::min(width_, static_cast<int>(mid));
      const float inside = mid - static_cast<float>(i);
      cells[i] += d * (1.0f - inside);
      cells[i + 1] += d * inside;
      return;
    }
    const int first = static_cast<int>(x0);
    const int last = std::min(width_, static_cast<int>(x1));
    const float slope = d / (x1 - x0);
    auto areaLeftOf = [&](float x) {
      if (x <= x0) return 0.0f;
      if (x <= x1) return 0.5f * slope * (x - x0) * (x - x0);
      return d * (x - 0.5f * (x0 + x1));
    };
    float before = 0;
    for (int i = first; i <= last; ++i) {
      const float coverage =
          areaLeftOf(static_cast<float>(i + 1)) - areaLeftOf(static_cast<float>(i));
      cells[i] += coverage - before;
      before = coverage;
    }
    cells[last + 1] += d - before;
  }

  int width_;
  int height_;
  std::vector<float> cells_;
};

}  // namespace

namespace {

// Splits an edge at x = 0 and x = width: pieces right of the mask cover nothing inside it and
// are dropped; pieces left of it cover whole rows and are moved onto x = 0.
void ClippedEdge(Accumulator& acc, Vec2 a, Vec2 b, float width) {
  float cuts[4] = {0, 1, 1, 1};
  int count = 1;
  for (float edge : {0.0f, width}) {
    if ((a.x - edge) * (b.x - edge) < 0) cuts[count++] = (edge - a.x) / (b.x - a.x);
  }
  cuts[count++] = 1;
  if (count == 4 && cuts[1] > cuts[2]) std::swap(cuts[1], cuts[2]);
  for (int k = 0; k + 1 < count; ++k) {
    const float t0 = cuts[k];
    const float t1 = cuts[k + 1];
    if (t1 <= t0) continue;
    Vec2 p{a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0};
    Vec2 q{a.x + (b.x - a.x) * t1, a.y + (b.y - a.y) * t1};
    const float mid = 0.5f * (p.x + q.x);
    if (mid >= width) continue;
    p.x = std::clamp(p.x, 0.0f, width);
    q.x = std::clamp(q.x, 0.0f, width);
    if (mid <= 0) p.x = q.x = 0;
    acc.Edge(p, q);
  }
}

}  // namespace

Mask Rasterise(const Path& path, int width, int height, float scale) {
  Accumulator acc(width, height);
  for (const Contour& contour : path.contours) {
    const std::size_t n = contour.size();
    for (std::size_t i = 0; i < n; ++i) {
      const Vec2 a = contour[i];
      const Vec2 b = contour[(i + 1) % n];
      ClippedEdge(acc, {a.x * scale, a.y * scale}, {b.x * scale, b.y * scale},
                  static_cast<float>(width));
    }
  }
  return acc.Resolve();
}

Mask& Mask::Union(const Mask& other) {
  for (std::size_t i = 0; i < cover_.size(); ++i) {
    cover_[i] = std::max(cover_[i], other.cover_[i]);
  }
  return *this;
}

Mask& Mask::Subtract(const Mask& other) {
  for (std::size_t i = 0; i < cover_.size(); ++i) cover_[i] *= 1.0f - other.cover_[i];
  return *this;
}

Mask& Mask::Intersect(const Mask& other) {
  for (std::size_t i = 0; i < cover_.size(); ++i) cover_[i] *= other.cover_[i];
  return *this;
}

Mask& Mask::Scale(float factor) {
  for (float& value : cover_) value = std::min(1.0f, value * factor);
  return *this;
}

namespace {

// One box pass of half-width r over n values spaced `stride` apart; outside values count as 0
// unless the line wraps around.
void BoxPass(float* line, int n, int stride, int r, bool wrap, std::vector<float>& scratch) {
  scratch.resize(n);
  for (int i = 0; i < n; ++i) scratch[i] = line[i * stride];
  auto value = [&](int i) {
    if (wrap) return scratch[((i % n) + n) % n];
    return (i < 0 || i >= n) ? 0.0f : scratch[i];
  };
  double sum = 0;
  for (int i = -r; i <= r; ++i) sum += value(i);
  const float norm = 1.0f / static_cast<float>(2 * r + 1);
  for (int i = 0; i < n; ++i) {
    line[i * stride] = static_cast<float>(sum) * norm;
    sum += value(i + r + 1) - value(i - r);
  }
}

}  // namespace

Mask& Mask::Blur(float radius, bool wrap) {
  // Three box passes of half-width r have the variance of a Gaussian of sigma sqrt(r(r+1)).
  const int r = std::max(1, static_cast<int>(std::lround(radius * 0.6f)));
  std::vector<float> scratch;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < height_; ++y) BoxPass(&cover_[y * width_], width_, 1, r, wrap, scratch);
    for (int x = 0; x < width_; ++x) BoxPass(&cover_[x], height_, width_, r, wrap, scratch);
  }
  return *this;
}

Mask RasteriseStroke(const std::vector<Vec2>& points, float width, bool closed, int maskWidth,
                     int maskHeight, float scale) {
  Mask mask(maskWidth, maskHeight);
  const float half = width * 0.5f * scale;
  const std::size_t count = points.size();
  const std::size_t segments = count < 2 ? count : (closed ? count : count - 1);
  for (std::size_t i = 0; i < segments; ++i) {
    const Vec2 a{points[i].x * scale, points[i].y * scale};
    const Vec2 b{points[(i + 1) % count].x * scale, points[(i + 1) % count].y * scale};
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float lengthSquared = dx * dx + dy * dy;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - half - 1)));
    const int x1 =
        std::min(maskWidth - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + half + 1)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - half - 1)));
    const int y1 =
        std::min(maskHeight - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + half + 1)));
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        const float px = static_cast<float>(x) + 0.5f - a.x;
        const float py = static_cast<float>(y) + 0.5f - a.y;
        const float t =
            lengthSquared > 0 ? std::clamp((px * dx + py * dy) / lengthSquared, 0.0f, 1.0f) : 0.0f;
        const float distance = std::hypot(px - t * dx, py - t * dy);
        const float cover = std::clamp(half - distance + 0.5f, 0.0f, 1.0f);
        mask.At(x, y) = std::max(mask.At(x, y), cover);
      }
    }
  }
  return mask;
}
