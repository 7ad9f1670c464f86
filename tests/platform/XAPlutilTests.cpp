#include "platform/XAStagedProgramSupport.h"

#include "core/XAPropertyList.h"
#include "core/XAString.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace XAStagedPrograms;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

XATaskResults plutil(const std::vector<std::string> &arguments) {
    return run(developerTool("plutil"), arguments, cleanEnvironment());
}

const char *const kXMLPlist = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                              "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                              "<plist version=\"1.0\">\n<dict>\n\t<key>CFBundleName</key>\n\t<string>Shop</string>\n"
                              "</dict>\n</plist>\n";

} // namespace

TEST(PlutilStandInTest, ReadableFilesOfEveryFormatAreOK) {
    TemporaryFolder folder;
    XAError error;
    const std::optional<std::string> binary =
        XABinaryPropertyListData(XAValue(XADictionary{{"a", XAValue(1)}}), &error);
    ASSERT_TRUE(binary) << error.message;
    const std::vector<std::pair<std::string, std::string>> files = {
        {"Info.plist", kXMLPlist},
        {"Binary.plist", *binary},
        {"project.pbxproj", "// !$*UTF8*$!\n{ archiveVersion = 1; objects = { }; }\n"},
        {"Localizable.strings", "/* greeting */\n\"hello\" = \"Hallo\";\n\"bye\";\n"},
        {"UTF16.strings", std::string("\xFF\xFE\"\0k\0\"\0=\0\"\0v\0\"\0;\0", 18)},
        {"Empty.STRINGS", ""}, // an empty table is a valid table
    };
    std::vector<std::string> arguments = {"-lint"};
    std::string expectedOutput;
    for (const auto &[name, contents] : files) {
        writeFile(folder.path() + "/" + name, contents);
        arguments.push_back(folder.path() + "/" + name);
        expectedOutput += folder.path() + "/" + name + ": OK\n";
    }
    XATaskResults results = plutil(arguments);
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    EXPECT_EQ(standardOutput(results), expectedOutput);
    EXPECT_EQ(standardError(results), "");

    arguments.insert(arguments.begin() + 1, "-s");
    results = plutil(arguments);
    EXPECT_EQ(results.exitStatus, 0);
    EXPECT_EQ(standardOutput(results), "");
}

TEST(PlutilStandInTest, AFileThatCannotBeReadIsReportedWithTheLineAndStatusOne) {
    TemporaryFolder folder;
    struct Case {
        std::string name;
        std::string contents;
        std::string reportStart; // after "<file>: "; a line number is followed by the reader's message
    };
    const std::vector<Case> cases = {
        {"BrokenXML.plist",
         "<?xml version=\"1.0\"?>\n<plist version=\"1.0\">\n<dict>\n<key>a</key>\n<strin>x</string>\n", "line 5: "},
        {"Broken.pbxproj", "{\n\tobjects = {\n\t\tA = B C;\n\t};\n}\n", "line 3: "},
        {"Truncated.strings", "\"a\" = \"1\";\n\"b\" = \"2", "line 2: "},
        {"Array.strings", "(\"a\", \"b\")\n", "line 1: "},                  // a table must be a dictionary
        {"JSON.plist", "{\n  \"CFBundleName\": \"Shop\"\n}\n", "line 2: "}, // JSON is no property list
        {"Empty.plist", "", "the file is empty"},
        {"Damaged.plist", "bplist00\x01\x02", ""},
    };
    std::vector<std::string> arguments = {"-lint"};
    for (const Case &testCase : cases) {
        writeFile(folder.path() + "/" + testCase.name, testCase.contents);
        arguments.push_back(folder.path() + "/" + testCase.name);
    }
    writeFile(folder.path() + "/Good.plist", kXMLPlist);
    arguments.push_back(folder.path() + "/Good.plist"); // later files are still checked

    const XATaskResults results = plutil(arguments);
    EXPECT_EQ(results.exitStatus, 1);
    const std::vector<std::string> lines = xa_lines(standardOutput(results));
    ASSERT_EQ(lines.size(), cases.size() + 2) << standardOutput(results); // the last line is empty
    for (std::size_t index = 0; index < cases.size(); ++index) {
        const std::string prefix = folder.path() + "/" + cases[index].name + ": ";
        EXPECT_THAT(lines[index], StartsWith(prefix + cases[index].reportStart));
        if (cases[index].reportStart.empty() || cases[index].reportStart.ends_with(": ")) {
            EXPECT_GT(lines[index].size(), prefix.size() + cases[index].reportStart.size()) << lines[index];
        }
        EXPECT_THAT(lines[index], ::testing::Not(HasSubstr(": OK")));
    }
    EXPECT_EQ(lines[cases.size()], folder.path() + "/Good.plist: OK");
}

TEST(PlutilStandInTest, MissingFilesAndFoldersSaySo) {
    TemporaryFolder folder;
    for (const std::string &path : {folder.path() + "/Missing.plist", folder.path()}) {
        const XATaskResults results = plutil({"-lint", path});
        EXPECT_EQ(results.exitStatus, 1) << path;
        EXPECT_EQ(standardOutput(results),
                  path + ": file does not exist or is not readable or is not a regular file\n");
    }
}

TEST(PlutilStandInTest, ReadsStandardInputForADash) {
    for (const auto &[input, status, output] : std::vector<std::tuple<std::string, int, std::string>>{
             {"{ a = b; }", 0, "-: OK\n"}, {"{ a = ", 1, "-: line 1: "}}) {
        const XATaskResults results =
            XATask::xa_execute(developerTool("plutil"), {"-lint", "-"}, std::nullopt, input,
                               [](XATaskSetup &setup) { setup.environment = cleanEnvironment(); });
        EXPECT_EQ(results.exitStatus, status) << input;
        EXPECT_THAT(standardOutput(results), StartsWith(output)) << input;
    }
}

TEST(PlutilStandInTest, WithoutFilesOrWithAnUnknownOptionItPrintsItsUsage) {
    for (const std::vector<std::string> &arguments :
         std::vector<std::vector<std::string>>{{}, {"-lint"}, {"-lint", "-s"}, {"-convert", "xml1", "Info.plist"}}) {
        const XATaskResults results = plutil(arguments);
        EXPECT_EQ(results.exitStatus, 64);
        EXPECT_EQ(standardOutput(results), "");
        EXPECT_THAT(standardError(results), HasSubstr("Usage: plutil"));
    }
    TemporaryFolder folder;
    writeFile(folder.path() + "/-s", kXMLPlist);
    const XATaskResults results = plutil({"-lint", "--", folder.path() + "/-s"});
    EXPECT_EQ(results.exitStatus, 0);
}
