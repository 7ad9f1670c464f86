#pragma once

// Small image files made by the tests: PNG, JPEG and BMP through stb_image_write, GIF, TIFF and ICNS written by hand
// with real (tiny, uncompressed or trivially compressed) pixel data, so that every file is one that image tools read.

#include <stb_image_write.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

enum class XATestImageFormat { PNG, JPEG, BMP };

// Writes a grey image of the given size; returns the path.
inline std::string XAWriteTestImage(const std::string &path, XATestImageFormat format, int width, int height) {
    const std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height, 128);
    int written = 0;
    switch (format) {
    case XATestImageFormat::PNG:
        written = stbi_write_png(path.c_str(), width, height, 1, pixels.data(), width);
        break;
    case XATestImageFormat::JPEG:
        written = stbi_write_jpg(path.c_str(), width, height, 1, pixels.data(), 90);
        break;
    case XATestImageFormat::BMP:
        written = stbi_write_bmp(path.c_str(), width, height, 1, pixels.data());
        break;
    }
    EXPECT_NE(written, 0) << path;
    return path;
}

inline void XAWriteBytes(const std::string &path, const std::vector<std::uint8_t> &bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void XAAppendInteger(std::vector<std::uint8_t> &bytes, std::uint32_t value, int width, bool bigEndian) {
    for (int index = 0; index < width; ++index) {
        const int shift = 8 * (bigEndian ? width - 1 - index : index);
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

// A GIF of `frames` frames of one colour on a two-colour palette. Each pixel is coded as a clear code followed by
// colour 0, which keeps the LZW code width at three bits.
inline std::string XAWriteTestGIF(const std::string &path, int width, int height, int frames) {
    std::vector<std::uint8_t> bytes = {'G', 'I', 'F', '8', '9', 'a'};
    XAAppendInteger(bytes, width, 2, false);
    XAAppendInteger(bytes, height, 2, false);
    bytes.insert(bytes.end(), {0x80, 0, 0, 0, 0, 0, 255, 255, 255}); // global palette of two colours
    for (int frame = 0; frame < frames; ++frame) {
        bytes.insert(bytes.end(), {0x21, 0xF9, 4, 0, 10, 0, 0, 0}); // graphic control: a delay between frames
        bytes.push_back(0x2C);
        XAAppendInteger(bytes, 0, 4, false);
        XAAppendInteger(bytes, width, 2, false);
        XAAppendInteger(bytes, height, 2, false);
        bytes.push_back(0);
        bytes.push_back(2); // LZW minimum code size
        std::vector<std::uint8_t> data;
        std::uint32_t bits = 0;
        int bitCount = 0;
        auto code = [&](std::uint32_t value) {
            bits |= value << bitCount;
            bitCount += 3;
            while (bitCount >= 8) {
                data.push_back(static_cast<std::uint8_t>(bits));
                bits >>= 8;
                bitCount -= 8;
            }
        };
        for (int pixel = 0; pixel < width * height; ++pixel) {
            code(4);
            code(0);
        }
        code(5);
        if (bitCount > 0) {
            data.push_back(static_cast<std::uint8_t>(bits));
        }
        for (std::size_t start = 0; start < data.size(); start += 255) {
            const std::size_t length = std::min<std::size_t>(255, data.size() - start);
            bytes.push_back(static_cast<std::uint8_t>(length));
            bytes.insert(bytes.end(), data.begin() + start, data.begin() + start + length);
        }
        bytes.push_back(0);
    }
    bytes.push_back(0x3B);
    XAWriteBytes(path, bytes);
    return path;
}

// A TIFF with one uncompressed 8-bit grey page per size, in order. Sizes above 65535 are written as LONG values.
inline std::string XAWriteTestTIFF(const std::string &path, const std::vector<std::pair<int, int>> &pages,
                                   bool bigEndian) {
    std::vector<std::uint8_t> bytes =
        bigEndian ? std::vector<std::uint8_t>{'M', 'M'} : std::vector<std::uint8_t>{'I', 'I'};
    XAAppendInteger(bytes, 42, 2, bigEndian);
    XAAppendInteger(bytes, 8, 4, bigEndian);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const auto [width, height] = pages[page];
        // A page larger than a few pixels gets one shared row of pixels: readers of sizes never look at them.
        const std::uint32_t pixelBytes = static_cast<std::uint32_t>(std::min<long long>(1LL * width * height, 64));
        const std::uint32_t directory = static_cast<std::uint32_t>(bytes.size());
        const std::uint32_t entryCount = 8;
        const std::uint32_t pixelsAt = directory + 2 + 12 * entryCount + 4;
        const std::uint32_t next = page + 1 < pages.size() ? pixelsAt + pixelBytes : 0;
        auto entry = [&](std::uint32_t tag, std::uint32_t value, bool asLong) {
            XAAppendInteger(bytes, tag, 2, bigEndian);
            XAAppendInteger(bytes, asLong ? 4 : 3, 2, bigEndian);
            XAAppendInteger(bytes, 1, 4, bigEndian);
            if (asLong) {
                XAAppendInteger(bytes, value, 4, bigEndian);
            } else {
                XAAppendInteger(bytes, value, 2, bigEndian);
                XAAppendInteger(bytes, 0, 2, bigEndian);
            }
        };
        XAAppendInteger(bytes, entryCount, 2, bigEndian);
        entry(256, width, width > 65535);
        entry(257, height, height > 65535);
        entry(258, 8, false);               // bits per sample
        entry(259, 1, false);               // no compression
        entry(262, 1, false);               // black is zero
        entry(273, pixelsAt, true);         // strip offset
        entry(278, height, height > 65535); // rows per strip
        entry(279, pixelBytes, true);       // strip byte count
        XAAppendInteger(bytes, next, 4, bigEndian);
        bytes.insert(bytes.end(), pixelBytes, 200);
    }
    XAWriteBytes(path, bytes);
    return path;
}

// An ICNS file of the given elements (four-character type, contents), in order.
inline std::string XAWriteTestICNS(const std::string &path,
                                   const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> &elements) {
    std::vector<std::uint8_t> body;
    for (const auto &[type, contents] : elements) {
        body.insert(body.end(), type.begin(), type.end());
        XAAppendInteger(body, static_cast<std::uint32_t>(contents.size() + 8), 4, true);
        body.insert(body.end(), contents.begin(), contents.end());
    }
    std::vector<std::uint8_t> bytes = {'i', 'c', 'n', 's'};
    XAAppendInteger(bytes, static_cast<std::uint32_t>(body.size() + 8), 4, true);
    bytes.insert(bytes.end(), body.begin(), body.end());
    XAWriteBytes(path, bytes);
    return path;
}

// The bytes of a PNG file of the given size.
inline std::vector<std::uint8_t> XATestPNGBytes(int width, int height) {
    std::vector<std::uint8_t> bytes;
    const std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height, 128);
    stbi_write_png_to_func(
        [](void *context, void *data, int size) {
            auto *out = static_cast<std::vector<std::uint8_t> *>(context);
            out->insert(out->end(), static_cast<std::uint8_t *>(data), static_cast<std::uint8_t *>(data) + size);
        },
        &bytes, width, height, 1, pixels.data(), width);
    return bytes;
}
