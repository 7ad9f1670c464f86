#include "codemodel/XABuildLogCache.h"
#include "codemodel/XAProjectBuildLogCache.h"

#include "core/XAHashing.h"
#include "core/XAPropertyList.h"
#include "core/XATemporaryFiles.h"
#include "project/XAProject.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

constexpr double kReferenceDateOffset = 978307200.0;
constexpr const char *kClang = "Clang version 19.1.0";

void writeText(const std::string &path, const std::string &text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void setModificationTime(const std::string &path, long long unixSeconds) {
    struct timespec times[2] = {{static_cast<time_t>(unixSeconds), 0}, {static_cast<time_t>(unixSeconds), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// Every test gets caches root of its own ($XDG_CACHE_HOME) and a project folder with a header, both removed after.
class XABuildLogCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_ = XATemporaryDirectoryPath("TessaryBuildLogCache-XXXXXXXX").value_or("");
        ASSERT_FALSE(scratch_.empty());
        const char *previous = std::getenv("XDG_CACHE_HOME");
        previousCacheHome_ = previous ? std::optional<std::string>(previous) : std::nullopt;
        ::setenv("XDG_CACHE_HOME", (scratch_ + "/caches").c_str(), 1);
        projectFolder_ = scratch_ + "/Project";
        writeText(projectFolder_ + "/App/App.h", "@interface App\n@end\n");
        writeText(projectFolder_ + "/App/App.m", "#import \"App.h\"\n");
        setModificationTime(projectFolder_ + "/App/App.h", kCacheUnixSeconds - 100);
        setModificationTime(projectFolder_ + "/App/App.m", kCacheUnixSeconds - 100);
    }

    void TearDown() override {
        if (previousCacheHome_) {
            ::setenv("XDG_CACHE_HOME", previousCacheHome_->c_str(), 1);
        } else {
            ::unsetenv("XDG_CACHE_HOME");
        }
        std::error_code ignored;
        fs::remove_all(scratch_, ignored);
    }

    XABuildLogCache cache(XABuildLogCacheOptions options = {}, std::optional<std::string> clang = kClang) const {
        return XABuildLogCache("App", projectFolder_, "AppTarget", "Debug", std::move(options), std::move(clang));
    }

    XABuildLogCacheProjectState state(std::optional<std::string> hash = std::string("abc123")) const {
        return {std::move(hash), projectFolder_};
    }

    // A cache file as a matching write would have made it at kCacheUnixSeconds (plus a fraction), with one key
    // replaced or removed (a null value removes it).
    void writeCacheFile(const XABuildLogCache &target, const std::string &changedKey = "",
                        const XAValue &changedValue = XAValue()) const {
        XADictionary record;
        record.set("BuildLog", XAValue("CompileC a.o a.m\n"));
        record.set("WasDryRun", XAValue(false));
        record.set("PbxprojHash", XAValue("abc123"));
        record.set("xcodebuildSpec", XAValue(target.xcodebuildSpec()));
        record.set("CacheDate", XAValue(XADate{kCacheUnixSeconds + 0.7 - kReferenceDateOffset}));
        record.set("CacheVersion", XAValue("2"));
        record.set("ClangVersion", XAValue(kClang));
        if (!changedKey.empty()) {
            changedValue.isNull() ? (void)record.remove(changedKey) : record.set(changedKey, changedValue);
        }
        XAError error;
        std::optional<std::string> data = XAXMLPropertyListData(XAValue(std::move(record)), &error);
        ASSERT_TRUE(data) << error.message;
        writeText(target.diskCachePath(), *data);
        fs::create_directories(target.symrootPath());
    }

    static constexpr long long kCacheUnixSeconds = 1700000000;

    std::string scratch_;
    std::string projectFolder_;
    std::optional<std::string> previousCacheHome_;
};

XABuildLogCacheOptions optionsWith(const std::function<void(XABuildLogCacheOptions &)> &change) {
    XABuildLogCacheOptions options;
    change(options);
    return options;
}

std::vector<std::string> errorsOf(const std::vector<XAProgressMessage> &messages) {
    std::vector<std::string> texts;
    for (const XAProgressMessage &message : messages) {
        EXPECT_EQ(message.kind(), XAProgressMessageKindError);
        texts.push_back(message.message());
    }
    return texts;
}

} // namespace

TEST_F(XABuildLogCacheTest, LocationsLieUnderTheCachesRootAndNameProjectTargetAndConfiguration) {
    const std::string root = scratch_ + "/caches/tessary";
    const std::string hash = xa_SHA1Hash(projectFolder_);
    XABuildLogCache logCache = cache();
    EXPECT_EQ(logCache.projectDiskCachePath(), root + "/App__" + hash);
    EXPECT_EQ(logCache.diskCachePath(), root + "/App__" + hash + "/AppTarget_Debug/BuildLogCache.plist");
    EXPECT_EQ(logCache.symrootPathsProjectRoot(), root + "/BuildSymroots/App_" + hash);
    EXPECT_EQ(logCache.symrootPath(), root + "/BuildSymroots/App_" + hash + "/AppTarget_Debug");
    EXPECT_FALSE(fs::exists(root)) << "naming the locations creates nothing";
}

TEST_F(XABuildLogCacheTest, SpecNamesTheOptionsThatShapeTheBuild) {
    struct Case {
        XABuildLogCacheOptions options;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{}, "noFullBuild---workspace:(null)---scheme:(null)"},
        {{std::vector<std::string>{}, false, std::nullopt, std::nullopt},
         "noFullBuild---workspace:(null)---scheme:(null)"},
        {{std::vector<std::string>{"-arch", "arm64"}, true, "/w/W.xcworkspace", "App"},
         "-arch;;arm64---fullBuild---workspace:/w/W.xcworkspace---scheme:App"},
        {{std::vector<std::string>{"ONLY_ACTIVE_ARCH=YES"}, false, std::nullopt, "S"},
         "ONLY_ACTIVE_ARCH=YES---noFullBuild---workspace:(null)---scheme:S"},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(cache(testCase.options).xcodebuildSpec(), testCase.expected);
    }
}

