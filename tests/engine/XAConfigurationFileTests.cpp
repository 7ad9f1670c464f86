#include "engine/config/XAConfiguration.h"

#include "core/XATemporaryFiles.h"
#include "engine/XARuleOptionGroupsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using testing::ElementsAre;
using testing::StartsWith;

class XAConfigurationFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::optional<std::string> folder = XATemporaryDirectoryPath("XAConfigurationFileTest-XXXXXXXX");
        ASSERT_TRUE(folder);
        folder_ = *folder;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string write(const std::string &name, const std::string &contents) {
        std::string path = folder_ + "/" + name;
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }

    // Reads a file, collecting the messages; every message must be an error.
    XAConfiguration read(const std::optional<std::string> &path) {
        messages_.clear();
        return XAConfiguration::configFromFile(path, [this](const XAProgressMessage &message) {
            EXPECT_EQ(message.kind(), XAProgressMessageKindError);
            messages_.push_back(message.message());
        });
    }

    XAConfiguration readJSON(const std::string &json) { return read(write("main.tessary.json", json)); }

    std::string folder_;
    std::vector<std::string> messages_;
};

TEST_F(XAConfigurationFileTest, ReadsAFileWithComments) {
    std::string path = write("main.tessary.json", R"(// Example JSON configuration file for Tessary
{
    // Xcode target to check (String)
    "target": "App",
    /* a block comment
       over two lines */
    "buildConfig": "Debug",
    // "scheme": "commented out",
    "ruleTags": ["Style", "Recommended"],
    "fileExclusionRegexes": "Pods/,\\.generated\\.m$",
    "numConcurrentJobs": 4,
    "extraCompilerArgs": ["-DZ", "-DA"],
    "fullBuild": "yes",
    "cacheBuildLog": false,
    "outputFormat": "json"
}
)");
    XAConfiguration configuration = read(path);
    EXPECT_THAT(messages_, testing::IsEmpty());
    EXPECT_EQ(configuration.originalLoadFilePath(), path);
    EXPECT_EQ(configuration.targetName(), "App");
    EXPECT_EQ(configuration.buildConfigName(), "Debug");
    EXPECT_FALSE(configuration.associatedWorkspaceSchemeName());
    EXPECT_THAT(configuration.ruleTags(), ElementsAre("Recommended", "Style"));
    ASSERT_EQ(configuration.fileExclusionRegexes().size(), 2u);
    EXPECT_EQ(configuration.fileExclusionRegexes()[0].pattern(), "Pods/"); // sorted by pattern
    EXPECT_EQ(configuration.numberOfConcurrentFileCheckingJobs(), 4u);
    EXPECT_THAT(configuration.extraCompilerArgs(), ElementsAre("-DZ", "-DA"));
    EXPECT_TRUE(configuration.performFullBuild());
    EXPECT_FALSE(configuration.useDiskCachedBuildLog());
    EXPECT_EQ(configuration.outputFormat(), "json");
    // Options the file leaves out keep their defaults.
    EXPECT_TRUE(configuration.processOnlyTargetPCHs());
    EXPECT_THAT(configuration.fileExclusionXcodeGroups(), ElementsAre("Vendor"));
}

TEST_F(XAConfigurationFileTest, OptionKeysIgnoreLetterCase) {
    XAConfiguration configuration = readJSON(R"({"TARGET": "App", "fullbuild": true})");
    EXPECT_THAT(messages_, testing::IsEmpty());
    EXPECT_EQ(configuration.targetName(), "App");
    EXPECT_TRUE(configuration.performFullBuild());
}

TEST_F(XAConfigurationFileTest, ReportsBadEntriesAndAppliesTheRest) {
    XAConfiguration configuration = readJSON(R"({
        "configFile": "other.json",
        "colour": "blue",
        "numConcurrentJobs": "many",
        "fullBuild": "maybe",
        "outputFormat": "pdf",
        "rules": 5,
        "target": null,
        "scheme": "App"
    })");
    EXPECT_THAT(messages_,
                ElementsAre("Unknown config file option: configFile", "Unknown config file option: colour",
                            "Option 'numConcurrentJobs' in config file: Value must be a number (value given: many)",
                            "Option 'fullBuild' in config file: Value must be a boolean ('yes' or 'no') (value given: "
                            "maybe)",
                            "Option 'outputFormat' in config file: Value must be one of: \"human\" / \"json\" / "
                            "\"plist\" / \"xcode\" (value given: pdf)",
                            "Option 'rules' in config file: Value must be an array that contains strings (value "
                            "given: 5)"));
    // Invalid values are stored as their conversion; null leaves the target unset without a message.
    EXPECT_EQ(configuration.valueOfOptionWithName("numConcurrentJobs"), XAOptionValue(0));
    EXPECT_EQ(configuration.numberOfConcurrentFileCheckingJobs(), std::max(1u, std::thread::hardware_concurrency()));
    EXPECT_FALSE(configuration.performFullBuild());
    EXPECT_EQ(configuration.outputFormat(), "pdf");
    EXPECT_TRUE(configuration.ruleShortNames().empty());
    EXPECT_FALSE(configuration.targetName());
    EXPECT_EQ(configuration.associatedWorkspaceSchemeName(), "App");
}

