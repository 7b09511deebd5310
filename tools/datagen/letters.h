// Neon tube lettering for titles and labels: each letter is a few strokes on a 4 × 6 grid.
#pragma once

#include <string_view>
#include <vector>

#include "raster.h"

// The strokes of `letter` (capitals used by the pictures; others give none), with the grid
// scaled by `unit`, its top-left corner at (x, y), and sheared by `slant` (x shift per unit of
// height, for italics).
std::vector<std::vector<Vec2>> LetterStrokes(char letter, float x, float y, float unit,
                                             float slant = 0.0f);

// The strokes of a word centred on centreX (at half height when slanted), letters 4 units wide
// with `gap` units between them, pairs such as L and T set closer.
std::vector<std::vector<Vec2>> WordStrokes(std::string_view word, float centreX, float top,
                                           float unit, float gap, float slant = 0.0f);
