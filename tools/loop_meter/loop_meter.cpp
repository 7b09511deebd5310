// Measures the host loop with an empty application at 60 updates per second in a real window:
// updates and frames per second, the CPU share of the whole process and how often its main
// thread gave up the processor (the loop's sleep, and the replies it waits for from the X server),
// over a measuring period that starts after one second of settling.
//   loop_meter [seconds]      (default 5; needs a display)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "host/app.h"
#include "host/diagnostics.h"
#include "host/entry.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kSettlingSeconds = 1.0;
double g_measuringSeconds = 5.0;

struct Sample {
  Clock::time_point time;
  double cpuSeconds;
  // The times the main thread gave up the processor before its time was up: its sleeps and
  // waits.
  long voluntarySwitches;
};

Sample TakeSample() {
  rusage process = {}, mainThread = {};
  getrusage(RUSAGE_SELF, &process);
  getrusage(RUSAGE_THREAD, &mainThread);
  const double cpu = process.ru_utime.tv_sec + process.ru_stime.tv_sec +
                     (process.ru_utime.tv_usec + process.ru_stime.tv_usec) / 1e6;
  return {Clock::now(), cpu, mainThread.ru_nvcsw};
}

double SecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

class MeterApp : public c_App {
 public:
  int HandleCreate() override {
    SetAppUpdateRate(60);
    created = Clock::now();
    return 0;
  }
  int HandleUpdate() override {
    const Clock::time_point now = Clock::now();
    if (!measuring && SecondsBetween(created, now) >= kSettlingSeconds) {
      measuring = true;
      start = TakeSample();
    }
    if (!measuring) return 0;
    if (SecondsBetween(start.time, now) >= g_measuringSeconds) Report();
    ++updates;
    return 0;
  }
  int HandleRender() override {
    if (measuring) ++frames;
    return 0;
  }

 private:
  [[noreturn]] void Report() {
    const Sample end = TakeSample();
    const double seconds = SecondsBetween(start.time, end.time);
    std::printf("measured over %.2f s after %.0f s of settling\n", seconds, kSettlingSeconds);
    std::printf("updates per second: %.2f\n", updates / seconds);
    std::printf("frames per second: %.2f\n", frames / seconds);
    std::printf("cpu: %.2f %% of one core\n",
                100.0 * (end.cpuSeconds - start.cpuSeconds) / seconds);
    std::printf("main-thread waits per update (its sleep and X round trips): %.2f\n",
                updates
                    ? static_cast<double>(end.voluntarySwitches - start.voluntarySwitches) / updates
                    : 0.0);
    std::fflush(stdout);
    RaiseAppError("");
  }

  Clock::time_point created;
  bool measuring = false;
  Sample start = {};
  long updates = 0;
  long frames = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) g_measuringSeconds = std::atof(argv[1]);
  if (g_measuringSeconds <= 0) g_measuringSeconds = 5.0;
  RunGame<MeterApp>(argc, argv);
}
