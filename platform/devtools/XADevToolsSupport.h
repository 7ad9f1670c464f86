#pragma once

// What the developer-directory stand-ins (xcrun, xcode-select, xcodebuild) share: which developer directory they
// serve, where its SDKs lie, and how they report errors.

#include <optional>
#include <string>
#include <vector>

// The developer directory the tools serve: DEVELOPER_DIR when it is set and not empty (made absolute), else the
// directory the running tool belongs to (two levels above the folder of the executable, symbolic links resolved), as
// the tools live in <developer dir>/usr/bin. No value only when the tool cannot tell where it lives.
std::optional<std::string> XAStandInDeveloperDirectory(const char *argv0);

// The folder of an SDK in the developer directory, for the name of one of its platforms ("iphoneos", "macosx",
// "watchsimulator", ...), optionally followed by a version ("iphoneos18.0"). No value for any other name.
std::optional<std::string> XAStandInSDKPath(const std::string &developerDirectory, const std::string &sdkName);

// The path of a developer tool in the developer directory: <dev>/usr/bin, then the default toolchain's usr/bin.
// No value when neither holds an executable of that name, or the name is not a plain file name.
std::optional<std::string> XAStandInToolPath(const std::string &developerDirectory, const std::string &toolName);

// The arguments after the program path.
std::vector<std::string> XAToolArguments(int argc, char **argv);

// Writes "<tool>: error: <message>" and a newline to standard error.
void XAPrintToolError(const std::string &toolName, const std::string &message);
