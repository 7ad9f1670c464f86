#include "codemodel/XABuild.h"

#include "codemodel/XAClangVersion.h"
#include "codemodel/XALibclang.h"
#include "codemodel/XAModulesCache.h"
#include "codemodel/XAPrecompiledHeaders.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAPropertyList.h"
#include "core/XAString.h"
#include "project/XADevEnvironment.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// Settings that keep xcodebuild from signing, analysing and optimising: none of it matters to a check, and a dry run
// must not fail for want of a signing identity.
constexpr std::array<const char *, 6> kFixedBuildSettings = {
    "CODE_SIGNING_ALLOWED=NO",         "CODE_SIGNING_REQUIRED=NO", "RUN_CLANG_STATIC_ANALYZER=NO",
    "GCC_TREAT_WARNINGS_AS_ERRORS=NO", "GCC_OPTIMIZATION_LEVEL=0", "OPTIMIZATION_LEVEL=0"};

// Extensions of the sources that xcodebuild compiles with a CompileC step.
constexpr std::array<std::string_view, 8> kCompiledSourceExtensions = {"c", "m", "mm", "cc", "cp", "cpp", "cxx", "c++"};

void send(const XAProgressHandler &progress, XAProgressMessageKind kind, const std::string &message) {
    if (progress) {
        progress(XAProgressMessage(kind, message));
    }
}

bool contains(const std::vector<std::string> &values, std::string_view value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

bool isCompiledSourceFile(const XAProjectFile &file) {
    if (file.isSwiftSourceCodeFile()) {
        return false;
    }
    const std::optional<std::string> type = file.lastKnownFileType();
    if (type && (*type == "sourcecode.c.c" || *type == "sourcecode.c.objc" || *type == "sourcecode.cpp.cpp" ||
                 *type == "sourcecode.cpp.objcpp")) {
        return true;
    }
    std::string extension = xa_pathExtension(file.name());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(kCompiledSourceExtensions.begin(), kCompiledSourceExtensions.end(), extension) !=
           kCompiledSourceExtensions.end();
}

std::optional<std::string> nonEmpty(std::optional<std::string> text) {
    return text && !text->empty() ? text : std::nullopt;
}

} // namespace

XABuild::XABuild(std::shared_ptr<XAProject> project, std::shared_ptr<XAProjectTarget> target,
                 std::shared_ptr<XAProjectBuildConfiguration> buildConfig, XAConfiguration config)
    : project_(std::move(project)), target_(std::move(target)), buildConfiguration_(std::move(buildConfig)),
      configuration_(std::move(config)) {}

bool XABuild::isComplete() const { return project_ && target_ && buildConfiguration_; }

void XABuild::setXcodebuildRunnerForTesting(XAXcodebuildRunner runner) { xcodebuildRunner_ = std::move(runner); }

std::string XABuild::keyForProjectName(std::string_view projectName, std::string_view targetName) {
    return XABuildLogParser::keyForProjectName(projectName, targetName);
}

// ---- The driver ----

