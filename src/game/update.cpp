// The update handler: the close request, the debug switch, the rate measurement, the input
// snapshot in game units with its two latches, then one loading step or one step of the
// current game state; and the pause check that runs after every play update.
#include "framework/app_globals.h"
#include "framework/game_math.h"
#include "game/game_ids.h"
#include "game/my_app.h"
#include "host/diagnostics.h"
#include "input/input_device.h"

namespace {

constexpr int kMouseButton = 1;
constexpr int kFirstTouchKey = 384;
constexpr int kTouchPoints = 10;
constexpr int kBackKey = 416;
constexpr int kCloseRequest = 432;
constexpr int kDebugKey = 121;  // F10

// Controls whose release frees controlLatch.
constexpr int kLatchedControls[] = {kUpControl,    kLeftControl,  kRightControl,
                                    kDownControl,  kFire1Control, kFire2Control,
                                    kFire3Control, kFire4Control, kBackControl};

void MeasureUpdateRate(c_MyApp& app) {
  const int now = AppMillis();
  if (now - app.lastUpdateMillis > 0) app.updateFps = 1000 / (now - app.lastUpdateMillis);
  app.updateFpsSmoothed = (app.updateFpsSmoothed * 9 + app.updateFps) / 10;
  app.lastUpdateMillis = AppMillis();
}

void TakePointerSnapshot(c_MyApp& app) {
  c_InputDevice& input = *g_inputDevice;
  app.prevPointerX = app.pointerX;
  app.prevPointerY = app.pointerY;
  app.pointerX = TruncToInt(input.PointerX() / app.scaleX);
  app.pointerY = TruncToInt(input.PointerY() / app.scaleY);
  // The update in which the button goes down reports no movement.
  if (app.pointerWasDown == 0 && input.IsKeyHeld(kMouseButton)) {
    app.prevPointerX = app.pointerX;
    app.prevPointerY = app.pointerY;
  }
  app.anyTouchDown = input.IsKeyHeld(kMouseButton) ? 1 : 0;
  for (int i = 0; i < kTouchPoints; ++i) {
    app.touchDown[i] = 0;
    app.touchX[i] = static_cast<int>(kAbsent);
    app.touchY[i] = static_cast<int>(kAbsent);
    if (input.IsKeyHeld(kFirstTouchKey + i)) {
      app.touchDown[i] = 1;
      app.touchX[i] = TruncToInt(input.TouchPointX(i) / app.scaleX);
      app.touchY[i] = TruncToInt(input.TouchPointY(i) / app.scaleY);
      app.anyTouchDown = 1;
    }
  }
  app.pointerWasDown = input.IsKeyHeld(kMouseButton) ? 1 : 0;
}

void ReleaseLatches(c_MyApp& app) {
  if (app.anyTouchDown == 0) app.touchLatch = 0;
  for (int control : kLatchedControls) {
    if (app.IsControlDown(control)) return;
  }
  app.controlLatch = 0;
}

void CloseCreditsByBack(c_MyApp& app) {
  if (app.controlLatch == 0 && app.touchLatch == 0 && app.IsControlDown(kBackControl) &&
      app.gameState == kTitleState && app.creditsOpen == 1) {
    app.creditsOpen = 0;
    app.controlLatch = 1;
    app.touchLatch = 1;
  }
}

void RunGameState(c_MyApp& app) {
  switch (app.gameState) {
    case kTitleState:
      app.UpdateTitleScreen();
      break;
    case kGameFinishedState:
      app.InsertHighscore();
      app.gameState = kTitleState;
      break;
    case kPlayingState:
      app.PlayUpdate();
      app.PlayPauseCheck();
      break;
    case kNewGameState:
      app.NewGame();
      break;
    default:
      break;
  }
  if ((app.gameState == kPlayingState && app.shipDestroyed > 0) || app.gameState == kTitleState ||
      app.gameState == kGameFinishedState) {
    app.GameOverUpdate();
  }
  if (app.gameState == kTitleState && (app.creditsOpen == 1 || app.creditsSlide > 0)) {
    app.UpdateCredits();
  }
  // creditsOpen as UpdateCredits left it.
  if (app.creditsOpen == 0 && app.creditsSlide > 0) app.creditsSlide -= 1;
  if (app.creditsOpen == 1 && app.creditsSlide < kCreditsSlideLength) app.creditsSlide += 1;
}

void DrawDebugLine(c_MyApp& app) {
  app.ResetDrawState();
  const String text =
      String::FromInt(app.fpsSmoothed) + String(":") + app.scaleX + String(",") + app.scaleY;
  app.DrawBitmapText(16, g_screenHeight * 0.5f, text, 0, 0);
}

}  // namespace

int c_MyApp::HandleUpdate() {
  c_InputDevice& input = *g_inputDevice;
  backKeyPresses = input.KeyPressCount(kBackKey);
  // The window's close button: quit at once with status 0, saving nothing.
  if (input.KeyPressCount(kCloseRequest) > 0) RaiseAppError(String());
  if (input.KeyPressCount(kDebugKey) > 0) g_debugState = 1 - g_debugState;
  MeasureUpdateRate(*this);
  TakePointerSnapshot(*this);
  ReleaseLatches(*this);
  CloseCreditsByBack(*this);
  if (loadStep == 0) RunGameState(*this);
  if (loadStep > 0) LoadNextAsset();
  if (g_debugState == 1) DrawDebugLine(*this);
  return 0;
}

void c_MyApp::PlayPauseCheck() {
  ResetDrawState();
  titleSlide = -32;
  if (IsControlDown(kBackControl) && menuOpen == 0 && controlLatch == 0) {
    controlLatch = 1;
    menuOpen = 1;
    menuSlide = 1;
    cursorRow = 0;
    PlaySfx(kClickSound, 1, 0.5f, 0);
  }
  if (ImageButton(kIconImage, 16, 16, kPauseFrame) && menuOpen == 0) {
    menuOpen = 1;
    menuSlide = 1;
    touchLatch = 1;
    cursorRow = 0;
    PlaySfx(kClickSound, 1, 0.5f, 0);
  }
  if (menuOpen == 1) UpdateSettingsPanel();
}
