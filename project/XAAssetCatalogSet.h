#pragma once

#include "core/XAError.h"
#include "core/XAValue.h"
#include "project/XAAssetCatalogSetImage.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// What a folder of an asset catalog holds, by its extension (compared exactly, letter case counting).
enum XAAssetCatalogSetKind : int {
    XAAssetCatalogSetKindNone = 0,
    XAAssetCatalogSetKindImageSet = 1,    // "imageset"
    XAAssetCatalogSetKindAppIconSet = 2,  // "appiconset"
    XAAssetCatalogSetKindLaunchImage = 3, // "launchimage"
    XAAssetCatalogSetKindIconSet = 4,     // "iconset", a macOS icon set without "Contents.json"
};

// One set folder of an asset catalog and its images, read from its "Contents.json" or, for a macOS icon set, from
// the names of its files. Read afresh on every request and never changed afterwards.
class XAAssetCatalogSet {
public:
    static XAAssetCatalogSetKind assetCatalogSetKindForPathExtension(const std::string &extension);
    // The set read from that folder; null (with a log line) when it cannot be read.
    static std::shared_ptr<const XAAssetCatalogSet> setWithPath(const std::string &path);

    explicit XAAssetCatalogSet(std::string pathOnDisk);

    // Reads "Contents.json": the parsed file becomes contentsDictionary and its "images" the images. False, with an
    // error naming the set, when the file cannot be read or parsed.
    bool updateFromContentsJSONFile(const std::string &path, XAError *error);
    // Reads the folder's "icon_..." files as images, ordered by point count and then scale.
    bool updateFromConventionBasedFilesInDirError(XAError *error);

    const std::string &pathOnDisk() const { return pathOnDisk_; }
    const std::vector<XAAssetCatalogSetImage> &images() const { return images_; }
    // No value for icon sets and before reading.
    const std::optional<XAValue> &contentsDictionary() const { return contentsDictionary_; }
    XAAssetCatalogSetKind setKind() const { return setKind_; }
    // The set's name: the folder's name without its extension.
    std::string basename() const;

private:
    std::string pathOnDisk_;
    std::vector<XAAssetCatalogSetImage> images_;
    std::optional<XAValue> contentsDictionary_;
    XAAssetCatalogSetKind setKind_ = XAAssetCatalogSetKindNone;
};
