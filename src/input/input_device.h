// c_InputDevice: the application's single view of keys, mouse, touch points, joysticks and the
// accelerometer. Host events update it as they arrive; before each update it polls the
// joysticks into the key state, after each update it clears the per-update counters.
#pragma once

#include "host/object.h"

class c_JoyState : public Object {
 public:
  float stickX[2] = {};
  float stickY[2] = {};
  float stickZ[2] = {};
  bool buttons[32] = {};
};

class c_InputDevice : public Object {
 public:
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

  Ref<c_JoyState> joysticks[4];
  bool keyHeld[512] = {};
  int keyPressCount[512] = {};
  int charGet = 0;
  int charPut = 0;
  int charQueue[32] = {};
  float pointerX = 0, pointerY = 0;
  float touchX[32] = {}, touchY[32] = {};
  float accelX = 0, accelY = 0, accelZ = 0;
};

extern c_InputDevice* g_inputDevice;
