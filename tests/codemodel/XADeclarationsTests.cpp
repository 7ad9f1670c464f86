#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XAVariableDeclarations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kPanel = R"(#import <UIKit/UIKit.h>
typedef void (^XAHandler)(void);
@protocol XAPanelDelegate
- (void)panelDidClose;
@end
@interface XAPanel : UIView
@property (nonatomic, readonly, strong) NSString *title;
@property (nonatomic) XAHandler handler;
@property (nonatomic) void (^completion)(void);
@property (nonatomic) NSString *name;
@property (nonatomic) id<XAPanelDelegate> owner;
@property (nonatomic) int count;
@property (nonatomic, weak) IBOutlet UILabel *label;
@property (nonatomic, copy) NSString *text;
@property (nonatomic, assign) NSInteger level;
@property (nonatomic, retain) id legacy;
@property (nonatomic, unsafe_unretained) id raw;
- (IBAction)close:(id)sender;
- (instancetype)initWithTitle:(NSString *)title;
- (NSURL *)URL;
- (void)setURL:(NSURL *)URL;
- (int)settings;
- (void)set_value:(int)value;
- (void)setValue:(int)value;
- (void)setup:(int)value;
- (int)value;
+ (void)reset;
@end
@interface NSString (XAPanel)
- (NSString *)panelTitle;
@end
@implementation XAPanel
- (IBAction)close:(id)sender {}
- (instancetype)initWithTitle:(NSString *)title { return [super initWithFrame:CGRectZero]; }
- (NSURL *)URL { return nil; }
- (void)setURL:(NSURL *)URL {}
- (int)settings { return 0; }
- (void)set_value:(int)value {}
- (void)setValue:(int)value {}
- (void)setup:(int)value {}
- (int)value { return 1; }
+ (void)reset {}
@end
@implementation NSString (XAPanel)
- (NSString *)panelTitle { return self; }
@end
)";

CXCursor propertyNamed(const XAParsedSnippet &snippet, const std::string &name) {
    return snippet.find(CXCursor_ObjCPropertyDecl, name);
}

} // namespace

TEST(XAMethodDeclarationsTest, DisplayNamesOfMethodsAndProperties) {
    XAParsedSnippet snippet(kPanel);
    ASSERT_SNIPPET_PARSED(snippet);
    EXPECT_EQ(XAMethodDeclDisplayName(snippet.find(CXCursor_ObjCInstanceMethodDecl, "close:")), "-[XAPanel close:]");
    EXPECT_EQ(XAMethodDeclDisplayName(snippet.find(CXCursor_ObjCInstanceMethodDecl, "close:", 1)), "-[XAPanel close:]");
    EXPECT_EQ(XAMethodDeclDisplayName(snippet.find(CXCursor_ObjCClassMethodDecl, "reset")), "+[XAPanel reset]");
    EXPECT_EQ(XAMethodDeclDisplayName(propertyNamed(snippet, "title")), "-[XAPanel title]");
    EXPECT_EQ(XAMethodDeclDisplayName(snippet.find(CXCursor_ObjCInstanceMethodDecl, "panelDidClose")),
              "-[XAPanelDelegate panelDidClose]");
    // A category's method is named after its class, in the interface and in the implementation.
    EXPECT_EQ(XAMethodDeclDisplayName(snippet.find(CXCursor_ObjCInstanceMethodDecl, "panelTitle")),
              "-[NSString panelTitle]");
    EXPECT_EQ(XAMethodDeclDisplayName(snippet.find(CXCursor_ObjCInstanceMethodDecl, "panelTitle", 1)),
              "-[NSString panelTitle]");
    EXPECT_EQ(XAMethodDeclDisplayName(snippet.find(CXCursor_ObjCInterfaceDecl, "XAPanel")), std::nullopt);
}

