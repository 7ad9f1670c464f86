#include "codemodel/clang/XAPrecompiledHeaderInclusions.h"

#include "codemodel/XALibclang.h"
#include "codemodel/XATranslationUnit.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XALog.h"
#include "core/XAPaths.h"

#include <optional>

namespace {

void addInclusionsOfHeader(CXTranslationUnit unit, const std::string &folder, XAPCHInclusions &inclusions) {
    const CXCursor unitCursor = XALibclang::fn().clang_getTranslationUnitCursor(unit);
    const std::string headerPath = xa_stringByStandardizingPath(XACursorFilePath(unitCursor).value_or(""));
    XAVisitChildren(unitCursor, [&](CXCursor cursor) {
        if (cursor.kind != CXCursor_InclusionDirective) {
            return CXChildVisit_Recurse;
        }
        if (std::optional<std::string> included = XAIncludedFilePath(cursor)) {
            // As the rules compare the files that source files include: "App/../App/Util.h" is "App/Util.h".
            const std::string path = xa_stringByStandardizingPath(*included);
            inclusions.allByFolder[folder].insert(path);
            if (xa_stringByStandardizingPath(XACursorFilePath(cursor).value_or("")) == headerPath) {
                inclusions.directByFolder[folder].insert(path);
            }
        }
        return CXChildVisit_Continue;
    });
}

} // namespace

std::string XAAllPCHInclusionsStateKey(std::string_view folderPath) {
    return "inclusionsInAllPCHs--" + std::string(folderPath);
}

std::string XADirectPCHInclusionsStateKey(std::string_view folderPath) {
    return "inclusionsInDirectPCHs--" + std::string(folderPath);
}

XAPCHInclusions XAReadPCHInclusions(const std::vector<std::string> &pchPaths) {
    XAPCHInclusions inclusions;
    for (const std::string &path : pchPaths) {
        XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
        CXTranslationUnit unit = nullptr;
        const int code = XALibclang::fn().clang_createTranslationUnit2(index.get(), path.c_str(), &unit);
        XATranslationUnitOwner unitOwner(unit);
        if (!unit) {
            const std::string message = XAParseErrorMessage(code).value_or("libclang error " + std::to_string(code));
            XALog(4, "ERROR: Error parsing precompiled header (" + message + "): " + path);
            continue;
        }
        addInclusionsOfHeader(unit, xa_stringByDeletingLastPathComponent(path), inclusions);
    }
    return inclusions;
}
