// The interface sheets: the white icon set (tinted by the game when drawn), the coloured button
// set with the start button and the dial face, the direction pad and the arcade stick.
#include <cmath>
#include <string>

#include "font.h"
#include "letters.h"
#include "paint.h"
#include "sheets.h"

using namespace shapes;

namespace {

// Icons are white so that the colour the game draws them with shows through unchanged.
constexpr Colour kIconInk = palette::kWhite;

void IconLine(Canvas& frame, const std::vector<Vec2>& points, bool closed = false) {
  NeonLine(frame, points, 2.0f, kIconInk, 1.4f, closed);
}

void IconShape(Canvas& frame, const Path& path) {
  Glow(frame, frame.Shape(path), kIconInk, 1.4f, 0.8f);
  FillPath(frame, path, kIconInk);
}

// The round base every icon button sits on: a dark disc and a glowing ring.
void IconBase(Canvas& frame) {
  FillPath(frame, Of(Circle(16, 16, 13.0f)), palette::kBlack.WithAlpha(0.5f));
  const Path ring = Ring(16, 16, 13.4f, 12.1f);
  Glow(frame, frame.Shape(ring), kIconInk, 1.2f, 0.7f);
  FillPath(frame, ring, kIconInk.WithAlpha(0.9f));
}

void Speaker(Canvas& frame) {
  IconShape(frame, Of(Polygon({{7.0f, 12.6f},
                               {10.6f, 12.6f},
                               {15.0f, 8.6f},
                               {15.0f, 23.4f},
                               {10.6f, 19.4f},
                               {7.0f, 19.4f}})));
}

std::vector<Vec2> ArcPoints(float cx, float cy, float r, float from, float to) {
  std::vector<Vec2> points;
  for (int i = 0; i <= 16; ++i) points.push_back(OnCircle(cx, cy, r, from + (to - from) * i / 16));
  return points;
}

void Arrow(Canvas& frame, float degrees) {
  const Path arrow =
      Rotated(Of(Polygon({{16, 8}, {23, 15}, {19, 15}, {19, 24}, {13, 24}, {13, 15}, {9, 15}})),
              degrees, 16, 16);
  IconShape(frame, arrow);
}

}  // namespace

// 32 × 32 icons: 0 settings (a cog with pause bars), 1 end game, 2 home, 3 resume, 4 sound on,
// 5 sound off, 6 the selection ring, then simple spares: check, arrows, star, plus, minus, info.
void PaintIcon(Canvas& frame, int index) {
  if (index == 6) {
    // Drawn larger than the icons it marks, so it circles them with room to spare.
    // Its glow fades out inside the frame, so no straight cut shows at the frame's edge.
    Path ring = Ring(16, 16, 13.4f, 12.4f);
    for (int i = 0; i < 4; ++i) ring.Add(Arc(16, 16, 13.6f, 11.6f, 90.0f * i - 14, 90.0f * i + 14));
    Glow(frame, frame.Shape(ring), kIconInk, 0.9f, 0.9f);
    FillPath(frame, ring, kIconInk);
    return;
  }
  IconBase(frame);
  switch (index) {
    case 0: {
      Path cog = Ring(16, 16, 8.2f, 5.6f);
      for (int i = 0; i < 8; ++i) {
        cog.Add(Rotated(Of(Rect(14.4f, 5.2f, 3.2f, 3.6f)), 45.0f * i, 16, 16).contours[0]);
      }
      IconShape(frame, cog);
      IconShape(frame, Of(Rect(13.6f, 13.2f, 1.6f, 5.6f)));
      IconShape(frame, Of(Rect(16.8f, 13.2f, 1.6f, 5.6f)));
      break;
    }
    case 1:
      IconLine(frame, {{10.5f, 10.5f}, {21.5f, 21.5f}});
      IconLine(frame, {{21.5f, 10.5f}, {10.5f, 21.5f}});
      break;
    case 2:
      IconLine(frame, {{8.5f, 16.0f}, {16.0f, 9.0f}, {23.5f, 16.0f}});
      IconLine(frame, {{11.0f, 15.0f}, {11.0f, 22.5f}, {21.0f, 22.5f}, {21.0f, 15.0f}});
      break;
    case 3:
      IconShape(frame, Of(Polygon({{12.5f, 9.0f}, {23.0f, 16.0f}, {12.5f, 23.0f}})));
      break;
    case 4:
      Speaker(frame);
      IconLine(frame, ArcPoints(15.0f, 16.0f, 4.4f, 50, 130));
      IconLine(frame, ArcPoints(15.0f, 16.0f, 8.0f, 48, 132));
      break;
    case 5:
      Speaker(frame);
      IconLine(frame, {{18.5f, 12.5f}, {24.5f, 19.5f}});
      IconLine(frame, {{24.5f, 12.5f}, {18.5f, 19.5f}});
      break;
    case 7:
      IconLine(frame, {{9.5f, 16.5f}, {14.0f, 21.0f}, {22.5f, 11.0f}});
      break;
    case 8:
      Arrow(frame, 0);
      break;
    case 9:
      Arrow(frame, 90);
      break;
    case 10:
      Arrow(frame, 180);
      break;
    case 11:
      Arrow(frame, 270);
      break;
    case 12:
      IconShape(frame, Of(Star(16, 16.6f, 8.6f, 3.6f, 5, 0)));
      break;
    case 13:
      IconLine(frame, {{16, 9.5f}, {16, 22.5f}});
      IconLine(frame, {{9.5f, 16}, {22.5f, 16}});
      break;
    case 14:
      IconLine(frame, {{9.5f, 16}, {22.5f, 16}});
      break;
    default:
      IconShape(frame, Of(Circle(16, 10.2f, 1.6f)));
      IconLine(frame, {{16, 14.5f}, {16, 22.5f}});
      break;
  }
}

