#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Keeping the computer awake during a long check. Linux desktops have no idle-sleep assertion that a command-line
// process can take without a session bus, so taking one always succeeds without doing anything; callers keep the
// same shape as on a system that has such assertions.

// Identifies a taken assertion; 0 means none was taken.
using XASleepAssertionID = std::uint32_t;

// Takes an assertion for the described activity and returns its identifier, never 0.
XASleepAssertionID xa_preventSleepAndAppNapWithActivityDescription(const std::string &description);
// Releases an assertion; the identifier 0 does nothing.
void xa_reEnableSleepAndAppNapWithAssertionID(XASleepAssertionID assertionID);
// Takes an assertion, runs `block` on the calling thread and releases the assertion.
void xa_preventSleepAndAppNapWithActivityDescription(const std::string &description,
                                                     const std::function<void()> &block);
