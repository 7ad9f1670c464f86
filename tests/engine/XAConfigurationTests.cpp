#include "engine/config/XAConfiguration.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using Array = XAOptionValue::Array;

std::uint64_t processorCount() { return std::max(1u, std::thread::hardware_concurrency()); }

void set(XAConfiguration &configuration, const char *name, const XAOptionValue &value) {
    const XAConfigurationOption *option = XAConfiguration::appOptionWithLongName(name);
    ASSERT_NE(option, nullptr) << name;
    configuration.setValue(value, *option);
}

TEST(XAConfigurationTest, AppOptionTableHasEveryOptionInItsOrder) {
    struct Row {
        const char *longName;
        const char *shortName;
        XAOptionValueType type;
        XAOptionDomain domain;
    };
    const Row rows[] = {
        {"target", "t", 2, 5},
        {"buildConfig", "b", 2, 5},
        {"rules", "r", 7, 5},
        {"onlyRules", nullptr, 7, 5},
        {"ruleTags", "g", 7, 5},
        {"excludedRules", nullptr, 7, 5},
        {"configFile", "c", 1, 1},
        {"fileExclusionPrefixes", "x", 7, 7},
        {"fileExclusionXcodeGroups", nullptr, 7, 7},
        {"fileExclusionRegexes", nullptr, 9, 7},
        {"minErrorStatusSeverity", nullptr, 2, 5},
        {"workspace", nullptr, 1, 7},
        {"scheme", nullptr, 2, 7},
        {"numConcurrentJobs", nullptr, 5, 7},
        {"extraCompilerArgs", nullptr, 8, 7},
        {"extraXcodebuildArgs", nullptr, 8, 7},
        {"fullBuild", "f", 4, 7},
        {"cacheBuildLog", nullptr, 4, 7},
        {"useOwnModulesCache", nullptr, 4, 7},
        {"processOnlyTargetPCHs", nullptr, 4, 7},
        {"verbose", "v", 4, 7},
        {"outputFormat", "o", 2, 5},
    };
    const std::vector<XAConfigurationOption> &options = XAConfiguration::appOptions();
    ASSERT_EQ(options.size(), std::size(rows));
    for (size_t i = 0; i < options.size(); ++i) {
        const XAConfigurationOption &option = options[i];
        EXPECT_EQ(option.longName(), rows[i].longName);
        EXPECT_EQ(option.shortName(), rows[i].shortName ? std::optional<std::string>(rows[i].shortName) : std::nullopt)
            << rows[i].longName;
        EXPECT_EQ(option.valueType(), rows[i].type) << rows[i].longName;
        EXPECT_EQ(option.optionDomain(), rows[i].domain) << rows[i].longName;
        EXPECT_TRUE(option.isPublic());
        EXPECT_EQ(option.appliesToCommands(),
                  option.longName() == "verbose" ? std::vector<std::string>{} : std::vector<std::string>{"check"});
        EXPECT_FALSE(option.optionDescription().empty());
    }
    EXPECT_EQ(XAConfiguration::descriptionForAppOption("configFile"), "Tessary configuration file to use");
    EXPECT_EQ(XAConfiguration::appOptionWithLongName("numConcurrentJobs")->optionInfo(),
              "If the value is omitted (or 0), Tessary decides an appropriate number.");
    EXPECT_EQ(XAConfiguration::appOptionWithLongName("scheme")->optionInfo(),
              "Specify this (along with the `workspace` option) if the project cannot be built independently.");
    EXPECT_EQ(XAConfiguration::appOptionWithLongName("minErrorStatusSeverity")->valueTypeDisplayName(),
              "\"Concern\" / \"Warning\" / \"Error\" / \"Fatal\" / \"None\"");
    EXPECT_EQ(XAConfiguration::appOptionWithLongName("outputFormat")->allowedValuesDisplayFormat(),
              "\"human\" / \"json\" / \"plist\" / \"xcode\"");
}

