#include "engine/XARuleSetProfiler.h"

#include "core/XALog.h"
#include "core/XAMachTime.h"
#include "engine/XARuleDescriptor.h"
#include "engine/XARuleTimingProbes.h"

#include <algorithm>
#include <cassert>

XARuleSetProfiler::XARuleSetProfiler(std::vector<const XARuleDescriptor *> rules)
    : rules_(std::move(rules)), machTimeIntervalsPerRule_(rules_.size(), 0) {}

void XARuleSetProfiler::addMachTimeDuration(std::uint64_t duration, std::size_t index) {
    assert(index < machTimeIntervalsPerRule_.size());
    machTimeIntervalsPerRule_[index] += duration;
}

void XARuleSetProfiler::addDurationsFromProfiler(const XARuleSetProfiler *other) {
    if (!other) {
        return;
    }
    std::size_t shared = std::min(machTimeIntervalsPerRule_.size(), other->machTimeIntervalsPerRule_.size());
    for (std::size_t index = 0; index < shared; ++index) {
        machTimeIntervalsPerRule_[index] += other->machTimeIntervalsPerRule_[index];
    }
}

double XARuleSetProfiler::totalDurationForAllRules() const {
    double total = 0;
    for (std::uint64_t units : machTimeIntervalsPerRule_) {
        total += XAMachTimeToSeconds(units);
    }
    return total;
}

std::vector<XAPair<const XARuleDescriptor *, double>> XARuleSetProfiler::sortedRulesAndDurations() const {
    std::vector<XAPair<const XARuleDescriptor *, double>> pairs;
    pairs.reserve(rules_.size());
    for (std::size_t index = 0; index < rules_.size(); ++index) {
        pairs.emplace_back(rules_[index], XAMachTimeToSeconds(machTimeIntervalsPerRule_[index]));
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const auto &a, const auto &b) { return a.second() > b.second(); });
    return pairs;
}

void XARuleSetProfiler::logMeasurements() const {
    // With no time measured at all the shares are not numbers; the lines are written anyway.
    const double total = totalDurationForAllRules();
    XALog(XALogLevelDebug, "Rule Profiling:");
    for (const auto &pair : sortedRulesAndDurations()) {
        XALog(XALogLevelDebug, "%s: %.3f sec (%.1f %%)", pair.first()->shortName.c_str(), pair.second(),
              pair.second() / total * 100.0);
    }
}

void XARuleSetProfiler::recordAutomatically() const { XARuleTimingProbes::recordAutomatically(rules_); }
