// The application's access to the saved-state file, through the host object g_hostGame.
#pragma once

#include "host/text.h"

// The host's status unchanged: 0 stored, -1 the file cannot be created, -2 not fully written.
int SaveAppState(const String& text);
// The stored text, or "" when there is none.
String LoadAppState();