namespace {

// A round coloured button with a glossy top, the base of most frames of the button set.
void RoundButton(Canvas& frame, const Colour& colour) {
  NeonShape(
      frame, Of(Circle(32, 32, 26)),
      {.colour = colour, .rim = 2.4f, .glow = 3.0f, .glowStrength = 0.8f, .bodyShade = 0.55f});
  FillPath(frame, Of(Ellipse(32, 19, 15, 6)), palette::kWhite.WithAlpha(0.16f));
}

void ButtonSymbol(Canvas& frame, const Path& path) {
  Glow(frame, frame.Shape(path), palette::kWhite, 1.5f, 0.6f);
  FillPath(frame, path, palette::kWhite);
}

// The dial face of the credits screen: ticks all around, numbers at the quarters, a needle.
void DialFace(Canvas& frame) {
  FillPath(frame, Of(Circle(32, 32, 30)), palette::kNight.WithAlpha(0.92f));
  NeonLine(frame, ArcPoints(32, 32, 28.5f, 0, 360), 1.4f, palette::kCyan, 1.5f, true);
  for (int i = 0; i < 40; ++i) {
    const float a = 9.0f * i;
    const float inner = i % 5 == 0 ? 21.5f : 24.5f;
    const std::vector<Vec2> tick = {OnCircle(32, 32, inner, a), OnCircle(32, 32, 26.5f, a)};
    NeonLine(frame, tick, i % 5 == 0 ? 1.4f : 0.8f, i >= 30 ? palette::kRed : palette::kWhite, 0);
  }
  const char* labels[] = {"0", "2", "4", "6"};
  for (int q = 0; q < 4; ++q) {
    const Vec2 at = OnCircle(32, 32, 15.5f, 90.0f * q + 0);
    DrawPixelText(frame, labels[q], at.x, at.y - 4.5f, palette::kWhite, palette::kBlack, 1.0f);
  }
  NeonLine(frame, {{32, 32}, OnCircle(32, 32, 22, 58)}, 1.6f, palette::kOrange, 1.2f);
  FillPath(frame, Of(Circle(32, 32, 3.2f)), palette::kOrange);
  FillPath(frame, Of(Circle(32, 32, 1.4f)), palette::kWhite);
}

// The start button: a green capsule with the word in neon tubes.
void StartButton(Canvas& frame) {
  NeonShape(frame, Of(RoundRect(4, 14, 56, 36, 18)),
            {.colour = palette::kGreen,
             .rim = 2.2f,
             .glow = 2.2f,
             .glowStrength = 0.85f,
             .bodyShade = 0.62f});
  FillPath(frame, Of(RoundRect(12, 17, 40, 7, 3.5f)), palette::kWhite.WithAlpha(0.12f));
  for (const auto& stroke : WordStrokes("START", 32.0f, 26.6f, 1.8f, 1.3f)) {
    NeonLine(frame, stroke, 1.8f, palette::kWhite, 1.2f);
  }
}

}  // namespace

