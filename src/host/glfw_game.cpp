// The GLFW host's loop and services. Everything it needs from the window system goes through
// HostPlatform.
#include "host/glfw_game.h"

#include "host/address_opener.h"

namespace {

// A batch of catch-up updates ends after this many; the rest of the backlog is dropped.
constexpr int kMaxUpdatesPerFrame = 4;

}  // namespace

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

void QorGlfwGame::OpenAddress(const String& address) {
  StartDesktopOpener(address.Narrow());
}

void QorGlfwGame::ShowMouseCursor(bool shown) {
  if (platform.IsInitialised()) platform.ShowMouseCursor(shown);
}

void QorGlfwGame::RunLoop() {
  if (platform.IsInitialised() && platform.IsWindowOpen()) platform.InstallCallbacks(this);
  // The application is created and draws its first frame before any update.
  DispatchStart();
  DispatchRender();
  for (;;) {
    if (platform.IsWindowOpen()) platform.PollEvents();
    if (!platform.IsWindowOpen()) return;
    FollowIconify();
    if (updateRate != 0 && !suspended) {
      RunFixedRatePass();
    } else {
      RunIdlePass();
    }
  }
}

void QorGlfwGame::FollowIconify() {
  if (platform.IsIconified()) {
    if (!suspended) {
      suspendedByIconify = true;
      DispatchSuspend();
    }
  } else if (platform.IsActive() && suspended) {
    suspendedByIconify = false;
    DispatchResume();
    // Due at once, whatever rate the application set while resuming.
    nextUpdateTime = platform.Now();
  }
}

void QorGlfwGame::RunFixedRatePass() {
  const double remaining = nextUpdateTime - platform.Now();
  if (remaining > 0) {
    platform.Sleep(remaining);
    return;
  }
  int n = 0;
  do {
    nextUpdateTime += updatePeriod;
    DispatchUpdate();
    // A rate of 0 set by the update ends the batch; the frame is still drawn.
    if (updateRate == 0) break;
    if (nextUpdateTime - platform.Now() > 0) break;
    ++n;
  } while (n < kMaxUpdatesPerFrame);
  DispatchRender();
  // Still behind after a full batch: forget the missed time instead of catching up later.
  if (updateRate != 0 && n == kMaxUpdatesPerFrame) nextUpdateTime = platform.Now();
}

void QorGlfwGame::RunIdlePass() {
  if (!suspendedByIconify) DispatchRender();
  if (platform.IsWindowOpen()) {
    platform.WaitEvents();
    platform.PollEvents();
  }
}
