// Checks a data folder against the files the game loads: every image at every detail level,
// the default font picture and every sound effect, each with its state and what is wrong.
#pragma once

#include <string>
#include <vector>

enum class FileState { kPresent, kMissing, kUndecodable };

struct FileReport {
  std::string kind;  // "image", "font" or "sound"
  std::string name;  // path relative to the data folder
  FileState state = FileState::kMissing;
  std::string size;     // "256x64" for pictures, "44100 Hz 16-bit mono 0.620 s" for sounds
  std::string verdict;  // how the game will use it, or what is wrong
  bool ok = false;
};

// The levels to check: any of 1, 2 and 4 (the image detail factors).
std::vector<FileReport> CheckDataFolder(const std::string& folder, const std::vector<int>& levels);

const char* StateName(FileState state);
