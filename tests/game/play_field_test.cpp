// The play field through real updates: automatic fire, steering by drag with the Move Speed
// setting and the ship's easing, the ship's limits, the exhaust trail, the backdrop's scroll
// and blur, the play column on wide and narrow screens, and a destroyed ship that still fires.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "framework/app_globals.h"
#include "support/game_driver.h"
#include "support/play_session.h"

namespace {

constexpr int kShipImage = 4;
constexpr int kBackdropImage = 99;

}  // namespace

TEST(PlayField, TheFirstShotLeavesAtOnceAndThenEveryTwentyUpdates) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  // A shot lives about 65 updates, so none is lost in this stretch.
  for (int update = 1; update <= 61; ++update) {
    game.RunUpdates(1);
    ASSERT_EQ(LiveRecords(app.shots), 1 + (update - 1) / 20) << "update " << update;
  }
  // The newest takes the highest free record and flies straight up from the ship.
  const float* first = Record(app.shots, 100);
  EXPECT_EQ(first[1], 160);
  EXPECT_EQ(first[2], 360 - 6 * 61);
  EXPECT_EQ(first[4], -6);
  EXPECT_GE(first[5], 0);
  EXPECT_LT(first[5], 360);
}

TEST(PlayField, TheShipFollowsTheDragTimesMoveSpeedAndEasesAnEighthPerUpdate) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  ASSERT_EQ(app.settings[moveSpeed], 4);
  game.RunUpdates(1);  // the touch latch from the start of the game goes
  game.MouseDown(300, 300);
  game.RunUpdates(1);  // the press itself moves nothing
  EXPECT_EQ(app.shipTargetX, 160);
  game.MouseMove(310, 295);
  game.RunUpdates(1);
  EXPECT_EQ(app.shipTargetX, 200);
  EXPECT_EQ(app.shipTargetY, 340);
  EXPECT_EQ(app.shipX, 165);
  EXPECT_EQ(app.shipY, 357.5f);
  game.RunUpdates(1);  // held still: the target stays, the ship goes on easing
  EXPECT_EQ(app.shipTargetX, 200);
  EXPECT_EQ(app.shipX, 169.375f);
  game.MouseUp();
  game.MouseMove(100, 100);  // moving with the button up steers nothing
  game.RunUpdates(1);
  EXPECT_EQ(app.shipTargetX, 200);
}

TEST(PlayField, ThePressThatStartedTheGameDoesNotSteer) {
  GameDriver game;
  game.Start();
  game.FinishLoading();
  game.RunUpdates(32);
  game.MouseDown(256, 336);  // the start button, held
  game.RunUpdates(2);
  ASSERT_EQ(game.app().gameState, 10);
  for (int i = 1; i <= 5; ++i) {
    game.MouseMove(256 + 10 * i, 336);
    game.RunUpdates(1);
  }
  EXPECT_EQ(game.app().shipTargetX, 160);
  game.MouseUp();
  game.RunUpdates(1);
  game.MouseDown(300, 300);
  game.RunUpdates(1);
  game.MouseMove(301, 300);
  game.RunUpdates(1);
  EXPECT_EQ(game.app().shipTargetX, 164);
}

TEST(PlayField, TheShipStaysInTheLowerHalfOfTheColumn) {
  struct Case {
    float dragX, dragY;
    float x, y;
  };
  for (const Case& c : {Case{-200, 0, 0, 360}, Case{200, 0, 320, 360}, Case{0, -200, 160, 240},
                        Case{0, 200, 160, 480}}) {
    SCOPED_TRACE(testing::Message() << c.dragX << "," << c.dragY);
    GameDriver game;
    StartQuietGame(game);
    c_MyApp& app = game.app();
    game.RunUpdates(1);
    game.MouseDown(320, 240);
    game.RunUpdates(1);
    game.MouseMove(320 + c.dragX, 240 + c.dragY);
    for (int i = 0; i < 150; ++i) {
      game.RunUpdates(1);
      ASSERT_GE(app.shipX, 0);
      ASSERT_LE(app.shipX, 320);
      ASSERT_GE(app.shipY, 240);
      ASSERT_LE(app.shipY, 480);
    }
    EXPECT_EQ(app.shipTargetX, c.x);
    EXPECT_EQ(app.shipTargetY, c.y);
    EXPECT_NEAR(app.shipX, c.x, 0.01);
    EXPECT_NEAR(app.shipY, c.y, 0.01);
  }
}

