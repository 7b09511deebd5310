// The GLFW host: the main loop with fixed-rate updates, suspend on iconify, the GLFW callbacks
// turned into host events, and the file and decoder services of this platform.
// The loop reaches the window system only through HostPlatform, so tests can drive the
// schedule with their own clock, sleep and event source.
#pragma once

#include "host/qor_game.h"

class QorGlfwGame;

// What the host loop needs from the window system.
class HostPlatform {
 public:
  virtual ~HostPlatform() = default;
  virtual bool IsInitialised() = 0;
  // Seconds since the windowing library started (glfwGetTime).
  virtual double Now() = 0;
  // Sleeps like glfwSleep: whole milliseconds, at least one.
  virtual void Sleep(double seconds) = 0;
  // Runs the event callbacks for everything pending.
  virtual void PollEvents() = 0;
  // Blocks until some window event is pending (the idle wait); may run its callbacks.
  virtual void WaitEvents() = 0;
  virtual bool IsWindowOpen() = 0;
  virtual bool IsIconified() = 0;
  virtual bool IsActive() = 0;
  // Connects the window's callbacks to `game` (RunLoop step 1).
  virtual void InstallCallbacks(QorGlfwGame* game) = 0;
  virtual bool ReadJoystick(int port, float* xs, float* ys, float* zs, bool* buttons) = 0;
  virtual void ShowMouseCursor(bool shown) = 0;
};

class QorGlfwGame : public QorGame {
 public:
  // The platform is not owned and must outlive the host.
  explicit QorGlfwGame(HostPlatform& platform);

  static QorGlfwGame* CurrentGlfw() { return currentGlfw; }
  HostPlatform& Platform() { return platform; }

  void ChangeUpdateRate(int hertz) override;
  int ElapsedMillis() override;
  bool ReadJoystick(int port, float* xs, float* ys, float* zs, bool* buttons) override;
  void OpenAddress(const String& address) override;
  void ShowMouseCursor(bool shown) override;
  String MapResourcePath(const String& path) override;
  unsigned char* LoadImagePixels(const String& path, int* width, int* height, int* depth) override;
  void* LoadSoundSamples(const String& path, int* length, int* channels, int* format,
                         int* hertz) override;
  // Runs until the window is no longer open.
  virtual void RunLoop();

 protected:
  HostPlatform& platform;
  bool suspendedByIconify = false;
  double nextUpdateTime = 0;
  double updatePeriod = 0;

 private:
  // Suspends while the window is iconified; resumes once it is restored and active.
  void FollowIconify();
  // Sleeps while the next update is not due, else runs one to four updates and one frame.
  void RunFixedRatePass();
  // Rate 0 or suspended: one frame (none while iconified), then waits for window events.
  void RunIdlePass();

  static QorGlfwGame* currentGlfw;
};

// The concrete host class the entry creates; adds nothing.
class QorVindleGame : public QorGlfwGame {
 public:
  using QorGlfwGame::QorGlfwGame;
};
