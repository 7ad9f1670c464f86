#include "project/XAParsingArguments.h"

#include "codemodel/XACompilerArgumentTrial.h"
#include "codemodel/XALibclangTestSupport.h"
#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

namespace {

const std::string kMissingSDK =
    "/Applications/Xcode.app/Contents/Developer/Platforms/iPhoneOS.platform/Developer/SDKs/iPhoneOS14.0.sdk";
const std::string kIPhoneOSStandIn = kXAStagedDeveloperDir + "/Platforms/iPhoneOS.platform/Developer/SDKs/iPhoneOS.sdk";

XAParsingArgumentsContext contextIn(const std::string &workingDirectory) {
    XAParsingArgumentsContext context;
    context.workingDirectory = workingDirectory;
    return context;
}

} // namespace

TEST(XAParsingArgumentsTest, ResponseFilesAreTokenisedAsGNUToolsDo) {
    const std::vector<std::pair<std::string, Arguments>> cases = {
        {"-DA=1 -I\"/path with space\"\n-fobjc-arc\r\n", {"-DA=1", "-I/path with space", "-fobjc-arc"}},
        {"'single quoted' back\\ slash \"esc\\\"aped\" -DX=\"a b\"c",
         {"single quoted", "back slash", "esc\"aped", "-DX=a bc"}},
        {"\"\" \t", {""}},
        {"\"unterminated quote", {"unterminated quote"}},
        {"trailing\\", {"trailing\\"}},
        {" \n\t ", {}},
    };
    for (const auto &[text, expected] : cases) {
        EXPECT_EQ(XAResponseFileArguments(text), expected) << text;
    }
}

TEST(XAParsingArgumentsTest, ExistingResponseFilesAreExpandedAndMissingOnesDropped) {
    XAScratchFolder folder;
    folder.write("args.resp", "-DFROM_FILE @nested.resp");
    folder.write("nested.resp", "-DNESTED");
    folder.write("loop.resp", "@loop.resp -DLOOP");
    EXPECT_EQ(XAExpandResponseFiles({"-x", "@args.resp", "@missing.resp", "@/nonexistent/abs.resp", "@", "-c"},
                                    folder.path()),
              (Arguments{"-x", "-DFROM_FILE", "-DNESTED", "@", "-c"}));
    // A file that names itself ends after a fixed nesting depth.
    EXPECT_EQ(XAExpandResponseFiles({"@" + (folder / "loop.resp")}, folder.path()), Arguments(16, "-DLOOP"));
}

TEST(XAParsingArgumentsTest, TripleComesFromTheArgumentsElseTheStepElseTheSettings) {
    struct Case {
        const char *name;
        Arguments arguments;
        std::optional<std::string> architecture;
        XABuildSettings settings;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"iOS device by option", {"-arch", "arm64", "-miphoneos-version-min=11.0"}, "armv7", {}, "arm64-apple-ios"},
        {"simulator by option",
         {"-arch", "x86_64", "-mios-simulator-version-min=11.0"},
         {},
         {},
         "x86_64-apple-ios-simulator"},
        {"macOS by option, settings ignored",
         {"-arch", "x86_64", "-mmacosx-version-min=10.13"},
         {},
         {{"PLATFORM_NAME", "iphoneos"}, {"IPHONEOS_DEPLOYMENT_TARGET", "12.0"}},
         "x86_64-apple-macosx"},
        {"step architecture and settings' platform",
         {"-fobjc-arc"},
         "armv7",
         {{"PLATFORM_NAME", "iphoneos"}, {"IPHONEOS_DEPLOYMENT_TARGET", "9.0"}},
         "armv7-apple-ios9.0"},
        {"SDKROOT and CURRENT_ARCH",
         {},
         {},
         {{"SDKROOT", "appletvsimulator"}, {"TVOS_DEPLOYMENT_TARGET", "15.0"}, {"CURRENT_ARCH", "arm64"}},
         "arm64-apple-tvos15.0-simulator"},
        {"logged SDK and the first of ARCHS",
         {"-isysroot", "/X/WatchOS7.0.sdk"},
         {},
         {{"ARCHS", "arm64_32 armv7k"}, {"CURRENT_ARCH", "undefined_arch"}},
         "arm64_32-apple-watchos"},
        {"nothing known", {}, {}, {}, "arm64-apple-macosx"},
        {"malformed architecture and version",
         {"-arch", "x;y"},
         {},
         {{"PLATFORM_NAME", "macosx"}, {"MACOSX_DEPLOYMENT_TARGET", "10.9 beta"}},
         "arm64-apple-macosx"},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        XAParsingArgumentsContext context;
        context.architecture = testCase.architecture;
        context.buildSettings = testCase.settings;
        EXPECT_EQ(XAExplicitTargetTriple(testCase.arguments), std::nullopt);
        EXPECT_EQ(XADerivedTargetTriple(testCase.arguments, context), testCase.expected);
    }
    EXPECT_EQ(XAExplicitTargetTriple({"-target", "a-apple-ios", "--target=b-apple-macos"}), "b-apple-macos");
}

