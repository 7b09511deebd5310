// c_MyApp's construction and its create, suspend and resume handlers: the start-up order, the
// saving on suspend and the pause rule that opens the settings panel during a game.
#include "game/my_app.h"
#include "game/game_ids.h"

#include "audio/audio_engine.h"
#include "framework/app_globals.h"
#include "framework/game_math.h"
#include "graphics/graphics_context.h"
#include "input/input_device.h"

namespace {

// During a game a suspend or resume opens the settings panel fully; otherwise it is closed.
void ApplyPauseRule(c_MyApp& app) {
  if (app.gameState >= kPlayingState) {
    app.menuOpen = 1;
    app.menuSlide = 1;
    app.menuOffset = TruncToInt(g_screenHeight * 0.5f);
  } else {
    app.menuOpen = 0;
    app.menuSlide = 0;
    app.menuOffset = 0;
  }
}

}  // namespace

// Every field starts at zero or null through its initialiser; the arrays have their lengths.
c_MyApp::c_MyApp() = default;

int c_MyApp::HandleCreate() {
  gameState = kTitleState;
  SetAppUpdateRate(60);
  deviceWidth = g_graphicsDevice->BackbufferWidth();
  deviceHeight = g_graphicsDevice->BackbufferHeight();
  LoadBootAssets();
  gameMode = 2;
  titleSlide = -32;
  menuOpen = 0;
  menuSlide = -1;
  menuOffset = -64;
  // The values the saved data starts from before it is loaded.
  for (int& value : settings) value = 0;
  settings[soundOn] = 1;
  for (int i = 0; i <= 30; ++i) highscores[i] = 0;
  for (int i = 0; i < 128; ++i) badges[i] = false;
  LoadGameData();
  for (int i = 0; i < 33; ++i) sfxChannels[i] = i;
  return 0;
}

int c_MyApp::HandleSuspend() {
  SetKeyboardMode(0);
  ApplyPauseRule(*this);
  SetAppUpdateRate(5);
  SaveGameData();
  return 0;
}

int c_MyApp::HandleResume() {
  ApplyPauseRule(*this);
  SetAppUpdateRate(60);
  SetKeyboardMode(0);
  return 0;
}

void c_MyApp::SetKeyboardMode(int) {
  // The game never takes text: whatever mode is asked for, text input goes off and the
  // characters typed so far are dropped.
  g_inputDevice->RequestKeyboard(false);
  while (g_inputDevice->NextChar() != 0) {
  }
}
