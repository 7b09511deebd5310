// The audio engine on a real OpenAL Soft context (the null backend plays in real time without
// a sound card): channel states, settings kept on a channel, pan positions, suspend and resume,
// the discarded-buffer list, music and the application's audio module.
#include "audio/audio_engine.h"

#include <AL/al.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "audio/sound.h"
#include "audio_engine_support.h"

namespace {

using namespace audio_test;

class AudioEngineTest : public ::testing::Test {
 protected:
  AudioEngineTest() {
    g_hostGame = host.Get();
    engine = New<gxtkAudio>();
    g_audioDevice = engine.Get();
  }
  ~AudioEngineTest() override {
    g_audioDevice = nullptr;
    g_hostGame = nullptr;
  }

  String WavFile(const std::string& name, const Tone& tone = {}) {
    const auto file = folder.path / name;
    WriteToneWav(file, tone);
    return String(file.c_str());
  }
  Ref<gxtkSample> Load(const Tone& tone = {}) {
    return engine->LoadSampleFile(WavFile("tone" + std::to_string(++files) + ".wav", tone));
  }
  // A load that fails flushes the discarded buffers without creating one (OpenAL hands a
  // deleted name out again at once, which would hide a deletion).
  void Flush() { engine->LoadSampleFile(String((folder.path / "missing.wav").c_str())); }

  ALuint Source(int channel) { return engine->channelRecords[channel].source; }
  ALint SourceState(int channel) {
    ALint state = 0;
    alGetSourcei(Source(channel), AL_SOURCE_STATE, &state);
    return state;
  }
  ALint SourceInt(int channel, ALenum parameter) {
    ALint value = 0;
    alGetSourcei(Source(channel), parameter, &value);
    return value;
  }
  float SourceFloat(int channel, ALenum parameter) {
    float value = 0;
    alGetSourcef(Source(channel), parameter, &value);
    return value;
  }

  TempFolder folder;
  IdlePlatform platform;
  Ref<QorGlfwGame> host = New<QorGlfwGame>(platform);
  Ref<gxtkAudio> engine;
  int files = 0;
};

constexpr Tone kLong{2.0};

TEST_F(AudioEngineTest, StartsOnTheNullDevice) {
  EXPECT_NE(engine->alDevice, nullptr);
  EXPECT_NE(engine->alContext, nullptr);
  Ref<gxtkSample> sample = Load();
  ASSERT_TRUE(sample);
  EXPECT_TRUE(alIsBuffer(sample->buffer));
  ALint size = 0;
  alGetBufferi(sample->buffer, AL_SIZE, &size);
  EXPECT_EQ(size, 2205 * 2) << "0.1 s of 16-bit mono at 22050 Hz";
}

TEST_F(AudioEngineTest, OneShotSoundReadsStoppedOnceItHasEnded) {
  Ref<gxtkSample> blip = Load({0.05});
  engine->PlaySampleOn(blip.Get(), 0, 0);
  EXPECT_EQ(engine->ChannelState(0), 1);
  ASSERT_TRUE(WaitFor([&] { return engine->ChannelState(0) == 0; }));
  engine->PauseChannel(0);
  EXPECT_EQ(engine->ChannelState(0), 0);
  EXPECT_EQ(SourceState(0), AL_STOPPED);

  // An ended sound found first by PauseChannel also reads stopped.
  engine->PlaySampleOn(blip.Get(), 0, 0);
  ASSERT_TRUE(WaitFor([&] { return SourceState(0) == AL_STOPPED; }));
  engine->PauseChannel(0);
  EXPECT_EQ(engine->ChannelState(0), 0);
  EXPECT_EQ(SourceState(0), AL_STOPPED);
}

TEST_F(AudioEngineTest, PauseResumeAndStopMoveTheChannelState) {
  Ref<gxtkSample> sample = Load(kLong);
  engine->PlaySampleOn(sample.Get(), 1, 1);
  EXPECT_EQ(SourceInt(1, AL_LOOPING), AL_TRUE);
  enum Operation { kPause, kResume, kStop };
  struct {
    Operation operation;
    int state;
    ALint sourceState;
  } const steps[] = {
      {kPause, 2, AL_PAUSED},   {kPause, 2, AL_PAUSED},  {kResume, 1, AL_PLAYING},
      {kResume, 1, AL_PLAYING}, {kPause, 2, AL_PAUSED},  {kStop, 0, AL_STOPPED},
      {kResume, 0, AL_STOPPED}, {kPause, 0, AL_STOPPED}, {kStop, 0, AL_STOPPED},
  };
  int step = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(step++);
    if (s.operation == kPause) engine->PauseChannel(1);
    if (s.operation == kResume) engine->ResumeChannel(1);
    if (s.operation == kStop) engine->StopChannel(1);
    EXPECT_EQ(engine->ChannelState(1), s.state);
    EXPECT_EQ(SourceState(1), s.sourceState);
  }
}

