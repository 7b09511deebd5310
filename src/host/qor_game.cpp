// QorGame: the base host's inert services and the dispatch rules shared by every host.
#include "host/qor_game.h"

#include <cstdlib>
#include <ctime>

#include "host/diagnostics.h"

QorGame* QorGame::current = nullptr;
QorGame* g_hostGame = nullptr;

QorGame::QorGame() {
  current = this;
}

void QorGame::AttachDelegate(QorGameDelegate* newDelegate) {
  delegate = newDelegate;
}

QorGameDelegate* QorGame::AttachedDelegate() {
  return delegate.Get();
}

void QorGame::EnableKeyboardInput(bool enabled) {
  keyboardInputEnabled = enabled;
}

bool QorGame::IsKeyboardInputEnabled() {
  return keyboardInputEnabled;
}

void QorGame::ChangeUpdateRate(int hertz) {
  updateRate = hertz;
}

int QorGame::GetUpdateRate() {
  return updateRate;
}

bool QorGame::HasStarted() {
  return started;
}

bool QorGame::IsSuspended() {
  return suspended;
}

int QorGame::ElapsedMillis() {
  return 0;
}

void QorGame::FillDate(int* values, int length) {
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  localtime_r(&now, &local);
  // Milliseconds are not provided: the seventh element is 0.
  const int fields[7] = {local.tm_year + 1900,
                         local.tm_mon + 1,
                         local.tm_mday,
                         local.tm_hour,
                         local.tm_min,
                         local.tm_sec,
                         0};
  for (int i = 0; i < length && i < 7; ++i) values[i] = fields[i];
}

bool QorGame::ReadJoystick(int, float*, float*, float*, bool*) {
  return false;
}

void QorGame::OpenAddress(const String&) {}

void QorGame::ShowMouseCursor(bool) {}

String QorGame::MapResourcePath(const String&) {
  return String();
}

void QorGame::ReportUncaught(ThrowableObject*) {
  PrintLine("Vindle Runtime Error : Uncaught Vindle Exception");
  std::exit(-1);
}

void QorGame::CollectGarbage() {
  ::CollectGarbage();
}

// Every dispatch: if the guard fails nothing happens at all; otherwise the flags change, the
// delegate runs inside a guard for thrown runtime objects, and one reclamation step follows.
#define QOR_GUARDED_CALL(call)                     \
  do {                                             \
    try {                                          \
      if (delegate) delegate->call;                \
    } catch (const Ref<ThrowableObject>& thrown) { \
      ReportUncaught(thrown.Get());                \
    }                                              \
    CollectGarbage();                              \
  } while (false)

void QorGame::DispatchStart() {
  if (started) return;
  started = true;
  QOR_GUARDED_CALL(OnHostStart());
}

void QorGame::DispatchSuspend() {
  if (!started || suspended) return;
  suspended = true;
  QOR_GUARDED_CALL(OnHostSuspend());
}

void QorGame::DispatchResume() {
  if (!started || !suspended) return;
  suspended = false;
  QOR_GUARDED_CALL(OnHostResume());
}

void QorGame::DispatchUpdate() {
  if (!started || suspended) return;
  QOR_GUARDED_CALL(OnHostUpdate());
}

void QorGame::DispatchRender() {
  if (!started) return;
  QOR_GUARDED_CALL(OnHostRender());
}

void QorGame::DispatchKey(int event, int data) {
  if (!started) return;
  QOR_GUARDED_CALL(OnHostKey(event, data));
}

void QorGame::DispatchMouse(int event, int data, float x, float y) {
  if (!started) return;
  QOR_GUARDED_CALL(OnHostMouse(event, data, x, y));
}

void QorGame::DispatchTouch(int event, int data, float x, float y) {
  if (!started) return;
  QOR_GUARDED_CALL(OnHostTouch(event, data, x, y));
}

void QorGame::DispatchMotion(int event, int data, float x, float y, float z) {
  if (!started) return;
  QOR_GUARDED_CALL(OnHostMotion(event, data, x, y, z));
}

void QorGame::DispatchGraphicsLost() {
  if (!started) return;
  QOR_GUARDED_CALL(OnHostGraphicsLost());
}

#undef QOR_GUARDED_CALL

unsigned char* QorGame::LoadImagePixels(const String&, int*, int*, int*) {
  return nullptr;
}

void* QorGame::LoadSoundSamples(const String&, int*, int*, int*, int*) {
  return nullptr;
}
