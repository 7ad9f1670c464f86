#include "engine/XARuleSetProfiler.h"

#include "core/XALogTestSupport.h"
#include "core/XAMachTime.h"
#include "engine/XARuleTimingProbes.h"
#include "engine/XATestRuleDescriptors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using testing::Pair;

const XATestRules &testRules() {
    static const XATestRules rules({{"NSLogUsed"}, {"DotSyntax"}, {"Spelling"}});
    return rules;
}

std::vector<const XARuleDescriptor *> rulesNamed(std::initializer_list<const char *> names) {
    std::vector<const XARuleDescriptor *> rules;
    for (const char *name : names) {
        rules.push_back(&testRules().rule(name));
    }
    return rules;
}

// Clock units of a number of milliseconds.
std::uint64_t milliseconds(std::uint64_t count) {
    const XAMachTimebase timebase = XAMachTimebaseInfo();
    return count * 1000000 * timebase.denominator / timebase.numerator;
}

std::vector<std::pair<std::string, double>> ranking(const XARuleSetProfiler &profiler) {
    std::vector<std::pair<std::string, double>> ranked;
    for (const auto &pair : profiler.sortedRulesAndDurations()) {
        ranked.emplace_back(pair.first()->shortName, pair.second());
    }
    return ranked;
}

TEST(XARuleSetProfilerTest, MergesOnlyTheCountersBothProfilersHave) {
    XARuleSetProfiler phase(rulesNamed({"NSLogUsed", "DotSyntax"}));
    XARuleSetProfiler longer(rulesNamed({"NSLogUsed", "DotSyntax", "Spelling"}));
    longer.addMachTimeDuration(milliseconds(10), 0);
    longer.addMachTimeDuration(milliseconds(30), 1);
    longer.addMachTimeDuration(milliseconds(500), 2);
    phase.addMachTimeDuration(milliseconds(5), 0);
    phase.addDurationsFromProfiler(&longer);
    phase.addDurationsFromProfiler(nullptr);
    EXPECT_THAT(ranking(phase), ElementsAre(Pair("DotSyntax", 0.030), Pair("NSLogUsed", 0.015)));
    EXPECT_DOUBLE_EQ(phase.totalDurationForAllRules(), 0.045);
}

TEST(XARuleSetProfilerTest, LogsTheRankingWithShares) {
    XARuleSetProfiler profiler(rulesNamed({"NSLogUsed", "DotSyntax", "Spelling"}));
    profiler.addMachTimeDuration(milliseconds(250), 1);
    profiler.addMachTimeDuration(milliseconds(750), 2);
    XALogCapture log;
    profiler.logMeasurements();
    std::vector<std::string> lines;
    for (const auto &[level, line] : log.lines()) {
        EXPECT_EQ(level, XALogLevelDebug);
        lines.push_back(line);
    }
    // Rules that took equally long keep their order.
    EXPECT_THAT(lines, ElementsAre("Rule Profiling:", "Spelling: 0.750 sec (75.0 %)", "DotSyntax: 0.250 sec (25.0 %)",
                                   "NSLogUsed: 0.000 sec (0.0 %)"));
}

TEST(XARuleSetProfilerTest, NothingMeasuredStillLogsEveryRule) {
    XARuleSetProfiler profiler(rulesNamed({"NSLogUsed", "DotSyntax"}));
    XALogCapture log;
    profiler.logMeasurements();
    ASSERT_EQ(log.lines().size(), 3u);
    EXPECT_THAT(log.lines()[1].second, testing::StartsWith("NSLogUsed: 0.000 sec ("));
}

int projectPassCalls = 0;

// A project-level pass that takes measurable time and reports one finding.
XADiagnostics slowProjectPass(XARuleContext &) {
    ++projectPassCalls;
    const std::uint64_t until = XAMachAbsoluteTime() + milliseconds(2);
    while (XAMachAbsoluteTime() < until) {
    }
    return {XANullDiagnostic::nullDiagnostic()};
}

TEST(XARuleTimingProbesTest, InstalledProbesTimeTheProjectPassAndKeepItsResult) {
    XARuleDescriptor rule = testRules().rule("Spelling");
    rule.applyWithContext = &slowProjectPass;
    XARuleContext context(nullptr, nullptr, nullptr, XAConfiguration(), nullptr, nullptr, {});

    EXPECT_EQ(XARuleApplyWithContext(rule, context).size(), 1u);
    EXPECT_EQ(XARuleTimingProbes::recordedDuration(rule), 0u);

    XARuleSetProfiler({&rule}).recordAutomatically();
    XARuleTimingProbes::swizzleProfilingProbes(rule); // a second installation changes nothing
    EXPECT_EQ(XARuleApplyWithContext(rule, context).size(), 1u);
    EXPECT_EQ(projectPassCalls, 2);
    const std::uint64_t recorded = XARuleTimingProbes::recordedDuration(rule);
    EXPECT_GE(recorded, milliseconds(2));
    // Phases the rule does not have are timed as doing nothing.
    EXPECT_TRUE(XARuleTimingProbes::zzz_applyAfterCodeWithContext(rule, context).empty());
    EXPECT_GE(XARuleTimingProbes::recordedDuration(rule), recorded);
    // Other rules are untouched.
    EXPECT_FALSE(XARuleTimingProbes::hasProfilingProbes(testRules().rule("NSLogUsed")));
}

} // namespace
