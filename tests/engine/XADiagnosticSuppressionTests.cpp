#include "engine/XADiagnosticSuppression.h"

#include "codemodel/XACodeSnippetSupport.h"
#include "core/XAPaths.h"
#include "engine/XAClangFilePaths.h"
#include "engine/XATestRuleDescriptors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

// What every snippet starts with: the staged annotations header is the one users copy into their projects.
const std::string kPrelude = "#import <Foundation/Foundation.h>\n#import \"TessaryAnnotations.h\"\n";

// The staged annotations header, the one users copy into their projects.
std::string annotationsHeader() {
    std::ifstream file(TESSARY_STAGE_DIR "/share/tessary/TessaryAnnotations.h");
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

const XATestRules &testRules() {
    static const XATestRules rules(
        {{"NSLogUsed", {"Recommended"}}, {"DotSyntax", {"Style"}}, {"ObjCPointerComparison", {"Experimental"}}});
    return rules;
}

// A snippet that imports the annotations header, and what suppression makes of its cursors.
class XADiagnosticSuppressionTest : public testing::Test {
protected:
    XAParsedSnippet &parse(const std::string &source, std::vector<std::pair<std::string, std::string>> files = {}) {
        XASnippetSettings settings;
        settings.otherFiles = std::move(files);
        settings.otherFiles.emplace_back("TessaryAnnotations.h", annotationsHeader());
        snippet_ = std::make_unique<XAParsedSnippet>(kPrelude + source, settings);
        return *snippet_;
    }

    std::vector<CXCursor> suppressionMacros() const {
        return XAParsedSnippet::findAll(snippet_->root(), [this](CXCursor cursor) {
            return snippet_->isInSnippetFolder(cursor) &&
                   XADiagnosticSuppression::cursorIsSuppressionMacroExpansion(cursor);
        });
    }

    // The suppression of the only suppression macro of the snippet, collecting the warnings.
    std::optional<XADiagnosticSuppression> suppressionOfTheMacro() {
        std::vector<CXCursor> macros = suppressionMacros();
        EXPECT_EQ(macros.size(), 1u);
        if (macros.empty()) {
            return std::nullopt;
        }
        return XADiagnosticSuppression::suppressionFromSuppressionMacroCursor(macros.front(), collect(),
                                                                              testRules().registry());
    }

    XAProgressHandler collect() {
        return [this](const XAProgressMessage &message) {
            EXPECT_EQ(message.kind(), XAProgressMessageKindWarning);
            warnings_.push_back(message.message());
        };
    }

    // The byte range of a cursor's extent.
    static std::pair<std::uint64_t, std::uint64_t> extentOf(CXCursor cursor) {
        return {XACursorExtentStart(cursor).offset, XACursorExtentEnd(cursor).offset};
    }
    static std::pair<std::uint64_t, std::uint64_t> rangeOf(const XADiagnosticSuppression &suppression) {
        return {suppression.startByteOffset(), suppression.endByteOffset()};
    }

    std::string snippetPath() const {
        return XANormalizedFilePathOfCursor(snippet_->root()).value_or(snippet_->path());
    }

    std::unique_ptr<XAParsedSnippet> snippet_;
    std::vector<std::string> warnings_;
};

XADiagnostic diagnostic(const std::string &rule, std::optional<std::string> path, std::uint64_t start,
                        std::uint64_t end) {
    return XARuleDiagnosticWithFile(testRules().rule(rule), std::move(path),
                                    XADiagnosticPosition::positionAtLine(1, 1, start),
                                    XADiagnosticPosition::positionAtLine(1, 1, end), std::nullopt, std::nullopt,
                                    std::nullopt, XADiagnosticImpactStyle, 5, 5);
}

TEST(XADiagnosticSuppressionNames, MacroNamesAreStandardised) {
    const std::pair<const char *, const char *> cases[] = {{"TessaryIgnoredInFile", "TESSARY_IGNORED_IN_FILE"},
                                                           {"TESSARY_IGNORED_ON_LINE", "TESSARY_IGNORED_ON_LINE"},
                                                           {"tessaryIgnored", "TESSARY_IGNORED"},
                                                           {"TessAryIgnored", "TESSARY_IGNORED"}};
    for (const auto &[name, standardized] : cases) {
        EXPECT_EQ(XADiagnosticSuppression::standardizedSuppressionMacroNameFromName(name), standardized) << name;
    }
}

TEST_F(XADiagnosticSuppressionTest, RecognisesTheSuppressionMacrosOnly) {
    XAParsedSnippet &snippet = parse(R"(#define TESSARY_IGNORED_SOMEWHERE(...)
#define TessaryIgnoredOnLine(...)
#define TESS(...)
#define OTHER_MACRO(...)
void f(void) {
    TESSARY_IGNORED_SOMEWHERE(NSLogUsed)
    TessaryIgnoredOnLine(NSLogUsed)
    TESS(NSLogUsed)
    OTHER_MACRO(NSLogUsed)
    TESSARY_IGNORED_IN_CLASS(NSLogUsed, "text", 3, DotSyntax)
    TESSARY_IGNORED()
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    std::vector<std::string> names;
    std::vector<std::vector<std::string>> arguments;
    for (CXCursor cursor : suppressionMacros()) {
        names.push_back(XACursorSpelling(cursor).value_or(""));
        arguments.push_back(XADiagnosticSuppression::argumentsOfSuppressionMacroCursor(cursor));
    }
    EXPECT_THAT(names, ElementsAre("TessaryIgnoredOnLine", "TESSARY_IGNORED_IN_CLASS", "TESSARY_IGNORED"));
    EXPECT_THAT(arguments, ElementsAre(ElementsAre("NSLogUsed"), ElementsAre("NSLogUsed", "DotSyntax"), IsEmpty()));
}

const char *kGreeter = R"(@interface Greeter : NSObject
- (void)greet;
@end
@implementation Greeter
- (void)greet {
    %MACRO%
    int x = 0;
    (void)x;
}
@end
void helper(void) {
    int y = 0;
    (void)y;
}
)";

std::string withMacro(const std::string &macro) {
    std::string source = kGreeter;
    source.replace(source.find("%MACRO%"), 7, macro);
    return source;
}

TEST_F(XADiagnosticSuppressionTest, InMethodAndBareMacrosCoverTheMethod) {
    for (const char *macro : {"TESSARY_IGNORED_IN_METHOD(NSLogUsed)", "TESSARY_IGNORED_IN_FUNCTION(nslogused);",
                              "TESSARY_IGNORED(NSLOGUSED)"}) {
        XAParsedSnippet &snippet = parse(withMacro(macro));
        ASSERT_SNIPPET_PARSED(snippet);
        std::optional<XADiagnosticSuppression> suppression = suppressionOfTheMacro();
        ASSERT_TRUE(suppression) << macro;
        EXPECT_THAT(suppression->suppressedRuleShortNames(), ElementsAre("NSLogUsed"));
        EXPECT_FALSE(suppression->appliesToEntireFile());
        EXPECT_EQ(suppression->filePath(), snippetPath());
        CXCursor implementation = snippet.find(CXCursor_ObjCImplementationDecl, "Greeter");
        EXPECT_EQ(rangeOf(*suppression),
                  extentOf(snippet.findBelow(implementation, CXCursor_ObjCInstanceMethodDecl, "greet")))
            << macro;
        EXPECT_THAT(warnings_, IsEmpty());
    }
}

TEST_F(XADiagnosticSuppressionTest, InFunctionMacroCoversTheFunction) {
    XAParsedSnippet &snippet = parse("void helper(void) {\n  int y = 0;\n  TESSARY_IGNORED_IN_FUNCTION(DotSyntax)\n"
                                     "  (void)y;\n}\n");
    ASSERT_SNIPPET_PARSED(snippet);
    std::optional<XADiagnosticSuppression> suppression = suppressionOfTheMacro();
    ASSERT_TRUE(suppression);
    EXPECT_EQ(rangeOf(*suppression), extentOf(snippet.find(CXCursor_FunctionDecl, "helper")));
}

TEST_F(XADiagnosticSuppressionTest, ClassMacrosCoverTheClass) {
    // Inside an interface, indented or in the first column, and inside an implementation between its methods.
    const std::pair<const char *, CXCursorKind> cases[] = {
        {"@interface Widget : NSObject\n    TESSARY_IGNORED(NSLogUsed)\n- (void)run;\n@end\n",
         CXCursor_ObjCInterfaceDecl},
        {"@interface Widget : NSObject\nTESSARY_IGNORED(NSLogUsed)\n- (void)run;\n@end\n", CXCursor_ObjCInterfaceDecl},
        {"@interface Widget : NSObject\n- (void)run;\n@end\n@implementation "
         "Widget\nTESSARY_IGNORED_IN_CLASS(NSLogUsed)\n"
         "- (void)run {}\n@end\n",
         CXCursor_ObjCImplementationDecl}};
    for (const auto &[source, kind] : cases) {
        XAParsedSnippet &snippet = parse(source);
        ASSERT_SNIPPET_PARSED(snippet);
        std::optional<XADiagnosticSuppression> suppression = suppressionOfTheMacro();
        ASSERT_TRUE(suppression) << source;
        EXPECT_EQ(rangeOf(*suppression), extentOf(snippet.find(kind, "Widget"))) << source;
        EXPECT_THAT(warnings_, IsEmpty());
    }
}

TEST_F(XADiagnosticSuppressionTest, InFileMacroCoversTheWholeFileAndOnLineItsLine) {
    XAParsedSnippet &snippet = parse(withMacro("TESSARY_IGNORED_IN_FILE(NSLogUsed, DotSyntax)"));
    ASSERT_SNIPPET_PARSED(snippet);
    std::optional<XADiagnosticSuppression> suppression = suppressionOfTheMacro();
    ASSERT_TRUE(suppression);
    EXPECT_TRUE(suppression->appliesToEntireFile());
    EXPECT_THAT(suppression->suppressedRuleShortNames(), ElementsAre("NSLogUsed", "DotSyntax"));
    EXPECT_TRUE(suppression->suppressesDiagnostic(diagnostic("DotSyntax", snippetPath(), 0, 1)));
    EXPECT_FALSE(suppression->suppressesDiagnostic(diagnostic("DotSyntax", "/elsewhere/Other.m", 0, 1)));

    std::string source = withMacro("int z = 0; TESSARY_IGNORED_ON_LINE(NSLogUsed) (void)z;");
    parse(source);
    ASSERT_SNIPPET_PARSED(*snippet_);
    suppression = suppressionOfTheMacro();
    ASSERT_TRUE(suppression);
    std::string text = kPrelude + source;
    std::uint64_t lineStart = text.find("    int z");
    std::uint64_t lineEnd = text.find('\n', lineStart);
    EXPECT_EQ(rangeOf(*suppression), std::make_pair(lineStart, lineEnd));
}

TEST_F(XADiagnosticSuppressionTest, AMacroInTheFirstColumnOfTheFirstLineWorks) {
    parse("#include \"Part.h\"\n", {{"Part.h", "TESSARY_IGNORED_IN_FILE(NSLogUsed)\nvoid part(void);\n"}});
    ASSERT_SNIPPET_PARSED(*snippet_);
    std::optional<XADiagnosticSuppression> suppression = suppressionOfTheMacro();
    ASSERT_TRUE(suppression);
    EXPECT_TRUE(suppression->appliesToEntireFile());
    EXPECT_EQ(suppression->filePath(), xa_stringByStandardizingPath(snippet_->folder() + "/Part.h"));
}

TEST_F(XADiagnosticSuppressionTest, ProblemsWithAnnotationsAreWarnings) {
    XAParsedSnippet &snippet =
        parse(withMacro("TESSARY_IGNORED_IN_METHOD(NoSuchRule, dotsyntax, ObjCPointerComparison)"));
    ASSERT_SNIPPET_PARSED(snippet);
    std::optional<XADiagnosticSuppression> suppression = suppressionOfTheMacro();
    ASSERT_TRUE(suppression);
    // Rules that are not public count as unknown; the known names still apply, in the rules' own spelling.
    EXPECT_THAT(suppression->suppressedRuleShortNames(), ElementsAre("DotSyntax"));
    ASSERT_EQ(warnings_.size(), 1u);
    EXPECT_EQ(warnings_[0], "Diagnostics suppression annotation in " + snippetPath() +
                                " [8:5]: Unknown rule names in annotation: \"NoSuchRule\", \"ObjCPointerComparison\"");

    for (const char *macro : {"TESSARY_IGNORED_IN_FILE()", "TESSARY_IGNORED_IN_FILE(Nope)"}) {
        warnings_.clear();
        parse(withMacro(macro));
        ASSERT_SNIPPET_PARSED(*snippet_);
        EXPECT_FALSE(suppressionOfTheMacro()) << macro;
        ASSERT_FALSE(warnings_.empty());
        EXPECT_EQ(warnings_.back(), "Diagnostics suppression annotation in " + snippetPath() +
                                        " [8:5]: No rule names found in annotation.");
    }

    warnings_.clear();
    parse("int counter;\n  TESSARY_IGNORED(NSLogUsed)\n");
    ASSERT_SNIPPET_PARSED(*snippet_);
    EXPECT_FALSE(suppressionOfTheMacro());
    EXPECT_THAT(warnings_, ElementsAre("Diagnostics suppression annotation TESSARY_IGNORED in " + snippetPath() +
                                       " [4:3]: Cannot determine which entity this annotation refers to. Position the "
                                       "annotation inside the code entity it should refer to."));
}

TEST_F(XADiagnosticSuppressionTest, ASuppressionCoversDiagnosticsThatLieWithinIt) {
    XAParsedSnippet &snippet = parse(withMacro("TESSARY_IGNORED_IN_METHOD(NSLogUsed)"));
    ASSERT_SNIPPET_PARSED(snippet);
    std::optional<XADiagnosticSuppression> suppression = suppressionOfTheMacro();
    ASSERT_TRUE(suppression);
    const auto [start, end] = rangeOf(*suppression);
    const std::string path = snippetPath();
    EXPECT_TRUE(suppression->suppressesDiagnostic(diagnostic("NSLogUsed", path, start, end)));
    EXPECT_TRUE(suppression->suppressesDiagnostic(diagnostic("NSLogUsed", path, start + 10, end - 2)));
    EXPECT_FALSE(suppression->suppressesDiagnostic(diagnostic("NSLogUsed", path, start + 10, end + 1)));
    EXPECT_FALSE(suppression->suppressesDiagnostic(diagnostic("NSLogUsed", path, start - 1, end)));
    EXPECT_FALSE(suppression->suppressesDiagnostic(diagnostic("DotSyntax", path, start, end)));
    EXPECT_FALSE(suppression->suppressesDiagnostic(diagnostic("NSLogUsed", std::nullopt, start, end)));
    XADiagnostic wholeFile = XARuleDiagnosticWithFile(testRules().rule("NSLogUsed"), path, std::nullopt, std::nullopt,
                                                      std::nullopt, std::nullopt, std::nullopt, 1, 5, 5);
    EXPECT_FALSE(suppression->suppressesDiagnostic(wholeFile));
    EXPECT_EQ(suppression->description(), "XADiagnosticSuppression: [" + std::to_string(start) + " - " +
                                              std::to_string(end) + "] (NSLogUsed) " + path);
}

TEST_F(XADiagnosticSuppressionTest, AnnotatedDeclarationsAreCovered) {
    XAParsedSnippet &snippet = parse(R"(@interface Logger : NSObject
- (void)log __attribute__((annotate("tessary:suppress:nslogused"), annotate("tessary:other"),
                           annotate("tessary:suppress:"), annotate("tessary:suppress:Unknown")));
- (void)plain;
@end
)");
    ASSERT_SNIPPET_PARSED(snippet);
    CXCursor log = snippet.find(CXCursor_ObjCInstanceMethodDecl, "log");
    std::optional<XADiagnosticSuppression> suppression =
        XADiagnosticSuppression::suppressionFromAnnotatedCursor(log, collect(), testRules().registry());
    ASSERT_TRUE(suppression);
    EXPECT_THAT(suppression->suppressedRuleShortNames(), ElementsAre("NSLogUsed"));
    EXPECT_EQ(rangeOf(*suppression), extentOf(log));
    EXPECT_EQ(suppression->filePath(), snippetPath());
    ASSERT_EQ(warnings_.size(), 1u);
    EXPECT_THAT(warnings_[0], HasSubstr("Unknown rule names in annotation: \"Unknown\""));
    EXPECT_FALSE(XADiagnosticSuppression::suppressionFromAnnotatedCursor(
        snippet.find(CXCursor_ObjCInstanceMethodDecl, "plain"), collect(), testRules().registry()));
}

TEST(XADiagnosticPathSuppressionTest, ExpressionsSilenceOneRuleInMatchingPaths) {
    XADiagnosticSuppression suppression =
        XADiagnosticSuppression::suppressionForRuleShortName("NSLogUsed", {*XARegex::compile("/Vendor/")});
    EXPECT_TRUE(suppression.suppressesDiagnostic(diagnostic("NSLogUsed", "/p/App/Vendor/Lib.m", 4, 9)));
    EXPECT_FALSE(suppression.suppressesDiagnostic(diagnostic("NSLogUsed", "/p/App/Vendors/Lib.m", 4, 9)));
    EXPECT_FALSE(suppression.suppressesDiagnostic(diagnostic("DotSyntax", "/p/App/Vendor/Lib.m", 4, 9)));
    EXPECT_FALSE(suppression.suppressesDiagnostic(diagnostic("NSLogUsed", std::nullopt, 4, 9)));
    EXPECT_TRUE(
        XADiagnosticSuppression::suppressionForRuleShortName(std::nullopt, {}).suppressedRuleShortNames().empty());
}

} // namespace
