#include "XAClangExtTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace xa_clangext_test;

namespace {

struct OperatorCase {
    const char *function; // the function whose first operator expression is asked about
    int expected;
};

TEST(XAClangExtOperatorTest, BinaryOperatorsGetOurCodes) {
    ParsedSnippet snippet(R"(
        void mul(int a, int b) { a * b; }       void rem(int a, int b) { a % b; }
        void sub(int a, int b) { a - b; }       void shr(int a, int b) { a >> b; }
        void lt(int a, int b) { a < b; }        void gt(int a, int b) { a > b; }
        void le(int a, int b) { a <= b; }       void ge(int a, int b) { a >= b; }
        void eq(int a, int b) { a == b; }       void ne(int a, int b) { a != b; }
        void band(int a, int b) { a & b; }      void bor(int a, int b) { a | b; }
        void land(int a, int b) { a && b; }     void lor(int a, int b) { a || b; }
        void assign(int a, int b) { a = b; }    void comma(int a, int b) { a, b; }
    )");
    ASSERT_PARSED(snippet);
    const std::vector<OperatorCase> cases = {
        {"mul", CXTessaryBinaryOperator_Mul},
        {"rem", 5},
        {"sub", 7},
        {"shr", 9},
        {"lt", 10},
        {"gt", 11},
        {"le", 12},
        {"ge", 13},
        {"eq", 14},
        {"ne", 15},
        {"band", 16},
        {"bor", 18},
        {"land", 19},
        {"lor", 20},
        {"assign", 21},
        {"comma", 32},
    };
    for (const OperatorCase &testCase : cases) {
        CXCursor expression = snippet.findIn(CXCursor_FunctionDecl, testCase.function, CXCursor_BinaryOperator);
        ASSERT_FALSE(clang_Cursor_isNull(expression)) << testCase.function;
        EXPECT_EQ(clang_tessary_getBinaryOperatorKind(expression), testCase.expected) << testCase.function;
    }
}

TEST(XAClangExtOperatorTest, CompoundAssignmentsGetTheCodesAfterTheAssignment) {
    ParsedSnippet snippet(R"(
        void mul(int a) { a *= 2; }   void div(int a) { a /= 2; }   void rem(int a) { a %= 2; }
        void add(int a) { a += 2; }   void sub(int a) { a -= 2; }   void shl(int a) { a <<= 2; }
        void shr(int a) { a >>= 2; }  void band(int a) { a &= 2; }  void bxor(int a) { a ^= 2; }
        void bor(int a) { a |= 2; }
    )");
    ASSERT_PARSED(snippet);
    const std::vector<OperatorCase> cases = {{"mul", 22}, {"div", 23}, {"rem", 24},  {"add", 25},  {"sub", 26},
                                             {"shl", 27}, {"shr", 28}, {"band", 29}, {"bxor", 30}, {"bor", 31}};
    for (const OperatorCase &testCase : cases) {
        CXCursor expression = snippet.findIn(CXCursor_FunctionDecl, testCase.function, CXCursor_CompoundAssignOperator);
        ASSERT_FALSE(clang_Cursor_isNull(expression)) << testCase.function;
        EXPECT_EQ(clang_tessary_getBinaryOperatorKind(expression), testCase.expected) << testCase.function;
    }
}

TEST(XAClangExtOperatorTest, MemberPointerOperatorsComeFirstAndThreeWayComparisonHasNoCode) {
    ParsedSnippet snippet(R"(
        namespace std {
        struct strong_ordering {
            int value;
            static const strong_ordering less, equal, greater;
        };
        inline constexpr strong_ordering strong_ordering::less{-1}, strong_ordering::equal{0},
            strong_ordering::greater{1};
        }
        struct S { int field; };
        void memberD(S s, int S::*p) { s.*p; }
        void memberI(S *s, int S::*p) { s->*p; }
        void spaceship(int a, int b) { (void)(a <=> b); }
    )",
                          "objective-c++", {"-std=c++20"});
    ASSERT_PARSED(snippet);
    EXPECT_EQ(
        clang_tessary_getBinaryOperatorKind(snippet.findIn(CXCursor_FunctionDecl, "memberD", CXCursor_BinaryOperator)),
        CXTessaryBinaryOperator_PtrMemD);
    EXPECT_EQ(
        clang_tessary_getBinaryOperatorKind(snippet.findIn(CXCursor_FunctionDecl, "memberI", CXCursor_BinaryOperator)),
        CXTessaryBinaryOperator_PtrMemI);
    CXCursor spaceship = snippet.findIn(CXCursor_FunctionDecl, "spaceship", CXCursor_BinaryOperator);
    ASSERT_FALSE(clang_Cursor_isNull(spaceship));
    EXPECT_EQ(clang_tessary_getBinaryOperatorKind(spaceship), CXTessaryBinaryOperator_Invalid);
}

