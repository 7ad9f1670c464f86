#include "core/XABinaryPropertyListChecker.h"

#include "core/XAPropertyListInternal.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

using xa_detail::kMaxPropertyListNestingDepth;

// A binary list may share one object among many parents; reading expands every share into its own value.
constexpr std::uint64_t kMaxExpandedBinaryValues = 20'000'000;

std::uint64_t bigEndianNumber(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < width; ++i) {
        number = number << 8 | static_cast<unsigned char>(bytes[offset + i]);
    }
    return number;
}

// Checks a binary property list's structure before libplist reads it: trailer, offset table, object
// references, nesting depth, cycles and the size of the expanded tree. Returns a problem or an empty string.
class BinaryPlistChecker {
public:
    explicit BinaryPlistChecker(std::string_view bytes) : bytes_(bytes) {}
    std::string problem();

private:
    struct Container {
        std::uint64_t refsOffset = 0;
        std::uint64_t refCount = 0;
    };
    bool readTrailer();
    bool readCount(std::uint64_t &position, unsigned marker, std::uint64_t &count) const;
    bool readObject(std::uint64_t object, Container &container, bool &isContainer) const;
    bool isUsableKey(std::uint64_t object) const;
    std::uint64_t reference(const Container &container, std::uint64_t index) const {
        return bigEndianNumber(bytes_, container.refsOffset + index * referenceSize_, referenceSize_);
    }
    std::string walkObjects();

    std::string_view bytes_;
    std::size_t offsetSize_ = 0;
    std::size_t referenceSize_ = 0;
    std::uint64_t objectCount_ = 0;
    std::uint64_t rootObject_ = 0;
    std::uint64_t offsetTableOffset_ = 0;
    std::vector<std::uint64_t> offsets_;
};

constexpr std::size_t kBinaryHeaderSize = 8;
constexpr std::size_t kBinaryTrailerSize = 32;

std::string BinaryPlistChecker::problem() {
    if (bytes_.size() < kBinaryHeaderSize + 1 + kBinaryTrailerSize) {
        return "the binary property list is truncated";
    }
    if (bytes_.size() > UINT32_MAX) {
        return "the binary property list is too large to read";
    }
    if (!readTrailer()) {
        return "the binary property list is damaged or truncated (its trailer or offset table is invalid)";
    }
    return walkObjects();
}

bool BinaryPlistChecker::readTrailer() {
    const std::size_t trailer = bytes_.size() - kBinaryTrailerSize;
    offsetSize_ = static_cast<unsigned char>(bytes_[trailer + 6]);
    referenceSize_ = static_cast<unsigned char>(bytes_[trailer + 7]);
    objectCount_ = bigEndianNumber(bytes_, trailer + 8, 8);
    rootObject_ = bigEndianNumber(bytes_, trailer + 16, 8);
    offsetTableOffset_ = bigEndianNumber(bytes_, trailer + 24, 8);
    if (offsetSize_ < 1 || offsetSize_ > 8 || referenceSize_ < 1 || referenceSize_ > 8 || objectCount_ == 0 ||
        rootObject_ >= objectCount_ || offsetTableOffset_ <= kBinaryHeaderSize || offsetTableOffset_ >= trailer ||
        objectCount_ > (trailer - offsetTableOffset_) / offsetSize_) {
        return false;
    }
    offsets_.resize(objectCount_);
    for (std::uint64_t i = 0; i < objectCount_; ++i) {
        offsets_[i] = bigEndianNumber(bytes_, offsetTableOffset_ + i * offsetSize_, offsetSize_);
        if (offsets_[i] < kBinaryHeaderSize || offsets_[i] >= offsetTableOffset_) {
            return false;
        }
    }
    return true;
}

// The element count of the object whose marker was read; `position` moves past the marker and count.
bool BinaryPlistChecker::readCount(std::uint64_t &position, unsigned marker, std::uint64_t &count) const {
    count = marker & 0xF;
    ++position;
    if (count != 0xF) {
        return true;
    }
    if (position >= offsetTableOffset_) {
        return false;
    }
    const auto countMarker = static_cast<unsigned char>(bytes_[position]);
    const std::size_t width = std::size_t(1) << (countMarker & 0xF);
    if (countMarker >> 4 != 1 || width > 8 || position + 1 + width > offsetTableOffset_) {
        return false;
    }
    count = bigEndianNumber(bytes_, position + 1, width);
    position += 1 + width;
    return true;
}

