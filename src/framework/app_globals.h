// The game's application globals: the design and logical screen sizes, the debug switch, the
// credits lines and the one random number generator; and the global initialisation that gives
// every application global, host and device globals included, its initial value.
#pragma once

#include <cstdint>

#include "host/text.h"

extern float g_virtualWidth;  // design screen in game units: 640 x 480
extern float g_virtualHeight;
extern float g_screenWidth;  // logical screen in game units, recomputed by every render
extern float g_screenHeight;
extern int g_debugState;  // 1: the debug line is drawn and the saved-state string printed
constexpr int kCreditsLineCount = 39;
extern String g_creditsLines[kCreditsLineCount];
extern std::uint32_t g_randomSeed;

// Runs before the application object is created.
void InitAppGlobals();
// Fills g_creditsLines (part of the global initialisation).
void InitCreditsLines();

// One step of the process-wide generator: a float in [0, 1) with 24 random bits.
float RandomUnit();
