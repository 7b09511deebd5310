// The generated data loaded the way the game loads it, by the engine's own image loading on a
// real OpenGL context: every sheet at every detail level gives the frames the game cuts from it,
// the frames the game draws show something, and both fonts hold the capital A in cell 33.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "asset_table.h"
#include "data_test_support.h"
#include "graphics/graphics_test_support.h"
#include "graphics/image.h"

namespace fs = std::filesystem;

namespace {

// The game's loading rule: the stem with the level's suffix, frames the table's size times the
// level, handles centred. A sheet too small for its frames is reported here by name, as the
// engine's grab would end the process with a message that names no file.
Ref<c_Image> LoadAtLevel(const assets::ImageAsset& asset, int level) {
  const std::string file = assets::ImageFileName(asset.stem, level);
  const int w = asset.frameWidth * level, h = asset.frameHeight * level;
  const Ref<c_Image> sheet = LoadImageFile(file.c_str(), 1, 0);
  if (!sheet) {
    ADD_FAILURE() << file << " not loaded";
    return nullptr;
  }
  const int perRow = sheet->width / w;
  if (perRow == 0 || (asset.frameCount + perRow - 1) / perRow * h > sheet->height) {
    ADD_FAILURE() << file << " (" << sheet->width << " x " << sheet->height << ") cannot hold "
                  << asset.frameCount << " frames of " << w << " x " << h;
    return nullptr;
  }
  return LoadImageGrid(file.c_str(), w, h, asset.frameCount, CenterHandleFlag);
}

const assets::ImageAsset& Asset(const std::string& stem) {
  for (const assets::ImageAsset& asset : assets::kImages) {
    if (stem == asset.stem) return asset;
  }
  ADD_FAILURE() << "no image " << stem;
  return assets::kImages[0];
}

bool Lit(std::uint32_t pixel, int above) {
  for (int shift : {0, 8, 16}) {
    if (static_cast<int>(pixel >> shift & 0xFF) > above) return true;
  }
  return false;
}

class GeneratedSheets : public WindowTest {
 protected:
  // Room for the largest frame: 256 units at level 4.
  GeneratedSheets() { windowWidth = windowHeight = 1024; }

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WindowTest::SetUp());
    // The game's layout, a data/ folder in the working folder: here the generated one.
    fs::remove("data");
    fs::create_directory_symlink(PARVOLT_DATA_DIR, "data");
    // A grab outside the picture is a runtime error that then reads debugger commands: with
    // none to read the process ends (and the test fails) instead of waiting.
    ASSERT_TRUE(std::freopen("/dev/null", "r", stdin));
    StartFrame();
  }

  // Frame `frame` drawn at the window's top-left corner on black, read back frame-sized.
  std::vector<std::uint32_t> Drawn(c_Image* image, int frame) {
    ClearRender(0, 0, 0);
    RenderImage(image, image->handleX, image->handleY, frame);
    return Block(0, 0, image->width, image->height);
  }

  // Whether the drawn glyph has the capital A's pixels, each `pixel` screen pixels square with
  // the top-left one at (left, top) of the frame: white where set, dark elsewhere.
  void ExpectCapitalA(c_Image* font, int left, int top, int pixel) {
    const std::vector<std::uint32_t> drawn = Drawn(font, 'A' - 32);
    for (int row = 0; row < 7; ++row) {
      for (int column = 0; column < 5; ++column) {
        const int x = left + column * pixel + pixel / 2, y = top + row * pixel + pixel / 2;
        const std::uint32_t p = drawn[y * font->width + x];
        if (kCapitalA[row][column] == '#') {
          EXPECT_TRUE(PixelNear(p, 0xFFFFFFFF, 40))
              << "glyph pixel " << column << "," << row << " should be white";
        } else {
          EXPECT_FALSE(Lit(p, 60)) << "glyph pixel " << column << "," << row << " should be dark";
        }
      }
    }
  }
};

