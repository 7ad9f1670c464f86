#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of a property-list file as UTF-8. A UTF-8 byte-order mark is dropped; UTF-16 (little or big
// endian, recognised by its byte-order mark or, without one, by the NUL bytes of ASCII characters) is
// converted, with invalid sequences replaced by U+FFFD. Returns `bytes` itself when no conversion is
// needed, else a view of `storage`.
std::string_view XAPropertyListTextAsUTF8(std::string_view bytes, std::string &storage);

// Whether bytes without a byte-order mark are UTF-16, by the NUL bytes on one side of their first ASCII characters:
// true for big endian, false for little endian, no value when they do not look like UTF-16.
std::optional<bool> XAGuessUTF16BigEndian(std::string_view bytes);
