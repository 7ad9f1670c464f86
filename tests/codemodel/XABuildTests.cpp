#include "codemodel/XABuild.h"

#include "codemodel/XABuildTestSupport.h"
#include "codemodel/XAModulesCache.h"
#include "codemodel/XATranslationUnit.h"
#include "core/XAPropertyList.h"
#include "project/XAProjectFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kAnalyzerChecker = {"-Xclang", "-analyzer-checker", "-Xclang", "osx.cocoa.RetainCount"};

[[maybe_unused]] ::testing::Environment *const kStagedDeveloperTools =
    ::testing::AddGlobalTestEnvironment(new XAStagedDeveloperToolsEnvironment);

std::string sourcePath(const XAProjectFile &file) {
    return xa_stringByStandardizingPath(file.pathOnDisk().value_or(""));
}

// The paths of the target's files that the compiler compiles.
std::set<std::string> compiledSources(const XAProjectTarget &target) {
    std::set<std::string> paths;
    for (const auto &file : target.sourceFiles()) {
        const std::string extension = xa_pathExtension(file->name());
        if (extension == "m" || extension == "c" || extension == "mm" || extension == "cpp") {
            paths.insert(sourcePath(*file));
        }
    }
    return paths;
}

// As the checking run parses a source file: with the detailed preprocessing record, as the prefix headers are parsed
// (a precompiled header only serves parses whose module settings match its own).
constexpr unsigned kSourceParseOptions = CXTranslationUnit_DetailedPreprocessingRecord;

// The texts of the diagnostics of severity error or fatal of a parse of the file with its compilation info.
std::vector<std::string> parseErrors(const XACompilationInfo &info) {
    const XALibclangFunctions &clang = XALibclang::fn();
    XAClangIndexOwner index(clang.clang_createIndex(0, 0));
    XAError error;
    XATranslationUnitOwner unit(
        XAParseTranslationUnit(index.get(), info.filePath(), info.parsingCompilerArgs(), kSourceParseOptions, &error));
    if (!unit) {
        return {"no translation unit: " + error.message};
    }
    std::vector<std::string> errors;
    const unsigned count = clang.clang_getNumDiagnostics(unit.get());
    for (unsigned position = 0; position < count; ++position) {
        XADiagnosticOwner diagnostic(clang.clang_getDiagnostic(unit.get(), position));
        if (clang.clang_getDiagnosticSeverity(diagnostic.get()) >= CXDiagnostic_Error) {
            errors.push_back(XAFormattedDiagnosticWithChildren(diagnostic.get()).value_or("(no text)"));
        }
    }
    return errors;
}

// ---- The whole road through the stand-in ----

struct ProjectCase {
    std::string xcodeprojPath;
    std::string target;
    std::string configuration;
    std::size_t precompiledHeaders;
    bool fullBuild = false;
};

const std::string kFrameworkAppXcodeproj = TESSARY_FIXTURES_DIR "/projects/FrameworkApp/FrameworkApp.xcodeproj";
const std::string kCompilerFlagsXcodeproj = TESSARY_FIXTURES_DIR "/projects/CompilerFlags/CompilerFlags.xcodeproj";

class XABuildRoadTest : public XABuildEndToEndTest, public ::testing::WithParamInterface<ProjectCase> {};

// Every compiled source of the checked target gets its compiler invocation, every prefix header is made ready, and
// every file then parses without a single error, while the project folder stays untouched.
TEST_P(XABuildRoadTest, EverySourceAndPrefixHeaderIsReadyAndParsesWithoutErrors) {
    const ProjectCase &projectCase = GetParam();
    auto project = loadedProject(projectCase.xcodeprojPath);
    const auto before = XAFolderSnapshot(project->projectDiskRootPath());
    auto build = this->build(project, projectCase.target, projectCase.configuration,
                             XAConfigurationWithOptions({{"fullBuild", projectCase.fullBuild}}));
    XAProgressRecorder recorder;

    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(true, recorder.handler()))
        << testing::PrintToString(recorder.texts(XAProgressMessageKindError));

    EXPECT_THAT(recorder.texts(XAProgressMessageKindError), IsEmpty());
    std::set<std::string> withInfo;
    for (const auto &[path, info] : build->compilationInfosByFilePath()) {
        withInfo.insert(path);
    }
    EXPECT_EQ(withInfo, compiledSources(*project->targetForName(projectCase.target)));
    ASSERT_EQ(build->pchCompilationInfos().size(), projectCase.precompiledHeaders);
    for (const auto &header : build->pchCompilationInfos()) {
        EXPECT_TRUE(fs::is_regular_file(header->outputPath())) << header->outputPath();
        EXPECT_TRUE(XAPathIsInsideOrEqual(header->outputPath(), build->customSymrootPath().value_or("?")));
    }
    for (const auto &[path, info] : build->compilationInfosByFilePath()) {
        if (projectCase.precompiledHeaders > 0) {
            EXPECT_TRUE(info->pchPath()) << path << " includes the prefix header";
        }
        EXPECT_THAT(parseErrors(*info), IsEmpty()) << path;
    }
    ASSERT_TRUE(build->infoPlistFilePath());
    EXPECT_TRUE(build->infoPlistDictionary() && build->infoPlistDictionary()->contains("CFBundleIdentifier"));
    EXPECT_EQ(build->buildWasDryRun(), !projectCase.fullBuild);
    EXPECT_EQ(XAFolderSnapshot(project->projectDiskRootPath()), before) << "the project folder was written to";
}

