#include "codemodel/clang/XACursorNavigation.h"

#include "codemodel/clang/XACursorText.h"

#include <algorithm>

namespace {

constexpr int kMaximumDescentSteps = 1001;
constexpr int kMaximumAncestorLevels = 1000;

// The child that XADescendThroughChildren steps to.
CXCursor descentStep(CXCursor cursor) {
    const bool castWithTypeReference = cursor.kind == CXCursor_CStyleCastExpr && XAChildCount(cursor) > 1;
    return XAChildAtIndex(cursor, castWithTypeReference ? 1 : 0);
}

// The semantic parent, or the lexical parent where there is none.
CXCursor parentOf(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor semantic = clang.clang_getCursorSemanticParent(cursor);
    return XAIsNullCursor(semantic) ? clang.clang_getCursorLexicalParent(cursor) : semantic;
}

// The first of the cursor and its semantic parents whose kind is in the list.
CXCursor selfOrSemanticAncestorOfKinds(CXCursor cursor, XACursorKindList kinds) {
    const XALibclangFunctions &clang = XALibclang::fn();
    while (!XAIsNullCursor(cursor) && !kinds.contains(clang.clang_getCursorKind(cursor))) {
        cursor = clang.clang_getCursorSemanticParent(cursor);
    }
    return cursor;
}

// Owns a list from clang_getOverriddenCursors.
class OverriddenCursors {
public:
    explicit OverriddenCursors(CXCursor cursor) {
        XALibclang::fn().clang_getOverriddenCursors(cursor, &cursors_, &count_);
    }
    ~OverriddenCursors() {
        if (cursors_) {
            XALibclang::fn().clang_disposeOverriddenCursors(cursors_);
        }
    }
    OverriddenCursors(const OverriddenCursors &) = delete;
    OverriddenCursors &operator=(const OverriddenCursors &) = delete;

    unsigned size() const { return count_; }
    CXCursor operator[](unsigned index) const { return cursors_[index]; }

private:
    CXCursor *cursors_ = nullptr;
    unsigned count_ = 0;
};

} // namespace

bool XACursorKindList::contains(CXCursorKind kind) const {
    return std::find(kinds_.begin(), kinds_.end(), kind) != kinds_.end();
}

unsigned XAChildCount(CXCursor cursor) {
    if (XAIsNullCursor(cursor)) {
        return 0;
    }
    unsigned count = 0;
    XAVisitChildren(cursor, [&](CXCursor) {
        ++count;
        return CXChildVisit_Continue;
    });
    return count;
}

CXCursor XAChildAtIndex(CXCursor cursor, uint64_t index) {
    CXCursor found = XALibclang::fn().clang_getNullCursor();
    if (XAIsNullCursor(cursor)) {
        return found;
    }
    uint64_t position = 0;
    XAVisitChildren(cursor, [&](CXCursor child) {
        if (position++ == index) {
            found = child;
            return CXChildVisit_Break;
        }
        return CXChildVisit_Continue;
    });
    return found;
}

CXCursor XALastChild(CXCursor cursor) {
    CXCursor last = XALibclang::fn().clang_getNullCursor();
    if (XAIsNullCursor(cursor)) {
        return last;
    }
    XAVisitChildren(cursor, [&](CXCursor child) {
        last = child;
        return CXChildVisit_Continue;
    });
    return last;
}

CXCursor XAFirstChildOfKind(CXCursor cursor, CXCursorKind kind, CXChildVisitResult visitResult) {
    CXCursor found = XALibclang::fn().clang_getNullCursor();
    if (XAIsNullCursor(cursor)) {
        return found;
    }
    XAVisitChildren(cursor, [&](CXCursor child) {
        if (XALibclang::fn().clang_getCursorKind(child) == kind) {
            found = child;
            return CXChildVisit_Break;
        }
        return visitResult;
    });
    return found;
}

CXCursor XACursorAfterLocation(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXFile file = nullptr;
    unsigned offset = 0;
    clang.clang_getExpansionLocation(clang.clang_getCursorLocation(cursor), &file, nullptr, nullptr, &offset);
    CXTranslationUnit unit = clang.clang_Cursor_getTranslationUnit(cursor);
    if (!unit || !file) {
        return clang.clang_getNullCursor();
    }
    return clang.clang_getCursor(unit, clang.clang_getLocationForOffset(unit, file, offset + 1));
}

