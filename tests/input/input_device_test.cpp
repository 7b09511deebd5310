// The input device driven as the game sees it: host events dispatched through a real host,
// then updates that poll the joysticks, read the state and clear the per-update counters.
#include "input/input_device.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "host/qor_game.h"

namespace {

struct Pad {
  float sticks[3][2] = {};  // x, y, z pairs as the host arranges them
  std::vector<int> buttonsDown;
};

// A host whose joystick ports are scripted; it records which ports were read.
class ScriptedHost : public QorGame {
 public:
  bool ReadJoystick(int port, float* xs, float* ys, float* zs, bool* buttons) override {
    polled.push_back(port);
    if (!pads[port]) return false;
    for (int i = 0; i < 2; ++i) {
      xs[i] = pads[port]->sticks[0][i];
      ys[i] = pads[port]->sticks[1][i];
      zs[i] = pads[port]->sticks[2][i];
    }
    for (int b = 0; b < 32; ++b) buttons[b] = false;
    for (int b : pads[port]->buttonsDown) buttons[b] = true;
    return true;
  }

  std::optional<Pad> pads[4];
  std::vector<int> polled;
};

// Forwards host events to the device and brackets each update as the application sees it.
class InputDelegate : public QorGameDelegate {
 public:
  void OnHostUpdate() override {
    g_inputDevice->PollJoysticks();
    if (during) during(*g_inputDevice);
    g_inputDevice->ClearFrameInput();
  }
  void OnHostKey(int event, int data) override { g_inputDevice->OnKeyEvent(event, data); }
  void OnHostMouse(int event, int data, float x, float y) override {
    g_inputDevice->OnMouseEvent(event, data, x, y);
  }
  void OnHostTouch(int event, int data, float x, float y) override {
    g_inputDevice->OnTouchEvent(event, data, x, y);
  }
  void OnHostMotion(int event, int data, float x, float y, float z) override {
    g_inputDevice->OnMotionEvent(event, data, x, y, z);
  }

  std::function<void(c_InputDevice&)> during;
};

class InputDeviceTest : public ::testing::Test {
 protected:
  InputDeviceTest() {
    g_hostGame = host.Get();
    host->AttachDelegate(delegate.Get());
    device = New<c_InputDevice>();
    g_inputDevice = device.Get();
    host->DispatchStart();
  }
  ~InputDeviceTest() override {
    g_inputDevice = nullptr;
    g_hostGame = nullptr;
  }

  // Runs one update; `check` sees the device as the application's update handler does.
  void Update(std::function<void(c_InputDevice&)> check = [](c_InputDevice&) {}) {
    bool ran = false;
    delegate->during = [&](c_InputDevice& input) {
      ran = true;
      check(input);
    };
    host->DispatchUpdate();
    delegate->during = nullptr;
    EXPECT_TRUE(ran) << "the update reached the application";
  }

