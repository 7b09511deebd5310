// Number conversions and angle functions shared by the game's screens. The game truncates
// floats to whole numbers in many places; these conversions are defined for every float
// (NaN reads as 0, values beyond the int range as the nearest int), so odd window sizes and
// stray values never reach an undefined conversion.
#pragma once

#include <climits>
#include <cmath>

// pi / 180 in single precision: degrees to radians.
constexpr float kDegreesToRadians = 0.017453292f;

// Truncation toward zero, saturating at the int range.
inline int TruncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return INT_MAX;
  if (value <= -2147483649.0) return INT_MIN;
  return static_cast<int>(value);
}

// Rounding down, saturating at the int range.
inline int FloorToInt(double value) {
  return TruncToInt(std::floor(value));
}

inline float SinDegrees(float degrees) {
  return std::sin(degrees * kDegreesToRadians);
}

inline float CosDegrees(float degrees) {
  return std::cos(degrees * kDegreesToRadians);
}