CXCursor XADescendThroughChildren(CXCursor cursor, const std::function<bool(CXCursor)> &stop) {
    if (!stop || XAIsNullCursor(cursor)) {
        return XALibclang::fn().clang_getNullCursor();
    }
    for (int step = 1;; ++step) {
        cursor = descentStep(cursor);
        if (XAIsNullCursor(cursor) || stop(cursor) || step == kMaximumDescentSteps) {
            return cursor;
        }
    }
}

CXCursor XADescendThroughKinds(CXCursor cursor, XACursorKindList kinds) {
    return XADescendThroughChildren(cursor, [&](CXCursor child) { return !kinds.contains(child.kind); });
}

bool XAKindIsInList(CXCursorKind kind, XACursorKindList kinds) { return kinds.contains(kind); }

CXCursor XAStripExprWrappersOfKinds(CXCursor cursor, XACursorKindList kinds) {
    if (!kinds.contains(XALibclang::fn().clang_getCursorKind(cursor))) {
        return cursor;
    }
    return XADescendThroughKinds(cursor, kinds);
}

CXCursor XAStripParensCastsAndUnexposed(CXCursor cursor) {
    return XAStripExprWrappersOfKinds(cursor, XAWrapperExprKinds);
}

CXCursor XAAncestorOfKinds(CXCursor cursor, XACursorKindList kinds) {
    const XALibclangFunctions &clang = XALibclang::fn();
    for (int level = 0; level < kMaximumAncestorLevels; ++level) {
        cursor = parentOf(cursor);
        if (XAIsNullCursor(cursor)) {
            break;
        }
        if (kinds.contains(clang.clang_getCursorKind(cursor))) {
            return cursor;
        }
    }
    return clang.clang_getNullCursor();
}

CXCursor XAEnclosingFunctionOrMethod(CXCursor cursor) { return XAAncestorOfKinds(cursor, XAFunctionLikeKinds); }

CXCursor XAEnclosingObjCImplementation(CXCursor cursor) {
    return selfOrSemanticAncestorOfKinds(cursor, XAObjCImplementationKinds);
}

CXCursor XAEnclosingObjCImplementationCanonical(CXCursor cursor) {
    return XALibclang::fn().clang_getCanonicalCursor(XAEnclosingObjCImplementation(cursor));
}

CXCursor XAEnclosingObjCContainer(CXCursor cursor) {
    return selfOrSemanticAncestorOfKinds(cursor, XAObjCContainerKinds);
}

CXCursor XAFindSameExtentInEnclosingFunction(CXCursor cursor, const std::function<bool(CXCursor)> &test) {
    CXCursor found = XALibclang::fn().clang_getNullCursor();
    const CXCursor function = XAEnclosingFunctionOrMethod(cursor);
    if (XAIsNullCursor(function)) {
        return found;
    }
    XAVisitChildren(function, [&](CXCursor descendant) {
        if (test(descendant) && XACursorsHaveSameExtent(descendant, cursor)) {
            found = descendant;
            return CXChildVisit_Break;
        }
        return CXChildVisit_Recurse;
    });
    return found;
}

void XAOverriddenCursors(CXCursor cursor, const XACursorEnumerator &block) {
    const OverriddenCursors overridden(cursor);
    bool stop = false;
    for (unsigned index = 0; index < overridden.size() && !stop; ++index) {
        block(overridden[index], index, stop);
    }
}

CXCursor XAOverriddenCursorAtIndex(CXCursor cursor, uint32_t index) {
    const OverriddenCursors overridden(cursor);
    return index < overridden.size() ? overridden[index] : XALibclang::fn().clang_getNullCursor();
}

void XAMethodArguments(CXCursor cursor, const XACursorEnumerator &block) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const int count = clang.clang_Cursor_getNumArguments(cursor);
    bool stop = false;
    for (int index = 0; index < count && !stop; ++index) {
        block(clang.clang_Cursor_getArgument(cursor, static_cast<unsigned>(index)), static_cast<unsigned>(index), stop);
    }
}

void XAEnumerateAttributes(CXCursor cursor, const XACursorEnumerator &block) {
    const XALibclangFunctions &clang = XALibclang::fn();
    unsigned index = 0;
    bool stop = false;
    XAVisitChildren(cursor, [&](CXCursor child) {
        if (clang.clang_isAttribute(clang.clang_getCursorKind(child))) {
            block(child, index++, stop);
        }
        return stop ? CXChildVisit_Break : CXChildVisit_Continue;
    });
}
