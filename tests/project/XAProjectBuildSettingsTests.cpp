#include "project/XAProject.h"

#include "XAProjectModelTestSupport.h"
#include "core/XAPaths.h"
#include "core/XAUserDefaults.h"
#include "project/XADevEnvironment.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

namespace {

const std::vector<std::string> kShowBuildSettingsArguments = {"-alltargets", "-showBuildSettings",
                                                              "CODE_SIGNING_ALLOWED=NO", "CODE_SIGNING_REQUIRED=NO"};

std::vector<std::string> expectedArguments(const std::string &configuration,
                                           const std::vector<std::string> &more = {}) {
    std::vector<std::string> arguments = {"clean", "-project", "iOSApp.xcodeproj", "-configuration", configuration};
    arguments.insert(arguments.end(), kShowBuildSettingsArguments.begin(), kShowBuildSettingsArguments.end());
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The user's defaults kept in a scratch folder for the duration of a test.
class XAScratchUserDefaults {
public:
    XAScratchUserDefaults() : configHome_("XDG_CONFIG_HOME", folder_.path()) { XAUserDefaults::resetForTesting(); }
    ~XAScratchUserDefaults() { XAUserDefaults::resetForTesting(); }

private:
    XAScratchFolder folder_;
    XAScopedEnvironmentVariable configHome_;
};

class XAProjectBuildSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        project_ = XAProject::projectWithXcodeproj(kIOSAppXcodeproj);
        ASSERT_TRUE(project_->readPbxproj(nullptr));
        project_->setXcodebuildRunnerForTesting(fake_.runner());
        app_ = project_->targetForName("iOSApp");
        tests_ = project_->targetForName("iOSAppTests");
        ASSERT_TRUE(app_ && tests_);
    }

    XAScratchUserDefaults defaults_;
    XAFakeXcodebuild fake_;
    XAProgressRecorder recorder_;
    std::shared_ptr<XAProject> project_;
    std::shared_ptr<XAProjectTarget> app_, tests_;
};

} // namespace

TEST_F(XAProjectBuildSettingsTest, OneRunPerConfigurationFillsEveryTarget) {
    fake_.settings["Debug"] = {{"iOSApp", {{"SDKROOT", "iphoneos"}, {"CONFIGURATION", "Debug"}}},
                               {"iOSAppTests", {{"SDKROOT", "iphoneos"}, {"TEST_HOST", "x"}}}};
    fake_.settings["Release"] = {{"iOSApp", {{"CONFIGURATION", "Release"}}}, {"iOSAppTests", {{"A", "b"}}}};
    ASSERT_TRUE(project_->cacheAllBuildSettings(recorder_.handler()));

    EXPECT_THAT(recorder_.texts(XAProgressMessageKindDebug),
                ElementsAre("Determining build settings for 2 targets and 2 build configurations"));
    EXPECT_THAT(recorder_.messages(), testing::SizeIs(1));
    auto calls = fake_.calls();
    ASSERT_EQ(calls.size(), 2u);
    std::vector<std::vector<std::string>> arguments = {calls[0].arguments, calls[1].arguments};
    EXPECT_THAT(arguments, UnorderedElementsAre(expectedArguments("Debug"), expectedArguments("Release")));
    EXPECT_EQ(calls[0].directory, project_->projectDiskRootPath());

    EXPECT_THAT(*project_->resolvedBuildSettingsForTarget(*app_, "Debug"),
                UnorderedElementsAre(Pair("SDKROOT", "iphoneos"), Pair("CONFIGURATION", "Debug")));
    EXPECT_THAT(*project_->resolvedBuildSettingsForTarget(*tests_, "Release"), ElementsAre(Pair("A", "b")));
    EXPECT_EQ(project_->resolvedBuildSettingsForTarget(*app_, "debug"), nullptr);
    EXPECT_EQ(project_->resolvedBuildSettingsForTarget(*app_, "Profile"), nullptr);
}

