#include "codemodel/XABuild.h"

#include "core/XAPaths.h"
#include "core/XAString.h"
#include "project/XAProjectModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsSupersetOf;
using ::testing::Not;

namespace {

namespace fs = std::filesystem;

// A one-target project (in the scratch folder) whose build settings come from a stand-in for xcodebuild, a caches root
// of its own, and a CocoaPods resource script that the tests write.
class XABuildScriptsTest : public ::testing::Test {
protected:
    void SetUp() override {
        cacheHome_.emplace("XDG_CACHE_HOME", scratch_ / "caches");
        projectFolder_ = xa_stringByStandardizingPath(scratch_.path());
        const std::string buildFolder = projectFolder_ + "/build";
        settings_ = {{"SYMROOT", buildFolder},
                     {"BUILD_ROOT", buildFolder},
                     {"BUILT_PRODUCTS_DIR", buildFolder + "/Debug-iphoneos"},
                     {"CONFIGURATION_BUILD_DIR", buildFolder + "/Debug-iphoneos"},
                     {"WRAPPER_NAME", "App.app"},
                     {"UNLOCALIZED_RESOURCES_FOLDER_PATH", "App.app"},
                     {"LOCALIZED_RESOURCES_FOLDER_PATH", "App.app/en.lproj"},
                     {"FRAMEWORKS_FOLDER_PATH", ""},
                     {"PLATFORM_NAME", "iphoneos"},
                     {"COMMAND_MODE", "default"},
                     {"PRODUCT_NAME", "App"}};
    }

    std::unique_ptr<XABuild> makeBuild() {
        const std::string xcodeproj = XAOneTargetProject().write(scratch_, "App");
        fakeXcodebuild_.settings["Debug"] = {{"App", settings_}};
        fakeXcodebuild_.settings["Release"] = {{"App", settings_}};
        project_ = XAProject::projectWithXcodeproj(xcodeproj);
        project_->setXcodebuildRunnerForTesting(fakeXcodebuild_.runner());
        EXPECT_TRUE(project_->loadProject(nullptr));
        return std::make_unique<XABuild>(project_, project_->targetForName("App"),
                                         project_->buildConfigurationForName("Debug"), XAConfiguration());
    }

    // Writes the Podfile and the resource script, which records what it sees in record.txt.
    void writeResourceScript(const std::string &body) {
        scratch_.write("Podfile", "pod 'Sounds'\n");
        scratch_.write("Pods/Pods-resources.sh",
                       "set -e\nRES=\"$CONFIGURATION_BUILD_DIR/$UNLOCALIZED_RESOURCES_FOLDER_PATH\"\n"
                       "{ echo \"build root $BUILD_ROOT\"; echo \"folder $(pwd)\"; echo \"mode $COMMAND_MODE\";\n"
                       "  echo \"home [$HOME]\"; [ -d \"$CONFIGURATION_BUILD_DIR/$LOCALIZED_RESOURCES_FOLDER_PATH\" ] "
                       "&& echo 'localized folder made'; } > '" +
                           recordPath() + "'\n" + body + "\n");
    }

    std::string recordPath() const { return scratch_ / "record.txt"; }

    std::string recordedValue(const std::string &label) const {
        std::ifstream record(recordPath());
        for (std::string line; std::getline(record, line);) {
            if (line.starts_with(label + " ")) {
                return line.substr(label.size() + 1);
            }
        }
        return "(not recorded)";
    }

    XAScratchFolder scratch_;
    std::string projectFolder_;
    XABuildSettings settings_;
    XAFakeXcodebuild fakeXcodebuild_;
    std::shared_ptr<XAProject> project_;
    std::optional<XAScopedEnvironmentVariable> cacheHome_;
};

} // namespace

TEST_F(XABuildScriptsTest, ScriptEnvironmentNamesTheBuildsOwnProductsFolder) {
    settings_["OTHER_SETTING"] = "unrelated";
    auto build = makeBuild();
    const std::string products = build->customSymrootPath().value_or("");
    ASSERT_FALSE(products.empty());
    const XABuildSettings environment = build->environmentVariablesForBuildScripts();
    EXPECT_EQ(environment.at("SYMROOT"), products);
    EXPECT_EQ(environment.at("BUILT_PRODUCTS_DIR"), products + "/Debug-iphoneos");
    EXPECT_EQ(environment.at("CONFIGURATION_BUILD_DIR"), products + "/Debug-iphoneos");
    EXPECT_EQ(environment.at("OTHER_SETTING"), "unrelated");
    EXPECT_EQ(environment.at("COMMAND_MODE"), "legacy");
    EXPECT_EQ(environment.at("SCRIPT_INPUT_FILE_COUNT"), "0");
    EXPECT_EQ(environment.at("SCRIPT_OUTPUT_FILE_COUNT"), "0");
}

