#include "codemodel/XACompilationInfo.h"

#include "codemodel/XAClangVersion.h"
#include "codemodel/XALibclang.h"
#include "codemodel/XALibclangLoader.h"
#include "project/XAParsingArguments.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "project/XADevEnvironment.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

namespace {

constexpr std::array<std::string_view, 5> kCompilerNames = {"clang", "gcc", "cc", "g++", "c++"};
constexpr std::array<std::string_view, 3> kCompilerNameParts = {"llvm-gcc", "llvm-g++", "llvm-cpp"};
constexpr std::array<std::string_view, 6> kCPPLanguages = {
    "c++", "c++-header", "c++-cpp-output", "objective-c++", "objective-c++-header", "objective-c++-cpp-output"};
constexpr std::array<std::string_view, 3> kHeaderFileExtensions = {"h", "hh", "hpp"};

template <std::size_t N> bool isOneOf(std::string_view text, const std::array<std::string_view, N> &texts) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The name and value that a command line of the log assigns, if it is an assignment.
std::optional<std::pair<std::string, std::string>> variableAssignment(const std::string &line) {
    const std::string trimmed = xa_trimmed(line);
    if (trimmed.starts_with("setenv ")) {
        const std::vector<std::string> columns = xa_argumentLineColumns(line);
        if (columns.size() >= 3 && columns[0] == "setenv") {
            return std::make_pair(columns[1], columns[2]);
        }
        return std::nullopt;
    }
    if (!trimmed.starts_with("export ")) {
        return std::nullopt;
    }
    const std::string assignment = trimmed.substr(7);
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) {
        return std::nullopt;
    }
    std::string value = assignment.substr(equals + 1);
    if (value == "\"") {
        return std::nullopt; // an unterminated quote: the line is cut off, its value unknown
    }
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::make_pair(assignment.substr(0, equals), value);
}

std::set<std::string> singleArgumentsToRemove(bool vendorBuild, bool projectFile) {
    std::set<std::string> arguments;
    if (!vendorBuild) {
        arguments.insert("-fapplication-extension");
    }
    if (projectFile) {
        arguments.insert({"-emit-ast", "-fsyntax-only"});
    }
    return arguments;
}

std::set<std::string> valueArgumentsToRemove(bool vendorBuild, bool projectFile) {
    std::set<std::string> arguments = {"-xanalyzer", "-Xanalyzer", "-xlinker", "-Xlinker"};
    if (!vendorBuild) {
        arguments.insert({"-fmodule-implementation-of", "-ivfsoverlay"});
    }
    if (projectFile) {
        arguments.insert({"-c", "-o", "--serialize-diagnostics"});
    }
    return arguments;
}

std::optional<std::size_t> lastIndexOf(const std::vector<std::string> &arguments, std::string_view argument) {
    auto found = std::find(arguments.rbegin(), arguments.rend(), argument);
    if (found == arguments.rend()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(arguments.rend() - found - 1);
}

} // namespace

XAParsingEnvironment XAParsingEnvironment::current() {
    XAParsingEnvironment environment;
    environment.vendorBuild = clangVersionIsLLVMOrApple();
    environment.resourceDirectory = XALibclang::resourceDirectory();
    environment.developerDirectory = XADevEnvironment::sharedEnvironment().devDirRootPath();
    environment.sourceTypeForFileExtension = XASourceTypeForFileExtension;
    environment.acceptsArguments = XALoadedClangAcceptsArguments;
    return environment;
}

XACompilationInfo::XACompilationInfo(const XABuildStep &step, const XAProject &project,
                                     XASharedBuildSettings buildSettings,
                                     const std::optional<std::vector<std::string>> &buildPCHPaths,
                                     const std::optional<std::vector<std::string>> &extraCompilerArgs,
                                     const XAProgressHandler &progress, std::optional<XAParsingEnvironment> environment)
    : XACompilationInfo(Role::Compilation, step, project, std::move(buildSettings), buildPCHPaths, extraCompilerArgs,
                        progress, std::move(environment)) {}