TEST_F(XAProjectBuildSettingsTest, ATargetWithoutSettingsIsAWarningOnly) {
    fake_.settings["Debug"] = {{"iOSApp", {{"SDKROOT", "iphoneos"}}}};
    XALogCapture log;
    EXPECT_TRUE(project_->cacheBuildSettingsForBuildConfigurationName("Debug", std::nullopt, std::nullopt,
                                                                      recorder_.handler()));
    const std::string message =
        "Could not get any build settings for target 'iOSAppTests' and build configuration 'Debug'";
    EXPECT_THAT(recorder_.texts(XAProgressMessageKindWarning), ElementsAre(message));
    EXPECT_THAT(log.lines(), testing::Contains(Pair(3, "Warning: " + message)));
    EXPECT_THAT(log.lines(), testing::Contains(Pair(1, testing::StartsWith("Getting build settings with args: (clean, "
                                                                           "-project, iOSApp.xcodeproj"))));
    EXPECT_TRUE(project_->resolvedBuildSettingsForTarget(*app_, "Debug"));
    EXPECT_EQ(project_->resolvedBuildSettingsForTarget(*tests_, "Debug"), nullptr);
}

TEST_F(XAProjectBuildSettingsTest, AFailedRunFailsTheLoadButNotTheOtherConfigurations) {
    fake_.failingConfigurations["Debug"] = 65;
    fake_.settings["Release"] = {{"iOSApp", {{"A", "1"}}}, {"iOSAppTests", {{"A", "2"}}}};
    EXPECT_FALSE(project_->cacheAllBuildSettings(recorder_.handler()));
    EXPECT_THAT(recorder_.texts(XAProgressMessageKindError),
                ElementsAre("Error resolving build settings. xcodebuild returned status 65 and output:\n\npartial "
                            "output\n\nxcodebuild: error: broken\n"));
    EXPECT_TRUE(project_->resolvedBuildSettingsForTarget(*tests_, "Release"));
    EXPECT_EQ(project_->resolvedBuildSettingsForTarget(*tests_, "Debug"), nullptr);

    XAProject reloaded(kIOSAppXcodeproj);
    reloaded.setXcodebuildRunnerForTesting(fake_.runner());
    XAProgressRecorder loadRecorder;
    EXPECT_FALSE(reloaded.loadProject(loadRecorder.handler()));
    EXPECT_THAT(loadRecorder.texts(XAProgressMessageKindWarning), IsEmpty()) << "validation is skipped";
}

TEST_F(XAProjectBuildSettingsTest, ALaunchFailureCarriesItsReason) {
    project_->setXcodebuildRunnerForTesting([](const auto &, const auto &) {
        XATaskResults results;
        results.exitStatus = 127;
        results.error = XAError("xcodebuild cannot be launched");
        return results;
    });
    EXPECT_FALSE(project_->cacheBuildSettingsForBuildConfigurationName("Debug", std::nullopt, std::nullopt,
                                                                       recorder_.handler()));
    EXPECT_THAT(recorder_.texts(XAProgressMessageKindError),
                ElementsAre("Error resolving build settings. xcodebuild returned status 127 and output:\n\n\n\n"
                            "xcodebuild cannot be launched\n"));
}

TEST_F(XAProjectBuildSettingsTest, ArgumentsForArchitectureAndExtraArguments) {
    struct Case {
        std::optional<std::string> architecture;
        std::optional<std::vector<std::string>> extra;
        std::vector<std::string> appended;
    } cases[] = {
        {"arm64", std::vector<std::string>{"-sdk", "iphoneos"}, {"-sdk", "iphoneos", "-arch", "arm64"}},
        {"", std::nullopt, {}},
        {std::nullopt, std::vector<std::string>{}, {}},
    };
    for (const auto &c : cases) {
        XAFakeXcodebuild fake;
        project_->setXcodebuildRunnerForTesting(fake.runner());
        EXPECT_TRUE(project_->cacheBuildSettingsForBuildConfigurationName("Debug", c.architecture, c.extra, nullptr));
        ASSERT_EQ(fake.calls().size(), 1u);
        EXPECT_EQ(fake.calls()[0].arguments, expectedArguments("Debug", c.appended));
    }
}