bool XABuild::processBuildWithPermissionToProcessPCHs(bool permission, const XAProgressHandler &progress) {
    if (!isComplete()) {
        const std::string message = "Cannot prepare the build without a project, a target and a build configuration.";
        send(progress, XAProgressMessageKindError, message);
        return false;
    }
    if (!requireLoadedLibclang(progress)) {
        return false;
    }
    modulesCacheUse_ = std::make_unique<XAModulesCacheUse>(XAModulesCacheKey(), progress);
    initializeAndLoadDiskCacheWithProgress(progress);

    if (!hasBuildLog()) {
        bool dryRun = !configuration_.performFullBuild();
        if (dryRun && project_->containsSwiftCode()) {
            dryRun = false;
            send(progress, XAProgressMessageKindDebug,
                 "Performing full build: required because project contains Swift code");
        }
        if (!performBuildAsDryRun(dryRun, progress)) {
            return false;
        }
        // A dry run compiles nothing; the compiler of a full build may have written modules of its own.
        if (!dryRun) {
            modulesCacheUse_->clearUnlessUsedElsewhere(progress);
        }
        if (configuration_.saveBuildLogIntoDiskCache()) {
            diskCache_->writeBuildLogToDisk(buildLog_, *project_, dryRun, progress);
        }
    }

    send(progress, XAProgressMessageKindPreparationStep, "Processing build steps");
    buildStepsByTargetKey_ = XABuildLogParser::buildStepsByTargetKeyFromLog(buildLog_, *project_, progress);
    auto targetSteps = buildStepsByTargetKey_.find(keyForProjectName(project_->projectName(), target_->name()));
    if (targetSteps == buildStepsByTargetKey_.end()) {
        send(progress, XAProgressMessageKindError,
             "Could not determine build steps for specified target '" + target_->name() + "'");
        return false;
    }
    targetBuildSteps_ = targetSteps->second;

    // The headers come first: the file infos name the headers they include.
    std::vector<XABuildStep> pchSearchSteps;
    if (configuration_.processOnlyTargetPCHs()) {
        pchSearchSteps = targetBuildSteps_;
    } else {
        for (const auto &[key, steps] : buildStepsByTargetKey_) {
            pchSearchSteps.insert(pchSearchSteps.end(), steps.begin(), steps.end());
        }
    }
    // One set of header maps serves every compilation of the build, written afresh for it.
    headerMapStandIns_ = std::make_shared<XAHeaderMapStandIns>(*project_, buildConfiguration_->name(), target_->name());
    pchCompilationInfos_ = pchCompilationInfosFromBuildSteps(pchSearchSteps, progress);
    compilationInfosByFilePath_ = compilationInfosByFileFromBuildSteps(targetBuildSteps_, progress);
    reportRejectedCompilerArgs(progress);

    readInfoPlist(progress);
    if (!checkTargetCompilations(progress)) {
        return false;
    }
    if (permission && configuration_.usePrecompiledHeader()) {
        return processPCHsWithCompilationInfos(pchCompilationInfos_, progress);
    }
    return true;
}

// Which options the parses go without, once for the build rather than once per file.
void XABuild::reportRejectedCompilerArgs(const XAProgressHandler &progress) const {
    std::set<std::string> rejected;
    for (const auto &info : pchCompilationInfos_) {
        rejected.insert(info->rejectedCompilerArgs().begin(), info->rejectedCompilerArgs().end());
    }
    for (const auto &[path, info] : compilationInfosByFilePath_) {
        rejected.insert(info->rejectedCompilerArgs().begin(), info->rejectedCompilerArgs().end());
    }
    if (rejected.empty() || !configuration_.verbose()) {
        return;
    }
    std::string list;
    for (const std::string &arguments : rejected) {
        list += (list.empty() ? "" : ", ") + arguments;
    }
    send(progress, XAProgressMessageKindInfo,
         "Leaving out compiler options that the loaded libclang does not accept: " + list);
}

bool XABuild::requireLoadedLibclang(const XAProgressHandler &progress) const {
    if (XALibclang::isLoaded()) {
        return true;
    }
    send(progress, XAProgressMessageKindError,
         "Cannot prepare the build: no libclang library is loaded, so the compiler invocations cannot be read.");
    return false;
}

// A target whose sources the log shows no compilation of would be checked as if it had no code at all.
bool XABuild::checkTargetCompilations(const XAProgressHandler &progress) const {
    if (!compilationInfosByFilePath_.empty()) {
        return true;
    }
    const auto &sources = target_->sourceFiles();
    const auto compiled = static_cast<std::size_t>(std::count_if(
        sources.begin(), sources.end(), [](const auto &file) { return file && isCompiledSourceFile(*file); }));
    if (compiled == 0) {
        return true;
    }
    send(progress, XAProgressMessageKindError,
         "Could not determine how the source files of target '" + target_->name() +
             "' are compiled: the build log shows no compilation of any of its " + std::to_string(compiled) +
             (compiled == 1 ? " source file." : " source files."));
    return false;
}

void XABuild::readInfoPlist(const XAProgressHandler &progress) {
    infoPlistFilePath_ = nonEmpty(infoPlistFilePathFromBuildSteps(targetBuildSteps_));
    infoPlistDictionary_.reset();
    if (!infoPlistFilePath_) {
        if (target_->infoPlistIsExpectedToExist()) {
            send(progress, XAProgressMessageKindError, "Error: Cannot find an Info.plist file.");
        }
        return;
    }
    XAError error;
    std::optional<XAValue> plist = XAPropertyListFromFile(*infoPlistFilePath_, &error);
    if (plist && plist->dictionary()) {
        infoPlistDictionary_ = *plist->dictionary();
    }
}

