#include "codemodel/clang/XALiteralValues.h"

#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const char *const kLiteralsSnippet = R"(#import <UIKit/UIKit.h>
#define kTitle @"Macro" " title"
void literals(UIButton *button, NSString *variable) {
    NSString *objc = @"abc";
    CFStringRef cf = CFSTR("abc");
    const char *c = "abc";
    NSString *joined = @"a" "b";
    NSString *held = objc;
    unsigned hex = 0x10;
    char character = 'a';
    double floating = 1.5;
    SEL selector = @selector(initWithFrame:style:);
    SEL simple = @selector(description);
    NSString *macro = kTitle;
    [button setTitle:@"a" forState:UIControlStateNormal];
    [button setTitle:variable forState:UIControlStateNormal];
    [button setTitle:(@"p") forState:UIControlStateNormal];
    [button layoutIfNeeded];
    (void)cf; (void)c; (void)joined; (void)held; (void)hex; (void)character; (void)floating; (void)selector;
    (void)simple; (void)macro;
}
)";

class XALiteralValuesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        snippet_ = new XAParsedSnippet(kLiteralsSnippet);
        ASSERT_SNIPPET_PARSED(*snippet_);
    }
    static void TearDownTestSuite() {
        delete snippet_;
        snippet_ = nullptr;
    }

    // The initialiser of a variable, under its implicit conversions and casts.
    static CXCursor initializerOf(const char *name) {
        return XAStripParensCastsAndUnexposed(XALastChild(snippet_->find(CXCursor_VarDecl, name)));
    }
    static CXCursor message(size_t occurrence) {
        return snippet_->find(CXCursor_ObjCMessageExpr, occurrence < 3 ? "setTitle:forState:" : "layoutIfNeeded",
                              occurrence < 3 ? occurrence : 0);
    }

    static inline XAParsedSnippet *snippet_ = nullptr;
};

} // namespace

TEST_F(XALiteralValuesTest, StringLiteralsInTheirThreeForms) {
    EXPECT_EQ(initializerOf("objc").kind, CXCursor_ObjCStringLiteral);
    EXPECT_EQ(XAStringLiteralValue(initializerOf("objc")), "abc");
    EXPECT_EQ(XAStringLiteralValue(initializerOf("cf")), "abc");
    EXPECT_EQ(XAStringLiteralValue(initializerOf("c")), "abc");
    EXPECT_EQ(XAStringLiteralValue(initializerOf("joined")), "ab");
    // A variable that holds a literal is not followed.
    EXPECT_EQ(XAStringLiteralValue(initializerOf("held")), std::nullopt);
    EXPECT_EQ(XAStringLiteralValue(initializerOf("hex")), std::nullopt);
}

TEST_F(XALiteralValuesTest, IntegerLiteralsAndSelectors) {
    EXPECT_EQ(XAIntegerLiteralValue(initializerOf("hex")), 16u);
    EXPECT_EQ(XAIntegerLiteralValue(initializerOf("character")), std::nullopt);
    EXPECT_EQ(XAIntegerLiteralValue(initializerOf("floating")), std::nullopt);
    EXPECT_EQ(XASelectorExprString(initializerOf("selector")), "initWithFrame:style:");
    EXPECT_EQ(XASelectorExprString(initializerOf("simple")), "description");
    EXPECT_EQ(XASelectorExprString(initializerOf("objc")), std::nullopt);
}

TEST_F(XALiteralValuesTest, StringLiteralArgumentsOfMessages) {
    EXPECT_EQ(XAStringLiteralArgumentOfMessage(0, message(0)), "a");
    EXPECT_EQ(XAStringLiteralArgumentOfMessage(0, message(1)), std::nullopt);
    EXPECT_EQ(XAStringLiteralArgumentOfMessage(0, message(2)), "p");
    EXPECT_EQ(XAStringLiteralArgumentOfMessage(2, message(0)), std::nullopt);
    EXPECT_EQ(XAStringLiteralArgumentOfMessage(0, initializerOf("objc")), std::nullopt);

    using Values = std::vector<std::optional<std::string>>;
    EXPECT_EQ(XAStringLiteralArgumentsOfMessage(0, message(0)), (Values{"a", std::nullopt}));
    EXPECT_EQ(XAStringLiteralArgumentsOfMessage(1, message(0)), (Values{std::nullopt}));
    EXPECT_EQ(XAStringLiteralArgumentsOfMessage(0, message(3)), Values{});
    EXPECT_EQ(XAStringLiteralArgumentsOfMessage(0, initializerOf("objc")), std::nullopt);
}

TEST_F(XALiteralValuesTest, StringTextFromTheTokensWhereItIsSpelled) {
    EXPECT_EQ(XAStringLiteralTextFromTokens(initializerOf("objc")), "abc");
    EXPECT_EQ(XAStringLiteralTextFromTokens(initializerOf("joined")), "ab");
    // A macro use, and the literal it expands to, are read from the macro's definition.
    EXPECT_EQ(XAStringLiteralTextFromTokens(snippet_->find(CXCursor_MacroExpansion, "kTitle")), "Macro title");
    EXPECT_EQ(XAStringLiteralTextFromTokens(initializerOf("macro")), "Macro title");
    EXPECT_EQ(XAStringLiteralTextFromTokens(initializerOf("hex")), std::nullopt);
}
