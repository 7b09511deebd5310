// Helpers for the data tests: running a command and collecting its output, temporary folders,
// reading files and decoding pictures.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_folder.h"

struct CommandResult {
  int status = -1;     // the exit status, -1 when the command did not exit normally
  std::string output;  // standard output and standard error together
};

CommandResult RunCommand(const std::string& command);
std::string Quoted(const std::filesystem::path& path);

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path);

// A decoded picture as 8-bit RGBA, empty when it cannot be decoded.
struct Rgba {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  const unsigned char* At(int x, int y) const { return &pixels[(y * width + x) * 4]; }
};
Rgba LoadRgba(const std::filesystem::path& path);

// Frame k of a grid of w × h frames as the grid loader finds it: rows wrap at the picture's
// width. The top-left pixel.
inline std::pair<int, int> FrameOrigin(const Rgba& picture, int w, int h, int k) {
  const int perRow = picture.width / w;
  return {(k % perRow) * w, (k / perRow) * h};
}

// The capital A of the pixel font, 5 pixels wide and 7 high ('#' set).
inline constexpr const char* kCapitalA[] = {".###.", "#...#", "#...#", "#####",
                                            "#...#", "#...#", "#...#"};
