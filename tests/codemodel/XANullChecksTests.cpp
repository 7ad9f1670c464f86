#include "codemodel/clang/XANullChecks.h"

#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The arguments of the calls in the snippet's own file, in order.
std::vector<CXCursor> callArguments(const XAParsedSnippet &snippet) {
    std::vector<CXCursor> arguments;
    for (CXCursor call : XAParsedSnippet::findAll(snippet.root(), [&](CXCursor cursor) {
             return cursor.kind == CXCursor_CallExpr && snippet.isInSnippetFolder(cursor);
         })) {
        if (XALibclang::fn().clang_Cursor_getNumArguments(call) == 1) {
            arguments.push_back(XALibclang::fn().clang_Cursor_getArgument(call, 0));
        }
    }
    return arguments;
}

} // namespace

TEST(XANullChecksTest, NullConstantsInTheirSpellings) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
void takeObject(id object);
void takePointer(char *pointer);
void takeLong(long value);
long count(void);
void cases(long number) {
    takeObject(0);
    takeObject(0x0);
    takeObject(0L);
    takeObject((0));
    takeObject((id)0);
    takeObject(nil);
    takeObject(NULL);
    takeObject((NSString *)(0));
    takeLong(0);
    takeLong(1);
    takeLong(number);
    takeLong(count());
    takePointer(0);
    takePointer((char *)1);
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const std::vector<std::pair<std::string, bool>> expected = {
        {"0", true},
        {"0x0", true},
        {"0L", true},
        {"(0)", true},
        {"(id)0", true},
        {"nil", true},
        {"NULL", true},
        {"(NSString *)(0)", true},
        // Converted to an integer or a plain C pointer, a 0 is not one (the literal itself is); a cast 1 is not.
        {"0", false},
        {"1", false},
        {"number", false},
        {"count()", false},
        {"0", false},
        {"(char *)1", false},
    };
    const std::vector<CXCursor> arguments = callArguments(snippet);
    ASSERT_EQ(arguments.size(), expected.size());
    for (size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(XACursorSourceText(arguments[index]), expected[index].first) << index;
        EXPECT_EQ(XAIsNullConstantExpr(arguments[index]), expected[index].second)
            << index << ": " << expected[index].first;
    }
    // The literal itself, whatever the conversion around it.
    EXPECT_TRUE(XAIsNullConstantExpr(XAStripParensCastsAndUnexposed(arguments[8])));
    EXPECT_TRUE(XAIsNullConstantExpr(XAStripParensCastsAndUnexposed(arguments[12])));
    EXPECT_FALSE(XAIsNullConstantExpr(XALibclang::fn().clang_getNullCursor()));
}

TEST(XANullChecksTest, NullptrAndTheGNUNullConstant) {
    ASSERT_TRUE(XALoadStagedLibclang());
    XAScratchFolder folder;
    const std::string path =
        folder.write("Null.mm", "void take(void *pointer);\nvoid f() { take(nullptr); take(__null); take(0); }\n");
    XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
    XATranslationUnitOwner unit(
        XAParseTranslationUnit(index.get(), path, {"-x", "objective-c++", "-std=c++17"}, 0, nullptr));
    ASSERT_NE(unit, nullptr);
    ASSERT_EQ(XANumberOfErrorDiagnostics(unit.get()), 0u);
    const std::vector<CXCursor> calls =
        XAParsedSnippet::findAll(XALibclang::fn().clang_getTranslationUnitCursor(unit.get()),
                                 [](CXCursor cursor) { return cursor.kind == CXCursor_CallExpr; });
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_TRUE(XAIsNullConstantExpr(XALibclang::fn().clang_Cursor_getArgument(calls[0], 0)));
    EXPECT_TRUE(XAIsNullConstantExpr(XALibclang::fn().clang_Cursor_getArgument(calls[1], 0)));
    EXPECT_FALSE(XAIsNullConstantExpr(XALibclang::fn().clang_Cursor_getArgument(calls[2], 0)));
}

TEST(XANullChecksTest, NilChecksOfConditions) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
#pragma clang diagnostic ignored "-Wparentheses-equality"
void conditions(NSString *obj, NSString *other, NSUInteger count, BOOL flag) {
    if (obj) {}
    if (!obj) {}
    if (nil == obj) {}
    if (obj == nil) {}
    if (obj != NULL) {}
    if ((obj)) {}
    if ((obj) == (nil)) {}
    if ((obj == nil)) {}
    if (!(obj)) {}
    if (count) {}
    if (flag) {}
    if (!flag) {}
    if (flag == NO) {}
    if (obj == other) {}
    if (nil == nil) {}
    if (count == 0) {}
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    struct Case {
        const char *condition;
        bool pointerCheck;
        bool pointerOrBoolCheck;
        bool isNilTest;
        const char *operand;
    };
    const std::vector<Case> cases = {
        {"obj", true, true, false, "obj"},
        {"!obj", true, true, true, "obj"},
        {"nil == obj", true, true, true, "obj"},
        {"obj == nil", true, true, true, "obj"},
        {"obj != NULL", true, true, false, "obj"},
        {"(obj)", true, true, false, "(obj)"},
        {"(obj) == (nil)", true, true, true, "obj"},
        // A comparison in parentheses is tested as an operand, and an int is none.
        {"(obj == nil)", false, false, false, ""},
        {"!(obj)", true, true, true, "(obj)"},
        {"count", false, false, false, ""},
        {"flag", false, true, false, "flag"},
        {"!flag", false, true, true, "flag"},
        // NO is a boolean literal, not a null constant.
        {"flag == NO", false, false, false, ""},
        {"obj == other", false, false, false, ""},
        {"nil == nil", false, false, false, ""},
        {"count == 0", false, false, false, ""},
    };
    const std::vector<CXCursor> ifs = XAParsedSnippet::findAll(snippet.root(), [&](CXCursor cursor) {
        return cursor.kind == CXCursor_IfStmt && snippet.isInSnippetFolder(cursor);
    });
    ASSERT_EQ(ifs.size(), cases.size());
    for (size_t index = 0; index < cases.size(); ++index) {
        const Case &c = cases[index];
        const CXCursor condition = XAChildAtIndex(ifs[index], 0);
        ASSERT_EQ(XACursorSourceText(condition), c.condition);
        CXCursor operand = XALibclang::fn().clang_getNullCursor();
        bool isNilTest = !c.isNilTest;
        EXPECT_EQ(XAMatchPointerNilCheck(nullptr, nullptr, condition), c.pointerCheck) << c.condition;
        EXPECT_EQ(XAMatchPointerOrBoolNilCheck(&operand, &isNilTest, condition), c.pointerOrBoolCheck) << c.condition;
        if (c.pointerOrBoolCheck) {
            EXPECT_EQ(isNilTest, c.isNilTest) << c.condition;
            EXPECT_EQ(XACursorSourceText(operand), c.operand) << c.condition;
        }
    }
}

TEST(XANullChecksTest, NothingIsWrittenWhenTheConditionIsNoNilCheck) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
void conditions(NSUInteger count) {
    if (count) {}
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor condition = XAChildAtIndex(snippet.findIn(CXCursor_FunctionDecl, "conditions", CXCursor_IfStmt), 0);
    const CXCursor untouched = snippet.root();
    CXCursor operand = untouched;
    bool isNilTest = true;
    EXPECT_FALSE(XAMatchPointerOrBoolNilCheck(&operand, &isNilTest, condition));
    EXPECT_TRUE(XALibclang::fn().clang_equalCursors(operand, untouched));
    EXPECT_TRUE(isNilTest);
}
