#include "core/XAHashing.h"

#include <openssl/evp.h>

namespace {

// Empty only if OpenSSL cannot run the digest at all, which a working installation never does.
std::string hexDigest(const EVP_MD *algorithm, std::string_view text) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!algorithm || EVP_Digest(text.data(), text.size(), digest, &length, algorithm, nullptr) != 1) {
        return {};
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * length);
    for (unsigned int i = 0; i < length; ++i) {
        hex += kDigits[digest[i] >> 4];
        hex += kDigits[digest[i] & 0xF];
    }
    return hex;
}

} // namespace

std::string xa_SHA1Hash(std::string_view text) { return hexDigest(EVP_sha1(), text); }

std::string xa_SHA256Hash(std::string_view text) { return hexDigest(EVP_sha256(), text); }

std::string xa_MD5Hash(std::string_view text) { return hexDigest(EVP_md5(), text); }

std::string xa_hashForFilePath(std::string_view path) { return xa_SHA1Hash(path); }
