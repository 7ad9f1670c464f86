#include "codemodel/clang/XAMessageSends.h"

#include "codemodel/XACodeSnippetSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kSends = R"(#import <Foundation/Foundation.h>
@interface Base : NSObject
+ (instancetype)make;
- (void)setUp;
- (void)moveBy:(int)dx and:(int)dy;
@end
@interface Widget : Base
- (instancetype)initWithSize:(int)size;
@end
@implementation Widget
+ (instancetype)make { return [super make]; }
- (instancetype)initWithSize:(int)size { self = [super init]; [super moveBy:size and:2]; return self; }
- (void)setUp { Widget *made = [[Widget alloc] initWithSize:3]; [made moveBy:4 and:5]; }
@end
)";

// The first message with the selector inside the definition of the function or method of the name.
CXCursor messageIn(const XAParsedSnippet &snippet, CXCursorKind methodKind, const std::string &method,
                   const std::string &selector) {
    const std::vector<CXCursor> methods = XAParsedSnippet::findAll(snippet.root(), [&](CXCursor cursor) {
        return cursor.kind == methodKind && XACursorSpelling(cursor) == method && XAChildCount(cursor) > 0 &&
               XALastChild(cursor).kind == CXCursor_CompoundStmt;
    });
    return methods.empty() ? XALibclang::fn().clang_getNullCursor()
                           : snippet.findBelow(methods.front(), CXCursor_ObjCMessageExpr, selector);
}

} // namespace

TEST(XAMessageSendsTest, ReceiverKindsAndArguments) {
    XAParsedSnippet snippet(kSends);
    ASSERT_SNIPPET_PARSED(snippet);
    struct Case {
        CXCursorKind methodKind;
        const char *method;
        const char *selector;
        int receiverKind;
        const char *kindName;
        const char *explicitReceiver; // source text; empty for none
        std::vector<std::string> arguments;
    };
    const std::vector<Case> cases = {
        {CXCursor_ObjCInstanceMethodDecl, "setUp", "alloc", 1, "class", "Widget", {}},
        {CXCursor_ObjCInstanceMethodDecl, "setUp", "initWithSize:", 2, "instance", "[Widget alloc]", {"3"}},
        {CXCursor_ObjCInstanceMethodDecl, "setUp", "moveBy:and:", 2, "instance", "made", {"4", "5"}},
        {CXCursor_ObjCClassMethodDecl, "make", "make", 3, "superclass", "", {}},
        {CXCursor_ObjCInstanceMethodDecl, "initWithSize:", "init", 4, "superclass instance", "", {}},
        {CXCursor_ObjCInstanceMethodDecl, "initWithSize:", "moveBy:and:", 4, "superclass instance", "", {"size", "2"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.selector);
        const CXCursor message = messageIn(snippet, c.methodKind, c.method, c.selector);
        ASSERT_EQ(message.kind, CXCursor_ObjCMessageExpr);
        EXPECT_EQ(XAMessageReceiverKind(message), c.receiverKind);
        EXPECT_EQ(XAMessageReceiverKindName(c.receiverKind), c.kindName);
        const CXCursor receiver = XAExplicitMessageReceiver(message);
        EXPECT_EQ(XACursorSourceText(receiver).value_or(""), c.explicitReceiver);
        std::vector<std::string> arguments;
        for (uint64_t index = 0; !XAIsNullCursor(XAMessageReceiver(message, index)); ++index) {
            arguments.push_back(XACursorSourceText(XAMessageReceiver(message, index)).value_or("?"));
        }
        EXPECT_EQ(arguments, c.arguments);
        EXPECT_EQ(XAMessageArgumentCount(message), c.arguments.size());
    }
}

TEST(XAMessageSendsTest, OtherCursorsAreNoMessages) {
    XAParsedSnippet snippet(kSends);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor method = snippet.find(CXCursor_ObjCInstanceMethodDecl, "setUp", 1);
    ASSERT_FALSE(XAIsNullCursor(method));
    EXPECT_EQ(XAMessageReceiverKind(method), 0);
    EXPECT_TRUE(XAIsNullCursor(XAExplicitMessageReceiver(method)));
    EXPECT_TRUE(XAIsNullCursor(XAMessageReceiver(method, 0)));
    EXPECT_EQ(XAMessageArgumentCount(method), 0u);
    EXPECT_EQ(XAMessageReceiverKindName(0), std::nullopt);
    EXPECT_EQ(XAMessageReceiverKindName(5), std::nullopt);
}

TEST(XAMessageSendsTest, ReceiverClassesAndMethodNames) {
    XAParsedSnippet snippet(kSends + R"(
@interface Widget (Extras)
- (void)polish;
@end
void use(id anything, Widget *widget, NSString *text, Class someClass) {
    [anything count];
    [widget polish];
    [text length];
    [NSDate date];
    [someClass description];
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    struct Case {
        CXCursorKind methodKind;
        const char *method;
        const char *selector;
        const char *receiverClass; // spelling of the class declaration; "" for none
        const char *displayName;
    };
    const std::vector<Case> cases = {
        {CXCursor_ObjCInstanceMethodDecl, "setUp", "alloc", "Widget", "+[Widget alloc]"},
        {CXCursor_ObjCInstanceMethodDecl, "setUp", "initWithSize:", "Widget", "-[Widget initWithSize:]"},
        {CXCursor_ObjCInstanceMethodDecl, "setUp", "moveBy:and:", "Widget", "-[Widget moveBy:and:]"},
        {CXCursor_ObjCClassMethodDecl, "make", "make", "Base", "+[Base make]"},
        {CXCursor_ObjCInstanceMethodDecl, "initWithSize:", "init", "Base", "-[Base init]"},
        {CXCursor_FunctionDecl, "use", "count", "id", "-count"},
        {CXCursor_FunctionDecl, "use", "polish", "Widget", "-[Widget polish]"},
        {CXCursor_FunctionDecl, "use", "length", "NSString", "-[NSString length]"},
        {CXCursor_FunctionDecl, "use", "date", "NSDate", "+[NSDate date]"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.selector);
        const CXCursor message = messageIn(snippet, c.methodKind, c.method, c.selector);
        ASSERT_EQ(message.kind, CXCursor_ObjCMessageExpr);
        EXPECT_EQ(XACursorSpelling(XAMessageReceiverClassDecl(message)).value_or(""), c.receiverClass);
        EXPECT_EQ(XAMessageExprMethodDisplayName(message), c.displayName);
    }
    const CXCursor function = snippet.find(CXCursor_FunctionDecl, "use");
    EXPECT_TRUE(XAIsNullCursor(XAMessageReceiverClassDecl(function)));
    EXPECT_EQ(XAMessageExprMethodDisplayName(function), std::nullopt);
}
