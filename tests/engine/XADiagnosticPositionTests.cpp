#include "codemodel/XACodeSnippetSupport.h"
#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"
#include "engine/XAClangFilePaths.h"
#include "engine/XADiagnosticTestSupport.h"

#include <gtest/gtest.h>

namespace {

class XADiagnosticPositionUpdateTest : public testing::Test {
protected:
    // A diagnostic of the file with the given text over the byte range [start, end) on line 1.
    XADiagnostic diagnosticInFile(const std::string &name, const std::string &text, std::uint64_t start,
                                  std::uint64_t end, std::uint64_t line = 1, std::uint64_t startColumn = 0) {
        const std::string path = folder_.write(name, text);
        return XATestDiagnostic({.filePath = path,
                                 .start = XADiagnosticPosition{line, startColumn, start},
                                 .end = XADiagnosticPosition{line, 0, end}});
    }

    static XADiagnostic updated(XADiagnostic diagnostic) {
        std::vector<XADiagnostic> diagnostics = {std::move(diagnostic)};
        XADiagnostic::updateDiagnosticPositions(diagnostics);
        return diagnostics[0];
    }

    XAScratchFolder folder_;
};

TEST_F(XADiagnosticPositionUpdateTest, CountsColumnsInCodePointsAndUTF16Units) {
    // "é" takes two bytes: x is at byte column 3 but at column 1 in code points and UTF-16 units.
    const XADiagnostic accented = updated(diagnosticInFile("accent.m", "\u00E9x;\n", 2, 3, 1, 3));
    EXPECT_EQ(accented.startPositionBytes()->column, 3u);
    EXPECT_EQ(accented.startPositionCodePoints(), (XADiagnosticPosition{1, 1, 1}));
    EXPECT_EQ(accented.startPositionUTF16Units(), (XADiagnosticPosition{1, 1, 1}));
    EXPECT_EQ(accented.endPositionCodePoints(), (XADiagnosticPosition{1, 2, 2}));
    EXPECT_EQ(accented.filePositionsString(), "[1:1 - 1:2]");
    ASSERT_TRUE(accented.fileSnippet());
    EXPECT_EQ(accented.fileSnippet()->fullMarkedSubstring(), "x");

    // A character outside the Basic Multilingual Plane counts two UTF-16 units and one code point.
    const XADiagnostic astral = updated(diagnosticInFile("astral.m", "a\U0001F600b;", 5, 6));
    EXPECT_EQ(astral.startPositionCodePoints(), (XADiagnosticPosition{1, 2, 2}));
    EXPECT_EQ(astral.startPositionUTF16Units(), (XADiagnosticPosition{1, 3, 3}));
}

TEST_F(XADiagnosticPositionUpdateTest, ColumnsCountFromTheStartOfTheirLine) {
    const std::string text = "one\r\ntwo\u2028three x";
    const XADiagnostic diagnostic = updated(diagnosticInFile("lines.m", text, text.find('x'), text.size() - 1, 3));
    EXPECT_EQ(diagnostic.startPositionCodePoints(), (XADiagnosticPosition{3, 6, 15}));
}

TEST_F(XADiagnosticPositionUpdateTest, ARangeEndingAtTheEndOfTheFileEndsAtItsLastCharacter) {
    const XADiagnostic diagnostic = updated(diagnosticInFile("end.m", "ab\U0001F600", 1, 6));
    EXPECT_EQ(diagnostic.endPositionUTF16Units()->offset, 3u); // UTF-16 length 4, less 1
    EXPECT_EQ(diagnostic.endPositionCodePoints()->offset, 2u); // 3 code points, less 1
    EXPECT_EQ(diagnostic.fileSnippet()->fullMarkedSubstring(), "b");
}

TEST_F(XADiagnosticPositionUpdateTest, AnEmptyRangeGetsPositionsButNoSnippet) {
    const XADiagnostic diagnostic = updated(diagnosticInFile("empty.m", "abc", 1, 1));
    EXPECT_TRUE(diagnostic.startPositionCodePoints());
    EXPECT_FALSE(diagnostic.fileSnippet());
}

TEST_F(XADiagnosticPositionUpdateTest, LeavesWhatItCannotConvert) {
    const std::vector<XADiagnostic> untouched = {
        diagnosticInFile("short.m", "abc", 3, 4),                                 // starts at the end
        diagnosticInFile("latin1.m", "caf\xE9 x", 5, 6),                          // not UTF-8
        XATestDiagnostic({.filePath = folder_ / "missing.m"}),                    // no file
        XATestDiagnostic({.filePath = folder_ / "short.m", .end = std::nullopt}), // no end
        XATestDiagnostic({.filePath = std::nullopt}),                             // no path
    };
    for (const XADiagnostic &diagnostic : untouched) {
        const XADiagnostic result = updated(diagnostic);
        EXPECT_FALSE(result.startPositionCodePoints()) << diagnostic.uniqueKey();
        EXPECT_FALSE(result.startPositionUTF16Units()) << diagnostic.uniqueKey();
        EXPECT_FALSE(result.fileSnippet()) << diagnostic.uniqueKey();
        EXPECT_EQ(result.startPositionBytes(), diagnostic.startPositionBytes());
    }
}

TEST_F(XADiagnosticPositionUpdateTest, ConvertsTheDiagnosticsOfSeveralFilesTogether) {
    std::vector<XADiagnostic> diagnostics;
    for (int file = 0; file < 4; ++file) {
        const std::string text = "int \u00E9" + std::to_string(file) + " = 0;\n";
        for (std::uint64_t start : {0u, 4u, 9u}) {
            diagnostics.push_back(diagnosticInFile("f" + std::to_string(file) + ".m", text, start, start + 1));
        }
    }
    XADiagnostic::updateDiagnosticPositions(diagnostics);
    for (std::size_t i = 0; i < diagnostics.size(); ++i) {
        const std::uint64_t expected[] = {0, 4, 8};
        ASSERT_TRUE(diagnostics[i].startPositionCodePoints()) << i;
        EXPECT_EQ(diagnostics[i].startPositionCodePoints()->offset, expected[i % 3]) << i;
    }
}

TEST(XADiagnosticPositionTest, WholeLines) {
    XAScratchFolder folder;
    const std::string path = folder.write("lines.m", "first\n\nthird line\nlast");
    struct Case {
        std::uint64_t line;
        std::optional<XADiagnosticPositions> positions;
    };
    const Case cases[] = {
        {1, XADiagnosticPositions({1, 0, 0}, {1, 5, 5})},
        {2, XADiagnosticPositions({2, 0, 6}, {2, 0, 6})},
        {3, XADiagnosticPositions({3, 0, 7}, {3, 10, 17})},
        {4, XADiagnosticPositions({4, 0, 18}, {4, 4, 22})},
        {5, std::nullopt},
        {0, std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XADiagnosticPosition::startAndEndPositionsForLine(c.line, path), c.positions) << c.line;
    }
    EXPECT_EQ(XADiagnosticPosition::startAndEndPositionsForLine(1, folder / "missing.m"), std::nullopt);
    EXPECT_EQ(XADiagnosticPosition::startAndEndPositionsForLine(1, folder.write("empty.m", "")), std::nullopt);
    // A zero byte ends the file.
    EXPECT_EQ(XADiagnosticPosition::startAndEndPositionsForLine(2, folder.write("nul.m", std::string("a\0\nb", 4))),
              std::nullopt);
    EXPECT_EQ((XADiagnosticPosition{1, 2, 3}).description(), "Line: 1 Column: 2 Offset: 3");
}

TEST(XADiagnosticPositionTest, CursorPositionsFollowTheirKind) {
    const std::string source = "#import <Foundation/Foundation.h>\n"
                               "@interface Greeter : NSObject\n"
                               "- (void)greet;\n"
                               "@end\n"
                               "@implementation Greeter\n"
                               "- (void)greet { NSLog(@\"hi\"); }\n"
                               "@end\n";
    XAParsedSnippet snippet(source);
    ASSERT_SNIPPET_PARSED(snippet);
    const std::size_t interfaceLine = source.find("@interface");

    // An interface spans its whole first line.
    const auto interface =
        XADiagnosticPosition::startAndEndPositionsFromCursor(snippet.find(CXCursor_ObjCInterfaceDecl, "Greeter"));
    ASSERT_TRUE(interface);
    EXPECT_EQ(interface->first(), (XADiagnosticPosition{2, 0, interfaceLine}));
    EXPECT_EQ(interface->second(), (XADiagnosticPosition{2, 29, interfaceLine + 29}));

    // A method with a body ends one byte before its opening brace.
    const CXCursor implementation = snippet.find(CXCursor_ObjCImplementationDecl, "Greeter");
    const auto method = XADiagnosticPosition::startAndEndPositionsFromCursor(
        snippet.findBelow(implementation, CXCursor_ObjCInstanceMethodDecl, "greet"));
    ASSERT_TRUE(method);
    const std::size_t methodStart = source.find("- (void)greet {");
    EXPECT_EQ(method->first(), (XADiagnosticPosition{6, 1, methodStart}));
    EXPECT_EQ(method->second(), (XADiagnosticPosition{6, 14, methodStart + 13}));

    // Any other cursor spans its extent.
    const auto call = XADiagnosticPosition::startAndEndPositionsFromCursor(snippet.find(CXCursor_CallExpr, "NSLog"));
    ASSERT_TRUE(call);
    const std::size_t callStart = source.find("NSLog");
    EXPECT_EQ(call->first(), (XADiagnosticPosition{6, 17, callStart}));
    EXPECT_EQ(call->second().offset, source.find(";", callStart));
}

TEST(XADiagnosticPositionTest, PathsOfCursorsAreAbsoluteAndNormalised) {
    XAParsedSnippet snippet("int value = 1;\n");
    ASSERT_SNIPPET_PARSED(snippet);
    const std::optional<std::string> path = XANormalizedFilePathOfCursor(snippet.find(CXCursor_VarDecl, "value"));
    EXPECT_EQ(path, xa_stringByStandardizingPath(snippet.path()));
}

} // namespace
