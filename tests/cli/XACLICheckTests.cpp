// `tessary check` through the staged launcher on fixture apps: the output in every format, the streams and the exit
// statuses.
//
// The golden files hold standard output with the project folder written as "$PROJECT" and the time stamp and version
// written as placeholders. Set TESSARY_UPDATE_GOLDEN=1 to rewrite them from the current output.

#include "core/XAPaths.h"
#include "core/XAPropertyList.h"
#include "core/XAString.h"
#include "platform/XAStagedProgramSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <regex>

using namespace XAStagedPrograms;

namespace {

const std::string kGoldenFolder = TESSARY_FIXTURES_DIR "/cli";

std::string replacingAll(std::string text, const std::string &what, const std::string &replacement) {
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + replacement.size())) {
        text.replace(at, what.size(), replacement);
    }
    return text;
}

// A fixture project checked in a copy of its own, deep enough in a temporary folder that a path shortened to the
// printer's width never reaches into the temporary folder's name.
class XACLICheckedFixture {
public:
    // `fixture` is a folder under the fixture projects, or a path under the fixtures ("vcs/outside-absolute");
    // `xcodeproj` the project's name in it.
    XACLICheckedFixture(const std::string &fixture, const std::string &xcodeproj) {
        const std::string source =
            std::string(TESSARY_FIXTURES_DIR) + (fixture.find('/') == std::string::npos ? "/projects/" : "/") + fixture;
        temporaryFolder_ = std::filesystem::canonical(folder_.path()).string();
        projectFolder_ =
            temporaryFolder_ + "/a-folder-whose-name-keeps-shortened-paths-inside-it/" + xa_lastPathComponent(fixture);
        std::filesystem::create_directories(projectFolder_);
        std::filesystem::copy(source, projectFolder_, std::filesystem::copy_options::recursive);
        layBuiltFilesOver(fixture);
        xcodeprojPath_ = projectFolder_ + "/" + xcodeproj + ".xcodeproj";
    }

    XATaskResults check(std::vector<std::string> arguments, const std::string &command = "check") const {
        Environment environment = cleanEnvironment();
        environment["HOME"] = folder_.path();
        environment["XDG_CACHE_HOME"] = folder_.path() + "/caches";
        environment["TERM"] = "xterm-256color"; // colours would be allowed on a terminal
        arguments.insert(arguments.begin(), {command, xcodeprojPath_});
        return run(launcherPath(), arguments, environment);
    }

    const std::string &projectFolder() const { return projectFolder_; }

    // A check whose caches folder is a tmpfs of `size` ("1m"), mounted in a user and mount namespace of the check's own
    // (no privileges needed where the system allows such namespaces); no value when the namespace cannot be made.
    std::optional<XATaskResults> checkWithCachesOnASmallDisk(const std::string &size) const {
        const std::string caches = folder_.path() + "/small-caches";
        std::filesystem::create_directories(caches);
        Environment environment = cleanEnvironment();
        environment["HOME"] = folder_.path();
        environment["XDG_CACHE_HOME"] = caches;
        if (run("/usr/bin/unshare",
                {"--user", "--map-root-user", "--mount", "sh", "-c", "mount -t tmpfs -o size=" + size + " tmpfs \"$0\"",
                 caches},
                environment)
                .exitStatus != 0) {
            return std::nullopt;
        }
        return run("/usr/bin/unshare",
                   {"--user", "--map-root-user", "--mount", "sh", "-c",
                    "mount -t tmpfs -o size=" + size + " tmpfs \"$0\" && exec \"$@\"", caches, launcherPath(), "check",
                    xcodeprojPath_},
                   environment);
    }

    // The files the build makes for the fixture (libraries, say), laid over the copy with their symbolic links.
    void layBuiltFilesOver(const std::string &fixture) const {
        const std::string built = std::string(TESSARY_BUILT_FIXTURES_DIR) + "/" + fixture;
        if (std::filesystem::is_directory(built)) {
            std::filesystem::copy(built, projectFolder_,
                                  std::filesystem::copy_options::recursive |
                                      std::filesystem::copy_options::overwrite_existing |
                                      std::filesystem::copy_options::copy_symlinks);
        }
    }

