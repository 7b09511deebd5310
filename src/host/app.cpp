// c_App's construction step, the delegate's calls of the application, and the app globals.
#include "host/app.h"

#include "graphics/graphics_context.h"
#include "graphics/image.h"
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

// The device steps around the application's handlers: devices exist before HandleCreate, the
// audio pauses after the application's suspend and resumes before its resume, the input is
// polled before and cleared after every update, and every frame is bracketed by the renderer.
void c_GameDelegate::OnHostStart() {
  graphics = New<gxtkGraphics>();
  g_graphicsDevice = graphics.Get();
  UseDefaultFont();
  audio = New<gxtkAudio>();
  g_audioDevice = audio.Get();
  input = New<c_InputDevice>();
  g_inputDevice = input.Get();
  g_app->HandleCreate();
}

void c_GameDelegate::OnHostSuspend() {
  g_app->HandleSuspend();
  audio->SuspendAll();
}

void c_GameDelegate::OnHostResume() {
  audio->ResumeAll();
  g_app->HandleResume();
}

void c_GameDelegate::OnHostUpdate() {
  input->PollJoysticks();
  g_app->HandleUpdate();
  // Press counts and typed characters are seen by exactly one update.
  input->ClearFrameInput();
}

void c_GameDelegate::OnHostRender() {
  const int mode = graphics->BeginFrame();
  if (mode != 0) ResetRenderState();
  // Mode 2: the renderer is still loading.
  if (mode == 2) {
    g_app->HandleLoading();
  } else {
    g_app->HandleRender();
  }
  // Drawing outside a frame has no target.
  if (mode != 0) g_renderDevice = nullptr;
  graphics->EndFrame();
}

void c_GameDelegate::OnHostKey(int event, int data) {
  input->OnKeyEvent(event, data);
}

void c_GameDelegate::OnHostMouse(int event, int data, float x, float y) {
  input->OnMouseEvent(event, data, x, y);
}

void c_GameDelegate::OnHostTouch(int event, int data, float x, float y) {
  input->OnTouchEvent(event, data, x, y);
}

void c_GameDelegate::OnHostMotion(int event, int data, float x, float y, float z) {
  input->OnMotionEvent(event, data, x, y, z);
}

void c_GameDelegate::OnHostGraphicsLost() {
  graphics->DiscardResources();
}

void SetAppUpdateRate(int hertz) {
  g_updateRate = hertz;
  g_hostGame->ChangeUpdateRate(hertz);
}

int AppMillis() {
  return g_hostGame->ElapsedMillis();
}
