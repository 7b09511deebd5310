// The GLFW host's loop and services.
#include "host/glfw_game.h"

QorGlfwGame* QorGlfwGame::currentGlfw = nullptr;

QorGlfwGame::QorGlfwGame(HostPlatform& hostPlatform) : platform(hostPlatform) {
  currentGlfw = this;
}

void QorGlfwGame::ChangeUpdateRate(int hertz) {
  updateRate = hertz;
  if (hertz != 0) {
    updatePeriod = 1.0 / hertz;
    nextUpdateTime = (platform.IsInitialised() ? platform.Now() : 0.0) + updatePeriod;
  }
}

int QorGlfwGame::ElapsedMillis() {
  return platform.IsInitialised() ? static_cast<int>(platform.Now() * 1000.0) : 0;
}

bool QorGlfwGame::ReadJoystick(int port, float* xs, float* ys, float* zs, bool* buttons) {
  return platform.ReadJoystick(port, xs, ys, zs, buttons);
}

void QorGlfwGame::OpenAddress(const String&) {}

void QorGlfwGame::ShowMouseCursor(bool shown) {
  platform.ShowMouseCursor(shown);
}

void QorGlfwGame::RunLoop() {}
