#include "codemodel/clang/XATranslationUnitMemo.h"

#include <functional>

namespace {

thread_local XATranslationUnitMemo *openMemo = nullptr;

} // namespace

XATranslationUnitMemo::XATranslationUnitMemo(CXTranslationUnit unit) : unit_(unit), previous_(openMemo) {
    openMemo = this;
}

XATranslationUnitMemo::~XATranslationUnitMemo() { openMemo = previous_; }

XATranslationUnitMemo *XATranslationUnitMemo::memoForCursor(CXCursor cursor) {
    if (!openMemo || XALibclang::fn().clang_Cursor_getTranslationUnit(cursor) != openMemo->unit_) {
        return nullptr;
    }
    return openMemo;
}

const XATranslationUnitMemo::Answer *XATranslationUnitMemo::find(std::string_view question, CXCursor cursor) const {
    const auto found = answers_.find(Key{question, cursor});
    return found == answers_.end() ? nullptr : &found->second;
}

void XATranslationUnitMemo::store(std::string_view question, CXCursor cursor, Answer answer) {
    answers_.insert_or_assign(Key{question, cursor}, answer);
}

std::size_t XATranslationUnitMemo::KeyHash::operator()(const Key &key) const {
    return std::hash<std::string_view>()(key.question) * 31 + XALibclang::fn().clang_hashCursor(key.cursor);
}

bool XATranslationUnitMemo::KeyEqual::operator()(const Key &left, const Key &right) const {
    return left.question == right.question && XALibclang::fn().clang_equalCursors(left.cursor, right.cursor) != 0;
}
