#pragma once

// One entry of a `.strings` table with the line on which it starts (XAProjectFile::stringsFileEntries), and the
// record of one use of a localisation key in code.

#include <cstddef>
#include <optional>
#include <string>

// One "key" = "value"; entry of a `.strings` file.
class XAStringsFileEntry {
public:
    XAStringsFileEntry(std::string resourceKey, std::optional<std::string> resourceValue, std::size_t lineNumber)
        : resourceKey_(std::move(resourceKey)), resourceValue_(std::move(resourceValue)), lineNumber_(lineNumber) {}

    // Never empty.
    const std::string &resourceKey() const { return resourceKey_; }
    // No value for an unquoted value of no characters (`"key" = ;`); an empty quoted value is the empty string.
    const std::optional<std::string> &resourceValue() const { return resourceValue_; }
    // 1-based line on which the entry starts.
    std::size_t lineNumber() const { return lineNumber_; }

    // "<XAStringsFileEntry: 0x...> (<line>: <key> = <value>)".
    std::string description() const;

    bool operator==(const XAStringsFileEntry &) const = default;

private:
    std::string resourceKey_;
    std::optional<std::string> resourceValue_;
    std::size_t lineNumber_;
};

// One use of a localisation key found in code: the key and the strings table it names.
struct XALocalizationKeyUsage {
    std::string key;
    std::string table;

    bool operator==(const XALocalizationKeyUsage &) const = default;
};
