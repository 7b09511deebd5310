// The application globals and their initial values, and the shared random number generator.
#include "framework/app_globals.h"

#include "audio/audio_engine.h"
#include "graphics/graphics_context.h"
#include "host/entry.h"
#include "input/input_device.h"

float g_virtualWidth = 640;
float g_virtualHeight = 480;
float g_screenWidth = 640;
float g_screenHeight = 480;
int g_debugState = 0;
String g_creditsLines[kCreditsLineCount];
std::uint32_t g_randomSeed = 1234;

void InitAppGlobals() {
  InitialiseLifecycleGlobals();
  // The devices appear at the start event.
  g_graphicsDevice = nullptr;
  g_audioDevice = nullptr;
  g_inputDevice = nullptr;
  g_renderDevice = nullptr;
  InitGraphicsGlobals();
  g_virtualWidth = 640;
  g_virtualHeight = 480;
  g_screenWidth = 640;
  g_screenHeight = 480;
  g_debugState = 0;
  InitCreditsLines();
  g_randomSeed = 1234;
}

float RandomUnit() {
  // A linear congruential step modulo 2^32 (unsigned arithmetic wraps by definition).
  g_randomSeed = g_randomSeed * 1664525u + 1013904223u;
  return static_cast<float>((g_randomSeed >> 8) & 0xFFFFFFu) / 16777216.0f;
}
