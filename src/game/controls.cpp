// The abstract controls of the menus (keys, the first joystick's buttons and its first stick)
// and the two buttons that draw and hit-test in one call.
#include "game/game_ids.h"
#include "game/my_app.h"
#include "input/input_device.h"

namespace {

// A stick direction holds beyond this value, strictly.
constexpr float kStickLimit = 0.4f;

enum class Stick { kNone, kUp, kLeft, kRight, kDown };

struct ControlSources {
  int control;
  int codes[5];  // keys and joystick button codes; 0 ends the list
  Stick stick;
};

constexpr ControlSources kControls[] = {
    {kUpControl, {38, 87, 265}, Stick::kUp},        // up: arrow, W, joystick button 9 (from 0)
    {kLeftControl, {37, 65, 264}, Stick::kLeft},    // left: arrow, A, button 8
    {kRightControl, {39, 68, 266}, Stick::kRight},  // right: arrow, D, button 10
    {kDownControl, {40, 83, 267}, Stick::kDown},    // down: arrow, S, button 11
    {kFire1Control, {90, 74, 32, 13, 256}, Stick::kNone},  // fire 1: Z, J, space, enter, button 0
    {kFire2Control, {88, 75, 17, 257}, Stick::kNone},      // fire 2: X, K, control, button 1
    {kFire3Control, {67, 76, 16, 258}, Stick::kNone},      // fire 3: C, L, shift, button 2
    {kFire4Control, {86, 73, 259}, Stick::kNone},          // fire 4: V, I, button 3
    {kBackControl, {27, 46, 8, 263}, Stick::kNone},  // back: escape, delete, backspace, button 7
};

bool StickHolds(Stick stick) {
  c_InputDevice& input = *g_inputDevice;
  switch (stick) {
    case Stick::kUp:
      return input.StickY(0, 0) < -kStickLimit;
    case Stick::kLeft:
      return input.StickX(0, 0) < -kStickLimit;
    case Stick::kRight:
      return input.StickX(0, 0) > kStickLimit;
    case Stick::kDown:
      return input.StickY(0, 0) > kStickLimit;
    case Stick::kNone:
      break;
  }
  return false;
}

}  // namespace

int c_MyApp::IsControlDown(int control) {
  for (const ControlSources& sources : kControls) {
    if (sources.control != control) continue;
    for (int code : sources.codes) {
      if (code != 0 && g_inputDevice->IsKeyHeld(code)) return 1;
    }
    if (StickHolds(sources.stick)) return 1;
    // A device back key counts for the update after its presses.
    if (control == kBackControl && backKeyPresses > 0) return 1;
    return 0;
  }
  return 0;
}

int c_MyApp::ImageButton(int imageId, float x, float y, int frame) {
  DrawCommandImage(imageId, x, y, static_cast<float>(frame));
  if (imageId < 0 || imageId >= kBankSize) return 0;
  const float halfW = static_cast<float>(imageInfo[imageId * 3]) * imageScale * drawScaleX * 0.5f;
  const float halfH =
      static_cast<float>(imageInfo[imageId * 3 + 1]) * imageScale * drawScaleY * 0.5f;
  if (anyTouchDown <= 0) return 0;
  // Points that are not held sit at -3717 and never fall inside a box.
  for (int i = 0; i < 10; ++i) {
    const auto tx = static_cast<float>(touchX[i]);
    const auto ty = static_cast<float>(touchY[i]);
    if (x - halfW < tx && tx < x + halfW && y - halfH < ty && ty < y + halfH) return 1;
  }
  return 0;
}

int c_MyApp::RectButton(float x, float y, float w, float h) {
  DrawCommandRect(x, y, w, h);
  for (int i = 0; i < 10; ++i) {
    if (touchDown[i] != 1) continue;
    const auto tx = static_cast<float>(touchX[i]);
    const auto ty = static_cast<float>(touchY[i]);
    if (x < tx && tx < x + w && y < ty && ty < y + h) return 1;
  }
  return 0;
}
