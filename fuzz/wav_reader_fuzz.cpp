// Fuzz target: the WAV reader on arbitrary bytes. A decoded buffer must fit inside the input;
// libFuzzer's malloc limit catches any allocation sized by a header instead of by the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "audio/sound_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (!file) return 0;
  const DecodedSound sound = ReadWavFile(file);
  std::fclose(file);
  if (sound.samples) {
    const auto bytes = static_cast<std::uint64_t>(sound.length) *
                       static_cast<std::uint64_t>(sound.channels) *
                       static_cast<std::uint64_t>(sound.format);
    if (sound.length < 0 || sound.channels <= 0 || sound.format <= 0 || bytes > size) std::abort();
  }
  std::free(sound.samples);
  return 0;
}
