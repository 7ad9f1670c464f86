#include "codemodel/clang/XACursorNavigation.h"

#include "codemodel/XACodeSnippetSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kShapes = R"(#import <Foundation/Foundation.h>
@interface Shape : NSObject
- (NSInteger)area;
@end
@interface Square : Shape
@end
@implementation Shape
- (NSInteger)area { return 0; }
@end
@implementation Square
- (NSInteger)area {
    NSInteger side = 3;
    id boxed = (id)((self));
    (void)boxed;
    return side * side + [super area];
}
@end
@implementation Shape (Describing)
- (NSString *)summary { return @"shape"; }
@end
void measure(Square *square) { NSInteger value = ((NSInteger)(([square area]))); (void)value; }
)";

std::vector<CXCursorKind> kindsOfChildren(CXCursor cursor) {
    std::vector<CXCursorKind> kinds;
    for (unsigned index = 0; index < XAChildCount(cursor); ++index) {
        kinds.push_back(XAChildAtIndex(cursor, index).kind);
    }
    return kinds;
}

} // namespace

TEST(XACursorNavigationTest, Children) {
    XAParsedSnippet snippet(kShapes);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor square = snippet.find(CXCursor_ObjCInterfaceDecl, "Square");
    EXPECT_EQ(XAChildCount(square), 2u);
    EXPECT_EQ(kindsOfChildren(square), (std::vector<CXCursorKind>{CXCursor_ObjCSuperClassRef, CXCursor_ObjCClassRef}));
    EXPECT_TRUE(XAIsNullCursor(XAChildAtIndex(square, 2)));
    EXPECT_EQ(XALastChild(square).kind, CXCursor_ObjCClassRef);

    const CXCursor null = XALibclang::fn().clang_getNullCursor();
    EXPECT_EQ(XAChildCount(null), 0u);
    EXPECT_TRUE(XAIsNullCursor(XAChildAtIndex(null, 0)));
    EXPECT_TRUE(XAIsNullCursor(XALastChild(null)));
    EXPECT_TRUE(XAIsNullCursor(XAFirstChildOfKind(null, CXCursor_CompoundStmt, CXChildVisit_Recurse)));
}

TEST(XACursorNavigationTest, FirstChildOfKindSearchesChildrenOrTheSubtree) {
    XAParsedSnippet snippet(kShapes);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor area = snippet.find(CXCursor_ObjCInstanceMethodDecl, "area", 2);
    // The literal 3 is a grandchild of the body, below a declaration statement.
    EXPECT_TRUE(XAIsNullCursor(XAFirstChildOfKind(area, CXCursor_IntegerLiteral, CXChildVisit_Continue)));
    const CXCursor literal = XAFirstChildOfKind(area, CXCursor_IntegerLiteral, CXChildVisit_Recurse);
    ASSERT_EQ(literal.kind, CXCursor_IntegerLiteral);
    EXPECT_EQ(XACursorSourceText(literal), "3");
    EXPECT_EQ(XAFirstChildOfKind(area, CXCursor_CompoundStmt, CXChildVisit_Continue).kind, CXCursor_CompoundStmt);
}

TEST(XACursorNavigationTest, StrippingWrappers) {
    XAParsedSnippet snippet(kShapes);
    ASSERT_SNIPPET_PARSED(snippet);
    // (id)((self)): a cast with its type reference, an implicit conversion and two parentheses around self.
    const CXCursor cast = snippet.findIn(CXCursor_VarDecl, "boxed", CXCursor_CStyleCastExpr);
    ASSERT_GT(XAChildCount(cast), 1u);
    EXPECT_EQ(XAStripParensCastsAndUnexposed(cast).kind, CXCursor_ObjCSelfExpr);

    // A cast to a typedef has its type reference first.
    const CXCursor boxed =
        XAStripParensCastsAndUnexposed(snippet.findIn(CXCursor_FunctionDecl, "measure", CXCursor_CStyleCastExpr));
    EXPECT_EQ(boxed.kind, CXCursor_ObjCMessageExpr);
    EXPECT_EQ(XACursorSpelling(boxed), "area");
    // A cast to void has the operand as its only child.
    const std::vector<CXCursor> voidCasts =
        XAParsedSnippet::findAll(snippet.find(CXCursor_ObjCInstanceMethodDecl, "area", 2), [](CXCursor cursor) {
            return cursor.kind == CXCursor_CStyleCastExpr && XAChildCount(cursor) == 1;
        });
    ASSERT_EQ(voidCasts.size(), 1u);
    EXPECT_EQ(XAStripParensCastsAndUnexposed(voidCasts.front()).kind, CXCursor_DeclRefExpr);

    // Anything else is kept; only the listed kinds are stripped.
    const CXCursor literal = snippet.findIn(CXCursor_VarDecl, "side", CXCursor_IntegerLiteral);
    EXPECT_TRUE(XALibclang::fn().clang_equalCursors(XAStripParensCastsAndUnexposed(literal), literal));
    EXPECT_TRUE(XAIsNullCursor(XAStripParensCastsAndUnexposed(XALibclang::fn().clang_getNullCursor())));
    EXPECT_EQ(XAStripExprWrappersOfKinds(cast, {CXCursor_CStyleCastExpr}).kind, CXCursor_UnexposedExpr);
    EXPECT_EQ(XADescendThroughKinds(cast, {CXCursor_CStyleCastExpr, CXCursor_UnexposedExpr}).kind, CXCursor_ParenExpr);

    EXPECT_TRUE(XAKindIsInList(CXCursor_ParenExpr, XAWrapperExprKinds));
    EXPECT_FALSE(XAKindIsInList(CXCursor_CallExpr, XAWrapperExprKinds));
    EXPECT_FALSE(XAKindIsInList(CXCursor_CallExpr, {}));
}

