#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// The process-wide record of the children that XATask started and that have not been reaped yet, so that
// cancelling, quitting or a signal can terminate them all, or all those of one executable.
//
// A child is added just after its launch and removed after its exit has been observed (with WNOWAIT) but before
// it is reaped. While a pid is registered it therefore names our child or its zombie, never a reused pid, and
// every signal sent from here reaches the right process.
//
// Besides the locked table, the pids live in a fixed-size table of atomics that a signal handler can walk without
// locking. Children beyond its capacity are still terminated by the locked functions, but not from a signal handler.
class XAProcessRegistry {
public:
    XAProcessRegistry() = delete;

    static constexpr size_t kSignalSafeCapacity = 1024;

    static void add(pid_t pid, const std::string &launchPath);
    // Removes the child and returns once no signal handler can still be signalling it, so that it may be reaped.
    static void removeBeforeReaping(pid_t pid);
    static size_t count();

    // Send SIGTERM without waiting; the workers remove their own children when they see them exit.
    static void terminateAll();
    static void terminateAllForExecutable(const std::string &executableName);
    // Async-signal-safe: no lock, no allocation; errno is preserved.
    static void terminateAllFromSignalHandler() noexcept;
};