INSTANTIATE_TEST_SUITE_P(ExampleAndFixtures, XABuildRoadTest,
                         ::testing::Values(ProjectCase{kXAExampleXcodeproj, "TessaryDemo", "Debug", 1},
                                           ProjectCase{kXAExampleXcodeproj, "TessaryDemoTests", "Debug", 0},
                                           ProjectCase{kIOSAppXcodeproj, "iOSAppTests", "Debug", 0},
                                           ProjectCase{kIOSAppXcodeproj, "iOSApp", "Debug", 2},
                                           ProjectCase{kIOSAppXcodeproj, "iOSApp", "Release", 2},
                                           ProjectCase{kMacAppXcodeproj, "MacApp", "Debug", 0},
                                           ProjectCase{kFrameworkAppXcodeproj, "Kit", "Debug", 0},
                                           ProjectCase{kFrameworkAppXcodeproj, "App", "Debug", 0},
                                           ProjectCase{kFrameworkAppXcodeproj, "Kit", "Debug", 0, true},
                                           ProjectCase{kFrameworkAppXcodeproj, "App", "Debug", 0, true},
                                           ProjectCase{kCompilerFlagsXcodeproj, "Flags", "Debug", 3}),
                         [](const testing::TestParamInfo<ProjectCase> &info) {
                             return xa_stringByDeletingPathExtension(xa_lastPathComponent(info.param.xcodeprojPath)) +
                                    "_" + info.param.target + "_" + info.param.configuration +
                                    (info.param.fullBuild ? "_FullBuild" : "");
                         });

// ---- The compiler arguments of real projects ----

// Analyzer options the loaded libclang does not know, in OTHER_CFLAGS and in a file's flags, lose no file: they are
// left out, verbose output names them once, and every file parses.
TEST_F(XABuildEndToEndTest, OptionsLibclangRejectsAreLeftOutAndNamedInVerboseOutput) {
    auto project = loadedProject(kCompilerFlagsXcodeproj);
    auto build = this->build(project, "Flags", "Debug", XAConfigurationWithOptions({{"verbose", true}}));
    XAProgressRecorder recorder;
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(true, recorder.handler()))
        << testing::PrintToString(recorder.texts(XAProgressMessageKindError));

    EXPECT_THAT(recorder.texts(XAProgressMessageKindInfo),
                Contains("Leaving out compiler options that the loaded libclang does not accept: -Xclang "
                         "-analyzer-tidy-checker=deadcode.DeadStores, -Xclang -analyzer-tidy-checker=osx.cocoa.Loops"));
    const std::string counter = TESSARY_FIXTURES_DIR "/projects/CompilerFlags/Flags/Counter.m";
    ASSERT_TRUE(build->compilationInfosByFilePath().contains(counter));
    const auto &info = *build->compilationInfosByFilePath().at(counter);
    EXPECT_THAT(info.rejectedCompilerArgs(), ElementsAre("-Xclang -analyzer-tidy-checker=osx.cocoa.Loops",
                                                         "-Xclang -analyzer-tidy-checker=deadcode.DeadStores"));
    // An option it knows stays, with its value.
    EXPECT_TRUE(std::search(info.parsingCompilerArgs().begin(), info.parsingCompilerArgs().end(),
                            kAnalyzerChecker.begin(), kAnalyzerChecker.end()) != info.parsingCompilerArgs().end());

    // Quiet without verbose mode.
    XAProgressRecorder quiet;
    ASSERT_TRUE(this->build(project, "Flags", "Debug")->processBuildWithPermissionToProcessPCHs(true, quiet.handler()));
    EXPECT_THAT(quiet.texts(XAProgressMessageKindInfo), IsEmpty());
}