bool XABuild::initializeAndLoadDiskCacheWithProgress(const XAProgressHandler &progress) {
    if (!isComplete()) {
        return true;
    }
    XABuildLogCacheOptions options;
    options.extraXcodebuildArgs = configuration_.extraXcodebuildArgs();
    options.performFullBuild = configuration_.performFullBuild();
    options.associatedWorkspacePath = configuration_.associatedWorkspacePath();
    options.associatedWorkspaceSchemeName = configuration_.associatedWorkspaceSchemeName();
    diskCache_ =
        std::make_unique<XABuildLogCache>(project_->projectName(), project_->projectDiskRootPath(), target_->name(),
                                          buildConfiguration_->name(), std::move(options), XAClangVersionString());
    if (!configuration_.useDiskCachedBuildLog() || !diskCache_->readFromDiskWithProgress(progress)) {
        return true;
    }
    const XABuildLogCacheData &cached = *diskCache_->cachedData();
    if (!cached.buildLog || cached.buildLog->empty()) {
        return true;
    }
    std::string reason;
    if (diskCache_->isValidForProject(*project_, &reason)) {
        send(progress, XAProgressMessageKindPreparationStep, "Reading cached build steps");
        buildLog_ = *cached.buildLog;
        buildWasDryRun_ = cached.wasDryRun;
    } else {
        send(progress, XAProgressMessageKindDebug, "Discarding build step cache: " + reason);
    }
    return true;
}

bool XABuild::performBuildAsDryRun(bool dryRun, const XAProgressHandler &progress) {
    if (!isComplete()) {
        return false;
    }
    send(progress, XAProgressMessageKindPreparationStep, dryRun ? "Determining build steps" : "Building the project");
    const std::optional<std::string> symroot = customSymrootPath();
    if (symroot) {
        std::error_code error;
        fs::remove_all(*symroot, error);
        if (error && error != std::errc::no_such_file_or_directory) {
            send(progress, XAProgressMessageKindError,
                 "Could not delete symroot at path " + *symroot + ": " + error.message());
        }
    }
    const std::vector<std::string> arguments = xcodebuildArgsForDryRun(dryRun, symroot, progress);
    const std::optional<std::string> log = xcodebuildLogWithArgs(arguments, progress);
    buildLog_ = log.value_or("");
    buildWasDryRun_ = dryRun;
    if (buildLog_.empty()) {
        if (log) {
            // A run that succeeds without a log leaves nothing to check; saying so beats failing silently.
            send(progress, XAProgressMessageKindError, "xcodebuild printed no build log.");
        }
        return false;
    }
    if (symroot) {
        // A dry run writes nothing; the folder marks the products of this run, which a cached log relies on.
        std::error_code ignored;
        fs::create_directories(*symroot, ignored);
    }
    return true;
}

// In this order: the workspace and scheme (both or neither); "-project" unless the workspace or the extra arguments
// name a workspace; "-target" unless they name a workspace or a scheme; "-configuration"; the fixed settings; the
// folders (shared precompiled headers, modules cache, products, intermediates); "-dry-run"; the extra arguments.
std::vector<std::string> XABuild::xcodebuildArgsForDryRun(bool dryRun, const std::optional<std::string> &symroot,
                                                          const XAProgressHandler &progress) const {
    if (!isComplete()) {
        return {};
    }
    std::vector<std::string> arguments;
    if (nonEmpty(configuration_.associatedWorkspacePath())) {
        if (const auto scheme = nonEmpty(configuration_.associatedWorkspaceSchemeName())) {
            arguments.insert(arguments.end(),
                             {"-workspace", *configuration_.associatedWorkspacePath(), "-scheme", *scheme});
        } else {
            send(progress, XAProgressMessageKindError,
                 "If the 'workspace' option is given, the 'scheme' option must be given as well.");
        }
    }
    const std::vector<std::string> extraArguments = configuration_.extraXcodebuildArgs();
    std::vector<std::string> all = arguments;
    all.insert(all.end(), extraArguments.begin(), extraArguments.end());
    if (!contains(all, "-workspace")) {
        arguments.insert(arguments.end(), {"-project", xa_lastPathComponent(project_->xcodeprojPath())});
    }
    if (!contains(all, "-workspace") && !contains(all, "-scheme")) {
        arguments.insert(arguments.end(), {"-target", target_->name()});
    }
    arguments.insert(arguments.end(), {"-configuration", buildConfiguration_->name()});
    arguments.insert(arguments.end(), kFixedBuildSettings.begin(), kFixedBuildSettings.end());
    const std::optional<std::string> products = nonEmpty(symroot);
    // Without a products folder of our own, the shared precompiled headers would land in the project folder.
    if (products) {
        arguments.push_back("SHARED_PRECOMPS_DIR=" + xa_stringByAppendingPathComponent(*products, "Tessary-PCH"));
    }
    if (configuration_.useOwnModulesCachePath()) {
        arguments.push_back("MODULE_CACHE_DIR=" + modulesCachePath());
    }
    if (products) {
        arguments.push_back("SYMROOT=" + *products);
        arguments.push_back("OBJROOT=" + xa_stringByAppendingPathComponent(*products, "Tessary-ObjRoot"));
    }
    if (dryRun) {
        arguments.push_back("-dry-run");
    }
    for (const std::string &argument : extraArguments) {
        if (!argument.empty()) {
            arguments.push_back(argument);
        }
    }
    return arguments;
}

