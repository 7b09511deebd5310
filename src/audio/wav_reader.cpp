// RIFF WAVE reader for uncompressed PCM. The format chunk must be the first chunk; the chunks
// after it are taken back to back up to the first "data" chunk, whose content is the PCM.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "audio/sound_formats.h"

namespace {

constexpr std::uint16_t kPcmFormatTag = 1;
// Tag, channels, rate, byte rate, block align and bits: the part of the format chunk read.
constexpr std::uint32_t kFormatFieldBytes = 16;

// Little-endian fields from an open file, never past its end: every read and skip is checked
// against the bytes the file still holds, so no size field can make the reader seek or
// allocate beyond what the file contains.
class ChunkReader {
 public:
  explicit ChunkReader(std::FILE* file) : file(file) {
    const long start = std::ftell(file);
    if (start < 0 || std::fseek(file, 0, SEEK_END) != 0) return;
    const long end = std::ftell(file);
    if (end < start || std::fseek(file, start, SEEK_SET) != 0) return;
    remaining = static_cast<std::uint64_t>(end - start);
  }

  std::uint64_t Remaining() const { return remaining; }

  bool ReadBytes(void* out, std::uint32_t count) {
    if (count > remaining || std::fread(out, 1, count, file) != count) return false;
    remaining -= count;
    return true;
  }

  bool ReadTag(const char (&expected)[5]) {
    char tag[4];
    return ReadBytes(tag, 4) && std::memcmp(tag, expected, 4) == 0;
  }

  bool ReadU16(std::uint16_t& value) {
    unsigned char bytes[2];
    if (!ReadBytes(bytes, 2)) return false;
    value = static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
    return true;
  }

  bool ReadU32(std::uint32_t& value) {
    unsigned char bytes[4];
    if (!ReadBytes(bytes, 4)) return false;
    value = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
            (static_cast<std::uint32_t>(bytes[2]) << 16) |
            (static_cast<std::uint32_t>(bytes[3]) << 24);
    return true;
  }

  bool Skip(std::uint32_t count) {
    if (count > remaining || std::fseek(file, static_cast<long>(count), SEEK_CUR) != 0) {
      return false;
    }
    remaining -= count;
    return true;
  }

 private:
  std::FILE* file;
  std::uint64_t remaining = 0;
};

struct PcmFormat {
  int channels = 0;
  int format = 0;  // bytes per sample
  int hertz = 0;
};

bool ReadHeaderTags(ChunkReader& reader) {
  return reader.ReadTag("RIFF") && reader.Skip(4) && reader.ReadTag("WAVE") &&
         reader.ReadTag("fmt ");
}

bool ReadFormatChunk(ChunkReader& reader, PcmFormat& pcm) {
  std::uint32_t chunkSize = 0;
  std::uint16_t tag = 0;
  if (!reader.ReadU32(chunkSize) || !reader.ReadU16(tag) || tag != kPcmFormatTag) return false;
  std::uint16_t channels = 0, blockAlign = 0, bits = 0;
  std::uint32_t hertz = 0, byteRate = 0;
  if (!reader.ReadU16(channels) || !reader.ReadU32(hertz) || !reader.ReadU32(byteRate) ||
      !reader.ReadU16(blockAlign) || !reader.ReadU16(bits)) {
    return false;
  }
  pcm.channels = channels;
  pcm.format = bits / 8;
  pcm.hertz = static_cast<int>(hertz);
  // Without channels or with samples under one byte there are no frames to count.
  if (pcm.channels == 0 || pcm.format == 0) return false;
  return chunkSize <= kFormatFieldBytes || reader.Skip(chunkSize - kFormatFieldBytes);
}

// The content of the first "data" chunk in a buffer from malloc, or null.
void* ReadDataChunk(ChunkReader& reader, std::uint32_t& dataSize) {
  for (;;) {
    char id[4];
    std::uint32_t size = 0;
    if (!reader.ReadBytes(id, 4) || !reader.ReadU32(size)) return nullptr;
    if (std::memcmp(id, "data", 4) != 0) {
      if (!reader.Skip(size)) return nullptr;
      continue;
    }
    // The frame count is an int32.
    if (size > reader.Remaining() || size > static_cast<std::uint32_t>(INT_MAX)) return nullptr;
    void* data = std::malloc(size > 0 ? size : 1);
    if (!data) return nullptr;
    if (!reader.ReadBytes(data, size)) {
      std::free(data);
      return nullptr;
    }
    dataSize = size;
    return data;
  }
}

}  // namespace

DecodedSound ReadWavFile(std::FILE* file) {
  ChunkReader reader(file);
  PcmFormat pcm;
  if (!ReadHeaderTags(reader) || !ReadFormatChunk(reader, pcm)) return {};
  std::uint32_t dataSize = 0;
  void* data = ReadDataChunk(reader, dataSize);
  if (!data) return {};
  DecodedSound sound;
  sound.samples = data;
  sound.length = static_cast<int>(dataSize / static_cast<std::uint32_t>(pcm.format * pcm.channels));
  sound.channels = pcm.channels;
  sound.format = pcm.format;
  sound.hertz = pcm.hertz;
  return sound;
}
