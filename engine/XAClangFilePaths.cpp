#include "engine/XAClangFilePaths.h"

#include "codemodel/clang/XACursorText.h"
#include "core/XAPaths.h"

std::optional<std::string> XANormalizedFilePathOfClangFile(CXFile file) {
    if (file == nullptr) {
        return std::nullopt;
    }
    const XALibclangFunctions &clang = XALibclang::fn();
    std::optional<std::string> path = XAStringFromCXString(clang.clang_getFileName(file));
    if (!path || !xa_isAbsolutePath(*path)) {
        std::optional<std::string> realPath = XAStringFromCXString(clang.clang_File_tryGetRealPathName(file));
        if (realPath && !realPath->empty()) {
            path = realPath;
        }
    }
    if (!path || path->empty()) {
        return std::nullopt;
    }
    return xa_absoluteCLIPath(*path);
}

std::optional<std::string> XANormalizedFilePathOfCursor(CXCursor cursor) {
    return XANormalizedFilePathOfClangFile(XACursorExtentStart(cursor).file);
}
