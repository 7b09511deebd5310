// The end of a game through real updates: the energy that destroys the ship, the game-over
// timeline into the highscore tables and back to the title, the score and energy display, and
// the sparks.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/app_globals.h"
#include "support/game_driver.h"
#include "support/play_session.h"

namespace {

constexpr int kShipImage = 4;

// An enemy that falls out at the bottom in the next update, costing one energy.
void DropOneOut(c_MyApp& app) {
  PlaceEnemy(app, 0, 20, 512, true);
}

// The black veil of the overlay, if the list holds one.
std::optional<DrawCommand> FindVeil(const GameDriver& game) {
  for (const DrawCommand& c : game.DrawCommands()) {
    if (c.IsRect() && c.x == -1 && c.y == -1 && c.red == 0 && c.green == 0 && c.blue == 0) {
      return c;
    }
  }
  return std::nullopt;
}

// The glyphs drawn on the line y, right of x (the energy over the heart, the score centred).
std::string GlyphsOnLine(const GameDriver& game, float y, float fromX, float toX) {
  std::string glyphs;
  for (const DrawCommand& c : game.DrawCommands()) {
    if (c.IsImage(game.app().fontImageId) && c.y == y && c.x > fromX && c.x < toX) {
      glyphs += static_cast<char>(c.frame + 32);
    }
  }
  return glyphs;
}

}  // namespace

TEST(GameOver, EnergyZeroStillFliesAndTheNextLossDestroysTheShip) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  app.energy = 1;
  DropOneOut(app);
  game.RunUpdates(1);
  EXPECT_EQ(app.energy, 0);
  EXPECT_EQ(app.shipDestroyed, 0);
  game.RunUpdates(1);
  EXPECT_EQ(ImagesOf(game, kShipImage).size(), 1u);
  DropOneOut(app);
  game.RunUpdates(1);
  EXPECT_EQ(app.energy, -1);
  EXPECT_EQ(app.shipDestroyed, 1);
}

TEST(GameOver, TheOverlayRunsNinetyUpdatesThenTheScoreIsSavedAndTheTitleReturns) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  app.score = 1234;
  app.energy = 0;
  DropOneOut(app);
  // Update N: the ship is destroyed; the overlay starts with the next update.
  game.RunUpdates(1);
  EXPECT_EQ(app.shipDestroyed, 1);
  EXPECT_EQ(app.gameOverTimer, 1);
  EXPECT_FALSE(FindVeil(game).has_value());

  struct Step {
    int update;  // after N
    int state, timer;
    float veil;
  };
  const Step steps[] = {{1, 10, 2, 1.0f / 40}, {10, 10, 11, 10.0f / 40}, {30, 10, 31, 0.7f},
                        {88, 10, 89, 0.7f},    {89, 2, 73, 0.7f},        {90, 1, 71, 0.7f},
                        {91, 1, 69, 0.7f},     {117, 1, 17, 19.0f / 40}};
  int done = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.update);
    game.RunUpdates(step.update - done);
    done = step.update;
    EXPECT_EQ(app.gameState, step.state);
    EXPECT_EQ(app.gameOverTimer, step.timer);
    const std::optional<DrawCommand> veil = FindVeil(game);
    ASSERT_TRUE(veil.has_value());
    EXPECT_EQ(veil->alpha, step.veil);
    if (step.update == 89) {
      EXPECT_FALSE(game.StateFileExists());
    }
    if (step.update == 90) {
      // The score went in during this update, which drew no screen of its own: the overlay
      // was added to the play field's list.
      EXPECT_EQ(app.highscores[10], 1234);
      EXPECT_EQ(app.highscores[40], 1234);
      const std::vector<std::string> fields = SplitFields(game.ReadStateFile());
      ASSERT_GT(fields.size(), 57u);
      EXPECT_EQ(fields[56], "1234");
      EXPECT_EQ(fields[57], "1234");
      EXPECT_EQ(app.clearBlue, 8);
    }
    if (step.update == 91) {
      EXPECT_EQ(app.clearBlue, 80);  // the title's list, overlay on top
    }
  }
  const std::string glyphs = game.Glyphs();
  EXPECT_NE(glyphs.find("GAMEOVER"), std::string::npos);
  EXPECT_NE(glyphs.find("NewHighscore1st!"), std::string::npos);
  game.RunUpdates(10);
  EXPECT_EQ(app.gameOverTimer, 0);
  EXPECT_FALSE(FindVeil(game).has_value());
}

TEST(GameOver, TheEndGameButtonStartsTheSameSequence) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  game.KeyDown(27);
  game.RunUpdates(1);
  game.KeyUp(27);
  game.RunUpdates(13);
  app.score = 55;
  game.Tap(180, 184);  // the end-game button of the open panel
  EXPECT_EQ(app.shipDestroyed, 1);
  EXPECT_EQ(app.menuOpen, 0);
  EXPECT_EQ(app.gameOverTimer, 1);
  game.RunUpdates(90);
  EXPECT_EQ(app.gameState, 1);
  EXPECT_EQ(app.highscores[10], 55);
  EXPECT_EQ(app.highscores[40], 55);
  EXPECT_TRUE(game.StateFileExists());
}

