#include "project/XAPhaseBuildFiles.h"

#include "project/XAProjectBuildPhase.h"

std::vector<XAPhaseBuildFile> XAPhaseBuildFiles(const XAProjectBuildPhase &phase) {
    std::vector<XAPhaseBuildFile> files;
    auto data = phase.projectData();
    const XAValue *own = phase.pbx_ownObject();
    const XAValue *list = own ? own->get("files") : nullptr;
    const XAValue::Array *ids = list ? list->array() : nullptr;
    for (std::size_t index = 0; data && ids && index < ids->size(); ++index) {
        const std::string *id = (*ids)[index].string();
        const XAValue *buildFile = id ? phase.pbx_dictForID(*id) : nullptr;
        const std::string *fileRef = buildFile ? buildFile->stringForKey("fileRef") : nullptr;
        auto found = fileRef ? data->fileReferenceObjects.find(*fileRef) : data->fileReferenceObjects.end();
        if (found != data->fileReferenceObjects.end()) {
            files.push_back({found->second, buildFile->get("settings")});
        }
    }
    return files;
}
