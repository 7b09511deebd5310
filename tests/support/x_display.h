// A fresh virtual X server (1920x1080) for one test, optionally with a window manager, and
// the X tool calls the system tests use to look at and drive windows.
//
//   VirtualDisplay display(VirtualDisplay::kWithWindowManager);
//   ChildProgram game({path}, {display.Environment()});
//   std::string window = display.WaitForWindow(game.Pid());   // "" if none appeared in time
//   display.Run("xdotool key --window " + window + " Prior");
#pragma once

#include <unistd.h>

#include <memory>
#include <string>

#include "support/process.h"

class VirtualDisplay {
 public:
  enum Manager { kNoWindowManager, kWithWindowManager };

  // `serverOptions` go to Xvfb as they are, for example {"-extension", "GLX"} for a server
  // without OpenGL.
  explicit VirtualDisplay(Manager manager = kNoWindowManager,
                          const std::vector<std::string>& serverOptions = {}) {
    int numberPipe[2];
    if (pipe(numberPipe) != 0) return;
    // Xvfb picks a free display number and writes it to the pipe once it accepts clients.
    std::vector<std::string> command = {"Xvfb",      "-displayfd", std::to_string(numberPipe[1]),
                                        "-screen",   "0",          "1920x1080x24",
                                        "-nolisten", "tcp",        "-noreset"};
    command.insert(command.end(), serverOptions.begin(), serverOptions.end());
    server = std::make_unique<ChildProgram>(command, std::vector<std::string>{}, numberPipe[1]);
    close(numberPipe[1]);
    char digits[16] = {};
    ssize_t length = 0;
    WaitUntil(
        [&] {
          const ssize_t count = read(numberPipe[0], digits + length, sizeof(digits) - 1 - length);
          if (count > 0) length += count;
          return count <= 0 || (length > 0 && digits[length - 1] == '\n');
        },
        10.0);
    close(numberPipe[0]);
    if (length == 0) return;
    name = ":" + std::string(digits, static_cast<size_t>(length - 1));
    if (manager == kWithWindowManager) {
      windowManager =
          std::make_unique<ChildProgram>(std::vector<std::string>{"openbox", "--sm-disable"},
                                         std::vector<std::string>{Environment()});
      WaitUntil(
          [this] {
            return Run("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
                   std::string::npos;
          },
          10.0);
    }
  }

  ~VirtualDisplay() {
    windowManager.reset();
    server.reset();
  }

  bool Ready() const { return !name.empty(); }
  // "DISPLAY=:N", for the programs started on this display.
  std::string Environment() const { return "DISPLAY=" + name; }

  // A shell command run on this display; returns its standard output.
  std::string Run(const std::string& command, int* exitStatus = nullptr) const {
    return RunCommand("DISPLAY=" + name + " " + command + " 2>/dev/null", exitStatus);
  }

  // The id of the first window of process `pid` named `title`, once it is mapped.
  std::string WaitForWindow(pid_t pid, const std::string& title = "Parvolt") const {
    std::string id;
    WaitUntil(
        [&] {
          const std::string found = Run("xdotool search --onlyvisible --pid " +
                                        std::to_string(pid) + " --name '^" + title + "$'");
          id = found.substr(0, found.find('\n'));
          return !id.empty();
        },
        20.0);
    return id;
  }

  // Sends WM_DELETE_WINDOW as a window manager's close button does.
  void RequestClose(const std::string& window) const {
    RunCommand(
        "DISPLAY=" + name + " /usr/bin/python3 - " + window +
        " <<'PY'\n"
        "import sys\n"
        "from Xlib import display, X, protocol\n"
        "d = display.Display(); w = d.create_resource_object('window', int(sys.argv[1]))\n"
        "ev = protocol.event.ClientMessage(window=w, client_type=d.intern_atom('WM_PROTOCOLS'),\n"
        "     data=(32, [d.intern_atom('WM_DELETE_WINDOW'), X.CurrentTime, 0, 0, 0]))\n"
        "w.send_event(ev, event_mask=X.NoEventMask); d.flush()\n"
        "PY");
  }

 private:
  std::string name;
  std::unique_ptr<ChildProgram> server;
  std::unique_ptr<ChildProgram> windowManager;
};
