#pragma once

// Hexadecimal digests of text: lower case, two digits per byte.

#include <optional>
#include <string>
#include <string_view>

std::string xa_SHA1Hash(std::string_view text);   // 40 digits
std::string xa_SHA256Hash(std::string_view text); // 64 digits
std::string xa_MD5Hash(std::string_view text);    // 32 digits

// The SHA-256 digest of a file's contents, read in pieces; no value when the file cannot be read.
std::optional<std::string> xa_SHA256HashOfFileAtPath(const std::string &path);

// The name under which per-project cache files are stored: the SHA-1 of the path text.
std::string xa_hashForFilePath(std::string_view path);
