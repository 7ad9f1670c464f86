#include "core/XASleepPrevention.h"

#include "core/XALog.h"
#include "core/XAString.h"

#include <cerrno>
#include <map>
#include <mutex>
#include <unistd.h>

namespace {

constexpr size_t kMaximumDescriptionUTF16Units = 128;

// The assertions taken and not yet released, with the file descriptors that hold their locks.
struct Assertions {
    std::mutex mutex;
    std::map<XASleepAssertionID, int> lockDescriptors;
    XASleepAssertionID lastID = 0;
    XAInhibitorTaker taker;
    bool unavailabilityLogged = false;
};

Assertions &assertions() {
    static Assertions shared;
    return shared;
}

// The text up to its first `maximum` UTF-16 units; a character that would cross the limit is left out whole.
std::string prefixOfUTF16Length(const std::string &text, size_t maximum) {
    size_t units = 0;
    size_t offset = 0;
    while (offset < text.size()) {
        const XAUTF8Char character = XADecodeUTF8(text, offset);
        const size_t characterUnits = character.codePoint > 0xFFFF ? 2 : 1;
        if (units + characterUnits > maximum) {
            break;
        }
        units += characterUnits;
        offset += character.length;
    }
    return text.substr(0, offset);
}

void reportFailure(Assertions &state, int code) {
    if (!XAInhibitorIsUnavailable(code)) {
        XALog(XALogLevelError, "Error: Could not perform IOPMAssertion. IOReturn is %d", code);
        return;
    }
    if (!state.unavailabilityLogged) {
        state.unavailabilityLogged = true;
        XALog(XALogLevelDebug, "Idle sleep is not prevented: no systemd-logind answers on the system bus (%d)", code);
    }
}

} // namespace

XASleepAssertionID xa_preventSleepAndAppNapWithActivityDescription(const std::string &description) {
    Assertions &state = assertions();
    XAInhibitorTaker taker;
    {
        std::lock_guard lock(state.mutex);
        taker = state.taker ? state.taker : XATakeLogindInhibitor;
    }
    const int descriptor =
        taker({"idle:sleep", "Tessary", prefixOfUTF16Length(description, kMaximumDescriptionUTF16Units), "block"});
    std::lock_guard lock(state.mutex);
    if (descriptor < 0) {
        reportFailure(state, descriptor);
        return 0;
    }
    // Identifiers are unique within the process so that a release can never be confused with another assertion;
    // 0 is skipped when the counter wraps, as it means failure.
    do {
        ++state.lastID;
    } while (state.lastID == 0 || state.lockDescriptors.contains(state.lastID));
    state.lockDescriptors[state.lastID] = descriptor;
    return state.lastID;
}

void xa_reEnableSleepAndAppNapWithAssertionID(XASleepAssertionID assertionID) {
    if (assertionID == 0) {
        return;
    }
    Assertions &state = assertions();
    int descriptor = -1;
    {
        std::lock_guard lock(state.mutex);
        auto found = state.lockDescriptors.find(assertionID);
        if (found != state.lockDescriptors.end()) {
            descriptor = found->second;
            state.lockDescriptors.erase(found);
        }
    }
    const int code = descriptor < 0 ? -ENOENT : (close(descriptor) == 0 ? 0 : -errno);
    if (code != 0) {
        XALog(XALogLevelError, "Error: Could not perform IOPMAssertionRelease for assertion ID %d. IOReturn is %d",
              static_cast<int>(assertionID), code);
    }
}

void xa_preventSleepAndAppNapWithActivityDescription(const std::string &description,
                                                     const std::function<void()> &block) {
    XASleepAssertionID assertionID = xa_preventSleepAndAppNapWithActivityDescription(description);
    if (block) {
        block();
    }
    xa_reEnableSleepAndAppNapWithAssertionID(assertionID);
}

void XASetSleepInhibitorTakerForTesting(XAInhibitorTaker taker) {
    std::lock_guard lock(assertions().mutex);
    assertions().taker = std::move(taker);
    assertions().unavailabilityLogged = false;
}
