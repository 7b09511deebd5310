// Diagnostic output and the runtime-error report.
#include "host/diagnostics.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/object.h"

namespace {

// Written by the debugger's run and step commands; nothing in this program reads them.
int g_debuggerRunMode = 0;
int g_debuggerStepMode = 0;

void WriteLine(std::FILE* stream, const String& text) {
  const std::string bytes = text.Narrow();
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

// Answers "@address": the debug text of a live object, an empty line for zero. An address that
// does not denote a live object is answered like zero rather than dereferenced.
void ShowObjectAt(const char* addressText) {
  const uintptr_t address = static_cast<uintptr_t>(std::strtoull(addressText, nullptr, 16));
  const auto* object = reinterpret_cast<const Object*>(address);
  if (address != 0 && Object::IsLive(object)) {
    PrintErrorLine(object->DebugText());
  } else {
    PrintErrorLine(String());
  }
}

// Returns when the debugger asks to run or step; ends the process otherwise.
void DebuggerHandOff() {
  // No debug position is ever recorded, so the marker holds the C library's text for a
  // missing string.
  std::fprintf(stderr, "{{~~%s~~}}\n", "(null)");
  std::fflush(stderr);
  PrintErrorLine(String());
  for (;;) {
    char line[256];
    if (!std::fgets(line, sizeof(line), stdin)) std::exit(-1);
    char* end = std::strchr(line, '\n');
    if (!end) std::exit(-1);
    *end = '\0';
    switch (line[0]) {
      case '?':
        continue;
      case 'r':
        g_debuggerRunMode = 0;
        g_debuggerStepMode = 0;
        return;
      case 's':
      case 'e':
        g_debuggerRunMode = 1;
        g_debuggerStepMode = line[0];
        return;
      case 'l':
        g_debuggerRunMode = 0;
        g_debuggerStepMode = 'l';
        return;
      case '@':
        ShowObjectAt(line + 1);
        continue;
      case 'q':
        std::exit(0);
      default:
        std::printf("????? %s ?????", line);
        std::fflush(stdout);
        std::exit(-1);
    }
  }
}

}  // namespace

void PrintLine(const String& text) {
  WriteLine(stdout, text);
}

void PrintErrorLine(const String& text) {
  WriteLine(stderr, text);
}

void RaiseAppError(const String& message) {
  if (message.IsEmpty()) std::exit(0);
  const std::string narrowed = message.Narrow();
  ReportRuntimeError(String::FromBytes(narrowed.data(), static_cast<int>(narrowed.size())));
}

void ReportRuntimeError(const String& message) {
  for (;;) {
    PrintLine("Vindle Runtime Error : " + message);
    // The stack-trace text: the debug position and a line feed, or empty when there is none.
    PrintLine(String());
    DebuggerHandOff();
  }
}
