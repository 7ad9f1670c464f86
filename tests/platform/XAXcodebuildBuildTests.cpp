#include "platform/XAStagedProgramSupport.h"

#include "codemodel/XABuildLogParser.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "platform/devtools/XAXcodebuildArguments.h"
#include "platform/devtools/XAXcodebuildBuild.h"
#include "platform/devtools/XAXcodebuildBuildCompiler.h"
#include "platform/devtools/XAXcodebuildBuildLog.h"
#include "platform/devtools/XAXcodebuildList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace XAStagedPrograms;

namespace {

namespace fs = std::filesystem;

std::string sourceFolder(const std::string &relativePath) {
    return fs::canonical(std::string(TESSARY_SOURCE_DIR) + "/" + relativePath).string();
}

std::string clangPath() { return developerDir() + "/Toolchains/XcodeDefault.xctoolchain/usr/bin/clang"; }

std::string sdkPath(const std::string &platform) {
    return developerDir() + "/Platforms/" + platform + ".platform/Developer/SDKs/" + platform + ".sdk";
}

// The products, intermediates and precompiled headers of one build, in a temporary folder of the test, named on the
// command line as the checker names them.
class ProductsFolder {
public:
    std::string symroot() const { return folder_.path() + "/Products"; }
    std::string objroot() const { return symroot() + "/Tessary-ObjRoot"; }
    std::string precomps() const { return symroot() + "/Tessary-PCH"; }
    const std::string &path() const { return folder_.path(); }

    std::vector<std::pair<std::string, std::string>> settings() const {
        return {{"CODE_SIGNING_ALLOWED", "NO"},
                {"GCC_OPTIMIZATION_LEVEL", "0"},
                {"SHARED_PRECOMPS_DIR", precomps()},
                {"SYMROOT", symroot()},
                {"OBJROOT", objroot()}};
    }

private:
    TemporaryFolder folder_;
};

// A build's output with its log read back by the checker's own log parser.
struct BuildRun {
    XAToolOutput output;
    XABuildStepsByTargetKey steps;
    std::vector<std::string> banners; // in log order

    const std::vector<XABuildStep> &stepsOf(const std::string &project, const std::string &target) const {
        static const std::vector<XABuildStep> none;
        auto found = steps.find(XABuildLogParser::keyForProjectName(project, target));
        return found == steps.end() ? none : found->second;
    }
};

BuildRun runBuild(XABuildSettingsRequest request, const ProductsFolder &products, const std::string &workingDirectory) {
    for (auto &setting : products.settings()) {
        request.commandLineSettings.push_back(setting);
    }
    BuildRun run;
    run.output = XARunXcodebuildBuild(request, developerDir(), workingDirectory);
    run.steps = XABuildLogParser::buildStepsByTargetKeyFromLog(run.output.standardOutput, XABuildLogProjectNames{}, {});
    std::istringstream lines(run.output.standardOutput);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("=== BUILD")) {
            run.banners.push_back(line);
        }
    }
    return run;
}

XABuildSettingsRequest projectRequest(const std::string &xcodeprojPath, std::vector<std::string> targets,
                                      const std::string &configuration, bool dryRun = true) {
    XABuildSettingsRequest request;
    request.projectPath = xcodeprojPath;
    request.targetNames = std::move(targets);
    request.configuration = configuration;
    request.dryRun = dryRun;
    return request;
}

std::vector<const XABuildStep *> stepsNamed(const std::vector<XABuildStep> &steps, const std::string &name) {
    std::vector<const XABuildStep *> named;
    for (const XABuildStep &step : steps) {
        if (step.name() == name) {
            named.push_back(&step);
        }
    }
    return named;
}

const XABuildStep *stepWithInput(const std::vector<XABuildStep> &steps, const std::string &name,
                                 const std::string &inputPath) {
    for (const XABuildStep *step : stepsNamed(steps, name)) {
        if (step->inputPath() == inputPath) {
            return step;
        }
    }
    return nullptr;
}

// The columns of the step's command that runs a tool whose path ends in `/tool` (or is `tool`).
std::vector<std::string> toolLine(const XABuildStep &step, const std::string &tool) {
    for (const std::string &command : step.commands()) {
        std::vector<std::string> columns = xa_argumentLineColumns(command);
        if (!columns.empty() && (columns.front() == tool || columns.front().ends_with("/" + tool))) {
            return columns;
        }
    }
    return {};
}

bool containsSequence(const std::vector<std::string> &columns, const std::vector<std::string> &sequence) {
    return std::search(columns.begin(), columns.end(), sequence.begin(), sequence.end()) != columns.end();
}

std::string joined(const std::vector<std::string> &columns) {
    std::string text;
    for (const std::string &column : columns) {
        text += "[" + column + "] ";
    }
    return text;
}

std::size_t indexOf(const std::vector<XABuildStep> &steps, const XABuildStep *step) {
    return static_cast<std::size_t>(step - steps.data());
}

// ---- Fixture projects ----

struct FixtureTarget {
    std::string folder; // relative to the source folder
    std::string project;
    std::string target;
    std::string productFolder;        // relative to SYMROOT
    std::vector<std::string> sources; // relative to the project folder, in phase order
    std::vector<std::string> languages;
    std::string architecture;
    bool precompiledPrefixHeader;
};

const std::vector<FixtureTarget> &fixtureTargets() {
    static const std::vector<FixtureTarget> targets = {
        {"examples/TessaryDemo",
         "TessaryDemo",
         "TessaryDemo",
         "Debug-iphoneos/TessaryDemo.app",
         {"TessaryDemo/AppDelegate.m", "TessaryDemo/ViewController.m", "TessaryDemo/main.m"},
         {"objective-c", "objective-c", "objective-c"},
         "arm64",
         true},
        {"tests/fixtures/projects/iOSApp",
         "iOSApp",
         "iOSApp",
         "Debug-iphoneos/iOSApp.app",
         {"iOSApp/AppDelegate.m", "iOSApp/main.m", "iOSApp/Helpers.c"},
         {"objective-c", "objective-c", "c"},
         "arm64",
         true},
        {"tests/fixtures/projects/MacApp",
         "MacApp",
         "MacApp",
         "Debug/MacApp.app",
         {"MacApp/AppDelegate.m", "MacApp/main.m"},
         {"objective-c", "objective-c"},
         "arm64",
         false},
    };
    return targets;
}

BuildRun dryRunOf(const FixtureTarget &fixture, const ProductsFolder &products) {
    const std::string folder = sourceFolder(fixture.folder);
    return runBuild(projectRequest(folder + "/" + fixture.project + ".xcodeproj", {fixture.target}, "Debug"), products,
                    folder);
}

} // namespace

// ---- The log of a dry run ----

TEST(XcodebuildBuildLogTest, CompilesEverySourceOfTheSourcesPhaseOnceForOneArchitecture) {
    for (const FixtureTarget &fixture : fixtureTargets()) {
        SCOPED_TRACE(fixture.project);
        ProductsFolder products;
        BuildRun run = dryRunOf(fixture, products);
        ASSERT_EQ(run.output.status, 0) << run.output.standardError;
        const std::vector<XABuildStep> &steps = run.stepsOf(fixture.project, fixture.target);
        const std::vector<const XABuildStep *> compiles = stepsNamed(steps, "CompileC");
        ASSERT_EQ(compiles.size(), fixture.sources.size()) << run.output.standardOutput;
        const std::string folder = sourceFolder(fixture.folder);
        for (std::size_t index = 0; index < compiles.size(); ++index) {
            const XABuildStep &step = *compiles[index];
            const std::string source = folder + "/" + fixture.sources[index];
            EXPECT_EQ(step.inputPath(), source);
            EXPECT_EQ(step.argumentAtIndex(3), fixture.architecture);
            EXPECT_EQ(step.argumentAtIndex(4), fixture.languages[index]);
            ASSERT_TRUE(step.outputPath());
            EXPECT_TRUE(step.outputPath()->starts_with(products.objroot() + "/" + fixture.project + ".build/"))
                << *step.outputPath();
            const std::vector<std::string> clang = toolLine(step, "clang");
            ASSERT_FALSE(clang.empty()) << joined(step.commands());
            EXPECT_EQ(clang.front(), clangPath());
            EXPECT_TRUE(containsSequence(clang, {"-x", fixture.languages[index]}));
            EXPECT_TRUE(containsSequence(clang, {"-c", source, "-o", *step.outputPath()})) << joined(clang);
            EXPECT_TRUE(containsSequence(clang, {"-arch", fixture.architecture}));
            EXPECT_EQ(xa_argumentLineColumns(step.commands().front()), (std::vector<std::string>{"cd", folder}));
        }
    }
}