TEST_F(XABuildScriptsTest, WithoutPodsFolderOrScriptThereAreNoCocoaPodsResources) {
    auto build = makeBuild();
    EXPECT_EQ(build->cocoaPodsResourcePathsWithProgress(nullptr), std::nullopt);
    scratch_.write("Podfile", "pod 'X'\n");
    fs::create_directories(projectFolder_ + "/Pods");
    EXPECT_EQ(build->cocoaPodsResourcePathsWithProgress(nullptr), std::nullopt);
}

TEST_F(XABuildScriptsTest, ResourceScriptFillsABundleInATemporaryBuildRootThatIsRemoved) {
    XAScopedEnvironmentVariable home("HOME", "/home/not-for-scripts");
    writeResourceScript(
        "mkdir -p \"$RES/en.lproj\"\necho png > \"$RES/Pod.png\"\necho s > \"$RES/en.lproj/Pod.strings\"");
    auto build = makeBuild();
    XAProgressRecorder recorder;
    const auto resources = build->cocoaPodsResourcePathsWithProgress(recorder.handler());
    ASSERT_TRUE(resources) << testing::PrintToString(recorder.texts(XAProgressMessageKindWarning));
    EXPECT_THAT(*resources, IsSupersetOf({"Pod.png", "en.lproj", "en.lproj/Pod.strings"}));
    const std::string buildRoot = recordedValue("build root");
    EXPECT_THAT(buildRoot, HasSubstr("Tessary_CocoaPods_Resources."));
    EXPECT_EQ(recordedValue("folder"), buildRoot) << "the script runs in the temporary build root";
    EXPECT_EQ(recordedValue("mode"), "legacy");
    EXPECT_EQ(recordedValue("home"), "[]") << "the script sees the build settings and nothing else";
    EXPECT_EQ(recordedValue("localized"), "folder made");
    EXPECT_FALSE(fs::exists(buildRoot));
    EXPECT_FALSE(fs::exists(projectFolder_ + "/build")) << "nothing is written into the project folder";
}

TEST_F(XABuildScriptsTest, AFailingOrSlowScriptGivesNoResourcesAndAWarning) {
    struct Case {
        const char *body;
        const char *warning;
    } cases[] = {{"echo broken >&2; exit 3", "failed with exit status 3: broken"},
                 {"sleep 20", "did not finish within 1 seconds"}};
    for (const Case &c : cases) {
        writeResourceScript(c.body);
        auto build = makeBuild();
        build->setBuildScriptTimeLimitForTesting(std::chrono::seconds(1));
        XAProgressRecorder recorder;
        EXPECT_EQ(build->cocoaPodsResourcePathsWithProgress(recorder.handler()), std::nullopt) << c.body;
        const auto warnings = recorder.texts(XAProgressMessageKindWarning);
        ASSERT_EQ(warnings.size(), 1u) << c.body;
        EXPECT_THAT(warnings[0], HasSubstr(c.warning));
        EXPECT_FALSE(fs::exists(recordedValue("build root"))) << "the temporary build root is always removed";
    }
}

TEST_F(XABuildScriptsTest, AScriptThatWouldWriteOutsideTheTemporaryBuildRootIsNotRun) {
    settings_["CONFIGURATION_BUILD_DIR"] = scratch_ / "Elsewhere/Debug-iphoneos";
    writeResourceScript("true");
    auto build = makeBuild();
    XAProgressRecorder recorder;
    EXPECT_EQ(build->cocoaPodsResourcePathsWithProgress(recorder.handler()), std::nullopt);
    EXPECT_THAT(recorder.texts(XAProgressMessageKindWarning),
                Contains(HasSubstr("lies outside the temporary build folder")));
    EXPECT_FALSE(fs::exists(recordPath()));
    EXPECT_FALSE(fs::exists(scratch_ / "Elsewhere"));
}
