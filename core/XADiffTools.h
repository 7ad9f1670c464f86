#pragma once

// Showing the difference between two texts in a diff tool that the user has installed: the first installed tool of a
// list in order of preference is run on two temporary files holding the texts. A graphical tool shows the difference
// itself; a terminal tool prints it, and the caller shows what it printed.

#include "core/XAError.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct XADiffTool {
    std::string name;
    // Command names or absolute paths that start the tool, tried in order.
    std::vector<std::string> commands;
    // Given before the two files' paths.
    std::vector<std::string> arguments = {};
    // The tool prints the difference on its standard output instead of showing it; exit status 1 ("the texts
    // differ") is success too.
    bool printsDifference = false;

    bool operator==(const XADiffTool &) const = default;
};

// Meld, KDiff3, Kompare, Visual Studio Code ("code --diff"), Kaleidoscope, Beyond Compare, Changes, DeltaWalker,
// FileMerge, TextWrangler and, as the last resort, the terminal's "diff -u", which prints the difference; made on
// each call.
std::vector<XADiffTool> xa_diffTools();
std::vector<XADiffTool> xa_diffToolsInOrderOfPreference();

// The absolute path of a command, or no value (the developer environment's pathToExecutable in the application).
using XAExecutableLocator = std::function<std::optional<std::string>(const std::string &command)>;

// The path of the first command of the first tool that the locator finds and that exists. Without one, the error
// lists every command in backquotes: "Cannot find any of the following diff tools: `ksdiff`, ...".
std::optional<std::string> XAInstalledDiffToolPath(const std::vector<XADiffTool> &tools,
                                                   const XAExecutableLocator &locator, XAError *error);

// The first installed tool, as XAInstalledDiffToolPath finds it, with its path.
struct XAInstalledDiffTool {
    XADiffTool tool;
    std::string path;
};
std::optional<XAInstalledDiffTool> XAFirstInstalledDiffTool(const std::vector<XADiffTool> &tools,
                                                            const XAExecutableLocator &locator, XAError *error);

// The whole job, on the calling thread: find the tool, write `left` and `right` into two new temporary files
// ("TempFileDiff-XXXXXXXXX"), run the tool with its arguments and the two paths (never through a shell) and wait for
// it. No value on success; the error otherwise, also "<tool> returned status <n>" for a failing exit status and the
// launch error of a tool that cannot be started. What a printing tool printed goes to `printedDifference` when it is
// given (no value for a tool that shows the difference itself). The temporary files stay.
std::optional<XAError> XARunDiffTool(const std::string &left, const std::string &right,
                                     const std::vector<XADiffTool> &tools, const XAExecutableLocator &locator,
                                     std::optional<std::string> *printedDifference = nullptr);

// Receives what a printing tool printed; no value when the tool showed the difference itself.
using XADiffSuccess = std::function<void(const std::optional<std::string> &printedDifference)>;

// The same on a background thread; returns at once. Either block may be empty. Both are called on the background
// thread: a caller that touches its interface moves to its own main thread.
void xa_showDiffUsingTools(const std::string &left, const std::vector<XADiffTool> &tools, const std::string &right,
                           const XAExecutableLocator &locator, XADiffSuccess success,
                           std::function<void(const XAError &)> failure);
// With xa_diffToolsInOrderOfPreference.
void xa_showDiffInExternalToolWithString(const std::string &left, const std::string &right,
                                         const XAExecutableLocator &locator, XADiffSuccess success,
                                         std::function<void(const XAError &)> failure);
