#pragma once

// Values, readers and a binary property-list builder shared by the property-list tests.

#include "core/XAPropertyList.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xa_plist_testing {

struct ReadResult {
    std::optional<XAValue> value;
    XAError error;
    XAPropertyListFormat format = XAPropertyListFormat::OpenStep;
};

inline ReadResult readData(std::string_view bytes, const std::string &source = "Info.plist") {
    ReadResult result;
    result.value = XAPropertyListFromData(bytes, source, &result.error, &result.format);
    return result;
}

inline std::vector<std::string> keysOf(const XAValue &value) {
    std::vector<std::string> keys;
    for (const auto &entry : *value.dictionary()) {
        keys.push_back(entry.first);
    }
    return keys;
}

// Every value type, with keys out of alphabetical order so that a lost order shows.
inline XAValue richValue() {
    XAValue inner(XADictionary{{"empty array", XAValue(XAValue::Array{})}, {"empty dict", XAValue(XADictionary{})}});
    return XAValue(XADictionary{
        {"zeta", XAValue("first key")},
        {"string", XAValue("Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC <&> \"quotes\" 'apostrophes'\ttab\nline")},
        {"true", XAValue(true)},
        {"false", XAValue(false)},
        {"int", XAValue(42)},
        {"negative", XAValue(std::int64_t{-7})},
        {"min", XAValue(std::int64_t{INT64_MIN})},
        {"max", XAValue(std::int64_t{INT64_MAX})},
        {"real", XAValue(0.1)},
        {"huge", XAValue(1e300)},
        {"negative real", XAValue(-2.5)},
        {"data", XAValue(XAData{0x00, 0x01, 0x02, 0xFF})},
        {"date", XAValue(XADate{599627045})},       // 2020-01-02T03:04:05Z
        {"old date", XAValue(XADate{-3187296000})}, // 1900-01-01, outside libplist's 32-bit seconds
        {"array", XAValue(XAValue::Array{XAValue("a"), XAValue(1), inner})},
        {"nested", inner},
        {"", XAValue("empty key")},
    });
}

// Assembles a binary property list; each object is its marker byte and payload, references are two bytes wide.
inline std::string binaryPlist(const std::vector<std::string> &objects, std::uint64_t root = 0) {
    std::string out = "bplist00";
    std::vector<std::size_t> offsets;
    for (const std::string &object : objects) {
        offsets.push_back(out.size());
        out += object;
    }
    const std::size_t tableOffset = out.size();
    for (std::size_t offset : offsets) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            out += static_cast<char>(offset >> shift);
        }
    }
    out += std::string(6, '\0');
    out += '\x04'; // offset size
    out += '\x02'; // reference size
    for (std::uint64_t number : {std::uint64_t(objects.size()), root, std::uint64_t(tableOffset)}) {
        for (int shift = 56; shift >= 0; shift -= 8) {
            out += static_cast<char>(number >> shift);
        }
    }
    return out;
}

inline std::string reference(std::size_t object) {
    return {static_cast<char>(object >> 8), static_cast<char>(object & 0xFF)};
}

inline std::string arrayOf(std::initializer_list<std::size_t> children) {
    std::string object(1, static_cast<char>(0xA0 | children.size()));
    for (std::size_t child : children) {
        object += reference(child);
    }
    return object;
}

} // namespace xa_plist_testing
