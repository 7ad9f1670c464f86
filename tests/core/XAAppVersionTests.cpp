#include "core/XAAppVersion.h"

#include "core/XAJSON.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::int64_t secondsSince1970(std::chrono::system_clock::time_point date) {
    return std::chrono::duration_cast<std::chrono::seconds>(date.time_since_epoch()).count();
}

} // namespace

TEST(XAAppVersionTest, ReadsVersionTimestampAndRevision) {
    XAAppVersionInfo info =
        XAAppVersionInfo::fromJSON(R"({"version": "1.2.3", "timestamp": 1700000000, "vcs_revision": "0123abcd"})");
    ASSERT_TRUE(info.dictionary());
    EXPECT_EQ(info.version(), "1.2.3");
    EXPECT_EQ(info.compilationTimestamp(), "1700000000");
    EXPECT_EQ(secondsSince1970(info.compilationDate()), 1700000000);
    EXPECT_EQ(info.versionControlRevision(), "0123abcd");
}

TEST(XAAppVersionTest, TimestampMayBeTextAndIsTakenAsA32BitNumber) {
    struct Case {
        const char *json;
        std::string timestamp;
        std::int64_t seconds;
    };
    const std::vector<Case> cases = {
        {R"({"timestamp": "1700000000"})", "1700000000", 1700000000},
        {R"({"timestamp": " 42 seconds"})", " 42 seconds", 42},
        {R"({"timestamp": 1.7e9})", "1700000000", 1700000000},
        {R"({"timestamp": 99999999999})", "99999999999", 2147483647},
        {R"({"timestamp": "-99999999999"})", "-99999999999", -2147483648LL},
        {R"({"timestamp": "soon"})", "soon", 0},
        {R"({"timestamp": true})", "0", 0},
    };
    for (const Case &testCase : cases) {
        XAAppVersionInfo info = XAAppVersionInfo::fromJSON(testCase.json);
        EXPECT_EQ(info.compilationTimestamp(), testCase.timestamp) << testCase.json;
        EXPECT_EQ(secondsSince1970(info.compilationDate()), testCase.seconds) << testCase.json;
    }
}

TEST(XAAppVersionTest, MissingOrInvalidResourceGivesTheDefaults) {
    for (const char *json : {"", "not json", "[1, 2]", "{}", R"({"version": 3, "vcs_revision": 7})"}) {
        XAAppVersionInfo info = XAAppVersionInfo::fromJSON(json);
        EXPECT_EQ(info.version(), "?") << json;
        EXPECT_EQ(info.compilationTimestamp(), "0") << json;
        EXPECT_EQ(secondsSince1970(info.compilationDate()), 0) << json;
        EXPECT_EQ(info.versionControlRevision(), std::nullopt) << json;
    }
    EXPECT_FALSE(XAAppVersionInfo::fromJSON("[1, 2]").dictionary());
}

TEST(XAAppVersionTest, ProcessReadsTheVersionRecordedByTheBuild) {
    std::ifstream stream(std::string(TESSARY_SOURCE_DIR) + "/resources/appversion.json");
    std::stringstream contents;
    contents << stream.rdbuf();
    std::optional<XAValue> repositoryFile = XAValueFromJSON(contents.str(), false, "appversion.json", nullptr);
    ASSERT_TRUE(repositoryFile && repositoryFile->stringForKey("version"));

    EXPECT_EQ(xa_version(), *repositoryFile->stringForKey("version"));
    EXPECT_EQ(xa_versionForPresentation(), xa_version());
    EXPECT_NE(xa_compilationTimestamp(), "0") << "the build records when it was made";
    EXPECT_GT(secondsSince1970(xa_compilationDate()), 0);
    ASSERT_TRUE(xa_appVersionDict());
}