TEST(XAMethodDeclarationsTest, KindsOfMethods) {
    XAParsedSnippet snippet(kPanel);
    ASSERT_SNIPPET_PARSED(snippet);
    struct Case {
        const char *selector;
        bool action, init, setter, getter;
    };
    const std::vector<Case> cases = {
        {"close:", true, false, false, false},
        {"initWithTitle:", false, true, false, false},
        {"URL", false, false, false, true},
        {"setURL:", false, false, true, false},
        {"settings", false, false, false, true},
        {"set_value:", false, false, false, false},
        {"setValue:", false, false, true, false},
        {"setup:", false, false, false, false},
        {"panelDidClose", false, false, false, false},
    };
    for (const Case &c : cases) {
        const CXCursor method = snippet.find(CXCursor_ObjCInstanceMethodDecl, c.selector);
        ASSERT_FALSE(XAIsNullCursor(method)) << c.selector;
        EXPECT_EQ(XAIsIBActionMethod(method), c.action) << c.selector;
        EXPECT_EQ(XAObjCMethodFamily(method), c.init) << c.selector;
        EXPECT_EQ(XAIsSetterMethodDecl(method), c.setter) << c.selector;
        EXPECT_EQ(XAIsGetterMethodDecl(method), c.getter) << c.selector;
    }
    const CXCursor property = propertyNamed(snippet, "name");
    EXPECT_FALSE(XAIsSetterMethodDecl(property));
    EXPECT_FALSE(XAIsGetterMethodDecl(property));
}

TEST(XAMethodDeclarationsTest, AccessorNames) {
    const std::vector<std::pair<std::string, std::string>> setterToProperty = {
        {"setName:", "name"}, {"setURL:", "URL"}, {"setX:", "x"}, {"setURLString:", "URLString"}, {"setUrl:", "url"},
    };
    for (const auto &[setter, property] : setterToProperty) {
        EXPECT_EQ(XAPropertyNameFromSetterName(setter), property) << setter;
    }
    EXPECT_EQ(XASetterNameForPropertyName("name"), "setName:");
    EXPECT_EQ(XASetterNameForPropertyName("URL"), "setURL:");
}

TEST(XAMethodDeclarationsTest, AccessorCounterparts) {
    XAParsedSnippet snippet(kPanel);
    ASSERT_SNIPPET_PARSED(snippet);
    const auto counterpart = [&](const char *selector, std::size_t occurrence) {
        const CXCursor found =
            XAAccessorCounterpart(snippet.find(CXCursor_ObjCInstanceMethodDecl, selector, occurrence));
        return XAIsNullCursor(found)
                   ? std::string("(none)")
                   : XAMethodDeclDisplayName(found).value_or("?") + " " + std::to_string(XACursorStartLocation(found));
    };
    // In the interface and in the implementation, each finds the counterpart under its own container.
    EXPECT_EQ(counterpart("URL", 0), "-[XAPanel setURL:] 21");
    EXPECT_EQ(counterpart("setURL:", 0), "-[XAPanel URL] 20");
    EXPECT_EQ(counterpart("setURL:", 1), "-[XAPanel URL] 35");
    EXPECT_EQ(counterpart("value", 0), "-[XAPanel setValue:] 24");
    EXPECT_EQ(counterpart("settings", 0), "(none)");
    EXPECT_EQ(counterpart("close:", 0), "(none)");
}

TEST(XAMethodDeclarationsTest, FindMethodInInterfaceAndItsSuperclasses) {
    XAParsedSnippet snippet(kPanel);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor panel = snippet.find(CXCursor_ObjCInterfaceDecl, "XAPanel");
    EXPECT_EQ(XACursorStartLocation(XAFindMethodInInterface(panel, "setURL:")), 21u);
    EXPECT_EQ(XAMethodDeclDisplayName(XAFindMethodInInterface(panel, "reset")), "+[XAPanel reset]");
    EXPECT_EQ(XAMethodDeclDisplayName(XAFindMethodInInterface(panel, "initWithFrame:")), "-[UIView initWithFrame:]");
    EXPECT_EQ(XAMethodDeclDisplayName(XAFindMethodInInterface(panel, "init")), "-[NSObject init]");
    EXPECT_TRUE(XAIsNullCursor(XAFindMethodInInterface(panel, "noSuchMethod")));
    EXPECT_EQ(XASuperclassNames(panel), (std::vector<std::string>{"UIView", "UIResponder", "NSObject"}));
    EXPECT_TRUE(
        XAIsNullCursor(XAFindMethodInInterface(snippet.find(CXCursor_ObjCImplementationDecl, "XAPanel"), "setURL:")));
}