    // Makes the project folder a Git working copy of its own, with no commit.
    void makeGitWorkingCopy() const {
        const XATaskResults results = run("/usr/bin/git", {"init", "-q", projectFolder_}, cleanEnvironment());
        ASSERT_EQ(results.exitStatus, 0) << standardError(results);
    }

    // Standard output with what changes from run to run replaced. The temporary folder is replaced too, for a path
    // that a word-wrapped message breaks over two lines (its break then depends on the folder's length, the same
    // for every folder made in one temporary directory).
    std::string normalised(const std::string &text) const {
        std::string result = replacingAll(text, projectFolder_, "$PROJECT");
        result = replacingAll(result, temporaryFolder_, "$TMP");
        result = std::regex_replace(result, std::regex(R"(("timeStamp": )[0-9.e+]+)"), "$1<time>");
        result = std::regex_replace(result, std::regex(R"((<key>timeStamp</key>\s*<real>)[^<]+)"), "$1<time>");
        result = replacingAll(result, "\"" TESSARY_VERSION "\"", "\"<version>\"");
        return replacingAll(result, ">" TESSARY_VERSION "<", "><version><");
    }

private:
    TemporaryFolder folder_;
    std::string temporaryFolder_;
    std::string projectFolder_;
    std::string xcodeprojPath_;
};

// The small app of most tests: one direct NSLog() call, one through the app's own macro, one file referenced by
// absolute path.
class XACLICheckTest : public testing::Test {
protected:
    XATaskResults check(std::vector<std::string> arguments, const std::string &command = "check") {
        return app_.check(std::move(arguments), command);
    }
    const std::string &projectFolder() const { return app_.projectFolder(); }

private:
    XACLICheckedFixture app_{"CheckedApp", "CheckedApp"};
};

// The lines of Xcode output that name a rule.
std::vector<std::string> rulesOfXcodeLines(const std::string &output) {
    std::vector<std::string> rules;
    const std::regex rule(R"(\(([A-Za-z]+)\)$)");
    for (const std::string &line : xa_componentsSeparatedByString(output, "\n")) {
        std::smatch match;
        if (std::regex_search(line, match, rule)) {
            rules.push_back(match[1]);
        }
    }
    return rules;
}

struct XACLIGoldenCheck {
    std::string fixture;
    std::string xcodeproj;
    std::vector<std::string> arguments;
    int status;
    bool inGitWorkingCopy = false;
};

} // namespace

