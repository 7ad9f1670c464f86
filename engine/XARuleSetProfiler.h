#pragma once

// How long each code rule of a run spends in its per-cursor calls, for very verbose runs. Each parsing thread fills
// a profiler of its own for the file it checks; the file's profiler is added into the phase's profiler when the
// file is merged, and the phase's profiler logs a ranking of the rules at the end. A profiler is filled by one thread
// only and takes no lock.

#include "core/XAPair.h"

#include <cstdint>
#include <vector>

struct XARuleDescriptor;

class XARuleSetProfiler {
public:
    // One zero counter per rule; the counter at index i belongs to the rule at index i.
    explicit XARuleSetProfiler(std::vector<const XARuleDescriptor *> rules);

    const std::vector<const XARuleDescriptor *> &rules() const { return rules_; }

    // Adds a duration in clock units (XAMachAbsoluteTime) to the counter of the rule at the index, which must be
    // below the number of rules.
    void addMachTimeDuration(std::uint64_t duration, std::size_t index);
    // Adds the other profiler's counters index by index, for the indexes both have; null adds nothing.
    void addDurationsFromProfiler(const XARuleSetProfiler *other);

    // The sum of all counters, in seconds.
    double totalDurationForAllRules() const;
    // Each rule with its seconds, the largest first; rules that took equally long keep their order.
    std::vector<XAPair<const XARuleDescriptor *, double>> sortedRulesAndDurations() const;
    // Logs "Rule Profiling:" and one line per rule of the ranking: "<short name>: <seconds> sec (<share> %)".
    void logMeasurements() const;
    // Installs the process-wide timing probes (XARuleTimingProbes) on every rule of the list.
    void recordAutomatically() const;

private:
    std::vector<const XARuleDescriptor *> rules_;
    std::vector<std::uint64_t> machTimeIntervalsPerRule_;
};
