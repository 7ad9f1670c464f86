#pragma once

// One entry of a project list: the project's display name, a bookmark of its path and its icon. The bookmark and the
// icon are cached in files of their own ("ProjectBookmarks/<name>-<n>.bookmark", "ProjectIcons/<name>-<n>.png" in
// the per-user application-support folder); the list file stores only their names.

#include "core/XAError.h"
#include "core/XAValue.h"

#include <QImage>

#include <optional>
#include <string>
#include <vector>

class XAProjectReference {
public:
    XAProjectReference() = default;
    // Name from the path, a new bookmark of the path, the icon as given; no cache names yet.
    XAProjectReference(const std::string &path, QImage icon);
    explicit XAProjectReference(const XADictionary &serializableForm);

    const std::string &name() const { return name_; }
    const QImage &icon() const { return icon_; }
    const std::optional<std::string> &bookmark() const { return bookmark_; }
    const std::string &pathOnDisk() const { return pathOnDisk_; }
    const std::optional<XAError> &bookmarkResolvingError() const { return bookmarkResolvingError_; }
    const std::string &bookmarkCacheID() const { return bookmarkCacheID_; }
    const std::string &iconCacheID() const { return iconCacheID_; }
    std::string description() const;

    void assignValuesFromSerializableForm(const XADictionary &form);
    // "name", "bookmarkCacheID" and "iconCacheID", "" for a missing value.
    XADictionary serializableForm() const;

    static std::optional<std::string> newBookmarkForPath(const std::string &path);
    // Resolves the bookmark, keeping why it did not resolve cleanly in bookmarkResolvingError.
    std::string pathFromBookmark(const std::optional<std::string> &bookmark);

    void cacheBookmarkOnDisk();
    static std::optional<std::string> cachedBookmarkWithID(const std::string &cacheID);
    void cacheIconOnDisk();
    // The cached icon, or the generic project-file icon when its file is missing.
    static QImage cachedIconWithID(const std::string &cacheID);
    static void removeUnusedCachedBookmarksWithProjectReferenceList(const std::vector<XAProjectReference> &list);
    static void removeUnusedCachedIconsWithProjectReferenceList(const std::vector<XAProjectReference> &list);

    static std::string bookmarksDirectoryPath();
    static std::string iconsDirectoryPath();

private:
    std::string name_;
    QImage icon_;
    std::optional<std::string> bookmark_;
    std::string pathOnDisk_;
    std::optional<XAError> bookmarkResolvingError_;
    std::string bookmarkCacheID_;
    std::string iconCacheID_;
};
