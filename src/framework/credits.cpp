// The credits screen drawn over the title screen in the style of a test card: a frame of
// coloured tiles, the circle, the credits lines scrolling through its centre, the logo and four
// corner dials. It folds in and fades in over 30 updates, and out again when closed.
#include <algorithm>
#include <cmath>

#include "framework/app_globals.h"
#include "framework/game_math.h"
#include "game/game_ids.h"
#include "game/my_app.h"
#include "graphics/graphics_context.h"

namespace {

// Tiles grow to full size over the first 20 updates of the slide.
constexpr int kTileGrowth = 20;
constexpr float kLineSpacing = 16;
constexpr float kScrollSpeed = 0.3f;
// The last line is never reached by the cycle.
constexpr int kCycledLines = kCreditsLineCount - 1;

// The geometry of one update of the screen.
struct Card {
  float width, height;
  float cell;  // grid step
  float originX, originY;
  float fold;  // 0 when fully open; the tiles fly outward quadratically with it
  float fade;  // alpha of the whole screen
  float tile;  // tile size, growing while the screen opens
};

// dx of a grid column (or dy of a row) from the grid's middle; the lower half is shifted by one
// so that no tile stays in place while the card folds.
int FoldIndex(int index, int count) {
  int offset = index - count / 2;
  if (offset < 1) offset -= 1;
  return offset;
}

// Position along a side of the frame as a ramp from 0 to `scale`. A grid too small to have a
// ramp (two steps or fewer) gives 0 instead of a division by zero.
float RampPosition(float scale, int index, int count) {
  if (count - 2 <= 0) return 0;
  return scale * static_cast<float>(index - 1) / static_cast<float>(count - 2);
}

// A colour channel from a ramp value: truncated and kept to 0..255.
float Channel(float value) {
  return static_cast<float>(std::clamp(TruncToInt(value), 0, 255));
}

// The frame: black squares, coloured inside except at the four corners. Top row green to
// yellow to red, left column green to blue, right column red to blue, bottom row a grey ramp.
void DrawRingTile(c_MyApp& app, int x, int y, float left, float top, float d) {
  const int cols = app.gridCols;
  const int rows = app.gridRows;
  app.SetDrawColor(0, 0, 0);
  app.DrawCommandRect(left, top, d + 1, d + 1);
  if ((x == 0 || x == cols) && (y == 0 || y == rows)) return;
  const float a = RampPosition(512, x, cols);
  const float b = RampPosition(512, y, rows);
  if (y == 0 || y == rows) {
    if (y == 0) {
      app.SetDrawColor(Channel(a), Channel(512 - a), 0);
    } else {
      const float grey = Channel(RampPosition(255, x, cols));
      app.SetDrawColor(grey, grey, grey);
    }
    app.DrawCommandRect(left + 8, top, d - 16, d);
    return;
  }
  if (x == 0) {
    app.SetDrawColor(0, Channel(512 - b), Channel(b));
  } else {
    app.SetDrawColor(Channel(512 - b), 0, Channel(b));
  }
  app.DrawCommandRect(left, top + 8, d, d - 16);
}

void DrawInnerTile(c_MyApp& app, int x, int y, float left, float top, float d) {
  app.SetDrawColor(255, 255, 255);
  app.DrawCommandRect(left, top, d + 1, d + 1);
  app.SetDrawColor(128, 128, 128);
  // Above the bottom row the middle tiles join into one bar.
  const int cols = app.gridCols;
  if (y == app.gridRows - 1 && x > 3 && x < cols - 2) {
    app.DrawCommandRect(left - 6, top + 2, x == cols - 3 ? d + 4 : d + 24, d - 4);
  } else {
    app.DrawCommandRect(left + 2, top + 2, d - 4, d - 4);
  }
}

void DrawTiles(c_MyApp& app, const Card& card) {
  for (int x = 0; x <= app.gridCols; ++x) {
    for (int y = 0; y <= app.gridRows; ++y) {
      const auto dx = static_cast<float>(FoldIndex(x, app.gridCols));
      const auto dy = static_cast<float>(FoldIndex(y, app.gridRows));
      const float left = card.originX + static_cast<float>(x) * card.cell +
                         card.fold * dx * std::fabs(dx) - card.tile / 2;
      const float top = card.originY + static_cast<float>(y) * card.cell +
                        card.fold * dy * std::fabs(dy) - card.tile / 2;
      const bool ring = x == 0 || y == 0 || x == app.gridCols || y == app.gridRows;
      if (ring) {
        DrawRingTile(app, x, y, left, top, card.tile);
      } else {
        DrawInnerTile(app, x, y, left, top, card.tile);
      }
    }
  }
}

// Lines near the centre are opaque; they fade toward the top and the bottom.
void DrawScrollingText(c_MyApp& app, const Card& card) {
  app.creditsScroll -= kScrollSpeed;
  if (app.creditsScroll < -kLineSpacing) {
    app.creditsScroll += kLineSpacing;
    app.creditsLine += 1;
  }
  for (int j = -3; j <= 4; ++j) {
    const float offset = kLineSpacing * static_cast<float>(j) + app.creditsScroll;
    const float t = offset / 40;
    const float u = std::clamp(std::fabs(t) - 0.3f, 0.0f, 1.0f);
    app.SetDrawAlpha(1 - u);
    int line = (app.creditsLine + j) % kCycledLines;
    if (line < 0) line += kCycledLines;
    app.DrawBitmapText(card.width / 2 + 24, card.height / 2 - 24 * card.fold + offset,
                       g_creditsLines[line], 0.8f, 0.8f);
  }
}

void DrawDialFace(c_MyApp& app, const Card& card, float x, float y) {
  app.SetDrawAlpha(card.fade);
  app.SetDrawColor(255, 255, 255);
  app.DrawCommandOval(x, y, card.tile, card.tile);
  app.SetDrawColor(128, 128, 128);
  app.DrawCommandOval(x, y, card.tile - 3, card.tile - 3);
}

void DrawDialTexts(c_MyApp& app, float x, float y, int first, int second, int third) {
  app.SetDrawColor(255, 255, 255);
  app.SetDrawScale(1);
  app.DrawBitmapText(x, y - 16, String(" ") + first, 0.8f, 0.8f);
  app.DrawBitmapText(x, y, String(" ") + second, 0.8f, 0.8f);
  app.DrawBitmapText(x, y + 16, String(" ") + third, 0.8f, 0.8f);
}

void DrawDialImage(c_MyApp& app, float x, float y, int image, int frame, float scale) {
  app.SetDrawColor(255, 255, 255);
  app.SetDrawScale(scale);
  app.DrawCommandImage(image, x, y, static_cast<float>(frame));
}

// The device size and the update rate, the logical screen and the frame rate, and two logos.
void DrawDials(c_MyApp& app, const Card& card) {
  const float left = card.originX + 1.5f * card.cell - 6 * card.fold;
  const float right =
      card.originX + (static_cast<float>(app.gridCols) - 1.5f) * card.cell + 6 * card.fold;
  const float top = card.originY + 1.5f * card.cell - 6 * card.fold;
  const float bottom =
      card.originY + (static_cast<float>(app.gridRows) - 1.5f) * card.cell + 6 * card.fold;
  DrawDialFace(app, card, left, top);
  DrawDialTexts(app, left, top, GraphicsWidth(), GraphicsHeight(), app.updateFpsSmoothed);
  DrawDialFace(app, card, right, top);
  DrawDialTexts(app, right, top, FloorToInt(g_screenWidth), FloorToInt(g_screenHeight),
                app.fpsSmoothed);
  DrawDialFace(app, card, left, bottom);
  DrawDialImage(app, left, bottom, kButtonsImage, 12, 1);
  DrawDialFace(app, card, right, bottom);
  DrawDialImage(app, right, bottom, kStudioLogoImage, 0, 0.3f);
}

Card MeasureCard(c_MyApp& app) {
  Card card{};
  card.width = g_screenWidth;
  card.height = g_screenHeight;
  card.cell = std::max(card.width / 12, card.height / 12);
  app.gridCols = TruncToInt(card.width / card.cell);
  app.gridRows = TruncToInt(card.height / card.cell);
  card.originX = card.width / 2 - static_cast<float>(app.gridCols) * card.cell / 2;
  card.originY = card.height / 2 - static_cast<float>(app.gridRows) * card.cell / 2;
  app.foldOffset = kCreditsSlideLength - app.creditsSlide;
  card.fold = static_cast<float>(app.foldOffset);
  card.fade = static_cast<float>(app.creditsSlide) / kCreditsSlideLength;
  card.tile = card.cell;
  if (app.creditsSlide < kTileGrowth) {
    card.tile = card.cell * static_cast<float>(app.creditsSlide) / kTileGrowth;
  }
  return card;
}

}  // namespace