TEST(XACursorNavigationTest, DescendingStopsWhereTheBlockSaysOrAtALeaf) {
    XAParsedSnippet snippet(kShapes);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor cast = snippet.findIn(CXCursor_VarDecl, "boxed", CXCursor_CStyleCastExpr);
    std::vector<CXCursorKind> seen;
    const CXCursor parenthesis = XADescendThroughChildren(cast, [&](CXCursor cursor) {
        seen.push_back(cursor.kind);
        return cursor.kind == CXCursor_ParenExpr;
    });
    EXPECT_EQ(parenthesis.kind, CXCursor_ParenExpr);
    EXPECT_EQ(seen, (std::vector<CXCursorKind>{CXCursor_UnexposedExpr, CXCursor_ParenExpr}));
    // Past the last child there is nothing to stop at.
    EXPECT_TRUE(XAIsNullCursor(XADescendThroughChildren(cast, [](CXCursor) { return false; })));
    EXPECT_TRUE(XAIsNullCursor(XADescendThroughChildren(cast, nullptr)));
}

TEST(XACursorNavigationTest, Ancestors) {
    XAParsedSnippet snippet(kShapes);
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor area = snippet.find(CXCursor_ObjCInstanceMethodDecl, "area", 2);
    const CXCursor literal = snippet.findIn(CXCursor_VarDecl, "side", CXCursor_IntegerLiteral);
    const XALibclangFunctions &clang = XALibclang::fn();

    EXPECT_TRUE(clang.clang_equalCursors(XAEnclosingFunctionOrMethod(literal), area));
    EXPECT_TRUE(XAIsNullCursor(XAEnclosingFunctionOrMethod(area)));
    EXPECT_EQ(XACursorSpelling(XAEnclosingFunctionOrMethod(
                  snippet.findIn(CXCursor_FunctionDecl, "measure", CXCursor_ObjCMessageExpr))),
              "measure");
    EXPECT_EQ(XAAncestorOfKinds(literal, {CXCursor_ObjCImplementationDecl}).kind, CXCursor_ObjCImplementationDecl);
    EXPECT_TRUE(XAIsNullCursor(XAAncestorOfKinds(literal, {CXCursor_ObjCProtocolDecl})));

    const CXCursor implementation = XAEnclosingObjCImplementation(literal);
    EXPECT_EQ(implementation.kind, CXCursor_ObjCImplementationDecl);
    EXPECT_EQ(XACursorSpelling(implementation), "Square");
    EXPECT_TRUE(clang.clang_equalCursors(XAEnclosingObjCImplementation(implementation), implementation));
    EXPECT_EQ(XACursorSpelling(XAEnclosingObjCImplementationCanonical(literal)), "Square");
    EXPECT_EQ(XAEnclosingObjCImplementation(snippet.find(CXCursor_ObjCInstanceMethodDecl, "summary")).kind,
              CXCursor_ObjCCategoryImplDecl);
    EXPECT_TRUE(XAIsNullCursor(XAEnclosingObjCImplementation(snippet.find(CXCursor_FunctionDecl, "measure"))));

    const CXCursor interface = snippet.find(CXCursor_ObjCInterfaceDecl, "Shape");
    EXPECT_TRUE(clang.clang_equalCursors(XAEnclosingObjCContainer(interface), interface));
    EXPECT_TRUE(clang.clang_equalCursors(
        XAEnclosingObjCContainer(snippet.find(CXCursor_ObjCInstanceMethodDecl, "area", 0)), interface));
}

