// The data folder the build generates: clean sounds of the intended lengths, a backdrop tile
// without seams, font cells in the loader's order, frames with clear borders, and the same bytes
// on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "asset_table.h"
#include "data_test_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = PARVOLT_DATA_DIR;

// A number that sox's stats prints on the line starting with `label`; NaN when absent.
double SoxStat(const std::string& stats, const std::string& label) {
  std::istringstream lines(stats);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind(label + " ", 0) == 0) return std::strtod(line.c_str() + label.size(), nullptr);
  }
  return std::nan("");
}

// The peak level of a file after sox's effects, in dBFS.
double PeakDb(const std::string& file, const std::string& effects) {
  return SoxStat(RunCommand("sox " + file + " -n " + effects + " stats").output, "Pk lev dB");
}

}  // namespace

TEST(GeneratedData, SoundsAreCleanAndOfTheirIntendedLength) {
  for (const assets::SoundAsset& sound : assets::kSounds) {
    SCOPED_TRACE(assets::SoundFileName(sound.id));
    const std::string file = Quoted(kData / assets::SoundFileName(sound.id));
    const std::string stats = RunCommand("sox " + file + " -n stats").output;
    EXPECT_LT(SoxStat(stats, "Pk lev dB"), -1.0) << stats;
    EXPECT_LT(std::fabs(SoxStat(stats, "DC offset")), 1e-4) << stats;
    EXPECT_NEAR(SoxStat(stats, "Length s"), sound.lengthMs / 1000.0, 0.001) << stats;
    // No click: the first and the last quarter millisecond are all but silent.
    EXPECT_LT(PeakDb(file, "trim 0 0.00025"), -30.0);
    EXPECT_LT(PeakDb(file, "reverse trim 0 0.00025"), -30.0);
  }
}

TEST(GeneratedData, BackdropTilesWithoutSeam) {
  for (int level : assets::kDetailLevels) {
    SCOPED_TRACE(level);
    const Rgba tile = LoadRgba(kData / assets::ImageFileName("bg", level));
    ASSERT_EQ(tile.width, 256 * level);
    ASSERT_EQ(tile.height, 256 * level);
    // Mean colour difference between two columns (or rows) of the tile.
    auto difference = [&](int a, int b, bool columns) {
      double sum = 0;
      const int n = columns ? tile.height : tile.width;
      for (int i = 0; i < n; ++i) {
        const unsigned char* p = columns ? tile.At(a, i) : tile.At(i, a);
        const unsigned char* q = columns ? tile.At(b, i) : tile.At(i, b);
        for (int c = 0; c < 3; ++c) sum += std::abs(p[c] - q[c]);
      }
      return sum / n;
    };
    for (bool columns : {true, false}) {
      const int size = columns ? tile.width : tile.height;
      double neighbours = 0;
      for (int i = 0; i + 1 < size; ++i) neighbours += difference(i, i + 1, columns);
      neighbours /= size - 1;
      // Across the wrap the last line must continue into the first as any two neighbours do.
      EXPECT_LE(difference(size - 1, 0, columns), 2.0 * neighbours + 1.0) << "columns " << columns;
    }
    // Dark enough for white text and bright sprites.
    double brightness = 0;
    for (std::size_t i = 0; i < tile.pixels.size(); i += 4) {
      brightness += (tile.pixels[i] + tile.pixels[i + 1] + tile.pixels[i + 2]) / 3.0;
    }
    EXPECT_LT(brightness / (tile.pixels.size() / 4), 40.0);
  }
}

TEST(GeneratedData, FontCellsHoldTheCharacterOfTheirCode) {
  // The capital A is placed 5 units right and 4 down in its cell.
  for (int level : assets::kDetailLevels) {
    SCOPED_TRACE(level);
    const Rgba font = LoadRgba(kData / assets::ImageFileName("fonts/editundo", level));
    const int cell = 16 * level;
    ASSERT_GE(font.width, cell);
    auto cellOrigin = [&](int k) { return FrameOrigin(font, cell, cell, k); };
    const auto [ax, ay] = cellOrigin('A' - assets::kFontFirstCode);
    for (int row = 0; row < 7; ++row) {
      for (int column = 0; column < 5; ++column) {
        const int x = ax + (5 * 2 + 2 * column + 1) * level / 2;
        const int y = ay + (4 * 2 + 2 * row + 1) * level / 2;
        const unsigned char* p = font.At(x, y);
        if (kCapitalA[row][column] == '#') {
          EXPECT_TRUE(p[3] > 200 && p[0] > 200 && p[1] > 200 && p[2] > 200)
              << "glyph pixel " << column << "," << row << " should be white";
        } else {
          EXPECT_TRUE(p[3] < 255 && (p[0] < 60 || p[3] < 60))
              << "glyph pixel " << column << "," << row << " should be clear";
        }
      }
    }
    const auto [sx, sy] = cellOrigin(' ' - assets::kFontFirstCode);
    for (int y = sy; y < sy + cell; ++y) {
      for (int x = sx; x < sx + cell; ++x) ASSERT_EQ(font.At(x, y)[3], 0) << "space at " << x;
    }
  }
}

TEST(GeneratedData, FramesKeepAClearBorder) {
  // A drawing that runs into its frame's edge shows a straight cut there, and the game's scaled
  // and turned drawing can pick a neighbour's edge pixels. Glows may just reach the edge.
  constexpr int kMostEdgeAlpha = 32;
  for (const assets::ImageAsset& image : assets::kImages) {
    // The backdrop is a tile: it runs on across its edges.
    if (std::string(image.stem) == "bg") continue;
    for (int level : assets::kDetailLevels) {
      const std::string file = assets::ImageFileName(image.stem, level);
      const Rgba sheet = LoadRgba(kData / file);
      const int w = image.frameWidth * level, h = image.frameHeight * level;
      ASSERT_GE(sheet.width, w) << file;
      for (int k = 0; k < image.frameCount; ++k) {
        const auto [x0, y0] = FrameOrigin(sheet, w, h, k);
        int most = 0;
        for (int i = 0; i < w; ++i) {
          most = std::max({most, +sheet.At(x0 + i, y0)[3], +sheet.At(x0 + i, y0 + h - 1)[3]});
        }
        for (int i = 0; i < h; ++i) {
          most = std::max({most, +sheet.At(x0, y0 + i)[3], +sheet.At(x0 + w - 1, y0 + i)[3]});
        }
        EXPECT_LE(most, kMostEdgeAlpha) << file << " frame " << k;
      }
    }
  }
}

TEST(GeneratedData, IsTheSameOnEveryRun) {
  TempFolder again;
  ASSERT_FALSE(again.Path().empty());
  const CommandResult run = RunCommand(std::string(PARVOLT_DATAGEN) + " " + Quoted(again.Path()));
  ASSERT_EQ(run.status, 0) << run.output;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kData)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), kData);
    EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(again.Path() / relative)) << relative;
    ++files;
  }
  int written = 0;
  for (const auto& entry : fs::recursive_directory_iterator(again.Path())) {
    written += entry.is_regular_file();
  }
  EXPECT_EQ(files, written);
}
