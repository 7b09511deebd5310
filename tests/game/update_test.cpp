// The update handler: the pointer snapshot in game units, the two latches, the window close,
// the suspend and resume rules, the debug switch, the rate measurement, sound effects on their
// rotating channels and whole random numbers.
#include <gtest/gtest.h>

#include <AL/al.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/app_globals.h"
#include "support/child_process.h"
#include "support/data_files.h"
#include "support/game_driver.h"

namespace {

void ReachTitle(GameDriver& game) {
  game.Start();
  game.FinishLoading();
  game.RunUpdates(32);
}

std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == '|') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

}  // namespace

TEST(Update, ThePointerIsTakenInGameUnitsAndAPressReportsNoMovement) {
  GameDriver game({.width = 1280, .height = 720});  // two pixels per unit
  ReachTitle(game);
  c_MyApp& app = game.app();
  game.MouseMove(100, 100);
  game.RunUpdates(1);
  EXPECT_EQ(app.pointerX, 50);
  game.MouseMove(301, 201);
  game.MouseDown(301, 201);
  game.RunUpdates(1);
  EXPECT_EQ(app.pointerX, 150);
  EXPECT_EQ(app.prevPointerX, 150);
  EXPECT_EQ(app.prevPointerY, 100);
  EXPECT_EQ(app.anyTouchDown, 1);
  EXPECT_EQ(app.touchDown[0], 1);
  EXPECT_EQ(app.touchX[0], 150);
  EXPECT_EQ(app.touchY[0], 100);
  EXPECT_EQ(app.touchX[1], -3717);
  game.MouseMove(341, 251);
  game.RunUpdates(1);
  EXPECT_EQ(app.pointerX - app.prevPointerX, 20);
  EXPECT_EQ(app.pointerY - app.prevPointerY, 25);
  game.MouseUp();
  game.RunUpdates(1);
  EXPECT_EQ(app.anyTouchDown, 0);
  EXPECT_EQ(app.touchDown[0], 0);
  EXPECT_EQ(app.touchX[0], -3717);
  EXPECT_EQ(app.pointerX, 170);  // the pointer itself stays where it was
}

TEST(Update, LatchesHoldUntilEveryTouchAndControlIsReleased) {
  GameDriver game;
  ReachTitle(game);
  c_MyApp& app = game.app();
  game.MouseDown(600, 20);  // off every button
  app.touchLatch = 1;
  game.RunUpdates(3);
  EXPECT_EQ(app.touchLatch, 1);
  game.MouseUp();
  game.RunUpdates(1);
  EXPECT_EQ(app.touchLatch, 0);

  app.controlLatch = 1;
  game.KeyDown(87);  // W: up
  game.KeyDown(81);  // Q: no control
  game.RunUpdates(3);
  EXPECT_EQ(app.controlLatch, 1);
  game.KeyUp(87);
  game.RunUpdates(1);
  EXPECT_EQ(app.controlLatch, 0);
}

TEST(Update, EscapeClosesTheCreditsAndBlocksOtherControlsWhileHeld) {
  GameDriver game;
  ReachTitle(game);
  c_MyApp& app = game.app();
  game.Tap(570, 440);  // the logo opens the credits
  ASSERT_EQ(app.creditsOpen, 1);
  game.RunUpdates(1);
  game.KeyDown(27);
  game.RunUpdates(1);
  EXPECT_EQ(app.creditsOpen, 0);
  EXPECT_EQ(app.controlLatch, 1);
  EXPECT_EQ(app.touchLatch, 1);
  game.KeyDown(32);  // fire while Escape is still held
  game.RunUpdates(3);
  EXPECT_EQ(app.gameState, 1);
  EXPECT_EQ(app.controlLatch, 1);
  game.KeyUp(27);
  game.KeyUp(32);
  game.RunUpdates(1);
  EXPECT_EQ(app.controlLatch, 0);
}

TEST(Update, TheCloseRequestEndsWithStatusZeroAndSavesNothing) {
  // The whole run happens in a child process, which the close ends.
  const ChildResult result = RunInChild([] {
    GameDriver game;
    std::printf("%s\n", game.WorkDir().c_str());
    ReachTitle(game);
    game.KeyDown(32);
    game.RunUpdates(2);  // a game is on
    game.app().score = 500;
    game.PressKey(432);
    game.RunUpdates(1);
    std::printf("still running\n");
  });
  EXPECT_EQ(result.status, 0);
  const std::string workDir = result.out.substr(0, result.out.find('\n'));
  EXPECT_EQ(result.out, workDir + "\n");
  EXPECT_FALSE(std::filesystem::exists(workDir + "/.vindlestate"));
  std::filesystem::remove_all(workDir);
}

TEST(Update, SuspendSavesAndOpensThePanelOnlyDuringAGame) {
  GameDriver game;
  ReachTitle(game);
  c_MyApp& app = game.app();
  game.Iconify();
  EXPECT_TRUE(game.StateFileExists());
  EXPECT_EQ(g_updateRate, 5);
  EXPECT_EQ(app.menuOpen, 0);
  EXPECT_EQ(app.menuSlide, 0);
  game.Restore();
  EXPECT_EQ(g_updateRate, 60);

  game.KeyDown(32);
  game.RunUpdates(2);
  ASSERT_EQ(app.gameState, 10);
  app.highscores[0] = 77;
  game.Iconify();
  EXPECT_EQ(app.menuOpen, 1);
  EXPECT_EQ(app.menuSlide, 1);
  EXPECT_EQ(app.menuOffset, 240);
  EXPECT_EQ(SplitFields(game.ReadStateFile())[35], "77");
  game.Restore();
  EXPECT_EQ(app.menuOpen, 1);
  EXPECT_EQ(g_updateRate, 60);
}

