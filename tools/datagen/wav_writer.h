// Writes 16-bit PCM mono RIFF WAVE files: the canonical 44-byte header and the samples.
#pragma once

#include <string>
#include <vector>

// Samples in -1..1 are rounded to 16 bits (values beyond are clamped). Makes missing folders;
// false when the file cannot be written.
bool WriteWavFile(const std::string& path, const std::vector<float>& samples, int rate);