std::optional<std::string> XABuild::xcodebuildLogWithArgs(const std::vector<std::string> &arguments,
                                                          const XAProgressHandler &progress) const {
    if (!isComplete()) {
        return std::nullopt;
    }
    std::vector<std::string> fullArguments = arguments;
    fullArguments.push_back("build");
    if (configuration_.verbose() && progress) {
        std::string line;
        for (const std::string &argument : fullArguments) {
            line += (line.empty() ? "" : " ") + xa_quotedForArgumentUsage(argument);
        }
        send(progress, XAProgressMessageKindInfo, "Building with xcodebuild arguments: [" + line + "]");
    }
    const std::string folder = project_->projectDiskRootPath();
    const XATaskResults results =
        xcodebuildRunner_ ? xcodebuildRunner_(folder, fullArguments)
                          : XADevEnvironment::sharedEnvironment().resultsOfXcodebuildInDir(folder, fullArguments);
    if (results.exitStatus == 0 && !results.error) {
        const std::string log = results.standardOutput.value_or("");
        XALog(XALogLevelDebug, log);
        return log;
    }
    std::string errorText = results.standardError.value_or("");
    if (results.error && errorText.empty()) {
        errorText = results.error->message;
    }
    send(progress, XAProgressMessageKindError,
         "xcodebuild returned exit status " + std::to_string(results.exitStatus) + " when building:\n\n" +
             results.standardOutput.value_or("") + "\n\n" + errorText);
    return std::nullopt;
}

std::optional<std::string> XABuild::customSymrootPath() const {
    if (!isComplete()) {
        return std::nullopt;
    }
    if (!configuration_.useOwnSymrootPathForXcodebuild()) {
        return std::nullopt;
    }
    if (diskCache_) {
        return diskCache_->symrootPath();
    }
    // The location depends on the names alone; asking before the driver made the cache is fine.
    return XABuildLogCache(project_->projectName(), project_->projectDiskRootPath(), target_->name(),
                           buildConfiguration_->name())
        .symrootPath();
}

// ---- Precompiled headers and module caches ----

std::string XABuild::modulesCacheDir() { return XAModulesCacheDir(); }

std::string XABuild::modulesCachePath() { return XAModulesCachePath(); }

void XABuild::clearModuleCachesWithProgress(const XAProgressHandler &progress) { XAClearModuleCaches(progress); }

void XABuild::endModulesCacheUse() { modulesCacheUse_.reset(); }

bool XABuild::processPCHsWithCompilationInfos(const XAPCHCompilationInfos &infos,
                                              const XAProgressHandler &progress) const {
    if (!isComplete() || (!infos.empty() && !requireLoadedLibclang(progress))) {
        return false;
    }
    XAPrecompiledHeaderProcessingOptions options;
    options.projectDiskRootPath = project_->projectDiskRootPath();
    options.width = static_cast<std::size_t>(configuration_.numberOfConcurrentFileCheckingJobs());
    return XAProcessPrecompiledHeaders(infos, options, progress);
}
