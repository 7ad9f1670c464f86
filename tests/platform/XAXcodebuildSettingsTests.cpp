#include "platform/XAStagedProgramSupport.h"

#include "platform/devtools/XABuildSettingConditions.h"
#include "platform/devtools/XABuildSettingOperators.h"
#include "platform/devtools/XABuildSettingsResolver.h"
#include "platform/devtools/XAXcodebuildArguments.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

using namespace XAStagedPrograms;

namespace {

using Settings = std::map<std::string, std::string>;

XABuildSettingsResolver resolverWith(const std::vector<std::pair<std::string, std::string>> &assignments,
                                     XABuildSettingConditionContext context = {}) {
    XABuildSettingsResolver resolver;
    for (const auto &[key, value] : assignments) {
        resolver.push(key, value);
    }
    resolver.setConditionContext(std::move(context));
    return resolver;
}

XABuildSettingConditionContext deviceContext(const std::string &configuration = "Debug") {
    XABuildSettingConditionContext context;
    context.sdkNames = {"iphoneos", "iphoneos17.0"};
    context.arch = "arm64";
    context.configuration = configuration;
    return context;
}

} // namespace

// ---- References and operators ----

TEST(BuildSettingsResolverTest, ExpandsTheThreeReferenceFormsAndLeavesOtherDollarsAlone) {
    XABuildSettingsResolver resolver = resolverWith({{"A", "a"},
                                                     {"A_B", "ab"},
                                                     {"CONFIG", "Debug"},
                                                     {"FLAGS_Debug", "-O0"},
                                                     {"EMPTY", ""},
                                                     {"PATHS", "$(A)/x ${A}/y $A/z"}});
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"$(A)/x", "a/x"},
        {"${A}/x", "a/x"},
        {"$A/x", "a/x"},
        {"$A_B/x", "ab/x"}, // a bare name runs over letters, digits and "_"
        {"$(FLAGS_$(CONFIG))", "-O0"},
        {"$(MISSING)/$(A)", "/a"}, // an undefined setting is empty and does not stop later references
        {"$(EMPTY)x", "x"},
        {"$$(A)", "$(A)"},
        {"cost: 5$", "cost: 5$"},
        {"$1 and $-", "$1 and $-"},
        {"$(A", "$(A"}, // unterminated
        {"${A)", "${A)"},
        {"$(PATHS)", "a/x a/y a/z"},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(resolver.expand(testCase.text), testCase.expected) << testCase.text;
    }
}

TEST(BuildSettingsResolverTest, AppliesOperatorsFromLeftToRight) {
    struct Case {
        std::string value;
        std::string operators;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"My App_1.x", "rfc1034identifier", "My-App-1.x"},
        {"3D Touch-Kit", "c99extidentifier", "_3D_Touch_Kit"},
        {"Grüße", "c99extidentifier", "Grüße"},
        {"Grüße", "identifier", "Gr__e"},
        {"ÄrgerNis", "lower", "ärgernis"},
        {"straße", "upper", "STRASSE"},
        {"/tmp/test.txt", "base", "test"},
        {"/tmp/test.txt", "dir", "/tmp/"},
        {"test.txt", "dir", "./"},
        {"/tmp/test.txt", "file", "test.txt"},
        {"/tmp/test.txt", "suffix", ".txt"},
        {"/tmp/Makefile", "suffix", ""},
        {"/a/./b/../c//d", "standardizepath", "/a/c/d"},
        {"a b\"c", "quote", "a\\ b\\\"c"},
        {"", "default=fallback", "fallback"},
        {"set", "default=fallback", "set"},
        {"/x/My App.app", "file:base:rfc1034identifier:lower", "my-app"},
        {"Value", "nosuchoperator", "Value"},
    };
    for (const Case &testCase : cases) {
        XABuildSettingsResolver resolver = resolverWith({{"V", testCase.value}});
        EXPECT_EQ(resolver.expand("$(V:" + testCase.operators + ")"), testCase.expected)
            << testCase.value << " :" << testCase.operators;
    }
    XABuildSettingsResolver resolver = resolverWith({{"NAME", "My App"}, {"OP", "upper"}});
    EXPECT_EQ(resolver.expand("${NAME:$(OP)}"), "MY APP");
    EXPECT_EQ(resolver.expand("$(MISSING:default=$(NAME))"), "My App");
}

// ---- Conditions ----

TEST(BuildSettingConditionsTest, WildcardsMatchAnyRunOfCharacters) {
    struct Case {
        std::string pattern;
        std::string text;
        bool matches;
    };
    const std::vector<Case> cases = {
        {"iphoneos*", "iphoneos17.0", true},
        {"iphoneos*", "iphoneos", true},
        {"iphoneos*", "iphonesimulator17.0", false},
        {"*simulator*", "iphonesimulator17.0", true},
        {"a*b*c", "aXXbYc", true},
        {"a*b", "ab", true},
        {"a*b", "abXb", true},
        {"a*b", "abX", false},
        {"arm64", "arm64e", false},
        {"*", "", true},
        {"", "", true},
        {"", "x", false},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(XAWildcardMatches(testCase.pattern, testCase.text), testCase.matches)
            << testCase.pattern << " ~ " << testCase.text;
    }
}

TEST(BuildSettingConditionsTest, ParsesConditionsInSeparateOrSharedBrackets) {
    XABuildSettingKey separate = XAParseBuildSettingKey("OTHER_CFLAGS[sdk=iphoneos*][arch=arm64]");
    EXPECT_TRUE(separate.wellFormed);
    EXPECT_EQ(separate.name, "OTHER_CFLAGS");
    EXPECT_EQ(separate.conditions, (std::vector<XABuildSettingCondition>{{"sdk", "iphoneos*"}, {"arch", "arm64"}}));
    XABuildSettingKey shared = XAParseBuildSettingKey("OTHER_CFLAGS[sdk=iphoneos*,arch=arm64]");
    EXPECT_EQ(shared.conditions, separate.conditions);
    EXPECT_TRUE(XAParseBuildSettingKey("PLAIN").conditions.empty());
    for (const char *malformed : {"KEY[sdk=iphoneos*", "KEY[sdk]", "KEY[sdk=a]junk", "[sdk=a]", "KEY[=a]"}) {
        EXPECT_FALSE(XAParseBuildSettingKey(malformed).wellFormed) << malformed;
    }
}

