#pragma once

// `xcodebuild [-workspace W -scheme S | -project P [-scheme S | -target T ... | -alltargets]] [-configuration C]
// [-sdk S] [-arch A] [NAME=VALUE ...] [-dry-run] build` of the stand-in: the legacy build log of the chosen targets
// and of every target they depend on, in dependency order (XAXcodebuildBuildOrder.h), one section per target
// (XAXcodebuildBuildSteps.h, XAXcodebuildBuildLog.h). Without -dry-run the product bundles are laid out as well
// (XAXcodebuildBuildProducts.h); nothing is compiled.
//
// Which targets: the scheme's build entries that build for running; else the -target names, every target for
// -alltargets, or the project's first target. The project is the one named, else the only one in the working folder.
// The configuration: the one named, else the scheme's launch configuration, else the project's default; a project
// of a dependency that lacks it builds in its own default configuration.
//
// Exit status: 0 after "** BUILD SUCCEEDED **"; 64 for options that do not go together or a workspace without a
// scheme; 65 for a scheme, target or configuration that does not exist (and when laying out a product fails, after
// "** BUILD FAILED **"); 66 when the project or workspace is missing or cannot be read. Errors and warnings go to
// standard error as "xcodebuild: error: ..." and "xcodebuild: warning: ...".

#include "platform/devtools/XAXcodebuildArguments.h"
#include "platform/devtools/XAXcodebuildShowBuildSettings.h"

#include <string>

XAToolOutput XARunXcodebuildBuild(const XABuildSettingsRequest &request, const std::string &developerDirectory,
                                  const std::string &workingDirectory);
