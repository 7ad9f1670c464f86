#include "codemodel/XACompilerArgumentTrial.h"

#include "codemodel/XAClangVersion.h"
#include "codemodel/XALibclang.h"

#include <map>
#include <mutex>

namespace {

// The file the trial parses: empty, held in memory, never on disk. The language comes from the arguments' -x.
constexpr const char *kTrialFileName = "/tessary-argument-trial.m";

bool parsesWithoutError(const std::vector<std::string> &arguments) {
    const XALibclangFunctions &clang = XALibclang::fn();
    std::vector<const char *> pointers;
    pointers.reserve(arguments.size());
    for (const std::string &argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    CXUnsavedFile emptyFile{kTrialFileName, "", 0};
    XAClangIndexOwner index(clang.clang_createIndex(0, 0));
    CXTranslationUnit unit = nullptr;
    const CXErrorCode code = clang.clang_parseTranslationUnit2(
        index.get(), kTrialFileName, pointers.data(), static_cast<int>(pointers.size()), &emptyFile, 1, 0, &unit);
    XATranslationUnitOwner owner(unit);
    if (code != CXError_Success || unit == nullptr) {
        return false;
    }
    const unsigned count = clang.clang_getNumDiagnostics(unit);
    for (unsigned position = 0; position < count; ++position) {
        XADiagnosticOwner diagnostic(clang.clang_getDiagnostic(unit, position));
        if (clang.clang_getDiagnosticSeverity(diagnostic.get()) >= CXDiagnostic_Error) {
            return false;
        }
    }
    return true;
}

} // namespace

bool XALoadedClangAcceptsArguments(const std::vector<std::string> &arguments) {
    static std::mutex mutex;
    static std::map<std::string, bool> answers;
    // One library is loaded per process and never replaced; its version text keeps answers of different libraries
    // apart all the same.
    static const std::string version = XAClangVersionString().value_or("");
    std::string key = version;
    for (const std::string &argument : arguments) {
        key += '\0' + argument;
    }
    {
        std::lock_guard lock(mutex);
        if (auto known = answers.find(key); known != answers.end()) {
            return known->second;
        }
    }
    // Tried outside the lock: two threads may try the same arguments at once, and both find the same answer.
    const bool accepted = parsesWithoutError(arguments);
    std::lock_guard lock(mutex);
    answers.emplace(std::move(key), accepted);
    return accepted;
}
