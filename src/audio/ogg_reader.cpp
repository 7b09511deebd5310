// Ogg Vorbis reader over stb_vorbis: the whole stream decoded frame by frame into one growing
// buffer of interleaved signed 16-bit samples.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "audio/sound_formats.h"

#include <stb_vorbis.h>

namespace {

// Free room, in sample frames, kept ahead of every decoded frame: more than the longest
// frame a Vorbis stream can return.
constexpr std::size_t kFrameRoom = 4096;

}  // namespace

DecodedSound ReadOggFile(std::FILE* file) {
  int error = 0;
  // The stream starts at the file's current position; the file stays open after the close.
  stb_vorbis* stream = stb_vorbis_open_file(file, 0, &error, nullptr);
  if (!stream) return {};
  const stb_vorbis_info info = stb_vorbis_get_info(stream);
  const int channels = info.channels;
  const std::size_t room = static_cast<std::size_t>(channels) * kFrameRoom;
  std::size_t capacity = room;
  auto* samples = static_cast<short*>(std::malloc(capacity * sizeof(short)));
  std::size_t frames = 0;
  bool failed = channels <= 0 || !samples;
  while (!failed) {
    const std::size_t used = frames * static_cast<std::size_t>(channels);
    const std::size_t freeRoom = capacity - used;
    const int decoded = stb_vorbis_get_frame_short_interleaved(
        stream, channels, samples + used,
        static_cast<int>(std::min<std::size_t>(freeRoom, INT_MAX)));
    if (decoded <= 0) break;
    frames += static_cast<std::size_t>(decoded);
    if (frames > static_cast<std::size_t>(INT_MAX)) {
      failed = true;
    } else if (capacity - frames * static_cast<std::size_t>(channels) < room) {
      capacity *= 2;
      auto* grown = static_cast<short*>(std::realloc(samples, capacity * sizeof(short)));
      if (grown) {
        samples = grown;
      } else {
        failed = true;
      }
    }
  }
  stb_vorbis_close(stream);
  if (failed) {
    std::free(samples);
    return {};
  }
  DecodedSound sound;
  sound.samples = samples;
  sound.length = static_cast<int>(frames);
  sound.channels = channels;
  sound.format = 2;
  sound.hertz = static_cast<int>(info.sample_rate);
  return sound;
}