TEST(XcodebuildBuildLogTest, CompilerLinesFollowTheResolvedSettings) {
    struct Case {
        std::string fixture;
        std::string source;
        std::vector<std::vector<std::string>> present; // each a run of neighbouring arguments
        std::vector<std::string> absent;
    };
    const std::string iOSSDK = sdkPath("iPhoneOS");
    const std::string iOSApp = sourceFolder("tests/fixtures/projects/iOSApp");
    const std::vector<Case> cases = {
        {"iOSApp",
         "iOSApp/AppDelegate.m",
         {{"-target", "arm64-apple-ios12.0"},
          {"-fobjc-arc"},
          {"-O0"},
          {"-DDEBUG=1"},
          {"-DSHARED=1"},
          {"-isysroot", iOSSDK},
          {"-I" + iOSApp + "/Vendor/include"},
          {"-Wall"},                                // WARNING_CFLAGS
          {"-DRUNS_ON_DEVICE=1", "-DAPP_DEBUG=1"}}, // OTHER_CFLAGS with sdk, arch and config conditions
         {"-fmodules", "-DRUNS_IN_SIMULATOR=1", "-fno-objc-arc"}},
        {"iOSApp",
         "iOSApp/Helpers.c",
         {{"-x", "c"}, {"-fno-objc-arc", "-DHELPERS=1", "-MMD"}}, // per-file flags after every shared argument
         {"-fobjc-arc"}},
        {"TessaryDemo",
         "TessaryDemo/ViewController.m",
         {{"-target", "arm64-apple-ios15.0"},
          {"-fobjc-arc"},
          {"-fmodules"},
          {"-Wunreachable-code"},
          {"-Wunused-variable"},
          {"-Wimplicit-retain-self"},
          {"-Wundeclared-selector"},
          {"-DDEBUG=1"},
          {"-DTESSARY_DEMO=1"},
          {"-Wno-unused-parameter"}},
         {}},
        {"MacApp",
         "MacApp/main.m",
         {{"-target", "arm64-apple-macos10.13"}, {"-isysroot", sdkPath("MacOSX")}, {"-fobjc-arc"}},
         {"-include", "-fmodules"}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.source);
        const FixtureTarget &fixture =
            *std::find_if(fixtureTargets().begin(), fixtureTargets().end(),
                          [&](const auto &target) { return target.project == testCase.fixture; });
        ProductsFolder products;
        BuildRun run = dryRunOf(fixture, products);
        const XABuildStep *step = stepWithInput(run.stepsOf(fixture.project, fixture.target), "CompileC",
                                                sourceFolder(fixture.folder) + "/" + testCase.source);
        ASSERT_TRUE(step) << run.output.standardOutput;
        const std::vector<std::string> clang = toolLine(*step, "clang");
        for (const std::vector<std::string> &arguments : testCase.present) {
            EXPECT_TRUE(containsSequence(clang, arguments)) << arguments.front() << " in " << joined(clang);
        }
        for (const std::string &argument : testCase.absent) {
            EXPECT_EQ(std::count(clang.begin(), clang.end(), argument), 0) << argument << " in " << joined(clang);
        }
    }
}

// Xcode names its four header maps in the target's temporary folder, before every other search path.
TEST(XcodebuildBuildLogTest, HeaderMapsComeFirstAmongTheSearchPaths) {
    const FixtureTarget &fixture = *std::find_if(fixtureTargets().begin(), fixtureTargets().end(),
                                                 [](const auto &target) { return target.project == "TessaryDemo"; });
    ProductsFolder products;
    BuildRun run = dryRunOf(fixture, products);
    const XABuildStep *step = stepWithInput(run.stepsOf(fixture.project, fixture.target), "CompileC",
                                            sourceFolder(fixture.folder) + "/TessaryDemo/ViewController.m");
    ASSERT_TRUE(step) << run.output.standardOutput;
    const std::vector<std::string> clang = toolLine(*step, "clang");
    const auto derived = std::find_if(clang.begin(), clang.end(), [](const std::string &argument) {
        return argument.starts_with("-I") && argument.ends_with("/DerivedSources");
    });
    ASSERT_NE(derived, clang.end()) << joined(clang);
    const std::string prefix = xa_stringByDeletingLastPathComponent(derived->substr(2)) + "/" + fixture.target;
    const std::vector<std::string> maps = {"-iquote",
                                           prefix + "-generated-files.hmap",
                                           "-I" + prefix + "-own-target-headers.hmap",
                                           "-I" + prefix + "-all-target-headers.hmap",
                                           "-iquote",
                                           prefix + "-project-headers.hmap"};
    EXPECT_TRUE(containsSequence(clang, maps)) << joined(clang);
    const auto firstMap = std::search(clang.begin(), clang.end(), maps.begin(), maps.end());
    const auto firstInclude = std::find_if(clang.begin(), clang.end(), [](const std::string &argument) {
        return argument.starts_with("-I") && !argument.ends_with(".hmap");
    });
    EXPECT_LT(firstMap, firstInclude) << joined(clang);
}

TEST(XcodebuildBuildLogTest, PrefixHeaderIsPrecompiledOncePerLanguageBeforeItsFirstUse) {
    ProductsFolder products;
    const FixtureTarget &fixture = fixtureTargets()[1]; // iOSApp: Objective-C and C sources
    BuildRun run = dryRunOf(fixture, products);
    const std::vector<XABuildStep> &steps = run.stepsOf("iOSApp", "iOSApp");
    const std::vector<const XABuildStep *> headers = stepsNamed(steps, "ProcessPCH");
    ASSERT_EQ(headers.size(), 2u) << run.output.standardOutput;
    const std::string prefix = sourceFolder(fixture.folder) + "/iOSApp/iOSApp-Prefix.pch";
    std::set<std::string> outputs;
    for (const XABuildStep *header : headers) {
        EXPECT_EQ(header->inputPath(), prefix);
        ASSERT_TRUE(header->outputPath());
        const std::string output = *header->outputPath();
        outputs.insert(output);
        EXPECT_TRUE(output.starts_with(products.precomps() + "/iOSApp-Prefix-")) << output;
        EXPECT_TRUE(output.ends_with("/iOSApp-Prefix.pch.pch")) << output;
        const std::string language = header->argumentAtIndex(4).value_or("");
        const std::vector<std::string> clang = toolLine(*header, "clang");
        EXPECT_TRUE(containsSequence(clang, {"-x", language + "-header"})) << joined(clang);
        EXPECT_TRUE(containsSequence(clang, {"-c", prefix, "-o", output})) << joined(clang);
        // Every compile of the language includes the header by its path without the last extension, after it.
        for (const XABuildStep *compile : stepsNamed(steps, "CompileC")) {
            if (compile->argumentAtIndex(4) == language) {
                EXPECT_LT(indexOf(steps, header), indexOf(steps, compile));
                const std::vector<std::string> compileLine = toolLine(*compile, "clang");
                EXPECT_TRUE(containsSequence(compileLine, {"-include", xa_stringByDeletingPathExtension(output)}))
                    << joined(compileLine);
            }
        }
    }
    EXPECT_EQ(outputs.size(), 2u) << "one header per language";
    EXPECT_TRUE(stepsNamed(run.stepsOf("MacApp", "MacApp"), "ProcessPCH").empty());
}

