#include "codemodel/clang/XACursorText.h"

#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XAClangToken.h"
#include "core/XAPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kWidget = R"(#import <Foundation/Foundation.h>
#define SEMICOLON ;
#define ONE (1)
#define NEGATE(x) (-(x))
@interface Widget : NSObject
- (instancetype)initWithSize:(int)size;
@end
@implementation Widget
- (instancetype)initWithSize:(int)size { return [super init]; }
@end
int twice(int a) {
    int b = a + ONE SEMICOLON
    int c = NEGATE(7);
    return b * c;
}
)";

std::vector<std::string> spellingsOf(const std::vector<XAClangToken> &tokens) {
    std::vector<std::string> spellings;
    for (const XAClangToken &token : tokens) {
        spellings.push_back(token.spelling().value_or("(none)"));
    }
    return spellings;
}

CXSourceRange rangeOf(const XAParsedSnippet &snippet, unsigned start, unsigned end) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXFile file = clang.clang_getFile(snippet.unit(), snippet.path().c_str());
    return clang.clang_getRange(clang.clang_getLocationForOffset(snippet.unit(), file, start),
                                clang.clang_getLocationForOffset(snippet.unit(), file, end));
}

} // namespace

TEST(XACursorTextTest, NamesFileLinesAndText) {
    XAParsedSnippet snippet(kWidget);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor method = snippet.find(CXCursor_ObjCInstanceMethodDecl, "initWithSize:", 1);
    const CXCursor function = snippet.find(CXCursor_FunctionDecl, "twice");
    ASSERT_FALSE(XAIsNullCursor(method));
    ASSERT_FALSE(XAIsNullCursor(function));

    EXPECT_EQ(XACursorKindSpelling(CXCursor_ObjCInstanceMethodDecl), "ObjCInstanceMethodDecl");
    EXPECT_EQ(XACursorDisplayName(method), "initWithSize:");
    EXPECT_EQ(XACursorSpelling(function), "twice");
    EXPECT_EQ(XACursorDisplayName(function), "twice(int)");
    EXPECT_EQ(XACursorFilePath(function), snippet.path());
    EXPECT_TRUE(XACursorFile(function));
    EXPECT_EQ(XACursorStartLocation(method), 9u);
    EXPECT_EQ(XACursorStartLocation(function), 11u);
    EXPECT_EQ(XACursorSourceText(method), "- (instancetype)initWithSize:(int)size { return [super init]; }");
    EXPECT_EQ(XACursorExtentLength(method), XACursorSourceText(method)->size());
    EXPECT_FALSE(XACursorIsInSystemHeader(function));
    EXPECT_FALSE(XACursorIsInHeaderFile(function));

    const CXCursor inclusion = snippet.find(CXCursor_InclusionDirective, "Foundation/Foundation.h");
    EXPECT_EQ(xa_lastPathComponent(XAIncludedFilePath(inclusion).value_or("")), "Foundation.h");
    EXPECT_EQ(XAIncludedFilePath(function), std::nullopt);
}

TEST(XACursorTextTest, ConstructsFromMacrosAreReportedAtTheMacroUse) {
    XAParsedSnippet snippet(kWidget);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor declaration = snippet.find(CXCursor_VarDecl, "b");
    const CXCursor literal = snippet.findIn(CXCursor_VarDecl, "b", CXCursor_IntegerLiteral);
    ASSERT_FALSE(XAIsNullCursor(literal));
    const std::size_t macroUse = kWidget.find("ONE SEMICOLON");
    EXPECT_EQ(XACursorStartLocation(literal), 12u);
    EXPECT_EQ(XACursorExtentStart(literal).offset, macroUse);
    EXPECT_EQ(XACursorSourceText(declaration), "int b = a + ONE");

    const std::optional<std::vector<XAClangToken>> tokens = XATokensOfCursor(declaration);
    ASSERT_TRUE(tokens.has_value());
    EXPECT_EQ(spellingsOf(*tokens), (std::vector<std::string>{"int", "b", "=", "a", "+", "ONE"}));
    EXPECT_TRUE(tokens->front().isKind(CXToken_Keyword, "int"));
    EXPECT_FALSE(tokens->front().isKind(CXToken_Identifier, "int"));
    EXPECT_EQ(tokens->back().startOffset(), macroUse);
    EXPECT_EQ(tokens->back().endOffset(), macroUse + 3);
    EXPECT_EQ(tokens->back().description(),
              "Identifier 'ONE' " + std::to_string(macroUse) + " - " + std::to_string(macroUse + 3));

    // A literal written as a macro argument ends, as expanded, where the macro use begins; the tokenizer hands out
    // the argument's token all the same, which reaches past that end and is dropped.
    const CXCursor argument = snippet.findIn(CXCursor_VarDecl, "c", CXCursor_IntegerLiteral);
    EXPECT_EQ(XACursorExtentEnd(argument).offset, kWidget.find("NEGATE(7)"));
    const std::optional<std::vector<XAClangToken>> argumentTokens = XATokensOfCursor(argument);
    ASSERT_TRUE(argumentTokens.has_value());
    EXPECT_TRUE(argumentTokens->empty());
    EXPECT_EQ(spellingsOf(XATokensOfCursor(snippet.find(CXCursor_VarDecl, "c")).value_or(std::vector<XAClangToken>{})),
              (std::vector<std::string>{"int", "c", "=", "NEGATE", "(", "7", ")"}));
}

