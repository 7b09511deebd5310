// A HostPlatform for tests: runs the real host loop without a window or real time passing.
//
//   FakePlatform platform;                         // initialised, window open and active
//   QorVindleGame host(platform);
//   platform.At(0.5, [&] { platform.iconified = true; });
//   platform.CloseAt(2.0);                         // the loop returns at the first poll after
//   host.RunLoop();
//
// For a whole application on it: create the host, call InitialiseLifecycleGlobals() (so that
// g_hostGame is this host), construct the application object (it attaches its delegate), then
// run the loop.
//
// The clock (`now`, seconds) moves only when the loop sleeps (by exactly the requested time),
// when it waits for events (to the next scripted event), or when a test sets it, for example
// from inside an update to make that update slow. Scripted events run inside PollEvents once
// the clock has reached their time, in the order they were added. A wait with no scripted event
// left closes the window, since nothing could ever wake it; and after `maxPolls` polls the
// window closes too, so a faulty loop fails its test instead of hanging.
#pragma once

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "host/glfw_game.h"

class FakePlatform : public HostPlatform {
 public:
  // Window state as the loop reads it.
  bool initialised = true;
  bool windowOpen = true;
  bool iconified = false;
  bool active = true;
  bool cursorShown = true;

  double now = 0;
  std::vector<double> sleeps;  // every Sleep request, in seconds
  int polls = 0;
  int waits = 0;
  int maxPolls = 100000;
  QorGlfwGame* callbacksFor = nullptr;  // the host that installed its callbacks

  // What ReadJoystick reports for port 0; other ports are absent.
  bool joystickPresent = false;
  float joystickAxes[6] = {};
  bool joystickButtons[32] = {};

  // Runs `action` in the first PollEvents at or after `time`.
  void At(double time, std::function<void()> action) {
    events.push_back({time, std::move(action)});
  }
  void CloseAt(double time) {
    At(time, [this] { windowOpen = false; });
  }

  bool IsInitialised() override { return initialised; }
  double Now() override { return now; }
  void Sleep(double seconds) override {
    sleeps.push_back(seconds);
    now += seconds;
  }
  void PollEvents() override {
    if (++polls >= maxPolls) windowOpen = false;
    // Run every due event, including ones the actions add.
    for (size_t i = 0; i < events.size();) {
      if (events[i].time <= now) {
        std::function<void()> action = std::move(events[i].action);
        events.erase(events.begin() + static_cast<long>(i));
        action();
        i = 0;
      } else {
        ++i;
      }
    }
  }
  void WaitEvents() override {
    ++waits;
    if (events.empty()) {
      windowOpen = false;
      return;
    }
    const auto next =
        std::min_element(events.begin(), events.end(),
                         [](const Event& a, const Event& b) { return a.time < b.time; });
    now = std::max(now, next->time);
  }
  bool IsWindowOpen() override { return initialised && windowOpen; }
  bool IsIconified() override { return iconified; }
  bool IsActive() override { return active; }
  void InstallCallbacks(QorGlfwGame* game) override { callbacksFor = game; }
  bool ReadJoystick(int port, float* xs, float* ys, float* zs, bool* buttons) override {
    if (port != 0 || !joystickPresent) return false;
    xs[0] = joystickAxes[0];
    ys[0] = joystickAxes[1];
    zs[0] = joystickAxes[2];
    xs[1] = joystickAxes[3];
    ys[1] = joystickAxes[4];
    zs[1] = joystickAxes[5];
    std::copy(joystickButtons, joystickButtons + 32, buttons);
    return true;
  }
  void ShowMouseCursor(bool shown) override { cursorShown = shown; }

 private:
  struct Event {
    double time;
    std::function<void()> action;
  };
  std::vector<Event> events;
};

// A platform with no window system at all, for hosts that only serve files and decoding: the
// windowing library counts as not initialised, so the host's clock reads 0.
class IdlePlatform : public FakePlatform {
 public:
  IdlePlatform() {
    initialised = false;
    windowOpen = false;
  }
};
