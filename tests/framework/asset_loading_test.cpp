// Start-up and asset loading: 25 updates of loading screens, the file names and frame sizes
// of each detail level, the sound file names, the reload after a size change, and a title
// screen reached without any data file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/data_files.h"
#include "support/game_driver.h"

namespace {

int Count(const std::vector<DrawCommand>& list, bool (DrawCommand::*kind)() const) {
  return static_cast<int>(
      std::count_if(list.begin(), list.end(), [&](const DrawCommand& c) { return (c.*kind)(); }));
}

}  // namespace

TEST(AssetLoading, TakesTwentyFiveUpdatesEachShowingTheLoadingScreen) {
  GameDriver game;
  game.Start();
  EXPECT_EQ(game.app().loadStep, 1);
  for (int update = 1; update <= 25; ++update) {
    SCOPED_TRACE(update);
    game.RunUpdates(1);
    EXPECT_EQ(game.app().loadStep, update < 25 ? update + 1 : 0);
    EXPECT_EQ(game.app().spinnerAngle, 16 * update);
    const std::vector<DrawCommand> list = game.DrawCommands();
    EXPECT_EQ(list.size(), 25u);
    EXPECT_EQ(Count(list, &DrawCommand::IsOval), 23);
    EXPECT_EQ(Count(list, &DrawCommand::IsRect), 1);
    EXPECT_TRUE(list[13].IsImage(93));  // the logo between the two rings of dots
    EXPECT_EQ(game.app().clearBlue, 80);
  }
  game.RunUpdates(1);
  EXPECT_EQ(game.app().gameState, 1);
  EXPECT_TRUE(game.DrawCommands().front().IsImage(99));  // the title screen's backdrop
}

TEST(AssetLoading, TheDetailLevelPicksTheFilesAndTheirFrameSizes) {
  struct Case {
    int width, height;
    int hdLevel;
    const char* suffix;
    float imageScale;
  };
  const Case cases[] = {
      {600, 480, 1, "", 1},
      {640, 480, 2, "-hd", 0.5f},
      {1280, 1024, 4, "-hd2", 0.25f},
      {480, 1231, 4, "-hd2", 0.25f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.suffix);
    GameDriver game({.width = c.width, .height = c.height});
    const int cell = 16 * c.hdLevel;
    // Only the files of this level exist: a file of another level would stay unloaded.
    WritePicture(std::string("ship") + c.suffix + ".png", cell, cell);
    WritePicture(std::string("fonts/editundo") + c.suffix + ".png", cell * 128, cell);
    game.Start();
    EXPECT_EQ(game.FinishLoading(), 25);
    const c_MyApp& app = game.app();
    EXPECT_EQ(app.hdLevel, c.hdLevel);
    EXPECT_EQ(app.imageScale, c.imageScale);
    ASSERT_TRUE(app.images[4]);
    EXPECT_EQ(app.images[4]->width, cell);
    EXPECT_EQ(app.imageInfo[4 * 3], cell);
    EXPECT_EQ(app.imageInfo[4 * 3 + 1], cell);
    EXPECT_EQ(app.imageInfo[4 * 3 + 2], 1);
    ASSERT_TRUE(app.images[90]);
    EXPECT_EQ(app.images[90]->width, cell);
    EXPECT_EQ(app.images[90]->frames.size(), 128u);
    // The font's advance and line height stay in game units.
    EXPECT_EQ(app.imageInfo[90 * 3], 7);
    EXPECT_EQ(app.imageInfo[90 * 3 + 1], 10);
    EXPECT_EQ(app.imageInfo[90 * 3 + 2], 128);
    EXPECT_EQ(app.fontImageId, 90);
    EXPECT_FALSE(app.images[99]);
  }
}

TEST(AssetLoading, SoundsAreReadFromThreeDigitFileNames) {
  GameDriver game;
  WriteSound("sfx/007.wav");
  WriteSound("sfx/095.wav");
  WriteSound("sfx/1.wav");
  game.Start();
  game.FinishLoading();
  EXPECT_TRUE(game.app().sounds[7]);
  EXPECT_TRUE(game.app().sounds[95]);
  EXPECT_FALSE(game.app().sounds[1]);
}

TEST(AssetLoading, ASizeChangeReloadsEverythingAtTheNewDetailLevel) {
  GameDriver game({.withData = true});
  game.Start();
  game.FinishLoading();
  ASSERT_TRUE(game.app().images[99]);
  EXPECT_EQ(game.app().images[99]->width, 512);
  game.RunUpdates(10);
  const int slide = game.app().titleSlide;
  EXPECT_EQ(slide, -22);

  game.Resize(1280, 1024);
  game.Render();
  EXPECT_EQ(game.FinishLoading(), 25);
  EXPECT_EQ(game.app().hdLevel, 4);
  EXPECT_EQ(game.app().images[99]->width, 1024);
  EXPECT_EQ(game.app().images[4]->width, 64);
  // The title screen waited while loading and carries on where it was.
  EXPECT_EQ(game.app().gameState, 1);
  EXPECT_EQ(game.app().titleSlide, slide);
  game.RunUpdates(1);
  EXPECT_TRUE(game.DrawCommands().front().IsImage(99));
}

TEST(AssetLoading, EveryDataFileMissingStillReachesTheTitleScreen) {
  GameDriver game;
  game.Start();
  EXPECT_EQ(game.FinishLoading(), 25);
  game.RunUpdates(10);
  EXPECT_EQ(game.app().gameState, 1);
  for (const Ref<c_Image>& image : game.app().images) EXPECT_FALSE(image);
  for (const Ref<c_Sound>& sound : game.app().sounds) EXPECT_FALSE(sound);
  EXPECT_TRUE(game.DrawCommands().front().IsImage(99));
}
