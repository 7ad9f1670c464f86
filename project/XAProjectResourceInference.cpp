// Which resources a build puts into the target's bundle: the built bundle's listing, or what the build's steps, run
// scripts and the CocoaPods resource script copy into it.

#include "project/XAProject.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectBuildPhase.h"
#include "project/XAProjectTarget.h"
#include "project/XAResourceBuild.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace {

constexpr std::array<std::string_view, 7> kCopyStepNames = {"ProcessInfoPlistFile",
                                                            "ConvertIconsetFile",
                                                            "DataModelVersionCompile",
                                                            "DataModelCompile",
                                                            "CpResource",
                                                            "Cp",
                                                            "PBXCp"};

bool isCopyStep(const XAResourceBuildStep &step) {
    return std::ranges::find(kCopyStepNames, step.name) != kCopyStepNames.end() ||
           (step.name.starts_with("Copy") && step.name.ends_with("File"));
}

std::string trimmedOfBlanksAndSlashes(const std::string &text) {
    const std::size_t first = text.find_first_not_of(" /");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" /") - first + 1);
}

bool exists(const std::string &path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

// Every path below a folder relative to it, folders included; no value when some folder cannot be listed.
std::optional<std::vector<std::string>> subpathsOfFolder(const std::string &folder, XAError *error) {
    std::vector<std::string> paths;
    bool failed = false;
    const std::string prefix = xa_stringByStandardizingPath(folder) + "/";
    xa_visitFilesAtRoot(
        xa_stringByStandardizingPath(folder), 0, true,
        [&](const std::string &path, bool &) {
            paths.push_back(path.starts_with(prefix) ? path.substr(prefix.size()) : path);
        },
        [&](const std::string &, const XAError &walkError) {
            if (error) {
                *error = walkError;
            }
            failed = true;
            return false;
        });
    return failed ? std::nullopt : std::optional<std::vector<std::string>>(std::move(paths));
}

// The resource paths of a copy-like step: its destination, and for a copied folder reference everything in it.
void addCopyStepResources(const XAResourceBuildStep &step, const XAResourceBuild &build,
                          const std::string &projectFolder, std::vector<std::string> &paths) {
    const std::vector<std::string> &arguments = step.arguments;
    auto destination = std::find_if(arguments.rbegin(), arguments.rend(), [&build](const std::string &argument) {
        return build.pathIsUnderAppBundleBuildDir(trimmedOfBlanksAndSlashes(argument));
    });
    const std::string target = destination == arguments.rend() ? arguments.front() : *destination;
    paths.push_back(XAProject::pathFromAppBundleRoot(target));

    std::optional<std::string> source;
    for (const std::string &argument : arguments) {
        if (argument == target || xa_lastPathComponent(argument) != xa_lastPathComponent(target)) {
            continue;
        }
        const std::string candidate = xa_stringByStandardizingPath(
            xa_isAbsolutePath(argument) ? argument : xa_stringByAppendingPathComponent(projectFolder, argument));
        if (exists(candidate)) {
            source = candidate;
        }
    }
    if (step.name != "CpResource" || !source || !xa_pathIsDirectory(*source)) {
        return;
    }
    XAError error;
    std::optional<std::vector<std::string>> contents = subpathsOfFolder(*source, &error);
    if (!contents) {
        XALog(XALogLevelError,
              "Cannot get contents of folder reference directory: " + *source + " -- the error is: " + error.message);
        return;
    }
    for (const std::string &relative : *contents) {
        paths.push_back(XAProject::pathFromAppBundleRoot(target + "/" + relative));
    }
}

// The output of a XIB or storyboard compile step: what ibtool's "--compile" names, else the source's file name.
void addInterfaceBuilderStepResource(const XAResourceBuildStep &step, std::vector<std::string> &paths) {
    for (const std::string &command : step.commands) {
        const std::vector<std::string> columns = xa_argumentLineColumns(command);
        if (columns.empty() || !columns.front().ends_with("/ibtool")) {
            continue;
        }
        auto compile = std::ranges::find(columns, "--compile");
        if (compile != columns.end() && compile + 1 != columns.end()) {
            paths.push_back(XAProject::pathFromAppBundleRoot(*(compile + 1)));
        }
        return;
    }
    if (!step.arguments.empty()) {
        paths.push_back(xa_lastPathComponent(step.arguments.front()));
    }
}

bool runsCocoaPodsResourceScript(const XAProjectTarget &target) {
    return std::ranges::any_of(target.buildPhases(), [](const auto &phase) {
        return phase->phaseType() == XAProjectBuildPhaseTypeShellScript &&
               xa_containsSubstring(phase->shellScriptContents(), "Pods-resources.sh");
    });
}

void logProblem(const XAProgressMessage &message) {
    if (message.isError()) {
        XALog(XALogLevelError, "Error: " + message.message());
    } else if (message.isWarning()) {
        XALog(XALogLevelWarning, "Warning: " + message.message());
    }
}

// On OS X only "Contents/Resources" holds resources; the paths are taken relative to it.
std::vector<std::string> pathsInsideContentsResources(const std::vector<std::string> &paths) {
    std::vector<std::string> inside;
    for (const std::string &path : paths) {
        const std::vector<std::string> components = xa_pathComponents(path);
        if (components.size() >= 3 && components[0] == "Contents" && components[1] == "Resources") {
            std::string relative = components[2];
            for (std::size_t index = 3; index < components.size(); ++index) {
                relative += "/" + components[index];
            }
            inside.push_back(std::move(relative));
        }
    }
    return inside;
}

} // namespace

