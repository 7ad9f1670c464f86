#pragma once

// Images for the application's pictures of projects and targets, the start window and exported reports: an image
// is a size in points and one or more bitmaps of it (a 1× and a 2× bitmap, say). Images are read with stb_image,
// scaled with stb_image_resize and written with stb_image_write. Every operation makes a new image; drawn results
// have one bitmap of one pixel per point.

#include "core/XABezierPath.h"
#include "core/XAColor.h"
#include "core/XAError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct XASize {
    double width = 0;
    double height = 0;

    bool operator==(const XASize &) const = default;
};

struct XAEdgeInsets {
    double top = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
};

// Pixels as red, green, blue and alpha bytes, colour not premultiplied by alpha, rows from the top.
struct XABitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    bool operator==(const XABitmap &) const = default;

    // A transparent bitmap; sizes below 0 count as 0.
    static XABitmap blank(int width, int height);
    std::int64_t area() const { return static_cast<std::int64_t>(width) * height; }
    std::uint8_t *pixel(int x, int y) { return pixels.data() + (static_cast<size_t>(y) * width + x) * 4; }
    const std::uint8_t *pixel(int x, int y) const { return pixels.data() + (static_cast<size_t>(y) * width + x) * 4; }
};

class XAImage {
public:
    XAImage() = default;
    XAImage(XASize size, std::vector<XABitmap> representations);
    // One bitmap, one point per pixel.
    explicit XAImage(XABitmap bitmap);

    // The image in a file's or data's bytes (PNG, JPEG, BMP, GIF, PSD, TGA, HDR, PIC, PNM); an error saying why not.
    static std::optional<XAImage> imageWithContentsOfFile(const std::string &path, XAError *error);
    static std::optional<XAImage> imageWithData(std::string_view bytes, XAError *error);

    XASize size() const { return size_; }
    const std::vector<XABitmap> &representations() const { return representations_; }
    // The bitmap with the most pixels (the first of equal ones); null for an image without bitmaps.
    const XABitmap *bestRepresentation() const;

    // A template image is a shape whose colour the interface chooses.
    bool isTemplate() const { return template_; }
    void setTemplate(bool isTemplate) { template_ = isTemplate; }

    bool operator==(const XAImage &) const = default;

private:
    XASize size_;
    std::vector<XABitmap> representations_;
    bool template_ = false;
};

enum class XABitmapFileType { PNG, JPEG, BMP };

struct XABitmapProperties {
    // JPEG quality from 0 to 1; 0.9 when absent.
    std::optional<double> compressionFactor;
};

// The pixel size of the bitmap with the largest area (the first of equal ones); 0 × 0 without bitmaps.
XASize xa_largestRepresentedSize(const XAImage &image);

// The image at its largest represented size with everything outside the path made transparent (edges smoothed).
XAImage xa_imageByClippingWithBezierPath(const XAImage &image, const XABezierPath &path);
// Clipped to the iOS 7 app-icon outline on a square as wide as the largest represented width.
XAImage xa_imageByRoundingCornersLikeiOS7AppIcons(const XAImage &image);
// The image drawn into the whole of a new one of the given size (the aspect ratio follows the size).
XAImage xa_imageResizedToSize(const XAImage &image, XASize size);
// Every pixel painted with the colour over it (source-atop), transparency kept; never a template image.
XAImage xa_imageColorizedWithColor(const XAImage &image, const XAColor &color);
// A grey version: each pixel's luminance times 0.7 in every colour channel, transparency kept.
XAImage xa_monochromeImage(const XAImage &image);
// A larger image with the image at its own size inside transparent margins of the inset widths.
XAImage xa_imageByPaddingWithInsets(const XAImage &image, XAEdgeInsets insets);

// The best bitmap encoded in the file type; no value for an image without bitmaps or a failed encoding.
std::optional<std::string> xa_bitmapData(const XAImage &image, XABitmapFileType type,
                                         const XABitmapProperties &properties);
bool xa_writeToFile(const XAImage &image, const std::string &path, XABitmapFileType type,
                    const XABitmapProperties &properties, XAError *error = nullptr);
bool xa_writeToPNGFile(const XAImage &image, const std::string &path, XAError *error = nullptr);
// The PNG data as Base64 text; empty for an image without bitmaps.
std::string xa_base64PNGString(const XAImage &image);

// Equal bitmaps, byte for byte; false for no image.
bool xa_isEqualToImage(const XAImage &image, const XAImage *other);