// A file compiled without ARC in an ARC target includes a prefix header made without ARC, at a path of its own (as
// does the file with analyzer flags of its own: one header per set of file flags).
TEST_F(XABuildEndToEndTest, AFileWithoutARCIncludesItsOwnPrecompiledHeader) {
    auto project = loadedProject(kCompilerFlagsXcodeproj);
    auto build = this->build(project, "Flags", "Debug");
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(true, nullptr));
    const std::string folder = TESSARY_FIXTURES_DIR "/projects/CompilerFlags/Flags/";
    const auto &infos = build->compilationInfosByFilePath();
    ASSERT_TRUE(infos.contains(folder + "ManualCounter.m") && infos.contains(folder + "main.m"));
    const auto &manual = *infos.at(folder + "ManualCounter.m");
    const auto &automatic = *infos.at(folder + "main.m");
    EXPECT_FALSE(manual.isUsingARC());
    ASSERT_TRUE(manual.pchPath() && automatic.pchPath());
    EXPECT_NE(*manual.pchPath(), *automatic.pchPath());
    for (const auto &header : build->pchCompilationInfos()) {
        EXPECT_EQ(header->isUsingARC(), header->outputPath() != *manual.pchPath()) << header->outputPath();
    }
}

// A framework's sources and an application import the framework's own headers as <Kit/Header.h>: in a dry run the
// header maps the checker writes find them, after a full build also the framework's copied Headers.
TEST_F(XABuildEndToEndTest, AFullBuildCopiesTheFrameworksPublicAndPrivateHeaders) {
    auto project = loadedProject(kFrameworkAppXcodeproj);
    auto build = this->build(project, "App", "Debug", XAConfigurationWithOptions({{"fullBuild", true}}));
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(true, nullptr));
    const std::string framework = *build->customSymrootPath() + "/Debug-iphoneos/Kit.framework/";
    EXPECT_TRUE(fs::is_regular_file(framework + "Headers/Kit.h"));
    EXPECT_TRUE(fs::is_regular_file(framework + "Headers/KitWidget.h"));
    EXPECT_TRUE(fs::is_regular_file(framework + "PrivateHeaders/KitInternal.h"));
    EXPECT_FALSE(fs::exists(framework + "Headers/KitProject.h")) << "a project header stays in the project";

    // The application finds the framework's header in the built framework, without any header map.
    const auto &infos = build->compilationInfosByFilePath();
    const std::string delegate = TESSARY_FIXTURES_DIR "/projects/FrameworkApp/App/AppDelegate.m";
    ASSERT_TRUE(infos.contains(delegate));
    std::vector<std::string> withoutMaps;
    std::size_t maps = 0;
    for (const std::string &argument : infos.at(delegate)->parsingCompilerArgs()) {
        if (!argument.ends_with(".hmap")) {
            withoutMaps.push_back(argument);
            continue;
        }
        ++maps;
        if (!argument.starts_with("-")) {
            withoutMaps.pop_back(); // the search option before the map
        }
    }
    ASSERT_EQ(maps, 3u) << "own target, all targets, project headers";
    const XALibclangFunctions &clang = XALibclang::fn();
    XAClangIndexOwner index(clang.clang_createIndex(0, 0));
    XAError error;
    XATranslationUnitOwner unit(XAParseTranslationUnit(index.get(), delegate, withoutMaps, 0, &error));
    ASSERT_TRUE(unit) << error.message;
    EXPECT_EQ(XANumberOfErrorDiagnostics(unit.get()), 0u) << testing::PrintToString(XAFormattedDiagnostics(unit.get()));
}

// ---- The cached log ----

