#pragma once

#include "core/XAValue.h"
#include "project/XAImageResolution.h"

#include <cstdint>
#include <optional>
#include <string>

// The device an image of an asset catalog is meant for ("idiom").
enum XAAssetCatalogImageIdiom : int {
    XAAssetCatalogImageIdiomUnspecified = 0,
    XAAssetCatalogImageIdiomUniversal = 1,
    XAAssetCatalogImageIdiomIPhone = 2,
    XAAssetCatalogImageIdiomIPad = 3,
    XAAssetCatalogImageIdiomMac = 4,
    // The devices of the other platforms: no iPhone or iPad shows these images.
    XAAssetCatalogImageIdiomWatch = 5,
    XAAssetCatalogImageIdiomTV = 6,
    XAAssetCatalogImageIdiomCar = 7,
    XAAssetCatalogImageIdiomVision = 8,
    XAAssetCatalogImageIdiomTouchBar = 9,
};

enum XAAssetCatalogImageSubType : int {
    XAAssetCatalogImageSubTypeNone = 0,
    XAAssetCatalogImageSubTypeRetina4Inch = 1,
};

enum XAAssetCatalogImageOrientation : int {
    XAAssetCatalogImageOrientationNone = 0,
    XAAssetCatalogImageOrientationPortrait = 1,
    XAAssetCatalogImageOrientationLandscape = 2,
};

enum XAAssetCatalogImageExtent : int {
    XAAssetCatalogImageExtentNone = 0,
    XAAssetCatalogImageExtentFullScreen = 1,
    XAAssetCatalogImageExtentToStatusBar = 2,
};

// One image slot of an asset-catalog set: its file, its declared point size and scale, the pixel size that follows
// from them, the pixel size of the actual file, and the device it is meant for. Made once and never changed.
class XAAssetCatalogSetImage {
public:
    // An image from one entry of the "images" array of a set's "Contents.json"; no value (logged) when the entry is no
    // dictionary. `rootPath` is the set folder.
    static std::optional<XAAssetCatalogSetImage> setImageWithDictionary(const XAValue &dictionary,
                                                                        const std::string &rootPath);
    // An image of a macOS icon set from its file name ("icon_16x16@2x.png"); no value when the name does not begin
    // with "icon_".
    static std::optional<XAAssetCatalogSetImage> setImageWithConventionBasedFilePath(const std::string &path);

    // Conversions of the values of "Contents.json"; a null pointer or a JSON null is an absent value.
    // "83.5x83.5" gives 83 x 83; absent, not a string or not two parts give 0 x 0.
    static XAImageResolution resolutionFromString(const XAValue *value);
    // "2x" gives 2, "1.5x" gives 1; absent, not a string or not ending in "x" give 1.
    static std::uint64_t scaleFromString(const XAValue *value);
    static XAAssetCatalogImageIdiom idiomFromString(const XAValue *value);
    static XAAssetCatalogImageSubType subTypeFromString(const XAValue *value);
    static XAAssetCatalogImageOrientation orientationFromString(const XAValue *value);
    static XAAssetCatalogImageExtent extentFromString(const XAValue *value);

    // "", "Universal", "iPhone", "iPad", "Mac"; "" for the idioms of the other platforms.
    static std::string descriptionForIdiom(XAAssetCatalogImageIdiom idiom);
    // "", "Retina 4-inch".
    static std::string descriptionForSubtype(XAAssetCatalogImageSubType subType);
    // "", "Portrait", "Landscape".
    static std::string descriptionForOrientation(XAAssetCatalogImageOrientation orientation);

    const std::string &filename() const { return filename_; }
    // No value when the entry names no file.
    const std::optional<std::string> &pathOnDisk() const { return pathOnDisk_; }
    const std::optional<std::string> &minimumSystemVersion() const { return minimumSystemVersion_; }
    XAImageResolution pointResolution() const { return pointResolution_; }
    XAImageResolution pixelResolution() const { return pixelResolution_; }
    // The first frame's size of the file on disk; 0 x 0 when there is none.
    XAImageResolution pixelResolutionOfActualFile() const { return pixelResolutionOfActualFile_; }
    std::uint64_t scale() const { return scale_; }
    XAAssetCatalogImageIdiom idiom() const { return idiom_; }
    XAAssetCatalogImageSubType subType() const { return subType_; }
    XAAssetCatalogImageOrientation orientation() const { return orientation_; }
    XAAssetCatalogImageExtent extent() const { return extent_; }

    // Width x height of the point and pixel resolutions.
    std::uint64_t pointCount() const;
    std::uint64_t pixelCount() const;
    bool existsOnDisk() const;
    // "pdf", "eps" or "svg", exactly.
    bool isVectorImage() const;
    // Whether the image is for an iPhone or iPad: its idiom is one of theirs, universal or none.
    bool isForIOSDevice() const;
    // Whether the image is for the Touch Bar: the idiom "touchbar", or "mac" with the subtype or display "touch-bar".
    bool isTouchBarImage() const { return idiom_ == XAAssetCatalogImageIdiomTouchBar; }
    // Whether the image serves the device family (1 iPhone, 2 iPad): universal images and those without an idiom
    // serve every family, images of other platforms (Mac, Watch, TV, CarPlay, Vision, Touch Bar) none; family 0 or
    // an unknown family (INT64_MAX) is served by every image.
    bool coversDeviceFamily(std::int64_t family) const;
    // "x2 scale, iPhone, Retina 4-inch, Portrait": the scale, then the idiom, subtype and orientation that are set.
    std::string identificationString() const;
    // "<XAAssetCatalogSetImage: 0x...> <file name>".
    std::string description() const;

private:
    void setPixelResolutionsFromPointResolution();

    std::string filename_;
    std::optional<std::string> pathOnDisk_;
    std::optional<std::string> minimumSystemVersion_;
    XAImageResolution pointResolution_;
    XAImageResolution pixelResolution_;
    XAImageResolution pixelResolutionOfActualFile_;
    std::uint64_t scale_ = 1;
    XAAssetCatalogImageIdiom idiom_ = XAAssetCatalogImageIdiomUnspecified;
    XAAssetCatalogImageSubType subType_ = XAAssetCatalogImageSubTypeNone;
    XAAssetCatalogImageOrientation orientation_ = XAAssetCatalogImageOrientationNone;
    XAAssetCatalogImageExtent extent_ = XAAssetCatalogImageExtentNone;
};
