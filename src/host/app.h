// The application base class c_App, the delegate that turns host events into application
// handler calls, and the globals that tie the host, the application and the delegate together.
#pragma once

#include "audio/audio_engine.h"
#include "graphics/renderer.h"
#include "host/qor_game.h"
#include "input/input_device.h"

class c_App : public Object {
 public:
  // The construction step of every application object: refuses a second one, records this one
  // in g_app, creates the delegate and attaches it to the host.
  c_App();

  virtual int HandleCreate() { return 0; }
  virtual int HandleSuspend() { return 0; }
  virtual int HandleResume() { return 0; }
  virtual int HandleUpdate() { return 0; }
  virtual int HandleLoading() { return 0; }
  virtual int HandleRender() { return 0; }
};

class c_GameDelegate : public QorGameDelegate {
 public:
  void OnHostStart() override;
  void OnHostSuspend() override;
  void OnHostResume() override;
  void OnHostUpdate() override;
  void OnHostRender() override;
  void OnHostKey(int event, int data) override;
  void OnHostMouse(int event, int data, float x, float y) override;
  void OnHostTouch(int event, int data, float x, float y) override;
  void OnHostMotion(int event, int data, float x, float y, float z) override;
  void OnHostGraphicsLost() override;

  // The devices, created at the start event and kept for the life of the process.
  Ref<gxtkGraphics> graphics;
  Ref<gxtkAudio> audio;
  Ref<c_InputDevice> input;
};

extern c_App* g_app;
extern c_GameDelegate* g_gameDelegate;
extern int g_updateRate;

void SetAppUpdateRate(int hertz);
int AppMillis();
