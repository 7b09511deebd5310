// Helpers for the data tests: running a command and collecting its output, temporary folders,
// reading files and decoding pictures.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct CommandResult {
  int status = -1;     // the exit status, -1 when the command did not exit normally
  std::string output;  // standard output and standard error together
};

CommandResult RunCommand(const std::string& command);
std::string Quoted(const std::filesystem::path& path);

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path);

// A decoded picture as 8-bit RGBA, empty when it cannot be decoded.
struct Rgba {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  const unsigned char* At(int x, int y) const { return &pixels[(y * width + x) * 4]; }
};
Rgba LoadRgba(const std::filesystem::path& path);