// Arrays (0xA), sets (0xC) and dictionaries (0xD, keys then values) hold references to other objects.
// Data (0x4) and strings (0x5 ASCII, 0x6 UTF-16, 0x7 UTF-8) must fit before the offset table.
bool BinaryPlistChecker::readObject(std::uint64_t object, Container &container, bool &isContainer) const {
    std::uint64_t position = offsets_[object];
    const auto marker = static_cast<unsigned char>(bytes_[position]);
    const unsigned kind = marker >> 4;
    isContainer = kind == 0xA || kind == 0xC || kind == 0xD;
    const bool isText = kind >= 0x4 && kind <= 0x7;
    std::uint64_t count = 0;
    if (!isContainer && !isText) {
        return true;
    }
    if (!readCount(position, marker, count)) {
        return false;
    }
    if (isText) {
        return count <= (offsetTableOffset_ - position) / (kind == 0x6 ? 2 : 1);
    }
    const std::uint64_t available = (offsetTableOffset_ - position) / referenceSize_;
    if (count > available || (kind == 0xD && count > available / 2)) {
        return false;
    }
    container.refsOffset = position;
    container.refCount = kind == 0xD ? count * 2 : count;
    for (std::uint64_t i = 0; i < container.refCount; ++i) {
        if (reference(container, i) >= objectCount_ ||
            (kind == 0xD && i < count && !isUsableKey(reference(container, i)))) {
            return false;
        }
    }
    return true;
}

// Keys must be ASCII (0x5) or UTF-16 (0x6) strings without NUL characters: libplist aborts on a NUL in a key.
bool BinaryPlistChecker::isUsableKey(std::uint64_t object) const {
    std::uint64_t position = offsets_[object];
    const auto marker = static_cast<unsigned char>(bytes_[position]);
    const unsigned kind = marker >> 4;
    std::uint64_t length = 0;
    if ((kind != 0x5 && kind != 0x6) || !readCount(position, marker, length)) {
        return false;
    }
    const std::uint64_t unitSize = kind == 0x5 ? 1 : 2;
    if (length > (offsetTableOffset_ - position) / unitSize) {
        return false;
    }
    for (std::uint64_t i = 0; i < length; ++i) {
        if (bigEndianNumber(bytes_, position + i * unitSize, unitSize) == 0) {
            return false;
        }
    }
    return true;
}

// A depth-first walk without recursion; every object is opened once and its expanded size memoised.
std::string BinaryPlistChecker::walkObjects() {
    enum State : std::uint8_t { kUnseen, kOpen, kDone };
    std::vector<State> states(objectCount_, kUnseen);
    std::vector<std::uint64_t> expandedSizes(objectCount_, 1);
    struct Frame {
        std::uint64_t object;
        Container container;
        std::uint64_t next;
    };
    std::vector<Frame> stack;
    auto open = [&](std::uint64_t object) -> std::string {
        Container container;
        bool isContainer = false;
        if (!readObject(object, container, isContainer)) {
            return "the binary property list is damaged (an object runs past its data, or a dictionary key is not a "
                   "string or holds a NUL character)";
        }
        if (!isContainer) {
            states[object] = kDone;
            return {};
        }
        if (stack.size() >= kMaxPropertyListNestingDepth) {
            return "the property list is nested more than " + std::to_string(kMaxPropertyListNestingDepth) +
                   " levels deep";
        }
        states[object] = kOpen;
        stack.push_back(Frame{object, container, 0});
        return {};
    };
    if (std::string problem = open(rootObject_); !problem.empty()) {
        return problem;
    }
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next < frame.container.refCount) {
            std::uint64_t child = reference(frame.container, frame.next++);
            if (states[child] == kOpen) {
                return "the binary property list is damaged (an object contains itself)";
            }
            if (states[child] == kUnseen) {
                if (std::string problem = open(child); !problem.empty()) {
                    return problem;
                }
            }
            continue;
        }
        std::uint64_t size = 1;
        for (std::uint64_t i = 0; i < frame.container.refCount; ++i) {
            size = std::min(size + expandedSizes[reference(frame.container, i)], kMaxExpandedBinaryValues + 1);
        }
        if (size > kMaxExpandedBinaryValues) {
            return "the binary property list expands to more than " + std::to_string(kMaxExpandedBinaryValues) +
                   " values";
        }
        expandedSizes[frame.object] = size;
        states[frame.object] = kDone;
        stack.pop_back();
    }
    return {};
}

} // namespace

bool XACheckBinaryPropertyList(std::string_view bytes, const std::string &sourceName, XAError *error) {
    if (!bytes.starts_with("bplist00")) {
        XASetError(error, sourceName + ": unsupported binary property list version \"" +
                              std::string(bytes.substr(0, 8)) + "\"");
        return false;
    }
    if (std::string problem = BinaryPlistChecker(bytes).problem(); !problem.empty()) {
        XASetError(error, sourceName + ": " + problem);
        return false;
    }
    return true;
}
