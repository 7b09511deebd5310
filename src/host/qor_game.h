// The host: the platform-independent base class QorGame with its inert defaults, and the
// delegate interface through which every host event reaches the application.
#pragma once

#include <cstdio>

#include "host/object.h"
#include "host/text.h"

// Host event codes (the `event` argument of key, mouse, touch and motion events).
enum HostEvent {
  kEventKeyDown = 1,
  kEventKeyUp = 2,
  kEventChar = 3,
  kEventMouseDown = 4,
  kEventMouseUp = 5,
  kEventMouseMove = 6,
  kEventTouchDown = 7,
  kEventTouchUp = 8,
  kEventTouchMove = 9,
  kEventMotion = 10,
};

// Receives every host event. Every default does nothing.
class QorGameDelegate : public Object {
 public:
  virtual void OnHostStart() {}
  virtual void OnHostSuspend() {}
  virtual void OnHostResume() {}
  virtual void OnHostUpdate() {}
  virtual void OnHostRender() {}
  virtual void OnHostKey(int /*event*/, int /*data*/) {}
  virtual void OnHostMouse(int /*event*/, int /*data*/, float /*x*/, float /*y*/) {}
  virtual void OnHostTouch(int /*event*/, int /*data*/, float /*x*/, float /*y*/) {}
  virtual void OnHostMotion(int /*event*/, int /*data*/, float /*x*/, float /*y*/, float /*z*/) {}
  virtual void OnHostGraphicsLost() {}
};

class QorGame : public Object {
 public:
  QorGame();

  // The host object, set by the constructor and never cleared.
  static QorGame* Current() { return current; }

  virtual void AttachDelegate(QorGameDelegate* delegate);
  virtual QorGameDelegate* AttachedDelegate();
  virtual void EnableKeyboardInput(bool enabled);
  virtual bool IsKeyboardInputEnabled();
  virtual void ChangeUpdateRate(int hertz);
  virtual int GetUpdateRate();
  virtual bool HasStarted();
  virtual bool IsSuspended();
  virtual int ElapsedMillis();
  // Year, month, day, hour, minute, second, 0; stops at the array's length.
  virtual void FillDate(int* values, int length);
  // The saved-state file "./.vindlestate": 0 stored, -1 not creatable, -2 not fully written.
  virtual int StoreState(const String& text);
  virtual String FetchState();
  virtual String ReadTextFile(const String& path);
  // xs, ys, zs hold 2 floats each, buttons 32 flags.
  virtual bool ReadJoystick(int port, float* xs, float* ys, float* zs, bool* buttons);
  virtual void OpenAddress(const String& address);
  virtual void ShowMouseCursor(bool shown);
  virtual String MapResourcePath(const String& path);
  // A C file opened on the mapped path, or null; "rb" or "wb".
  virtual std::FILE* OpenResourceFile(const String& path, const String& mode);
  // The whole file in one buffer from malloc (the caller frees it), or null.
  virtual unsigned char* ReadResourceBytes(const String& path, int* length);
  [[noreturn]] virtual void ReportUncaught(ThrowableObject* thrown);
  virtual void CollectGarbage();
  virtual void DispatchStart();
  virtual void DispatchSuspend();
  virtual void DispatchResume();
  virtual void DispatchUpdate();
  virtual void DispatchRender();
  virtual void DispatchKey(int event, int data);
  virtual void DispatchMouse(int event, int data, float x, float y);
  virtual void DispatchTouch(int event, int data, float x, float y);
  virtual void DispatchMotion(int event, int data, float x, float y, float z);
  virtual void DispatchGraphicsLost();
  // Decoders; the base host has none and returns null. Buffers come from malloc.
  virtual unsigned char* LoadImagePixels(const String& path, int* width, int* height, int* depth);
  virtual void* LoadSoundSamples(const String& path, int* length, int* channels, int* format,
                                 int* hertz);

 protected:
  Ref<QorGameDelegate> delegate;
  bool keyboardInputEnabled = false;
  int updateRate = 0;
  bool started = false;
  bool suspended = false;

 private:
  static QorGame* current;
};

// The application's copy of the host object, set by the application's global initialisation.
extern QorGame* g_hostGame;
