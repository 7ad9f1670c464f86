// Install names read from Mach-O headers: thin and universal, 32 and 64 bit, both byte orders, and broken input.

#include "core/XAMachOInstallName.h"
#include "core/XATask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace {

constexpr std::uint32_t kLoadCommandIdDylib = 0xD;
constexpr std::uint32_t kLoadCommandUUID = 0x1B;

struct Bytes {
    explicit Bytes(bool bigEndian) : bigEndian(bigEndian) {}

    bool bigEndian;
    std::string data;

    Bytes &u32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            const int shift = bigEndian ? 24 - 8 * i : 8 * i;
            data.push_back(static_cast<char>((value >> shift) & 0xFF));
        }
        return *this;
    }
    Bytes &u64(std::uint64_t value) {
        return bigEndian ? u32(std::uint32_t(value >> 32)).u32(std::uint32_t(value))
                         : u32(std::uint32_t(value)).u32(std::uint32_t(value >> 32));
    }
    Bytes &raw(const std::string &bytes) {
        data += bytes;
        return *this;
    }
};

// A load command padded to 8 bytes: an LC_ID_DYLIB with the name, or a UUID command when `name` is empty.
std::string loadCommand(bool bigEndian, const std::string &name) {
    Bytes command(bigEndian);
    if (name.empty()) {
        return command.u32(kLoadCommandUUID).u32(24).raw(std::string(16, '\x42')).data;
    }
    const std::uint32_t size = std::uint32_t((24 + name.size() + 1 + 7) / 8 * 8);
    command.u32(kLoadCommandIdDylib).u32(size).u32(24).u32(1).u32(0x10000).u32(0x10000).raw(name);
    command.data.resize(size, '\0');
    return command.data;
}

// A thin image with the given load commands. The magic is written in the image's byte order.
std::string image(bool is64, bool bigEndian, const std::vector<std::string> &commands) {
    std::string all;
    for (const std::string &command : commands) {
        all += command;
    }
    Bytes header(bigEndian);
    header.u32(is64 ? 0xFEEDFACF : 0xFEEDFACE).u32(7).u32(3).u32(6).u32(std::uint32_t(commands.size()));
    header.u32(std::uint32_t(all.size())).u32(0);
    if (is64) {
        header.u32(0);
    }
    return header.data + all;
}

// A universal file of the images, each at a 16-byte aligned offset; the arch table in 32- or 64-bit form.
std::string universal(bool table64, const std::vector<std::string> &images) {
    Bytes fat(true);
    fat.u32(table64 ? 0xCAFEBABF : 0xCAFEBABE).u32(std::uint32_t(images.size()));
    std::uint64_t offset = 8 + images.size() * (table64 ? 32 : 20);
    std::vector<std::uint64_t> offsets;
    for (const std::string &thin : images) {
        offset = (offset + 15) / 16 * 16;
        offsets.push_back(offset);
        fat.u32(7).u32(3);
        table64 ? fat.u64(offset).u64(thin.size()).u32(4).u32(0)
                : fat.u32(std::uint32_t(offset)).u32(std::uint32_t(thin.size())).u32(4);
        offset += thin.size();
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        fat.data.resize(offsets[i], '\0');
        fat.data += images[i];
    }
    return fat.data;
}

} // namespace

TEST(XAMachOInstallNameTest, ThinImagesOfEitherWidthAndByteOrder) {
    for (const bool is64 : {false, true}) {
        for (const bool bigEndian : {false, true}) {
            SCOPED_TRACE(std::string(is64 ? "64" : "32") + (bigEndian ? " big-endian" : " little-endian"));
            const std::string thin = image(
                is64, bigEndian, {loadCommand(bigEndian, ""), loadCommand(bigEndian, "/usr/local/lib/libA.dylib")});
            EXPECT_EQ(XAMachOInstallName(thin), "/usr/local/lib/libA.dylib") << "found after another command";
        }
    }
}