// 64 × 64 buttons: 1 the start button, 12 the dial face; the others round buttons in the
// palette's colours with simple symbols.
void PaintButton(Canvas& frame, int index) {
  if (index == 1) return StartButton(frame);
  if (index == 12) return DialFace(frame);
  static constexpr Colour kColours[] = {palette::kRed,    palette::kGreen,   palette::kYellow,
                                        palette::kCyan,   palette::kMagenta, palette::kOrange,
                                        palette::kViolet, palette::kGreen};
  RoundButton(frame, kColours[index % 8]);
  switch (index) {
    case 0:
      DrawPixelText(frame, "A", 32, 23, palette::kWhite, palette::kBlack, 2.4f);
      break;
    case 2:
      DrawPixelText(frame, "B", 32, 23, palette::kWhite, palette::kBlack, 2.4f);
      break;
    case 3:
      DrawPixelText(frame, "X", 32, 23, palette::kWhite, palette::kBlack, 2.4f);
      break;
    case 4:
      DrawPixelText(frame, "Y", 32, 23, palette::kWhite, palette::kBlack, 2.4f);
      break;
    case 5:
      ButtonSymbol(frame, Of(Polygon({{25, 20}, {43, 32}, {25, 44}})));
      break;
    case 6:
      ButtonSymbol(frame, Of(Rect(23, 21, 6, 22)));
      ButtonSymbol(frame, Of(Rect(35, 21, 6, 22)));
      break;
    case 7:
      ButtonSymbol(frame, Of(Rect(22, 22, 20, 20)));
      break;
    case 13:
      ButtonSymbol(frame, Of(Rect(29, 19, 6, 26)));
      ButtonSymbol(frame, Of(Rect(19, 29, 26, 6)));
      break;
    case 14:
      ButtonSymbol(frame, Of(Rect(19, 29, 26, 6)));
      break;
    case 15:
      ButtonSymbol(frame, Of(Star(32, 33, 14, 6, 5, 0)));
      break;
    default: {
      // 8 to 11: arrows left, right, up, down.
      static constexpr float kTurns[] = {270, 90, 0, 180};
      ButtonSymbol(
          frame,
          Rotated(
              Of(Polygon({{32, 17}, {45, 31}, {37, 31}, {37, 46}, {27, 46}, {27, 31}, {19, 31}})),
              kTurns[(index - 8) & 3], 32, 32));
      break;
    }
  }
}

// 32 × 32 direction pad: frame bits 1 up, 2 right, 4 down, 8 left light those arms.
void PaintDpad(Canvas& frame, int index) {
  const Path cross = Of(Polygon({{11, 3},
                                 {21, 3},
                                 {21, 11},
                                 {29, 11},
                                 {29, 21},
                                 {21, 21},
                                 {21, 29},
                                 {11, 29},
                                 {11, 21},
                                 {3, 21},
                                 {3, 11},
                                 {11, 11}}));
  NeonShape(frame, cross,
            {.colour = palette::kViolet,
             .rim = 1.2f,
             .glow = 1.6f,
             .glowStrength = 0.7f,
             .bodyShade = 0.7f});
  for (int arm = 0; arm < 4; ++arm) {
    const bool lit = (index >> arm) & 1;
    const Path pointer =
        Rotated(Of(Polygon({{16, 5.5f}, {19.5f, 10}, {12.5f, 10}})), 90.0f * arm, 16, 16);
    if (lit) Glow(frame, frame.Shape(pointer), palette::kYellow, 1.2f, 1.0f);
    FillPath(frame, pointer, lit ? palette::kYellow : palette::kViolet.Brighter(0.3f));
  }
  FillPath(frame, Of(Circle(16, 16, 2.6f)), palette::kViolet.Darker(0.4f));
}

// 64 × 64 arcade stick: 0 at rest, 1 pushed with its ball lit.
void PaintIcade(Canvas& frame, int index) {
  const bool pushed = index == 1;
  NeonShape(frame, Of(RoundRect(8, 40, 48, 16, 5)),
            {.colour = palette::kCyan, .rim = 1.6f, .glow = 2.0f, .bodyShade = 0.7f});
  FillPath(frame, Of(Ellipse(32, 44, 9, 3)), palette::kBlack.WithAlpha(0.6f));
  const Vec2 ball = pushed ? Vec2{42, 16} : Vec2{32, 14};
  NeonLine(frame, {{32, 44}, ball}, 3.6f, palette::kWhite.Darker(0.3f), 0.8f);
  const Colour knob = pushed ? palette::kRed.Brighter(0.2f) : palette::kRed;
  NeonShape(frame, Of(Circle(ball.x, ball.y, 8)),
            {.colour = knob, .rim = 1.6f, .glow = pushed ? 3.0f : 1.6f, .bodyShade = 0.35f});
  FillPath(frame, Of(Ellipse(ball.x - 2.5f, ball.y - 3, 2.6f, 1.8f)),
           palette::kWhite.WithAlpha(0.7f));
  FillPath(frame, Of(Circle(48, 48, 3)), pushed ? palette::kYellow : palette::kYellow.Darker(0.5f));
}
