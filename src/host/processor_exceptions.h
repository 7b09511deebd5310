// Processor exceptions (bad memory access, illegal instruction, integer division by zero,
// stack overflow) turned into the fatal runtime error report instead of a crash.
#pragma once

// Installs the converter for the main thread: signal handlers that run on an alternate stack,
// so that a stack overflow can still be reported. Call once, from the main thread.
void InstallProcessorExceptionConverter();
