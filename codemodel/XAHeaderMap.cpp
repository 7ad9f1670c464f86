#include "codemodel/XAHeaderMap.h"

#include "core/XAPaths.h"
#include "core/XAUserFolders.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t kMagic = 0x686d6170; // "hmap"
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kBucketSize = 12;

char lowercased(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::uint32_t keyHash(std::string_view key) {
    std::uint32_t hash = 0;
    for (char c : key) {
        hash += static_cast<std::uint32_t>(static_cast<unsigned char>(lowercased(c))) * 13;
    }
    return hash;
}

template <typename Number> void put(std::string &data, std::size_t offset, Number value) {
    std::memcpy(data.data() + offset, &value, sizeof value);
}

// The string table, each distinct text once.
class StringTable {
public:
    StringTable() : text_(1, '\0') {}

    std::uint32_t offsetOf(const std::string &string) {
        auto [position, inserted] = offsets_.emplace(string, static_cast<std::uint32_t>(text_.size()));
        if (inserted) {
            text_ += string;
            text_.push_back('\0');
        }
        return position->second;
    }
    const std::string &text() const { return text_; }

private:
    std::string text_;
    std::map<std::string, std::uint32_t> offsets_;
};

} // namespace

bool XAHeaderMapKeyLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lowercased(x) < lowercased(y); });
}

std::string XAHeaderMapFileContents(const XAHeaderMapEntries &entries) {
    // At most half the buckets are taken, so that every lookup ends soon at an empty one.
    const std::uint32_t bucketCount = std::bit_ceil(std::max<std::uint32_t>(8, 2 * entries.size()));
    struct Bucket {
        std::uint32_t key = 0, prefix = 0, suffix = 0;
    };
    std::vector<Bucket> buckets(bucketCount);
    StringTable strings;
    std::uint32_t longestValue = 0;
    for (const auto &[key, path] : entries) {
        const std::string folder = xa_stringByDeletingLastPathComponent(path);
        const std::string prefix = folder.empty() || folder.ends_with("/") ? folder : folder + "/";
        const std::string suffix = xa_lastPathComponent(path);
        std::uint32_t index = keyHash(key) & (bucketCount - 1);
        while (buckets[index].key != 0) {
            index = (index + 1) & (bucketCount - 1);
        }
        buckets[index] = {strings.offsetOf(key), strings.offsetOf(prefix), strings.offsetOf(suffix)};
        longestValue = std::max(longestValue, static_cast<std::uint32_t>(prefix.size() + suffix.size()));
    }

    const std::size_t stringsOffset = kHeaderSize + kBucketSize * bucketCount;
    std::string data(stringsOffset, '\0');
    put(data, 0, kMagic);
    put(data, 4, kVersion);
    put(data, 6, std::uint16_t(0));
    put(data, 8, static_cast<std::uint32_t>(stringsOffset));
    put(data, 12, static_cast<std::uint32_t>(entries.size()));
    put(data, 16, bucketCount);
    put(data, 20, longestValue);
    for (std::uint32_t index = 0; index < bucketCount; ++index) {
        const std::size_t offset = kHeaderSize + kBucketSize * index;
        put(data, offset, buckets[index].key);
        put(data, offset + 4, buckets[index].prefix);
        put(data, offset + 8, buckets[index].suffix);
    }
    return data + strings.text();
}

bool XAWriteHeaderMapFile(const std::string &path, const XAHeaderMapEntries &entries, XAError *error) {
    XAEnsureParentDirectory(path);
    return XAWriteFileAtomically(path, XAHeaderMapFileContents(entries), error);
}
