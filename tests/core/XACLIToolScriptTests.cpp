#include "core/XACLIToolScript.h"

#include "XAPathsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

std::string contentsOf(const std::string &path) {
    std::ifstream stream(path);
    std::stringstream text;
    text << stream.rdbuf();
    return text.str();
}

// Runs a shell command line in a folder; gives its standard output and sets its exit status.
std::string runInFolder(const std::string &folder, const std::string &commandLine, int &status) {
    const std::string fullCommand = "cd '" + folder + "' && " + commandLine;
    FILE *pipe = ::popen(fullCommand.c_str(), "r");
    std::string output;
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) {
        output += buffer;
    }
    const int raw = pipe ? ::pclose(pipe) : -1;
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

std::string installedTemplate() { return contentsOf(std::string(TESSARY_SOURCE_DIR) + "/resources/tqx.sh"); }

} // namespace

TEST(XACLIToolScriptTest, EveryPlaceholderIsReplacedEverywhereAndEscapedForDoubleQuotes) {
    const XACLIToolScriptBundle bundle{"My Checker", "/Apps/Say \"hi\" $(x) `y` \\z", "© 2026 \"Q\" $HOME"};
    const struct {
        std::string templateText;
        std::string expected;
    } cases[] = {
        {"no placeholders at all\n", "no placeholders at all\n"},
        {"{{APP_NAME}}|{{APP_NAME}}", "My Checker|My Checker"},
        {"{{SAFE_APP_NAME}}", "MyChecker"},
        {"{{APP_PATH}}", "/Apps/Say \\\"hi\\\" \\$(x) \\`y\\` \\\\z"},
        {"{{APP_COPYRIGHT}} {{APP_COPYRIGHT}}", "© 2026 \\\"Q\\\" \\$HOME © 2026 \\\"Q\\\" \\$HOME"},
        {"{{APP_PATH}}{{APP_NAME}}{{app_name}}", "/Apps/Say \\\"hi\\\" \\$(x) \\`y\\` \\\\zMy Checker{{app_name}}"},
    };
    for (const auto &testCase : cases) {
        EXPECT_EQ(XAFilledCLIToolScript(testCase.templateText, bundle), testCase.expected) << testCase.templateText;
    }
    // A value that itself looks like a placeholder is not filled again.
    EXPECT_EQ(XAFilledCLIToolScript("{{APP_NAME}}", {"{{APP_PATH}}", "/x", ""}), "{{APP_PATH}}");
}

// The real template, installed for a tree whose root holds command substitutions: the script starts that tree's
// executable with "cli" and the arguments unchanged, passes its status on, and runs nothing from the path.
TEST(XACLIToolScriptTest, TheInstalledLauncherRunsTheTreesExecutableWithoutRunningItsPath) {
    XAScratchFolder scratch;
    const std::string root = scratch / "apps/odd $(touch injected) `touch quoted` \"q\" \\b";
    scratch.write("apps/odd $(touch injected) `touch quoted` \"q\" \\b/libexec/Tessary",
                  "#!/bin/sh\nprintf '%s|' \"$@\"\nprintf '%s|%s' \"$PROGRAM_NAME\" \"$DEVELOPER_DIR\"\nexit 7\n");
    ::chmod((root + "/libexec/Tessary").c_str(), 0755);
    const std::string folder = scratch / "bin/made/here";

    XAError error;
    ASSERT_TRUE(installCLIToolScript(folder, "tessary", installedTemplate(), {"Tessary", root, "(c)"}, &error))
        << error.message;

    struct stat status;
    ASSERT_EQ(::stat((folder + "/tessary").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0755u);
    int exitStatus = 0;
    const std::string output = runInFolder(
        scratch.path(), "env -u DEVELOPER_DIR -u PROGRAM_NAME '" + folder + "/tessary' check 'a b' ''", exitStatus);
    EXPECT_EQ(exitStatus, 7);
    EXPECT_EQ(output, "cli|check|a b||tessary|" + root + "/Developer");
    for (const char *name : {"injected", "quoted"}) {
        EXPECT_FALSE(std::filesystem::exists(scratch / name)) << name;
        EXPECT_FALSE(std::filesystem::exists(folder + "/" + name)) << name;
    }
}

TEST(XACLIToolScriptTest, AnExistingFileIsNeverOverwritten) {
    XAScratchFolder scratch;
    for (const std::string existing : {"file", "dangling link"}) {
        SCOPED_TRACE(existing);
        const std::string path = scratch / "tessary";
        std::filesystem::remove(path);
        if (existing == "file") {
            scratch.write("tessary", "someone else's tool\n");
        } else {
            std::filesystem::create_symlink(scratch / "nowhere", path);
        }
        XAError error;
        EXPECT_FALSE(installCLIToolScript(scratch.path(), "tessary", "new\n", {"T", "/t", ""}, &error));
        EXPECT_EQ(error.message, "The file already exists: " + path);
        EXPECT_EQ(error.domain, "org.quenby.tessary");
        EXPECT_EQ(error.code, 0);
        if (existing == "file") {
            EXPECT_EQ(contentsOf(path), "someone else's tool\n");
        } else {
            EXPECT_FALSE(std::filesystem::exists(scratch / "nowhere"));
        }
    }
}

TEST(XACLIToolScriptTest, AFolderThatCannotBeMadeIsTheFileSystemsError) {
    XAScratchFolder scratch;
    scratch.write("plain-file", "");
    XAError error;
    EXPECT_FALSE(installCLIToolScript(scratch / "plain-file/bin", "tessary", "x", {"T", "/t", ""}, &error));
    EXPECT_THAT(error.message, testing::HasSubstr(scratch / "plain-file/bin"));
}

TEST(XACLIToolScriptTest, TheInstallationPathFollowsTheEnvironment) {
    XAScratchFolder scratch;
    {
        XAScopedEnvironmentVariable unset("TESSARY_CLI_TOOLS_INSTALL_DIR", "");
        EXPECT_EQ(cliCommandFullInstallationPath(), "/usr/local/bin/tessary");
    }
    XAScopedEnvironmentVariable folder("TESSARY_CLI_TOOLS_INSTALL_DIR", scratch.path());
    EXPECT_EQ(cliCommandFullInstallationPath(), scratch / "tessary");
    EXPECT_FALSE(cliToolsAlreadyInstalled());
    std::filesystem::create_directory(scratch / "tessary"); // anything at the path counts
    EXPECT_TRUE(cliToolsAlreadyInstalled());
}
