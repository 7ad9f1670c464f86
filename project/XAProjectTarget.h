#pragma once

#include "project/XAPbxprojElement.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class XAProjectBuildConfiguration;
class XAProjectBuildPhase;
class XAProjectFile;

// What a target builds, from its "productType".
enum XAProjectTargetType : int {
    XAProjectTargetTypeUnknown = 0,
    XAProjectTargetTypeApplication = 1,
    XAProjectTargetTypeShallowApplication = 2,
    XAProjectTargetTypeJavaApplication = 3,
    XAProjectTargetTypeBundle = 4,
    XAProjectTargetTypeShallowBundle = 5,
    XAProjectTargetTypeUnitTestBundle = 6,
    XAProjectTargetTypeOCUnitTestBundle = 7,
    XAProjectTargetTypeFramework = 8,
    XAProjectTargetTypeShallowFramework = 9,
    XAProjectTargetTypeStaticFramework = 10,
    XAProjectTargetTypeTool = 11,
    XAProjectTargetTypeJavaTool = 12,
    XAProjectTargetTypeJavaArchive = 13,
    XAProjectTargetTypeObjectFile = 14,
    XAProjectTargetTypeStaticLibrary = 15,
    XAProjectTargetTypeDynamicLibrary = 16,
    XAProjectTargetTypeKernelExtension = 17,
    XAProjectTargetTypeShallowKernelExtension = 18,
    XAProjectTargetTypeIOKitKernelExtension = 19,
    XAProjectTargetTypeShallowIOKitKernelExtension = 20,
    XAProjectTargetTypeInAppPurchaseContent = 21,
    XAProjectTargetTypeAppExtension = 22,
    XAProjectTargetTypeXPCService = 23,
    XAProjectTargetTypePlugInKitPlugIn = 24,
    XAProjectTargetTypeSpotlightImporter = 25,
};

// One target of the project. Its build phases, target-level build configurations, source files, resource files,
// asset catalogs and resource paths are worked out once, when the target is made (which resolves the phases' files,
// so the project record's file maps must be filled by then), and never change afterwards.
class XAProjectTarget : public XAPbxprojElement {
public:
    XAProjectTarget(std::string objectID, std::shared_ptr<const XAProjectData> projectData);

    // "name", "productType", "productName" of the target object; empty when missing.
    std::string name() const;
    std::string productType() const;
    std::string productName() const;

    const std::vector<std::shared_ptr<XAProjectBuildPhase>> &buildPhases() const { return buildPhases_; }
    const std::vector<std::shared_ptr<XAProjectBuildConfiguration>> &buildConfigurations() const {
        return buildConfigurations_;
    }
    // The source-code files of the Sources phases, in phase order.
    const std::vector<std::shared_ptr<XAProjectFile>> &sourceFiles() const { return sourceFiles_; }
    // The files of the Copy Bundle Resources phases, in phase order.
    const std::vector<std::shared_ptr<XAProjectFile>> &resourceFiles() const { return resourceFiles_; }
    const std::vector<std::shared_ptr<XAProjectFile>> &assetCatalogs() const { return assetCatalogs_; }
    // Where the resources land in the bundle, without leading or trailing "/": a folder reference contributes every
    // visible file under it ("Sounds/a.caf"), any other resource its pathAsResource. May hold duplicates.
    const std::vector<std::string> &resourcePaths() const { return resourcePaths_; }

    // The folder of the project; set by the project when it makes the target.
    std::string projectDiskRootPath() const;
    void setProjectDiskRootPath(std::string path);

    // The first target-level configuration whose name equals `name` without regard to letter case.
    std::shared_ptr<XAProjectBuildConfiguration> buildConfigurationForName(const std::string &name) const;

    // The type is worked out when the target is made; an unknown product type is logged then.
    XAProjectTargetType targetType() const { return targetType_; }
    bool targetTypeIsABundle() const;
    bool targetTypeIsAnApplication() const;
    bool targetTypeIsAnAppOrAppExtension() const;
    bool infoPlistIsExpectedToExist() const { return targetTypeIsABundle(); }
    // "Application", "Unit Test Bundle" ...; "Target" for an unknown type.
    std::string targetTypeDisplayName() const;

    // The resource files grouped by their base resource name ("Icon.png" for "Icon@2x~ipad.png"), each group in
    // phase order.
    std::map<std::string, std::vector<std::shared_ptr<XAProjectFile>>> resourcesGroupedByResourceBaseName() const;

    // Every visible file under the folder (hidden files skipped, symbolic links not followed), as a path that
    // starts with "/" and the folder's own name: "/Sounds/a.caf" for a.caf in the folder Sounds. Folders that
    // cannot be read are logged and skipped.
    static std::vector<std::string> resourceFilesInDirRecursive(const std::string &folderPath);

protected:
    const char *className() const override { return "XAProjectTarget"; }

private:
    void cacheData();
    void cacheBuildPhases();
    void cacheBuildConfigurations();
    void cacheSourceFiles();
    void cacheResourceFiles();
    void cacheAssetCatalogs();
    void cacheResourcePaths();
    const std::string *ownString(const char *key) const;

    std::vector<std::shared_ptr<XAProjectBuildPhase>> buildPhases_;
    std::vector<std::shared_ptr<XAProjectBuildConfiguration>> buildConfigurations_;
    std::vector<std::shared_ptr<XAProjectFile>> sourceFiles_;
    std::vector<std::shared_ptr<XAProjectFile>> resourceFiles_;
    std::vector<std::shared_ptr<XAProjectFile>> assetCatalogs_;
    std::vector<std::string> resourcePaths_;
    XAProjectTargetType targetType_ = XAProjectTargetTypeUnknown;

    mutable std::mutex rootPathMutex_;
    std::string projectDiskRootPath_;
};
