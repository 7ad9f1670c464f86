// A whole command-line check of the fixture project code-style with the style rules, compared with the golden output
// of each format. The project is checked in a copy, whose folder the golden files write as "$PROJECT".

#include "platform/XAStagedProgramSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace XAStagedPrograms;

namespace {

const char *const kStyleRules = "OldVerboseObjCSyntax,DotSyntax,UnidiomaticAccessorNaming,HardcodedSelfClass,"
                                "NullCoalescingOp,NonTypedefBlockDeclaration,IBOutletsInPublicInterface,"
                                "AssertionSideEffects,CyclomaticComplexity";

std::string readFile(const std::string &path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream contents;
    contents << stream.rdbuf();
    return contents.str();
}

std::string replacingAll(std::string text, const std::string &what, const std::string &replacement) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + replacement.size())) {
        text.replace(at, what.size(), replacement);
    }
    return text;
}

} // namespace

TEST(XACLICheckGoldenTest, TheStyleRulesOnTheCodeStyleProjectPrintTheGoldenOutputInEveryFormat) {
    TemporaryFolder folder;
    const std::string project = std::filesystem::canonical(folder.path()).string() + "/code-style";
    std::filesystem::copy(TESSARY_FIXTURES_DIR "/projects/code-style", project,
                          std::filesystem::copy_options::recursive);
    Environment environment = cleanEnvironment();
    environment["HOME"] = folder.path();
    environment["XDG_CACHE_HOME"] = folder.path() + "/caches";
    for (const char *format : {"human", "json", "plist", "xcode"}) {
        SCOPED_TRACE(format);
        const XATaskResults results =
            run(launcherPath(),
                {"--onlyRules", kStyleRules, "--outputFormat", format, "check", project + "/CodeStyle.xcodeproj"},
                environment);
        EXPECT_EQ(results.exitStatus, 1) << "diagnostics at warning severity were found\n" << standardError(results);
        const std::string golden = readFile(TESSARY_SOURCE_DIR "/tests/cli/golden/code-style." + std::string(format));
        ASSERT_FALSE(golden.empty());
        EXPECT_EQ(replacingAll(standardOutput(results), project, "$PROJECT"), golden);
    }
}
