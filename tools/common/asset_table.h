// The game's data files: every image stem with its frame size and count, the bitmap fonts and the
// sound effects. The generator writes exactly these files and the checker verifies them.
#pragma once

#include <array>
#include <string>

namespace assets {

// An image loaded as a grid of equal frames; frame sizes are in game units (pixels at level 1).
struct ImageAsset {
  int id;
  const char* stem;
  int frameWidth;
  int frameHeight;
  int frameCount;
};

inline constexpr std::array kImages = {
    ImageAsset{1, "baddies", 16, 16, 64},
    ImageAsset{2, "bang", 16, 16, 1},
    ImageAsset{3, "heart", 32, 32, 1},
    ImageAsset{4, "ship", 16, 16, 1},
    ImageAsset{80, "BadgesA", 64, 64, 64},
    ImageAsset{90, "fonts/editundo", 16, 16, 128},
    ImageAsset{91, "common/Testcard_Circle", 256, 256, 1},
    ImageAsset{92, "common/icade", 64, 64, 2},
    ImageAsset{93, "common/TOVKLogo", 256, 256, 1},
    ImageAsset{94, "common/dpad", 32, 32, 16},
    ImageAsset{95, "common/Buttons", 64, 64, 16},
    ImageAsset{96, "parts", 8, 8, 16},
    ImageAsset{97, "common/icons", 32, 32, 16},
    ImageAsset{98, "logo", 256, 128, 1},
    ImageAsset{99, "bg", 256, 256, 1},
};

// The bitmap font: cell k holds the glyph of character code k + 32; text advances by
// kFontAdvance and lines by kFontLineHeight game units.
inline constexpr int kFontImageId = 90;
inline constexpr int kFontFirstCode = 32;
inline constexpr int kFontAdvance = 7;
inline constexpr int kFontLineHeight = 10;

// Image detail factors: files without suffix, "-hd" at twice and "-hd2" at four times the size.
inline constexpr std::array kDetailLevels = {1, 2, 4};

// The default font picture: one row of cells for codes 32 to 127, each with a one-pixel
// transparent border left and right. It has a single detail level.
inline constexpr const char* kDefaultFontFile = "vorla_font.png";
inline constexpr int kDefaultFontCells = 96;
inline constexpr int kDefaultFontCellWidth = 8;
inline constexpr int kDefaultFontHeight = 10;

// A sound effect and the length its synthesis is meant to have.
struct SoundAsset {
  int id;
  const char* use;
  int lengthMs;
};

inline constexpr std::array kSounds = {
    SoundAsset{1, "jingle", 620},
    SoundAsset{2, "enemy caught by the trail", 420},
    SoundAsset{3, "enemy escaped at the bottom", 300},
    SoundAsset{4, "hovering enemy hit", 160},
    SoundAsset{5, "hovering enemy hit", 190},
    SoundAsset{6, "ship hit", 460},
    SoundAsset{7, "low energy warning", 400},
    SoundAsset{95, "jingle", 700},
    SoundAsset{98, "menu click", 40},
    SoundAsset{99, "credits open and close", 560},
};
inline constexpr int kSoundRate = 44100;

// "stem.png", "stem-hd.png" or "stem-hd2.png" for the levels 1, 2 and 4.
inline std::string ImageFileName(const char* stem, int level) {
  std::string name = stem;
  if (level == 2) name += "-hd";
  if (level == 4) name += "-hd2";
  return name + ".png";
}

// "sfx/" plus the id as three digits plus ".wav".
inline std::string SoundFileName(int id) {
  std::string digits = std::to_string(id);
  while (digits.size() < 3) digits.insert(digits.begin(), '0');
  return "sfx/" + digits + ".wav";
}

}  // namespace assets
