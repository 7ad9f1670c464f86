#include "app/shell/XABookmark.h"

#include "core/XAPropertyList.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr const char *kPathKey = "path";
constexpr const char *kDeviceKey = "device";
constexpr const char *kInodeKey = "inode";

std::optional<struct stat> statOfPath(const std::string &path, XAError *error) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        XASetError(error, "The file \"" + path + "\" couldn't be opened: " + std::strerror(errno));
        return std::nullopt;
    }
    return status;
}

} // namespace

std::optional<std::string> XABookmarkDataForPath(const std::string &path, XAError *error) {
    const std::optional<struct stat> status = statOfPath(path, error);
    if (!status) {
        return std::nullopt;
    }
    XADictionary bookmark;
    bookmark.set(kPathKey, XAValue(path));
    bookmark.set(kDeviceKey, XAValue(static_cast<std::int64_t>(status->st_dev)));
    bookmark.set(kInodeKey, XAValue(static_cast<std::int64_t>(status->st_ino)));
    return XABinaryPropertyListData(XAValue(std::move(bookmark)), error);
}

XABookmarkResolution XAResolveBookmarkData(const std::string &data) {
    XABookmarkResolution resolution;
    XAError error;
    const std::optional<XAValue> value = XAPropertyListFromData(data, "bookmark", &error);
    const std::string *path = value ? value->stringForKey(kPathKey) : nullptr;
    const std::optional<std::int64_t> device =
        value && value->get(kDeviceKey) ? value->get(kDeviceKey)->integer() : std::nullopt;
    const std::optional<std::int64_t> inode =
        value && value->get(kInodeKey) ? value->get(kInodeKey)->integer() : std::nullopt;
    if (!path || !device || !inode) {
        resolution.error = XAError("The bookmark data is corrupt");
        return resolution;
    }
    const std::optional<struct stat> status = statOfPath(*path, &error);
    if (!status) {
        resolution.error = error;
        return resolution;
    }
    resolution.path = *path;
    if (static_cast<std::int64_t>(status->st_dev) != *device || static_cast<std::int64_t>(status->st_ino) != *inode) {
        resolution.stale = true;
        resolution.error = XAError("The bookmark data is stale");
    }
    return resolution;
}
