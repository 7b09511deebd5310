// Ogg Vorbis reader over stb_vorbis.
#include "audio/sound_formats.h"

DecodedSound ReadOggFile(std::FILE*) {
  return {};
}