TEST_F(XABuildEndToEndTest, ASecondRunTakesTheCachedLogAndRunsNoXcodebuild) {
    auto project = loadedProject(kIOSAppXcodeproj);
    auto first = build(project, "iOSApp", "Debug");
    XAProgressRecorder firstRecorder;
    ASSERT_TRUE(first->processBuildWithPermissionToProcessPCHs(false, firstRecorder.handler()));
    ASSERT_EQ(buildInvocations().size(), 1u);
    EXPECT_THAT(buildInvocations().front(), HasSubstr("-dry-run"));

    auto second = build(project, "iOSApp", "Debug");
    XAProgressRecorder recorder;
    ASSERT_TRUE(second->processBuildWithPermissionToProcessPCHs(false, recorder.handler()));

    EXPECT_EQ(buildInvocations().size(), 1u) << "xcodebuild ran again";
    EXPECT_THAT(recorder.texts(XAProgressMessageKindPreparationStep), Contains("Reading cached build steps"));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindPreparationStep), Not(Contains("Determining build steps")));
    EXPECT_TRUE(second->buildWasDryRun());
    EXPECT_EQ(second->buildLog(), first->buildLog());
    ASSERT_EQ(second->compilationInfosByFilePath().size(), first->compilationInfosByFilePath().size());
    for (const auto &[path, info] : first->compilationInfosByFilePath()) {
        ASSERT_TRUE(second->compilationInfosByFilePath().contains(path)) << path;
        EXPECT_EQ(second->compilationInfosByFilePath().at(path)->parsingCompilerArgs(), info->parsingCompilerArgs());
    }
}

// The modules a prefix header imported outlive the run that built them, so the next run reuses the saved header, and
// the sources parse with it as they did after the first run; once the module caches are cleared, the header is made
// again.
TEST_F(XABuildEndToEndTest, ACachedRunReusesAPrefixHeaderWithModulesUntilTheModulesAreCleared) {
    auto project = loadedProject(kXAExampleXcodeproj);
    ASSERT_TRUE(build(project, "TessaryDemo", "Debug")->processBuildWithPermissionToProcessPCHs(true, nullptr));

    auto second = build(project, "TessaryDemo", "Debug");
    XAProgressRecorder recorder;
    ASSERT_TRUE(second->processBuildWithPermissionToProcessPCHs(true, recorder.handler()));

    EXPECT_THAT(recorder.texts(XAProgressMessageKindPreparationStep), Contains("Reading cached build steps"));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindDebug), Contains(StartsWith("Reusing the saved")));
    ASSERT_FALSE(second->compilationInfosByFilePath().empty());
    for (const auto &[path, info] : second->compilationInfosByFilePath()) {
        EXPECT_THAT(parseErrors(*info), IsEmpty()) << path;
    }
    second->endModulesCacheUse();

    XAClearModuleCaches(nullptr);
    auto third = build(project, "TessaryDemo", "Debug");
    XAProgressRecorder afterClearing;
    ASSERT_TRUE(third->processBuildWithPermissionToProcessPCHs(true, afterClearing.handler()));
    EXPECT_THAT(afterClearing.texts(XAProgressMessageKindDebug), Not(Contains(StartsWith("Reusing the saved"))));
    for (const auto &[path, info] : third->compilationInfosByFilePath()) {
        EXPECT_THAT(parseErrors(*info), IsEmpty()) << path;
    }
}

TEST_F(XABuildEndToEndTest, AChangedProjectFileInvalidatesTheCachedLog) {
    const std::string folder = copiedFixture("iOSApp");
    const std::string xcodeproj = folder + "/iOSApp.xcodeproj";
    ASSERT_TRUE(
        build(loadedProject(xcodeproj), "iOSApp", "Debug")->processBuildWithPermissionToProcessPCHs(false, nullptr));
    {
        std::ofstream projectFile(xcodeproj + "/project.pbxproj", std::ios::app);
        projectFile << "\n";
    }

    auto changed = loadedProject(xcodeproj);
    XAProgressRecorder recorder;
    ASSERT_TRUE(build(changed, "iOSApp", "Debug")->processBuildWithPermissionToProcessPCHs(false, recorder.handler()));

    EXPECT_THAT(
        recorder.texts(XAProgressMessageKindDebug),
        Contains("Discarding build step cache: The Xcode project has been modified since the last build cache"));
    EXPECT_EQ(buildInvocations().size(), 2u);
}

TEST_F(XABuildEndToEndTest, WithoutCachingEveryRunAsksXcodebuildAndWritesNoCache) {
    auto project = loadedProject(kIOSAppXcodeproj);
    const XAConfiguration noCache = XAConfigurationWithOptions({{"cacheBuildLog", false}});
    auto first = build(project, "iOSApp", "Debug", noCache);
    ASSERT_TRUE(first->processBuildWithPermissionToProcessPCHs(false, nullptr));
    ASSERT_TRUE(build(project, "iOSApp", "Debug", noCache)->processBuildWithPermissionToProcessPCHs(false, nullptr));

    EXPECT_EQ(buildInvocations().size(), 2u);
    EXPECT_FALSE(fs::exists(first->diskCache()->diskCachePath()));
}

