#pragma once

// The command-line launcher script: the template "tqx.sh" among the resources, filled with this installation's
// name, root and copyright, and written as an executable file (by default "/usr/local/bin/tessary"). The desktop's
// installer window and the command line's developer command both write it through installCLIToolScript.
//
// The template holds its placeholders inside double-quoted shell words, so every value is escaped for that place:
// a backslash goes before each `\`, `"`, `$` and backquote. A root holding "$(…)" or a backquote therefore stays a
// path and never runs a command.

#include "core/XAError.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr const char *XACLIToolsDefaultInstallFolder = "/usr/local/bin";
inline constexpr const char *XACLIToolName = "tessary";
inline constexpr const char *XACLIToolScriptTemplateResource = "tqx.sh";

// What the placeholders are filled with.
struct XACLIToolScriptBundle {
    std::string name;      // "{{APP_NAME}}"; "{{SAFE_APP_NAME}}" is the same without spaces
    std::string path;      // "{{APP_PATH}}": the installed tree's root (bin/, libexec/, share/ below it)
    std::string copyright; // "{{APP_COPYRIGHT}}"

    // This installation: the application's name, the folder above the executable's and the copyright line of
    // the version record.
    static XACLIToolScriptBundle ofProcess();
};

// The text escaped for the inside of a double-quoted shell word.
std::string XAShellDoubleQuoteEscaped(std::string_view text);
// The template with every occurrence of each placeholder replaced by its escaped value.
std::string XAFilledCLIToolScript(std::string templateText, const XACLIToolScriptBundle &bundle);

// The folder the launcher goes into: $TESSARY_CLI_TOOLS_INSTALL_DIR when set and not empty, else "/usr/local/bin".
std::string XACLIToolsInstallFolder();
// That folder + "tessary".
std::string cliCommandFullInstallationPath();
// Whether anything (a file, a folder, a dangling link) exists at that path.
bool cliToolsAlreadyInstalled();

// Writes the filled template to folder + file name (no value: the install folder and "tessary"), creating missing
// folders, and makes it executable by everyone (0755). An existing file is never overwritten: that fails with "The
// file already exists: <path>". Other failures carry the reason of the file system.
bool installCLIToolScript(const std::optional<std::string> &folder, const std::optional<std::string> &fileName,
                          XAError *error);
// The same with a given template text and bundle.
bool installCLIToolScript(const std::string &folder, const std::string &fileName, const std::string &templateText,
                          const XACLIToolScriptBundle &bundle, XAError *error);
