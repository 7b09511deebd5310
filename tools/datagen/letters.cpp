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

// Extra space between two letters in grid units: an L leaves its top right open and a T its
// bottom left, so side by side they look further apart than the rest.
float Kerning(char left, char right) {
  return left == 'L' && right == 'T' ? -1.25f : 0.0f;
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
  float width = (static_cast<float>(word.size()) * (4.0f + gap) - gap) * unit;
  for (std::size_t i = 1; i < word.size(); ++i) width += Kerning(word[i - 1], word[i]) * unit;
  // The slant moves the tops right; centring at half height keeps the word in the middle.
  float x = centreX - width * 0.5f - 3.0f * unit * slant;
  Strokes all;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (i > 0) x += (4.0f + gap + Kerning(word[i - 1], word[i])) * unit;
    Strokes strokes = LetterStrokes(word[i], x, top, unit, slant);
    all.insert(all.end(), strokes.begin(), strokes.end());
  }
  return all;
}
