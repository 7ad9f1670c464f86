#pragma once

// Pixel sizes of image files, read from their headers only (never their pixels).
//
// PNG, JPEG, BMP and the other formats that stb_image knows are probed with its header probe; GIF frames are counted
// by walking the file's blocks; TIFF (every page, in order), ICNS, ICO and CUR (every icon image, in order) and XBM have
// readers of their own. Other files, PDF among them, are no images here.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The pixel width and height of one image frame.
struct XAImageResolution {
    std::int32_t width = 0;
    std::int32_t height = 0;

    // 64-bit, so that an image over 46,340 pixels square does not overflow.
    std::int64_t area() const { return static_cast<std::int64_t>(width) * height; }
    bool operator==(const XAImageResolution &) const = default;
};

// One resolution per frame of the image file, in frame order; no value when the file cannot be opened or is no image
// in a format read here.
std::optional<std::vector<XAImageResolution>> XAImageFrameResolutionsOfFile(const std::string &path);
