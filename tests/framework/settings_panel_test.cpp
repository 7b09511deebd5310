// The settings panel over a real game: its slide in and out, the Move Speed boxes, the blur
// switch, the keyboard selection of the three icon buttons with the sound button's click, the
// back control, and a stored blur value the panel does not offer.
#include <gtest/gtest.h>

#include <AL/al.h>

#include <string>
#include <vector>

#include "support/game_driver.h"
#include "support/play_session.h"

namespace {

constexpr int kIconImage = 97;
constexpr int kRingFrame = 6;

void OpenPanelFully(GameDriver& game) {
  HoldKey(game, 27);
  game.RunUpdates(12);
  ASSERT_EQ(game.app().menuOffset, 248);
}

std::vector<DrawCommand> SpeedBoxes(const GameDriver& game) {
  std::vector<DrawCommand> boxes;
  for (const DrawCommand& c : game.DrawCommands()) {
    if (c.IsRect() && c.y == 416 && c.width == 28) boxes.push_back(c);
  }
  return boxes;
}

}  // namespace

TEST(SettingsPanel, OpensInThirteenUpdatesAndClosesInTwelveAt640By480) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  game.KeyDown(27);
  for (int update = 1; update <= 14; ++update) {
    game.RunUpdates(1);
    game.KeyUp(27);
    EXPECT_EQ(app.menuOffset, std::min(-64 + 24 * update, 248)) << update;
  }
  HoldKey(game, 27);  // the back control turns the panel round where it stands
  EXPECT_EQ(app.menuSlide, -1);
  EXPECT_EQ(app.menuOffset, 224);
  for (int update = 2; update <= 12; ++update) {
    game.RunUpdates(1);
    EXPECT_EQ(app.menuOffset, 248 - 24 * update) << update;
    EXPECT_EQ(app.menuOpen, update < 12 ? 1 : 0) << update;
  }
  EXPECT_EQ(app.menuOffset, -40);
}

TEST(SettingsPanel, TheBackControlReversesASlideAtOnce) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  HoldKey(game, 27);  // -40, then -16
  game.RunUpdates(2);
  EXPECT_EQ(app.menuOffset, 32);
  game.KeyDown(8);  // backspace, another back key
  game.RunUpdates(1);
  game.KeyUp(8);
  EXPECT_EQ(app.menuSlide, -1);
  EXPECT_EQ(app.menuOffset, 56);
  game.RunUpdates(1);
  EXPECT_EQ(app.menuOffset, 32);
  game.RunUpdates(3);
  EXPECT_EQ(app.menuOffset, -40);
  EXPECT_EQ(app.menuOpen, 0);
}

TEST(SettingsPanel, TheSpeedBoxesSetMoveSpeedAndFollowAHeldFinger) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  OpenPanelFully(game);
  game.Tap(350, 430);  // box 5
  EXPECT_EQ(app.settings[moveSpeed], 5);
  game.RunUpdates(1);
  const std::vector<DrawCommand> boxes = SpeedBoxes(game);
  ASSERT_EQ(boxes.size(), 8u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(boxes[i].green, i < 5 ? 255 : 80) << i;
  EXPECT_NE(game.Glyphs().find("MoveSpeed5"), std::string::npos);
  game.MouseDown(254, 430);  // box 2, then along the row to box 7
  game.RunUpdates(1);
  EXPECT_EQ(app.settings[moveSpeed], 2);
  game.MouseMove(414, 430);
  game.RunUpdates(1);
  EXPECT_EQ(app.settings[moveSpeed], 7);
}

TEST(SettingsPanel, OneTouchFlipsTheBlurSwitchOnce) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  OpenPanelFully(game);
  ASSERT_EQ(app.settings[backgroundBlur], 3);
  game.MouseDown(320, 120);
  game.RunUpdates(5);
  EXPECT_EQ(app.settings[backgroundBlur], 8);
  EXPECT_NE(game.Glyphs().find("OFF"), std::string::npos);
  game.MouseUp();
  game.RunUpdates(1);
  game.Tap(320, 120);
  EXPECT_EQ(app.settings[backgroundBlur], 3);
}

TEST(SettingsPanel, TheKeyboardSelectsAButtonAndTheSoundButtonClicksOnlyWhenTurnedOn) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  OpenPanelFully(game);
  struct Step {
    const char* name;
    int key;
    int row, sound;
    float click;  // the click's rate, or 0 for no click
  };
  const Step steps[] = {
      {"right to the sound button", 39, 1, 1, 1.2f},   {"fire turns the sound off", 32, 1, 0, 0},
      {"fire turns it on, with a click", 32, 1, 1, 1}, {"down back to resume", 40, 0, 1, 0.8f},
      {"up to end the game", 38, -1, 1, 0.8f},         {"right back to resume", 39, 0, 1, 0.8f},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    const int cursor = app.sfxChannelCursor;
    HoldKey(game, step.key);
    EXPECT_EQ(app.cursorRow, step.row);
    EXPECT_EQ(app.settings[soundOn], step.sound);
    EXPECT_EQ(app.sfxChannelCursor, step.click > 0 ? cursor + 1 : cursor);
    if (step.click > 0) {
      float pitch = 0;
      alGetSourcef(g_audioDevice->channelRecords[app.sfxChannelCursor].source, AL_PITCH, &pitch);
      EXPECT_EQ(pitch, step.click);
    }
  }
  // The ring marks the selected button; fire on resume closes the panel.
  const float ringX[] = {180, 320, 460};
  for (int row = -1; row <= 1; ++row) {
    app.cursorRow = row;
    game.RunUpdates(1);
    int rings = 0;
    for (const DrawCommand& c : ImagesOf(game, kIconImage)) {
      if (c.frame == kRingFrame) {
        ++rings;
        EXPECT_EQ(c.x, ringX[row + 1]);
      }
    }
    EXPECT_EQ(rings, 1);
  }
  app.cursorRow = 0;
  HoldKey(game, 32);
  EXPECT_EQ(app.menuSlide, -1);
}

TEST(SettingsPanel, AStoredBlurOfFiveShowsAsOnAndIsStoredAsThree) {
  GameDriver game;
  // Settings only: move speed 4, blur 5, sound on, and their checksum.
  std::string settings;
  const int values[25] = {0, 4, 5, 0, 0, 1};
  for (int value : values) settings += std::to_string(value) + "|";
  game.WriteStateFile(settings + std::to_string(1 * 4 + 2 * 5 + 5 * 1) + "|");
  StartQuietGame(game);
  c_MyApp& app = game.app();
  ASSERT_EQ(app.settings[backgroundBlur], 5);
  HoldKey(game, 27);
  EXPECT_EQ(app.settings[backgroundBlur], 3);
  const std::string glyphs = game.Glyphs();
  EXPECT_NE(glyphs.find("ON"), std::string::npos);
  EXPECT_EQ(glyphs.find("OFF"), std::string::npos);
  game.Iconify();  // saves
  EXPECT_EQ(SplitFields(game.ReadStateFile())[2], "3");
}
