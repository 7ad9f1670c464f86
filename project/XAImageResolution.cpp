#include "project/XAImageResolution.h"

#include <stb_image.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstring>
#include <regex>
#include <set>
#include <string_view>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_view_literals;
using XAFrames = std::vector<XAImageResolution>;

// A file mapped read-only into memory, so that a header reader touches only the pages it looks at.
class XAMappedFile {
public:
    explicit XAMappedFile(const std::string &path) {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0) {
            return;
        }
        struct stat status {};
        if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
            void *mapped =
                ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE, descriptor, 0);
            if (mapped != MAP_FAILED) {
                data_ = static_cast<const std::uint8_t *>(mapped);
                size_ = static_cast<std::size_t>(status.st_size);
            }
        }
        ::close(descriptor);
    }
    ~XAMappedFile() {
        if (data_) {
            ::munmap(const_cast<std::uint8_t *>(data_), size_);
        }
    }
    XAMappedFile(const XAMappedFile &) = delete;
    XAMappedFile &operator=(const XAMappedFile &) = delete;

    const std::uint8_t *data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    const std::uint8_t *data_ = nullptr;
    std::size_t size_ = 0;
};

// Bounds-checked reads of unsigned integers in either byte order.
class XAByteReader {
public:
    XAByteReader(const std::uint8_t *data, std::size_t size, bool bigEndian)
        : data_(data), size_(size), bigEndian_(bigEndian) {}

    std::optional<std::uint32_t> read(std::size_t offset, std::size_t width) const {
        if (offset > size_ || width > size_ - offset) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t index = 0; index < width; ++index) {
            const std::uint32_t byte = data_[offset + (bigEndian_ ? index : width - 1 - index)];
            value = (value << 8) | byte;
        }
        return value;
    }
    std::optional<std::uint32_t> u16(std::size_t offset) const { return read(offset, 2); }
    std::optional<std::uint32_t> u32(std::size_t offset) const { return read(offset, 4); }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    bool bigEndian_;
};

std::int32_t clampedDimension(std::uint32_t value) {
    return static_cast<std::int32_t>(std::min<std::uint32_t>(value, INT32_MAX));
}

bool startsWith(const std::uint8_t *data, std::size_t size, std::string_view magic) {
    return size >= magic.size() && std::memcmp(data, magic.data(), magic.size()) == 0;
}

// The size that stb_image's header probe reads; no value when it does not know the format.
std::optional<XAImageResolution> probedResolution(const std::uint8_t *data, std::size_t size) {
    int width = 0;
    int height = 0;
    int components = 0;
    const int length = static_cast<int>(std::min<std::size_t>(size, INT_MAX));
    if (!stbi_info_from_memory(data, length, &width, &height, &components)) {
        return std::nullopt;
    }
    return XAImageResolution{width, height};
}

// ---- TIFF: one frame per image file directory, following the chain of directories ----

constexpr std::uint32_t kTIFFImageWidthTag = 256;
constexpr std::uint32_t kTIFFImageLengthTag = 257;
constexpr std::uint32_t kTIFFShortType = 3;
constexpr std::uint32_t kTIFFLongType = 4;

XAImageResolution tiffDirectoryFrame(const XAByteReader &reader, std::size_t directory, std::uint32_t count) {
    XAImageResolution frame;
    for (std::size_t index = 0; index < count; ++index) {
        const std::size_t entry = directory + 2 + 12 * index;
        const std::uint32_t tag = reader.u16(entry).value_or(0);
        const std::uint32_t type = reader.u16(entry + 2).value_or(0);
        const std::optional<std::uint32_t> value = type == kTIFFShortType  ? reader.u16(entry + 8)
                                                   : type == kTIFFLongType ? reader.u32(entry + 8)
                                                                           : std::nullopt;
        if (tag == kTIFFImageWidthTag && value) {
            frame.width = clampedDimension(*value);
        } else if (tag == kTIFFImageLengthTag && value) {
            frame.height = clampedDimension(*value);
        }
    }
    return frame;
}

