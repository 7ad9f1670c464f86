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

TEST(XADiffTools, WithoutAnyToolTheErrorListsAllTenCommands) {
    XAError error;
    EXPECT_EQ(XAInstalledDiffToolPath(xa_diffTools(), locatorFor({}), &error), std::nullopt);
    EXPECT_EQ(error.message,
              "Cannot find any of the following diff tools: `ksdiff`, "
              "`/Applications/Kaleidoscope.app/Contents/Resources/bin/ksdiff`, `bcompare`, "
              "`/usr/local/bin/bcompare`, `chdiff`, `/Applications/Changes.app/Contents/Resources/chdiff`, "
              "`/Applications/DeltaWalker.app/Contents/MacOS/dw`, `opendiff`, `twdiff`, "
              "`/usr/local/bin/twdiff`");
    EXPECT_EQ(XARunDiffTool("a", "b", xa_diffTools(), locatorFor({}))->message, error.message);
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
        "a", "b", locatorFor({{"ksdiff", ksdiff}}), [&] { outcome.set_value("success"); },
        [&](const XAError &error) { outcome.set_value(error.message); });
    EXPECT_EQ(outcome.get_future().get(), "success");

    std::promise<std::string> failure;
    xa_showDiffUsingTools(
        "a", {{"Nothing", {"nothing"}}}, "b", locatorFor({}), [&] { failure.set_value("success"); },
        [&](const XAError &error) { failure.set_value(error.message); });
    EXPECT_EQ(failure.get_future().get(), "Cannot find any of the following diff tools: `nothing`");
}
