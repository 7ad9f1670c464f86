#pragma once

// File bookmarks: a bookmark remembers a file's path with its device and inode numbers, so that a file replaced by
// another one at the same path is noticed (the bookmark is stale). The data is a small binary property list.

#include "core/XAError.h"

#include <optional>
#include <string>

struct XABookmarkResolution {
    std::string path;             // "" when the bookmark names no existing file
    std::optional<XAError> error; // why it did not resolve cleanly
    bool stale = false;
};

// The bookmark of an existing file; no value (with the reason) when the file cannot be examined.
std::optional<std::string> XABookmarkDataForPath(const std::string &path, XAError *error);
// The path a bookmark names: "The bookmark data is stale" when the file there is another one (the path is still
// given), an error and "" when the data is unreadable or no file exists there.
XABookmarkResolution XAResolveBookmarkData(const std::string &data);
