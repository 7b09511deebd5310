// The audio engine against the device it opens: real output rendered by OpenAL Soft's wave
// writer, and start-up without any usable device. Each case picks its OpenAL Soft driver
// before the engine opens one, which works because every test case runs in its own process.
#include <AL/al.h>
#include <AL/alc.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "audio/audio_engine.h"
#include "audio/sound.h"
#include "audio_engine_support.h"

namespace {

using namespace audio_test;

struct ChannelPower {
  double left = 0;
  double right = 0;
};

// Sums the squared samples of each channel of a 16-bit stereo WAV file.
ChannelPower MeasureStereoWav(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  const auto read32 = [&](size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
  };
  ChannelPower power;
  for (size_t at = 12; at + 8 <= bytes.size(); at += 8 + read32(at + 4)) {
    if (std::memcmp(bytes.data() + at, "data", 4) != 0) continue;
    const size_t end = std::min(bytes.size(), at + 8 + read32(at + 4));
    for (size_t frame = at + 8; frame + 4 <= end; frame += 4) {
      std::int16_t sample[2];
      std::memcpy(sample, bytes.data() + frame, 4);
      power.left += double(sample[0]) * sample[0];
      power.right += double(sample[1]) * sample[1];
    }
  }
  return power;
}

TEST(AudioDevice, PanOneComesOutLouderOnTheRight) {
  TempFolder folder;
  const auto output = folder.path / "out.wav";
  const auto config = folder.path / "alsoft.conf";
  std::ofstream(config) << "[general]\ndrivers=wave\nchannels=stereo\nsample-type=int16\n"
                           "hrtf=false\n[wave]\nfile="
                        << output.string() << "\n";
  setenv("ALSOFT_CONF", config.c_str(), 1);
  setenv("ALSOFT_DRIVERS", "wave", 1);

  IdlePlatform platform;
  Ref<QorGlfwGame> host = New<QorGlfwGame>(platform);
  g_hostGame = host.Get();
  Ref<gxtkAudio> engine = New<gxtkAudio>();
  ASSERT_NE(engine->alContext, nullptr);
  WriteToneWav(folder.path / "tone.wav", {0.3});
  Ref<gxtkSample> tone = engine->LoadSampleFile(String((folder.path / "tone.wav").c_str()));
  ASSERT_TRUE(tone);
  engine->SetChannelPan(0, 1);
  engine->PlaySampleOn(tone.Get(), 0, 0);
  ASSERT_TRUE(WaitFor([&] { return engine->ChannelState(0) == 0; }));

  // Closing the device makes the writer finish the file.
  alcMakeContextCurrent(nullptr);
  alcDestroyContext(static_cast<ALCcontext*>(engine->alContext));
  alcCloseDevice(static_cast<ALCdevice*>(engine->alDevice));
  g_hostGame = nullptr;

  const ChannelPower power = MeasureStereoWav(output);
  EXPECT_GT(power.right, 1e9) << "the tone was rendered";
  EXPECT_GT(power.right, 10 * power.left);
}

TEST(AudioDevice, WithoutADeviceTheGameRunsSilent) {
  setenv("ALSOFT_DRIVERS", "nosuch", 1);
  TempFolder folder;
  IdlePlatform platform;
  Ref<QorGlfwGame> host = New<QorGlfwGame>(platform);
  g_hostGame = host.Get();

  ::testing::internal::CaptureStdout();
  Ref<gxtkAudio> engine = New<gxtkAudio>();
  g_audioDevice = engine.Get();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "OpenAl error: alcOpenDevice failed\n");
  EXPECT_EQ(engine->alDevice, nullptr);
  EXPECT_EQ(engine->alContext, nullptr);

  // Every operation still works, says nothing and plays nothing.
  ::testing::internal::CaptureStdout();
  const String path((folder.path / "tone.wav").c_str());
  WriteToneWav(folder.path / "tone.wav", {});
  Ref<gxtkSample> sample = engine->LoadSampleFile(path);
  ASSERT_TRUE(sample) << "the file still decodes";
  EXPECT_EQ(sample->buffer, 0u);
  for (int channel : {0, 23, 32}) {
    EXPECT_EQ(engine->SetChannelVolume(channel, 0.5f), 0);
    EXPECT_EQ(engine->SetChannelPan(channel, -1), 0);
    EXPECT_EQ(engine->SetChannelRate(channel, 2), 0);
    EXPECT_EQ(engine->PlaySampleOn(sample.Get(), channel, 1), 0);
    EXPECT_EQ(engine->PauseChannel(channel), 0);
    EXPECT_EQ(engine->ResumeChannel(channel), 0);
    EXPECT_EQ(engine->ChannelState(channel), 0) << "nothing plays";
    EXPECT_EQ(engine->StopChannel(channel), 0);
  }
  EXPECT_EQ(engine->SuspendAll(), 0);
  EXPECT_EQ(engine->ResumeAll(), 0);
  EXPECT_EQ(engine->PlayMusicFile(path, 1), 0);
  EXPECT_EQ(engine->PlayMusicFile(String((folder.path / "none.wav").c_str()), 1), -1);
  EXPECT_EQ(engine->SetMusicVolume(1), 0);
  EXPECT_EQ(engine->PauseMusic(), 0);
  EXPECT_EQ(engine->ResumeMusic(), 0);
  EXPECT_EQ(engine->MusicState(), 0);
  EXPECT_EQ(engine->StopMusic(), 0);
  EXPECT_EQ(sample->Discard(), 0);
  sample = nullptr;
  CollectGarbage();
  Ref<c_Sound> sound = LoadSoundFile(path);
  ASSERT_TRUE(sound);
  EXPECT_EQ(PlaySoundOn(sound.Get(), 1, 0), 0);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  g_audioDevice = nullptr;
  g_hostGame = nullptr;
}

}  // namespace
