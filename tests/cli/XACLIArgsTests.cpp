#include "cli/XACLIArgs.h"

#include "core/XAPathsTestSupport.h"
#include "engine/config/XAConfiguration.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

struct Parsed {
    XACLIArgs args;
    Strings errors;
};

Parsed parse(const Strings &entries) {
    Strings arguments = {"/usr/local/bin/tessary"};
    arguments.insert(arguments.end(), entries.begin(), entries.end());
    Strings errors;
    XACLIArgs args =
        XACLIArgs::argsWithArguments(arguments, XAConfiguration::appOptions(), [&](const XAProgressMessage &message) {
            EXPECT_EQ(message.kind(), XAProgressMessageKindError);
            errors.push_back(message.message());
        });
    return {std::move(args), std::move(errors)};
}

std::string namedText(const XACLIArgs &args, const std::string &name) {
    const XAValue *value = args.namedArgs().get(name);
    return value && value->string() ? *value->string() : value && value->boolean() ? "<true>" : "<absent>";
}

} // namespace

TEST(XACLIArgsTest, SplitsPositionalsNamedValuesAndReportsProblems) {
    struct Case {
        const char *name;
        Strings entries;
        Strings positionals;
        std::vector<std::pair<std::string, std::string>> named;
        Strings errors;
    };
    const std::vector<Case> cases = {
        {"long and short names",
         {"check", "--target", "App", "-b", "Release", "A.xcodeproj"},
         {"check", "A.xcodeproj"},
         {{"target", "App"}, {"buildConfig", "Release"}},
         {}},
        {"a boolean before a path leaves the path positional",
         {"check", "--verbose", "A.xcodeproj"},
         {"check", "A.xcodeproj"},
         {{"verbose", "<true>"}},
         {}},
        {"a boolean takes a valid boolean",
         {"check", "-v", "no", "A.xcodeproj"},
         {"check", "A.xcodeproj"},
         {{"verbose", "no"}},
         {}},
        {"a value option at the end", {"check", "--target"}, {"check"}, {}, {"Argument --target needs a value"}},
        {"a negative number is no value",
         {"check", "--numConcurrentJobs", "-2"},
         {"check"},
         {},
         {"Argument --numConcurrentJobs needs a value", "Unknown argument: -2"}},
        {"everything after -- is positional", {"a", "--", "-b", "--", "c"}, {"a", "-b", "c"}, {}, {}},
        {"names are case-sensitive", {"--Target", "x"}, {"x"}, {}, {"Unknown argument: --Target"}},
        {"a repeated option keeps its last value", {"-t", "One", "-t", "Two"}, {}, {{"target", "Two"}}, {}},
        {"compiler and xcodebuild arguments may begin with a dash",
         {"check", "--extraCompilerArgs", "-DFOO", "--extraXcodebuildArgs", "-quiet", "A.xcodeproj"},
         {"check", "A.xcodeproj"},
         {{"extraCompilerArgs", "-DFOO"}, {"extraXcodebuildArgs", "-quiet"}},
         {}},
        {"a value after =",
         {"check", "--extraCompilerArgs=-DFOO=1", "-t=App", "--verbose=no", "--target=", "A.xcodeproj"},
         {"check", "A.xcodeproj"},
         {{"extraCompilerArgs", "-DFOO=1"}, {"target", ""}, {"verbose", "no"}},
         {}},
        {"= after an unknown name or with an invalid boolean",
         {"--bogus=1", "--verbose=maybe"},
         {},
         {},
         {"Unknown argument: --bogus=1", "Argument --verbose needs a boolean value: maybe"}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const Parsed parsed = parse(testCase.entries);
        EXPECT_EQ(parsed.args.positionalArgs(), testCase.positionals);
        EXPECT_EQ(parsed.args.namedArgs().size(), testCase.named.size());
        for (const auto &[name, value] : testCase.named) {
            EXPECT_EQ(namedText(parsed.args, name), value) << name;
        }
        EXPECT_EQ(parsed.errors, testCase.errors);
        EXPECT_EQ(parsed.args.errors(), testCase.errors) << "the parse keeps the errors it reported";
        EXPECT_EQ(parsed.args.rawArgs(), testCase.entries) << "raw arguments keep every entry";
    }
}

TEST(XACLIArgsTest, CommandAndProjectPathComeFromThePositionals) {
    EXPECT_EQ(parse({"CHECK", "a", "b"}).args.command(), "check");
    EXPECT_EQ(parse({"check", "a", "b"}).args.projectPath(), "b");
    EXPECT_EQ(parse({"check", "a", "b"}).args.positionalArgsAfterCommand(), (Strings{"a", "b"}));
    EXPECT_EQ(parse({"check"}).args.projectPath(), std::nullopt);
    EXPECT_EQ(parse({}).args.command(), std::nullopt);
    EXPECT_EQ(parse({"-c", "my.tessary.json", "check"}).args.configFilePath(), "my.tessary.json");
}

TEST(XACLIArgsTest, CommandsAreValidFromTheTableInAnyCaseOrAsDeveloperCommands) {
    EXPECT_TRUE(XACLIArgs::commandIsValid("Check-Xcode"));
    EXPECT_TRUE(XACLIArgs::commandIsValid("dev_anything"));
    EXPECT_FALSE(XACLIArgs::commandIsValid("frobnicate"));
    EXPECT_FALSE(XACLIArgs::commandIsValid(std::nullopt));
    ASSERT_EQ(XACLIArgs::appCommands().size(), 11u);
    EXPECT_EQ(XACLIArgs::appCommands()[6].description,
              "Clears all Tessary internal caches for the specified Xcode project.");
}

TEST(XACLIEnvironmentTest, AnXcodeBuildPhaseSuppliesProjectTargetAndConfiguration) {
    XAScopedEnvironmentVariable projectPath("PROJECT_FILE_PATH", "/p/App.xcodeproj");
    XAScopedEnvironmentVariable productsDir("BUILT_PRODUCTS_DIR", "/p/build");
    XAScopedEnvironmentVariable targetName("TARGETNAME", "App");
    XAScopedEnvironmentVariable configurationName("CONFIGURATION", std::nullopt);
    const XACLIEnvironment environment(parse({"check"}).args);
    EXPECT_TRUE(environment.isValid()) << "the build phase names the project";
    EXPECT_EQ(environment.projectPath(), "/p/App.xcodeproj");
    EXPECT_TRUE(environment.isRunningWithinAnXcodeBuildPhase());

    XAConfiguration configuration;
    environment.modifyConfigurationFromXcodeEnvironmentVariables(configuration);
    EXPECT_EQ(configuration.targetName(), "App");
    EXPECT_EQ(configuration.buildConfigName(), std::nullopt);
    EXPECT_EQ(configuration.cliOutputFormat(), XAOutputFormat::Xcode);
}

TEST(XACLIEnvironmentTest, OutsideABuildPhaseCheckNeedsAProjectPath) {
    XAScopedEnvironmentVariable projectPath("PROJECT_FILE_PATH", "");
    XAScopedEnvironmentVariable productsDir("BUILT_PRODUCTS_DIR", std::nullopt);
    EXPECT_FALSE(XACLIEnvironment(parse({"check"}).args).isValid());
    EXPECT_TRUE(XACLIEnvironment(parse({"check", "App.xcodeproj"}).args).isValid());
    EXPECT_FALSE(XACLIEnvironment(parse({"check"}).args).isRunningWithinAnXcodeBuildPhase());
    EXPECT_TRUE(XACLIEnvironment(parse({"rules"}).args).isValid());
    EXPECT_FALSE(XACLIEnvironment(parse({"--verbose"}).args).isValid()) << "options without a command";
}
