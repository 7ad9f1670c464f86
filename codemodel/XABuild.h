#pragma once

// The build of one project, target and build configuration, as far as a check needs to know it: the steps xcodebuild
// runs for every target, the compiler invocation of every source file of the checked target, the precompiled headers
// made ready for parsing, the target's Info.plist, the built application bundle and the XIB and storyboard files of
// every target. It never compiles a source file itself: it asks xcodebuild for a dry run (or, when it must, a real
// build) into a products folder of its own under the caches root, keeps the printed log (optionally on disk between
// runs, XABuildLogCache.h) and takes everything else from that log.
//
// The checking engine makes one build per check, calls processBuildWithPermissionToProcessPCHs once while preparing,
// then numberOfXIBs and parseAndCacheXIBs, and hands the build to the rules. Those calls happen on the preparing
// thread; afterwards the build is only read, from any thread (everything it returns is immutable).
//
// Making compilation infos and processing precompiled headers needs a loaded libclang (XALibclang); without one the
// driver fails with an error message instead.

#include "codemodel/XABuildLogCache.h"
#include "codemodel/XABuildLogParser.h"
#include "codemodel/XABuildStep.h"
#include "codemodel/XACompilationInfo.h"
#include "codemodel/XAModulesCache.h"
#include "core/XAProgressMessage.h"
#include "core/XAValue.h"
#include "engine/config/XAConfiguration.h"
#include "project/XAProject.h"
#include "project/XAResourceBuild.h"

#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class XAProjectBuildConfiguration;
class XAProjectTarget;
class XAXIB;

// Source path -> how that file is compiled; sorted by path.
using XACompilationInfosByFilePath = std::map<std::string, std::shared_ptr<const XAProjectFileCompilationInfo>>;
using XAPCHCompilationInfos = std::vector<std::shared_ptr<const XAPCHCompilationInfo>>;
using XAXIBs = std::vector<std::shared_ptr<const XAXIB>>;

class XABuild : public XAResourceBuild {
public:
    // Holds the four values; nothing else happens. A build missing the project, the target or the build
    // configuration does nothing: its driver fails with an error message and its queries answer with nothing.
    XABuild(std::shared_ptr<XAProject> project, std::shared_ptr<XAProjectTarget> target,
            std::shared_ptr<XAProjectBuildConfiguration> buildConfig, XAConfiguration config);
    XABuild(const XABuild &) = delete;
    XABuild &operator=(const XABuild &) = delete;

    const std::shared_ptr<XAProject> &project() const { return project_; }
    const std::shared_ptr<XAProjectTarget> &target() const override { return target_; }
    const std::shared_ptr<XAProjectBuildConfiguration> &buildConfiguration() const override {
        return buildConfiguration_;
    }
    const XAConfiguration &configuration() const { return configuration_; }
    // Made by the driver; null before.
    const std::unique_ptr<XABuildLogCache> &diskCache() const { return diskCache_; }

    // Replaces the shared developer environment as the runner of xcodebuild (tests feed prepared output through it);
    // an empty runner restores the shared environment.
    void setXcodebuildRunnerForTesting(XAXcodebuildRunner runner);

    // ---- The driver ----

    // The whole road: clear the module caches; take a valid cached log or run xcodebuild (a dry run unless a full
    // build is asked for or the project contains Swift code) and cache its log; split the log into steps; make the
    // compilation infos of the precompiled headers and of the checked target's files; read the Info.plist; then,
    // with permission (the rules need libclang), make the precompiled headers ready. False, with an error message,
    // when any of that fails. A target with source files whose compilations the log does not show is a failure too.
    // Whatever was found before a failure stays available.
    bool processBuildWithPermissionToProcessPCHs(bool permission, const XAProgressHandler &progress);

