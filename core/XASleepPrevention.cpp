#include "core/XASleepPrevention.h"

#include <atomic>

namespace {

std::atomic<XASleepAssertionID> lastAssertionID{0};

} // namespace

XASleepAssertionID xa_preventSleepAndAppNapWithActivityDescription(const std::string & /*description*/) {
    // Identifiers are unique within the process so that a release can never be confused with another assertion;
    // 0 is skipped when the counter wraps, as it means failure.
    XASleepAssertionID assertionID = ++lastAssertionID;
    while (assertionID == 0) {
        assertionID = ++lastAssertionID;
    }
    return assertionID;
}

void xa_reEnableSleepAndAppNapWithAssertionID(XASleepAssertionID /*assertionID*/) {}

void xa_preventSleepAndAppNapWithActivityDescription(const std::string &description,
                                                     const std::function<void()> &block) {
    XASleepAssertionID assertionID = xa_preventSleepAndAppNapWithActivityDescription(description);
    if (block) {
        block();
    }
    xa_reEnableSleepAndAppNapWithAssertionID(assertionID);
}
