// The data generator: writes every picture (at every detail level) and every sound effect the
// game loads into the folder given on the command line. The output depends on nothing but this
// program, so the same build always writes the same bytes.
#include <cstdio>
#include <string>

#include "asset_table.h"
#include "font.h"
#include "sheets.h"
#include "sounds.h"
#include "wav_writer.h"

namespace {

bool WriteImages(const std::string& folder) {
  for (const assets::ImageAsset& image : assets::kImages) {
    const SheetPainter* painter = FindSheetPainter(image.stem);
    if (painter == nullptr) {
      std::fprintf(stderr, "no painter for %s\n", image.stem);
      return false;
    }
    for (int level : assets::kDetailLevels) {
      const std::string path = folder + "/" + assets::ImageFileName(image.stem, level);
      if (!PaintSheet(image, *painter, level).SavePng(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
      }
    }
  }
  const std::string fontPath = folder + "/" + assets::kDefaultFontFile;
  if (!PaintDefaultFont().SavePng(fontPath)) {
    std::fprintf(stderr, "cannot write %s\n", fontPath.c_str());
    return false;
  }
  return true;
}

bool WriteSounds(const std::string& folder) {
  for (const assets::SoundAsset& sound : assets::kSounds) {
    const std::string path = folder + "/" + assets::SoundFileName(sound.id);
    if (!WriteWavFile(path, SynthesiseSound(sound), assets::kSoundRate)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  if (!WriteImages(folder) || !WriteSounds(folder)) return 1;
  return 0;
}