TEST(PlayField, TheTrailHangsTwentySevenUnitsBelowAStillShip) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  game.RunUpdates(600);
  for (int k = 0; k <= 27; ++k) {
    const float* point = app.trail + 4 * (500 - 2 * k);
    EXPECT_EQ(point[0], app.shipX) << k;
    EXPECT_NEAR(point[1], app.shipY + static_cast<float>(k), 0.001) << k;
  }
  // 27 segments, each drawn twice one unit apart, from 27 units below the ship up to it.
  int trailLines = 0;
  float lowest = 0;
  for (const DrawCommand& c : game.DrawCommands()) {
    // The shots' 12-unit streaks are longer than a trail segment.
    if (!c.IsLine() || c.x != 320 || c.width != 320 || std::fabs(c.y - c.height) > 1.5f) continue;
    ++trailLines;
    lowest = std::max(lowest, c.y);
  }
  EXPECT_EQ(trailLines, 54);
  EXPECT_NEAR(lowest, app.shipY + 28, 0.001);
}

TEST(PlayField, TheBackdropScrollsHalfAUnitAndWrapsAt512) {
  struct Case {
    float before, after;
  };
  for (const Case& c : {Case{0, 0.5f}, Case{300, 300.5f}, Case{511, 511.5f}, Case{511.5f, 0}}) {
    SCOPED_TRACE(c.before);
    GameDriver game;
    StartQuietGame(game);
    game.app().backdropScroll = c.before;
    game.RunUpdates(1);
    EXPECT_EQ(game.app().backdropScroll, c.after);
    const std::vector<DrawCommand> tiles = ImagesOf(game, kBackdropImage);
    ASSERT_EQ(tiles.size(), 6u);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(tiles[i].x, i % 2 == 0 ? 0 : 512);
      EXPECT_EQ(tiles[i].y, 512 * static_cast<float>(i / 2 - 1) + c.after);
      EXPECT_EQ(tiles[i].width, 2);
    }
  }
}

TEST(PlayField, TheBlurSettingSetsTheBackdropAlpha) {
  struct Case {
    int blur;
    float alpha;
  };
  for (const Case& c : {Case{3, 2.0f / 7}, Case{8, 1}}) {
    SCOPED_TRACE(c.blur);
    GameDriver game;
    StartQuietGame(game);
    game.app().settings[backgroundBlur] = c.blur;
    game.RunUpdates(1);
    for (const DrawCommand& tile : ImagesOf(game, kBackdropImage)) EXPECT_EQ(tile.alpha, c.alpha);
    // The list's own backdrop rectangle is transparent: what was on screen stays under the tiles.
    EXPECT_EQ(game.app().clearAlpha, 0);
  }
}

TEST(PlayField, TheColumnIsAtMost320WideAndCentred) {
  struct Case {
    int width, height;
    int column;
    float left;
    float shipY;
  };
  for (const Case& c : {Case{640, 480, 320, 160, 360}, Case{300, 480, 300, 0, 360},
                        Case{1280, 720, 320, 160, 270}}) {
    SCOPED_TRACE(c.width);
    GameDriverOptions options;
    options.width = c.width;
    options.height = c.height;
    GameDriver game(options);
    StartQuietGame(game);
    game.RunUpdates(1);
    c_MyApp& app = game.app();
    EXPECT_EQ(app.playWidth, c.column);
    const std::vector<DrawCommand> ship = ImagesOf(game, kShipImage);
    ASSERT_EQ(ship.size(), 1u);
    EXPECT_EQ(ship[0].x, c.left + static_cast<float>(c.column / 2));
    EXPECT_EQ(ship[0].y, c.shipY);
    // The shaded sides are exactly as wide as the space beside the column.
    std::vector<DrawCommand> sides;
    for (const DrawCommand& command : game.DrawCommands()) {
      if (command.IsRect() && command.green == 80) sides.push_back(command);
    }
    ASSERT_EQ(sides.size(), 2u);
    EXPECT_EQ(sides[0].x, 0);
    EXPECT_EQ(sides[0].width, c.left);
    EXPECT_EQ(sides[1].x, g_screenWidth - c.left);
    EXPECT_EQ(sides[1].width, c.left);
  }
}

TEST(PlayField, ADestroyedShipIsHiddenButFiresAndSteersUntilTheGameEnds) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  game.RunUpdates(1);
  app.energy = -1;
  game.RunUpdates(1);
  ASSERT_EQ(app.shipDestroyed, 1);
  game.MouseDown(300, 300);
  game.RunUpdates(1);
  game.MouseMove(290, 300);
  const int shotsBefore = LiveRecords(app.shots);
  for (int i = 0; i < 40; ++i) {
    game.RunUpdates(1);
    EXPECT_TRUE(ImagesOf(game, kShipImage).empty());
  }
  EXPECT_EQ(app.shipTargetX, 120);
  EXPECT_EQ(LiveRecords(app.shots), shotsBefore + 2);
  // The latest shot left from where the hidden ship now is.
  const float* latest = Record(app.shots, 100 - shotsBefore - 1);
  EXPECT_NEAR(latest[1], 120, 1);
}
