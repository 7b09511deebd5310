// The title screen with its score tables, its slide-in, the sound switch and the ways to start
// a game; the entry of a finished game's score and its rank label.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/data_files.h"
#include "support/game_driver.h"

namespace {

constexpr int kTable = 10;   // the top list of table 1, the one the title screen plays
constexpr int kRecent = 40;  // its recent list

std::string Repeat(const std::string& text, int count) {
  std::string repeated;
  for (int i = 0; i < count; ++i) repeated += text;
  return repeated;
}

const DrawCommand* FindImage(const std::vector<DrawCommand>& list, int id) {
  const auto found =
      std::find_if(list.begin(), list.end(), [&](const DrawCommand& c) { return c.IsImage(id); });
  return found == list.end() ? nullptr : &*found;
}

}  // namespace

TEST(TitleScreen, ANewInstallShowsBothTablesWithAsManyRowsAsFit) {
  struct Case {
    int width, height;
    int rows;
  };
  for (const Case& c : {Case{640, 480, 10}, Case{1280, 720, 6}, Case{640, 200, 1}}) {
    SCOPED_TRACE(c.height);
    GameDriver game({.width = c.width, .height = c.height});
    game.Start();
    game.FinishLoading();
    game.RunUpdates(1);
    const std::string zeros = Repeat("0", c.rows);
    const std::string expected = c.rows == 1 ? "Highscore" + zeros + "Last" + zeros
                                             : "Top" + std::to_string(c.rows) + zeros + "Last" +
                                                   std::to_string(c.rows) + zeros;
    EXPECT_EQ(game.Glyphs(), expected);
  }
}

TEST(TitleScreen, ScoreRowsAreElevenCharacterFieldsOneLineApart) {
  GameDriver game;
  game.ReachTitleScreen();
  game.app().highscores[kTable] = 1234;
  game.RunUpdates(1);
  std::vector<DrawCommand> glyphs;
  for (const DrawCommand& c : game.DrawCommands()) {
    if (c.IsImage(90)) glyphs.push_back(c);
  }
  // "Top 10" starts at the panel's left edge plus 20, half a line below y = 60; the glyphs
  // are 1.5 times the font's 7-unit advance and 10-unit lines.
  EXPECT_FLOAT_EQ(glyphs[0].x, 520);
  EXPECT_FLOAT_EQ(glyphs[0].y, 67.5f);
  // The first row, "       1234", ends in the eleventh column of the second line.
  EXPECT_EQ(glyphs[5].frame, '1' - 32);
  EXPECT_FLOAT_EQ(glyphs[5].x, 520 + 7 * 10.5f);
  EXPECT_FLOAT_EQ(glyphs[5].y, 82.5f);
  EXPECT_FLOAT_EQ(glyphs[8].x, 520 + 10 * 10.5f);
  EXPECT_EQ(glyphs[9].frame, '0' - 32);
  EXPECT_FLOAT_EQ(glyphs[9].y, 97.5f);
}

TEST(TitleScreen, SlidesInOneStepPerUpdate) {
  GameDriver game;
  game.Start();
  game.FinishLoading();
  const auto panelX = [&] {
    for (const DrawCommand& c : game.DrawCommands()) {
      if (c.IsRect()) return c.x;
    }
    return -1.0f;
  };
  game.RunUpdates(1);
  EXPECT_EQ(game.app().titleSlide, -31);
  EXPECT_FLOAT_EQ(panelX(), 640 - 140 + 4 * 31);
  game.RunUpdates(30);
  EXPECT_EQ(game.app().titleSlide, -1);
  game.RunUpdates(1);
  EXPECT_EQ(game.app().titleSlide, 0);
  EXPECT_FLOAT_EQ(panelX(), 500);
  game.RunUpdates(5);
  EXPECT_EQ(game.app().titleSlide, 0);
}

