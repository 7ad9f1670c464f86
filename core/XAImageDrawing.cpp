// Drawn images: each result is a new bitmap of one pixel per point, the source drawn into it with stb_image_resize.

#include "core/XAImage.h"

#include <stb_image_resize.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Larger drawings are refused (an empty image results), so that no size from data can exhaust memory.
constexpr long kMaximumSide = 32768;

int pixels(double points) { return static_cast<int>(std::clamp(std::lround(points), 0L, kMaximumSide)); }

std::uint8_t byte(double value) { return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

// `source` over `destination`, both with colour not premultiplied.
void compositeSourceOver(std::uint8_t *destination, const std::uint8_t *source) {
    const double sourceAlpha = source[3] / 255.0, destinationAlpha = destination[3] / 255.0;
    const double alpha = sourceAlpha + destinationAlpha * (1 - sourceAlpha);
    if (alpha <= 0) {
        std::fill(destination, destination + 4, 0);
        return;
    }
    for (int channel = 0; channel < 3; ++channel) {
        destination[channel] =
            byte((source[channel] * sourceAlpha + destination[channel] * destinationAlpha * (1 - sourceAlpha)) / alpha);
    }
    destination[3] = byte(alpha * 255);
}

// Draws the image's best bitmap scaled into the rectangle at (x, y) from the canvas's top left.
void drawImage(XABitmap &canvas, const XAImage &image, int x, int y, int width, int height) {
    const XABitmap *source = image.bestRepresentation();
    if (!source || source->area() == 0 || width <= 0 || height <= 0) {
        return;
    }
    XABitmap scaled = XABitmap::blank(width, height);
    if (!stbir_resize_uint8_srgb(source->pixels.data(), source->width, source->height, 0, scaled.pixels.data(), width,
                                 height, 0, 4, 3, 0)) {
        return;
    }
    for (int row = std::max(0, -y); row < height && y + row < canvas.height; ++row) {
        for (int column = std::max(0, -x); column < width && x + column < canvas.width; ++column) {
            compositeSourceOver(canvas.pixel(x + column, y + row), scaled.pixel(column, row));
        }
    }
}

XAImage imageWithPixelsOf(const XAImage &image, const std::function<void(std::uint8_t *)> &change) {
    std::vector<XABitmap> bitmaps = image.representations();
    for (XABitmap &bitmap : bitmaps) {
        for (size_t i = 0; i + 3 < bitmap.pixels.size(); i += 4) {
            change(bitmap.pixels.data() + i);
        }
    }
    return XAImage(image.size(), std::move(bitmaps));
}

} // namespace

XAImage xa_imageByClippingWithBezierPath(const XAImage &image, const XABezierPath &path) {
    const XASize size = xa_largestRepresentedSize(image);
    XABitmap canvas = XABitmap::blank(pixels(size.width), pixels(size.height));
    drawImage(canvas, image, 0, 0, canvas.width, canvas.height);
    const std::vector<float> coverage = path.coverageMask(canvas.width, canvas.height);
    for (size_t i = 0; i < coverage.size(); ++i) {
        canvas.pixels[i * 4 + 3] = byte(canvas.pixels[i * 4 + 3] * std::min(coverage[i], 1.0f));
    }
    return XAImage(std::move(canvas));
}

XAImage xa_imageByRoundingCornersLikeiOS7AppIcons(const XAImage &image) {
    return xa_imageByClippingWithBezierPath(image, XAiOS7AppIconPath(xa_largestRepresentedSize(image).width));
}

XAImage xa_imageResizedToSize(const XAImage &image, XASize size) {
    XABitmap canvas = XABitmap::blank(pixels(size.width), pixels(size.height));
    drawImage(canvas, image, 0, 0, canvas.width, canvas.height);
    return XAImage(size, {std::move(canvas)});
}

XAImage xa_imageColorizedWithColor(const XAImage &image, const XAColor &color) {
    // Source-atop: the colour shows where the image is opaque, in proportion to the colour's own opacity.
    const std::uint8_t paint[3] = {byte(color.red * 255), byte(color.green * 255), byte(color.blue * 255)};
    return imageWithPixelsOf(image, [&](std::uint8_t *pixel) {
        for (int channel = 0; channel < 3; ++channel) {
            pixel[channel] = byte(paint[channel] * color.alpha + pixel[channel] * (1 - color.alpha));
        }
    });
}

XAImage xa_monochromeImage(const XAImage &image) {
    const XABitmap *best = image.bestRepresentation();
    if (!best) {
        return image;
    }
    return imageWithPixelsOf(XAImage(*best), [](std::uint8_t *pixel) {
        const double luminance = 0.2126 * pixel[0] + 0.7152 * pixel[1] + 0.0722 * pixel[2];
        std::fill(pixel, pixel + 3, byte(luminance * 0.7));
    });
}

XAImage xa_imageByPaddingWithInsets(const XAImage &image, XAEdgeInsets insets) {
    const XASize size{image.size().width + insets.left + insets.right,
                      image.size().height + insets.top + insets.bottom};
    XABitmap canvas = XABitmap::blank(pixels(size.width), pixels(size.height));
    drawImage(canvas, image, pixels(insets.left), pixels(insets.top), pixels(image.size().width),
              pixels(image.size().height));
    return XAImage(size, {std::move(canvas)});
}
