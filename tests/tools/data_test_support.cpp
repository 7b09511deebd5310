// Test helpers: popen for commands, mkdtemp for folders, stb_image for pictures.
#include "data_test_support.h"

#include <stb_image.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
    result.output.append(buffer, count);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  return result;
}

std::string Quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Rgba LoadRgba(const std::filesystem::path& path) {
  Rgba picture;
  int channels = 0;
  unsigned char* pixels =
      stbi_load(path.string().c_str(), &picture.width, &picture.height, &channels, 4);
  if (pixels == nullptr) return {};
  picture.pixels.assign(pixels,
                        pixels + static_cast<std::size_t>(picture.width) * picture.height * 4);
  stbi_image_free(pixels);
  return picture;
}
