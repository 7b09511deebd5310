// Root object, the live-object list and the deferred deletion queue.
#include "host/object.h"

namespace {

Object* g_liveHead = nullptr;
int g_liveCount = 0;
Object* g_queueHead = nullptr;

}  // namespace

Object::Object() {
  liveNext = g_liveHead;
  if (g_liveHead) g_liveHead->livePrev = this;
  g_liveHead = this;
  ++g_liveCount;
}

Object::~Object() {
  if (livePrev) {
    livePrev->liveNext = liveNext;
  } else {
    g_liveHead = liveNext;
  }
  if (liveNext) liveNext->livePrev = livePrev;
  --g_liveCount;
}

void Object::Mark() {}

bool Object::Equals(const Object* other) const {
  return this == other;
}

int Object::Compare(const Object* other) const {
  if (this == other) return 0;
  return this < other ? -1 : 1;
}

String Object::DebugText() const {
  return String("+Object\n");
}

void Object::Release() {
  if (--references > 0 || queued) return;
  queued = true;
  nextQueued = g_queueHead;
  g_queueHead = this;
}

bool Object::IsLive(const void* address) {
  for (const Object* object = g_liveHead; object; object = object->liveNext) {
    if (object == address) return true;
  }
  return false;
}

int Object::LiveCount() {
  return g_liveCount;
}

void CollectGarbage() {
  // Deleting an object releases what it holds, which may queue more objects: repeat until the
  // queue stays empty.
  while (g_queueHead) {
    Object* batch = g_queueHead;
    g_queueHead = nullptr;
    while (batch) {
      Object* object = batch;
      batch = object->nextQueued;
      object->queued = false;
      object->nextQueued = nullptr;
      // Taken up again by a new reference after it was queued: it stays.
      if (object->references <= 0) delete object;
    }
  }
}
