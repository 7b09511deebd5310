// RIFF WAVE writer: "RIFF" size "WAVE", a 16-byte "fmt " chunk (PCM, one channel, 16 bits) and
// one "data" chunk, every number little-endian.
#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace {

void Put16(std::vector<unsigned char>& out, std::uint16_t value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>(value >> 8));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
  }
}

void PutTag(std::vector<unsigned char>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}

}  // namespace

bool WriteWavFile(const std::string& path, const std::vector<float>& samples, int rate) {
  constexpr std::uint16_t kChannels = 1;
  constexpr std::uint16_t kBits = 16;
  constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

  std::vector<unsigned char> bytes;
  bytes.reserve(44 + dataBytes);
  PutTag(bytes, "RIFF");
  Put32(bytes, 36 + dataBytes);
  PutTag(bytes, "WAVE");
  PutTag(bytes, "fmt ");
  Put32(bytes, 16);
  Put16(bytes, 1);  // PCM
  Put16(bytes, kChannels);
  Put32(bytes, static_cast<std::uint32_t>(rate));
  Put32(bytes, static_cast<std::uint32_t>(rate) * kBlockAlign);
  Put16(bytes, kBlockAlign);
  Put16(bytes, kBits);
  PutTag(bytes, "data");
  Put32(bytes, dataBytes);
  for (float sample : samples) {
    const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
    Put16(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
  }

  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}
