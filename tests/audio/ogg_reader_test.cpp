// The Ogg Vorbis reader against files encoded by sox and oggenc, compared with sox's own
// decoding of the same files.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "audio/sox_files.h"

namespace {

// Two independent decoders: stb_vorbis and the reference decoder behind sox compute in float
// with their own operation order and their own float-to-16-bit rounding, so a sample may come
// out a step or so apart (at most 1 was seen here). A wrong decode is thousands apart.
constexpr int kSampleTolerance = 2;

int LargestDifference(const short* decoded, const std::string& reference, size_t count) {
  int largest = 0;
  for (size_t i = 0; i < count; ++i) {
    const auto low = static_cast<unsigned char>(reference[2 * i]);
    const auto high = static_cast<unsigned char>(reference[2 * i + 1]);
    const auto expected = static_cast<short>(low | (high << 8));
    largest = std::max(largest, std::abs(decoded[i] - expected));
  }
  return largest;
}

class OggReader : public ::testing::Test {
 protected:
  TempFolder folder;
  const std::filesystem::path ogg = folder.path / "sound.ogg";
  const std::filesystem::path wav = folder.path / "source.wav";
};

TEST_F(OggReader, DecodesLikeSoxWithTheStreamsChannelsAndRate) {
  struct Case {
    const char* name;
    bool byOggenc;  // else sox encodes
    const char* soxOptions;
    const char* synth;
    int channels, hertz;
  };
  const Case cases[] = {
      {"sox, mono", false, "-r 22050 -c 1", "sine 300", 1, 22050},
      {"sox, stereo", false, "-r 44100 -c 2", "sine 440 sine 660", 2, 44100},
      {"oggenc, mono", true, "-r 44100 -c 1", "sine 500 vol 0.8", 1, 44100},
      {"oggenc, stereo", true, "-r 48000 -c 2", "sine 250 pinknoise vol 0.5", 2, 48000},
  };
  for (const Case& c : cases) {
    const std::filesystem::path& soxOutput = c.byOggenc ? wav : ogg;
    std::string encode = std::string("sox -n -b 16 ") + c.soxOptions + " '" + soxOutput.string() +
                         "' synth 0.4 " + c.synth;
    if (c.byOggenc) encode += " && oggenc -Q -o '" + ogg.string() + "' '" + wav.string() + "'";
    ASSERT_TRUE(RunTool(encode)) << c.name;
    const std::string reference = SoxRawSamples(ogg, "-t raw -e signed -b 16 -L");
    const DecodedSound sound = DecodeWith(ReadOggFile, ogg);
    ASSERT_NE(sound.samples, nullptr) << c.name;
    EXPECT_EQ(sound.channels, c.channels) << c.name;
    EXPECT_EQ(sound.format, 2) << c.name;
    EXPECT_EQ(sound.hertz, c.hertz) << c.name;
    const size_t samples = static_cast<size_t>(sound.length) * static_cast<size_t>(c.channels);
    ASSERT_EQ(samples * 2, reference.size()) << c.name;
    EXPECT_LE(LargestDifference(static_cast<short*>(sound.samples), reference, samples),
              kSampleTolerance)
        << c.name;
    std::free(sound.samples);
  }
}

TEST_F(OggReader, AStreamThatBreaksOffKeepsTheFramesBeforeTheBreak) {
  ASSERT_TRUE(RunTool("sox -n -r 44100 -c 2 '" + ogg.string() + "' synth 2 sine 440 sine 660"));
  const std::string reference = SoxRawSamples(ogg, "-t raw -e signed -b 16 -L");
  const std::string whole = ReadFileBytes(ogg);
  WriteFileBytes(ogg, whole.substr(0, whole.size() * 3 / 4));

  const DecodedSound sound = DecodeWith(ReadOggFile, ogg);
  ASSERT_NE(sound.samples, nullptr);
  const size_t frames = static_cast<size_t>(sound.length);
  const size_t wholeFrames = reference.size() / 4;
  EXPECT_GT(frames, wholeFrames / 4);
  ASSERT_LT(frames, wholeFrames);
  // The packet cut by the break decodes to whatever it holds; everything before it is intact.
  const size_t intactFrames = frames > 4096 ? frames - 4096 : 0;
  EXPECT_LE(LargestDifference(static_cast<short*>(sound.samples), reference, intactFrames * 2),
            kSampleTolerance);
  std::free(sound.samples);
}

TEST_F(OggReader, RefusesWhatIsNoVorbisStream) {
  ASSERT_TRUE(RunTool("sox -n -r 8000 -b 16 -c 1 '" + wav.string() + "' synth 0.1 sine 440"));
  const std::string wavBytes = ReadFileBytes(wav);
  for (const std::string& bytes : {wavBytes, std::string(), std::string("OggS")}) {
    WriteFileBytes(ogg, bytes);
    const DecodedSound sound = DecodeWith(ReadOggFile, ogg);
    EXPECT_EQ(sound.samples, nullptr) << bytes.size() << " bytes";
    std::free(sound.samples);
  }
}

}  // namespace
