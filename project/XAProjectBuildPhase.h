#pragma once

#include "project/XABuildSettingsOutput.h"
#include "project/XAPbxprojElement.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class XAProjectFile;

// What a build phase does, from its "isa".
enum XAProjectBuildPhaseType : int {
    XAProjectBuildPhaseTypeUnknown = 0,
    XAProjectBuildPhaseTypeSources = 1,     // PBXSourcesBuildPhase
    XAProjectBuildPhaseTypeFrameworks = 2,  // PBXFrameworksBuildPhase
    XAProjectBuildPhaseTypeResources = 3,   // PBXResourcesBuildPhase
    XAProjectBuildPhaseTypeShellScript = 4, // PBXShellScriptBuildPhase
    XAProjectBuildPhaseTypeCopyFiles = 5,   // PBXCopyFilesBuildPhase
};

// One build phase of a target and the files it contains.
class XAProjectBuildPhase : public XAPbxprojElement {
public:
    XAProjectBuildPhase(std::string objectID, std::shared_ptr<const XAProjectData> projectData);

    XAProjectBuildPhaseType phaseType() const;
    // "Compile Sources", "Link Binary with Libraries", "Copy Bundle Resources", "Run Shell Script", "Copy Files";
    // "Unknown (<isa>)" for any other phase.
    std::string phaseTypeName() const;
    // The phase's "inputPaths" and "outputPaths" (strings only); empty when missing.
    std::vector<std::string> inputPaths() const;
    std::vector<std::string> outputPaths() const;
    // "shellScript"; empty when missing.
    std::string shellScriptContents() const;

    // The project files of the phase's build files, in "files" order, made once on first use. A build file that
    // names a variant group stands for the group's children; build files of sub-project products (reference
    // proxies) and version groups are skipped; broken references are logged and skipped.
    std::vector<std::shared_ptr<XAProjectFile>> phaseFiles() const;

    // Paths of the sub-project products (reference proxies) among the phase's build files whose source tree is
    // "BUILT_PRODUCTS_DIR", "SOURCE_ROOT" or "DEVELOPER_DIR": that setting's value joined with the proxy's "path".
    // Proxies whose folder is unknown or empty are left out.
    std::vector<std::string> referenceProxyFilePathsWithResolvedBuildSettings(const XABuildSettings &settings) const;

protected:
    const char *className() const override { return "XAProjectBuildPhase"; }

private:
    std::vector<std::shared_ptr<XAProjectFile>> resolvePhaseFiles() const;
    std::vector<std::string> stringsOfKey(const char *key) const;

    mutable std::mutex phaseFilesMutex_;
    mutable std::optional<std::vector<std::shared_ptr<XAProjectFile>>> phaseFileObjects_;
};
