#include "codemodel/clang/XASymbolIdentity.h"

#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The cursors of a kind in the snippet's own files, in order.
std::vector<CXCursor> cursorsOfKind(const XAParsedSnippet &snippet, CXCursorKind kind) {
    return XAParsedSnippet::findAll(
        snippet.root(), [&](CXCursor cursor) { return cursor.kind == kind && snippet.isInSnippetFolder(cursor); });
}

XASnippetSettings macOSSettings() {
    XASnippetSettings settings;
    settings.platform = "macosx";
    return settings;
}

} // namespace

TEST(XASymbolIdentityTest, MessagesMatchTheNamedMethodThroughCategoriesAndNotAClassOfTheSameShape) {
    XAParsedSnippet snippet(R"(#import <Cocoa/Cocoa.h>
// A project class shaped like UIKit's, and NSImage's method declared once more in a category.
@interface UIImage : NSObject
+ (UIImage *)imageNamed:(NSString *)name;
@end
@interface NSImage (Lookup)
+ (nullable NSImage *)imageNamed:(NSImageName)name;
@end
void load(void) {
    [NSImage imageNamed:@"a"];
    [UIImage imageNamed:@"b"];
    [@"c" stringByAppendingPathExtension:@"png"];
}
)",
                            macOSSettings());
    ASSERT_SNIPPET_PARSED(snippet);
    const std::vector<CXCursor> messages = cursorsOfKind(snippet, CXCursor_ObjCMessageExpr);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(XAMessageCallsMethod("NSImage", "imageNamed:", false, messages[0]));
    EXPECT_FALSE(XAMessageCallsMethod("NSImage", "imageNamed:", false, messages[1]));
    EXPECT_TRUE(XAMessageCallsMethod("UIImage", "imageNamed:", false, messages[1]));
    // The instance flag is part of the symbol: NSImage has no instance method of that name.
    EXPECT_FALSE(XAMessageCallsMethod("NSImage", "imageNamed:", true, messages[0]));
    // Declared in a category of NSString in the SDK.
    EXPECT_TRUE(XAMessageCallsMethod("NSString", "stringByAppendingPathExtension:", true, messages[2]));
    // The declaration in the project's category is NSImage's method itself.
    const CXCursor categoryDeclaration =
        snippet.findIn(CXCursor_ObjCCategoryDecl, "Lookup", CXCursor_ObjCClassMethodDecl);
    EXPECT_TRUE(XAMethodDeclIsMethod("NSImage", "imageNamed:", false, categoryDeclaration));
    // A call is no message.
    EXPECT_FALSE(XAMessageCallsMethod("NSImage", "imageNamed:", false, snippet.find(CXCursor_FunctionDecl, "load")));
}

TEST(XASymbolIdentityTest, AMessageToAnUnknownMethodMatchesNothing) {
    XASnippetSettings settings;
    settings.arc = false;
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
#pragma clang diagnostic ignored "-Wobjc-method-access"
void send(id object) { [object frobnicateWidget]; }
)",
                            settings);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor message = snippet.find(CXCursor_ObjCMessageExpr, "frobnicateWidget");
    ASSERT_TRUE(XALibclang::fn().clang_Cursor_isNull(XALibclang::fn().clang_getCursorReferenced(message)));
    EXPECT_FALSE(XAMessageCallsMethod("NSObject", "frobnicateWidget", true, message));
}

TEST(XASymbolIdentityTest, AProjectFunctionNamedLikeASystemOneIsNotTheSystemOne) {
    XAParsedSnippet project(R"(void *CFBundleGetMainBundle(void) { return 0; }
void *main_bundle(void) { return CFBundleGetMainBundle(); }
)");
    ASSERT_SNIPPET_PARSED(project);
    const CXCursor projectCall = project.find(CXCursor_CallExpr, "CFBundleGetMainBundle");
    EXPECT_TRUE(XAIsCallToFunction("CFBundleGetMainBundle", false, projectCall));
    EXPECT_FALSE(XAIsCallToFunction("CFBundleGetMainBundle", true, projectCall));
    EXPECT_FALSE(XAIsMainBundleExpr(projectCall));

    XAParsedSnippet system(R"(#import <Foundation/Foundation.h>
void bundles(void) {
    (void)CFBundleGetMainBundle();
    (void)[NSBundle mainBundle];
    (void)(NSBundle.mainBundle);
    (void)[NSBundle bundleWithPath:@"/"];
    (void)CFBundleGetMainBundle;
}
)");
    ASSERT_SNIPPET_PARSED(system);
    const CXCursor systemCall = system.find(CXCursor_CallExpr, "CFBundleGetMainBundle");
    EXPECT_TRUE(XAIsCallToFunction("CFBundleGetMainBundle", true, systemCall));
    EXPECT_FALSE(XAIsCallToFunction("CFBundleGetMain", false, systemCall));
    // Each expression statement is a cast to void of one bundle expression.
    const std::vector<CXCursor> casts = cursorsOfKind(system, CXCursor_CStyleCastExpr);
    ASSERT_EQ(casts.size(), 5u);
    const std::vector<bool> expected = {true, true, true, false, false};
    for (size_t index = 0; index < casts.size(); ++index) {
        EXPECT_EQ(XAIsMainBundleExpr(XALastChild(casts[index])), expected[index])
            << XACursorSourceText(casts[index]).value_or("");
    }
    EXPECT_FALSE(XAIsMainBundleExpr(XALibclang::fn().clang_getNullCursor()));
}

