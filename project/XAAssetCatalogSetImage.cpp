#include "project/XAAssetCatalogSetImage.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "project/XAProjectFile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace {

// A value of "Contents.json" that counts as present: neither missing nor a JSON null.
const XAValue *presentValue(const XAValue *value) { return value && !value->isNull() ? value : nullptr; }

// The value's text in lower case looked up in a table of lower-case names; 0 when absent or not listed.
template <typename Enum, std::size_t N>
Enum lookedUp(const XAValue *value, const std::pair<const char *, Enum> (&table)[N]) {
    const std::string *text = presentValue(value) ? value->string() : nullptr;
    if (!text) {
        return static_cast<Enum>(0);
    }
    std::string lowered = *text;
    std::ranges::transform(lowered, lowered.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const auto &[name, result] : table) {
        if (lowered == name) {
            return result;
        }
    }
    return static_cast<Enum>(0);
}

// The leading integer of a text ("83.5" gives 83), kept inside 32 bits; 0 when there is none.
std::int32_t leadingInt32(const std::string &text) {
    const std::int64_t value = xa_numberFromDecimalIntString(text).value_or(0);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// "<width>x<height>" with exactly one "x"; 0 x 0 otherwise.
XAImageResolution resolutionFromSizeText(const std::string &text) {
    const std::vector<std::string> parts = xa_componentsSeparatedByString(text, "x");
    if (parts.size() != 2) {
        return {};
    }
    return {leadingInt32(parts[0]), leadingInt32(parts[1])};
}

// Points times the scale (a scale of 0 counts as 1), kept inside 32 bits.
std::int32_t scaled(std::int32_t points, std::uint64_t scale) {
    const std::int64_t factor = static_cast<std::int64_t>(std::clamp<std::uint64_t>(scale, 1, INT32_MAX));
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(points * factor, INT32_MIN, INT32_MAX));
}

XAImageResolution firstFrameResolution(const std::optional<std::string> &path) {
    if (!path) {
        return {};
    }
    auto resolutions = XAProjectFile::resolutionsOfImageAtPath(*path);
    return resolutions && !resolutions->empty() ? resolutions->front() : XAImageResolution{};
}

bool isTouchBarValue(const XAValue *value) {
    const std::string *text = presentValue(value) ? value->string() : nullptr;
    return text && *text == "touch-bar";
}

void removeAll(std::string &text, std::string_view needle) {
    for (std::size_t found = text.find(needle); found != std::string::npos; found = text.find(needle, found)) {
        text.erase(found, needle.size());
    }
}

} // namespace

// ---- Value conversions ----

XAImageResolution XAAssetCatalogSetImage::resolutionFromString(const XAValue *value) {
    if (!presentValue(value)) {
        return {};
    }
    if (!value->string()) {
        XALog(XALogLevelError, "XAAssetCatalogSetImage: resolution value is not a string: " + value->description());
        return {};
    }
    return resolutionFromSizeText(*value->string());
}

std::uint64_t XAAssetCatalogSetImage::scaleFromString(const XAValue *value) {
    if (!presentValue(value)) {
        return 1;
    }
    const std::string *text = value->string();
    if (!text) {
        XALog(XALogLevelError, "XAAssetCatalogSetImage: scale value is not a string: " + value->description());
        return 1;
    }
    if (!text->ends_with("x")) {
        return 1;
    }
    return static_cast<std::uint64_t>(std::max(0, leadingInt32(text->substr(0, text->size() - 1))));
}

