// The WAV reader against files written by sox: the samples must be exactly those sox decodes
// from the same file, and every layout the reader refuses, or that ends early, gives null.
#include <cstdlib>
#include <functional>
#include <string>

#include "audio/sox_files.h"

namespace {

using namespace std::string_literals;

const std::string kListChunk = Chunk("LIST", "INFOICMT"s + Le32(4) + "test");

// The format chunk grown to 18 bytes by a zero extension size.
std::string WithLongFormatChunk(std::string wav) {
  wav.replace(16, 4, Le32(18));
  return InsertBytes(wav, kDataChunkOffset, "\0\0"s);
}

TEST(WavReader, DecodesExactlyTheSamplesSoxDecodes) {
  TempFolder folder;
  struct Case {
    const char* name;
    const char* soxOutput;
    const char* synth;
    std::function<std::string(std::string)> edit;
    int channels, format, hertz;
  };
  const auto unchanged = [](std::string wav) { return wav; };
  const Case cases[] = {
      {"8-bit mono", "-r 8000 -b 8 -e unsigned-integer -c 1", "whitenoise", unchanged, 1, 1, 8000},
      {"8-bit stereo", "-r 11025 -b 8 -e unsigned-integer -c 2", "sine 440 whitenoise", unchanged,
       2, 1, 11025},
      {"16-bit mono", "-r 16000 -b 16 -c 1", "whitenoise", unchanged, 1, 2, 16000},
      {"16-bit stereo", "-r 44100 -b 16 -c 2", "sine 440 whitenoise", unchanged, 2, 2, 44100},
      {"extra chunk before the data", "-r 22050 -b 16 -c 2", "sine 300 sine 500",
       [](std::string wav) { return InsertBytes(wav, kDataChunkOffset, kListChunk); }, 2, 2, 22050},
      {"18-byte format chunk", "-r 22050 -b 8 -e unsigned-integer -c 1", "whitenoise",
       WithLongFormatChunk, 1, 1, 22050},
      {"24-bit as plain PCM", "-t wavpcm -r 8000 -b 24 -c 1", "whitenoise", unchanged, 1, 3, 8000},
  };
  for (const Case& c : cases) {
    const std::filesystem::path file = folder.path / "sound.wav";
    ASSERT_TRUE(RunTool("sox -n "s + c.soxOutput + " '" + file.string() + "' synth 0.2 " + c.synth))
        << c.name;
    WriteFileBytes(file, c.edit(ReadFileBytes(file)));
    const std::string expected = SoxRawSamples(file, "-t raw");

    const DecodedSound sound = DecodeWith(ReadWavFile, file);
    ASSERT_NE(sound.samples, nullptr) << c.name;
    EXPECT_EQ(sound.channels, c.channels) << c.name;
    EXPECT_EQ(sound.format, c.format) << c.name;
    EXPECT_EQ(sound.hertz, c.hertz) << c.name;
    EXPECT_EQ(static_cast<size_t>(sound.length), expected.size() / (c.channels * c.format))
        << c.name;
    EXPECT_EQ(std::string(static_cast<char*>(sound.samples), expected.size()), expected) << c.name;
    std::free(sound.samples);
  }
}

TEST(WavReader, RefusesOtherLayoutsAndFilesThatEndEarly) {
  TempFolder folder;
  const std::filesystem::path made = folder.path / "made.wav";
  ASSERT_TRUE(RunTool("sox -n -r 8000 -b 16 -c 2 '" + made.string() + "' synth 0.1 sine 440"));
  const std::string wav = ReadFileBytes(made);
  ASSERT_EQ(wav.substr(kDataChunkOffset, 4), "data");
  const auto withSoxOutput = [&](const std::string& soxOutput) {
    EXPECT_TRUE(RunTool("sox -n " + soxOutput + " '" + made.string() + "' synth 0.1 sine 440"));
    return ReadFileBytes(made);
  };
  const auto replaced = [&](size_t offset, const std::string& bytes) {
    return std::string(wav).replace(offset, bytes.size(), bytes);
  };
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"chunk before the format chunk", InsertBytes(wav, kFormatChunkOffset, kListChunk)},
      {"floating-point samples (tag 3)", withSoxOutput("-r 8000 -e floating-point -b 32 -c 1")},
      {"extensible format (tag 0xFFFE)", withSoxOutput("-r 8000 -b 24 -c 1")},
      {"no data chunk", replaced(kDataChunkOffset, "dat4")},
      {"nothing after the format chunk", wav.substr(0, kDataChunkOffset)},
      {"chunk header cut off", wav.substr(0, kDataChunkOffset + 6)},
      {"chunk larger than the rest of the file",
       InsertBytes(wav, kDataChunkOffset, "LIST"s + Le32(0xFFFFFFFF))},
      {"data size 0xFFFFFFFF", replaced(kDataChunkOffset + 4, Le32(0xFFFFFFFF))},
      {"data one byte short", wav.substr(0, wav.size() - 1)},
      {"no channels", replaced(kChannelsOffset, "\0\0"s)},
      {"four-bit samples", replaced(kBitsOffset, "\4\0"s)},
      {"format chunk cut off", wav.substr(0, 30)},
      {"not RIFF", replaced(0, "RIFX")},
      {"not WAVE", replaced(8, "AVI ")},
      {"empty file", ""},
  };
  for (const Case& c : cases) {
    const std::filesystem::path file = folder.path / "case.wav";
    WriteFileBytes(file, c.bytes);
    const DecodedSound sound = DecodeWith(ReadWavFile, file);
    EXPECT_EQ(sound.samples, nullptr) << c.name;
    std::free(sound.samples);
  }
}

}  // namespace
