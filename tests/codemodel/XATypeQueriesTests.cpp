#include "codemodel/clang/XATypeQueries.h"

#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char *const kTypesSnippet = R"(
#import <UIKit/UIKit.h>
typedef NSString *MyString;
typedef BOOL MyFlag;
@interface Widget : NSObject
@property (nonatomic) NSInteger count;
@property (nonatomic, nullable) NSString *title;
+ (instancetype)widget;
- (NSInteger)total;
@end
void use(Widget *widget) {
    NSString *string = @"";
    id object = string;
    NSMutableString *mutableString = nil;
    MyString typedefString = string;
    BOOL flag = YES;
    MyFlag myFlag = NO;
    bool cBool = true;
    int number = 1;
    long widened = number;
    long literal = 1;
    struct CGPoint point = {0, 0};
    CGFloat width = 0;
    void (^block)(void) = ^{};
    NSString *title = widget.title;
    Widget *made = [Widget widget];
    (void)object; (void)mutableString; (void)typedefString; (void)flag; (void)myFlag; (void)cBool; (void)widened; (void)literal;
    (void)point; (void)width; (void)block; (void)title; (void)made;
}
)";

class XATypeQueriesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        snippet_ = new XAParsedSnippet(kTypesSnippet);
        ASSERT_SNIPPET_PARSED(*snippet_);
    }
    static void TearDownTestSuite() {
        delete snippet_;
        snippet_ = nullptr;
    }

    static CXCursor variable(const char *name) { return snippet_->find(CXCursor_VarDecl, name); }
    // The expression that initialises the variable: the last child of its declaration.
    static CXCursor initializerOf(const char *name) { return XALastChild(variable(name)); }
    static CXType typeOfVariable(const char *name) { return XACursorType(variable(name)); }
    static std::string spelling(CXType type) { return XATypeSpelling(type).value_or("<none>"); }

    static inline XAParsedSnippet *snippet_ = nullptr;
};

struct XAKindCase {
    int kind;
    bool pointer, retainable, floating, integer, boolean, numeric;
};

} // namespace

TEST(XATypeKindTablesTest, KindsBelongToTheirTables) {
    const std::vector<XAKindCase> cases = {
        {CXType_Invalid, false, false, false, false, false, false},
        {CXType_Void, false, false, false, false, false, false},
        {CXType_Bool, false, false, false, false, true, false},
        {CXType_Char_U, false, false, false, true, false, true},
        {CXType_Int, false, false, false, true, false, true},
        {CXType_Int128, false, false, false, true, false, true},
        {CXType_Float, false, false, true, false, false, true},
        {CXType_LongDouble, false, false, true, false, false, true},
        {CXType_Float128, false, false, true, false, false, true},
        {CXType_Half, false, false, false, false, false, false},
        {CXType_NullPtr, true, false, false, false, false, false},
        {CXType_ObjCId, true, true, false, false, false, false},
        {CXType_ObjCClass, true, true, false, false, false, false},
        {CXType_ObjCSel, false, false, false, false, false, false},
        {CXType_Pointer, true, false, false, false, false, false},
        {CXType_BlockPointer, true, true, false, false, false, false},
        {CXType_Typedef, false, false, false, false, false, false},
        {CXType_ObjCObjectPointer, true, true, false, false, false, false},
        {CXType_MemberPointer, true, false, false, false, false, false},
        {CXType_Elaborated, false, false, false, false, false, false},
    };
    for (const XAKindCase &c : cases) {
        EXPECT_EQ(XAIsPointerTypeKind(c.kind), c.pointer) << c.kind;
        EXPECT_EQ(XAIsObjCRetainableTypeKind(c.kind), c.retainable) << c.kind;
        EXPECT_EQ(XAIsFloatingTypeKind(c.kind), c.floating) << c.kind;
        EXPECT_EQ(XAIsIntegerTypeKind(c.kind), c.integer) << c.kind;
        EXPECT_EQ(XAIsBoolTypeKind(c.kind), c.boolean) << c.kind;
        EXPECT_EQ(XAIsNumericTypeKind(c.kind), c.numeric) << c.kind;
    }
}

