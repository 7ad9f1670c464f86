#include "engine/XADiagnosticPosition.h"

#include "codemodel/clang/XACursorNavigation.h"
#include "engine/XAClangFilePaths.h"
#include "engine/XAFileLineIndex.h"

namespace {

struct ExpansionPosition {
    CXFile file = nullptr;
    XADiagnosticPosition position;
};

ExpansionPosition expansionPosition(CXSourceLocation location) {
    CXFile file = nullptr;
    unsigned line = 0, column = 0, offset = 0;
    XALibclang::fn().clang_getExpansionLocation(location, &file, &line, &column, &offset);
    return {file, {line, column, offset}};
}

XADiagnosticPositions positionsOfRange(CXSourceRange range) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return {expansionPosition(clang.clang_getRangeStart(range)).position,
            expansionPosition(clang.clang_getRangeEnd(range)).position};
}

bool isObjCContainerDeclaration(CXCursorKind kind) {
    return kind == CXCursor_ObjCInterfaceDecl || kind == CXCursor_ObjCCategoryDecl ||
           kind == CXCursor_ObjCImplementationDecl || kind == CXCursor_ObjCCategoryImplDecl;
}

bool isFunctionOrMethodDeclaration(CXCursorKind kind) {
    return kind == CXCursor_FunctionDecl || kind == CXCursor_ObjCInstanceMethodDecl ||
           kind == CXCursor_ObjCClassMethodDecl;
}

// The extent's positions; an empty extent covers the byte after its start when the file has one.
XADiagnosticPositions extentPositions(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXSourceRange extent = clang.clang_getCursorExtent(cursor);
    const ExpansionPosition start = expansionPosition(clang.clang_getRangeStart(extent));
    XADiagnosticPosition end = expansionPosition(clang.clang_getRangeEnd(extent)).position;
    if (start.position == end && start.file != nullptr) {
        const CXSourceLocation next =
            clang.clang_getLocationForOffset(clang.clang_Cursor_getTranslationUnit(cursor), start.file,
                                             static_cast<unsigned>(start.position.offset + 1));
        if (!clang.clang_equalLocations(next, clang.clang_getNullLocation())) {
            end = expansionPosition(next).position;
        }
    }
    return {start.position, end};
}

// A declaration with a body is marked from its start to just before the body's opening brace.
XADiagnosticPositions endingBeforeBody(CXCursor cursor, XADiagnosticPositions positions) {
    const CXCursor body = XAFirstChildOfKind(cursor, CXCursor_CompoundStmt, CXChildVisit_Continue);
    if (XALibclang::fn().clang_Cursor_isNull(body)) {
        return positions;
    }
    const XADiagnosticPositions bodyPositions = extentPositions(body);
    const XADiagnosticPosition &bodyStart = bodyPositions.first();
    if (bodyStart.offset < bodyPositions.second().offset && positions.first().offset + 1 < bodyStart.offset) {
        positions.setSecond(bodyStart.column == 0
                                ? bodyStart
                                : XADiagnosticPosition{bodyStart.line, bodyStart.column - 1, bodyStart.offset - 1});
    }
    return positions;
}

} // namespace

std::string XADiagnosticPosition::description() const {
    return "Line: " + std::to_string(line) + " Column: " + std::to_string(column) +
           " Offset: " + std::to_string(offset);
}

std::optional<XADiagnosticPositions> XADiagnosticPosition::startAndEndPositionsFromCursor(CXCursor cursor) {
    const XADiagnosticPositions positions = extentPositions(cursor);
    const CXCursorKind kind = XALibclang::fn().clang_getCursorKind(cursor);
    if (isObjCContainerDeclaration(kind)) {
        const std::optional<std::string> path = XANormalizedFilePathOfCursor(cursor);
        return path ? startAndEndPositionsForLine(positions.first().line, *path) : std::nullopt;
    }
    if (isFunctionOrMethodDeclaration(kind)) {
        return endingBeforeBody(cursor, positions);
    }
    return positions;
}

XADiagnosticPositions XADiagnosticPosition::startAndEndPositionsFromToken(CXToken token,
                                                                          CXTranslationUnit translationUnit) {
    return positionsOfRange(XALibclang::fn().clang_getTokenExtent(translationUnit, token));
}

std::optional<XADiagnosticPositions> XADiagnosticPosition::startAndEndPositionsForLine(std::uint64_t line,
                                                                                       const std::string &filePath) {
    const std::optional<std::pair<std::uint64_t, std::uint64_t>> range =
        XAFileLineIndex::indexOfFile(filePath)->lineRange(line);
    if (!range) {
        return std::nullopt;
    }
    const auto [start, end] = *range;
    return XADiagnosticPositions({line, 0, start}, {line, end - start, end});
}