TEST_F(AudioEngineTest, SoundOnABusyChannelCutsTheOldOneOff) {
  Ref<gxtkSample> first = Load(kLong);
  Ref<gxtkSample> second = Load(kLong);
  engine->PlaySampleOn(first.Get(), 5, 0);
  ASSERT_TRUE(WaitFor([&] { return SourceInt(5, AL_SAMPLE_OFFSET) > 4000; }));
  engine->PlaySampleOn(second.Get(), 5, 0);
  EXPECT_EQ(SourceInt(5, AL_BUFFER), static_cast<ALint>(second->buffer));
  EXPECT_LT(SourceInt(5, AL_SAMPLE_OFFSET), 4000) << "the new sound starts from its beginning";
  EXPECT_EQ(SourceState(5), AL_PLAYING);
  EXPECT_EQ(engine->channelRecords[5].sample.Get(), second.Get());
  EXPECT_EQ(SourceInt(5, AL_LOOPING), AL_FALSE);
}

TEST_F(AudioEngineTest, SettingsStayOnTheChannelForLaterSounds) {
  engine->SetChannelVolume(3, 0.5f);
  ASSERT_NE(Source(3), 0u) << "setting a volume creates the source";
  EXPECT_TRUE(alIsSource(Source(3)));
  engine->SetChannelRate(3, 1.5f);
  engine->SetChannelPan(3, 1);
  for (int sound = 0; sound < 2; ++sound) {
    SCOPED_TRACE(sound);
    Ref<gxtkSample> sample = Load();
    engine->PlaySampleOn(sample.Get(), 3, 0);
    EXPECT_FLOAT_EQ(SourceFloat(3, AL_GAIN), 0.5f);
    EXPECT_FLOAT_EQ(SourceFloat(3, AL_PITCH), 1.5f);
    float x = 0, y = 0, z = 0;
    alGetSource3f(Source(3), AL_POSITION, &x, &y, &z);
    EXPECT_NEAR(x, 0.841f, 1e-3f);
  }
  EXPECT_EQ(Source(4), 0u) << "other channels are untouched";
}

TEST_F(AudioEngineTest, PanIsAnAngleAroundTheListener) {
  struct {
    float pan, x, z;
  } const cases[] = {
      {0, 0, -1},
      {1, 0.841f, -0.540f},
      {-1, -0.841f, -0.540f},
      {0.5f, 0.479f, -0.878f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pan);
    SetSoundPan(7, c.pan);
    float x = 9, y = 9, z = 9;
    alGetSource3f(Source(7), AL_POSITION, &x, &y, &z);
    EXPECT_NEAR(x, c.x, 1e-3f);
    EXPECT_EQ(y, 0);
    EXPECT_NEAR(z, c.z, 1e-3f);
  }
  ALint model = 0;
  alGetIntegerv(AL_DISTANCE_MODEL, &model);
  EXPECT_EQ(model, AL_NONE) << "position steers only the panning";
}

TEST_F(AudioEngineTest, SuspendAndResumeLeaveApplicationPausedChannelsPaused) {
  Ref<gxtkSample> music = Load(kLong);
  Ref<gxtkSample> blip = Load({0.05});
  engine->PlaySampleOn(music.Get(), 1, 1);
  engine->PlaySampleOn(music.Get(), 2, 1);
  engine->PauseChannel(2);
  engine->PlaySampleOn(blip.Get(), 3, 0);
  ASSERT_TRUE(WaitFor([&] { return SourceState(3) == AL_STOPPED; }));

  engine->SuspendAll();
  EXPECT_EQ(SourceState(1), AL_PAUSED);
  EXPECT_EQ(SourceState(2), AL_PAUSED);
  EXPECT_EQ(engine->ChannelState(1), 1) << "a suspended channel still counts as playing";

  engine->ResumeAll();
  EXPECT_EQ(SourceState(1), AL_PLAYING);
  EXPECT_EQ(SourceState(2), AL_PAUSED);
  EXPECT_EQ(engine->ChannelState(2), 2);
  EXPECT_EQ(SourceState(3), AL_STOPPED) << "an ended sound does not start again";
  EXPECT_EQ(engine->ChannelState(3), 0);
}

TEST_F(AudioEngineTest, DiscardedBufferIsDeletedOnlyAfterItsSoundStopped) {
  Ref<gxtkSample> other = Load();
  Ref<gxtkSample> sample = Load({0.3});
  const ALuint buffer = sample->buffer;
  engine->PlaySampleOn(sample.Get(), 4, 0);
  sample->Discard();
  EXPECT_EQ(sample->buffer, 0u);

  Flush();
  EXPECT_TRUE(alIsBuffer(buffer)) << "still playing";
  EXPECT_EQ(SourceState(4), AL_PLAYING);

  ASSERT_TRUE(WaitFor([&] { return SourceState(4) == AL_STOPPED; }));
  EXPECT_TRUE(alIsBuffer(buffer)) << "deleted at a flush, not when the sound ends";
  engine->PlaySampleOn(other.Get(), 0, 0);  // playing flushes the list too
  EXPECT_FALSE(alIsBuffer(buffer));
  EXPECT_EQ(SourceInt(4, AL_BUFFER), 0);
}