TEST(XATypeKindTablesTest, KindsAboveTheLastKnownKindAreInNoTable) {
    // Newer kinds (attributed and Objective-C object types among them), and values no libclang has.
    for (int kind :
         {CXType_Elaborated + 1, static_cast<int>(CXType_ObjCObject), static_cast<int>(CXType_Attributed), 1000, -1}) {
        EXPECT_FALSE(XAIsPointerTypeKind(kind)) << kind;
        EXPECT_FALSE(XAIsObjCRetainableTypeKind(kind)) << kind;
        EXPECT_FALSE(XAIsFloatingTypeKind(kind)) << kind;
        EXPECT_FALSE(XAIsIntegerTypeKind(kind)) << kind;
        EXPECT_FALSE(XAIsBoolTypeKind(kind)) << kind;
        EXPECT_FALSE(XAIsNumericTypeKind(kind)) << kind;
    }
}

TEST_F(XATypeQueriesTest, TypedefsArriveAsTypedefsWhateverTheLibrary) {
    const CXType count = XACursorType(snippet_->find(CXCursor_ObjCPropertyDecl, "count"));
    EXPECT_EQ(count.kind, CXType_Typedef);
    EXPECT_EQ(spelling(count), "NSInteger");
    EXPECT_EQ(XACursorTypeKind(snippet_->find(CXCursor_ObjCInstanceMethodDecl, "total")), CXType_Typedef);
    EXPECT_EQ(typeOfVariable("width").kind, CXType_Typedef);
    // A struct named with its keyword is the record itself.
    EXPECT_EQ(typeOfVariable("point").kind, CXType_Record);
}

TEST_F(XATypeQueriesTest, AnInstancetypeMethodReportsTheCanonicalTypeAndItsSendItsOwnType) {
    const CXType declared = XACursorType(snippet_->find(CXCursor_ObjCClassMethodDecl, "widget"));
    EXPECT_EQ(declared.kind, CXType_ObjCObjectPointer);
    EXPECT_EQ(spelling(declared), "id");

    const CXType sent = XACursorType(snippet_->find(CXCursor_ObjCMessageExpr, "widget"));
    EXPECT_EQ(sent.kind, CXType_ObjCObjectPointer);
    EXPECT_EQ(spelling(sent), "Widget *");
    EXPECT_EQ(spelling(XAResolveInstancetype(sent)), "Widget *");
}

TEST_F(XATypeQueriesTest, ReferencesStandForTheDeclarationTheyReferTo) {
    // The class reference in "Widget *widget" has the class's type, the property access the property's.
    const CXCursor classRef = snippet_->find(CXCursor_ObjCClassRef, "Widget");
    EXPECT_EQ(XACursorTypeKind(classRef), CXType_ObjCInterface);
    const CXCursor titleAccess = snippet_->find(CXCursor_MemberRefExpr, "title");
    EXPECT_EQ(spelling(XACursorType(titleAccess)), "NSString *");
    // An implicit conversion of a variable refers to the variable; one of a literal refers to nothing and keeps its
    // own type.
    const CXCursor widening = initializerOf("widened");
    ASSERT_EQ(widening.kind, CXCursor_UnexposedExpr);
    EXPECT_EQ(XACursorTypeKind(widening), CXType_Int);
    const CXCursor literal = initializerOf("literal");
    ASSERT_EQ(literal.kind, CXCursor_UnexposedExpr);
    EXPECT_EQ(XACursorTypeKind(literal), CXType_Long);
}

TEST_F(XATypeQueriesTest, NothingToAskGivesTheInvalidType) {
    const CXType none = XACursorType(XALibclang::fn().clang_getNullCursor());
    EXPECT_EQ(none.kind, CXType_Invalid);
    EXPECT_EQ(XACursorTypeKind(XALibclang::fn().clang_getNullCursor()), CXType_Invalid);

    const CXType invalid = XAInvalidTypeForTU(snippet_->unit());
    EXPECT_EQ(invalid.kind, CXType_Invalid);
    EXPECT_EQ(invalid.data[0], nullptr);
    EXPECT_EQ(invalid.data[1], snippet_->unit());
}

