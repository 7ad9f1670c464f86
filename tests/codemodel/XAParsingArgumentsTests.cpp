#include "codemodel/XAParsingArguments.h"

#include "codemodel/XALibclangTestSupport.h"
#include "core/XAPathsTestSupport.h"

#include <gtest/gtest.h>

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

TEST(XAParsingArgumentsTest, DropsWhatUpstreamClangRejectsAndWhatADryRunNeverWrote) {
    XAScratchFolder folder;
    folder.write("Existing.hmap", "");
    folder.write("overlay.yaml", "");
    folder.write("module.modulemap", "");
    const Arguments arguments = {
        "-x", "objective-c", "-target", "arm64-apple-ios12.0",
        // Apple's clang only
        "-index-store-path", "/DD/Index/DataStore", "-index-unit-output-path", "/a.o", "-fno-odr-hash-protocols",
        "-Xclang", "-fno-module-related-to-pch", "-Xclang", "-clang-vendor-feature=+x", "-fdepscan=inline", "-Xclang",
        "-fno-validate-pch",
        // outputs of a real compilation
        "-MMD", "-MT", "dependencies", "-MF", "/DD/a.d", "-MFjoined.d", "--serialize-diagnostics", "/DD/a.dia",
        // replaced by what fits here
        "-resource-dir", "/Xcode/lib/clang/15", "-working-directory=/Users/me",
        // header maps, overlays and module maps: kept when they exist
        "-iquote", "/DD/App-generated-files.hmap", "-I/DD/App-own-target-headers.hmap", "-I", "Existing.hmap",
        "-iquoteExisting.hmap", "-I/DD/include", "-ivfsoverlay", "/DD/all-product-headers.yaml", "-ivfsoverlay",
        "overlay.yaml", "-fmodule-map-file=/DD/App.modulemap", "-fmodule-map-file=module.modulemap",
        // ordinary options stay
        "-fobjc-arc", "-DDEBUG=1", "-fmodules", "-c", "/src/a.m"};
    EXPECT_EQ(XAArgumentsAdaptedForLoadedClang(arguments, contextIn(folder.path())),
              (Arguments{"-x",
                         "objective-c",
                         "-target",
                         "arm64-apple-ios12.0",
                         "-Xclang",
                         "-fno-validate-pch",
                         "-I",
                         "Existing.hmap",
                         "-iquoteExisting.hmap",
                         "-I/DD/include",
                         "-ivfsoverlay",
                         "overlay.yaml",
                         "-fmodule-map-file=module.modulemap",
                         "-fobjc-arc",
                         "-DDEBUG=1",
                         "-fmodules",
                         "-c",
                         "/src/a.m",
                         "-working-directory",
                         folder.path()}));
    // An option that would take a value at the very end drops alone.
    EXPECT_EQ(XAArgumentsAdaptedForLoadedClang({"-target", "arm64-apple-ios", "-MF"}, contextIn("")),
              (Arguments{"-target", "arm64-apple-ios"}));
}

TEST(XAParsingArgumentsTest, MissingProjectHeaderMapsBecomeTheProjectsHeaderFolders) {
    XAScratchFolder folder;
    folder.write("App-project-headers.hmap", "");
    const std::string missing = "/DD/App.build/App";
    const Arguments folders = {"/src/App", "/src/App/Views"};
    struct Case {
        const char *name;
        Arguments arguments;
        Arguments headerFolders;
        Arguments expected;
    };
    const std::vector<Case> cases = {
        {"project headers: one -iquote per folder, in place",
         {"-DA", "-iquote", missing + "-project-headers.hmap", "-DB"},
         folders,
         {"-DA", "-iquote", "/src/App", "-iquote", "/src/App/Views", "-DB"}},
        {"all target headers: one -I per folder, joined or separate",
         {"-I" + missing + "-all-target-headers.hmap", "-I", missing + "-all-target-headers.hmap"},
         folders,
         {"-I/src/App", "-I/src/App/Views", "-I/src/App", "-I/src/App/Views"}},
        {"other missing maps are only dropped",
         {"-iquote", missing + "-generated-files.hmap", "-I" + missing + "-own-target-headers.hmap"},
         folders,
         {}},
        {"an existing map is kept",
         {"-iquote", "App-project-headers.hmap"},
         folders,
         {"-iquote", "App-project-headers.hmap"}},
        {"without header folders the map is dropped as before",
         {"-iquote", missing + "-project-headers.hmap", "-I" + missing + "-all-target-headers.hmap", "-DB"},
         {},
         {"-DB"}},
    };
    for (const Case &testCase : cases) {
        XAParsingArgumentsContext context = contextIn(folder.path());
        context.projectHeaderFolders = testCase.headerFolders;
        Arguments arguments = {"-target", "arm64-apple-ios12"};
        arguments.insert(arguments.end(), testCase.arguments.begin(), testCase.arguments.end());
        Arguments expected = {"-target", "arm64-apple-ios12"};
        expected.insert(expected.end(), testCase.expected.begin(), testCase.expected.end());
        expected.insert(expected.end(), {"-working-directory", folder.path()});
        EXPECT_EQ(XAArgumentsAdaptedForLoadedClang(arguments, context), expected) << testCase.name;
    }
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
