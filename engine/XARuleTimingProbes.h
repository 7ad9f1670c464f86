#pragma once

// Timing of single rules across a whole process, for developers: each rule has a running total of the time spent in
// its timed calls, added to atomically from any thread. A timing probe calls a rule's phase, records how long it took
// and returns its result unchanged. Installing the probes on a rule (swizzleProfilingProbes) makes its project-level
// pass, as called through XARuleApplyWithContext, go through the probe; the checking run does not install them.

#include "engine/XARuleDescriptor.h"

#include <cstdint>
#include <vector>

class XARuleTimingProbes {
public:
    XARuleTimingProbes() = delete;

    // Adds a duration in clock units (XAMachAbsoluteTime) to the rule's total.
    static void recordDuration(const XARuleDescriptor &rule, std::uint64_t duration);
    // The rule's total; 0 when nothing was recorded.
    static std::uint64_t recordedDuration(const XARuleDescriptor &rule);

    // Routes the rule's project-level pass through its timing probe; installing twice changes nothing.
    static void swizzleProfilingProbes(const XARuleDescriptor &rule);
    static bool hasProfilingProbes(const XARuleDescriptor &rule);
    // Installs the probes on every rule of the list.
    static void recordAutomatically(const std::vector<const XARuleDescriptor *> &rules);

    // The probes: each calls the phase of its name (nothing for a phase the rule does not have) and records the time.
    static XADiagnostics zzz_applyWithContext(const XARuleDescriptor &rule, XARuleContext &context);
    static XADiagnostics zzz_applyBeforeCodeWithContext(const XARuleDescriptor &rule, XARuleContext &context);
    static XADiagnostics zzz_applyAfterCodeWithContext(const XARuleDescriptor &rule, XARuleContext &context);
    static XADiagnostics zzz_applyToCursor(const XARuleDescriptor &rule, CXCursor cursor, int kind,
                                           XARuleContext &context, const XACompilationInfo &compilationInfo);
};

// The rule's project-level pass: through its timing probe when one is installed, else directly.
XADiagnostics XARuleApplyWithContext(const XARuleDescriptor &rule, XARuleContext &context);