TEST(XAClangExtOperatorTest, UnaryOperatorsGetOurCodes) {
    ParsedSnippet snippet(R"(
        void postInc(int a) { a++; }   void postDec(int a) { a--; }   void preInc(int a) { ++a; }
        void preDec(int a) { --a; }    void addr(int a) { &a; }       void deref(int *a) { *a; }
        void plus(int a) { +a; }       void minus(int a) { -a; }      void bnot(int a) { ~a; }
        void lnot(int a) { !a; }       void real(_Complex double a) { __real a; }
        void imag(_Complex double a) { __imag a; }                    void ext(int a) { __extension__ a; }
    )");
    ASSERT_PARSED(snippet);
    const std::vector<OperatorCase> cases = {
        {"postInc", CXTessaryUnaryOperator_PostInc},
        {"postDec", 2},
        {"preInc", 3},
        {"preDec", 4},
        {"addr", 5},
        {"deref", 6},
        {"plus", 7},
        {"minus", 8},
        {"bnot", 9},
        {"lnot", 10},
        {"real", 11},
        {"imag", 12},
        {"ext", 13},
    };
    for (const OperatorCase &testCase : cases) {
        CXCursor expression = snippet.findIn(CXCursor_FunctionDecl, testCase.function, CXCursor_UnaryOperator);
        ASSERT_FALSE(clang_Cursor_isNull(expression)) << testCase.function;
        EXPECT_EQ(clang_tessary_getUnaryOperatorKind(expression), testCase.expected) << testCase.function;
    }
}

TEST(XAClangExtOperatorTest, OtherCursorsHaveNoOperator) {
    ParsedSnippet snippet("void f(int a) { a++; a + 1; f(a); }");
    ASSERT_PARSED(snippet);
    CXCursor unary = snippet.findIn(CXCursor_FunctionDecl, "f", CXCursor_UnaryOperator);
    CXCursor binary = snippet.findIn(CXCursor_FunctionDecl, "f", CXCursor_BinaryOperator);
    CXCursor call = snippet.findIn(CXCursor_FunctionDecl, "f", CXCursor_CallExpr);
    EXPECT_EQ(clang_tessary_getBinaryOperatorKind(unary), 0);
    EXPECT_EQ(clang_tessary_getUnaryOperatorKind(binary), 0);
    for (CXCursor cursor : {call, snippet.root(), clang_getNullCursor()}) {
        EXPECT_EQ(clang_tessary_getBinaryOperatorKind(cursor), 0);
        EXPECT_EQ(clang_tessary_getUnaryOperatorKind(cursor), 0);
        EXPECT_EQ(clang_tessary_getObjCMessageReceiverKind(cursor), 0);
    }
}

struct ReceiverCase {
    const char *method;   // the method whose messages are asked about
    std::size_t message;  // which message in it, in source order
    const char *selector; // the message's selector, to be sure of the cursor
    int expected;
};

