// Diagnostic lines, the application's error function and the fatal runtime-error report with
// its hand-off to a debugger front end over the standard streams.
#pragma once

#include "host/text.h"

// One line to standard output, each code unit cut to 8 bits, flushed at once.
void PrintLine(const String& text);
// The same on standard error; used only by the debugger hand-off.
void PrintErrorLine(const String& text);

// The empty message quits at once with status 0; any other message is a fatal runtime error.
[[noreturn]] void RaiseAppError(const String& message);

// Prints the report, then waits for debugger commands on standard input; never returns.
[[noreturn]] void ReportRuntimeError(const String& message);
