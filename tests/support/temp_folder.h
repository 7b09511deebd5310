// Fresh temporary folders for tests: one removed with everything in it at the end, and one
// that is also the working directory for its lifetime.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

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

  const std::filesystem::path& Path() const { return path; }

  std::filesystem::path path;
};

class TempWorkingFolder : public TempFolder {
 public:
  TempWorkingFolder() : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~TempWorkingFolder() { std::filesystem::current_path(previous); }

 private:
  std::filesystem::path previous;
};