std::optional<XAFrames> tiffFrames(const std::uint8_t *data, std::size_t size) {
    const XAByteReader reader(data, size, startsWith(data, size, "MM"));
    if (reader.u16(2) != 42u) {
        return std::nullopt;
    }
    XAFrames frames;
    std::set<std::uint32_t> visited; // a chain that loops back ends there
    std::optional<std::uint32_t> directory = reader.u32(4);
    while (directory && *directory != 0 && visited.insert(*directory).second) {
        const std::optional<std::uint32_t> count = reader.u16(*directory);
        const std::optional<std::uint32_t> next =
            count ? reader.u32(*directory + 2 + 12 * static_cast<std::size_t>(*count)) : std::nullopt;
        if (!next) {
            break; // a directory that runs past the end of the file
        }
        frames.push_back(tiffDirectoryFrame(reader, *directory, *count));
        directory = next;
    }
    return frames.empty() ? std::nullopt : std::optional<XAFrames>(std::move(frames));
}

// ---- ICNS: one frame per icon image element, masks and metadata left out ----

struct XAICNSImageType {
    const char *type;
    std::int32_t width;
    std::int32_t height;
};

constexpr std::array<XAICNSImageType, 33> kICNSImageTypes = {{
    {"ICN#", 32, 32},   {"icm#", 16, 12},   {"icm4", 16, 12},     {"icm8", 16, 12}, {"ics#", 16, 16},
    {"ics4", 16, 16},   {"ics8", 16, 16},   {"is32", 16, 16},     {"icl4", 32, 32}, {"icl8", 32, 32},
    {"il32", 32, 32},   {"ich#", 48, 48},   {"ich4", 48, 48},     {"ich8", 48, 48}, {"ih32", 48, 48},
    {"it32", 128, 128}, {"icp4", 16, 16},   {"icp5", 32, 32},     {"icp6", 64, 64}, {"ic07", 128, 128},
    {"ic08", 256, 256}, {"ic09", 512, 512}, {"ic10", 1024, 1024}, {"ic11", 32, 32}, {"ic12", 64, 64},
    {"ic13", 256, 256}, {"ic14", 512, 512}, {"ic04", 16, 16},     {"ic05", 32, 32}, {"icsb", 18, 18},
    {"icsB", 36, 36},   {"sb24", 24, 24},   {"SB24", 48, 48},
}};

const XAICNSImageType *icnsImageType(const std::uint8_t *type) {
    for (const XAICNSImageType &known : kICNSImageTypes) {
        if (std::memcmp(known.type, type, 4) == 0) {
            return &known;
        }
    }
    return nullptr;
}

std::optional<XAFrames> icnsFrames(const std::uint8_t *data, std::size_t size) {
    const XAByteReader reader(data, size, true);
    const std::size_t end = std::min<std::size_t>(*reader.u32(4), size);
    XAFrames frames;
    for (std::size_t position = 8; position + 8 <= end;) {
        const std::uint32_t length = *reader.u32(position + 4);
        if (length < 8 || length > end - position) {
            break;
        }
        if (const XAICNSImageType *type = icnsImageType(data + position)) {
            // Newer elements hold a whole PNG file, whose own header tells its size.
            std::optional<XAImageResolution> embedded;
            if (startsWith(data + position + 8, length - 8, "\x89PNG")) {
                embedded = probedResolution(data + position + 8, length - 8);
            }
            frames.push_back(embedded.value_or(XAImageResolution{type->width, type->height}));
        }
        position += length;
    }
    return frames;
}

// ---- GIF: every frame has the size of the logical screen ----

// The position after a run of data sub-blocks (each a length byte and that many bytes, ended by a zero length).
std::size_t positionAfterSubBlocks(const std::uint8_t *data, std::size_t size, std::size_t position) {
    while (position < size) {
        const std::size_t length = data[position++];
        if (length == 0) {
            break;
        }
        position += length;
    }
    return position;
}

std::size_t colorTableSize(std::uint8_t flags) { return (flags & 0x80) ? 3u << ((flags & 0x07) + 1) : 0; }

std::size_t gifFrameCount(const std::uint8_t *data, std::size_t size) {
    constexpr std::uint8_t kExtension = 0x21;
    constexpr std::uint8_t kImageDescriptor = 0x2C;
    constexpr std::size_t kImageDescriptorLength = 10;
    std::size_t frames = 0;
    std::size_t position = 13 + colorTableSize(data[10]);
    while (position < size) {
        const std::uint8_t block = data[position];
        if (block == kExtension) {
            position = positionAfterSubBlocks(data, size, position + 2);
        } else if (block == kImageDescriptor && position + kImageDescriptorLength < size) {
            ++frames;
            position += kImageDescriptorLength + colorTableSize(data[position + 9]);
            position = positionAfterSubBlocks(data, size, position + 1); // after the LZW code size
        } else {
            break; // the trailer, or data that is no GIF block
        }
    }
    return frames;
}

