#pragma once

// What the project's resource operations need to know of the build of one target in one build configuration. The
// code model's build (XABuild) provides it; the project model works through this interface because that class belongs
// to the layer above it.

#include "core/XAProgressMessage.h"
#include "core/XAValue.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class XAProjectBuildConfiguration;
class XAProjectTarget;

// One step of the build log, as the resource inference reads it.
struct XAResourceBuildStep {
    std::string name;                          // "CpResource", "CompileXIB", ...
    bool compilesInterfaceBuilderFile = false; // a XIB or storyboard compile step
    std::vector<std::string> arguments;
    std::vector<std::string> commands;
};

class XAResourceBuild {
public:
    virtual ~XAResourceBuild() = default;

    virtual const std::shared_ptr<XAProjectTarget> &target() const = 0;
    virtual const std::shared_ptr<XAProjectBuildConfiguration> &buildConfiguration() const = 0;
    // The steps of the target's part of the log, in log order.
    virtual std::vector<XAResourceBuildStep> resourceBuildSteps() const = 0;
    // The application bundle the target builds, when a step names one.
    virtual std::optional<std::string> pathToBuiltAppBundle() const = 0;
    // A real build (not a dry run) whose bundle exists.
    virtual bool appBundleWasSuccessfullyBuilt() const = 0;
    virtual bool compilesAssetCatalogsIntoCombinedBinaryFile() const = 0;
    virtual const std::optional<XADictionary> &infoPlistDictionary() const = 0;
    // Whether a path lies in an application bundle inside a build-products folder.
    virtual bool pathIsUnderAppBundleBuildDir(const std::string &path) const = 0;
    // The resources that the project's CocoaPods resource script copies into the bundle; none when there is no
    // script or it fails.
    virtual std::optional<std::vector<std::string>>
    cocoaPodsResourcePathsWithProgress(const XAProgressHandler &progress) const = 0;
};
