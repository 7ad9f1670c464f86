#pragma once

#include "core/XAValue.h"
#include "project/XAPbxprojElement.h"

#include <memory>
#include <string>

class XAProjectFile;

// One named build configuration ("XCBuildConfiguration") of the project or of a target, with its settings as written
// in the project file and the `.xcconfig` file it is based on.
class XAProjectBuildConfiguration : public XAPbxprojElement {
public:
    XAProjectBuildConfiguration(std::string objectID, std::shared_ptr<const XAProjectData> projectData);

    // "name"; empty when missing.
    std::string name() const;
    // The raw "buildSettings" as written (unresolved, conditions in the keys); empty when missing. Lives as long as
    // the project record that this handle holds.
    const XADictionary &buildSettings() const;
    // The file named by "baseConfigurationReference" among the project's file references; null when there is none.
    std::shared_ptr<XAProjectFile> configFile() const;

    // Whether the name suggests a configuration for shipping: false when it contains "debug" or "test" (in any
    // letter case), else true when it contains "release", "production" or "store".
    bool isReleaseConfiguration() const;

protected:
    const char *className() const override { return "XAProjectBuildConfiguration"; }
};
