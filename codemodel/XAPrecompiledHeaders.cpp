#include "codemodel/XAPrecompiledHeaders.h"

#include "codemodel/XAClangVersion.h"
#include "codemodel/XACompilationInfo.h"
#include "codemodel/XALibclang.h"
#include "codemodel/XATranslationUnit.h"
#include "core/XAHashing.h"
#include "core/XAJSON.h"
#include "core/XALog.h"
#include "core/XAParallelFor.h"
#include "core/XAPaths.h"
#include "core/XAString.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <system_error>

#include <sys/statvfs.h>
#include <unistd.h>

#include <tbb/task_arena.h>

namespace {

namespace fs = std::filesystem;

// Detailed preprocessing record, incomplete unit (a header), for serialisation.
constexpr unsigned kPrecompiledHeaderParseOptions =
    CXTranslationUnit_DetailedPreprocessingRecord | CXTranslationUnit_Incomplete | CXTranslationUnit_ForSerialization;

// libclang enters the temporary file of every save in LLVM's process-wide list of files to remove on a signal. The
// list hands its entries from thread to thread through atomics of the uninstrumented library, which ThreadSanitizer
// cannot see; saves, short beside the parses that run in parallel, take this lock so that their order is visible.
std::mutex &saveLock() {
    static std::mutex lock;
    return lock;
}

void send(const XAProgressHandler &progress, XAProgressMessageKind kind, const std::string &message) {
    if (progress) {
        progress(XAProgressMessage(kind, message));
    }
}

std::string argumentsDescription(const std::vector<std::string> &arguments) {
    std::string description = "(";
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        description += (index == 0 ? "" : ", ") + xa_quotedForArgumentUsage(arguments[index]);
    }
    return description + ")";
}

std::string argumentLine(const std::vector<std::string> &arguments) {
    std::string line;
    for (const std::string &argument : arguments) {
        line += (line.empty() ? "" : " ") + xa_quotedForArgumentUsage(argument);
    }
    return line;
}

std::optional<std::string> contentsDigest(const std::string &path) {
    XAError ignored;
    std::optional<std::string> contents = XAContentsOfFile(path, &ignored);
    if (!contents) {
        return std::nullopt;
    }
    return xa_SHA256Hash(*contents);
}

// Removes a file; true when it is gone (a missing file counts), else the reason.
bool removeFile(const std::string &path, std::string *reason) {
    std::error_code error;
    fs::remove(path, error);
    if (error && error != std::errc::no_such_file_or_directory) {
        *reason = error.message();
        return false;
    }
    return true;
}

// The files the unit included, each once, in the order libclang reports them. Names relative to the compiler's
// working directory (the header itself, files found through relative search paths) are made absolute.
std::vector<std::string> includedFiles(CXTranslationUnit translationUnit, const std::string &workingDirectory) {
    struct Collected {
        std::vector<std::string> paths;
        std::set<std::string> seen;
    } collected;
    XALibclang::fn().clang_getInclusions(
        translationUnit,
        [](CXFile file, CXSourceLocation *, unsigned, CXClientData data) {
            auto *target = static_cast<Collected *>(data);
            std::optional<std::string> name = XAStringFromCXString(XALibclang::fn().clang_getFileName(file));
            if (name && !name->empty() && target->seen.insert(*name).second) {
                target->paths.push_back(*name);
            }
        },
        &collected);
    std::vector<std::string> paths;
    for (const std::string &path : collected.paths) {
        paths.push_back(xa_isAbsolutePath(path)
                            ? path
                            : xa_stringByStandardizingPath(xa_stringByAppendingPathComponent(workingDirectory, path)));
    }
    return paths;
}

// The manifest of a freshly parsed header; no value when a file it included cannot be read (it could then never be
// verified, so the header is not offered for reuse).
std::optional<XAPrecompiledHeaderManifest>
manifestOfParsedHeader(const std::string &key, CXTranslationUnit translationUnit, const std::string &workingDirectory) {
    XAPrecompiledHeaderManifest manifest{key, {}};
    for (const std::string &path : includedFiles(translationUnit, workingDirectory)) {
        std::optional<std::string> digest = contentsDigest(path);
        if (!digest) {
            return std::nullopt;
        }
        manifest.dependencies.emplace_back(path, *digest);
    }
    return manifest;
}

