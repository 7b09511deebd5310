// Translation of window reports into host events.
#include "host/window_events.h"

#include <algorithm>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "host/key_codes.h"

namespace {

constexpr int kMaxJoystickAxes = 6;
constexpr int kMaxJoystickButtons = 32;
// Left, right and middle; other buttons produce no event.
constexpr int kMouseButtonCount = 3;

// GLFW reports a key press and then the characters it types. Set while the latest press was
// of a key the game never sees (a keypad key, say), so that its characters are dropped too:
// such a key produces no event at all. One window, one thread: a plain flag does.
bool g_typingIgnoredKey = false;

}  // namespace

void OnWindowKey(QorGame& game, int glfwKey, int action) {
  const int code = HostKeyCode(glfwKey);
  if (action != GLFW_RELEASE) g_typingIgnoredKey = code == 0;
  if (code == 0) return;
  if (action == GLFW_RELEASE) {
    game.DispatchKey(kEventKeyUp, code);
    return;
  }
  game.DispatchKey(kEventKeyDown, code);
  const int character = KeyCharacterCode(code);
  if (character != 0) game.DispatchKey(kEventChar, character);
}

void OnWindowCharacter(QorGame& game, unsigned int character) {
  if (g_typingIgnoredKey) return;
  game.DispatchKey(kEventChar, static_cast<int>(character));
}

void OnWindowMouseButton(QorGame& game, int button, int action, double x, double y) {
  if (button < 0 || button >= kMouseButtonCount) return;
  const int event = action == GLFW_PRESS ? kEventMouseDown : kEventMouseUp;
  game.DispatchMouse(event, button, static_cast<float>(x), static_cast<float>(y));
}

void OnWindowCursorMove(QorGame& game, double x, double y) {
  game.DispatchMouse(kEventMouseMove, -1, static_cast<float>(x), static_cast<float>(y));
}

void OnWindowCloseRequest(QorGame& game) {
  // Down and up together: the application sees one press and never a held key.
  game.DispatchKey(kEventKeyDown, kKeyCodeCloseRequest);
  game.DispatchKey(kEventKeyUp, kKeyCodeCloseRequest);
}

void ArrangeJoystickReadings(const float* axes, int axisCount, const unsigned char* buttons,
                             int buttonCount, float* xs, float* ys, float* zs, bool* pressed) {
  axisCount = std::clamp(axisCount, 0, kMaxJoystickAxes);
  float p[kMaxJoystickAxes] = {};
  std::copy(axes, axes + axisCount, p);
  // Common pads: a four-axis pad's third axis moves to the fifth place (stick 1), a five-axis
  // pad has its fourth and fifth axes the other way round.
  if (axisCount == 4) {
    p[4] = p[2];
    p[2] = 0;
  } else if (axisCount == 5) {
    std::swap(p[3], p[4]);
  }
  xs[0] = p[0];
  xs[1] = p[3];
  ys[0] = p[1];
  ys[1] = p[4];
  zs[0] = p[2];
  zs[1] = p[5];
  buttonCount = std::clamp(buttonCount, 0, kMaxJoystickButtons);
  for (int i = 0; i < buttonCount; ++i) pressed[i] = buttons[i] == GLFW_PRESS;
}
