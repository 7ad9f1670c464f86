#pragma once

// Answers about the cursors of one translation unit that rules ask again and again for the same cursor (is this
// method a property's accessor, is this variable marked unused), kept while the unit is checked. The check of a file
// opens a memo for its unit on its thread; a question asked outside one, or about a cursor of another unit, is worked
// out each time. The memo is closed before its unit is disposed of, so no answer outlives the cursors it holds.

#include "codemodel/XALibclang.h"

#include <string_view>
#include <unordered_map>
#include <variant>

class XATranslationUnitMemo {
public:
    using Answer = std::variant<bool, CXCursor>;

    // Opens the memo of `unit` on this thread until the object ends; a memo opened before it is set aside meanwhile.
    explicit XATranslationUnitMemo(CXTranslationUnit unit);
    ~XATranslationUnitMemo();
    XATranslationUnitMemo(const XATranslationUnitMemo &) = delete;
    XATranslationUnitMemo &operator=(const XATranslationUnitMemo &) = delete;

    // The open memo of this thread when the cursor belongs to its unit; null otherwise.
    static XATranslationUnitMemo *memoForCursor(CXCursor cursor);

    const Answer *find(std::string_view question, CXCursor cursor) const;
    void store(std::string_view question, CXCursor cursor, Answer answer);

private:
    struct Key {
        std::string_view question; // a string literal, which lives as long as the program
        CXCursor cursor;
    };
    struct KeyHash {
        std::size_t operator()(const Key &key) const;
    };
    struct KeyEqual {
        bool operator()(const Key &left, const Key &right) const;
    };

    CXTranslationUnit unit_;
    XATranslationUnitMemo *previous_;
    std::unordered_map<Key, Answer, KeyHash, KeyEqual> answers_;
};

// The answer of `question` (a string literal naming it) about `cursor`: computed by `compute` the first time it is
// asked while the cursor's unit has an open memo, then remembered. T is bool or CXCursor.
template <typename T, typename Compute>
T XAMemoisedAnswer(std::string_view question, CXCursor cursor, Compute compute) {
    XATranslationUnitMemo *memo = XATranslationUnitMemo::memoForCursor(cursor);
    if (!memo) {
        return compute();
    }
    if (const XATranslationUnitMemo::Answer *known = memo->find(question, cursor)) {
        if (const T *answer = std::get_if<T>(known)) {
            return *answer;
        }
    }
    const T answer = compute();
    memo->store(question, cursor, answer);
    return answer;
}
