#pragma once

#include "core/XALogindInhibitor.h"

#include <cstdint>
#include <functional>
#include <string>

// Keeping the computer awake during a long check: an assertion is a systemd-logind inhibitor lock on idle sleep
// ("idle:sleep", mode "block"), held until it is released. Where no logind answers (a container, a CI runner) no
// assertion is taken, which is said once per process in the debugging log, and the caller goes on without it.

// Identifies a taken assertion; 0 means none was taken.
using XASleepAssertionID = std::uint32_t;

// Takes an assertion for the described activity (cut to its first 128 UTF-16 units) and returns its identifier, or 0
// when none could be taken; a refusal is logged at level 4.
XASleepAssertionID xa_preventSleepAndAppNapWithActivityDescription(const std::string &description);
// Releases an assertion; the identifier 0 does nothing. A failure is logged at level 4.
void xa_reEnableSleepAndAppNapWithAssertionID(XASleepAssertionID assertionID);
// Takes an assertion, runs `block` on the calling thread and releases the assertion.
void xa_preventSleepAndAppNapWithActivityDescription(const std::string &description,
                                                     const std::function<void()> &block);

// Replaces the call to logind, for tests (no function restores it), and lets the next unavailability be logged.
void XASetSleepInhibitorTakerForTesting(XAInhibitorTaker taker);
