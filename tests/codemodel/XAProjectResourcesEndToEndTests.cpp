// The resources and strings tables of the example project and the fixtures, through a dry run of the stand-in
// xcodebuild: what every target ships, each entry once.

#include "codemodel/XABuildTestSupport.h"
#include "codemodel/XATranslationUnit.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XALocalizedStringLookups.h"
#include "project/XAProjectFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

struct ResourcesCase {
    std::string xcodeprojPath;
    std::string target;
    // What the build's steps put into the bundle, in log order.
    std::vector<std::string> inferred;
    // The folders the complete set adds.
    std::vector<std::string> folders;
    // Each strings table of the target's resources (its locale and name) with its entries as "line: key".
    std::map<std::string, std::vector<std::string>> stringsTables;
};

class XAProjectResourcesRoadTest : public XABuildEndToEndTest, public ::testing::WithParamInterface<ResourcesCase> {};

std::map<std::string, std::vector<std::string>> stringsTablesOf(const XAProjectTarget &target) {
    std::map<std::string, std::vector<std::string>> tables;
    for (const auto &file : target.resourceFiles()) {
        if (!file->isStringsFile()) {
            continue;
        }
        std::vector<std::string> &entries = tables[file->localeIdentifier().value_or("") + "/" + file->name()];
        XAError error;
        for (const XAStringsFileEntry &entry :
             file->stringsFileEntries(&error).value_or(std::vector<XAStringsFileEntry>())) {
            entries.push_back(std::to_string(entry.lineNumber()) + ": " + entry.resourceKey());
        }
        EXPECT_TRUE(error.message.empty()) << error.message;
    }
    return tables;
}

} // namespace

TEST_P(XAProjectResourcesRoadTest, EveryTargetShipsItsResourcesOnce) {
    const ResourcesCase &resourcesCase = GetParam();
    auto project = loadedProject(resourcesCase.xcodeprojPath);
    auto build = this->build(project, resourcesCase.target, "Debug");
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(false, nullptr));

    EXPECT_THAT(project->inferredResourcePathsInBuild(*build), ElementsAreArray(resourcesCase.inferred));
    std::set<std::string> complete(resourcesCase.inferred.begin(), resourcesCase.inferred.end());
    complete.insert(resourcesCase.folders.begin(), resourcesCase.folders.end());
    complete.erase(""); // never a resource
    EXPECT_EQ(*project->standardizedCompleteResourcePathsInBuild(*build), complete);
    EXPECT_EQ(stringsTablesOf(*build->target()), resourcesCase.stringsTables);
}

INSTANTIATE_TEST_SUITE_P(
    ExampleAndFixtures, XAProjectResourcesRoadTest,
    ::testing::Values(
        ResourcesCase{kXAExampleXcodeproj,
                      "TessaryDemo",
                      {"Info.plist", "MainView.nib", "en.lproj/Localizable.strings", "de.lproj/Localizable.strings"},
                      {"en.lproj", "de.lproj"},
                      {{"en/Localizable.strings", {"2: greeting.title", "5: greeting.tapped"}},
                       {"de/Localizable.strings", {"2: greeting.title", "5: greeting.tapped"}}}},
        // A test bundle is no application: its Info.plist lies in no application bundle and has no resource path.
        ResourcesCase{kXAExampleXcodeproj, "TessaryDemoTests", {""}, {}, {}},
        ResourcesCase{kIOSAppXcodeproj,
                      "iOSApp",
                      {"Info.plist", "Base.lproj/Main.storyboardc", "en.lproj/Localizable.strings", "icon.png"},
                      {"Base.lproj", "en.lproj"},
                      {{"en/Localizable.strings", {"1: hello"}}}},
        // On OS X only what lies in Contents/Resources counts; the Info.plist lies beside it.
        ResourcesCase{kMacAppXcodeproj,
                      "MacApp",
                      {"Base.lproj/MainMenu.nib", "de.lproj/MainMenu.strings"},
                      {"Base.lproj", "de.lproj"},
                      {{"de/MainMenu.strings", {"2: item-1.title"}}}}),
    [](const testing::TestParamInfo<ResourcesCase> &info) { return info.param.target; });

TEST_F(XABuildEndToEndTest, ExampleProjectResourcesAreFoundByTheNamesCodeUses) {
    auto project = loadedProject(kXAExampleXcodeproj);
    auto build = this->build(project, "TessaryDemo", "Debug");
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(false, nullptr));
    struct Case {
        std::string path;
        std::optional<std::vector<std::string>> extensions;
        bool isImage;
        bool found;
    } cases[] = {
        {"Localizable.strings", std::nullopt, false, true}, // in the development region's folder
        {"Localizable", {{"strings"}}, false, true},
        {"MainView", {{"xib", "nib"}}, false, true},
        {"Logo", std::nullopt, true, true},     // an image set of the asset catalog
        {"Logo.jpg", std::nullopt, true, true}, // iOS 7 and later compile the catalogs into one file
        {"Missing.png", std::nullopt, true, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(project->containsResourcePath(c.path, c.extensions, *build, c.isImage), c.found) << c.path;
    }
    EXPECT_EQ(project->suggestionForUnknownResourcePath("Lgo", *build, true), "Logo");
    EXPECT_THAT(project->suggestionForUnknownResourcePath("MainVeiw.nib", *build, false),
                testing::Optional(std::string("MainView.nib")));
}

// The localised strings the example's code looks up, from every source file parsed as the checking run parses it:
// each lookup once, in the default table.
TEST_F(XABuildEndToEndTest, ExampleProjectCodeLooksUpItsStringsOnce) {
    auto project = loadedProject(kXAExampleXcodeproj);
    auto build = this->build(project, "TessaryDemo", "Debug");
    ASSERT_TRUE(build->processBuildWithPermissionToProcessPCHs(true, nullptr));
    std::vector<std::string> lookups;
    for (const auto &[path, compilationInfo] : build->compilationInfosByFilePath()) {
        XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
        XAError error;
        XATranslationUnitOwner unit(XAParseTranslationUnit(index.get(), compilationInfo->filePath(),
                                                           compilationInfo->parsingCompilerArgs(),
                                                           CXTranslationUnit_DetailedPreprocessingRecord, &error));
        ASSERT_TRUE(unit) << path << ": " << error.message;
        XAVisitChildren(XALibclang::fn().clang_getTranslationUnitCursor(unit.get()), [&](CXCursor cursor) {
            for (const XALocalizedStringLookup &lookup :
                 findLocalizedStringCalls({"NSLocalizedString"}, cursor).value_or(XALocalizedStringLookups())) {
                lookups.push_back(xa_lastPathComponent(path) + ": " + lookup.key.value_or("(none)") + " in " +
                                  lookup.table.value_or("(none)"));
            }
            return CXChildVisit_Recurse;
        });
    }
    EXPECT_THAT(lookups, ElementsAreArray({"ViewController.m: greeting.title in Localizable",
                                           "ViewController.m: greeting.missing in Localizable"}));
}
