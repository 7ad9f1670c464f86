#include "codemodel/XAHeaderMap.h"
#include "codemodel/XAHeaderMapStandIns.h"

#include "codemodel/XABuildTestSupport.h"
#include "codemodel/XATranslationUnit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using ::testing::IsEmpty;

namespace {

namespace fs = std::filesystem;

[[maybe_unused]] ::testing::Environment *const kStagedDeveloperTools =
    ::testing::AddGlobalTestEnvironment(new XAStagedDeveloperToolsEnvironment);

// The error texts of a C parse of the source with the map as the only search path.
std::vector<std::string> parseErrorsThroughMap(const XAScratchFolder &folder, const std::string &source,
                                               const std::string &searchOption) {
    const std::string sourcePath = folder.write("src/main.c", source);
    const XALibclangFunctions &clang = XALibclang::fn();
    XAClangIndexOwner index(clang.clang_createIndex(0, 0));
    XAError error;
    XATranslationUnitOwner unit(XAParseTranslationUnit(
        index.get(), sourcePath,
        {"-x", "c", searchOption, folder / "map.hmap", "-Werror=implicit-function-declaration"}, 0, &error));
    if (!unit) {
        return {"no unit: " + error.message};
    }
    std::vector<std::string> errors;
    for (const std::string &text : XAFormattedDiagnostics(unit.get())) {
        if (text.find("error") != std::string::npos) {
            errors.push_back(text);
        }
    }
    return errors;
}

} // namespace

// Maps written by the writer and read back by libclang: an #include through the map finds the file the entry names,
// in folders no other search path reaches.
TEST(XAHeaderMapTest, LibclangFindsHeadersThroughTheWrittenMap) {
    ASSERT_TRUE(XALoadStagedLibclang());
    struct Case {
        const char *name;
        std::vector<std::pair<std::string, std::string>> entries; // key, file below the scratch folder
        std::string searchOption;
        std::string source;
        bool parses;
    };
    std::vector<std::pair<std::string, std::string>> many;
    for (int number = 0; number < 300; ++number) {
        many.emplace_back("Generated" + std::to_string(number) + ".h", "deep/one/Header.h");
    }
    const std::vector<Case> cases = {
        {"a quoted include by file name",
         {{"Header.h", "deep/one/Header.h"}},
         "-iquote",
         "#include \"Header.h\"\nint f(void) { return headerValue(); }\n",
         true},
        {"a framework-style include",
         {{"Product/Header.h", "deep/one/Header.h"}},
         "-I",
         "#include <Product/Header.h>\nint f(void) { return headerValue(); }\n",
         true},
        {"keys compare without regard to case",
         {{"Product/Header.h", "deep/one/Header.h"}},
         "-I",
         "#include <product/HEADER.h>\nint f(void) { return headerValue(); }\n",
         true},
        {"keys of one hash each find their own file",
         {{"ab.h", "deep/two/ab.h"}, {"ba.h", "deep/three/ba.h"}},
         "-I",
         "#include <ab.h>\n#include <ba.h>\nint f(void) { return ab() + ba(); }\n",
         true},
        {"many entries",
         [&many] {
             auto entries = many;
             entries.emplace_back("Last.h", "deep/one/Header.h");
             return entries;
         }(),
         "-I", "#include <Last.h>\n#include <Generated299.h>\nint f(void) { return headerValue(); }\n", true},
        {"a key the map lacks", {{"Header.h", "deep/one/Header.h"}}, "-I", "#include <Other.h>\n", false},
        {"an empty map", {}, "-iquote", "#include \"Header.h\"\n", false},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        XAScratchFolder folder;
        folder.write("deep/one/Header.h", "int headerValue(void);\n");
        folder.write("deep/two/ab.h", "int ab(void);\n");
        folder.write("deep/three/ba.h", "int ba(void);\n");
        XAHeaderMapEntries entries;
        for (const auto &[key, file] : testCase.entries) {
            entries.emplace(key, folder / file);
        }
        XAError error;
        ASSERT_TRUE(XAWriteHeaderMapFile(folder / "map.hmap", entries, &error)) << error.message;
        const std::vector<std::string> errors = parseErrorsThroughMap(folder, testCase.source, testCase.searchOption);
        EXPECT_EQ(errors.empty(), testCase.parses) << testing::PrintToString(errors);
    }
}

TEST(XAHeaderMapTest, OfKeysThatDifferOnlyInCaseTheFirstStays) {
    XAHeaderMapEntries entries;
    entries.emplace("Kit/Header.h", "/first/Header.h");
    entries.emplace("kit/header.h", "/second/header.h");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries.begin()->second, "/first/Header.h");
}

// ---- The stand-ins of a project's maps ----

namespace {

const std::string kFrameworkAppFolder = TESSARY_FIXTURES_DIR "/projects/FrameworkApp";

class XAHeaderMapStandInsTest : public XABuildEndToEndTest {
protected:
    // A map's logged path as the stand-in xcodebuild names it: in the target's folder, named after its product.
    static std::string logged(const std::string &targetName, const std::string &fileName) {
        return "/DD/FrameworkApp.build/Debug-iphoneos/" + targetName + ".build/" + fileName;
    }

    static void expectEveryFileParses(XABuild &build) {
        XAProgressRecorder recorder;
        ASSERT_TRUE(build.processBuildWithPermissionToProcessPCHs(true, recorder.handler()))
            << testing::PrintToString(recorder.texts(XAProgressMessageKindError));
        ASSERT_FALSE(build.compilationInfosByFilePath().empty());
        for (const auto &[path, info] : build.compilationInfosByFilePath()) {
            XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
            XAError error;
            XATranslationUnitOwner unit(
                XAParseTranslationUnit(index.get(), info->filePath(), info->parsingCompilerArgs(), 0, &error));
            ASSERT_TRUE(unit) << error.message;
            EXPECT_THAT(XAFormattedDiagnosticsWithChildren(unit.get()), IsEmpty()) << path;
        }
    }