// A file with flags of its own gets a prefix header compiled with those flags, at a path of its own: the file without
// ARC in an ARC target includes a header made without ARC.
TEST(XcodebuildBuildLogTest, PrefixHeaderIsPrecompiledOncePerSetOfFileFlags) {
    const std::string folder = sourceFolder("tests/fixtures/projects/CompilerFlags");
    ProductsFolder products;
    BuildRun run = runBuild(projectRequest(folder + "/CompilerFlags.xcodeproj", {"Flags"}, "Debug"), products, folder);
    const std::vector<XABuildStep> &steps = run.stepsOf("CompilerFlags", "Flags");
    std::map<std::string, std::vector<std::string>> headerLines; // output path -> compile line
    for (const XABuildStep *header : stepsNamed(steps, "ProcessPCH")) {
        headerLines[header->outputPath().value_or("")] = toolLine(*header, "clang");
    }
    ASSERT_EQ(headerLines.size(), 3u) << run.output.standardOutput;
    const std::vector<std::pair<std::string, std::string>> fileFlags = {
        {"ManualCounter.m", "-fno-objc-arc"}, {"Counter.m", "-analyzer-tidy-checker=deadcode.DeadStores"}};
    for (const XABuildStep *compile : stepsNamed(steps, "CompileC")) {
        const std::vector<std::string> line = toolLine(*compile, "clang");
        const auto include = std::find(line.begin(), line.end(), "-include");
        ASSERT_NE(include, line.end()) << joined(line);
        const auto header = headerLines.find(*(include + 1) + ".pch");
        ASSERT_NE(header, headerLines.end()) << *(include + 1);
        const std::string file = xa_lastPathComponent(compile->inputPath().value_or(""));
        for (const auto &[flagged, flag] : fileFlags) {
            const bool hasFlag = std::find(header->second.begin(), header->second.end(), flag) != header->second.end();
            EXPECT_EQ(hasFlag, file == flagged) << file << " includes " << header->first;
        }
    }
}

// A framework's public and private headers are laid out in its Headers and PrivateHeaders folders as links to the
// project's files, each with a step in the log, by full builds and dry runs alike (the checker parses the framework's
// users after a dry run); project headers stay where they are. A framework that defines a module gets the module map
// Xcode writes over its umbrella header.
TEST(XcodebuildBuildLogTest, FrameworkHeadersAreLinkedIntoTheProduct) {
    const std::string folder = sourceFolder("tests/fixtures/projects/FrameworkApp");
    for (const bool dryRun : {true, false}) {
        SCOPED_TRACE(dryRun ? "dry run" : "full build");
        ProductsFolder products;
        BuildRun run =
            runBuild(projectRequest(folder + "/FrameworkApp.xcodeproj", {"App"}, "Debug", dryRun), products, folder);
        ASSERT_EQ(run.output.status, 0) << run.output.standardError;
        const std::string framework = products.symroot() + "/Debug-iphoneos/Kit.framework";
        std::vector<std::pair<std::string, std::string>> copies; // destination, source
        for (const XABuildStep *step : stepsNamed(run.stepsOf("FrameworkApp", "Kit"), "CpHeader")) {
            copies.emplace_back(step->argumentAtIndex(0).value_or(""), step->argumentAtIndex(1).value_or(""));
            EXPECT_FALSE(toolLine(*step, "builtin-copy").empty());
        }
        const std::vector<std::pair<std::string, std::string>> expected = {
            {framework + "/Headers/Kit.h", folder + "/Kit/Kit.h"},
            {framework + "/Headers/KitWidget.h", folder + "/Kit/KitWidget.h"},
            {framework + "/PrivateHeaders/KitInternal.h", folder + "/Kit/KitInternal.h"}};
        EXPECT_EQ(copies, expected);
        EXPECT_TRUE(stepsNamed(run.stepsOf("FrameworkApp", "App"), "CpHeader").empty());
        for (const auto &[destination, source] : expected) {
            EXPECT_TRUE(fs::is_symlink(destination)) << destination;
            EXPECT_EQ(fs::read_symlink(destination).string(), source);
        }
        EXPECT_FALSE(fs::exists(framework + "/Headers/KitProject.h"));
        std::ifstream moduleMap(framework + "/Modules/module.modulemap");
        std::stringstream text;
        text << moduleMap.rdbuf();
        EXPECT_EQ(text.str(),
                  "framework module Kit {\n  umbrella header \"Kit.h\"\n\n  export *\n  module * { export * }\n}\n");
    }
}

TEST(XcodebuildBuildLogTest, InterfaceFilesResourcesInfoPlistAndProductHaveTheirSteps) {
    struct Case {
        std::size_t fixture;
        std::vector<std::pair<std::string, std::string>> inputs; // step name, source relative to the project folder
        std::string infoPlist;
        std::string compiledInterface; // the ibtool output relative to the bundle
    };
    const std::vector<Case> cases = {
        {0,
         {{"CompileXIB", "TessaryDemo/MainView.xib"},
          {"CopyStringsFile", "TessaryDemo/en.lproj/Localizable.strings"},
          {"CopyStringsFile", "TessaryDemo/de.lproj/Localizable.strings"},
          {"CompileAssetCatalog", "TessaryDemo/Assets.xcassets"}},
         "TessaryDemo/Info.plist",
         "MainView.nib"},
        {1,
         {{"CompileStoryboard", "iOSApp/Base.lproj/Main.storyboard"},
          {"CopyStringsFile", "iOSApp/en.lproj/Localizable.strings"},
          {"CpResource", "iOSApp/icon.png"}},
         "iOSApp/iOSApp-Info.plist",
         "Base.lproj/Main.storyboardc"},
        {2,
         {{"CompileXIB", "MacApp/Base.lproj/MainMenu.xib"}, {"CopyStringsFile", "MacApp/de.lproj/MainMenu.strings"}},
         "MacApp/MacApp-Info.plist",
         "Contents/Resources/Base.lproj/MainMenu.nib"},
    };
    for (const Case &testCase : cases) {
        const FixtureTarget &fixture = fixtureTargets()[testCase.fixture];
        SCOPED_TRACE(fixture.project);
        ProductsFolder products;
        BuildRun run = dryRunOf(fixture, products);
        const std::vector<XABuildStep> &steps = run.stepsOf(fixture.project, fixture.target);
        const std::string folder = sourceFolder(fixture.folder);
        const std::string bundle = products.symroot() + "/" + fixture.productFolder;
        for (const auto &[name, input] : testCase.inputs) {
            // Compiling steps name their source; copying steps the source and the destination in the bundle.
            const std::string source = folder + "/" + input;
            bool found = false;
            for (const XABuildStep *step : stepsNamed(steps, name)) {
                const auto &arguments = step->arguments();
                auto names = [&](const std::string &path) {
                    return std::find(arguments.begin(), arguments.end(), path) != arguments.end();
                };
                if (!names(source) && !names(input)) {
                    continue;
                }
                found = true;
                if (name == "CpResource" || name == "CopyStringsFile") {
                    // The destination lies in the bundle, under the localisation folder the source lies in.
                    const std::string folderName = xa_lastPathComponent(xa_stringByDeletingLastPathComponent(input));
                    const std::string tail = (folderName.ends_with(".lproj") ? "/" + folderName : std::string()) + "/" +
                                             xa_lastPathComponent(input);
                    EXPECT_TRUE(std::any_of(arguments.begin(), arguments.end(), [&](const std::string &argument) {
                        return argument.starts_with(bundle + "/") && argument.ends_with(tail);
                    })) << joined(arguments);
                }
            }
            EXPECT_TRUE(found) << name << " " << input << "\n" << run.output.standardOutput;
        }
        const XABuildStep *interface = nullptr;
        for (const char *name : {"CompileXIB", "CompileStoryboard"}) {
            for (const XABuildStep *step : stepsNamed(steps, name)) {
                interface = interface ? interface : step;
            }
        }
        ASSERT_TRUE(interface);
        const std::vector<std::string> ibtool = toolLine(*interface, "ibtool");
        EXPECT_TRUE(containsSequence(ibtool, {"--compile", bundle + "/" + testCase.compiledInterface}))
            << joined(ibtool);
        EXPECT_EQ(ibtool.back(), *interface->inputPath());

        const std::vector<const XABuildStep *> infoPlists = stepsNamed(steps, "ProcessInfoPlistFile");
        ASSERT_EQ(infoPlists.size(), 1u);
        EXPECT_EQ(infoPlists.front()->inputPath(), folder + "/" + testCase.infoPlist);
        const std::vector<const XABuildStep *> touches = stepsNamed(steps, "Touch");
        ASSERT_EQ(touches.size(), 1u);
        EXPECT_EQ(touches.front()->inputPath(), bundle);
        EXPECT_EQ(&steps.back(), touches.front()) << "the product is touched last";
    }
}

