// Writes test pictures with the PNG encoder and test sounds as canonical WAV files.
#include "support/data_files.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include <stb_image_write.h>

namespace {

std::string DataPath(const std::string& name) {
  const std::filesystem::path path = std::filesystem::path("data") / name;
  std::filesystem::create_directories(path.parent_path());
  return path.string();
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

void WritePicture(const std::string& name, int width, int height, unsigned colour) {
  std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
  for (size_t i = 0; i < pixels.size(); i += 4) {
    pixels[i] = (colour >> 16) & 0xFF;
    pixels[i + 1] = (colour >> 8) & 0xFF;
    pixels[i + 2] = colour & 0xFF;
    pixels[i + 3] = 0xFF;
  }
  if (!stbi_write_png(DataPath(name).c_str(), width, height, 4, pixels.data(), width * 4)) {
    throw std::runtime_error("cannot write " + name);
  }
}

void WriteSound(const std::string& name, double seconds) {
  constexpr std::uint32_t kHertz = 22050;
  const auto dataBytes = static_cast<std::uint32_t>(seconds * kHertz) * 2;
  std::string bytes = "RIFF";
  PutLittleEndian(bytes, 36 + dataBytes, 4);
  bytes += "WAVEfmt ";
  PutLittleEndian(bytes, 16, 4);
  PutLittleEndian(bytes, 1, 2);  // PCM
  PutLittleEndian(bytes, 1, 2);  // mono
  PutLittleEndian(bytes, kHertz, 4);
  PutLittleEndian(bytes, kHertz * 2, 4);
  PutLittleEndian(bytes, 2, 2);
  PutLittleEndian(bytes, 16, 2);
  bytes += "data";
  PutLittleEndian(bytes, dataBytes, 4);
  bytes.append(dataBytes, '\0');
  std::ofstream(DataPath(name), std::ios::binary) << bytes;
}
