// The host's sound loading: the decoder chosen by the path's ending, whatever its case.
#include <cstdlib>
#include <string>

#include "audio/sox_files.h"

namespace {

TEST(LoadSoundSamples, ChoosesTheDecoderByTheEndingOfThePath) {
  TempWorkingFolder folder;
  IdlePlatform platform;
  QorGlfwGame host(platform);
  std::filesystem::create_directories("data/sfx");
  ASSERT_TRUE(RunTool("sox -n -r 22050 -b 16 -c 2 data/sfx/001.wav synth 0.1 sine 440"));
  ASSERT_TRUE(RunTool("sox -n -r 44100 -c 1 data/sfx/001.ogg synth 0.1 sine 440"));
  const std::string wav = ReadFileBytes("data/sfx/001.wav");
  const std::string ogg = ReadFileBytes("data/sfx/001.ogg");
  struct Case {
    const char* name;
    const std::string* bytes;     // null: no such file
    int channels, format, hertz;  // 0: null expected
  };
  const Case cases[] = {
      {"Shot.WAV", &wav, 2, 2, 22050},  {"shot.wav", &wav, 2, 2, 22050},
      {"Music.Ogg", &ogg, 1, 2, 44100}, {"music.OGG", &ogg, 1, 2, 44100},
      {"shot.mp3", &wav, 0, 0, 0},      {"shot.wav.bak", &wav, 0, 0, 0},
      {"music.wav", &ogg, 0, 0, 0},     {"missing.wav", nullptr, 0, 0, 0},
  };
  for (const Case& c : cases) {
    if (c.bytes) WriteFileBytes(std::string("data/") + c.name, *c.bytes);
    int length = 0, channels = 0, format = 0, hertz = 0;
    void* samples = host.LoadSoundSamples(String("vindle://data/") + String(c.name), &length,
                                          &channels, &format, &hertz);
    EXPECT_EQ(samples != nullptr, c.channels != 0) << c.name;
    if (samples) {
      EXPECT_EQ(channels, c.channels) << c.name;
      EXPECT_EQ(format, c.format) << c.name;
      EXPECT_EQ(hertz, c.hertz) << c.name;
      EXPECT_GT(length, 0) << c.name;
    }
    std::free(samples);
  }
  int length = 0, channels = 0, format = 0, hertz = 0;
  EXPECT_EQ(
      host.LoadSoundSamples("vindle://other/sfx/001.wav", &length, &channels, &format, &hertz),
      nullptr);
}

}  // namespace
