// Decoders from an open C file to whole PCM buffers: RIFF WAVE with PCM samples, and Ogg Vorbis.
#pragma once

#include <cstdio>

// Decoded sound: samples from malloc (the caller frees them), or null when the file cannot
// be decoded. `format` is bytes per sample.
struct DecodedSound {
  void* samples = nullptr;
  int length = 0;    // sample frames
  int channels = 0;  // interleaved
  int format = 0;
  int hertz = 0;
};

DecodedSound ReadWavFile(std::FILE* file);
DecodedSound ReadOggFile(std::FILE* file);
