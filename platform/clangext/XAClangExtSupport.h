#pragma once

// Small helpers over libclang's C API shared by the extension functions. Nothing here keeps state: a translation
// unit may be disposed and its address reused at any time, so no cursor outlives the call that found it.

#include <clang-c/Index.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xa_clangext {

// The text of a libclang string, empty when it has none; disposes the string.
std::string text(CXString string);

// A copy of the text in malloc'd memory, for handing over through the C interface; NULL when out of memory.
char *mallocCopy(std::string_view text);
// A malloc'd array of malloc'd copies; NULL (and a count of 0) for an empty list or when out of memory.
char **mallocCopies(const std::vector<std::string> &texts, unsigned *outCount);

std::string spelling(CXCursor cursor);
std::string usr(CXCursor cursor);
bool isNull(CXCursor cursor);

// Visits the direct children in order; the callback returns false to stop.
void forEachChild(CXCursor cursor, const std::function<bool(CXCursor)> &callback);
std::vector<CXCursor> children(CXCursor cursor);
// The first direct child of a kind, or the null cursor.
CXCursor firstChildOfKind(CXCursor cursor, CXCursorKind kind);

// The expansion offsets of a cursor's extent: where a macro use stands in the file being read.
struct ExtentOffsets {
    unsigned start = 0;
    unsigned end = 0;
};
ExtentOffsets extentOffsets(CXCursor cursor);

struct Token {
    CXTokenKind kind;
    std::string spelling;
    unsigned startOffset;
};
// The tokens of a source range, each with its expansion start offset.
std::vector<Token> tokens(CXTranslationUnit unit, CXSourceRange range);
std::vector<Token> tokensOfCursor(CXCursor cursor);

// Expression wrappers that stand between a value and its use: implicit conversions (unexposed) and parentheses.
CXCursor stripImplicitWrappers(CXCursor expression);

// The canonical type, seen through typedefs and elaborated names (libclang gives `Rgb` as CXType_Elaborated).
CXType canonicalType(CXType type);
bool isObjCObjectPointerType(CXType type);

// The integer value libclang's evaluator gives an expression, as 64 bits (a signed value in two's complement).
std::optional<std::uint64_t> evaluateInteger(CXCursor expression);

// Top-level declarations of the cursor's translation unit, including those inside extern "C" blocks.
void forEachTopLevelDeclaration(CXCursor anyCursorOfUnit, const std::function<bool(CXCursor)> &callback);

// The @interface of the class an Objective-C container belongs to (interface, category or class extension,
// implementation, category implementation); the null cursor for protocols and other cursors.
CXCursor classInterfaceOfContainer(CXCursor container);
// The superclass's @interface, or the null cursor.
CXCursor superclassInterface(CXCursor interface);
// The protocols a container adopts, with the protocols they inherit, each once.
std::vector<CXCursor> adoptedProtocols(CXCursor container);

} // namespace xa_clangext
