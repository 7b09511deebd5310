// The delegate's device steps around the application's handlers: the devices exist before
// HandleCreate, the audio pauses after the application's suspend and resumes before its
// resume, press counts last one update, and the render device is set only during a frame.
#include <gtest/gtest.h>

#include <AL/al.h>

#include <vector>

#include "audio/sound.h"
#include "graphics/graphics_context.h"
#include "support/data_files.h"
#include "support/game_driver.h"

namespace {

ALint SourceState(int channel) {
  ALint state = 0;
  alGetSourcei(g_audioDevice->channelRecords[channel].source, AL_SOURCE_STATE, &state);
  return state;
}

// Records what each handler sees of the devices.
class DeviceProbe : public c_App {
 public:
  bool devicesAtCreate = false;
  bool renderDeviceOutsideFrames = false;
  gxtkGraphics* renderDeviceInRender = nullptr;
  std::vector<int> pressCounts;
  ALint sourceAtSuspend = 0;
  ALint sourceAtResume = 0;
  Ref<c_Sound> sound;

  int HandleCreate() override {
    devicesAtCreate = g_graphicsDevice && g_audioDevice && g_inputDevice &&
                      g_gameDelegate->graphics.Get() == g_graphicsDevice &&
                      g_gameDelegate->audio.Get() == g_audioDevice &&
                      g_gameDelegate->input.Get() == g_inputDevice;
    renderDeviceOutsideFrames |= g_renderDevice != nullptr;
    SetAppUpdateRate(60);
    return 0;
  }
  int HandleUpdate() override {
    pressCounts.push_back(g_inputDevice->KeyPressCount(65));
    renderDeviceOutsideFrames |= g_renderDevice != nullptr;
    return 0;
  }
  int HandleRender() override {
    renderDeviceInRender = g_renderDevice;
    return 0;
  }
  int HandleSuspend() override {
    sourceAtSuspend = SourceState(0);
    return 0;
  }
  int HandleResume() override {
    sourceAtResume = SourceState(0);
    return 0;
  }
};

DeviceProbe* g_probe = nullptr;

GameDriverOptions ProbeOptions() {
  return {.createApp = [] { return g_probe = new DeviceProbe(); }};
}

}  // namespace

TEST(DeviceSetup, DevicesExistBeforeCreateAndRenderDeviceOnlyDuringFrames) {
  GameDriver game(ProbeOptions());
  EXPECT_EQ(g_graphicsDevice, nullptr);
  game.Start();
  EXPECT_TRUE(g_probe->devicesAtCreate);
  EXPECT_EQ(g_probe->renderDeviceInRender, g_graphicsDevice);
  EXPECT_EQ(g_renderDevice, nullptr);
  game.RunUpdates(3);
  EXPECT_FALSE(g_probe->renderDeviceOutsideFrames);
  EXPECT_EQ(g_renderDevice, nullptr);
}

TEST(DeviceSetup, APressIsCountedInExactlyOneUpdate) {
  GameDriver game(ProbeOptions());
  game.Start();
  game.PressKey(65);
  game.RunUpdates(2);
  game.PressKey(65);
  game.PressKey(65);
  game.RunUpdates(1);
  EXPECT_EQ(g_probe->pressCounts, (std::vector<int>{1, 0, 2}));
}

TEST(DeviceSetup, TheAudioPausesAfterTheSuspendAndResumesBeforeTheResume) {
  GameDriver game(ProbeOptions());
  WriteSound("tone.wav", 1);
  game.Start();
  g_probe->sound = LoadSoundFile("tone.wav");
  ASSERT_TRUE(g_probe->sound);
  PlaySoundOn(g_probe->sound.Get(), 0, 1);  // looping
  ASSERT_EQ(SourceState(0), AL_PLAYING);
  game.Iconify();
  EXPECT_EQ(g_probe->sourceAtSuspend, AL_PLAYING);
  EXPECT_EQ(SourceState(0), AL_PAUSED);
  game.Restore();
  EXPECT_EQ(g_probe->sourceAtResume, AL_PLAYING);
}