// Whether libclang reads the saved unit without an error: this is how a parse that includes it will read it.
bool libclangLoadsSavedHeader(const std::string &outputPath) {
    const XALibclangFunctions &clang = XALibclang::fn();
    XAClangIndexOwner index(clang.clang_createIndex(0, 0));
    CXTranslationUnit translationUnit = nullptr;
    const CXErrorCode code = clang.clang_createTranslationUnit2(index.get(), outputPath.c_str(), &translationUnit);
    XATranslationUnitOwner owner(translationUnit);
    return code == CXError_Success && translationUnit != nullptr && XANumberOfErrorDiagnostics(translationUnit) == 0;
}

bool savedHeaderIsReusable(const std::string &outputPath, const std::string &key) {
    XAError ignored;
    std::optional<std::string> text = XAContentsOfFile(XAPrecompiledHeaderManifestPath(outputPath), &ignored);
    if (!text) {
        return false;
    }
    std::optional<XAPrecompiledHeaderManifest> manifest = XAPrecompiledHeaderManifestFromText(*text);
    if (!manifest || manifest->key != key || manifest->dependencies.empty()) {
        return false;
    }
    std::error_code error;
    if (!fs::is_regular_file(outputPath, error)) {
        return false;
    }
    for (const auto &[path, digest] : manifest->dependencies) {
        if (contentsDigest(path) != digest) {
            return false;
        }
    }
    return libclangLoadsSavedHeader(outputPath);
}

// libclang ends the process when writing a header or a module fails, so the folders it writes into are checked before
// it parses: each must be writable and have room for what a header and the modules it builds take, which is at most
// tens of megabytes for the SDKs' frameworks.
constexpr std::uint64_t kBytesNeededToPrepareAHeader = 64ull << 20;

// The folders a parse with these arguments writes into: the header's and the modules cache, when modules are on.
std::vector<std::string> foldersWrittenByParse(const std::string &outputPath,
                                               const std::vector<std::string> &arguments) {
    std::vector<std::string> folders = {xa_stringByDeletingLastPathComponent(outputPath)};
    constexpr std::string_view kModulesCacheOption = "-fmodules-cache-path=";
    for (const std::string &argument : arguments) {
        if (argument.starts_with(kModulesCacheOption)) {
            folders.push_back(argument.substr(kModulesCacheOption.size()));
        }
    }
    return folders;
}

// Why libclang could not write into the folder (made when missing), or no value when it can.
std::optional<std::string> folderWriteProblem(const std::string &folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (::access(folder.c_str(), W_OK) != 0) {
        return "the folder " + folder + " is not writable (" + std::strerror(errno) + ")";
    }
    struct statvfs status {};
    if (::statvfs(folder.c_str(), &status) != 0) {
        return "the free space in " + folder + " cannot be determined (" + std::strerror(errno) + ")";
    }
    const std::uint64_t available = static_cast<std::uint64_t>(status.f_bavail) * status.f_frsize;
    if (available < kBytesNeededToPrepareAHeader) {
        return "the disk holding " + folder + " is nearly full (" + std::to_string(available >> 20) + " MiB free, " +
               std::to_string(kBytesNeededToPrepareAHeader >> 20) + " MiB needed)";
    }
    return std::nullopt;
}

class HeaderProcessor {
public:
    HeaderProcessor(const std::vector<std::shared_ptr<const XAPCHCompilationInfo>> &infos,
                    const XAPrecompiledHeaderProcessingOptions &options, const XAProgressHandler &progress)
        : infos_(infos), options_(options), progress_(progress),
          libclangIdentity_(XAPrecompiledHeaderLibclangIdentity()) {
        for (const auto &info : infos_) {
            if (info) {
                outputPathLocks_.try_emplace(info->outputPath());
            }
        }
    }

    bool run() {
        const std::size_t count = infos_.size();
        std::vector<std::size_t> toProcess;
        for (std::size_t index = 0; index < count; ++index) {
            const auto &info = infos_[index];
            if (!info) {
                continue;
            }
            if (info->isCompilationForIgnoredArchitecture()) {
                send(progress_, XAProgressMessageKindPreparationStep,
                     "Skipping precompiled header #" + position(index) + " (" + info->pchTypeDescription() + ")");
                continue;
            }
            toProcess.push_back(index);
        }
        tbb::task_arena arena(static_cast<int>(std::clamp<std::size_t>(options_.width, 1, 1024)));
        arena.execute([&] {
            XAParallelFor(toProcess.size(),
                          [&](std::size_t item) { process(toProcess[item], *infos_[toProcess[item]]); });
        });
        return succeeded_.load();
    }

private:
    std::string number(std::size_t index) const { return std::to_string(index + 1); }
    std::string position(std::size_t index) const { return number(index) + "/" + std::to_string(infos_.size()); }

    void fail(const std::string &message) {
        succeeded_.store(false);
        send(progress_, XAProgressMessageKindError, message);
    }

