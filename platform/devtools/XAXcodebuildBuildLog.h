#pragma once

// The text of the xcodebuild stand-in's build log, in the legacy build system's layout:
//
//   Build settings from command line:
//       SYMROOT = /tmp/products
//
//   === BUILD TARGET App OF PROJECT Shop WITH CONFIGURATION Debug ===
//
//   Check dependencies
//
//   Create product structure
//   /bin/mkdir -p /tmp/products/Debug-iphoneos/App.app
//
//   CompileC /tmp/objects/.../AppDelegate.o /Users/me/Shop/App/AppDelegate.m normal arm64 objective-c ...
//       cd /Users/me/Shop
//       export LANG=en_US.US-ASCII
//       /Developer/Toolchains/XcodeDefault.xctoolchain/usr/bin/clang -x objective-c ...
//
//   ** BUILD SUCCEEDED **
//
// Step headers are unindented and the step's lines indented by four blanks; a blank line ends every step. In step
// headers, "cd" lines and tool lines, each argument is escaped as the log's readers split it (a backslash before a
// blank, a tab, a double quote or a backslash); exported values are quoted when they hold anything but plain
// characters.

#include "platform/devtools/XAXcodebuildBuildSteps.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One argument as a log line holds it. An empty argument is written as "" so that it keeps its place; a line break
// cannot stand in a log line and is written as an escaped blank.
std::string XAEscapedLogArgument(std::string_view argument);

// The arguments escaped and joined by blanks.
std::string XALogArgumentLine(const std::vector<std::string> &arguments);

// The "Build settings from command line:" block and its blank line; empty without settings.
std::string XACommandLineSettingsLogText(const std::vector<std::pair<std::string, std::string>> &settings);

// The banner of a target's section and its steps.
std::string XATargetBuildLogText(const XAStandInTargetBuild &build);