    // Makes the log cache and, when the configuration reads cached logs, takes a valid cached log (an invalid one is
    // reported with the reason as a debugging message). Always true.
    bool initializeAndLoadDiskCacheWithProgress(const XAProgressHandler &progress);
    // Empties the products folder and runs xcodebuild; true when it printed a log. The products folder exists
    // afterwards, so that a cached log of this run stays valid until someone removes it.
    bool performBuildAsDryRun(bool dryRun, const XAProgressHandler &progress);
    // The arguments of the xcodebuild run, without the build action (see the implementation for their order).
    std::vector<std::string> xcodebuildArgsForDryRun(bool dryRun, const std::optional<std::string> &symroot,
                                                     const XAProgressHandler &progress) const;
    // Runs "xcodebuild <arguments> build" in the project folder; its standard output, or no value (with an error
    // message) when it exits with another status than 0.
    std::optional<std::string> xcodebuildLogWithArgs(const std::vector<std::string> &arguments,
                                                     const XAProgressHandler &progress) const;
    // The products folder of the build (the log cache's symroot path).
    std::optional<std::string> customSymrootPath() const;
    static std::string keyForProjectName(std::string_view projectName, std::string_view targetName);

    // ---- What the driver found ----

    bool hasBuildLog() const { return !buildLog_.empty(); }
    bool buildWasDryRun() const { return buildWasDryRun_; }
    const std::string &buildLog() const { return buildLog_; }
    const XABuildStepsByTargetKey &buildStepsByTargetKey() const { return buildStepsByTargetKey_; }
    const std::vector<XABuildStep> &targetBuildSteps() const { return targetBuildSteps_; }
    const XAPCHCompilationInfos &pchCompilationInfos() const { return pchCompilationInfos_; }
    const XACompilationInfosByFilePath &compilationInfosByFilePath() const { return compilationInfosByFilePath_; }
    const std::optional<std::string> &infoPlistFilePath() const { return infoPlistFilePath_; }
    const std::optional<XADictionary> &infoPlistDictionary() const override { return infoPlistDictionary_; }

    // ---- Compilation infos, products and XIB files (from steps) ----
    //
    // Making compilation infos needs a loaded libclang; without one there are none.

    // One info per file of the steps' compile steps, for the architecture most of them are compiled for (on a tie,
    // the one of the earliest step); files compiled only for another architecture or for an architecture libclang
    // ignores get none, and of two steps of one file the later wins. Made in parallel.
    XACompilationInfosByFilePath compilationInfosByFileFromBuildSteps(const std::vector<XABuildStep> &steps,
                                                                      const XAProgressHandler &progress) const;
    // One info per precompiled-header step with an output path, in step order, made with the checked target's
    // settings.
    XAPCHCompilationInfos pchCompilationInfosFromBuildSteps(const std::vector<XABuildStep> &steps,
                                                            const XAProgressHandler &progress) const;
    // The output paths of the precompiled headers that are not for an ignored architecture.
    std::vector<std::string> pchPaths() const;
    // The existing Info.plist that the first ProcessInfoPlistFile step reads, else the existing source of the
    // Preprocess step that writes what it reads (a dry run preprocesses nothing); no value otherwise.
    std::optional<std::string> infoPlistFilePathFromBuildSteps(const std::vector<XABuildStep> &steps) const;
    // The ".app" folder inside a build-products folder that one of the checked target's steps works on.
    std::optional<std::string> pathToBuiltAppBundle() const override;
    // A real build (not a dry run) whose bundle exists.
    bool appBundleWasSuccessfullyBuilt() const override;
    // An iOS target deployed to iOS 7.0 or later.
    bool compilesAssetCatalogsIntoCombinedBinaryFile() const override;
    // The XIB and storyboard files that the steps compile, in step order.
    std::vector<std::string> XIBFilePathsFromBuildSteps(const std::vector<XABuildStep> &steps) const;

    // The number of XIB and storyboard files of every target in the log.
    std::size_t numberOfXIBs() const;
    // Reads every target's XIB and storyboard files (in parallel); afterwards the three lookups below answer.
    void parseAndCacheXIBs();
    XAXIBs allXIBs() const;
    // Those in the archive format of Xcode 4 and earlier.
    XAXIBs xcode4FormatXIBs() const;
    // Null for a target that is not in the log (or before parseAndCacheXIBs).
    const XAXIBs *XIBsForProjectName(std::string_view projectName, std::string_view targetName) const;

