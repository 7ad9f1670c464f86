#include "XAClangExtSupport.h"

#include <cstdlib>
#include <cstring>
#include <set>

namespace xa_clangext {

std::string text(CXString string) {
    const char *characters = clang_getCString(string);
    std::string result = characters ? characters : "";
    clang_disposeString(string);
    return result;
}

char *mallocCopy(std::string_view text) {
    auto *copy = static_cast<char *>(std::malloc(text.size() + 1));
    if (!copy) {
        return nullptr;
    }
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

char **mallocCopies(const std::vector<std::string> &texts, unsigned *outCount) {
    *outCount = 0;
    if (texts.empty()) {
        return nullptr;
    }
    auto **array = static_cast<char **>(std::calloc(texts.size(), sizeof(char *)));
    if (!array) {
        return nullptr;
    }
    for (std::size_t index = 0; index < texts.size(); ++index) {
        array[index] = mallocCopy(texts[index]);
        if (!array[index]) {
            for (std::size_t done = 0; done < index; ++done) {
                std::free(array[done]);
            }
            std::free(array);
            return nullptr;
        }
    }
    *outCount = static_cast<unsigned>(texts.size());
    return array;
}

std::string spelling(CXCursor cursor) { return text(clang_getCursorSpelling(cursor)); }

std::string usr(CXCursor cursor) { return text(clang_getCursorUSR(cursor)); }

bool isNull(CXCursor cursor) { return clang_Cursor_isNull(cursor) != 0; }

namespace {

CXChildVisitResult visitWithCallback(CXCursor child, CXCursor, CXClientData data) {
    const auto &callback = *static_cast<const std::function<bool(CXCursor)> *>(data);
    return callback(child) ? CXChildVisit_Continue : CXChildVisit_Break;
}

} // namespace

void forEachChild(CXCursor cursor, const std::function<bool(CXCursor)> &callback) {
    if (isNull(cursor)) {
        return;
    }
    clang_visitChildren(cursor, visitWithCallback, const_cast<std::function<bool(CXCursor)> *>(&callback));
}

std::vector<CXCursor> children(CXCursor cursor) {
    std::vector<CXCursor> result;
    forEachChild(cursor, [&](CXCursor child) {
        result.push_back(child);
        return true;
    });
    return result;
}

CXCursor firstChildOfKind(CXCursor cursor, CXCursorKind kind) {
    CXCursor found = clang_getNullCursor();
    forEachChild(cursor, [&](CXCursor child) {
        if (child.kind != kind) {
            return true;
        }
        found = child;
        return false;
    });
    return found;
}

namespace {

unsigned expansionOffset(CXSourceLocation location) {
    unsigned offset = 0;
    clang_getExpansionLocation(location, nullptr, nullptr, nullptr, &offset);
    return offset;
}

} // namespace

ExtentOffsets extentOffsets(CXCursor cursor) {
    CXSourceRange extent = clang_getCursorExtent(cursor);
    return {expansionOffset(clang_getRangeStart(extent)), expansionOffset(clang_getRangeEnd(extent))};
}

std::vector<Token> tokens(CXTranslationUnit unit, CXSourceRange range) {
    std::vector<Token> result;
    if (!unit) {
        return result;
    }
    CXToken *buffer = nullptr;
    unsigned count = 0;
    clang_tokenize(unit, range, &buffer, &count);
    result.reserve(count);
    for (unsigned index = 0; index < count; ++index) {
        result.push_back({clang_getTokenKind(buffer[index]), text(clang_getTokenSpelling(unit, buffer[index])),
                          expansionOffset(clang_getRangeStart(clang_getTokenExtent(unit, buffer[index])))});
    }
    if (buffer) {
        clang_disposeTokens(unit, buffer, count);
    }
    return result;
}

std::vector<Token> tokensOfCursor(CXCursor cursor) {
    if (isNull(cursor)) {
        return {};
    }
    std::vector<Token> result = tokens(clang_Cursor_getTranslationUnit(cursor), clang_getCursorExtent(cursor));
    // The tokenizer may hand back one token that starts at or past the extent's end.
    const unsigned end = extentOffsets(cursor).end;
    while (!result.empty() && result.back().startOffset >= end) {
        result.pop_back();
    }
    return result;
}

CXCursor stripImplicitWrappers(CXCursor expression) {
    for (int depth = 0;
         depth < 100 && (expression.kind == CXCursor_UnexposedExpr || expression.kind == CXCursor_ParenExpr); ++depth) {
        CXCursor inner = clang_getNullCursor();
        forEachChild(expression, [&](CXCursor child) {
            inner = child;
            return false;
        });
        if (isNull(inner)) {
            break;
        }
        expression = inner;
    }
    return expression;
}

CXType canonicalType(CXType type) { return clang_getCanonicalType(type); }

bool isObjCObjectPointerType(CXType type) {
    switch (canonicalType(type).kind) {
    case CXType_ObjCObjectPointer:
    case CXType_ObjCId:
    case CXType_ObjCClass:
        return true;
    default:
        return false;
    }
}

std::optional<std::uint64_t> evaluateInteger(CXCursor expression) {
    CXEvalResult result = clang_Cursor_Evaluate(expression);
    if (!result) {
        return std::nullopt;
    }
    std::optional<std::uint64_t> value;
    if (clang_EvalResult_getKind(result) == CXEval_Int) {
        value = clang_EvalResult_isUnsignedInt(result)
                    ? clang_EvalResult_getAsUnsigned(result)
                    : static_cast<std::uint64_t>(clang_EvalResult_getAsLongLong(result));
    }
    clang_EvalResult_dispose(result);
    return value;
}

namespace {

bool forEachDeclarationIn(CXCursor container, const std::function<bool(CXCursor)> &callback, int depth) {
    bool goOn = true;
    forEachChild(container, [&](CXCursor child) {
        if (child.kind == CXCursor_LinkageSpec && depth < 8) {
            goOn = forEachDeclarationIn(child, callback, depth + 1);
        } else if (clang_isDeclaration(child.kind)) {
            goOn = callback(child);
        }
        return goOn;
    });
    return goOn;
}

} // namespace

void forEachTopLevelDeclaration(CXCursor anyCursorOfUnit, const std::function<bool(CXCursor)> &callback) {
    CXTranslationUnit unit = isNull(anyCursorOfUnit) ? nullptr : clang_Cursor_getTranslationUnit(anyCursorOfUnit);
    if (!unit) {
        return;
    }
    forEachDeclarationIn(clang_getTranslationUnitCursor(unit), callback, 0);
}

namespace {

// A reference's declaration: the definition where the unit has one (a class reference may name a forward
// declaration, whose cursor has no children), otherwise the declaration it names.
CXCursor definitionOfReference(CXCursor reference) {
    CXCursor definition = clang_getCursorDefinition(reference);
    return isNull(definition) ? clang_getCursorReferenced(reference) : definition;
}

CXCursor classOfCategory(CXCursor category) {
    CXCursor classReference = firstChildOfKind(category, CXCursor_ObjCClassRef);
    if (isNull(classReference)) {
        return clang_getNullCursor();
    }
    CXCursor interface = definitionOfReference(classReference);
    return interface.kind == CXCursor_ObjCInterfaceDecl ? interface : clang_getNullCursor();
}

} // namespace

CXCursor classInterfaceOfContainer(CXCursor container) {
    switch (container.kind) {
    case CXCursor_ObjCInterfaceDecl:
        return container;
    case CXCursor_ObjCImplementationDecl: {
        // libclang's canonical cursor of an @implementation is the class's @interface.
        CXCursor interface = clang_getCanonicalCursor(container);
        return interface.kind == CXCursor_ObjCInterfaceDecl ? interface : clang_getNullCursor();
    }
    case CXCursor_ObjCCategoryDecl:
        return classOfCategory(container);
    case CXCursor_ObjCCategoryImplDecl: {
        CXCursor interface = classOfCategory(container);
        if (isNull(interface)) {
            interface = classOfCategory(clang_getCanonicalCursor(container));
        }
        return interface;
    }
    default:
        return clang_getNullCursor();
    }
}

CXCursor superclassInterface(CXCursor interface) {
    if (interface.kind != CXCursor_ObjCInterfaceDecl) {
        return clang_getNullCursor();
    }
    CXCursor reference = firstChildOfKind(interface, CXCursor_ObjCSuperClassRef);
    if (isNull(reference)) {
        return clang_getNullCursor();
    }
    CXCursor superclass = definitionOfReference(reference);
    return superclass.kind == CXCursor_ObjCInterfaceDecl ? superclass : clang_getNullCursor();
}

std::vector<CXCursor> adoptedProtocols(CXCursor container) {
    constexpr std::size_t maximumProtocols = 256;
    std::vector<CXCursor> result;
    std::set<std::string> seen;
    std::vector<CXCursor> pending{container};
    while (!pending.empty() && result.size() < maximumProtocols) {
        CXCursor current = pending.back();
        pending.pop_back();
        forEachChild(current, [&](CXCursor child) {
            if (child.kind != CXCursor_ObjCProtocolRef) {
                return true;
            }
            CXCursor protocol = definitionOfReference(child);
            if (protocol.kind == CXCursor_ObjCProtocolDecl && seen.insert(usr(protocol)).second) {
                result.push_back(protocol);
                pending.push_back(protocol);
            }
            return result.size() < maximumProtocols;
        });
    }
    return result;
}

} // namespace xa_clangext
