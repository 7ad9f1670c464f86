#include "app/shell/XAProjectReference.h"

#include "app/controls/XAQtConversions.h"
#include "app/integrations/XAIcons.h"
#include "app/shell/XABookmark.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAUserFolders.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// The first "<name>-<n>.<extension>" for n = 0, 1, ... that does not exist in the folder.
std::string firstFreeCacheName(const std::string &folder, const std::string &name, const std::string &extension) {
    for (unsigned long n = 0;; ++n) {
        std::string candidate = name + "-" + std::to_string(n) + "." + extension;
        std::error_code error;
        if (!fs::exists(fs::path(folder) / candidate, error)) {
            return candidate;
        }
    }
}

bool writeFile(const std::string &path, const std::string &bytes) {
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream << bytes;
    return static_cast<bool>(stream.flush());
}

// Deletes the folder's files with the extension that no path of the set names; `reportFailure` logs a failed deletion.
void removeUnusedCacheFiles(
    const std::string &folder, const std::string &extension, const std::set<std::string> &usedPaths,
    const std::function<void(const std::string &path, const std::string &reason)> &reportFailure) {
    std::error_code error;
    fs::directory_iterator items(folder, error);
    if (error) {
        return; // an unreadable folder prunes nothing
    }
    for (const fs::directory_entry &item : items) {
        const std::string path = item.path().string();
        if (xa_pathExtension(path) != extension || usedPaths.count(xa_stringByStandardizingPath(path))) {
            continue;
        }
        std::error_code removeError;
        if (!fs::remove(item.path(), removeError)) {
            reportFailure(path, removeError.message());
        }
    }
}

std::set<std::string> standardizedCachePaths(const std::vector<XAProjectReference> &list, const std::string &folder,
                                             const std::string &(XAProjectReference::*cacheID)() const) {
    std::set<std::string> paths;
    for (const XAProjectReference &reference : list) {
        paths.insert(xa_stringByStandardizingPath(xa_stringByAppendingPathComponent(folder, (reference.*cacheID)())));
    }
    return paths;
}

} // namespace

XAProjectReference::XAProjectReference(const std::string &path, QImage icon)
    : name_(xa_stringByDeletingPathExtension(xa_lastPathComponent(path))), icon_(std::move(icon)),
      bookmark_(newBookmarkForPath(path)), pathOnDisk_(path) {}

XAProjectReference::XAProjectReference(const XADictionary &serializableForm) {
    assignValuesFromSerializableForm(serializableForm);
}

std::string XAProjectReference::description() const { return "<XAProjectReference " + name_ + "> — " + pathOnDisk_; }

void XAProjectReference::assignValuesFromSerializableForm(const XADictionary &form) {
    auto stringFor = [&form](const char *key) {
        const XAValue *value = form.get(key);
        return value && value->string() ? *value->string() : std::string();
    };
    name_ = stringFor("name");
    bookmarkCacheID_ = stringFor("bookmarkCacheID");
    bookmark_ = cachedBookmarkWithID(bookmarkCacheID_);
    pathOnDisk_ = pathFromBookmark(bookmark_);
    iconCacheID_ = stringFor("iconCacheID");
    icon_ = cachedIconWithID(iconCacheID_);
}

XADictionary XAProjectReference::serializableForm() const {
    return XADictionary{{"name", XAValue(name_)},
                        {"bookmarkCacheID", XAValue(bookmarkCacheID_)},
                        {"iconCacheID", XAValue(iconCacheID_)}};
}

std::optional<std::string> XAProjectReference::newBookmarkForPath(const std::string &path) {
    XAError error;
    std::optional<std::string> bookmark = XABookmarkDataForPath(path, &error);
    if (!bookmark) {
        XALog(XALogLevelError, "Error: Cannot get bookmark from filesystem path %s : %s", path.c_str(),
              error.message.c_str());
    }
    return bookmark;
}

std::string XAProjectReference::pathFromBookmark(const std::optional<std::string> &bookmark) {
    bookmarkResolvingError_.reset();
    if (!bookmark) {
        bookmarkResolvingError_ = XAError("Missing bookmark data");
        return "";
    }
    XABookmarkResolution resolution = XAResolveBookmarkData(*bookmark);
    bookmarkResolvingError_ = resolution.error;
    return resolution.path;
}

std::string XAProjectReference::bookmarksDirectoryPath() {
    return XAApplicationSupportDirectoryPath("ProjectBookmarks");
}

std::string XAProjectReference::iconsDirectoryPath() { return XAApplicationSupportDirectoryPath("ProjectIcons"); }

void XAProjectReference::cacheBookmarkOnDisk() {
    const std::string folder = bookmarksDirectoryPath();
    bookmarkCacheID_ = firstFreeCacheName(folder, name_, "bookmark");
    if (!bookmark_ || !writeFile(xa_stringByAppendingPathComponent(folder, bookmarkCacheID_), *bookmark_)) {
        XALog(XALogLevelError, "Error: Cannot write bookmark for project '%s': %s", name_.c_str(),
              bookmark_ ? "the file cannot be written" : "there is no bookmark");
    }
}

std::optional<std::string> XAProjectReference::cachedBookmarkWithID(const std::string &cacheID) {
    const std::string path = xa_stringByAppendingPathComponent(bookmarksDirectoryPath(), cacheID);
    XAError error;
    std::optional<std::string> contents = cacheID.empty() ? std::nullopt : XAContentsOfFile(path, &error);
    if (!contents) {
        XALog(XALogLevelError, "Error: cannot read bookmark from path %s : %s", path.c_str(),
              cacheID.empty() ? "no bookmark file is named" : error.message.c_str());
    }
    return contents;
}

void XAProjectReference::cacheIconOnDisk() {
    const std::string folder = iconsDirectoryPath();
    iconCacheID_ = firstFreeCacheName(folder, name_, "png");
    const QString path = QString::fromStdString(xa_stringByAppendingPathComponent(folder, iconCacheID_));
    const QImage source = icon_.isNull() ? XAProjectFileTypeIcon() : icon_;
    if (!xa_writeToPNGFile(xa_imageResizedToSize(source, QSize(50, 50)), path)) {
        XALog(XALogLevelError, "Error: Cannot write icon for project '%s'", name_.c_str());
    }
}

QImage XAProjectReference::cachedIconWithID(const std::string &cacheID) {
    const QString path = QString::fromStdString(xa_stringByAppendingPathComponent(iconsDirectoryPath(), cacheID));
    QImage icon;
    if (!cacheID.empty() && icon.load(path, "PNG")) {
        return icon;
    }
    return XAProjectFileTypeIcon();
}

void XAProjectReference::removeUnusedCachedBookmarksWithProjectReferenceList(
    const std::vector<XAProjectReference> &list) {
    const std::string folder = bookmarksDirectoryPath();
    removeUnusedCacheFiles(
        folder, "bookmark", standardizedCachePaths(list, folder, &XAProjectReference::bookmarkCacheID),
        [](const std::string &path, const std::string &reason) {
            XALog(XALogLevelError, "Error removing project bookmark cache file %s: %s", path.c_str(), reason.c_str());
        });
}

void XAProjectReference::removeUnusedCachedIconsWithProjectReferenceList(const std::vector<XAProjectReference> &list) {
    const std::string folder = iconsDirectoryPath();
    removeUnusedCacheFiles(folder, "png", standardizedCachePaths(list, folder, &XAProjectReference::iconCacheID),
                           [](const std::string &, const std::string &reason) {
                               XALog(XALogLevelError, "Error removing project icon cache file: %s", reason.c_str());
                           });
}
