#include "project/XAAssetCatalogSet.h"
#include "project/XAAssetCatalogSetImage.h"
#include "project/XAProjectFile.h"

#include "core/XAPathsTestSupport.h"
#include "project/XAProjectModelTestSupport.h"
#include "project/XATestImages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::shared_ptr<XAProjectFile> catalogFile(const std::string &path) {
    return XAProjectFile::fileWithPbxObjectID("F1", nullptr, std::nullopt, path, std::nullopt, std::nullopt);
}

std::vector<std::string> basenames(const std::vector<std::shared_ptr<const XAAssetCatalogSet>> &sets) {
    std::vector<std::string> names;
    for (const auto &set : sets) {
        names.push_back(set->basename());
    }
    return names;
}

XAImageResolution size(int width, int height) { return {width, height}; }

// A catalog with an app icon set, an image set in a group folder, a launch image, a macOS icon set, a set whose
// Contents.json is broken and a folder whose extension differs only in letter case.
class XAAssetCatalogFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.write("Assets.xcassets/Contents.json", R"({"info": {"version": 1}})");
        folder_.write("Assets.xcassets/AppIcon.appiconset/Contents.json", R"({"images": [
            {"filename": "ipad-pro.png", "idiom": "ipad", "scale": "2x", "size": "83.5x83.5"},
            {"idiom": "iphone", "scale": "3x", "size": "60x60", "filename": null},
            {"filename": "marketing.png", "idiom": "ios-marketing", "size": "1024x1024"},
            "not a dictionary"
        ]})");
        XAWriteTestImage(folder_ / "Assets.xcassets/AppIcon.appiconset/ipad-pro.png", XATestImageFormat::PNG, 167, 167);
        folder_.write("Assets.xcassets/Group/Nested.imageset/Contents.json",
                      R"({"images": [{"idiom": "universal", "filename": "n.pdf"}]})");
        folder_.write("Assets.xcassets/Launch.launchimage/Contents.json", R"({"images": [
            {"idiom": "iphone", "subtype": "Retina4", "orientation": "PORTRAIT", "extent": "full-screen",
             "scale": "2x", "minimum-system-version": "7.0"}]})");
        folder_.write("Assets.xcassets/Broken.imageset/Contents.json", "{\"images\": [");
        folder_.write("Assets.xcassets/Upper.IMAGESET/Contents.json", R"({"images": []})");
        for (const char *name : {"icon_32x32.png", "icon_16x16@2x.png", "icon_16x16.png"}) {
            folder_.write(std::string("Assets.xcassets/Mac.iconset/") + name, "");
        }
        folder_.write("Assets.xcassets/Mac.iconset/README", "");
    }

    XAScratchFolder folder_;
};

} // namespace

TEST(XAAssetCatalogSetImage, ValueConversions) {
    struct ResolutionCase {
        XAValue value;
        XAImageResolution expected;
    } resolutions[] = {{"83.5x83.5", size(83, 83)}, {"20x40", size(20, 40)},   {"20x40x2", size(0, 0)},
                       {"20", size(0, 0)},          {XAValue(20), size(0, 0)}, {XAValue(nullptr), size(0, 0)}};
    for (const auto &c : resolutions) {
        EXPECT_EQ(XAAssetCatalogSetImage::resolutionFromString(&c.value), c.expected) << c.value.description();
    }
    EXPECT_EQ(XAAssetCatalogSetImage::resolutionFromString(nullptr), size(0, 0));

    struct ScaleCase {
        XAValue value;
        std::uint64_t expected;
    } scales[] = {{"2x", 2}, {"3x", 3}, {"1.5x", 1}, {"2", 1}, {XAValue(2), 1}, {XAValue(nullptr), 1}};
    for (const auto &c : scales) {
        EXPECT_EQ(XAAssetCatalogSetImage::scaleFromString(&c.value), c.expected) << c.value.description();
    }
    const XAValue iPad("iPad");
    const XAValue watch("watch");
    const XAValue unknown("toaster");
    EXPECT_EQ(XAAssetCatalogSetImage::idiomFromString(&iPad), XAAssetCatalogImageIdiomIPad);
    EXPECT_EQ(XAAssetCatalogSetImage::idiomFromString(&watch), XAAssetCatalogImageIdiomWatch);
    EXPECT_EQ(XAAssetCatalogSetImage::idiomFromString(&unknown), XAAssetCatalogImageIdiomUnspecified);
    EXPECT_EQ(XAAssetCatalogSetImage::idiomFromString(nullptr), XAAssetCatalogImageIdiomUnspecified);
}

