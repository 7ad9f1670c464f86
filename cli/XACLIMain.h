#pragma once

// The command-line face of Tessary and the commands it runs.

#include "cli/XACLIArgs.h"

#include <optional>
#include <string>
#include <vector>

class XAConfiguration;
class XAProject;

// The whole command-line run: logging, signals, the developer tools, the arguments and the one command asked for.
// `arguments` holds the program path followed by the arguments after "cli". Returns the exit status.
int XACLIMain(const std::vector<std::string> &arguments);

// The desktop face: loads the desktop application's library (lib/tessary/libtessary-desktop.so beside the
// executable's folder) and runs it with the arguments as given. When it cannot be loaded, says why, with status 64.
int XADesktopMain(const std::vector<std::string> &arguments);

// The parsed arguments when they name a command that can run and it is not "help". Otherwise prints the long usage
// ("help"), the short usage (another valid command with missing arguments) or the unknown command, and gives no
// environment; `exitStatus` is then 0 for "help" and 1 otherwise.
std::optional<XACLIEnvironment> XACLIParseArgs(const std::vector<std::string> &arguments,
                                               const std::string &programName, int &exitStatus);

// The configuration of a check: the file named by "configFile", else the project's primary configuration file,
// with the arguments laid over it; the defaults with the arguments when there is no file. No value when the file
// cannot be read or parsed. Errors are logged as "Error: <message>".
std::optional<XAConfiguration> XACLILoadConfiguration(const XACLIArgs &args, const XAProject &project);

// "validateconfig": the configuration's dump and then its errors, or "OK". 1 when there were errors.
int XACLIValidateConfig(const std::optional<std::string> &path);
// "rules" and "tags": descriptions of the named rules or tags, of all public ones without names. Unknown names are
// reported on standard error and give 1.
int XACLIPrintRules(const std::vector<std::string> &ruleShortNames);
int XACLIPrintTags(const std::vector<std::string> &tagNames);

// "clearcaches", "check" and "check-xcode": loads the project and runs the command.
int XACLIRunProjectCommand(const XACLIEnvironment &environment, const std::string &command);