TEST(GameOver, TheDisplayShowsEightDigitsAndTheEnergyNotBelowZero) {
  struct Case {
    int score, energy;
    std::string digits, energyText;
  };
  for (const Case& c : {Case{42, 100, "00000042", "100"}, Case{123456789, 7, "23456789", "7"},
                        Case{0, -5, "00000000", "0"}}) {
    SCOPED_TRACE(c.score);
    GameDriver game;
    StartQuietGame(game);
    c_MyApp& app = game.app();
    app.score = app.shownScore = c.score;
    app.energy = c.energy;
    game.RunUpdates(1);
    EXPECT_EQ(GlyphsOnLine(game, 32, 0, 500), c.digits);
    EXPECT_EQ(GlyphsOnLine(game, 32, 500, 640), c.energyText);
  }
}

TEST(GameOver, TheShownScoreClosesASixthOfTheGapAndSnapsWhenClose) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  app.shownScore = 1000;  // left from the previous game
  const int expected[] = {834, 695, 580, 484, 404, 337};
  for (int value : expected) {
    game.RunUpdates(1);
    EXPECT_EQ(app.shownScore, value);
  }
  int last = app.shownScore;
  while (app.shownScore != 0) {
    game.RunUpdates(1);
    ASSERT_LT(app.shownScore, last);
    last = app.shownScore;
  }
  EXPECT_EQ(GlyphsOnLine(game, 32, 0, 500), "00000000");
}

TEST(Sparks, SpawnSparksFillsWhatRecordsAreFree) {
  struct Case {
    int freeRecords, count, made;
  };
  for (const Case& c :
       {Case{101, 16, 17}, Case{10, 16, 10}, Case{101, 0, 1}, Case{101, -1, 0}, Case{0, 5, 0}}) {
    SCOPED_TRACE(testing::Message() << c.freeRecords << " free, count " << c.count);
    GameDriver game;
    StartQuietGame(game);
    c_MyApp& app = game.app();
    for (int i = 0; i < 101 - c.freeRecords; ++i) Record(app.sparks, i)[0] = 1;
    const std::uint32_t before = g_randomSeed;
    app.SpawnSparks(50, 60, c.count);
    EXPECT_EQ(LiveRecords(app.sparks), 101 - c.freeRecords + c.made);
    // Five random numbers per spark; the highest free records first.
    EXPECT_EQ(GeneratorSteps(before, g_randomSeed), 5 * c.made);
    for (int i = 100; i > 100 - c.made; --i) {
      const float* spark = Record(app.sparks, i);
      EXPECT_EQ(spark[1], 50);
      EXPECT_EQ(spark[2], 60);
      EXPECT_GE(spark[3], -8);
      EXPECT_LT(spark[3], 8);
      EXPECT_GE(spark[4], -8);
      EXPECT_LT(spark[4], 3);
      for (int channel = 5; channel <= 7; ++channel) {
        EXPECT_TRUE(spark[channel] == 150 || spark[channel] == 200 || spark[channel] == 250);
      }
      EXPECT_EQ(spark[8], 1);
    }
  }
}

TEST(Sparks, ASparkRisesTwentyUpdatesAndFadesByAHundredthPerUpdate) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  float* spark = Record(app.sparks, 0);
  const float record[10] = {1, 100, 300, 0, -8, 150, 200, 250, 1, 0};
  std::copy(record, record + 10, spark);
  std::vector<float> heights;
  for (int i = 0; i < 25; ++i) {
    game.RunUpdates(1);
    heights.push_back(spark[2]);
  }
  for (int i = 1; i < 20; ++i) EXPECT_LT(heights[i], heights[i - 1]) << i;
  EXPECT_GT(heights[22], heights[21]);
  EXPECT_NEAR(spark[8], 0.75, 1e-4);
  spark[8] = 0.005f;
  game.RunUpdates(1);
  EXPECT_EQ(spark[0], 0);
}

TEST(Sparks, ASparkLeavingTheScreenIsFreedButMayFlyOverTheSides) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  float* spark = Record(app.sparks, 0);
  // Starts over the right shaded side, column x 400 is screen x 560.
  const float record[10] = {1, 400, 100, 8, -0.4f, 250, 250, 250, 1, 0};
  std::copy(record, record + 10, spark);
  game.RunUpdates(34);
  EXPECT_EQ(spark[0], 1);  // x 672 is still within 32 of the screen's edge
  game.RunUpdates(1);
  EXPECT_EQ(spark[0], 0);
}