TEST_F(XATypeQueriesTest, PointerToClassNamedWantsThatClassExactly) {
    struct Case {
        const char *variable;
        const char *className;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"string", "NSString", true},         {"object", "NSString", false},
        {"mutableString", "NSString", false}, {"mutableString", "NSMutableString", true},
        {"typedefString", "NSString", false}, {"title", "NSString", true},
        {"string", "NSStr", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAIsPointerToObjCClassNamed(c.className, typeOfVariable(c.variable)), c.expected)
            << c.variable << " " << c.className;
    }
}

TEST_F(XATypeQueriesTest, BooleansAreKnownByKindOrName) {
    struct Case {
        const char *variable;
        bool boolean, pointerOrBool;
    };
    const std::vector<Case> cases = {
        {"flag", true, true},    {"cBool", true, true},  {"myFlag", false, false}, {"number", false, false},
        {"string", false, true}, {"block", false, true}, {"width", false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAIsBooleanType(typeOfVariable(c.variable)), c.boolean) << c.variable;
        EXPECT_EQ(XACursorHasPointerOrBoolType(variable(c.variable)), c.pointerOrBool) << c.variable;
        EXPECT_EQ(XACursorHasPointerType(variable(c.variable)), c.pointerOrBool && !c.boolean) << c.variable;
    }
}

TEST_F(XATypeQueriesTest, TypedefUnderlyingTypeTakesOneStep) {
    const CXType width = typeOfVariable("width");
    EXPECT_EQ(XATypedefUnderlyingType(width).kind, CXType_Double);
    const CXType myFlag = typeOfVariable("myFlag");
    EXPECT_EQ(spelling(XATypedefUnderlyingType(myFlag)), "BOOL");
    EXPECT_EQ(XATypedefUnderlyingType(myFlag).kind, CXType_Typedef);
    // Types declared by no typedef come back unchanged.
    for (const char *name : {"point", "number", "string"}) {
        const CXType type = typeOfVariable(name);
        EXPECT_TRUE(XALibclang::fn().clang_equalTypes(XATypedefUnderlyingType(type), type)) << name;
    }
}

TEST_F(XATypeQueriesTest, ClassDeclarationOfTheCursorsType) {
    const CXCursor declaration = XAClassDeclOfCursorType(variable("mutableString"));
    EXPECT_EQ(declaration.kind, CXCursor_ObjCInterfaceDecl);
    EXPECT_EQ(XACursorSpelling(declaration), "NSMutableString");
    EXPECT_EQ(XACursorSpelling(XAClassDeclOfCursorType(variable("made"))), "Widget");
    EXPECT_EQ(XAClassDeclOfCursorType(variable("point")).kind, CXCursor_StructDecl);
    EXPECT_TRUE(XALibclang::fn().clang_Cursor_isNull(XAClassDeclOfCursorType(variable("number"))));
}

TEST(XATypeQueriesAttributedTest, NullabilityWrappersAreRemoved) {
    // Asked to, libclang keeps nullability as an attributed type around the pointer.
    ASSERT_TRUE(XALoadStagedLibclang());
    XAScratchFolder folder;
    const std::string path = folder.write("Nullable.c", "void f(int * _Nullable maybe) { (void)maybe; }\n");
    XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
    XATranslationUnitOwner unit(
        XAParseTranslationUnit(index.get(), path, {"-x", "c"}, CXTranslationUnit_IncludeAttributedTypes, nullptr));
    ASSERT_NE(unit, nullptr);
    const std::vector<CXCursor> parameters =
        XAParsedSnippet::findAll(XALibclang::fn().clang_getTranslationUnitCursor(unit.get()),
                                 [](CXCursor cursor) { return cursor.kind == CXCursor_ParmDecl; });
    ASSERT_EQ(parameters.size(), 1u);
    ASSERT_EQ(XALibclang::fn().clang_getCursorType(parameters[0]).kind, CXType_Attributed);
    EXPECT_EQ(XACursorTypeKind(parameters[0]), CXType_Pointer);
    EXPECT_EQ(XATypeSpelling(XACursorType(parameters[0])), "int *");
    EXPECT_TRUE(XACursorHasPointerType(parameters[0]));
}
