// The rules on code against resources and XIBs through the staged command line: their description, and a check of
// the fixture project resources-ios in the four output formats, held against golden files. Set TESSARY_UPDATE_GOLDEN
// to write the golden files anew from the output.

#include "core/XAPaths.h"
#include "platform/XAStagedProgramSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace XAStagedPrograms;

namespace {

const std::string kGoldenFolder = TESSARY_FIXTURES_DIR "/cli";

// The fixture copied into the folder, with the files the build makes for it (the library it links).
std::string copyOfFixture(const std::string &fixture, const std::string &folder) {
    const std::string copy = folder + "/" + fixture;
    std::filesystem::copy(TESSARY_FIXTURES_DIR "/projects/" + fixture, copy, std::filesystem::copy_options::recursive);
    const std::string built = TESSARY_BUILT_FIXTURES_DIR "/" + fixture;
    if (std::filesystem::is_directory(built)) {
        std::filesystem::copy(
            built, copy, std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    }
    return copy;
}

// The output with the copy's folder written as $PROJECT, so that it does not depend on where the copy lies.
std::string withoutFolder(std::string output, const std::string &folder) {
    for (std::size_t found = output.find(folder); found != std::string::npos; found = output.find(folder, found)) {
        output.replace(found, folder.size(), "$PROJECT");
    }
    return output;
}

void expectGolden(const std::string &output, const std::string &goldenName) {
    const std::string path = kGoldenFolder + "/" + goldenName;
    if (std::getenv("TESSARY_UPDATE_GOLDEN")) {
        writeFile(path, output);
    }
    EXPECT_EQ(output, XAContentsOfFile(path, nullptr).value_or("(no golden file " + path + ")")) << goldenName;
}

} // namespace

TEST(XACLIResourceRulesTest, TheUnusedResourceRuleIsDescribedWithItsWarning) {
    const XATaskResults results = run(launcherPath(), {"rules", "UnusedResource"}, cleanEnvironment());
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    EXPECT_THAT(standardOutput(results), testing::StartsWith("UnusedResource\nPossibly unused resource\n"));
    EXPECT_THAT(standardOutput(results),
                testing::HasSubstr("Warns about resource files that do not seem to be referred to in code or XIB"));
    EXPECT_THAT(standardOutput(results), testing::HasSubstr("Please make sure that a resource really is unused"));
}

TEST(XACLIResourceRulesTest, ACheckOfTheResourcesFixtureGivesTheGoldenOutputInEveryFormat) {
    TemporaryFolder folder;
    const std::string canonicalFolder = std::filesystem::canonical(folder.path()).string();
    const std::string project = copyOfFixture("resources-ios", canonicalFolder);
    for (const std::string format : {"human", "json", "plist", "xcode"}) {
        SCOPED_TRACE(format);
        const XATaskResults results =
            run(launcherPath(),
                {"check", project + "/ResourcesApp.xcodeproj", "--onlyRules",
                 "UnknownResourceCodeReference,UnusedResource,XIBUnknownClassReference,UnnecessaryNibMethod",
                 "--outputFormat", format},
                cleanEnvironment());
        EXPECT_EQ(results.exitStatus, 1) << "errors were found: " << standardError(results);
        expectGolden(withoutFolder(standardOutput(results), canonicalFolder), "resources-ios.check." + format);
    }
}
