#include "engine/XAConfigurationFileWriter.h"

#include "core/XALogTestSupport.h"
#include "core/XATemporaryFiles.h"
#include "engine/XARuleOptionGroupsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using testing::IsEmpty;

XARuleOption option(std::string name, std::string description, std::optional<XAOptionValue> defaultValue,
                    XAOptionValueType type, std::vector<XAOptionValue> allowedValues = {}) {
    return XARuleOption::ruleOptionWithName(std::move(name), std::move(description), std::nullopt,
                                            std::move(defaultValue), type, std::move(allowedValues));
}

// Groups shaped like those of real rules: a rule's own options followed by the option every rule has.
XARuleOptionGroups exampleGroups() {
    XARuleOption ignoredFiles =
        option("ignoredFileRegexes", "Regexes for ignored file paths", std::nullopt, XAOptionValueTypeRegexArray);
    return {
        {{"Options for rule: High cyclomatic complexity",
          "CyclomaticComplexity",
          {option("warningThresholdCCN", "Cyclomatic complexity number warning threshold", 10,
                  XAOptionValueTypePositiveInteger),
           ignoredFiles}},
         {"Options for rule: Dot syntax usage",
          "DotSyntax",
          {option("onlyForProperties", "Enforce dot syntax only for properties", true, XAOptionValueTypeBool),
           option("allowedMethods", "Square bracket syntax method whitelist",
                  XAOptionValue::stringArray({"new", "alloc", "release", "autorelease"}), XAOptionValueTypeStringArray),
           option("receiverStyle",
                  "How receivers of messages that could use dot syntax are written when the rule reports them",
                  "unchanged", XAOptionValueTypeString,
                  {"unchanged", "parenthesised", "plain", "self-qualified", "explicit"}),
           ignoredFiles}},
         {"Options for rule: Without options", "NoOptions", {}}},
        {{"Options for rule: Not ready",
          "Experimental",
          {option("limit", "Limit", 3, XAOptionValueTypePositiveInteger), ignoredFiles}}}};
}

class XAConfigurationFileWriterTest : public testing::Test {
protected:
    void SetUp() override {
        std::optional<std::string> folder = XATemporaryDirectoryPath("XAConfigurationFileWriterTest-XXXXXXXX");
        ASSERT_TRUE(folder);
        folder_ = *folder;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Writes the text and reads it back as a configuration file, collecting the reader's messages.
    XAConfiguration readBack(const std::string &text) {
        std::string path = folder_ + "/main.tessary.json";
        std::ofstream(path, std::ios::binary) << text;
        messages_.clear();
        return XAConfiguration::configFromFile(
            path, [this](const XAProgressMessage &message) { messages_.push_back(message.message()); });
    }

    XAScopedRuleOptionGroups groups_{exampleGroups()};
    std::string folder_;
    std::vector<std::string> messages_;
};

void set(XAConfiguration &configuration, const char *name, const XAOptionValue &value) {
    configuration.setValue(value, *XAConfiguration::appOptionWithLongName(name));
}

// The line that holds an entry's key; empty when there is none.
std::string entryLine(const std::string &text, const std::string &key) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("\"" + key + "\": ") != std::string::npos) {
            return line;
        }
    }
    return {};
}

bool isCommentedOut(const std::string &line) { return line.find_first_not_of(' ') == line.find("//"); }

std::vector<std::string> activeMainKeys(const std::string &text) {
    std::vector<std::string> keys;
    for (const XAConfigurationOption &option : XAConfiguration::appOptions()) {
        std::string line = entryLine(text, option.longName());
        if (!line.empty() && !isCommentedOut(line)) {
            keys.push_back(option.longName());
        }
    }
    return keys;
}

TEST_F(XAConfigurationFileWriterTest, CommentingOutDefaultsLeavesOnlyNullDefaultsActive) {
    std::string text = XAConfigurationFileWriter::jsonConfigFileRepresentation(XAConfiguration(), "Header", true);
    EXPECT_THAT(activeMainKeys(text), testing::ElementsAre("target", "buildConfig", "numConcurrentJobs"));
    EXPECT_EQ(entryLine(text, "target"), "    \"target\": null,");
    // An unset workspace has no default at all, so it equals its default and is commented out.
    EXPECT_EQ(entryLine(text, "workspace"), "    //\"workspace\": null,");
    EXPECT_TRUE(isCommentedOut(entryLine(text, "warningThresholdCCN")));
    EXPECT_TRUE(isCommentedOut(entryLine(text, "ignoredFileRegexes")));
}

TEST_F(XAConfigurationFileWriterTest, WithoutCommentingOutEveryValidEntryIsActive) {
    XAConfiguration configuration;
    set(configuration, "outputFormat", "pdf"); // reading a file can store a value outside the allowed ones
    std::string text = XAConfigurationFileWriter::jsonConfigFileRepresentation(configuration, "Header", false);
    std::vector<std::string> expected;
    for (const XAConfigurationOption &option : XAConfiguration::appOptions()) {
        if (option.longName() != "configFile" && option.longName() != "outputFormat") {
            expected.push_back(option.longName());
        }
    }
    EXPECT_EQ(activeMainKeys(text), expected);
    EXPECT_EQ(entryLine(text, "configFile"), "");
    EXPECT_EQ(entryLine(text, "outputFormat"), "    //\"outputFormat\": \"pdf\",");
    // The last active entry carries a comma because "ruleOptions" follows; the last group has none.
    EXPECT_EQ(entryLine(text, "processOnlyTargetPCHs"), "    \"processOnlyTargetPCHs\": true,");
    EXPECT_EQ(entryLine(text, "verbose"), "    \"verbose\": false,");
    EXPECT_EQ(entryLine(text, "DotSyntax"), "        \"DotSyntax\": {");
    EXPECT_NE(text.find("\n        }\n    }\n}\n"), std::string::npos) << text;
}