XACompilationInfo::XACompilationInfo(Role role, const XABuildStep &step, const XAProject &project,
                                     XASharedBuildSettings buildSettings,
                                     const std::optional<std::vector<std::string>> &buildPCHPaths,
                                     const std::optional<std::vector<std::string>> &extraCompilerArgs,
                                     const XAProgressHandler &progress, std::optional<XAParsingEnvironment> environment)
    : role_(role), environment_(std::move(environment)) {
    filePath_ = absoluteFilePathForCompilationBuildStep(step, project);

    const std::vector<std::string> &commands = step.commands();
    auto changeDirectory =
        std::find_if(commands.begin(), commands.end(), [](const std::string &line) { return line.starts_with("cd "); });
    if (changeDirectory != commands.end()) {
        const std::vector<std::string> columns = xa_argumentLineColumns(*changeDirectory);
        if (columns.size() > 1) {
            workingDirectory_ = columns[1];
        }
    }
    if (workingDirectory_.empty()) {
        if (progress) {
            progress(XAProgressMessage(XAProgressMessageKindWarning,
                                       "Warning: could not determine compiler working directory for file (using "
                                       "project root path as fallback): " +
                                           filePath_));
        }
        workingDirectory_ = project.projectDiskRootPath();
    }

    for (const std::string &line : commands) {
        if (auto assignment = variableAssignment(line)) {
            environmentVariables_.insert_or_assign(assignment->first, assignment->second);
        }
    }

    for (auto line = commands.rbegin(); line != commands.rend(); ++line) {
        std::vector<std::string> columns = xa_argumentLineColumns(*line);
        if (!columns.empty() && isCompilerExecutable(columns.front())) {
            compilerPath_ = columns.front();
            originalCompilerArgs_ = std::vector<std::string>(columns.begin() + 1, columns.end());
            break;
        }
    }

    file_ = project.projectFileWithPath(filePath_);
    buildSettings_ = std::move(buildSettings);
    if (!buildSettings_.headerMapStandIns()) {
        // Builds pass one set of stand-ins for all their compilations; a lone compilation info makes its own.
        const XABuildSettings &settings = buildSettings_.settings();
        auto configuration = settings.find("CONFIGURATION");
        auto target = settings.find("TARGET_NAME");
        buildSettings_ = buildSettings_.withHeaderMapStandIns(std::make_shared<XAHeaderMapStandIns>(
            project, configuration == settings.end() ? std::string() : configuration->second,
            target == settings.end() ? std::nullopt : std::optional<std::string>(target->second)));
    }
    architecture_ = architectureForCompilationBuildStep(step);
    parsingCompilerArgs_ = parsingArguments(extraCompilerArgs, &rejectedCompilerArgs_);

    for (const std::string &pch : buildPCHPaths.value_or(std::vector<std::string>{})) {
        const std::string included = xa_stringByDeletingPathExtension(pch);
        if (std::find(parsingCompilerArgs_.begin(), parsingCompilerArgs_.end(), included) !=
            parsingCompilerArgs_.end()) {
            pchPath_ = pch;
            break;
        }
    }

    if (!file_) {
        XALog(XALogLevelDebug, "WARNING: Could not find project file for compilation: %s", filePath_.c_str());
    }
}

std::string XACompilationInfo::absoluteFilePathForCompilationBuildStep(const XABuildStep &step,
                                                                       const XAProject &project) {
    std::string path = step.argumentAtIndex(1).value_or("");
    if (path.empty()) {
        return "";
    }
    if (!xa_isAbsolutePath(path)) {
        path = xa_stringByAppendingPathComponent(project.projectDiskRootPath(), path);
    }
    return xa_stringByStandardizingPath(path);
}

std::optional<std::string> XACompilationInfo::architectureForCompilationBuildStep(const XABuildStep &step) {
    return step.argumentAtIndex(3);
}

