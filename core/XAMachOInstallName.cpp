#include "core/XAMachOInstallName.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <limits>

namespace {

constexpr std::uint32_t kFatMagic = 0xCAFEBABE;
constexpr std::uint32_t kFatMagic64 = 0xCAFEBABF;
constexpr std::uint32_t kMachMagic = 0xFEEDFACE;
constexpr std::uint32_t kMachMagic64 = 0xFEEDFACF;
constexpr std::uint32_t kMachCigam = 0xCEFAEDFE;
constexpr std::uint32_t kMachCigam64 = 0xCFFAEDFE;
constexpr std::uint32_t kLoadCommandIdDylib = 0xD;

constexpr std::uint64_t kMachHeaderSize = 28;
constexpr std::uint64_t kMachHeader64Size = 32;
constexpr std::uint64_t kFatHeaderSize = 8;
constexpr std::uint64_t kFatArchSize = 20;
constexpr std::uint64_t kFatArch64Size = 32;
constexpr std::uint64_t kDylibCommandSize = 24;
// Far beyond any real image's load commands; keeps a corrupt size from asking for gigabytes.
constexpr std::uint64_t kMaximumLoadCommandsSize = 64 * 1024 * 1024;

// Bytes of the source at an offset: exactly `size` of them, or no value.
using ByteSource = std::function<std::optional<std::string>(std::uint64_t offset, std::uint64_t size)>;

std::uint32_t read32(std::string_view bytes, std::size_t at, bool bigEndian) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[at + (bigEndian ? i : 3 - i)]);
        value = (value << 8) | byte;
    }
    return value;
}

std::uint64_t read64(std::string_view bytes, std::size_t at, bool bigEndian) {
    const std::uint64_t first = read32(bytes, at, bigEndian);
    const std::uint64_t second = read32(bytes, at + 4, bigEndian);
    return bigEndian ? (first << 32) | second : (second << 32) | first;
}

// The name in one LC_ID_DYLIB command: from its name offset up to the first NUL or the command's end.
std::optional<std::string> dylibName(std::string_view command, bool bigEndian) {
    if (command.size() < kDylibCommandSize) {
        return std::nullopt;
    }
    const std::uint32_t nameOffset = read32(command, 8, bigEndian);
    if (nameOffset < kDylibCommandSize || nameOffset >= command.size()) {
        return std::nullopt;
    }
    const std::string_view rest = command.substr(nameOffset);
    return std::string(rest.substr(0, rest.find('\0')));
}

// The install name of the thin image that starts at `base`.
std::optional<std::string> thinInstallName(const ByteSource &source, std::uint64_t base) {
    const std::optional<std::string> magicBytes = source(base, 4);
    if (!magicBytes) {
        return std::nullopt;
    }
    const std::uint32_t magic = read32(*magicBytes, 0, true);
    const bool is64 = magic == kMachMagic64 || magic == kMachCigam64;
    if (magic != kMachMagic && magic != kMachMagic64 && magic != kMachCigam && magic != kMachCigam64) {
        return std::nullopt;
    }
    // The magic reads as written on a big-endian machine; the image is little-endian when it reads swapped.
    const bool bigEndian = magic == kMachMagic || magic == kMachMagic64;
    const std::uint64_t headerSize = is64 ? kMachHeader64Size : kMachHeaderSize;
    const std::optional<std::string> header = source(base, headerSize);
    if (!header) {
        return std::nullopt;
    }
    const std::uint32_t commandCount = read32(*header, 16, bigEndian);
    const std::uint32_t commandsSize = read32(*header, 20, bigEndian);
    if (commandsSize > kMaximumLoadCommandsSize) {
        return std::nullopt;
    }
    const std::optional<std::string> commands = source(base + headerSize, commandsSize);
    if (!commands) {
        return std::nullopt;
    }
    std::uint64_t at = 0;
    for (std::uint32_t i = 0; i < commandCount; ++i) {
        if (at + 8 > commands->size()) {
            return std::nullopt;
        }
        const std::uint32_t command = read32(*commands, at, bigEndian);
        const std::uint32_t commandSize = read32(*commands, at + 4, bigEndian);
        if (commandSize < 8 || at + commandSize > commands->size()) {
            return std::nullopt;
        }
        if (command == kLoadCommandIdDylib) {
            return dylibName(std::string_view(*commands).substr(at, commandSize), bigEndian);
        }
        at += commandSize;
    }
    return std::nullopt;
}

// The offset of the first architecture of a universal file; the image itself (offset 0) when it is not universal.
std::optional<std::uint64_t> firstImageOffset(const ByteSource &source) {
    const std::optional<std::string> header = source(0, kFatHeaderSize);
    if (!header) {
        return std::nullopt;
    }
    const std::uint32_t magic = read32(*header, 0, true);
    if (magic != kFatMagic && magic != kFatMagic64) {
        return 0;
    }
    if (read32(*header, 4, true) == 0) {
        return std::nullopt;
    }
    const bool is64 = magic == kFatMagic64;
    const std::optional<std::string> arch = source(kFatHeaderSize, is64 ? kFatArch64Size : kFatArchSize);
    if (!arch) {
        return std::nullopt;
    }
    return is64 ? read64(*arch, 8, true) : read32(*arch, 8, true);
}

std::optional<std::string> installName(const ByteSource &source) {
    const std::optional<std::uint64_t> offset = firstImageOffset(source);
    return offset ? thinInstallName(source, *offset) : std::nullopt;
}

} // namespace

std::optional<std::string> XAMachOInstallName(std::string_view data) {
    return installName([data](std::uint64_t offset, std::uint64_t size) -> std::optional<std::string> {
        if (offset > data.size() || size > data.size() - offset) {
            return std::nullopt;
        }
        return std::string(data.substr(offset, size));
    });
}

std::optional<std::string> XAMachOInstallNameOfFile(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return installName([&file](std::uint64_t offset, std::uint64_t size) -> std::optional<std::string> {
        if (offset > std::uint64_t(std::numeric_limits<std::streamoff>::max())) {
            return std::nullopt;
        }
        file.clear();
        file.seekg(static_cast<std::streamoff>(offset));
        std::string bytes(size, '\0');
        if (!file || !file.read(bytes.data(), static_cast<std::streamsize>(size))) {
            return std::nullopt;
        }
        return bytes;
    });
}