std::optional<XAFrames> gifFrames(const std::uint8_t *data, std::size_t size) {
    std::optional<XAImageResolution> screen = probedResolution(data, size);
    if (!screen) {
        return std::nullopt;
    }
    return XAFrames(std::max<std::size_t>(gifFrameCount(data, size), 1), *screen);
}

// ---- ICO and CUR: one frame per directory entry ----

constexpr std::size_t kIconDirectoryHeaderSize = 6;
constexpr std::size_t kIconDirectoryEntrySize = 16;

// A little-endian header of reserved 0, type 1 (icon) or 2 (cursor), and at least one entry, all entries present.
bool isIconDirectory(const std::uint8_t *data, std::size_t size) {
    const XAByteReader reader(data, size, false);
    const std::optional<std::uint32_t> reserved = reader.u16(0), type = reader.u16(2), count = reader.u16(4);
    return reserved == 0u && (type == 1u || type == 2u) && count && *count > 0 &&
           size >= kIconDirectoryHeaderSize + *count * kIconDirectoryEntrySize;
}

// An entry's width and height bytes, 0 meaning 256; an entry holding a whole PNG file is measured by the PNG's own
// header, which also covers sizes beyond 256.
std::optional<XAFrames> iconFrames(const std::uint8_t *data, std::size_t size) {
    const XAByteReader reader(data, size, false);
    const std::uint32_t count = *reader.u16(4);
    XAFrames frames;
    for (std::uint32_t index = 0; index < count; ++index) {
        const std::size_t entry = kIconDirectoryHeaderSize + index * kIconDirectoryEntrySize;
        const auto dimension = [](std::uint8_t byte) { return byte == 0 ? 256 : static_cast<std::int32_t>(byte); };
        XAImageResolution frame{dimension(data[entry]), dimension(data[entry + 1])};
        const std::optional<std::uint32_t> length = reader.u32(entry + 8), offset = reader.u32(entry + 12);
        if (length && offset && *offset < size && *length <= size - *offset &&
            startsWith(data + *offset, *length, "\x89PNG")) {
            frame = probedResolution(data + *offset, *length).value_or(frame);
        }
        frames.push_back(frame);
    }
    return frames;
}

// ---- XBM: C source text defining "<name>_width" and "<name>_height" ----

std::optional<XAFrames> xbmFrames(const std::uint8_t *data, std::size_t size) {
    static const std::regex definition(R"(#define[ \t]+\w*_(width|height)[ \t]+(\d+))");
    const std::string_view text(reinterpret_cast<const char *>(data), std::min<std::size_t>(size, 4096));
    std::optional<std::int32_t> width, height;
    for (std::cregex_iterator match(text.data(), text.data() + text.size(), definition), end; match != end; ++match) {
        std::uint32_t value = UINT32_MAX; // a number too large to read stays at the largest
        std::from_chars((*match)[2].first, (*match)[2].second, value);
        ((*match)[1] == "width" ? width : height) = clampedDimension(value);
    }
    if (!width || !height) {
        return std::nullopt;
    }
    return XAFrames{XAImageResolution{*width, *height}};
}

} // namespace

std::optional<std::vector<XAImageResolution>> XAImageFrameResolutionsOfFile(const std::string &path) {
    const XAMappedFile file(path);
    const std::uint8_t *data = file.data();
    const std::size_t size = file.size();
    if (!data) {
        return std::nullopt;
    }
    if (startsWith(data, size, "II*\0"sv) || startsWith(data, size, "MM\0*"sv)) {
        return tiffFrames(data, size);
    }
    if (startsWith(data, size, "icns") && size >= 8) {
        return icnsFrames(data, size);
    }
    if ((startsWith(data, size, "GIF87a") || startsWith(data, size, "GIF89a")) && size >= 13) {
        return gifFrames(data, size);
    }
    if (isIconDirectory(data, size)) {
        return iconFrames(data, size);
    }
    if (startsWith(data, size, "#define")) {
        return xbmFrames(data, size);
    }
    std::optional<XAImageResolution> probed = probedResolution(data, size);
    return probed ? std::optional<XAFrames>(XAFrames{*probed}) : std::nullopt;
}