TEST(XAAssetCatalogSetImage, PixelSizesFollowFromPointSizeAndScale) {
    XAScratchFolder folder;
    XAWriteTestImage(folder / "icon.png", XATestImageFormat::PNG, 166, 166);
    auto image = XAAssetCatalogSetImage::setImageWithDictionary(
        XAValue(XADictionary{{"filename", "icon.png"}, {"size", "83.5x83.5"}, {"scale", "2x"}, {"idiom", "ipad"}}),
        folder.path());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pointResolution(), size(83, 83));
    EXPECT_EQ(image->pixelResolution(), size(166, 166));
    EXPECT_EQ(image->pixelResolutionOfActualFile(), size(166, 166));
    EXPECT_EQ(image->pathOnDisk(), folder / "icon.png");
    EXPECT_TRUE(image->existsOnDisk());

    auto threeTimes = XAAssetCatalogSetImage::setImageWithDictionary(
        XAValue(XADictionary{{"size", "60x60"}, {"scale", "3x"}}), folder.path());
    ASSERT_TRUE(threeTimes);
    EXPECT_EQ(threeTimes->pixelResolution(), size(180, 180));

    auto noScale = XAAssetCatalogSetImage::setImageWithDictionary(XAValue(XADictionary{{"size", "60x60"}}), "/x");
    ASSERT_TRUE(noScale);
    EXPECT_EQ(noScale->scale(), 1u);
    EXPECT_EQ(noScale->pixelResolution(), size(60, 60));
    EXPECT_EQ(noScale->pathOnDisk(), std::nullopt);
    EXPECT_FALSE(noScale->existsOnDisk());
    EXPECT_EQ(noScale->pixelResolutionOfActualFile(), size(0, 0));
}

TEST(XAAssetCatalogSetImage, DeviceFamiliesAndIdentification) {
    auto withIdiom = [](const char *idiom) {
        return *XAAssetCatalogSetImage::setImageWithDictionary(XAValue(XADictionary{{"idiom", idiom}}), "/x");
    };
    struct Case {
        const char *idiom;
        bool coversIPhone;
        bool coversIPad;
    } cases[] = {{"universal", true, true}, {"iphone", true, false},   {"ipad", false, true}, {"other", true, true},
                 {"mac", false, false},     {"watch", false, false},   {"tv", false, false},  {"car", false, false},
                 {"vision", false, false},  {"touchbar", false, false}};
    for (const Case &c : cases) {
        const auto image = withIdiom(c.idiom);
        EXPECT_EQ(image.coversDeviceFamily(1), c.coversIPhone) << c.idiom;
        EXPECT_EQ(image.coversDeviceFamily(2), c.coversIPad) << c.idiom;
        EXPECT_TRUE(image.coversDeviceFamily(0)) << c.idiom;
        EXPECT_TRUE(image.coversDeviceFamily(INT64_MAX)) << c.idiom;
    }
    const auto touchBar = [](const char *key) {
        return XAAssetCatalogSetImage::setImageWithDictionary(
                   XAValue(XADictionary{{"idiom", "mac"}, {key, "touch-bar"}, {"scale", "2x"}}), "/x")
            ->isTouchBarImage();
    };
    EXPECT_TRUE(touchBar("subtype"));
    EXPECT_TRUE(touchBar("display"));
    EXPECT_TRUE(withIdiom("touchbar").isTouchBarImage());
    EXPECT_FALSE(withIdiom("mac").isTouchBarImage());
    auto launch = XAAssetCatalogSetImage::setImageWithDictionary(
        XAValue(
            XADictionary{{"idiom", "iphone"}, {"subtype", "retina4"}, {"orientation", "portrait"}, {"scale", "2x"}}),
        "/x");
    EXPECT_EQ(launch->identificationString(), "x2 scale, iPhone, Retina 4-inch, Portrait");
    EXPECT_EQ(withIdiom("other").identificationString(), "x1 scale");
}

TEST_F(XAAssetCatalogFolderTest, FindsEverySetIncludingNestedOnesAndSkipsBrokenAndMisnamedFolders) {
    XALogCapture log;
    auto catalog = catalogFile(folder_ / "Assets.xcassets");
    EXPECT_THAT(basenames(catalog->assetCatalogSets()), ElementsAre("AppIcon", "Nested", "Launch", "Mac"));
    EXPECT_THAT(basenames(catalog->imageSets()), ElementsAre("Nested"));
    EXPECT_THAT(basenames(catalog->appIcons()), ElementsAre("AppIcon"));
    EXPECT_THAT(basenames(catalog->launchImages()), ElementsAre("Launch"));
    EXPECT_THAT(basenames(catalog->OSXIcons()), ElementsAre("Mac"));
    bool brokenReported = false;
    for (const auto &[level, line] : log.lines()) {
        brokenReported |= level == 4 && line.find("Cannot read asset catalog set") != std::string::npos &&
                          line.find("Broken.imageset") != std::string::npos;
    }
    EXPECT_TRUE(brokenReported);
}

