#include "app/shell/XAProjectList.h"

#include "app/shell/XADispatch.h"
#include "core/XALog.h"
#include "core/XAPropertyList.h"
#include "core/XAUserFolders.h"

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

void pruneCaches(const std::vector<XAProjectReference> &references) {
    XAProjectReference::removeUnusedCachedBookmarksWithProjectReferenceList(references);
    XAProjectReference::removeUnusedCachedIconsWithProjectReferenceList(references);
}

bool writeFileAtomically(const std::string &path, const std::string &bytes) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        stream << bytes;
        if (!stream.flush()) {
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

} // namespace

XAProjectList::XAProjectList(std::string identifier, std::uint64_t maxLength)
    : identifier_(std::move(identifier)), maxLength_(maxLength) {}

XAProjectList &XAProjectList::recentProjectsList() {
    static XAProjectList list("recentProjects", 30);
    return list;
}

std::string XAProjectList::diskPath() const {
    return XAApplicationSupportFilePath("ProjectList-" + identifier_ + ".plist");
}

XAProjectList::LoadResult XAProjectList::readListFile(const std::string &path) {
    LoadResult result;
    std::error_code existsError;
    if (!std::filesystem::exists(path, existsError)) {
        return result;
    }
    XAError error;
    const std::optional<XAValue> list = XAPropertyListFromFile(path, &error);
    if (!list || !list->array()) {
        XALog(XALogLevelError, "Error reading project list %s: %s", path.c_str(),
              list ? "the file holds no array" : error.message.c_str());
        result.prune = false; // the entries are unknown, so every cache file may still be needed
        return result;
    }
    for (const XAValue &entry : *list->array()) {
        if (const XADictionary *form = entry.dictionary()) {
            result.references.emplace_back(*form);
        }
    }
    return result;
}

void XAProjectList::loadFromDiskForced(bool forced, std::function<void()> completion) {
    if (!forced && loadedFromDisk_) {
        XADispatchToMain([completion = std::move(completion)] {
            if (completion) {
                completion();
            }
        });
        return;
    }
    const std::string path = diskPath();
    XADispatchToGlobal([this, path, completion = std::move(completion)] {
        auto result = std::make_shared<LoadResult>(readListFile(path));
        if (result->prune) {
            pruneCaches(result->references);
        }
        XADispatchToMain([this, result, completion] {
            projectReferences_ = std::move(result->references);
            loadedFromDisk_ = true;
            if (completion) {
                completion();
            }
        });
    });
}

std::vector<XADictionary> XAProjectList::projectReferenceSerializableForms() const {
    std::vector<XADictionary> forms;
    for (const XAProjectReference &reference : projectReferences_) {
        forms.push_back(reference.serializableForm());
    }
    return forms;
}

void XAProjectList::saveListToDisk() const {
    XAValue::Array entries;
    for (XADictionary &form : projectReferenceSerializableForms()) {
        entries.emplace_back(std::move(form));
    }
    XAError error;
    const std::optional<std::string> data = XABinaryPropertyListData(XAValue(std::move(entries)), &error);
    if (!data) {
        XALog(XALogLevelError, "Error generating project list %s plist: %s", identifier_.c_str(),
              error.message.c_str());
        return;
    }
    const std::string path = diskPath();
    if (!writeFileAtomically(path, *data)) {
        XALog(XALogLevelError, "Error writing project list %s to %s", identifier_.c_str(), path.c_str());
    }
}

void XAProjectList::addProjectWithPath(const std::string &path, const QImage &icon) {
    XAProjectReference reference(path, icon);
    std::erase_if(projectReferences_, [&path](const XAProjectReference &entry) { return entry.pathOnDisk() == path; });
    reference.cacheIconOnDisk();
    reference.cacheBookmarkOnDisk();
    projectReferences_.insert(projectReferences_.begin(), std::move(reference));
    if (projectReferences_.size() > maxLength_) {
        projectReferences_.resize(maxLength_);
    }
    saveListToDisk();
}

void XAProjectList::removeProjectAtIndex(std::uint64_t index) {
    if (index >= projectReferences_.size()) {
        return;
    }
    projectReferences_.erase(projectReferences_.begin() + static_cast<std::ptrdiff_t>(index));
    pruneCaches(projectReferences_);
    saveListToDisk();
}

void XAProjectList::removeProject(const XAProjectReference &reference) {
    for (std::size_t index = 0; index < projectReferences_.size(); ++index) {
        if (projectReferences_[index].pathOnDisk() == reference.pathOnDisk()) {
            removeProjectAtIndex(index);
            return;
        }
    }
}
