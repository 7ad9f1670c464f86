#include "core/XAMachTime.h"

#include <atomic>
#include <limits>
#include <time.h>

namespace {

// The timebase packed as numerator << 32 | denominator; 0 until fetched. Every thread that finds it empty fetches
// the same values, so a race only repeats the work.
std::atomic<uint64_t> cachedTimebase{0};

XAMachTimebase fetchTimebase() { return {1, 1}; } // CLOCK_MONOTONIC counts nanoseconds

} // namespace

uint64_t XAMachAbsoluteTime() {
    struct timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1'000'000'000u + static_cast<uint64_t>(now.tv_nsec);
}

XAMachTimebase XAMachTimebaseInfo() {
    uint64_t packed = cachedTimebase.load(std::memory_order_acquire);
    if ((packed & 0xFFFFFFFFu) == 0) {
        const XAMachTimebase fetched = fetchTimebase();
        packed = (uint64_t(fetched.numerator) << 32) | fetched.denominator;
        cachedTimebase.store(packed, std::memory_order_release);
    }
    return {static_cast<uint32_t>(packed >> 32), static_cast<uint32_t>(packed & 0xFFFFFFFFu)};
}

uint64_t XAMachTimeToNanoseconds(uint64_t units) { return XAMachTimeToNanoseconds(units, XAMachTimebaseInfo()); }

uint64_t XAMachTimeToNanoseconds(uint64_t units, XAMachTimebase timebase) {
    const unsigned __int128 product = static_cast<unsigned __int128>(units) * timebase.numerator;
    const unsigned __int128 nanoseconds = product / (timebase.denominator == 0 ? 1u : timebase.denominator);
    constexpr uint64_t maximum = std::numeric_limits<uint64_t>::max();
    return nanoseconds > maximum ? maximum : static_cast<uint64_t>(nanoseconds);
}

double XAMachTimeToSeconds(uint64_t units) {
    return static_cast<double>(XAMachTimeToNanoseconds(units)) / 1000.0 / 1000.0 / 1000.0;
}
