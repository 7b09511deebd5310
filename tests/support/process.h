// Starting real programs from tests: the game binary, test applications, X tools.
//
//   ChildProgram game({PARVOLT_BINARY_DIR "/parvolt"}, {"DISPLAY=:5", "-WAYLAND_DISPLAY"});
//   std::optional<int> status = game.WaitExit(5.0);   // nullopt: still running
//   std::string text = game.Out();
//
// Environment changes are "NAME=value" (set) or "-NAME" (removed); everything else is
// inherited. Standard input is /dev/null, standard output and error go to temporary files. A
// program still running when its ChildProgram goes is killed (that process only) and reaped.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace process_detail {

inline int TemporaryFile() {
  char name[] = "/tmp/parvolt-output-XXXXXX";
  const int fd = mkstemp(name);
  unlink(name);
  return fd;
}

inline std::string ReadFrom(int fd) {
  std::string text;
  char block[4096];
  ssize_t count;
  for (off_t offset = 0; (count = pread(fd, block, sizeof(block), offset)) > 0; offset += count) {
    text.append(block, static_cast<size_t>(count));
  }
  return text;
}

inline std::vector<std::string> ChangedEnvironment(const std::vector<std::string>& changes) {
  std::vector<std::string> result;
  auto nameOf = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
  for (char** entry = environ; *entry; ++entry) {
    const std::string current = *entry;
    bool replaced = false;
    for (const std::string& change : changes) {
      const std::string name = change[0] == '-' ? change.substr(1) : nameOf(change);
      replaced = replaced || name == nameOf(current);
    }
    if (!replaced) result.push_back(current);
  }
  for (const std::string& change : changes) {
    if (change[0] != '-') result.push_back(change);
  }
  return result;
}

}  // namespace process_detail

// Polls `condition` every 20 ms until it holds or `seconds` have passed.
inline bool WaitUntil(const std::function<bool()>& condition, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

class ChildProgram {
 public:
  ChildProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
               int extraFd = -1) {
    using namespace process_detail;
    out = TemporaryFile();
    err = TemporaryFile();
    std::vector<std::string> env = ChangedEnvironment(environment);
    std::vector<char*> argPointers, envPointers;
    for (const std::string& arg : argv) argPointers.push_back(const_cast<char*>(arg.c_str()));
    for (const std::string& entry : env) envPointers.push_back(const_cast<char*>(entry.c_str()));
    argPointers.push_back(nullptr);
    envPointers.push_back(nullptr);
    const int devNull = open("/dev/null", O_RDONLY);
    pid = fork();
    if (pid == 0) {
      dup2(devNull, STDIN_FILENO);
      dup2(out, STDOUT_FILENO);
      dup2(err, STDERR_FILENO);
      // Only the standard streams and `extraFd` reach the program.
      for (int fd = 3; fd < 1024; ++fd) {
        if (fd != extraFd) close(fd);
      }
      execvpe(argPointers[0], argPointers.data(), envPointers.data());
      _exit(127);
    }
    close(devNull);
  }
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;
  ~ChildProgram() {
    Stop();
    close(out);
    close(err);
  }

  pid_t Pid() const { return pid; }
  std::string Out() const { return process_detail::ReadFrom(out); }
  std::string Err() const { return process_detail::ReadFrom(err); }

  // The exit status (128 + signal if killed) once the program has ended within `seconds`.
  std::optional<int> WaitExit(double seconds) {
    WaitUntil([this] { return Reap(false); }, seconds);
    return status;
  }
  bool Running() { return !Reap(false); }
  // Ends the program if it still runs.
  void Stop() {
    if (Reap(false)) return;
    kill(pid, SIGTERM);
    if (!WaitExit(5.0)) {
      kill(pid, SIGKILL);
      Reap(true);
    }
  }

 private:
  bool Reap(bool block) {
    if (status) return true;
    int raw = 0;
    if (waitpid(pid, &raw, block ? 0 : WNOHANG) != pid) return false;
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    return true;
  }

  pid_t pid = -1;
  int out = -1;
  int err = -1;
  std::optional<int> status;
};

// Runs a shell command line (for the X tools) and returns its standard output.
inline std::string RunCommand(const std::string& command, int* exitStatus = nullptr) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return text;
  char block[4096];
  size_t count;
  while ((count = std::fread(block, 1, sizeof(block), pipe)) > 0) text.append(block, count);
  const int raw = pclose(pipe);
  if (exitStatus) *exitStatus = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return text;
}
