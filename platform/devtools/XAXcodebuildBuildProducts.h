#pragma once

// What a build of the xcodebuild stand-in leaves on disk. Without -dry-run: the product bundle of each target, laid
// out as the steps would lay it out, so that whoever looks at a built bundle finds it. Nothing is compiled: the
// Info.plist and the resources are copied as they are, the outputs of compiling steps (nib files, compiled storyboards,
// the asset catalog's Assets.car) are empty placeholders, and the bundle is touched last. Every build, dry runs too,
// lays out what the target's users compile against: its public and private headers as links to the project's files
// and a framework's module map, so that the targets built after it find <Name/Header.h> and `@import Name;` under
// the built products folder as they would after a real build.

#include "platform/devtools/XAXcodebuildBuildSteps.h"

#include <string>
#include <vector>

// Carries out the product structure and the effects of the target's steps in order (with `dryRun`, only the
// links to its headers and its module map). A copy whose source is missing is left out (the plan warned about it: the
// stand-in runs no script that would have written it). Every step that fails adds a message to `errors` and the rest
// goes on; true when nothing failed.
bool XALayOutTargetProducts(const XAStandInTargetBuild &build, bool dryRun, std::vector<std::string> &errors);
