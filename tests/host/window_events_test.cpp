// The window's reports as host events: the key-code table, the character events of the
// special keys, mouse buttons and motion, the close request, the joystick arrangement.
#include "host/window_events.h"

#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "host/event_log_delegate.h"
#include "host/key_codes.h"

namespace {

class WindowEvents : public testing::Test {
 protected:
  void SetUp() override {
    host.AttachDelegate(delegate.Get());
    host.DispatchStart();
    delegate->log.clear();
  }

  std::vector<std::string> KeyPress(int glfwKey, int action = GLFW_PRESS) {
    delegate->log.clear();
    OnWindowKey(host, glfwKey, action);
    return delegate->log;
  }

  QorGame host;
  Ref<EventLogDelegate> delegate = New<EventLogDelegate>();
};

using Log = std::vector<std::string>;

}  // namespace

TEST(KeyCodes, MapGlfwKeysOntoTheTable) {
  struct Case {
    int glfwKey;
    int code;
  };
  const Case cases[] = {
      {GLFW_KEY_0, 48},
      {GLFW_KEY_9, 57},
      {GLFW_KEY_A, 65},
      {GLFW_KEY_Z, 90},
      {GLFW_KEY_SPACE, 32},
      {GLFW_KEY_APOSTROPHE, 222},
      {GLFW_KEY_COMMA, 188},
      {GLFW_KEY_MINUS, 189},
      {GLFW_KEY_PERIOD, 190},
      {GLFW_KEY_SLASH, 191},
      {GLFW_KEY_SEMICOLON, 186},
      {GLFW_KEY_EQUAL, 187},
      {GLFW_KEY_LEFT_BRACKET, 219},
      {GLFW_KEY_BACKSLASH, 220},
      {GLFW_KEY_RIGHT_BRACKET, 221},
      {GLFW_KEY_GRAVE_ACCENT, 192},
      {GLFW_KEY_ESCAPE, 27},
      {GLFW_KEY_F1, 112},
      {GLFW_KEY_F12, 123},
      {GLFW_KEY_UP, 38},
      {GLFW_KEY_DOWN, 40},
      {GLFW_KEY_LEFT, 37},
      {GLFW_KEY_RIGHT, 39},
      {GLFW_KEY_LEFT_SHIFT, 16},
      {GLFW_KEY_RIGHT_SHIFT, 16},
      {GLFW_KEY_LEFT_CONTROL, 17},
      {GLFW_KEY_RIGHT_CONTROL, 17},
      {GLFW_KEY_TAB, 9},
      {GLFW_KEY_ENTER, 13},
      {GLFW_KEY_BACKSPACE, 8},
      {GLFW_KEY_INSERT, 45},
      {GLFW_KEY_DELETE, 46},
      {GLFW_KEY_PAGE_UP, 33},
      {GLFW_KEY_PAGE_DOWN, 34},
      {GLFW_KEY_HOME, 36},
      {GLFW_KEY_END, 35},
      // Keys the game never sees.
      {GLFW_KEY_F13, 0},
      {GLFW_KEY_F25, 0},
      {GLFW_KEY_LEFT_ALT, 0},
      {GLFW_KEY_RIGHT_ALT, 0},
      {GLFW_KEY_KP_0, 0},
      {GLFW_KEY_KP_ENTER, 0},
      {GLFW_KEY_KP_ADD, 0},
      {GLFW_KEY_CAPS_LOCK, 0},
      {GLFW_KEY_NUM_LOCK, 0},
      {GLFW_KEY_PAUSE, 0},
      {GLFW_KEY_LEFT_SUPER, 0},
      {GLFW_KEY_MENU, 0},
      {GLFW_KEY_WORLD_1, 0},
      {GLFW_KEY_UNKNOWN, 0},
      {GLFW_KEY_PRINT_SCREEN, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(HostKeyCode(c.glfwKey), c.code) << "GLFW key " << c.glfwKey;
}

TEST_F(WindowEvents, PressesRepeatsAndReleasesBecomeKeyEvents) {
  EXPECT_EQ(KeyPress(GLFW_KEY_A), (Log{"key 1 65"}));
  EXPECT_EQ(KeyPress(GLFW_KEY_A, GLFW_REPEAT), (Log{"key 1 65"})) << "auto-repeat is a press";
  EXPECT_EQ(KeyPress(GLFW_KEY_A, GLFW_RELEASE), (Log{"key 2 65"}));
  EXPECT_EQ(KeyPress(GLFW_KEY_RIGHT_SHIFT, GLFW_RELEASE), (Log{"key 2 16"}));
  EXPECT_EQ(KeyPress(GLFW_KEY_LEFT_CONTROL), (Log{"key 1 17"}));
  for (int unmapped : {GLFW_KEY_LEFT_ALT, GLFW_KEY_KP_5, GLFW_KEY_F13}) {
    for (int action : {GLFW_PRESS, GLFW_REPEAT, GLFW_RELEASE}) {
      EXPECT_EQ(KeyPress(unmapped, action), Log{}) << "GLFW key " << unmapped;
    }
  }
}

TEST_F(WindowEvents, SpecialKeysAlsoTypeACharacter) {
  struct Case {
    int glfwKey;
    int code;
    int character;
  };
  const Case cases[] = {
      {GLFW_KEY_BACKSPACE, 8, 8},         {GLFW_KEY_TAB, 9, 9},
      {GLFW_KEY_ENTER, 13, 13},           {GLFW_KEY_ESCAPE, 27, 27},
      {GLFW_KEY_PAGE_UP, 33, 65536 + 33}, {GLFW_KEY_PAGE_DOWN, 34, 65536 + 34},
      {GLFW_KEY_END, 35, 65536 + 35},     {GLFW_KEY_HOME, 36, 65536 + 36},
      {GLFW_KEY_LEFT, 37, 65536 + 37},    {GLFW_KEY_UP, 38, 65536 + 38},
      {GLFW_KEY_RIGHT, 39, 65536 + 39},   {GLFW_KEY_DOWN, 40, 65536 + 40},
      {GLFW_KEY_INSERT, 45, 65536 + 45},  {GLFW_KEY_DELETE, 46, 127},
  };
  for (const Case& c : cases) {
    const Log expected = {"key 1 " + std::to_string(c.code),
                          "key 3 " + std::to_string(c.character)};
    EXPECT_EQ(KeyPress(c.glfwKey), expected);
    EXPECT_EQ(KeyPress(c.glfwKey, GLFW_REPEAT), expected) << "held keys repeat their character";
    EXPECT_EQ(KeyPress(c.glfwKey, GLFW_RELEASE), Log{"key 2 " + std::to_string(c.code)});
  }
  EXPECT_EQ(KeyPress(GLFW_KEY_SPACE), Log{"key 1 32"}) << "printable keys type through GLFW";
  OnWindowCharacter(host, 0x141);
  EXPECT_EQ(delegate->log.back(), "key 3 321");
}

TEST_F(WindowEvents, KeysTheGameNeverSeesTypeNothingEither) {
  OnWindowKey(host, GLFW_KEY_KP_ADD, GLFW_PRESS);
  OnWindowCharacter(host, '+');
  OnWindowKey(host, GLFW_KEY_KP_1, GLFW_REPEAT);
  OnWindowCharacter(host, '1');
  OnWindowKey(host, GLFW_KEY_KP_1, GLFW_RELEASE);
  EXPECT_EQ(delegate->log, Log{});
  // A key released in between does not change what the latest pressed key types.
  OnWindowKey(host, GLFW_KEY_EQUAL, GLFW_PRESS);
  OnWindowKey(host, GLFW_KEY_RIGHT_ALT, GLFW_RELEASE);
  OnWindowCharacter(host, '=');
  EXPECT_EQ(delegate->log, (Log{"key 1 187", "key 3 61"}));
}

TEST_F(WindowEvents, MouseButtonsMotionAndTheCloseRequest) {
  OnWindowMouseButton(host, GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS, 10.5, 20);
  OnWindowMouseButton(host, GLFW_MOUSE_BUTTON_MIDDLE, GLFW_RELEASE, 1, 2);
  OnWindowMouseButton(host, GLFW_MOUSE_BUTTON_4, GLFW_PRESS, 1, 2);
  OnWindowCursorMove(host, 300.25, -4);
  EXPECT_EQ(delegate->log, (Log{"mouse 4 0 10.5 20", "mouse 5 2 1 2", "mouse 6 -1 300.25 -4"}));

  delegate->log.clear();
  OnWindowCloseRequest(host);
  EXPECT_EQ(delegate->log, (Log{"key 1 432", "key 2 432"}));
}

TEST(Joystick, ReadingsAreArrangedForCommonPads) {
  struct Case {
    int axisCount;
    float xs[2], ys[2], zs[2];
  };
  // Axis i reads i + 1.
  const float axes[6] = {1, 2, 3, 4, 5, 6};
  const Case cases[] = {
      {2, {1, 0}, {2, 0}, {0, 0}},
      {4, {1, 4}, {2, 3}, {0, 0}},  // the third axis moves to stick 1's y
      {5, {1, 5}, {2, 4}, {3, 0}},  // fourth and fifth swap
      {6, {1, 4}, {2, 5}, {3, 6}},
      {9, {1, 4}, {2, 5}, {3, 6}},  // at most six axes
  };
  for (const Case& c : cases) {
    float xs[2] = {9, 9}, ys[2] = {9, 9}, zs[2] = {9, 9};
    bool buttons[32] = {};
    ArrangeJoystickReadings(axes, c.axisCount, nullptr, 0, xs, ys, zs, buttons);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(xs[i], c.xs[i]) << c.axisCount << " axes, x" << i;
      EXPECT_EQ(ys[i], c.ys[i]) << c.axisCount << " axes, y" << i;
      EXPECT_EQ(zs[i], c.zs[i]) << c.axisCount << " axes, z" << i;
    }
  }

  const unsigned char states[3] = {GLFW_PRESS, GLFW_RELEASE, GLFW_PRESS};
  bool buttons[32];
  std::fill(std::begin(buttons), std::end(buttons), true);
  float unused[2];
  ArrangeJoystickReadings(axes, 0, states, 3, unused, unused, unused, buttons);
  EXPECT_TRUE(buttons[0]);
  EXPECT_FALSE(buttons[1]);
  EXPECT_TRUE(buttons[2]);
  EXPECT_TRUE(buttons[3]) << "entries beyond the button count are not written";
}
