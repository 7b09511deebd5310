// The processor-exception converter: POSIX signal handlers on an alternate signal stack, each
// ending in ReportRuntimeError with the exception's message.
#include "host/processor_exceptions.h"

#include <pthread.h>
#include <signal.h>

#include <cstdint>

#include "host/diagnostics.h"

namespace {

// Room for the report and the debugger hand-off (and a sanitizer's bookkeeping) after the
// ordinary stack is used up.
constexpr size_t kAlternateStackSize = 256 * 1024;
alignas(64) unsigned char g_alternateStack[kAlternateStackSize];

// A fault this far below the lowest possible stack address still counts as a stack overflow:
// the kernel keeps a gap of this size under the stack, and one large frame can jump into it.
constexpr uintptr_t kStackGuardGap = 1024 * 1024;

constexpr int kConvertedSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE};

// The main thread's stack reservation, [low, high).
uintptr_t g_stackLow = 0;
uintptr_t g_stackHigh = 0;

void RecordMainStack() {
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) != 0) return;
  void* low = nullptr;
  size_t size = 0;
  if (pthread_attr_getstack(&attributes, &low, &size) == 0) {
    g_stackLow = reinterpret_cast<uintptr_t>(low);
    g_stackHigh = g_stackLow + size;
  }
  pthread_attr_destroy(&attributes);
}

bool IsStackOverflow(const void* faultAddress) {
  const uintptr_t address = reinterpret_cast<uintptr_t>(faultAddress);
  if (g_stackHigh == 0) return false;
  const uintptr_t lowest = g_stackLow > kStackGuardGap ? g_stackLow - kStackGuardGap : 0;
  return address >= lowest && address < g_stackHigh;
}

const char* ExceptionMessage(int signal, const siginfo_t* info) {
  switch (signal) {
    case SIGSEGV:
      return IsStackOverflow(info->si_addr) ? "Stack overflow" : "Memory access violation";
    case SIGBUS:
      return "Memory access violation";
    case SIGILL:
      return "Illegal instruction";
    case SIGFPE:
      // Floating-point traps and other arithmetic faults have no message of their own.
      return info->si_code == FPE_INTDIV ? "Integer divide by zero" : "Unknown exception";
    default:
      return "Unknown exception";
  }
}

// The report never returns: it ends the process. While it runs, the converted signals are
// blocked, so a fault inside the report ends the process by the signal's default action.
void OnProcessorException(int signal, siginfo_t* info, void*) {
  ReportRuntimeError(ExceptionMessage(signal, info));
}

}  // namespace

void InstallProcessorExceptionConverter() {
  RecordMainStack();
  stack_t alternate = {};
  alternate.ss_sp = g_alternateStack;
  alternate.ss_size = sizeof(g_alternateStack);
  sigaltstack(&alternate, nullptr);

  struct sigaction action = {};
  action.sa_sigaction = OnProcessorException;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (int signal : kConvertedSignals) sigaddset(&action.sa_mask, signal);
  for (int signal : kConvertedSignals) sigaction(signal, &action, nullptr);
}