TEST(XAConfigurationTest, FreshConfigurationHoldsTheDefaults) {
    XAConfiguration configuration;
    // Options without a default are absent: target, buildConfig, configFile, workspace, scheme, numConcurrentJobs.
    EXPECT_EQ(configuration.mainOptionValuesDictionary().size(), 16u);
    EXPECT_FALSE(configuration.valueOfOptionWithName("target"));
    EXPECT_EQ(configuration.valueOfOptionWithName("ruleTags"), XAOptionValue(Array{"Recommended"}));
    EXPECT_EQ(configuration.valueOfOptionWithName("minErrorStatusSeverity"), XAOptionValue("Error"));
    EXPECT_EQ(configuration.valueOfOptionWithName("outputFormat"), XAOptionValue("human"));

    EXPECT_FALSE(configuration.targetName());
    EXPECT_FALSE(configuration.buildConfigName());
    EXPECT_FALSE(configuration.associatedWorkspacePath());
    EXPECT_FALSE(configuration.associatedWorkspaceSchemeName());
    EXPECT_FALSE(configuration.originalLoadFilePath());
    EXPECT_EQ(configuration.ruleTags(), std::vector<std::string>{"Recommended"});
    EXPECT_EQ(configuration.fileExclusionXcodeGroups(), std::vector<std::string>{"Vendor"});
    EXPECT_TRUE(configuration.extraCompilerArgs().empty());
    EXPECT_TRUE(configuration.extraXcodebuildArgs().empty());
    EXPECT_EQ(configuration.numberOfConcurrentFileCheckingJobs(), processorCount());
    EXPECT_EQ(configuration.minimumErrorStatusSeverity(), 9);
    EXPECT_EQ(configuration.outputFormat(), "human");
    EXPECT_FALSE(configuration.verbose());
    EXPECT_FALSE(configuration.performFullBuild());
    EXPECT_TRUE(configuration.useDiskCachedBuildLog());
    EXPECT_TRUE(configuration.saveBuildLogIntoDiskCache());
    EXPECT_TRUE(configuration.useOwnModulesCachePath());
    EXPECT_TRUE(configuration.processOnlyTargetPCHs());
    EXPECT_TRUE(configuration.usePrecompiledHeader());
    EXPECT_TRUE(configuration.useOwnSymrootPathForXcodebuild());
}

TEST(XAConfigurationTest, AccessorsReadTheStoredValues) {
    XAConfiguration configuration;
    set(configuration, "target", "App");
    set(configuration, "workspace", "/p/App.xcworkspace");
    set(configuration, "scheme", "App Scheme");
    set(configuration, "verbose", "yes");
    set(configuration, "fullBuild", true);
    set(configuration, "cacheBuildLog", "no");
    set(configuration, "useOwnModulesCache", false);
    set(configuration, "processOnlyTargetPCHs", 0);
    set(configuration, "extraCompilerArgs", "-DB=1,-DA=1");
    set(configuration, "extraXcodebuildArgs", Array{"-sdk", "iphonesimulator"});
    set(configuration, "rules", "B,A");

    EXPECT_EQ(configuration.targetName(), "App");
    EXPECT_EQ(configuration.associatedWorkspacePath(), "/p/App.xcworkspace");
    EXPECT_EQ(configuration.associatedWorkspaceSchemeName(), "App Scheme");
    EXPECT_TRUE(configuration.verbose());
    EXPECT_TRUE(configuration.performFullBuild());
    EXPECT_FALSE(configuration.useDiskCachedBuildLog());
    EXPECT_FALSE(configuration.saveBuildLogIntoDiskCache());
    EXPECT_FALSE(configuration.useOwnModulesCachePath());
    EXPECT_FALSE(configuration.processOnlyTargetPCHs());
    // Compiler and xcodebuild arguments keep their order; rule names are kept sorted.
    EXPECT_EQ(configuration.extraCompilerArgs(), (std::vector<std::string>{"-DB=1", "-DA=1"}));
    EXPECT_EQ(configuration.extraXcodebuildArgs(), (std::vector<std::string>{"-sdk", "iphonesimulator"}));
    EXPECT_EQ(configuration.ruleShortNames(), (std::vector<std::string>{"A", "B"}));
}

