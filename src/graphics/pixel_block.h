// The rectangle of a pixel array that pixel reads and writes touch: h rows of w elements, row r
// starting at offset + r·pitch.
#pragma once

#include <cstddef>
#include <cstdint>

// True when every row of the block lies inside an array of `size` elements and the block is
// not empty. Rows may share elements only in a one-row block.
inline bool PixelBlockFits(std::size_t size, int w, int h, int offset, int pitch) {
  if (w <= 0 || h <= 0 || (h > 1 && pitch < w)) return false;
  const std::int64_t lastRow = offset + static_cast<std::int64_t>(h - 1) * pitch;
  return offset >= 0 && lastRow + w <= static_cast<std::int64_t>(size);
}
