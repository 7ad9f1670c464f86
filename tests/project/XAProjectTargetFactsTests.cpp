#include "project/XAProject.h"

#include "XAProjectModelTestSupport.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const char *kInfoPlistWithFamilies = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>CFBundleName</key><string>App</string>
<key>UIDeviceFamily</key><array><integer>2</integer><string>1</string><integer>3</integer></array>
</dict></plist>
)";

// A project whose one target "App" has localised resources and two prefix headers, with settings fed per test.
class XAProjectTargetFactsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.write("App/App-Prefix.pch", "");
        folder_.write("Info.plist", kInfoPlistWithFamilies);
        folder_.write("Number.plist", "<plist><dict><key>UIDeviceFamily</key><integer>2</integer></dict></plist>");
        folder_.write("Text.plist", "<plist><dict><key>UIDeviceFamily</key><string>2</string></dict></plist>");
        folder_.write("List.plist", "<plist><array><string>not a dictionary</string></array></plist>");
        XATestProjectBuilder builder = XAOneTargetProject(
            {"F_EN", "F_BASE", "F_ZH", "F_EN2", "F_ICON", "F_ZH_HANS"},
            {"F_EN", "F_BASE", "F_ZH", "F_EN2", "F_ICON", "F_ZH_HANS", "F_A_LIB_PCH", "F_B_APP_PCH"});
        builder.fileReference("F_EN", "en.lproj/Localizable.strings", "text.plist.strings");
        builder.fileReference("F_BASE", "Base.lproj/Main.storyboard", "file.storyboard");
        builder.fileReference("F_ZH", "zh.lproj/Localizable.strings", "text.plist.strings");
        builder.fileReference("F_EN2", "en.lproj/Other.strings", "text.plist.strings");
        builder.fileReference("F_ICON", "icon.png", "image.png");
        builder.fileReference("F_ZH_HANS", "zh-Hans.lproj/Localizable.strings", "text.plist.strings");
        // Files come in identifier order, so the first prefix header of the project is Lib's.
        builder.fileReference("F_A_LIB_PCH", "Lib/Lib-Prefix.pch", "sourcecode.c.h");
        builder.fileReference("F_B_APP_PCH", "App/App-Prefix.pch", "sourcecode.c.h");
        project_ = XAProject::projectWithXcodeproj(builder.write(folder_, "P"));
        ASSERT_TRUE(project_->readPbxproj(nullptr));
        project_->setXcodebuildRunnerForTesting(fake_.runner());
        app_ = project_->targets().at(0);
    }

    // Caches the settings of App in Debug (with TARGET_NAME, so that they are never empty and always replace the
    // settings cached before).
    void useSettings(XABuildSettings settings) {
        settings["TARGET_NAME"] = "App";
        fake_.settings["Debug"] = {{"App", settings}};
        ASSERT_TRUE(
            project_->cacheBuildSettingsForBuildConfigurationName("Debug", std::nullopt, std::nullopt, nullptr));
    }

    XAScratchFolder folder_;
    XAFakeXcodebuild fake_;
    std::shared_ptr<XAProject> project_;
    std::shared_ptr<XAProjectTarget> app_;
};

} // namespace

TEST_F(XAProjectTargetFactsTest, PlatformAndDeploymentTarget) {
    struct Case {
        std::optional<std::string> platformName;
        XAPlatform platform;
        std::optional<std::string> deploymentTarget;
        const char *typeDescription;
    } cases[] = {
        {"iphoneos", XAPlatformIOS, "12.0", "iOS Application"},
        {" MacOSX\n", XAPlatformOSX, "10.13", "OS X Application"},
        {"iphonesimulator", XAPlatformOther, std::nullopt, " Application"},
        {"watchos", XAPlatformOther, std::nullopt, " Application"},
        {std::nullopt, XAPlatformOther, std::nullopt, " Application"},
    };
    for (const auto &c : cases) {
        XABuildSettings settings = {{"IPHONEOS_DEPLOYMENT_TARGET", "12.0"}, {"MACOSX_DEPLOYMENT_TARGET", "10.13"}};
        if (c.platformName) {
            settings["PLATFORM_NAME"] = *c.platformName;
        }
        useSettings(settings);
        EXPECT_EQ(project_->platformForTarget(*app_, "Debug"), c.platform) << c.platformName.value_or("(none)");
        EXPECT_EQ(project_->minDeploymentTargetVersionForTarget(*app_, "Debug"), c.deploymentTarget);
        EXPECT_EQ(project_->typeDescriptionForTarget(*app_, "Debug"), c.typeDescription);
    }
    EXPECT_EQ(XAProject::displayNameForPlatform(XAPlatformOther), "");
    EXPECT_EQ(XAProject::displayNameForPlatform(XAPlatformIOS), "iOS");
    EXPECT_EQ(XAProject::displayNameForPlatform(XAPlatformOSX), "OS X");
}

