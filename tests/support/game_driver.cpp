// The update driver: a fresh working directory, the host over the scripted platform, the real
// application and devices, and helpers that feed input and read the draw-command list.
#include "support/game_driver.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "framework/app_globals.h"
#include "framework/draw_list.h"
#include "graphics/graphics_context.h"

namespace {

constexpr double kUpdatePeriod = 1.0 / 60;
// Updates allowed for one loading sequence before FinishLoading gives up.
constexpr int kLoadingLimit = 100;
constexpr int kMouseLeft = 0;
constexpr const char* kStateFile = ".vindlestate";

// The game as the driver starts it: the headless renderer takes the size the test asked for as
// soon as it exists, before the game first reads it, as a window would have it.
class DrivenGame : public c_MyApp {
 public:
  DrivenGame(int width, int height) : width(width), height(height) {}
  int HandleCreate() override {
    g_graphicsDevice->SetHeadlessSize(width, height);
    return c_MyApp::HandleCreate();
  }

 private:
  int width;
  int height;
};

std::string MakeWorkDir() {
  char pattern[] = "/tmp/parvolt-game-XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("cannot create a temporary directory");
  return pattern;
}

}  // namespace

GameDriver::GameDriver(GameDriverOptions driverOptions)
    : options(std::move(driverOptions)), workDir(MakeWorkDir()) {
  previousDir = std::filesystem::current_path().string();
  std::filesystem::current_path(workDir);
  if (options.withData) {
    std::filesystem::create_directory_symlink(std::string(PARVOLT_BINARY_DIR) + "/data",
                                              workDir + "/data");
  }
  InitAppGlobals();
  application =
      options.createApp ? options.createApp() : new DrivenGame(options.width, options.height);
}

GameDriver::~GameDriver() {
  std::filesystem::current_path(previousDir);
  std::error_code ignored;
  std::filesystem::remove_all(workDir, ignored);
}

void GameDriver::Start() {
  gameHost.DispatchStart();
  g_graphicsDevice->SetHeadlessSize(options.width, options.height);
  gameHost.DispatchRender();
}

void GameDriver::Update() {
  fakePlatform.now += kUpdatePeriod;
  gameHost.DispatchUpdate();
}

void GameDriver::Render() {
  // The loop draws nothing while the window is iconified.
  if (!fakePlatform.iconified) gameHost.DispatchRender();
}

void GameDriver::RunUpdates(int count) {
  for (int i = 0; i < count; ++i) {
    Update();
    Render();
  }
}

int GameDriver::FinishLoading() {
  int updates = 0;
  while (app().loadStep > 0 && updates < kLoadingLimit) {
    RunUpdates(1);
    ++updates;
  }
  return updates;
}

void GameDriver::KeyDown(int code) {
  gameHost.DispatchKey(kEventKeyDown, code);
}

void GameDriver::KeyUp(int code) {
  gameHost.DispatchKey(kEventKeyUp, code);
}

void GameDriver::PressKey(int code) {
  KeyDown(code);
  KeyUp(code);
}

void GameDriver::MouseMove(float x, float y) {
  pointerX = x;
  pointerY = y;
  gameHost.DispatchMouse(kEventMouseMove, -1, x, y);
}

void GameDriver::MouseDown(float x, float y) {
  MouseMove(x, y);
  gameHost.DispatchMouse(kEventMouseDown, kMouseLeft, x, y);
}

void GameDriver::MouseUp() {
  gameHost.DispatchMouse(kEventMouseUp, kMouseLeft, pointerX, pointerY);
}

void GameDriver::Tap(float x, float y) {
  MouseDown(x, y);
  RunUpdates(1);
  MouseUp();
}

void GameDriver::SetStick(float x, float y) {
  fakePlatform.joystickPresent = true;
  fakePlatform.joystickAxes[0] = x;
  fakePlatform.joystickAxes[1] = y;
}

void GameDriver::SetJoystickButton(int button, bool down) {
  fakePlatform.joystickPresent = true;
  fakePlatform.joystickButtons[button] = down;
}

float GameDriver::ToPixels(float units) const {
  return units * app().scaleX;
}

void GameDriver::Resize(int width, int height) {
  g_graphicsDevice->SetHeadlessSize(width, height);
}

void GameDriver::Iconify() {
  fakePlatform.iconified = true;
  gameHost.DispatchSuspend();
}

void GameDriver::Restore() {
  fakePlatform.iconified = false;
  gameHost.DispatchResume();
}

void GameDriver::AdvanceClock(double seconds) {
  fakePlatform.now += seconds;
}

c_MyApp& GameDriver::app() const {
  return static_cast<c_MyApp&>(*application);
}

std::vector<DrawCommand> GameDriver::DrawCommands() const {
  std::vector<DrawCommand> commands;
  const c_MyApp& game = app();
  for (int offset = 0; offset + kCommandSize <= game.drawListLength; offset += kCommandSize) {
    const float* r = game.drawList + offset;
    commands.push_back({r[kCommandKind], r[kCommandX], r[kCommandY], r[kCommandRotation],
                        r[kCommandWidth], r[kCommandHeight], r[kCommandFrame], r[kCommandAlpha],
                        r[kCommandRed], r[kCommandGreen], r[kCommandBlue], r[kCommandBlend]});
  }
  return commands;
}

std::string GameDriver::Glyphs() const {
  std::string glyphs;
  for (const DrawCommand& command : DrawCommands()) {
    if (command.IsImage(app().fontImageId)) glyphs += static_cast<char>(command.frame + 32);
  }
  return glyphs;
}

bool GameDriver::StateFileExists() const {
  return std::filesystem::exists(workDir + "/" + kStateFile);
}

std::string GameDriver::ReadStateFile() const {
  std::ifstream file(workDir + "/" + kStateFile, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void GameDriver::WriteStateFile(const std::string& bytes) const {
  std::ofstream file(workDir + "/" + kStateFile, std::ios::binary);
  file << bytes;
}
