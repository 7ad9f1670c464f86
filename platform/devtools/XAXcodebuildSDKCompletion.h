#pragma once

// The SDK completion of a target's build log. Real code uses far more of the SDK than the hand-written SDK stand-in
// declares, so when the xcodebuild stand-in prints a dry run's log it has the SDK completion tool
// (<developer>/usr/libexec/sdk-completion, completion/XACompletionRun.h) derive, from the target's own code, the
// declarations and headers the stand-in lacks, and hands them to the compiler through the compile lines it logs:
//
// - the files that had compiler errors the completion addresses get "-Wno-incomplete-umbrella -include
//   <folder>/SDKCompletion.h" after their prefix header and flags (a file that parses gets nothing);
// - every compile line of the target, precompiled headers' too, gets "-ivfsoverlay <folder>/overlay.yaml" when
//   SDK headers the stand-in lacks were made (inert for files that never include one).
//
// The folder is the target's SDKCompletion folder under the OBJROOT the command line names (a dry run without one
// completes nothing, since it writes nothing), so the completion is kept with the build products
// the log names. A dry run of an unchanged target reuses the outcome of the last one instead of completing again:
// the job (every compile line) and the size and time of every source file must be what they were.
//
// No completion without the tool, for a target without compile steps, or when the environment variable
// TESSARY_SDK_COMPLETION is "NO".

#include "platform/devtools/XAXcodebuildBuildSteps.h"

#include <string>

// Completes the target's compile steps in place; warnings (a tool that failed) are added to the build's.
void XACompleteTargetBuild(XAStandInTargetBuild &build, const std::string &developerDirectory);
