#include "codemodel/XABuild.h"

#include "codemodel/XABuildTestSupport.h"
#include "project/XAXIB.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A step from its header line and indented command lines.
XABuildStep step(const std::string &header, const std::vector<std::string> &commands = {}) {
    std::vector<std::string> lines = {header};
    for (const std::string &command : commands) {
        lines.push_back("    " + command);
    }
    return XABuildStep(lines);
}

// The one-target project "App" in a scratch folder, with settings for Debug from a prepared xcodebuild.
class XABuildProductsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(XALoadStagedLibclang()); }

    std::unique_ptr<XABuild> appBuild(const XABuildSettings &settings = {}) {
        const std::string xcodeproj = XAOneTargetProject().write(scratch_, "App");
        project_ = XAProject::projectWithXcodeproj(xcodeproj);
        fake_.settings["Debug"] = {{"App", settings}};
        fake_.settings["Release"] = {{"App", settings}};
        project_->setXcodebuildRunnerForTesting(fake_.runner());
        EXPECT_TRUE(project_->loadProject(nullptr));
        return std::make_unique<XABuild>(project_, project_->targetForName("App"),
                                         project_->buildConfigurationForName("Debug"), XAConfiguration());
    }

    XABuildStep compile(const std::string &source, const std::string &architecture, const std::string &flag = "") {
        return step("CompileC /o/" + architecture + "/x.o " + source + " normal " + architecture +
                        " objective-c com.apple.compilers.llvm.clang.1_0.compiler",
                    {"cd " + scratch_.path(),
                     "/usr/bin/clang -x objective-c -arch " + architecture + " " + flag + " -c " + source + " -o x.o"});
    }

    XAScratchFolder scratch_;
    // The driver writes its log cache and products folder under the caches root.
    XAScopedEnvironmentVariable cacheHome_{"XDG_CACHE_HOME", scratch_ / "caches"};
    XAFakeXcodebuild fake_;
    std::shared_ptr<XAProject> project_;
};

TEST_F(XABuildProductsTest, FilesAreTakenForTheMostFrequentArchitectureAndTheFirstOnATie) {
    auto build = appBuild();
    const std::string a = scratch_ / "a.m", b = scratch_ / "b.m", c = scratch_ / "c.m";
    const std::vector<XABuildStep> steps = {
        compile(a, "arm64", "-DFIRST"),
        compile(b, "x86_64"),
        compile(a, "x86_64"),
        compile(c, "armv7"),
        compile(b, "arm64"),
        step("Touch /o/App.app"),
        compile(a, "arm64", "-DLATER"),
    };

    const XACompilationInfosByFilePath infos = build->compilationInfosByFileFromBuildSteps(steps, nullptr);

    ASSERT_EQ(infos.size(), 2u) << "c.m is compiled for armv7 only";
    for (const auto &[path, info] : infos) {
        EXPECT_EQ(info->architecture(), "arm64") << path;
    }
    const auto &laterA = infos.at(a)->parsingCompilerArgs();
    EXPECT_NE(std::find(laterA.begin(), laterA.end(), "-DLATER"), laterA.end()) << "the later step of a file wins";
    EXPECT_TRUE(infos.contains(b));
    EXPECT_THAT(build->compilationInfosByFileFromBuildSteps({step("Touch /o/App.app")}, nullptr), IsEmpty());
}

TEST_F(XABuildProductsTest, TheInfoPlistIsTheProcessedFileOrThePreprocessedSource) {
    auto build = appBuild();
    scratch_.write("App/Info.plist", "<plist version=\"1.0\"><dict/></plist>");
    scratch_.write("App/Info-Source.plist", "<plist version=\"1.0\"><dict/></plist>");
    const std::string processed = "ProcessInfoPlistFile /o/App.app/Info.plist ";
    struct Case {
        std::string name;
        std::vector<XABuildStep> steps;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"a relative input that exists", {step(processed + "App/Info.plist")}, scratch_ / "App/Info.plist"},
        {"preprocessed in a dry run",
         {step("Preprocess /pre/Absolute.plist /abs/Info.plist"),
          step("Preprocess " + (scratch_ / "Preprocessed/Info.plist") + " App/Info-Source.plist"),
          step(processed + "Preprocessed/Info.plist")},
         scratch_ / "App/Info-Source.plist"},
        {"a preprocessing step with an absolute source is passed over",
         {step("Preprocess " + (scratch_ / "Preprocessed/Info.plist") + " " + (scratch_ / "App/Info-Source.plist")),
          step(processed + "Preprocessed/Info.plist")},
         std::nullopt},
        {"no processing step", {step("Touch /o/App.app")}, std::nullopt},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(build->infoPlistFilePathFromBuildSteps(testCase.steps), testCase.expected) << testCase.name;
    }
}

