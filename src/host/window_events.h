// What the window's callbacks do: each GLFW report becomes the host events the application
// sees. Kept apart from the GLFW calls so the translation can run against any host.
#pragma once

#include "host/qor_game.h"

// A key report (GLFW_PRESS, GLFW_REPEAT or GLFW_RELEASE). Auto-repeat counts as a press.
void OnWindowKey(QorGame& game, int glfwKey, int action);
// A typed character, as GLFW reports it after the key press that typed it (and on
// auto-repeat); dropped when that key is one the game never sees.
void OnWindowCharacter(QorGame& game, unsigned int character);
// A mouse-button report; (x, y) is the pointer position at the time of the report.
void OnWindowMouseButton(QorGame& game, int button, int action, double x, double y);
void OnWindowCursorMove(QorGame& game, double x, double y);
// The close button: the application decides whether to quit.
void OnWindowCloseRequest(QorGame& game);

// Joystick readings arranged the way the application expects: stick 0 is the first two axes,
// stick 1 the fourth and fifth (after moving a four-axis pad's second stick there), the z pair
// the third and sixth axis. Buttons beyond `buttonCount` (or 32) are left as they are.
void ArrangeJoystickReadings(const float* axes, int axisCount, const unsigned char* buttons,
                             int buttonCount, float* xs, float* ys, float* zs, bool* pressed);