TEST(XcodebuildBuildLogTest, TargetsFollowWhatTheyDependOnUnderTheirBanners) {
    struct Case {
        std::string fixture;
        std::vector<std::string> targets;
        bool allTargets;
        std::vector<std::string> expectedOrder;
    };
    const std::vector<Case> cases = {
        {"tests/fixtures/projects/iOSApp/iOSApp.xcodeproj", {"iOSAppTests"}, false, {"iOSApp", "iOSAppTests"}},
        {"examples/TessaryDemo/TessaryDemo.xcodeproj", {}, true, {"TessaryDemo", "TessaryDemoTests"}},
        {"examples/TessaryDemo/TessaryDemo.xcodeproj",
         {"TessaryDemoTests", "TessaryDemo"},
         false,
         {"TessaryDemo", "TessaryDemoTests"}},
    };
    for (const Case &testCase : cases) {
        const std::string path = sourceFolder(testCase.fixture);
        const std::string project = xa_stringByDeletingPathExtension(xa_lastPathComponent(path));
        XABuildSettingsRequest request = projectRequest(path, testCase.targets, "Release");
        request.allTargets = testCase.allTargets;
        ProductsFolder products;
        BuildRun run = runBuild(request, products, xa_stringByDeletingLastPathComponent(path));
        ASSERT_EQ(run.output.status, 0) << run.output.standardError;
        std::vector<std::string> expectedBanners;
        for (const std::string &target : testCase.expectedOrder) {
            expectedBanners.push_back("=== BUILD TARGET " + target + " OF PROJECT " + project +
                                      " WITH CONFIGURATION Release ===");
            EXPECT_FALSE(run.stepsOf(project, target).empty()) << target;
        }
        EXPECT_EQ(run.banners, expectedBanners);
        EXPECT_TRUE(run.output.standardOutput.ends_with("** BUILD SUCCEEDED **\n\n"));
    }
}

// ---- What a build leaves on disk ----

// Nothing but the SDK completion of each target, in its folder of the intermediates.
TEST(XcodebuildBuildProductsTest, DryRunWritesNothingButTheSDKCompletion) {
    for (const FixtureTarget &fixture : fixtureTargets()) {
        const std::string defaultSymroot = sourceFolder(fixture.folder) + "/build";
        ASSERT_FALSE(fs::exists(defaultSymroot)) << "left over from elsewhere: " << defaultSymroot;
        ProductsFolder products;
        BuildRun run = dryRunOf(fixture, products);
        ASSERT_EQ(run.output.status, 0);
        for (const auto &entry : fs::recursive_directory_iterator(products.path())) {
            if (entry.is_regular_file()) {
                EXPECT_TRUE(entry.path().string().starts_with(products.objroot()) &&
                            entry.path().parent_path().filename() == "SDKCompletion")
                    << entry.path();
            }
        }
        EXPECT_FALSE(fs::exists(defaultSymroot));
    }
}

TEST(XcodebuildBuildProductsTest, FullBuildLaysOutTheBundleInTheGivenSymroot) {
    struct Case {
        std::size_t fixture;
        std::vector<std::pair<std::string, std::string>> copies; // in the bundle, source in the project folder
        std::vector<std::string> files;                          // placeholders
        std::vector<std::string> folders;
    };
    const std::vector<Case> cases = {
        {1,
         {{"Info.plist", "iOSApp/iOSApp-Info.plist"},
          {"icon.png", "iOSApp/icon.png"},
          {"en.lproj/Localizable.strings", "iOSApp/en.lproj/Localizable.strings"}},
         {},
         {"Base.lproj/Main.storyboardc"}},
        {2,
         {{"Contents/Info.plist", "MacApp/MacApp-Info.plist"},
          {"Contents/Resources/de.lproj/MainMenu.strings", "MacApp/de.lproj/MainMenu.strings"}},
         {"Contents/Resources/Base.lproj/MainMenu.nib"},
         {"Contents/MacOS"}},
        {0, {{"Info.plist", "TessaryDemo/Info.plist"}}, {"MainView.nib", "Assets.car"}, {}},
    };
    for (const Case &testCase : cases) {
        const FixtureTarget &fixture = fixtureTargets()[testCase.fixture];
        SCOPED_TRACE(fixture.project);
        const std::string folder = sourceFolder(fixture.folder);
        ProductsFolder products;
        BuildRun run =
            runBuild(projectRequest(folder + "/" + fixture.project + ".xcodeproj", {fixture.target}, "Debug", false),
                     products, folder);
        ASSERT_EQ(run.output.status, 0) << run.output.standardError;
        const std::string bundle = products.symroot() + "/" + fixture.productFolder;
        for (const auto &[inBundle, source] : testCase.copies) {
            XAError error;
            std::optional<std::string> copied = XAContentsOfFile(bundle + "/" + inBundle, &error);
            ASSERT_TRUE(copied) << error.message;
            EXPECT_EQ(copied, XAContentsOfFile(folder + "/" + source, &error)) << inBundle;
        }
        for (const std::string &file : testCase.files) {
            EXPECT_TRUE(fs::is_regular_file(bundle + "/" + file)) << file;
        }
        for (const std::string &subfolder : testCase.folders) {
            EXPECT_TRUE(fs::is_directory(bundle + "/" + subfolder)) << subfolder;
        }
        // Nothing is compiled: the intermediates hold no more than the SDK completion of the target's compile lines.
        if (fs::exists(products.objroot())) {
            for (const auto &entry : fs::recursive_directory_iterator(products.objroot())) {
                EXPECT_TRUE(entry.is_directory() || entry.path().string().find("/SDKCompletion/") != std::string::npos)
                    << entry.path();
            }
        }
        EXPECT_FALSE(fs::exists(folder + "/build"));
    }
}

// ---- Workspaces and schemes ----

namespace {

std::string workspacePath() { return sourceFolder("tests/fixtures/workspaces/Shop.xcworkspace"); }

XABuildSettingsRequest schemeRequest(const std::string &scheme, std::optional<std::string> configuration) {
    XABuildSettingsRequest request;
    request.workspacePath = workspacePath();
    request.schemeName = scheme;
    request.configuration = std::move(configuration);
    request.dryRun = true;
    return request;
}

} // namespace

TEST(XcodebuildSchemeBuildTest, SchemeBuildsItsEntriesForRunningAfterTheirDependencies) {
    struct Case {
        std::optional<std::string> configuration;
        std::vector<std::string> expectedBanners;
    };
    const std::vector<Case> cases = {
        // No configuration given: the scheme's launch configuration.
        {std::nullopt,
         {"=== BUILD TARGET Library OF PROJECT Library WITH CONFIGURATION Debug ===",
          "=== BUILD TARGET iOSApp OF PROJECT iOSApp WITH CONFIGURATION Debug ===",
          "=== BUILD TARGET iOSAppTests OF PROJECT iOSApp WITH CONFIGURATION Debug ==="}},
        // A project without the configuration builds in its default one.
        {"Release",
         {"=== BUILD TARGET Library OF PROJECT Library WITH CONFIGURATION Debug ===",
          "=== BUILD TARGET iOSApp OF PROJECT iOSApp WITH CONFIGURATION Release ===",
          "=== BUILD TARGET iOSAppTests OF PROJECT iOSApp WITH CONFIGURATION Release ==="}},
    };
    for (const Case &testCase : cases) {
        ProductsFolder products;
        BuildRun run = runBuild(schemeRequest("Shop", testCase.configuration), products,
                                xa_stringByDeletingLastPathComponent(workspacePath()));
        ASSERT_EQ(run.output.status, 0) << run.output.standardError;
        EXPECT_EQ(run.banners, testCase.expectedBanners);
        EXPECT_EQ(stepsNamed(run.stepsOf("iOSApp", "iOSAppTests"), "CompileC").size(), 1u);
        EXPECT_NE(run.output.standardError.find("Missing.xcodeproj"), std::string::npos) << run.output.standardError;
    }
}

