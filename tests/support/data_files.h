// Small data files for tests: PNG pictures of a given size and short WAV sounds, written
// into a data folder under the current working directory.
#pragma once

#include <string>

// A picture of width x height pixels, one opaque colour (0xRRGGBB), at ./data/<name>.
void WritePicture(const std::string& name, int width, int height, unsigned colour = 0xFFFFFF);
// A 16-bit mono sound of `seconds` of silence at 22050 Hz, at ./data/<name>.
void WriteSound(const std::string& name, double seconds = 0.1);
