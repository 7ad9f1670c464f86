#pragma once

// Offsets into one text in the three measures the system meets: UTF-8 byte offsets (what libclang
// reports), code-point offsets (what users see in exported diagnostics) and UTF-16 offsets (what
// UTF-16 string classes such as the desktop shell's index). Batches are converted together so that
// a file's text is scanned once, however many diagnostics it carries.
//
// Texts are UTF-8. A byte that is not a continuation byte (10xxxxxx) starts a code point, so an
// invalid byte counts as one code point of its own; a lead byte of a four-byte sequence (0xF0 and
// above) starts a code point outside the Basic Multilingual Plane, which takes two UTF-16 units.

#include "core/XANotFound.h"
#include "core/XAString.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Byte offsets to code-point offsets, same count and order. An offset at or past the end of the
// text becomes XANotFound; an offset inside a multi-byte character maps to that character.
std::vector<std::size_t> xa_utf8ByteOffsetsToCodePointOffsets(std::string_view text,
                                                              const std::vector<std::size_t> &byteOffsets);

// Code-point offsets to UTF-16 offsets, same count and order. An offset at or past the number of
// code points becomes XANotFound.
std::vector<std::size_t> xa_codePointOffsetsToNSStringOffsets(std::string_view text,
                                                              const std::vector<std::size_t> &codePointOffsets);

// The number of code points of the text.
std::size_t xa_codePointLength(std::string_view text);

// The bytes [location, location + length) clipped to the end of the text and widened to whole
// user-perceived characters (grapheme clusters). Empty when `location` is not below the length.
std::optional<std::string> xa_safeSubstringWithRange(std::string_view text, std::size_t location, std::size_t length);

// The byte range [location, location + length) clipped and widened in the same way; no value when `location` is not
// below the length.
std::optional<XAStringRange> xa_rangeOfComposedCharacterSequences(std::string_view text, std::size_t location,
                                                                  std::size_t length);

// The whole user-perceived character that contains the byte at `index`; empty past the end.
std::optional<std::string> xa_graphemeClusterAtIndex(std::string_view text, std::size_t index);

// The number of user-perceived characters (grapheme clusters).
std::size_t xa_graphemeClusterLength(std::string_view text);

// True when some character is outside ASCII (some byte is 128 or above).
bool xa_containsNonASCIICodePoints(std::string_view text);

// The text passed through an ICU transform such as "Fullwidth-Halfwidth" or "Any-Latin", forwards
// or in reverse. Empty when ICU does not know the transform.
std::optional<std::string> xa_stringByApplyingTransform(std::string_view text, const std::string &transformID,
                                                        bool reverse);

// Escapes of the form \uXXXX (four hexadecimal digits) turned into their characters.
std::string xa_stringByTranslatingUnicodeEscapeSequences(std::string_view text);

// The UTF-8 text of one code point. Values that are not Unicode scalar values (surrogates, above
// U+10FFFF) give U+FFFD: UTF-8 cannot hold them, and truncating them would name another character.
std::string xa_stringFromUTF32Char(std::uint32_t codePoint);
