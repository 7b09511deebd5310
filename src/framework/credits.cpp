// The credits screen drawn over the title screen, and the credits lines it scrolls.
#include "framework/app_globals.h"
#include "game/my_app.h"

void InitCreditsLines() {
  static const char* const kLines[kCreditsLineCount] = {
      "",
      "A Game by",
      "(author)",
      "(author's address)",
      "",
      "-=-=-",
      "",
      "Developed using",
      "(tool)",
      "(tool's address)",
      "",
      "-=-=-",
      "",
      "Graphics",
      "",
      "Most graphics by",
      "(author)",
      "",
      "Font : EditUndo",
      "(font credit)",
      "Lowercase added by",
      "(author)",
      "",
      "",
      "-=-=-",
      "",
      "Audio",
      "",
      "Sound and Music by",
      "(author)",
      "(music tool)",
      "(sound tool)",
      "(audio editor)",
      "or whatever else",
      "was handy!",
      "",
      "",
      "-=-=-",
      "End",
  };
  for (int i = 0; i < kCreditsLineCount; ++i) g_creditsLines[i] = kLines[i];
}

void c_MyApp::UpdateCredits() {}
