#include "project/XAGitRepository.h"
#include "project/XAProject.h"
#include "project/XAVersionControl.h"

#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XATask.h"
#include "project/XAProjectModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::SizeIs;

namespace {

// Runs git in a folder with a fixed identity and no user or system configuration; returns its standard output.
std::string git(const std::string &folder, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"-c", "user.name=Test", "-c", "user.email=test@example.com"});
    const XATaskResults results = XATask::execute("git", arguments, folder, std::nullopt, [](XATaskSetup &setup) {
        setup.addEnvironmentVariablesFromDictionary(
            {{"PATH", "/usr/bin:/bin"}, {"HOME", "/nonexistent"}, {"GIT_CONFIG_NOSYSTEM", "1"}});
    });
    EXPECT_EQ(results.exitStatus, 0) << results.standardError.value_or("") << results.error.value_or(XAError()).message;
    return xa_trimmed(results.standardOutput.value_or(""));
}

void makeFolder(const std::string &path) { std::filesystem::create_directories(path); }

} // namespace

TEST(XAVersionControl, DetectionTable) {
    XAScratchFolder folder;
    const std::string root = xa_stringByStandardizingPath(folder.path());
    for (const char *marker : {"deep/.git", "hg/.hg", "hg/inner/.git", "both/.git", "both/.hg", "bzr/.bzr",
                               "fossil/_FOSSIL_", "fossil2/.fslckout", "svn/.svn", "svn/a/.svn", "svn/a/b/.svn",
                               "gitsvn/.git", "gitsvn/s/.svn", "gitsvn/s/p/.svn", "svngap/.svn", "svngap/x/y/.svn"}) {
        makeFolder(folder / marker);
    }
    folder.write("worktree/.git", "gitdir: /elsewhere/.git/worktrees/w\n");
    for (const char *plain : {"deep/a/b/c", "hg/inner/p", "worktree/p", "plain/p", "svngap/x/y"}) {
        makeFolder(folder / plain);
    }
    struct Case {
        std::string folder;
        XAVersionControlLocation expected;
    } cases[] = {
        {folder / "deep/a/b/c", {XAVersionControlSystemGit, root + "/deep"}},
        {folder / "deep", {XAVersionControlSystemGit, root + "/deep"}},
        {folder / "worktree/p", {XAVersionControlSystemGit, root + "/worktree"}},
        {folder / "hg/inner/p", {XAVersionControlSystemGit, root + "/hg/inner"}},
        {folder / "both", {XAVersionControlSystemGit, root + "/both"}},
        {folder / "bzr", {XAVersionControlSystemBazaar, root + "/bzr"}},
        {folder / "fossil", {XAVersionControlSystemFossil, root + "/fossil"}},
        {folder / "fossil2", {XAVersionControlSystemFossil, root + "/fossil2"}},
        {folder / "svn/a/b", {XAVersionControlSystemSubversion, root + "/svn"}},
        {folder / "gitsvn/s/p", {XAVersionControlSystemGit, root + "/gitsvn"}},
        {folder / "svngap/x/y", {XAVersionControlSystemSubversion, root + "/svngap/x/y"}},
        {folder / "plain/p", {}},
        {folder / "plain/p/../../deep/./a", {XAVersionControlSystemGit, root + "/deep"}},
        {"/", {}},
        {"", {}},
    };
    for (const Case &c : cases) {
        const XAVersionControlLocation found = XAVersionControlLocationOfFolder(c.folder);
        EXPECT_EQ(found.system, c.expected.system) << c.folder;
        EXPECT_EQ(found.rootPath, c.expected.rootPath) << c.folder;
    }
}

TEST(XAVersionControl, SystemNames) {
    EXPECT_THAT(XAProject::allSupportedVersionControlSystemNames(),
                ElementsAre("Git", "Mercurial", "Bazaar", "Subversion", "Fossil"));
    EXPECT_EQ(XAProject::nameForVersionControlSystem(0), "?");
    EXPECT_EQ(XAProject::nameForVersionControlSystem(42), "?");
}

class XAGitRepositoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = xa_stringByStandardizingPath(folder_ / "repo");
        makeFolder(root_);
        git(root_, {"init", "-q"});
        folder_.write("repo/.gitignore", "*.log\nbuild/\n");
        folder_.write("repo/App/main.m", "int main(void) { return 0; }\n");
        makeFolder(root_ + "/build");
        git(root_, {"add", "."});
        git(root_, {"commit", "-q", "-m", "first"});
    }

    XAScratchFolder folder_;
    std::string root_;
};

