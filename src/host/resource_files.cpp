// Resource addresses and file reading: the "vindle://" mapping onto folders under the working
// directory, opening, whole-file reads, and the image decoder entry of the GLFW host.
#include <climits>
#include <cstdlib>
#include <cstring>

#include <sys/stat.h>

#include "host/glfw_game.h"

#include "audio/sound_formats.h"
#include "host/text_codec.h"

#include <stb_image.h>

namespace {

struct AddressPrefix {
  const char* scheme;
  const char* folder;
};

// Prefixes are case-sensitive.
constexpr AddressPrefix kAddressPrefixes[] = {
    {"vindle://data/", "./data/"},
    {"vindle://internal/", "./internal/"},
    {"vindle://external/", "./external/"},
};

}  // namespace

String QorGlfwGame::MapResourcePath(const String& path) {
  for (const AddressPrefix& prefix : kAddressPrefixes) {
    const String scheme(prefix.scheme);
    if (path.StartsWith(scheme)) return String(prefix.folder) + path.Slice(scheme.Length());
  }
  if (path.StartsWith("vindle:")) return String();
  return path;
}

std::FILE* QorGame::OpenResourceFile(const String& path, const String& mode) {
  const String mapped = MapResourcePath(path);
  if (mapped.IsEmpty()) return nullptr;
  // The mapped path goes to the C library as UTF-8, in place of a wide-character open.
  std::FILE* file = std::fopen(EncodeUtf8(mapped).c_str(), EncodeUtf8(mode).c_str());
  // A folder opens for reading on this system but is no file to read.
  struct stat status;
  if (file && (fstat(fileno(file), &status) != 0 || S_ISDIR(status.st_mode))) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

unsigned char* QorGame::ReadResourceBytes(const String& path, int* length) {
  std::FILE* file = OpenResourceFile(path, "rb");
  if (!file) return nullptr;
  std::string contents;
  char block[4096];
  for (;;) {
    const size_t count = std::fread(block, 1, sizeof(block), file);
    contents.append(block, count);
    if (count < sizeof(block)) break;
  }
  std::fclose(file);
  // The length is reported as an int.
  if (contents.size() > static_cast<size_t>(INT_MAX)) return nullptr;
  auto* buffer = static_cast<unsigned char*>(std::malloc(contents.size() ? contents.size() : 1));
  if (!buffer) return nullptr;
  std::memcpy(buffer, contents.data(), contents.size());
  *length = static_cast<int>(contents.size());
  return buffer;
}

unsigned char* QorGlfwGame::LoadImagePixels(const String& path, int* width, int* height,
                                            int* depth) {
  std::FILE* file = OpenResourceFile(path, "rb");
  if (!file) return nullptr;
  // 0 components requested: the file's own channel count, 8 bits each.
  unsigned char* pixels = stbi_load_from_file(file, width, height, depth, 0);
  std::fclose(file);
  return pixels;
}

// The decoder is chosen by the path's ending, whatever the case of its letters.
void* QorGlfwGame::LoadSoundSamples(const String& path, int* length, int* channels, int* format,
                                    int* hertz) {
  std::FILE* file = OpenResourceFile(path, "rb");
  if (!file) return nullptr;
  const String lowered = path.ToLower();
  DecodedSound sound;
  if (lowered.EndsWith(".wav")) {
    sound = ReadWavFile(file);
  } else if (lowered.EndsWith(".ogg")) {
    sound = ReadOggFile(file);
  }
  std::fclose(file);
  if (sound.samples) {
    *length = sound.length;
    *channels = sound.channels;
    *format = sound.format;
    *hertz = sound.hertz;
  }
  return sound.samples;
}
