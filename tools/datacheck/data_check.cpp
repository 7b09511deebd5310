// The checks mirror the game's loading: pictures are decoded as the renderer decodes them and
// cut into frames as the image grid loader does (rows wrap at the picture's width, every frame
// must lie inside); sounds are read with the game's own WAV reader and must have a sample layout
// that the audio engine can play.
#include "data_check.h"

#include <stb_image.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "asset_table.h"
#include "audio/sound_formats.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File Open(const std::string& path) {
  return File(std::fopen(path.c_str(), "rb"));
}

struct Picture {
  FileState state = FileState::kMissing;
  int width = 0;
  int height = 0;
};

Picture DecodePicture(const std::string& path) {
  File file = Open(path);
  if (!file) return {};
  int width = 0;
  int height = 0;
  int channels = 0;
  unsigned char* pixels = stbi_load_from_file(file.get(), &width, &height, &channels, 0);
  if (pixels == nullptr) return {FileState::kUndecodable};
  stbi_image_free(pixels);
  return {FileState::kPresent, width, height};
}

std::string Dimensions(int width, int height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

// The frame grid as the grid loader walks it. Fails when a frame leaves the picture, and also
// when the frames leave whole rows or columns unused: such a picture was made for another
// detail level or frame size, and the game would show only a corner of it.
std::string JudgeGrid(const assets::ImageAsset& image, int level, const Picture& picture,
                      bool& ok) {
  const int w = image.frameWidth * level;
  const int h = image.frameHeight * level;
  const std::string grid = std::to_string(image.frameCount) +
                           (image.frameCount == 1 ? " frame of " : " frames of ") +
                           Dimensions(w, h);
  int x = 0;
  int y = 0;
  for (int i = 0; i < image.frameCount; ++i) {
    if (x + w > picture.width) {
      x = 0;
      y += h;
    }
    if (x + w > picture.width || y + h > picture.height) {
      ok = false;
      return grid + ": frame " + std::to_string(i) + " lies outside the picture";
    }
    x += w;
  }
  const int perRow = picture.width / w;
  const int usedColumns = std::min(perRow, image.frameCount);
  const int usedRows = (image.frameCount + perRow - 1) / perRow;
  if (picture.width >= (usedColumns + 1) * w || picture.height >= (usedRows + 1) * h) {
    ok = false;
    return grid + ": they fill only " + Dimensions(usedColumns * w, usedRows * h) +
           " of the picture";
  }
  ok = true;
  if (image.frameCount == 1) return grid + ": fits";
  return grid + ": fits, " + std::to_string(perRow) + " per row";
}

FileReport CheckImage(const std::string& folder, const assets::ImageAsset& image, int level) {
  FileReport report;
  report.kind = image.id == assets::kFontImageId ? "font" : "image";
  report.name = assets::ImageFileName(image.stem, level);
  const Picture picture = DecodePicture(folder + "/" + report.name);
  report.state = picture.state;
  if (picture.state != FileState::kPresent) return report;
  report.size = Dimensions(picture.width, picture.height);
  report.verdict = JudgeGrid(image, level, picture, report.ok);
  return report;
}

// The default font is one row of equal cells, each with a one-pixel border at both sides.
FileReport CheckDefaultFont(const std::string& folder) {
  FileReport report;
  report.kind = "font";
  report.name = assets::kDefaultFontFile;
  const Picture picture = DecodePicture(folder + "/" + report.name);
  report.state = picture.state;
  if (picture.state != FileState::kPresent) return report;
  report.size = Dimensions(picture.width, picture.height);
  const int cells = assets::kDefaultFontCells;
  const int cell = picture.width / cells;
  const std::string grid = std::to_string(cells) + " cells";
  if (picture.width % cells != 0 || cell < 3) {
    report.verdict = grid + ": the width is not a multiple of " + std::to_string(cells) +
                     " cells of at least 3 pixels";
    return report;
  }
  report.ok = true;
  report.verdict = grid + " of " + std::to_string(cell) + " pixels: fits";
  return report;
}

FileReport CheckSound(const std::string& folder, const assets::SoundAsset& sound) {
  FileReport report;
  report.kind = "sound";
  report.name = assets::SoundFileName(sound.id);
  File file = Open(folder + "/" + report.name);
  if (!file) return report;
  const DecodedSound decoded = ReadWavFile(file.get());
  if (decoded.samples == nullptr) {
    report.state = FileState::kUndecodable;
    return report;
  }
  std::free(decoded.samples);
  report.state = FileState::kPresent;
  char size[96];
  const double seconds =
      decoded.hertz > 0 ? static_cast<double>(decoded.length) / decoded.hertz : 0;
  std::snprintf(size, sizeof size, "%d Hz %d-bit %d ch %.3f s", decoded.hertz, decoded.format * 8,
                decoded.channels, seconds);
  report.size = size;
  // The audio engine has a buffer format for 8 or 16 bits, mono or stereo, and nothing else.
  const bool layout = (decoded.format == 1 || decoded.format == 2) &&
                      (decoded.channels == 1 || decoded.channels == 2);
  if (!layout) {
    report.verdict = "no playable sample layout";
  } else if (decoded.hertz <= 0 || decoded.length <= 0) {
    report.verdict = "no samples to play";
  } else {
    report.ok = true;
    report.verdict = "plays";
  }
  return report;
}

}  // namespace

const char* StateName(FileState state) {
  switch (state) {
    case FileState::kPresent:
      return "present";
    case FileState::kMissing:
      return "missing";
    case FileState::kUndecodable:
      return "undecodable";
  }
  return "?";
}

std::vector<FileReport> CheckDataFolder(const std::string& folder, const std::vector<int>& levels) {
  std::vector<FileReport> reports;
  for (int level : levels) {
    for (const assets::ImageAsset& image : assets::kImages) {
      reports.push_back(CheckImage(folder, image, level));
    }
  }
  reports.push_back(CheckDefaultFont(folder));
  for (const assets::SoundAsset& sound : assets::kSounds) {
    reports.push_back(CheckSound(folder, sound));
  }
  return reports;
}
