#include "core/XAHashing.h"

#include <openssl/evp.h>

#include <fstream>
#include <memory>

namespace {

std::string hexOfBytes(const unsigned char *bytes, unsigned int length) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * length);
    for (unsigned int i = 0; i < length; ++i) {
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 0xF];
    }
    return hex;
}

// Empty only if OpenSSL cannot run the digest at all, which a working installation never does.
std::string hexDigest(const EVP_MD *algorithm, std::string_view text) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!algorithm || EVP_Digest(text.data(), text.size(), digest, &length, algorithm, nullptr) != 1) {
        return {};
    }
    return hexOfBytes(digest, length);
}

} // namespace

std::string xa_SHA1Hash(std::string_view text) { return hexDigest(EVP_sha1(), text); }

std::string xa_SHA256Hash(std::string_view text) { return hexDigest(EVP_sha256(), text); }

std::string xa_MD5Hash(std::string_view text) { return hexDigest(EVP_md5(), text); }

std::string xa_hashForFilePath(std::string_view path) { return xa_SHA1Hash(path); }

std::optional<std::string> xa_SHA256HashOfFileAtPath(const std::string &path) {
    std::ifstream stream(path, std::ios::binary);
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> digestContext(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!stream || !digestContext || EVP_DigestInit_ex(digestContext.get(), EVP_sha256(), nullptr) != 1) {
        return std::nullopt;
    }
    char buffer[64 * 1024];
    while (stream.read(buffer, sizeof buffer) || stream.gcount() > 0) {
        if (EVP_DigestUpdate(digestContext.get(), buffer, static_cast<std::size_t>(stream.gcount())) != 1) {
            return std::nullopt;
        }
    }
    if (stream.bad()) {
        return std::nullopt;
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(digestContext.get(), digest, &length) != 1) {
        return std::nullopt;
    }
    return hexOfBytes(digest, length);
}
