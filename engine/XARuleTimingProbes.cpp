#include "engine/XARuleTimingProbes.h"

#include "core/XAMachTime.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace {

// The totals by rule and the rules whose pass is probed. The table only grows; a rule's total is an atomic that is
// created once and then added to without the table's lock.
struct ProbeTable {
    std::mutex mutex;
    std::map<const XARuleDescriptor *, std::unique_ptr<std::atomic<std::uint64_t>>> totals;
    std::set<const XARuleDescriptor *> probedRules;
};

ProbeTable &probeTable() {
    static ProbeTable table;
    return table;
}

std::atomic<std::uint64_t> &totalOf(const XARuleDescriptor &rule) {
    ProbeTable &table = probeTable();
    std::lock_guard lock(table.mutex);
    std::unique_ptr<std::atomic<std::uint64_t>> &total = table.totals[&rule];
    if (!total) {
        total = std::make_unique<std::atomic<std::uint64_t>>(0);
    }
    return *total;
}

template <typename Call> XADiagnostics timed(const XARuleDescriptor &rule, Call &&call) {
    const std::uint64_t start = XAMachAbsoluteTime();
    XADiagnostics diagnostics = call();
    XARuleTimingProbes::recordDuration(rule, XAMachAbsoluteTime() - start);
    return diagnostics;
}

} // namespace

void XARuleTimingProbes::recordDuration(const XARuleDescriptor &rule, std::uint64_t duration) {
    totalOf(rule).fetch_add(duration, std::memory_order_relaxed);
}

std::uint64_t XARuleTimingProbes::recordedDuration(const XARuleDescriptor &rule) {
    ProbeTable &table = probeTable();
    std::lock_guard lock(table.mutex);
    auto found = table.totals.find(&rule);
    return found == table.totals.end() ? 0 : found->second->load(std::memory_order_relaxed);
}

void XARuleTimingProbes::swizzleProfilingProbes(const XARuleDescriptor &rule) {
    ProbeTable &table = probeTable();
    std::lock_guard lock(table.mutex);
    table.probedRules.insert(&rule);
}

bool XARuleTimingProbes::hasProfilingProbes(const XARuleDescriptor &rule) {
    ProbeTable &table = probeTable();
    std::lock_guard lock(table.mutex);
    return table.probedRules.contains(&rule);
}

void XARuleTimingProbes::recordAutomatically(const std::vector<const XARuleDescriptor *> &rules) {
    for (const XARuleDescriptor *rule : rules) {
        swizzleProfilingProbes(*rule);
    }
}

XADiagnostics XARuleTimingProbes::zzz_applyWithContext(const XARuleDescriptor &rule, XARuleContext &context) {
    return timed(rule, [&] { return rule.applyWithContext ? rule.applyWithContext(context) : XADiagnostics(); });
}

XADiagnostics XARuleTimingProbes::zzz_applyBeforeCodeWithContext(const XARuleDescriptor &rule, XARuleContext &context) {
    return timed(rule, [&] {
        return rule.applyBeforeCodeWithContext ? rule.applyBeforeCodeWithContext(context) : XADiagnostics();
    });
}

XADiagnostics XARuleTimingProbes::zzz_applyAfterCodeWithContext(const XARuleDescriptor &rule, XARuleContext &context) {
    return timed(rule, [&] {
        return rule.applyAfterCodeWithContext ? rule.applyAfterCodeWithContext(context) : XADiagnostics();
    });
}

XADiagnostics XARuleTimingProbes::zzz_applyToCursor(const XARuleDescriptor &rule, CXCursor cursor, int kind,
                                                    XARuleContext &context, const XACompilationInfo &compilationInfo) {
    return timed(rule, [&] {
        return rule.applyToCursor ? rule.applyToCursor(cursor, kind, context, compilationInfo) : XADiagnostics();
    });
}

XADiagnostics XARuleApplyWithContext(const XARuleDescriptor &rule, XARuleContext &context) {
    if (XARuleTimingProbes::hasProfilingProbes(rule)) {
        return XARuleTimingProbes::zzz_applyWithContext(rule, context);
    }
    return rule.applyWithContext ? rule.applyWithContext(context) : XADiagnostics();
}
