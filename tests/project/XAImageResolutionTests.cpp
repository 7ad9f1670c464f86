#include "project/XAImageResolution.h"
#include "project/XAProjectFile.h"

#include "core/XAPathsTestSupport.h"
#include "project/XATestImages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include <utime.h>

using ::testing::ElementsAre;
using ::testing::Optional;

namespace {

using Frames = std::vector<XAImageResolution>;

XAImageResolution size(int width, int height) { return {width, height}; }

std::shared_ptr<XAProjectFile> imageFile(const std::string &path) {
    return XAProjectFile::fileWithPbxObjectID("F1", nullptr, std::nullopt, path, std::nullopt, std::nullopt);
}

void setModificationTime(const std::string &path, time_t seconds) {
    const utimbuf times{seconds, seconds};
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

} // namespace

void PrintTo(const XAImageResolution &resolution, std::ostream *out) {
    *out << resolution.width << " x " << resolution.height;
}

TEST(XAImageResolution, SingleFrameFormatsGiveTheirPixelSize) {
    XAScratchFolder folder;
    struct Case {
        const char *name;
        XATestImageFormat format;
        int width;
        int height;
    } cases[] = {{"a.png", XATestImageFormat::PNG, 3, 2},
                 {"b.jpg", XATestImageFormat::JPEG, 17, 9},
                 {"c.bmp", XATestImageFormat::BMP, 5, 4}};
    for (const Case &c : cases) {
        const std::string path = XAWriteTestImage(folder / c.name, c.format, c.width, c.height);
        EXPECT_THAT(XAImageFrameResolutionsOfFile(path), Optional(ElementsAre(size(c.width, c.height)))) << c.name;
    }
    EXPECT_THAT(XAImageFrameResolutionsOfFile(XAWriteTestGIF(folder / "d.gif", 7, 3, 1)),
                Optional(ElementsAre(size(7, 3))));
}

TEST(XAImageResolution, EveryFrameOfAnAnimatedGIFHasTheScreenSize) {
    XAScratchFolder folder;
    EXPECT_THAT(XAImageFrameResolutionsOfFile(XAWriteTestGIF(folder / "a.gif", 4, 6, 3)),
                Optional(ElementsAre(size(4, 6), size(4, 6), size(4, 6))));
}

TEST(XAImageResolution, TIFFGivesEveryPageInOrderInBothByteOrders) {
    XAScratchFolder folder;
    for (bool bigEndian : {false, true}) {
        const std::string path = XAWriteTestTIFF(folder / "pages.tiff", {{4, 3}, {2, 1}}, bigEndian);
        EXPECT_THAT(XAImageFrameResolutionsOfFile(path), Optional(ElementsAre(size(4, 3), size(2, 1)))) << bigEndian;
    }
    const std::string wide = XAWriteTestTIFF(folder / "wide.tif", {{70000, 2}}, false);
    EXPECT_THAT(XAImageFrameResolutionsOfFile(wide), Optional(ElementsAre(size(70000, 2))));
}

TEST(XAImageResolution, ICNSGivesItsIconImagesAndSkipsMasks) {
    XAScratchFolder folder;
    const std::string path = XAWriteTestICNS(folder / "App.icns", {{"is32", std::vector<std::uint8_t>(20, 1)},
                                                                   {"s8mk", std::vector<std::uint8_t>(256, 255)},
                                                                   {"ic08", XATestPNGBytes(20, 10)},
                                                                   {"icnV", {0, 0, 0, 0}},
                                                                   {"ic09", {0, 0, 0, 12, 'j', 'P'}}});
    // The embedded PNG tells its own size; other elements have the size of their type.
    EXPECT_THAT(XAImageFrameResolutionsOfFile(path), Optional(ElementsAre(size(16, 16), size(20, 10), size(512, 512))));
}

// An icon or cursor directory: header, 16-byte entries, then each entry's image data.
std::vector<std::uint8_t>
iconDirectory(std::uint16_t type,
              const std::vector<std::pair<std::pair<int, int>, std::vector<std::uint8_t>>> &images) {
    std::vector<std::uint8_t> bytes;
    XAAppendInteger(bytes, 0, 2, false);
    XAAppendInteger(bytes, type, 2, false);
    XAAppendInteger(bytes, static_cast<std::uint32_t>(images.size()), 2, false);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const auto &[dimensions, data] : images) {
        bytes.push_back(static_cast<std::uint8_t>(dimensions.first));
        bytes.push_back(static_cast<std::uint8_t>(dimensions.second));
        XAAppendInteger(bytes, 0, 2, false); // colours, reserved
        XAAppendInteger(bytes, 0, 4, false); // planes and bit count, or the cursor's hot spot
        XAAppendInteger(bytes, static_cast<std::uint32_t>(data.size()), 4, false);
        XAAppendInteger(bytes, offset, 4, false);
        offset += static_cast<std::uint32_t>(data.size());
    }
    for (const auto &image : images) {
        bytes.insert(bytes.end(), image.second.begin(), image.second.end());
    }
    return bytes;
}