// Each fixture's findings, printed in every format, against the golden files "<xcodeproj>.<format>.txt".
TEST(XACLIGoldenCheckTest, EveryOutputFormatMatchesItsGoldenFile) {
    const bool update = std::getenv("TESSARY_UPDATE_GOLDEN") != nullptr;
    const std::vector<XACLIGoldenCheck> checks = {
        {"CheckedApp", "CheckedApp", {}, 1},
        {"ApiMisuse",
         "ApiMisuse",
         {"--onlyRules", "ViewControllerInitWithNibName,Swizzling,TerminatingApp,InitializeSuperInvocation,"
                         "InitializeMethodCategoryOverride,IsEqualAndHash"},
         1},
        {"CodeIdioms",
         "CodeIdioms",
         {"--onlyRules", "OrderedComparisonOpDirection,OrderedPointerToZeroComparison,ZeroAssignmentToPointer,"
                         "ArgumentModification,MallocCast,MallocWithoutSizeof,UnnecessaryNullCheck,"
                         "DefaultInExhaustiveSwitch,FastEnumElementOutside,NewInitializer,UsedVariableMarkedUnused"},
         0},
        {"l10n-translations",
         "Translations",
         {"--onlyRules", "TranslationFormatMismatch,TranslationPunctuation,StringsdictWithoutStrings"},
         1},
        {"code-style",
         "CodeStyle",
         {"--onlyRules", "OldVerboseObjCSyntax,DotSyntax,UnidiomaticAccessorNaming,HardcodedSelfClass,NullCoalescingOp,"
                         "NonTypedefBlockDeclaration,IBOutletsInPublicInterface,AssertionSideEffects,"
                         "CyclomaticComplexity"},
         0},
        {"l10n-app",
         "L10nApp",
         {"--onlyRules", "MissingTranslation,UnusedTranslation,UncommentedLocalizedString,HardcodedUIString,"
                         "TranslationFormatUsage"},
         0},
        {"object-lifetime",
         "ObjectLifetime",
         {"--onlyRules", "UndetachedDelegate,MissingNotificationCenterDetachment,DiscardedOpaqueNotificationObserver,"
                         "UIKitKVO,CompleteNotificationCenterDetachment"},
         0},
        {"lifetime-app",
         "LifetimeApp",
         {"--onlyRules",
          "SetterInvocationInInitOrDealloc,InstanceMethodWritesToStaticVariable,BlockAPIRetainCycle,APIAvailability"},
         1},
        {"resources-ios",
         "ResourcesApp",
         {"--onlyRules", "UnknownResourceCodeReference,UnusedResource,UnnecessaryNibMethod"},
         0},
        {"unused-methods",
         "UnusedMethods",
         {"--onlyRules", "UnusedMethod,CategoryMethodConflict,RedundantInclude,PrefixHeaderIncludeSuggestion"},
         0},
        {"strings-duplicate", "StringsDuplicate", {"--onlyRules", "DuplicateTranslation"}, 0},
        {"xib-resources", "XIBResources", {"--onlyRules", "UnknownResourceXIBReference"}, 1},
        {"resource-device-types",
         "ResourceDeviceTypes",
         {"--onlyRules", "UnknownResourceModifier,GlobalAndLocalizedResource,DuplicateResource,RetinaImagesResolution,"
                         "MissingDeviceTypeResource"},
         1},
        {"dylib-app",
         "DylibApp",
         {"--onlyRules", "DylibInstallName,BasicProjectSettings,ImplicitBundleId,ReleaseBuildConfig"},
         1},
        {"xcconfig-overwrites",
         "XcconfigOverwrites",
         {"--onlyRules", "XcconfigOverwrites,BuildSettingSelfReference,AbsPathInBuildSetting,BuildSettingsSetInGUI,"
                         "BuildSettingPlacement"},
         0},
        {"vcs/outside-absolute", "App", {"--onlyRules", "FileRefOutsideVCS,FileRefIgnoredInVCS"}, 1, true},
        {"code-names",
         "CodeNames",
         {"--onlyRules", "ReservedPrefix,UnprefixedClass,MacroBasedIncludeGuard,Spelling"},
         0},
        {"formatters-delegates",
         "FormattersDelegates",
         {"--onlyRules", "FixedFormatDateFormatter,SuspiciousDateTimeFormat,ThreadUnsafeInstanceCaching,"
                         "RestrictedDirectMethodCall,RestrictedMethodOverride,StrongDelegate,AssigningDelegate"},
         0},
    };
    for (const XACLIGoldenCheck &golden : checks) {
        const XACLICheckedFixture fixture(golden.fixture, golden.xcodeproj);
        if (golden.inGitWorkingCopy) {
            fixture.makeGitWorkingCopy();
        }
        for (const std::string format : {"human", "xcode", "json", "plist"}) {
            SCOPED_TRACE(golden.fixture + ", " + format);
            std::vector<std::string> arguments = golden.arguments;
            arguments.insert(arguments.end(), {"--outputFormat", format});
            const XATaskResults results = fixture.check(arguments);
            EXPECT_EQ(results.exitStatus, golden.status) << standardError(results);
            const std::string output = fixture.normalised(standardOutput(results));
            const std::string path = kGoldenFolder + "/" + golden.xcodeproj + "." + format + ".txt";
            if (update) {
                writeFile(path, output);
            }
            EXPECT_EQ(output, XAContentsOfFile(path, nullptr).value_or("(no golden file)"));
        }
    }
}

