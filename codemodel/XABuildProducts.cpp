// What the build derives from the steps of its log: compilation infos, the Info.plist, the built bundle and the XIB
// and storyboard files.

#include "codemodel/XABuild.h"

#include "codemodel/XALibclang.h"
#include "core/XACollections.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAVersionStrings.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"
#include "project/XAXIB.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

namespace {

bool exists(const std::string &path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

// The path made absolute against the project folder when it is relative, standardised.
std::string absolutePath(const std::string &path, const std::string &projectFolder) {
    return xa_stringByStandardizingPath(
        xa_isAbsolutePath(path) ? path : xa_stringByAppendingPathComponent(projectFolder, path));
}

// The architecture most steps are compiled for; on a tie the one that occurs first; none without any.
std::optional<std::string> preferredArchitecture(const std::vector<const XABuildStep *> &compileSteps) {
    std::map<std::string, std::pair<std::size_t, std::size_t>> countAndFirstIndex;
    for (std::size_t index = 0; index < compileSteps.size(); ++index) {
        std::optional<std::string> architecture =
            XACompilationInfo::architectureForCompilationBuildStep(*compileSteps[index]);
        if (architecture && !architecture->empty()) {
            auto [entry, inserted] = countAndFirstIndex.try_emplace(*architecture, 0, index);
            ++entry->second.first;
        }
    }
    std::optional<std::string> preferred;
    std::pair<std::size_t, std::size_t> best{0, 0};
    for (const auto &[architecture, entry] : countAndFirstIndex) {
        if (!preferred || entry.first > best.first || (entry.first == best.first && entry.second < best.second)) {
            preferred = architecture;
            best = entry;
        }
    }
    return preferred;
}

} // namespace

std::shared_ptr<const XABuildSettings> XABuild::targetBuildSettings() const {
    return project_->resolvedBuildSettingsForTarget(*target_, buildConfiguration_->name());
}

XAParsingEnvironment XABuild::parsingEnvironment() const { return XAParsingEnvironment::current(); }

std::shared_ptr<XAHeaderMapStandIns> XABuild::headerMapStandIns() const {
    if (headerMapStandIns_) {
        return headerMapStandIns_;
    }
    return std::make_shared<XAHeaderMapStandIns>(*project_, buildConfiguration_->name(), target_->name());
}

std::optional<std::vector<std::string>> XABuild::extraCompilerArgs() const {
    return configuration_.extraCompilerArgs();
}

// ---- Compilation infos ----

XACompilationInfosByFilePath XABuild::compilationInfosByFileFromBuildSteps(const std::vector<XABuildStep> &steps,
                                                                           const XAProgressHandler &progress) const {
    if (!isComplete() || !XALibclang::isLoaded()) {
        return {};
    }
    std::vector<const XABuildStep *> compileSteps;
    for (const XABuildStep &step : steps) {
        if (step.kind() == XABuildStepKindCompileC) {
            compileSteps.push_back(&step);
        }
    }
    const std::optional<std::string> preferred = preferredArchitecture(compileSteps);
    XALog(XALogLevelDebug, "Preferring architecture: %s", preferred.value_or("(null)").c_str());

    const XASharedBuildSettings buildSettings =
        XASharedBuildSettings(targetBuildSettings()).withHeaderMapStandIns(headerMapStandIns());
    const std::vector<std::string> headers = pchPaths();
    const XAParsingEnvironment environment = parsingEnvironment();
    const std::optional<std::vector<std::string>> extraArguments = extraCompilerArgs();

    const auto infos = fk::parallelMap(
        compileSteps, [&](const XABuildStep *step) -> std::shared_ptr<const XAProjectFileCompilationInfo> {
            if (!preferred || XACompilationInfo::architectureForCompilationBuildStep(*step) != preferred) {
                return nullptr;
            }
            return std::make_shared<const XAProjectFileCompilationInfo>(*step, *project_, buildSettings, headers,
                                                                        extraArguments, progress, environment);
        });

    XACompilationInfosByFilePath infosByPath;
    for (const auto &info : infos) {
        if (info && !info->filePath().empty() && !info->isCompilationForIgnoredArchitecture()) {
            infosByPath.insert_or_assign(info->filePath(), info);
        }
    }
    return infosByPath;
}

XAPCHCompilationInfos XABuild::pchCompilationInfosFromBuildSteps(const std::vector<XABuildStep> &steps,
                                                                 const XAProgressHandler &progress) const {
    if (!isComplete() || !XALibclang::isLoaded()) {
        return {};
    }
    const XASharedBuildSettings buildSettings =
        XASharedBuildSettings(targetBuildSettings()).withHeaderMapStandIns(headerMapStandIns());
    const XAParsingEnvironment environment = parsingEnvironment();
    const std::optional<std::vector<std::string>> extraArguments = extraCompilerArgs();
    XAPCHCompilationInfos infos;
    for (const XABuildStep &step : steps) {
        if (step.kind() != XABuildStepKindProcessPCH) {
            continue;
        }
        if (auto info = XAPCHCompilationInfo::compilationInfoWithBuildStep(step, *project_, buildSettings,
                                                                           extraArguments, progress, environment)) {
            infos.push_back(std::move(info));
        }
    }
    return infos;
}

std::vector<std::string> XABuild::pchPaths() const {
    std::vector<std::string> paths;
    for (const auto &info : pchCompilationInfos_) {
        if (!info->outputPath().empty() && !info->isCompilationForIgnoredArchitecture()) {
            paths.push_back(info->outputPath());
        }
    }
    return paths;
}

// ---- Info.plist and the built bundle ----

std::optional<std::string> XABuild::infoPlistFilePathFromBuildSteps(const std::vector<XABuildStep> &steps) const {
    if (!isComplete()) {
        return std::nullopt;
    }
    const std::string projectFolder = project_->projectDiskRootPath();
    auto processing = std::find_if(steps.begin(), steps.end(), [](const XABuildStep &step) {
        return step.kind() == XABuildStepKindProcessInfoPlistFile;
    });
    if (processing == steps.end()) {
        return std::nullopt;
    }
    const std::optional<std::string> input = processing->inputPath();
    if (!input || input->empty()) {
        return std::nullopt;
    }
    const std::string path = absolutePath(*input, projectFolder);
    if (exists(path)) {
        return path;
    }
    // A target that preprocesses its Info.plist: the processing step reads what a dry run never wrote, and the
    // preprocessing step that would write it names the source.
    for (const XABuildStep &step : steps) {
        if (step.kind() != XABuildStepKindPreprocess) {
            continue;
        }
        const std::optional<std::string> output = step.outputPath();
        const std::optional<std::string> source = step.inputPath();
        if (output == path && source && !source->empty() && !xa_isAbsolutePath(*source)) {
            const std::string sourcePath = absolutePath(*source, projectFolder);
            if (exists(sourcePath)) {
                return sourcePath;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> XABuild::pathToBuiltAppBundle() const {
    if (!isComplete()) {
        return std::nullopt;
    }
    for (const XABuildStep &step : targetBuildSteps_) {
        if (step.arguments().empty()) {
            continue;
        }
        const std::optional<std::string> input = step.inputPath();
        if (input && input->ends_with(".app") && XABuildLogCache::pathIsUnderAppBundleBuildDir(*input)) {
            return absolutePath(*input, project_->projectDiskRootPath());
        }
    }
    return std::nullopt;
}

bool XABuild::appBundleWasSuccessfullyBuilt() const {
    if (buildWasDryRun_) {
        return false;
    }
    const std::optional<std::string> bundle = pathToBuiltAppBundle();
    return bundle && exists(*bundle);
}

bool XABuild::compilesAssetCatalogsIntoCombinedBinaryFile() const {
    if (!isComplete()) {
        return false;
    }
    const std::string configurationName = buildConfiguration_->name();
    if (project_->platformForTarget(*target_, configurationName) != XAPlatformIOS) {
        return false;
    }
    const std::optional<std::string> deploymentTarget =
        project_->minDeploymentTargetVersionForTarget(*target_, configurationName);
    return XACompareVersionStrings(deploymentTarget ? std::optional<std::string_view>(*deploymentTarget) : std::nullopt,
                                   "7.0") != XAOrderedAscending;
}

// ---- XIB and storyboard files ----

std::vector<std::string> XABuild::XIBFilePathsFromBuildSteps(const std::vector<XABuildStep> &steps) const {
    if (!isComplete()) {
        return {};
    }
    const std::string projectFolder = project_->projectDiskRootPath();
    std::vector<std::string> paths;
    for (const XABuildStep &step : steps) {
        if (step.kind() != XABuildStepKindCompileXIB && step.kind() != XABuildStepKindCompileStoryboard) {
            continue;
        }
        const std::optional<std::string> input = step.inputPath();
        if (!input || input->empty()) {
            continue;
        }
        if (xa_isAbsolutePath(*input)) {
            paths.push_back(*input);
            continue;
        }
        // ibtool's command line names the file as the build saw it; its last argument is absolute where the step's
        // header is not.
        std::optional<std::string> fromCommand;
        const std::vector<std::string> &commands = step.commands();
        for (auto command = commands.rbegin(); command != commands.rend(); ++command) {
            const std::vector<std::string> columns = xa_argumentLineColumns(*command);
            if (!columns.empty() && xa_lastPathComponent(columns.front()) == "ibtool") {
                if (xa_isAbsolutePath(columns.back())) {
                    fromCommand = columns.back();
                }
                break;
            }
        }
        paths.push_back(fromCommand ? *fromCommand : absolutePath(*input, projectFolder));
    }
    return paths;
}

std::size_t XABuild::numberOfXIBs() const {
    std::size_t count = 0;
    for (const auto &[key, steps] : buildStepsByTargetKey_) {
        count += XIBFilePathsFromBuildSteps(steps).size();
    }
    return count;
}

void XABuild::parseAndCacheXIBs() {
    std::map<std::string, XAXIBs> XIBsByTargetKey;
    for (const auto &[key, steps] : buildStepsByTargetKey_) {
        XIBsByTargetKey[key] = fk::parallelMap(
            XIBFilePathsFromBuildSteps(steps),
            [](const std::string &path) -> std::shared_ptr<const XAXIB> { return XAXIB::XIBWithFile(path); });
    }
    XIBsByTargetKey_ = std::move(XIBsByTargetKey);
}

XAXIBs XABuild::allXIBs() const {
    XAXIBs all;
    for (const auto &[key, XIBs] : XIBsByTargetKey_) {
        all.insert(all.end(), XIBs.begin(), XIBs.end());
    }
    return all;
}

XAXIBs XABuild::xcode4FormatXIBs() const {
    XAXIBs archives;
    for (const auto &XIB : allXIBs()) {
        if (XIB && XIB->format() == XAXIBFormatArchive) {
            archives.push_back(XIB);
        }
    }
    return archives;
}

const XAXIBs *XABuild::XIBsForProjectName(std::string_view projectName, std::string_view targetName) const {
    auto found = XIBsByTargetKey_.find(keyForProjectName(projectName, targetName));
    return found == XIBsByTargetKey_.end() ? nullptr : &found->second;
}
