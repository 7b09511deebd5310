// A test application on the real entry and host: writes every host event it receives into the
// file named by PARVOLT_EVENT_LOG, one line each ("start", "update", "key 1 432"), runs at the
// game's rates (60, 5 while suspended) and quits, as the game does, on a close request; here
// only on the second one, so that a test can see the window stay open after the first.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/app.h"
#include "host/diagnostics.h"
#include "host/entry.h"

namespace {

std::FILE* g_log = nullptr;

void Log(const std::string& line) {
  if (!g_log) return;
  std::fprintf(g_log, "%s\n", line.c_str());
  std::fflush(g_log);
}

class LoggingDelegate : public c_GameDelegate {
 public:
  void OnHostStart() override {
    Log("start");
    c_GameDelegate::OnHostStart();
  }
  void OnHostSuspend() override {
    Log("suspend");
    c_GameDelegate::OnHostSuspend();
  }
  void OnHostResume() override {
    Log("resume");
    c_GameDelegate::OnHostResume();
  }
  void OnHostUpdate() override {
    Log("update");
    c_GameDelegate::OnHostUpdate();
  }
  void OnHostRender() override {
    Log("render");
    c_GameDelegate::OnHostRender();
  }
  void OnHostKey(int event, int data) override {
    Log("key " + std::to_string(event) + " " + std::to_string(data));
    if (event == 2 && data == 432 && ++closeRequests == 2) RaiseAppError("");
  }
  void OnHostMouse(int event, int data, float x, float y) override {
    Log("mouse " + std::to_string(event) + " " + std::to_string(data) + " " +
        std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
  }

 private:
  int closeRequests = 0;
};

class EventLogApp : public c_App {
 public:
  EventLogApp() {
    const char* path = std::getenv("PARVOLT_EVENT_LOG");
    if (path) g_log = std::fopen(path, "w");
    // Every event goes through the logging delegate instead of the plain one.
    g_hostGame->AttachDelegate(new LoggingDelegate());
  }
  int HandleCreate() override {
    SetAppUpdateRate(60);
    return 0;
  }
  int HandleSuspend() override {
    SetAppUpdateRate(5);
    return 0;
  }
  int HandleResume() override {
    SetAppUpdateRate(60);
    return 0;
  }
};

}  // namespace

int main(int argc, char** argv) {
  RunGame<EventLogApp>(argc, argv);
}