    void process(std::size_t index, const XAPCHCompilationInfo &info) {
        const std::string description = info.pchTypeDescription();
        send(progress_, XAProgressMessageKindPreparationStep,
             "Processing precompiled header #" + position(index) + " (" + description + ")");
        const std::string &outputPath = info.outputPath();
        if (outputPath.empty()) {
            fail("Error: Could not determine output path for precompiled header #" + number(index) + ": " +
                 info.filePath());
            return;
        }
        std::lock_guard lock(outputPathLocks_.at(outputPath));
        const std::string key = headerKey(info);
        if (savedHeaderIsReusable(outputPath, key)) {
            send(progress_, XAProgressMessageKindDebug,
                 "Reusing the saved precompiled header #" + number(index) + ": " + outputPath);
            send(progress_, XAProgressMessageKindPreparationStep,
                 "Done processing precompiled header #" + position(index) + " (" + description + ")");
            return;
        }
        removeSavedHeader(index, outputPath);
        if (parseAndSave(index, info, key)) {
            send(progress_, XAProgressMessageKindPreparationStep,
                 "Done processing precompiled header #" + position(index) + " (" + description + ")");
        }
    }

    std::string headerKey(const XAPCHCompilationInfo &info) const {
        XAError ignored;
        // A header that cannot be read gets a key no saved header has; its parse then reports the problem.
        const std::string contents = XAContentsOfFile(info.filePath(), &ignored).value_or("\x01unreadable");
        return XAPrecompiledHeaderKey(libclangIdentity_, info.parsingCompilerArgs(), info.filePath(), contents);
    }

    void removeSavedHeader(std::size_t index, const std::string &outputPath) {
        std::string reason;
        removeFile(XAPrecompiledHeaderManifestPath(outputPath), &reason);
        if (!removeFile(outputPath, &reason)) {
            send(progress_, XAProgressMessageKindError,
                 "Error removing existing PCH #" + number(index) + " output path " + outputPath + ": " + reason);
        }
        // A dry run creates no folders; the unit is saved into the output path's folder.
        std::error_code ignored;
        fs::create_directories(xa_stringByDeletingLastPathComponent(outputPath), ignored);
    }

    bool parseAndSave(std::size_t index, const XAPCHCompilationInfo &info, const std::string &key) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const std::vector<std::string> &arguments = info.parsingCompilerArgs();
        for (const std::string &folder : foldersWrittenByParse(info.outputPath(), arguments)) {
            if (std::optional<std::string> problem = folderWriteProblem(folder)) {
                fail("Error: Cannot prepare precompiled header #" + number(index) + ": " + *problem + ".");
                return false;
            }
        }
        XAClangIndexOwner clangIndex(clang.clang_createIndex(0, 0));
        XAError error;
        XATranslationUnitOwner translationUnit(
            XAParseTranslationUnit(clangIndex.get(), std::nullopt, arguments, kPrecompiledHeaderParseOptions, &error));
        if (!translationUnit) {
            fail("Error parsing precompiled header #" + number(index) + ": " + error.message + "." +
                 parseFailureDetail(arguments));
            return false;
        }
        if (!reportDiagnostics(index, translationUnit.get())) {
            XALog(XALogLevelDebug, "Arguments of the failed precompiled header: " + argumentLine(arguments));
            fail("There were errors when parsing the precompiled header #" + number(index) + ".");
            return false;
        }
        const std::optional<XAPrecompiledHeaderManifest> manifest =
            manifestOfParsedHeader(key, translationUnit.get(), info.workingDirectory());
        const std::string &outputPath = info.outputPath();
        const int result = [&] {
            std::lock_guard lock(saveLock());
            return clang.clang_saveTranslationUnit(translationUnit.get(), outputPath.c_str(), 0);
        }();
        if (result != 0) {
            fail("Error " + std::to_string(result) + " when saving precompiled header #" + number(index) + ": " +
                 outputPath);
            return false;
        }
        if (manifest) {
            XAError writeError;
            if (!XAWriteFileAtomically(XAPrecompiledHeaderManifestPath(outputPath),
                                       XAPrecompiledHeaderManifestText(*manifest), &writeError)) {
                // Without a manifest the header is simply parsed again next time.
                XALog(XALogLevelDebug,
                      "Could not record what the precompiled header was made from: " + writeError.message);
            }
        }
        return true;
    }

    // Sends every diagnostic of the unit; false when one of them is an error.
    bool reportDiagnostics(std::size_t index, CXTranslationUnit translationUnit) {
        const XALibclangFunctions &clang = XALibclang::fn();
        bool failed = false;
        const unsigned count = clang.clang_getNumDiagnostics(translationUnit);
        for (unsigned diagnosticIndex = 0; diagnosticIndex < count; ++diagnosticIndex) {
            XADiagnosticOwner diagnostic(clang.clang_getDiagnostic(translationUnit, diagnosticIndex));
            const CXDiagnosticSeverity severity = clang.clang_getDiagnosticSeverity(diagnostic.get());
            const bool isError = severity > CXDiagnostic_Warning;
            failed = failed || isError;
            if (std::optional<std::string> text = XAFormattedDiagnosticWithChildren(diagnostic.get())) {
                send(progress_, isError ? XAProgressMessageKindError : XAProgressMessageKindWarning,
                     "Error when parsing precompiled header #" + number(index) + ": " + *text);
            }
        }
        return !failed;
    }

    std::string parseFailureDetail(const std::vector<std::string> &arguments) const {
        const std::string &root = options_.projectDiskRootPath;
        auto prefixHeader = std::find_if(arguments.begin(), arguments.end(), [&root](const std::string &argument) {
            return argument.ends_with(".pch") && !root.empty() && argument.starts_with(root);
        });
        std::error_code error;
        if (prefixHeader != arguments.end() && !fs::exists(*prefixHeader, error)) {
            return " Cannot find prefix header at: " + *prefixHeader;
        }
        return " Used arguments: " + argumentsDescription(arguments);
    }

    const std::vector<std::shared_ptr<const XAPCHCompilationInfo>> &infos_;
    const XAPrecompiledHeaderProcessingOptions &options_;
    const XAProgressHandler &progress_;
    const std::string libclangIdentity_;
    std::map<std::string, std::mutex> outputPathLocks_;
    std::atomic<bool> succeeded_{true};
};

} // namespace