TEST(XACursorNavigationTest, SameExtentInTheEnclosingFunction) {
    XAParsedSnippet snippet(kShapes);
    ASSERT_SNIPPET_PARSED(snippet);
    // Same extent means that one extent lies within the other: the outer parentheses around the message, and the
    // receiver inside it, both count.
    const CXCursor message = snippet.findIn(CXCursor_FunctionDecl, "measure", CXCursor_ObjCMessageExpr);
    const CXCursor parenthesis =
        XAFindSameExtentInEnclosingFunction(message, [](CXCursor cursor) { return cursor.kind == CXCursor_ParenExpr; });
    EXPECT_EQ(XACursorSourceText(parenthesis), "((NSInteger)(([square area])))");
    const CXCursor receiver = XAFindSameExtentInEnclosingFunction(
        message, [](CXCursor cursor) { return cursor.kind == CXCursor_DeclRefExpr; });
    EXPECT_EQ(XACursorSourceText(receiver), "square");
    EXPECT_TRUE(XAIsNullCursor(XAFindSameExtentInEnclosingFunction(
        message, [](CXCursor cursor) { return cursor.kind == CXCursor_IntegerLiteral; })));
}

TEST(XACursorNavigationTest, Enumerators) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
@interface Base : NSObject
- (void)draw:(int)x at:(int)y __attribute__((objc_requires_super));
@end
@interface Derived : Base
@end
@implementation Derived
- (void)draw:(int)x at:(int)y __attribute__((annotate("a"))) __attribute__((annotate("b"))) { [super draw:x at:y]; }
@end
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const CXCursor override = snippet.find(CXCursor_ObjCInstanceMethodDecl, "draw:at:", 1);
    std::vector<std::string> overridden;
    XAOverriddenCursors(override, [&](CXCursor cursor, unsigned index, bool &) {
        overridden.push_back(std::to_string(index) + " " +
                             XACursorSpelling(XALibclang::fn().clang_getCursorSemanticParent(cursor)).value_or(""));
    });
    EXPECT_EQ(overridden, (std::vector<std::string>{"0 Base"}));
    EXPECT_EQ(XACursorSpelling(XALibclang::fn().clang_getCursorSemanticParent(XAOverriddenCursorAtIndex(override, 0))),
              "Base");
    EXPECT_TRUE(XAIsNullCursor(XAOverriddenCursorAtIndex(override, 1)));

    std::vector<std::string> arguments;
    XAMethodArguments(override, [&](CXCursor argument, unsigned index, bool &stop) {
        arguments.push_back(std::to_string(index) + " " + XACursorSpelling(argument).value_or(""));
        stop = true;
    });
    EXPECT_EQ(arguments, (std::vector<std::string>{"0 x"}));
    XAMethodArguments(snippet.find(CXCursor_ObjCInterfaceDecl, "Base"),
                      [&](CXCursor, unsigned, bool &) { ADD_FAILURE() << "a class has no arguments"; });

    std::vector<std::string> attributes;
    XAEnumerateAttributes(override, [&](CXCursor attribute, unsigned index, bool &) {
        attributes.push_back(std::to_string(index) + " " + XACursorSpelling(attribute).value_or(""));
    });
    EXPECT_EQ(attributes, (std::vector<std::string>{"0 a", "1 b"}));
}

TEST(XACursorNavigationTest, CursorAfterLocationFindsTheMacroExpansion) {
    XAParsedSnippet snippet(R"(#import <Foundation/Foundation.h>
#define CHECK(condition) do { if (!(condition)) abort(); } while (0)
void run(int value) { CHECK(value > 0); do { value--; } while (value > 0); }
)");
    ASSERT_SNIPPET_PARSED(snippet);
    const std::vector<CXCursor> loops = XAParsedSnippet::findAll(
        snippet.find(CXCursor_FunctionDecl, "run"), [](CXCursor cursor) { return cursor.kind == CXCursor_DoStmt; });
    ASSERT_EQ(loops.size(), 2u);
    const CXCursor expansion = XACursorAfterLocation(loops[0]);
    EXPECT_EQ(expansion.kind, CXCursor_MacroExpansion);
    EXPECT_EQ(XACursorSpelling(expansion), "CHECK");
    EXPECT_NE(XACursorAfterLocation(loops[1]).kind, CXCursor_MacroExpansion);
}