TEST(XASymbolIdentityTest, ClassesProtocolsPropertiesAndSelf) {
    XAParsedSnippet snippet(R"(#import <UIKit/UIKit.h>
__attribute__((objc_root_class))
@interface Root
@end
@protocol Forward;
@protocol Full
- (void)required;
@end
@interface ListController : UIViewController <UITableViewDelegate>
@property (nonatomic) UITableView *tableView;
@property (nonatomic) UITableView *otherTableView;
@end
@implementation ListController
- (void)layout {
    NSString *name = @"";
    self.tableView.frame = CGRectZero;
    (void)(self);
    (void)name;
}
@end
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor root = snippet.find(CXCursor_ObjCInterfaceDecl, "Root");
    const CXCursor controller = snippet.find(CXCursor_ObjCInterfaceDecl, "ListController");
    EXPECT_TRUE(XAIsClassRefOrRootInterface(root));
    EXPECT_FALSE(XAIsClassRefOrRootInterface(controller));
    EXPECT_TRUE(XAIsClassRefOrRootInterface(snippet.find(CXCursor_ObjCClassRef, "NSString")));

    // libclang 19 reports a forward declaration as a reference to the protocol.
    EXPECT_TRUE(XAIsProtocolRefOrForwardProtocolDecl(snippet.find(CXCursor_ObjCProtocolRef, "Forward")));
    EXPECT_FALSE(XAIsProtocolRefOrForwardProtocolDecl(snippet.find(CXCursor_ObjCProtocolDecl, "Full")));
    EXPECT_TRUE(XAIsProtocolRefOrForwardProtocolDecl(snippet.find(CXCursor_ObjCProtocolRef, "UITableViewDelegate")));
    EXPECT_TRUE(XAHasProtocolRefNamed("UITableViewDelegate", controller));
    EXPECT_FALSE(XAHasProtocolRefNamed("UITableViewDataSource", controller));

    EXPECT_TRUE(XACursorIsClass("ListController", controller));
    EXPECT_TRUE(XACursorIsClass("ListController", snippet.find(CXCursor_ObjCImplementationDecl, "ListController")));
    EXPECT_TRUE(XACursorIsClass("NSString", snippet.find(CXCursor_ObjCClassRef, "NSString")));
    EXPECT_FALSE(XACursorIsClass("NSMutableString", snippet.find(CXCursor_ObjCClassRef, "NSString")));

    const CXCursor frame = snippet.find(CXCursor_MemberRefExpr, "frame");
    EXPECT_TRUE(XAMemberRefIsProperty("UIView", "frame", frame));
    EXPECT_FALSE(XAMemberRefIsProperty("UIView", "bounds", frame));
    EXPECT_FALSE(XAMemberRefIsProperty("UITableView", "frame", frame));
    EXPECT_TRUE(
        XAPropertyDeclIsProperty("ListController", "tableView", snippet.find(CXCursor_ObjCPropertyDecl, "tableView")));

    const std::vector<CXCursor> selves = cursorsOfKind(snippet, CXCursor_ObjCSelfExpr);
    ASSERT_EQ(selves.size(), 2u);
    const CXCursor parenthesisedSelf = XALastChild(cursorsOfKind(snippet, CXCursor_CStyleCastExpr).at(0));
    EXPECT_TRUE(XAIsSelfExpr(parenthesisedSelf));
    EXPECT_FALSE(XAIsSelfExpr(frame));
}

TEST(XASymbolIdentityTest, PropertiesAndTheirInstanceVariables) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
@interface Holder : NSObject
@property (nonatomic) NSString *first;
@property (nonatomic) NSString *second;
@property (nonatomic) NSString *dynamicOne;
@end
@implementation Holder
@dynamic dynamicOne;
@end
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor first = snippet.find(CXCursor_ObjCPropertyDecl, "first");
    const CXCursor second = snippet.find(CXCursor_ObjCPropertyDecl, "second");
    const CXCursor dynamicOne = snippet.find(CXCursor_ObjCPropertyDecl, "dynamicOne");
    const CXCursor firstIvar = XAPropertyIvar(first);
    EXPECT_EQ(XACursorSpelling(firstIvar), "_first");
    EXPECT_TRUE(XARefersToSamePropertyOrIvar(first, firstIvar));
    EXPECT_TRUE(XARefersToSamePropertyOrIvar(firstIvar, first));
    EXPECT_FALSE(XARefersToSamePropertyOrIvar(first, second));
    EXPECT_TRUE(XALibclang::fn().clang_Cursor_isNull(XAPropertyIvar(dynamicOne)));
    EXPECT_TRUE(XALibclang::fn().clang_equalCursors(XAPropertyIvarOrSelf(dynamicOne), dynamicOne));
    EXPECT_TRUE(XALibclang::fn().clang_Cursor_isNull(XAPropertyIvar(XALibclang::fn().clang_getNullCursor())));
}