// ---- Kinds of build ----

TEST_F(XABuildEndToEndTest, AFullBuildRunsWithoutDryRunAndLeavesTheBuiltBundle) {
    auto project = loadedProject(kIOSAppXcodeproj);
    auto build = this->build(project, "iOSApp", "Debug", XAConfigurationWithOptions({{"fullBuild", true}}));
    XAProgressRecorder recorder;
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(false, recorder.handler()));

    ASSERT_EQ(buildInvocations().size(), 1u);
    EXPECT_THAT(buildInvocations().front(), Not(HasSubstr("-dry-run")));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindPreparationStep), Contains("Building the project"));
    EXPECT_FALSE(build->buildWasDryRun());
    const std::optional<std::string> bundle = build->pathToBuiltAppBundle();
    ASSERT_TRUE(bundle);
    EXPECT_TRUE(bundle->ends_with("/iOSApp.app"));
    EXPECT_TRUE(XAPathIsInsideOrEqual(*bundle, *build->customSymrootPath()));
    EXPECT_TRUE(build->appBundleWasSuccessfullyBuilt());
}

TEST_F(XABuildEndToEndTest, ADryRunNeverCountsTheBundleAsBuilt) {
    auto project = loadedProject(kIOSAppXcodeproj);
    auto build = this->build(project, "iOSApp", "Debug");
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(false, nullptr));
    const std::optional<std::string> bundle = build->pathToBuiltAppBundle();
    ASSERT_TRUE(bundle);
    fs::create_directories(*bundle); // as an earlier real build would have left it

    EXPECT_FALSE(build->appBundleWasSuccessfullyBuilt());
}

TEST_F(XABuildEndToEndTest, AWorkspaceAndSchemeBuildTheSchemesTargets) {
    auto project = loadedProject(kIOSAppXcodeproj);
    const std::string workspace = TESSARY_FIXTURES_DIR "/workspaces/Shop.xcworkspace";
    auto build = this->build(project, "iOSApp", "Debug",
                             XAConfigurationWithOptions({{"workspace", workspace}, {"scheme", "Shop"}}));
    XAProgressRecorder recorder;
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(false, recorder.handler()))
        << testing::PrintToString(recorder.texts(XAProgressMessageKindError));

    ASSERT_EQ(buildInvocations().size(), 1u);
    EXPECT_THAT(buildInvocations().front(), StartsWith("-workspace " + workspace + " -scheme Shop -configuration"));
    EXPECT_TRUE(build->buildStepsByTargetKey().contains("Library__Library")) << "the scheme's other project";
    EXPECT_EQ(build->compilationInfosByFilePath().size(), 3u);
}

TEST_F(XABuildEndToEndTest, VerboseModeShowsTheArgumentLineWithQuotedArguments) {
    auto project = loadedProject(kIOSAppXcodeproj);
    auto build = this->build(
        project, "iOSApp", "Debug",
        XAConfigurationWithOptions(
            {{"verbose", true}, {"extraXcodebuildArgs", XAOptionValue::stringArray({"", "EXTRA_NOTE=two words"})}}));
    XAProgressRecorder recorder;
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(false, recorder.handler()));

    const auto lines = recorder.texts(XAProgressMessageKindInfo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_THAT(lines.front(), StartsWith("Building with xcodebuild arguments: [-project iOSApp.xcodeproj -target "
                                          "iOSApp -configuration Debug CODE_SIGNING_ALLOWED=NO"));
    EXPECT_THAT(lines.front(), HasSubstr(" -dry-run \"EXTRA_NOTE=two words\" build]"));
    EXPECT_THAT(buildInvocations().front(), HasSubstr("-dry-run \"EXTRA_NOTE=two words\" build"));
}

TEST_F(XABuildEndToEndTest, AMissingInfoPlistIsReportedAndTheRoadGoesOn) {
    const std::string folder = copiedFixture("iOSApp");
    fs::remove(folder + "/iOSApp/iOSApp-Info.plist");
    auto build = this->build(loadedProject(folder + "/iOSApp.xcodeproj"), "iOSApp", "Debug");
    XAProgressRecorder recorder;

    EXPECT_TRUE(build->processBuildWithPermissionToProcessPCHs(true, recorder.handler()));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindError), ElementsAre("Error: Cannot find an Info.plist file."));
    EXPECT_FALSE(build->infoPlistFilePath());
    EXPECT_FALSE(build->infoPlistDictionary());
    EXPECT_EQ(build->compilationInfosByFilePath().size(), 3u);
}

