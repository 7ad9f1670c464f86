#include "project/XAProjectFileTree.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "project/XADevEnvironment.h"
#include "project/XAProjectFile.h"

#include <algorithm>
#include <vector>

namespace {

std::optional<std::string> stringOfKey(const XAValue &object, std::string_view key) {
    const std::string *text = object.stringForKey(key);
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

// One walk over the groups of a project file, filling `files` by identifier.
class FileTreeWalk {
public:
    FileTreeWalk(const XAValue &objects, std::string projectDiskRootPath,
                 std::shared_ptr<const XAProjectData> filesRecord,
                 const XADeveloperDirectoryProvider &developerDirectory)
        : objects_(objects), projectDiskRootPath_(std::move(projectDiskRootPath)), filesRecord_(std::move(filesRecord)),
          developerDirectory_(developerDirectory) {}

    void walkGroup(const std::string &groupID, const std::optional<std::string> &diskPath,
                   const std::optional<std::string> &groupPath);

    std::map<std::string, std::shared_ptr<XAProjectFile>> files;

private:
    std::optional<std::string> baseFolder(const std::optional<std::string> &sourceTree,
                                          const std::optional<std::string> &groupDiskPath);
    void addFile(const std::string &fileID, const XAValue &reference, const std::optional<std::string> &diskPath,
                 const std::optional<std::string> &groupPath);
    void walkChild(const std::string &childID, const std::optional<std::string> &groupDiskPath,
                   const std::optional<std::string> &groupPath);

    // A project file is user input: a group that is its own ancestor would otherwise be walked without end.
    static constexpr size_t kMaximumGroupDepth = 512;

    const XAValue &objects_;
    std::string projectDiskRootPath_;
    std::shared_ptr<const XAProjectData> filesRecord_;
    const XADeveloperDirectoryProvider &developerDirectory_;
    std::optional<std::optional<std::string>> developerDirectoryPath_;
    std::vector<std::string> groupChain_;
};

std::optional<std::string> FileTreeWalk::baseFolder(const std::optional<std::string> &sourceTree,
                                                    const std::optional<std::string> &groupDiskPath) {
    if (!sourceTree || sourceTree->empty()) {
        return std::nullopt;
    }
    if (*sourceTree == "<group>") {
        return groupDiskPath;
    }
    if (*sourceTree == "<absolute>") {
        return std::string();
    }
    if (*sourceTree == "SOURCE_ROOT") {
        return projectDiskRootPath_;
    }
    if (*sourceTree == "DEVELOPER_DIR") {
        if (!developerDirectoryPath_) {
            developerDirectoryPath_ =
                developerDirectory_ ? developerDirectory_() : XADevEnvironment::sharedEnvironment().devDirRootPath();
        }
        return *developerDirectoryPath_;
    }
    return "${" + *sourceTree + "}";
}

void FileTreeWalk::addFile(const std::string &fileID, const XAValue &reference,
                           const std::optional<std::string> &diskPath, const std::optional<std::string> &groupPath) {
    const std::optional<std::string> path = stringOfKey(reference, "path");
    std::optional<std::string> resourcePath;
    if (path) {
        const auto components = xa_pathComponents(*path);
        const bool inLproj = !components.empty() && xa_pathExtension(components.front()) == "lproj";
        resourcePath = inLproj ? *path : xa_lastPathComponent(*path);
    }
    std::optional<std::string> fileGroupPath = groupPath;
    if (diskPath) {
        fileGroupPath = xa_stringByAppendingPathComponent(groupPath.value_or(""), xa_lastPathComponent(*diskPath));
    }
    files[fileID] = XAProjectFile::fileWithPbxObjectID(fileID, filesRecord_, fileGroupPath, diskPath, resourcePath,
                                                       stringOfKey(reference, "sourceTree"));
}

void FileTreeWalk::walkChild(const std::string &childID, const std::optional<std::string> &groupDiskPath,
                             const std::optional<std::string> &groupPath) {
    const XAValue *child = objects_.get(childID);
    if (!child || !child->isDictionary()) {
        return;
    }
    const std::optional<std::string> path = stringOfKey(*child, "path");
    const std::optional<std::string> base = baseFolder(stringOfKey(*child, "sourceTree"), groupDiskPath);
    const std::optional<std::string> diskPath = base ? XAJoinPath(base, path) : path;
    const std::optional<std::string> isa = stringOfKey(*child, "isa");
    if (isa == "PBXFileReference") {
        addFile(childID, *child, diskPath, groupPath);
    } else if (isa == "PBXGroup" || isa == "PBXVariantGroup") {
        std::optional<std::string> name = stringOfKey(*child, "name");
        if (!name) {
            name = path;
        }
        walkGroup(childID, diskPath, name ? XAJoinPath(groupPath, name) : groupPath);
    }
}

void FileTreeWalk::walkGroup(const std::string &groupID, const std::optional<std::string> &diskPath,
                             const std::optional<std::string> &groupPath) {
    const XAValue *group = objects_.get(groupID);
    const XAValue *children = group ? group->get("children") : nullptr;
    if (!children || !children->array()) {
        return;
    }
    if (std::find(groupChain_.begin(), groupChain_.end(), groupID) != groupChain_.end() ||
        groupChain_.size() >= kMaximumGroupDepth) {
        XALog(XALogLevelWarning, "Skipping group %s of the project file: it is nested in itself or too deeply",
              groupID.c_str());
        return;
    }
    groupChain_.push_back(groupID);
    for (const XAValue &childID : *children->array()) {
        if (const std::string *id = childID.string()) {
            walkChild(*id, diskPath, groupPath);
        }
    }
    groupChain_.pop_back();
}

// Disk path to file; where two files share a path, the one with the smaller identifier is kept.
std::map<std::string, std::shared_ptr<XAProjectFile>>
filesByStandardizedPath(const std::map<std::string, std::shared_ptr<XAProjectFile>> &files) {
    std::map<std::string, std::shared_ptr<XAProjectFile>> byPath;
    for (const auto &[id, file] : files) {
        if (const auto &path = file->pathOnDisk()) {
            byPath.emplace(xa_stringByStandardizingPath(*path), file);
        }
    }
    return byPath;
}

} // namespace

std::optional<std::string> XAJoinPath(const std::optional<std::string> &first,
                                      const std::optional<std::string> &second) {
    if (!first || first->empty()) {
        return second;
    }
    if (!second || second->empty()) {
        return first;
    }
    std::string joined = *first + "/" + *second;
    for (size_t position = joined.find("//"); position != std::string::npos; position = joined.find("//", position)) {
        joined.erase(position, 1);
    }
    return joined;
}

void XABuildProjectFileTree(XAProjectData &record, const XADeveloperDirectoryProvider &developerDirectory) {
    record.fileReferenceObjects.clear();
    record.fileReferenceObjectsByStandardizedPath.clear();
    const XAValue *objects = record.projectDict ? record.projectDict->get("objects") : nullptr;
    const std::string *rootID = record.projectDict ? record.projectDict->stringForKey("rootObject") : nullptr;
    const XAValue *root = objects && rootID ? objects->get(*rootID) : nullptr;
    if (!root) {
        return;
    }
    auto filesRecord = std::make_shared<XAProjectData>();
    filesRecord->xcodeprojPath = record.xcodeprojPath;
    filesRecord->projectDict = record.projectDict;

    const std::string projectDiskRootPath =
        xa_stringByStandardizingPath(xa_stringByDeletingLastPathComponent(record.xcodeprojPath));
    FileTreeWalk walk(*objects, projectDiskRootPath, filesRecord, developerDirectory);
    // The products group is walked last, so product references keep the group path it gives them.
    for (const char *groupKey : {"mainGroup", "productRefGroup"}) {
        if (const std::string *groupID = root->stringForKey(groupKey)) {
            walk.walkGroup(*groupID, projectDiskRootPath, std::string());
        }
    }
    record.fileReferenceObjectsByStandardizedPath = filesByStandardizedPath(walk.files);
    record.fileReferenceObjects = std::move(walk.files);
}

std::shared_ptr<XAProjectData> XABuildProjectFileTree(std::shared_ptr<XAProjectData> record,
                                                      const XADeveloperDirectoryProvider &developerDirectory) {
    if (record) {
        XABuildProjectFileTree(*record, developerDirectory);
    }
    return record;
}
