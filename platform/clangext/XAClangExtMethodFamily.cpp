#include "XAClangExtMethodFamily.h"

#include "TessaryClangExtensions.h"
#include "XAClangExtSupport.h"

#include <array>
#include <cctype>
#include <optional>
#include <utility>

namespace xa_clangext {

namespace {

struct NamedFamily {
    std::string_view name;
    int family;
};

// Selectors without arguments whose whole name is the convention.
constexpr std::array<NamedFamily, 8> unarySelectorFamilies{{
    {"autorelease", CXTessaryMethodFamily_Autorelease},
    {"dealloc", CXTessaryMethodFamily_Dealloc},
    {"finalize", CXTessaryMethodFamily_Finalize},
    {"release", CXTessaryMethodFamily_Release},
    {"retain", CXTessaryMethodFamily_Retain},
    {"retainCount", CXTessaryMethodFamily_RetainCount},
    {"self", CXTessaryMethodFamily_Self},
    {"initialize", CXTessaryMethodFamily_Initialize},
}};

constexpr std::array<std::string_view, 3> performSelectorNames{"performSelector", "performSelectorInBackground",
                                                               "performSelectorOnMainThread"};

// The families of ARC, which a selector names by its first word.
constexpr std::array<NamedFamily, 5> wordFamilies{{
    {"alloc", CXTessaryMethodFamily_Alloc},
    {"copy", CXTessaryMethodFamily_Copy},
    {"init", CXTessaryMethodFamily_Init},
    {"mutableCopy", CXTessaryMethodFamily_MutableCopy},
    {"new", CXTessaryMethodFamily_New},
}};

// The names an objc_method_family attribute accepts.
constexpr std::array<NamedFamily, 6> attributeFamilies{{
    {"none", CXTessaryMethodFamily_None},
    {"alloc", CXTessaryMethodFamily_Alloc},
    {"copy", CXTessaryMethodFamily_Copy},
    {"init", CXTessaryMethodFamily_Init},
    {"mutableCopy", CXTessaryMethodFamily_MutableCopy},
    {"new", CXTessaryMethodFamily_New},
}};

// A name begins with a word when it is the word or continues with anything but a lower-case letter:
// "copyWithZone" and "new_thing" begin with a word, "copyright" and "newer" do not.
bool beginsWithWord(std::string_view name, std::string_view word) {
    if (name.substr(0, word.size()) != word) {
        return false;
    }
    return name.size() == word.size() || !std::islower(static_cast<unsigned char>(name[word.size()]));
}

bool isIdType(CXType type) {
    CXType canonical = canonicalType(type);
    return canonical.kind == CXType_ObjCId ||
           (canonical.kind == CXType_ObjCObjectPointer && text(clang_getTypeSpelling(canonical)) == "id");
}

// SEL is a typedef whose canonical type is a plain pointer, so the selector type is found among the sugar.
bool isSelectorType(CXType type) {
    for (int depth = 0; depth < 32; ++depth) {
        if (type.kind == CXType_ObjCSel) {
            return true;
        }
        if (type.kind == CXType_Elaborated) {
            type = clang_Type_getNamedType(type);
        } else if (type.kind == CXType_Typedef) {
            type = clang_getTypedefDeclUnderlyingType(clang_getTypeDeclaration(type));
        } else {
            return false;
        }
    }
    return false;
}

bool firstArgumentIsSelector(CXCursor method) {
    CXCursor argument = clang_Cursor_getArgument(method, 0);
    return !isNull(argument) && isSelectorType(clang_getCursorType(argument));
}

// The family an objc_method_family attribute sets, written as such or through a macro named *METHOD_FAMILY (the
// SDKs' NS_METHOD_FAMILY). libclang shows the attribute as an unexposed attribute, so its tokens tell which it is.
std::optional<int> attributeFamily(CXCursor method) {
    std::optional<int> result;
    forEachChild(method, [&](CXCursor child) {
        if (child.kind != CXCursor_UnexposedAttr) {
            return true;
        }
        std::vector<Token> written = tokensOfCursor(child);
        for (std::size_t index = 0; index + 3 < written.size(); ++index) {
            std::string_view name = written[index].spelling;
            bool isFamilyAttribute =
                name == "objc_method_family" || (name.size() >= 13 && name.substr(name.size() - 13) == "METHOD_FAMILY");
            if (!isFamilyAttribute || written[index + 1].spelling != "(" || written[index + 3].spelling != ")") {
                continue;
            }
            for (const NamedFamily &family : attributeFamilies) {
                if (written[index + 2].spelling == family.name) {
                    result = family.family;
                }
            }
        }
        return !result;
    });
    return result;
}

// Whether a method's kind and result type fit the family its selector names; a method that does not fit
// keeps no family.
bool fitsFamily(CXCursor method, int family) {
    const bool isInstanceMethod = method.kind == CXCursor_ObjCInstanceMethodDecl;
    CXType result = clang_getCursorResultType(method);
    switch (family) {
    case CXTessaryMethodFamily_Init:
        return isInstanceMethod && isObjCObjectPointerType(result);
    case CXTessaryMethodFamily_Alloc:
    case CXTessaryMethodFamily_Copy:
    case CXTessaryMethodFamily_MutableCopy:
    case CXTessaryMethodFamily_New:
        return isObjCObjectPointerType(result);
    case CXTessaryMethodFamily_Initialize:
        return !isInstanceMethod && canonicalType(result).kind == CXType_Void;
    case CXTessaryMethodFamily_PerformSelector: {
        const int arguments = clang_Cursor_getNumArguments(method);
        return isInstanceMethod && isIdType(result) && arguments >= 1 && arguments <= 3 &&
               firstArgumentIsSelector(method);
    }
    default:
        return isInstanceMethod;
    }
}

} // namespace

int selectorFamily(std::string_view selector) {
    const std::size_t colon = selector.find(':');
    std::string_view firstPart = selector.substr(0, colon);
    if (colon == std::string_view::npos) {
        for (const NamedFamily &family : unarySelectorFamilies) {
            if (selector == family.name) {
                return family.family;
            }
        }
    }
    for (std::string_view name : performSelectorNames) {
        if (firstPart == name) {
            return CXTessaryMethodFamily_PerformSelector;
        }
    }
    // Leading underscores, as in private methods, do not change the family.
    const std::size_t firstLetter = firstPart.find_first_not_of('_');
    if (firstLetter == std::string_view::npos) {
        return CXTessaryMethodFamily_None;
    }
    firstPart.remove_prefix(firstLetter);
    for (const NamedFamily &family : wordFamilies) {
        if (beginsWithWord(firstPart, family.name)) {
            return family.family;
        }
    }
    return CXTessaryMethodFamily_None;
}

int methodDeclFamily(CXCursor method) {
    if (method.kind != CXCursor_ObjCInstanceMethodDecl && method.kind != CXCursor_ObjCClassMethodDecl) {
        return CXTessaryMethodFamily_None;
    }
    if (std::optional<int> declared = attributeFamily(method)) {
        return *declared;
    }
    const int family = selectorFamily(spelling(method));
    return family != CXTessaryMethodFamily_None && fitsFamily(method, family) ? family : CXTessaryMethodFamily_None;
}

} // namespace xa_clangext

extern "C" int clang_tessary_getObjCMethodFamily(CXCursor method) { return xa_clangext::methodDeclFamily(method); }
