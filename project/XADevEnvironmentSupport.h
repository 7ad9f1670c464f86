#pragma once

// The decisions of the developer-tools environment that depend only on their inputs, kept apart from the shared
// environment object so that they can be used and tested without it.

#include <map>
#include <optional>
#include <string>
#include <vector>

using XAEnvironmentVariables = std::map<std::string, std::string>;

// The value of a process environment variable, or no value when it is not set.
std::optional<std::string> XAEnvironmentValue(const char *name);

// True when the environment belongs to a process inside a unit-test harness that injects itself into children:
// "XCInjectBundle" names a ".octest" bundle, or "XCInjectBundleInto" is present.
bool XAIsUnitTestHarnessEnvironment(const XAEnvironmentVariables &environment);

// The environment xcodebuild runs with: the given one without the harness's injection variables (only when it is a
// harness environment), with TESSARY_APP_ACTIVE=yep so that Tessary started inside that build knows it must not
// recurse, and with an English UTF-8 locale so that the build log reads the same everywhere.
XAEnvironmentVariables XAEnvironmentForXcodebuild(XAEnvironmentVariables environment);

// The lines of `xcodebuild -help` output, each trimmed of surrounding white space.
std::vector<std::string> XAXcodebuildHelpLines(const std::string &helpOutput);
// True when a help line begins with the option (a "-" put in front when it has none) followed by a blank, so that
// an option never matches a longer one of which it is a prefix.
bool XAXcodebuildHelpListsOption(const std::vector<std::string> &helpLines, const std::string &option);

// The answer of `xcodebuild -version` as one line: its non-empty lines joined by ", ", or "Xcode version unknown"
// when there is no output.
std::string XAXcodebuildVersionDescription(const std::optional<std::string> &versionOutput);

// The name tput is asked about: TERM_PROGRAM when set, else TERM.
std::optional<std::string> XATerminalName(const std::optional<std::string> &termProgram,
                                          const std::optional<std::string> &term);
// Whether colour escape sequences may be used: the terminal's "colors" capability (tput's answer, if any) is above 7,
// or the terminal program is Apple's Terminal, or TERM mentions "color".
bool XATerminalSupportsColors(const std::optional<std::string> &colorsCapability,
                              const std::optional<std::string> &termProgram, const std::optional<std::string> &term);