TEST_F(XAConfigurationFileTest, MinimumErrorSeverityIgnoresCaseAndKeepsItsValueWhenInvalid) {
    XAConfiguration configuration = readJSON(R"({"minErrorStatusSeverity": "warning"})");
    EXPECT_THAT(messages_, testing::IsEmpty());
    EXPECT_EQ(configuration.valueOfOptionWithName("minErrorStatusSeverity"), XAOptionValue("Warning"));
    EXPECT_EQ(configuration.minimumErrorStatusSeverity(), 5);

    configuration = readJSON(R"({"minErrorStatusSeverity": "Severe"})");
    EXPECT_THAT(messages_, ElementsAre("Option 'minErrorStatusSeverity' in config file: Value must be one of: "
                                       "\"Concern\" / \"Warning\" / \"Error\" / \"Fatal\" / \"None\" (value given: "
                                       "Severe)"));
    EXPECT_EQ(configuration.minimumErrorStatusSeverity(), 9);

    // Arguments laid over a file's value keep it when they are invalid.
    std::vector<std::string> messages;
    configuration.applyValuesFromArgs({{"minErrorStatusSeverity", "concern"}}, nullptr);
    configuration.applyValuesFromArgs({{"minerrorstatusseverity", 5}},
                                      [&](const XAProgressMessage &message) { messages.push_back(message.message()); });
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(configuration.minimumErrorStatusSeverity(), 3);
}

// A workspace path given as an argument is relative to the folder the command runs in, and xcodebuild later runs in
// the project's folder: the argument is made absolute. A file's path, and an empty argument, stay as written.
TEST_F(XAConfigurationFileTest, RelativeFilePathArgumentsAreMadeAbsolute) {
    const std::string here = std::filesystem::current_path().string();
    struct Case {
        std::string given;
        std::optional<std::string> stored;
    };
    const Case cases[] = {
        {"Shop/Shop.xcworkspace", here + "/Shop/Shop.xcworkspace"},
        {"./Shop.xcworkspace", here + "/Shop.xcworkspace"},
        {"/abs/Shop.xcworkspace", "/abs/Shop.xcworkspace"},
        {"", std::nullopt},
    };
    for (const Case &c : cases) {
        XAConfiguration configuration;
        configuration.applyValuesFromArgs({{"workspace", c.given}}, nullptr);
        EXPECT_EQ(configuration.associatedWorkspacePath(), c.stored) << c.given;
    }
    XAConfiguration fromFile = readJSON(R"({"workspace": "Shop/Shop.xcworkspace"})");
    EXPECT_EQ(fromFile.associatedWorkspacePath(), "Shop/Shop.xcworkspace");
}

TEST_F(XAConfigurationFileTest, ReportsFilesThatCannotBeRead) {
    struct Case {
        std::optional<std::string> path;
        std::string message; // a prefix
    };
    std::string missing = folder_ + "/missing.json";
    std::string folderNamedJSON = folder_ + "/folder.json";
    std::filesystem::create_directory(folderNamedJSON);
    const Case cases[] = {
        {std::nullopt, "Supplied configuration file path is empty"},
        {"", "Cannot find configuration file: "},
        {missing, "Cannot find configuration file: " + missing},
        {write("config.txt", "{}"), "Unknown file extension 'txt' for configuration file (must be .json)"},
        {write("config", "{}"), "Unknown file extension '' for configuration file (must be .json)"},
        {write("broken.json", "{\"target\": \"App\""), "Cannot interpret JSON configuration file: "},
        {write("list.json", "[\"target\"]"), "Cannot interpret JSON configuration file: "},
        {write("empty.json", ""), "Cannot interpret JSON configuration file: "},
        {write("latin1.json", "{\"target\": \"Caf\xe9\"}"), "Cannot read JSON configuration file: "},
        {folderNamedJSON, "Cannot read JSON configuration file: "},
    };
    for (const Case &c : cases) {
        XAConfiguration configuration = read(c.path);
        ASSERT_EQ(messages_.size(), 1u) << c.path.value_or("<none>");
        EXPECT_THAT(messages_[0], StartsWith(c.message));
        if (c.message.ends_with(": ") && c.path != "") {
            EXPECT_GT(messages_[0].size(), c.message.size()) << "the reason is missing: " << messages_[0];
        }
        // The defaults are what remains, and the configuration was not loaded from anywhere.
        EXPECT_EQ(configuration, XAConfiguration());
        EXPECT_FALSE(configuration.originalLoadFilePath());
    }
}

TEST_F(XAConfigurationFileTest, AcceptsTheExtensionInAnyCase) {
    XAConfiguration configuration = read(write("Main.Tessary.JSON", R"({"verbose": true})"));
    EXPECT_THAT(messages_, testing::IsEmpty());
    EXPECT_TRUE(configuration.verbose());
}

