// Runs code in a forked child process and collects how it ended: for the paths that end the
// process (runtime error reports, processor exceptions, quitting).
//
//   ChildResult result = RunInChild([] { RaiseAppError("Boom"); }, "q\n");
//   EXPECT_EQ(result.status, 0);
//   EXPECT_EQ(result.out, "Vindle Runtime Error : Boom\n\n");
//
// The child reads `input` as its standard input (then end of input); its standard output and
// standard error are captured separately. A child that returns from `body` exits with 0.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

struct ChildResult {
  int status = -1;  // the exit status, or 128 + the signal that ended the child
  std::string out;  // standard output
  std::string err;  // standard error
};

namespace child_process_detail {

inline std::string ReadWhole(int fd) {
  std::string text;
  lseek(fd, 0, SEEK_SET);
  char block[4096];
  ssize_t count;
  while ((count = read(fd, block, sizeof(block))) > 0) text.append(block, count);
  close(fd);
  return text;
}

// An unnamed temporary file, so no pipe can fill up while the parent waits.
inline int TemporaryFile() {
  char name[] = "/tmp/parvolt-child-XXXXXX";
  const int fd = mkstemp(name);
  unlink(name);
  return fd;
}

}  // namespace child_process_detail

inline ChildResult RunInChild(const std::function<void()>& body, const std::string& input = "") {
  using namespace child_process_detail;
  const int in = TemporaryFile(), out = TemporaryFile(), err = TemporaryFile();
  if (write(in, input.data(), input.size()) != static_cast<ssize_t>(input.size())) std::abort();
  lseek(in, 0, SEEK_SET);
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t child = fork();
  if (child == 0) {
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    body();
    std::fflush(stdout);
    _exit(0);
  }
  close(in);
  int status = 0;
  waitpid(child, &status, 0);
  ChildResult result;
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = ReadWhole(out);
  result.err = ReadWhole(err);
  return result;
}
