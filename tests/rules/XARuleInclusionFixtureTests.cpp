// The inclusion rules through whole checking runs of fixture projects with a precompiled prefix header: prefix-header
// (ten source files; the prefix header imports UIKit and Common.h, which imports Util.h), prefix-header-nine (nine
// source files) and category-conflicts (no prefix header).

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

constexpr const char *kRedundantInclude = "RedundantInclude";
constexpr const char *kSuggestion = "PrefixHeaderIncludeSuggestion";

// "file:line" of each finding.
std::vector<std::string> places(const XAFixtureCheck &check) {
    std::vector<std::string> found;
    for (const XAFixtureFinding &finding : check.findings) {
        found.push_back(finding.file + ":" + std::to_string(finding.line));
    }
    return found;
}

std::vector<std::string> redundantInclusions(const XAFixtureRuleOptions &options = {}) {
    XAScratchFolder scratch;
    return places(XACheckFixture(scratch, "prefix-header", {kRedundantInclude}, options));
}

XAFixtureCheck suggestions(const XAScratchFolder &scratch, const XAFixtureRuleOptions &options = {}) {
    return XACheckFixture(scratch, "prefix-header", {kSuggestion}, options);
}

} // namespace

TEST(XARuleRedundantIncludeFixtureTest, InclusionsThePrefixHeaderMakesDirectlyOrIndirectlyAreReported) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "prefix-header", {kRedundantInclude});
    EXPECT_THAT(places(check), ElementsAre("App/Alpha.m:1", "App/Beta.m:1"))
        << "not Util.m's own header, not the system header, not the headers inside the prefix header";
    ASSERT_FALSE(check.findings.empty());
    EXPECT_EQ(check.findings[0].info, check.projectFolder +
                                          "/App/Common.h is already included in the prefix header. Including it here "
                                          "again is redundant.");
}

TEST(XARuleRedundantIncludeFixtureTest, IndirectInclusionsMayBeIgnored) {
    EXPECT_THAT(redundantInclusions({{kRedundantInclude, {{"ignoreIndirectInclusions", true}}}}),
                ElementsAre("App/Alpha.m:1"));
}

TEST(XARuleRedundantIncludeFixtureTest, SystemHeadersAreReportedWhenNotIgnored) {
    EXPECT_THAT(redundantInclusions({{kRedundantInclude, {{"ignoreSystemHeaders", false}}}}),
                ElementsAre("App/Alpha.m:1", "App/Beta.m:1", "App/Gamma.m:1", "App/Log.h:1", "App/Net.h:1",
                            "App/Thing+Private.h:1"))
        << "Foundation, in a source file and in headers outside the prefix header";
}

TEST(XARulePrefixHeaderIncludeSuggestionFixtureTest, AHeaderIncludedByThreeOfTenFilesIsSuggested) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = suggestions(scratch);
    EXPECT_THAT(places(check), ElementsAre("App/Net.h:0"))
        << "not Log.h (two files), the private header or the headers of the prefix header";
    ASSERT_EQ(check.findings.size(), 1u);
    EXPECT_EQ(check.findings[0].info, "The Net.h header is included in 3/10 source files (30%). Suggest moving this "
                                      "inclusion into the prefix header to improve compilation time.");
}

TEST(XARulePrefixHeaderIncludeSuggestionFixtureTest, AThresholdOfZeroSuggestsEveryHeader) {
    XAScratchFolder scratch;
    EXPECT_THAT(places(suggestions(scratch, {{kSuggestion, {{"warningThresholdPercent", 0}}}})),
                ElementsAre("App/Log.h:0", "App/Net.h:0"));
}

TEST(XARulePrefixHeaderIncludeSuggestionFixtureTest, TheIncludingFilesMayBeListed) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = suggestions(scratch, {{kSuggestion, {{"showFiles", true}}}});
    ASSERT_EQ(check.findings.size(), 1u);
    const std::string app = check.projectFolder + "/App/";
    EXPECT_THAT(check.findings[0].info, HasSubstr("time.The files containing this inclusion are:" + app + "Alpha.m " +
                                                  app + "Beta.m " + app + "Gamma.m"))
        << "by path, whatever the order in which the files were parsed";
}

TEST(XARulePrefixHeaderIncludeSuggestionFixtureTest, NineSourceFilesAreTooFewAndTheRunSaysSo) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "prefix-header-nine", {kSuggestion, kRedundantInclude});
    EXPECT_THAT(check.debugMessages,
                Contains("Rule PrefixHeaderIncludeSuggestion will not be applied: “Applies to projects that use a "
                         "prefix header, and have at least 10 source code files.”"));
    EXPECT_THAT(places(check), ElementsAre("App/Alpha.m:1")) << "the redundant inclusion rule still applies";
}

TEST(XARulePrefixHeaderIncludeSuggestionFixtureTest, WithoutAPrefixHeaderNeitherRuleApplies) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "category-conflicts", {kSuggestion, kRedundantInclude});
    EXPECT_THAT(check.debugMessages,
                Contains("Rule RedundantInclude will not be applied: “Applies to projects using a prefix header.”"));
    EXPECT_THAT(check.debugMessages, Contains(HasSubstr("Rule PrefixHeaderIncludeSuggestion will not be applied")));
    EXPECT_THAT(check.findings, IsEmpty());
}