TEST_F(XAConfigurationFileTest, ArgumentsMayNameCommandLineOptionsButNotRuleOptions) {
    XAConfiguration configuration;
    std::vector<std::string> messages;
    XADictionary arguments{{"configFile", "/p/other.json"},
                           {"verbose", true},
                           {"numconcurrentjobs", "3"},
                           {"nonsense", "x"},
                           {"ruleOptions", XADictionary{}}};
    configuration.applyValuesFromDictionary(
        arguments, true, [&](const XAProgressMessage &message) { messages.push_back(message.message()); });
    EXPECT_THAT(messages, ElementsAre("Unknown argument option: nonsense"));
    EXPECT_EQ(configuration.valueOfOptionWithName("configFile"), XAOptionValue("/p/other.json"));
    EXPECT_TRUE(configuration.verbose());
    EXPECT_EQ(configuration.numberOfConcurrentFileCheckingJobs(), 3u);
}

XARuleOptionGroups exampleRuleGroups() {
    using Option = XARuleOption;
    return {
        {{"Options for rule: Long name",
          "LongName",
          {Option::ruleOptionWithName("maxLength", "Maximum length", std::nullopt, 40,
                                      XAOptionValueTypePositiveInteger),
           Option::ruleOptionWithName("allowedNames", "Allowed names", std::nullopt, XAOptionValue::Array{},
                                      XAOptionValueTypeStringArray)}},
         {"No options", "NoOptions", {}}},
        {{"Options for rule: Hidden",
          "Hidden",
          {Option::ruleOptionWithName("threshold", "Threshold", std::nullopt, 10, XAOptionValueTypePositiveInteger)}}}};
}

TEST_F(XAConfigurationFileTest, PublicRuleOptionsStartFromTheirDefaults) {
    XAScopedRuleOptionGroups groups(exampleRuleGroups());
    XAConfiguration configuration;
    EXPECT_EQ(configuration.valueOfRuleOption("LongName", "maxLength"), XAOptionValue(40));
    EXPECT_EQ(configuration.ruleOptionValuesDictionary().count("NoOptions"), 0u);
    EXPECT_EQ(configuration.ruleOptionValuesDictionary().count("Hidden"), 0u);
    EXPECT_NE(configuration.dump().find("\nLongName.maxLength: 40"), std::string::npos);
    EXPECT_EQ(configuration.dump().find("Hidden"), std::string::npos);
}

TEST_F(XAConfigurationFileTest, ReadsAndValidatesRuleOptionsByGroup) {
    XAScopedRuleOptionGroups groups(exampleRuleGroups());
    XAConfiguration configuration = readJSON(R"({
        "verbose": true,
        "ruleOptions": {
            "LongName": {"MAXLENGTH": "-5", "allowedNames": "b,a", "other": 1},
            "longname": {"maxLength": 3},
            "Unknown": {},
            "NoOptions": 7,
            "Hidden": {"threshold": "abc"}
        }
    })");
    EXPECT_THAT(messages_,
                ElementsAre("Option 'LongName.maxLength' in config file: Value must be an _unsigned_ "
                            "integer: greater or equal to zero (value given: -5)",
                            "Unknown rule option for LongName: other", "Unknown rule option group: 'longname'",
                            "Unknown rule option group: 'Unknown'", "'ruleOptions.NoOptions' must be a dictionary",
                            "Option 'Hidden.threshold' in config file: Value must be a number (value given: "
                            "abc)"));
    EXPECT_TRUE(configuration.verbose());
    // Invalid values are stored as their conversion, as main options are.
    EXPECT_EQ(configuration.valueOfRuleOption("LongName", "maxLength"), XAOptionValue(0));
    EXPECT_EQ(configuration.valueOfRuleOption("LongName", "allowedNames"),
              XAOptionValue(XAOptionValue::Array{"a", "b"}));
    // A rule that is not public can be configured; its values then show in the dump.
    EXPECT_EQ(configuration.valueOfRuleOption("Hidden", "threshold"), XAOptionValue(0));
    EXPECT_NE(configuration.dump().find("\nHidden.threshold: 0"), std::string::npos);
}

TEST_F(XAConfigurationFileTest, RuleOptionsMustBeAnObject) {
    XAScopedRuleOptionGroups groups(exampleRuleGroups());
    XAConfiguration configuration = readJSON(R"({"target": "App", "ruleOptions": ["LongName"], "RULEOPTIONS": 1})");
    EXPECT_THAT(messages_, ElementsAre("'ruleOptions' must be a dictionary where the keys are rule names and values "
                                       "are dictionaries of options for the rules"));
    EXPECT_EQ(configuration.targetName(), "App");
    EXPECT_EQ(configuration.valueOfRuleOption("LongName", "maxLength"), XAOptionValue(40));
}

} // namespace
