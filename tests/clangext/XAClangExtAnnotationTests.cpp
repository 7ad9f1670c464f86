#include "XAClangExtTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace xa_clangext_test;

namespace {

std::vector<std::string> annotationsOf(CXCursor cursor) {
    char **texts = reinterpret_cast<char **>(0x1); // must be overwritten
    unsigned count = 99;
    clang_tessary_getCursorAnnotationAttributes(cursor, &texts, &count);
    std::vector<std::string> result;
    for (unsigned index = 0; index < count; ++index) {
        result.emplace_back(texts[index]);
    }
    if (count == 0) {
        EXPECT_EQ(texts, nullptr);
    }
    clang_tessary_disposeStringArray(texts, count);
    return result;
}

struct AnnotationCase {
    CXCursorKind kind;
    const char *name;
    std::vector<std::string> expected;
};

TEST(XAClangExtAnnotationTest, AnnotationsOfDeclarationsInSourceOrder) {
    ParsedSnippet snippet(std::string(kRootClass) + R"(
        #define SUPPRESS(rules) __attribute__((annotate("tessary:suppress:" rules)))
        __attribute__((annotate("tessary:"))) __attribute__((annotate("other")))
        @interface Marked : NSObject
        @property (nonatomic) int count __attribute__((annotate("tessary:suppress:NSLogUsed")));
        - (void)first __attribute__((annotate("one"))) __attribute__((annotate("two"), annotate("three")));
        - (void)plain;
        - (void)deprecatedOnly __attribute__((deprecated));
        @end
        @implementation Marked
        - (void)first {}
        - (void)plain {}
        - (void)deprecatedOnly {}
        @end
        void function(int parameter __attribute__((annotate("on a parameter")))) SUPPRESS("DotSyntax");
        void function(int parameter) { int local __attribute__((annotate("Tessary:Local"))) = parameter; }
        __attribute__((annotate("café"))) int global;
    )");
    ASSERT_PARSED(snippet);
    const std::vector<AnnotationCase> cases = {
        {CXCursor_ObjCInterfaceDecl, "Marked", {"tessary:", "other"}},
        {CXCursor_ObjCPropertyDecl, "count", {"tessary:suppress:NSLogUsed"}},
        {CXCursor_ObjCInstanceMethodDecl, "first", {"one", "two", "three"}},
        {CXCursor_ObjCInstanceMethodDecl, "plain", {}},
        {CXCursor_ObjCInstanceMethodDecl, "deprecatedOnly", {}},
        {CXCursor_FunctionDecl, "function", {"tessary:suppress:DotSyntax"}},
        {CXCursor_ParmDecl, "parameter", {"on a parameter"}},
        {CXCursor_VarDecl, "local", {"Tessary:Local"}},
        {CXCursor_VarDecl, "global", {"caf\xc3\xa9"}},
    };
    for (const AnnotationCase &testCase : cases) {
        CXCursor declaration = snippet.find(testCase.kind, testCase.name);
        ASSERT_FALSE(clang_Cursor_isNull(declaration)) << testCase.name;
        EXPECT_EQ(clang_tessary_cursorHasAnnotationAttributes(declaration), testCase.expected.empty() ? 0u : 1u)
            << testCase.name;
        EXPECT_EQ(annotationsOf(declaration), testCase.expected) << testCase.name;
    }
}

TEST(XAClangExtAnnotationTest, ImplementationOfAnAnnotatedMethodCarriesItsAnnotations) {
    ParsedSnippet snippet(std::string(kRootClass) + R"(
        @interface Marked : NSObject
        - (void)run __attribute__((annotate("tessary:suppress:UnusedMethod")));
        @end
        @implementation Marked
        - (void)run {}
        @end
    )");
    ASSERT_PARSED(snippet);
    CXCursor implementation = ParsedSnippet::findBelow(snippet.find(CXCursor_ObjCImplementationDecl, "Marked"),
                                                       CXCursor_ObjCInstanceMethodDecl, "run");
    EXPECT_EQ(annotationsOf(implementation), (std::vector<std::string>{"tessary:suppress:UnusedMethod"}));
}

TEST(XAClangExtAnnotationTest, CursorsThatAreNoDeclarationsHaveNoneAndMissingOutputsAreTolerated) {
    ParsedSnippet snippet("__attribute__((annotate(\"x\"))) int value; int f(void) { return value + 1; }");
    ASSERT_PARSED(snippet);
    CXCursor attribute = snippet.findIn(CXCursor_VarDecl, "value", CXCursor_AnnotateAttr);
    CXCursor sum = snippet.findIn(CXCursor_FunctionDecl, "f", CXCursor_BinaryOperator);
    for (CXCursor cursor : {attribute, sum, snippet.root(), clang_getNullCursor()}) {
        EXPECT_EQ(clang_tessary_cursorHasAnnotationAttributes(cursor), 0u);
        EXPECT_TRUE(annotationsOf(cursor).empty());
    }
    CXCursor value = snippet.find(CXCursor_VarDecl, "value");
    unsigned count = 7;
    clang_tessary_getCursorAnnotationAttributes(value, nullptr, &count);
    EXPECT_EQ(count, 0u);
    char **texts = reinterpret_cast<char **>(0x1);
    clang_tessary_getCursorAnnotationAttributes(value, &texts, nullptr);
    EXPECT_EQ(texts, nullptr);
    clang_tessary_disposeStringArray(nullptr, 3);
}

} // namespace
