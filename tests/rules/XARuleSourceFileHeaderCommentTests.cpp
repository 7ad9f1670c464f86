// The template header comments of the fixture app header-comments, one source file per case: a header naming another
// file with the company placeholder (Bar.m), a name indented by three spaces (Three.m) and by one (One.m, which so
// has no header), a sentence as first line (Sentence.m), a block comment (Block.m), bare "//" lines (Slashes.m), an
// empty file (Empty.m), a file that is not UTF-8 (Latin1.m), one with CRLF line ends (Windows.m), a correct header
// (Good.m), a name that must be escaped into the message (Angle.m), and a header that is in no Sources phase
// (Header.h).

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

namespace {

const std::string kPlaceholder = "Source file header comment contains the placeholder __MyCompanyName__.";
const std::string kMissing =
    "All source code files are expected to start with a header comment in the default Xcode template format.";

std::string mismatch(const std::string &inComment, const std::string &fileName) {
    return "The file name in the source file header comment (" + inComment + ") does not match the actual file name (" +
           fileName + ").";
}

} // namespace

TEST(XARuleSourceFileHeaderCommentTest, HeaderCommentsAreHeldAgainstTheTemplate) {
    struct Case {
        std::string name;
        XAFixtureRuleOptions options;
        std::vector<XAFixtureFinding> expected;
    };
    const std::vector<Case> cases = {
        {"by default",
         {},
         {{"App/Angle.m", 2, "", mismatch("Foo&lt;Bar&gt;.h", "Angle.m")},
          {"App/Bar.m", 2, "", mismatch("Foo.m", "Bar.m")},
          {"App/Bar.m", 5, "", kPlaceholder},
          {"App/Three.m", 2, "", mismatch(" Three.m", "Three.m")},
          {"App/Windows.m", 5, "", kPlaceholder}}},
        {"with header comments required",
         {{"SourceFileHeaderComment", {{"requireHeaderComments", XAOptionValue(true)}}}},
         {{"App/Angle.m", 2, "", mismatch("Foo&lt;Bar&gt;.h", "Angle.m")},
          {"App/Bar.m", 2, "", mismatch("Foo.m", "Bar.m")},
          {"App/Bar.m", 5, "", kPlaceholder},
          {"App/Block.m", 1, "", kMissing},
          {"App/Empty.m", 1, "", kMissing},
          {"App/Latin1.m", 1, "", kMissing},
          {"App/One.m", 1, "", kMissing},
          {"App/Slashes.m", 1, "", kMissing},
          {"App/Three.m", 2, "", mismatch(" Three.m", "Three.m")},
          {"App/Windows.m", 5, "", kPlaceholder}}},
        {"without the file-name check",
         {{"SourceFileHeaderComment", {{"expectCommentToStartWithFilename", XAOptionValue(false)}}}},
         {{"App/Bar.m", 5, "", kPlaceholder}, {"App/Windows.m", 5, "", kPlaceholder}}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        XAScratchFolder scratch;
        const XAFixtureCheck check =
            XACheckFixture(scratch, "header-comments", {"SourceFileHeaderComment"}, testCase.options);
        EXPECT_THAT(check.findings, ElementsAreArray(testCase.expected));
    }
}

TEST(XARuleSourceFileHeaderCommentTest, TheTidyProjectGivesNoFindingsEvenWithHeadersRequired) {
    XAScratchFolder scratch;
    EXPECT_THAT(XACheckFixture(scratch, "RuleCase", {"SourceFileHeaderComment"},
                               {{"SourceFileHeaderComment", {{"requireHeaderComments", XAOptionValue(true)}}}})
                    .findings,
                testing::IsEmpty());
}
