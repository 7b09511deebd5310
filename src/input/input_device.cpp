// The input device: host events fold into held keys, press counts, the character queue and
// pointer, touch and acceleration readings; joystick buttons are polled into the same key codes.
// Codes, fingers, ports and axes outside their ranges are ignored, so no event or query can
// reach outside the arrays.
#include "input/input_device.h"

#include "host/qor_game.h"

c_InputDevice* g_inputDevice = nullptr;

namespace {

// The left mouse button and touch finger 0 mirror each other's held state and presses.
constexpr int kMouseLeftCode = 1;
constexpr int kFirstFingerCode = 384;
// Joystick button codes: kFirstJoystickCode + kCodesPerPort * port + button.
constexpr int kFirstJoystickCode = 256;
constexpr int kCodesPerPort = 32;
constexpr int kStickAxes = 2;

bool IsKeyCode(int code) {
  return code >= 0 && code < c_InputDevice::kKeyCodeCount;
}

// Codes the application may ask about; 0 is never produced.
bool IsQueryableKey(int key) {
  return key >= 1 && key < c_InputDevice::kKeyCodeCount;
}

bool IsFinger(int finger) {
  return finger >= 0 && finger < c_InputDevice::kFingerCount;
}

bool IsStick(int axis, int port) {
  return axis >= 0 && axis < kStickAxes && port >= 0 && port < c_InputDevice::kJoystickPorts;
}

// The code whose state follows `code`, or 0 when it has no mirror.
int MirrorOf(int code) {
  if (code == kMouseLeftCode) return kFirstFingerCode;
  if (code == kFirstFingerCode) return kMouseLeftCode;
  return 0;
}

}  // namespace

c_InputDevice::c_InputDevice() {
  for (Ref<c_JoyState>& joystick : joysticks) joystick = New<c_JoyState>();
}

int c_InputDevice::PollJoysticks() {
  if (!g_hostGame) return 0;
  for (int port = 0; port < kJoystickPorts; ++port) {
    c_JoyState& joystick = *joysticks[port];
    // An absent port ends the poll: higher ports are not read in this update.
    if (!g_hostGame->ReadJoystick(port, joystick.stickX, joystick.stickY, joystick.stickZ,
                                  joystick.buttons)) {
      break;
    }
    for (int button = 0; button < c_JoyState::kButtonCount; ++button) {
      const int code = kFirstJoystickCode + kCodesPerPort * port + button;
      if (!joystick.buttons[button]) {
        keyHeld[code] = false;
      } else if (!keyHeld[code]) {
        // A press counts once, in the first update that finds the button down.
        keyHeld[code] = true;
        keyPressCount[code] += 1;
      }
    }
  }
  return 0;
}

int c_InputDevice::ClearFrameInput() {
  for (int& count : keyPressCount) count = 0;
  charGet = 0;
  charPut = 0;
  return 0;
}

int c_InputDevice::OnKeyEvent(int event, int code) {
  switch (event) {
    case kEventKeyDown:
      if (!IsKeyCode(code)) break;
      keyHeld[code] = true;
      keyPressCount[code] += 1;
      if (const int mirror = MirrorOf(code)) {
        keyHeld[mirror] = true;
        keyPressCount[mirror] += 1;
      }
      break;
    case kEventKeyUp:
      if (!IsKeyCode(code)) break;
      keyHeld[code] = false;
      if (const int mirror = MirrorOf(code)) keyHeld[mirror] = false;
      break;
    case kEventChar:
      // Characters beyond the queue's size are dropped until the next update clears it.
      if (charPut < kCharQueueSize) {
        charQueue[charPut] = code;
        charPut += 1;
      }
      break;
    default:
      break;
  }
  return 0;
}

int c_InputDevice::OnMouseEvent(int event, int button, float x, float y) {
  const int code = button + kMouseLeftCode;
  switch (event) {
    case kEventMouseDown:
      OnKeyEvent(kEventKeyDown, code);
      break;
    case kEventMouseUp:
      // A release leaves the pointer where the last move or press put it.
      OnKeyEvent(kEventKeyUp, code);
      return 0;
    case kEventMouseMove:
      break;
    default:
      return 0;
  }
  pointerX = x;
  pointerY = y;
  touchX[0] = x;
  touchY[0] = y;
  return 0;
}

int c_InputDevice::OnTouchEvent(int event, int finger, float x, float y) {
  if (!IsFinger(finger)) return 0;
  switch (event) {
    case kEventTouchDown:
      OnKeyEvent(kEventKeyDown, kFirstFingerCode + finger);
      break;
    case kEventTouchUp:
      OnKeyEvent(kEventKeyUp, kFirstFingerCode + finger);
      return 0;
    case kEventTouchMove:
      break;
    default:
      return 0;
  }
  touchX[finger] = x;
  touchY[finger] = y;
  if (finger == 0) {
    pointerX = x;
    pointerY = y;
  }
  return 0;
}

int c_InputDevice::OnMotionEvent(int event, int, float x, float y, float z) {
  if (event == kEventMotion) {
    accelX = x;
    accelY = y;
    accelZ = z;
  }
  return 0;
}

int c_InputDevice::RequestKeyboard(bool flag) {
  if (g_hostGame) g_hostGame->EnableKeyboardInput(flag);
  return 1;
}

int c_InputDevice::NextChar() {
  if (charGet == charPut) return 0;
  const int character = charQueue[charGet];
  charGet += 1;
  return character;
}

int c_InputDevice::KeyPressCount(int key) {
  return IsQueryableKey(key) ? keyPressCount[key] : 0;
}

float c_InputDevice::PointerX() {
  return pointerX;
}

float c_InputDevice::PointerY() {
  return pointerY;
}

bool c_InputDevice::IsKeyHeld(int key) {
  return IsQueryableKey(key) && keyHeld[key];
}

float c_InputDevice::TouchPointX(int finger) {
  return IsFinger(finger) ? touchX[finger] : 0.0f;
}

float c_InputDevice::TouchPointY(int finger) {
  return IsFinger(finger) ? touchY[finger] : 0.0f;
}

float c_InputDevice::StickY(int axis, int port) {
  return IsStick(axis, port) ? joysticks[port]->stickY[axis] : 0.0f;
}

float c_InputDevice::StickX(int axis, int port) {
  return IsStick(axis, port) ? joysticks[port]->stickX[axis] : 0.0f;
}

float c_InputDevice::AccelerationX() {
  return accelX;
}

float c_InputDevice::AccelerationY() {
  return accelY;
}