// The app links the framework of another project of its workspace without depending on it: the framework is built
// first, as Xcode finds implicit dependencies, and its versioned bundle shows Headers, PrivateHeaders and Modules at
// its top level under the products folder that the app's compile lines search. Without the workspace, the framework
// is unknown. The app's prefix header, named by its absolute system path, is the SDK's. A second build replaces the
// links a first one made.
TEST(XcodebuildSchemeBuildTest, FrameworksOfTheWorkspaceAreBuiltBeforeTheTargetsThatLinkThem) {
    const std::string folder = sourceFolder("tests/fixtures/projects/ModuleFramework");
    XABuildSettingsRequest request;
    request.workspacePath = folder + "/ModuleFramework.xcworkspace";
    request.schemeName = "App";
    request.dryRun = true;
    ProductsFolder products;
    const std::string framework = products.symroot() + "/Debug/Kit.framework";
    fs::create_directories(framework + "/Versions/A/Headers");
    std::ofstream(framework + "/Versions/A/Headers/Kit.h") << "stale";
    BuildRun run = runBuild(request, products, folder);
    ASSERT_EQ(run.output.status, 0) << run.output.standardError;
    EXPECT_EQ(run.banners,
              (std::vector<std::string>{"=== BUILD TARGET Kit OF PROJECT Kit WITH CONFIGURATION Debug ===",
                                        "=== BUILD TARGET App OF PROJECT App WITH CONFIGURATION Debug ==="}));
    const std::vector<std::pair<std::string, std::string>> links = {
        {"/Headers/Kit.h", folder + "/Kit/Kit/Kit.h"},
        {"/Headers/KitShelf.h", folder + "/Kit/Kit/KitShelf.h"},
        {"/PrivateHeaders/KitShelfPrivate.h", folder + "/Kit/Kit/KitShelfPrivate.h"}};
    for (const auto &[inside, source] : links) {
        EXPECT_TRUE(fs::is_symlink(framework + "/Versions/A" + inside)) << inside;
        EXPECT_EQ(fs::canonical(framework + inside).string(), source);
    }
    EXPECT_TRUE(fs::is_regular_file(framework + "/Modules/module.modulemap"));
    const std::string sdkPrefix = sdkPath("MacOSX") + "/System/Library/Frameworks/AppKit.framework/Headers/AppKit.h";
    const std::vector<XABuildStep> &appSteps = run.stepsOf("App", "App");
    ASSERT_EQ(stepsNamed(appSteps, "ProcessPCH").size(), 1u);
    EXPECT_EQ(stepsNamed(appSteps, "ProcessPCH").front()->inputPath(), sdkPrefix);
    for (const XABuildStep *compile : stepsNamed(appSteps, "CompileC")) {
        const std::vector<std::string> line = toolLine(*compile, "clang");
        EXPECT_TRUE(containsSequence(line, {"-I" + products.symroot() + "/Debug/include"})) << joined(line);
        EXPECT_TRUE(containsSequence(line, {"-F" + products.symroot() + "/Debug"})) << joined(line);
    }

    XABuildSettingsRequest alone = projectRequest(folder + "/App.xcodeproj", {"App"}, "Debug");
    ProductsFolder aloneProducts;
    BuildRun aloneRun = runBuild(alone, aloneProducts, folder);
    ASSERT_EQ(aloneRun.output.status, 0) << aloneRun.output.standardError;
    EXPECT_EQ(aloneRun.banners,
              (std::vector<std::string>{"=== BUILD TARGET App OF PROJECT App WITH CONFIGURATION Debug ==="}));
}

// The app links a static library of another project of its workspace through a path of its own, without depending on
// it: the library is built first all the same (Xcode matches the linked library's name with the product), and its
// headers, public ones and those a Copy Files phase puts under the products folder, are laid out there as links by
// a dry run, where the app's `#import <Store/Store.h>` finds them.
TEST(XcodebuildSchemeBuildTest, StaticLibrariesOfTheWorkspaceLayOutTheirHeadersForTheTargetsThatLinkThem) {
    const std::string folder = sourceFolder("tests/fixtures/projects/StaticLibraryApp");
    XABuildSettingsRequest request;
    request.workspacePath = folder + "/StaticLibraryApp.xcworkspace";
    request.schemeName = "App";
    request.dryRun = true;
    ProductsFolder products;
    BuildRun run = runBuild(request, products, folder);
    ASSERT_EQ(run.output.status, 0) << run.output.standardError;
    EXPECT_EQ(run.banners,
              (std::vector<std::string>{"=== BUILD TARGET Store OF PROJECT Store WITH CONFIGURATION Debug ===",
                                        "=== BUILD TARGET App OF PROJECT App WITH CONFIGURATION Debug ==="}));
    const std::string include = products.symroot() + "/Debug/include/Store";
    const std::vector<std::pair<std::string, std::string>> links = {
        {include + "/StoreItem.h", folder + "/Store/Store/StoreItem.h"},
        {include + "/Store.h", folder + "/Store/Store/Store.h"}};
    for (const auto &[path, source] : links) {
        ASSERT_TRUE(fs::is_symlink(path)) << path;
        EXPECT_EQ(fs::read_symlink(path).string(), source);
    }
    const std::vector<const XABuildStep *> copies = stepsNamed(run.stepsOf("Store", "Store"), "PBXCp");
    ASSERT_EQ(copies.size(), 1u) << run.output.standardOutput;
    EXPECT_EQ(copies.front()->argumentAtIndex(0), folder + "/Store/Store/Store.h");
    EXPECT_EQ(copies.front()->argumentAtIndex(1), include + "/Store.h");
}

TEST(XcodebuildListTest, WorkspaceListsSharedSchemesThenTheUsersOwn) {
    XABuildSettingsRequest request;
    request.workspacePath = workspacePath();
    XAToolOutput output = XAListXcodebuild(request, developerDir(), "/", "tester");
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.standardOutput, "Information about workspace \"Shop\":\n"
                                     "    Schemes:\n"
                                     "        Ghost\n"
                                     "        Library\n"
                                     "        Shop\n"
                                     "        Experiments\n"
                                     "\n");
    EXPECT_NE(output.standardError.find("Broken.xcscheme"), std::string::npos) << output.standardError;
    EXPECT_NE(output.standardError.find("Missing.xcodeproj"), std::string::npos);

    // Another user sees the shared schemes only.
    output = XAListXcodebuild(request, developerDir(), "/", "somebody");
    EXPECT_EQ(output.standardOutput.find("Experiments"), std::string::npos);
    EXPECT_EQ(output.standardOutput.find("Other"), std::string::npos);
}

TEST(XcodebuildListTest, ProjectWithoutSchemeFilesListsATargetSchemeEach) {
    XABuildSettingsRequest request;
    request.projectPath = sourceFolder("tests/fixtures/projects/iOSApp/iOSApp.xcodeproj");
    XAToolOutput output = XAListXcodebuild(request, developerDir(), "/", "tester");
    EXPECT_EQ(output.status, 0) << output.standardError;
    EXPECT_EQ(output.standardOutput,
              "Information about project \"iOSApp\":\n"
              "    Targets:\n"
              "        iOSApp\n"
              "        iOSAppTests\n"
              "\n"
              "    Build Configurations:\n"
              "        Debug\n"
              "        Release\n"
              "\n"
              "    If no build configuration is specified and -scheme is not passed then \"Release\" is used.\n"
              "\n"
              "    Schemes:\n"
              "        iOSApp\n"
              "        iOSAppTests\n"
              "\n");
    // Such a scheme builds its target.
    XABuildSettingsRequest build = projectRequest(*request.projectPath, {}, "Debug");
    build.schemeName = "iOSAppTests";
    ProductsFolder products;
    BuildRun run = runBuild(build, products, "/");
    EXPECT_EQ(run.banners.size(), 2u) << run.output.standardError;
}