TEST_F(XAProjectTargetFactsTest, WithoutCachedSettingsEveryFactHasItsDefault) {
    EXPECT_EQ(project_->platformForTarget(*app_, "Release"), XAPlatformOther);
    EXPECT_EQ(project_->minDeploymentTargetVersionForTarget(*app_, "Release"), std::nullopt);
    EXPECT_EQ(project_->infoPlistDictionaryForTarget(*app_, "Release"), std::nullopt);
    EXPECT_THAT(project_->targetedDeviceFamiliesForTarget(*app_, "Release"), ElementsAre(XADeviceFamilyIPhone));
    EXPECT_EQ(project_->pathToPrefixHeaderForTarget(*app_, "Release"), std::nullopt);
}

TEST_F(XAProjectTargetFactsTest, InfoPlistIsReadRelativeToTheProjectFolder) {
    useSettings({{"INFOPLIST_FILE", "Info.plist"}});
    auto info = project_->infoPlistDictionaryForTarget(*app_, "Debug");
    ASSERT_TRUE(info);
    EXPECT_EQ(*info->get("CFBundleName")->string(), "App");

    useSettings({{"INFOPLIST_FILE", folder_ / "Info.plist"}});
    EXPECT_TRUE(project_->infoPlistDictionaryForTarget(*app_, "Debug"));
    for (const char *path : {"List.plist", "Missing.plist", ""}) {
        useSettings({{"INFOPLIST_FILE", path}});
        EXPECT_EQ(project_->infoPlistDictionaryForTarget(*app_, "Debug"), std::nullopt) << path;
    }
}

TEST_F(XAProjectTargetFactsTest, DeviceFamiliesFromTheSettingOrTheInfoPlist) {
    constexpr std::int64_t unknown = XADeviceFamilyUnknown;
    struct Case {
        XABuildSettings settings;
        std::vector<std::int64_t> families;
    } cases[] = {
        {{{"TARGETED_DEVICE_FAMILY", "1,2"}}, {1, 2}},
        {{{"TARGETED_DEVICE_FAMILY", "1, 2"}}, {1, unknown}},
        {{{"TARGETED_DEVICE_FAMILY", "2,2"}}, {2, 2}},
        {{{"TARGETED_DEVICE_FAMILY", "4"}}, {unknown}},
        {{{"TARGETED_DEVICE_FAMILY", ""}}, {1}},
        {{{"TARGETED_DEVICE_FAMILY", " "}, {"INFOPLIST_FILE", "Number.plist"}}, {2}},
        {{{"TARGETED_DEVICE_FAMILY", "1,2"}, {"INFOPLIST_FILE", "Info.plist"}}, {1, 2}},
        {{{"INFOPLIST_FILE", "Info.plist"}}, {2, 1, unknown}},
        {{{"INFOPLIST_FILE", "Number.plist"}}, {2}},
        {{{"INFOPLIST_FILE", "Text.plist"}}, {1}},
        {{{"INFOPLIST_FILE", "Missing.plist"}}, {1}},
        {{}, {1}},
    };
    for (const auto &c : cases) {
        useSettings(c.settings);
        EXPECT_EQ(project_->targetedDeviceFamiliesForTarget(*app_, "Debug"), c.families)
            << testing::PrintToString(c.settings);
    }
}

TEST_F(XAProjectTargetFactsTest, PrefixHeaderIsFoundEvenAfterItMoved) {
    struct Case {
        std::optional<std::string> setting;
        std::optional<std::string> path;
    } cases[] = {
        {"App/./App-Prefix.pch", folder_ / "App/App-Prefix.pch"},
        {folder_ / "App/App-Prefix.pch", folder_ / "App/App-Prefix.pch"},
        {"Moved/App-Prefix.pch", folder_ / "App/App-Prefix.pch"},
        {"Moved/Prefix.pch", folder_ / "Lib/Lib-Prefix.pch"}, // no header of that name: the project's first one
        {" ", std::nullopt},
        {std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        XABuildSettings settings;
        if (c.setting) {
            settings["GCC_PREFIX_HEADER"] = *c.setting;
        }
        useSettings(settings);
        EXPECT_EQ(project_->pathToPrefixHeaderForTarget(*app_, "Debug"), c.path) << c.setting.value_or("(none)");
    }
}

TEST_F(XAProjectTargetFactsTest, SupportedLocalisationsDependOnThePlatform) {
    auto debug = app_->buildConfigurationForName("Debug");
    ASSERT_TRUE(debug);
    useSettings({{"PLATFORM_NAME", "iphoneos"}});
    EXPECT_THAT(project_->supportedLocalizationLocaleIdentifiersForTarget(*app_, *debug), ElementsAre("en", "zh-Hans"));
    useSettings({{"PLATFORM_NAME", "macosx"}});
    EXPECT_THAT(project_->supportedLocalizationLocaleIdentifiersForTarget(*app_, *debug),
                ElementsAre("en", "zh", "zh-Hans"));
}

TEST(XAProjectTargetFacts, ATargetWithoutResourcesSupportsNoLocalisation) {
    XAScratchFolder folder;
    auto project = XAProject::projectWithXcodeproj(XAOneTargetProject().write(folder, "P"));
    ASSERT_TRUE(project->readPbxproj(nullptr));
    auto app = project->targets().at(0);
    EXPECT_THAT(project->supportedLocalizationLocaleIdentifiersForTarget(*app, *project->buildConfigurations().at(0)),
                IsEmpty());
}