TEST(XAParsingArgumentsTest, SDKStandInFollowsTheTriplesPlatform) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"arm64-apple-ios12.0", "iPhoneOS"},
        {"arm64-apple-ios14.0-simulator", "iPhoneSimulator"},
        {"x86_64-apple-ios12.0", "iPhoneSimulator"},
        {"x86_64-apple-macosx10.15", "MacOSX"},
        {"arm64-apple-darwin", "MacOSX"},
        {"arm64-apple-tvos", "AppleTVOS"},
        {"arm64_32-apple-watchos", "WatchOS"},
        {"x86_64-pc-linux-gnu", std::nullopt},
        {"arm64", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[triple, folder] : cases) {
        const std::optional<std::string> expected =
            folder ? std::optional<std::string>("/Dev/Platforms/" + *folder + ".platform/Developer/SDKs/" + *folder +
                                                ".sdk")
                   : std::nullopt;
        EXPECT_EQ(XASDKStandInPathForTriple("/Dev", triple), expected) << triple;
    }
}

TEST(XAParsingArgumentsTest, DropsWhatADryRunNeverWroteAndWhatWouldWriteFiles) {
    XAScratchFolder folder;
    folder.write("Existing.hmap", "");
    folder.write("overlay.yaml", "");
    folder.write("module.modulemap", "");
    const Arguments arguments = {
        "-x", "objective-c", "-target", "arm64-apple-ios12.0",
        // outputs of a real compilation
        "-MMD", "-MT", "dependencies", "-MF", "/DD/a.d", "-MFjoined.d", "--serialize-diagnostics", "/DD/a.dia",
        // replaced by what fits here
        "-resource-dir", "/Xcode/lib/clang/15", "-working-directory=/Users/me",
        // header maps, overlays and module maps: kept when they exist
        "-iquote", "/DD/App-generated-files.hmap", "-I/DD/App-own-target-headers.hmap", "-I", "Existing.hmap",
        "-iquoteExisting.hmap", "-I/DD/include", "-ivfsoverlay", "/DD/all-product-headers.yaml", "-ivfsoverlay",
        "overlay.yaml", "-fmodule-map-file=/DD/App.modulemap", "-fmodule-map-file=module.modulemap",
        // without a libclang to ask, every other option stays
        "-fobjc-arc", "-DDEBUG=1", "-Xclang", "-fno-such-option", "-fmodules", "-c", "/src/a.m"};
    EXPECT_EQ(XAArgumentsAdaptedForLoadedClang(arguments, contextIn(folder.path())),
              (Arguments{"-x",
                         "objective-c",
                         "-target",
                         "arm64-apple-ios12.0",
                         "-I",
                         "Existing.hmap",
                         "-iquoteExisting.hmap",
                         "-I/DD/include",
                         "-ivfsoverlay",
                         "overlay.yaml",
                         "-fmodule-map-file=module.modulemap",
                         "-fobjc-arc",
                         "-DDEBUG=1",
                         "-Xclang",
                         "-fno-such-option",
                         "-fmodules",
                         "-c",
                         "/src/a.m",
                         "-working-directory",
                         folder.path()}));
    // An option that would take a value at the very end drops alone.
    EXPECT_EQ(XAArgumentsAdaptedForLoadedClang({"-target", "arm64-apple-ios", "-MF"}, contextIn("")),
              (Arguments{"-target", "arm64-apple-ios"}));
}

