// c_InputDevice: the application's single view of keys, mouse, touch points, joysticks and the
// accelerometer. Host events update it as they arrive; before each update it polls the
// joysticks into the key state, after each update it clears the per-update counters.
#pragma once

#include "host/object.h"

class c_JoyState : public Object {
 public:
  static constexpr int kButtonCount = 32;

  float stickX[2] = {};
  float stickY[2] = {};
  float stickZ[2] = {};  // the third and the sixth axis
  bool buttons[kButtonCount] = {};
};

class c_InputDevice : public Object {
 public:
  static constexpr int kKeyCodeCount = 512;  // key codes 0-511
  static constexpr int kCharQueueSize = 32;  // characters kept between two updates
  static constexpr int kFingerCount = 32;
  static constexpr int kJoystickPorts = 4;

  c_InputDevice();

  virtual int PollJoysticks();
  virtual int ClearFrameInput();
  virtual int OnKeyEvent(int event, int code);
  virtual int OnMouseEvent(int event, int button, float x, float y);
  virtual int OnTouchEvent(int event, int finger, float x, float y);
  virtual int OnMotionEvent(int event, int data, float x, float y, float z);
  virtual int RequestKeyboard(bool flag);
  virtual int NextChar();
  virtual int KeyPressCount(int key);
  virtual float PointerX();
  virtual float PointerY();
  virtual bool IsKeyHeld(int key);
  virtual float TouchPointX(int finger);
  virtual float TouchPointY(int finger);
  virtual float StickY(int axis, int port);
  virtual float StickX(int axis, int port);
  virtual float AccelerationX();
  virtual float AccelerationY();

  Ref<c_JoyState> joysticks[kJoystickPorts];
  bool keyHeld[kKeyCodeCount] = {};
  int keyPressCount[kKeyCodeCount] = {};
  int charGet = 0;
  int charPut = 0;
  int charQueue[kCharQueueSize] = {};
  float pointerX = 0, pointerY = 0;
  float touchX[kFingerCount] = {}, touchY[kFingerCount] = {};
  float accelX = 0, accelY = 0, accelZ = 0;
};

extern c_InputDevice* g_inputDevice;