TEST(XAConfigurationTest, ConcurrentJobsFallBackToTheProcessorCount) {
    struct Case {
        XAOptionValue value;
        std::uint64_t expected;
    };
    const Case cases[] = {{0, processorCount()}, {3, 3}, {"5", 5}, {"-2", processorCount()}, {"x", processorCount()}};
    for (const Case &c : cases) {
        XAConfiguration configuration;
        set(configuration, "numConcurrentJobs", c.value);
        EXPECT_EQ(configuration.numberOfConcurrentFileCheckingJobs(), c.expected) << c.value.description();
    }
}

TEST(XAConfigurationTest, MinimumErrorStatusSeverityIgnoresLetterCase) {
    const std::pair<const char *, int> cases[] = {{"Concern", 3}, {"Warning", 5}, {"Error", 9},  {"Fatal", 10},
                                                  {"None", 0},    {"error", 9},   {"FATAL", 10}, {"Errors", 0}};
    for (const auto &[name, severity] : cases) {
        XAConfiguration configuration;
        set(configuration, "minErrorStatusSeverity", name);
        EXPECT_EQ(configuration.minimumErrorStatusSeverity(), severity) << name;
    }
}

TEST(XAConfigurationTest, OutputFormatChoosesThePrinterIgnoringLetterCase) {
    const std::pair<const char *, XAOutputFormat> cases[] = {{"human", XAOutputFormat::Human},
                                                             {"JSON", XAOutputFormat::JSON},
                                                             {"plist", XAOutputFormat::Plist},
                                                             {"Xcode", XAOutputFormat::Xcode},
                                                             {"plain", XAOutputFormat::Human}};
    for (const auto &[name, format] : cases) {
        XAConfiguration configuration;
        set(configuration, "outputFormat", name);
        EXPECT_EQ(configuration.cliOutputFormat(), format) << name;
    }
    EXPECT_EQ(XAConfiguration().cliOutputFormat(), XAOutputFormat::Human);
}

TEST(XAConfigurationTest, NamesAreCaseSensitive) {
    XAConfiguration configuration;
    set(configuration, "target", "App");
    EXPECT_FALSE(configuration.valueOfOptionWithName("Target"));
    EXPECT_EQ(XAConfiguration::appOptionWithLongName("Target"), nullptr);
    EXPECT_FALSE(configuration.valueOfOptionWithName("unknown"));
}

TEST(XAConfigurationTest, NullLeavesThePreviousValue) {
    XAConfiguration configuration;
    set(configuration, "target", "App");
    set(configuration, "target", XAOptionValue());
    EXPECT_EQ(configuration.targetName(), "App");
    // A value that converts to null is stored as null and reads as no value.
    set(configuration, "workspace", "/w.xcworkspace");
    set(configuration, "workspace", "");
    EXPECT_EQ(configuration.valueOfOptionWithName("workspace"), XAOptionValue());
    EXPECT_FALSE(configuration.associatedWorkspacePath());
    // An empty scheme name names no scheme.
    set(configuration, "scheme", "");
    EXPECT_EQ(configuration.valueOfOptionWithName("scheme"), XAOptionValue(""));
    EXPECT_FALSE(configuration.associatedWorkspaceSchemeName());
}

TEST(XAConfigurationTest, EqualityIgnoresWhereTheValuesCameFrom) {
    XAConfiguration a, b;
    set(a, "verbose", true);
    set(b, "verbose", "yes");
    b.setOriginalLoadFilePath("/p/TessaryConfig/main.tessary.json");
    EXPECT_EQ(a, b);
    set(b, "scheme", "S");
    EXPECT_FALSE(a == b);
}

TEST(XAConfigurationTest, ApplyingConvertedValuesStartsFromTheDefaults) {
    XAConfiguration configuration;
    set(configuration, "target", "Old");
    configuration.applyMainOptionValuesFromDictionary({{"scheme", "S"}, {"verbose", true}});
    EXPECT_FALSE(configuration.targetName());
    EXPECT_EQ(configuration.associatedWorkspaceSchemeName(), "S");
    EXPECT_TRUE(configuration.verbose());
    EXPECT_EQ(configuration.ruleTags(), std::vector<std::string>{"Recommended"});
}