// ---- Errors ----

TEST(XcodebuildBuildErrorTest, UnknownNamesAndBadCombinationsFailWithXcodebuildsStatus) {
    const std::string iOSApp = sourceFolder("tests/fixtures/projects/iOSApp/iOSApp.xcodeproj");
    struct Case {
        std::string label;
        XABuildSettingsRequest request;
        int status;
        std::string message;
    };
    auto withScheme = [&](XABuildSettingsRequest request, const std::string &scheme) {
        request.schemeName = scheme;
        return request;
    };
    XABuildSettingsRequest workspaceWithoutScheme = schemeRequest("", std::nullopt);
    workspaceWithoutScheme.schemeName.reset();
    XABuildSettingsRequest missingWorkspace = schemeRequest("Shop", std::nullopt);
    missingWorkspace.workspacePath = "/nonexistent/Shop.xcworkspace";
    const std::vector<Case> cases = {
        {"target", projectRequest(iOSApp, {"Nope"}, "Debug"), 65,
         "xcodebuild: error: The project 'iOSApp' does not contain a target named 'Nope'.\n"},
        {"configuration", projectRequest(iOSApp, {}, "Nope"), 65,
         "xcodebuild: error: The project 'iOSApp' does not contain a build configuration named 'Nope'.\n"},
        {"project scheme", withScheme(projectRequest(iOSApp, {}, "Debug"), "Nope"), 65,
         "xcodebuild: error: The project named \"iOSApp\" does not contain a scheme named \"Nope\". The \"-list\" "
         "option can be used to find the names of the schemes in the project.\n"},
        {"workspace scheme", schemeRequest("Nope", "Debug"), 65, "does not contain a scheme named \"Nope\""},
        {"scheme without targets", schemeRequest("Ghost", "Debug"), 65,
         "Scheme Ghost is not currently configured for the build action."},
        {"workspace configuration", schemeRequest("Shop", "Nope"), 65, "build configuration named 'Nope'"},
        {"workspace without scheme", workspaceWithoutScheme, 64, "must also specify a scheme"},
        {"scheme with target", withScheme(projectRequest(iOSApp, {"iOSApp"}, "Debug"), "iOSApp"), 64, "-target"},
        {"missing workspace", missingWorkspace, 66, "does not exist"},
        {"missing project", projectRequest("/nonexistent/X.xcodeproj", {}, "Debug"), 66, "does not exist"},
    };
    for (const Case &testCase : cases) {
        ProductsFolder products;
        BuildRun run = runBuild(testCase.request, products, "/");
        EXPECT_EQ(run.output.status, testCase.status) << testCase.label;
        EXPECT_EQ(run.output.standardOutput, "") << testCase.label;
        EXPECT_NE(run.output.standardError.find(testCase.message), std::string::npos)
            << testCase.label << ": " << run.output.standardError;
        EXPECT_TRUE(fs::is_empty(products.path())) << testCase.label;
    }
}

TEST(XcodebuildBuildErrorTest, StagedProgramAnswersAsTheCheckerCallsIt) {
    const std::string folder = sourceFolder("tests/fixtures/projects/iOSApp");
    ProductsFolder products;
    std::vector<std::string> arguments = {"-project", "iOSApp.xcodeproj", "-target",
                                          "iOSApp",   "-configuration",   "Debug"};
    for (const auto &[name, value] : products.settings()) {
        arguments.push_back(name + "=" + value);
    }
    arguments.insert(arguments.end(), {"-dry-run", "build"});
    XATaskResults results = XATask::xa_execute(developerTool("xcodebuild"), arguments, folder, std::nullopt,
                                               [](XATaskSetup &setup) { setup.environment = cleanEnvironment(); });
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    XABuildStepsByTargetKey steps =
        XABuildLogParser::buildStepsByTargetKeyFromLog(standardOutput(results), XABuildLogProjectNames{}, {});
    EXPECT_EQ(stepsNamed(steps[XABuildLogParser::keyForProjectName("iOSApp", "iOSApp")], "CompileC").size(), 3u);

    arguments[3] = "Nope";
    results = XATask::xa_execute(developerTool("xcodebuild"), arguments, folder, std::nullopt,
                                 [](XATaskSetup &setup) { setup.environment = cleanEnvironment(); });
    EXPECT_EQ(results.exitStatus, 65);
    EXPECT_EQ(standardError(results),
              "xcodebuild: error: The project 'iOSApp' does not contain a target named 'Nope'.\n");

    Environment environment = cleanEnvironment();
    environment["USER"] = "tester";
    results = XATask::xa_execute(developerTool("xcodebuild"), {"-workspace", "Shop.xcworkspace", "-list"},
                                 xa_stringByDeletingLastPathComponent(workspacePath()), std::nullopt,
                                 [&](XATaskSetup &setup) { setup.environment = environment; });
    EXPECT_EQ(results.exitStatus, 0);
    EXPECT_NE(standardOutput(results).find("        Shop\n        Experiments\n"), std::string::npos)
        << standardOutput(results);
}

// ---- Paths with blanks, per-file flags, dependency cycles and other projects ----

namespace {

// A project "Loop" in a folder whose name holds a blank: targets A and B depend on each other; the aggregate target
// C depends on the target SubLib of the project Sub.xcodeproj beside it. A compiles "View Controller.m" with flags
// of its own and the Objective-C++ file Bridge.mm.
class LoopProjects {
public:
    LoopProjects() {
        writeFile(folder() + "/Loop.xcodeproj/project.pbxproj", loopProject());
        writeFile(folder() + "/Sub/Sub.xcodeproj/project.pbxproj", subProject());
    }
    std::string folder() const { return temporary_.path() + "/My Project"; }

private:
    static std::string configurations(const std::string &list, const std::string &configuration,
                                      const std::string &settings) {
        return list + " = {isa = XCConfigurationList; buildConfigurations = (" + configuration +
               "); defaultConfigurationName = Debug; };\n" + configuration +
               " = {isa = XCBuildConfiguration; buildSettings = {" + settings + "}; name = Debug; };\n";
    }

    static std::string project(const std::string &objects, const std::string &root) {
        return "// !$*UTF8*$!\n{\narchiveVersion = 1;\nobjectVersion = 46;\nobjects = {\n" + objects +
               "};\nrootObject = " + root + ";\n}\n";
    }

    static std::string loopProject() {
        return project(
            "R0 = {isa = PBXProject; buildConfigurationList = L0; mainGroup = G0; targets = (TA, TB, TC); };\n"
            "G0 = {isa = PBXGroup; children = (F1, F2, FS); sourceTree = \"<group>\"; };\n"
            "F1 = {isa = PBXFileReference; lastKnownFileType = sourcecode.c.objc; path = \"View Controller.m\"; "
            "sourceTree = \"<group>\"; };\n"
            "F2 = {isa = PBXFileReference; lastKnownFileType = sourcecode.cpp.objcpp; path = Bridge.mm; "
            "sourceTree = \"<group>\"; };\n"
            "FS = {isa = PBXFileReference; lastKnownFileType = \"wrapper.pb-project\"; path = Sub/Sub.xcodeproj; "
            "sourceTree = \"<group>\"; };\n"
            "BF1 = {isa = PBXBuildFile; fileRef = F1; settings = {COMPILER_FLAGS = "
            "\"-DGREETING=\\\"hello world\\\" -DQUOTED=\\\\\\\"x\\\\\\\" -I$(SRCROOT)/Extra\"; }; };\n"
            "BF2 = {isa = PBXBuildFile; fileRef = F2; };\n"
            "PA = {isa = PBXSourcesBuildPhase; files = (BF1, BF2); };\n"
            "TA = {isa = PBXNativeTarget; buildConfigurationList = LT; buildPhases = (PA); dependencies = (DAB); "
            "name = A; productType = \"com.apple.product-type.application\"; };\n"
            "TB = {isa = PBXNativeTarget; buildConfigurationList = LT; buildPhases = (); dependencies = (DBA); "
            "name = B; productType = \"com.apple.product-type.application\"; };\n"
            "TC = {isa = PBXAggregateTarget; buildConfigurationList = LT; buildPhases = (); dependencies = (DCS); "
            "name = C; };\n"
            "DAB = {isa = PBXTargetDependency; target = TB; };\n"
            "DBA = {isa = PBXTargetDependency; target = TA; };\n"
            "DCS = {isa = PBXTargetDependency; targetProxy = XP; };\n"
            "XP = {isa = PBXContainerItemProxy; containerPortal = FS; proxyType = 1; remoteGlobalIDString = TS; "
            "remoteInfo = SubLib; };\n" +
                configurations("L0", "C0", "SDKROOT = iphoneos; CLANG_ENABLE_OBJC_ARC = YES;") +
                configurations("LT", "CT", "PRODUCT_NAME = \"$(TARGET_NAME)\";"),
            "R0");
    }

