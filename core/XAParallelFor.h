#pragma once

// Parallel loops that ThreadSanitizer understands.
//
// ThreadSanitizer sees the synchronisation of the code it instruments, but not that inside the TBB library, which is
// built without it: it cannot tell that a parallel loop's work starts after what came before the loop, and that what
// follows the loop comes after the work. A loop tells it with two tokens: XAHappensBefore(&start) before the loop and
// XAHappensAfter(&start) at the start of each piece of work; XAHappensBefore(&end) at the end of each piece and
// XAHappensAfter(&end) after the loop. The pieces of work are not ordered among themselves, so races between them are
// still found. Both calls do nothing in other builds. XAParallelFor is tbb::parallel_for with these calls. What TBB
// itself does around the work (its task objects, its counters) stays unseen; the tests' suppressions
// (tests/tsan.supp) leave it out of the reports.

#include <tbb/parallel_for.h>

#include <cstddef>

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *address);
extern "C" void __tsan_release(void *address);
inline void XAHappensBefore(const void *token) { __tsan_release(const_cast<void *>(token)); }
inline void XAHappensAfter(const void *token) { __tsan_acquire(const_cast<void *>(token)); }
#else
inline void XAHappensBefore(const void *) {}
inline void XAHappensAfter(const void *) {}
#endif

// Calls body(index) for every index below `count`, on TBB's worker threads. The tokens are one pair per place of call
// (per body type), so that a worker reaches them before it reads anything the loop's caller wrote, the body included.
template <typename Body> void XAParallelFor(std::size_t count, Body &&body) {
    static const char start = 0;
    static const char end = 0;
    const auto work = [&](std::size_t index) {
        XAHappensAfter(&start);
        body(index);
        XAHappensBefore(&end);
    };
    XAHappensBefore(&start);
    tbb::parallel_for(std::size_t{0}, count, work);
    XAHappensAfter(&end);
}