TEST(XAPropertyDeclarationsTest, OwnershipInEffect) {
    XAParsedSnippet snippet(kPanel);
    ASSERT_SNIPPET_PARSED(snippet);
    struct Case {
        const char *property;
        unsigned withARC;
        unsigned withoutARC;
    };
    const std::vector<Case> cases = {
        {"title", 0, 0}, // readonly, whatever else it says
        {"handler", CXObjCPropertyAttr_copy, CXObjCPropertyAttr_assign},
        {"completion", CXObjCPropertyAttr_copy, CXObjCPropertyAttr_assign},
        {"name", CXObjCPropertyAttr_strong, CXObjCPropertyAttr_assign},
        {"owner", CXObjCPropertyAttr_strong, CXObjCPropertyAttr_assign},
        {"count", CXObjCPropertyAttr_assign, CXObjCPropertyAttr_assign},
        {"label", CXObjCPropertyAttr_weak, CXObjCPropertyAttr_weak},
        {"text", CXObjCPropertyAttr_copy, CXObjCPropertyAttr_copy},
        {"level", CXObjCPropertyAttr_assign, CXObjCPropertyAttr_assign},
        {"legacy", CXObjCPropertyAttr_retain, CXObjCPropertyAttr_retain},
        {"raw", CXObjCPropertyAttr_unsafe_unretained, CXObjCPropertyAttr_unsafe_unretained},
    };
    for (const Case &c : cases) {
        const CXCursor property = propertyNamed(snippet, c.property);
        ASSERT_FALSE(XAIsNullCursor(property)) << c.property;
        EXPECT_EQ(XAPropertyOwnershipAttribute(true, property), c.withARC) << c.property;
        EXPECT_EQ(XAPropertyOwnershipAttribute(false, property), c.withoutARC) << c.property;
    }
    EXPECT_EQ(XAPropertyOwnershipAttribute(true, XALibclang::fn().clang_getNullCursor()), 0u);
}

TEST(XAPropertyDeclarationsTest, AttributeNames) {
    const std::vector<std::pair<unsigned, std::optional<std::string>>> cases = {
        {0, ""},
        {0x1, "readonly"},
        {0x2, "getter"},
        {0x4, "assign"},
        {0x8, "readwrite"},
        {0x10, "retain"},
        {0x20, "copy"},
        {0x40, "nonatomic"},
        {0x80, "setter"},
        {0x100, "atomic"},
        {0x200, "weak"},
        {0x400, "strong"},
        {0x800, "unsafe_unretained"},
        {0x1000, "class"},
        {0x3, std::nullopt},
        {0x2000, std::nullopt},
    };
    for (const auto &[bit, name] : cases) {
        EXPECT_EQ(XAPropertyAttributeName(bit), name) << bit;
    }
}

TEST(XAPropertyDeclarationsTest, OutletsAndTheirProperties) {
    XAParsedSnippet snippet(kPanel);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor label = propertyNamed(snippet, "label");
    EXPECT_TRUE(XAIsIBOutletProperty(label));
    EXPECT_FALSE(XAIsIBOutletProperty(propertyNamed(snippet, "name")));
    const CXCursor outlet = XAFirstChildOfKind(label, CXCursor_IBOutletAttr, CXChildVisit_Continue);
    ASSERT_FALSE(XAIsNullCursor(outlet));
    EXPECT_TRUE(XALibclang::fn().clang_equalCursors(XAPropertyDeclAfterCursor(outlet), label));
    // Nothing of that kind follows a method's end.
    EXPECT_TRUE(XAIsNullCursor(XAPropertyDeclAfterCursor(snippet.find(CXCursor_ObjCClassMethodDecl, "reset"))));
}