    static std::string subProject() {
        return project("S0 = {isa = PBXProject; buildConfigurationList = SL; mainGroup = SG; targets = (TS); };\n"
                       "SG = {isa = PBXGroup; children = (); sourceTree = \"<group>\"; };\n"
                       "TS = {isa = PBXNativeTarget; buildConfigurationList = SL; buildPhases = (); name = SubLib; "
                       "productType = \"com.apple.product-type.library.static\"; };\n" +
                           configurations("SL", "SC", "SDKROOT = iphoneos;"),
                       "S0");
    }

    TemporaryFolder temporary_;
};

} // namespace

TEST(XcodebuildBuildLogTest, PathsWithBlanksPerFileFlagsCyclesAndOtherProjects) {
    LoopProjects projects;
    const std::string folder = projects.folder();
    XABuildSettingsRequest request = projectRequest(folder + "/Loop.xcodeproj", {}, "Debug");
    request.allTargets = true;
    ProductsFolder products;
    BuildRun run = runBuild(request, products, folder);
    ASSERT_EQ(run.output.status, 0) << run.output.standardError;
    EXPECT_EQ(run.banners, (std::vector<std::string>{
                               "=== BUILD TARGET B OF PROJECT Loop WITH CONFIGURATION Debug ===",
                               "=== BUILD TARGET A OF PROJECT Loop WITH CONFIGURATION Debug ===",
                               "=== BUILD TARGET SubLib OF PROJECT Sub WITH CONFIGURATION Debug ===",
                               "=== BUILD AGGREGATE TARGET C OF PROJECT Loop WITH CONFIGURATION Debug ===",
                           }));
    EXPECT_NE(run.output.standardError.find("depends on itself"), std::string::npos) << run.output.standardError;

    const std::vector<XABuildStep> &steps = run.stepsOf("Loop", "A");
    const XABuildStep *viewController = stepWithInput(steps, "CompileC", folder + "/View Controller.m");
    ASSERT_TRUE(viewController) << run.output.standardOutput;
    EXPECT_EQ(xa_argumentLineColumns(viewController->commands().front()), (std::vector<std::string>{"cd", folder}));
    const std::vector<std::string> clang = toolLine(*viewController, "clang");
    EXPECT_TRUE(containsSequence(clang, {"-DGREETING=hello world", "-DQUOTED=\"x\"", "-I" + folder + "/Extra", "-MMD"}))
        << joined(clang);
    EXPECT_TRUE(containsSequence(clang, {"-c", folder + "/View Controller.m"}));
    const XABuildStep *bridge = stepWithInput(steps, "CompileC", folder + "/Bridge.mm");
    ASSERT_TRUE(bridge);
    EXPECT_EQ(bridge->argumentAtIndex(4), "objective-c++");
    EXPECT_TRUE(containsSequence(toolLine(*bridge, "clang"), {"-x", "objective-c++"}));
    const std::vector<const XABuildStep *> touches = stepsNamed(steps, "Touch");
    ASSERT_EQ(touches.size(), 1u);
    EXPECT_EQ(touches.front()->inputPath(), products.symroot() + "/Debug-iphoneos/A.app");
}

TEST(XcodebuildBuildLogTest, ArgumentsAreEscapedAsTheLogReaderSplitsThem) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"plain", "plain"},
        {"two words", "two\\ words"},
        {"tab\there", "tab\\\there"},
        {"say \"hi\"", "say\\ \\\"hi\\\""},
        {"back\\slash", "back\\\\slash"},
        {"line\nbreak", "line\\ break"},
        {"", "\"\""},
    };
    for (const auto &[argument, escaped] : cases) {
        EXPECT_EQ(XAEscapedLogArgument(argument), escaped);
        if (argument.find('\n') == std::string::npos) {
            EXPECT_EQ(xa_argumentLineColumns("tool " + escaped + " end"),
                      (std::vector<std::string>{"tool", argument, "end"}));
        }
    }
}

TEST(XcodebuildBuildCompilerTest, SettingWordsAreSplitAsAShellSplitsThem) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"  -DA=1\t-DB=2 ", {"-DA=1", "-DB=2"}},
        {"-DNAME=\"a b\" next", {"-DNAME=a b", "next"}},
        {"-DNAME=\\\"a\\\"", {"-DNAME=\"a\""}},
        {"'single quoted' \"\"", {"single quoted", ""}},
        {"\"unterminated text", {"unterminated text"}},
        {"trailing\\", {"trailing\\"}},
        {"", {}},
    };
    for (const auto &[value, words] : cases) {
        EXPECT_EQ(XABuildSettingWords(value), words) << value;
    }
}

TEST(XcodebuildBuildCompilerTest, WarningSettingsBecomeTheirFlagsForTheLanguagesTheyConcern) {
    struct Case {
        std::string setting;
        std::string value;
        XASourceLanguage language;
        std::vector<std::string> flags;
    };
    const std::vector<Case> cases = {
        {"GCC_WARN_UNUSED_VARIABLE", "YES", XASourceLanguage::C, {"-Wunused-variable"}},
        {"GCC_WARN_UNUSED_VARIABLE", "NO", XASourceLanguage::C, {"-Wno-unused-variable"}},
        {"GCC_WARN_ABOUT_RETURN_TYPE", "YES_ERROR", XASourceLanguage::ObjectiveC, {"-Werror=return-type"}},
        {"GCC_WARN_UNINITIALIZED_AUTOS", "YES_AGGRESSIVE", XASourceLanguage::C, {"-Wconditional-uninitialized"}},
        {"GCC_WARN_UNINITIALIZED_AUTOS", "YES", XASourceLanguage::C, {"-Wuninitialized"}},
        {"CLANG_WARN_OBJC_ROOT_CLASS", "YES_ERROR", XASourceLanguage::ObjectiveC, {"-Werror=objc-root-class"}},
        {"CLANG_WARN_OBJC_ROOT_CLASS", "YES", XASourceLanguage::C, {}}, // an Objective-C warning
        {"GCC_WARN_NON_VIRTUAL_DESTRUCTOR", "YES", XASourceLanguage::ObjectiveCPlusPlus, {"-Wnon-virtual-dtor"}},
        {"GCC_WARN_NON_VIRTUAL_DESTRUCTOR", "YES", XASourceLanguage::ObjectiveC, {}},
        {"GCC_WARN_TYPECHECK_CALLS_TO_PRINTF", "NO", XASourceLanguage::C, {"-Wno-format"}},
        {"GCC_WARN_TYPECHECK_CALLS_TO_PRINTF", "YES", XASourceLanguage::C, {}},
        {"GCC_WARN_INHIBIT_ALL_WARNINGS", "YES", XASourceLanguage::C, {"-w"}},
        {"GCC_WARN_INHIBIT_ALL_WARNINGS", "NO", XASourceLanguage::C, {}},
        {"CLANG_WARN_UNGUARDED_AVAILABILITY",
         "YES_AGGRESSIVE",
         XASourceLanguage::ObjectiveC,
         {"-Wunguarded-availability"}},
        {"GCC_WARN_UNUSED_VARIABLE", "maybe", XASourceLanguage::C, {}},
        {"OTHER_CFLAGS", "YES", XASourceLanguage::C, {}},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(XAWarningFlagsForSetting(testCase.setting, testCase.value, testCase.language), testCase.flags)
            << testCase.setting << " = " << testCase.value;
    }
}

