#include "codemodel/clang/XAOperators.h"

#include "codemodel/XACodeSnippetSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

TEST(XAOperatorsTest, OperatorsOfExpressionsAndTheirGroups) {
    XAParsedSnippet snippet(R"(void operators(int a, int b, int *p) {
    int x = 0;
    (void)(a == b); (void)(a < b); (void)(a != b); (void)(a >= b); (void)(a && b); (void)(a++ , b);
    x += 1; x = 2; x |= 4; (void)(x == 1);
    x++; --x; (void)!a; (void)-a; (void)~a; (void)*p; (void)&x;
}
)");
    ASSERT_SNIPPET_PARSED(snippet);
    std::map<std::string, CXCursor> operators;
    for (CXCursor cursor : XAParsedSnippet::findAll(snippet.root(), [](CXCursor cursor) {
             return cursor.kind == CXCursor_BinaryOperator || cursor.kind == CXCursor_CompoundAssignOperator ||
                    cursor.kind == CXCursor_UnaryOperator;
         })) {
        operators.emplace(XACursorSourceText(cursor).value_or(""), cursor);
    }
    struct BinaryCase {
        const char *text;
        int kind;
        const char *spelling;
        bool assignment;
        bool orderedComparison;
    };
    const std::vector<BinaryCase> binaryCases = {
        {"a == b", 14, "==", false, true}, {"a < b", 10, "<", false, true},    {"a != b", 15, "!=", false, false},
        {"a >= b", 13, ">=", false, true}, {"a && b", 19, "&&", false, false}, {"a++ , b", 32, ",", false, false},
        {"x += 1", 25, "+=", true, false}, {"x = 2", 21, "=", true, false},    {"x |= 4", 31, "|=", true, false},
        {"x == 1", 14, "==", false, true},
    };
    for (const BinaryCase &c : binaryCases) {
        ASSERT_TRUE(operators.count(c.text)) << c.text;
        const int kind = XABinaryOperatorKind(operators.at(c.text));
        EXPECT_EQ(kind, c.kind) << c.text;
        EXPECT_EQ(XABinaryOperatorSpelling(kind), c.spelling) << c.text;
        EXPECT_EQ(XAIsAssignmentOperatorKind(kind), c.assignment) << c.text;
        EXPECT_EQ(XAIsOrderedComparisonOperatorKind(kind), c.orderedComparison) << c.text;
        EXPECT_EQ(XAUnaryOperatorKind(operators.at(c.text)), 0) << c.text;
    }
    struct UnaryCase {
        const char *text;
        int kind;
        const char *spelling;
        bool incrementOrDecrement;
    };
    const std::vector<UnaryCase> unaryCases = {
        {"x++", 1, "postfix ++", true}, {"--x", 4, "prefix --", true},   {"!a", 10, "logical negation", false},
        {"-a", 8, "-", false},          {"~a", 9, "bitwise NOT", false}, {"*p", 6, "indirection", false},
        {"&x", 5, "address-of", false},
    };
    for (const UnaryCase &c : unaryCases) {
        ASSERT_TRUE(operators.count(c.text)) << c.text;
        const int kind = XAUnaryOperatorKind(operators.at(c.text));
        EXPECT_EQ(kind, c.kind) << c.text;
        EXPECT_EQ(XAUnaryOperatorSpelling(kind), c.spelling) << c.text;
        EXPECT_EQ(XAIsIncrementOrDecrementOperatorKind(kind), c.incrementOrDecrement) << c.text;
        EXPECT_EQ(XABinaryOperatorKind(operators.at(c.text)), 0) << c.text;
    }
}

TEST(XAOperatorsTest, SpellingTablesEndAtTheirLastCode) {
    EXPECT_EQ(XABinaryOperatorSpelling(0), "?");
    EXPECT_EQ(XABinaryOperatorSpelling(1), ".*");
    EXPECT_EQ(XABinaryOperatorSpelling(28), ">>=");
    EXPECT_EQ(XABinaryOperatorSpelling(32), ",");
    EXPECT_EQ(XABinaryOperatorSpelling(33), std::nullopt);
    EXPECT_EQ(XABinaryOperatorSpelling(-1), std::nullopt);
    EXPECT_EQ(XAUnaryOperatorSpelling(0), "?");
    EXPECT_EQ(XAUnaryOperatorSpelling(13), "__extension__ marker");
    EXPECT_EQ(XAUnaryOperatorSpelling(14), std::nullopt);
    EXPECT_FALSE(XAIsAssignmentOperatorKind(20));
    EXPECT_TRUE(XAIsAssignmentOperatorKind(31));
    EXPECT_FALSE(XAIsAssignmentOperatorKind(32));
    EXPECT_FALSE(XAIsOrderedComparisonOperatorKind(9));
    EXPECT_FALSE(XAIsIncrementOrDecrementOperatorKind(0));
    EXPECT_FALSE(XAIsIncrementOrDecrementOperatorKind(5));
}
