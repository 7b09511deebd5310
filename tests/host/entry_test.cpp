// The application entry on a scripted platform: the hooks in their order, the loop skipped
// without an application, a runtime object escaping the entry; and the window's placement.
#include "host/entry.h"

#include <signal.h>

#include <gtest/gtest.h>

#include "host/app.h"
#include "support/child_process.h"
#include "support/fake_platform.h"

namespace {

std::string g_steps;

class QuietApp : public c_App {
 public:
  int HandleCreate() override {
    g_steps += " create";
    return 0;
  }
};

void InitialiseGlobals() {
  InitialiseLifecycleGlobals();
  // The converter is in place before any application code runs.
  struct sigaction action = {};
  sigaction(SIGSEGV, nullptr, &action);
  g_steps += (action.sa_flags & SA_ONSTACK) ? "globals(converter)" : "globals";
}

void CreateApp() {
  g_steps += " app";
  new QuietApp();
}

void ThrowFromEntry() {
  throw Ref<ThrowableObject>(New<ThrowableObject>());
}

}  // namespace

TEST(ApplicationEntry, InitialisesGlobalsCreatesTheAppAndRunsTheLoop) {
  FakePlatform platform;
  QorVindleGame host(platform);
  char name[] = "parvolt";
  char option[] = "--fullscreen";
  char* argv[] = {name, option, nullptr};
  g_steps.clear();
  RunApplication(host, 2, argv, {InitialiseGlobals, CreateApp});
  EXPECT_EQ(g_steps, "globals(converter) app create");
  EXPECT_EQ(g_argumentCount, 2);
  EXPECT_EQ(g_hostGame, &host);
  EXPECT_TRUE(host.HasStarted());
}

TEST(ApplicationEntry, WithoutAnApplicationTheLoopIsSkipped) {
  FakePlatform platform;
  QorVindleGame host(platform);
  RunApplication(host, 0, nullptr, {InitialiseLifecycleGlobals, [] {}});
  EXPECT_FALSE(host.HasStarted());
  EXPECT_EQ(platform.polls, 0);
}

TEST(ApplicationEntry, ARuntimeObjectEscapingTheEntryEndsTheProcess) {
  FakePlatform platform;
  QorVindleGame host(platform);
  const ChildResult result = RunInChild([&] {
    RunApplication(host, 0, nullptr, {InitialiseLifecycleGlobals, ThrowFromEntry});
  });
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.out, "Vindle Runtime Error : Uncaught Vindle Exception\n");
  EXPECT_EQ(result.err, "");
}

TEST(WindowPlacement, CentresOnTheDesktopWithoutClamping) {
  struct Case {
    int width, height, x, y;
  };
  for (const Case& c : {Case{1920, 1080, 640, 300}, Case{641, 481, 0, 0}, Case{642, 482, 1, 1},
                        Case{600, 400, -20, -40}, Case{639, 479, 0, 0}}) {
    const WindowOrigin origin = CentredWindowOrigin(c.width, c.height);
    EXPECT_EQ(origin.x, c.x) << c.width;
    EXPECT_EQ(origin.y, c.y) << c.height;
  }
}