TEST_F(XABuildProductsTest, XIBPathsComeFromTheStepOrFromIbtoolsCommandLine) {
    auto build = appBuild();
    const std::vector<XABuildStep> steps = {
        step("CompileXIB /abs/Main.xib"),
        step("CompileStoryboard Base.lproj/Main.storyboard",
             {"cd " + scratch_.path(),
              "/Dev/usr/bin/ibtool --compile /o/Main.storyboardc /real/Base.lproj/Main.storyboard"}),
        step("CompileXIB Views/Cell.xib", {"/Dev/usr/bin/ibtool --compile /o/Cell.nib Views/Cell.xib"}),
        step("CompileXIB Views/Other.xib"),
        step("CpResource a.png /o/a.png"),
    };

    EXPECT_THAT(build->XIBFilePathsFromBuildSteps(steps),
                ElementsAre("/abs/Main.xib", "/real/Base.lproj/Main.storyboard", scratch_ / "Views/Cell.xib",
                            scratch_ / "Views/Other.xib"));
    EXPECT_THAT(build->XIBFilePathsFromBuildSteps({}), IsEmpty());
}

TEST_F(XABuildProductsTest, AssetCatalogsAreCombinedFromIOS7On) {
    struct Case {
        std::string platform;
        std::string deploymentTarget;
        bool combined;
    };
    for (const Case &testCase : std::vector<Case>{{"iphoneos", "6.1", false},
                                                  {"iphoneos", "7.0", true},
                                                  {"iphoneos", "12", true},
                                                  {"macosx", "10.15", false}}) {
        auto build = appBuild({{"PLATFORM_NAME", testCase.platform},
                               {"IPHONEOS_DEPLOYMENT_TARGET", testCase.deploymentTarget},
                               {"MACOSX_DEPLOYMENT_TARGET", testCase.deploymentTarget}});
        EXPECT_EQ(build->compilesAssetCatalogsIntoCombinedBinaryFile(), testCase.combined)
            << testCase.platform << " " << testCase.deploymentTarget;
    }
}

// XIB files of every target in the log are read, each target's under its own key.
TEST_F(XABuildProductsTest, TheXIBsOfEveryTargetInTheLogAreReadAndFoundByTarget) {
    auto build = appBuild();
    const std::string xibs = TESSARY_FIXTURES_DIR "/xib/";
    const std::string log = "=== BUILD TARGET Lib OF PROJECT Shared WITH CONFIGURATION Debug ===\n"
                            "CompileXIB " +
                            xibs +
                            "LegacyArchive.xib\n\n"
                            "=== BUILD TARGET App OF PROJECT App WITH CONFIGURATION Debug ===\n"
                            "CompileC /o/main.o " +
                            (scratch_ / "main.m") +
                            " normal x86_64 objective-c com.apple.compilers.llvm.clang.1_0.compiler\n"
                            "    cd " +
                            scratch_.path() +
                            "\n    /usr/bin/clang -x objective-c -c main.m -o /o/main.o\n"
                            "CompileXIB " +
                            xibs +
                            "ProfileView.xib\n"
                            "CompileStoryboard " +
                            xibs + "Catalog.storyboard\n";
    build->setXcodebuildRunnerForTesting([&log](const std::optional<std::string> &, const std::vector<std::string> &) {
        XATaskResults results;
        results.standardOutput = log;
        return results;
    });
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(false, nullptr));
    EXPECT_EQ(build->XIBsForProjectName("App", "App"), nullptr) << "nothing before they are read";

    EXPECT_EQ(build->numberOfXIBs(), 3u);
    build->parseAndCacheXIBs();

    const XAXIBs *app = build->XIBsForProjectName("App", "App");
    ASSERT_NE(app, nullptr);
    ASSERT_EQ(app->size(), 2u);
    EXPECT_EQ((*app)[0]->filePath(), xibs + "ProfileView.xib");
    EXPECT_EQ((*app)[1]->type(), XAXIBTypeIOSStoryboard);
    ASSERT_NE(build->XIBsForProjectName("Shared", "Lib"), nullptr);
    EXPECT_EQ(build->allXIBs().size(), 3u);
    ASSERT_EQ(build->xcode4FormatXIBs().size(), 1u);
    EXPECT_EQ(build->xcode4FormatXIBs().front()->filePath(), xibs + "LegacyArchive.xib");
    EXPECT_EQ(build->XIBsForProjectName("App", "Other"), nullptr);
}

TEST_F(XABuildProductsTest, TheBuiltBundleIsTheAppFolderInABuildDirectory) {
    auto build = appBuild();
    const std::string log = "=== BUILD TARGET App OF PROJECT App WITH CONFIGURATION Debug ===\n"
                            "CompileC /o/main.o " +
                            (scratch_ / "main.m") +
                            " normal x86_64 objective-c com.apple.compilers.llvm.clang.1_0.compiler\n"
                            "    cd " +
                            scratch_.path() +
                            "\n    /usr/bin/clang -x objective-c -c main.m -o /o/main.o\n"
                            "Touch /elsewhere/App.app\n"
                            "CodeSign build/Debug-iphoneos/App.app/Frameworks/X.framework\n"
                            "Touch build/Debug-iphoneos/App.app\n";
    build->setXcodebuildRunnerForTesting([&log](const std::optional<std::string> &, const std::vector<std::string> &) {
        XATaskResults results;
        results.standardOutput = log;
        return results;
    });
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(false, nullptr));

    EXPECT_EQ(build->pathToBuiltAppBundle(), scratch_ / "build/Debug-iphoneos/App.app");
}

} // namespace