TEST_F(XACLICheckTest, DataGoesToStandardOutputAndProgressToStandardErrorWithoutEscapes) {
    const XATaskResults json = check({"-o", "json"});
    const nlohmann::json document = nlohmann::json::parse(standardOutput(json), nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << standardOutput(json);
    EXPECT_EQ(document["projectName"], "CheckedApp");
    // NSLog, the absolute reference, the missing class prefix, and the warning flags and build settings.
    EXPECT_EQ(document["diagnostics"].size(), 8u);
    EXPECT_THAT(standardError(json), testing::HasSubstr("Checking project: CheckedApp"));
    EXPECT_THAT(standardError(json), testing::HasSubstr("Total 8 diagnostics."));

    const XATaskResults plist = check({"-o", "plist"});
    XAError error;
    const std::optional<XAValue> list = XAPropertyListFromData(standardOutput(plist), "output", &error);
    ASSERT_TRUE(list) << error.message;
    ASSERT_NE(list->stringForKey("targetName"), nullptr);
    EXPECT_EQ(*list->stringForKey("targetName"), "CheckedApp");

    const XATaskResults human = check({});
    for (const XATaskResults *results : {&json, &plist, &human}) {
        EXPECT_THAT(standardOutput(*results), testing::Not(testing::HasSubstr("\x1b[")));
        EXPECT_THAT(standardError(*results), testing::Not(testing::HasSubstr("\x1b[")));
        EXPECT_THAT(standardOutput(*results), testing::Not(testing::HasSubstr("Checking project")));
    }
}

TEST_F(XACLICheckTest, TheMinimumErrorSeverityDecidesTheExitStatus) {
    // The findings are Warnings (NSLog, reserved prefix, warning flags) and Errors (the absolute reference, the release
    // arguments).
    const std::vector<std::pair<std::string, int>> cases = {
        {"Concern", 1}, {"warning", 1}, {"Error", 1}, {"Fatal", 0}, {"None", 0},
    };
    for (const auto &[severity, status] : cases) {
        SCOPED_TRACE(severity);
        EXPECT_EQ(check({"--minErrorStatusSeverity", severity, "-o", "xcode"}).exitStatus, status);
    }
    const XATaskResults warningsOnly = check({"--onlyRules", "NSLogUsed", "-o", "xcode"});
    EXPECT_EQ(warningsOnly.exitStatus, 0) << "a warning is below the default minimum, Error";
    EXPECT_EQ(rulesOfXcodeLines(standardOutput(warningsOnly)), std::vector<std::string>{"NSLogUsed"});
}

TEST_F(XACLICheckTest, NSLogUsedFollowsItsMacroOptionAndItsConfigurations) {
    EXPECT_EQ(rulesOfXcodeLines(standardOutput(check({"--onlyRules", "NSLogUsed", "-o", "xcode"}))).size(), 1u)
        << "the call through the app's macro is allowed by default";

    writeFile(projectFolder() + "/TessaryConfig/main.tessary.json",
              R"({ "ruleOptions": { "NSLogUsed": { "allowMacros": false } } })");
    EXPECT_EQ(rulesOfXcodeLines(standardOutput(check({"--onlyRules", "NSLogUsed", "-o", "xcode"}))).size(), 2u)
        << "with macros not allowed, the call through the macro is reported too";

    const XATaskResults debug = check({"--onlyRules", "NSLogUsed", "--buildConfig", "Debug", "-o", "xcode"});
    EXPECT_TRUE(rulesOfXcodeLines(standardOutput(debug)).empty()) << "debug builds may log";
    EXPECT_THAT(standardError(debug), testing::HasSubstr("Checking project: CheckedApp"));
}

TEST_F(XACLICheckTest, AnUnknownTargetFailsThePreparationWithStatusTwo) {
    const XATaskResults results = check({"--target", "NoSuchTarget"});
    EXPECT_EQ(results.exitStatus, 2);
    EXPECT_THAT(standardError(results), testing::HasSubstr("NoSuchTarget"));
    EXPECT_EQ(standardOutput(results), "");
}

TEST(XACLIFullDiskTest, AFullDiskWhilePreparingThePrefixHeaderFailsThePreparationWithStatusTwo) {
    const XACLICheckedFixture fixture("prefix-header", "PrefixHeader");
    const std::optional<XATaskResults> results = fixture.checkWithCachesOnASmallDisk("1m");
    if (!results) {
        GTEST_SKIP() << "this system does not let a test mount a small file system of its own";
    }
    EXPECT_EQ(results->exitStatus, 2) << standardError(*results);
    EXPECT_THAT(standardError(*results), testing::HasSubstr("Cannot prepare precompiled header #1: the disk holding "));
    EXPECT_THAT(standardError(*results), testing::HasSubstr("is nearly full"));
    EXPECT_THAT(standardError(*results), testing::Not(testing::HasSubstr("FATAL")));
}

TEST_F(XACLICheckTest, CheckXcodeOutsideABuildPhaseWarnsAndPrintsXcodeLines) {
    const XATaskResults results = check({}, "check-xcode");
    EXPECT_THAT(standardError(results),
                testing::HasSubstr("The check-xcode command was specified, but we do not seem to be running "
                                   "within an Xcode build phase."));
    EXPECT_THAT(standardOutput(results),
                testing::HasSubstr(projectFolder() + "/CheckedApp/AppDelegate.m:9:36: warning: NSLog() used in "
                                                     "release build"));
    EXPECT_EQ(results.exitStatus, 1);
}

// A project with a Swift file is built in full before it is checked. What its build would write (a prefix header from
// a script phase, a generator's source file), an image that is missing and broken build files leave the target
// checkable: each file that needs a missing file reports it, with the file named.
TEST(XACLIUnbuiltInputsTest, MissingGeneratedFilesAreErrorsOfTheFilesThatNeedThem) {
    XACLICheckedFixture fixture("unbuilt-inputs", "UnbuiltInputs");
    const XATaskResults results = fixture.check({"--target", "App", "-o", "json"});
    EXPECT_NE(results.exitStatus, 2) << standardError(results);
    const std::string progress = standardError(results);
    EXPECT_THAT(progress, testing::HasSubstr("COMPILER ERROR when parsing file App/main.m"));
    EXPECT_THAT(progress, testing::HasSubstr("'" + fixture.projectFolder() + "/App/App-Prefix.pch' file not found"));
    EXPECT_THAT(progress, testing::HasSubstr("The source file '" + fixture.projectFolder() +
                                             "/Generated/Tables.c' does not exist"));
    EXPECT_THAT(progress, testing::Not(testing::HasSubstr("is not accepted by libclang")));
    EXPECT_THAT(progress, testing::Not(testing::HasSubstr("xcodebuild returned exit status")));
}

// The target's .xcconfig extends the project level's definitions by naming the setting itself, and its source imports a
// project header in another folder by a name that differs in case: the file parses, as it does in Xcode.
TEST(XACLIUnbuiltInputsTest, SelfReferencingXcconfigAndHeaderNamesOfAnotherCaseParse) {
    XACLICheckedFixture fixture("unbuilt-inputs", "UnbuiltInputs");
    const XATaskResults results = fixture.check({"--target", "Kit", "-o", "json"});
    EXPECT_NE(results.exitStatus, 2) << standardError(results);
    EXPECT_THAT(standardError(results), testing::HasSubstr("File DONE #0/1 (0 remaining): Kit/Kit.m"));
    EXPECT_THAT(standardError(results), testing::Not(testing::HasSubstr("COMPILER ERROR")));
}

// An app of a workspace imports the framework of another project of it, which it links without depending on it:
// `#import <Kit/Kit.h>`, the framework's private header and `@import Kit;` resolve in the products the dry run lays
// out, and the prefix header named by its absolute system path is the SDK's, so both files parse.
TEST(XACLIFrameworkProductsTest, AnAppParsesAgainstTheFrameworkOfItsWorkspace) {
    XACLICheckedFixture fixture("ModuleFramework", "App");
    const XATaskResults results =
        fixture.check({"--workspace", fixture.projectFolder() + "/ModuleFramework.xcworkspace", "--scheme", "App",
                       "--target", "App", "-o", "json"});
    EXPECT_NE(results.exitStatus, 2) << standardError(results);
    EXPECT_THAT(standardError(results), testing::HasSubstr("/2 (2 remaining): App/AppDelegate.m"));
    EXPECT_THAT(standardError(results), testing::HasSubstr("/2 (2 remaining): App/main.m"));
    EXPECT_THAT(standardError(results), testing::Not(testing::HasSubstr("COMPILER ERROR")));
}