bool XACompilationInfo::isCompilerExecutable(std::string_view path) {
    const std::string name = xa_lastPathComponent(path);
    if (isOneOf(name, kCompilerNames)) {
        return true;
    }
    return std::any_of(kCompilerNameParts.begin(), kCompilerNameParts.end(),
                       [&name](std::string_view part) { return name.find(part) != std::string::npos; });
}

std::vector<std::string> XACompilationInfo::ignoredArchitectures(bool vendorBuild) {
    return vendorBuild ? std::vector<std::string>{} : std::vector<std::string>{"arm64"};
}

std::vector<std::string> XACompilationInfo::ignoredArchitectures() {
    return ignoredArchitectures(clangVersionIsLLVMOrApple());
}

std::optional<std::string>
XACompilationInfo::humanReadableLanguageFromClangLanguageArg(const std::optional<std::string> &value) {
    if (!value) {
        return std::nullopt;
    }
    if (value->starts_with("c-") || *value == "c") {
        return "C";
    }
    if (value->starts_with("c++")) {
        return "C++";
    }
    if (value->starts_with("objective-c++")) {
        return "Objective-C++";
    }
    if (value->starts_with("objective-c")) {
        return "Objective-C";
    }
    return value;
}

std::vector<std::string>
XACompilationInfo::compilerArgumentsFromArguments(const std::vector<std::string> &arguments,
                                                  const std::set<std::string> &singleArguments,
                                                  const std::set<std::string> &valueArguments) {
    std::vector<std::string> result;
    bool skipValue = false;
    for (const std::string &argument : arguments) {
        if (skipValue) {
            skipValue = false;
        } else if (singleArguments.contains(argument)) {
            continue;
        } else if (valueArguments.contains(argument)) {
            skipValue = true;
        } else {
            result.push_back(argument);
        }
    }
    return result;
}

std::set<std::string> XACompilationInfo::singleCompilerArgsToRemove() const {
    return singleArgumentsToRemove(parsingEnvironment().vendorBuild, role_ == Role::ProjectFile);
}

std::set<std::string> XACompilationInfo::valueCompilerArgsToRemove() const {
    return valueArgumentsToRemove(parsingEnvironment().vendorBuild, role_ == Role::ProjectFile);
}

XAParsingEnvironment XACompilationInfo::parsingEnvironment() const {
    return environment_ ? *environment_ : XAParsingEnvironment::current();
}

std::vector<std::string> XACompilationInfo::libCppIncludeArguments() const {
    const XABuildSettings &settings = buildSettings_.settings();
    auto toolchain = settings.find("DT_TOOLCHAIN_DIR");
    if (toolchain == settings.end() || toolchain->second.empty()) {
        return {};
    }
    for (const char *relative : {"usr/include/c++/v1", "usr/lib/c++/v1"}) {
        const std::string path = xa_stringByAppendingPathComponent(toolchain->second, relative);
        std::error_code ignored;
        if (std::filesystem::exists(path, ignored)) {
            return {"-isystem", path};
        }
    }
    return {};
}

std::vector<std::string> XACompilationInfo::compilerArgumentsForParsingWithExtraArgs(
    const std::optional<std::vector<std::string>> &extraArgs) const {
    return parsingArguments(extraArgs, nullptr);
}

