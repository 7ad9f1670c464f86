#include "platform/XAStagedProgramSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace XAStagedPrograms;

namespace {

// A copy of the launcher in an installed tree of its own whose libexec/Tessary reports what it was started with:
// its arguments one per line between markers, then DEVELOPER_DIR and PATH.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(tree_.path().empty());
        copyProgram(launcherPath(), launcher());
        std::filesystem::permissions(launcher(), std::filesystem::perms::owner_all);
        writeFile(tree_.path() + "/libexec/Tessary",
                  "#!/bin/sh\n"
                  "for argument in \"$@\"; do printf '<%s>\\n' \"$argument\"; done\n"
                  "printf 'DEVELOPER_DIR=%s\\n' \"${DEVELOPER_DIR-unset}\"\n"
                  "printf 'PATH=%s\\n' \"$PATH\"\n",
                  true);
    }

    std::string launcher() const { return tree_.path() + "/bin/tessary"; }
    std::string treePath() const { return std::filesystem::canonical(tree_.path()).string(); }

    TemporaryFolder tree_;
};

} // namespace

TEST_F(LauncherTest, PassesArgumentsOnExactlyAfterCli) {
    const std::vector<std::string> arguments = {"check", "a b", "", "*", "$HOME", "--flag=\"quoted\"", "caf\xC3\xA9"};
    XATaskResults results = run(launcher(), arguments, cleanEnvironment());
    ASSERT_EQ(results.exitStatus, 0) << standardError(results);
    std::string expected = "<cli>\n";
    for (const std::string &argument : arguments) {
        expected += "<" + argument + ">\n";
    }
    EXPECT_EQ(standardOutput(results).rfind(expected, 0), 0u) << standardOutput(results);
}

TEST_F(LauncherTest, NamesItsOwnDeveloperDirectoryUnlessTheUserNamedOne) {
    Environment userChosen = cleanEnvironment();
    userChosen["DEVELOPER_DIR"] = "/opt/Elsewhere";
    Environment empty = cleanEnvironment();
    empty["DEVELOPER_DIR"] = "";
    struct Case {
        const char *name;
        Environment environment;
        std::string expectedDeveloperDir;
    };
    const std::vector<Case> cases = {
        {"unset", cleanEnvironment(), treePath() + "/Developer"},
        {"empty", empty, treePath() + "/Developer"},
        {"user's choice", userChosen, "/opt/Elsewhere"},
    };
    for (const Case &testCase : cases) {
        XATaskResults results = run(launcher(), {}, testCase.environment);
        ASSERT_EQ(results.exitStatus, 0) << testCase.name << ": " << standardError(results);
        const std::string output = standardOutput(results);
        EXPECT_NE(output.find("\nDEVELOPER_DIR=" + testCase.expectedDeveloperDir + "\n"), std::string::npos)
            << testCase.name << ":\n"
            << output;
        // The stand-in's tools come first on PATH in every case, ahead of the user's folders.
        EXPECT_NE(output.find("\nPATH=" + treePath() + "/Developer/usr/bin:/usr/bin:/bin\n"), std::string::npos)
            << testCase.name << ":\n"
            << output;
    }
}

TEST_F(LauncherTest, FindsItsTreeThroughSymbolicLinks) {
    TemporaryFolder elsewhere;
    const std::string link = elsewhere.path() + "/tessary";
    std::filesystem::create_symlink(launcher(), link);
    XATaskResults results = run(link, {"version"}, cleanEnvironment());
    ASSERT_EQ(results.exitStatus, 0) << standardError(results);
    EXPECT_EQ(standardOutput(results).rfind("<cli>\n<version>\nDEVELOPER_DIR=" + treePath() + "/Developer\n", 0), 0u)
        << standardOutput(results);
}