// The options are tried with the language and target of the parse, each once per occurrence, and only those that
// are not search paths, definitions, warnings, inputs or outputs.
TEST(XAParsingArgumentsTest, OptionsAreTriedWithTheirValuesAndFrontEndGroups) {
    const std::set<Arguments> accepted = {{"-fobjc-arc"},
                                          {"-mllvm", "-enable-x"},
                                          {"-Xclang", "-fno-validate-pch"},
                                          {"-Xclang", "-analyzer-config", "-Xclang", "mode=deep"},
                                          {"-fmodule-name=App"}};
    struct Case {
        const char *name;
        Arguments arguments;
        Arguments kept;
        Arguments rejected;
    };
    const std::vector<Case> cases = {
        {"accepted flags stay, untried ones are never asked about",
         {"-fobjc-arc", "-DA=1", "-I/x", "-Wall", "-include", "/p.h", "-o", "/a.o", "-c", "/a.m"},
         {"-fobjc-arc", "-DA=1", "-I/x", "-Wall", "-include", "/p.h", "-o", "/a.o", "-c", "/a.m"},
         {}},
        {"a refused flag goes alone before another option",
         {"-fobjc-msgsend-selector-stubs", "-fobjc-arc"},
         {"-fobjc-arc"},
         {"-fobjc-msgsend-selector-stubs"}},
        {"a refused option takes the non-option after it along",
         {"-index-store-path", "/DD/Index", "-fmodule-name=App"},
         {"-fmodule-name=App"},
         {"-index-store-path /DD/Index"}},
        {"an option refused alone stays with the value that makes it acceptable",
         {"-mllvm", "-enable-x", "-fobjc-arc"},
         {"-mllvm", "-enable-x", "-fobjc-arc"},
         {}},
        {"front-end options go with their -Xclang and the -Xclang values after them",
         {"-Xclang", "-analyzer-tidy-checker=x", "-Xclang", "-fno-validate-pch", "-Xclang", "-analyzer-config",
          "-Xclang", "mode=deep", "-Xclang", "-analyzer-checker", "-Xclang", "core", "-Xclang"},
         {"-Xclang", "-fno-validate-pch", "-Xclang", "-analyzer-config", "-Xclang", "mode=deep"},
         {"-Xclang -analyzer-tidy-checker=x", "-Xclang -analyzer-checker -Xclang core", "-Xclang"}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        std::vector<Arguments> trials;
        XAParsingArgumentsContext context;
        context.acceptsArguments = [&](const Arguments &trial) {
            trials.push_back(trial);
            return trial.size() == 4 || accepted.contains(Arguments(trial.begin() + 4, trial.end()));
        };
        Arguments arguments = {"-x", "objective-c", "-target", "arm64-apple-ios12.0"};
        arguments.insert(arguments.end(), testCase.arguments.begin(), testCase.arguments.end());
        Arguments kept = {"-x", "objective-c", "-target", "arm64-apple-ios12.0"};
        kept.insert(kept.end(), testCase.kept.begin(), testCase.kept.end());
        Arguments rejected;
        EXPECT_EQ(XAArgumentsAdaptedForLoadedClang(arguments, context, &rejected), kept);
        EXPECT_EQ(rejected, testCase.rejected);
        for (const Arguments &trial : trials) {
            ASSERT_GE(trial.size(), 4u);
            EXPECT_EQ(Arguments(trial.begin(), trial.begin() + 4),
                      (Arguments{"-x", "objective-c", "-target", "arm64-apple-ios12.0"}));
        }
    }
}

// A target the library cannot parse for fails every trial, so no trial tells anything: every option stays, and the
// parse names the target when it fails.
TEST(XAParsingArgumentsTest, ATargetTheLibraryRefusesLeavesEveryOption) {
    XAParsingArgumentsContext context;
    context.acceptsArguments = [](const Arguments &trial) {
        return std::find(trial.begin(), trial.end(), "undefined_arch-apple-tvos9.0") == trial.end();
    };
    const Arguments arguments = {"-x",         "objective-c", "-target",  "undefined_arch-apple-tvos9.0",
                                 "-fobjc-arc", "-Xclang",     "-fno-such"};
    Arguments rejected;
    EXPECT_EQ(XAArgumentsAdaptedForLoadedClang(arguments, context, &rejected), arguments);
    EXPECT_THAT(rejected, testing::IsEmpty());
}

// The options of Apple's clang and of analyzer-minded projects that upstream libclang refuses, asked of the loaded
// library itself; the options it knows stay.
TEST(XAParsingArgumentsTest, TheLoadedLibclangDecidesWhichOptionsStay) {
    ASSERT_TRUE(XALoadStagedLibclang());
    XAParsingArgumentsContext context;
    context.acceptsArguments = XALoadedClangAcceptsArguments;
    const Arguments arguments = {"-x",
                                 "objective-c",
                                 "-target",
                                 "arm64-apple-ios12.0",
                                 "-index-store-path",
                                 "/DD/Index/DataStore",
                                 "-fno-odr-hash-protocols",
                                 "-Xclang",
                                 "-fno-module-related-to-pch",
                                 "-Xclang",
                                 "-clang-vendor-feature=+x",
                                 "-fdepscan=inline",
                                 "-Xclang",
                                 "-analyzer-tidy-checker=osx.cocoa.Loops",
                                 "-Xclang",
                                 "-fno-validate-pch",
                                 "-fobjc-arc",
                                 "-fmodules",
                                 "-std=gnu11",
                                 "-fmodule-name=App",
                                 "-c",
                                 "/src/a.m"};
    Arguments rejected;
    EXPECT_EQ(XAArgumentsAdaptedForLoadedClang(arguments, context, &rejected),
              (Arguments{"-x", "objective-c", "-target", "arm64-apple-ios12.0", "-Xclang", "-fno-validate-pch",
                         "-fobjc-arc", "-fmodules", "-std=gnu11", "-fmodule-name=App", "-c", "/src/a.m"}));
    EXPECT_EQ(rejected, (Arguments{"-index-store-path /DD/Index/DataStore", "-fno-odr-hash-protocols",
                                   "-Xclang -fno-module-related-to-pch", "-Xclang -clang-vendor-feature=+x",
                                   "-fdepscan=inline", "-Xclang -analyzer-tidy-checker=osx.cocoa.Loops"}));
    // The answer depends on the language of the parse.
    EXPECT_TRUE(XALoadedClangAcceptsArguments({"-x", "c++", "-target", "arm64-apple-ios12.0", "-std=c++17"}));
    EXPECT_FALSE(XALoadedClangAcceptsArguments({"-x", "objective-c", "-target", "arm64-apple-ios12.0", "-std=c++17"}));
}

// What a refused parse names: every option is tried, also those the adaptation takes on trust; a target the library
// cannot parse for fails every trial and is named alone.
TEST(XAParsingArgumentsTest, TheCauseOfARefusedParseIsFoundAmongAllOptions) {
    // Refused: a target of no known architecture, -include without its value, a prefix header that does not fit, an
    // unknown front-end option.
    const Arguments context = {"-x", "objective-c", "-target", "arm64-apple-ios12.0"};
    const std::set<Arguments> refused = {{"-include"}, {"-include", "/DD/Prefix.pch"}, {"-Xclang", "-fno-such"}};
    const XACompilerArgumentsAcceptance accepts = [&](const Arguments &trial) {
        const std::size_t split = std::min<std::size_t>(4, trial.size());
        return Arguments(trial.begin(), trial.begin() + split) == context &&
               !refused.contains(Arguments(trial.begin() + split, trial.end()));
    };
    Arguments arguments = {"-x",    "objective-c", "-fobjc-arc", "-include", "/DD/Prefix.pch",
                           "-DA=1", "-Xclang",     "-fno-such",  "-target",  "arm64-apple-ios12.0"};
    EXPECT_EQ(XACompilerOptionsRejected(arguments, accepts),
              (Arguments{"-include /DD/Prefix.pch", "-Xclang -fno-such"}));
    arguments.back() = "undefined_arch-apple-tvos";
    EXPECT_EQ(XACompilerOptionsRejected(arguments, accepts), (Arguments{"-target undefined_arch-apple-tvos"}));
}

TEST(XAParsingArgumentsTest, MissingHeaderMapsAreReplacedByTheirStandIns) {
    XAScratchFolder folder;
    folder.write("App-project-headers.hmap", "");
    std::vector<std::string> asked;
    XAParsingArgumentsContext context = contextIn(folder.path());
    context.headerMapStandIn = [&asked](const std::string &logged) -> std::optional<std::string> {
        asked.push_back(logged);
        if (logged.ends_with("-generated-files.hmap")) {
            return std::nullopt;
        }
        return "/caches/" + xa_lastPathComponent(logged);
    };
    const std::string missing = "/DD/App.build/App";
    const Arguments arguments = {"-target",
                                 "arm64-apple-ios12",
                                 "-iquote",
                                 missing + "-generated-files.hmap",
                                 "-I" + missing + "-own-target-headers.hmap",
                                 "-I",
                                 missing + "-all-target-headers.hmap",
                                 "-iquote",
                                 "relative/App-project-headers.hmap",
                                 "-iquote",
                                 "App-project-headers.hmap",
                                 "-I/DD/include"};
    EXPECT_EQ(XAArgumentsAdaptedForLoadedClang(arguments, context),
              (Arguments{"-target", "arm64-apple-ios12", "-I/caches/App-own-target-headers.hmap", "-I",
                         "/caches/App-all-target-headers.hmap", "-iquote", "/caches/App-project-headers.hmap",
                         "-iquote", "App-project-headers.hmap", "-I/DD/include", "-working-directory", folder.path()}));
    // The stand-ins are asked for by absolute path; an existing map is never replaced.
    EXPECT_EQ(asked,
              (Arguments{missing + "-generated-files.hmap", missing + "-own-target-headers.hmap",
                         missing + "-all-target-headers.hmap", folder.path() + "/relative/App-project-headers.hmap"}));
    // Without stand-ins a missing map is dropped.
    EXPECT_EQ(XAArgumentsAdaptedForLoadedClang({"-target", "t-apple-ios", "-I" + missing + ".hmap", "-DB"}, {}),
              (Arguments{"-target", "t-apple-ios", "-DB"}));
}

TEST(XAParsingArgumentsTest, AMissingSDKIsReplacedByTheStandInOfItsPlatform) {
    XAScratchFolder folder;
    struct Case {
        const char *name;
        Arguments arguments;
        std::optional<std::string> developerDirectory;
        Arguments expected;
    };
    const std::vector<Case> cases = {
        {"missing SDK",
         {"-isysroot", kMissingSDK, "-target", "arm64-apple-ios12"},
         kXAStagedDeveloperDir,
         {"-target", "arm64-apple-ios12", "-isysroot", kIPhoneOSStandIn}},
        {"joined form",
         {"-isysroot" + kMissingSDK, "-arch", "arm64", "-miphoneos-version-min=12"},
         kXAStagedDeveloperDir,
         {"-arch", "arm64", "-miphoneos-version-min=12", "-target", "arm64-apple-ios", "-isysroot", kIPhoneOSStandIn}},
        {"no SDK named",
         {"--target=arm64-apple-ios12"},
         kXAStagedDeveloperDir,
         {"--target=arm64-apple-ios12", "-isysroot", kIPhoneOSStandIn}},
        {"an existing SDK stays",
         {"-target", "arm64-apple-ios12", "-isysroot", folder.path()},
         kXAStagedDeveloperDir,
         {"-target", "arm64-apple-ios12", "-isysroot", folder.path()}},
        {"no developer directory",
         {"-target", "arm64-apple-ios12", "-isysroot", kMissingSDK},
         std::nullopt,
         {"-target", "arm64-apple-ios12", "-isysroot", kMissingSDK}},
        {"the stand-in of another platform",
         {"-target", "arm64-apple-xros1", "-isysroot", kMissingSDK},
         kXAStagedDeveloperDir,
         {"-target", "arm64-apple-xros1", "-isysroot",
          kXAStagedDeveloperDir + "/Platforms/XROS.platform/Developer/SDKs/XROS.sdk"}},
        {"no stand-in for the platform",
         {"-target", "arm64-apple-driverkit20", "-isysroot", kMissingSDK},
         kXAStagedDeveloperDir,
         {"-target", "arm64-apple-driverkit20", "-isysroot", kMissingSDK}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        XAParsingArgumentsContext context;
        context.developerDirectory = testCase.developerDirectory;
        EXPECT_EQ(XAArgumentsAdaptedForLoadedClang(testCase.arguments, context), testCase.expected);
    }
}

TEST(XAParsingArgumentsTest, AdditionsComeLastInAFixedOrder) {
    XAParsingArgumentsContext context;
    context.workingDirectory = "/Users/me/App";
    context.architecture = "arm64";
    context.buildSettings = {{"PLATFORM_NAME", "iphoneos"}, {"IPHONEOS_DEPLOYMENT_TARGET", "13.0"}};
    context.resourceDirectory = "/usr/lib/llvm-19/lib/clang/19";
    context.developerDirectory = kXAStagedDeveloperDir;
    EXPECT_EQ(XAArgumentsAdaptedForLoadedClang({"-fobjc-arc"}, context),
              (Arguments{"-fobjc-arc", "-target", "arm64-apple-ios13.0", "-isysroot", kIPhoneOSStandIn, "-resource-dir",
                         "/usr/lib/llvm-19/lib/clang/19", "-working-directory", "/Users/me/App"}));
}
