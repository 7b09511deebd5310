// The window system under the host loop: GLFW 3 with one window, its callbacks forwarded to
// the current GLFW host, the clock, the sleep and the idle wait.
#pragma once

#include "host/glfw_game.h"

struct GLFWwindow;

class GlfwPlatform : public HostPlatform {
 public:
  // `window` is the game's window, opened after a successful glfwInit; null when there is none.
  explicit GlfwPlatform(GLFWwindow* window);

  bool IsInitialised() override { return initialised; }
  double Now() override;
  void Sleep(double seconds) override;
  void PollEvents() override;
  void WaitEvents() override;
  bool IsWindowOpen() override;
  bool IsIconified() override;
  bool IsActive() override;
  void InstallCallbacks(QorGlfwGame* game) override;
  bool ReadJoystick(int port, float* xs, float* ys, float* zs, bool* buttons) override;
  void ShowMouseCursor(bool shown) override;

  // glfwTerminate; afterwards the platform reports itself uninitialised and without a window.
  void Terminate();

 private:
  GLFWwindow* window;
  bool initialised = true;
};

// The whole milliseconds a sleep of `seconds` lasts: at least one, otherwise rounded.
int SleepMilliseconds(double seconds);