TEST(XASymbolIdentityTest, OverridesAreFoundThroughTheOverriddenMethods) {
    XAParsedSnippet snippet(R"(#import <UIKit/UIKit.h>
@interface BaseController : UIViewController
- (void)viewDidLoad;
@end
@implementation BaseController
- (void)viewDidLoad { [super viewDidLoad]; }
@end
@interface DetailController : BaseController <UITableViewDelegate>
@end
@implementation DetailController
- (void)viewDidLoad { [super viewDidLoad]; }
+ (void)viewDidLoad {}
- (CGFloat)tableView:(UITableView *)tableView heightForRowAtIndexPath:(NSIndexPath *)indexPath { return 44; }
@end
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor detail = snippet.find(CXCursor_ObjCImplementationDecl, "DetailController");
    const CXCursor instanceMethod = snippet.findBelow(detail, CXCursor_ObjCInstanceMethodDecl, "viewDidLoad");
    const CXCursor classMethod = snippet.findBelow(detail, CXCursor_ObjCClassMethodDecl, "viewDidLoad");
    EXPECT_TRUE(XAMethodOverridesMethodOfClass("UIViewController", "viewDidLoad", true, instanceMethod));
    EXPECT_TRUE(XAMethodOverridesMethodOfClass("BaseController", "viewDidLoad", true, instanceMethod));
    EXPECT_FALSE(XAMethodOverridesMethodOfClass("UIViewController", "viewDidLoad", false, classMethod));
    EXPECT_FALSE(XAMethodOverridesMethodOfClass("UIViewController", "viewDidLoad", false, instanceMethod));
    EXPECT_FALSE(XAMethodOverridesMethodOfClass("UIViewController", "loadView", true, instanceMethod));

    const CXCursor height =
        snippet.findBelow(detail, CXCursor_ObjCInstanceMethodDecl, "tableView:heightForRowAtIndexPath:");
    EXPECT_TRUE(
        XAMethodOverridesProtocolMethod("UITableViewDelegate", "tableView:heightForRowAtIndexPath:", true, height));
    // The implementation is the class's own method, not the protocol's.
    EXPECT_FALSE(
        XAMethodDeclIsProtocolMethod("UITableViewDelegate", "tableView:heightForRowAtIndexPath:", true, height));
    EXPECT_TRUE(XAMethodDeclIsProtocolMethod("UITableViewDelegate", "tableView:heightForRowAtIndexPath:", true,
                                             XAOverriddenCursorAtIndex(height, 0)));
}

TEST(XASymbolIdentityTest, InheritanceFromFrameworksFollowsTheSuperclassChainForAHundredClasses) {
    // Classes C0 (a subclass of NSView) to C100, each a subclass of the one before.
    std::string source = "#import <Cocoa/Cocoa.h>\n@interface C0 : NSView\n@end\n";
    for (int index = 1; index <= 100; ++index) {
        source += "@interface C" + std::to_string(index) + " : C" + std::to_string(index - 1) + "\n@end\n";
    }
    source += "@interface Plain : NSObject\n@end\n";
    XAParsedSnippet snippet(source, macOSSettings());
    ASSERT_SNIPPET_PARSED(snippet);
    EXPECT_TRUE(XAInheritsFromAppKitOrUIKit(snippet.find(CXCursor_ObjCInterfaceDecl, "C0")));
    // C98 reaches NSView as its hundredth class, C99 would need a hundred and first.
    EXPECT_TRUE(XAInheritsFromAppKitOrUIKit(snippet.find(CXCursor_ObjCInterfaceDecl, "C98")));
    EXPECT_FALSE(XAInheritsFromAppKitOrUIKit(snippet.find(CXCursor_ObjCInterfaceDecl, "C99")));
    EXPECT_FALSE(XAInheritsFromAppKitOrUIKit(snippet.find(CXCursor_ObjCInterfaceDecl, "Plain")));
    EXPECT_TRUE(XAInheritsFromFrameworks({"AppKit.framework"}, snippet.find(CXCursor_ObjCInterfaceDecl, "C0")));
    EXPECT_FALSE(XAInheritsFromFrameworks({"UIKit"}, snippet.find(CXCursor_ObjCInterfaceDecl, "C0")));
    EXPECT_FALSE(XAInheritsFromAppKitOrUIKit(snippet.find(CXCursor_ObjCClassRef, "NSView")));
}