TEST(BuildSettingsResolverTest, ConditionalAssignmentsApplyOnlyWhereAllConditionsHold) {
    const std::vector<std::pair<std::string, std::string>> assignments = {
        {"FLAGS", "plain"},
        {"FLAGS[sdk=iphonesimulator*]", "simulator"},
        {"FLAGS[sdk=iphoneos*][arch=arm64]", "device-arm64"},
        {"FLAGS[config=Rel*]", "$(inherited) release"},
        {"ONLY_IF[arch=x86_64]", "yes"},
        {"ODD[platform=iphoneos]", "never"},
        {"BROKEN[sdk=iphoneos*", "never"},
    };
    Settings device = resolverWith(assignments, deviceContext()).resolvedSettings();
    EXPECT_EQ(device["FLAGS"], "device-arm64");
    EXPECT_EQ(device.count("ONLY_IF"), 0u);
    EXPECT_EQ(device.count("ODD"), 0u); // a condition on an unknown parameter never holds
    EXPECT_EQ(device.count("BROKEN"), 0u);

    EXPECT_EQ(resolverWith(assignments, deviceContext("Release")).valueForKey("FLAGS"), "device-arm64 release");

    XABuildSettingConditionContext simulator;
    simulator.sdkNames = {"iphonesimulator", "iphonesimulator17.0"};
    simulator.arch = "x86_64";
    simulator.configuration = "Debug";
    Settings onSimulator = resolverWith(assignments, simulator).resolvedSettings();
    EXPECT_EQ(onSimulator["FLAGS"], "simulator");
    EXPECT_EQ(onSimulator["ONLY_IF"], "yes");

    XABuildSettingConditionContext unknown; // no SDK, no architecture: only unconditional assignments apply
    EXPECT_EQ(resolverWith(assignments, unknown).valueForKey("FLAGS"), "plain");
}

TEST(BuildSettingsResolverTest, ConditionalKeysOfAProjectLevelOverrideItsPlainKeyWhateverTheirOrder) {
    XADictionary settings;
    settings.set("ARCHS[sdk=iphoneos*]", XAValue("arm64"));
    settings.set("ARCHS", XAValue("armv7 arm64"));
    XABuildSettingsResolver resolver;
    resolver.pushBuildSettingsDictionary(settings);
    resolver.setConditionContext(deviceContext());
    EXPECT_EQ(resolver.valueForKey("ARCHS"), "arm64");
    resolver.setConditionContext({});
    EXPECT_EQ(resolver.valueForKey("ARCHS"), "armv7 arm64");
}

// ---- Levels, inheritance, overrides ----

TEST(BuildSettingsResolverTest, InheritsThroughEveryLevelInOrder) {
    // Defaults, project .xcconfig, project, target .xcconfig, target, command line.
    XABuildSettingsResolver resolver = resolverWith({
        {"DEFS", "DEFAULT=1"},
        {"DEFS", "$(inherited) PROJECT_XCCONFIG=1"},
        {"DEFS", "PROJECT=1 $(inherited)"},
        {"OTHER", "o"}, // another setting between the levels does not interrupt the chain
        {"DEFS", "$(inherited) TARGET_XCCONFIG=1"},
        {"DEFS[config=Release]", "$(inherited) NOT_USED=1"},
        {"DEFS", "$(inherited) TARGET=1"},
        {"DEFS", "$(inherited) COMMAND_LINE=1"},
    });
    resolver.setConditionContext(deviceContext());
    EXPECT_EQ(resolver.valueForKey("DEFS"),
              "PROJECT=1 DEFAULT=1 PROJECT_XCCONFIG=1 TARGET_XCCONFIG=1 TARGET=1 COMMAND_LINE=1");
    EXPECT_EQ(resolver.expand("$(inherited)"), ""); // outside any setting there is nothing to inherit
}

TEST(BuildSettingsResolverTest, ASettingNamingItselfTakesTheValueBelowAsInheritedDoes) {
    struct Case {
        std::string label;
        std::vector<std::pair<std::string, std::string>> assignments; // rising precedence
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"an .xcconfig above the defaults",
         {{"DEFS", "DEFAULT=1"}, {"DEFS", "$(DEFS) XCCONFIG=1"}},
         "DEFAULT=1 XCCONFIG=1"},
        {"a target's .xcconfig above the project level",
         {{"DEFS", "DEFAULT=1"}, {"DEFS", "PROJECT=1"}, {"DEFS", "${DEFS} TARGET_XCCONFIG=1"}},
         "PROJECT=1 TARGET_XCCONFIG=1"},
        {"the project and target levels, each naming itself",
         {{"DEFS", "DEFAULT=1"}, {"DEFS", "$(DEFS) PROJECT=1"}, {"DEFS", "$DEFS TARGET=1"}},
         "DEFAULT=1 PROJECT=1 TARGET=1"},
        {"mixed with $(inherited)",
         {{"DEFS", "DEFAULT=1"}, {"DEFS", "$(inherited) PROJECT=1"}, {"DEFS", "$(DEFS) TARGET=1"}},
         "DEFAULT=1 PROJECT=1 TARGET=1"},
        {"a conditional assignment",
         {{"DEFS", "DEFAULT=1"}, {"DEFS[config=Debug]", "$(DEFS) DEBUG=1"}, {"DEFS[config=Release]", "$(DEFS) NO=1"}},
         "DEFAULT=1 DEBUG=1"},
        {"through an operator", {{"NAME", "app"}, {"NAME", "$(NAME:upper)-x"}}, "APP-x"},
        {"a scalar setting", {{"PREFIX", "ab"}, {"PREFIX", "$(PREFIX)cd"}}, "abcd"},
        {"nothing below", {{"DEFS", "$(DEFS) ONLY=1"}}, "ONLY=1"},
    };
    for (const Case &testCase : cases) {
        XABuildSettingsResolver resolver = resolverWith(testCase.assignments, deviceContext());
        const std::string key =
            testCase.assignments.back().first.substr(0, testCase.assignments.back().first.find('['));
        EXPECT_EQ(resolver.valueForKey(key), testCase.expected) << testCase.label;
    }
}

