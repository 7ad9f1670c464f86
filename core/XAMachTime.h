#pragma once

// A monotonic clock for measuring durations (the rule profiler). Counts are in clock units, converted to time with
// the clock's timebase: nanoseconds = units * numerator / denominator. The Linux clock (CLOCK_MONOTONIC) counts
// nanoseconds, so its timebase is 1/1.

#include <cstdint>

struct XAMachTimebase {
    uint32_t numerator = 1;
    uint32_t denominator = 1;
};

// The current value of the monotonic clock, in clock units.
uint64_t XAMachAbsoluteTime();

// The clock's timebase, fetched on first use and kept (thread-safe).
XAMachTimebase XAMachTimebaseInfo();

// Units converted with the process's timebase, and with a given one. The product is formed before the division
// without overflowing; a result beyond 64 bits saturates, and a denominator of 0 is taken as 1.
uint64_t XAMachTimeToNanoseconds(uint64_t units);
uint64_t XAMachTimeToNanoseconds(uint64_t units, XAMachTimebase timebase);

// The nanoseconds as a double divided by 1000.0 three times.
double XAMachTimeToSeconds(uint64_t units);
