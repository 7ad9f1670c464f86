#include "engine/XAResourceRuleSupport.h"

#include "core/XALocales.h"
#include "core/XALogTestSupport.h"
#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"
#include "core/XAValue.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectModelTestSupport.h"
#include "project/XAProjectTarget.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::Key;

namespace {

TEST(XAResourceRuleSupportTest, LaunchImageNamesCoverEveryVariantOnce) {
    const std::vector<std::string> &names = resourceNameVariants();
    ASSERT_EQ(names.size(), 72u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 72u);
    EXPECT_THAT(
        std::vector<std::string>(names.begin(), names.begin() + 4),
        ElementsAre("Default", "Default-568h", "Default-PortraitUpsideDown", "Default-568h-PortraitUpsideDown"));
    EXPECT_EQ(names[12], "Default@2x");
    EXPECT_EQ(names[24], "Default~iphone");
    EXPECT_EQ(names[48], "Default~ipad");
    EXPECT_EQ(names.back(), "Default-568h-Landscape@2x~ipad");
}

TEST(XAResourceRuleSupportTest, ImageExtensionsByPlatform) {
    EXPECT_THAT(XAImageFileExtensionsForPlatform(XAPlatformIOS), testing::Optional(ElementsAre("png")));
    EXPECT_EQ(XAImageFileExtensionsForPlatform(XAPlatformOSX)->size(), 13u);
    EXPECT_EQ(XAImageFileExtensionsForPlatform(XAPlatformOSX)->back(), "pdf");
    EXPECT_EQ(XAImageFileExtensionsForPlatform(XAPlatformOther), std::nullopt);
}

TEST(XAResourceRuleSupportTest, ImplicitlyUsedResources) {
    struct Case {
        std::string path;
        XAPlatform platform;
        bool used;
    };
    const std::vector<Case> cases = {
        {"/p/App/embedded.mobileprovision", XAPlatformIOS, true},
        {"/p/App.app/_CodeSignature/CodeResources", XAPlatformIOS, true},
        {"/p/App/ResourceRules.plist", XAPlatformIOS, true},
        {"/p/App/PkgInfo", XAPlatformIOS, true},
        {"/p/App/Image.png", XAPlatformIOS, false},
        {"/p/App/my_CodeSignature/x", XAPlatformIOS, false},
        {"/p/App/embedded.mobileprovision", XAPlatformOSX, false},
        {"/p/App/PkgInfo", XAPlatformOSX, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAIsImplicitlyUsedResourcePath(c.path, c.platform, false), c.used) << c.path << " " << c.platform;
    }
}

TEST(XAResourceRuleSupportTest, LocalizationsMatchingALocale) {
    struct Case {
        std::string item;
        std::string locale;
        bool matches;
    };
    const std::vector<Case> cases = {
        {"Base", "en_US", true},       {"base", "fr", true}, {" ", "de", true},
        {"en", "en_US", true},         {"en", "en", true},   {"en_GB", "en_US", false},
        {"en_US", "en", false},        {"fr", "en", false},  {"zh-Hans", "zh_Hans_CN", true},
        {"zh-Hant", "zh_Hans", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XALocaleIdentifierMatchesLocale(c.item, xa_localeWithLocaleIdentifier(c.locale)), c.matches)
            << c.item << " for " << c.locale;
    }
    const std::vector<std::string> items = {"de", "en", "Base", "en_GB", "en_US"};
    EXPECT_THAT(XALocalizationsMatchingLocale(items, xa_localeWithLocaleIdentifier("en_US"),
                                              [](const std::string &item) { return item; }),
                ElementsAre("en", "Base", "en_US"));
}

} // namespace

namespace {

class XATargetResourcesTest : public ::testing::Test {
protected:
    // A target with two localisations of one table, an unreadable table and three variants of one image.
    void SetUp() override {
        XATestProjectBuilder builder = XAOneTargetProject({"V_MAIN", "F_BAD", "F_ICON", "F_ICON_IPAD", "F_ICON_2X"},
                                                          {"V_MAIN", "F_BAD", "F_ICON", "F_ICON_IPAD", "F_ICON_2X"});
        builder.fileReference("F_EN", "en.lproj/Main.strings", "text.plist.strings");
        builder.fileReference("F_DE", "de.lproj/Main.strings", "text.plist.strings");
        builder.add("V_MAIN", {{"isa", "PBXVariantGroup"},
                               {"children", XATestProjectBuilder::list({"F_EN", "F_DE"})},
                               {"name", "Main.strings"},
                               {"sourceTree", "<group>"}});
        builder.fileReference("F_BAD", "Bad.strings", "text.plist.strings");
        builder.fileReference("F_ICON", "Icon.png", "image.png");
        builder.fileReference("F_ICON_IPAD", "Icon~ipad.png", "image.png");
        builder.fileReference("F_ICON_2X", "Icon@2x~ipad.png", "image.png");
        scratch_.write("en.lproj/Main.strings", "\"title\" = \"Title\";\n\"only.en\" = \"English\";\n");
        scratch_.write("de.lproj/Main.strings", "\"title\" = \"Titel\";\n");
        scratch_.write("Bad.strings", "\"title\" = ");
        for (const char *image : {"Icon.png", "Icon~ipad.png", "Icon@2x~ipad.png"}) {
            scratch_.write(image, "");
        }
        project_ = XAProject::projectWithXcodeproj(builder.write(scratch_, "P"));
        ASSERT_TRUE(project_->readPbxproj(nullptr));
        target_ = project_->targets().at(0);
    }

    XAScratchFolder scratch_;
    std::shared_ptr<XAProject> project_;
    std::shared_ptr<XAProjectTarget> target_;
};

std::vector<std::string> fileNames(const std::vector<std::shared_ptr<XAProjectFile>> &files) {
    std::vector<std::string> names;
    for (const auto &file : files) {
        const std::string path = file->pathOnDisk().value_or("");
        names.push_back(xa_lastPathComponent(xa_stringByDeletingLastPathComponent(path)) + "/" +
                        xa_lastPathComponent(path));
    }
    return names;
}

TEST_F(XATargetResourcesTest, StringsEntriesAreGatheredByKeyInResourceOrder) {
    XALogCapture log; // the unreadable table is reported by its reader
    const XAStringsFileEntriesByKeyMap entries = XAStringsFileEntriesByKey(*target_);
    ASSERT_THAT(entries, ElementsAre(Key("only.en"), Key("title")));
    const auto &titles = entries.at("title");
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_THAT(fileNames({titles[0].first, titles[1].first}),
                ElementsAre("en.lproj/Main.strings", "de.lproj/Main.strings"));
    EXPECT_EQ(titles[0].second, XAValue("Title"));
    EXPECT_EQ(titles[1].second, XAValue("Titel"));
}

TEST_F(XATargetResourcesTest, ResourcesAreGroupedByBaseNameAndDeviceType) {
    const XAResourcesByBaseNameAndDeviceTypeMap resources = XAResourcesByBaseNameAndDeviceType(*target_);
    EXPECT_THAT(fileNames(resources.at("Icon.png~ipad")),
                ElementsAre(testing::EndsWith("Icon~ipad.png"), testing::EndsWith("Icon@2x~ipad.png")));
    EXPECT_THAT(fileNames(resources.at("Icon.png~(null)")), ElementsAre(testing::EndsWith("/Icon.png")));
}

} // namespace