    static XAHeaderMapEntries entries(std::initializer_list<std::pair<const char *, const char *>> keysAndFiles) {
        XAHeaderMapEntries result;
        for (const auto &[key, file] : keysAndFiles) {
            result.emplace(key, kFrameworkAppFolder + "/" + file);
        }
        return result;
    }
};

} // namespace

TEST_F(XAHeaderMapStandInsTest, EachKindOfMapHoldsWhatXcodeGivesIt) {
    auto project = loadedProject(kFrameworkAppFolder + "/FrameworkApp.xcodeproj");
    XAHeaderMapStandIns standIns(*project, "Debug", "App");
    const XAHeaderMapEntries kit = entries({{"Kit.h", "Kit/Kit.h"},
                                            {"KitWidget.h", "Kit/KitWidget.h"},
                                            {"KitInternal.h", "Kit/KitInternal.h"},
                                            {"KitProject.h", "Kit/KitProject.h"},
                                            {"Kit/Kit.h", "Kit/Kit.h"},
                                            {"Kit/KitWidget.h", "Kit/KitWidget.h"},
                                            {"Kit/KitInternal.h", "Kit/KitInternal.h"}});
    const XAHeaderMapEntries projectHeaders = entries({{"Kit.h", "Kit/Kit.h"},
                                                       {"KitWidget.h", "Kit/KitWidget.h"},
                                                       {"KitInternal.h", "Kit/KitInternal.h"},
                                                       {"KitProject.h", "Kit/KitProject.h"},
                                                       {"AppDelegate.h", "App/AppDelegate.h"}});
    struct Case {
        std::string loggedPath;
        std::optional<XAHeaderMapEntries> expected;
    };
    const std::vector<Case> cases = {
        {logged("Kit", "Kit-own-target-headers.hmap"), kit},
        {logged("App", "App-own-target-headers.hmap"), XAHeaderMapEntries()},
        {logged("App", "App-all-target-headers.hmap"), kit},
        {logged("App", "App-project-headers.hmap"), projectHeaders},
        {logged("Kit", "Kit-generated-files.hmap"), std::nullopt},
        {logged("App", "App.hmap"), projectHeaders},
        // A map outside a target's folder belongs to the target of its product name, else to the default target.
        {"/elsewhere/Kit-own-target-headers.hmap", kit},
        {"/elsewhere/Unknown-own-target-headers.hmap", XAHeaderMapEntries()},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(standIns.entriesForHeaderMap(testCase.loggedPath), testCase.expected) << testCase.loggedPath;
    }
}

TEST_F(XAHeaderMapStandInsTest, EachLoggedMapIsWrittenOnceIntoTheCachesFolder) {
    auto project = loadedProject(kFrameworkAppFolder + "/FrameworkApp.xcodeproj");
    XAHeaderMapStandIns standIns(*project, "Debug", "App");
    const std::string own = logged("Kit", "Kit-own-target-headers.hmap");
    const std::optional<std::string> written = standIns.standInForHeaderMap(own);
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->starts_with(XAHeaderMapStandIns::folderForProject(*project) + "/"));
    EXPECT_TRUE(written->ends_with("-Kit-own-target-headers.hmap"));
    EXPECT_TRUE(XAPathIsInsideOrEqual(*written, scratch_.path()));
    XAError error;
    EXPECT_EQ(XAContentsOfFile(*written, &error), XAHeaderMapFileContents(*standIns.entriesForHeaderMap(own)));

    fs::remove(*written);
    EXPECT_EQ(standIns.standInForHeaderMap(own), written) << "handed out again";
    EXPECT_FALSE(fs::exists(*written)) << "not written twice";
    const std::optional<std::string> other = standIns.standInForHeaderMap(logged("App", "App-own-target-headers.hmap"));
    ASSERT_TRUE(other);
    EXPECT_NE(*other, *written);
    EXPECT_EQ(standIns.standInForHeaderMap(logged("App", "App-generated-files.hmap")), std::nullopt);
}

// A project opened through a relative path, also by its bare name from its own folder: the maps name its headers by
// absolute paths, and every file of the framework and the application parses.
TEST_F(XAHeaderMapStandInsTest, ARelativeProjectPathGivesAbsoluteHeaderPaths) {
    const fs::path previous = fs::current_path();
    const std::vector<std::pair<std::string, std::string>> openings = {
        {previous.string(),
         xa_relativePathFromPath(kFrameworkAppFolder + "/FrameworkApp.xcodeproj", previous.string())},
        {kFrameworkAppFolder, "FrameworkApp.xcodeproj"}};
    for (const auto &[currentFolder, relative] : openings) {
        SCOPED_TRACE(relative);
        ASSERT_FALSE(xa_isAbsolutePath(relative));
        fs::current_path(currentFolder);
        auto project = loadedProject(relative);
        XAHeaderMapStandIns standIns(*project, "Debug", "App");
        const std::optional<XAHeaderMapEntries> all =
            standIns.entriesForHeaderMap(logged("App", "App-all-target-headers.hmap"));
        ASSERT_TRUE(all && !all->empty());
        for (const auto &[key, path] : *all) {
            EXPECT_TRUE(xa_isAbsolutePath(path)) << key << " -> " << path;
            EXPECT_TRUE(fs::is_regular_file(path)) << path;
        }
        for (const char *target : {"Kit", "App"}) {
            expectEveryFileParses(*this->build(project, target, "Debug"));
        }
        fs::current_path(previous);
    }
}