TEST(XAPropertyDeclarationsTest, PropertiesAndBackingVariablesOfAccessors) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
@interface Store : NSObject
@property (nonatomic) int automatic;
@property (nonatomic) int renamed;
@property (nonatomic) int dynamic;
- (void)flush;
@end
@implementation Store
@synthesize renamed = _storage;
@dynamic dynamic;
- (void)flush {}
@end
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const XALibclangFunctions &clang = XALibclang::fn();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"automatic", "_automatic"}, {"setRenamed:", "_storage"}, {"dynamic", "(none)"}};
    for (const auto &[accessorName, variable] : cases) {
        const CXCursor accessor = snippet.find(CXCursor_ObjCInstanceMethodDecl, accessorName);
        ASSERT_TRUE(clang.clang_tessary_objCMethodDeclIsPropertyAccessor(accessor)) << accessorName;
        const CXCursor property = XAPropertyDeclOfAccessor(accessor);
        EXPECT_EQ(property.kind, CXCursor_ObjCPropertyDecl) << accessorName;
        const CXCursor backing = clang.clang_tessary_getObjCPropertyDeclIvarCursor(property);
        EXPECT_EQ(XAIsNullCursor(backing) ? "(none)" : XACursorSpelling(backing).value_or("?"), variable)
            << accessorName;
    }
    EXPECT_TRUE(XAIsNullCursor(XAPropertyDeclOfAccessor(snippet.find(CXCursor_ObjCInstanceMethodDecl, "flush"))));
}

TEST(XAClassDeclarationsTest, SuperclassChains) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
@class Leaf;
__attribute__((objc_root_class))
@interface Root
@end
@interface Middle : Root
@end
@interface Leaf : Middle
@end
@implementation Leaf
@end
@class Opaque;
void use(Opaque *opaque, Leaf *leaf);
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor leaf = snippet.find(CXCursor_ObjCInterfaceDecl, "Leaf");
    EXPECT_EQ(XASuperclassNames(leaf), (std::vector<std::string>{"Middle", "Root"}));
    EXPECT_EQ(XACursorSpelling(XASuperclassOfInterface(leaf)), "Middle");
    EXPECT_TRUE(XAIsNullCursor(XASuperclassOfInterface(snippet.find(CXCursor_ObjCInterfaceDecl, "Root"))));
    EXPECT_TRUE(XASuperclassNames(snippet.find(CXCursor_ObjCInterfaceDecl, "Root")).empty());

    // Leaf was declared ahead with @class: its canonical declaration is that forward declaration, which names no
    // superclass; the superclass is still found, from the implementation too.
    const CXCursor forward = clang.clang_getCanonicalCursor(leaf);
    EXPECT_FALSE(clang.clang_equalCursors(forward, leaf));
    EXPECT_EQ(XACursorSpelling(XASuperclassOfInterface(forward)), "Middle");
    EXPECT_EQ(XACursorSpelling(XASuperclassOfInterface(snippet.find(CXCursor_ObjCImplementationDecl, "Leaf"))),
              "Middle");
    // The definition holds the members; it is found from the forward declaration and from the implementation.
    EXPECT_TRUE(clang.clang_equalCursors(XAInterfaceDefinition(forward), leaf));
    EXPECT_TRUE(
        clang.clang_equalCursors(XAInterfaceDefinition(snippet.find(CXCursor_ObjCImplementationDecl, "Leaf")), leaf));

    // A class known only from a forward declaration ends its chain at once.
    const CXCursor opaqueReference =
        snippet.findBelow(snippet.find(CXCursor_FunctionDecl, "use"), CXCursor_ObjCClassRef, "Opaque");
    const CXCursor opaque = clang.clang_getCursorReferenced(opaqueReference);
    ASSERT_EQ(opaque.kind, CXCursor_ObjCInterfaceDecl);
    EXPECT_TRUE(XASuperclassNames(opaque).empty());
    EXPECT_TRUE(XAIsNullCursor(XASuperclassOfInterface(opaque)));
    EXPECT_EQ(XAInterfaceDefinition(opaque).kind, CXCursor_ObjCInterfaceDecl) << "the forward declaration stands in";
    EXPECT_TRUE(XAIsNullCursor(XAInterfaceDefinition(snippet.find(CXCursor_FunctionDecl, "use"))));
    EXPECT_TRUE(XASuperclassNames(snippet.find(CXCursor_FunctionDecl, "use")).empty());
}

TEST(XAClassDeclarationsTest, KnownCategories) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
@interface Card : NSObject
@end
@interface Card ()
@end
@interface Card (Drawing)
@end
@interface Card (Sorting)
@end
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor card = snippet.find(CXCursor_ObjCInterfaceDecl, "Card");
    // The names of the categories visited while the visitor goes on for `limit` of them.
    const auto visited = [&](std::size_t limit) {
        std::vector<std::string> names;
        XAVisitKnownCategoriesOfInterface(
            [&](CXCursor category) {
                names.push_back(XACursorSpelling(category).value_or("?"));
                return names.size() < limit;
            },
            card);
        return names;
    };
    EXPECT_EQ(visited(10), (std::vector<std::string>{"", "Drawing", "Sorting"})); // the class extension first
    EXPECT_EQ(visited(2), (std::vector<std::string>{"", "Drawing"}));
}