TEST(BuildSettingsResolverTest, ListWordsKeepBlanksThatReferencesBringIn) {
    XABuildSettingsResolver resolver = resolverWith({
        {"SRCROOT", "/tmp/My Project"},
        {"SEARCH", "/usr/include"},
        {"HEADER_SEARCH_PATHS", "$(inherited) $(SRCROOT)/include \"$(SRCROOT)/quoted\" $(SEARCH)"},
        {"EXTRA", "$(SRCROOT)"},
        {"OTHER_CFLAGS", "$(EXTRA) -DX=1"},
    });
    resolver.setConditionContext(deviceContext());
    // A word with a reference inside stays one word; a whole reference brings its own words.
    EXPECT_EQ(resolver.valueForKey("HEADER_SEARCH_PATHS"),
              "\"/tmp/My Project/include\" \"/tmp/My Project/quoted\" /usr/include");
    EXPECT_EQ(resolver.valueForKey("OTHER_CFLAGS"), "/tmp/My Project -DX=1");
}

TEST(BuildSettingsResolverTest, LaterLevelsOverrideAndReferencesSeeTheFinalValue) {
    XABuildSettingsResolver resolver = resolverWith({
        {"PRODUCT_NAME", "$(TARGET_NAME)"},
        {"TARGET_NAME", "App"},
        {"WRAPPER_NAME", "$(PRODUCT_NAME).app"},
        {"PRODUCT_NAME", "Shipped App"},      // target level
        {"CODE_SIGNING_ALLOWED", "YES"},      // default
        {"CODE_SIGNING_ALLOWED", "NO"},       // command line
        {"INHERITS_NOTHING", "$(inherited)"}, // the only assignment of its setting
    });
    Settings settings = resolver.resolvedSettings();
    EXPECT_EQ(settings["WRAPPER_NAME"], "Shipped App.app");
    EXPECT_EQ(settings["CODE_SIGNING_ALLOWED"], "NO");
    EXPECT_EQ(settings["INHERITS_NOTHING"], "");
}

TEST(BuildSettingsResolverTest, FixedValuesStandAboveEveryAssignment) {
    XABuildSettingsResolver resolver = resolverWith({{"SDKROOT", "iphoneos"}, {"SDK_DIR", "$(SDKROOT)"}});
    resolver.setFixedValue("SDKROOT", "/Developer/SDKs/iPhoneOS.sdk");
    EXPECT_EQ(resolver.valueForKey("SDK_DIR"), "/Developer/SDKs/iPhoneOS.sdk");
}

// ---- Arrays and lists ----

TEST(BuildSettingsResolverTest, ArrayValuesAreJoinedWithBlanksQuotingElementsWithBlanks) {
    XADictionary projectLevel;
    projectLevel.set("GCC_PREPROCESSOR_DEFINITIONS", XAValue(XAValue::Array{"DEBUG=1", "$(inherited)"}));
    projectLevel.set("HEADER_SEARCH_PATHS", XAValue(XAValue::Array{"$(SRCROOT)/My Headers", "", "/usr/include"}));
    projectLevel.set("CUSTOM_LIST", XAValue(XAValue::Array{"one", "two  words"}));
    projectLevel.set("FLAG", XAValue(true));
    projectLevel.set("NUMBER", XAValue(std::int64_t(2)));
    XABuildSettingsResolver resolver;
    resolver.push("SRCROOT", "/p");
    resolver.push("GCC_PREPROCESSOR_DEFINITIONS", "$(inherited) SHARED=1"); // an .xcconfig with nothing below
    resolver.pushBuildSettingsDictionary(projectLevel);
    Settings settings = resolver.resolvedSettings();
    EXPECT_EQ(settings["GCC_PREPROCESSOR_DEFINITIONS"], "DEBUG=1 SHARED=1");
    EXPECT_EQ(settings["HEADER_SEARCH_PATHS"], "\"/p/My Headers\" /usr/include");
    EXPECT_EQ(settings["CUSTOM_LIST"], "one \"two  words\"");
    EXPECT_EQ(settings["FLAG"], "YES");
    EXPECT_EQ(settings["NUMBER"], "2");
}

TEST(BuildSettingsResolverTest, ListValuesKeepTheirWordsAsWritten) {
    struct Case {
        std::string value;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"  -a   -b\t-c  ", "-a -b -c"},
        {"\"My Path\"   x", "\"My Path\" x"},
        {"NAME=\\\"quoted value\\\"  Y=1", "NAME=\\\"quoted value\\\" Y=1"}, // escapes are kept, not consumed
        {"NAME=\\\"v\\\"", "NAME=\\\"v\\\""},
        {"'single  quoted'  z", "'single  quoted' z"},
        {"\"unterminated  ", "\"unterminated  "},
        {"", ""},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(XANormalizedListValue(testCase.value), testCase.expected) << testCase.value;
    }
}

// ---- Cycles and hostile values ----

TEST(BuildSettingsResolverTest, CyclesAreBrokenWithoutHanging) {
    XABuildSettingsResolver resolver = resolverWith({
        {"A", "a$(B)"},
        {"B", "b$(A)"},
        {"SELF", "x$(SELF)y"},
        {"UPPER", "$(UPPER:upper)"},
        {"LIST", "$(inherited) $(LIST)"},
    });
    Settings settings = resolver.resolvedSettings();
    EXPECT_EQ(settings["A"], "ab"); // the reference back to A, met while A is evaluated, is empty
    EXPECT_EQ(settings["B"], "b");  // B was met (and kept) while A was evaluated
    EXPECT_EQ(settings["SELF"], "xy");
    EXPECT_EQ(settings["UPPER"], "");
    EXPECT_EQ(settings["LIST"], "");
}

