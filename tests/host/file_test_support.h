// Shared pieces of the file-service tests: a host platform that does nothing (the file
// services never reach it), fresh temporary folders, and whole-file reads and writes.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "host/glfw_game.h"

class InertPlatform : public HostPlatform {
 public:
  bool IsInitialised() override { return false; }
  double Now() override { return 0; }
  void Sleep(double) override {}
  void PollEvents() override {}
  void WaitEvents() override {}
  bool IsWindowOpen() override { return false; }
  bool IsIconified() override { return false; }
  bool IsActive() override { return true; }
  void InstallCallbacks(QorGlfwGame*) override {}
  bool ReadJoystick(int, float*, float*, float*, bool*) override { return false; }
  void ShowMouseCursor(bool) override {}
};

// A new empty folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "parvolt-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::filesystem::path path;
};

// Makes a temporary folder the working directory for the object's lifetime.
class TempWorkingFolder : public TempFolder {
 public:
  TempWorkingFolder() : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~TempWorkingFolder() { std::filesystem::current_path(previous); }

 private:
  std::filesystem::path previous;
};

inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}
