// The credits screen over the real title screen: its grid at 640 x 480, the fold while it
// opens, the touch that opened it, closing by a touch, and the scrolling text's cycle.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "framework/app_globals.h"
#include "support/game_driver.h"

namespace {

void OpenCredits(GameDriver& game) {
  game.Start();
  game.FinishLoading();
  game.RunUpdates(32);
  game.Tap(570, 440);  // the logo
  ASSERT_EQ(game.app().creditsOpen, 1);
}

// The square tiles of one colour (the title screen under the card has no squares).
std::vector<DrawCommand> SquaresOfColour(const GameDriver& game, float red, float green,
                                         float blue) {
  std::vector<DrawCommand> squares;
  for (const DrawCommand& c : game.DrawCommands()) {
    if (c.IsRect() && c.width == c.height && c.red == red && c.green == green && c.blue == blue) {
      squares.push_back(c);
    }
  }
  return squares;
}

// The scrolling lines by their place above (negative) or below the centre, without the corner
// dials' numbers; empty lines draw nothing and do not appear.
std::map<int, std::string> TextLines(const GameDriver& game) {
  std::map<int, std::string> lines;
  const c_MyApp& app = game.app();
  for (const DrawCommand& c : game.DrawCommands()) {
    if (!c.IsImage(app.fontImageId) || c.x < 150 || c.x > 500) continue;
    const auto place = static_cast<int>(std::lround((c.y - 240 - app.creditsScroll) / 16));
    lines[place] += static_cast<char>(c.frame + 32);
  }
  return lines;
}

}  // namespace

TEST(Credits, At640By480TheGridHasTwelveByNineStepsFromTheOrigin) {
  GameDriver game;
  OpenCredits(game);
  game.RunUpdates(30);
  c_MyApp& app = game.app();
  ASSERT_EQ(app.creditsSlide, 30);
  EXPECT_EQ(app.gridCols, 12);
  EXPECT_EQ(app.gridRows, 9);
  EXPECT_EQ(app.foldOffset, 0);
  const float s = 640.0f / 12;
  // 13 x 10 tiles: 42 black frame squares, 88 white inner ones, centred on the grid points.
  const std::vector<DrawCommand> frame = SquaresOfColour(game, 0, 0, 0);
  const std::vector<DrawCommand> inner = SquaresOfColour(game, 255, 255, 255);
  EXPECT_EQ(frame.size(), 42u);
  EXPECT_EQ(inner.size(), 88u);
  EXPECT_NEAR(frame.front().x, -s / 2, 1e-3);
  EXPECT_NEAR(frame.front().y, -s / 2, 1e-3);
  EXPECT_NEAR(frame.front().width, s + 1, 1e-3);
  EXPECT_NEAR(frame.back().x, 640 - s / 2, 1e-3);
  EXPECT_NEAR(frame.back().y, 480 - s / 2, 1e-3);
  // The top row runs from green to red, inset 8 units on both sides.
  std::vector<DrawCommand> top;
  for (const DrawCommand& c : game.DrawCommands()) {
    if (c.IsRect() && c.blue == 0 && c.y < 0 && c.width == s - 16) top.push_back(c);
  }
  ASSERT_EQ(top.size(), 11u);
  EXPECT_EQ(top.front().red, 0);
  EXPECT_EQ(top.front().green, 255);
  EXPECT_EQ(top.back().red, 255);
  EXPECT_EQ(top.back().green, 0);
  EXPECT_NEAR(top.back().x, 11 * s - s / 2 + 8, 1e-3);
  EXPECT_EQ(top.back().alpha, 1);
}

TEST(Credits, RightAfterOpeningTheTilesAreTinyAndFarOut) {
  GameDriver game;
  OpenCredits(game);
  c_MyApp& app = game.app();
  EXPECT_EQ(app.creditsSlide, 1);
  game.Update();
  ASSERT_EQ(app.creditsSlide, 2);
  EXPECT_EQ(app.foldOffset, 29);  // drawn with the slide of 1, before the count went up
  const float s = 640.0f / 12;
  const float d = s / 20;
  const std::vector<DrawCommand> frame = SquaresOfColour(game, 0, 0, 0);
  ASSERT_FALSE(frame.empty());
  // Tile (0, 0) is seven steps left of and five above the middle: 29 * 7 * 7 units further out.
  EXPECT_NEAR(frame.front().x, -29 * 49 - d / 2, 1e-2);
  EXPECT_NEAR(frame.front().y, -29 * 25 - d / 2, 1e-2);
  EXPECT_NEAR(frame.front().width, d + 1, 1e-3);
  EXPECT_NEAR(frame.front().alpha, 1.0f / 30, 1e-6);
}

TEST(Credits, TheOpeningTouchDoesNotCloseItAndTheNextOneDoes) {
  GameDriver game;
  game.Start();
  game.FinishLoading();
  game.RunUpdates(32);
  c_MyApp& app = game.app();
  game.MouseDown(570, 440);
  game.RunUpdates(5);
  EXPECT_EQ(app.creditsOpen, 1);
  game.MouseUp();
  game.RunUpdates(1);
  const int cursor = app.sfxChannelCursor;
  game.Tap(100, 100);
  EXPECT_EQ(app.creditsOpen, 0);
  EXPECT_EQ(app.sfxChannelCursor, cursor + 1);
  // It folds out over the slide it had, still drawn, then no more.
  game.RunUpdates(4);
  EXPECT_EQ(app.creditsSlide, 1);
  EXPECT_FALSE(SquaresOfColour(game, 0, 0, 0).empty());
  game.RunUpdates(2);
  EXPECT_EQ(app.creditsSlide, 0);
  EXPECT_TRUE(SquaresOfColour(game, 0, 0, 0).empty());
}

TEST(Credits, TheTextRepeatsAfterThirtyEightLines) {
  GameDriver game;
  OpenCredits(game);
  game.RunUpdates(100);
  c_MyApp& app = game.app();
  const int first = app.creditsLine;
  const std::map<int, std::string> shown = TextLines(game);
  // One new line about every 53 updates.
  int updates = 0;
  while (app.creditsLine < first + 38) {
    game.RunUpdates(1);
    ++updates;
  }
  EXPECT_NEAR(updates, 38 * 16 / 0.3, 60);
  EXPECT_EQ(TextLines(game), shown);
  game.RunUpdates(60);
  EXPECT_NE(TextLines(game), shown);
  // Eight lines around the centre are shown, never the last line.
  for (int i = 0; i < 38 * 60; ++i) {
    game.RunUpdates(1);
    for (const auto& [place, line] : TextLines(game)) ASSERT_NE(line, "End");
  }
}
