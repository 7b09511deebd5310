// Processor exceptions raised for real in child processes: each ends in the runtime error
// report with its message.
#include "host/processor_exceptions.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdlib>

#include "support/child_process.h"

namespace {

// The faults are the point, so the sanitizers must not catch them first.
#define RAW_FAULT __attribute__((noinline, no_sanitize("undefined", "address")))

RAW_FAULT void WriteThroughNull() {
  volatile int* volatile target = nullptr;
  *target = 1;
}

RAW_FAULT void DivideByZero() {
  volatile int dividend = 7, zero = 0;
  volatile int quotient = dividend / zero;
  (void)quotient;
}

RAW_FAULT void ExecuteIllegalInstruction() {
  __builtin_trap();
}

RAW_FAULT int Recurse(int depth) {
  volatile char frame[1024];
  frame[0] = static_cast<char>(depth);
  // Only the result of the deeper call is used after it returns, which it never does.
  return depth < 0 ? frame[0] : Recurse(depth + 1) + frame[0];
}

RAW_FAULT void OverflowTheStack() {
  std::exit(Recurse(0));
}

// Touching a mapped page beyond the end of its file is a bus error.
RAW_FAULT void TouchBeyondTheFile() {
  char name[] = "/tmp/parvolt-bus-XXXXXX";
  const int fd = mkstemp(name);
  unlink(name);
  auto* page =
      static_cast<volatile char*>(mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
  page[0] = 1;
}

RAW_FAULT void DivideFloatByZeroWithTrapsOn() {
  feenableexcept(FE_DIVBYZERO);
  volatile double zero = 0;
  volatile double quotient = 1 / zero;
  (void)quotient;
}

}  // namespace

TEST(ProcessorExceptions, EndInTheRuntimeErrorReport) {
  struct Case {
    void (*fault)();
    const char* message;
  };
  const Case cases[] = {
      {WriteThroughNull, "Memory access violation"},
      {TouchBeyondTheFile, "Memory access violation"},
      {ExecuteIllegalInstruction, "Illegal instruction"},
      {DivideByZero, "Integer divide by zero"},
      {OverflowTheStack, "Stack overflow"},
      {DivideFloatByZeroWithTrapsOn, "Unknown exception"},
  };
  for (const Case& c : cases) {
    const ChildResult result = RunInChild([&] {
      InstallProcessorExceptionConverter();
      c.fault();
    });
    EXPECT_EQ(result.status, 255) << c.message;
    EXPECT_EQ(result.out, std::string("Vindle Runtime Error : ") + c.message + "\n\n");
    EXPECT_EQ(result.err, "{{~~(null)~~}}\n\n") << c.message;
  }
}

TEST(ProcessorExceptions, TheDebuggerCanQuitAfterAFault) {
  const ChildResult result = RunInChild(
      [] {
        InstallProcessorExceptionConverter();
        WriteThroughNull();
      },
      "r\nq\n");
  EXPECT_EQ(result.status, 0);
  const std::string report = "Vindle Runtime Error : Memory access violation\n\n";
  EXPECT_EQ(result.out, report + report);
}
