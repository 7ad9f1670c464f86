// Whether the cases of a switch over an enumeration name every enumerator.

#include "TessaryClangExtensions.h"
#include "XAClangExtSupport.h"

#include <cstdint>
#include <optional>
#include <vector>

using namespace xa_clangext;

namespace {

// Case values and enumerators are compared as the compiler does: converted to the switch condition's promoted
// type, whose width and signedness are given here.
struct ValueDomain {
    unsigned bits = 64;
    bool isSigned = true;

    std::int64_t normalized(std::uint64_t value) const {
        if (bits >= 64) {
            return static_cast<std::int64_t>(value);
        }
        const std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
        value &= mask;
        if (isSigned && (value >> (bits - 1)) != 0) {
            value |= ~mask;
        }
        return static_cast<std::int64_t>(value);
    }
    bool lessOrEqual(std::uint64_t left, std::uint64_t right) const {
        return isSigned ? normalized(left) <= normalized(right)
                        : static_cast<std::uint64_t>(normalized(left)) <= static_cast<std::uint64_t>(normalized(right));
    }
};

bool isUnsignedKind(CXTypeKind kind) {
    switch (kind) {
    case CXType_Bool:
    case CXType_Char_U:
    case CXType_UChar:
    case CXType_Char16:
    case CXType_Char32:
    case CXType_UShort:
    case CXType_UInt:
    case CXType_ULong:
    case CXType_ULongLong:
    case CXType_UInt128:
        return true;
    default:
        return false;
    }
}

ValueDomain domainOf(CXType conditionType) {
    CXType canonical = canonicalType(conditionType);
    ValueDomain domain;
    const long long size = clang_Type_getSizeOf(canonical);
    if (size > 0 && size < 8) {
        domain.bits = static_cast<unsigned>(size) * 8;
    }
    if (canonical.kind == CXType_Enum) {
        canonical = canonicalType(clang_getEnumDeclIntegerType(clang_getTypeDeclaration(canonical)));
    }
    domain.isSigned = !isUnsignedKind(canonical.kind);
    return domain;
}

struct CaseRange {
    std::uint64_t low;
    std::uint64_t high;
};

// The case labels of a switch body, not those of nested switches (nor of blocks or lambdas, which cannot hold them).
// A case has the value, then for a GNU range its upper end, then the statement it labels. Nothing when a case
// value cannot be evaluated.
bool collectCases(CXCursor statement, std::vector<CaseRange> &cases, int depth) {
    if (depth > 1000) {
        return false;
    }
    bool complete = true;
    forEachChild(statement, [&](CXCursor child) {
        if (child.kind == CXCursor_SwitchStmt || child.kind == CXCursor_BlockExpr ||
            child.kind == CXCursor_LambdaExpr) {
            return true;
        }
        if (child.kind == CXCursor_CaseStmt) {
            std::vector<CXCursor> parts = children(child);
            std::optional<std::uint64_t> low = parts.empty() ? std::nullopt : evaluateInteger(parts[0]);
            std::optional<std::uint64_t> high = parts.size() == 3 ? evaluateInteger(parts[1]) : low;
            if (!low || !high) {
                complete = false;
                return false;
            }
            cases.push_back({*low, *high});
        }
        complete = collectCases(child, cases, depth + 1);
        return complete;
    });
    return complete;
}

// The enumeration the condition is written with, under the integer promotion the compiler adds.
CXCursor enumerationOfCondition(CXCursor condition) {
    for (int depth = 0; depth < 100 && !isNull(condition); ++depth) {
        CXType type = canonicalType(clang_getCursorType(condition));
        if (type.kind == CXType_Enum) {
            return clang_getTypeDeclaration(type);
        }
        if (condition.kind != CXCursor_UnexposedExpr && condition.kind != CXCursor_ParenExpr) {
            break;
        }
        std::vector<CXCursor> operands = children(condition);
        condition = operands.empty() ? clang_getNullCursor() : operands.front();
    }
    return clang_getNullCursor();
}

// Enumerators that a switch may leave out, as the compiler does not ask for them: deprecated and unavailable ones.
bool isRequired(CXCursor enumerator) {
    CXAvailabilityKind availability = clang_getCursorAvailability(enumerator);
    return availability != CXAvailability_Deprecated && availability != CXAvailability_NotAvailable;
}

// A bit-mask enumeration (NS_OPTIONS, CF_OPTIONS): its values combine, so no list of cases is ever complete. The
// attribute may stand on the forward declaration only, which the definition inherits.
bool isFlagEnumeration(CXCursor enumeration) {
    return !isNull(firstChildOfKind(enumeration, CXCursor_FlagEnum)) ||
           !isNull(firstChildOfKind(clang_getCanonicalCursor(enumeration), CXCursor_FlagEnum));
}

bool coversAllEnumerators(CXCursor switchStatement) {
    std::vector<CXCursor> parts = children(switchStatement);
    if (parts.size() < 2) {
        return false;
    }
    CXCursor condition = parts[parts.size() - 2];
    CXCursor enumeration = clang_getCursorDefinition(enumerationOfCondition(condition));
    if (enumeration.kind != CXCursor_EnumDecl || isFlagEnumeration(enumeration)) {
        return false; // no enumeration, one that is only declared, or a bit mask
    }
    // Collected from the switch itself, so that a body that is one case statement counts too.
    std::vector<CaseRange> cases;
    if (!collectCases(switchStatement, cases, 0)) {
        return false;
    }
    const ValueDomain domain = domainOf(clang_getCursorType(condition));
    const bool unsignedEnumeration = isUnsignedKind(canonicalType(clang_getEnumDeclIntegerType(enumeration)).kind);
    bool covered = true;
    forEachChild(enumeration, [&](CXCursor enumerator) {
        if (enumerator.kind != CXCursor_EnumConstantDecl || !isRequired(enumerator)) {
            return true;
        }
        const std::uint64_t value = unsignedEnumeration
                                        ? clang_getEnumConstantDeclUnsignedValue(enumerator)
                                        : static_cast<std::uint64_t>(clang_getEnumConstantDeclValue(enumerator));
        bool found = false;
        for (const CaseRange &range : cases) {
            if (domain.lessOrEqual(range.low, value) && domain.lessOrEqual(value, range.high)) {
                found = true;
                break;
            }
        }
        covered = found;
        return covered;
    });
    return covered;
}

} // namespace

extern "C" unsigned clang_tessary_areAllSwitchStmtEnumCasesCovered(CXCursor switchStatement) {
    return switchStatement.kind == CXCursor_SwitchStmt && coversAllEnumerators(switchStatement) ? 1 : 0;
}
