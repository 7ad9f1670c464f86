#pragma once

// Small Objective-C snippets parsed through the loaded libclang against the SDK stand-in, for the tests of the
// cursor library. A snippet is written to a scratch file (so that cursors have a file) and parsed with the arguments
// of an ARC build for the chosen platform. A snippet that does not parse, or parses with errors, fails the test: no
// case can pass by not compiling.

#include "codemodel/XALibclang.h"
#include "codemodel/XALibclangTestSupport.h"
#include "codemodel/XATranslationUnit.h"
#include "core/XAPathsTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class XASnippetPlatform { iOS, macOS };

class XAParsedSnippet {
public:
    explicit XAParsedSnippet(const std::string &source, XASnippetPlatform platform = XASnippetPlatform::iOS,
                             unsigned parseOptions = CXTranslationUnit_None,
                             const std::string &fileName = "Snippet.m") {
        if (!XALoadStagedLibclang()) {
            return;
        }
        path_ = folder_.write(fileName, source);
        index_.reset(XALibclang::fn().clang_createIndex(0, 0));
        XAError error;
        unit_.reset(XAParseTranslationUnit(index_.get(), path_, arguments(platform), parseOptions, &error));
        if (!unit_) {
            ADD_FAILURE() << "the snippet could not be parsed: " << error.message << "\n" << source;
        } else if (XANumberOfErrorDiagnostics(unit_.get()) > 0) {
            std::string errors;
            for (const std::string &diagnostic : XAFormattedDiagnostics(unit_.get())) {
                errors += diagnostic + "\n";
            }
            ADD_FAILURE() << "the snippet does not compile:\n" << errors << source;
        }
    }

    CXTranslationUnit unit() const { return unit_.get(); }
    const std::string &path() const { return path_; }
    CXCursor root() const { return XALibclang::fn().clang_getTranslationUnitCursor(unit_.get()); }

    // Disposes of the translation unit before the snippet goes.
    void dispose() { unit_.reset(); }

    // Every cursor written in the snippet's own file (by its expansion location) for which the test holds, in
    // pre-order; declarations of included headers are not entered.
    std::vector<CXCursor> findAll(const std::function<bool(CXCursor)> &test) const {
        if (!unit_) {
            return {};
        }
        struct Search {
            const std::function<bool(CXCursor)> &test;
            CXFile file;
            std::vector<CXCursor> found;
        } search{test, XALibclang::fn().clang_getFile(unit_.get(), path_.c_str()), {}};
        XALibclang::fn().clang_visitChildren(
            root(),
            [](CXCursor cursor, CXCursor, CXClientData data) {
                const XALibclangFunctions &clang = XALibclang::fn();
                auto *state = static_cast<Search *>(data);
                CXFile file = nullptr;
                clang.clang_getExpansionLocation(clang.clang_getCursorLocation(cursor), &file, nullptr, nullptr,
                                                 nullptr);
                if (!clang.clang_File_isEqual(file, state->file)) {
                    return CXChildVisit_Continue;
                }
                if (state->test(cursor)) {
                    state->found.push_back(cursor);
                }
                return CXChildVisit_Recurse;
            },
            &search);
        return search.found;
    }

    // The occurrence-th cursor of the kind (with that spelling, unless the spelling is empty) in the snippet's file;
    // fails the test when there is none.
    CXCursor find(CXCursorKind kind, std::string_view spelling = {}, size_t occurrence = 0) const {
        const std::vector<CXCursor> found = findAll([&](CXCursor cursor) {
            return cursor.kind == kind && (spelling.empty() || spellingOf(cursor) == spelling);
        });
        if (occurrence >= found.size()) {
            ADD_FAILURE() << "no cursor of kind " << kind << " spelled '" << spelling << "' (occurrence " << occurrence
                          << ")";
            return XALibclang::fn().clang_getNullCursor();
        }
        return found[occurrence];
    }

    // The expression that initialises the variable of that name: the last child of its declaration.
    CXCursor initializerOf(std::string_view variableName) const {
        CXCursor last = XALibclang::fn().clang_getNullCursor();
        XALibclang::fn().clang_visitChildren(
            find(CXCursor_VarDecl, variableName),
            [](CXCursor child, CXCursor, CXClientData data) {
                *static_cast<CXCursor *>(data) = child;
                return CXChildVisit_Continue;
            },
            &last);
        return last;
    }

    static std::string spellingOf(CXCursor cursor) {
        return XAStringFromCXString(XALibclang::fn().clang_getCursorSpelling(cursor)).value_or("");
    }

private:
    static std::vector<std::string> arguments(XASnippetPlatform platform) {
        const bool iOS = platform == XASnippetPlatform::iOS;
        const std::string sdk =
            kXAStagedDeveloperDir + (iOS ? "/Platforms/iPhoneOS.platform/Developer/SDKs/iPhoneOS.sdk"
                                         : "/Platforms/MacOSX.platform/Developer/SDKs/MacOSX.sdk");
        return {"-x",
                "objective-c",
                "-fobjc-arc",
                "-fblocks",
                "-target",
                iOS ? "arm64-apple-ios15.0" : "arm64-apple-macos12.0",
                "-isysroot",
                sdk,
                "-resource-dir",
                XALibclang::resourceDirectory().value_or("")};
    }

    XAScratchFolder folder_;
    std::string path_;
    XAClangIndexOwner index_;
    XATranslationUnitOwner unit_;
};
