#include "codemodel/clang/XAAnnotations.h"

#include <string_view>

bool XACursorHasAnnotations(CXCursor cursor) {
    return XALibclang::fn().clang_tessary_cursorHasAnnotationAttributes(cursor) != 0;
}

std::optional<std::vector<std::string>> XACursorAnnotations(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    char **texts = nullptr;
    unsigned count = 0;
    clang.clang_tessary_getCursorAnnotationAttributes(cursor, &texts, &count);
    if (count == 0) {
        return std::nullopt;
    }
    std::vector<std::string> annotations(texts, texts + count);
    clang.clang_tessary_disposeStringArray(texts, count);
    return annotations;
}

std::optional<std::vector<std::string>> XATessaryAnnotationsOfCursor(CXCursor cursor) {
    std::optional<std::vector<std::string>> annotations = XACursorAnnotations(cursor);
    if (!annotations) {
        return std::nullopt;
    }
    const std::string_view prefix = XATessaryAnnotationPrefix;
    std::vector<std::string> payloads;
    for (const std::string &annotation : *annotations) {
        if (annotation.size() > prefix.size() && annotation.compare(0, prefix.size(), prefix) == 0) {
            payloads.push_back(annotation.substr(prefix.size()));
        }
    }
    return payloads;
}
