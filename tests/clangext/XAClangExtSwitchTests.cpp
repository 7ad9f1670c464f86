#include "XAClangExtTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace xa_clangext_test;

namespace {

struct SwitchCase {
    const char *function; // the function whose first switch is asked about
    bool covered;
};

TEST(XAClangExtSwitchTest, CoverageOfEnumerations) {
    ParsedSnippet snippet(R"(
        typedef enum { Red, Green, Blue } Color;
        typedef __attribute__((enum_extensibility(closed))) enum : long { Small = -1, Large = 1 } Size;
        enum Bits { BitA = 1, BitB = 2, BitAlias = 1, BitOld __attribute__((deprecated)) = 8,
                    BitGone __attribute__((unavailable)) = 16 };
        enum Wide { WideLow = 0, WideHigh = 0xFFFFFFFFFFull };
        enum Declared;
        enum __attribute__((flag_enum)) Mask { MaskA = 1, MaskB = 2 };
        typedef enum __attribute__((flag_enum)) Options : unsigned long Options;
        enum Options : unsigned long { OptionA = 1, OptionB = 2 };

        void all(Color c) { switch (c) { case Red: case Green: break; case Blue: { int x = 1; (void)x; } } }
        void allWithDefault(Color c) { switch (c) { case Red: case Green: case Blue: default: break; } }
        void missing(Color c) { switch (c) { case Red: case Blue: break; } }
        void onlyDefault(Color c) { switch (c) { default: break; } }
        void byNumber(Color c) { switch (c) { case 0: case 1: case 2: break; } }
        void range(Color c) { switch (c) { case Red ... Blue: break; } }
        void partialRange(Color c) { switch (c) { case Green ... Blue: break; } }
        void negative(Size s) { switch (s) { case Small: case Large: break; } }
        void negativeMissing(Size s) { switch (s) { case Large: break; } }
        void aliases(enum Bits b) { switch (b) { case BitA: case BitB: break; } }
        void wide(enum Wide w) { switch (w) { case WideLow: case WideHigh: break; } }
        void wideMissing(enum Wide w) { switch (w) { case WideLow: break; } }
        void parenthesised(Color c) { switch ((c)) { case Red: case Green: case Blue: break; } }
        void nestedCasesDoNotCount(Color c, Color d) {
            switch (c) { case Red: switch (d) { case Green: case Blue: break; } }
        }
        void outerOfNested(Color c, Color d) {
            switch (c) { case Red: case Green: case Blue: switch (d) { case Red: break; } }
        }
        void casesInLoops(Color c) { switch (c) { case Red: for (;;) { case Green: case Blue: break; } } }
        void singleStatement(Color c) { switch (c) case Red: break; }
        void integer(int i) { switch (i) { case 0: case 1: break; } }
        void mask(enum Mask m) { switch (m) { case MaskA: case MaskB: break; } }
        void maskDeclaredAhead(Options o) { switch (o) { case OptionA: case OptionB: break; } }
    )");
    ASSERT_PARSED(snippet);
    const std::vector<SwitchCase> cases = {
        {"all", true},
        {"allWithDefault", true},
        {"missing", false},
        {"onlyDefault", false},
        {"byNumber", true},
        {"range", true},
        {"partialRange", false},
        {"negative", true},
        {"negativeMissing", false},
        {"aliases", true}, // BitAlias shares BitA's value; deprecated and unavailable enumerators may be left out
        {"wide", true},
        {"wideMissing", false},
        {"parenthesised", true},
        {"nestedCasesDoNotCount", false},
        {"outerOfNested", true},
        {"casesInLoops", true},
        {"singleStatement", false},
        {"integer", false},
        {"mask", false}, // combined bits are values no case names
        {"maskDeclaredAhead", false},
    };
    for (const SwitchCase &testCase : cases) {
        CXCursor statement = snippet.findIn(CXCursor_FunctionDecl, testCase.function, CXCursor_SwitchStmt);
        ASSERT_FALSE(clang_Cursor_isNull(statement)) << testCase.function;
        EXPECT_EQ(clang_tessary_areAllSwitchStmtEnumCasesCovered(statement), testCase.covered ? 1u : 0u)
            << testCase.function;
    }
    EXPECT_EQ(clang_tessary_areAllSwitchStmtEnumCasesCovered(snippet.find(CXCursor_FunctionDecl, "all")), 0u);
    EXPECT_EQ(clang_tessary_areAllSwitchStmtEnumCasesCovered(clang_getNullCursor()), 0u);
}

TEST(XAClangExtSwitchTest, SwitchOverAnObjectiveCEnumerationWithAFixedType) {
    ParsedSnippet snippet(R"(
        typedef long NSInteger;
        #define NS_ENUM(type, name) enum name : type name; enum name : type
        typedef NS_ENUM(NSInteger, Direction) { DirectionUp, DirectionDown };
        int step(Direction d) { switch (d) { case DirectionUp: return 1; case DirectionDown: return -1; } }
        int half(Direction d) { switch (d) { case DirectionUp: return 1; } return 0; }
    )");
    ASSERT_PARSED(snippet);
    EXPECT_EQ(clang_tessary_areAllSwitchStmtEnumCasesCovered(
                  snippet.findIn(CXCursor_FunctionDecl, "step", CXCursor_SwitchStmt)),
              1u);
    EXPECT_EQ(clang_tessary_areAllSwitchStmtEnumCasesCovered(
                  snippet.findIn(CXCursor_FunctionDecl, "half", CXCursor_SwitchStmt)),
              0u);
}

} // namespace