TEST(XAMachOInstallNameTest, UniversalFilesGiveTheirFirstArchitecturesName) {
    const std::string first = image(false, false, {loadCommand(false, "/opt/lib/libFirst.dylib")});
    const std::string second = image(true, false, {loadCommand(false, "@rpath/libSecond.dylib")});
    EXPECT_EQ(XAMachOInstallName(universal(false, {first, second})), "/opt/lib/libFirst.dylib");
    EXPECT_EQ(XAMachOInstallName(universal(true, {second, first})), "@rpath/libSecond.dylib");
}

TEST(XAMachOInstallNameTest, BrokenOrForeignDataGivesNoName) {
    const std::string good = image(true, false, {loadCommand(false, "/usr/local/lib/libA.dylib")});
    std::string hugeCommand = good;
    hugeCommand[32 + 4] = '\x7F'; // the command's size runs past the commands
    std::string nameOutside = good;
    nameOutside[32 + 8] = '\x7F'; // the name's offset lies past the command
    std::string zeroSize = good;
    zeroSize.replace(32 + 4, 4, std::string(4, '\0')); // a command of size 0 would never advance
    const struct {
        const char *what;
        std::string data;
    } cases[] = {
        {"empty", ""},
        {"text", "Not a library: notes kept beside the libraries.\n"},
        {"truncated header", good.substr(0, 20)},
        {"truncated commands", good.substr(0, 48)},
        {"no LC_ID_DYLIB", image(true, false, {loadCommand(false, "")})},
        {"command past the commands", hugeCommand},
        {"name past the command", nameOutside},
        {"zero-sized command", zeroSize},
        {"universal without architectures", universal(false, {})},
        {"universal whose image lies past the end", universal(false, {good}).substr(0, 40)},
    };
    for (const auto &[what, data] : cases) {
        EXPECT_EQ(XAMachOInstallName(data), std::nullopt) << what;
    }
    EXPECT_EQ(XAMachOInstallNameOfFile("/nonexistent/libNothing.dylib"), std::nullopt);
    EXPECT_EQ(XAMachOInstallNameOfFile(TESSARY_FIXTURES_DIR), std::nullopt) << "a folder";
}

// The reader answers as the developer tools' object-file viewer does on every library file of the dylib fixture,
// checked in or built: the first line of its "-DX" output, or nothing where it fails or finds no object file.
TEST(XAMachOInstallNameTest, AgreesWithTheObjectFileViewerOnTheFixtureLibraries) {
    const std::string otool = "/usr/bin/llvm-otool-19";
    const std::string built = std::string(TESSARY_BUILT_FIXTURES_DIR) + "/dylib-app/Libs";
    if (!std::filesystem::exists(otool) || !std::filesystem::exists(built)) {
        GTEST_SKIP() << "llvm-otool-19 or the built fixture libraries are missing";
    }
    std::vector<std::string> paths;
    for (const std::string &folder : {built, std::string(TESSARY_FIXTURES_DIR) + "/projects/dylib-app/Libs"}) {
        for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file() && !entry.is_symlink() && entry.path().extension() != ".a") {
                paths.push_back(entry.path().string());
            }
        }
    }
    bool sawName = false;
    for (const std::string &path : paths) {
        SCOPED_TRACE(path);
        const XATaskResults results = XATask::xa_execute(otool, {"-DX", path});
        const std::string output = results.standardOutput.value_or("");
        const std::string firstLine = output.substr(0, output.find('\n'));
        const bool answered = results.exitStatus == 0 && !firstLine.empty() &&
                              firstLine.find("is not an object file") == std::string::npos;
        EXPECT_EQ(XAMachOInstallNameOfFile(path), answered ? std::optional<std::string>(firstLine) : std::nullopt);
        sawName = sawName || answered;
    }
    EXPECT_TRUE(sawName) << "the fixture's libraries were built";
}