TEST_F(XABuildEndToEndTest, PrecompiledHeadersOfOtherTargetsAreProcessedOnlyWhenAsked) {
    auto project = loadedProject(kIOSAppXcodeproj);
    auto onlyTarget = build(project, "iOSAppTests", "Debug");
    ASSERT_TRUE(onlyTarget->processBuildWithPermissionToProcessPCHs(true, nullptr));
    EXPECT_THAT(onlyTarget->pchCompilationInfos(), IsEmpty());

    // The test target depends on the application, whose steps (and prefix headers) the same log shows.
    auto allTargets =
        build(project, "iOSAppTests", "Debug", XAConfigurationWithOptions({{"processOnlyTargetPCHs", false}}));
    ASSERT_TRUE(allTargets->processBuildWithPermissionToProcessPCHs(true, nullptr));
    ASSERT_EQ(allTargets->pchCompilationInfos().size(), 2u);
    for (const auto &header : allTargets->pchCompilationInfos()) {
        EXPECT_TRUE(header->filePath().ends_with("/iOSApp/iOSApp-Prefix.pch"));
        EXPECT_TRUE(fs::is_regular_file(header->outputPath()));
    }
}

// ---- The xcodebuild arguments ----

class XABuildArgumentsTest : public XABuildEndToEndTest {
protected:
    std::vector<std::string> arguments(const std::map<std::string, XAOptionValue> &options, bool dryRun = true,
                                       std::vector<std::string> *errors = nullptr) {
        auto project = XAProject::projectWithXcodeproj(kIOSAppXcodeproj);
        EXPECT_TRUE(project->readPbxproj(nullptr));
        auto build = this->build(project, "iOSApp", "Debug", XAConfigurationWithOptions(options));
        XAProgressRecorder recorder;
        auto result = build->xcodebuildArgsForDryRun(dryRun, build->customSymrootPath(), recorder.handler());
        symroot_ = build->customSymrootPath().value_or("");
        if (errors) {
            *errors = recorder.texts(XAProgressMessageKindError);
        }
        return result;
    }
    std::string symroot_;
};

TEST_F(XABuildArgumentsTest, AProjectBuildNamesTheProjectTargetConfigurationAndOwnFolders) {
    const auto result = arguments({{"useOwnModulesCache", true}});
    EXPECT_THAT(result,
                ElementsAre("-project", "iOSApp.xcodeproj", "-target", "iOSApp", "-configuration", "Debug",
                            "CODE_SIGNING_ALLOWED=NO", "CODE_SIGNING_REQUIRED=NO", "RUN_CLANG_STATIC_ANALYZER=NO",
                            "GCC_TREAT_WARNINGS_AS_ERRORS=NO", "GCC_OPTIMIZATION_LEVEL=0", "OPTIMIZATION_LEVEL=0",
                            "SHARED_PRECOMPS_DIR=" + symroot_ + "/Tessary-PCH",
                            "MODULE_CACHE_DIR=" + XAModulesCachePath(), "SYMROOT=" + symroot_,
                            "OBJROOT=" + symroot_ + "/Tessary-ObjRoot", "-dry-run"));
    EXPECT_TRUE(XAPathIsInsideOrEqual(symroot_, scratch_ / "caches/tessary/BuildSymroots"));
    EXPECT_THAT(arguments({{"useOwnModulesCache", false}}), Not(Contains(testing::StartsWith("MODULE_CACHE_DIR="))));
}

