#pragma once

// Parses small Objective-C snippets in memory for the tests of the libclang extension functions. There is no SDK
// here, so a snippet declares what it uses, starting from the root class of kRootClass.

#include "TessaryClangExtensions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace xa_clangext_test {

inline constexpr const char *kRootClass = R"(
__attribute__((objc_root_class))
@interface NSObject
+ (instancetype)alloc;
+ (instancetype)new;
- (instancetype)init;
- (id)copy;
- (void)dealloc;
@end
)";

inline std::string textOf(CXString string) {
    const char *characters = clang_getCString(string);
    std::string result = characters ? characters : "";
    clang_disposeString(string);
    return result;
}

inline std::string spellingOf(CXCursor cursor) { return textOf(clang_getCursorSpelling(cursor)); }

class ParsedSnippet {
public:
    // Objective-C with ARC by default; language is a -x value ("objective-c++", "c"...). A unit's walk sees the
    // declarations of precompiled headers and imported modules unless they are excluded, as the checker's parses do.
    explicit ParsedSnippet(std::string source, std::string language = "objective-c",
                           std::vector<std::string> extraArguments = {}, bool excludeDeclarationsFromPCH = false)
        : source_(std::move(source)), index_(clang_createIndex(excludeDeclarationsFromPCH ? 1 : 0, 0)) {
        std::vector<std::string> arguments = {"-x",
                                              language,
                                              "-fobjc-arc",
                                              "-fblocks",
                                              "-target",
                                              "arm64-apple-ios15.0",
                                              "-resource-dir",
                                              "/usr/lib/llvm-19/lib/clang/19",
                                              "-nostdinc++",
                                              "-Wno-everything"};
        arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
        std::vector<const char *> argumentPointers;
        for (const std::string &argument : arguments) {
            argumentPointers.push_back(argument.c_str());
        }
        const std::string fileName = language.find("++") != std::string::npos ? "/snippet/test.mm" : "/snippet/test.m";
        CXUnsavedFile file{fileName.c_str(), source_.c_str(), static_cast<unsigned long>(source_.size())};
        clang_parseTranslationUnit2(index_, fileName.c_str(), argumentPointers.data(),
                                    static_cast<int>(argumentPointers.size()), &file, 1, CXTranslationUnit_None,
                                    &unit_);
    }
    ~ParsedSnippet() {
        if (unit_) {
            clang_disposeTranslationUnit(unit_);
        }
        clang_disposeIndex(index_);
    }
    ParsedSnippet(const ParsedSnippet &) = delete;
    ParsedSnippet &operator=(const ParsedSnippet &) = delete;

    CXTranslationUnit unit() const { return unit_; }
    CXCursor root() const { return clang_getTranslationUnitCursor(unit_); }

    // The texts of the errors (and fatal errors) of the parse; a test asserts that there are none, so that no
    // snippet passes by not compiling.
    std::vector<std::string> errors() const {
        std::vector<std::string> result;
        if (!unit_) {
            return {"the snippet could not be parsed at all"};
        }
        for (unsigned index = 0; index < clang_getNumDiagnostics(unit_); ++index) {
            CXDiagnostic diagnostic = clang_getDiagnostic(unit_, index);
            if (clang_getDiagnosticSeverity(diagnostic) >= CXDiagnostic_Error) {
                result.push_back(textOf(clang_formatDiagnostic(diagnostic, CXDiagnostic_DisplaySourceLocation)));
            }
            clang_disposeDiagnostic(diagnostic);
        }
        return result;
    }

    // Every cursor below the start in pre-order for which the test holds.
    static std::vector<CXCursor> findAll(CXCursor start, const std::function<bool(CXCursor)> &test) {
        struct Search {
            const std::function<bool(CXCursor)> &test;
            std::vector<CXCursor> found;
        } search{test, {}};
        clang_visitChildren(
            start,
            [](CXCursor cursor, CXCursor, CXClientData data) {
                auto *state = static_cast<Search *>(data);
                if (state->test(cursor)) {
                    state->found.push_back(cursor);
                }
                return CXChildVisit_Recurse;
            },
            &search);
        return search.found;
    }

    // The occurrence-th cursor of a kind and spelling in the whole unit, or the null cursor.
    CXCursor find(CXCursorKind kind, std::string_view spelling, std::size_t occurrence = 0) const {
        std::vector<CXCursor> found =
            findAll(root(), [&](CXCursor cursor) { return cursor.kind == kind && spellingOf(cursor) == spelling; });
        return occurrence < found.size() ? found[occurrence] : clang_getNullCursor();
    }

    // The first cursor of a kind and spelling below a container, or the null cursor.
    static CXCursor findBelow(CXCursor container, CXCursorKind kind, std::string_view spelling) {
        std::vector<CXCursor> found =
            findAll(container, [&](CXCursor cursor) { return cursor.kind == kind && spellingOf(cursor) == spelling; });
        return found.empty() ? clang_getNullCursor() : found.front();
    }

    // The first cursor of a kind inside the declaration (function, method...) of a kind and name.
    CXCursor findIn(CXCursorKind containerKind, std::string_view containerName, CXCursorKind kind) const {
        CXCursor container = find(containerKind, containerName);
        if (clang_Cursor_isNull(container)) {
            return container;
        }
        std::vector<CXCursor> found = findAll(container, [&](CXCursor cursor) { return cursor.kind == kind; });
        return found.empty() ? clang_getNullCursor() : found.front();
    }

private:
    std::string source_;
    CXIndex index_;
    CXTranslationUnit unit_ = nullptr;
};

// Asserts from a test body that a snippet parsed without errors.
#define ASSERT_PARSED(snippet)                                                                                         \
    do {                                                                                                               \
        std::vector<std::string> parseErrors = (snippet).errors();                                                     \
        ASSERT_TRUE(parseErrors.empty()) << ::testing::PrintToString(parseErrors);                                     \
    } while (false)

} // namespace xa_clangext_test