    // ---- Resources and build scripts ----

    // The checked target's steps as the project's resource operations read them.
    std::vector<XAResourceBuildStep> resourceBuildSteps() const override;
    bool pathIsUnderAppBundleBuildDir(const std::string &path) const override;
    // The environment a build script of the checked target sees: its resolved build settings, with the settings'
    // own products folder (SYMROOT) replaced by the build's products folder in every value, and "COMMAND_MODE"
    // "legacy", "SCRIPT_INPUT_FILE_COUNT" and "SCRIPT_OUTPUT_FILE_COUNT" "0".
    XABuildSettings environmentVariablesForBuildScripts() const;
    // Runs the project's CocoaPods resource script ("Pods-resources.sh" in the Pods folder, the user's own shell
    // script) with /bin/sh and that environment, every path under the build root moved into a fresh temporary
    // folder, which is also its working folder and is always removed afterwards; then lists the bundle it filled.
    // No value without a script; no value and a warning when the script fails, runs past the time limit (a minute)
    // or would write outside the temporary folder.
    std::optional<std::vector<std::string>>
    cocoaPodsResourcePathsWithProgress(const XAProgressHandler &progress) const override;
    void setBuildScriptTimeLimitForTesting(std::chrono::seconds limit) { buildScriptTimeLimit_ = limit; }

    // ---- Precompiled headers and module caches ----

    static std::string modulesCacheDir();
    static std::string modulesCachePath();
    static void clearModuleCachesWithProgress(const XAProgressHandler &progress);
    // The build uses the module caches from the start of processBuildWithPermissionToProcessPCHs until this call (or
    // its end), so that no other check clears them meanwhile; the caller ends the use when its parsing is done.
    void endModulesCacheUse();
    // Makes the headers ready for parsing (XAPrecompiledHeaders.h), as many at a time as the configured jobs.
    bool processPCHsWithCompilationInfos(const XAPCHCompilationInfos &infos, const XAProgressHandler &progress) const;

private:
    bool isComplete() const;
    bool requireLoadedLibclang(const XAProgressHandler &progress) const;
    bool checkTargetCompilations(const XAProgressHandler &progress) const;
    void readInfoPlist(const XAProgressHandler &progress);
    std::shared_ptr<const XABuildSettings> targetBuildSettings() const;
    XAParsingEnvironment parsingEnvironment() const;
    // The driver's set for the whole build, else (when the steps are handled on their own) a new one.
    std::shared_ptr<XAHeaderMapStandIns> headerMapStandIns() const;
    std::optional<std::vector<std::string>> extraCompilerArgs() const;
    void reportRejectedCompilerArgs(const XAProgressHandler &progress) const;

    std::shared_ptr<XAProject> project_;
    std::shared_ptr<XAProjectTarget> target_;
    std::shared_ptr<XAProjectBuildConfiguration> buildConfiguration_;
    XAConfiguration configuration_;
    XAXcodebuildRunner xcodebuildRunner_;
    std::unique_ptr<XABuildLogCache> diskCache_;
    std::unique_ptr<XAModulesCacheUse> modulesCacheUse_;

    std::string buildLog_;
    bool buildWasDryRun_ = true;
    XABuildStepsByTargetKey buildStepsByTargetKey_;
    std::vector<XABuildStep> targetBuildSteps_;
    std::shared_ptr<XAHeaderMapStandIns> headerMapStandIns_;
    XAPCHCompilationInfos pchCompilationInfos_;
    XACompilationInfosByFilePath compilationInfosByFilePath_;
    std::optional<std::string> infoPlistFilePath_;
    std::optional<XADictionary> infoPlistDictionary_;
    std::map<std::string, XAXIBs> XIBsByTargetKey_;
    std::chrono::seconds buildScriptTimeLimit_{60};
};
