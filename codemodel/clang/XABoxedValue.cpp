#include "codemodel/clang/XABoxedValue.h"

#include "codemodel/XALibclang.h"

const char *XABoxedValue::objCType() const {
    static constexpr const char *kEncodings[] = {"{?=ii[3^v]}", "^{CXTranslationUnitImpl=}", "^v"};
    return kEncodings[contents_.index()];
}

XABoxedValue xa_valueWithCXCursor(CXCursor cursor) {
    return XABoxedValue(XABoxedValue::BoxedCursor{cursor, XACursorSnapshot(cursor)});
}

CXCursor xa_CXCursorValue(const XABoxedValue &value) {
    const auto *boxed = std::get_if<XABoxedValue::BoxedCursor>(&value.contents_);
    return boxed ? boxed->cursor : XALibclang::fn().clang_getNullCursor();
}

std::string xa_CXCursorValueDescription(const XABoxedValue &value) {
    const auto *boxed = std::get_if<XABoxedValue::BoxedCursor>(&value.contents_);
    return boxed ? boxed->snapshot.debugDescription() : XACursorSnapshot().debugDescription();
}

XABoxedValue xa_valueWithCXTranslationUnit(CXTranslationUnit translationUnit) { return XABoxedValue(translationUnit); }

CXTranslationUnit xa_CXTranslationUnitValue(const XABoxedValue &value) {
    const auto *boxed = std::get_if<CXTranslationUnit>(&value.contents_);
    return boxed ? *boxed : nullptr;
}

XABoxedValue xa_valueWithCXIndex(CXIndex index) { return XABoxedValue(index); }

CXIndex xa_CXIndexValue(const XABoxedValue &value) {
    const auto *boxed = std::get_if<CXIndex>(&value.contents_);
    return boxed ? *boxed : nullptr;
}
