// Date formatters, delegates and restricted methods through a whole checking run of the fixture project
// formatters-delegates (iOS, ARC): Clock's instance-variable formatter gets its format in Clock.m and the POSIX locale
// in Clock+Locale.m; Gauge.h with an assign delegate is included by ARC files and by Legacy.m, which is compiled
// without ARC (it stands between them in the Sources phase); Dial.h with an assign delegate only by ARC files;
// Report.m makes one mistake of each of the other rules.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {
const std::string kReport = "App/Report.m";
} // namespace

TEST(XARuleFormattersDelegatesFixtureTest, AFormatterSetUpInTwoFilesWithThePOSIXLocaleIsNotReported) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "formatters-delegates", {"FixedFormatDateFormatter"});
    // Only Report.m's local formatter, which never gets a locale.
    EXPECT_THAT(check.findings, ElementsAre(XAFixtureFinding{kReport, 20, "", ""}));
}

TEST(XARuleFormattersDelegatesFixtureTest, AssignDelegatesOfHeadersThatAFileWithoutARCIncludesAreNotReported) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "formatters-delegates", {"AssigningDelegate"});
    ASSERT_FALSE(check.findings.empty());
    for (const XAFixtureFinding &finding : check.findings) {
        EXPECT_EQ(finding, (XAFixtureFinding{"App/Dial.h", 5, "delegate", ""}));
    }
}

TEST(XARuleFormattersDelegatesFixtureTest, EachOtherRuleReportsItsOneMistakeInTheReport) {
    struct Expectation {
        std::string rule;
        XAFixtureFinding finding;
        XADiagnosticConfidence confidence;
    };
    const std::vector<Expectation> expectations = {
        {"ThreadUnsafeInstanceCaching", {kReport, 3, "", ""}, XADiagnosticConfidenceMedium},
        {"StrongDelegate", {kReport, 9, "delegate", ""}, XADiagnosticConfidenceHigh},
        {"RestrictedMethodOverride",
         {kReport, 14, "",
          "The -[UIView sizeToFit] method should not be overridden.See more about this from the documentation for this "
          "method."},
         XADiagnosticConfidenceHigh},
        {"RestrictedDirectMethodCall",
         {kReport, 18, "",
          "The -[UIView layoutSubviews] method should not be called directly.See more about this from the "
          "documentation for this method."},
         XADiagnosticConfidenceHigh},
        {"SuspiciousDateTimeFormat",
         {kReport, 20, "",
          "The date format YYYY-MM-dd uses the ‘week-year’ specifier YYYY which might not be desirable — perhaps yyyy "
          "was meant instead. (For example, the ‘week-year’ specifier will yield ‘2015’ for the date of December 31, "
          "2014.)"},
         XADiagnosticConfidenceMedium},
    };
    for (const Expectation &expectation : expectations) {
        XAScratchFolder scratch;
        const XAFixtureCheck check = XACheckFixture(scratch, "formatters-delegates", {expectation.rule});
        ASSERT_EQ(check.findings.size(), 1u) << expectation.rule;
        EXPECT_EQ(check.findings.front(), expectation.finding) << expectation.rule;
        ASSERT_EQ(check.diagnostics.size(), 1u) << expectation.rule;
        EXPECT_EQ(check.diagnostics.front().confidence(), expectation.confidence) << expectation.rule;
    }
}

// The documented restriction is read from a comment of a system header, which the parser keeps for this.
TEST(XARuleFormattersDelegatesFixtureTest, AnOverrideForbiddenByASystemHeaderCommentQuotesTheCommentEscaped) {
    XAScratchFolder scratch;
    XAFixtureCheckAdditions additions;
    additions.files = {
        {"Frame.h", "#pragma clang system_header\n#import <Foundation/Foundation.h>\n@interface Frame : NSObject\n"
                    "/// Subclasses should NOT override this method <ever>.\n- (void)reset;\n@end\n"},
        {"Border.m", "#import \"Frame.h\"\n@interface Border : Frame\n@end\n@implementation Border\n"
                     "- (void)reset {\n}\n@end\n"},
    };
    const XAFixtureCheck check =
        XACheckFixture(scratch, "formatters-delegates", {"RestrictedMethodOverride"}, {}, additions);
    std::vector<const XADiagnostic *> borderFindings;
    for (const XADiagnostic &diagnostic : check.diagnostics) {
        if (diagnostic.filePath() && diagnostic.filePath()->ends_with("Border.m")) {
            borderFindings.push_back(&diagnostic);
        }
    }
    ASSERT_EQ(borderFindings.size(), 1u);
    EXPECT_EQ(borderFindings.front()->confidence(), XADiagnosticConfidenceMedium);
    const std::string markup = borderFindings.front()->instanceInfo()->xmlString();
    EXPECT_NE(markup.find("<objcmethod>reset</objcmethod>"), std::string::npos) << markup;
    EXPECT_NE(markup.find("Subclasses should NOT override this method &lt;ever&gt;."), std::string::npos) << markup;
}
