#pragma once

// A project as the xcodebuild stand-in reads it: the project file through the project model (its file tree, targets
// and build configurations), with the facts that build-setting resolution needs.

#include "project/XAProjectData.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class XAProjectBuildConfiguration;
class XAProjectTarget;

class XAStandInProject {
public:
    // Reads `<xcodeprojPath>/project.pbxproj`; the path is made absolute and standardised first. Files whose source
    // tree is DEVELOPER_DIR are placed in `developerDirectory`. No value, with a message, when the project file is
    // missing or cannot be read as a project.
    static std::optional<XAStandInProject> read(const std::string &xcodeprojPath, const std::string &developerDirectory,
                                                std::string *errorMessage);

    // The project a command line names: `projectPath` when given, else the only `.xcodeproj` in `workingDirectory`.
    // No value, with xcodebuild's message and exit status, when nothing exists at the given path (66), the folder
    // holds no project (66) or several (64).
    static std::optional<std::string> locate(const std::optional<std::string> &projectPath,
                                             const std::string &workingDirectory, int *status,
                                             std::string *errorMessage);

    const std::string &xcodeprojPath() const { return xcodeprojPath_; }
    std::string name() const;
    std::string folder() const;
    // The project's "developmentRegion" as written; empty when missing.
    std::string developmentRegion() const;

    const std::vector<std::shared_ptr<XAProjectTarget>> &targets() const { return targets_; }
    const std::vector<std::shared_ptr<XAProjectBuildConfiguration>> &buildConfigurations() const {
        return buildConfigurations_;
    }
    // The project-level configuration of exactly this name; null when there is none.
    std::shared_ptr<XAProjectBuildConfiguration> buildConfigurationForName(const std::string &name) const;
    // The configuration that "defaultConfigurationName" names, else the first; null when there are none.
    std::shared_ptr<XAProjectBuildConfiguration> defaultBuildConfiguration() const;
    // The target's configuration of exactly this name, else its default one; null when it has neither.
    std::shared_ptr<XAProjectBuildConfiguration> targetBuildConfiguration(const XAProjectTarget &target,
                                                                          const std::string &name) const;
    // The folders that hold the project's header files (its file references to headers), absolute, each once.
    std::vector<std::string> headerFolders() const;
    // The disk path of a configuration's base .xcconfig file; no value when it has none.
    static std::optional<std::string> baseConfigurationPath(const XAProjectBuildConfiguration &configuration);

private:
    XAStandInProject() = default;

    std::string xcodeprojPath_;
    std::shared_ptr<const XAProjectData> data_;
    std::vector<std::shared_ptr<XAProjectTarget>> targets_;
    std::vector<std::shared_ptr<XAProjectBuildConfiguration>> buildConfigurations_;
};
