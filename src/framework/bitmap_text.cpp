// Text in the draw-command list: one image command per glyph of the game's bitmap font, and
// the fixed-width number fields of the score tables and the score display.
#include "framework/game_math.h"
#include "game/my_app.h"

namespace {

// Glyphs exist for these codes; the font's frame k holds code k + 32.
constexpr int kFirstGlyph = 33;
constexpr int kLastGlyph = 159;

bool IsLineBreak(const String& text, int i) {
  return text[i] == u'\\' && i + 1 < text.Length() && text[i + 1] == u'n';
}

}  // namespace

void c_MyApp::DrawBitmapText(float x, float y, const String& text, float alignX, float alignY) {
  const float advance = static_cast<float>(imageInfo[fontImageId * 3]) * drawScaleX;
  const float lineHeight = static_cast<float>(imageInfo[fontImageId * 3 + 1]) * drawScaleY;
  const float theta = -drawRotation;
  const float cosTheta = CosDegrees(theta);
  const float sinTheta = SinDegrees(theta);
  // Alignment spans the whole text, line-break pairs included.
  const float last = static_cast<float>(text.Length() - 1);
  const float hx = alignX / 2;
  const float hy = (alignY - 1) / 2;
  const float startX = x - hx * last * advance * cosTheta + hy * lineHeight * sinTheta;
  const float startY = y - hx * last * advance * sinTheta - hy * lineHeight * cosTheta;
  float penX = startX;
  float penY = startY;
  int line = 0;
  for (int i = 0; i < text.Length(); ++i) {
    if (IsLineBreak(text, i)) {
      ++line;
      ++i;
      penX = startX - static_cast<float>(line) * lineHeight * sinTheta;
      penY = startY + static_cast<float>(line) * lineHeight * cosTheta;
      continue;
    }
    const int code = text[i];
    if (code >= kFirstGlyph && code <= kLastGlyph) {
      DrawCommandImage(fontImageId, penX, penY, static_cast<float>(code - 32));
    }
    if (code > 0) {
      penX += advance * cosTheta;
      penY += advance * sinTheta;
    }
  }
}

String c_MyApp::PadNumber(int value, int width, const String& pad) {
  const String padded = String::Repeat(pad, width + 1) + String::FromInt(value);
  // The last `width` characters; a width of 0 keeps the whole text.
  if (width <= 0) return padded.Slice(-width);
  return padded.Slice(padded.Length() - width);
}