TEST_F(XABuildLogCacheTest, WrittenLogIsReadBackWithWhatValidationCompares) {
    XABuildLogCache writer = cache({std::vector<std::string>{"-quiet"}, true, std::nullopt, std::nullopt});
    std::vector<XAProgressMessage> messages;
    auto progress = [&messages](const XAProgressMessage &message) { messages.push_back(message); };
    const auto before = std::chrono::system_clock::now() - std::chrono::seconds(1);
    const std::string log = "=== BUILD TARGET App ===\n\nCompileC \"a b.o\" a.m\n    clang -c a.m\n";
    ASSERT_TRUE(writer.writeBuildLogToDisk(log, state(), false, progress));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(writer.cachedData()) << "writing does not fill what was read";

    XABuildLogCache reader = cache({std::vector<std::string>{"-quiet"}, true, std::nullopt, std::nullopt});
    ASSERT_TRUE(reader.readFromDisk(progress));
    const XABuildLogCacheData &data = *reader.cachedData();
    EXPECT_EQ(data.buildLog, log);
    EXPECT_FALSE(data.wasDryRun);
    EXPECT_EQ(data.projectHash, "abc123");
    EXPECT_EQ(data.xcodebuildSpec, "-quiet---fullBuild---workspace:(null)---scheme:(null)");
    EXPECT_EQ(data.cacheVersion, "2");
    EXPECT_EQ(data.clangVersion, kClang);
    ASSERT_TRUE(data.cacheDate);
    EXPECT_GE(XATimePointFromDate(*data.cacheDate), before);

    fs::create_directories(reader.symrootPath());
    std::string reason = "untouched";
    EXPECT_TRUE(reader.isValidForProject(state(), &reason));
    EXPECT_EQ(reason, "untouched");
}

TEST_F(XABuildLogCacheTest, WritingNeedsATargetAndAConfiguration) {
    std::vector<XAProgressMessage> messages;
    XABuildLogCache projectWide = XABuildCacheForProject("App", projectFolder_);
    EXPECT_FALSE(projectWide.writeBuildLogToDisk("log", state(), true,
                                                 [&messages](const XAProgressMessage &m) { messages.push_back(m); }));
    EXPECT_EQ(errorsOf(messages), std::vector<std::string>{"targetName and buildConfigurationName must be set for the "
                                                           "cache!"});
}