TEST_F(XAProjectBuildSettingsTest, AnEmptyConfigurationNameIsAnError) {
    EXPECT_FALSE(
        project_->cacheBuildSettingsForBuildConfigurationName("", std::nullopt, std::nullopt, recorder_.handler()));
    EXPECT_THAT(recorder_.texts(XAProgressMessageKindError),
                ElementsAre("Cannot resolve build settings for empty build configuration name."));
    EXPECT_THAT(fake_.calls(), IsEmpty());
}

TEST_F(XAProjectBuildSettingsTest, ConfigurationsRunOneAfterTheOtherWhenAskedTo) {
    fake_.delay = std::chrono::milliseconds(150);
    xa_setDetermineBuildSettingsSerially(XAUserDefaults::standard(), true);
    EXPECT_TRUE(project_->cacheAllBuildSettings(nullptr));
    EXPECT_EQ(fake_.calls().size(), 2u);
    EXPECT_EQ(fake_.maximumConcurrency(), 1);
    EXPECT_EQ(fake_.calls()[0].arguments[4], "Debug");
    EXPECT_EQ(fake_.calls()[1].arguments[4], "Release");
}

TEST_F(XAProjectBuildSettingsTest, ConfigurationsRunInParallelByDefault) {
    if (std::thread::hardware_concurrency() < 2) {
        GTEST_SKIP() << "one processor runs the configurations one at a time";
    }
    fake_.delay = std::chrono::milliseconds(150);
    EXPECT_TRUE(project_->cacheAllBuildSettings(nullptr));
    EXPECT_EQ(fake_.maximumConcurrency(), 2);
}

TEST_F(XAProjectBuildSettingsTest, ReadersSeeWholeSettingsWhileRunsStoreThem) {
    XABuildSettings many;
    for (int index = 0; index < 500; ++index) {
        many["SETTING_" + std::to_string(index)] = std::to_string(index);
    }
    fake_.settings["Debug"] = {{"iOSApp", many}, {"iOSAppTests", many}};
    fake_.settings["Release"] = fake_.settings["Debug"];
    std::atomic<bool> done{false};
    std::jthread reader([&] {
        while (!done) {
            for (const auto &target : project_->targets()) {
                if (auto settings = project_->resolvedBuildSettingsForTarget(*target, "Release")) {
                    EXPECT_EQ(settings->size(), 500u);
                }
            }
        }
    });
    for (int round = 0; round < 20; ++round) {
        EXPECT_TRUE(project_->cacheAllBuildSettings(nullptr));
    }
    done = true;
}

// Through the developer-directory stand-in of the build: the real xcodebuild stand-in resolves the settings of the
// example project.
TEST(XAProjectBuildSettingsEndToEnd, ExampleProjectThroughTheStandInXcodebuild) {
    XAStagedDeveloperToolsScope tools;
    if (!tools.usable()) {
        GTEST_SKIP() << "the developer directory of this process was fixed before this test";
    }
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    ASSERT_TRUE(environment.setUp()) << (environment.errors().empty() ? "" : environment.errors().back().message);
    XAProject project(TESSARY_SOURCE_DIR "/examples/TessaryDemo/TessaryDemo.xcodeproj");
    XAProgressRecorder recorder;
    ASSERT_TRUE(project.loadProject(recorder.handler()))
        << testing::PrintToString(recorder.texts(XAProgressMessageKindError));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindError), IsEmpty());
    ASSERT_FALSE(project.targets().empty());
    ASSERT_FALSE(project.buildConfigurations().empty());
    for (const auto &target : project.targets()) {
        for (const auto &configuration : project.buildConfigurations()) {
            auto settings = project.resolvedBuildSettingsForTarget(*target, configuration->name());
            ASSERT_TRUE(settings) << target->name() << " " << configuration->name();
            EXPECT_EQ(settings->at("TARGET_NAME"), target->name());
            EXPECT_EQ(settings->at("CONFIGURATION"), configuration->name());
        }
    }
    auto app = project.targetForName("TessaryDemo");
    ASSERT_TRUE(app);
    EXPECT_EQ(project.platformForTarget(*app, "Debug"), XAPlatformIOS);
}
