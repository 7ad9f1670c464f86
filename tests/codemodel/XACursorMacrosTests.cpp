#include "codemodel/clang/XACursorMacros.h"

#include "codemodel/XACodeSnippetSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::optional<std::vector<std::string>> parameterNames(const XAParsedSnippet &snippet, const char *macro) {
    const std::optional<std::vector<XAClangToken>> tokens =
        XAMacroDefinitionParameterTokens(snippet.find(CXCursor_MacroDefinition, macro));
    if (!tokens) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (const XAClangToken &token : *tokens) {
        names.push_back(token.spelling().value_or("?"));
    }
    return names;
}

} // namespace

TEST(XACursorMacrosTest, ParametersOfMacroDefinitions) {
    XAParsedSnippet snippet(R"(#define PAIR(a, b) ((a) + (b))
#define NONE() 0
#define NEGATIVE -1
#define ONE 1
#define PARENTHESISED (1)
)");
    ASSERT_SNIPPET_PARSED(snippet);
    using Names = std::optional<std::vector<std::string>>;
    EXPECT_EQ(parameterNames(snippet, "PAIR"), Names({"a", "b"}));
    EXPECT_EQ(parameterNames(snippet, "NONE"), Names(std::vector<std::string>{}));
    EXPECT_EQ(parameterNames(snippet, "NEGATIVE"), std::nullopt);
    EXPECT_EQ(parameterNames(snippet, "ONE"), Names(std::vector<std::string>{}));
    // Tokens carry no spacing: a body that begins with a parenthesis reads as a parameter list.
    EXPECT_EQ(parameterNames(snippet, "PARENTHESISED"), Names(std::vector<std::string>{}));
    EXPECT_EQ(XAMacroDefinitionParameterTokens(snippet.root()), std::nullopt);
}

TEST(XACursorMacrosTest, CodeWrittenThroughMacros) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
#define LOG_VALUE(value) NSLog(@"%d", value)
#define BYTES(count) malloc(count)
void run(int value) {
    LOG_VALUE(value);
    NSLog(@"%d", value);
    void *buffer = BYTES(16);
    free(buffer);
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const std::vector<CXCursor> calls = XAParsedSnippet::findAll(
        snippet.find(CXCursor_FunctionDecl, "run"), [](CXCursor cursor) { return cursor.kind == CXCursor_CallExpr; });
    ASSERT_EQ(calls.size(), 4u);
    const XALibclangFunctions &clang = XALibclang::fn();
    EXPECT_TRUE(XACursorIsInMacroExpansion(calls[0]));
    EXPECT_FALSE(XACursorIsInMacroExpansion(calls[1]));
    EXPECT_TRUE(XACursorIsInMacroExpansion(calls[2]));
    EXPECT_FALSE(XACursorIsInMacroExpansion(calls[3]));

    const CXCursor definition = XAMacroDefinitionAtCursor(calls[2]);
    EXPECT_EQ(definition.kind, CXCursor_MacroDefinition);
    EXPECT_EQ(XACursorSpelling(definition), "BYTES");
    EXPECT_TRUE(clang.clang_equalCursors(XAMacroDefinitionAtCursor(calls[3]), calls[3]));
    // The expansion itself is given back as it is.
    const CXCursor expansion = XACursorAfterLocation(calls[0]);
    ASSERT_EQ(expansion.kind, CXCursor_MacroExpansion);
    EXPECT_EQ(XACursorSpelling(XAMacroDefinitionAtCursor(calls[0])), "LOG_VALUE");
}
