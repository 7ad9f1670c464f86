#include "core/XADiffTools.h"

#include "core/XATask.h"
#include "core/XATemporaryFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

// A new temporary file holding the text; no value with the error set when it cannot be made or written.
std::optional<std::string> temporaryFileWithText(const std::string &text, XAError &error) {
    const std::optional<std::string> path = XATemporaryFilePath("TempFileDiff-XXXXXXXXX");
    if (!path) {
        error = XAError("Cannot create a temporary file for the diff tool");
        return std::nullopt;
    }
    std::ofstream file(*path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        error = XAError("Cannot write the temporary file " + *path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    return path;
}

} // namespace

std::vector<XADiffTool> xa_diffTools() {
    return {
        {"Meld", {"meld"}},
        {"KDiff3", {"kdiff3"}},
        {"Kompare", {"kompare"}},
        {"Visual Studio Code", {"code"}, {"--diff"}},
        {"Kaleidoscope", {"ksdiff", "/Applications/Kaleidoscope.app/Contents/Resources/bin/ksdiff"}},
        {"Beyond Compare", {"bcompare", "/usr/local/bin/bcompare"}},
        {"Changes", {"chdiff", "/Applications/Changes.app/Contents/Resources/chdiff"}},
        {"DeltaWalker", {"/Applications/DeltaWalker.app/Contents/MacOS/dw"}},
        {"FileMerge", {"opendiff"}},
        {"TextWrangler", {"twdiff", "/usr/local/bin/twdiff"}},
        {"diff", {"diff"}, {"-u"}, true},
    };
}

std::vector<XADiffTool> xa_diffToolsInOrderOfPreference() { return xa_diffTools(); }

std::optional<std::string> XAInstalledDiffToolPath(const std::vector<XADiffTool> &tools,
                                                   const XAExecutableLocator &locator, XAError *error) {
    const std::optional<XAInstalledDiffTool> installed = XAFirstInstalledDiffTool(tools, locator, error);
    return installed ? std::optional(installed->path) : std::nullopt;
}

std::optional<XAInstalledDiffTool> XAFirstInstalledDiffTool(const std::vector<XADiffTool> &tools,
                                                            const XAExecutableLocator &locator, XAError *error) {
    std::string tried;
    for (const XADiffTool &tool : tools) {
        for (const std::string &command : tool.commands) {
            const std::optional<std::string> path = locator ? locator(command) : std::nullopt;
            std::error_code code;
            if (path && !path->empty() && std::filesystem::exists(*path, code)) {
                return XAInstalledDiffTool{tool, *path};
            }
            tried.append(tried.empty() ? "" : ", ").append("`" + command + "`");
        }
    }
    XASetError(error, "Cannot find any of the following diff tools: " + tried);
    return std::nullopt;
}

std::optional<XAError> XARunDiffTool(const std::string &left, const std::string &right,
                                     const std::vector<XADiffTool> &tools, const XAExecutableLocator &locator,
                                     std::optional<std::string> *printedDifference) {
    XAError error;
    const std::optional<XAInstalledDiffTool> installed = XAFirstInstalledDiffTool(tools, locator, &error);
    if (!installed) {
        return error;
    }
    const std::optional<std::string> leftPath = temporaryFileWithText(left, error);
    const std::optional<std::string> rightPath = leftPath ? temporaryFileWithText(right, error) : std::nullopt;
    if (!rightPath) {
        return error;
    }
    std::vector<std::string> arguments = installed->tool.arguments;
    arguments.insert(arguments.end(), {*leftPath, *rightPath});
    const XATaskResults results = XATask::xa_execute(installed->path, arguments);
    if (results.error) {
        return results.error;
    }
    const bool differ = installed->tool.printsDifference && results.exitStatus == 1;
    if (results.exitStatus != 0 && !differ) {
        return XAError(installed->path + " returned status " + std::to_string(results.exitStatus));
    }
    if (printedDifference) {
        *printedDifference = installed->tool.printsDifference
                                 ? std::optional(results.standardOutput.value_or(std::string()))
                                 : std::nullopt;
    }
    return std::nullopt;
}

void xa_showDiffUsingTools(const std::string &left, const std::vector<XADiffTool> &tools, const std::string &right,
                           const XAExecutableLocator &locator, XADiffSuccess success,
                           std::function<void(const XAError &)> failure) {
    std::thread([=] {
        std::optional<std::string> printed;
        const std::optional<XAError> error = XARunDiffTool(left, right, tools, locator, &printed);
        if (error && failure) {
            failure(*error);
        } else if (!error && success) {
            success(printed);
        }
    }).detach();
}

void xa_showDiffInExternalToolWithString(const std::string &left, const std::string &right,
                                         const XAExecutableLocator &locator, XADiffSuccess success,
                                         std::function<void(const XAError &)> failure) {
    xa_showDiffUsingTools(left, xa_diffToolsInOrderOfPreference(), right, locator, std::move(success),
                          std::move(failure));
}
