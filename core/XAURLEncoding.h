#pragma once

// Percent-encoding of text for URLs, and Base64.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The UTF-8 bytes of the text percent-encoded (%XX, upper-case hexadecimal), except the unreserved
// characters A-Z a-z 0-9 - . _ ~: every reserved character, "%" and the blank included, so that the
// result can stand as one query value or path component.
std::string xa_URLEncoded(std::string_view text);

// Every %XX escape replaced by its byte. Empty when a "%" is not followed by two hexadecimal digits
// or when the bytes are not valid UTF-8. A "+" stays a "+".
std::optional<std::string> xa_URLDecoded(std::string_view text);

// Standard Base64 (RFC 4648) with padding and without line breaks.
std::string xa_base64String(std::span<const std::uint8_t> data);
std::string xa_base64String(std::string_view bytes);
