#include "project/XATargetHeaders.h"

#include "project/XAPhaseBuildFiles.h"
#include "project/XAProjectBuildPhase.h"
#include "project/XAProjectTarget.h"

namespace {

XAHeaderVisibility visibilityOfSettings(const XAValue *settings) {
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
    for (const XAPhaseBuildFile &buildFile : XAPhaseBuildFiles(phase)) {
        headers.push_back({buildFile.file, visibilityOfSettings(buildFile.settings)});
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
