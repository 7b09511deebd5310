// The update driver for game tests: the real c_MyApp on a test host without a window.
//
//   GameDriver game({.width = 640, .height = 480, .withData = true});
//   game.Start();                 // start event, first frame: the loading sequence begins
//   game.FinishLoading();         // updates until the title screen runs
//   game.Tap(game.ToPixels(320), game.ToPixels(300));
//   game.RunUpdates(10);
//   EXPECT_EQ(game.app().gameState, 10);
//
// What is real: the host (a QorVindleGame over FakePlatform, whose clock moves only when the
// driver advances it), the delegate with its device steps, the input device fed through the
// host's dispatch, the audio engine (OpenAL Soft's null backend), the renderer (headless: no
// OpenGL context, a size the test sets), the saved-state file and the data folder. Each driver
// runs in a fresh temporary working directory, removed again at the end; the generated data
// folder (build/data) is linked in as ./data when asked for.
//
// One update of the driver is one pass of the host loop at 60 updates a second: pending input
// events, the clock advanced by one period, one update, one frame.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/my_app.h"
#include "support/fake_platform.h"

struct GameDriverOptions {
  int width = 640;  // device size of the headless renderer
  int height = 480;
  bool withData = false;  // link the generated data folder in as ./data
  // Creates the application object; the default creates the game.
  std::function<c_App*()> createApp = nullptr;
};

// One record of the draw-command list, decoded.
struct DrawCommand {
  float kind = 0;  // image id (0 or more), or -3717 rectangle, -3716 ellipse, -3715 line
  float x = 0, y = 0;
  float rotation = 0;
  float width = 0, height = 0;  // image scale, size, radii or second end point
  float frame = 0;
  float alpha = 0;
  float red = 0, green = 0, blue = 0;
  float blend = 0;

  bool IsImage(int id) const { return kind == static_cast<float>(id); }
  bool IsRect() const { return kind == -3717; }
  bool IsOval() const { return kind == -3716; }
  bool IsLine() const { return kind == -3715; }
};

class GameDriver {
 public:
  explicit GameDriver(GameDriverOptions options = {});
  ~GameDriver();
  GameDriver(const GameDriver&) = delete;
  GameDriver& operator=(const GameDriver&) = delete;

  // The host's start event and the first frame, as the loop runs them.
  void Start();
  // Passes of the loop: input events so far, one update, one frame.
  void RunUpdates(int count);
  // Runs updates until the loading sequence has finished; returns how many it took.
  int FinishLoading();
  // One update without a frame, and one frame without an update.
  void Update();
  void Render();

  // Input through the host's dispatch, positions in device pixels. Like the events of a real
  // event poll they arrive between updates.
  void KeyDown(int code);
  void KeyUp(int code);
  void PressKey(int code);  // down and up before the next update: one press, never held
  void MouseMove(float x, float y);
  void MouseDown(float x, float y);
  void MouseUp();
  // Button held over one update at (x, y), released before the next.
  void Tap(float x, float y);
  // The first joystick: present, with these stick values and buttons.
  void SetStick(float x, float y);
  void SetJoystickButton(int button, bool down);
  // Game units to device pixels at the scale of the last frame.
  float ToPixels(float units) const;

  // The window: a new size (noticed by the next frame), iconify and restore.
  void Resize(int width, int height);
  void Iconify();
  void Restore();
  // Moves the clock without running anything.
  void AdvanceClock(double seconds);

  c_MyApp& app() const;
  c_App& baseApp() const { return *application; }
  QorVindleGame& host() { return gameHost; }
  FakePlatform& platform() { return fakePlatform; }
  std::vector<DrawCommand> DrawCommands() const;
  // The characters of every glyph of the bitmap font in the list, in order (spaces and
  // line breaks draw nothing, so they do not appear).
  std::string Glyphs() const;

  // The temporary working directory and the saved-state file in it.
  const std::string& WorkDir() const { return workDir; }
  bool StateFileExists() const;
  std::string ReadStateFile() const;
  void WriteStateFile(const std::string& bytes) const;

 private:
  GameDriverOptions options;
  std::string workDir;
  std::string previousDir;
  FakePlatform fakePlatform;
  QorVindleGame gameHost{fakePlatform};
  c_App* application = nullptr;
  float pointerX = 0, pointerY = 0;
};
