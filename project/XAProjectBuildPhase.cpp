#include "project/XAProjectBuildPhase.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "project/XAProjectFile.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char *, const char *>, 5> kPhaseKinds = {{
    {"PBXSourcesBuildPhase", "Compile Sources"},
    {"PBXFrameworksBuildPhase", "Link Binary with Libraries"},
    {"PBXResourcesBuildPhase", "Copy Bundle Resources"},
    {"PBXShellScriptBuildPhase", "Run Shell Script"},
    {"PBXCopyFilesBuildPhase", "Copy Files"},
}};

const char *textOrNull(const std::string *text) { return text ? text->c_str() : "(null)"; }

} // namespace

XAProjectBuildPhase::XAProjectBuildPhase(std::string objectID, std::shared_ptr<const XAProjectData> projectData)
    : XAPbxprojElement(std::move(objectID), std::move(projectData)) {}

XAProjectBuildPhaseType XAProjectBuildPhase::phaseType() const {
    const std::string *isa = pbx_isa();
    for (std::size_t index = 0; isa && index < kPhaseKinds.size(); ++index) {
        if (*isa == kPhaseKinds[index].first) {
            return static_cast<XAProjectBuildPhaseType>(index + 1);
        }
    }
    return XAProjectBuildPhaseTypeUnknown;
}

std::string XAProjectBuildPhase::phaseTypeName() const {
    XAProjectBuildPhaseType type = phaseType();
    if (type == XAProjectBuildPhaseTypeUnknown) {
        return std::string("Unknown (") + textOrNull(pbx_isa()) + ")";
    }
    return kPhaseKinds[type - 1].second;
}

std::vector<std::string> XAProjectBuildPhase::stringsOfKey(const char *key) const {
    std::vector<std::string> strings;
    const XAValue *own = pbx_ownObject();
    const XAValue *list = own ? own->get(key) : nullptr;
    if (const XAValue::Array *array = list ? list->array() : nullptr) {
        for (const XAValue &element : *array) {
            if (const std::string *text = element.string()) {
                strings.push_back(*text);
            }
        }
    }
    return strings;
}

std::vector<std::string> XAProjectBuildPhase::inputPaths() const { return stringsOfKey("inputPaths"); }

std::vector<std::string> XAProjectBuildPhase::outputPaths() const { return stringsOfKey("outputPaths"); }

std::string XAProjectBuildPhase::shellScriptContents() const {
    const XAValue *own = pbx_ownObject();
    const std::string *script = own ? own->stringForKey("shellScript") : nullptr;
    return script ? *script : std::string();
}

std::vector<std::shared_ptr<XAProjectFile>> XAProjectBuildPhase::phaseFiles() const {
    std::lock_guard lock(phaseFilesMutex_);
    if (!phaseFileObjects_) {
        phaseFileObjects_ = resolvePhaseFiles();
    }
    return *phaseFileObjects_;
}

std::vector<std::shared_ptr<XAProjectFile>> XAProjectBuildPhase::resolvePhaseFiles() const {
    std::vector<std::shared_ptr<XAProjectFile>> files;
    auto data = projectData();
    const XAValue *own = pbx_ownObject();
    const XAValue *buildFiles = own ? own->get("files") : nullptr;
    const XAValue::Array *buildFileIDs = buildFiles ? buildFiles->array() : nullptr;
    if (!data || !buildFileIDs) {
        return files;
    }
    const auto &fileObjects = data->fileReferenceObjects;
    auto knownFile = [&fileObjects](const std::string &id) {
        auto found = fileObjects.find(id);
        return found == fileObjects.end() ? nullptr : found->second;
    };
    files.reserve(buildFileIDs->size());
    for (const XAValue &idValue : *buildFileIDs) {
        const std::string *buildFileID = idValue.string();
        const XAValue *buildFile = buildFileID ? pbx_dictForID(*buildFileID) : nullptr;
        const std::string *fileRef = buildFile ? buildFile->stringForKey("fileRef") : nullptr;
        if (!fileRef || fileRef->empty()) {
            XALog(XALogLevelError, "ERROR: Missing fileRef for build file ID %s", textOrNull(buildFileID));
            continue;
        }
        if (auto file = knownFile(*fileRef)) {
            files.push_back(std::move(file));
            continue;
        }
        const XAValue *referenced = pbx_dictForID(*fileRef);
        const std::string *isa = referenced ? referenced->stringForKey("isa") : nullptr;
        if (isa && *isa == "PBXVariantGroup") {
            const XAValue *children = referenced->get("children");
            const XAValue::Array *childIDs = children ? children->array() : nullptr;
            for (std::size_t index = 0; childIDs && index < childIDs->size(); ++index) {
                const std::string *childID = (*childIDs)[index].string();
                if (auto file = childID ? knownFile(*childID) : nullptr) {
                    files.push_back(std::move(file));
                } else {
                    XALog(XALogLevelError, "ERROR: Cannot find phase file %s referred to by variant group %s",
                          textOrNull(childID), fileRef->c_str());
                }
            }
        } else if (isa && (*isa == "XCVersionGroup" || *isa == "PBXReferenceProxy")) {
            // Core Data model versions and sub-project products are not files of this project's tree.
        } else if (isa && *isa == "PBXFileReference") {
            const std::string *path = referenced->stringForKey("path");
            XALog(XALogLevelWarning,
                  "Warning: Unexpected file reference in \u2018%s\u2019 build phase \u2014 probably a broken file "
                  "reference (ID %s): %s",
                  phaseTypeName().c_str(), fileRef->c_str(),
                  textOrNull(path ? path : referenced->stringForKey("name")));
        } else {
            XALog(XALogLevelError, "ERROR: Unexpected isa type '%s' for ID %s", textOrNull(isa), fileRef->c_str());
        }
    }
    return files;
}

std::vector<std::string>
XAProjectBuildPhase::referenceProxyFilePathsWithResolvedBuildSettings(const XABuildSettings &settings) const {
    std::vector<std::string> paths;
    const XAValue *own = pbx_ownObject();
    const XAValue *buildFiles = own ? own->get("files") : nullptr;
    const XAValue::Array *buildFileIDs = buildFiles ? buildFiles->array() : nullptr;
    for (std::size_t index = 0; buildFileIDs && index < buildFileIDs->size(); ++index) {
        const std::string *buildFileID = (*buildFileIDs)[index].string();
        const XAValue *buildFile = buildFileID ? pbx_dictForID(*buildFileID) : nullptr;
        const std::string *fileRef = buildFile ? buildFile->stringForKey("fileRef") : nullptr;
        const XAValue *proxy = fileRef ? pbx_dictForID(*fileRef) : nullptr;
        const std::string *isa = proxy ? proxy->stringForKey("isa") : nullptr;
        if (!isa || *isa != "PBXReferenceProxy") {
            continue;
        }
        const std::string *sourceTree = proxy->stringForKey("sourceTree");
        std::string folder;
        if (sourceTree &&
            (*sourceTree == "BUILT_PRODUCTS_DIR" || *sourceTree == "SOURCE_ROOT" || *sourceTree == "DEVELOPER_DIR")) {
            auto found = settings.find(*sourceTree);
            folder = found == settings.end() ? std::string() : found->second;
        }
        if (!folder.empty()) {
            const std::string *path = proxy->stringForKey("path");
            paths.push_back(xa_stringByAppendingPathComponent(folder, path ? *path : std::string()));
        }
    }
    return paths;
}