std::vector<std::string> XACompilationInfo::parsingArguments(const std::optional<std::vector<std::string>> &extraArgs,
                                                             std::vector<std::string> *rejected) const {
    const XAParsingEnvironment environment = parsingEnvironment();
    const bool projectFile = role_ == Role::ProjectFile;
    const std::vector<std::string> expanded =
        XAExpandResponseFiles(originalCompilerArgs_.value_or(std::vector<std::string>{}), workingDirectory_);
    const std::vector<std::string> filtered =
        compilerArgumentsFromArguments(expanded, singleArgumentsToRemove(environment.vendorBuild, projectFile),
                                       valueArgumentsToRemove(environment.vendorBuild, projectFile));

    XAParsingArgumentsContext context;
    context.workingDirectory = workingDirectory_;
    context.architecture = architecture_;
    context.buildSettingsReference = &buildSettings_.settings();
    if (const std::shared_ptr<XAHeaderMapStandIns> &standIns = buildSettings_.headerMapStandIns()) {
        context.headerMapStandIn = [standIns](const std::string &loggedPath) {
            return standIns->standInForHeaderMap(loggedPath);
        };
    }
    context.acceptsArguments = environment.acceptsArguments;
    context.resourceDirectory = environment.resourceDirectory;
    context.developerDirectory = environment.developerDirectory;
    std::vector<std::string> arguments = XAArgumentsAdaptedForLoadedClang(filtered, context, rejected);

    if (isCompilingInCPPMode() && usesLibCpp()) {
        const std::vector<std::string> include = libCppIncludeArguments();
        arguments.insert(arguments.end(), include.begin(), include.end());
    }
    if (!environment.vendorBuild) {
        arguments.push_back("-Wno-format-extra-args");
    }
    arguments.push_back("-Wno-unknown-warning-option");
    arguments.push_back("-Wno-error");
    // Rules read the documentation comments of system declarations, which the parser drops unless asked to keep.
    arguments.push_back("-fretain-comments-from-system-headers");
    // Broken code (missing SDK declarations or dependencies, generated code) can hold thousands of unknown names:
    // looking for a correction of each keeps the parser busy for minutes, only to add "did you mean" to errors the
    // checker never needs, so typo correction is off and errors per file stop at the compiler's default limit, whatever
    // the build line asks for.
    arguments.insert(arguments.end(), {"-fno-spell-checking", "-ferror-limit=19"});
    // Modules outlive a check (XAModulesCache.h) and serve every project: those built with other header search paths
    // or file-system overlays (the SDK completion's) are kept apart, not only those of other language options.
    if (std::find(arguments.begin(), arguments.end(), "-fmodules") != arguments.end()) {
        arguments.insert(arguments.end(), {"-Xclang", "-fmodules-strict-context-hash"});
    }
    if (extraArgs) {
        arguments.insert(arguments.end(), extraArgs->begin(), extraArgs->end());
    }
    return arguments;
}

bool XACompilationInfo::isCompilationForIgnoredArchitecture() const {
    const std::vector<std::string> ignored = ignoredArchitectures(parsingEnvironment().vendorBuild);
    return architecture_ && std::find(ignored.begin(), ignored.end(), *architecture_) != ignored.end();
}

std::optional<std::string> XACompilationInfo::originalArgumentAfter(std::string_view option) const {
    if (!originalCompilerArgs_) {
        return std::nullopt;
    }
    const std::vector<std::string> &arguments = *originalCompilerArgs_;
    auto found = std::find(arguments.begin(), arguments.end(), option);
    if (found == arguments.end() || found + 1 == arguments.end()) {
        return std::nullopt;
    }
    return *(found + 1);
}

std::optional<std::string> XACompilationInfo::languageCompilerArgument() const { return originalArgumentAfter("-x"); }

bool XACompilationInfo::isUsingARC() const {
    if (!originalCompilerArgs_) {
        return false;
    }
    // The later of the two options wins, as it does for the compiler.
    const std::optional<std::size_t> arc = lastIndexOf(*originalCompilerArgs_, "-fobjc-arc");
    const std::optional<std::size_t> noARC = lastIndexOf(*originalCompilerArgs_, "-fno-objc-arc");
    return arc && (!noARC || *noARC < *arc);
}

bool XACompilationInfo::usesLibCpp() const {
    return originalCompilerArgs_ && std::find(originalCompilerArgs_->begin(), originalCompilerArgs_->end(),
                                              "-stdlib=libc++") != originalCompilerArgs_->end();
}

bool XACompilationInfo::isCompilingInCPPMode() const {
    const std::optional<std::string> language = languageCompilerArgument();
    if (language && !language->empty()) {
        return isOneOf(*language, kCPPLanguages);
    }
    if (compilerPath_) {
        const std::string compiler = xa_lastPathComponent(*compilerPath_);
        if (compiler == "clang++" || compiler == "g++") {
            return true;
        }
    }
    const std::string extension = xa_pathExtension(filePath_);
    const XAParsingEnvironment environment = parsingEnvironment();
    const int sourceType = environment.sourceTypeForFileExtension
                               ? environment.sourceTypeForFileExtension(
                                     extension.empty() ? std::nullopt : std::optional<std::string>(extension))
                               : 0;
    return sourceType >= 5 && sourceType <= 8;
}

