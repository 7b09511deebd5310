// Diagnostic lines, quitting and the fatal runtime-error report with the debugger hand-off,
// run in child processes because every path but PrintLine ends the process.
#include "host/diagnostics.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "host/object.h"
#include "support/child_process.h"

namespace {

const std::string kReport = "Vindle Runtime Error : Boom\n\n";
const std::string kMarker = "{{~~(null)~~}}\n\n";

std::string Repeated(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

}  // namespace

TEST(Diagnostics, PrintLineWritesTheLowByteOfEachCodeUnit) {
  const char16_t units[] = {u'L', 0x141, 0xE9, 0};
  const ChildResult result = RunInChild([&] {
    PrintLine(String(units));
    PrintErrorLine("to the debugger");
    // Nothing buffered: the lines are out before the process dies without flushing.
    _exit(3);
  });
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.out, "LA\xE9\n");
  EXPECT_EQ(result.err, "to the debugger\n");
}

TEST(Diagnostics, TheEmptyErrorQuitsSilently) {
  const ChildResult result = RunInChild([] {
    RaiseAppError("");
    std::puts("continued");
  });
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
}

TEST(Diagnostics, ARuntimeErrorIsReportedOnBothStreams) {
  const char16_t message[] = {u'B', u'o', u'o', 0x16D, 0};  // U+016D narrows to 'm'
  const ChildResult result = RunInChild([&] { RaiseAppError(String(message)); });
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.out, kReport);
  EXPECT_EQ(result.err, kMarker);
}

TEST(Diagnostics, DebuggerCommandsDecideHowTheReportEnds) {
  struct Case {
    const char* name;
    std::string input;
    int status;
    std::string out;
    std::string err;
  };
  const Case cases[] = {
      {"quit", "q\n", 0, kReport, kMarker},
      {"help, then quit", "?\n?\nq\n", 0, kReport, kMarker},
      {"run repeats the report", "r\nq\n", 0, Repeated(kReport, 2), Repeated(kMarker, 2)},
      {"step", "s\nq\n", 0, Repeated(kReport, 2), Repeated(kMarker, 2)},
      {"step into", "e\nq\n", 0, Repeated(kReport, 2), Repeated(kMarker, 2)},
      {"step out", "l\nq\n", 0, Repeated(kReport, 2), Repeated(kMarker, 2)},
      {"end of input after run", "r\n", 255, Repeated(kReport, 2), Repeated(kMarker, 2)},
      {"unknown command", "x marks\n", 255, kReport + "????? x marks ?????", kMarker},
      {"empty line", "\n", 255, kReport + "?????  ?????", kMarker},
      {"no line feed", "q", 255, kReport, kMarker},
      {"line too long", std::string(300, 'q') + "\n", 255, kReport, kMarker},
      {"address zero", "@0\nq\n", 0, kReport, kMarker + "\n"},
      {"null address", "@(nil)\nq\n", 0, kReport, kMarker + "\n"},
      {"address of no object", "@0x10\n@deadbeef\n@0xffffffffffffffff\nq\n", 0, kReport,
       kMarker + "\n\n\n"},
  };
  for (const Case& c : cases) {
    const ChildResult result = RunInChild([] { RaiseAppError("Boom"); }, c.input);
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.err, c.err) << c.name;
  }
}

TEST(Diagnostics, TheDebuggerShowsALiveObjectAndRejectsAFreedOne) {
  Ref<Object> live = New<Object>();
  const void* freed = nullptr;
  {
    Ref<Object> gone = New<Object>();
    freed = gone.Get();
  }
  CollectGarbage();
  char commands[128];
  std::snprintf(commands, sizeof(commands), "@%p\n@%p\nq\n", static_cast<void*>(live.Get()), freed);
  const ChildResult result = RunInChild([] { RaiseAppError("Boom"); }, commands);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, kMarker + "+Object\n\n" + "\n");
}
