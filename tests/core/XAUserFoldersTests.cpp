#include "core/XAUserFolders.h"

#include "XAPathsTestSupport.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEST(XAUserFoldersRootsTest, FollowTheXDGVariablesAndIgnoreEmptyOrRelativeOnes) {
    const XAScopedEnvironmentVariable home("HOME", "/home/tester");
    struct Root {
        const char *variable;
        std::string (*root)();
        std::string defaultPath;
    };
    const std::vector<Root> roots = {
        {"XDG_CACHE_HOME", XACachesRootPath, "/home/tester/.cache/tessary"},
        {"XDG_DATA_HOME", XAApplicationSupportRootPath, "/home/tester/.local/share/tessary"},
        {"XDG_CONFIG_HOME", XAConfigurationRootPath, "/home/tester/.config/tessary"},
    };
    for (const Root &root : roots) {
        SCOPED_TRACE(root.variable);
        const std::vector<std::pair<std::optional<std::string>, std::string>> cases = {
            {"/srv/xdg/", "/srv/xdg/tessary"},
            {"", root.defaultPath},
            {"relative/xdg", root.defaultPath},
            {std::nullopt, root.defaultPath},
        };
        for (const auto &[value, expected] : cases) {
            const XAScopedEnvironmentVariable variable(root.variable, value);
            EXPECT_EQ(root.root(), expected) << value.value_or("(unset)");
        }
    }
}

class XAUserFoldersTest : public ::testing::Test {
protected:
    XAScratchFolder scratch;
    XAScopedEnvironmentVariable data{"XDG_DATA_HOME", scratch / "data"};
    XAScopedEnvironmentVariable cache{"XDG_CACHE_HOME", scratch / "cache"};
};

TEST_F(XAUserFoldersTest, DirectoryPathsAreCreatedOnFirstUseAndStayTheSame) {
    const std::string icons = XAApplicationSupportDirectoryPath("ProjectIcons");
    EXPECT_EQ(icons, scratch / "data/tessary/ProjectIcons");
    EXPECT_TRUE(fs::is_directory(icons));
    fs::create_directory(icons + "/kept");
    EXPECT_EQ(XAApplicationSupportDirectoryPath("ProjectIcons"), icons);
    EXPECT_TRUE(fs::is_directory(icons + "/kept"));

    const std::string caches = XACachesDirectoryPath("ModuleCaches/x86");
    EXPECT_EQ(caches, scratch / "cache/tessary/ModuleCaches/x86");
    EXPECT_TRUE(fs::is_directory(caches));
}

TEST_F(XAUserFoldersTest, FilePathsGetTheirFolderButNotTheFile) {
    const std::string list = XAApplicationSupportFilePath("NewRuleNotificationOrderNumbers.plist");
    EXPECT_EQ(list, scratch / "data/tessary/NewRuleNotificationOrderNumbers.plist");
    EXPECT_TRUE(fs::is_directory(scratch / "data/tessary"));
    EXPECT_FALSE(fs::exists(list));

    const std::string log = XACachesFilePath("BuildLogs/App.log");
    EXPECT_TRUE(fs::is_directory(scratch / "cache/tessary/BuildLogs"));
    EXPECT_FALSE(fs::exists(log));
}

TEST_F(XAUserFoldersTest, EnsuringFoldersIgnoresEmptyPathsAndFailures) {
    EXPECT_EQ(XAEnsureDirectory(""), "");
    EXPECT_EQ(XAEnsureParentDirectory("name-only"), "name-only");
    EXPECT_FALSE(fs::exists("name-only"));
    const std::string file = scratch.write("file", "x");
    EXPECT_EQ(XAEnsureDirectory(file + "/below"), file + "/below"); // cannot be made under a file: silently not made
    EXPECT_EQ(XAEnsureParentDirectory(file + "/below/f"), file + "/below/f");
    EXPECT_TRUE(fs::is_regular_file(file));
}

// ---- Resources ----

class XAResourcesTest : public ::testing::Test {
protected:
    XAScratchFolder scratch;
    XAScopedEnvironmentVariable resources{"TESSARY_RESOURCES_DIR", scratch / "share/tessary/"};
    std::string folder = scratch / "share/tessary";
};

TEST_F(XAResourcesTest, FindsResourcesInsideTheResourceFolderOnly) {
    scratch.write("share/tessary/SpellCheckDictionaries/whitelist.txt", "word\n");
    scratch.write("share/outside.txt", "secret");
    EXPECT_EQ(XAResourcesDirectoryPath(), folder);
    EXPECT_EQ(xa_pathForResourcePath("SpellCheckDictionaries/whitelist.txt"),
              folder + "/SpellCheckDictionaries/whitelist.txt");
    EXPECT_EQ(xa_pathForResourcePath("SpellCheckDictionaries"), folder + "/SpellCheckDictionaries");
    EXPECT_EQ(xa_pathForResourcePath(""), folder);
    EXPECT_EQ(xa_pathForResourcePath(" \t"), folder);
    EXPECT_EQ(xa_pathForResourcePath("SpellCheckDictionaries/missing.dic"), std::nullopt);
    EXPECT_EQ(xa_pathForResourcePath("../outside.txt"), std::nullopt);
    EXPECT_EQ(xa_pathForResourcePath("SpellCheckDictionaries/../../outside.txt"), std::nullopt);
}

TEST_F(XAResourcesTest, ReadsResourcesAsUTF8AndLogsFailures) {
    scratch.write("share/tessary/appversion.json", "{\"version\": \"1.0 \xE2\x80\x93 b\"}");
    scratch.write("share/tessary/latin1.txt", "caf\xE9");
    EXPECT_EQ(xa_contentsOfResource("appversion.json"), "{\"version\": \"1.0 \xE2\x80\x93 b\"}");

    const int savedTargets = XALogTargets();
    const int savedLevel = XAMinimumLogLevel();
    std::vector<std::string> lines;
    XASetLogTargets(XALogTargetNotification);
    XASetMinimumLogLevel(0);
    XASetLogNotificationHandler(
        [&](int level, const std::string &line) { lines.push_back(std::to_string(level) + " " + line); });
    EXPECT_EQ(xa_contentsOfResource("missing.md"), std::nullopt);
    EXPECT_EQ(xa_contentsOfResource("latin1.txt"), std::nullopt);
    EXPECT_EQ(xa_contentsOfResource(""), std::nullopt); // the folder itself is no text
    XASetLogNotificationHandler(nullptr);
    XASetLogTargets(savedTargets);
    XASetMinimumLogLevel(savedLevel);

    ASSERT_EQ(lines.size(), 3u);
    EXPECT_THAT(lines[0], ::testing::StartsWith("1 Error reading resource file missing.md: "));
    EXPECT_THAT(lines[1], ::testing::StartsWith("1 Error reading resource file latin1.txt: "));
    EXPECT_THAT(lines[2], ::testing::StartsWith("1 Error reading resource file : "));
}

TEST(XAResourcesDefaultTest, LieInShareBesideTheExecutablesFolder) {
    const XAScopedEnvironmentVariable resources("TESSARY_RESOURCES_DIR", std::nullopt);
    const std::optional<std::string> executable = xa_executablePath();
    ASSERT_TRUE(executable);
    const fs::path prefix = fs::path(*executable).parent_path().parent_path();
    EXPECT_EQ(XAResourcesDirectoryPath(), (prefix / "share/tessary").string());
}

} // namespace
