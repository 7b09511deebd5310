// Opening a web address or file with the desktop's opener program.
#pragma once

#include <string>

// Starts `xdg-open address` without a shell and returns at once; the result is ignored and a
// missing opener is silent. The opener runs detached, so it never lingers as a zombie.
void StartDesktopOpener(const std::string& address);
