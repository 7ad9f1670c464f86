#pragma once

// `xcodebuild -list [-workspace W | -project P]` of the stand-in, in xcodebuild's shape:
//
//   Information about workspace "Shop":
//       Schemes:
//           App
//           Library
//
//   Information about project "App":
//       Targets:
//           App
//           AppTests
//
//       Build Configurations:
//           Debug
//           Release
//
//       If no build configuration is specified and -scheme is not passed then "Release" is used.
//
//       Schemes:
//           App
//
// Schemes are listed as XAStandInSchemeContainer::schemes orders them (shared ones, then the user's own). Exit
// status: 0; 64 for -workspace with -project, or a folder with several projects; 66 when the workspace or project is
// missing or cannot be read.

#include "platform/devtools/XAXcodebuildArguments.h"
#include "platform/devtools/XAXcodebuildShowBuildSettings.h"

#include <string>

// `userName` chooses whose own schemes (xcuserdata/<user>.xcuserdatad) are listed.
XAToolOutput XAListXcodebuild(const XABuildSettingsRequest &request, const std::string &developerDirectory,
                              const std::string &workingDirectory, const std::string &userName);
