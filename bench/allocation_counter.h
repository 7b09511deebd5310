// Counts every allocation of the process made through operator new, so a benchmark can show
// that a path allocates nothing.
#pragma once

long AllocationCount();