bool XACompilationInfo::pathIsPCHFilePath(std::string_view path) const {
    const std::string extension = xa_pathExtension(path);
    if (extension == "pch") {
        return true;
    }
    if (!isOneOf(extension, kHeaderFileExtensions) || !pchPath_) {
        return false;
    }
    return xa_stringByDeletingAllPathExtensions(xa_lastPathComponent(path)) ==
           xa_stringByDeletingAllPathExtensions(xa_lastPathComponent(*pchPath_));
}

std::string XACompilationInfo::debugDescription() const {
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void *>(this));
    std::string fileDescription = "(null)";
    if (file_) {
        fileDescription = file_->pathOnDisk().value_or(filePath_);
    }
    return "<" + std::string(className()) + ": " + address + " " + filePath_ + "> " + fileDescription;
}

XAProjectFileCompilationInfo::XAProjectFileCompilationInfo(
    const XABuildStep &step, const XAProject &project, XASharedBuildSettings buildSettings,
    const std::optional<std::vector<std::string>> &buildPCHPaths,
    const std::optional<std::vector<std::string>> &extraCompilerArgs, const XAProgressHandler &progress,
    std::optional<XAParsingEnvironment> environment)
    : XACompilationInfo(Role::ProjectFile, step, project, std::move(buildSettings), buildPCHPaths, extraCompilerArgs,
                        progress, std::move(environment)) {}

XAPCHCompilationInfo::XAPCHCompilationInfo(const XABuildStep &step, const XAProject &project,
                                           XASharedBuildSettings buildSettings,
                                           const std::optional<std::vector<std::string>> &extraCompilerArgs,
                                           const XAProgressHandler &progress,
                                           std::optional<XAParsingEnvironment> environment)
    : XACompilationInfo(Role::PrecompiledHeader, step, project, std::move(buildSettings), std::nullopt,
                        extraCompilerArgs, progress, std::move(environment)),
      outputPath_(originalArgumentAfter("-o").value_or("")) {}

std::unique_ptr<XAPCHCompilationInfo> XAPCHCompilationInfo::compilationInfoWithBuildStep(
    const XABuildStep &step, const XAProject &project, XASharedBuildSettings buildSettings,
    const std::optional<std::vector<std::string>> &extraCompilerArgs, const XAProgressHandler &progress,
    std::optional<XAParsingEnvironment> environment) {
    std::unique_ptr<XAPCHCompilationInfo> info(new XAPCHCompilationInfo(
        step, project, std::move(buildSettings), extraCompilerArgs, progress, std::move(environment)));
    if (!info->outputPath_.empty()) {
        return info;
    }
    if (progress) {
        std::string description = "(";
        const std::vector<std::string> arguments = info->originalCompilerArgs().value_or(std::vector<std::string>{});
        for (std::size_t index = 0; index < arguments.size(); ++index) {
            description += (index == 0 ? "" : ", ") + xa_quotedForArgumentUsage(arguments[index]);
        }
        description += ")";
        progress(XAProgressMessage(XAProgressMessageKindError,
                                   "Error handling precompiled header: cannot find value for output (-o) argument. "
                                   "Arguments: " +
                                       description));
    }
    return nullptr;
}

std::string XAPCHCompilationInfo::pchTypeDescription() const {
    std::vector<std::string> parts = {
        isUsingARC() ? "ARC" : "Non-ARC",
        humanReadableLanguageFromClangLanguageArg(languageCompilerArgument()).value_or(""),
        originalArgumentAfter("-arch").value_or("")};
    std::string description;
    for (const std::string &part : parts) {
        if (!part.empty()) {
            description += (description.empty() ? "" : ", ") + part;
        }
    }
    return description;
}