TEST(XcodebuildBuildArgumentsTest, ReadsTheBuildRequestOfTheChecker) {
    XAXcodebuildRequest request =
        XAParseXcodebuildArguments({"-workspace", "Shop.xcworkspace", "-scheme", "Shop App", "-configuration", "Debug",
                                    "CODE_SIGNING_ALLOWED=NO", "SYMROOT=/tmp/s p", "-dry-run", "build"});
    ASSERT_EQ(request.kind, XAXcodebuildRequestKind::Build);
    const XABuildSettingsRequest &settings = request.buildSettings;
    EXPECT_EQ(settings.workspacePath, "Shop.xcworkspace");
    EXPECT_EQ(settings.schemeName, "Shop App");
    EXPECT_EQ(settings.configuration, "Debug");
    EXPECT_TRUE(settings.dryRun);
    EXPECT_EQ(settings.commandLineSettings, (std::vector<std::pair<std::string, std::string>>{
                                                {"CODE_SIGNING_ALLOWED", "NO"}, {"SYMROOT", "/tmp/s p"}}));

    request = XAParseXcodebuildArguments({"-project", "App.xcodeproj", "-target", "App", "build"});
    EXPECT_EQ(request.kind, XAXcodebuildRequestKind::Build);
    EXPECT_FALSE(request.buildSettings.dryRun);
    EXPECT_EQ(XAParseXcodebuildArguments({"-workspace", "Shop.xcworkspace", "-list"}).kind,
              XAXcodebuildRequestKind::List);
}

// ---- Inputs a build would write, and broken build files ----

namespace {

// The fixture "unbuilt-inputs": its App target compiles a file a generator would write (Generated/Tables.c) with a
// prefix header that its "Write prefix header" script phase would write from a template that is missing too, copies a
// missing image, has a Swift file, and holds a Sources build file without a file reference and a Resources build file
// whose reference the project does not hold.
struct UnbuiltInputsRun {
    XATaskResults results;
    XABuildStepsByTargetKey steps;
    std::string folder;

    const std::vector<XABuildStep> &appSteps() {
        return steps[XABuildLogParser::keyForProjectName("UnbuiltInputs", "App")];
    }
};

UnbuiltInputsRun runUnbuiltInputs(const ProductsFolder &products, bool dryRun) {
    UnbuiltInputsRun run;
    run.folder = sourceFolder("tests/fixtures/projects/unbuilt-inputs");
    std::vector<std::string> arguments = {"-project", "UnbuiltInputs.xcodeproj", "-target",
                                          "App",      "-configuration",          "Debug"};
    for (const auto &[name, value] : products.settings()) {
        arguments.push_back(name + "=" + value);
    }
    if (dryRun) {
        arguments.push_back("-dry-run");
    }
    arguments.push_back("build");
    run.results = XATask::xa_execute(developerTool("xcodebuild"), arguments, run.folder, std::nullopt,
                                     [](XATaskSetup &setup) { setup.environment = cleanEnvironment(); });
    run.steps =
        XABuildLogParser::buildStepsByTargetKeyFromLog(standardOutput(run.results), XABuildLogProjectNames{}, {});
    return run;
}

std::vector<std::string> stderrLines(const XATaskResults &results) {
    std::vector<std::string> lines;
    std::istringstream stream(standardError(results));
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(XcodebuildUnbuiltInputsTest, DryRunPrintsEveryStepAndWarnsOfWhatIsMissing) {
    ProductsFolder products;
    UnbuiltInputsRun run = runUnbuiltInputs(products, true);
    ASSERT_EQ(run.results.exitStatus, 0) << standardError(run.results);
    EXPECT_TRUE(standardOutput(run.results).ends_with("** BUILD SUCCEEDED **\n\n"));

    // The generated source is compiled all the same; the prefix header that the script phase would write is not
    // precompiled but included as it is, so that each compilation reports it missing.
    const std::string generated = run.folder + "/Generated/Tables.c";
    const std::string prefix = run.folder + "/App/App-Prefix.pch";
    ASSERT_NE(stepWithInput(run.appSteps(), "CompileC", generated), nullptr);
    const XABuildStep *main = stepWithInput(run.appSteps(), "CompileC", run.folder + "/App/main.m");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(containsSequence(toolLine(*main, "clang"), {"-include", prefix})) << joined(toolLine(*main, "clang"));
    EXPECT_TRUE(stepsNamed(run.appSteps(), "ProcessPCH").empty());
    const std::vector<const XABuildStep *> copies = stepsNamed(run.appSteps(), "CpResource");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies.front()->arguments().front(), "App/Missing.png");
    EXPECT_EQ(stepsNamed(run.appSteps(), "PhaseScriptExecution").size(), 1u);

    // Each missing input once, in the real tool's words; nothing about the script's own output; the broken build
    // files as warnings of the project model.
    const std::vector<std::string> lines = stderrLines(run.results);
    for (const std::string &missing :
         {generated, run.folder + "/App/Missing.png", run.folder + "/Scripts/prefix-template.h"}) {
        EXPECT_EQ(std::count(lines.begin(), lines.end(),
                             "xcodebuild: warning: Build input file cannot be found: '" + missing + "'"),
                  1)
            << missing << "\n"
            << standardError(run.results);
    }
    EXPECT_EQ(standardError(run.results).find(prefix), std::string::npos) << standardError(run.results);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "xcodebuild: warning: Missing fileRef for build file ID 1B0000000000000000000004"),
              lines.end())
        << standardError(run.results);
    EXPECT_NE(standardError(run.results).find("1E0000000000000000000063"), std::string::npos);
    for (const std::string &line : lines) {
        EXPECT_TRUE(line.starts_with("xcodebuild: warning: ")) << line;
    }
}

TEST(XcodebuildUnbuiltInputsTest, FullBuildLaysOutWhatExistsAndLeavesOutWhatIsMissing) {
    ProductsFolder products;
    UnbuiltInputsRun run = runUnbuiltInputs(products, false);
    ASSERT_EQ(run.results.exitStatus, 0) << standardError(run.results);
    EXPECT_TRUE(standardOutput(run.results).ends_with("** BUILD SUCCEEDED **\n\n"));
    const std::string resources = products.symroot() + "/Debug/App.app/Contents/Resources";
    EXPECT_TRUE(fs::is_regular_file(products.symroot() + "/Debug/App.app/Contents/Info.plist"));
    EXPECT_FALSE(fs::exists(resources + "/Missing.png"));
    EXPECT_EQ(standardError(run.results).find("error"), std::string::npos) << standardError(run.results);
}

TEST(XcodebuildUnbuiltInputsTest, ATargetsXcconfigNamingASettingExtendsTheProjectLevel) {
    ProductsFolder products;
    const std::string folder = sourceFolder("tests/fixtures/projects/unbuilt-inputs");
    BuildRun run = runBuild(projectRequest(folder + "/UnbuiltInputs.xcodeproj", {"Kit"}, "Debug"), products, folder);
    ASSERT_EQ(run.output.status, 0) << run.output.standardError;
    const XABuildStep *kit = stepWithInput(run.stepsOf("UnbuiltInputs", "Kit"), "CompileC", folder + "/Kit/Kit.m");
    ASSERT_NE(kit, nullptr);
    EXPECT_TRUE(containsSequence(toolLine(*kit, "clang"), {"-DPROJECT_LEVEL=1", "-DKIT_XCCONFIG=1"}))
        << joined(toolLine(*kit, "clang"));
}
