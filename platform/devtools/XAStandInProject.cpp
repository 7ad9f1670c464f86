#include "platform/devtools/XAStandInProject.h"

#include "core/XAPaths.h"
#include "project/XAPbxprojElement.h"
#include "project/XAPbxprojReader.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectFileTree.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

// The object of a configuration list that `owner` names under "buildConfigurationList".
const XAValue *configurationList(const XAPbxprojElement &reader, const XAValue *owner) {
    const std::string *listID = owner ? owner->stringForKey("buildConfigurationList") : nullptr;
    return listID ? reader.pbx_dictForID(*listID) : nullptr;
}

std::shared_ptr<XAProjectBuildConfiguration>
defaultOfList(const XAPbxprojElement &reader, const XAValue *owner,
              const std::vector<std::shared_ptr<XAProjectBuildConfiguration>> &configurations) {
    const XAValue *list = configurationList(reader, owner);
    const std::string *defaultName = list ? list->stringForKey("defaultConfigurationName") : nullptr;
    for (const auto &configuration : configurations) {
        if (defaultName && configuration->name() == *defaultName) {
            return configuration;
        }
    }
    return nullptr;
}

} // namespace

std::optional<XAStandInProject> XAStandInProject::read(const std::string &xcodeprojPath,
                                                       const std::string &developerDirectory,
                                                       std::string *errorMessage) {
    XAStandInProject project;
    project.xcodeprojPath_ = xa_absoluteCLIPath(xcodeprojPath);
    auto record = std::make_shared<XAProjectData>();
    record->xcodeprojPath = project.xcodeprojPath_;
    XAError error;
    record->projectDict = XAReadPbxproj(project.xcodeprojPath_ + "/project.pbxproj", &error);
    if (!record->projectDict) {
        if (errorMessage) {
            *errorMessage = error.message;
        }
        return std::nullopt;
    }
    XABuildProjectFileTree(*record, [developerDirectory]() { return std::optional<std::string>(developerDirectory); });
    project.data_ = std::move(record);

    XAPbxprojElement reader(std::string(), project.data_);
    const XAValue *root = reader.pbx_projectRootObject();
    project.targets_ = reader.pbx_elementsOfClass<XAProjectTarget>(root ? root->get("targets") : nullptr);
    const XAValue *list = configurationList(reader, root);
    project.buildConfigurations_ =
        reader.pbx_elementsOfClass<XAProjectBuildConfiguration>(list ? list->get("buildConfigurations") : nullptr);
    return project;
}

std::optional<std::string> XAStandInProject::locate(const std::optional<std::string> &projectPath,
                                                    const std::string &workingDirectory, int *status,
                                                    std::string *errorMessage) {
    auto fail = [&](int code, std::string message) -> std::optional<std::string> {
        if (status) {
            *status = code;
        }
        if (errorMessage) {
            *errorMessage = std::move(message);
        }
        return std::nullopt;
    };
    std::error_code error;
    if (projectPath) {
        if (!std::filesystem::exists(*projectPath, error)) {
            return fail(66, "'" + *projectPath + "' does not exist.");
        }
        return projectPath;
    }
    std::vector<std::string> projects;
    // Stepped with error codes: a folder that cannot be listed holds no project, and nothing throws.
    for (std::filesystem::directory_iterator entry(workingDirectory, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->path().extension() == ".xcodeproj") {
            projects.push_back(entry->path().string());
        }
    }
    std::sort(projects.begin(), projects.end());
    if (projects.size() == 1) {
        return projects.front();
    }
    if (projects.empty()) {
        return fail(66, "The directory " + workingDirectory + " does not contain an Xcode project.");
    }
    return fail(64, "The directory " + workingDirectory + " contains " + std::to_string(projects.size()) +
                        " projects. Specify the project to use with the -project option.");
}

std::string XAStandInProject::name() const {
    return xa_stringByDeletingPathExtension(xa_lastPathComponent(xcodeprojPath_));
}

std::string XAStandInProject::folder() const { return xa_stringByDeletingLastPathComponent(xcodeprojPath_); }

std::vector<std::string> XAStandInProject::headerFolders() const {
    std::set<std::string> folders;
    for (const auto &[identifier, file] : data_->fileReferenceObjects) {
        if (file && file->isHeaderFile() && file->pathOnDisk() && !file->pathOnDisk()->empty()) {
            std::error_code ignored;
            const std::string path = std::filesystem::absolute(*file->pathOnDisk(), ignored).string();
            folders.insert(xa_stringByDeletingLastPathComponent(xa_stringByStandardizingPath(path)));
        }
    }
    return {folders.begin(), folders.end()};
}

std::string XAStandInProject::developmentRegion() const {
    XAPbxprojElement reader(std::string(), data_);
    const XAValue *root = reader.pbx_projectRootObject();
    const std::string *region = root ? root->stringForKey("developmentRegion") : nullptr;
    return region ? *region : std::string();
}

std::shared_ptr<XAProjectBuildConfiguration>
XAStandInProject::buildConfigurationForName(const std::string &name) const {
    for (const auto &configuration : buildConfigurations_) {
        if (configuration->name() == name) {
            return configuration;
        }
    }
    return nullptr;
}

std::shared_ptr<XAProjectBuildConfiguration> XAStandInProject::defaultBuildConfiguration() const {
    XAPbxprojElement reader(std::string(), data_);
    auto configuration = defaultOfList(reader, reader.pbx_projectRootObject(), buildConfigurations_);
    if (!configuration && !buildConfigurations_.empty()) {
        configuration = buildConfigurations_.front();
    }
    return configuration;
}

std::shared_ptr<XAProjectBuildConfiguration> XAStandInProject::targetBuildConfiguration(const XAProjectTarget &target,
                                                                                        const std::string &name) const {
    for (const auto &configuration : target.buildConfigurations()) {
        if (configuration->name() == name) {
            return configuration;
        }
    }
    return defaultOfList(target, target.pbx_ownObject(), target.buildConfigurations());
}

std::optional<std::string> XAStandInProject::baseConfigurationPath(const XAProjectBuildConfiguration &configuration) {
    std::shared_ptr<XAProjectFile> file = configuration.configFile();
    return file ? file->pathOnDisk() : std::nullopt;
}