TEST_F(XABuildLogCacheTest, ReadingAMissingFileIsQuietAndAnUnreadableOneIsReported) {
    std::vector<XAProgressMessage> messages;
    auto progress = [&messages](const XAProgressMessage &message) { messages.push_back(message); };
    XABuildLogCache logCache = cache();
    EXPECT_FALSE(logCache.readFromDisk(progress));
    EXPECT_TRUE(messages.empty());

    for (const char *contents : {"<?xml version=\"1.0\"?><plist><dict><key>BuildLog</key>", "( \"an\", \"array\" )"}) {
        messages.clear();
        writeText(logCache.diskCachePath(), contents);
        EXPECT_FALSE(logCache.readFromDisk(progress)) << contents;
        EXPECT_EQ(errorsOf(messages),
                  std::vector<std::string>{"Error reading build log cache at: " + logCache.diskCachePath()});
        EXPECT_FALSE(logCache.cachedData());
    }
}

TEST_F(XABuildLogCacheTest, AFileWithoutTheDryRunFlagHoldsADryRunLog) {
    XABuildLogCache logCache = cache();
    writeCacheFile(logCache, "WasDryRun");
    ASSERT_TRUE(logCache.readFromDisk(nullptr));
    EXPECT_TRUE(logCache.cachedData()->wasDryRun);
    EXPECT_TRUE(logCache.isValidForProject(state(), nullptr));
}

TEST_F(XABuildLogCacheTest, EachChangeThatShapesTheBuildInvalidatesTheCacheWithItsReason) {
    struct Case {
        std::string label;
        std::string changedKey;
        XAValue changedValue;
        XABuildLogCacheOptions options;
        std::optional<std::string> clang;
        std::optional<std::string> projectHash;
        std::string reason;
    };
    const std::string tooOld = "The build cache data model version is too old";
    const std::string projectChanged = "The Xcode project has been modified since the last build cache";
    const std::string optionsChanged =
        "Tessary configuration options affecting builds have changed since the last build cache";
    const std::string clangChanged = "The used Clang version has changed since the last build cache";
    const std::vector<Case> cases = {
        {"older cache version", "CacheVersion", XAValue("1"), {}, kClang, "abc123", tooOld},
        {"no cache version", "CacheVersion", XAValue(), {}, kClang, "abc123", tooOld},
        // The version is tested first, whatever else differs.
        {"older version and other project", "CacheVersion", XAValue("1"), {}, kClang, "other", tooOld},
        {"project file changed", "", XAValue(), {}, kClang, "def456", projectChanged},
        {"project hash unknown now", "", XAValue(), {}, kClang, std::nullopt, projectChanged},
        {"no hash in the file", "PbxprojHash", XAValue(), {}, kClang, "abc123", projectChanged},
        {"extra arguments", "", XAValue(),
         optionsWith([](auto &o) { o.extraXcodebuildArgs = std::vector<std::string>{"-quiet"}; }), kClang, "abc123",
         optionsChanged},
        {"full build", "", XAValue(), optionsWith([](auto &o) { o.performFullBuild = true; }), kClang, "abc123",
         optionsChanged},
        {"workspace", "", XAValue(), optionsWith([](auto &o) { o.associatedWorkspacePath = "/W.xcworkspace"; }), kClang,
         "abc123", optionsChanged},
        {"scheme", "", XAValue(), optionsWith([](auto &o) { o.associatedWorkspaceSchemeName = "App"; }), kClang,
         "abc123", optionsChanged},
        {"other libclang", "", XAValue(), {}, "Clang version 18.1.8", "abc123", clangChanged},
        {"no libclang loaded", "", XAValue(), {}, std::nullopt, "abc123", clangChanged},
    };
    for (const Case &testCase : cases) {
        XABuildLogCache written = cache();
        writeCacheFile(written, testCase.changedKey, testCase.changedValue);
        XABuildLogCache current = cache(testCase.options, testCase.clang);
        ASSERT_TRUE(current.readFromDisk(nullptr)) << testCase.label;
        std::string reason;
        EXPECT_FALSE(current.isValidForProject(state(testCase.projectHash), &reason)) << testCase.label;
        EXPECT_EQ(reason, testCase.reason) << testCase.label;
    }
}