TEST(XACursorTextTest, TokensOfADeclarationThatStartsWithAMacro) {
    // Under ARC __weak is a macro: the declaration's extent starts inside its expansion, yet its tokens are those
    // written in the file, from the qualifier on.
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
#define OWNED __strong
void f(NSObject *object) {
    __weak NSObject *weakObject = object;
    OWNED NSObject *strongObject = object;
    (void)weakObject, (void)strongObject;
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    EXPECT_EQ(spellingsOf(
                  XATokensOfCursor(snippet.find(CXCursor_VarDecl, "weakObject")).value_or(std::vector<XAClangToken>{})),
              (std::vector<std::string>{"__weak", "NSObject", "*", "weakObject", "=", "object"}));
    const std::optional<std::vector<XAClangToken>> tokens =
        XATokensOfCursor(snippet.find(CXCursor_VarDecl, "strongObject"));
    ASSERT_TRUE(tokens.has_value());
    EXPECT_EQ(spellingsOf(*tokens),
              (std::vector<std::string>{"OWNED", "NSObject", "*", "strongObject", "=", "object"}));
    EXPECT_TRUE(tokens->front().isKind(CXToken_Identifier, "OWNED"));
}

TEST(XACursorTextTest, TokenKindNames) {
    const std::vector<std::pair<int, std::optional<std::string>>> cases = {
        {-1, std::nullopt}, {0, "Punctuation"}, {1, "Keyword"},    {2, "Identifier"},
        {3, "Literal"},     {4, "Comment"},     {5, std::nullopt},
    };
    for (const auto &[kind, name] : cases) {
        EXPECT_EQ(XAClangTokenKindName(kind), name) << kind;
    }
}

TEST(XACursorTextTest, CursorInNoFile) {
    XAParsedSnippet snippet("id makeNothing(void) { return 0; }\n");
    ASSERT_SNIPPET_PARSED(snippet);
    // The declaration of the built-in type id has no place in any file.
    const CXCursor typeReference = snippet.findIn(CXCursor_FunctionDecl, "makeNothing", CXCursor_TypeRef);
    const CXCursor builtin = XALibclang::fn().clang_getCursorReferenced(typeReference);
    ASSERT_EQ(builtin.kind, CXCursor_TypedefDecl);
    EXPECT_EQ(XACursorFilePath(builtin), std::nullopt);
    EXPECT_FALSE(XACursorFile(builtin));
    EXPECT_FALSE(XACursorIsInHeaderFile(builtin));
    EXPECT_FALSE(XACursorIsInPublicHeader(builtin));
    EXPECT_EQ(XACursorSourceText(builtin), std::nullopt);
    EXPECT_EQ(XACursorUniqueKey(builtin), std::to_string(CXCursor_TypedefDecl) + "__id__<nofileid>__0-0-");
    EXPECT_EQ(XACursorDebugDescription(builtin), "TypedefDecl: id / id [0:0:0 - 0:0:0 in ??]");
}

TEST(XACursorTextTest, DescriptionsAndKeys) {
    XAParsedSnippet snippet(kWidget);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor method = snippet.find(CXCursor_ObjCInstanceMethodDecl, "initWithSize:", 1);
    const std::size_t start = kWidget.find("- (instancetype)initWithSize:(int)size {");
    const std::size_t end = kWidget.find("\n@end", start);
    EXPECT_EQ(XACursorDebugDescription(method),
              "ObjCInstanceMethodDecl: initWithSize: / initWithSize: [9:1:" + std::to_string(start) +
                  " - 9:64:" + std::to_string(end) + " in " + snippet.path() + "]");
    EXPECT_EQ(XACursorDebugDescription(XALibclang::fn().clang_getNullCursor()), "<null cursor>");

    // The same declaration reached twice gives the same key; another declaration another one.
    const std::optional<std::string> key = XACursorUniqueKey(method);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(XACursorUniqueKey(snippet.find(CXCursor_ObjCInstanceMethodDecl, "initWithSize:", 1)), key);
    EXPECT_NE(XACursorUniqueKey(snippet.find(CXCursor_ObjCInstanceMethodDecl, "initWithSize:", 0)), key);
    EXPECT_EQ(key->rfind(std::to_string(CXCursor_ObjCInstanceMethodDecl) + "__initWithSize:__", 0), 0u);
    EXPECT_NE(key->find("__" + std::to_string(start) + "-" + std::to_string(end) + "-"), std::string::npos);
    EXPECT_EQ(XACursorUniqueKey(XALibclang::fn().clang_getNullCursor()), std::nullopt);
}

TEST(XACursorTextTest, SourceTextInFileRange) {
    XAScratchFolder folder;
    const std::string path = folder.write("text.m", "abcdef");
    const std::string invalid = folder.write("invalid.m", "ab\xff\xfe");
    EXPECT_EQ(XASourceTextInFileRange(path, 1, 3), "bc");
    EXPECT_EQ(XASourceTextInFileRange(path, 4, 100), "ef");
    EXPECT_EQ(XASourceTextInFileRange(path, 3, 3), std::nullopt);
    EXPECT_EQ(XASourceTextInFileRange(path, 4, 2), std::nullopt);
    EXPECT_EQ(XASourceTextInFileRange(path, 6, 9), std::nullopt);
    EXPECT_EQ(XASourceTextInFileRange(folder / "missing.m", 0, 2), std::nullopt);
    EXPECT_EQ(XASourceTextInFileRange(invalid, 0, 2), "ab");
    EXPECT_EQ(XASourceTextInFileRange(invalid, 1, 4), std::nullopt);
}

TEST(XACursorTextTest, RangeContainmentAndIntersection) {
    XAParsedSnippet snippet(kWidget);
    ASSERT_SNIPPET_PARSED(snippet);
    struct Case {
        unsigned start1, end1, start2, end2;
        bool contained;
        bool intersecting;
    };
    const std::vector<Case> cases = {
        {10, 20, 10, 20, true, true},   // equal
        {10, 20, 12, 18, true, true},   // nested
        {12, 18, 10, 20, true, true},   // nested the other way
        {10, 20, 15, 25, false, true},  // partly overlapping
        {10, 20, 20, 30, false, false}, // touching
        {10, 20, 30, 40, false, false}, // apart
    };
    for (const Case &c : cases) {
        const CXSourceRange first = rangeOf(snippet, c.start1, c.end1);
        const CXSourceRange second = rangeOf(snippet, c.start2, c.end2);
        EXPECT_EQ(XASourceRangeToNSRange(first, second), c.contained) << c.start1 << "-" << c.end1 << " " << c.start2;
        EXPECT_EQ(XASourceRangesIntersection(first, second), c.intersecting)
            << c.start1 << "-" << c.end1 << " " << c.start2;
    }

    const CXCursor function = snippet.find(CXCursor_FunctionDecl, "twice");
    const CXCursor body = XAFirstChildOfKind(function, CXCursor_CompoundStmt, CXChildVisit_Continue);
    const CXCursor method = snippet.find(CXCursor_ObjCInstanceMethodDecl, "initWithSize:", 1);
    EXPECT_TRUE(XACursorsHaveSameExtent(function, body));
    EXPECT_TRUE(XACursorsHaveSameExtent(body, function));
    EXPECT_FALSE(XACursorsHaveSameExtent(function, method));
}

TEST(XACursorTextTest, HeaderTests) {
    XASnippetSettings settings;
    settings.otherFiles = {{"Widget+Private.h", "@interface NSObject (WidgetPrivate)\n- (void)secret;\n@end\n"},
                           {"Widget.h", "@interface NSObject (Widget)\n- (void)open;\n@end\n"}};
    XAParsedSnippet snippet("#import <Foundation/Foundation.h>\n#import \"Widget+Private.h\"\n#import \"Widget.h\"\n",
                            settings);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor secret = snippet.find(CXCursor_ObjCInstanceMethodDecl, "secret");
    const CXCursor open = snippet.find(CXCursor_ObjCInstanceMethodDecl, "open");
    const CXCursor inclusion = snippet.find(CXCursor_InclusionDirective, "Widget.h");
    ASSERT_FALSE(XAIsNullCursor(secret));
    ASSERT_FALSE(XAIsNullCursor(open));

    EXPECT_EQ(XAHeaderFileExtensions(), (std::vector<std::string>{"h", "hh", "hpp"}));
    EXPECT_TRUE(XACursorIsInHeaderFile(secret));
    EXPECT_TRUE(XACursorIsInPrivateHeader(secret));
    EXPECT_FALSE(XACursorIsInPublicHeader(secret));
    EXPECT_TRUE(XACursorIsInHeaderFile(open));
    EXPECT_FALSE(XACursorIsInPrivateHeader(open));
    EXPECT_TRUE(XACursorIsInPublicHeader(open));
    EXPECT_FALSE(XACursorIsInHeaderFile(inclusion));
    EXPECT_FALSE(XACursorIsInSystemHeader(open));

    // The SDK stand-in's declarations are system declarations.
    const CXCursor classReference = XAFirstChildOfKind(snippet.find(CXCursor_ObjCCategoryDecl, "WidgetPrivate"),
                                                       CXCursor_ObjCClassRef, CXChildVisit_Continue);
    const CXCursor object = XALibclang::fn().clang_getCursorReferenced(classReference);
    EXPECT_EQ(XACursorSpelling(object), "NSObject");
    EXPECT_TRUE(XACursorIsInSystemHeader(object));
    EXPECT_TRUE(XACursorIsInHeaderFile(object));
}