TEST_F(XABuildArgumentsTest, WorkspaceSchemeAndExtraArgumentsDecideBetweenProjectTargetAndScheme) {
    struct Case {
        std::map<std::string, XAOptionValue> options;
        std::vector<std::string> expectedStart;
        bool hasProject;
        bool hasTarget;
        bool reportsMissingScheme;
    };
    const std::vector<Case> cases = {
        {{{"workspace", "/w/Shop.xcworkspace"}, {"scheme", "Shop"}},
         {"-workspace", "/w/Shop.xcworkspace", "-scheme", "Shop", "-configuration"},
         false,
         false,
         false},
        {{{"workspace", "/w/Shop.xcworkspace"}}, {"-project", "iOSApp.xcodeproj", "-target"}, true, true, true},
        {{{"extraXcodebuildArgs", XAOptionValue::stringArray({"-scheme", "Shop"})}},
         {"-project", "iOSApp.xcodeproj", "-configuration"},
         true,
         false,
         false},
        {{{"extraXcodebuildArgs", XAOptionValue::stringArray({"-workspace", "/w/S.xcworkspace", "-scheme", "S"})}},
         {"-configuration", "Debug"},
         false,
         false,
         false},
    };
    for (const Case &testCase : cases) {
        std::vector<std::string> errors;
        const auto result = arguments(testCase.options, true, &errors);
        SCOPED_TRACE(testing::PrintToString(result));
        ASSERT_GE(result.size(), testCase.expectedStart.size());
        EXPECT_TRUE(std::equal(testCase.expectedStart.begin(), testCase.expectedStart.end(), result.begin()));
        EXPECT_EQ(std::count(result.begin(), result.end(), "-project") == 1, testCase.hasProject);
        EXPECT_EQ(std::count(result.begin(), result.end(), "-target") == 1, testCase.hasTarget);
        EXPECT_EQ(errors, testCase.reportsMissingScheme
                              ? std::vector<std::string>{"If the 'workspace' option is given, the 'scheme' option "
                                                         "must be given as well."}
                              : std::vector<std::string>{});
    }
}

TEST_F(XABuildArgumentsTest, ExtraArgumentsComeLastWithoutEmptiesAndAFullBuildHasNoDryRun) {
    const std::map<std::string, XAOptionValue> options = {
        {"extraXcodebuildArgs", XAOptionValue::stringArray({"", "-quiet", "", "FOO=1"})}};
    const auto dry = arguments(options, true);
    ASSERT_GE(dry.size(), 3u);
    EXPECT_THAT(std::vector<std::string>(dry.end() - 3, dry.end()), ElementsAre("-dry-run", "-quiet", "FOO=1"));
    EXPECT_THAT(dry, Not(Contains("")));

    const auto full = arguments(options, false);
    EXPECT_THAT(full, Not(Contains("-dry-run")));
    EXPECT_THAT(std::vector<std::string>(full.end() - 2, full.end()), ElementsAre("-quiet", "FOO=1"));
}

// ---- Failures ----

class XABuildFailureTest : public XABuildEndToEndTest {
protected:
    // The one-target project "App" (main.m) with the given extra group children, read without build settings.
    // Logs are not cached: each case must see its own xcodebuild output.
    std::unique_ptr<XABuild>
    appBuild(XATestProjectBuilder builder, XAXcodebuildRunner runner,
             XAConfiguration configuration = XAConfigurationWithOptions({{"cacheBuildLog", false}})) {
        const std::string xcodeproj = builder.write(scratch_, "App");
        scratch_.write("main.m", "int main(void) { return 0; }\n");
        auto project = XAProject::projectWithXcodeproj(xcodeproj);
        EXPECT_TRUE(project->readPbxproj(nullptr));
        auto build = this->build(project, "App", "Debug", std::move(configuration));
        build->setXcodebuildRunnerForTesting(std::move(runner));
        return build;
    }

    static XAXcodebuildRunner answering(int status, std::string output, std::string error = "",
                                        std::vector<std::vector<std::string>> *calls = nullptr) {
        return [=](const std::optional<std::string> &, const std::vector<std::string> &arguments) {
            if (calls) {
                calls->push_back(arguments);
            }
            XATaskResults results;
            results.exitStatus = status;
            results.standardOutput = output;
            results.standardError = error;
            return results;
        };
    }

    static std::string logWithSteps(const std::string &target, const std::string &steps) {
        return "=== BUILD TARGET " + target + " OF PROJECT App WITH CONFIGURATION Debug ===\n\n" + steps +
               "\n** BUILD SUCCEEDED **\n";
    }
};

