#pragma once

// How one file is compiled in the project's build, and how libclang must be told to parse it.
//
// A compilation info is made from one compile step of the xcodebuild log (XABuildStep): the step's header gives the
// source file (argument 1) and the architecture (argument 3); its command lines give the compiler's working directory
// (the "cd" line), the environment the build exported ("export" and "setenv" lines) and the compiler invocation (the
// last line whose first column is a compiler). From the compiler's arguments it derives the arguments for parsing:
// those libclang cannot or must not see are removed, the adaptations for the loaded libclang are made
// (XAParsingArguments.h: target triple, SDK, builtin headers, working directory, options that libclang refuses,
// header maps no build wrote), a few warning options are added and the user's extra compiler arguments come last.
//
// XAProjectFileCompilationInfo describes a source file of the project and removes more ("-c" with the source path,
// "-o" with the object path, ...: the parse names its source separately); XAPCHCompilationInfo describes the
// processing of a prefix header and knows the header's output path.
//
// An info never changes after it is made, so it is read from any thread. Making one asks the loaded libclang
// (XALibclang) unless a parsing environment is given, and aborts like XALibclang::fn() without a loaded library.

#include "codemodel/XABuildStep.h"
#include "codemodel/XACompilerArgumentTrial.h"
#include "codemodel/XAHeaderMapStandIns.h"
#include "core/XAProgressMessage.h"
#include "project/XABuildSettingsOutput.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class XAProject;
class XAProjectFile;

// The resolved build settings a compilation info keeps. The infos of one build share one set instead of each holding
// a copy (a target of thousands of files would otherwise copy its hundreds of settings thousands of times).
class XASharedBuildSettings {
public:
    XASharedBuildSettings() : settings_(empty()) {}
    XASharedBuildSettings(XABuildSettings settings)
        : settings_(std::make_shared<const XABuildSettings>(std::move(settings))) {}
    XASharedBuildSettings(std::initializer_list<XABuildSettings::value_type> settings)
        : XASharedBuildSettings(XABuildSettings(settings)) {}
    // A null pointer stands for no settings.
    XASharedBuildSettings(std::shared_ptr<const XABuildSettings> settings)
        : settings_(settings ? std::move(settings) : empty()) {}

    const XABuildSettings &settings() const { return *settings_; }

    // The header maps written in place of those the log names but no build wrote, one set for the build; null when
    // not given.
    const std::shared_ptr<XAHeaderMapStandIns> &headerMapStandIns() const { return headerMapStandIns_; }
    XASharedBuildSettings withHeaderMapStandIns(std::shared_ptr<XAHeaderMapStandIns> standIns) const {
        XASharedBuildSettings copy = *this;
        copy.headerMapStandIns_ = std::move(standIns);
        return copy;
    }

private:
    static const std::shared_ptr<const XABuildSettings> &empty() {
        static const std::shared_ptr<const XABuildSettings> none = std::make_shared<const XABuildSettings>();
        return none;
    }

    std::shared_ptr<const XABuildSettings> settings_;
    std::shared_ptr<XAHeaderMapStandIns> headerMapStandIns_;
};

// What argument preparation needs to know about the loaded libclang and the developer directory.
struct XAParsingEnvironment {
    // A vendor-grade libclang understands every architecture and Apple's options (clangVersionIsLLVMOrApple).
    bool vendorBuild = true;
    // The loaded LLVM's builtin headers, for -resource-dir.
    std::optional<std::string> resourceDirectory;
    // The developer directory that holds the SDK stand-ins.
    std::optional<std::string> developerDirectory;
    // The source type of a file extension (XASourceTypeForFileExtension); 0 when not given.
    std::function<int(const std::optional<std::string> &extension)> sourceTypeForFileExtension;
    // Whether the loaded libclang accepts compiler options (XALoadedClangAcceptsArguments); every option is kept
    // without it.
    XACompilerArgumentsAcceptance acceptsArguments;

    // From the loaded libclang and the shared developer environment.
    static XAParsingEnvironment current();
};

