#pragma once

// Showing the difference between two texts in a graphical diff tool that the user has installed: the first
// installed tool of a list in order of preference is run on two temporary files holding the texts.

#include "core/XAError.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct XADiffTool {
    std::string name;
    // Command names or absolute paths that start the tool, tried in order.
    std::vector<std::string> commands;

    bool operator==(const XADiffTool &) const = default;
};

// Kaleidoscope, Beyond Compare, Changes, DeltaWalker, FileMerge and TextWrangler, in that order; made on each call.
std::vector<XADiffTool> xa_diffTools();
std::vector<XADiffTool> xa_diffToolsInOrderOfPreference();

// The absolute path of a command, or no value (the developer environment's pathToExecutable in the application).
using XAExecutableLocator = std::function<std::optional<std::string>(const std::string &command)>;

// The path of the first command of the first tool that the locator finds and that exists. Without one, the error
// lists every command in backquotes: "Cannot find any of the following diff tools: `ksdiff`, ...".
std::optional<std::string> XAInstalledDiffToolPath(const std::vector<XADiffTool> &tools,
                                                   const XAExecutableLocator &locator, XAError *error);

// The whole job, on the calling thread: find the tool, write `left` and `right` into two new temporary files
// ("TempFileDiff-XXXXXXXXX"), run the tool with the two paths as its only arguments (never through a shell) and wait
// for it. No value on success; the error otherwise, also "<tool> returned status <n>" for a non-zero exit status
// and the launch error of a tool that cannot be started. The temporary files stay.
std::optional<XAError> XARunDiffTool(const std::string &left, const std::string &right,
                                     const std::vector<XADiffTool> &tools, const XAExecutableLocator &locator);

// The same on a background thread; returns at once. Either block may be empty. Both are called on the background
// thread: a caller that touches its interface moves to its own main thread.
void xa_showDiffUsingTools(const std::string &left, const std::vector<XADiffTool> &tools, const std::string &right,
                           const XAExecutableLocator &locator, std::function<void()> success,
                           std::function<void(const XAError &)> failure);
// With xa_diffToolsInOrderOfPreference.
void xa_showDiffInExternalToolWithString(const std::string &left, const std::string &right,
                                         const XAExecutableLocator &locator, std::function<void()> success,
                                         std::function<void(const XAError &)> failure);