TEST(BuildSettingsResolverTest, DeepChainsAndExplodingValuesStayBounded) {
    XABuildSettingsResolver resolver;
    const int chainLength = 5000;
    for (int index = 0; index < chainLength; ++index) {
        resolver.push("CHAIN_" + std::to_string(index), "$(CHAIN_" + std::to_string(index + 1) + ")");
    }
    resolver.push("CHAIN_" + std::to_string(chainLength), "end");
    for (int index = 0; index < 64; ++index) {
        resolver.push("DOUBLE_" + std::to_string(index),
                      "$(DOUBLE_" + std::to_string(index + 1) + ")$(DOUBLE_" + std::to_string(index + 1) + ")");
    }
    resolver.push("DOUBLE_64", "xx");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(resolver.valueForKey("CHAIN_4990"), "end"); // short enough to finish
    std::optional<std::string> chainStart = resolver.valueForKey("CHAIN_0");
    ASSERT_TRUE(chainStart.has_value());
    std::optional<std::string> doubled = resolver.valueForKey("DOUBLE_0");
    ASSERT_TRUE(doubled.has_value());
    EXPECT_LE(doubled->size(), std::size_t(1) << 20);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

// ---- Command line of the stand-in ----

TEST(XcodebuildArgumentsTest, ReadsTheBuildSettingsRequestOfTheProjectLoader) {
    XAXcodebuildRequest request = XAParseXcodebuildArguments(
        {"clean", "-project", "My App.xcodeproj", "-configuration", "Release", "-alltargets", "-showBuildSettings",
         "CODE_SIGNING_ALLOWED=NO", "CODE_SIGNING_REQUIRED=NO", "OTHER_CFLAGS[arch=arm64]=-DX=1", "-arch", "x86_64",
         "-sdk", "iphonesimulator", "-target", "A", "-target", "B"});
    ASSERT_EQ(request.kind, XAXcodebuildRequestKind::ShowBuildSettings);
    const XABuildSettingsRequest &settings = request.buildSettings;
    EXPECT_EQ(settings.action, "clean");
    EXPECT_EQ(settings.projectPath, "My App.xcodeproj");
    EXPECT_EQ(settings.configuration, "Release");
    EXPECT_TRUE(settings.allTargets);
    EXPECT_EQ(settings.arch, "x86_64");
    EXPECT_EQ(settings.sdk, "iphonesimulator");
    EXPECT_EQ(settings.targetNames, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(settings.commandLineSettings,
              (std::vector<std::pair<std::string, std::string>>{{"CODE_SIGNING_ALLOWED", "NO"},
                                                                {"CODE_SIGNING_REQUIRED", "NO"},
                                                                {"OTHER_CFLAGS[arch=arm64]", "-DX=1"}}));
    EXPECT_EQ(XAParseXcodebuildArguments({"-showBuildSettings"}).buildSettings.action, "build");
}

TEST(XcodebuildArgumentsTest, TellsSimpleInvalidAndUnsupportedRequestsApart) {
    struct Case {
        std::vector<std::string> arguments;
        XAXcodebuildRequestKind kind;
    };
    const std::vector<Case> cases = {
        {{"-version"}, XAXcodebuildRequestKind::Version},
        {{"-help"}, XAXcodebuildRequestKind::Help},
        {{"-usage"}, XAXcodebuildRequestKind::Usage},
        {{}, XAXcodebuildRequestKind::Build},
        {{"build"}, XAXcodebuildRequestKind::Build},
        {{"-workspace", "W.xcworkspace", "-scheme", "S", "-n", "build"}, XAXcodebuildRequestKind::Build},
        {{"clean"}, XAXcodebuildRequestKind::Unsupported},
        {{"-list"}, XAXcodebuildRequestKind::List},
        {{"-list", "-showBuildSettings"}, XAXcodebuildRequestKind::Unsupported},
        {{"-scheme"}, XAXcodebuildRequestKind::Invalid},
        {{"-version", "-sdk", "iphoneos"}, XAXcodebuildRequestKind::Unsupported},
        {{"-workspace", "W.xcworkspace", "-scheme", "S", "-showBuildSettings"}, XAXcodebuildRequestKind::Unsupported},
        {{"-showBuildSettings", "-project"}, XAXcodebuildRequestKind::Invalid},
        {{"-showBuildSettings", "-bogus"}, XAXcodebuildRequestKind::Invalid},
        {{"-showBuildSettings", "frobnicate"}, XAXcodebuildRequestKind::Invalid},
        {{"-showBuildSettings", "=value"}, XAXcodebuildRequestKind::Invalid},
    };
    for (const Case &testCase : cases) {
        XAXcodebuildRequest request = XAParseXcodebuildArguments(testCase.arguments);
        EXPECT_EQ(request.kind, testCase.kind) << testCase.arguments.size();
        EXPECT_EQ(request.errorMessage.empty(), testCase.kind != XAXcodebuildRequestKind::Invalid);
    }
}

// ---- The staged xcodebuild on fixture projects ----

namespace {

struct ShownSettings {
    XATaskResults results;
    std::vector<std::string> targetOrder;
    std::map<std::string, Settings> targets;
    std::map<std::string, std::string> headingActions; // the action each heading names
};

std::string fixtureFolder(const std::string &relativePath) {
    return std::filesystem::canonical(std::string(TESSARY_SOURCE_DIR) + "/" + relativePath).string();
}

std::string sdkPath(const std::string &platform) {
    return developerDir() + "/Platforms/" + platform + ".platform/Developer/SDKs/" + platform + ".sdk";
}

// Runs the staged xcodebuild in `folder` and reads its settings blocks, checking their shape on the way: a heading
// per target, four blanks before every setting, keys in sorted order, one blank line between targets.
ShownSettings showBuildSettings(const std::string &folder, const std::vector<std::string> &arguments) {
    ShownSettings shown;
    Environment environment = cleanEnvironment();
    shown.results = XATask::xa_execute(developerTool("xcodebuild"), arguments, folder, std::nullopt,
                                       [&environment](XATaskSetup &setup) { setup.environment = environment; });
    const std::string output = standardOutput(shown.results);
    const std::string heading = "Build settings for action ";
    std::string previousKey;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        EXPECT_NE(end, std::string::npos) << "the output ends without a line break";
        std::string line = output.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? output.size() : end + 1;
        if (line.rfind(heading, 0) == 0) {
            EXPECT_TRUE(shown.targetOrder.empty() || output.substr(start - line.size() - 3, 2) == "\n\n")
                << "no blank line before " << line;
            std::size_t targetAt = line.find(" and target ");
            EXPECT_EQ(line.back(), ':');
            std::string target = line.substr(targetAt + 12, line.size() - targetAt - 13);
            shown.targetOrder.push_back(target);
            shown.headingActions[target] = line.substr(heading.size(), targetAt - heading.size());
            previousKey.clear();
        } else if (!line.empty()) {
            EXPECT_TRUE(!shown.targetOrder.empty() && line.rfind("    ", 0) == 0 && line[4] != ' ')
                << "unexpected line: " << line;
            std::size_t equals = line.find(" = ");
            EXPECT_NE(equals, std::string::npos) << line;
            if (shown.targetOrder.empty() || equals == std::string::npos) {
                continue;
            }
            std::string key = line.substr(4, equals - 4);
            EXPECT_LT(previousKey, key) << "keys out of order";
            previousKey = key;
            shown.targets[shown.targetOrder.back()][key] = line.substr(equals + 3);
        }
    }
    return shown;
}

void expectSettings(const Settings &actual, const Settings &expected, const std::string &label) {
    for (const auto &[key, value] : expected) {
        auto found = actual.find(key);
        if (found == actual.end()) {
            ADD_FAILURE() << label << ": " << key << " is missing";
        } else {
            EXPECT_EQ(found->second, value) << label << ": " << key;
        }
    }
}

const std::vector<std::string> kLoaderArguments(const std::string &project, const std::string &configuration) {
    return {"clean",
            "-project",
            project,
            "-configuration",
            configuration,
            "-alltargets",
            "-showBuildSettings",
            "CODE_SIGNING_ALLOWED=NO",
            "CODE_SIGNING_REQUIRED=NO"};
}

} // namespace

TEST(XcodebuildShowBuildSettingsTest, ResolvesEveryTargetOfTheIOSFixture) {
    const std::string dir = fixtureFolder("tests/fixtures/projects/iOSApp");
    ShownSettings shown = showBuildSettings(dir, kLoaderArguments("iOSApp.xcodeproj", "Debug"));
    ASSERT_EQ(shown.results.exitStatus, 0) << standardError(shown.results);
    EXPECT_EQ(standardError(shown.results), "");
    ASSERT_EQ(shown.targetOrder, (std::vector<std::string>{"iOSApp", "iOSAppTests"}));
    EXPECT_EQ(shown.headingActions["iOSAppTests"], "clean");
    const std::string products = dir + "/build/Debug-iphoneos";
    expectSettings(shown.targets["iOSApp"],
                   {
                       {"ACTION", "clean"},
                       {"SDKROOT", sdkPath("iPhoneOS")},
                       {"SDK_NAME", "iphoneos18.0"},
                       {"SDK_VERSION", "18.0"},
                       {"PLATFORM_NAME", "iphoneos"},
                       {"EFFECTIVE_PLATFORM_NAME", "-iphoneos"},
                       {"ARCHS", "arm64"},
                       {"CURRENT_ARCH", "arm64"},
                       {"PROJECT_NAME", "iOSApp"},
                       {"PROJECT_DIR", dir},
                       {"SRCROOT", dir},
                       {"SOURCE_ROOT", dir},
                       {"TARGET_NAME", "iOSApp"},
                       {"TARGETNAME", "iOSApp"},
                       {"PRODUCT_NAME", "iOSApp"},
                       {"CONFIGURATION", "Debug"},
                       {"SYMROOT", dir + "/build"},
                       {"OBJROOT", dir + "/build"},
                       {"BUILD_DIR", dir + "/build"},
                       {"CONFIGURATION_BUILD_DIR", products},
                       {"BUILT_PRODUCTS_DIR", products},
                       {"TARGET_BUILD_DIR", products},
                       {"PROJECT_TEMP_DIR", dir + "/build/iOSApp.build"},
                       {"TARGET_TEMP_DIR", dir + "/build/iOSApp.build/Debug-iphoneos/iOSApp.build"},
                       {"WRAPPER_NAME", "iOSApp.app"},
                       {"FULL_PRODUCT_NAME", "iOSApp.app"},
                       {"EXECUTABLE_NAME", "iOSApp"},
                       {"EXECUTABLE_PATH", "iOSApp.app/iOSApp"},
                       {"CONTENTS_FOLDER_PATH", "iOSApp.app"},
                       {"UNLOCALIZED_RESOURCES_FOLDER_PATH", "iOSApp.app"},
                       {"INFOPLIST_PATH", "iOSApp.app/Info.plist"},
                       {"INFOPLIST_FILE", "iOSApp/iOSApp-Info.plist"},
                       {"GCC_PREFIX_HEADER", "iOSApp/iOSApp-Prefix.pch"},
                       {"GCC_PRECOMPILE_PREFIX_HEADER", "YES"},
                       {"CLANG_ENABLE_OBJC_ARC", "YES"},
                       {"IPHONEOS_DEPLOYMENT_TARGET", "12.0"},
                       {"DEPLOYMENT_TARGET_SETTING_NAME", "IPHONEOS_DEPLOYMENT_TARGET"},
                       {"LLVM_TARGET_TRIPLE_OS_VERSION", "ios12.0"},
                       {"TARGETED_DEVICE_FAMILY", "1,2"},
                       // Shared.xcconfig below the project level and again, through App.xcconfig, below the target.
                       {"GCC_PREPROCESSOR_DEFINITIONS", "DEBUG=1 SHARED=1 SHARED=1"},
                       {"WARNING_CFLAGS", "-Wall"},
                       {"OTHER_CFLAGS", "-DRUNS_ON_DEVICE=1 -DAPP_DEBUG=1"},
                       {"HEADER_SEARCH_PATHS", dir + "/Vendor/include"},
                       {"PRODUCT_BUNDLE_IDENTIFIER", "org.fixtures.iOSApp"},
                       {"CODE_SIGNING_ALLOWED", "NO"},
                       {"CODE_SIGNING_REQUIRED", "NO"},
                       {"DEVELOPMENT_LANGUAGE", "English"},
                       {"DEVELOPER_DIR", developerDir()},
                       {"DT_TOOLCHAIN_DIR", developerDir() + "/Toolchains/XcodeDefault.xctoolchain"},
                   },
                   "iOSApp");
    expectSettings(shown.targets["iOSAppTests"],
                   {
                       {"WRAPPER_NAME", "iOSAppTests.xctest"},
                       {"EXECUTABLE_PATH", "iOSAppTests.xctest/iOSAppTests"},
                       {"BUNDLE_LOADER", products + "/iOSApp.app/iOSApp"},
                       {"TEST_HOST", products + "/iOSApp.app/iOSApp"},
                       {"PRODUCT_BUNDLE_IDENTIFIER", "org.fixtures.tests.iOSAppTests"},
                       {"OTHER_CFLAGS", "-DRUNS_ON_DEVICE=1"},
                       {"GCC_PRECOMPILE_PREFIX_HEADER", "NO"},
                       {"INFOPLIST_FILE", "iOSAppTests/iOSAppTests-Info.plist"},
                       {"TARGET_TEMP_DIR", dir + "/build/iOSApp.build/Debug-iphoneos/iOSAppTests.build"},
                   },
                   "iOSAppTests");
    EXPECT_EQ(shown.targets["iOSAppTests"].count("GCC_PREFIX_HEADER"), 0u);
}

TEST(XcodebuildShowBuildSettingsTest, ConfigurationSDKArchitectureAndCommandLineChangeTheResult) {
    const std::string dir = fixtureFolder("tests/fixtures/projects/iOSApp");
    struct Case {
        std::string label;
        std::vector<std::string> arguments;
        Settings expected;
    };
    const std::vector<Case> cases = {
        {"Release",
         {"-configuration", "Release"},
         {{"GCC_PREPROCESSOR_DEFINITIONS", "SHARED=1 SHARED=1"},
          {"OTHER_CFLAGS", "-DRUNS_ON_DEVICE=1"},
          {"VALIDATE_PRODUCT", "YES"},
          {"BUILT_PRODUCTS_DIR", dir + "/build/Release-iphoneos"}}},
        {"simulator",
         {"-configuration", "Debug", "-sdk", "iphonesimulator"},
         {{"SDKROOT", sdkPath("iPhoneSimulator")},
          {"SDK_NAME", "iphonesimulator18.0"},
          {"PLATFORM_NAME", "iphonesimulator"},
          {"ARCHS", "arm64 x86_64"},
          {"CURRENT_ARCH", "arm64"},
          {"OTHER_CFLAGS", "-DRUNS_IN_SIMULATOR=1 -DAPP_DEBUG=1"},
          {"LLVM_TARGET_TRIPLE_SUFFIX", "-simulator"},
          {"BUILT_PRODUCTS_DIR", dir + "/build/Debug-iphonesimulator"}}},
        {"the host's architecture, as projects that build for it alone name it",
         {"-configuration", "Debug", "ARCHS=$(NATIVE_ARCH_ACTUAL)"},
         {{"ARCHS", "arm64"}, {"CURRENT_ARCH", "arm64"}, {"NATIVE_ARCH", "arm64"}}},
        {"x86_64 on the device SDK",
         {"-configuration", "Debug", "-arch", "x86_64"},
         {{"ARCHS", "x86_64"}, {"CURRENT_ARCH", "x86_64"}, {"OTHER_CFLAGS", "-DAPP_DEBUG=1"}}},
        {"command-line settings",
         {"-configuration", "Debug", "SYMROOT=/tmp/Products", "PRODUCT_NAME=Renamed App", "OTHER_CFLAGS=-DCLI=1"},
         {{"BUILT_PRODUCTS_DIR", "/tmp/Products/Debug-iphoneos"},
          {"TARGET_TEMP_DIR", "/tmp/Products/iOSApp.build/Debug-iphoneos/iOSApp.build"},
          {"WRAPPER_NAME", "Renamed App.app"},
          {"EXECUTABLE_PATH", "Renamed App.app/Renamed App"},
          {"PRODUCT_BUNDLE_IDENTIFIER", "org.fixtures.Renamed-App"},
          {"OTHER_CFLAGS", "-DCLI=1"}}},
    };
    for (const Case &testCase : cases) {
        std::vector<std::string> arguments = {"clean",   "-project", "iOSApp.xcodeproj",
                                              "-target", "iOSApp",   "-showBuildSettings"};
        arguments.insert(arguments.end(), testCase.arguments.begin(), testCase.arguments.end());
        ShownSettings shown = showBuildSettings(dir, arguments);
        ASSERT_EQ(shown.results.exitStatus, 0) << testCase.label << ": " << standardError(shown.results);
        ASSERT_EQ(shown.targetOrder, std::vector<std::string>{"iOSApp"}) << testCase.label;
        expectSettings(shown.targets["iOSApp"], testCase.expected, testCase.label);
    }
}

TEST(XcodebuildShowBuildSettingsTest, ResolvesTheMacFixtureWithItsDefaultsAndDeepBundleLayout) {
    const std::string dir = fixtureFolder("tests/fixtures/projects/MacApp");
    // No project and no configuration named: the folder's only project and its default configuration.
    ShownSettings shown = showBuildSettings(dir, {"-showBuildSettings"});
    ASSERT_EQ(shown.results.exitStatus, 0) << standardError(shown.results);
    ASSERT_EQ(shown.targetOrder, std::vector<std::string>{"MacApp"});
    EXPECT_EQ(shown.headingActions["MacApp"], "build");
    expectSettings(shown.targets["MacApp"],
                   {
                       {"ACTION", "build"},
                       {"SDKROOT", sdkPath("MacOSX")},
                       {"SDK_VERSION", "15.0"},
                       {"PLATFORM_NAME", "macosx"},
                       {"EFFECTIVE_PLATFORM_NAME", ""},
                       {"MACOSX_DEPLOYMENT_TARGET", "10.13"},
                       {"LLVM_TARGET_TRIPLE_OS_VERSION", "macos10.13"},
                       {"ARCHS", "arm64 x86_64"},
                       {"ARCHS_STANDARD_32_64_BIT", "arm64 x86_64"}, // of older projects: 64-bit only
                       {"SYSTEM_LIBRARY_DIR", "/System/Library"},
                       {"CONFIGURATION", "Debug"},
                       {"BUILT_PRODUCTS_DIR", dir + "/build/Debug"},
                       {"CONTENTS_FOLDER_PATH", "MacApp.app/Contents"},
                       {"EXECUTABLE_PATH", "MacApp.app/Contents/MacOS/MacApp"},
                       {"INFOPLIST_PATH", "MacApp.app/Contents/Info.plist"},
                       {"UNLOCALIZED_RESOURCES_FOLDER_PATH", "MacApp.app/Contents/Resources"},
                       {"FRAMEWORKS_FOLDER_PATH", "MacApp.app/Contents/Frameworks"},
                       {"DEVELOPMENT_LANGUAGE", "German"},
                       {"PRODUCT_BUNDLE_IDENTIFIER", "org.fixtures.MacApp"},
                       {"LIBRARY_SEARCH_PATHS", ""},
                       {"COMBINE_HIDPI_IMAGES", "YES"},
                   },
                   "MacApp");
    EXPECT_EQ(shown.targets["MacApp"].count("TARGETED_DEVICE_FAMILY"), 0u);
}

TEST(XcodebuildShowBuildSettingsTest, ResolvesTheExampleProjectInBothConfigurations) {
    const std::string dir = fixtureFolder("examples/TessaryDemo");
    struct Case {
        std::string configuration;
        Settings app;
        Settings tests;
    };
    const std::string debugProducts = dir + "/build/Debug-iphoneos";
    const std::vector<Case> cases = {
        {"Debug",
         {{"GCC_PREPROCESSOR_DEFINITIONS", "DEBUG=1 TESSARY_DEMO=1"},
          {"GCC_OPTIMIZATION_LEVEL", "0"},
          {"DEBUG_INFORMATION_FORMAT", "dwarf"},
          {"ONLY_ACTIVE_ARCH", "YES"}},
         {{"BUNDLE_LOADER", debugProducts + "/TessaryDemo.app/TessaryDemo"}}},
        {"Release",
         {{"GCC_PREPROCESSOR_DEFINITIONS", "TESSARY_DEMO=1"},
          {"GCC_OPTIMIZATION_LEVEL", "s"},
          {"DEBUG_INFORMATION_FORMAT", "dwarf-with-dsym"},
          {"ONLY_ACTIVE_ARCH", "NO"}},
         {{"BUNDLE_LOADER", dir + "/build/Release-iphoneos/TessaryDemo.app/TessaryDemo"}}},
    };
    for (const Case &testCase : cases) {
        ShownSettings shown = showBuildSettings(dir, kLoaderArguments("TessaryDemo.xcodeproj", testCase.configuration));
        ASSERT_EQ(shown.results.exitStatus, 0) << standardError(shown.results);
        ASSERT_EQ(shown.targetOrder, (std::vector<std::string>{"TessaryDemo", "TessaryDemoTests"}));
        Settings app = testCase.app;
        app.insert({{"WARNING_CFLAGS", "-Wno-unused-parameter"},
                    {"CLANG_WARN_OBJC_IMPLICIT_RETAIN_SELF", "YES"},
                    {"PRODUCT_BUNDLE_IDENTIFIER", "org.quenby.TessaryDemo"},
                    {"DEVELOPMENT_LANGUAGE", "en"},
                    {"LOCALIZED_RESOURCES_FOLDER_PATH", "TessaryDemo.app/en.lproj"},
                    {"IPHONEOS_DEPLOYMENT_TARGET", "15.0"},
                    {"CLANG_ENABLE_OBJC_ARC", "YES"},
                    {"GCC_PREFIX_HEADER", "TessaryDemo/TessaryDemo-Prefix.pch"},
                    {"TARGETED_DEVICE_FAMILY", "1,2"}});
        expectSettings(shown.targets["TessaryDemo"], app, "TessaryDemo " + testCase.configuration);
        Settings tests = testCase.tests;
        tests.insert({{"TEST_HOST", tests["BUNDLE_LOADER"]},
                      {"PRODUCT_BUNDLE_IDENTIFIER", "org.quenby.TessaryDemoTests"},
                      {"WRAPPER_EXTENSION", "xctest"},
                      {"TARGETED_DEVICE_FAMILY", "1"}});
        expectSettings(shown.targets["TessaryDemoTests"], tests, "TessaryDemoTests " + testCase.configuration);
    }
}

TEST(XcodebuildShowBuildSettingsTest, MissingOrUnreadableProjectsEndWithStatus66) {
    TemporaryFolder folder;
    writeFile(folder.path() + "/Broken.xcodeproj/project.pbxproj", "{ objects = ");
    std::filesystem::create_directories(folder.path() + "/Empty.xcodeproj");
    std::filesystem::create_directories(folder.path() + "/NoProjectHere");
    struct Case {
        std::string folder;
        std::vector<std::string> arguments;
        std::string errorStart;
    };
    const std::vector<Case> cases = {
        {folder.path(), {"-project", "Missing.xcodeproj"}, "xcodebuild: error: 'Missing.xcodeproj' does not exist.\n"},
        {folder.path(),
         {"-project", "Broken.xcodeproj"},
         "xcodebuild: error: Unable to read project 'Broken.xcodeproj'."},
        {folder.path(),
         {"-project", "Empty.xcodeproj"},
         "xcodebuild: error: Unable to read project 'Empty.xcodeproj'."},
        {folder.path() + "/NoProjectHere", {}, "xcodebuild: error: The directory "},
    };
    for (const Case &testCase : cases) {
        std::vector<std::string> arguments = testCase.arguments;
        arguments.insert(arguments.end(), {"-configuration", "Debug", "-alltargets", "-showBuildSettings"});
        ShownSettings shown = showBuildSettings(testCase.folder, arguments);
        EXPECT_EQ(shown.results.exitStatus, 66) << testCase.errorStart;
        EXPECT_EQ(standardOutput(shown.results), "");
        EXPECT_EQ(standardError(shown.results).rfind(testCase.errorStart, 0), 0u) << standardError(shown.results);
    }
}

TEST(XcodebuildShowBuildSettingsTest, UnknownConfigurationsAndTargetsEndWithStatus65) {
    const std::string dir = fixtureFolder("tests/fixtures/projects/iOSApp");
    ShownSettings configuration = showBuildSettings(dir, kLoaderArguments("iOSApp.xcodeproj", "Profile"));
    EXPECT_EQ(configuration.results.exitStatus, 65);
    EXPECT_EQ(standardOutput(configuration.results), "");
    EXPECT_EQ(standardError(configuration.results),
              "xcodebuild: error: The project 'iOSApp' does not contain a build configuration named 'Profile'.\n");
    // Configuration names are matched exactly, as Xcode matches them.
    EXPECT_EQ(showBuildSettings(dir, kLoaderArguments("iOSApp.xcodeproj", "debug")).results.exitStatus, 65);

    ShownSettings target =
        showBuildSettings(dir, {"-project", "iOSApp.xcodeproj", "-target", "Nope", "-showBuildSettings"});
    EXPECT_EQ(target.results.exitStatus, 65);
    EXPECT_EQ(standardError(target.results),
              "xcodebuild: error: The project 'iOSApp' does not contain a target named 'Nope'.\n");
}

// A project of one command-line tool target whose build settings are the given text.
void writeToolProject(const std::string &path, const std::string &buildSettings) {
    writeFile(path,
              "// !$*UTF8*$!\n{\n archiveVersion = 1;\n objectVersion = 46;\n objects = {\n"
              "  P1 = {isa = PBXProject; buildConfigurationList = L1; mainGroup = G1; targets = (T1); };\n"
              "  G1 = {isa = PBXGroup; children = (); sourceTree = \"<group>\"; };\n"
              "  L1 = {isa = XCConfigurationList; buildConfigurations = (C1); defaultConfigurationName = Debug; };\n"
              "  C1 = {isa = XCBuildConfiguration; buildSettings = {" +
                  buildSettings +
                  "}; name = Debug; };\n"
                  "  T1 = {isa = PBXNativeTarget; buildConfigurationList = L2; buildPhases = (); name = Tool;"
                  " productType = \"com.apple.product-type.tool\"; };\n"
                  "  L2 = {isa = XCConfigurationList; buildConfigurations = (); };\n"
                  " };\n rootObject = P1;\n}\n");
}

TEST(XcodebuildShowBuildSettingsTest, AnSDKTheDeveloperDirectoryLacksIsAWarningOnly) {
    TemporaryFolder folder;
    writeToolProject(folder.path() + "/Driver.xcodeproj/project.pbxproj",
                     "SDKROOT = driverkit; \"A[sdk=driverkit*]\" = d; ");
    ShownSettings shown = showBuildSettings(folder.path(), {"-showBuildSettings"});
    ASSERT_EQ(shown.results.exitStatus, 0) << standardError(shown.results);
    EXPECT_EQ(standardError(shown.results), "xcodebuild: warning: SDK \"driverkit\" cannot be located.\n");
    expectSettings(shown.targets["Tool"],
                   {{"SDKROOT", "driverkit"},
                    {"PLATFORM_NAME", "driverkit"},
                    {"A", "d"},
                    {"EXECUTABLE_PATH", "Tool"},
                    {"FULL_PRODUCT_NAME", "Tool"}},
                   "Tool");
}

TEST(XcodebuildShowBuildSettingsTest, WatchTVAndVisionSDKsGiveTheirPlatformArchitecturesAndTriples) {
    struct Case {
        std::string sdk;
        std::string deploymentSetting;
        Settings expected;
    };
    const std::vector<Case> cases = {
        {"watchos",
         "WATCHOS_DEPLOYMENT_TARGET = 6.0;",
         {{"SDKROOT", sdkPath("WatchOS")},
          {"SDK_NAME", "watchos11.0"},
          {"PLATFORM_NAME", "watchos"},
          {"EFFECTIVE_PLATFORM_NAME", "-watchos"},
          {"ARCHS", "arm64_32 armv7k"},
          {"CURRENT_ARCH", "arm64_32"},
          {"DEPLOYMENT_TARGET_SETTING_NAME", "WATCHOS_DEPLOYMENT_TARGET"},
          {"LLVM_TARGET_TRIPLE_OS_VERSION", "watchos6.0"},
          {"LLVM_TARGET_TRIPLE_SUFFIX", ""}}},
        {"watchsimulator",
         "",
         {{"PLATFORM_NAME", "watchsimulator"},
          {"ARCHS", "arm64 x86_64"},
          {"LLVM_TARGET_TRIPLE_OS_VERSION", "watchos11.0"},
          {"LLVM_TARGET_TRIPLE_SUFFIX", "-simulator"}}},
        {"appletvos",
         "TVOS_DEPLOYMENT_TARGET = 12.0;",
         {{"SDKROOT", sdkPath("AppleTVOS")},
          {"PLATFORM_NAME", "appletvos"},
          {"ARCHS", "arm64"},
          {"LLVM_TARGET_TRIPLE_OS_VERSION", "tvos12.0"}}},
        {"appletvsimulator", "", {{"PLATFORM_NAME", "appletvsimulator"}, {"SDK_NAME", "appletvsimulator18.0"}}},
        {"xros",
         "",
         {{"SDKROOT", sdkPath("XROS")},
          {"PLATFORM_NAME", "xros"},
          {"PLATFORM_DISPLAY_NAME", "visionOS"},
          {"ARCHS", "arm64"},
          {"DEPLOYMENT_TARGET_SETTING_NAME", "XROS_DEPLOYMENT_TARGET"},
          {"LLVM_TARGET_TRIPLE_OS_VERSION", "xros2.0"}}},
        {"xrsimulator", "", {{"PLATFORM_NAME", "xrsimulator"}, {"ARCHS", "arm64"}}},
    };
    for (const Case &testCase : cases) {
        TemporaryFolder folder;
        writeToolProject(folder.path() + "/Tool.xcodeproj/project.pbxproj",
                         "SDKROOT = " + testCase.sdk + "; " + testCase.deploymentSetting);
        ShownSettings shown = showBuildSettings(folder.path(), {"-showBuildSettings"});
        ASSERT_EQ(shown.results.exitStatus, 0) << testCase.sdk << ": " << standardError(shown.results);
        EXPECT_EQ(standardError(shown.results), "") << testCase.sdk;
        expectSettings(shown.targets["Tool"], testCase.expected, testCase.sdk);
    }
}

TEST(XcodebuildShowBuildSettingsTest, HelpListsTheBuildSettingsOptions) {
    XATaskResults results = run(developerTool("xcodebuild"), {"-help"}, cleanEnvironment());
    ASSERT_EQ(results.exitStatus, 0);
    std::vector<std::string> lines;
    std::string help = standardError(results);
    for (std::size_t start = 0; start < help.size();) {
        std::size_t end = help.find('\n', start);
        std::string line = help.substr(start, end == std::string::npos ? std::string::npos : end - start);
        lines.push_back(line.substr(std::min(line.size(), line.find_first_not_of(" \t"))));
        start = end == std::string::npos ? help.size() : end + 1;
    }
    for (const char *option :
         {"-project", "-target", "-alltargets", "-configuration", "-arch", "-sdk", "-showBuildSettings"}) {
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [option](const std::string &line) {
            return line.rfind(std::string(option) + " ", 0) == 0;
        })) << option;
    }
}