TEST_F(XABuildLogCacheTest, HeadersChangedInLaterSecondsInvalidateTheCacheOtherFilesDoNot) {
    struct Case {
        std::string label;
        std::string file;
        long long modificationTime;
        std::string reason; // empty: still valid
    };
    const long long later = kCacheUnixSeconds + 1;
    const std::vector<Case> cases = {
        {"header in a later second", "App/App.h", later, "The App.h file has been modified"},
        {"header in the second of the cache date", "App/App.h", kCacheUnixSeconds, ""},
        {"source file", "App/App.m", later + 100, ""},
        {"prefix header", "App/App-Prefix.pch", later, "The App-Prefix.pch file has been modified"},
        {"configuration file", "Config/Base.xcconfig", later, "The Base.xcconfig file has been modified"},
        {"project file inside the project package", "App.xcodeproj/project.pbxproj", later,
         "The project.pbxproj file has been modified"},
        {"extensions are matched exactly", "App/LOUD.H", later, ""},
        {"hidden folders are skipped", ".git/objects/x.h", later, ""},
        {"hidden files are skipped", "App/.hidden.h", later, ""},
    };
    for (const Case &testCase : cases) {
        const std::string path = projectFolder_ + "/" + testCase.file;
        writeText(path, "// changed\n");
        setModificationTime(path, testCase.modificationTime);
        XABuildLogCache logCache = cache();
        writeCacheFile(logCache);
        ASSERT_TRUE(logCache.readFromDisk(nullptr));
        std::string reason;
        EXPECT_EQ(logCache.isValidForProject(state(), &reason), testCase.reason.empty()) << testCase.label;
        EXPECT_EQ(reason, testCase.reason) << testCase.label;
        setModificationTime(path, kCacheUnixSeconds - 100); // the next case starts from a valid cache
    }
}

TEST_F(XABuildLogCacheTest, ClearedProductsFolderOrMissingLogMakesTheCacheUnusable) {
    XABuildLogCache logCache = cache();
    writeCacheFile(logCache);
    fs::remove_all(logCache.symrootPath());
    ASSERT_TRUE(logCache.readFromDisk(nullptr));
    std::string reason;
    EXPECT_FALSE(logCache.isValidForProject(state(), &reason));
    EXPECT_EQ(reason, "The build products temporary folder has been cleared");

    writeCacheFile(logCache, "BuildLog");
    ASSERT_TRUE(logCache.readFromDisk(nullptr));
    reason = "untouched";
    EXPECT_FALSE(logCache.isValidForProject(state(), &reason));
    EXPECT_EQ(reason, "untouched") << "a cache without a log gives no reason";

    XABuildLogCache neverRead = cache();
    EXPECT_FALSE(neverRead.isValidForProject(state(), nullptr));
}

TEST_F(XABuildLogCacheTest, ProjectWideOperationsSeeAndRemoveEverythingOfTheProject) {
    std::vector<XAProgressMessage> messages;
    auto progress = [&messages](const XAProgressMessage &message) { messages.push_back(message); };
    EXPECT_FALSE(XAHasAnyCachedBuildLogInfo("App", projectFolder_));
    EXPECT_TRUE(XAClearAllCachedBuildLogInfo("App", projectFolder_, progress)) << "nothing to remove is no error";

    XABuildLogCache logCache = cache();
    XABuildLogCache otherProject("App", scratch_ + "/Elsewhere/App", "AppTarget", "Debug");
    writeCacheFile(logCache);
    writeCacheFile(otherProject);
    EXPECT_TRUE(XAHasAnyCachedBuildLogInfo("App", projectFolder_));
    EXPECT_TRUE(XAClearAllCachedBuildLogInfo("App", projectFolder_, progress));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(fs::exists(logCache.diskCachePath()));
    EXPECT_FALSE(fs::exists(logCache.symrootPathsProjectRoot()));
    EXPECT_FALSE(XAHasAnyCachedBuildLogInfo("App", projectFolder_));
    EXPECT_TRUE(fs::exists(otherProject.diskCachePath())) << "another folder's project of the same name stays";
    EXPECT_TRUE(fs::exists(otherProject.symrootPath()));
}

