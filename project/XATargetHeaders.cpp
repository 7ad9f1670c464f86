#include "project/XATargetHeaders.h"

#include "project/XAProjectBuildPhase.h"
#include "project/XAProjectTarget.h"

namespace {

XAHeaderVisibility visibilityOfBuildFile(const XAValue &buildFile) {
    const XAValue *settings = buildFile.get("settings");
    const XAValue *attributes = settings ? settings->get("ATTRIBUTES") : nullptr;
    const XAValue::Array *list = attributes ? attributes->array() : nullptr;
    XAHeaderVisibility visibility = XAHeaderVisibility::Project;
    for (std::size_t index = 0; list && index < list->size(); ++index) {
        const std::string *attribute = (*list)[index].string();
        if (attribute && *attribute == "Public") {
            visibility = XAHeaderVisibility::Public;
        } else if (attribute && *attribute == "Private" && visibility != XAHeaderVisibility::Public) {
            visibility = XAHeaderVisibility::Private;
        }
    }
    return visibility;
}

} // namespace

bool XAIsHeadersBuildPhase(const XAProjectBuildPhase &phase) {
    const std::string *isa = phase.pbx_isa();
    return isa && *isa == "PBXHeadersBuildPhase";
}

std::vector<XATargetHeader> XAHeadersOfBuildPhase(const XAProjectBuildPhase &phase) {
    std::vector<XATargetHeader> headers;
    auto data = phase.projectData();
    const XAValue *own = phase.pbx_ownObject();
    const XAValue *files = own ? own->get("files") : nullptr;
    const XAValue::Array *ids = files ? files->array() : nullptr;
    for (std::size_t index = 0; data && ids && index < ids->size(); ++index) {
        const std::string *id = (*ids)[index].string();
        const XAValue *buildFile = id ? phase.pbx_dictForID(*id) : nullptr;
        const std::string *fileRef = buildFile ? buildFile->stringForKey("fileRef") : nullptr;
        auto found = fileRef ? data->fileReferenceObjects.find(*fileRef) : data->fileReferenceObjects.end();
        if (found != data->fileReferenceObjects.end()) {
            headers.push_back({found->second, visibilityOfBuildFile(*buildFile)});
        }
    }
    return headers;
}

std::vector<XATargetHeader> XATargetHeaders(const XAProjectTarget &target) {
    std::vector<XATargetHeader> headers;
    for (const auto &phase : target.buildPhases()) {
        if (XAIsHeadersBuildPhase(*phase)) {
            std::vector<XATargetHeader> ofPhase = XAHeadersOfBuildPhase(*phase);
            headers.insert(headers.end(), ofPhase.begin(), ofPhase.end());
        }
    }
    return headers;
}
