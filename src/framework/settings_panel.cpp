// The settings panel that slides over the play field: resume, end the game, sound, move speed
// and background blur. Touches act once per press (touchLatch), keys and buttons once per
// press (controlLatch); the speed row alone follows a held finger.
#include <cstdlib>

#include "framework/app_globals.h"
#include "framework/game_math.h"
#include "game/game_ids.h"
#include "game/my_app.h"

namespace {

constexpr int kSlideStep = 24;
constexpr int kHiddenOffset = -64;
// The panel is gone in the first update in which its centre is above this.
constexpr int kGoneOffset = -32;
constexpr int kSpeedBoxes = 8;
constexpr int kBlurOn = 3;
constexpr int kBlurOff = 8;

enum Row { kEndGameRow = -1, kResumeRow = 0, kSoundRow = 1 };

struct Point {
  float x, y;
};

// Whether a control acts now: held while no other control is in use; it then takes the latch.
bool ControlActs(c_MyApp& app, bool held) {
  if (!held || app.controlLatch != 0) return false;
  app.controlLatch = 1;
  return true;
}

bool TouchActs(c_MyApp& app, int touched) {
  if (!touched || app.touchLatch != 0) return false;
  app.touchLatch = 1;
  return true;
}

void Click(c_MyApp& app, float rate) {
  app.PlaySfx(kClickSound, rate, 0.5f, 0);
}

void DrawRing(c_MyApp& app, Point at) {
  app.SetDrawScale(2.5f);
  app.SetDrawColor(255, 255, 100, 1);
  app.DrawCommandImage(kIconImage, at.x, at.y, kRingFrame);
}

void Slide(c_MyApp& app) {
  if (app.menuSlide == 1 && static_cast<float>(app.menuOffset) < g_screenHeight / 2) {
    app.menuOffset += kSlideStep;
  }
  if (app.menuSlide == -1) {
    if (app.menuOffset > kHiddenOffset) app.menuOffset -= kSlideStep;
    if (app.menuOffset < kGoneOffset) app.menuOpen = 0;
  }
}

void DrawBackground(c_MyApp& app, float m) {
  const float centre = g_screenWidth / 2;
  app.ResetDrawState();
  if (app.landscape == 1) {
    app.SetDrawColor(255, 255, 10, 0.6f);
    app.DrawCommandRect(centre - 128, m - 64, 256, 8);
    app.SetDrawColor(255, 150, 10, 0.7f);
    app.DrawCommandRect(centre - 140, m - 52, 280, 104);
    app.SetDrawColor(10, 150, 255, 0.6f);
    app.DrawCommandRect(centre - 128, m + 56, 256, 8);
  } else {
    app.SetDrawColor(255, 255, 10, 0.6f);
    app.DrawCommandRect(centre - 96, m - 92, 192, 8);
    app.SetDrawColor(255, 150, 10, 0.7f);
    app.DrawCommandRect(centre - 128, m - 80, 256, 160);
    app.SetDrawColor(10, 150, 255, 0.6f);
    app.DrawCommandRect(centre - 96, m + 84, 192, 8);
  }
}

void StartClosing(c_MyApp& app) {
  app.menuSlide = -1;
  Click(app, 1);
}

// Hides the panel at once and lets the play state run the game-over sequence.
void EndGame(c_MyApp& app) {
  app.menuOpen = 0;
  app.menuSlide = -1;
  app.menuOffset = kHiddenOffset;
  app.shipDestroyed = 1;
  app.touchLatch = 1;
  Click(app, 0.5f);
}

void SwitchSound(c_MyApp& app) {
  int& sound = app.settings[soundOn];
  sound = 1 - sound;
  if (sound < 0 || sound > 1) sound = 0;
  // Heard only when the sound has just been turned on.
  Click(app, 1);
}

void ResumeButton(c_MyApp& app, Point at) {
  app.SetDrawScale(2);
  app.SetDrawColor(50, 50, 250, 1);
  if (TouchActs(app, app.ImageButton(kIconImage, at.x, at.y, kResumeFrame))) StartClosing(app);
  if (app.cursorRow != kResumeRow) return;
  DrawRing(app, at);
  if (ControlActs(app, app.IsControlDown(kFire1Control))) StartClosing(app);
  if (ControlActs(app, app.IsControlDown(kLeftControl) || app.IsControlDown(kUpControl))) {
    app.cursorRow = kEndGameRow;
    Click(app, 0.8f);
  }
  if (ControlActs(app, app.IsControlDown(kRightControl))) {
    app.cursorRow = kSoundRow;
    Click(app, 1.2f);
  }
}

void EndGameButton(c_MyApp& app, Point at) {
  app.SetDrawScale(2);
  app.SetDrawColor(255, 50, 50, 1);
  if (app.ImageButton(kIconImage, at.x, at.y, kEndGameFrame) && app.touchLatch == 0) EndGame(app);
  if (app.cursorRow != kEndGameRow) return;
  DrawRing(app, at);
  if (ControlActs(app, app.IsControlDown(kFire1Control))) EndGame(app);
  if (ControlActs(app, app.IsControlDown(kRightControl) || app.IsControlDown(kDownControl))) {
    app.cursorRow = kResumeRow;
    Click(app, 0.8f);
  }
}

void SoundButton(c_MyApp& app, Point at) {
  app.SetDrawScale(2);
  app.SetDrawColor(50, 250, 50, 1);
  const int frame = app.settings[soundOn] != 0 ? kSoundOnFrame : kSoundOffFrame;
  if (TouchActs(app, app.ImageButton(kIconImage, at.x, at.y, frame))) SwitchSound(app);
  if (app.cursorRow != kSoundRow) return;
  DrawRing(app, at);
  if (ControlActs(app, app.IsControlDown(kFire1Control))) SwitchSound(app);
  if (ControlActs(app, app.IsControlDown(kLeftControl) || app.IsControlDown(kDownControl))) {
    app.cursorRow = kResumeRow;
    Click(app, 0.8f);
  }
}

// No latch: a finger moved along the row changes the speed continuously.
void SpeedRow(c_MyApp& app) {
  const float width = g_screenWidth;
  const float height = g_screenHeight;
  int& speed = app.settings[moveSpeed];
  app.ResetDrawState();
  app.SetDrawColor(255, 255, 255, 1);
  app.DrawBitmapText(width / 2, height - 100, String("Move Speed ") + speed, 1, 1);
  for (int i = 1; i <= kSpeedBoxes; ++i) {
    if (speed >= i) {
      app.SetDrawColor(100, 255, 100, 0.9f);
    } else {
      app.SetDrawColor(0, 80, 0, 0.8f);
    }
    if (app.RectButton(width / 2 - 144 + static_cast<float>(32 * i), height - 64, 28, 28)) {
      speed = i;
    }
  }
}

// The switch is tested twice, on then off, so a switch made by the first test shows at once;
// the touch latch keeps one touch from flipping it back.
void BlurSwitch(c_MyApp& app) {
  const float centre = g_screenWidth / 2;
  int& blur = app.settings[backgroundBlur];
  app.SetDrawColor(255, 255, 255, 1);
  app.DrawBitmapText(centre, 80, " Background Blur", 1, 1);
  app.SetDrawScale(3);
  if (blur != kBlurOn && blur != kBlurOff) blur = kBlurOn;
  if (blur == kBlurOn) {
    app.SetDrawColor(100, 255, 100, 0.7f);
    if (TouchActs(app, app.RectButton(centre - 32, 88, 64, 64))) blur = kBlurOff;
    app.SetDrawColor(255, 255, 100, 1);
    app.DrawBitmapText(centre, 120, " ON", 1, 1);
  }
  if (blur == kBlurOff) {
    app.SetDrawColor(0, 155, 0, 0.7f);
    if (TouchActs(app, app.RectButton(centre - 32, 88, 64, 64))) blur = kBlurOn;
    app.SetDrawColor(255, 255, 100, 1);
    app.DrawBitmapText(centre, 120, " OFF", 1, 1);
  }
}

}  // namespace

void c_MyApp::UpdateSettingsPanel() {
  const float width = g_screenWidth;
  const float height = g_screenHeight;
  ResetDrawState();
  SetDrawColor(0, 0, 0, static_cast<float>(std::abs(menuOffset)) / (0.8f * height));
  DrawCommandRect(0, 0, width, height);
  Slide(*this);
  const auto m = static_cast<float>(menuOffset);
  DrawBackground(*this, m);

  const float centre = width / 2;
  const Point endGame = landscape == 1 ? Point{static_cast<float>(TruncToInt(centre - 140)), m - 64}
                                       : Point{static_cast<float>(TruncToInt(centre - 96)), m - 96};
  const Point sound = landscape == 1 ? Point{centre + 140, m - 64} : Point{centre + 96, m - 96};
  ResumeButton(*this, {centre, m});
  EndGameButton(*this, endGame);
  SoundButton(*this, sound);
  SpeedRow(*this);
  BlurSwitch(*this);
  if (ControlActs(*this, IsControlDown(kBackControl))) StartClosing(*this);
}
