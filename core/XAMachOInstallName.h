#pragma once

// The install name of a dynamic library, read from its Mach-O load commands: what the developer tools' object-file
// viewer prints for "-DX", without the tool, which Linux does not have.

#include <optional>
#include <string>
#include <string_view>

// The name of the LC_ID_DYLIB load command of a Mach-O image: thin or universal (fat, 32- or 64-bit arch tables),
// 32 or 64 bit, either byte order; of a universal file, its first architecture's. No value for a file that is not
// Mach-O, is truncated or malformed, or has no such command. Every offset is checked against the data.
std::optional<std::string> XAMachOInstallName(std::string_view data);
// The same for a file, reading only the headers and load commands it needs; no value when it cannot be read.
std::optional<std::string> XAMachOInstallNameOfFile(const std::string &path);
