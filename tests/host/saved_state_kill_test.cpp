// A process killed at any moment of a save leaves the saved-state file holding one complete
// state: the one before that save or the one it was writing.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>

#include "host/file_test_support.h"

namespace {

constexpr int kRounds = 200;
// About 250 KB of UTF-8 per save, written over many pages, so that a cut can land anywhere.
constexpr int kStateUnits = 100000;

// State number `serial`: its number, a body whose length depends on it, and an end marker,
// mixing one-, two- and three-byte code units so that a cut can fall inside a sequence.
String BuildState(long serial) {
  // Seven code units: a character above U+FFFF is two of them.
  static const char16_t kPalette[] = u"0\u00E9|9\u20AC\U0001F600";
  const std::string number = "#" + std::to_string(serial) + "|";
  std::u16string units(number.begin(), number.end());
  const int bodyLength = kStateUnits + static_cast<int>(serial % 97) * 31;
  for (int i = 0; i < bodyLength; ++i) units.push_back(kPalette[(i + serial) % 7]);
  units += u"|end";
  return String(std::u16string_view(units));
}

// The serial of a complete state, or -1 for anything else.
long CompleteStateSerial(const String& text) {
  const std::string narrow = text.Slice(0, 24).Narrow();
  if (narrow.empty() || narrow[0] != '#') return -1;
  const long serial = std::strtol(narrow.c_str() + 1, nullptr, 10);
  return text == BuildState(serial) ? serial : -1;
}

// Saves new states until killed, telling the parent through `ready` as each save begins.
[[noreturn]] void SaveForever(QorGlfwGame& host, long firstSerial, int ready) {
  for (long serial = firstSerial;; ++serial) {
    const String state = BuildState(serial);
    if (write(ready, "s", 1) != 1 || host.StoreState(state) != 0) _exit(1);
  }
}

// The longest of a few saves here and now: kill moments are spread over about one save, so
// they fall inside saves on a fast machine and a slow one (sanitizers, load) alike.
std::chrono::microseconds MeasureSave(QorGlfwGame& host) {
  const String state = BuildState(0);
  std::chrono::steady_clock::duration longest{};
  for (int i = 0; i < 3; ++i) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(host.StoreState(state), 0);
    longest = std::max(longest, std::chrono::steady_clock::now() - start);
  }
  return std::chrono::duration_cast<std::chrono::microseconds>(longest);
}

TEST(SavedStateUnderKill, AlwaysHoldsOneCompleteState) {
  TempWorkingFolder folder;
  IdlePlatform platform;
  QorGlfwGame host(platform);
  const std::chrono::microseconds saveTime = MeasureSave(host);

  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<long> killDelayMicros(0, saveTime.count() * 3 / 2);
  long lastSerial = 0;
  int roundsCutInsideASave = 0;
  for (int round = 1; round <= kRounds; ++round) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForever(host, round * 1000L, ready[1]);
    close(ready[1]);
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1) << "the saving child failed in round " << round;
    std::this_thread::sleep_for(std::chrono::microseconds(killDelayMicros(random)));
    kill(child, SIGKILL);
    close(ready[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself in round " << round;

    const long serial = CompleteStateSerial(host.FetchState());
    ASSERT_NE(serial, -1) << "no complete state after round " << round;
    // Old or new: never an older state than the one seen before.
    ASSERT_GE(serial, lastSerial) << "round " << round;
    lastSerial = serial;

    // A temporary file left behind shows that this kill fell inside a save.
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
      if (entry.path().filename() == ".vindlestate") continue;
      ++roundsCutInsideASave;
      std::filesystem::remove(entry.path());
    }
  }
  std::printf("saves take %ld us; %d of %d kills fell inside a save\n",
              static_cast<long>(saveTime.count()), roundsCutInsideASave, kRounds);
  EXPECT_GT(roundsCutInsideASave, kRounds / 4);
  EXPECT_GT(lastSerial, 0) << "no save completed in any round";
}

}  // namespace
