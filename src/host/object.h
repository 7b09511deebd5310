// The root object class of the runtime and its reclamation.
// Objects are counted references (Ref<T>); an object whose last reference goes is queued and
// deleted by the next CollectGarbage step, which the host runs after every dispatched event.
// Every live object is also on one list, so an address can be checked before it is used.
#pragma once

#include <cstddef>
#include <utility>

#include "host/text.h"

class Object {
 public:
  Object();
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object();

  // Marks the objects this one holds. Counted references keep them alive already, so the root
  // class has nothing to mark; the operation exists for classes that hold raw links.
  virtual void Mark();
  virtual bool Equals(const Object* other) const;  // identity
  virtual int Compare(const Object* other) const;  // an ordering by identity: -1, 0 or 1
  virtual String DebugText() const;                // "+Object" and a line feed

  void Retain() { ++references; }
  void Release();
  int ReferenceCount() const { return references; }

  // True when `address` is the address of an object that has not been deleted.
  static bool IsLive(const void* address);
  static int LiveCount();

 private:
  friend void CollectGarbage();

  int references = 0;
  bool queued = false;
  Object* livePrev = nullptr;
  Object* liveNext = nullptr;
  Object* nextQueued = nullptr;
};

// One reclamation step: deletes every object whose last reference went since the previous
// step, and whatever those objects held alone.
void CollectGarbage();

// A runtime object that application code throws. The host catches it around every dispatch.
class ThrowableObject : public Object {};

template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}               // NOLINT(google-explicit-constructor)
  Ref(T* pointer) : target(pointer) {  // NOLINT(google-explicit-constructor)
    if (target) target->Retain();
  }
  Ref(const Ref& other) : Ref(other.target) {}
  template <class U>
  Ref(const Ref<U>& other) : Ref(other.Get()) {}  // NOLINT(google-explicit-constructor)
  Ref(Ref&& other) noexcept : target(std::exchange(other.target, nullptr)) {}
  ~Ref() {
    if (target) target->Release();
  }
  Ref& operator=(const Ref& other) {
    Ref(other).Swap(*this);
    return *this;
  }
  Ref& operator=(Ref&& other) noexcept {
    Ref(std::move(other)).Swap(*this);
    return *this;
  }
  Ref& operator=(T* pointer) {
    Ref(pointer).Swap(*this);
    return *this;
  }

  T* Get() const { return target; }
  T* operator->() const { return target; }
  T& operator*() const { return *target; }
  explicit operator bool() const { return target != nullptr; }
  bool operator==(const Ref& other) const { return target == other.target; }
  bool operator==(std::nullptr_t) const { return target == nullptr; }
  void Swap(Ref& other) noexcept { std::swap(target, other.target); }

 private:
  T* target = nullptr;
};

// Creates a counted object.
template <class T, class... Args>
Ref<T> New(Args&&... args) {
  return Ref<T>(new T(std::forward<Args>(args)...));
}
