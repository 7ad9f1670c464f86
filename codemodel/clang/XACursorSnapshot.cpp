#include "codemodel/clang/XACursorSnapshot.h"

#include "codemodel/XALibclang.h"
#include "codemodel/clang/XACursorText.h"

namespace {

XASourcePosition positionOf(const XACursorPosition &position) {
    return {position.line, position.column, position.offset};
}

} // namespace

XACursorSnapshot::XACursorSnapshot(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    if (clang.clang_Cursor_isNull(cursor)) {
        return;
    }
    isNull_ = false;
    kind_ = cursor.kind;
    spelling_ = XACursorSpelling(cursor);
    usr_ = XAStringFromCXString(clang.clang_getCursorUSR(cursor));
    if (usr_ && usr_->empty()) {
        usr_.reset();
    }
    filePath_ = XACursorFilePath(cursor);
    start_ = positionOf(XACursorExtentStart(cursor));
    end_ = positionOf(XACursorExtentEnd(cursor));
    debugDescription_ = XACursorDebugDescription(cursor);
    uniqueKey_ = XACursorUniqueKey(cursor);
}
