// The dispatch rules shared by every host: the guards, the flags, the reclamation step after
// each delegate call and the report of a thrown runtime object.
#include "host/qor_game.h"

#include <gtest/gtest.h>

#include <functional>

#include "host/event_log_delegate.h"
#include "support/child_process.h"

namespace {

struct Dispatch {
  const char* name;
  std::function<void(QorGame&)> call;
  const char* logged;
};

const Dispatch kDispatches[] = {
    {"suspend", [](QorGame& g) { g.DispatchSuspend(); }, "suspend"},
    {"resume", [](QorGame& g) { g.DispatchResume(); }, "resume"},
    {"update", [](QorGame& g) { g.DispatchUpdate(); }, "update"},
    {"render", [](QorGame& g) { g.DispatchRender(); }, "render"},
    {"key", [](QorGame& g) { g.DispatchKey(1, 65); }, "key 1 65"},
    {"mouse", [](QorGame& g) { g.DispatchMouse(4, 0, 10, 20); }, "mouse 4 0 10 20"},
    {"touch", [](QorGame& g) { g.DispatchTouch(7, 1, 3, 4); }, "touch 7 1 3 4"},
    {"motion", [](QorGame& g) { g.DispatchMotion(10, 0, 1, 2, 3); }, "motion 10"},
    {"graphics lost", [](QorGame& g) { g.DispatchGraphicsLost(); }, "graphics lost"},
};

class Dispatching : public testing::Test {
 protected:
  void SetUp() override { host.AttachDelegate(delegate.Get()); }

  // An object whose last reference went: it is deleted by the next reclamation step.
  const void* QueueGarbage() {
    Ref<Object> garbage = New<Object>();
    return garbage.Get();
  }

  QorGame host;
  Ref<EventLogDelegate> delegate = New<EventLogDelegate>();
};

}  // namespace

TEST_F(Dispatching, BeforeTheStartEverythingButTheStartIsDropped) {
  for (const Dispatch& dispatch : kDispatches) {
    const void* garbage = QueueGarbage();
    dispatch.call(host);
    EXPECT_TRUE(delegate->log.empty()) << dispatch.name;
    EXPECT_TRUE(Object::IsLive(garbage)) << dispatch.name << ": a dropped event reclaims nothing";
    CollectGarbage();
  }
  EXPECT_FALSE(host.HasStarted());
  EXPECT_FALSE(host.IsSuspended());
}

TEST_F(Dispatching, StartsOnceAndReclaimsAfterEachDelegateCall) {
  bool startedDuringCall = false;
  delegate->onStart = [&] { startedDuringCall = host.HasStarted(); };
  const void* garbage = QueueGarbage();
  host.DispatchStart();
  EXPECT_TRUE(startedDuringCall) << "the flag changes before the delegate runs";
  EXPECT_FALSE(Object::IsLive(garbage));
  host.DispatchStart();
  EXPECT_EQ(delegate->Count("start"), 1);

  for (const Dispatch& dispatch : kDispatches) {
    garbage = QueueGarbage();
    dispatch.call(host);
    EXPECT_EQ(delegate->log.back(), dispatch.logged) << dispatch.name;
    EXPECT_FALSE(Object::IsLive(garbage)) << dispatch.name;
  }
}

TEST_F(Dispatching, SuspensionStopsOnlyUpdates) {
  host.DispatchStart();
  host.DispatchResume();
  EXPECT_EQ(delegate->Count("resume"), 0) << "not suspended";

  bool suspendedDuringCall = false;
  delegate->onSuspend = [&] { suspendedDuringCall = host.IsSuspended(); };
  host.DispatchSuspend();
  host.DispatchSuspend();
  EXPECT_TRUE(suspendedDuringCall);
  EXPECT_EQ(delegate->Count("suspend"), 1);

  delegate->log.clear();
  for (const Dispatch& dispatch : kDispatches) {
    if (std::string(dispatch.name) != "suspend" && std::string(dispatch.name) != "resume") {
      dispatch.call(host);
    }
  }
  EXPECT_EQ(delegate->Count("update"), 0);
  EXPECT_EQ(delegate->log.size(), std::size(kDispatches) - 3) << "all but the update delivered";

  host.DispatchResume();
  EXPECT_FALSE(host.IsSuspended());
  host.DispatchUpdate();
  EXPECT_EQ(delegate->log.back(), "update");
}

TEST_F(Dispatching, ARuntimeObjectThrownByTheDelegateEndsTheProcess) {
  delegate->onUpdate = [] { throw Ref<ThrowableObject>(New<ThrowableObject>()); };
  host.DispatchStart();
  const ChildResult result = RunInChild([&] {
    host.DispatchUpdate();
    std::puts("continued");
  });
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.out, "Vindle Runtime Error : Uncaught Vindle Exception\n");
  EXPECT_EQ(result.err, "");
}

TEST(QorGameServices, FillDateStopsAtTheArrayLength) {
  int date[9] = {-1, -1, -1, -1, -1, -1, -1, -1, -1};
  QorGame host;
  host.FillDate(date, 0);
  EXPECT_EQ(date[0], -1);
  host.FillDate(date, 9);
  EXPECT_GE(date[0], 2024);
  EXPECT_GE(date[1], 1);
  EXPECT_LE(date[1], 12);
  EXPECT_GE(date[2], 1);
  EXPECT_LE(date[2], 31);
  EXPECT_LE(date[3], 23);
  EXPECT_LE(date[4], 59);
  EXPECT_LE(date[5], 60);
  EXPECT_EQ(date[6], 0) << "no milliseconds";
  EXPECT_EQ(date[7], -1);
  EXPECT_EQ(date[8], -1);
  int yearOnly[1] = {-1};
  host.FillDate(yearOnly, 1);
  EXPECT_EQ(yearOnly[0], date[0]);
}
