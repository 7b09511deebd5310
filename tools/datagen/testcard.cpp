// "common/Testcard_Circle": the test-card circle of the credits screen. Colour bars on top, a
// dark middle band that the credits text scrolls through with the centre circle, grey steps
// below, grid lines over all of it, inside a white rim.
#include <cmath>

#include "paint.h"
#include "sheets.h"

using namespace shapes;

namespace {

constexpr float kCentre = 128;
constexpr float kRadius = 123;
constexpr float kBandTop = 76;
constexpr float kBandBottom = 180;

void Bars(Canvas& frame, const Mask& disc) {
  // Three-quarter intensity bars in the usual order of falling brightness.
  constexpr Colour kBars[] = {Rgb(192, 192, 192), Rgb(192, 192, 0), Rgb(0, 192, 192),
                              Rgb(0, 192, 0),     Rgb(192, 0, 192), Rgb(192, 0, 0),
                              Rgb(0, 0, 192),     Rgb(16, 16, 16)};
  constexpr float kWidth = 2 * kRadius / 8;
  for (int i = 0; i < 8; ++i) {
    Mask bar = frame.Shape(Of(Rect(kCentre - kRadius + kWidth * i, 0, kWidth, kBandTop)));
    bar.Intersect(disc);
    frame.Fill(bar, kBars[i]);
  }
}

void GreySteps(Canvas& frame, const Mask& disc) {
  constexpr float kWidth = 2 * kRadius / 6;
  for (int i = 0; i < 6; ++i) {
    Mask step = frame.Shape(Of(Rect(kCentre - kRadius + kWidth * i, kBandBottom, kWidth, 40)));
    step.Intersect(disc);
    const float level = static_cast<float>(i) / 5.0f;
    frame.Fill(step, {level, level, level, 1});
  }
  // A strip of gratings, finer to the right, under the steps.
  Mask below = frame.Shape(Of(Rect(0, kBandBottom + 40, 256, 40)));
  below.Intersect(disc);
  frame.Fill(below, Rgb(96, 96, 96));
  Path gratings;
  float x = kCentre - kRadius;
  for (int block = 0; block < 4; ++block) {
    const float pitch = 6.0f - 1.4f * static_cast<float>(block);
    const float end = x + 2 * kRadius / 4;
    for (; x + pitch * 0.5f < end; x += pitch) {
      gratings.Add(Rect(x, kBandBottom + 44, pitch * 0.5f, 16));
    }
    x = end;
  }
  Mask stripes = frame.Shape(gratings);
  stripes.Intersect(disc);
  frame.Fill(stripes, palette::kWhite);
}

void Band(Canvas& frame, const Mask& disc) {
  Mask band = frame.Shape(Of(Rect(0, kBandTop, 256, kBandBottom - kBandTop)));
  band.Intersect(disc);
  frame.Fill(band, Rgb(14, 14, 22));
  // The centre circle and its cross, thin enough for text to read across them.
  const Path circle = Ring(kCentre, kCentre, 46, 44.6f);
  frame.Fill(frame.Shape(circle), palette::kWhite.WithAlpha(0.85f));
  frame.Fill(frame.Shape(Of(Rect(kCentre - 0.6f, kBandTop, 1.2f, kBandBottom - kBandTop))),
             palette::kWhite.WithAlpha(0.35f));
  Mask across = frame.Shape(Of(Rect(0, kCentre - 0.6f, 256, 1.2f)));
  across.Intersect(disc);
  frame.Fill(across, palette::kWhite.WithAlpha(0.35f));
}

void GridLines(Canvas& frame, const Mask& disc) {
  Path lines;
  for (int i = 1; i < 8; ++i) {
    const float at = 32.0f * static_cast<float>(i);
    lines.Add(Rect(at - 0.5f, 0, 1.0f, kBandTop));
    lines.Add(Rect(at - 0.5f, kBandBottom + 40, 1.0f, 256));
  }
  for (float y : {32.0f, 64.0f, 224.0f, 248.0f}) lines.Add(Rect(0, y - 0.5f, 256, 1.0f));
  Mask grid = frame.Shape(lines);
  grid.Intersect(disc);
  frame.Fill(grid, palette::kWhite.WithAlpha(0.8f));
}

}  // namespace

void PaintTestCard(Canvas& frame, int) {
  const Mask disc = frame.Shape(Of(Circle(kCentre, kCentre, kRadius)));
  Bars(frame, disc);
  Band(frame, disc);
  GreySteps(frame, disc);
  GridLines(frame, disc);
  const Path rim = Ring(kCentre, kCentre, kRadius + 2.5f, kRadius);
  frame.Fill(frame.Shape(Ring(kCentre, kCentre, kRadius + 3.5f, kRadius + 2.5f)),
             palette::kBlack.WithAlpha(0.8f));
  frame.Fill(frame.Shape(rim), palette::kWhite);
}
