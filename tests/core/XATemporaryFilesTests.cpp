#include "core/XATemporaryFiles.h"

#include "XAPathsTestSupport.h"
#include "core/XALog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Collects the lines logged while it exists.
class LogCapture {
public:
    LogCapture() : savedTargets_(XALogTargets()) {
        XASetLogTargets(XALogTargetNotification);
        XASetLogNotificationHandler(
            [this](int level, const std::string &message) { lines.push_back(std::to_string(level) + " " + message); });
    }
    ~LogCapture() {
        XASetLogNotificationHandler(nullptr);
        XASetLogTargets(savedTargets_);
    }
    std::vector<std::string> lines;

private:
    int savedTargets_;
};

class XATemporaryFilesTest : public ::testing::Test {
protected:
    XAScratchFolder scratch;
    XAScopedEnvironmentVariable tmpdir{"TMPDIR", scratch.path()};
};

// The template's X run is replaced by as many letters and digits; the rest is kept.
void expectFilledTemplate(const std::string &path, const std::string &directory, const std::string &nameTemplate) {
    const size_t run = nameTemplate.size() - nameTemplate.find_last_not_of('X') - 1;
    const std::string prefix = directory + "/" + nameTemplate.substr(0, nameTemplate.size() - run);
    ASSERT_EQ(path.size(), prefix.size() + run) << path;
    EXPECT_EQ(path.substr(0, prefix.size()), prefix);
    const std::string filled = path.substr(prefix.size());
    EXPECT_TRUE(std::all_of(filled.begin(), filled.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c));
    })) << filled;
}

TEST_F(XATemporaryFilesTest, CreatesANewEmptyPrivateFileForEachCall) {
    const std::string nameTemplate = "TempFileDiff-XXXXXXXXX";
    const std::optional<std::string> first = XATemporaryFilePath(nameTemplate);
    const std::optional<std::string> second = XATemporaryFilePath(nameTemplate);
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    expectFilledTemplate(*first, scratch.path(), nameTemplate);
    EXPECT_TRUE(fs::is_regular_file(*first));
    EXPECT_EQ(fs::file_size(*first), 0u);
    EXPECT_EQ(fs::status(*first).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(XATemporaryFilesTest, CreatesANewPrivateFolder) {
    const std::string nameTemplate = "Pods-resources.XXXXXXXX";
    const std::optional<std::string> folder = XATemporaryDirectoryPath(nameTemplate);
    ASSERT_TRUE(folder);
    expectFilledTemplate(*folder, scratch.path(), nameTemplate);
    EXPECT_TRUE(fs::is_directory(*folder));
    EXPECT_TRUE(fs::is_empty(*folder));
    EXPECT_EQ(fs::status(*folder).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_NE(XATemporaryDirectoryPath(nameTemplate), folder);
}

TEST_F(XATemporaryFilesTest, ShortAndMissingRunsOfXStillGiveNewItems) {
    const std::optional<std::string> shortRun = XATemporaryFilePath("a-XX");
    ASSERT_TRUE(shortRun);
    expectFilledTemplate(*shortRun, scratch.path(), "a-XX");

    // Without X the template is the name: the first call creates it, the second finds it taken.
    EXPECT_EQ(XATemporaryFilePath("fixed-name"), scratch / "fixed-name");
    LogCapture log;
    EXPECT_EQ(XATemporaryFilePath("fixed-name"), std::nullopt);
    EXPECT_THAT(log.lines, ::testing::ElementsAre("5 FATAL: cannot create temporary file!"));
}

TEST_F(XATemporaryFilesTest, FailureIsLoggedAsFatalAndGivesNoPath) {
    const XAScopedEnvironmentVariable missing("TMPDIR", scratch / "missing");
    LogCapture log;
    EXPECT_EQ(XATemporaryFilePath("f-XXXXXX"), std::nullopt);
    EXPECT_EQ(XATemporaryDirectoryPath("d-XXXXXX"), std::nullopt);
    EXPECT_THAT(log.lines, ::testing::ElementsAre("5 FATAL: cannot create temporary file!",
                                                  "5 FATAL: cannot create temporary directory!"));
}

TEST(XATemporaryDirectoryTest, UsesAnAbsoluteTMPDIRAndOtherwiseTmp) {
    const std::vector<std::pair<std::optional<std::string>, std::string>> cases = {
        {"/var/tmp/", "/var/tmp"}, {"relative/tmp", "/tmp"}, {"", "/tmp"}, {std::nullopt, "/tmp"}, {"/", "/"}};
    for (const auto &[value, directory] : cases) {
        const XAScopedEnvironmentVariable tmpdir("TMPDIR", value);
        EXPECT_EQ(XATemporaryDirectory(), directory) << value.value_or("(unset)");
    }
}

} // namespace