class XACompilationInfo {
public:
    // `buildPCHPaths` are the processed precompiled headers of the build; `extraCompilerArgs` the configuration's
    // extra compiler arguments. `environment` stands in for the loaded libclang and developer directory (tests).
    XACompilationInfo(const XABuildStep &step, const XAProject &project, XASharedBuildSettings buildSettings,
                      const std::optional<std::vector<std::string>> &buildPCHPaths,
                      const std::optional<std::vector<std::string>> &extraCompilerArgs,
                      const XAProgressHandler &progress,
                      std::optional<XAParsingEnvironment> environment = std::nullopt);
    virtual ~XACompilationInfo() = default;
    XACompilationInfo(const XACompilationInfo &) = delete;
    XACompilationInfo &operator=(const XACompilationInfo &) = delete;

    // Absolute, standardised path of the compiled file.
    const std::string &filePath() const { return filePath_; }
    // The project's file reference for that path; null for a file outside the project.
    const std::shared_ptr<XAProjectFile> &file() const { return file_; }
    // First column of the compiler line; no value without one.
    const std::optional<std::string> &compilerPath() const { return compilerPath_; }
    const std::string &workingDirectory() const { return workingDirectory_; }
    const std::map<std::string, std::string> &environmentVariables() const { return environmentVariables_; }
    const XABuildSettings &buildSettings() const { return buildSettings_.settings(); }
    // The compiler line's columns after the first; no value without a compiler line.
    const std::optional<std::vector<std::string>> &originalCompilerArgs() const { return originalCompilerArgs_; }
    // What libclang is given.
    const std::vector<std::string> &parsingCompilerArgs() const { return parsingCompilerArgs_; }
    // The compiler's options left out of the parsing arguments because the loaded libclang does not accept them,
    // each with the arguments that went with it ("-Xclang -analyzer-checker=foo").
    const std::vector<std::string> &rejectedCompilerArgs() const { return rejectedCompilerArgs_; }
    // The processed precompiled header this compilation includes.
    const std::optional<std::string> &pchPath() const { return pchPath_; }
    const std::optional<std::string> &architecture() const { return architecture_; }

    // The step's argument 1, joined to the project folder when relative, standardised ("" without one).
    static std::string absoluteFilePathForCompilationBuildStep(const XABuildStep &step, const XAProject &project);
    // The step's argument 3.
    static std::optional<std::string> architectureForCompilationBuildStep(const XABuildStep &step);
    // Last component "clang", "gcc", "cc", "g++" or "c++", or containing "llvm-gcc", "llvm-g++" or "llvm-cpp".
    // ("clang++" is not among them: Xcode compiles C++ with "clang -x c++".)
    static bool isCompilerExecutable(std::string_view path);
    // Empty for a vendor-grade libclang, else "arm64".
    static std::vector<std::string> ignoredArchitectures(bool vendorBuild);
    static std::vector<std::string> ignoredArchitectures(); // of the loaded libclang
    // "C", "C++", "Objective-C++", "Objective-C" for the values of "-x" they begin with; others unchanged.
    static std::optional<std::string>
    humanReadableLanguageFromClangLanguageArg(const std::optional<std::string> &value);
    // The arguments without those in `singleArguments` and without those in `valueArguments` together with the
    // argument after each. Whole arguments are compared.
    static std::vector<std::string> compilerArgumentsFromArguments(const std::vector<std::string> &arguments,
                                                                   const std::set<std::string> &singleArguments,
                                                                   const std::set<std::string> &valueArguments);

    std::set<std::string> singleCompilerArgsToRemove() const;
    std::set<std::string> valueCompilerArgsToRemove() const;
    // The parsing arguments: the compiler's arguments (response files expanded) less the removal sets, adapted for
    // the loaded libclang, then "-isystem" with libc++'s headers for C++ with libc++, "-Wno-format-extra-args" (not
    // for a vendor-grade libclang), "-Wno-unknown-warning-option", "-Wno-error",
    // "-fretain-comments-from-system-headers", "-fno-spell-checking", "-ferror-limit=19" (these two win over what the
    // build line says) and the extra arguments.
    std::vector<std::string>
    compilerArgumentsForParsingWithExtraArgs(const std::optional<std::vector<std::string>> &extraArgs) const;