// Lines are kept short enough to stay inside the circle's band: the text is centred a little
// right of the middle.
void InitCreditsLines() {
  static const char* const kLines[kCreditsLineCount] = {
      "",
      "A Game by",
      "the Parvolt team",
      "",
      "",
      "-=-=-",
      "",
      "Developed using",
      "C++, GLFW, OpenGL, stb",
      "www.glfw.org",
      "",
      "-=-=-",
      "",
      "Graphics",
      "",
      "Most graphics by",
      "the Parvolt team",
      "",
      "Font : EditUndo",
      "by our own font code",
      "Lowercase added by",
      "the Parvolt team",
      "",
      "",
      "-=-=-",
      "",
      "Audio",
      "",
      "Sound and Music by",
      "the Parvolt team",
      "using our own synth,",
      "OpenAL Soft,",
      "stb_vorbis",
      "or whatever else",
      "was handy!",
      "",
      "",
      "-=-=-",
      "End",
  };
  for (int i = 0; i < kCreditsLineCount; ++i) g_creditsLines[i] = kLines[i];
}

void c_MyApp::UpdateCredits() {
  ResetDrawState();
  const Card card = MeasureCard(*this);
  SetDrawAlpha(card.fade);
  DrawTiles(*this, card);

  SetDrawAlpha(card.fade);
  SetDrawScale(1);
  SetDrawColor(255, 255, 255);
  DrawCommandImage(kTestCardCircleImage, card.width / 2, card.height / 2 - 24 * card.fold, 0);
  DrawScrollingText(*this, card);

  SetDrawAlpha(card.fade);
  SetDrawColor(255, 255, 255);
  SetDrawScale(0.4f);
  DrawCommandImage(kLogoImage, card.width / 2,
                   card.originY + static_cast<float>(gridRows - 1) * card.cell + 4 * card.fold, 0);
  DrawDials(*this, card);

  if (anyTouchDown != 0 && touchLatch == 0) {
    touchLatch = 1;
    creditsOpen = 0;
    PlaySfx(kWhooshSound, 1, 1, 0);
  }
}
