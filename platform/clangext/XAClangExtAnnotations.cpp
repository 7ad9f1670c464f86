// Texts of annotate attributes, which libclang shows as attribute children of the declaration they belong to.

#include "TessaryClangExtensions.h"
#include "XAClangExtSupport.h"

#include <string>
#include <vector>

using namespace xa_clangext;

namespace {

// Declarations only: the checking engine asks this of every cursor it visits, and clang_Cursor_hasAttrs answers
// without walking the children of a declaration that has no attribute at all.
bool mayHaveAnnotations(CXCursor cursor) {
    return !isNull(cursor) && clang_isDeclaration(cursor.kind) && clang_Cursor_hasAttrs(cursor) != 0;
}

std::vector<std::string> annotationTexts(CXCursor cursor, bool firstOnly) {
    std::vector<std::string> texts;
    if (!mayHaveAnnotations(cursor)) {
        return texts;
    }
    // libclang visits a declaration's attributes in source order, before its other children.
    forEachChild(cursor, [&](CXCursor child) {
        if (child.kind == CXCursor_AnnotateAttr) {
            texts.push_back(spelling(child));
        }
        return !(firstOnly && !texts.empty());
    });
    return texts;
}

} // namespace

extern "C" {

unsigned clang_tessary_cursorHasAnnotationAttributes(CXCursor cursor) {
    return annotationTexts(cursor, true).empty() ? 0 : 1;
}

void clang_tessary_getCursorAnnotationAttributes(CXCursor cursor, char ***outTexts, unsigned *outCount) {
    if (outTexts) {
        *outTexts = nullptr;
    }
    if (outCount) {
        *outCount = 0;
    }
    if (!outTexts || !outCount) {
        return;
    }
    *outTexts = mallocCopies(annotationTexts(cursor, false), outCount);
}

void clang_tessary_disposeStringArray(char **texts, unsigned count) {
    if (!texts) {
        return;
    }
    for (unsigned index = 0; index < count; ++index) {
        std::free(texts[index]);
    }
    std::free(texts);
}

} // extern "C"
