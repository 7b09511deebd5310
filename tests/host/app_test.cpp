// The application lifecycle: the order of the application's handler calls over a run of the
// real host loop (on a scripted platform), the update-rate and clock wrappers, and the refusal
// of a second application object.
#include "host/app.h"

#include <gtest/gtest.h>

#include <string>

#include "host/entry.h"
#include "support/child_process.h"
#include "support/fake_platform.h"

namespace {

constexpr double kPeriod = 1.0 / 60;

// Records its handler calls; sets the rates the game sets.
class LifecycleApp : public c_App {
 public:
  std::string calls;
  std::function<void()> onUpdate;

  int HandleCreate() override { return Call("create", 60); }
  int HandleSuspend() override { return Call("suspend", 5); }
  int HandleResume() override { return Call("resume", 60); }
  int HandleUpdate() override {
    Call("update", -1);
    if (onUpdate) onUpdate();
    return 0;
  }
  int HandleLoading() override { return Call("loading", -1); }
  int HandleRender() override { return Call("render", -1); }

 private:
  int Call(const char* name, int rate) {
    calls += calls.empty() ? name : std::string(" ") + name;
    if (rate >= 0) SetAppUpdateRate(rate);
    return 0;
  }
};

class Lifecycle : public testing::Test {
 protected:
  void SetUp() override {
    InitialiseLifecycleGlobals();
    app = new LifecycleApp();
  }

  FakePlatform platform;
  QorVindleGame host{platform};
  LifecycleApp* app = nullptr;
};

}  // namespace

TEST_F(Lifecycle, ConstructionAttachesTheDelegateToTheHost) {
  EXPECT_EQ(g_hostGame, &host);
  EXPECT_EQ(g_app, app);
  ASSERT_NE(g_gameDelegate, nullptr);
  EXPECT_EQ(host.AttachedDelegate(), g_gameDelegate);
  EXPECT_EQ(app->calls, "") << "no handler runs before the loop";
}

TEST_F(Lifecycle, HandlersRunInTheirFixedOrderAroundAnIconify) {
  platform.At(1.5 * kPeriod, [&] { platform.iconified = true; });
  platform.At(0.5, [&] { host.DispatchKey(1, 65); });
  platform.At(1.0, [&] { platform.iconified = false; });
  platform.CloseAt(1.0 + 1.5 * kPeriod);
  host.RunLoop();
  EXPECT_EQ(app->calls, "create render update render suspend resume update render update render");
  EXPECT_EQ(g_updateRate, 60);
}

TEST_F(Lifecycle, RateZeroInsideAnUpdateStopsUpdates) {
  app->onUpdate = [] { SetAppUpdateRate(0); };
  platform.At(0.5, [] {});
  host.RunLoop();
  EXPECT_EQ(g_updateRate, 0);
  EXPECT_EQ(host.GetUpdateRate(), 0);
  EXPECT_EQ(app->calls, "create render update render render render");
}

TEST_F(Lifecycle, AppMillisReadsTheHostClock) {
  platform.now = 2.5;
  EXPECT_EQ(AppMillis(), 2500);
}

TEST_F(Lifecycle, ASecondApplicationIsARuntimeError) {
  const ChildResult result = RunInChild([] { new LifecycleApp(); });
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.out, "Vindle Runtime Error : App has already been created\n\n");
  EXPECT_EQ(g_app, app);
}
