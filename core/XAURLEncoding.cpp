#include "core/XAURLEncoding.h"

#include <algorithm>
#include <cctype>

#include <openssl/evp.h>
#include <unicode/utf8.h>

namespace {

bool isUnreserved(unsigned char c) { return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool isValidUTF8(std::string_view text) {
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    const auto length = static_cast<std::int64_t>(text.size());
    for (std::int64_t index = 0; index < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, index, length, c);
        if (c < 0) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string xa_URLEncoded(std::string_view text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte)) {
            result += c;
        } else {
            result += '%';
            result += kDigits[byte >> 4];
            result += kDigits[byte & 0xF];
        }
    }
    return result;
}

std::optional<std::string> xa_URLDecoded(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            result += text[i];
            continue;
        }
        const int high = i + 1 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        result += static_cast<char>(high * 16 + low);
        i += 2;
    }
    if (!isValidUTF8(result)) {
        return std::nullopt;
    }
    return result;
}

std::string xa_base64String(std::span<const std::uint8_t> data) {
    std::string result;
    // EVP_EncodeBlock takes an int length, so long data goes in chunks of whole 3-byte groups.
    constexpr std::size_t kChunk = 3 * (1 << 20);
    result.reserve((data.size() + 2) / 3 * 4);
    for (std::size_t offset = 0; offset < data.size(); offset += kChunk) {
        const std::size_t length = std::min(kChunk, data.size() - offset);
        std::string encoded((length + 2) / 3 * 4 + 1, '\0');
        const int written = EVP_EncodeBlock(reinterpret_cast<unsigned char *>(encoded.data()), data.data() + offset,
                                            static_cast<int>(length));
        result.append(encoded.data(), static_cast<std::size_t>(written));
    }
    return result;
}

std::string xa_base64String(std::string_view bytes) {
    return xa_base64String(std::span(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()));
}
