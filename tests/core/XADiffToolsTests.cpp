#include "core/XADiffTools.h"

#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <map>

namespace {

// A stand-in tool that records the texts of the files it is given and ends with `status`.
std::string fakeTool(const XAScratchFolder &folder, const std::string &name, int status) {
    const std::string path = folder.write(
        "bin/" + name, "#!/bin/sh\n{ echo \"$#\"; cat \"$1\"; echo '|'; cat \"$2\"; } > \"$0.ran\"\nexit " +
                           std::to_string(status) + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

XAExecutableLocator locatorFor(std::map<std::string, std::string> installed) {
    return [installed](const std::string &command) -> std::optional<std::string> {
        const auto found = installed.find(command);
        return found == installed.end() ? std::nullopt : std::optional(found->second);
    };
}

} // namespace

TEST(XADiffTools, WithoutAnyToolTheErrorListsEveryCommand) {
    XAError error;
    EXPECT_EQ(XAInstalledDiffToolPath(xa_diffTools(), locatorFor({}), &error), std::nullopt);
    EXPECT_EQ(error.message,
              "Cannot find any of the following diff tools: `meld`, `kdiff3`, `kompare`, `code`, `ksdiff`, "
              "`/Applications/Kaleidoscope.app/Contents/Resources/bin/ksdiff`, `bcompare`, "
              "`/usr/local/bin/bcompare`, `chdiff`, `/Applications/Changes.app/Contents/Resources/chdiff`, "
              "`/Applications/DeltaWalker.app/Contents/MacOS/dw`, `opendiff`, `twdiff`, "
              "`/usr/local/bin/twdiff`, `diff`");
    EXPECT_EQ(XARunDiffTool("a", "b", xa_diffTools(), locatorFor({}))->message, error.message);
}

TEST(XADiffTools, LinuxToolsComeFirstAndTheTerminalDiffIsTheLastResort) {
    XAScratchFolder folder;
    const std::string meld = fakeTool(folder, "meld", 0);
    const std::string code = fakeTool(folder, "code", 0);
    const std::string diff = fakeTool(folder, "diff", 0);
    const auto everything = locatorFor({{"meld", meld}, {"code", code}, {"diff", diff}, {"ksdiff", meld}});
    EXPECT_EQ(XAFirstInstalledDiffTool(xa_diffTools(), everything, nullptr)->tool.name, "Meld");
    const auto installed =
        XAFirstInstalledDiffTool(xa_diffTools(), locatorFor({{"code", code}, {"diff", diff}}), nullptr);
    ASSERT_TRUE(installed);
    EXPECT_EQ(installed->tool.name, "Visual Studio Code");
    EXPECT_EQ(installed->tool.arguments, std::vector<std::string>{"--diff"});
    const auto lastResort = XAFirstInstalledDiffTool(xa_diffTools(), locatorFor({{"diff", diff}}), nullptr);
    ASSERT_TRUE(lastResort);
    EXPECT_EQ(lastResort->tool.arguments, std::vector<std::string>{"-u"});
    EXPECT_TRUE(lastResort->tool.printsDifference);
}

TEST(XADiffTools, ThePrintedDifferenceOfTheTerminalDiffGoesToTheCaller) {
    XAScratchFolder folder;
    const XAScopedEnvironmentVariable temporaryFolder("TMPDIR", folder.path());
    const auto locator = [](const std::string &command) -> std::optional<std::string> {
        return command == "diff" ? std::optional<std::string>("/usr/bin/diff") : std::nullopt; // diffutils
    };
    const std::vector<XADiffTool> terminal{xa_diffTools().back()};
    std::optional<std::string> printed;
    // Texts that differ end the tool with status 1, which is no failure for it.
    EXPECT_EQ(XARunDiffTool("one\ntwo\n", "one\nthree\n", terminal, locator, &printed), std::nullopt);
    ASSERT_TRUE(printed);
    EXPECT_NE(printed->find("-two\n+three\n"), std::string::npos) << *printed;
    EXPECT_EQ(XARunDiffTool("same\n", "same\n", terminal, locator, &printed), std::nullopt);
    EXPECT_EQ(printed, std::optional<std::string>(""));
    // A graphical tool prints nothing for the caller.
    const std::string meld = fakeTool(folder, "meld", 0);
    EXPECT_EQ(XARunDiffTool("a", "b", {{"Meld", {"meld"}}}, locatorFor({{"meld", meld}}), &printed), std::nullopt);
    EXPECT_EQ(printed, std::nullopt);
    // Status 2 is trouble even for the terminal diff.
    const std::string failing = fakeTool(folder, "diff", 2);
    EXPECT_EQ(XARunDiffTool("a", "b", terminal, locatorFor({{"diff", failing}}))->message,
              failing + " returned status 2");
}

TEST(XADiffTools, TheFirstInstalledToolIsRunOnBothTexts) {
    XAScratchFolder folder;
    const XAScopedEnvironmentVariable temporaryFolder("TMPDIR", folder.path()); // the texts' files stay
    const std::string ksdiff = fakeTool(folder, "ksdiff", 0);
    const std::string opendiff = fakeTool(folder, "opendiff", 0);
    const auto locator = locatorFor({{"ksdiff", ksdiff}, {"opendiff", opendiff}, {"bcompare", folder / "gone"}});
    EXPECT_EQ(XAInstalledDiffToolPath(xa_diffTools(), locator, nullptr), ksdiff);

    EXPECT_EQ(XARunDiffTool("same 'text' \"here\"\n", "same 'text' \"here\"\n", xa_diffTools(), locator), std::nullopt);
    EXPECT_EQ(XAContentsOfFile(ksdiff + ".ran", nullptr), "2\nsame 'text' \"here\"\n|\nsame 'text' \"here\"\n");
    EXPECT_FALSE(std::filesystem::exists(opendiff + ".ran"));
}

TEST(XADiffTools, AFailingToolIsReportedWithItsStatus) {
    XAScratchFolder folder;
    const XAScopedEnvironmentVariable temporaryFolder("TMPDIR", folder.path()); // the texts' files stay
    const std::string twdiff = fakeTool(folder, "tw diff", 3);
    const std::optional<XAError> error =
        XARunDiffTool("left", "right", xa_diffTools(), locatorFor({{"twdiff", twdiff}}));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, twdiff + " returned status 3");
}

TEST(XADiffTools, TheBackgroundRunReportsThroughItsBlocks) {
    XAScratchFolder folder;
    const XAScopedEnvironmentVariable temporaryFolder("TMPDIR", folder.path()); // the texts' files stay
    const std::string ksdiff = fakeTool(folder, "ksdiff", 0);
    std::promise<std::string> outcome;
    xa_showDiffInExternalToolWithString(
        "a", "b", locatorFor({{"ksdiff", ksdiff}}), [&](const auto &) { outcome.set_value("success"); },
        [&](const XAError &error) { outcome.set_value(error.message); });
    EXPECT_EQ(outcome.get_future().get(), "success");

    std::promise<std::string> failure;
    xa_showDiffUsingTools(
        "a", {{"Nothing", {"nothing"}}}, "b", locatorFor({}), [&](const auto &) { failure.set_value("success"); },
        [&](const XAError &error) { failure.set_value(error.message); });
    EXPECT_EQ(failure.get_future().get(), "Cannot find any of the following diff tools: `nothing`");
}
