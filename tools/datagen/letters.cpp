// The stroke letters: polylines on a grid 4 wide and 6 high, y downward.
#include "letters.h"

namespace {

using Strokes = std::vector<std::vector<Vec2>>;

Strokes GridStrokes(char letter) {
  switch (letter) {
    case 'A':
      return {{{0, 6}, {0, 2}, {2, 0}, {4, 2}, {4, 6}}, {{0, 3.7f}, {4, 3.7f}}};
    case 'L':
      return {{{0, 0}, {0, 6}, {4, 6}}};
    case 'O':
      return {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}};
    case 'P':
      return {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}};
    case 'R':
      return {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}};
    case 'S':
      return {{{4, 1},
               {3, 0},
               {1, 0},
               {0, 1},
               {0, 2},
               {1, 3},
               {3, 3},
               {4, 4},
               {4, 5},
               {3, 6},
               {1, 6},
               {0, 5}}};
    case 'T':
      return {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}};
    case 'V':
      return {{{0, 0}, {2, 6}, {4, 0}}};
    default:
      return {};
  }
}

}  // namespace

std::vector<std::vector<Vec2>> LetterStrokes(char letter, float x, float y, float unit,
                                             float slant) {
  Strokes strokes = GridStrokes(letter);
  for (auto& stroke : strokes) {
    for (Vec2& p : stroke) {
      // Shear around the baseline so the letters lean forward.
      p = {x + p.x * unit + (6.0f - p.y) * unit * slant, y + p.y * unit};
    }
  }
  return strokes;
}

std::vector<std::vector<Vec2>> WordStrokes(std::string_view word, float centreX, float top,
                                           float unit, float gap, float slant) {
  const float width = (static_cast<float>(word.size()) * (4.0f + gap) - gap) * unit;
  float x = centreX - width * 0.5f;
  Strokes all;
  for (char letter : word) {
    Strokes strokes = LetterStrokes(letter, x, top, unit, slant);
    all.insert(all.end(), strokes.begin(), strokes.end());
    x += (4.0f + gap) * unit;
  }
  return all;
}