TEST_F(XAConfigurationFileWriterTest, ASingleDefaultTagIsADefaultAndTwoTagsAreSorted) {
    XAConfiguration configuration;
    std::string text = XAConfigurationFileWriter::jsonConfigFileRepresentation(configuration, "Header", true);
    EXPECT_EQ(entryLine(text, "ruleTags"), "    //\"ruleTags\": [\"Recommended\"],");
    set(configuration, "ruleTags", XAOptionValue::stringArray({"Style", "Recommended"}));
    text = XAConfigurationFileWriter::jsonConfigFileRepresentation(configuration, "Header", true);
    EXPECT_EQ(entryLine(text, "ruleTags"), "    \"ruleTags\": [\"Recommended\",\"Style\"],");
}

TEST_F(XAConfigurationFileWriterTest, GroupsWithoutOptionsAreLeftOutAndDefaultOnlyGroupsHoldOnlyComments) {
    std::string text = XAConfigurationFileWriter::jsonConfigFileRepresentation(XAConfiguration(), "Header", true);
    EXPECT_EQ(entryLine(text, "NoOptions"), "");
    EXPECT_NE(text.find("        // Options for rule: High cyclomatic complexity\n"
                        "        \"CyclomaticComplexity\": {\n"
                        "            // Cyclomatic complexity number warning threshold (Positive\n"
                        "            // integer)\n"
                        "            //\"warningThresholdCCN\": 10\n"
                        "            // Regexes for ignored file paths (Array of regular expression\n"
                        "            // strings)\n"
                        "            //\"ignoredFileRegexes\": null\n"
                        "        },\n"),
              std::string::npos)
        << text;
    // A group of a rule that is not public is written only when the configuration holds values for it.
    EXPECT_EQ(entryLine(text, "Experimental"), "");
}

TEST_F(XAConfigurationFileWriterTest, AWrittenConfigurationReadsBackUnchanged) {
    XAConfiguration configuration = readBack(R"({
        "target": "App",
        "ruleTags": "Style,Recommended",
        "fileExclusionRegexes": ["Pods/", "\\.generated\\.m$"],
        "extraCompilerArgs": ["-DZ=1", "-DA=\"two words\""],
        "numConcurrentJobs": 3,
        "minErrorStatusSeverity": "Warning",
        "fullBuild": true,
        "ruleOptions": {
            "DotSyntax": {"allowedMethods": ["retain"], "receiverStyle": "plain"},
            "CyclomaticComplexity": {"ignoredFileRegexes": ["/Vendor/"]},
            "Experimental": {"limit": 7}
        }
    })");
    ASSERT_THAT(messages_, IsEmpty());
    for (bool commentOutDefaultValues : {false, true}) {
        XALogCapture log;
        std::string text =
            XAConfigurationFileWriter::jsonConfigFileRepresentation(configuration, "Header", commentOutDefaultValues);
        EXPECT_THAT(log.lines(), IsEmpty()) << "the written text did not parse back";
        XAConfiguration readAgain = readBack(text);
        EXPECT_THAT(messages_, IsEmpty()) << text;
        EXPECT_EQ(readAgain, configuration) << readAgain.dump() << "\n---\n" << configuration.dump();
    }
}

TEST_F(XAConfigurationFileWriterTest, TextThatDoesNotParseBackIsLoggedAndStillReturned) {
    // Keys are written unescaped, so a double quote in one breaks the file.
    XARuleOptionGroups groups;
    groups.publicGroups.push_back({"Options", "Quoted", {option("say\"what", "Text", "x", XAOptionValueTypeString)}});
    XAScopedRuleOptionGroups broken(groups);
    XALogCapture log;
    std::string text = XAConfigurationFileWriter::jsonConfigFileRepresentation(XAConfiguration(), "Header", false);
    EXPECT_NE(text.find("\"say\"what\": \"x\""), std::string::npos);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].first, XALogLevelWarning);
    EXPECT_THAT(log.lines()[0].second,
                testing::StartsWith("Oh snap, we seem to have created invalid config file JSON. -- "));
}

TEST_F(XAConfigurationFileWriterTest, ExampleConfigurationMatchesTheGoldenFile) {
    std::ifstream golden(std::string(TESSARY_FIXTURES_DIR) + "/config/example.tessary.json", std::ios::binary);
    ASSERT_TRUE(golden) << "missing golden file";
    std::string expected((std::istreambuf_iterator<char>(golden)), std::istreambuf_iterator<char>());
    EXPECT_EQ(XAConfigurationFileWriter::exampleJSONConfigFile(), expected);
}

TEST_F(XAConfigurationFileWriterTest, ExampleConfigurationReadsBackAsTheDefaults) {
    XAConfiguration configuration = readBack(XAConfigurationFileWriter::exampleJSONConfigFile());
    EXPECT_THAT(messages_, IsEmpty());
    EXPECT_EQ(configuration, XAConfiguration());
}

} // namespace
