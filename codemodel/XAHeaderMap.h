#pragma once

// Header maps in clang's file format: a table from what an #include names ("Header.h", "Product/Header.h") to the
// file it finds, which clang reads wherever a search option (-I, -iquote) names a ".hmap" file instead of a folder.
// Xcode writes them during a build; a dry run names them but writes none, so the checker writes its own.
//
// The file, in the host's byte order (clang reads either order):
//
//   header:  magic "hmap" as the 32-bit number 0x686d6170, version 1 (16 bits), 16 reserved bits of 0, the offset of
//            the string table, the number of entries, the number of buckets (a power of two), the length of the
//            longest value (32 bits each)
//   buckets: three 32-bit string-table offsets each: the key, the value's prefix and the value's suffix; a key of 0
//            marks an empty bucket
//   strings: NUL-terminated texts; offset 0 is never used (it holds one NUL byte)
//
// A key lives in the bucket its hash selects (the sum of its characters, lower-cased, each times 13, modulo the
// number of buckets) or, when that is taken, the next free one after it, wrapping around. Keys compare without
// regard to case. The value is the prefix followed by the suffix: here the header's folder with a trailing "/" and
// its file name.

#include "core/XAError.h"

#include <map>
#include <string>
#include <string_view>

struct XAHeaderMapKeyLess {
    bool operator()(std::string_view a, std::string_view b) const;
};

// What an #include names -> the absolute path of the file it finds. Keys are compared without regard to case, as
// clang compares them, so of two keys that differ only in case the map keeps the one inserted first.
using XAHeaderMapEntries = std::map<std::string, std::string, XAHeaderMapKeyLess>;

// The bytes of a header-map file with these entries.
std::string XAHeaderMapFileContents(const XAHeaderMapEntries &entries);

// Writes the file atomically (readers see the old or the new map, never a part); creates its folder when missing.
bool XAWriteHeaderMapFile(const std::string &path, const XAHeaderMapEntries &entries, XAError *error);
