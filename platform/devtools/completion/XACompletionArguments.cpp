#include "platform/devtools/completion/XACompletionArguments.h"

#include "project/XAParsingArguments.h"

#include <clang-c/Index.h>

#include <link.h>

#include <filesystem>
#include <map>
#include <mutex>

namespace {

// The builtin headers of the libclang this program is linked to (<lib>/clang/<version> beside the library), which
// a parse through libclang does not find on its own.
const std::string &resourceDirectory() {
    static const std::string directory = [] {
        std::string library;
        dl_iterate_phdr(
            [](dl_phdr_info *info, std::size_t, void *data) {
                const std::string name = info->dlpi_name ? info->dlpi_name : "";
                if (name.find("/libclang") != std::string::npos) {
                    *static_cast<std::string *>(data) = name;
                    return 1;
                }
                return 0;
            },
            &library);
        // The library as it was loaded (LLVM's own lib folder) and where its links lead.
        std::error_code error;
        for (const std::filesystem::path &path :
             {std::filesystem::path(library), std::filesystem::canonical(library, error)}) {
            for (const auto &entry : std::filesystem::directory_iterator(path.parent_path() / "clang", error)) {
                if (std::filesystem::exists(entry.path() / "include" / "stddef.h")) {
                    return entry.path().string();
                }
            }
        }
        return std::string();
    }();
    return directory;
}

bool parsesEmptyFileWithoutError(const std::vector<std::string> &arguments) {
    static constexpr const char *kTrialFileName = "/tessary-completion-argument-trial.m";
    std::vector<const char *> pointers;
    for (const std::string &argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    CXUnsavedFile emptyFile{kTrialFileName, "", 0};
    CXIndex index = clang_createIndex(0, 0);
    CXTranslationUnit unit = nullptr;
    const CXErrorCode code = clang_parseTranslationUnit2(index, kTrialFileName, pointers.data(),
                                                         static_cast<int>(pointers.size()), &emptyFile, 1, 0, &unit);
    bool accepted = code == CXError_Success && unit;
    for (unsigned position = 0, count = unit ? clang_getNumDiagnostics(unit) : 0; accepted && position < count;
         ++position) {
        CXDiagnostic diagnostic = clang_getDiagnostic(unit, position);
        accepted = clang_getDiagnosticSeverity(diagnostic) < CXDiagnostic_Error;
        clang_disposeDiagnostic(diagnostic);
    }
    if (unit) {
        clang_disposeTranslationUnit(unit);
    }
    clang_disposeIndex(index);
    return accepted;
}

} // namespace

bool XALinkedClangAcceptsArguments(const std::vector<std::string> &arguments) {
    static std::mutex mutex;
    static std::map<std::vector<std::string>, bool> answers;
    {
        std::lock_guard lock(mutex);
        if (auto known = answers.find(arguments); known != answers.end()) {
            return known->second;
        }
    }
    // Tried outside the lock: two threads may try the same arguments at once, and both find the same answer.
    const bool accepted = parsesEmptyFileWithoutError(arguments);
    std::lock_guard lock(mutex);
    answers.emplace(arguments, accepted);
    return accepted;
}

std::vector<std::string> XACompletionParseArguments(const XACompletionCompilation &compilation) {
    XAParsingArgumentsContext context;
    context.workingDirectory = compilation.workingDirectory;
    context.acceptsArguments = XALinkedClangAcceptsArguments;
    if (!resourceDirectory().empty()) {
        context.resourceDirectory = resourceDirectory();
    }
    return XAArgumentsAdaptedForLoadedClang(compilation.arguments, context);
}