TEST(Update, F10TogglesTheDebugLine) {
  GameDriver game;
  ReachTitle(game);
  game.PressKey(121);
  game.Update();
  EXPECT_EQ(g_debugState, 1);
  // The render rate, then both scales in the runtime's float form, at the left edge.
  const std::string glyphs = game.Glyphs();
  const std::string line = std::to_string(game.app().fpsSmoothed) + ":1.0,1.0";
  EXPECT_EQ(glyphs.substr(glyphs.size() - line.size()), line);
  EXPECT_FLOAT_EQ(game.DrawCommands().back().y, 240 + 5);
  game.PressKey(121);
  game.RunUpdates(1);
  EXPECT_EQ(g_debugState, 0);
}

TEST(Update, UpdateAndFrameRatesAreMeasuredFromTheClock) {
  GameDriver game;
  game.Start();
  game.RunUpdates(200);
  // The clock moves 16 or 17 whole milliseconds per update.
  for (int rate : {game.app().updateFps, game.app().fps}) EXPECT_TRUE(rate == 62 || rate == 58);
  // The smoothing truncates, so it settles up to 9 below the rate it follows.
  for (int smoothed : {game.app().updateFpsSmoothed, game.app().fpsSmoothed}) {
    EXPECT_GE(smoothed, 49);
    EXPECT_LE(smoothed, 62);
  }
}

TEST(SoundEffects, RotateOverTwentyFourChannels) {
  GameDriver game;
  WriteSound("sfx/098.wav", 2);
  WriteSound("sfx/099.wav", 2);
  game.Start();
  game.FinishLoading();
  c_MyApp& app = game.app();
  const gxtkAudio& audio = *g_audioDevice;
  app.PlaySfx(99, 1, 1, 0);  // the first effect goes to channel 1
  for (int i = 0; i < 23; ++i) app.PlaySfx(98, 1, 1, 0);
  for (int channel = 0; channel < 24; ++channel) EXPECT_EQ(audio.channelRecords[channel].state, 1);
  EXPECT_EQ(audio.channelRecords[1].sample, app.sounds[99]->sample);
  // The 25th cuts the first off.
  app.PlaySfx(98, 1.5f, 0.25f, 0);
  EXPECT_EQ(app.sfxChannelCursor, 1);
  EXPECT_EQ(audio.channelRecords[1].sample, app.sounds[98]->sample);
  EXPECT_EQ(audio.channelRecords[24].state, 0);
  float pitch = 0, gain = 0;
  alGetSourcef(audio.channelRecords[1].source, AL_PITCH, &pitch);
  alGetSourcef(audio.channelRecords[1].source, AL_GAIN, &gain);
  EXPECT_EQ(pitch, 1.5f);
  EXPECT_EQ(gain, 0.25f);
}

TEST(SoundEffects, PlayOnlyWhileTheSoundIsOn) {
  GameDriver game;
  WriteSound("sfx/098.wav", 2);
  game.Start();
  game.FinishLoading();
  c_MyApp& app = game.app();
  for (const auto& [setting, plays] :
       std::map<int, bool>{{0, false}, {1, true}, {2, true}, {3, false}}) {
    SCOPED_TRACE(setting);
    app.settings[soundOn] = setting;
    const int cursor = app.sfxChannelCursor;
    app.PlaySfx(98, 1, 1, 0);
    EXPECT_EQ(app.sfxChannelCursor, plays ? (cursor + 1) % 24 : cursor);
  }
  // A sound that is not loaded plays nothing but still takes its channel.
  app.settings[soundOn] = 1;
  for (int i = 0; i < 24; ++i) app.PlaySfx(98, 1, 1, 0);
  app.PlaySfx(50, 1, 1, 0);
  EXPECT_EQ(g_audioDevice->channelRecords[app.sfxChannelCursor].state, 0);
}

TEST(RandomNumbers, RandomIntCoversItsBoundsWithTheTopLessLikely) {
  GameDriver game;
  c_MyApp& app = game.app();
  // A fresh generator: seed 1234 steps to 3067928073, whose top 24 bits give 0.714...
  EXPECT_EQ(app.RandomInt(3, 5), 5);
  EXPECT_EQ(g_randomSeed, 3067928073u);
  std::map<int, int> counts;
  constexpr int kDraws = 299000;
  for (int i = 0; i < kDraws; ++i) ++counts[app.RandomInt(3, 5)];
  ASSERT_EQ(counts.size(), 3u);
  EXPECT_NEAR(counts[3], 100000, 1000);
  EXPECT_NEAR(counts[4], 100000, 1000);
  EXPECT_NEAR(counts[5], 99000, 1000);
  for (int i = 0; i < 1000; ++i) {
    const float u = RandomUnit();
    EXPECT_GE(u, 0);
    EXPECT_LT(u, 1);
  }
}
