// Reclamation of counted objects and the live-object list.
#include "host/object.h"

#include <gtest/gtest.h>

namespace {

struct Tracked : Object {
  explicit Tracked(bool* deleted, Ref<Object> held = nullptr) : deleted(deleted), held(held) {}
  ~Tracked() override { *deleted = true; }
  bool* deleted;
  Ref<Object> held;
};

}  // namespace

TEST(Object, IsDeletedAtTheCollectionAfterItsLastReferenceGoes) {
  bool innerDeleted = false, outerDeleted = false;
  Ref<Tracked> inner = New<Tracked>(&innerDeleted);
  Tracked* innerAddress = inner.Get();
  Ref<Tracked> outer = New<Tracked>(&outerDeleted, inner);
  inner = nullptr;
  CollectGarbage();
  EXPECT_FALSE(innerDeleted) << "still held by outer";
  EXPECT_TRUE(Object::IsLive(innerAddress));
  outer = nullptr;
  EXPECT_FALSE(outerDeleted) << "deletion waits for the collection step";
  CollectGarbage();
  EXPECT_TRUE(outerDeleted);
  EXPECT_TRUE(innerDeleted);
  EXPECT_FALSE(Object::IsLive(innerAddress));
}

TEST(Object, TakenUpAgainBeforeTheCollectionSurvives) {
  bool deleted = false;
  Tracked* raw = new Tracked(&deleted);
  { Ref<Tracked> first(raw); }
  Ref<Tracked> second(raw);
  CollectGarbage();
  EXPECT_FALSE(deleted);
  second = nullptr;
  CollectGarbage();
  EXPECT_TRUE(deleted);
}

TEST(Object, CommonOperationsUseIdentity) {
  Ref<Object> a = New<Object>(), b = New<Object>();
  EXPECT_TRUE(a->Equals(a.Get()));
  EXPECT_FALSE(a->Equals(b.Get()));
  EXPECT_EQ(a->Compare(a.Get()), 0);
  EXPECT_EQ(a->Compare(b.Get()), -b->Compare(a.Get()));
  EXPECT_EQ(a->DebugText(), String("+Object\n"));
}
