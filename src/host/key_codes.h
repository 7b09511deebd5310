// The host's key codes: the window system's keys mapped onto the Windows virtual-key numbers
// the input device and the game use, and the few keys that also type a character.
#pragma once

// Key codes outside the keyboard that this host produces.
constexpr int kKeyCodeShift = 16;
constexpr int kKeyCodeControl = 17;
constexpr int kKeyCodeCloseRequest = 432;

// The host key code of a GLFW key, or 0 for a key the game never sees (Alt, the keypad, F13
// and beyond, lock keys, ...). Both shift keys give 16, both control keys 17.
int HostKeyCode(int glfwKey);

// The character event a pressed key produces besides its key-down, or 0 for none: backspace,
// tab, enter and escape type their own code, page and arrow keys and insert their key code
// with bit 16 set, delete 127.
int KeyCharacterCode(int keyCode);
