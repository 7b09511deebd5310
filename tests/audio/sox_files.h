// Sound files made and decoded by the sox and oggenc programs, as references for the readers,
// and the small byte edits that turn a sox WAV file into the other layouts under test.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "audio/sound_formats.h"
#include "host/file_test_support.h"

// Runs a shell command quietly; false when it fails.
inline bool RunTool(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The file's samples as sox decodes them, in the file's own encoding (no dither).
inline std::string SoxRawSamples(const std::filesystem::path& file, const std::string& format) {
  const std::filesystem::path raw = file.string() + ".raw";
  EXPECT_TRUE(RunTool("sox -D '" + file.string() + "' " + format + " '" + raw.string() + "'"))
      << "sox could not decode " << file;
  return ReadFileBytes(raw);
}

inline DecodedSound DecodeWith(DecodedSound (*reader)(std::FILE*),
                               const std::filesystem::path& file) {
  std::FILE* open = std::fopen(file.c_str(), "rb");
  if (!open) {
    ADD_FAILURE() << "cannot open " << file;
    return {};
  }
  DecodedSound sound = reader(open);
  std::fclose(open);
  return sound;
}

inline std::string Le32(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
  return bytes;
}

inline std::string Chunk(const std::string& id, const std::string& content) {
  return id + Le32(static_cast<std::uint32_t>(content.size())) + content;
}

// Puts `bytes` at `offset` and keeps the RIFF size right.
inline std::string InsertBytes(std::string wav, size_t offset, const std::string& bytes) {
  wav.insert(offset, bytes);
  return wav.replace(4, 4, Le32(static_cast<std::uint32_t>(wav.size() - 8)));
}

// Byte offsets in a WAV file with the 16-byte format chunk first and "data" right after it.
constexpr size_t kFormatChunkOffset = 12;
constexpr size_t kChannelsOffset = 22;
constexpr size_t kBitsOffset = 34;
constexpr size_t kDataChunkOffset = 36;