TEST_F(XAAssetCatalogFolderTest, ReadsImagesOfContentsJSON) {
    XALogCapture log;
    auto set = XAAssetCatalogSet::setWithPath(folder_ / "Assets.xcassets/AppIcon.appiconset");
    ASSERT_TRUE(set);
    EXPECT_EQ(set->setKind(), XAAssetCatalogSetKindAppIconSet);
    ASSERT_EQ(set->images().size(), 3u); // the entry that is no dictionary is left out
    const XAAssetCatalogSetImage &iPadPro = set->images()[0];
    EXPECT_EQ(iPadPro.idiom(), XAAssetCatalogImageIdiomIPad);
    EXPECT_EQ(iPadPro.pixelResolution(), size(166, 166));
    EXPECT_EQ(iPadPro.pixelResolutionOfActualFile(), size(167, 167));
    const XAAssetCatalogSetImage &empty = set->images()[1];
    EXPECT_EQ(empty.filename(), "");
    EXPECT_EQ(empty.pathOnDisk(), std::nullopt);
    EXPECT_EQ(empty.pixelResolution(), size(180, 180));
    EXPECT_FALSE(set->images()[2].existsOnDisk());
    ASSERT_TRUE(set->contentsDictionary());
    EXPECT_TRUE(set->contentsDictionary()->get("images"));

    auto launch = XAAssetCatalogSet::setWithPath(folder_ / "Assets.xcassets/Launch.launchimage");
    ASSERT_TRUE(launch);
    ASSERT_EQ(launch->images().size(), 1u);
    const XAAssetCatalogSetImage &portrait = launch->images()[0];
    EXPECT_EQ(portrait.subType(), XAAssetCatalogImageSubTypeRetina4Inch);
    EXPECT_EQ(portrait.orientation(), XAAssetCatalogImageOrientationPortrait);
    EXPECT_EQ(portrait.extent(), XAAssetCatalogImageExtentFullScreen);
    EXPECT_EQ(portrait.minimumSystemVersion(), "7.0");

    EXPECT_EQ(XAAssetCatalogSet::setWithPath(folder_ / "Assets.xcassets/Missing.imageset"), nullptr);
    EXPECT_THAT(log.lines().back().second, HasSubstr("Cannot read asset catalog set"));
}

TEST_F(XAAssetCatalogFolderTest, IconSetImagesComeFromFileNamesInSizeThenScaleOrder) {
    auto set = XAAssetCatalogSet::setWithPath(folder_ / "Assets.xcassets/Mac.iconset");
    ASSERT_TRUE(set);
    EXPECT_FALSE(set->contentsDictionary());
    std::vector<std::tuple<std::string, XAImageResolution, std::uint64_t, XAImageResolution>> images;
    for (const auto &image : set->images()) {
        images.emplace_back(image.filename(), image.pointResolution(), image.scale(), image.pixelResolution());
    }
    EXPECT_THAT(images, ElementsAre(std::tuple("icon_16x16.png", size(16, 16), 1u, size(16, 16)),
                                    std::tuple("icon_16x16@2x.png", size(16, 16), 2u, size(32, 32)),
                                    std::tuple("icon_32x32.png", size(32, 32), 1u, size(32, 32))));
}

TEST(XAAssetCatalog, ExampleProjectCatalogHoldsTheAppIconAndTheLogo) {
    auto catalog = catalogFile(TESSARY_SOURCE_DIR "/examples/TessaryDemo/TessaryDemo/Assets.xcassets");
    EXPECT_THAT(basenames(catalog->appIcons()), ElementsAre("AppIcon"));
    auto logos = catalog->imageSets();
    ASSERT_THAT(basenames(logos), ElementsAre("Logo"));
    std::vector<std::uint64_t> scales;
    for (const auto &image : logos[0]->images()) {
        scales.push_back(image.scale());
        EXPECT_FALSE(image.existsOnDisk());
    }
    EXPECT_THAT(scales, ElementsAre(1u, 2u, 3u));
}
