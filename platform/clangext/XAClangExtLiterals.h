#pragma once

// Reading C literals from their spelling.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace xa_clangext {

enum class IntegerSpelling {
    Value,    // a C integer literal whose value fits in 64 bits
    TooLarge, // a C integer literal whose value does not
    Other,    // no integer literal (an identifier, a macro name...)
};

struct DecodedInteger {
    IntegerSpelling kind = IntegerSpelling::Other;
    std::uint64_t value = 0;
};

// Decimal, octal, hexadecimal and binary literals with digit separators (') and any integer suffix.
DecodedInteger decodeIntegerLiteral(std::string_view spelling);

// The value of a string literal as libclang spells it (a prefix, then one or more quoted pieces with C escapes) in
// UTF-8; nothing when the spelling is not such a literal. Ordinary and u8 literals keep their bytes; L, u and U
// literals have their code units converted, an unpaired surrogate or invalid code point becoming U+FFFD.
std::optional<std::string> decodeStringLiteral(std::string_view spelling);

} // namespace xa_clangext
