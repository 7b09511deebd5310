// GLFW 3 behind the host loop. The callbacks reach the host through the class-wide pointer of
// the current GLFW host, so they need no user data on the window.
#include "host/glfw_platform.h"

#include <cerrno>
#include <cmath>
#include <ctime>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "host/window_events.h"

namespace {

void KeyCallback(GLFWwindow*, int key, int /*scancode*/, int action, int /*mods*/) {
  OnWindowKey(*QorGlfwGame::CurrentGlfw(), key, action);
}

void CharacterCallback(GLFWwindow*, unsigned int character) {
  OnWindowCharacter(*QorGlfwGame::CurrentGlfw(), character);
}

void MouseButtonCallback(GLFWwindow* window, int button, int action, int /*mods*/) {
  double x = 0, y = 0;
  glfwGetCursorPos(window, &x, &y);
  OnWindowMouseButton(*QorGlfwGame::CurrentGlfw(), button, action, x, y);
}

void CursorPosCallback(GLFWwindow*, double x, double y) {
  OnWindowCursorMove(*QorGlfwGame::CurrentGlfw(), x, y);
}

void CloseCallback(GLFWwindow* window) {
  OnWindowCloseRequest(*QorGlfwGame::CurrentGlfw());
  // Closing is the application's decision: the window stays open.
  glfwSetWindowShouldClose(window, GLFW_FALSE);
}

}  // namespace

int SleepMilliseconds(double seconds) {
  if (seconds < 0.001) return 1;
  return static_cast<int>(std::lround(seconds * 1000.0));
}

GlfwPlatform::GlfwPlatform(GLFWwindow* gameWindow) : window(gameWindow) {}

double GlfwPlatform::Now() {
  return initialised ? glfwGetTime() : 0.0;
}

void GlfwPlatform::Sleep(double seconds) {
  const int millis = SleepMilliseconds(seconds);
  timespec remaining = {millis / 1000, (millis % 1000) * 1000000L};
  while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

void GlfwPlatform::PollEvents() {
  glfwPollEvents();
}

void GlfwPlatform::WaitEvents() {
  glfwWaitEvents();
}

bool GlfwPlatform::IsWindowOpen() {
  return initialised && window && !glfwWindowShouldClose(window);
}

bool GlfwPlatform::IsIconified() {
  return IsWindowOpen() && glfwGetWindowAttrib(window, GLFW_ICONIFIED);
}

bool GlfwPlatform::IsActive() {
  return IsWindowOpen() && glfwGetWindowAttrib(window, GLFW_FOCUSED);
}

void GlfwPlatform::InstallCallbacks(QorGlfwGame*) {
  // GLFW 3 reports auto-repeat as GLFW_REPEAT and never polls on a buffer swap, so there is
  // nothing to switch on or off before the callbacks go in.
  glfwSetKeyCallback(window, KeyCallback);
  glfwSetCharCallback(window, CharacterCallback);
  glfwSetMouseButtonCallback(window, MouseButtonCallback);
  glfwSetCursorPosCallback(window, CursorPosCallback);
  glfwSetWindowCloseCallback(window, CloseCallback);
}

bool GlfwPlatform::ReadJoystick(int port, float* xs, float* ys, float* zs, bool* buttons) {
  if (!initialised || port < GLFW_JOYSTICK_1 || port > GLFW_JOYSTICK_LAST) return false;
  if (!glfwJoystickPresent(port)) return false;
  int axisCount = 0, buttonCount = 0;
  const float* axes = glfwGetJoystickAxes(port, &axisCount);
  const unsigned char* states = glfwGetJoystickButtons(port, &buttonCount);
  // The joystick can go between the calls; then GLFW returns null.
  if (!axes) axisCount = 0;
  if (!states) buttonCount = 0;
  ArrangeJoystickReadings(axes, axisCount, states, buttonCount, xs, ys, zs, buttons);
  return true;
}

void GlfwPlatform::ShowMouseCursor(bool shown) {
  if (!IsWindowOpen()) return;
  glfwSetInputMode(window, GLFW_CURSOR, shown ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
}

void GlfwPlatform::Terminate() {
  glfwTerminate();
  initialised = false;
  window = nullptr;
}
