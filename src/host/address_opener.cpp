// The desktop opener, started in a grandchild process that init adopts and reaps.
#include "host/address_opener.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

extern char** environ;

namespace {

constexpr const char* kOpenerProgram = "xdg-open";

// The opener's full path from PATH, or "" when there is none. Found before forking, because
// the child of a threaded process may only make async-signal-safe calls.
std::string FindOnPath(std::string_view program) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path ? path : "";
  while (!folders.empty()) {
    const size_t colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
    if (folder.empty()) continue;
    std::string candidate(folder);
    candidate += '/';
    candidate += program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

}  // namespace

void StartDesktopOpener(const std::string& address) {
  const std::string program = FindOnPath(kOpenerProgram);
  if (program.empty()) return;
  std::string argument = address;
  char* arguments[] = {const_cast<char*>(kOpenerProgram), argument.data(), nullptr};
  const pid_t child = fork();
  if (child == 0) {
    // The intermediate child ends at once; its own child, the opener, is adopted by init.
    if (fork() == 0) {
      execve(program.c_str(), arguments, environ);
      _exit(127);
    }
    _exit(0);
  }
  if (child < 0) return;
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}
