#include "codemodel/clang/XAExpressions.h"

#include "codemodel/XACodeSnippetSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kFlow = R"(#import <Foundation/Foundation.h>
typedef NS_ENUM(NSInteger, XAColor) { XAColorRed, XAColorGreen, XAColorBlue };
@interface Flow : NSObject
@end
@implementation Flow
- (int)branchy:(int)a with:(int)b {
    if (a && b) { return 1; }
    for (int i = 0; i < a; i++) { b += i; }
    return b;
}
- (int)switchy:(XAColor)color {
    switch (color) {
    case XAColorRed: return 1;
    case XAColorGreen: return 2;
    case XAColorBlue: return 3;
    default: return 0;
    }
}
- (int)nested:(int)a {
    switch (a) {
    case 1:
        switch (a + 1) {
        default: return 2;
        }
    }
    return 0;
}
- (int)partial:(XAColor)color {
    switch (color) {
    case XAColorRed: return 1;
    default: return 0;
    }
}
- (int)everything:(NSArray *)items flag:(BOOL)flag {
    int count = flag ? 1 : 0;
    while (count < 3 || flag) { count++; }
    do { count--; } while (count > 10);
    for (id item in items) { (void)item; }
    @try { count = 1; } @catch (NSException *exception) { count = 2; }
    return count;
}
- (void)blocks {
    void (^block)(void) = ^{ };
    int plain;
    int initialized = 4;
    NSString *text = @"x";
    NSInteger unset;
    block(); (void)plain; (void)initialized; (void)text; unset = 1; (void)unset;
}
@end
)";

CXCursor method(const XAParsedSnippet &snippet, const char *selector) {
    return snippet.find(CXCursor_ObjCInstanceMethodDecl, selector);
}

} // namespace

TEST(XAExpressionsTest, CyclomaticComplexity) {
    XAParsedSnippet snippet(kFlow);
    ASSERT_SNIPPET_PARSED(snippet);
    EXPECT_EQ(XACyclomaticComplexity(method(snippet, "branchy:with:")), 4u); // if, &&, for
    EXPECT_EQ(XACyclomaticComplexity(method(snippet, "switchy:")), 4u);      // three case labels; default adds none
    // ?:, while, ||, do, for-in, @catch
    EXPECT_EQ(XACyclomaticComplexity(method(snippet, "everything:flag:")), 7u);
    EXPECT_EQ(XACyclomaticComplexity(method(snippet, "blocks")), 1u);
    EXPECT_EQ(XACyclomaticComplexity(XALibclang::fn().clang_getNullCursor()), 0u);
}

TEST(XAExpressionsTest, SwitchesAndTheirDefaults) {
    XAParsedSnippet snippet(kFlow);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor full = snippet.findIn(CXCursor_ObjCInstanceMethodDecl, "switchy:", CXCursor_SwitchStmt);
    const CXCursor partial = snippet.findIn(CXCursor_ObjCInstanceMethodDecl, "partial:", CXCursor_SwitchStmt);
    const CXCursor outer = snippet.findIn(CXCursor_ObjCInstanceMethodDecl, "nested:", CXCursor_SwitchStmt);
    EXPECT_TRUE(XAAllSwitchEnumCasesCovered(full));
    EXPECT_FALSE(XAAllSwitchEnumCasesCovered(partial));
    EXPECT_EQ(XACursorSourceText(XASwitchDefaultStmt(full)), "default: return 0");
    EXPECT_EQ(XASwitchDefaultStmt(partial).kind, CXCursor_DefaultStmt);
    // The only default lies in a nested switch, which has it for itself.
    EXPECT_TRUE(XAIsNullCursor(XASwitchDefaultStmt(outer)));
    const CXCursor inner = snippet.findBelow(outer, CXCursor_SwitchStmt, "");
    ASSERT_FALSE(XAIsNullCursor(inner));
    EXPECT_EQ(XASwitchDefaultStmt(inner).kind, CXCursor_DefaultStmt);
    EXPECT_TRUE(XAIsNullCursor(XASwitchDefaultStmt(method(snippet, "nested:"))));
}

TEST(XAExpressionsTest, BlocksAndInitializers) {
    XAParsedSnippet snippet(kFlow);
    ASSERT_SNIPPET_PARSED(snippet);
    EXPECT_TRUE(XAIsBlockOrLambdaExpr(snippet.findIn(CXCursor_VarDecl, "block", CXCursor_BlockExpr)));
    EXPECT_FALSE(XAIsBlockOrLambdaExpr(snippet.find(CXCursor_VarDecl, "block")));

    EXPECT_EQ(XAVarDeclInitializer(snippet.find(CXCursor_VarDecl, "block")).kind, CXCursor_BlockExpr);
    EXPECT_EQ(XACursorSourceText(XAVarDeclInitializer(snippet.find(CXCursor_VarDecl, "initialized"))), "4");
    EXPECT_TRUE(XAIsNullCursor(XAVarDeclInitializer(snippet.find(CXCursor_VarDecl, "plain"))));
    EXPECT_EQ(XACursorSourceText(XAVarDeclInitializer(snippet.find(CXCursor_VarDecl, "text"))), "@\"x\"");
    // Without an initializer the last child is the reference to the type NSInteger.
    EXPECT_TRUE(XAIsNullCursor(XAVarDeclInitializer(snippet.find(CXCursor_VarDecl, "unset"))));
    EXPECT_TRUE(XAIsNullCursor(XAVarDeclInitializer(method(snippet, "blocks"))));
}
