// Start-up in its fixed order, and the end of the process.
#include "host/entry.h"

#include <cstdlib>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "host/app.h"
#include "host/diagnostics.h"
#include "host/glfw_platform.h"
#include "host/processor_exceptions.h"

int g_argumentCount = 0;
char** g_argumentVector = nullptr;

namespace {

constexpr const char* kWindowTitle = "Parvolt";

[[noreturn]] void FailStart(const char* message) {
  PrintLine(message);
  std::exit(-1);
}

// A resizable double-buffered window without depth or stencil buffer, in the library's
// default colour format; every other hint keeps its default.
GLFWwindow* OpenGameWindow() {
  glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
  glfwWindowHint(GLFW_DEPTH_BITS, 0);
  glfwWindowHint(GLFW_STENCIL_BITS, 0);
  // The title is set after the window has been placed.
  GLFWwindow* window = glfwCreateWindow(kWindowWidth, kWindowHeight, "", nullptr, nullptr);
  if (window) glfwMakeContextCurrent(window);
  return window;
}

}  // namespace

void InitialiseLifecycleGlobals() {
  g_hostGame = QorGame::Current();
  g_app = nullptr;
  g_gameDelegate = nullptr;
  g_updateRate = 0;
}

int ApplicationEntry(int argc, char** argv, const ApplicationHooks& hooks) {
  g_argumentCount = argc;
  g_argumentVector = argv;
  InstallProcessorExceptionConverter();
  // The object collector needs no set-up: its lists start empty. The globals keep their
  // objects alive by holding a reference each, so they need no registering as roots either.
  hooks.initialiseGlobals();
  hooks.createApplication();
  return 0;
}

void RunApplication(QorGlfwGame& host, int argc, char** argv, const ApplicationHooks& hooks) {
  try {
    ApplicationEntry(argc, argv, hooks);
  } catch (const Ref<ThrowableObject>& thrown) {
    host.ReportUncaught(thrown.Get());
  }
  // Without an application object there is nothing to run.
  if (host.AttachedDelegate()) host.RunLoop();
}

WindowOrigin CentredWindowOrigin(int desktopWidth, int desktopHeight) {
  return {(desktopWidth - kWindowWidth) / 2, (desktopHeight - kWindowHeight) / 2};
}

void RunProcess(int argc, char** argv, const ApplicationHooks& hooks) {
  if (!glfwInit()) FailStart("glfwInit failed");
  // Without a video mode (no monitor) the window stays at the desktop's origin.
  const GLFWvidmode* desktop = glfwGetVideoMode(glfwGetPrimaryMonitor());
  const WindowOrigin origin =
      desktop ? CentredWindowOrigin(desktop->width, desktop->height) : WindowOrigin{0, 0};
  GLFWwindow* window = OpenGameWindow();
  if (!window) FailStart("glfwOpenWindow failed");
  glfwSetWindowPos(window, origin.x, origin.y);
  glfwSetWindowTitle(window, kWindowTitle);

  // The platform and the host live until the process ends.
  static GlfwPlatform platform(window);
  auto* host = new QorVindleGame(platform);
  host->Retain();
  RunApplication(*host, argc, argv, hooks);
  platform.Terminate();
  std::exit(0);
}
