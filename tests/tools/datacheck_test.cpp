// The data checker run as a player would run it: on the generated folder, and on a copy of it
// with broken files, where it must name each one with what is wrong.
#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <fstream>
#include <sstream>

#include "asset_table.h"
#include "data_test_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = PARVOLT_DATA_DIR;

CommandResult RunChecker(const std::string& arguments) {
  return RunCommand(std::string(PARVOLT_DATACHECK) + " " + arguments);
}

// The report line of one file: its second column is the file name.
std::string LineFor(const std::string& output, const std::string& name) {
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string kind;
    std::string file;
    words >> kind >> file;
    if (file == name) return line;
  }
  return "";
}

void Truncate(const fs::path& path, std::uintmax_t size) {
  fs::resize_file(path, size);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A canonical WAV header and data for 24-bit mono samples: readable, but not playable.
std::string TwentyFourBitWav() {
  auto le = [](std::uint32_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  const std::string data(300, '\0');
  return "RIFF" + le(36 + data.size(), 4) + "WAVE" + "fmt " + le(16, 4) + le(1, 2) + le(1, 2) +
         le(44100, 4) + le(44100 * 3, 4) + le(3, 2) + le(24, 2) + "data" + le(data.size(), 4) +
         data;
}

}  // namespace

TEST(DataCheck, PassesOnTheGeneratedFolderAtEveryLevel) {
  for (int level : assets::kDetailLevels) {
    SCOPED_TRACE(level);
    const CommandResult run = RunChecker("--level " + std::to_string(level) + " " + Quoted(kData));
    EXPECT_EQ(run.status, 0) << run.output;
    for (const assets::ImageAsset& image : assets::kImages) {
      const std::string line = LineFor(run.output, assets::ImageFileName(image.stem, level));
      EXPECT_NE(line.find(" present "), std::string::npos) << line;
      EXPECT_NE(line.find(": fits"), std::string::npos) << line;
    }
    for (const assets::SoundAsset& sound : assets::kSounds) {
      EXPECT_NE(LineFor(run.output, assets::SoundFileName(sound.id)).find("plays"),
                std::string::npos);
    }
  }
  const CommandResult all = RunChecker(Quoted(kData));
  EXPECT_EQ(all.status, 0) << all.output;
  EXPECT_NE(all.output.find(" 0 problems"), std::string::npos) << all.output;
}

TEST(DataCheck, NamesEachBrokenFile) {
  TempFolder folder;
  ASSERT_FALSE(folder.Path().empty());
  fs::copy(kData, folder.Path(), fs::copy_options::recursive);
  const fs::path& dir = folder.Path();

  unsigned char pixels[770 * 10 * 4] = {};
  struct Case {
    std::string file;
    std::string state;
    std::string verdict;  // part of the line after the state
  };
  const Case cases[] = {
      {"ship-hd.png", "missing", ""},
      {"logo-hd.png", "undecodable", ""},
      {"baddies.png", "present", "frame 1 lies outside the picture"},
      {"bg-hd.png", "present", "they fill only 512x512 of the picture"},
      {"vorla_font.png", "present", "not a multiple of 96 cells"},
      {"sfx/003.wav", "undecodable", ""},
      {"sfx/007.wav", "present", "no playable sample layout"},
      {"sfx/098.wav", "missing", ""},
  };
  fs::remove(dir / "ship-hd.png");
  Truncate(dir / "logo-hd.png", fs::file_size(dir / "logo-hd.png") / 2);
  fs::copy_file(dir / "ship.png", dir / "baddies.png", fs::copy_options::overwrite_existing);
  fs::copy_file(dir / "bg-hd2.png", dir / "bg-hd.png", fs::copy_options::overwrite_existing);
  ASSERT_TRUE(stbi_write_png((dir / "vorla_font.png").c_str(), 770, 10, 4, pixels, 770 * 4));
  Truncate(dir / "sfx/003.wav", 100);
  WriteFile(dir / "sfx/007.wav", TwentyFourBitWav());
  fs::remove(dir / "sfx/098.wav");

  const CommandResult run = RunChecker(Quoted(dir));
  EXPECT_EQ(run.status, 1) << run.output;
  for (const Case& c : cases) {
    const std::string line = LineFor(run.output, c.file);
    EXPECT_NE(line.find(" " + c.state + " "), std::string::npos) << c.file << ": " << line;
    EXPECT_NE(line.find(c.verdict), std::string::npos) << c.file << ": " << line;
  }
  EXPECT_NE(run.output.find(" " + std::to_string(std::size(cases)) + " problems"),
            std::string::npos)
      << run.output;
}
