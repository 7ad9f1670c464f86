#include "project/XAProject.h"

#include "project/XAAssetCatalogSet.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectModelTestSupport.h"
#include "project/XAProjectTarget.h"
#include "project/XATestImages.h"

#include <gtest/gtest.h>

namespace {

struct Resource {
    std::string path;
    std::string type;
};

// A project with an application "App", its test bundle "AppTests" and a library "AppKitLib"; App's resources are
// given per test, its settings come from a stand-in xcodebuild.
class XAProjectIconsTest : public ::testing::Test {
protected:
    void makeProject(const std::vector<Resource> &resources, XABuildSettings settings) {
        std::vector<std::string> ids;
        for (size_t i = 0; i < resources.size(); ++i) {
            ids.push_back("F_RES" + std::to_string(i));
        }
        XATestProjectBuilder builder = XAOneTargetProject(ids, ids);
        for (size_t i = 0; i < resources.size(); ++i) {
            builder.fileReference(ids[i], resources[i].path, resources[i].type);
        }
        builder.configurationList("L_TESTS", {builder.configuration("C_TESTS_D", "Debug")});
        builder.target("T_TESTS", "AppTests", "com.apple.product-type.bundle.unit-test", {}, "L_TESTS");
        builder.configurationList("L_LIB", {builder.configuration("C_LIB_D", "Debug")});
        builder.target("T_LIB", "AppKitLib", "com.apple.product-type.library.static", {}, "L_LIB");
        builder.project("G_MAIN", {"T_APP", "T_TESTS", "T_LIB"}, "L_PROJ");
        project_ = XAProject::projectWithXcodeproj(builder.write(folder_, "App"));
        ASSERT_TRUE(project_->readPbxproj(nullptr));
        project_->setXcodebuildRunnerForTesting(fake_.runner());
        settings["TARGET_NAME"] = "App";
        fake_.settings["Debug"] = {{"App", settings},
                                   {"AppTests", {{"TARGET_NAME", "AppTests"}}},
                                   {"AppKitLib", {{"TARGET_NAME", "AppKitLib"}}}};
        ASSERT_TRUE(
            project_->cacheBuildSettingsForBuildConfigurationName("Debug", std::nullopt, std::nullopt, nullptr));
    }

    std::shared_ptr<XAProjectTarget> target(const std::string &name) const { return project_->targetForName(name); }

    std::vector<std::string> iconNames(const std::string &targetName = "App") const {
        std::vector<std::string> names;
        const auto files = project_->iconResourceFilesForTarget(*target(targetName), "Debug");
        EXPECT_TRUE(files) << targetName << " is an application";
        for (const auto &file : files.value_or(std::vector<std::shared_ptr<XAProjectFile>>())) {
            names.push_back(file->basename());
        }
        return names;
    }

    void writeInfoPlist(const std::string &entries) {
        folder_.write("Info.plist", "<plist version=\"1.0\"><dict>" + entries + "</dict></plist>");
    }

    XAScratchFolder folder_;
    XAFakeXcodebuild fake_;
    std::shared_ptr<XAProject> project_;
};

} // namespace

TEST_F(XAProjectIconsTest, TheInfoPlistNamesTheIconFiles) {
    writeInfoPlist("<key>CFBundleIconFile</key><string>Icon</string>"
                   "<key>CFBundleIcons</key><dict><key>CFBundlePrimaryIcon</key><dict><key>CFBundleIconFiles</key>"
                   "<array><string>$(ICON_BASE)-60</string><string>Missing</string></array></dict></dict>");
    makeProject({{"Other.png", "image.png"},
                 {"Icon.png", "image.png"},
                 {"Icon.iconset", "folder.iconset"},
                 {"Brand-60.png", "image.png"},
                 {"iTunesArtwork", "image.png"},
                 {"icon@2x.png", "image.png"}},
                {{"INFOPLIST_FILE", "Info.plist"}, {"ICON_BASE", "Brand"}});
    EXPECT_EQ(iconNames(), (std::vector<std::string>{"Icon.png", "Brand-60.png", "iTunesArtwork"}));
}

TEST_F(XAProjectIconsTest, WithoutNamedIconsTheConventionalNamesCountInAnyLetterCase) {
    writeInfoPlist("<key>CFBundleIconFile</key><string>  </string>");
    makeProject({{"icon-60@2x.png", "image.png"},
                 {"Splash.png", "image.png"},
                 {"ICON.PNG", "image.png"},
                 {"icon-61.png", "image.png"}},
                {{"INFOPLIST_FILE", "Info.plist"}});
    EXPECT_EQ(iconNames(), (std::vector<std::string>{"icon-60@2x.png", "ICON.PNG"}));
    EXPECT_EQ(project_->iconResourceFilesForTarget(*target("AppKitLib"), "Debug"), std::nullopt);
}

