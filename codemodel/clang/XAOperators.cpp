#include "codemodel/clang/XAOperators.h"

#include <iterator>

namespace {

template <std::size_t N> std::optional<std::string> spellingAt(const char *const (&spellings)[N], int kind) {
    if (kind < 0 || kind >= static_cast<int>(N)) {
        return std::nullopt;
    }
    return spellings[kind];
}

} // namespace

int XABinaryOperatorKind(CXCursor cursor) { return XALibclang::fn().clang_tessary_getBinaryOperatorKind(cursor); }

std::optional<std::string> XABinaryOperatorSpelling(int kind) {
    static const char *const spellings[] = {"?",  ".*", "->*", "*",  "/",  "%",   "+",   "-",  "<<", ">>", "<",
                                            ">",  "<=", ">=",  "==", "!=", "&",   "^",   "|",  "&&", "||", "=",
                                            "*=", "/=", "%=",  "+=", "-=", "<<=", ">>=", "&=", "^=", "|=", ","};
    return spellingAt(spellings, kind);
}

bool XAIsAssignmentOperatorKind(int kind) {
    return kind >= CXTessaryBinaryOperator_Assign && kind <= CXTessaryBinaryOperator_OrAssign;
}

bool XAIsOrderedComparisonOperatorKind(int kind) {
    // "==" belongs here and "!=" does not: a rule on the direction of comparisons relies on exactly this set.
    return kind >= CXTessaryBinaryOperator_LT && kind <= CXTessaryBinaryOperator_EQ;
}

int XAUnaryOperatorKind(CXCursor cursor) { return XALibclang::fn().clang_tessary_getUnaryOperatorKind(cursor); }

std::optional<std::string> XAUnaryOperatorSpelling(int kind) {
    static const char *const spellings[] = {
        "?", "postfix ++", "postfix --",  "prefix ++",        "prefix --",   "address-of",  "indirection",
        "+", "-",          "bitwise NOT", "logical negation", "__real expr", "__imag expr", "__extension__ marker"};
    return spellingAt(spellings, kind);
}

bool XAIsIncrementOrDecrementOperatorKind(int kind) {
    return kind >= CXTessaryUnaryOperator_PostInc && kind <= CXTessaryUnaryOperator_PreDec;
}
