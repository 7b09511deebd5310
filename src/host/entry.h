// The process entry and the application entry: initialise GLFW, open and place the window,
// create the host, create the application through the hooks it is given, run the host loop.
// The hooks keep the host library free of any particular application.
#pragma once

#include "host/glfw_game.h"

struct ApplicationHooks {
  // Gives every application global its initial value.
  void (*initialiseGlobals)();
  // Constructs the application object (a c_App subclass), which attaches itself to the host.
  void (*createApplication)();
};

// The host's share of the application's global initialisation: g_hostGame from the host's
// class-wide pointer, no application or delegate yet, update rate 0.
void InitialiseLifecycleGlobals();

// Kept from the command line and never read: the program has no options.
extern int g_argumentCount;
extern char** g_argumentVector;

// Always returns 0; may throw a runtime object out of application code.
int ApplicationEntry(int argc, char** argv, const ApplicationHooks& hooks);

// Runs the application entry, reporting an escaped runtime object, then the host loop if an
// application attached its delegate.
void RunApplication(QorGlfwGame& host, int argc, char** argv, const ApplicationHooks& hooks);

struct WindowOrigin {
  int x;
  int y;
};
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
// Where the window goes to sit centred on a desktop of the given size (no clamping).
WindowOrigin CentredWindowOrigin(int desktopWidth, int desktopHeight);

// The whole process: never returns. Exit status 0 after the loop, 255 when start-up fails.
[[noreturn]] void RunProcess(int argc, char** argv, const ApplicationHooks& hooks);

// The process entry for application class `App`.
template <class App>
[[noreturn]] void RunGame(int argc, char** argv,
                          void (*initialiseGlobals)() = InitialiseLifecycleGlobals) {
  RunProcess(argc, argv, {initialiseGlobals, [] { new App(); }});
}
