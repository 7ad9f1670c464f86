// Which warnings compiler arguments put in force, on the loaded compiler's defaults and warning groups.

#include "codemodel/clang/XACompilerWarningFlags.h"

#include "codemodel/XALibclangTestSupport.h"
#include "codemodel/XATranslationUnit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const XACompilerWarningCatalogue &loadedCompiler() {
    EXPECT_TRUE(XALoadStagedLibclang());
    return XACompilerWarningCatalogue::loadedCompiler();
}

struct EnabledCase {
    const char *title;
    std::vector<std::string> arguments;
    std::vector<std::string> inForce;
    std::vector<std::string> notInForce;
};

} // namespace

TEST(XACompilerWarningFlagsTest, ArgumentsAddAndRemoveWarningsAndTheirGroupsInOrder) {
    const XACompilerWarningCatalogue &catalogue = loadedCompiler();
    const std::vector<EnabledCase> cases = {
        {"a later -Wno- wins", {"-Wshadow", "-Wno-shadow"}, {}, {"shadow"}},
        {"a later -W wins", {"-Wno-shadow", "-Wshadow"}, {"shadow"}, {}},
        {"defaults without arguments", {}, {"return-type", "int-conversion"}, {"shadow", "sign-compare"}},
        {"-w clears defaults and earlier flags", {"-Wshadow", "-w"}, {}, {"shadow", "return-type"}},
        {"flags after -w count again", {"-w", "-Wshadow"}, {"shadow"}, {"return-type"}},
        {"-Wextra enables its members", {"-Wextra"}, {"extra", "sign-compare", "unused-parameter"}, {"shadow"}},
        {"members nested two levels down", {"-Wall"}, {"all", "most", "unused-variable"}, {"sign-compare"}},
        {"a later -Wno- of the group removes its members",
         {"-Wsign-compare", "-Wextra", "-Wno-extra"},
         {},
         {"extra", "sign-compare"}},
        {"-Werror= enables the warning", {"-Werror=shadow"}, {"shadow"}, {"error"}},
        {"-Werror names no group", {"-Werror"}, {"error"}, {"shadow"}},
        {"-W alone stands for -Wextra", {"-W"}, {"sign-compare"}, {}},
    };
    for (const EnabledCase &testCase : cases) {
        const std::set<std::string> enabled = XAWarningsEnabledByArguments(testCase.arguments, catalogue);
        for (const std::string &name : testCase.inForce) {
            EXPECT_TRUE(enabled.count(name)) << testCase.title << ": " << name;
        }
        for (const std::string &name : testCase.notInForce) {
            EXPECT_FALSE(enabled.count(name)) << testCase.title << ": " << name;
        }
    }
}

TEST(XACompilerWarningFlagsTest, OnlyWarningArgumentsAreTaken) {
    EXPECT_EQ(XAWarningArguments(
                  {"-x", "objective-c", "-Wall", "-w", "-working-directory", "-W", "-DW", "-Wl,-ObjC", "-", "-I/w"}),
              (std::vector<std::string>{"-Wall", "-w", "-working-directory", "-W", "-Wl,-ObjC"}));
}

TEST(XACompilerWarningFlagsTest, WarningsAsErrorsFollowTheLastFlagThatNamesThem) {
    const XACompilerWarningCatalogue &catalogue = loadedCompiler();
    struct FlagCase {
        std::vector<std::string> flags;
        bool inForce;
    };
    const std::vector<FlagCase> cases = {
        {{}, false},
        {{"-Werror"}, true},
        {{"-Werror", "-Wno-error"}, false},
        {{"-Wno-error", "-Werror"}, true},
        {{"-Werror", "-w"}, true}, // -w silences warnings, not the promotion of warnings to errors
        {{"-Weverything"}, false}, // nor does -Weverything promote them
        {{"-Werror=shadow"}, false},
    };
    for (const FlagCase &testCase : cases) {
        std::string flags;
        for (const std::string &flag : testCase.flags) {
            flags += flag + " ";
        }
        EXPECT_EQ(XAWarningIsInForceByFlags("error", testCase.flags, catalogue), testCase.inForce) << flags;
    }
    EXPECT_TRUE(XAWarningIsInForceByFlags("shadow", {"-Weverything"}, catalogue));
    EXPECT_TRUE(XAWarningIsInForceByFlags("shadow", {"-Wno-shadow", "-Werror=shadow"}, catalogue));
    EXPECT_FALSE(XAWarningIsInForceByFlags("return-type", {"-w"}, catalogue));
    EXPECT_TRUE(XAWarningIsInForceByFlags("return-type", {}, catalogue)) << "on by default";
}

TEST(XACompilerWarningFlagsTest, GroupMembersAreReadOnceAndNested) {
    ASSERT_TRUE(XALoadStagedLibclang());
    const std::set<std::string> &extra = XAClangWarningGroupMembers("extra");
    EXPECT_EQ(&extra, &XAClangWarningGroupMembers("extra"));
    EXPECT_TRUE(extra.count("sign-compare"));
    EXPECT_TRUE(extra.count("missing-designated-field-initializers")) << "a member of a member";
    EXPECT_FALSE(extra.count("extra"));
    EXPECT_TRUE(XAClangWarningGroupMembers("no-such-group").empty());
    EXPECT_TRUE(XAClangWarningGroupMembers("sign-compare").empty());
}