TEST_F(AudioEngineTest, CollectedSampleQueuesItsBufferLikeDiscard) {
  Ref<gxtkSample> sample = Load();
  const ALuint buffer = sample->buffer;
  sample = nullptr;
  CollectGarbage();
  EXPECT_TRUE(alIsBuffer(buffer)) << "queued, not deleted at once";
  Flush();
  EXPECT_FALSE(alIsBuffer(buffer));

  // A sample the application dropped lives on while its channel plays it.
  Ref<gxtkSample> playing = Load(kLong);
  gxtkSample* address = playing.Get();
  engine->PlaySampleOn(playing.Get(), 6, 0);
  playing = nullptr;
  CollectGarbage();
  EXPECT_TRUE(Object::IsLive(address));
  EXPECT_EQ(SourceState(6), AL_PLAYING);
}

TEST_F(AudioEngineTest, EarlierOpenAlErrorDoesNotCostALoadedSampleItsBuffer) {
  Load({0.1, 1, 24});  // leaves an OpenAL error behind: there is no 24-bit format
  Ref<gxtkSample> dropped = Load();
  dropped->Discard();
  Flush();
  // OpenAL reuses the freed name; a name still listed would take the new buffer with it.
  Ref<gxtkSample> kept = Load();
  Flush();
  EXPECT_TRUE(alIsBuffer(kept->buffer));
  ALint size = 0;
  alGetBufferi(kept->buffer, AL_SIZE, &size);
  EXPECT_GT(size, 0);
}

TEST_F(AudioEngineTest, MusicOnAMissingFileFailsAndLeavesTheMusicChannelStopped) {
  const String missing((folder.path / "missing.wav").c_str());
  EXPECT_EQ(engine->PlayMusicFile(missing, 1), -1);
  EXPECT_EQ(engine->MusicState(), 0);

  const String music = WavFile("music.wav", kLong);
  EXPECT_EQ(engine->PlayMusicFile(music, 1), 0);
  EXPECT_EQ(engine->MusicState(), 1);
  EXPECT_EQ(SourceInt(32, AL_LOOPING), AL_TRUE);
  engine->SetMusicVolume(0.25f);
  EXPECT_FLOAT_EQ(SourceFloat(32, AL_GAIN), 0.25f);
  engine->PauseMusic();
  EXPECT_EQ(engine->MusicState(), 2);
  engine->ResumeMusic();
  EXPECT_EQ(SourceState(32), AL_PLAYING);

  EXPECT_EQ(engine->PlayMusicFile(missing, 1), -1);
  EXPECT_EQ(engine->MusicState(), 0) << "the old music is stopped first";
  EXPECT_EQ(SourceState(32), AL_STOPPED);
}

TEST_F(AudioEngineTest, LayoutWithoutAnOpenAlFormatPlaysAsSilence) {
  Ref<gxtkSample> sample = Load({0.1, 1, 24});
  ASSERT_TRUE(sample);
  ALint size = -1;
  alGetBufferi(sample->buffer, AL_SIZE, &size);
  EXPECT_EQ(size, 0);
  engine->PlaySampleOn(sample.Get(), 0, 0);
  EXPECT_TRUE(WaitFor([&] { return engine->ChannelState(0) == 0; }));
}

TEST_F(AudioEngineTest, SoundModuleLoadsFromTheDataFolderAndForwardsToTheEngine) {
  std::filesystem::create_directory(folder.path / "data");
  WriteToneWav(folder.path / "data" / "beep.wav", kLong);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path);
  Ref<c_Sound> beep = LoadSoundFile("beep.wav");
  Ref<c_Sound> missing = LoadSoundFile("nothing.wav");
  std::filesystem::current_path(previous);
  ASSERT_TRUE(beep);
  EXPECT_FALSE(missing);

  Ref<c_Sound> empty = New<c_Sound>();
  PlaySoundOn(empty.Get(), 9, 0);
  EXPECT_EQ(Source(9), 0u) << "a sound without a sample does nothing";
  EXPECT_EQ(engine->ChannelState(9), 0);

  PlaySoundOn(beep.Get(), 9, 0);
  EXPECT_EQ(engine->ChannelState(9), 1);
  SetSoundVolume(9, 0.75f);
  SetSoundRate(9, 2);
  EXPECT_FLOAT_EQ(SourceFloat(9, AL_GAIN), 0.75f);
  EXPECT_FLOAT_EQ(SourceFloat(9, AL_PITCH), 2);
  StopSoundChannel(9);
  EXPECT_EQ(engine->ChannelState(9), 0);
}

}  // namespace