XAAssetCatalogImageIdiom XAAssetCatalogSetImage::idiomFromString(const XAValue *value) {
    static const std::pair<const char *, XAAssetCatalogImageIdiom> table[] = {
        {"universal", XAAssetCatalogImageIdiomUniversal},
        {"iphone", XAAssetCatalogImageIdiomIPhone},
        {"ipad", XAAssetCatalogImageIdiomIPad},
        {"mac", XAAssetCatalogImageIdiomMac},
        {"watch", XAAssetCatalogImageIdiomWatch},
        {"watch-marketing", XAAssetCatalogImageIdiomWatch},
        {"tv", XAAssetCatalogImageIdiomTV},
        {"car", XAAssetCatalogImageIdiomCar},
        {"vision", XAAssetCatalogImageIdiomVision},
        {"touchbar", XAAssetCatalogImageIdiomTouchBar}};
    return lookedUp(value, table);
}

XAAssetCatalogImageSubType XAAssetCatalogSetImage::subTypeFromString(const XAValue *value) {
    static const std::pair<const char *, XAAssetCatalogImageSubType> table[] = {
        {"retina4", XAAssetCatalogImageSubTypeRetina4Inch}};
    return lookedUp(value, table);
}

XAAssetCatalogImageOrientation XAAssetCatalogSetImage::orientationFromString(const XAValue *value) {
    static const std::pair<const char *, XAAssetCatalogImageOrientation> table[] = {
        {"portrait", XAAssetCatalogImageOrientationPortrait}, {"landscape", XAAssetCatalogImageOrientationLandscape}};
    return lookedUp(value, table);
}

XAAssetCatalogImageExtent XAAssetCatalogSetImage::extentFromString(const XAValue *value) {
    static const std::pair<const char *, XAAssetCatalogImageExtent> table[] = {
        {"full-screen", XAAssetCatalogImageExtentFullScreen}, {"to-status-bar", XAAssetCatalogImageExtentToStatusBar}};
    return lookedUp(value, table);
}

std::string XAAssetCatalogSetImage::descriptionForIdiom(XAAssetCatalogImageIdiom idiom) {
    switch (idiom) {
    case XAAssetCatalogImageIdiomUniversal:
        return "Universal";
    case XAAssetCatalogImageIdiomIPhone:
        return "iPhone";
    case XAAssetCatalogImageIdiomIPad:
        return "iPad";
    case XAAssetCatalogImageIdiomMac:
        return "Mac";
    default:
        return "";
    }
}

std::string XAAssetCatalogSetImage::descriptionForSubtype(XAAssetCatalogImageSubType subType) {
    return subType == XAAssetCatalogImageSubTypeRetina4Inch ? "Retina 4-inch" : "";
}

std::string XAAssetCatalogSetImage::descriptionForOrientation(XAAssetCatalogImageOrientation orientation) {
    switch (orientation) {
    case XAAssetCatalogImageOrientationPortrait:
        return "Portrait";
    case XAAssetCatalogImageOrientationLandscape:
        return "Landscape";
    default:
        return "";
    }
}

// ---- Making images ----

void XAAssetCatalogSetImage::setPixelResolutionsFromPointResolution() {
    pixelResolution_ = {scaled(pointResolution_.width, scale_), scaled(pointResolution_.height, scale_)};
    pixelResolutionOfActualFile_ = firstFrameResolution(pathOnDisk_);
}

std::optional<XAAssetCatalogSetImage> XAAssetCatalogSetImage::setImageWithDictionary(const XAValue &dictionary,
                                                                                     const std::string &rootPath) {
    if (!dictionary.isDictionary()) {
        XALog(XALogLevelError, "XAAssetCatalogSetImage: argument is not a dictionary: " + dictionary.description());
        return std::nullopt;
    }
    XAAssetCatalogSetImage image;
    if (const XAValue *filename = presentValue(dictionary.get("filename")); filename && filename->string()) {
        image.filename_ = *filename->string();
        if (!image.filename_.empty()) {
            image.pathOnDisk_ = xa_stringByAppendingPathComponent(rootPath, image.filename_);
        }
    }
    if (const XAValue *version = presentValue(dictionary.get("minimum-system-version")); version && version->string()) {
        image.minimumSystemVersion_ = *version->string();
    }
    image.scale_ = scaleFromString(dictionary.get("scale"));
    image.pointResolution_ = resolutionFromString(dictionary.get("size"));
    image.setPixelResolutionsFromPointResolution();
    image.idiom_ = idiomFromString(dictionary.get("idiom"));
    if (image.idiom_ == XAAssetCatalogImageIdiomMac &&
        (isTouchBarValue(dictionary.get("subtype")) || isTouchBarValue(dictionary.get("display")))) {
        image.idiom_ = XAAssetCatalogImageIdiomTouchBar;
    }
    image.subType_ = subTypeFromString(dictionary.get("subtype"));
    image.orientation_ = orientationFromString(dictionary.get("orientation"));
    image.extent_ = extentFromString(dictionary.get("extent"));
    return image;
}

