#include "project/XABuildSettingsOutput.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

TEST(XABuildSettingsOutput, ParsesTheBlockOfEveryNamedTarget) {
    const std::string output = "Command line invocation:\n"
                               "    /usr/bin/xcodebuild clean -showBuildSettings\n"
                               "\n"
                               "Build settings for action clean and target \"My App\":\n"
                               "    SDKROOT = iphoneos\n"
                               "    PRODUCT_NAME = My App\n"
                               "    OTHER_CFLAGS = -DA=1 -DB = 2\n"
                               "    EMPTY_SETTING = \n"
                               "    SDKROOT = iphoneos17.0\n"
                               " ONE_BLANK = ignored\n"
                               "NO_BLANK = ignored\n"
                               "\n"
                               "Build settings for action clean and target Helper:\r\n"
                               "    ARCHS = arm64\r\n"
                               "    NO_SEPARATOR\r\n";
    auto settings = XABuildSettingsByTargetFromXcodebuildOutput(output, {"Helper", "My App", "Unlisted"});

    EXPECT_THAT(settings["My App"],
                UnorderedElementsAre(Pair("SDKROOT", "iphoneos17.0"), Pair("PRODUCT_NAME", "My App"),
                                     Pair("OTHER_CFLAGS", "-DA=1 -DB = 2"), Pair("EMPTY_SETTING", "")));
    EXPECT_THAT(settings["Helper"], UnorderedElementsAre(Pair("ARCHS", "arm64"), Pair("NO_SEPARATOR", "")));
    EXPECT_EQ(settings.count("Unlisted"), 0u);
}

TEST(XABuildSettingsOutput, HeadersOfOtherTargetsDropTheirLines) {
    const std::string output = "Build settings for action clean and target Elsewhere:\n"
                               "    SDKROOT = macosx\n"
                               "Build settings for action clean and target App:\n"
                               "    SDKROOT = iphoneos\n"
                               "Build settings for action clean and target AppTests:\n"
                               "    SDKROOT = iphonesimulator\n";
    auto settings = XABuildSettingsByTargetFromXcodebuildOutput(output, {"App", "AppTests"});
    EXPECT_THAT(settings, UnorderedElementsAre(Pair("App", ElementsAre(Pair("SDKROOT", "iphoneos"))),
                                               Pair("AppTests", ElementsAre(Pair("SDKROOT", "iphonesimulator")))));

    // Settings before any header, and a header without lines, give nothing.
    EXPECT_THAT(XABuildSettingsByTargetFromXcodebuildOutput(
                    "    A = 1\nBuild settings for action clean and target App:\n", {"App"}),
                IsEmpty());
    EXPECT_THAT(XABuildSettingsByTargetFromXcodebuildOutput("", {"App"}), IsEmpty());
}

TEST(XABuildSettingsOutput, AHeaderBelongsToTheFirstTargetItNames) {
    // "target App:" occurs in neither header of the other targets, but a header may name two candidates.
    const std::string output = "Build settings for action clean and target \"A\": (target B: too)\n    X = 1\n";
    EXPECT_THAT(XABuildSettingsByTargetFromXcodebuildOutput(output, {"B", "A"}), ElementsAre(Pair("B", testing::_)));
    EXPECT_THAT(XABuildSettingsByTargetFromXcodebuildOutput(output, {"A", "B"}), ElementsAre(Pair("A", testing::_)));
}

namespace {

XABuildSettingValue expand(const std::string &text) {
    static const XABuildSettings settings = {
        {"A", "a"},      {"AB", "wrong"}, {"AB/x", "bare"},     {"B", "$(A)/b"},
        {"C", "${B}/c"}, {"Xa", "inner"}, {"SELF", "$(SELF)x"}, {"TWICE", "$(TWICE)$(TWICE)"},
        {"EMPTY", ""},
    };
    return stringByResolvingBuildSettingReferencesInString(text, settings);
}

} // namespace

TEST(XABuildSettingReferenceExpansion, ExpandsEveryKnownReference) {
    struct Case {
        const char *text;
        const char *expanded;
    } cases[] = {
        {"$(A)/x", "a/x"},
        {"${A}/x", "a/x"},
        {"$AB/x", "bare"}, // a bare reference runs to the next whitespace
        {"$AB/x tail", "bare tail"},
        {"$A", "$A"},          // one character after a bare dollar sign is no reference
        {"$(C)", "a/b/c"},     // values are expanded in turn, whatever their spelling
        {"$(X$(A))", "inner"}, // the inner reference first
        {"$(MISSING) $(A)", "$(MISSING) a"},
        {"${MISSING}/$MISSING_TOO $(A)", "${MISSING}/$MISSING_TOO a"}, // unknown references keep their spelling
        {"$(EMPTY)x", "x"},
        {"cost $ 5 and $", "cost $ 5 and $"},
        {"$(", "$("},
        {"$()", "$()"},
        {"${A", "${A"},
        {"no references", "no references"},
        {"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(expand(c.text), XABuildSettingValue(std::string(c.expanded))) << c.text;
    }
}

TEST(XABuildSettingReferenceExpansion, SelfReferencesEndAfterAHundredRounds) {
    EXPECT_EQ(expand("$(SELF)"), XABuildSettingValue("$(SELF)" + std::string(100, 'x')));

    // A value that holds itself twice would double every round; the text stops growing past one mebibyte.
    const std::string twice = std::get<std::string>(expand("$(TWICE)"));
    EXPECT_GT(twice.size(), 1u << 20);
    EXPECT_LE(twice.size(), 2u << 20);
}

TEST(XABuildSettingReferenceExpansion, ListValuesAreReturnedWholeOrJoined) {
    XADictionary settings{{"LIST", XAValue(XAValue::Array{XAValue("a b"), XAValue("c")})},
                          {"NUMBER", XAValue(std::int64_t(7))},
                          {"FLAG", XAValue(true)},
                          {"TEXT", XAValue("t")},
                          {"NESTED", XAValue(XADictionary{})}};
    using List = std::vector<std::string>;
    EXPECT_EQ(stringByResolvingBuildSettingReferencesInString("$(LIST)", settings),
              XABuildSettingValue(List{"a b", "c"}));
    EXPECT_EQ(stringByResolvingBuildSettingReferencesInString("  ${LIST}\n", settings),
              XABuildSettingValue(List{"a b", "c"}));
    EXPECT_EQ(stringByResolvingBuildSettingReferencesInString("-I $(LIST)", settings),
              XABuildSettingValue(std::string("-I a b c")));
    EXPECT_EQ(stringByResolvingBuildSettingReferencesInString("$(NUMBER) $(FLAG) $(TEXT) $(NESTED)", settings),
              XABuildSettingValue(std::string("7 YES t $(NESTED)")));
    EXPECT_EQ(XABuildSettingValueText(List{"x", "", "y"}), "x  y");
}

TEST(XABuildSettingReferenceExpansion, ALookupDecidesWhatIsSet) {
    std::vector<std::string> asked;
    XABuildSettingLookup lookup = [&asked](const std::string &name) -> std::optional<XABuildSettingValue> {
        asked.push_back(name);
        return name == "HOME" ? std::optional<XABuildSettingValue>("/home/u") : std::nullopt;
    };
    EXPECT_EQ(XAResolveBuildSettingReferences("${HOME}/$(UNSET)", lookup), XABuildSettingValue("/home/u/$(UNSET)"));
    EXPECT_THAT(asked, testing::Contains("UNSET"));
    EXPECT_EQ(XAResolveBuildSettingReferences("$(HOME)", nullptr), XABuildSettingValue("$(HOME)"));
}
