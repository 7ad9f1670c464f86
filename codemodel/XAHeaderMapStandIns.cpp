#include "codemodel/XAHeaderMapStandIns.h"

#include "core/XAHashing.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAUserFolders.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"
#include "project/XATargetHeaders.h"

#include <array>
#include <filesystem>

namespace {

enum class XAHeaderMapKind { OwnTarget, AllTargets, ProjectHeaders, GeneratedFiles, Target };

struct XAHeaderMapSuffix {
    std::string_view suffix;
    XAHeaderMapKind kind;
};

constexpr std::array<XAHeaderMapSuffix, 4> kHeaderMapSuffixes = {{
    {"-own-target-headers.hmap", XAHeaderMapKind::OwnTarget},
    {"-all-target-headers.hmap", XAHeaderMapKind::AllTargets},
    {"-project-headers.hmap", XAHeaderMapKind::ProjectHeaders},
    {"-generated-files.hmap", XAHeaderMapKind::GeneratedFiles},
}};

// The kind of map a file name stands for, and the product name before its suffix.
std::pair<XAHeaderMapKind, std::string> kindOfHeaderMap(const std::string &fileName) {
    for (const XAHeaderMapSuffix &entry : kHeaderMapSuffixes) {
        if (fileName.ends_with(entry.suffix)) {
            return {entry.kind, fileName.substr(0, fileName.size() - entry.suffix.size())};
        }
    }
    return {XAHeaderMapKind::Target, xa_stringByDeletingPathExtension(fileName)};
}

// The file's path on disk, absolute (a project opened through a relative path has relative file paths).
std::optional<std::string> absolutePathOnDisk(const XAProjectFile &file) {
    if (!file.pathOnDisk() || file.pathOnDisk()->empty()) {
        return std::nullopt;
    }
    std::error_code ignored;
    return xa_stringByStandardizingPath(std::filesystem::absolute(*file.pathOnDisk(), ignored).string());
}

std::string productNameOfTarget(const XAProject &project, const XAProjectTarget &target,
                                const std::string &buildConfigurationName) {
    if (auto settings = project.resolvedBuildSettingsForTarget(target, buildConfigurationName)) {
        if (auto name = settings->find("PRODUCT_NAME"); name != settings->end() && !name->second.empty()) {
            return name->second;
        }
    }
    return target.name();
}

XAHeaderMapEntries ownEntriesOfTarget(const XAProjectTarget &target, const std::string &productName) {
    XAHeaderMapEntries entries;
    for (const XATargetHeader &header : XATargetHeaders(target)) {
        const std::optional<std::string> path = absolutePathOnDisk(*header.file);
        if (!path) {
            continue;
        }
        const std::string name = xa_lastPathComponent(*path);
        entries.emplace(name, *path);
        if (header.visibility != XAHeaderVisibility::Project) {
            entries.emplace(productName + "/" + name, *path);
        }
    }
    return entries;
}

} // namespace

XAHeaderMapStandIns::XAHeaderMapStandIns(const XAProject &project, const std::string &buildConfigurationName,
                                         std::optional<std::string> defaultTargetName)
    : defaultTargetName_(std::move(defaultTargetName)), folder_(folderForProject(project)) {
    for (const auto &target : project.targets()) {
        TargetHeaders headers;
        headers.productName = productNameOfTarget(project, *target, buildConfigurationName);
        headers.ownEntries = ownEntriesOfTarget(*target, headers.productName);
        allTargetEntries_.insert(headers.ownEntries.begin(), headers.ownEntries.end());
        targets_.emplace(target->name(), std::move(headers));
    }
    for (const auto &file : project.files()) {
        if (file && file->isHeaderFile()) {
            if (const std::optional<std::string> path = absolutePathOnDisk(*file)) {
                projectEntries_.emplace(xa_lastPathComponent(*path), *path);
            }
        }
    }
}

std::string XAHeaderMapStandIns::folderForProject(const XAProject &project) {
    const std::string root = project.projectDiskRootPath();
    return xa_stringByAppendingPathComponent(XACachesDirectoryPath("HeaderMaps"),
                                             project.projectName() + "-" + xa_SHA1Hash(root).substr(0, 12));
}

const XAHeaderMapStandIns::TargetHeaders *
XAHeaderMapStandIns::targetOfHeaderMap(const std::string &loggedPath, const std::string &productPrefix) const {
    const std::string folder = xa_lastPathComponent(xa_stringByDeletingLastPathComponent(loggedPath));
    if (folder.ends_with(".build")) {
        if (auto named = targets_.find(folder.substr(0, folder.size() - 6)); named != targets_.end()) {
            return &named->second;
        }
    }
    for (const auto &[name, headers] : targets_) {
        if (headers.productName == productPrefix) {
            return &headers;
        }
    }
    auto fallback = defaultTargetName_ ? targets_.find(*defaultTargetName_) : targets_.end();
    return fallback == targets_.end() ? nullptr : &fallback->second;
}

std::optional<XAHeaderMapEntries> XAHeaderMapStandIns::entriesForHeaderMap(const std::string &loggedPath) const {
    const auto [kind, productPrefix] = kindOfHeaderMap(xa_lastPathComponent(loggedPath));
    const TargetHeaders *target = targetOfHeaderMap(loggedPath, productPrefix);
    switch (kind) {
    case XAHeaderMapKind::OwnTarget:
        return target ? target->ownEntries : XAHeaderMapEntries();
    case XAHeaderMapKind::AllTargets:
        return allTargetEntries_;
    case XAHeaderMapKind::ProjectHeaders:
        return projectEntries_;
    case XAHeaderMapKind::GeneratedFiles:
        return std::nullopt;
    case XAHeaderMapKind::Target: {
        XAHeaderMapEntries entries = target ? target->ownEntries : XAHeaderMapEntries();
        entries.insert(projectEntries_.begin(), projectEntries_.end());
        return entries;
    }
    }
    return std::nullopt;
}

std::optional<std::string> XAHeaderMapStandIns::standInForHeaderMap(const std::string &loggedPath) {
    std::lock_guard lock(mutex_);
    if (auto known = written_.find(loggedPath); known != written_.end()) {
        return known->second;
    }
    std::optional<std::string> standIn;
    if (const std::optional<XAHeaderMapEntries> entries = entriesForHeaderMap(loggedPath)) {
        const std::string path = xa_stringByAppendingPathComponent(folder_, xa_SHA1Hash(loggedPath).substr(0, 12) +
                                                                                "-" + xa_lastPathComponent(loggedPath));
        XAError error;
        if (XAWriteHeaderMapFile(path, *entries, &error)) {
            standIn = path;
        } else {
            XALog(XALogLevelError, "Error: could not write a header map in place of %s: %s", loggedPath.c_str(),
                  error.message.c_str());
        }
    }
    written_.emplace(loggedPath, standIn);
    return standIn;
}
