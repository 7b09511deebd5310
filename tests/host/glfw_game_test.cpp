// The host loop's schedule, driven by a fake clock and scripted window events: sleeping until
// an update is due, catch-up batches of at most four updates, the idle wait at rate 0 and the
// suspension while the window is iconified.
#include "host/glfw_game.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "host/event_log_delegate.h"
#include "support/fake_platform.h"

namespace {

constexpr double kPeriod = 1.0 / 60;

class HostLoop : public testing::Test {
 protected:
  void SetUp() override {
    host.AttachDelegate(delegate.Get());
    // Like the game: the rate is set while starting.
    delegate->onStart = [this] { host.ChangeUpdateRate(60); };
  }

  // The log from the entry `from` on, as one text: "update render update render".
  std::string LogFrom(size_t from) const {
    std::string text;
    for (size_t i = from; i < delegate->log.size(); ++i) {
      text += (text.empty() ? "" : " ") + delegate->log[i];
    }
    return text;
  }
  size_t IndexOf(const std::string& entry) const {
    const auto& log = delegate->log;
    return static_cast<size_t>(std::find(log.begin(), log.end(), entry) - log.begin());
  }

  FakePlatform platform;
  QorVindleGame host{platform};
  Ref<EventLogDelegate> delegate = New<EventLogDelegate>();
};

}  // namespace

TEST_F(HostLoop, RendersOnceBeforeTheFirstUpdateThenOneFramePerUpdate) {
  platform.CloseAt(3.5 * kPeriod);
  host.RunLoop();
  EXPECT_EQ(platform.callbacksFor, &host);
  EXPECT_EQ(LogFrom(0), "start render update render update render update render");
  // Each sleep lasts until the next update is due.
  ASSERT_EQ(platform.sleeps.size(), 4u);
  for (double sleep : platform.sleeps) EXPECT_NEAR(sleep, kPeriod, 1e-9);
}

TEST_F(HostLoop, AnUpdateSlowerThanFourPeriodsRunsFourThenOneFrameThenRestartsTheSchedule) {
  int updates = 0;
  delegate->onUpdate = [&] {
    if (++updates == 1) platform.now += 5 * kPeriod;
  };
  platform.CloseAt(6.5 * kPeriod);
  host.RunLoop();
  // Catching up would run two updates before the second frame; the dropped backlog leaves
  // one update, due at once, and then a full period of sleep.
  EXPECT_EQ(LogFrom(0), "start render update update update update render update render");
  ASSERT_EQ(platform.sleeps.size(), 2u);
  EXPECT_NEAR(platform.sleeps[0], kPeriod, 1e-9);
  EXPECT_NEAR(platform.sleeps[1], kPeriod, 1e-9);
}

TEST_F(HostLoop, RateZeroInsideAnUpdateEndsTheBatchAndTheLoopWaitsForEvents) {
  delegate->onUpdate = [&] {
    // Behind by three periods: without the rate change this would be a batch of four.
    platform.now += 3 * kPeriod;
    host.ChangeUpdateRate(0);
  };
  platform.At(1.0, [&] { host.DispatchKey(1, 65); });
  host.RunLoop();
  EXPECT_EQ(LogFrom(0), "start render update render render key 1 65 render");
  // Waits for the scripted key, then once more; with nothing left to wait for, the window
  // closes.
  EXPECT_EQ(platform.waits, 2);
  EXPECT_EQ(platform.sleeps.size(), 1u) << "only the sleep before the first update";
}

TEST_F(HostLoop, WithoutARateTheLoopOnlyRendersWhenEventsArrive) {
  delegate->onStart = nullptr;
  platform.At(0.25, [&] { host.DispatchMouse(6, -1, 5, 6); });
  host.RunLoop();
  EXPECT_EQ(LogFrom(0), "start render render mouse 6 -1 5 6 render");
  EXPECT_TRUE(platform.sleeps.empty());
}

TEST_F(HostLoop, IconifyGivesOneSuspendAndOneResumeWithAnUpdateAtOnceAfterTheResume) {
  // Like the game: 5 updates a second while suspended, 60 again on resume.
  delegate->onSuspend = [&] { host.ChangeUpdateRate(5); };
  double resumedAt = -1, firstUpdateAfterResume = -1;
  delegate->onResume = [&] {
    host.ChangeUpdateRate(60);
    resumedAt = platform.now;
  };
  delegate->onUpdate = [&] {
    if (resumedAt >= 0 && firstUpdateAfterResume < 0) firstUpdateAfterResume = platform.now;
  };
  platform.At(0.1, [&] {
    platform.iconified = true;
    platform.active = false;
  });
  platform.At(0.15, [&] { host.DispatchKey(1, 32); });
  // Restored but not yet active: still suspended.
  platform.At(0.3, [&] { platform.iconified = false; });
  platform.At(0.5, [&] { platform.active = true; });
  platform.CloseAt(0.5 + 2.5 * kPeriod);
  host.RunLoop();

  EXPECT_EQ(delegate->Count("suspend"), 1);
  EXPECT_EQ(delegate->Count("resume"), 1);
  const size_t suspend = IndexOf("suspend"), resume = IndexOf("resume");
  ASSERT_LT(suspend, resume);
  // Input still arrives while suspended; updates and frames do not.
  const std::vector<std::string> between(delegate->log.begin() + suspend + 1,
                                         delegate->log.begin() + resume);
  EXPECT_EQ(between, std::vector<std::string>{"key 1 32"});
  EXPECT_EQ(LogFrom(resume).substr(0, 20), "resume update render");
  EXPECT_EQ(resumedAt, 0.5);
  EXPECT_EQ(firstUpdateAfterResume, 0.5) << "no sleep between the resume and the update";
  EXPECT_GT(platform.waits, 0) << "suspended, the loop waits instead of sleeping";
  EXPECT_FALSE(host.IsSuspended());
}

TEST_F(HostLoop, ReturnsAtOnceWithoutAWindow) {
  platform.windowOpen = false;
  host.RunLoop();
  EXPECT_EQ(platform.callbacksFor, nullptr);
  EXPECT_EQ(LogFrom(0), "start render");
  EXPECT_EQ(platform.polls, 0);
}

TEST(GlfwHostClock, MillisecondsAndRateChangesFollowThePlatformClock) {
  FakePlatform platform;
  QorVindleGame host(platform);
  struct Case {
    double seconds;
    int millis;
  };
  for (const Case& c : {Case{0, 0}, Case{0.0009999, 0}, Case{1.2345, 1234}, Case{99.9999, 99999}}) {
    platform.now = c.seconds;
    EXPECT_EQ(host.ElapsedMillis(), c.millis) << c.seconds;
  }
  platform.initialised = false;
  EXPECT_EQ(host.ElapsedMillis(), 0);
  host.ChangeUpdateRate(0);
  EXPECT_EQ(host.GetUpdateRate(), 0);
}
