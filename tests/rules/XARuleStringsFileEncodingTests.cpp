// String resource files that are not UTF-8, in prepared working copies.

#include "XAWorkingCopyCheckSupport.h"
#include "core/XALogTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

const char *const kRule = "StringsFileEncoding";

} // namespace

TEST(XARuleStringsFileEncodingTest, StringsFilesOfTheTargetThatAreNotUTF8) {
    struct Case {
        const char *name;
        const char *fixture;
        XAWorkingCopyKind kind;
        std::vector<XAFileAndIdentifier> expected;
    };
    const std::vector<Case> cases = {
        {"UTF-16 with a byte-order mark", "strings-utf16", XAWorkingCopyKind::Git, {{"App/Localizable.strings", ""}}},
        {"UTF-8 in the target, UTF-16 in no target", "exempt", XAWorkingCopyKind::Git, {}},
        {"not under Git", "strings-utf16", XAWorkingCopyKind::None, {}},
        {"under Mercurial", "strings-utf16", XAWorkingCopyKind::Mercurial, {}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        XAScratchFolder scratch;
        const std::string xcodeproj = XAPrepareWorkingCopy(scratch, testCase.fixture, {.kind = testCase.kind});
        const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule});
        EXPECT_THAT(XAFilesAndIdentifiers(check), ElementsAreArray(testCase.expected));
        EXPECT_EQ(XARuleWasNotApplied(check, kRule, "Applies to projects under Git version control."),
                  testCase.kind != XAWorkingCopyKind::Git);
        for (const XADiagnostic &diagnostic : check.diagnostics) {
            EXPECT_EQ(diagnostic.instanceInfo()->xmlString(),
                      "This encoding used for this file is \u201cUnicode (UTF-16)\u201d");
            EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityConcern);
            EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactMaintainability);
            EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceAbsolute);
        }
    }
}

TEST(XARuleStringsFileEncodingTest, AMissingFileIsLoggedAndNotReported) {
    XAScratchFolder scratch;
    const std::string xcodeproj = XAPrepareWorkingCopy(scratch, "strings-missing", {});
    XALogCapture log;
    const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule});
    EXPECT_THAT(check.findings, IsEmpty());
    const std::string expectedStart = "Error reading file " + check.projectFolder + "/App/Missing.strings: ";
    const std::vector<std::pair<int, std::string>> lines = log.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::pair<int, std::string> &line) {
        return line.first == XALogLevelError && line.second.starts_with(expectedStart);
    })) << expectedStart;
}
