// Whole games with the real binary under a fresh X server, played with keyboard and mouse as a
// player would: start, steer, pause, end the game, the tables and the saved file, a restart,
// the credits; an iconify during play, and the close button during play.
//
// With PARVOLT_SCREENSHOTS set to a folder, the runs leave PNG screenshots of what they saw
// there.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/process.h"
#include "support/x_display.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

struct Colour {
  int red, green, blue;
};

std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == '|') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::string ReadFile(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

void Pause(double seconds) {
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// A working folder with the generated data, and the game started in it on a display.
class GameRun {
 public:
  GameRun(const VirtualDisplay& display, const std::string& folder) : display(display) {
    const std::string previous = std::filesystem::current_path().string();
    std::filesystem::current_path(folder);
    game = std::make_unique<ChildProgram>(
        std::vector<std::string>{PARVOLT_GAME},
        std::vector<std::string>{display.Environment(), "ALSOFT_DRIVERS=null"});
    std::filesystem::current_path(previous);
    window = display.WaitForWindow(game->Pid());
    // Loading and the title's slide-in.
    Pause(1.5);
  }

  bool HasWindow() const { return !window.empty(); }
  ChildProgram& Program() { return *game; }
  const std::string& Window() const { return window; }

  // A key held across a few updates, as the menus need.
  void HoldKey(const std::string& key) const {
    Xdo("keydown --window " + window + " " + key);
    Pause(0.15);
    Xdo("keyup --window " + window + " " + key);
    Pause(0.1);
  }
  void MoveTo(int x, int y) const {
    Xdo("mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y));
    Pause(0.03);
  }
  void Click(int x, int y) const {
    MoveTo(x, y);
    Xdo("mousedown 1");
    Pause(0.1);
    Xdo("mouseup 1");
    Pause(0.1);
  }
  // Holds the button and sweeps the pointer from side to side for about `seconds`, in one
  // chain of xdotool commands so that the steps keep their pace.
  void SweepDrag(double seconds) const {
    std::string chain = "mousemove --window " + window + " 320 400 sleep 0.03 mousedown 1";
    const int steps = static_cast<int>(seconds / 0.03);
    for (int i = 0; i < steps; ++i) {
      const int phase = i % 60;
      const int x = 320 + (phase < 30 ? phase : 60 - phase) * 3 - 45;
      chain += " mousemove --window " + window + " " + std::to_string(x) + " 400 sleep 0.03";
    }
    Xdo(chain + " mouseup 1");
  }

  // The window's pixels, row by row, 3 bytes each.
  std::string Pixels() const { return display.Run("import -window " + window + " -depth 8 rgb:-"); }
  static Colour At(const std::string& pixels, int x, int y) {
    const size_t at = (static_cast<size_t>(y) * kWidth + static_cast<size_t>(x)) * 3;
    if (pixels.size() < at + 3) return {-1, -1, -1};
    return {static_cast<unsigned char>(pixels[at]), static_cast<unsigned char>(pixels[at + 1]),
            static_cast<unsigned char>(pixels[at + 2])};
  }
  void Screenshot(const std::string& name) const {
    const char* folder = std::getenv("PARVOLT_SCREENSHOTS");
    if (folder) display.Run("import -window " + window + " " + folder + "/" + name + ".png");
  }

 private:
  void Xdo(const std::string& arguments) const { display.Run("xdotool " + arguments); }

  const VirtualDisplay& display;
  std::unique_ptr<ChildProgram> game;
  std::string window;
};

bool IsOrange(Colour c) {
  return c.red > 170 && c.green > 90 && c.green < 170 && c.blue < 80;
}

// The middle of the settings panel's orange body, found as the longest orange run in the
// column x = 200 (at least 40 pixels, taller than any explosion), or -1 without a panel.
int PanelCentre(const std::string& pixels) {
  int bestStart = 0, bestLength = 0, runStart = 0;
  for (int y = 0; y <= kHeight; ++y) {
    if (y < kHeight && IsOrange(GameRun::At(pixels, 200, y))) continue;
    if (y - runStart > bestLength) {
      bestStart = runStart;
      bestLength = y - runStart;
    }
    runStart = y + 1;
  }
  return bestLength >= 40 ? bestStart + bestLength / 2 : -1;
}

// Fully open, the panel's centre rests at half the screen height, or up to 23 units lower
// where the last step of its slide overshot.
bool ShowsOpenPanel(const std::string& pixels) {
  const int centre = PanelCentre(pixels);
  return centre >= kHeight / 2 - 4 && centre <= kHeight / 2 + 27;
}

// The right-hand panel of the title screen with both tables.
std::string TablePixels(const std::string& pixels) {
  std::string region;
  for (int y = 40; y < 400 && pixels.size() >= kWidth * kHeight * 3; ++y) {
    region += pixels.substr((static_cast<size_t>(y) * kWidth + 500) * 3, 140 * 3);
  }
  return region;
}

// The tables once the title has settled: two pictures in a row agree (a slow machine may still
// be loading or sliding the screen in).
std::string SettledTablePixels(const GameRun& run) {
  std::string previous = TablePixels(run.Pixels());
  std::string current;
  WaitUntil(
      [&] {
        current = TablePixels(run.Pixels());
        const bool settled = current == previous;
        previous = current;
        return settled;
      },
      10.0);
  return current;
}

class GameSystem : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/parvolt-play-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    std::filesystem::create_directory_symlink(std::string(PARVOLT_BINARY_DIR) + "/data",
                                              folder + "/data");
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  std::string StateFile() const { return folder + "/.vindlestate"; }

  std::string folder;
};

}  // namespace

TEST_F(GameSystem, AWholeGameEndsInBothTablesIsSavedAndLoadsAgain) {
  VirtualDisplay display(VirtualDisplay::kWithWindowManager);
  ASSERT_TRUE(display.Ready());
  std::string tablesAfterGame;
  {
    GameRun run(display, folder);
    ASSERT_TRUE(run.HasWindow()) << run.Program().Err();
    const std::string freshTables = SettledTablePixels(run);
    run.HoldKey("space");
    // Long enough for some shots to find their enemies.
    run.SweepDrag(4);
    run.Screenshot("play-blur-on");
    run.SweepDrag(4);
    run.HoldKey("Escape");
    Pause(0.5);
    run.Screenshot("panel");
    ASSERT_TRUE(ShowsOpenPanel(run.Pixels()));
    run.Click(320, 120);  // the blur switch: off
    run.Click(320, 248);  // resume
    run.SweepDrag(3);
    run.Screenshot("play-blur-off");
    run.HoldKey("Escape");
    Pause(0.5);
    run.Click(180, 184);  // end the game
    Pause(0.3);
    // The yellow band of the game-over overlay grows from the left.
    const Colour band = GameRun::At(run.Pixels(), 60, 216);
    EXPECT_GT(band.red, 90);
    EXPECT_GT(band.green, 90);
    EXPECT_LT(band.blue, 60);
    run.Screenshot("game-over");
    Pause(2.5);
    run.Screenshot("title-after-game");
    const std::vector<std::string> fields = SplitFields(ReadFile(StateFile()));
    ASSERT_EQ(fields.size(), 99u);
    // The first top score and the latest recent score of the table in play.
    EXPECT_NE(fields[56], "0");
    EXPECT_EQ(fields[57], fields[56]);
    EXPECT_EQ(fields[2], "8");  // the blur switched off
    tablesAfterGame = SettledTablePixels(run);
    EXPECT_NE(tablesAfterGame, freshTables);
    display.RequestClose(run.Window());
    EXPECT_EQ(run.Program().WaitExit(5), 0);
  }
  GameRun again(display, folder);
  ASSERT_TRUE(again.HasWindow());
  // Every block of the file passed its checksum.
  const std::string out = again.Program().Out();
  for (const char* line : {"Settings Loaded", "Badges Loaded", "Highscore 0 Loaded",
                           "Highscore 1 Loaded", "Highscore 2 Loaded"}) {
    EXPECT_NE(out.find(line), std::string::npos) << line << " in:\n" << out;
  }
  EXPECT_EQ(out.find("Invalid"), std::string::npos);
  EXPECT_EQ(SettledTablePixels(again), tablesAfterGame);
  // The credits: the test card's top row starts green at its left.
  again.Click(570, 440);
  Pause(1);
  again.Screenshot("credits");
  const Colour topLeft = GameRun::At(again.Pixels(), 53, 10);
  EXPECT_GT(topLeft.green, 200);
  EXPECT_LT(topLeft.red, 60);
  EXPECT_LT(topLeft.blue, 60);
}

TEST_F(GameSystem, AnIconifyDuringPlayOpensThePanelFullyAtOnce) {
  VirtualDisplay display(VirtualDisplay::kWithWindowManager);
  ASSERT_TRUE(display.Ready());
  GameRun run(display, folder);
  ASSERT_TRUE(run.HasWindow());
  run.HoldKey("space");
  Pause(0.5);
  ASSERT_FALSE(ShowsOpenPanel(run.Pixels()));
  display.Run("xdotool windowminimize --sync " + run.Window());
  Pause(0.5);
  display.Run("xdotool windowactivate --sync " + run.Window());
  // A panel sliding in would show up higher first; this one is in place in the first picture
  // that shows it at all.
  int centre = -1;
  WaitUntil(
      [&] {
        centre = PanelCentre(run.Pixels());
        return centre >= 0;
      },
      3.0);
  EXPECT_NEAR(centre, kHeight / 2, 6);
  // Saved by the suspend.
  EXPECT_TRUE(std::filesystem::exists(StateFile()));
}

TEST_F(GameSystem, TheCloseButtonDuringPlayEndsWithStatusZeroAndSavesNothing) {
  VirtualDisplay display;
  ASSERT_TRUE(display.Ready());
  GameRun run(display, folder);
  ASSERT_TRUE(run.HasWindow());
  run.HoldKey("space");
  run.SweepDrag(1);
  display.RequestClose(run.Window());
  EXPECT_EQ(run.Program().WaitExit(5), 0);
  EXPECT_FALSE(std::filesystem::exists(StateFile()));
}