TEST_F(XABuildFailureTest, FailedXcodebuildRunsAndUnusableLogsFailThePreparation) {
    const std::string compileMain = "CompileC /o/main.o " + (scratch_ / "main.m") +
                                    " normal x86_64 objective-c com.apple.compilers.llvm.clang.1_0.compiler\n"
                                    "    cd " +
                                    scratch_.path() + "\n    /usr/bin/clang -x objective-c -c main.m -o /o/main.o\n";
    struct Case {
        std::string name;
        int status;
        std::string output;
        std::string expectedError;
    };
    const std::vector<Case> cases = {
        {"xcodebuild fails", 65, "partial", "xcodebuild returned exit status 65 when building:\n\npartial\n\nbroken"},
        {"xcodebuild prints nothing", 0, "", "xcodebuild printed no build log."},
        {"the target is not in the log", 0, logWithSteps("Other", compileMain),
         "Could not determine build steps for specified target 'App'"},
        {"the target's sources are not compiled", 0, logWithSteps("App", "Touch /o/App.app\n    touch /o/App.app\n"),
         "Could not determine how the source files of target 'App' are compiled: the build log shows no "
         "compilation of any of its 1 source file."},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        auto build = appBuild(XAOneTargetProject(), answering(testCase.status, testCase.output, "broken"));
        XAProgressRecorder recorder;
        EXPECT_FALSE(build->processBuildWithPermissionToProcessPCHs(true, recorder.handler()));
        const auto errors = recorder.texts(XAProgressMessageKindError);
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(errors.back(), testCase.expectedError);
    }

    auto good = appBuild(XAOneTargetProject(), answering(0, logWithSteps("App", compileMain)));
    EXPECT_TRUE(good->processBuildWithPermissionToProcessPCHs(true, nullptr));
    EXPECT_EQ(good->compilationInfosByFilePath().size(), 1u);
}

TEST_F(XABuildFailureTest, ABuildWithoutATargetFailsAndAnswersWithNothing) {
    const std::string xcodeproj = XAOneTargetProject().write(scratch_, "App");
    auto project = XAProject::projectWithXcodeproj(xcodeproj);
    ASSERT_TRUE(project->readPbxproj(nullptr));
    XABuild build(project, project->targetForName("Missing"), project->buildConfigurationForName("Debug"),
                  XAConfiguration());
    XAProgressRecorder recorder;

    EXPECT_FALSE(build.processBuildWithPermissionToProcessPCHs(true, recorder.handler()));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindError),
                ElementsAre("Cannot prepare the build without a project, a target and a build configuration."));
    EXPECT_FALSE(build.customSymrootPath());
    EXPECT_THAT(build.xcodebuildArgsForDryRun(true, std::nullopt, nullptr), IsEmpty());
    EXPECT_FALSE(build.pathToBuiltAppBundle());
    EXPECT_THAT(
        build.compilationInfosByFileFromBuildSteps({XABuildStep({"CompileC a.o a.m normal x86_64 c"})}, nullptr),
        IsEmpty());
}

TEST_F(XABuildFailureTest, ATargetWithoutCompiledSourcesNeedsNoCompileSteps) {
    XATestProjectBuilder builder;
    builder.fileReference("F_README", "README.md", "net.daringfireball.markdown");
    builder.group("G_MAIN", {"F_README"});
    builder.configurationList("L_APP", {builder.configuration("C_APP_D", "Debug")});
    builder.target("T_APP", "App", "com.apple.product-type.bundle", {}, "L_APP");
    builder.configurationList("L_PROJ", {builder.configuration("C_D", "Debug")});
    builder.project("G_MAIN", {"T_APP"}, "L_PROJ");
    auto build = appBuild(builder, answering(0, logWithSteps("App", "Touch /o/App.bundle\n")));
    XAProgressRecorder recorder;

    EXPECT_TRUE(build->processBuildWithPermissionToProcessPCHs(true, recorder.handler()));
    EXPECT_THAT(build->compilationInfosByFilePath(), IsEmpty());
    EXPECT_THAT(recorder.texts(XAProgressMessageKindError), ElementsAre("Error: Cannot find an Info.plist file."));
}

TEST_F(XABuildFailureTest, SwiftCodeAlwaysTakesAFullBuild) {
    XATestProjectBuilder builder = XAOneTargetProject({}, {"F_SWIFT"});
    builder.fileReference("F_SWIFT", "Model.swift", "sourcecode.swift");
    std::vector<std::vector<std::string>> calls;
    auto build = appBuild(builder, answering(0, logWithSteps("App", "Touch /o/App.app\n"), "", &calls));
    XAProgressRecorder recorder;
    build->processBuildWithPermissionToProcessPCHs(false, recorder.handler());

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_THAT(calls.front(), Not(Contains("-dry-run")));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindDebug),
                Contains("Performing full build: required because project contains Swift code"));
    EXPECT_FALSE(build->buildWasDryRun());
}

} // namespace
