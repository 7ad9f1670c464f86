#include "project/XAProjectFileTree.h"

#include "core/XALog.h"
#include "project/XAPbxprojReader.h"
#include "project/XAProjectFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Key;
using ::testing::UnorderedElementsAre;

namespace {

const std::string kFileTreeFolder = TESSARY_FIXTURES_DIR "/projects/FileTree";

std::shared_ptr<XAProjectData> unfilledRecord(const std::string &xcodeprojPath) {
    XAError error;
    auto record = std::make_shared<XAProjectData>();
    record->xcodeprojPath = xcodeprojPath;
    record->projectDict = XAReadPbxproj(xcodeprojPath + "/project.pbxproj", &error);
    EXPECT_TRUE(record->projectDict) << error.message;
    return record;
}

std::shared_ptr<const XAProjectData> fileTreeRecord() {
    static const std::shared_ptr<const XAProjectData> record = XABuildProjectFileTree(
        unfilledRecord(kFileTreeFolder + "/FileTree.xcodeproj"), [] { return std::optional<std::string>("/Dev"); });
    return record;
}

std::shared_ptr<XAProjectFile> fileWithID(const std::string &id) {
    const auto &files = fileTreeRecord()->fileReferenceObjects;
    auto found = files.find(id);
    return found == files.end() ? nullptr : found->second;
}

} // namespace