    bool isCompilationForIgnoredArchitecture() const;
    // The argument after the first "-x".
    std::optional<std::string> languageCompilerArgument() const;
    // "-fobjc-arc" given, and not overridden by a later "-fno-objc-arc".
    bool isUsingARC() const;
    bool usesLibCpp() const;
    bool isCompilingInCPPMode() const;
    // A ".pch" file, or a header (h, hh, hpp) named like pchPath() apart from its extensions.
    bool pathIsPCHFilePath(std::string_view path) const;
    std::string debugDescription() const;

protected:
    enum class Role { Compilation, ProjectFile, PrecompiledHeader };

    XACompilationInfo(Role role, const XABuildStep &step, const XAProject &project, XASharedBuildSettings buildSettings,
                      const std::optional<std::vector<std::string>> &buildPCHPaths,
                      const std::optional<std::vector<std::string>> &extraCompilerArgs,
                      const XAProgressHandler &progress, std::optional<XAParsingEnvironment> environment);

    // The value after the first occurrence of an option among the original arguments.
    std::optional<std::string> originalArgumentAfter(std::string_view option) const;
    virtual const char *className() const { return "XACompilationInfo"; }

private:
    XAParsingEnvironment parsingEnvironment() const;
    std::vector<std::string> libCppIncludeArguments() const;
    std::vector<std::string> parsingArguments(const std::optional<std::vector<std::string>> &extraArgs,
                                              std::vector<std::string> *rejected) const;

    Role role_;
    std::optional<XAParsingEnvironment> environment_;
    std::string filePath_;
    std::shared_ptr<XAProjectFile> file_;
    std::optional<std::string> compilerPath_;
    std::string workingDirectory_;
    std::map<std::string, std::string> environmentVariables_;
    XASharedBuildSettings buildSettings_;
    std::optional<std::vector<std::string>> originalCompilerArgs_;
    std::vector<std::string> parsingCompilerArgs_;
    std::vector<std::string> rejectedCompilerArgs_;
    std::optional<std::string> pchPath_;
    std::optional<std::string> architecture_;
};

class XAProjectFileCompilationInfo : public XACompilationInfo {
public:
    XAProjectFileCompilationInfo(const XABuildStep &step, const XAProject &project, XASharedBuildSettings buildSettings,
                                 const std::optional<std::vector<std::string>> &buildPCHPaths,
                                 const std::optional<std::vector<std::string>> &extraCompilerArgs,
                                 const XAProgressHandler &progress,
                                 std::optional<XAParsingEnvironment> environment = std::nullopt);

protected:
    const char *className() const override { return "XAProjectFileCompilationInfo"; }
};

class XAPCHCompilationInfo : public XACompilationInfo {
public:
    // No info when the compiler line has no value for "-o" (reported as an error when a handler is given).
    static std::unique_ptr<XAPCHCompilationInfo>
    compilationInfoWithBuildStep(const XABuildStep &step, const XAProject &project, XASharedBuildSettings buildSettings,
                                 const std::optional<std::vector<std::string>> &extraCompilerArgs,
                                 const XAProgressHandler &progress,
                                 std::optional<XAParsingEnvironment> environment = std::nullopt);

    // Where the processed header is written: the value of the compiler's "-o".
    const std::string &outputPath() const { return outputPath_; }
    // "ARC" or "Non-ARC", the language and the architecture, the empty ones left out, joined by ", ".
    std::string pchTypeDescription() const;

protected:
    const char *className() const override { return "XAPCHCompilationInfo"; }

private:
    XAPCHCompilationInfo(const XABuildStep &step, const XAProject &project, XASharedBuildSettings buildSettings,
                         const std::optional<std::vector<std::string>> &extraCompilerArgs,
                         const XAProgressHandler &progress, std::optional<XAParsingEnvironment> environment);

    std::string outputPath_;
};