TEST(TitleScreen, InsertHighscoreShiftsBothListsAndSaves) {
  struct Case {
    const char* name;
    std::vector<int> top;
    int score;
    std::vector<int> expectedTop;
    const char* rankBefore;
  };
  const std::vector<int> full = {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
  const Case cases[] = {
      {"a tie goes below the score it ties with", {500, 300}, 500, {500, 500, 300}, "1st!"},
      {"zero enters no top row", {}, 0, {}, "1st!"},
      {"a full table drops its last row",
       full,
       950,
       {1000, 950, 900, 800, 700, 600, 500, 400, 300, 200},
       "2nd"},
      {"too low for a full table", full, 50, full, ""},
      {"equal to the tenth", full, 100, full, "10th"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameDriver game;
    game.Start();
    c_MyApp& app = game.app();
    std::copy(c.top.begin(), c.top.end(), app.highscores + kTable);
    for (int i = 0; i < 10; ++i) app.highscores[kRecent + i] = i + 1;
    app.score = c.score;
    EXPECT_EQ(app.RankLabel().Narrow(), c.rankBefore);
    app.InsertHighscore();
    std::vector<int> expectedTop = c.expectedTop;
    expectedTop.resize(10);
    EXPECT_EQ(std::vector<int>(app.highscores + kTable, app.highscores + kTable + 10), expectedTop);
    const std::vector<int> recent = {c.score, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(std::vector<int>(app.highscores + kRecent, app.highscores + kRecent + 10), recent);

    // The tables come back from the saved state in a new run.
    GameDriver next;
    next.WriteStateFile(game.ReadStateFile());
    next.Start();
    EXPECT_TRUE(std::equal(app.highscores, app.highscores + 60, next.app().highscores));
  }
}

TEST(TitleScreen, RankLabelNamesThePlaceAScoreWouldTake) {
  GameDriver game;
  game.Start();
  c_MyApp& app = game.app();
  for (int i = 0; i < 10; ++i) app.highscores[kTable + i] = 100 - 10 * i;
  const std::pair<int, const char*> cases[] = {
      {1000, "1st!"}, {100, "1st!"}, {99, "2nd"},  {90, "2nd"}, {75, "4th"},
      {41, "7th"},    {11, "10th"},  {10, "10th"}, {9, ""},     {-1, ""},
  };
  for (const auto& [score, label] : cases) {
    app.score = score;
    EXPECT_EQ(app.RankLabel().Narrow(), label) << score;
  }
}

TEST(TitleScreen, TheSoundSwitchTurnsTheSoundOnWithAClickAndOffSilently) {
  GameDriver game;
  WriteSound("sfx/098.wav", 1);
  game.ReachTitleScreen();
  c_MyApp& app = game.app();
  app.settings[soundOn] = 0;
  game.RunUpdates(1);
  EXPECT_EQ(FindImage(game.DrawCommands(), 97)->frame, 5);

  // The switch sits at (32, 240).
  game.Tap(32, 240);
  EXPECT_EQ(app.settings[soundOn], 1);
  EXPECT_EQ(app.sfxChannelCursor, 1);
  EXPECT_EQ(g_audioDevice->channelRecords[1].sample, app.sounds[98]->sample);
  game.RunUpdates(1);
  EXPECT_EQ(FindImage(game.DrawCommands(), 97)->frame, 4);

  game.Tap(32, 240);
  EXPECT_EQ(app.settings[soundOn], 0);
  EXPECT_EQ(app.sfxChannelCursor, 1);  // nothing played
  // A value from the saved file other than 0 or 1 switches to 0.
  app.settings[soundOn] = 7;
  game.RunUpdates(1);
  game.Tap(32, 240);
  EXPECT_EQ(app.settings[soundOn], 0);
}

TEST(TitleScreen, TheStartButtonStartsAGameOncePerPress) {
  GameDriver game;
  game.ReachTitleScreen();
  c_MyApp& app = game.app();
  // The start button is centred at (256, 336), 96 units wide.
  game.MouseDown(256, 336);
  game.RunUpdates(1);
  EXPECT_EQ(app.gameState, 11);
  EXPECT_EQ(app.touchLatch, 1);
  EXPECT_EQ(app.controlLatch, 1);
  game.RunUpdates(1);
  EXPECT_EQ(app.gameState, 10);

  // Back on the title screen with the button still held: no second game until it is released.
  app.gameState = 1;
  game.RunUpdates(5);
  EXPECT_EQ(app.gameState, 1);
  game.MouseUp();
  game.RunUpdates(1);
  EXPECT_EQ(app.touchLatch, 0);
  game.MouseDown(256, 336);
  game.RunUpdates(1);
  EXPECT_EQ(app.gameState, 11);
}

TEST(TitleScreen, FireControlsStartAGame) {
  for (int key : {90, 74, 32, 13, 88, 75, 17, 67, 76, 16, 86, 73}) {
    SCOPED_TRACE(key);
    GameDriver game;
    game.ReachTitleScreen();
    game.KeyDown(key);
    game.RunUpdates(1);
    EXPECT_EQ(game.app().gameState, 11);
    game.RunUpdates(1);
    EXPECT_EQ(game.app().gameState, 10);
  }
  for (int button = 0; button < 4; ++button) {
    SCOPED_TRACE(button);
    GameDriver game;
    game.ReachTitleScreen();
    game.SetJoystickButton(button, true);
    game.RunUpdates(1);
    EXPECT_EQ(game.app().gameState, 11);
  }
}

TEST(TitleScreen, NothingStartsWhileTheCreditsAreOpen) {
  GameDriver game;
  game.ReachTitleScreen();
  c_MyApp& app = game.app();
  // The credits button is the logo at (570, 440).
  game.Tap(570, 440);
  EXPECT_EQ(app.creditsOpen, 1);
  game.RunUpdates(1);
  EXPECT_EQ(game.Glyphs().find("Top"), std::string::npos);  // the score texts are hidden
  EXPECT_EQ(game.Glyphs().find("Last"), std::string::npos);
  game.KeyDown(32);
  game.RunUpdates(3);
  game.KeyUp(32);
  EXPECT_EQ(app.gameState, 1);
  EXPECT_EQ(app.creditsOpen, 1);
  // A touch on the start button only closes the credits.
  game.RunUpdates(1);
  game.Tap(256, 336);
  EXPECT_EQ(app.gameState, 1);
  EXPECT_EQ(app.creditsOpen, 0);
}
