#include "project/XAProjectBuildConfiguration.h"

#include "project/XAProjectFile.h"

#include <algorithm>
#include <cctype>

XAProjectBuildConfiguration::XAProjectBuildConfiguration(std::string objectID,
                                                         std::shared_ptr<const XAProjectData> projectData)
    : XAPbxprojElement(std::move(objectID), std::move(projectData)) {}

std::string XAProjectBuildConfiguration::name() const {
    const XAValue *own = pbx_ownObject();
    const std::string *name = own ? own->stringForKey("name") : nullptr;
    return name ? *name : std::string();
}

const XADictionary &XAProjectBuildConfiguration::buildSettings() const {
    static const XADictionary empty;
    const XAValue *own = pbx_ownObject();
    const XAValue *settings = own ? own->get("buildSettings") : nullptr;
    const XADictionary *dictionary = settings ? settings->dictionary() : nullptr;
    return dictionary ? *dictionary : empty;
}

std::shared_ptr<XAProjectFile> XAProjectBuildConfiguration::configFile() const {
    const XAValue *own = pbx_ownObject();
    const std::string *reference = own ? own->stringForKey("baseConfigurationReference") : nullptr;
    auto data = projectData();
    if (!reference || !data) {
        return nullptr;
    }
    auto found = data->fileReferenceObjects.find(*reference);
    return found == data->fileReferenceObjects.end() ? nullptr : found->second;
}

bool XAProjectBuildConfiguration::isReleaseConfiguration() const {
    std::string lowered = name();
    std::ranges::transform(lowered, lowered.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    auto contains = [&lowered](const char *word) { return lowered.find(word) != std::string::npos; };
    if (contains("debug") || contains("test")) {
        return false;
    }
    return contains("release") || contains("production") || contains("store");
}
