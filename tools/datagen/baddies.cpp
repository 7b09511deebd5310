// The enemy sheet: 4 colour rows of 16 frames, in each row 8 looks (frames 0 to 7) followed by
// their second animation frames (8 to 15). Every look is drawn facing down at the player.
#include <cmath>

#include "paint.h"
#include "sheets.h"

using namespace shapes;

namespace {

constexpr Colour kRowColours[4] = {palette::kMagenta, palette::kOrange, palette::kGreen,
                                   palette::kViolet};

NeonStyle Body(const Colour& colour) {
  return {.colour = colour,
          .rim = 0.85f,
          .glow = 1.0f,
          .glowStrength = 0.75f,
          .bodyShade = 0.6f,
          .hotCore = false};
}

// A pair of white eyes with dark pupils, `look` shifting the pupils sideways.
void Eyes(Canvas& frame, float cx, float cy, float spacing, float radius, float look) {
  for (float side : {-1.0f, 1.0f}) {
    const float x = cx + side * spacing;
    FillPath(frame, Of(Circle(x, cy, radius)), palette::kWhite);
    FillPath(frame, Of(Circle(x + look * radius * 0.35f, cy + radius * 0.2f, radius * 0.5f)),
             palette::kNight);
  }
}

// A round beetle with feelers that twitch and legs that step.
void Beetle(Canvas& frame, const Colour& c, bool alt) {
  const float spread = alt ? 1.2f : 0.0f;
  for (float side : {-1.0f, 1.0f}) {
    NeonLine(frame, {{8 + side * 2.0f, 4.0f}, {8 + side * (4.0f + spread), 1.3f}}, 0.7f, c, 0.6f);
    for (int leg = 0; leg < 3; ++leg) {
      const float y = 7.0f + 2.4f * leg + ((leg % 2 == 0) == alt ? 0.6f : -0.6f);
      NeonLine(frame, {{8 + side * 4.0f, y}, {8 + side * 6.6f, y + 1.0f}}, 0.7f, c, 0.5f);
    }
  }
  NeonShape(frame, Of(Ellipse(8, 9, 4.8f, 5.2f)), Body(c));
  NeonLine(frame, {{8, 5.2f}, {8, 13.0f}}, 0.5f, c, 0);
  Eyes(frame, 8, 10.6f, 2.0f, 1.1f, alt ? 1.0f : -1.0f);
}

// A flying saucer with a glass dome; its rim lights take turns.
void Saucer(Canvas& frame, const Colour& c, bool alt) {
  const Contour dome = Ellipse(8, 6.6f, 3.4f, 3.2f);
  FillPath(frame, Of(dome), palette::kCyan.Darker(0.55f).WithAlpha(0.9f));
  FillPath(frame, Of(Ellipse(7.0f, 5.4f, 1.0f, 1.3f)), palette::kWhite.WithAlpha(0.8f));
  NeonShape(frame, Of(Ellipse(8, 9.6f, 7.0f, 2.6f)), Body(c));
  for (int i = 0; i < 5; ++i) {
    const bool lit = (i % 2 == 0) != alt;
    const float x = 3.2f + 2.4f * i;
    FillPath(frame, Of(Circle(x, 9.9f, 0.75f)),
             lit ? palette::kYellow.Brighter(0.4f) : c.Darker(0.3f));
  }
  NeonLine(frame, {{5.4f, 12.6f}, {4.4f, 14.4f}}, 0.6f, c, 0.5f);
  NeonLine(frame, {{10.6f, 12.6f}, {11.6f, 14.4f}}, 0.6f, c, 0.5f);
}

// A four-bladed spinner; the second frame is turned by 45 degrees.
void Spinner(Canvas& frame, const Colour& c, bool alt) {
  const float turn = alt ? 45.0f : 0.0f;
  Path blades;
  for (int i = 0; i < 4; ++i) {
    const float a = turn + 90.0f * i;
    const Vec2 tip = OnCircle(8, 8, 7.2f, a);
    const Vec2 left = OnCircle(8, 8, 3.2f, a - 40);
    const Vec2 back = OnCircle(8, 8, 2.0f, a + 60);
    blades.Add(Polygon({tip, back, left}));
  }
  NeonShape(frame, blades, Body(c));
  NeonShape(frame, Of(Circle(8, 8, 2.6f)), Body(c.Brighter(0.3f)));
  FillPath(frame, Of(Circle(8, 8, 1.1f)), palette::kWhite);
}

// A crab with two pincers in front that open and close.
void Crab(Canvas& frame, const Colour& c, bool alt) {
  const float gap = alt ? 120.0f : 60.0f;
  for (float side : {-1.0f, 1.0f}) {
    for (int leg = 0; leg < 2; ++leg) {
      const float y = 4.6f + 2.2f * leg;
      NeonLine(frame,
               {{8 + side * 3.6f, y + 1.0f}, {8 + side * 6.6f, y - 1.0f}, {8 + side * 7.2f, y}},
               0.6f, c, 0.4f);
    }
    const float cx = 8 + side * 4.6f;
    NeonLine(frame, {{8 + side * 2.4f, 8.6f}, {cx, 11.4f}}, 0.8f, c, 0.4f);
    // The opening faces down and toward the middle.
    const float opening = side < 0 ? 150.0f : 210.0f;
    const Contour claw =
        Arc(cx, 12.2f, 2.9f, 1.5f, opening + gap * 0.5f, opening + 360.0f - gap * 0.5f);
    NeonShape(frame, Of(claw), Body(c));
  }
  NeonShape(frame, Of(RegularPolygon(8, 6.6f, 4.2f, 6, 30)), Body(c));
  Eyes(frame, 8, 7.0f, 1.6f, 0.95f, 0);
}

// A jellyfish: a dome with three tentacles that sway.
void Jelly(Canvas& frame, const Colour& c, bool alt) {
  for (int t = 0; t < 3; ++t) {
    const float x = 4.8f + 3.2f * t;
    std::vector<Vec2> tentacle;
    for (int k = 0; k <= 6; ++k) {
      const float phase = (alt ? 3.14159f : 0.0f) + k * 1.1f + t;
      tentacle.push_back({x + 0.9f * std::sin(phase), 8.6f + k * 1.05f});
    }
    NeonLine(frame, tentacle, 0.7f, c, 0.5f);
  }
  Contour dome;
  for (int i = 0; i <= 32; ++i) dome.push_back(OnCircle(8, 8.8f, 6.2f, -90.0f + 180.0f * i / 32));
  NeonShape(frame, Of(Oriented(dome)), Body(c));
  Eyes(frame, 8, 6.4f, 1.9f, 0.95f, alt ? 0.8f : -0.8f);
}

// A spiked mine whose core pulses and whose spikes grow.
void Mine(Canvas& frame, const Colour& c, bool alt) {
  const float reach = alt ? 7.4f : 6.4f;
  Path spikes;
  for (int i = 0; i < 8; ++i) {
    const float a = 22.5f + 45.0f * i;
    spikes.Add(Polygon(
        {OnCircle(8, 8, reach, a), OnCircle(8, 8, 4.0f, a - 14), OnCircle(8, 8, 4.0f, a + 14)}));
  }
  NeonShape(frame, spikes, Body(c));
  NeonShape(frame, Of(RegularPolygon(8, 8, 4.8f, 8, 22.5f)), Body(c));
  Mask core = frame.Shape(Of(Circle(8, 8, alt ? 2.4f : 1.7f)));
  Glow(frame, core, palette::kYellow, 0.8f, 1.0f);
  frame.Fill(core, palette::kYellow.Brighter(0.5f));
}

// A bat with wings that beat up and down.
void Bat(Canvas& frame, const Colour& c, bool alt) {
  const float lift = alt ? -3.0f : 1.6f;
  Path wings;
  for (float side : {-1.0f, 1.0f}) {
    wings.Add(Polygon({{8 + side * 2.0f, 6.4f},
                       {8 + side * 7.4f, 4.6f + lift},
                       {8 + side * 6.2f, 9.0f + lift * 0.4f},
                       {8 + side * 4.6f, 8.0f + lift * 0.2f},
                       {8 + side * 3.4f, 10.6f}}));
  }
  NeonShape(frame, wings, Body(c));
  NeonShape(frame, Of(Ellipse(8, 8.6f, 2.6f, 3.6f)), Body(c));
  const Path ears{{Polygon({{5.9f, 6.2f}, {6.5f, 3.6f}, {7.5f, 5.4f}}),
                   Polygon({{10.1f, 6.2f}, {9.5f, 3.6f}, {8.5f, 5.4f}})}};
  NeonShape(frame, ears, Body(c));
  Eyes(frame, 8, 8.2f, 1.1f, 0.8f, 0);
}

// A floating eye in a diamond shell; the second frame blinks.
void Watcher(Canvas& frame, const Colour& c, bool alt) {
  NeonShape(frame, Of(Polygon({{8, 0.9f}, {15.1f, 8}, {8, 15.1f}, {0.9f, 8}})), Body(c));
  if (alt) {
    NeonLine(frame, {{4.4f, 8.4f}, {8, 9.6f}, {11.6f, 8.4f}}, 0.8f, palette::kWhite, 0.5f);
    return;
  }
  FillPath(frame, Of(Ellipse(8, 8, 3.6f, 2.6f)), palette::kWhite);
  FillPath(frame, Of(Circle(8, 8.4f, 1.7f)), c.Darker(0.2f));
  FillPath(frame, Of(Circle(8, 8.4f, 0.8f)), palette::kNight);
  FillPath(frame, Of(Circle(7.3f, 7.6f, 0.45f)), palette::kWhite);
}

using Look = void (*)(Canvas&, const Colour&, bool);
constexpr Look kLooks[8] = {Beetle, Saucer, Spinner, Crab, Jelly, Mine, Bat, Watcher};

}  // namespace

void PaintBaddie(Canvas& frame, int index) {
  const int row = index / 16;
  const int column = index % 16;
  kLooks[column % 8](frame, kRowColours[row], column >= 8);
}