TEST(XAImageResolution, IconsAndCursorsGiveEveryEntryAndEmbeddedPNGsTheirOwnSize) {
    XAScratchFolder folder;
    const std::vector<std::uint8_t> bitmap(40, 0);
    XAWriteBytes(folder / "app.ico",
                 iconDirectory(1, {{{16, 16}, bitmap}, {{0, 0}, bitmap}, {{0, 0}, XATestPNGBytes(512, 300)}}));
    XAWriteBytes(folder / "hand.cur", iconDirectory(2, {{{32, 24}, bitmap}}));
    // 0 in an entry means 256; a PNG entry is measured by its own header.
    EXPECT_THAT(XAImageFrameResolutionsOfFile(folder / "app.ico"),
                Optional(ElementsAre(size(16, 16), size(256, 256), size(512, 300))));
    EXPECT_THAT(XAImageFrameResolutionsOfFile(folder / "hand.cur"), Optional(ElementsAre(size(32, 24))));

    std::vector<std::uint8_t> cut = iconDirectory(1, {{{16, 16}, bitmap}, {{32, 32}, bitmap}});
    cut.resize(6 + 16); // the second entry is missing
    XAWriteBytes(folder / "cut.ico", cut);
    EXPECT_EQ(XAImageFrameResolutionsOfFile(folder / "cut.ico"), std::nullopt);
}

TEST(XAImageResolution, XBMGivesTheSizeItsDefinitionsName) {
    XAScratchFolder folder;
    const std::string cursor = folder.write("cursor.xbm", "#define cursor_width 13\n#define cursor_height 7\n"
                                                          "static unsigned char cursor_bits[] = { 0x00 };\n");
    const std::string half = folder.write("half.xbm", "#define half_width 13\nstatic char half_bits[] = {};\n");
    EXPECT_THAT(XAImageFrameResolutionsOfFile(cursor), Optional(ElementsAre(size(13, 7))));
    EXPECT_EQ(XAImageFrameResolutionsOfFile(half), std::nullopt);
}

TEST(XAImageResolution, FilesThatAreNoReadableImagesGiveNone) {
    XAScratchFolder folder;
    const std::string text = folder.write("icon@2x.png", "not an image at all");
    const std::string empty = folder.write("empty.png", "");
    std::vector<std::uint8_t> truncated = {'I', 'I', 42, 0, 8, 0, 0, 0, 5, 0}; // five entries announced, none there
    XAWriteBytes(folder / "truncated.tiff", truncated);
    for (const std::string &path : {text, empty, folder / "truncated.tiff", folder / "missing.png", folder.path()}) {
        EXPECT_EQ(XAImageFrameResolutionsOfFile(path), std::nullopt) << path;
    }
    EXPECT_EQ(XAProjectFile::resolutionsOfImageAtPath(""), std::nullopt);
}

TEST(XAImageResolution, CacheReadsAFileAgainWhenItsModificationSecondChanges) {
    XAScratchFolder folder;
    const std::string path = XAWriteTestImage(folder / "a.png", XATestImageFormat::PNG, 2, 2);
    setModificationTime(path, 1000000000);
    EXPECT_THAT(XAProjectFile::resolutionsOfImageAtPath(path), Optional(ElementsAre(size(2, 2))));

    XAWriteTestImage(path, XATestImageFormat::PNG, 4, 4);
    setModificationTime(path, 1000000000); // a change within the same second is not noticed
    EXPECT_THAT(XAProjectFile::resolutionsOfImageAtPath(path), Optional(ElementsAre(size(2, 2))));

    setModificationTime(path, 1000000010);
    EXPECT_THAT(XAProjectFile::resolutionsOfImageAtPath(path), Optional(ElementsAre(size(4, 4))));
}

TEST(XAImageResolution, ScaleModifiersComeFromTheNameBeforeTheDeviceModifier) {
    struct Case {
        const char *path;
        bool is2x;
        bool is3x;
        bool isNonRetina;
    } cases[] = {
        {"/p/icon@2x~ipad.png", true, false, false}, {"/p/icon~ipad@2x.png", false, false, true},
        {"/p/icon@3x.png", false, true, false},      {"/p/icon.png", false, false, true},
        {"/p/notes@2x.txt", false, false, true},     {"/p/icon@2x.jpeg", true, false, false},
    };
    for (const Case &c : cases) {
        auto file = imageFile(c.path);
        EXPECT_EQ(file->is2xRetinaImage(), c.is2x) << c.path;
        EXPECT_EQ(file->is3xRetinaImage(), c.is3x) << c.path;
        EXPECT_EQ(file->isNonRetinaImage(), c.isNonRetina) << c.path;
    }
}

TEST(XAImageResolution, ExtremesCompareAreasWithoutOverflow) {
    XAScratchFolder folder;
    // 50000 x 50000 has the larger area, but both areas overflow 32 bits.
    auto large = imageFile(XAWriteTestTIFF(folder / "large.tiff", {{40000, 60000}, {50000, 50000}, {3, 3}}, false));
    EXPECT_EQ(large->highestImageResolution(), size(50000, 50000));
    EXPECT_EQ(large->lowestImageResolution(), size(3, 3));

    auto ties = imageFile(XAWriteTestTIFF(folder / "ties.tiff", {{2, 8}, {4, 4}, {8, 2}}, true));
    EXPECT_EQ(ties->highestImageResolution(), size(2, 8));
    EXPECT_EQ(ties->lowestImageResolution(), size(2, 8));

    auto frameless = imageFile(XAWriteTestICNS(folder / "none.icns", {{"icnV", {0, 0, 0, 0}}}));
    EXPECT_THAT(frameless->imageResolutions(), Optional(Frames{}));
    EXPECT_EQ(frameless->highestImageResolution(), size(0, 0));
    EXPECT_EQ(frameless->lowestImageResolution(), size(INT32_MAX, INT32_MAX));

    auto text = imageFile(folder.write("notes.txt", "text"));
    EXPECT_EQ(text->imageResolutions(), std::nullopt);
}
