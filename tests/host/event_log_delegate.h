// A host delegate that writes every event it receives into a log, one short line each
// ("start", "update", "key 1 432", "mouse 4 0 10 20"), and runs optional test code on the
// lifecycle events.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/qor_game.h"

class EventLogDelegate : public QorGameDelegate {
 public:
  std::vector<std::string> log;
  std::function<void()> onStart, onSuspend, onResume, onUpdate, onRender;

  void OnHostStart() override { Record("start", onStart); }
  void OnHostSuspend() override { Record("suspend", onSuspend); }
  void OnHostResume() override { Record("resume", onResume); }
  void OnHostUpdate() override { Record("update", onUpdate); }
  void OnHostRender() override { Record("render", onRender); }
  void OnHostKey(int event, int data) override {
    log.push_back("key " + std::to_string(event) + " " + std::to_string(data));
  }
  void OnHostMouse(int event, int data, float x, float y) override {
    log.push_back("mouse " + std::to_string(event) + " " + std::to_string(data) + " " + Number(x) +
                  " " + Number(y));
  }
  void OnHostTouch(int event, int data, float x, float y) override {
    log.push_back("touch " + std::to_string(event) + " " + std::to_string(data) + " " + Number(x) +
                  " " + Number(y));
  }
  void OnHostMotion(int event, int, float, float, float) override {
    log.push_back("motion " + std::to_string(event));
  }
  void OnHostGraphicsLost() override { log.push_back("graphics lost"); }

  // How many entries equal `entry`.
  int Count(const std::string& entry) const {
    int count = 0;
    for (const std::string& line : log) count += line == entry;
    return count;
  }

 private:
  void Record(const char* entry, const std::function<void()>& hook) {
    log.push_back(entry);
    if (hook) hook();
  }
  static std::string Number(float value) {
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
  }
};
