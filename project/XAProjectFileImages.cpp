// Scale modifiers and pixel sizes of the project's image files.

#include "project/XAProjectFile.h"

#include "core/XAPaths.h"

#include <climits>
#include <map>
#include <mutex>
#include <utility>

#include <sys/stat.h>

namespace {

struct XACachedResolutions {
    std::optional<std::vector<XAImageResolution>> resolutions;
    long long modificationSeconds = 0;
};

} // namespace

bool XAProjectFile::isImageWithScaleSpecifier(const std::string &modifier) const {
    if (!isImage()) {
        return false;
    }
    const std::string base = xa_stringByDeletingPathExtension(basename());
    return base.substr(0, base.find('~')).ends_with(modifier);
}

bool XAProjectFile::is2xRetinaImage() const { return isImageWithScaleSpecifier("@2x"); }

bool XAProjectFile::is3xRetinaImage() const { return isImageWithScaleSpecifier("@3x"); }

bool XAProjectFile::isNonRetinaImage() const { return !is2xRetinaImage() && !is3xRetinaImage(); }

std::optional<std::vector<XAImageResolution>> XAProjectFile::resolutionsOfImageAtPath(const std::string &path) {
    static std::mutex lock;
    static std::map<std::string, XACachedResolutions> cache;
    if (path.empty()) {
        return std::nullopt;
    }
    std::lock_guard guard(lock);
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt; // nothing to read, and nothing worth remembering
    }
    const long long seconds = status.st_mtim.tv_sec;
    if (auto cached = cache.find(path); cached != cache.end() && cached->second.modificationSeconds == seconds) {
        return cached->second.resolutions;
    }
    std::optional<std::vector<XAImageResolution>> resolutions = XAImageFrameResolutionsOfFile(path);
    if (resolutions) {
        cache[path] = {resolutions, seconds};
    }
    return resolutions;
}

std::optional<std::vector<XAImageResolution>> XAProjectFile::imageResolutions() const {
    if (!isImage() || !pathOnDisk()) {
        return std::nullopt;
    }
    return resolutionsOfImageAtPath(*pathOnDisk());
}

XAImageResolution XAProjectFile::highestImageResolution() const {
    XAImageResolution highest;
    for (const XAImageResolution &resolution : imageResolutions().value_or(std::vector<XAImageResolution>())) {
        if (resolution.area() > highest.area()) {
            highest = resolution;
        }
    }
    return highest;
}

XAImageResolution XAProjectFile::lowestImageResolution() const {
    const std::vector<XAImageResolution> resolutions = imageResolutions().value_or(std::vector<XAImageResolution>());
    if (resolutions.empty()) {
        return {INT32_MAX, INT32_MAX};
    }
    XAImageResolution lowest = resolutions.front();
    for (const XAImageResolution &resolution : resolutions) {
        if (resolution.area() < lowest.area()) {
            lowest = resolution;
        }
    }
    return lowest;
}
