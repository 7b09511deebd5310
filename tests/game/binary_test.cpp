// The real game binary, started as a player would under a fresh X server with a window
// manager, in a fresh working directory holding the generated data: an iconify saves the
// state of a new install, and the next start loads it back with its five messages.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/process.h"
#include "support/x_display.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// A fresh working directory with the generated data folder, entered for the test's length.
class FreshWorkDir {
 public:
  FreshWorkDir() {
    char pattern[] = "/tmp/parvolt-binary-XXXXXX";
    path = mkdtemp(pattern);
    previous = std::filesystem::current_path();
    std::filesystem::create_directory_symlink(std::string(PARVOLT_BINARY_DIR) + "/data",
                                              path / "data");
    std::filesystem::current_path(path);
  }
  ~FreshWorkDir() {
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(path);
  }
  std::filesystem::path path;

 private:
  std::filesystem::path previous;
};

// The settings of a new install with their checksum, then 72 zeros: badges and three tables.
std::string NewInstallState() {
  std::string state = "0|4|3|0|0|1|0|0|0|0|64|64|10|0|0|0|0|0|0|0|0|0|0|0|0|1479|";
  for (int i = 0; i < 72; ++i) state += "0|";
  return state;
}

}  // namespace

TEST(GameBinary, AnIconifySavesANewInstallAndTheNextStartLoadsIt) {
  FreshWorkDir workDir;
  VirtualDisplay display(VirtualDisplay::kWithWindowManager);
  ASSERT_TRUE(display.Ready());
  const std::string stateFile = (workDir.path / ".vindlestate").string();
  {
    ChildProgram game({PARVOLT_GAME}, {display.Environment()});
    const std::string window = display.WaitForWindow(game.Pid());
    ASSERT_FALSE(window.empty()) << game.Err();
    usleep(1000 * 1000);  // past the 25 loading updates, on the title screen
    EXPECT_FALSE(std::filesystem::exists(stateFile));
    display.Run("xdotool windowminimize --sync " + window);
    ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(stateFile); }, 10.0));
    usleep(300 * 1000);
    EXPECT_EQ(ReadFile(stateFile), NewInstallState());
    display.Run("xdotool windowactivate --sync " + window);
    display.RequestClose(window);
    EXPECT_EQ(game.WaitExit(10.0), 0);
    EXPECT_EQ(game.Out(), "");
  }
  {
    ChildProgram game({PARVOLT_GAME}, {display.Environment()});
    const std::string window = display.WaitForWindow(game.Pid());
    ASSERT_FALSE(window.empty()) << game.Err();
    display.RequestClose(window);
    EXPECT_EQ(game.WaitExit(10.0), 0);
    EXPECT_EQ(game.Out(),
              "Settings Loaded\nBadges Loaded\nHighscore 0 Loaded\nHighscore 1 Loaded\n"
              "Highscore 2 Loaded\n");
  }
}