std::string XAProject::pathFromAppBundleRoot(const std::string &path) {
    const std::vector<std::string> components = xa_pathComponents(path);
    auto bundle = std::ranges::find_if(components, [](const std::string &c) { return c.ends_with(".app"); });
    std::string relative;
    for (auto component = bundle == components.end() ? bundle : bundle + 1; component != components.end();
         ++component) {
        relative += (relative.empty() ? "" : "/") + *component;
    }
    return relative;
}

std::vector<std::string> XAProject::resourcePathsFromRunScriptBuildPhasesInBuild(const XAResourceBuild &build) const {
    std::vector<std::string> paths;
    if (!build.target() || !build.buildConfiguration()) {
        return paths;
    }
    auto settings = resolvedBuildSettingsForTarget(*build.target(), build.buildConfiguration()->name());
    const XABuildSettings noSettings;
    for (const auto &phase : build.target()->buildPhases()) {
        if (phase->phaseType() != XAProjectBuildPhaseTypeShellScript) {
            continue;
        }
        for (const std::string &output : phase->outputPaths()) {
            const std::string resolved = XABuildSettingValueText(
                stringByResolvingBuildSettingReferencesInString(output, settings ? *settings : noSettings));
            if (build.pathIsUnderAppBundleBuildDir(resolved)) {
                paths.push_back(pathFromAppBundleRoot(resolved));
            }
        }
    }
    return paths;
}

std::vector<std::string> XAProject::inferredResourcePathsInBuild(const XAResourceBuild &build) const {
    std::vector<std::string> paths = resourcePathsFromRunScriptBuildPhasesInBuild(build);
    if (!build.target() || !build.buildConfiguration()) {
        return paths;
    }
    const XAPlatform platform = platformForTarget(*build.target(), build.buildConfiguration()->name());
    const std::string projectFolder = projectDiskRootPath();
    for (const XAResourceBuildStep &step : build.resourceBuildSteps()) {
        if (isCopyStep(step) && !step.arguments.empty()) {
            addCopyStepResources(step, build, projectFolder, paths);
        } else if (step.name == "TiffUtil" && !step.arguments.empty()) {
            paths.push_back((platform == XAPlatformOSX ? "Contents/Resources/" : "") + step.arguments.front());
        } else if (step.compilesInterfaceBuilderFile) {
            addInterfaceBuilderStepResource(step, paths);
        }
    }
    if (usesCocoaPods() && runsCocoaPodsResourceScript(*build.target())) {
        std::optional<std::vector<std::string>> pods = build.cocoaPodsResourcePathsWithProgress(logProblem);
        if (pods) {
            paths.insert(paths.end(), pods->begin(), pods->end());
        }
    }
    return platform == XAPlatformOSX ? pathsInsideContentsResources(paths) : paths;
}

std::optional<std::vector<std::string>>
XAProject::resourcePathsFromAppBundleAtPath(const std::optional<std::string> &bundlePath, XAPlatform platform) {
    if (!bundlePath || !exists(*bundlePath) || (platform != XAPlatformIOS && platform != XAPlatformOSX)) {
        return std::nullopt;
    }
    const std::string root = platform == XAPlatformOSX ? *bundlePath + "/Contents/Resources" : *bundlePath;
    if (!exists(root)) {
        return std::nullopt;
    }
    return subpathsOfFolder(root, nullptr);
}

std::vector<std::string> XAProject::resourcePathsInBuild(const XAResourceBuild &build) const {
    if (build.appBundleWasSuccessfullyBuilt() && build.target() && build.buildConfiguration()) {
        const XAPlatform platform = platformForTarget(*build.target(), build.buildConfiguration()->name());
        if (auto listed = resourcePathsFromAppBundleAtPath(build.pathToBuiltAppBundle(), platform)) {
            return *listed;
        }
    }
    return inferredResourcePathsInBuild(build);
}
