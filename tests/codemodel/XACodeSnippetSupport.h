#pragma once

// Small Objective-C snippets parsed for the cursor library's tests the way the checker parses a project's file: the
// snippet is written to a file in a scratch folder and parsed with arguments prepared by the product's own argument
// adaptation (target triple, SDK stand-in, builtin headers, working directory) and the parse options of the checking
// run. A snippet that does not parse cleanly fails its test through ASSERT_SNIPPET_PARSED, so that no case can pass by
// not compiling.

#include "codemodel/XALibclangTestSupport.h"
#include "project/XAParsingArguments.h"
#include "codemodel/XATranslationUnit.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XAPathsTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct XASnippetSettings {
    std::string platform = "iphoneos"; // PLATFORM_NAME: "iphoneos" or "macosx"
    bool arc = true;
    std::string fileName = "Snippet.m";
    // Further files written beside the snippet, by relative path ("Widget+Private.h").
    std::vector<std::pair<std::string, std::string>> otherFiles;
};

class XAParsedSnippet {
public:
    explicit XAParsedSnippet(const std::string &source, XASnippetSettings settings = {}) {
        if (!XALoadStagedLibclang()) {
            return;
        }
        path_ = folder_.write(settings.fileName, source);
        for (const auto &[relativePath, contents] : settings.otherFiles) {
            folder_.write(relativePath, contents);
        }
        const bool macOS = settings.platform == "macosx";
        std::vector<std::string> arguments = {"-x",       "objective-c",
                                              "-arch",    macOS ? "x86_64" : "arm64",
                                              "-fblocks", settings.arc ? "-fobjc-arc" : "-fno-objc-arc"};
        XAParsingArgumentsContext context;
        context.workingDirectory = folder_.path();
        context.buildSettings = {
            {"PLATFORM_NAME", settings.platform},
            {macOS ? "MACOSX_DEPLOYMENT_TARGET" : "IPHONEOS_DEPLOYMENT_TARGET", macOS ? "11.0" : "15.0"}};
        context.resourceDirectory = XALibclang::resourceDirectory();
        context.developerDirectory = kXAStagedDeveloperDir;
        index_.reset(XALibclang::fn().clang_createIndex(0, 0));
        unit_.reset(XAParseTranslationUnit(index_.get(), path_, XAArgumentsAdaptedForLoadedClang(arguments, context),
                                           CXTranslationUnit_DetailedPreprocessingRecord, &error_));
    }

    CXTranslationUnit unit() const { return unit_.get(); }
    CXCursor root() const { return XALibclang::fn().clang_getTranslationUnitCursor(unit_.get()); }
    const std::string &path() const { return path_; }
    const std::string &folder() const { return folder_.path(); }

    // The errors and warnings of the parse; ASSERT_SNIPPET_PARSED wants none.
    std::vector<std::string> problems() const {
        if (!unit_) {
            return {"the snippet could not be parsed: " + error_.message};
        }
        return XAFormattedDiagnosticsWithChildren(unit_.get());
    }

    // Every cursor below the start in pre-order for which the test holds.
    static std::vector<CXCursor> findAll(CXCursor start, const std::function<bool(CXCursor)> &test) {
        std::vector<CXCursor> found;
        XAVisitChildren(start, [&](CXCursor cursor) {
            if (test(cursor)) {
                found.push_back(cursor);
            }
            return CXChildVisit_Recurse;
        });
        return found;
    }

    // Whether the cursor lies in the snippet or a file beside it (not in the SDK).
    bool isInSnippetFolder(CXCursor cursor) const {
        return XACursorFilePath(cursor).value_or("").rfind(folder_.path() + "/", 0) == 0;
    }

    // The occurrence-th cursor of the kind and spelling in the snippet's files; the null cursor when there is none.
    CXCursor find(CXCursorKind kind, std::string_view spelling, std::size_t occurrence = 0) const {
        return findBelow(root(), kind, spelling, occurrence);
    }
    // The same below a container.
    CXCursor findBelow(CXCursor container, CXCursorKind kind, std::string_view spelling,
                       std::size_t occurrence = 0) const {
        const std::vector<CXCursor> found = findAll(container, [&](CXCursor cursor) {
            return cursor.kind == kind && XACursorSpelling(cursor) == spelling && isInSnippetFolder(cursor);
        });
        return occurrence < found.size() ? found[occurrence] : XALibclang::fn().clang_getNullCursor();
    }
    // The first cursor of the kind inside the declaration of a kind and name in the snippet's files.
    CXCursor findIn(CXCursorKind containerKind, std::string_view containerName, CXCursorKind kind) const {
        const std::vector<CXCursor> found =
            findAll(find(containerKind, containerName), [&](CXCursor cursor) { return cursor.kind == kind; });
        return found.empty() ? XALibclang::fn().clang_getNullCursor() : found.front();
    }

private:
    XAScratchFolder folder_;
    std::string path_;
    XAClangIndexOwner index_;
    XATranslationUnitOwner unit_;
    XAError error_;
};

// Asserts from a test body that a snippet parsed without errors or warnings.
#define ASSERT_SNIPPET_PARSED(snippet)                                                                                 \
    do {                                                                                                               \
        const std::vector<std::string> snippetProblems = (snippet).problems();                                         \
        ASSERT_TRUE(snippetProblems.empty()) << ::testing::PrintToString(snippetProblems);                             \
    } while (false)
