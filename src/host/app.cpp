// c_App's construction step, the delegate's calls of the application, and the app globals.
#include "host/app.h"

#include "host/diagnostics.h"

c_App* g_app = nullptr;
c_GameDelegate* g_gameDelegate = nullptr;
int g_updateRate = 0;

c_App::c_App() {
  if (g_app) RaiseAppError("App has already been created");
  g_app = this;
  // The application and its delegate live until the process ends: one reference each is held
  // for the globals, which are the roots.
  Retain();
  g_gameDelegate = new c_GameDelegate();
  g_gameDelegate->Retain();
  g_hostGame->AttachDelegate(g_gameDelegate);
}

void c_GameDelegate::OnHostStart() {
  g_app->HandleCreate();
}

void c_GameDelegate::OnHostSuspend() {
  g_app->HandleSuspend();
}

void c_GameDelegate::OnHostResume() {
  g_app->HandleResume();
}

void c_GameDelegate::OnHostUpdate() {
  g_app->HandleUpdate();
}

void c_GameDelegate::OnHostRender() {
  g_app->HandleRender();
}

void c_GameDelegate::OnHostKey(int, int) {}

void c_GameDelegate::OnHostMouse(int, int, float, float) {}

void c_GameDelegate::OnHostTouch(int, int, float, float) {}

void c_GameDelegate::OnHostMotion(int, int, float, float, float) {}

void c_GameDelegate::OnHostGraphicsLost() {}

void SetAppUpdateRate(int hertz) {
  g_updateRate = hertz;
  g_hostGame->ChangeUpdateRate(hertz);
}

int AppMillis() {
  return g_hostGame->ElapsedMillis();
}
