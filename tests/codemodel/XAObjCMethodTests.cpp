#include "codemodel/clang/XAObjCMethod.h"

#include "codemodel/XACodeSnippetSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(XAObjCMethodTest, NamesAndDisplayNames) {
    ASSERT_TRUE(XALoadStagedLibclang());
    const XAObjCMethod mainBundle = XAObjCMethod::methodWithClassName("NSBundle", "mainBundle", false);
    EXPECT_EQ(mainBundle.displayName(), "+[NSBundle mainBundle]");
    EXPECT_EQ(mainBundle.className(), "NSBundle");
    EXPECT_EQ(mainBundle.protocolName(), std::nullopt);
    EXPECT_FALSE(mainBundle.isProtocolMethod());
    ASSERT_TRUE(mainBundle.codeSymbolRef().has_value());
    EXPECT_EQ(mainBundle.codeSymbolRef()->objCClassName(), "NSBundle");
    EXPECT_EQ(mainBundle.codeSymbolRef()->objCMethodName(), "mainBundle");

    const XAObjCMethod delegateMethod =
        XAObjCMethod::protocolMethodWithProtocolName("UITableViewDataSource", "tableView:numberOfRowsInSection:", true);
    EXPECT_EQ(delegateMethod.displayName(), "-[UITableViewDataSource tableView:numberOfRowsInSection:]");
    EXPECT_EQ(delegateMethod.className(), std::nullopt);
    EXPECT_EQ(delegateMethod.protocolName(), "UITableViewDataSource");
    EXPECT_TRUE(delegateMethod.isProtocolMethod());
    EXPECT_TRUE(delegateMethod.isInstanceMethod());
    EXPECT_FALSE(delegateMethod.codeSymbolRef().has_value());
}

TEST(XAObjCMethodTest, MatchesMessagesAndDeclarationsNeverCalls) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
@interface NSBundle (XAExtras)
+ (NSBundle *)mainBundle;
@end
@interface Finder : NSObject
+ (NSBundle *)mainBundle;
@end
NSBundle *mainBundle(void);
void find(NSBundle *bundle) {
    NSBundle *a = [NSBundle mainBundle];
    NSBundle *b = NSBundle.mainBundle;
    NSBundle *c = [Finder mainBundle];
    NSBundle *d = mainBundle();
    NSString *e = [bundle bundlePath];
    (void)a; (void)b; (void)c; (void)d; (void)e;
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const XAObjCMethod mainBundle = XAObjCMethod::methodWithClassName("NSBundle", "mainBundle", false);
    const auto matchIn = [&](const char *variable) {
        const CXCursor message = snippet.findIn(CXCursor_VarDecl, variable, CXCursor_ObjCMessageExpr);
        const CXCursor call = snippet.findIn(CXCursor_VarDecl, variable, CXCursor_CallExpr);
        return mainBundle.matchesMessageExpr(XAIsNullCursor(message) ? call : message);
    };
    EXPECT_TRUE(matchIn("a"));
    // The dot syntax reaches the class property through a member reference, which is no message.
    EXPECT_EQ(snippet.findIn(CXCursor_VarDecl, "b", CXCursor_MemberRefExpr).kind, CXCursor_MemberRefExpr);
    EXPECT_FALSE(matchIn("b"));
    EXPECT_FALSE(matchIn("c"));
    EXPECT_FALSE(matchIn("d"));
    EXPECT_FALSE(matchIn("e"));

    // The redeclaration in a category is the same method; the other class's method of that name is not.
    EXPECT_TRUE(mainBundle.matchesMethodDecl(snippet.find(CXCursor_ObjCClassMethodDecl, "mainBundle", 0)));
    EXPECT_FALSE(mainBundle.matchesMethodDecl(snippet.find(CXCursor_ObjCClassMethodDecl, "mainBundle", 1)));
    EXPECT_FALSE(XAObjCMethod::methodWithClassName("NSBundle", "mainBundle", true)
                     .matchesMethodDecl(snippet.find(CXCursor_ObjCClassMethodDecl, "mainBundle", 0)));
    EXPECT_FALSE(mainBundle.matchesMessageExpr(snippet.find(CXCursor_ObjCClassMethodDecl, "mainBundle", 0)));
}
