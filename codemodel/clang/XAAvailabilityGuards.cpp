#include "codemodel/clang/XAAvailabilityGuards.h"

#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAOperators.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kIdentifierToken = 2;
constexpr int kLiteralToken = 3;

// The platform a name in an availability check stands for, as written in the source in any case.
XAPlatform platformOfCheckName(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name == "ios" || name == "iosapplicationextension") {
        return XAPlatformIOS;
    }
    if (name == "macos" || name == "macosx" || name == "osx" || name == "macosapplicationextension") {
        return XAPlatformOSX;
    }
    return XAPlatformOther;
}

bool isCheck(CXCursor cursor) { return cursor.kind == CXCursor_ObjCAvailabilityCheckExpr; }

// A condition that holds only when the check does: the check itself, or a && of which one side is such a condition.
CXCursor checkRequiredBy(CXCursor condition) {
    condition = XAStripParensCastsAndUnexposed(condition);
    if (isCheck(condition)) {
        return condition;
    }
    if (condition.kind == CXCursor_BinaryOperator && XABinaryOperatorKind(condition) == CXTessaryBinaryOperator_LAnd) {
        for (const uint64_t side : {0, 1}) {
            const CXCursor check = checkRequiredBy(XAChildAtIndex(condition, side));
            if (!XAIsNullCursor(check)) {
                return check;
            }
        }
    }
    return XALibclang::fn().clang_getNullCursor();
}

// `!check`: the condition fails only when the check holds.
CXCursor checkNegatedBy(CXCursor condition) {
    condition = XAStripParensCastsAndUnexposed(condition);
    if (condition.kind != CXCursor_UnaryOperator || XAUnaryOperatorKind(condition) != CXTessaryUnaryOperator_LNot) {
        return XALibclang::fn().clang_getNullCursor();
    }
    const CXCursor operand = XAStripParensCastsAndUnexposed(XAChildAtIndex(condition, 0));
    return isCheck(operand) ? operand : XALibclang::fn().clang_getNullCursor();
}

// A statement after which control never reaches the next one: a jump, or a block that ends with one.
bool alwaysLeaves(CXCursor statement) {
    switch (statement.kind) {
    case CXCursor_ReturnStmt:
    case CXCursor_BreakStmt:
    case CXCursor_ContinueStmt:
    case CXCursor_GotoStmt:
    case CXCursor_ObjCAtThrowStmt:
        return true;
    case CXCursor_CompoundStmt:
        return alwaysLeaves(XALastChild(statement));
    default:
        return false;
    }
}

class RangeCollector {
public:
    explicit RangeCollector(XAPlatform platform) : platform_(platform) {}

    CXChildVisitResult visit(CXCursor cursor, CXCursor parent) {
        if (cursor.kind == CXCursor_IfStmt || cursor.kind == CXCursor_ConditionalOperator) {
            addBranches(cursor, parent);
        }
        return CXChildVisit_Recurse;
    }

    std::vector<XAAvailabilityGuardedRange> ranges;

private:
    void addBranches(CXCursor statement, CXCursor parent) {
        const CXCursor condition = XAChildAtIndex(statement, 0);
        if (const CXCursor check = checkRequiredBy(condition); !XAIsNullCursor(check)) {
            add(check, XAChildAtIndex(statement, 1));
            return;
        }
        const CXCursor negated = checkNegatedBy(condition);
        if (XAIsNullCursor(negated)) {
            return;
        }
        add(negated, XAChildAtIndex(statement, 2));
        if (statement.kind == CXCursor_IfStmt && parent.kind == CXCursor_CompoundStmt &&
            alwaysLeaves(XAChildAtIndex(statement, 1))) {
            const XACursorPosition after = XACursorExtentEnd(statement);
            const XACursorPosition blockEnd = XACursorExtentEnd(parent);
            addRange(versionOf(negated), after.file, after.offset, blockEnd.offset);
        }
    }

    std::optional<std::string> versionOf(CXCursor availabilityCheck) const {
        return XAAvailabilityCheckVersion(availabilityCheck, platform_);
    }

    void add(CXCursor availabilityCheck, CXCursor branch) {
        if (XAIsNullCursor(branch)) {
            return;
        }
        const XACursorPosition start = XACursorExtentStart(branch);
        addRange(versionOf(availabilityCheck), start.file, start.offset, XACursorExtentEnd(branch).offset);
    }

    void addRange(const std::optional<std::string> &version, CXFile file, unsigned start, unsigned end) {
        if (version && file && start < end) {
            ranges.push_back({file, start, end, *version});
        }
    }

    XAPlatform platform_;
};

} // namespace

std::optional<std::string> XAAvailabilityCheckVersion(CXCursor check, XAPlatform platform) {
    if (!isCheck(check)) {
        return std::nullopt;
    }
    const std::optional<std::vector<XAClangToken>> tokens = XATokensOfCursor(check);
    if (!tokens) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index + 1 < tokens->size(); ++index) {
        const XAClangToken &name = (*tokens)[index];
        const XAClangToken &version = (*tokens)[index + 1];
        if (name.kind() == kIdentifierToken && name.spelling() && platformOfCheckName(*name.spelling()) == platform &&
            version.kind() == kLiteralToken && version.spelling()) {
            return version.spelling();
        }
    }
    return std::nullopt;
}

std::vector<XAAvailabilityGuardedRange> XAAvailabilityGuardedRanges(CXCursor routine, XAPlatform platform) {
    RangeCollector collector(platform);
    XAVisitChildren(routine, [&](CXCursor cursor, CXCursor parent) { return collector.visit(cursor, parent); });
    return std::move(collector.ranges);
}
