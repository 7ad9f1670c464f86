#include "codemodel/XABuildLogParser.h"
#include "codemodel/XABuildLogText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const XABuildLogProjectNames kShop{"Shop", {"Shop", "ShopTests"}};

std::string readFixture(const std::string &name) {
    std::ifstream file(std::string(TESSARY_FIXTURES_DIR) + "/buildlogs/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Parses a log and collects the warnings it reports.
struct ParsedLog {
    XABuildStepsByTargetKey steps;
    std::vector<std::string> warnings;
};

ParsedLog parse(const std::string &log, const XABuildLogProjectNames &names = kShop) {
    ParsedLog parsed;
    parsed.steps = XABuildLogParser::buildStepsByTargetKeyFromLog(log, names, [&](const XAProgressMessage &message) {
        EXPECT_EQ(message.kind(), XAProgressMessageKindWarning);
        parsed.warnings.push_back(message.message());
    });
    return parsed;
}

std::vector<std::string> keysOf(const XABuildStepsByTargetKey &steps) {
    std::vector<std::string> keys;
    for (const auto &[key, value] : steps) {
        keys.push_back(key);
    }
    return keys;
}

// Each step as its header and commands, "|"-joined, for compact expectations.
std::vector<std::string> describe(const std::vector<XABuildStep> &steps) {
    std::vector<std::string> described;
    for (const XABuildStep &step : steps) {
        std::string text = step.name();
        for (const std::string &argument : step.arguments()) {
            text += " " + argument;
        }
        for (const std::string &command : step.commands()) {
            text += "|" + command;
        }
        described.push_back(text);
    }
    return described;
}

std::vector<std::string> stepsOf(const ParsedLog &parsed, const std::string &key) {
    auto found = parsed.steps.find(key);
    return found == parsed.steps.end() ? std::vector<std::string>{"<no entry for " + key + ">"}
                                       : describe(found->second);
}

constexpr const char *kBanner = "=== BUILD TARGET Shop OF PROJECT Shop WITH CONFIGURATION Debug ===\n";

} // namespace

TEST(XABuildLogParserTest, SplitsAnAppBuildIntoTheStepsOfEachTarget) {
    const ParsedLog parsed = parse(readFixture("iOSApp-Debug-dry-run.log"));
    ASSERT_THAT(keysOf(parsed.steps), ElementsAre("Shop__Shop", "Shop__ShopTests"));

    const std::string src = "/Users/dev/Shop";
    const std::string sym = "/tmp/ShopBuild/Debug-iphonesimulator";
    const std::string objects =
        "/tmp/ShopBuild/Tessary-ObjRoot/Shop.build/Debug-iphonesimulator/Shop.build/Objects-normal/x86_64/";
    struct Expected {
        std::string name;
        XABuildStepKind kind;
        std::optional<std::string> input;
        std::optional<std::string> output;
        std::size_t commandCount;
    };
    const std::vector<Expected> expected = {
        {"ProcessPCH", XABuildStepKindProcessPCH, "Shop/Shop-Prefix.pch",
         "/tmp/ShopBuild/Tessary-PCH/Shop-Prefix-bkqwzbmdvhwfoxgrehqtijpvwhbq/Shop-Prefix.pch.pch", 4},
        {"CompileC", XABuildStepKindCompileC, src + "/Shop/main.m", objects + "main.o", 4},
        {"CompileC", XABuildStepKindCompileC, src + "/Shop/AppDelegate.m", objects + "AppDelegate.o", 4},
        {"CompileC", XABuildStepKindCompileC, src + "/Shop/View Controllers/Product List View Controller.m",
         objects + "ProductListViewController.o", 4},
        {"warning:", XABuildStepKindOther, std::nullopt, std::nullopt, 0},
        {"CompileC", XABuildStepKindCompileC, src + "/Shop/Vendor/LegacyJSONParser.m", objects + "LegacyJSONParser.o",
         4},
        {"CompileStoryboard", XABuildStepKindCompileStoryboard, src + "/Shop/Base.lproj/Main.storyboard", std::nullopt,
         4},
        {"CompileXIB", XABuildStepKindCompileXIB, src + "/Shop/Views/ProductCell.xib", std::nullopt, 4},
        // The asset compiler's result listing that follows the step is not part of it.
        {"CompileAssetCatalog", XABuildStepKindOther, std::nullopt, std::nullopt, 3},
        {"CpResource", XABuildStepKindOther, std::nullopt, std::nullopt, 3},
        {"ProcessInfoPlistFile", XABuildStepKindProcessInfoPlistFile, "Shop/Shop-Info.plist",
         sym + "/Shop.app/Info.plist", 3},
        {"PhaseScriptExecution", XABuildStepKindPhaseScriptExecution, std::nullopt, std::nullopt, 6},
        {"Touch", XABuildStepKindTouch, sym + "/Shop.app", std::nullopt, 3},
        {"CodeSign", XABuildStepKindCodeSign, sym + "/Shop.app", std::nullopt, 5},
    };
    const std::vector<XABuildStep> &steps = parsed.steps.at("Shop__Shop");
    ASSERT_EQ(steps.size(), expected.size());
    for (std::size_t index = 0; index < steps.size(); ++index) {
        SCOPED_TRACE(expected[index].name + " at " + std::to_string(index));
        EXPECT_EQ(steps[index].name(), expected[index].name);
        EXPECT_EQ(steps[index].kind(), expected[index].kind);
        EXPECT_EQ(steps[index].inputPath(), expected[index].input);
        EXPECT_EQ(steps[index].outputPath(), expected[index].output);
        EXPECT_EQ(steps[index].commands().size(), expected[index].commandCount);
    }

    // Commands are trimmed and keep their order; the compiler line comes last and whole.
    const XABuildStep &mainStep = steps[1];
    EXPECT_EQ(mainStep.commands()[0], "cd /Users/dev/Shop");
    EXPECT_EQ(mainStep.commands()[1], "export LANG=en_US.US-ASCII");
    EXPECT_THAT(mainStep.commands()[3], HasSubstr("clang -x objective-c -target x86_64-apple-ios17.0-simulator"));
    EXPECT_THAT(mainStep.commands()[3], ::testing::EndsWith(objects + "main.o"));
    EXPECT_EQ(mainStep.arguments().size(), 6u);
    // Per-file flags reach only their own file's compiler line.
    EXPECT_THAT(steps[5].commands()[3], HasSubstr("-fobjc-arc -fmodules"));
    EXPECT_THAT(steps[5].commands()[3], HasSubstr(" -fno-objc-arc -Wno-deprecated-declarations "));
    EXPECT_THAT(steps[1].commands()[3], ::testing::Not(HasSubstr("-fno-objc-arc")));
    EXPECT_EQ(steps[11].argumentAtIndex(0), "Update Build Number");
    EXPECT_EQ(steps[11].commands()[1], "setenv ACTION build");
    EXPECT_EQ(steps[13].commands()[3], "Signing Identity:     \"-\"");

    EXPECT_THAT(stepsOf(parsed, "Shop__ShopTests"), ::testing::SizeIs(1));
    EXPECT_EQ(parsed.steps.at("Shop__ShopTests")[0].inputPath(), "ShopTests/ShopTests.m");
    EXPECT_THAT(parsed.warnings, ElementsAre(HasSubstr("xcodebuild: warning: no rule to process file")));
}

TEST(XABuildLogParserTest, SectionsAndTargetNames) {
    struct Case {
        const char *title;
        std::string log;
        XABuildLogProjectNames names;
        std::vector<std::string> keys;
    };
    const std::vector<Case> cases = {
        {"text before the first banner belongs to no target", "CompileC /o/x.o /s/x.m\n    cd /s\n", kShop, {}},
        {"an aggregate target",
         "=== BUILD AGGREGATE TARGET Tools OF PROJECT Shop WITH CONFIGURATION Debug ===\n",
         kShop,
         {"Shop__Tools"}},
        {"a banner with leading blanks still opens a section",
         "  === BUILD TARGET ShopTests OF PROJECT Shop WITH CONFIGURATION Debug ===\n",
         kShop,
         {"Shop__ShopTests"}},
        {"names printed in xcodebuild's re-encoded form are stored under the project's spelling",
         "=== BUILD TARGET Caf\xE2\x88\x9A\xC2\xA9 App OF PROJECT Caf\xE2\x88\x9A\xC2\xA9 WITH CONFIGURATION "
         "Debug ===\n",
         {"Caf\xC3\xA9", {"Other", "Caf\xC3\xA9 App"}},
         {"Caf\xC3\xA9__Caf\xC3\xA9 App"}},
        {"a name the project does not know is kept as printed",
         "=== BUILD TARGET Unknown OF PROJECT Elsewhere WITH CONFIGURATION Debug ===\n",
         kShop,
         {"Elsewhere__Unknown"}},
        {"a banner without a target or project is passed over",
         "=== BUILD SOMETHING ===\nCompileC /o/x.o /s/x.m\n=== BUILD TARGET Shop OF PROJECT Shop ===\n",
         kShop,
         {}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.title);
        EXPECT_THAT(keysOf(parse(testCase.log, testCase.names).steps), ::testing::ElementsAreArray(testCase.keys));
    }
}

TEST(XABuildLogParserTest, UnreadableBannersAreReported) {
    const ParsedLog parsed = parse("=== BUILD SOMETHING ===\n=== BUILD TARGET Shop OF PROJECT Shop ===\n");
    EXPECT_THAT(parsed.warnings,
                ElementsAre("Could not read target name from xcodebuild log line: '=== BUILD SOMETHING ==='",
                            "Could not read project name from xcodebuild log line: '=== BUILD TARGET Shop OF "
                            "PROJECT Shop ==='"));
    // Nobody listening is fine too.
    EXPECT_THAT(XABuildLogParser::buildStepsByTargetKeyFromLog("=== BUILD X ===\nwarning: w\n", kShop, {}), IsEmpty());
}

TEST(XABuildLogParserTest, TheLaterSectionOfATargetWins) {
    const ParsedLog parsed =
        parse(std::string(kBanner) + "CompileC /o/a.o /s/a.m\n" + kBanner + "CompileC /o/b.o /s/b.m\n" +
              "=== BUILD TARGET ShopTests OF PROJECT Shop WITH CONFIGURATION Debug ===\n");
    EXPECT_THAT(stepsOf(parsed, "Shop__Shop"), ElementsAre("CompileC /o/b.o /s/b.m"));
    EXPECT_THAT(stepsOf(parsed, "Shop__ShopTests"), IsEmpty());
}

TEST(XABuildLogParserTest, LinesBecomeStepsAndCommands) {
    struct Case {
        const char *title;
        std::string body; // the lines after the banner
        std::vector<std::string> steps;
        std::vector<std::string> warnings = {};
    };
    const std::vector<Case> cases = {
        {"auxiliary files, up to a blank line, are no step; the step before them stays open",
         "Touch /a.app\n    cd /s\nWrite auxiliary files\n/bin/mkdir -p /o\n    write-file /o/x\n\n    touch -c "
         "/a.app\n",
         {"Touch /a.app|cd /s|touch -c /a.app"}},
        {"the product structure and the asset compiler's results are skipped the same way",
         "Create product structure\n/bin/mkdir -p /a.app\n\nCompileAssetCatalog /a.app /s/I.xcassets\n    actool\n"
         "/* com.apple.actool.compilation-results */\n/a.app/Assets.car\n\n    more\n",
         {"CompileAssetCatalog /a.app /s/I.xcassets|actool|more"}},
        {"a warning is reported and becomes a step of its own",
         "Touch /a.app\nwarning: deprecated setting\n    cd /s\n",
         {"Touch /a.app", "warning: deprecated setting|cd /s"},
         {"xcodebuild: warning: deprecated setting"}},
        {"the armv7 notice is not reported but still becomes a step",
         "warning: all apps should include an armv7 architecture (current ARCHS = arm64).\n",
         {"warning: all apps should include an armv7 architecture (current ARCHS = arm64)."}},
        {"build trailers and dependency checks are dropped without closing the open step",
         "Touch /a.app\n** BUILD SUCCEEDED **\nCheck dependencies\nCopying libswiftCore.dylib\n    cd /s\n",
         {"Touch /a.app|cd /s"}},
        {"a line that only begins with Check dependencies is a step",
         "Check dependencies of Shop\n    cd /s\n",
         {"Check dependencies of Shop|cd /s"}},
        {"an indented line after a blank unindented line belongs to no step",
         "Touch /a.app\n\n    cd /s\nCodeSign /a.app\n",
         {"Touch /a.app", "CodeSign /a.app"}},
        {"indented lines before the first header form a step of their own", "    cd /s\n    echo\n", {"cd /s|echo"}},
        {"a line indented with a tab starts a step; blank-only indented lines are ignored",
         "Touch /a.app\n\tcd /s\n    \n    echo\n",
         {"Touch /a.app", "cd /s|echo"}},
        {"any line terminator ends a line, CR LF counting once",
         "Touch /a.app\r\n    cd /s\r    echo\xE2\x80\xA8    true\xC2\x85\r\nCodeSign /a.app",
         {"Touch /a.app|cd /s|echo|true", "CodeSign /a.app"}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.title);
        const ParsedLog parsed = parse(kBanner + testCase.body);
        EXPECT_THAT(stepsOf(parsed, "Shop__Shop"), ::testing::ElementsAreArray(testCase.steps));
        EXPECT_THAT(parsed.warnings, ::testing::ElementsAreArray(testCase.warnings));
    }
}

TEST(XABuildLogParserTest, AnInvalidByteDoesNotCostTheLog) {
    const ParsedLog parsed = parse(std::string(kBanner) + "CompileC /o/caf\xE9.o /s/caf\xE9.m\n    cd /s\n" +
                                   "    clang -DNAME=\"\xFF\xFE\" -c /s/caf\xE9.m\n");
    EXPECT_THAT(stepsOf(parsed, "Shop__Shop"),
                ElementsAre("CompileC /o/caf\xEF\xBF\xBD.o /s/caf\xEF\xBF\xBD.m|cd /s|clang -DNAME=\"\xEF\xBF\xBD"
                            "\xEF\xBF\xBD\" -c /s/caf\xEF\xBF\xBD.m"));
}

TEST(XABuildLogParserTest, KeysJoinProjectAndTargetNames) {
    EXPECT_EQ(XABuildLogParser::keyForProjectName("Shop", "Shop Tests"), "Shop__Shop Tests");
    EXPECT_EQ(XABuildLogParser::keyForProjectName("", ""), "__");
}

TEST(XABuildLogTextTest, SplitsLinesAtEveryTerminator) {
    struct Case {
        std::string text;
        std::vector<std::string_view> lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"one", {"one"}},
        {"one\n", {"one"}},
        {"\n", {""}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\nb\rc\n\rd", {"a", "b", "c", "", "d"}},
        {"a\xC2\x85"
         "b\xE2\x80\xA8"
         "c\xE2\x80\xA9"
         "d",
         {"a", "b", "c", "d"}},
        {"\xC2\xA9\xE2\x80\xA6", {"\xC2\xA9\xE2\x80\xA6"}}, // other characters with the same lead bytes
        {"a\xC2", {"a\xC2"}},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(XABuildLogLines(testCase.text), testCase.lines) << testCase.text;
    }
}