std::string XAPrecompiledHeaderManifestPath(std::string_view outputPath) {
    return std::string(outputPath) + ".tessary-key.json";
}

std::string XAPrecompiledHeaderManifestText(const XAPrecompiledHeaderManifest &manifest) {
    XAValue::Array dependencies;
    for (const auto &[path, digest] : manifest.dependencies) {
        XADictionary entry;
        entry.set("path", XAValue(path));
        entry.set("sha256", XAValue(digest));
        dependencies.emplace_back(std::move(entry));
    }
    XADictionary root;
    root.set("key", XAValue(manifest.key));
    root.set("dependencies", XAValue(std::move(dependencies)));
    return XAJSONString(XAValue(std::move(root)), true);
}

std::optional<XAPrecompiledHeaderManifest> XAPrecompiledHeaderManifestFromText(std::string_view text) {
    XAError ignored;
    std::optional<XAValue> value = XAValueFromJSON(text, false, "manifest", &ignored);
    const std::string *key = value ? value->stringForKey("key") : nullptr;
    const XAValue *dependencies = value ? value->get("dependencies") : nullptr;
    if (key == nullptr || dependencies == nullptr || dependencies->array() == nullptr) {
        return std::nullopt;
    }
    XAPrecompiledHeaderManifest manifest{*key, {}};
    for (const XAValue &entry : *dependencies->array()) {
        const std::string *path = entry.stringForKey("path");
        const std::string *digest = entry.stringForKey("sha256");
        if (path == nullptr || digest == nullptr) {
            return std::nullopt;
        }
        manifest.dependencies.emplace_back(*path, *digest);
    }
    return manifest;
}

std::string XAPrecompiledHeaderKey(std::string_view libclangVersion, const std::vector<std::string> &arguments,
                                   std::string_view headerPath, std::string_view headerContents) {
    std::string input;
    auto append = [&input](std::string_view part) {
        input += std::to_string(part.size());
        input += ':';
        input += part;
    };
    append(libclangVersion);
    input += std::to_string(arguments.size()) + "#";
    for (const std::string &argument : arguments) {
        append(argument);
    }
    append(headerPath);
    append(headerContents);
    return xa_SHA256Hash(input);
}

std::string XAPrecompiledHeaderLibclangIdentity() {
    return XAClangVersionString().value_or("(null)") + "\n" + XAClangFullVersion().value_or("(null)") + "\n" +
           XALibclang::loadedLibraryPath().value_or("(null)");
}

bool XAProcessPrecompiledHeaders(const std::vector<std::shared_ptr<const XAPCHCompilationInfo>> &infos,
                                 const XAPrecompiledHeaderProcessingOptions &options,
                                 const XAProgressHandler &progress) {
    if (infos.empty()) {
        return true;
    }
    return HeaderProcessor(infos, options, progress).run();
}
