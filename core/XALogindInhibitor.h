#pragma once

// Inhibitor locks of systemd-logind, taken over the system D-Bus: while the lock's file descriptor is open, logind
// keeps the machine from the inhibited actions (idle sleep for a long check). Linux's counterpart of a
// power-management assertion.

#include <functional>
#include <string>

// What an inhibitor lock is asked for: the actions (colon-separated, "idle:sleep"), who asks, why, and the mode
// ("block" or "delay"), as logind's Inhibit method takes them.
struct XAInhibitorRequest {
    std::string what;
    std::string who;
    std::string why;
    std::string mode;
};

// Takes a lock: its file descriptor (owned by the caller, who closes it to release the lock), or a negative errno
// value saying why not.
using XAInhibitorTaker = std::function<int(const XAInhibitorRequest &request)>;

// Asks logind on the system bus. A machine without a system bus or without logind (a container, a CI runner) gives
// a code for which XAInhibitorIsUnavailable is true.
int XATakeLogindInhibitor(const XAInhibitorRequest &request);

// Whether the code says that no logind answered (no bus, or nobody owns logind's name) rather than that logind
// refused.
bool XAInhibitorIsUnavailable(int code);