TEST(XAJoinPath, JoinsWithOneSlashAndTakesEitherPartAlone) {
    using Path = std::optional<std::string>;
    struct Case {
        Path first, second, joined;
    } cases[] = {
        {"/a/b", "c.m", "/a/b/c.m"}, {"/a/b/", "/c.m", "/a/b/c.m"}, {std::nullopt, "c.m", "c.m"},
        {"/a", std::nullopt, "/a"},  {"", "/abs/x.h", "/abs/x.h"},  {std::nullopt, std::nullopt, std::nullopt},
        {"a//b", "c", "a/b/c"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(XAJoinPath(c.first, c.second), c.joined)
            << c.first.value_or("(none)") << " + " << c.second.value_or("(none)");
    }
}

TEST(XAProjectFileTree, ComputesDiskAndGroupPathsPerSourceTree) {
    struct Case {
        const char *id;
        std::optional<std::string> pathOnDisk;
        std::optional<std::string> pathInXcode;
    } cases[] = {
        {"C00000000000000000000A_M", kFileTreeFolder + "/Sources/a.m", "Sources/a.m"},
        {"C000000000000000BASE_XIB", kFileTreeFolder + "/Sources/Base.lproj/Main.xib", "Sources/Main.xib/Main.xib"},
        {"C000000000000000DESTRING", kFileTreeFolder + "/Sources/de.lproj/Main.strings",
         "Sources/Main.xib/Main.strings"},
        // A group with only a name adds to the group path but not to the disk path.
        {"C000000000000000PHOTOPNG", kFileTreeFolder + "/Photo.PNG", "Named Only/Photo.PNG"},
        {"C000000000000000ABSOLUTE", "/opt/shared/include/Abs.h", "Abs.h"},
        {"C000000000000000SRCROOTX", kFileTreeFolder + "/Config/App.xcconfig", "App.xcconfig"},
        {"C000000000000000DEVDIRHH", "/Dev/Toolchains/Dev.h", "Dev.h"},
        {"C000000000000000SDKFRAME", "${SDKROOT}/System/Library/Frameworks/UIKit.framework", "UIKit.framework"},
        // Without "path" a reference gets its group's folder.
        {"C000000000000000NOPATHXX", kFileTreeFolder, "FileTree"},
        // The products group is walked last: its files' group paths start below it.
        {"C000000000000000APP__APP", "${BUILT_PRODUCTS_DIR}/App.app", "App.app"},
        {"C000000000000000LOOPED_C", kFileTreeFolder + "/Loop/looped.c", "Loop/looped.c"},
    };
    for (const auto &c : cases) {
        auto file = fileWithID(c.id);
        ASSERT_NE(file, nullptr) << c.id;
        EXPECT_EQ(file->pathOnDisk(), c.pathOnDisk) << c.id;
        EXPECT_EQ(file->pathInXcode(), c.pathInXcode) << c.id;
    }
}

TEST(XAProjectFileTree, MapsReachableFilesOnlyByIdentifierAndByStandardizedPath) {
    const auto &files = fileTreeRecord()->fileReferenceObjects;
    // Not reached: the unused reference, the dangling child and the reference proxy.
    EXPECT_EQ(files.size(), 14u);
    EXPECT_EQ(files.count("C000000000000000UNUSEDXX"), 0u);
    EXPECT_EQ(files.count("E000000000000000REFPROXY"), 0u);

    const auto &byPath = fileTreeRecord()->fileReferenceObjectsByStandardizedPath;
    // Two references to Sources/a.m: the one with the smaller identifier is kept.
    EXPECT_EQ(fileWithID("C000000000000000DUPLICAT")->pathOnDisk(), kFileTreeFolder + "/Sources/./a.m");
    ASSERT_EQ(byPath.count(kFileTreeFolder + "/Sources/a.m"), 1u);
    EXPECT_EQ(byPath.at(kFileTreeFolder + "/Sources/a.m")->objectID(), "C00000000000000000000A_M");
    EXPECT_EQ(byPath.size(), files.size() - 1);
    EXPECT_EQ(byPath.at("${BUILT_PRODUCTS_DIR}/App.app")->objectID(), "C000000000000000APP__APP");
}

TEST(XAProjectFileTree, FilesCarryARecordWithoutTheFileMaps) {
    auto file = fileWithID("C00000000000000000000A_M");
    ASSERT_NE(file, nullptr);
    auto record = file->projectData();
    ASSERT_NE(record, nullptr);
    EXPECT_NE(record, fileTreeRecord());
    EXPECT_EQ(record->projectDict, fileTreeRecord()->projectDict);
    EXPECT_EQ(record->xcodeprojPath, fileTreeRecord()->xcodeprojPath);
    EXPECT_THAT(record->fileReferenceObjects, IsEmpty());
    EXPECT_THAT(record->fileReferenceObjectsByStandardizedPath, IsEmpty());
    // One record is shared by all files of a load.
    EXPECT_EQ(fileWithID("C000000000000000APP__APP")->projectData(), record);
}

TEST(XAProjectFileTree, GroupCyclesAreSkippedWithAWarning) {
    std::vector<std::string> warnings;
    XASetLogTargets(XALogTargetNotification);
    XASetLogNotificationHandler([&](int level, const std::string &message) {
        if (level == XALogLevelWarning) {
            warnings.push_back(message);
        }
    });
    auto record = XABuildProjectFileTree(unfilledRecord(kFileTreeFolder + "/FileTree.xcodeproj"),
                                         [] { return std::optional<std::string>(); });
    XASetLogNotificationHandler(nullptr);
    XASetLogTargets(XALogTargetStandardError);
    EXPECT_THAT(warnings, ElementsAre(::testing::HasSubstr("B0000000000000000000LOOP")));
    // Without a developer directory the reference keeps its own path.
    EXPECT_EQ(record->fileReferenceObjects.at("C000000000000000DEVDIRHH")->pathOnDisk(), "Toolchains/Dev.h");
}

TEST(XAProjectFileTree, FixtureProjectsWithSubprojectsAndVariantGroups) {
    auto mac = XABuildProjectFileTree(unfilledRecord(TESSARY_FIXTURES_DIR "/projects/MacApp/MacApp.xcodeproj"),
                                      [] { return std::optional<std::string>("/Dev"); });
    std::vector<std::string> xcodePaths;
    for (const auto &[id, file] : mac->fileReferenceObjects) {
        xcodePaths.push_back(file->pathInXcode().value_or("(none)"));
    }
    EXPECT_THAT(xcodePaths,
                UnorderedElementsAre("MacApp/AppDelegate.h", "MacApp/AppDelegate.m", "MacApp/main.m",
                                     "MacApp/MainMenu.xib/MainMenu.xib", "MacApp/MainMenu.xib/MainMenu.strings",
                                     "MacApp/MacApp-Info.plist", "MacApp.app", "Library.xcodeproj", "Cocoa.framework"));
    const std::string macFolder = TESSARY_FIXTURES_DIR "/projects/MacApp";
    EXPECT_THAT(mac->fileReferenceObjectsByStandardizedPath,
                ::testing::Contains(Key(macFolder + "/Library/Library.xcodeproj")));
    EXPECT_THAT(mac->fileReferenceObjectsByStandardizedPath,
                ::testing::Contains(Key(macFolder + "/MacApp/de.lproj/MainMenu.strings")));
}

TEST(XAProjectFileTree, ProjectWithoutRootObjectGivesEmptyMaps) {
    XAProjectData record;
    record.xcodeprojPath = "/p/X.xcodeproj";
    XABuildProjectFileTree(record);
    EXPECT_THAT(record.fileReferenceObjects, IsEmpty());

    XADictionary objects{{"G", XAValue(XADictionary{{"isa", "PBXGroup"}, {"children", XAValue::Array{"G", 7, "F"}}})},
                         {"F", XAValue(XADictionary{{"isa", "PBXFileReference"}, {"path", XAValue(3)}})},
                         {"R", XAValue(XADictionary{{"isa", "PBXProject"}, {"mainGroup", "G"}})}};
    record.projectDict = std::make_shared<XAValue>(XADictionary{{"objects", XAValue(objects)}, {"rootObject", "R"}});
    XABuildProjectFileTree(record);
    // A "path" of the wrong type counts as missing; without a source tree there is then no disk path.
    ASSERT_EQ(record.fileReferenceObjects.size(), 1u);
    EXPECT_EQ(record.fileReferenceObjects.at("F")->pathOnDisk(), std::nullopt);
}