TEST(XAClangExtOperatorTest, MessageReceiverKinds) {
    ParsedSnippet snippet(std::string(kRootClass) + R"(
        typedef NSObject Alias;
        @interface Base : NSObject
        - (void)takeObject:(id)object;
        - (void)setPad:(int)pad;
        + (void)classWork;
        + (void)setClassPad:(int)pad;
        @end
        #define SUPER_INIT [super init]
        #define MAKE_BASE [[Base alloc] init]
        #define kPad 10
        @interface Derived : Base
        @end
        @implementation Derived
        - (instancetype)init {
            self = [super init];
            [super takeObject:self];
            [super takeObject:[Base alloc]];
            [self takeObject:(id)0];
            [[Base alloc] init];
            [(Base *)[Base alloc] init];
            return self;
        }
        - (void)macros {
            (void)SUPER_INIT;
            (void)MAKE_BASE;
            [super setPad:kPad];
            [self setPad:kPad];
        }
        + (void)classWork {
            [super classWork];
            [Base classWork];
            [Alias new];
            [self alloc];
            Class someClass = self;
            [someClass new];
            [super setClassPad:kPad];
        }
        @end
    )");
    ASSERT_PARSED(snippet);
    const std::vector<ReceiverCase> cases = {
        {"init", 0, "init", CXTessaryMessageReceiver_SuperInstance},
        {"init", 1, "takeObject:", CXTessaryMessageReceiver_SuperInstance},
        {"init", 2, "takeObject:", CXTessaryMessageReceiver_SuperInstance}, // an allocation as argument, not receiver
        {"init", 3, "alloc", CXTessaryMessageReceiver_Class},
        {"init", 4, "takeObject:", CXTessaryMessageReceiver_Instance},
        {"init", 5, "init", CXTessaryMessageReceiver_Instance}, // [[Base alloc] init]
        {"init", 6, "alloc", CXTessaryMessageReceiver_Class},
        {"init", 7, "init", CXTessaryMessageReceiver_Instance}, // a cast allocation
        {"macros", 0, "init", CXTessaryMessageReceiver_SuperInstance},
        {"macros", 1, "init", CXTessaryMessageReceiver_Instance},
        {"macros", 3, "setPad:", CXTessaryMessageReceiver_SuperInstance}, // the argument comes from a macro
        {"macros", 4, "setPad:", CXTessaryMessageReceiver_Instance},
        {"classWork", 0, "classWork", CXTessaryMessageReceiver_SuperClass},
        {"classWork", 1, "classWork", CXTessaryMessageReceiver_Class},
        {"classWork", 2, "new", CXTessaryMessageReceiver_Class},      // through a typedef of the class
        {"classWork", 3, "alloc", CXTessaryMessageReceiver_Instance}, // self in a class method is an expression
        {"classWork", 4, "new", CXTessaryMessageReceiver_Instance},
        {"classWork", 5, "setClassPad:", CXTessaryMessageReceiver_SuperClass},
    };
    for (const ReceiverCase &testCase : cases) {
        CXCursorKind methodKind = std::string(testCase.method) == "classWork" ? CXCursor_ObjCClassMethodDecl
                                                                              : CXCursor_ObjCInstanceMethodDecl;
        CXCursor method = snippet.find(methodKind, testCase.method, 1); // the definition, after the declaration
        if (clang_Cursor_isNull(method)) {
            method = snippet.find(methodKind, testCase.method);
        }
        std::vector<CXCursor> messages =
            ParsedSnippet::findAll(method, [](CXCursor cursor) { return cursor.kind == CXCursor_ObjCMessageExpr; });
        ASSERT_LT(testCase.message, messages.size()) << testCase.method;
        CXCursor message = messages[testCase.message];
        ASSERT_EQ(spellingOf(message), testCase.selector) << testCase.method << " #" << testCase.message;
        EXPECT_EQ(clang_tessary_getObjCMessageReceiverKind(message), testCase.expected)
            << testCase.method << " #" << testCase.message;
    }
}

} // namespace