std::optional<XAAssetCatalogSetImage>
XAAssetCatalogSetImage::setImageWithConventionBasedFilePath(const std::string &path) {
    const std::string filename = xa_lastPathComponent(path);
    if (!filename.starts_with("icon_")) {
        return std::nullopt;
    }
    XAAssetCatalogSetImage image;
    image.filename_ = filename;
    image.pathOnDisk_ = path;
    const std::string base = xa_stringByDeletingPathExtension(filename);
    image.scale_ = base.ends_with("@2x") ? 2 : base.ends_with("@3x") ? 3 : 1;
    std::string sizeText = base.substr(std::string_view("icon_").size());
    removeAll(sizeText, "@2x");
    removeAll(sizeText, "@3x");
    image.pointResolution_ = resolutionFromSizeText(sizeText);
    image.setPixelResolutionsFromPointResolution();
    return image;
}

// ---- Queries ----

std::uint64_t XAAssetCatalogSetImage::pointCount() const {
    return static_cast<std::uint64_t>(std::max<std::int64_t>(pointResolution_.area(), 0));
}

std::uint64_t XAAssetCatalogSetImage::pixelCount() const {
    return static_cast<std::uint64_t>(std::max<std::int64_t>(pixelResolution_.area(), 0));
}

bool XAAssetCatalogSetImage::existsOnDisk() const {
    std::error_code ignored;
    return pathOnDisk_ && std::filesystem::exists(*pathOnDisk_, ignored);
}

bool XAAssetCatalogSetImage::isVectorImage() const {
    const std::string extension = pathOnDisk_ ? xa_pathExtension(*pathOnDisk_) : std::string();
    return extension == "pdf" || extension == "eps" || extension == "svg";
}

bool XAAssetCatalogSetImage::isForIOSDevice() const {
    return idiom_ == XAAssetCatalogImageIdiomUnspecified || idiom_ == XAAssetCatalogImageIdiomUniversal ||
           idiom_ == XAAssetCatalogImageIdiomIPhone || idiom_ == XAAssetCatalogImageIdiomIPad;
}

bool XAAssetCatalogSetImage::coversDeviceFamily(std::int64_t family) const {
    if (family == 0 || family == INT64_MAX) {
        return true;
    }
    switch (idiom_) {
    case XAAssetCatalogImageIdiomIPhone:
        return family == 1;
    case XAAssetCatalogImageIdiomIPad:
        return family == 2;
    default:
        return isForIOSDevice();
    }
}

std::string XAAssetCatalogSetImage::identificationString() const {
    std::string text = "x" + std::to_string(scale_) + " scale";
    for (const std::string &part :
         {descriptionForIdiom(idiom_), descriptionForSubtype(subType_), descriptionForOrientation(orientation_)}) {
        if (!part.empty()) {
            text += ", " + part;
        }
    }
    return text;
}

std::string XAAssetCatalogSetImage::description() const {
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void *>(this));
    return "<XAAssetCatalogSetImage: " + std::string(address) + "> " +
           (pathOnDisk_ ? xa_lastPathComponent(*pathOnDisk_) : std::string("(null)"));
}
