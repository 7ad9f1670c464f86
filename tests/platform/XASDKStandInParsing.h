#pragma once

// Parsing code against the stand-in SDKs the way the checker does: with libclang, an Apple target triple, the SDK
// folder of a platform and the compiler's own resource folder. Shared by the tests of the SDK headers.

#include "platform/XAStagedProgramSupport.h"

#include <clang-c/Index.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace XASDKStandIn {

using namespace XAStagedPrograms;

inline constexpr const char *kResourceDir = "/usr/lib/llvm-19/lib/clang/19";

inline std::string sdkPath(const std::string &platform) {
    return developerDir() + "/Platforms/" + platform + ".platform/Developer/SDKs/" + platform + ".sdk";
}

inline std::string textOf(CXString string) {
    const char *characters = clang_getCString(string);
    std::string result = characters ? characters : "";
    clang_disposeString(string);
    return result;
}

inline bool startsWith(const std::string &text, const std::string &prefix) { return text.rfind(prefix, 0) == 0; }

inline bool endsWith(const std::string &text, const std::string &suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The folder that built modules are shared in, for all parses of the test program.
inline const std::string &moduleCachePath() {
    static TemporaryFolder folder;
    return folder.path();
}

struct ParseSettings {
    std::string platform; // SDK folder stem: "iPhoneOS", "iPhoneSimulator", "MacOSX"
    std::string triple;   // "arm64-apple-ios15.0"
    std::string language = "objective-c";
    bool arc = true;
    bool modules = false;
    std::vector<std::string> extraArguments; // -include, -I, -D...
};

inline std::vector<std::string> compilerArguments(const ParseSettings &settings) {
    std::vector<std::string> arguments = {"-x",
                                          settings.language,
                                          "-target",
                                          settings.triple,
                                          "-isysroot",
                                          sdkPath(settings.platform),
                                          "-resource-dir",
                                          kResourceDir,
                                          "-fblocks",
                                          "-Wall",
                                          "-Wsystem-headers"};
    if (settings.language.find("objective-c") != std::string::npos) {
        arguments.push_back(settings.arc ? "-fobjc-arc" : "-fno-objc-arc");
    }
    if (settings.language.find("c++") != std::string::npos) {
        // The SDKs' libc++ is the system's, of an older LLVM: it names a few internals as the compiler's newer
        // keywords, which the compiler reports in system headers only.
        arguments.push_back("-Wno-keyword-compat");
    }
    if (settings.modules) {
        arguments.push_back("-fmodules");
        arguments.push_back("-fmodules-cache-path=" + moduleCachePath());
    }
    arguments.insert(arguments.end(), settings.extraArguments.begin(), settings.extraArguments.end());
    return arguments;
}

struct ParseDiagnostic {
    CXDiagnosticSeverity severity;
    std::string file;
    std::string text;
};

// One translation unit: a file on disk, or the given contents under that file's name.
class ParsedUnit {
public:
    ParsedUnit(const std::string &path, const ParseSettings &settings, const std::string *contents = nullptr)
        : index_(clang_createIndex(0, 0)) {
        std::vector<std::string> arguments = compilerArguments(settings);
        std::vector<const char *> pointers;
        for (const std::string &argument : arguments) {
            pointers.push_back(argument.c_str());
        }
        CXUnsavedFile unsaved{path.c_str(), contents ? contents->c_str() : nullptr,
                              contents ? static_cast<unsigned long>(contents->size()) : 0};
        clang_parseTranslationUnit2(index_, path.c_str(), pointers.data(), static_cast<int>(pointers.size()),
                                    contents ? &unsaved : nullptr, contents ? 1 : 0, CXTranslationUnit_None, &unit_);
        if (unit_) {
            collectDiagnostics();
        }
    }
    ~ParsedUnit() {
        if (unit_) {
            clang_disposeTranslationUnit(unit_);
        }
        clang_disposeIndex(index_);
    }
    ParsedUnit(const ParsedUnit &) = delete;
    ParsedUnit &operator=(const ParsedUnit &) = delete;

    CXTranslationUnit unit() const { return unit_; }
    const std::vector<ParseDiagnostic> &diagnostics() const { return diagnostics_; }

    // Errors, and warnings that the test counts: all of them, or only those located in a folder.
    std::vector<std::string> problems(const std::string &warningFolder = "") const {
        std::vector<std::string> result;
        if (!unit_) {
            return {"the file could not be parsed at all"};
        }
        for (const ParseDiagnostic &diagnostic : diagnostics_) {
            const bool error = diagnostic.severity >= CXDiagnostic_Error;
            const bool counted = diagnostic.severity == CXDiagnostic_Warning &&
                                 (warningFolder.empty() || startsWith(diagnostic.file, warningFolder));
            if (error || counted) {
                result.push_back(diagnostic.text);
            }
        }
        return result;
    }

    // Every cursor for which the test holds, in pre-order, below the declarations of the main file (those of the
    // included headers are skipped).
    std::vector<CXCursor> cursors(const std::function<bool(CXCursor)> &test) const {
        struct Search {
            const std::function<bool(CXCursor)> &test;
            std::vector<CXCursor> found;
        } search{test, {}};
        clang_visitChildren(
            clang_getTranslationUnitCursor(unit_),
            [](CXCursor cursor, CXCursor parent, CXClientData data) {
                auto *state = static_cast<Search *>(data);
                if (parent.kind == CXCursor_TranslationUnit &&
                    !clang_Location_isFromMainFile(clang_getCursorLocation(cursor))) {
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

private:
    void collectDiagnostics() {
        for (unsigned index = 0; index < clang_getNumDiagnostics(unit_); ++index) {
            CXDiagnostic diagnostic = clang_getDiagnostic(unit_, index);
            CXFile file = nullptr;
            clang_getFileLocation(clang_getDiagnosticLocation(diagnostic), &file, nullptr, nullptr, nullptr);
            diagnostics_.push_back({clang_getDiagnosticSeverity(diagnostic),
                                    file ? textOf(clang_getFileName(file)) : std::string(),
                                    textOf(clang_formatDiagnostic(diagnostic, CXDiagnostic_DisplaySourceLocation |
                                                                                  CXDiagnostic_DisplayOption))});
            clang_disposeDiagnostic(diagnostic);
        }
    }

    CXIndex index_;
    CXTranslationUnit unit_ = nullptr;
    std::vector<ParseDiagnostic> diagnostics_;
};

// A snippet is parsed under a file name in a temporary folder (it never touches the disk).
inline std::string snippetPath(const std::string &language) {
    static TemporaryFolder folder;
    const char *extension = language == "c" ? "c" : language == "objective-c++" ? "mm" : "m";
    return folder.path() + "/snippet." + extension;
}

// Expects a case's snippet (any case type with `settings` and `code`) to parse without errors or warnings, those of
// the SDK's own headers included.
template <typename Case> void expectCleanParse(const Case &snippetCase) {
    ParsedUnit unit(snippetPath(snippetCase.settings.language), snippetCase.settings, &snippetCase.code);
    const std::vector<std::string> problems = unit.problems();
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
}

inline std::string cursorFile(CXCursor cursor) {
    CXFile file = nullptr;
    clang_getFileLocation(clang_getCursorLocation(cursor), &file, nullptr, nullptr, nullptr);
    return file ? textOf(clang_getFileName(file)) : std::string();
}

} // namespace XASDKStandIn