TEST_F(GeneratedSheets, EverySheetGivesTheFramesTheGameCutsAtEveryLevel) {
  for (const assets::ImageAsset& asset : assets::kImages) {
    for (int level : assets::kDetailLevels) {
      SCOPED_TRACE(assets::ImageFileName(asset.stem, level));
      const Ref<c_Image> image = LoadAtLevel(asset, level);
      if (!image) continue;
      EXPECT_EQ(image->frames.size(), static_cast<std::size_t>(asset.frameCount));
      EXPECT_EQ(image->width, asset.frameWidth * level);
      EXPECT_EQ(image->height, asset.frameHeight * level);
      EXPECT_EQ(image->handleX, image->width / 2.0f);
      EXPECT_EQ(image->handleY, image->height / 2.0f);
    }
  }
  // The enemies: four colour rows of 16 frames, eight looks and then their second frames.
  for (int level : assets::kDetailLevels) {
    const Ref<c_Image> enemies = LoadAtLevel(Asset("baddies"), level);
    ASSERT_TRUE(enemies);
    for (int k = 0; k < 64; ++k) {
      EXPECT_EQ(enemies->frames[k]->x, k % 16 * 16 * level) << "level " << level << " frame " << k;
      EXPECT_EQ(enemies->frames[k]->y, k / 16 * 16 * level) << "level " << level << " frame " << k;
    }
  }
}

TEST_F(GeneratedSheets, FramesTheGameDrawsShowSomething) {
  struct Drawing {
    const char* stem;
    std::vector<int> frames;
  };
  std::vector<int> enemies, glyphs;
  for (int k = 0; k < 64; ++k) enemies.push_back(k);
  // The visible characters, codes 33 to 126.
  for (int k = 1; k <= 126 - 32; ++k) glyphs.push_back(k);
  const Drawing drawings[] = {
      {"baddies", enemies},
      {"bang", {0}},
      {"heart", {0}},
      {"ship", {0}},
      {"fonts/editundo", glyphs},
      {"common/Testcard_Circle", {0}},
      {"common/TOVKLogo", {0}},
      {"common/icons", {0, 1, 3, 4, 5, 6}},
      {"common/Buttons", {1, 12}},
      {"logo", {0}},
      {"bg", {0}},
  };
  for (int level : assets::kDetailLevels) {
    for (const Drawing& drawing : drawings) {
      const Ref<c_Image> image = LoadAtLevel(Asset(drawing.stem), level);
      if (!image) continue;
      for (int frame : drawing.frames) {
        const std::vector<std::uint32_t> drawn = Drawn(image.Get(), frame);
        EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [](auto p) { return Lit(p, 96); }))
            << drawing.stem << " frame " << frame << " at level " << level << " is blank";
      }
    }
    // Every enemy look moves: its second frame differs from its first.
    const Ref<c_Image> baddies = LoadAtLevel(Asset("baddies"), level);
    ASSERT_TRUE(baddies);
    for (int row = 0; row < 4; ++row) {
      for (int look = 0; look < 8; ++look) {
        const int k = row * 16 + look;
        EXPECT_NE(Drawn(baddies.Get(), k), Drawn(baddies.Get(), k + 8))
            << "frames " << k << " and " << k + 8 << " at level " << level;
      }
    }
  }
}

TEST_F(GeneratedSheets, BothFontsHoldTheCapitalAInCellThirtyThree) {
  // The bitmap font: 128 square cells of 16 units; its glyphs stand 5 units right and 4 down.
  for (int level : assets::kDetailLevels) {
    SCOPED_TRACE(level);
    const Ref<c_Image> font = LoadAtLevel(Asset("fonts/editundo"), level);
    ASSERT_TRUE(font);
    ExpectCapitalA(font.Get(), 5 * level, 4 * level, level);
  }
  // The default font as the application loads it at start: 96 cells whose border columns are
  // trimmed, one pixel per glyph pixel.
  UseDefaultFont();
  c_Image* font = g_graphicsContext->font.Get();
  ASSERT_TRUE(font) << assets::kDefaultFontFile << " not loaded";
  EXPECT_EQ(font->frames.size(), 96u);
  EXPECT_EQ(font->width, assets::kDefaultFontCellWidth - 2);
  EXPECT_EQ(font->height, assets::kDefaultFontHeight);
  ExpectCapitalA(font, 0, 0, 1);
}

}  // namespace