TEST_F(XAProjectIconsTest, TheLargestIconFileIsTheIconAndOtherTargetsBorrowIt) {
    XAWriteTestImage(folder_ / "icon.png", XATestImageFormat::PNG, 57, 57);
    XAWriteTestImage(folder_ / "icon@2x.png", XATestImageFormat::PNG, 114, 114);
    XAWriteTestImage(folder_ / "iTunesArtwork", XATestImageFormat::PNG, 200, 200);
    makeProject({{"icon.png", "image.png"}, {"icon@2x.png", "image.png"}, {"iTunesArtwork", "image.png"}},
                {{"PLATFORM_NAME", "iphoneos"}});
    EXPECT_EQ(project_->bestProjectFileAppIconFilePathForTarget(*target("App"), "Debug"), folder_ / "iTunesArtwork");

    const std::optional<XAImage> icon = project_->iconForTarget(*target("App"), "Debug");
    ASSERT_TRUE(icon);
    EXPECT_EQ(xa_largestRepresentedSize(*icon), (XASize{200, 200}));
    EXPECT_EQ(icon->bestRepresentation()->pixel(0, 0)[3], 0) << "iOS icons get rounded corners";
    EXPECT_EQ(icon->bestRepresentation()->pixel(100, 100)[3], 255);

    const XAImage fileTypeIcon(XABitmap::blank(16, 16));
    EXPECT_TRUE(
        xa_isEqualToImage(project_->representativeIconForTarget(*target("AppTests"), "Debug", fileTypeIcon), &*icon))
        << "the test bundle's name contains the application's";
    EXPECT_TRUE(xa_isEqualToImage(project_->defaultProjectIcon(fileTypeIcon), &*icon));
}

TEST_F(XAProjectIconsTest, WithoutAnyIconTheFileTypeIconStandsIn) {
    makeProject({{"Splash.png", "image.png"}}, {});
    EXPECT_EQ(project_->bestProjectFileAppIconFilePathForTarget(*target("App"), "Debug"), std::nullopt);
    EXPECT_EQ(project_->iconForTarget(*target("App"), "Debug"), std::nullopt);
    const XAImage fileTypeIcon(XABitmap::blank(16, 16));
    EXPECT_EQ(project_->representativeIconForTarget(*target("AppKitLib"), "Debug", fileTypeIcon), fileTypeIcon);
}

TEST_F(XAProjectIconsTest, TheAssetCatalogIconIsTheLargestImageOfTheNamedSet) {
    const std::string contents = R"({"images": [
        {"filename": "small.png", "idiom": "iphone", "scale": "2x", "size": "29x29"},
        {"filename": "large.png", "idiom": "iphone", "scale": "3x", "size": "60x60"},
        {"filename": "gone.png", "idiom": "ipad", "scale": "2x", "size": "83.5x83.5"}]})";
    for (const char *set : {"AppIcon", "Beta"}) {
        folder_.write(std::string("Images.xcassets/") + set + ".appiconset/Contents.json", contents);
        XAWriteTestImage(folder_ / (std::string("Images.xcassets/") + set + ".appiconset/small.png"),
                         XATestImageFormat::PNG, 58, 58);
        XAWriteTestImage(folder_ / (std::string("Images.xcassets/") + set + ".appiconset/large.png"),
                         XATestImageFormat::PNG, 180, 180);
    }
    folder_.write("Images.xcassets/Empty.appiconset/Contents.json", R"({"images": []})");
    XAWriteTestImage(folder_ / "icon@2x.png", XATestImageFormat::PNG, 512, 512);
    makeProject({{"Images.xcassets", "folder.assetcatalog"}, {"icon@2x.png", "image.png"}},
                {{"ASSETCATALOG_COMPILER_APPICON_NAME", "AppIcon"}, {"PLATFORM_NAME", "macosx"}});

    std::vector<std::string> sets;
    for (const auto &set : project_->populatedIconAssetCatalogSetsForTarget(*target("App"), "Debug")) {
        sets.push_back(set->basename());
    }
    std::sort(sets.begin(), sets.end());
    EXPECT_EQ(sets, (std::vector<std::string>{"AppIcon", "Beta"}));
    EXPECT_EQ(project_->bestImageAssetCatalogAppIconFilePathForTarget(*target("App"), "Debug"),
              folder_ / "Images.xcassets/AppIcon.appiconset/large.png");
    const std::optional<XAImage> icon = project_->iconForTarget(*target("App"), "Debug");
    ASSERT_TRUE(icon);
    EXPECT_EQ(xa_largestRepresentedSize(*icon), (XASize{180, 180})) << "the catalog comes before larger files";
    EXPECT_EQ(icon->bestRepresentation()->pixel(0, 0)[3], 255) << "no rounding outside iOS";
}
