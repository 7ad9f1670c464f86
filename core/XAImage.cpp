#include "core/XAImage.h"

#include "core/XAURLEncoding.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <fstream>
#include <limits>

XABitmap XABitmap::blank(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    return {width, height, std::vector<std::uint8_t>(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0)};
}

XAImage::XAImage(XASize size, std::vector<XABitmap> representations)
    : size_(size), representations_(std::move(representations)) {}

XAImage::XAImage(XABitmap bitmap)
    : size_{static_cast<double>(bitmap.width), static_cast<double>(bitmap.height)}, representations_{
                                                                                        std::move(bitmap)} {}

std::optional<XAImage> XAImage::imageWithData(std::string_view bytes, XAError *error) {
    if (bytes.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
        XASetError(error, "The image data is too large");
        return std::nullopt;
    }
    int width = 0, height = 0, components = 0;
    stbi_uc *pixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc *>(bytes.data()),
                                            static_cast<int>(bytes.size()), &width, &height, &components, 4);
    if (!pixels) {
        XASetError(error, std::string("The data is no readable image: ") + stbi_failure_reason());
        return std::nullopt;
    }
    XABitmap bitmap{width, height, std::vector<std::uint8_t>(pixels, pixels + static_cast<size_t>(width) * height * 4)};
    stbi_image_free(pixels);
    return XAImage(std::move(bitmap));
}

std::optional<XAImage> XAImage::imageWithContentsOfFile(const std::string &path, XAError *error) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof()) {
        XASetError(error, "Cannot read the image file " + path);
        return std::nullopt;
    }
    XAError readError;
    std::optional<XAImage> image = imageWithData(bytes, &readError);
    if (!image) {
        XASetError(error, path + ": " + readError.message);
    }
    return image;
}

const XABitmap *XAImage::bestRepresentation() const {
    const XABitmap *best = nullptr;
    for (const XABitmap &bitmap : representations_) {
        if (!best || bitmap.area() > best->area()) {
            best = &bitmap;
        }
    }
    return best;
}

XASize xa_largestRepresentedSize(const XAImage &image) {
    const XABitmap *best = image.bestRepresentation();
    return best ? XASize{static_cast<double>(best->width), static_cast<double>(best->height)} : XASize{};
}

// ---- Output ----

namespace {

void appendToString(void *context, void *data, int size) {
    static_cast<std::string *>(context)->append(static_cast<const char *>(data), static_cast<size_t>(size));
}

} // namespace

std::optional<std::string> xa_bitmapData(const XAImage &image, XABitmapFileType type,
                                         const XABitmapProperties &properties) {
    const XABitmap *bitmap = image.bestRepresentation();
    if (!bitmap || bitmap->area() == 0) {
        return std::nullopt;
    }
    std::string data;
    int written = 0;
    switch (type) {
    case XABitmapFileType::PNG:
        written = stbi_write_png_to_func(appendToString, &data, bitmap->width, bitmap->height, 4, bitmap->pixels.data(),
                                         bitmap->width * 4);
        break;
    case XABitmapFileType::JPEG: {
        const int quality = static_cast<int>(std::clamp(properties.compressionFactor.value_or(0.9), 0.0, 1.0) * 100);
        written = stbi_write_jpg_to_func(appendToString, &data, bitmap->width, bitmap->height, 4, bitmap->pixels.data(),
                                         std::max(quality, 1));
        break;
    }
    case XABitmapFileType::BMP:
        written =
            stbi_write_bmp_to_func(appendToString, &data, bitmap->width, bitmap->height, 4, bitmap->pixels.data());
        break;
    }
    return written ? std::optional(std::move(data)) : std::nullopt;
}

bool xa_writeToFile(const XAImage &image, const std::string &path, XABitmapFileType type,
                    const XABitmapProperties &properties, XAError *error) {
    const std::optional<std::string> data = xa_bitmapData(image, type, properties);
    if (!data) {
        XASetError(error, "The image cannot be encoded");
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << *data;
    file.close();
    if (!file) {
        XASetError(error, "Cannot write the image file " + path);
        return false;
    }
    return true;
}

bool xa_writeToPNGFile(const XAImage &image, const std::string &path, XAError *error) {
    return xa_writeToFile(image, path, XABitmapFileType::PNG, {}, error);
}

std::string xa_base64PNGString(const XAImage &image) {
    return xa_base64String(xa_bitmapData(image, XABitmapFileType::PNG, {}).value_or(""));
}

bool xa_isEqualToImage(const XAImage &image, const XAImage *other) {
    return other && image.representations() == other->representations();
}