TEST_F(XABuildLogCacheTest, ProjectsAreComparedByTheHashOfTheirProjectFile) {
    const std::string xcodeproj = projectFolder_ + "/App.xcodeproj";
    fs::copy(std::string(TESSARY_FIXTURES_DIR) + "/projects/iOSApp/iOSApp.xcodeproj", xcodeproj,
             fs::copy_options::recursive);
    setModificationTime(xcodeproj + "/project.pbxproj", kCacheUnixSeconds - 100);
    XAProject project(xcodeproj);
    XABuildLogCache logCache = XABuildCacheForProject(project);
    EXPECT_EQ(logCache.projectName(), "App");
    EXPECT_EQ(logCache.projectDiskRootPath(), projectFolder_);

    XABuildLogCache writer("App", projectFolder_, "App", "Debug", {}, kClang);
    ASSERT_TRUE(writer.writeBuildLogToDisk("log", project, true, nullptr));
    fs::create_directories(writer.symrootPath());
    XABuildLogCache reader("App", projectFolder_, "App", "Debug", {}, kClang);
    ASSERT_TRUE(reader.readFromDisk(nullptr));
    // Files changed before the write (the copies above) are older than the cache date.
    std::string reason;
    EXPECT_TRUE(reader.isValidForProject(project, &reason)) << reason;

    std::ofstream(xcodeproj + "/project.pbxproj", std::ios::app) << "\n";
    setModificationTime(xcodeproj + "/project.pbxproj", kCacheUnixSeconds - 100);
    EXPECT_FALSE(reader.isValidForProject(project, &reason));
    EXPECT_EQ(reason, "The Xcode project has been modified since the last build cache");
}

TEST_F(XABuildLogCacheTest, AHeaderBesideTheProjectFolderInsideItsWorkingCopyInvalidatesTheCache) {
    const std::string repository = scratch_ + "/Repository";
    fs::create_directories(repository + "/.git");
    const std::string xcodeproj = repository + "/App/App.xcodeproj";
    fs::create_directories(xcodeproj);
    fs::copy(std::string(TESSARY_FIXTURES_DIR) + "/projects/iOSApp/iOSApp.xcodeproj/project.pbxproj", xcodeproj);
    const std::string sharedHeader = repository + "/Shared/Shared.h";
    const std::string outsideHeader = scratch_ + "/Outside/Outside.h";
    writeText(sharedHeader, "// shared\n");
    writeText(outsideHeader, "// outside\n");
    for (const std::string &path : {xcodeproj + "/project.pbxproj", sharedHeader, outsideHeader}) {
        setModificationTime(path, kCacheUnixSeconds - 100);
    }
    XAProject project(xcodeproj);
    XABuildLogCache writer("App", repository + "/App", "App", "Debug", {}, kClang);
    ASSERT_TRUE(writer.writeBuildLogToDisk("log", project, true, nullptr));
    fs::create_directories(writer.symrootPath());
    XABuildLogCache reader("App", repository + "/App", "App", "Debug", {}, kClang);
    ASSERT_TRUE(reader.readFromDisk(nullptr));
    std::string reason;
    ASSERT_TRUE(reader.isValidForProject(project, &reason)) << reason;

    // The cache was written now; the headers change an hour later.
    const long long later = static_cast<long long>(std::time(nullptr)) + 3600;
    setModificationTime(outsideHeader, later);
    EXPECT_TRUE(reader.isValidForProject(project, &reason)) << "a header outside the working copy: " << reason;
    setModificationTime(sharedHeader, later);
    EXPECT_FALSE(reader.isValidForProject(project, &reason));
    EXPECT_EQ(reason, "The Shared.h file has been modified");
    EXPECT_EQ(project.effectiveRootPath(), repository);
}

TEST(XABuildLogCachePathsTest, TellsBuildProductPathsApart) {
    const std::string symroots = XABuildLogCache("P", "/p", "T", "C").symrootPath();
    struct Case {
        std::string path;
        bool underBuildDir;
        bool underAppBundle;
    };
    const std::vector<Case> cases = {
        {"build/Debug/App.app", true, true},
        {"build/Debug/App.app/Info.plist", true, true},
        {"build/Debug/libA.a", true, false},
        {"/Users/me/Library/Developer/Xcode/DerivedData/App-abc/Build/Products/Debug/App.app", true, true},
        {"DerivedData/x/Build", true, false},
        {symroots + "/Debug-iphoneos/App.app/App", true, true},
        {symroots, true, false},
        {"/src/App/Build/Products/App.app", false, false}, // a Build component without DerivedData
        {"/src/build/Debug/App.app", false, false},        // "build/" counts only at the start of a relative path
        {"src/DerivedData/App.app", false, false},
        {"", false, false},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(XABuildLogCache::pathIsUnderBuildDir(testCase.path), testCase.underBuildDir) << testCase.path;
        EXPECT_EQ(XABuildLogCache::pathIsUnderAppBundleBuildDir(testCase.path), testCase.underAppBundle)
            << testCase.path;
    }
}