  Ref<ScriptedHost> host = New<ScriptedHost>();
  Ref<InputDelegate> delegate = New<InputDelegate>();
  Ref<c_InputDevice> device;
};

struct KeyCase {
  const char* name;
  std::vector<std::pair<int, int>> events;  // (host event, code) before the update
  int key;
  bool held;
  int count;
};

TEST_F(InputDeviceTest, PressCountsLastExactlyOneUpdate) {
  const KeyCase cases[] = {
      {"pressed and released", {{kEventKeyDown, 65}, {kEventKeyUp, 65}}, 65, false, 1},
      {"pressed and held", {{kEventKeyDown, 32}}, 32, true, 1},
      {"auto-repeated",
       {{kEventKeyDown, 33}, {kEventKeyDown, 33}, {kEventKeyDown, 33}},
       33,
       true,
       3},
      {"close request", {{kEventKeyDown, 432}, {kEventKeyUp, 432}}, 432, false, 1},
      {"released only", {{kEventKeyUp, 13}}, 13, false, 0},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (auto [event, code] : c.events) host->DispatchKey(event, code);
    Update([&](c_InputDevice& input) {
      EXPECT_EQ(input.IsKeyHeld(c.key), c.held);
      EXPECT_EQ(input.KeyPressCount(c.key), c.count);
    });
    Update([&](c_InputDevice& input) {
      EXPECT_EQ(input.IsKeyHeld(c.key), c.held) << "held states persist across updates";
      EXPECT_EQ(input.KeyPressCount(c.key), 0);
    });
    host->DispatchKey(kEventKeyUp, c.key);
  }
}

TEST_F(InputDeviceTest, LeftMouseButtonAndFingerZeroMirrorEachOther) {
  host->DispatchMouse(kEventMouseDown, 0, 10, 20);
  Update([](c_InputDevice& input) {
    for (int code : {1, 384}) {
      EXPECT_TRUE(input.IsKeyHeld(code)) << code;
      EXPECT_EQ(input.KeyPressCount(code), 1) << code;
    }
    EXPECT_EQ(input.PointerX(), 10);
    EXPECT_EQ(input.TouchPointY(0), 20);
  });

  host->DispatchMouse(kEventMouseMove, -1, 30, 40);
  host->DispatchMouse(kEventMouseUp, 0, 50, 60);
  Update([](c_InputDevice& input) {
    EXPECT_FALSE(input.IsKeyHeld(1));
    EXPECT_FALSE(input.IsKeyHeld(384));
    EXPECT_EQ(input.KeyPressCount(1), 0);
    // The release does not move the pointer; the move moved finger 0 as well.
    EXPECT_EQ(input.PointerX(), 30);
    EXPECT_EQ(input.PointerY(), 40);
    EXPECT_EQ(input.TouchPointX(0), 30);
    EXPECT_EQ(input.TouchPointY(0), 40);
  });

  host->DispatchTouch(kEventTouchDown, 0, 5, 6);
  host->DispatchTouch(kEventTouchDown, 3, 7, 8);
  host->DispatchMouse(kEventMouseDown, 1, 5, 6);
  Update([](c_InputDevice& input) {
    EXPECT_TRUE(input.IsKeyHeld(1));
    EXPECT_EQ(input.KeyPressCount(1), 1);
    EXPECT_EQ(input.KeyPressCount(384), 1);
    EXPECT_TRUE(input.IsKeyHeld(387));
    EXPECT_EQ(input.TouchPointX(3), 7);
    EXPECT_EQ(input.PointerX(), 5) << "only finger 0 moves the pointer";
    EXPECT_TRUE(input.IsKeyHeld(2)) << "the right button is code 2 and has no mirror";
    EXPECT_FALSE(input.IsKeyHeld(385));
  });
  host->DispatchTouch(kEventTouchUp, 0, 90, 90);
  Update([](c_InputDevice& input) {
    EXPECT_FALSE(input.IsKeyHeld(1));
    EXPECT_EQ(input.TouchPointX(0), 5);
  });
}

TEST_F(InputDeviceTest, KeepsThirtyTwoCharactersPerUpdate) {
  for (int i = 0; i < 33; ++i) host->DispatchKey(kEventChar, 'a' + i);
  Update([](c_InputDevice& input) {
    for (int i = 0; i < 32; ++i) EXPECT_EQ(input.NextChar(), 'a' + i);
    EXPECT_EQ(input.NextChar(), 0) << "the 33rd character is dropped";
    EXPECT_EQ(input.NextChar(), 0);
  });
  Update([](c_InputDevice& input) { EXPECT_EQ(input.NextChar(), 0); });
  host->DispatchKey(kEventChar, 65536 + 38);
  Update([](c_InputDevice& input) { EXPECT_EQ(input.NextChar(), 65536 + 38); });
}

TEST_F(InputDeviceTest, JoystickButtonCountsOncePerPress) {
  host->pads[0] = Pad{};
  host->pads[1] = Pad{{{0.25f, -0.5f}, {0.75f, 1}, {0, 0}}, {5}};
  const int code = 256 + 32 * 1 + 5;
  const int expectedCounts[] = {1, 0, 0};
  for (int count : expectedCounts) {
    Update([&](c_InputDevice& input) {
      EXPECT_TRUE(input.IsKeyHeld(code));
      EXPECT_EQ(input.KeyPressCount(code), count);
      EXPECT_EQ(input.StickX(0, 1), 0.25f);
      EXPECT_EQ(input.StickX(1, 1), -0.5f);
      EXPECT_EQ(input.StickY(1, 1), 1.0f);
    });
  }
  host->pads[1]->buttonsDown.clear();
  Update([&](c_InputDevice& input) { EXPECT_FALSE(input.IsKeyHeld(code)); });
  host->pads[1]->buttonsDown = {5};
  Update([&](c_InputDevice& input) { EXPECT_EQ(input.KeyPressCount(code), 1); });
}

TEST_F(InputDeviceTest, PortsAboveAnAbsentOneAreNotPolled) {
  struct {
    const char* name;
    std::vector<int> present;
    std::vector<int> polled;
  } const cases[] = {
      {"no joystick", {}, {0}},
      {"only port 1", {1}, {0}},
      {"ports 0 and 1", {0, 1}, {0, 1, 2}},
      {"all ports", {0, 1, 2, 3}, {0, 1, 2, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (auto& pad : host->pads) pad.reset();
    for (int port : c.present) host->pads[port] = Pad{{}, {0}};
    host->polled.clear();
    Update([&](c_InputDevice& input) {
      for (int port = 0; port < 4; ++port) {
        const bool reached = port < static_cast<int>(c.polled.size()) && host->pads[port];
        EXPECT_EQ(input.IsKeyHeld(256 + 32 * port), reached) << port;
      }
    });
    EXPECT_EQ(host->polled, c.polled);
  }
}

TEST_F(InputDeviceTest, OutOfRangeEventsAndQueriesAreHarmless) {
  host->DispatchKey(kEventKeyDown, 0);
  host->DispatchKey(kEventKeyDown, 512);
  host->DispatchKey(kEventKeyDown, -1);
  host->DispatchKey(kEventKeyUp, 100000);
  host->DispatchTouch(kEventTouchDown, 32, 1, 1);
  host->DispatchTouch(kEventTouchMove, -1, 1, 1);
  host->DispatchKey(99, 65);
  Update([](c_InputDevice& input) {
    EXPECT_EQ(input.KeyPressCount(0), 0);
    EXPECT_EQ(input.KeyPressCount(512), 0);
    EXPECT_EQ(input.KeyPressCount(-1), 0);
    EXPECT_FALSE(input.IsKeyHeld(0));
    EXPECT_FALSE(input.IsKeyHeld(-1));
    EXPECT_FALSE(input.IsKeyHeld(512));
    EXPECT_FALSE(input.IsKeyHeld(65)) << "unknown event kinds are ignored";
    EXPECT_EQ(input.TouchPointX(32), 0);
    EXPECT_EQ(input.TouchPointY(-1), 0);
    EXPECT_EQ(input.StickX(2, 0), 0);
    EXPECT_EQ(input.StickY(0, 4), 0);
    EXPECT_EQ(input.PointerX(), 0);
  });
}

TEST_F(InputDeviceTest, ReportsAccelerationAndPassesTheKeyboardRequestToTheHost) {
  host->DispatchMotion(kEventMotion, 0, 0.5f, -0.25f, 1);
  host->DispatchMotion(kEventTouchMove, 0, 9, 9, 9);
  EXPECT_EQ(device->AccelerationX(), 0.5f);
  EXPECT_EQ(device->AccelerationY(), -0.25f);
  EXPECT_EQ(device->RequestKeyboard(true), 1);
  EXPECT_TRUE(host->IsKeyboardInputEnabled());
  EXPECT_EQ(device->RequestKeyboard(false), 1);
  EXPECT_FALSE(host->IsKeyboardInputEnabled());
}

}  // namespace
