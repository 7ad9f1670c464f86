#pragma once

// Collapses bursts of calls into one delayed call: each call with an identifier replaces the block
// still pending under that identifier, so only the last block of a burst runs, once, one interval
// after the last call.
//
// Blocks run on one process-wide timer thread, started on first use, never under the throttle's
// lock (a block may throttle again). At process exit the thread is stopped: blocks still pending
// are dropped, and a block that is running is waited for.

#include <functional>
#include <string>

class XAThrottle {
public:
    XAThrottle() = delete;

    // Schedules `block` to run `intervalSeconds` from now under `identifier`, replacing the block
    // pending under it. An empty identifier or block does nothing; a negative interval counts as 0.
    static void throttle(const std::string &identifier, double intervalSeconds, std::function<void()> block);
};
