#include "core/XAPaths.h"

#include "XAPathsTestSupport.h"
#include "core/XAString.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using Strings = std::vector<std::string>;

// ---- Components and extensions ----

TEST(XAPathComponentsTest, SplitsJoinsAndTrimsLikeThePlatformPathFunctions) {
    struct Case {
        std::string path;
        Strings components;
        std::string last;
        std::string parent;
    };
    const std::vector<Case> cases = {
        {"/a/b", {"/", "a", "b"}, "b", "/a"},
        {"/a//b/", {"/", "a", "b"}, "b", "/a"},
        {"/a", {"/", "a"}, "a", "/"},
        {"/", {"/"}, "/", "/"},
        {"a/b.m", {"a", "b.m"}, "b.m", "a"},
        {"b.m", {"b.m"}, "b.m", ""},
        {"", {}, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(xa_pathComponents(c.path), c.components);
        EXPECT_EQ(xa_lastPathComponent(c.path), c.last);
        EXPECT_EQ(xa_stringByDeletingLastPathComponent(c.path), c.parent);
    }

    EXPECT_EQ(xa_stringByAppendingPathComponent("/a", "b"), "/a/b");
    EXPECT_EQ(xa_stringByAppendingPathComponent("/a/", "/b/"), "/a/b");
    EXPECT_EQ(xa_stringByAppendingPathComponent("/", "b"), "/b");
    EXPECT_EQ(xa_stringByAppendingPathComponent("", "b"), "b");
    EXPECT_EQ(xa_stringByAppendingPathComponent("/a", ""), "/a");

    EXPECT_THAT(xa_pathComponentsWithoutSlashes("/a/b"), ElementsAre("a", "b"));
    EXPECT_THAT(xa_pathComponentsWithoutSlashes("a/b"), ElementsAre("a", "b"));
    EXPECT_EQ(xa_pathWithoutLeadingSlash("/a/b"), "a/b");
    EXPECT_EQ(xa_pathWithoutLeadingSlash("//a"), "/a");
    EXPECT_EQ(xa_pathWithoutLeadingSlash("a"), "a");
    EXPECT_THAT(xa_commonPathComponentPrefixWithPath("/a/b/c", "/a/b/d/e"), ElementsAre("a", "b"));
    EXPECT_THAT(xa_commonPathComponentPrefixWithPath("/a/b", "/x/b"), ElementsAre());
}

TEST(XAPathComponentsTest, ExtensionsStartAtTheLastDotThatDoesNotBeginTheName) {
    struct Case {
        std::string path;
        std::string extension;
        std::string withoutExtension;
    };
    const std::vector<Case> cases = {
        {"/p/a.tar.gz", "gz", "/p/a.tar"},
        {"a.m", "m", "a"},
        {".profile", "", ".profile"},
        {"/p/.profile", "", "/p/.profile"},
        {"/x.d/file", "", "/x.d/file"},
        {"a.", "", "a"},
        {"..", "", ".."},
        {"/", "", "/"},
        {"", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(xa_pathExtension(c.path), c.extension);
        EXPECT_EQ(xa_stringByDeletingPathExtension(c.path), c.withoutExtension);
    }
    EXPECT_EQ(xa_stringByAppendingPathExtension("/p/a/", "m"), "/p/a.m");
    EXPECT_EQ(xa_stringByAppendingPathExtension("/p/a", ""), "/p/a");
}

TEST(XAPathComponentsTest, DeletingAllExtensionsRemovesATrailingDotAndAtMostElevenExtensions) {
    EXPECT_EQ(xa_stringByDeletingAllPathExtensions("archive.tar.gz."), "archive");
    EXPECT_EQ(xa_stringByDeletingAllPathExtensions("/p/Icon@2x.png"), "/p/Icon@2x");
    EXPECT_EQ(xa_stringByDeletingAllPathExtensions(".profile.bak"), ".profile");
    EXPECT_EQ(xa_stringByDeletingAllPathExtensions("/x.d/file"), "/x.d/file");
    EXPECT_EQ(xa_stringByDeletingAllPathExtensions("a.1.2.3.4.5.6.7.8.9.10.11.12"), "a.1");
}

// ---- Tilde, standardising, absolute paths ----

TEST(XAPathStandardizingTest, ExpandsTheTildeFromHomeAndThePasswordDatabase) {
    const XAScopedEnvironmentVariable home("HOME", "/home/tester/");
    EXPECT_EQ(XAHomeDirectoryPath(), "/home/tester");
    EXPECT_EQ(xa_stringByExpandingTildeInPath("~"), "/home/tester");
    EXPECT_EQ(xa_stringByExpandingTildeInPath("~/a/b"), "/home/tester/a/b");
    EXPECT_EQ(xa_stringByExpandingTildeInPath("~root/x"), "/root/x"); // root's entry, whatever HOME says
    EXPECT_EQ(xa_stringByExpandingTildeInPath("~no-such-user-here/x"), "~no-such-user-here/x");
    EXPECT_EQ(xa_stringByExpandingTildeInPath("a/~"), "a/~");
}

TEST(XAPathStandardizingTest, ResolvesDotsAndSlashesLexically) {
    const XAScopedEnvironmentVariable home("HOME", "/home/tester");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/a/./b//c/", "/a/b/c"},       {"/a/b/../c", "/a/c"}, {"/a/../../b", "/b"}, {"/..", "/"},
        {"a/../b", "a/../b"},           {"./a/./b", "a/b"},    {"./", "."},          {"", ""},
        {"~/x/../y", "/home/tester/y"},
    };
    for (const auto &[path, standardized] : cases) {
        EXPECT_EQ(xa_stringByStandardizingPath(path), standardized) << path;
    }
}

TEST(XAPathStandardizingTest, AbsolutePathsComeFromTheCurrentFolderAndTheTilde) {
    const XAScopedEnvironmentVariable home("HOME", "/home/tester");
    const std::string current = std::filesystem::current_path().string();
    EXPECT_TRUE(xa_isAbsolutePath("/x"));
    EXPECT_TRUE(xa_isAbsolutePath("~/x"));
    EXPECT_FALSE(xa_isAbsolutePath("x/y"));
    EXPECT_FALSE(xa_isAbsolutePath(""));

    EXPECT_EQ(xa_absoluteCLIPath("sub/../f.m"), xa_stringByStandardizingPath(current + "/f.m"));
    EXPECT_EQ(xa_absoluteCLIPath(""), xa_stringByStandardizingPath(current));
    EXPECT_EQ(xa_absoluteCLIPath("/a//b/../c/"), "/a/c");
    EXPECT_EQ(xa_absoluteCLIPath("~/p.xcodeproj"), "/home/tester/p.xcodeproj");
}

// ---- System paths ----

TEST(XASystemPathTest, KeepsTheMacLocationsOfTheTable) {
    const XASystemPathContext context{.developerDirectory = std::nullopt, .homeDirectory = "/home/tester"};
    const std::vector<std::pair<std::string, bool>> cases = {
        {"/usr/include/stdio.h", true},
        {"/usr/local/include/x.h", false},
        {"/Users/me/x.h", false},
        {"/Volumes/Disk/x.h", false},
        {"/Applications/Xcode.app/Contents/Developer/usr/include/x.h", true},
        {"/", true},
        {"include/x.h", false},
        {"/usr/local", false},
        {"/USR/include/x.h", true},
        {"/usr/lib/../local/include/x.h", false},
        {"/System/Library/Frameworks/UIKit.framework/Headers/UIKit.h", true},
        {"/Library/Developer/CommandLineTools/usr/include/x.h", true},
        {"/Applications/Xcode-beta.app/Contents/x.h", true},
        {"/Applications/Safari.app/Contents/x.h", false},
        {"/opt/Xcode.app/Contents/Developer/Toolchains/x.h", true},
        {"/opt/include/x.h", false},
        {"/home/other/x.h", false},
    };
    for (const auto &[path, isSystem] : cases) {
        EXPECT_EQ(xa_isSystemPath(path, context), isSystem) << path;
    }
}

TEST(XASystemPathTest, DeveloperFolderAndSDKsAreSystemPaths) {
    const XASystemPathContext context{.developerDirectory = "/opt/tessary/Developer/", .homeDirectory = "/home/tester"};
    const std::vector<std::pair<std::string, bool>> cases = {
        {"/opt/tessary/Developer/usr/bin/xcrun", true},
        {"/opt/tessary/Developer", true},
        {"/opt/tessary/DeveloperTools/x.h", false},
        {"/opt/sdks/Platforms/iPhoneOS.platform/Developer/SDKs/iPhoneOS.sdk/usr/include/x.h", true},
        {"/opt/sdks/platforms/MacOSX.platform/Developer/SDKs/Shared/x.h", true},
        {"/opt/sdks/Platforms/MacOSX.platform/Developer/Library/x.h", false},
        {"/opt/MacOSX.sdk", true},
        {"/opt/MacOSX.sdk/System/Library/Frameworks/AppKit.framework/Headers/AppKit.h", true},
        {"/opt/.sdk/x.h", false},
        {"/opt/notes.sdkx/x.h", false},
    };
    for (const auto &[path, isSystem] : cases) {
        EXPECT_EQ(xa_isSystemPath(path, context), isSystem) << path;
    }
}

TEST(XASystemPathTest, TheProcessWideDeveloperFolderIsUsedWhenTheContextHasNone) {
    const std::optional<std::string> saved = XASystemPathDeveloperDirectory();
    const XASystemPathContext context{.homeDirectory = "/home/tester"};
    XASetSystemPathDeveloperDirectory("/srv/Developer");
    EXPECT_TRUE(xa_isSystemPath("/srv/Developer/Platforms/x.h", context));
    XASetSystemPathDeveloperDirectory(std::nullopt);
    EXPECT_FALSE(xa_isSystemPath("/srv/Developer/Platforms/x.h", context));
    XASetSystemPathDeveloperDirectory(saved);
}

TEST(XASystemPathTest, HomeProjectAndVersionControlFoldersAreNeverSystemPaths) {
    XASystemPathContext context{
        .developerDirectory = "/home/tester/Developer",
        .homeDirectory = "/usr/home/tester",
        .projectFolder = "/usr/src/App",
        .versionControlRoot = "/Library/Work",
    };
    EXPECT_FALSE(xa_isSystemPath("/usr/home/tester/x.h", context));
    EXPECT_FALSE(xa_isSystemPath("/usr/src/App/Sources/x.h", context));
    EXPECT_FALSE(xa_isSystemPath("/Library/Work/App/x.h", context));
    EXPECT_FALSE(xa_isSystemPath("/usr/src/App/iPhoneOS.sdk/x.h", context));
    EXPECT_TRUE(xa_isSystemPath("/usr/src/AppKit/x.h", context));

    // The developer folder inside the home folder: the home folder wins.
    const XAScopedEnvironmentVariable home("HOME", "/home/tester");
    context.homeDirectory = std::nullopt;
    EXPECT_FALSE(xa_isSystemPath("/home/tester/Developer/usr/include/x.h", context));
    EXPECT_FALSE(xa_isSystemPath("~/Xcode.app/Contents/Developer/x.h", context));

    // A home folder that is the root would exempt everything and is ignored.
    context.homeDirectory = "/";
    EXPECT_TRUE(xa_isSystemPath("/usr/include/x.h", context));
}

// ---- Relative paths and labels ----

TEST(XARelativePathTest, ClimbsToTheCommonFolderAndDescends) {
    struct Case {
        std::string path;
        std::string base;
        std::string relative;
    };
    const std::vector<Case> cases = {
        {"/a/b/c/f.m", "/a/b", "c/f.m"},     {"/a/x/f.m", "/a/b", "../x/f.m"},
        {"/a/bc/f.m", "/a/b", "../bc/f.m"},  {"/a/b/f.m", "/a/b/", "f.m"},
        {"/a/b/c/d/f.m", "/a/b", "c/d/f.m"}, {"/x/y/f.m", "/a/b", "../../x/y/f.m"},
        {"/a/f.m", "/a/b/c", "../../f.m"},   {"/a/b", "/a/b", "../b"},
        {"/a//b/./f.m", "/", "/a//b/./f.m"}, {"/a/f.m", "", "/a/f.m"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(xa_relativePathFromPath(c.path, c.base), c.relative) << c.path << " from " << c.base;
    }
}

TEST(XABasenameConflictTest, NamesTheNearestFolderThatTellsThePathsApart) {
    struct Case {
        std::string path;
        Strings others;
        std::optional<std::string> label;
    };
    const std::vector<Case> cases = {
        {"/p/A/x.m", {"/p/B/x.m"}, "A"},
        {"/p/A/s/x.m", {"/p/B/s/x.m"}, "A"},
        {"/p/A/x.m", {"/p/B/y.m"}, std::nullopt},
        {"/p/A/x.m", {}, std::nullopt},
        {"/p/A/x.m", {"/q/A/x.m"}, "p"},
        {"/p/A/x.m", {"/p/A/x.m", "/p/A/./x.m"}, std::nullopt}, // the path itself is no conflict
        {"/p/A/x.m", {"/p/A/x.m", "/p/B/x.m"}, "A"},
        // No single folder name tells /p/A/s apart from both /p/B/s and /q/A/t.
        {"/p/A/s/x.m", {"/p/B/s/x.m", "/q/A/t/x.m"}, std::nullopt},
        {"x.m", {"A/x.m"}, std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(xa_basenameConflictResolutionTextForPath(c.path, c.others), c.label) << c.path;
    }
}

TEST(XAPathsTest, FilesystemSafeStringKeepsLettersDigitsDashesAndBlanks) {
    EXPECT_EQ(xa_filesystemSafeString(" a/b c "), "a_b c");
}

// ---- File-system queries ----

class XAFileSystemTest : public ::testing::Test {
protected:
    XAScratchFolder scratch;
};

TEST_F(XAFileSystemTest, TellsFoldersAndLinksApart) {
    scratch.write("dir/file.txt", "x");
    std::filesystem::create_directory_symlink(scratch / "dir", scratch / "dirlink");
    std::filesystem::create_symlink(scratch / "dir/file.txt", scratch / "filelink");

    EXPECT_TRUE(xa_pathIsDirectory(scratch / "dir"));
    EXPECT_TRUE(xa_pathIsDirectory(scratch / "dirlink"));
    EXPECT_FALSE(xa_pathIsDirectory(scratch / "dir/file.txt"));
    EXPECT_FALSE(xa_pathIsDirectory(scratch / "missing"));

    EXPECT_TRUE(xa_pathIsSymlink(scratch / "dirlink"));
    EXPECT_TRUE(xa_pathIsSymlink(scratch / "filelink"));
    EXPECT_FALSE(xa_pathIsSymlink(scratch / "dir"));
    EXPECT_FALSE(xa_pathIsSymlink(scratch / "missing"));
}

TEST_F(XAFileSystemTest, TextFilesAreThoseInARecognisedEncoding) {
    using namespace std::string_literals;
    const std::vector<std::pair<std::string, bool>> cases = {
        {"plain ASCII\n", true},
        {"caf\xC3\xA9 \xE2\x80\xA6\n", true},
        {"\xEF\xBB\xBFwith a byte-order mark", true},
        {"\xFF\xFEh\0i\0"s, true},      // UTF-16 little-endian
        {"\xFE\xFF\0h\0i"s, true},      // UTF-16 big-endian
        {"\xFF\xFE\0\0h\0\0\0"s, true}, // UTF-32 little-endian
        {"\xFF\xFEh\0i"s, false},       // UTF-16 of odd length
        {"\xFF\xFE\x00\xDC"s, false},   // a lone low surrogate
        {"", true},
        {"binary\0data"s, false},
        {"Latin-1 caf\xE9", false},
        {"\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s, false},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string path = scratch.write("file" + std::to_string(i), cases[i].first);
        EXPECT_EQ(xa_fileIsTextFile(path), cases[i].second) << "case " << i;
    }
    EXPECT_FALSE(xa_fileIsTextFile(scratch.path()));
    EXPECT_FALSE(xa_fileIsTextFile(scratch / "missing"));
    EXPECT_FALSE(xa_fileIsTextFile("/dev/zero"));
}

TEST_F(XAFileSystemTest, ReadsAndReplacesWholeFiles) {
    const std::string path = scratch / "data.bin";
    XAError error;
    ASSERT_TRUE(XAWriteFileAtomically(path, std::string("one\0two", 7), &error)) << error.message;
    EXPECT_EQ(XAContentsOfFile(path, &error), std::string("one\0two", 7));
    ASSERT_TRUE(XAWriteFileAtomically(path, "replaced", &error));
    EXPECT_EQ(XAContentsOfFile(path, &error), "replaced");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all, std::filesystem::perms(0644));

    EXPECT_FALSE(XAContentsOfFile(scratch / "missing", &error));
    EXPECT_THAT(error.message, ::testing::HasSubstr(scratch / "missing"));
    EXPECT_FALSE(XAContentsOfFile(scratch.path(), &error));

    EXPECT_FALSE(XAWriteFileAtomically(scratch / "no/such/folder/f", "x", &error));
    EXPECT_THAT(error.message, ::testing::HasSubstr("no/such/folder/f"));
    EXPECT_FALSE(XAWriteFileAtomically(scratch.path(), "x", &error)); // a folder cannot be replaced by a file
    std::vector<std::string> left;
    for (const auto &entry : std::filesystem::directory_iterator(scratch.path())) {
        left.push_back(entry.path().filename().string());
    }
    EXPECT_THAT(left, ElementsAre("data.bin")); // no temporary file stays behind
}

// ---- Directory walking ----

class XADirectoryWalkTest : public XAFileSystemTest {
protected:
    void SetUp() override {
        for (const char *file : {"a.txt", ".hidden/x", "sub/b.txt", "sub/deep/c.txt", "App.app/inner.txt", "z.txt"}) {
            scratch.write(file, "x");
        }
        std::filesystem::create_directory_symlink(scratch / "sub", scratch / "link");
    }

    Strings walk(unsigned options, bool includingDirs, const std::string &stopAt = "") {
        Strings visited;
        xa_visitFilesAtRoot(scratch.path() + "/", options, includingDirs, [&](const std::string &path, bool &stop) {
            visited.push_back(path.substr(scratch.path().size() + 1));
            stop = visited.back() == stopAt;
        });
        return visited;
    }
};

TEST_F(XADirectoryWalkTest, VisitsInPreOrderWithNamesSortedAndLinksAsFiles) {
    EXPECT_THAT(walk(0, false),
                ElementsAre(".hidden/x", "App.app/inner.txt", "a.txt", "link", "sub/b.txt", "sub/deep/c.txt", "z.txt"));
    EXPECT_THAT(walk(0, true), ElementsAre(".hidden", ".hidden/x", "App.app", "App.app/inner.txt", "a.txt", "link",
                                           "sub", "sub/b.txt", "sub/deep", "sub/deep/c.txt", "z.txt"));
}

TEST_F(XADirectoryWalkTest, OptionsSkipHiddenItemsPackagesAndSubfolders) {
    EXPECT_THAT(walk(XADirectoryEnumerationSkipsHiddenFiles, true),
                ElementsAre("App.app", "App.app/inner.txt", "a.txt", "link", "sub", "sub/b.txt", "sub/deep",
                            "sub/deep/c.txt", "z.txt"));
    EXPECT_THAT(walk(XADirectoryEnumerationSkipsPackageDescendants | XADirectoryEnumerationSkipsHiddenFiles, false),
                ElementsAre("a.txt", "link", "sub/b.txt", "sub/deep/c.txt", "z.txt"));
    EXPECT_THAT(walk(XADirectoryEnumerationSkipsSubdirectoryDescendants, true),
                ElementsAre(".hidden", "App.app", "a.txt", "link", "sub", "z.txt"));
}

TEST_F(XADirectoryWalkTest, StopsWhenTheVisitorSaysSo) {
    EXPECT_THAT(walk(0, false, "a.txt"), ElementsAre(".hidden/x", "App.app/inner.txt", "a.txt"));
}

TEST_F(XADirectoryWalkTest, ReportsFoldersThatCannotBeReadAndGoesOnWhenTheHandlerAgrees) {
    for (const bool goOn : {true, false}) {
        SCOPED_TRACE(goOn);
        scratch.write("sub/deep/c.txt", "x");
        Strings visited;
        Strings failed;
        // The folder "deep" disappears after "sub" was listed and before it is entered.
        xa_visitFilesAtRoot(
            scratch.path(), XADirectoryEnumerationSkipsHiddenFiles, false,
            [&](const std::string &path, bool &) {
                visited.push_back(xa_lastPathComponent(path));
                if (visited.back() == "b.txt") {
                    std::filesystem::remove_all(scratch / "sub/deep");
                }
            },
            [&](const std::string &path, const XAError &error) {
                failed.push_back(path);
                EXPECT_FALSE(error.message.empty());
                return goOn;
            });
        EXPECT_THAT(failed, ElementsAre(scratch / "sub/deep"));
        if (goOn) {
            EXPECT_THAT(visited, ElementsAre("inner.txt", "a.txt", "link", "b.txt", "z.txt"));
        } else {
            EXPECT_THAT(visited, ElementsAre("inner.txt", "a.txt", "link", "b.txt"));
        }
    }
}

TEST_F(XADirectoryWalkTest, AMissingRootIsAnErrorAndWithoutAHandlerNothingHappens) {
    Strings failed;
    bool visited = false;
    const auto visitor = [&](const std::string &, bool &) { visited = true; };
    xa_visitFilesAtRoot(scratch / "missing", 0, true, visitor, [&](const std::string &path, const XAError &) {
        failed.push_back(path);
        return true;
    });
    xa_visitFilesAtRoot(scratch / "a.txt", 0, true, visitor);
    EXPECT_THAT(failed, ElementsAre(scratch / "missing"));
    EXPECT_FALSE(visited);
}

// ---- Symbolic links ----

class XASymlinkTest : public XAFileSystemTest {
protected:
    void SetUp() override {
        scratch.write("real/target.txt", "x");
        std::filesystem::create_symlink("real/target.txt", scratch / "relative");
        std::filesystem::create_symlink(scratch / "real/target.txt", scratch / "absolute");
        std::filesystem::create_symlink("relative", scratch / "chain");
        std::filesystem::create_symlink("loopB", scratch / "loopA");
        std::filesystem::create_symlink("loopA", scratch / "loopB");
        std::filesystem::create_symlink("nowhere", scratch / "dangling");
        std::filesystem::create_directory_symlink("real", scratch / "folderlink");
        std::filesystem::create_directory_symlink("../real/.", scratch / "real/up");
    }
};

TEST_F(XASymlinkTest, ResolvesOneLinkAgainstItsFolder) {
    EXPECT_EQ(stringByConditionallyResolvingSymlink(scratch / "relative"), scratch / "real/target.txt");
    EXPECT_EQ(stringByConditionallyResolvingSymlink(scratch / "absolute"), scratch / "real/target.txt");
    EXPECT_EQ(stringByConditionallyResolvingSymlink(scratch / "chain"), scratch / "relative");
    EXPECT_EQ(stringByConditionallyResolvingSymlink(scratch / "real/up"), scratch / "real");
    EXPECT_EQ(stringByConditionallyResolvingSymlink(scratch / "dangling"), scratch / "nowhere");
    EXPECT_EQ(stringByConditionallyResolvingSymlink(scratch / "real/target.txt"), std::nullopt);
    EXPECT_EQ(stringByConditionallyResolvingSymlink(scratch / "missing"), std::nullopt);
    EXPECT_EQ(stringByResolvingSymlink(scratch / "real/target.txt"), scratch / "real/target.txt");
    EXPECT_EQ(stringByResolvingSymlink(scratch / "chain"), scratch / "relative");
}

TEST_F(XASymlinkTest, FollowsChainsAndGivesUpOnCyclesAndMissingTargets) {
    EXPECT_EQ(stringByIterativelyResolvingSymlinkOrAlias(scratch / "chain"), scratch / "real/target.txt");
    EXPECT_EQ(stringByIterativelyResolvingSymlinkOrAlias(scratch / "folderlink"), scratch / "real");
    EXPECT_EQ(stringByIterativelyResolvingSymlinkOrAlias(scratch / "real"), scratch / "real");
    EXPECT_EQ(stringByIterativelyResolvingSymlinkOrAlias(scratch / "loopA"), std::nullopt);
    EXPECT_EQ(stringByIterativelyResolvingSymlinkOrAlias(scratch / "dangling"), std::nullopt);
    EXPECT_EQ(stringByIterativelyResolvingSymlinkOrAlias(scratch / "missing"), std::nullopt);
}

TEST_F(XASymlinkTest, ResolvesEveryComponentOfAnAbsolutePath) {
    const std::string canonical = std::filesystem::canonical(scratch / "real/target.txt").string();
    EXPECT_EQ(stringByResolvingSymlinksAndAliases(scratch / "folderlink/up/./target.txt"), canonical);
    EXPECT_EQ(stringByResolvingSymlinksAndAliases(scratch / "chain"), canonical);
    EXPECT_EQ(stringByResolvingSymlinksAndAliases("/"), "/");
    EXPECT_EQ(stringByResolvingSymlinksAndAliases(scratch / "folderlink/missing.txt"), std::nullopt);
    EXPECT_EQ(stringByResolvingSymlinksAndAliases(scratch / "loopA/x"), std::nullopt);
    EXPECT_EQ(stringByResolvingSymlinksAndAliases("relative/path"), std::nullopt);
}

} // namespace