TEST(XAClassDeclarationsTest, EveryContainerOfAClassGivesTheSameClass) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
@class Card;
@interface Card : NSObject
@end
@interface Card ()
@end
@interface Card (Drawing)
@end
@implementation Card
@end
@implementation Card (Drawing)
@end
@interface Deck : NSObject
@end
@implementation Deck
@end
void shuffle(void);
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor card = XAClassOfObjCContainer(snippet.find(CXCursor_ObjCInterfaceDecl, "Card"));
    ASSERT_EQ(card.kind, CXCursor_ObjCInterfaceDecl);
    const std::vector<CXCursor> containersOfCard = {
        snippet.find(CXCursor_ObjCCategoryDecl, ""), snippet.find(CXCursor_ObjCCategoryDecl, "Drawing"),
        snippet.find(CXCursor_ObjCImplementationDecl, "Card"), snippet.find(CXCursor_ObjCCategoryImplDecl, "Drawing")};
    for (const CXCursor container : containersOfCard) {
        SCOPED_TRACE(XACursorDebugDescription(container));
        EXPECT_TRUE(clang.clang_equalCursors(XAClassOfObjCContainer(container), card));
    }
    const CXCursor deck = XAClassOfObjCContainer(snippet.find(CXCursor_ObjCImplementationDecl, "Deck"));
    EXPECT_EQ(XACursorSpelling(deck), "Deck");
    EXPECT_FALSE(clang.clang_equalCursors(deck, card));
    EXPECT_TRUE(
        clang.clang_equalCursors(deck, XAClassOfObjCContainer(snippet.find(CXCursor_ObjCInterfaceDecl, "Deck"))));
    EXPECT_TRUE(XAIsNullCursor(XAClassOfObjCContainer(snippet.find(CXCursor_FunctionDecl, "shuffle"))));
}

TEST(XAVariableDeclarationsTest, StorageQualifiersAndAttributes) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
static NSDateFormatter *sharedFormatter;
NSString *const XAKey = @"key";
int pureFunction(int x) __attribute__((pure));
int constFunction(int x) __attribute__((const));
int plainFunction(int x);
void run(void) {
    static int calls = 0;
    int local = calls;
    const int fixed = 1;
    __weak id weakObject = nil;
    id strongObject = nil;
    (void)local; (void)fixed; (void)weakObject; (void)strongObject;
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    struct Case {
        const char *name;
        bool global, isConst, weak;
    };
    const std::vector<Case> cases = {
        {"sharedFormatter", true, false, false}, {"XAKey", true, true, false},  {"calls", true, false, false},
        {"local", false, false, false},          {"fixed", false, true, false}, {"weakObject", false, false, true},
        {"strongObject", false, false, false},
    };
    for (const Case &c : cases) {
        const CXCursor variable = snippet.find(CXCursor_VarDecl, c.name);
        ASSERT_FALSE(XAIsNullCursor(variable)) << c.name;
        EXPECT_EQ(XAVarDeclStorageIs2Or4(variable), c.global) << c.name;
        EXPECT_EQ(XAVarDeclIsConst(variable), c.isConst) << c.name;
        EXPECT_EQ(XADeclIsWeakQualified(variable), c.weak) << c.name;
    }
    EXPECT_TRUE(XAHasPureOrConstAttribute(snippet.find(CXCursor_FunctionDecl, "pureFunction")));
    EXPECT_TRUE(XAHasPureOrConstAttribute(snippet.find(CXCursor_FunctionDecl, "constFunction")));
    EXPECT_FALSE(XAHasPureOrConstAttribute(snippet.find(CXCursor_FunctionDecl, "plainFunction")));
    EXPECT_FALSE(XADeclIsWeakQualified(snippet.findIn(CXCursor_VarDecl, "weakObject", CXCursor_UnexposedExpr)));
}
