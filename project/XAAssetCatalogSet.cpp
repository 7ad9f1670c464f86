#include "project/XAAssetCatalogSet.h"

#include "core/XAJSON.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "project/XAProjectFile.h"

#include <algorithm>
#include <filesystem>

XAAssetCatalogSetKind XAAssetCatalogSet::assetCatalogSetKindForPathExtension(const std::string &extension) {
    if (extension == "imageset") {
        return XAAssetCatalogSetKindImageSet;
    }
    if (extension == "appiconset") {
        return XAAssetCatalogSetKindAppIconSet;
    }
    if (extension == "launchimage") {
        return XAAssetCatalogSetKindLaunchImage;
    }
    if (extension == "iconset") {
        return XAAssetCatalogSetKindIconSet;
    }
    return XAAssetCatalogSetKindNone;
}

XAAssetCatalogSet::XAAssetCatalogSet(std::string pathOnDisk)
    : pathOnDisk_(std::move(pathOnDisk)), setKind_(assetCatalogSetKindForPathExtension(xa_pathExtension(pathOnDisk_))) {
}

std::shared_ptr<const XAAssetCatalogSet> XAAssetCatalogSet::setWithPath(const std::string &path) {
    auto set = std::make_shared<XAAssetCatalogSet>(path);
    XAError error;
    const bool read =
        set->setKind_ == XAAssetCatalogSetKindIconSet
            ? set->updateFromConventionBasedFilesInDirError(&error)
            : set->updateFromContentsJSONFile(xa_stringByAppendingPathComponent(path, "Contents.json"), &error);
    if (!read) {
        XALog(XALogLevelError, "Error: " + error.message);
        return nullptr;
    }
    return set;
}

bool XAAssetCatalogSet::updateFromContentsJSONFile(const std::string &path, XAError *error) {
    XAError underlying;
    std::optional<std::string> text = XAContentsOfFile(path, &underlying);
    std::optional<XAValue> contents = text ? XAValueFromJSON(*text, false, path, &underlying) : std::nullopt;
    if (!contents) {
        XASetError(error, "Cannot read asset catalog set " + pathOnDisk_ + ": " + underlying.message);
        return false;
    }
    contentsDictionary_ = std::move(contents);
    images_.clear();
    const XAValue *images = contentsDictionary_->get("images");
    if (const XAValue::Array *entries = images ? images->array() : nullptr) {
        for (const XAValue &entry : *entries) {
            if (auto image = XAAssetCatalogSetImage::setImageWithDictionary(entry, pathOnDisk_)) {
                images_.push_back(std::move(*image));
            }
        }
    }
    return true;
}

bool XAAssetCatalogSet::updateFromConventionBasedFilesInDirError(XAError *error) {
    std::vector<XAAssetCatalogSetImage> images;
    std::error_code listingError;
    for (std::filesystem::directory_iterator entry(pathOnDisk_, listingError), end; !listingError && entry != end;
         entry.increment(listingError)) {
        if (auto image = XAAssetCatalogSetImage::setImageWithConventionBasedFilePath(entry->path().string())) {
            images.push_back(std::move(*image));
        }
    }
    if (listingError) {
        XASetError(error, "Cannot list the icon set " + pathOnDisk_ + ": " + listingError.message());
        return false;
    }
    std::ranges::stable_sort(images, [](const XAAssetCatalogSetImage &a, const XAAssetCatalogSetImage &b) {
        return a.pointCount() != b.pointCount() ? a.pointCount() < b.pointCount() : a.scale() < b.scale();
    });
    images_ = std::move(images);
    return true;
}

std::string XAAssetCatalogSet::basename() const {
    return xa_stringByDeletingPathExtension(xa_lastPathComponent(pathOnDisk_));
}

// ---- The sets of a project's asset catalog ----

bool XAProjectFile::folderAtPathLooksLikeAssetCatalogSet(const std::string &path) {
    return XAAssetCatalogSet::assetCatalogSetKindForPathExtension(xa_pathExtension(path)) != XAAssetCatalogSetKindNone;
}

std::vector<std::shared_ptr<const XAAssetCatalogSet>> XAProjectFile::assetCatalogSets() const {
    std::vector<std::shared_ptr<const XAAssetCatalogSet>> sets;
    if (!pathOnDisk()) {
        return sets;
    }
    auto visitor = [&sets](const std::string &path, bool &) {
        if (folderAtPathLooksLikeAssetCatalogSet(path) && xa_pathIsDirectory(path)) {
            if (auto set = XAAssetCatalogSet::setWithPath(path)) {
                sets.push_back(std::move(set));
            }
        }
    };
    auto onError = [this](const std::string &, const XAError &error) {
        XALog(XALogLevelError,
              "Error while searching for asset catalog sets under path " + *pathOnDisk() + ": " + error.message);
        return true;
    };
    xa_visitFilesAtRoot(*pathOnDisk(), XADirectoryEnumerationSkipsHiddenFiles, true, visitor, onError);
    return sets;
}

std::vector<std::shared_ptr<const XAAssetCatalogSet>> XAProjectFile::assetCatalogSetsOfKind(int kind) const {
    std::vector<std::shared_ptr<const XAAssetCatalogSet>> sets = assetCatalogSets();
    std::erase_if(sets, [kind](const auto &set) { return set->setKind() != kind; });
    return sets;
}

std::vector<std::shared_ptr<const XAAssetCatalogSet>> XAProjectFile::imageSets() const {
    return assetCatalogSetsOfKind(XAAssetCatalogSetKindImageSet);
}

std::vector<std::shared_ptr<const XAAssetCatalogSet>> XAProjectFile::appIcons() const {
    return assetCatalogSetsOfKind(XAAssetCatalogSetKindAppIconSet);
}

std::vector<std::shared_ptr<const XAAssetCatalogSet>> XAProjectFile::launchImages() const {
    return assetCatalogSetsOfKind(XAAssetCatalogSetKindLaunchImage);
}

std::vector<std::shared_ptr<const XAAssetCatalogSet>> XAProjectFile::OSXIcons() const {
    return assetCatalogSetsOfKind(XAAssetCatalogSetKindIconSet);
}
