// The key-code table of the GLFW host.
#include "host/key_codes.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace {

// Keys whose character events carry the key code with this bit set, so the application can
// tell them from typed characters.
constexpr int kSpecialKeyCharacterBit = 65536;
constexpr int kDeleteCharacter = 127;

struct KeyMapping {
  int glfwKey;
  int code;
};

// Keys whose GLFW code differs from the host code. Digits, letters and space coincide.
constexpr KeyMapping kKeyMappings[] = {
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
    {GLFW_KEY_UP, 38},
    {GLFW_KEY_DOWN, 40},
    {GLFW_KEY_LEFT, 37},
    {GLFW_KEY_RIGHT, 39},
    {GLFW_KEY_LEFT_SHIFT, kKeyCodeShift},
    {GLFW_KEY_RIGHT_SHIFT, kKeyCodeShift},
    {GLFW_KEY_LEFT_CONTROL, kKeyCodeControl},
    {GLFW_KEY_RIGHT_CONTROL, kKeyCodeControl},
    {GLFW_KEY_TAB, 9},
    {GLFW_KEY_ENTER, 13},
    {GLFW_KEY_BACKSPACE, 8},
    {GLFW_KEY_INSERT, 45},
    {GLFW_KEY_DELETE, 46},
    {GLFW_KEY_PAGE_UP, 33},
    {GLFW_KEY_PAGE_DOWN, 34},
    {GLFW_KEY_HOME, 36},
    {GLFW_KEY_END, 35},
};

// F1 to F12 are consecutive in both numberings.
constexpr int kFirstFunctionKeyCode = 112;

}  // namespace

int HostKeyCode(int glfwKey) {
  if (glfwKey == GLFW_KEY_SPACE) return glfwKey;
  if (glfwKey >= GLFW_KEY_0 && glfwKey <= GLFW_KEY_9) return glfwKey;
  if (glfwKey >= GLFW_KEY_A && glfwKey <= GLFW_KEY_Z) return glfwKey;
  if (glfwKey >= GLFW_KEY_F1 && glfwKey <= GLFW_KEY_F12) {
    return kFirstFunctionKeyCode + (glfwKey - GLFW_KEY_F1);
  }
  for (const KeyMapping& mapping : kKeyMappings) {
    if (mapping.glfwKey == glfwKey) return mapping.code;
  }
  return 0;
}

int KeyCharacterCode(int keyCode) {
  switch (keyCode) {
    case 8:
    case 9:
    case 13:
    case 27:
      return keyCode;
    case 46:
      return kDeleteCharacter;
    default:
      break;
  }
  if ((keyCode >= 33 && keyCode <= 40) || keyCode == 45) return keyCode + kSpecialKeyCharacterBit;
  return 0;
}
