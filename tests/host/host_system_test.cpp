// The real binaries under a fresh virtual X server, as a player would start them: the window's
// title, size, place and resizability; no display; the close button; keys through GLFW; an
// iconify under a window manager.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/process.h"
#include "support/x_display.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

// The event-log application on its own display, logging into a temporary file.
class EventLogRun : public testing::Test {
 protected:
  void Start(VirtualDisplay::Manager manager) {
    display = std::make_unique<VirtualDisplay>(manager);
    ASSERT_TRUE(display->Ready());
    char pattern[] = "/tmp/parvolt-events-XXXXXX";
    close(mkstemp(pattern));
    logPath = pattern;
    app = std::make_unique<ChildProgram>(
        std::vector<std::string>{HOST_EVENT_APP},
        std::vector<std::string>{display->Environment(), "PARVOLT_EVENT_LOG=" + logPath});
    window = display->WaitForWindow(app->Pid());
    ASSERT_FALSE(window.empty()) << app->Err();
    ASSERT_TRUE(WaitForEntry("update"));
  }
  void TearDown() override {
    app.reset();
    display.reset();
    if (!logPath.empty()) unlink(logPath.c_str());
  }

  // The log without the per-update and per-frame lines.
  std::vector<std::string> Events() const {
    std::vector<std::string> events;
    std::istringstream lines(ReadFile(logPath));
    for (std::string line; std::getline(lines, line);) {
      if (line != "update" && line != "render") events.push_back(line);
    }
    return events;
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> all;
    std::istringstream lines(ReadFile(logPath));
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    return all;
  }
  bool WaitForEntry(const std::string& entry, int count = 1) const {
    return WaitUntil(
        [&] {
          const std::vector<std::string> lines = Lines();
          return std::count(lines.begin(), lines.end(), entry) >= count;
        },
        10.0);
  }

  std::unique_ptr<VirtualDisplay> display;
  std::unique_ptr<ChildProgram> app;
  std::string window;
  std::string logPath;
};

}  // namespace

TEST(GameWindow, OpensResizable640x480TitledParvoltAndCentred) {
  VirtualDisplay display;
  ASSERT_TRUE(display.Ready());
  ChildProgram game({PARVOLT_GAME, "--ignored", "-x"}, {display.Environment()});
  const std::string window = display.WaitForWindow(game.Pid());
  ASSERT_FALSE(window.empty()) << game.Out() << game.Err();
  const std::string info = display.Run("xwininfo -id " + window);
  EXPECT_NE(info.find("Absolute upper-left X:  640\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Absolute upper-left Y:  300\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Width: 640\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Height: 480\n"), std::string::npos) << info;
  const std::string properties = display.Run("xprop -id " + window + " WM_NAME WM_NORMAL_HINTS");
  EXPECT_NE(properties.find("WM_NAME(STRING) = \"Parvolt\""), std::string::npos) << properties;
  // A fixed-size window announces equal minimum and maximum sizes.
  EXPECT_EQ(properties.find("maximum size"), std::string::npos) << properties;
  EXPECT_TRUE(game.Running());
  EXPECT_EQ(game.Out(), "");
}

TEST(GameWindow, WithoutADisplayStartUpFails) {
  ChildProgram game({PARVOLT_GAME}, {"-DISPLAY", "-WAYLAND_DISPLAY"});
  EXPECT_EQ(game.WaitExit(20.0), 255);
  EXPECT_EQ(game.Out(), "glfwInit failed\n");
  EXPECT_EQ(game.Err(), "");
}

TEST(GameWindow, WithoutOpenGLTheWindowCannotOpen) {
  VirtualDisplay display(VirtualDisplay::kNoWindowManager, {"-extension", "GLX"});
  ASSERT_TRUE(display.Ready());
  ChildProgram game({PARVOLT_GAME}, {display.Environment()});
  EXPECT_EQ(game.WaitExit(20.0), 255);
  EXPECT_EQ(game.Out(), "glfwOpenWindow failed\n");
  EXPECT_EQ(game.Err(), "");
}

TEST_F(EventLogRun, TheCloseButtonIsOnlyAKeyPairAndTheApplicationDecidesToQuit) {
  Start(VirtualDisplay::kNoWindowManager);
  std::vector<std::string> expected = Events();
  display->RequestClose(window);
  ASSERT_TRUE(WaitForEntry("key 2 432"));
  // The window stays open and the loop goes on.
  const size_t linesAfterClose = Lines().size();
  ASSERT_TRUE(WaitUntil([&] { return Lines().size() > linesAfterClose + 10; }, 10.0));
  EXPECT_TRUE(app->Running());
  int status = -1;
  display->Run("xwininfo -id " + window, &status);
  EXPECT_EQ(status, 0) << "the window still exists";
  expected.insert(expected.end(), {"key 1 432", "key 2 432"});
  EXPECT_EQ(Events(), expected) << "the pair and nothing else";

  // The application quits on the second request, through the empty error: silently, status 0.
  display->RequestClose(window);
  EXPECT_EQ(app->WaitExit(10.0), 0);
  EXPECT_EQ(app->Out(), "");
  EXPECT_EQ(app->Err(), "");
}

TEST_F(EventLogRun, KeysArriveMappedWithTheirCharacters) {
  Start(VirtualDisplay::kNoWindowManager);
  // Keypad plus (which types "+") and Alt give nothing; the last key marks the end.
  for (const char* key : {"Prior", "KP_Add", "Alt_L", "a", "Delete"}) {
    display->Run(std::string("xdotool key --window ") + window + " " + key);
  }
  ASSERT_TRUE(WaitForEntry("key 2 46"));
  std::vector<std::string> keys;
  for (const std::string& event : Events()) {
    if (event.rfind("key ", 0) == 0) keys.push_back(event);
  }
  EXPECT_EQ(keys,
            (std::vector<std::string>{"key 1 33", "key 3 65569", "key 2 33", "key 1 65", "key 3 97",
                                      "key 2 65", "key 1 46", "key 3 127", "key 2 46"}));
}

TEST_F(EventLogRun, IconifySuspendsOnceAndTheRestoreResumesWithAnUpdate) {
  Start(VirtualDisplay::kWithWindowManager);
  display->Run("xdotool windowminimize --sync " + window);
  ASSERT_TRUE(WaitForEntry("suspend"));
  usleep(500 * 1000);
  display->Run("xdotool windowactivate --sync " + window);
  ASSERT_TRUE(WaitForEntry("resume"));
  ASSERT_TRUE(WaitForEntry("update", 5));

  const std::vector<std::string> lines = Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "suspend"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "resume"), 1);
  const auto suspend = std::find(lines.begin(), lines.end(), "suspend");
  const auto resume = std::find(lines.begin(), lines.end(), "resume");
  for (auto line = suspend; line != resume; ++line) {
    EXPECT_NE(*line, "update");
    EXPECT_NE(*line, "render") << "no frame while iconified";
  }
  ASSERT_NE(resume + 1, lines.end());
  EXPECT_EQ(*(resume + 1), "update") << "the first pass after the resume updates at once";
}
