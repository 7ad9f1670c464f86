#include "core/XAPropertyListText.h"

#include "core/XAPropertyListInternal.h"

#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

using xa_detail::kReplacementCharacter;

// Copies big-endian or little-endian UTF-16 bytes into units; a stray last byte becomes U+FFFD.
std::u16string utf16Units(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto first = static_cast<unsigned char>(bytes[i]);
        auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first)));
    }
    if (bytes.size() % 2 != 0) {
        units.push_back(static_cast<char16_t>(kReplacementCharacter));
    }
    return units;
}

void appendUTF16AsUTF8(std::u16string_view units, std::string &out) {
    constexpr std::size_t kChunk = 1 << 20; // ICU converts int32_t lengths; chunks keep huge texts in range
    while (!units.empty()) {
        std::size_t count = std::min(units.size(), kChunk);
        if (count < units.size() && U16_IS_LEAD(units[count - 1])) {
            --count; // keep a surrogate pair together
        }
        int32_t length = 0;
        UErrorCode status = U_ZERO_ERROR;
        u_strToUTF8WithSub(nullptr, 0, &length, units.data(), static_cast<int32_t>(count), kReplacementCharacter,
                           nullptr, &status);
        std::size_t offset = out.size();
        out.resize(offset + static_cast<std::size_t>(length));
        status = U_ZERO_ERROR;
        u_strToUTF8WithSub(out.data() + offset, length, &length, units.data(), static_cast<int32_t>(count),
                           kReplacementCharacter, nullptr, &status);
        if (U_FAILURE(status)) {
            out.resize(offset);
            return;
        }
        units.remove_prefix(count);
    }
}

} // namespace

std::optional<bool> XAGuessUTF16BigEndian(std::string_view bytes) {
    std::size_t sample = std::min<std::size_t>(bytes.size(), 64) & ~std::size_t(1);
    std::size_t evenNuls = 0;
    std::size_t oddNuls = 0;
    for (std::size_t i = 0; i < sample; ++i) {
        if (bytes[i] == '\0') {
            (i % 2 == 0 ? evenNuls : oddNuls)++;
        }
    }
    if (oddNuls > 0 && evenNuls == 0) {
        return false;
    }
    if (evenNuls > 0 && oddNuls == 0) {
        return true;
    }
    return std::nullopt;
}

std::string_view XAPropertyListTextAsUTF8(std::string_view bytes, std::string &storage) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return bytes.substr(3);
    }
    std::optional<bool> bigEndian;
    if (bytes.starts_with("\xFF\xFE")) {
        bigEndian = false;
        bytes.remove_prefix(2);
    } else if (bytes.starts_with("\xFE\xFF")) {
        bigEndian = true;
        bytes.remove_prefix(2);
    } else {
        bigEndian = XAGuessUTF16BigEndian(bytes);
        if (!bigEndian) {
            return bytes;
        }
    }
    std::u16string units = utf16Units(bytes, *bigEndian);
    std::u16string_view view(units);
    if (view.starts_with(u'\uFEFF')) {
        view.remove_prefix(1);
    }
    storage.clear();
    appendUTF16AsUTF8(view, storage);
    return storage;
}