TEST_F(XAGitRepositoryTest, AnswersIgnoreQuestionsInsideAndOutsideItsWorkingFolder) {
    XAGitRepository repository(root_);
    ASSERT_TRUE(repository.validateWithProgressHandler(nullptr));
    EXPECT_EQ(repository.versionControlSystemName(), "Git");
    struct Case {
        std::string path;
        bool ignored;
    } cases[] = {
        {root_ + "/App/debug.log", true}, {root_ + "/App/main.m", false},
        {root_ + "/build", true},         {"App/other.log", true},
        {"App/./main.m", false},          {root_ + "2/App/debug.log", false},
        {"/elsewhere/debug.log", false},  {"", false},
    };
    // Paths outside the working folder are never ignored, though their names match "*.log".
    for (const Case &c : cases) {
        EXPECT_EQ(repository.pathIsIgnored(c.path), c.ignored) << c.path;
    }
}

TEST_F(XAGitRepositoryTest, CurrentRevisionIsTheCommitOfHEAD) {
    XAGitRepository repository(root_);
    ASSERT_TRUE(repository.validateWithProgressHandler(nullptr));
    EXPECT_EQ(repository.currentRevision(), git(root_, {"rev-parse", "HEAD"}));

    const std::string empty = folder_ / "empty";
    makeFolder(empty);
    git(empty, {"init", "-q"});
    XAGitRepository emptyRepository(empty);
    ASSERT_TRUE(emptyRepository.validateWithProgressHandler(nullptr));
    XALogCapture log;
    EXPECT_EQ(emptyRepository.currentRevision(), std::nullopt);
    EXPECT_THAT(log.lines(), ElementsAre(std::pair(4, "Error: Cannot get Git revision: HEAD is missing")));
}

TEST_F(XAGitRepositoryTest, ProjectFindsItsRepositoryOnceAndKeepsIt) {
    XAProject project(root_ + "/App/App.xcodeproj");
    EXPECT_EQ(project.versionControlSystem(), XAVersionControlSystemNone);
    EXPECT_EQ(project.effectiveRootPath(), root_ + "/App");
    std::vector<std::thread> threads;
    for (int index = 0; index < 4; ++index) {
        threads.emplace_back([&project] { project.determineAndCacheVCSInfoWithProgress(nullptr); });
    }
    for (auto &thread : threads) {
        thread.join();
    }
    EXPECT_EQ(project.versionControlSystem(), XAVersionControlSystemGit);
    EXPECT_EQ(project.versionControlRootPath(), root_);
    EXPECT_EQ(project.effectiveRootPath(), root_);
    auto repository = project.versionControlRepository();
    ASSERT_TRUE(repository);
    EXPECT_TRUE(repository->pathIsIgnored(root_ + "/App/x.log"));
    project.determineAndCacheVCSInfoWithProgress(nullptr);
    EXPECT_EQ(project.versionControlRepository(), repository);
}

TEST(XAVersionControl, AGitWorkingCopyWhoseRepositoryCannotBeOpenedKeepsItsRootButNoRepository) {
    XAScratchFolder folder;
    folder.write("broken/.git", "gitdir: /nonexistent/.git\n");
    makeFolder(folder / "broken/App");
    XAProject project(folder / "broken/App/App.xcodeproj");
    XAProgressRecorder recorder;
    std::vector<std::thread> threads;
    for (int index = 0; index < 4; ++index) {
        threads.emplace_back([&] { project.determineAndCacheVCSInfoWithProgress(recorder.handler()); });
    }
    for (auto &thread : threads) {
        thread.join();
    }
    EXPECT_EQ(project.versionControlSystem(), XAVersionControlSystemGit);
    EXPECT_EQ(project.versionControlRootPath(), xa_stringByStandardizingPath(folder / "broken"));
    EXPECT_EQ(project.versionControlRepository(), nullptr);
    const auto errors = recorder.texts(XAProgressMessageKindError);
    ASSERT_THAT(errors, SizeIs(1)); // detection ran once
    EXPECT_THAT(errors[0],
                HasSubstr("Cannot open Git repository at " + xa_stringByStandardizingPath(folder / "broken")));
}
