#pragma once

// What a build of the xcodebuild stand-in without -dry-run leaves on disk: the product bundle of each target, laid
// out as the steps would lay it out, so that whoever looks at a built bundle finds it. Nothing is compiled: the
// Info.plist, the resources and the public and private headers are copied as they are, the outputs of compiling steps
// (nib files, compiled storyboards, the asset catalog's Assets.car) are empty placeholders, and the bundle is touched
// last.

#include "platform/devtools/XAXcodebuildBuildSteps.h"

#include <string>
#include <vector>

// Carries out the product structure and the effects of the target's steps in order. A copy whose source is missing is
// left out (the plan warned about it: the stand-in runs no script that would have written it). Every step that fails
// adds a message to `errors` and the rest goes on; true when nothing failed.
bool XALayOutTargetProducts(const XAStandInTargetBuild &build, std::vector<std::string> &errors);
