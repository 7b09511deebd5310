// What the audio engine tests share: a GLFW host without a window (its real file services
// decode the sounds), WAV files written on the spot, and waiting for a sound to end.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <thread>

#include "host/glfw_game.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace audio_test {

struct Tone {
  double seconds = 0.1;
  int channels = 1;
  int bits = 16;
  int hertz = 22050;
};

inline void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A canonical PCM WAV file holding a 440 Hz sine at half amplitude on every channel.
inline void WriteToneWav(const std::filesystem::path& file, const Tone& tone) {
  const int bytesPerSample = tone.bits / 8;
  const auto frames = static_cast<std::uint32_t>(tone.seconds * tone.hertz);
  const std::uint32_t dataBytes = frames * tone.channels * bytesPerSample;
  std::ofstream out(file, std::ios::binary);
  out.write("RIFF", 4);
  PutLittleEndian(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);  // PCM
  PutLittleEndian(out, tone.channels, 2);
  PutLittleEndian(out, tone.hertz, 4);
  PutLittleEndian(out, tone.hertz * tone.channels * bytesPerSample, 4);
  PutLittleEndian(out, tone.channels * bytesPerSample, 2);
  PutLittleEndian(out, tone.bits, 2);
  out.write("data", 4);
  PutLittleEndian(out, dataBytes, 4);
  const double fullScale = std::ldexp(1.0, tone.bits - 1) - 1;
  for (std::uint32_t frame = 0; frame < frames; ++frame) {
    const double wave = 0.5 * std::sin(2 * std::numbers::pi * 440 * frame / tone.hertz);
    auto value = static_cast<std::int32_t>(std::lround(wave * fullScale));
    if (tone.bits == 8) value += 128;  // 8-bit samples are unsigned
    for (int c = 0; c < tone.channels; ++c) {
      PutLittleEndian(out, static_cast<std::uint32_t>(value), bytesPerSample);
    }
  }
}

// Polls until `done` holds, for at most a few seconds of real time (OpenAL plays in real time).
template <class Predicate>
bool WaitFor(Predicate done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace audio_test
