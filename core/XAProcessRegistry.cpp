#include "core/XAProcessRegistry.h"

#include <atomic>
#include <cerrno>
#include <map>
#include <mutex>
#include <sched.h>
#include <signal.h>
#include <string_view>

namespace {

struct RegisteredChild {
    std::string executableName;
    int signalSlot = -1; // index into signalSafePids, -1 when the table was full
};

static_assert(std::atomic<pid_t>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the signal-safe table must be usable from a signal handler");

std::mutex registryMutex;
std::atomic<pid_t> signalSafePids[XAProcessRegistry::kSignalSafeCapacity];
// Signal handlers currently walking signalSafePids; a pid is reaped only when none is.
std::atomic<int> signalHandlersRunning{0};

// Never freed, so that children may still be registered or terminated while the process exits.
std::map<pid_t, RegisteredChild> &registeredChildren() {
    static auto *children = new std::map<pid_t, RegisteredChild>();
    return *children;
}

std::string lastPathComponent(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    const size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos || path.size() == 1 ? path : path.substr(slash + 1));
}

int claimSignalSlot(pid_t pid) {
    for (size_t i = 0; i < XAProcessRegistry::kSignalSafeCapacity; ++i) {
        if (signalSafePids[i].load() == 0) {
            signalSafePids[i].store(pid);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void terminate(pid_t pid) {
    if (pid > 0) { // never 0 or -1, which would signal whole process groups
        ::kill(pid, SIGTERM);
    }
}

} // namespace

void XAProcessRegistry::add(pid_t pid, const std::string &launchPath) {
    if (pid <= 0) {
        return;
    }
    std::lock_guard lock(registryMutex);
    const int slot = claimSignalSlot(pid);
    registeredChildren()[pid] = RegisteredChild{lastPathComponent(launchPath), slot};
}

void XAProcessRegistry::removeBeforeReaping(pid_t pid) {
    {
        std::lock_guard lock(registryMutex);
        auto &children = registeredChildren();
        const auto found = children.find(pid);
        if (found == children.end()) {
            return;
        }
        if (found->second.signalSlot >= 0) {
            signalSafePids[found->second.signalSlot].store(0);
        }
        children.erase(found);
    }
    // A handler that read the pid before it was cleared has raised the counter before that read (sequentially
    // consistent atomics), so once the counter is back at zero nobody can signal this pid any more.
    while (signalHandlersRunning.load() != 0) {
        sched_yield();
    }
}

size_t XAProcessRegistry::count() {
    std::lock_guard lock(registryMutex);
    return registeredChildren().size();
}

void XAProcessRegistry::terminateAll() {
    std::lock_guard lock(registryMutex);
    for (const auto &[pid, child] : registeredChildren()) {
        terminate(pid);
    }
}

void XAProcessRegistry::terminateAllForExecutable(const std::string &executableName) {
    std::lock_guard lock(registryMutex);
    for (const auto &[pid, child] : registeredChildren()) {
        if (child.executableName == executableName) {
            terminate(pid);
        }
    }
}

void XAProcessRegistry::terminateAllFromSignalHandler() noexcept {
    const int savedErrno = errno;
    signalHandlersRunning.fetch_add(1);
    for (auto &slot : signalSafePids) {
        terminate(slot.load());
    }
    signalHandlersRunning.fetch_sub(1);
    errno = savedErrno;
}