TEST(XAConfigurationTest, DumpListsStoredValuesInTableOrder) {
    XAConfiguration configuration;
    set(configuration, "target", "App");
    std::string dump = configuration.dump();
    EXPECT_TRUE(dump.starts_with("target: \"App\"\nrules: []\nonlyRules: []\nruleTags: [\"Recommended\"]\n")) << dump;
    EXPECT_NE(dump.find("\nfullBuild: no\ncacheBuildLog: yes\n"), std::string::npos) << dump;
    EXPECT_TRUE(dump.ends_with("\noutputFormat: \"human\"")) << dump;
    EXPECT_EQ(dump.find("workspace"), std::string::npos);
}

struct ExclusionCase {
    const char *option;
    XAOptionValue value;
    const char *pathOnDisk;
    const char *pathInXcode;
    bool excluded;
};

void PrintTo(const ExclusionCase &c, std::ostream *out) {
    *out << c.option << " " << c.value.description() << ": " << c.pathOnDisk << " (" << c.pathInXcode << ")";
}

class XAConfigurationFileExclusionTest : public testing::TestWithParam<ExclusionCase> {};

TEST_P(XAConfigurationFileExclusionTest, ExcludesByPrefixGroupOrPattern) {
    const ExclusionCase &c = GetParam();
    XAConfiguration configuration;
    set(configuration, "fileExclusionXcodeGroups", Array{}); // only the option under test excludes
    set(configuration, c.option, c.value);
    EXPECT_EQ(configuration.isFileExcluded(c.pathOnDisk, c.pathInXcode), c.excluded)
        << c.option << " " << c.pathOnDisk << " " << c.pathInXcode;
}

INSTANTIATE_TEST_SUITE_P(
    Options, XAConfigurationFileExclusionTest,
    testing::Values(ExclusionCase{"fileExclusionPrefixes", "HG", "/p/HGObject.m", "App/HGObject.m", true},
                    ExclusionCase{"fileExclusionPrefixes", "HG", "/p/NSString+HGExtensions.m", "App/x.m", true},
                    ExclusionCase{"fileExclusionPrefixes", "HG", "/p/MyHGView.m", "App/MyHGView.m", false},
                    ExclusionCase{"fileExclusionPrefixes", "HG", "/p/NSString+Extras+HGThing.m", "App/x.m", false},
                    ExclusionCase{"fileExclusionPrefixes", "HG", "/p/hgObject.m", "App/hgObject.m", false},
                    // An empty element (from "a,,b") is no prefix and must not exclude every file.
                    ExclusionCase{"fileExclusionPrefixes", "XY,,ZZ", "/p/Main.m", "App/Main.m", false},
                    ExclusionCase{"fileExclusionXcodeGroups", "Vendor", "/p/File.m", "App/Vendor/Lib/File.m", true},
                    ExclusionCase{"fileExclusionXcodeGroups", "Vendor", "/p/File.m", "App/Vendors/File.m", false},
                    ExclusionCase{"fileExclusionXcodeGroups", "Vendor", "/p/Vendor", "App/Vendor", false},
                    ExclusionCase{"fileExclusionXcodeGroups", "Vendor", "/p/File.m", "App/vendor/File.m", false},
                    ExclusionCase{"fileExclusionRegexes", "Pods/", "/p/Pods/AF/AF.m", "Pods/AF.m", true},
                    ExclusionCase{"fileExclusionRegexes", "Pods/", "/p/App/./../Pods/x.m", "x.m", true},
                    ExclusionCase{"fileExclusionRegexes", "Pods/", "/p/App/x.m", "Pods/x.m", false},
                    ExclusionCase{"fileExclusionRegexes", "^/p/Gen", "/p/Generated/x.m", "x.m", true}));

TEST(XAConfigurationTest, NoExclusionOptionsExcludeNothing) {
    XAConfiguration configuration;
    set(configuration, "fileExclusionXcodeGroups", Array{});
    EXPECT_FALSE(configuration.isFileExcluded("/p/Vendor/x.m", "Vendor/x.m"));
}

} // namespace
