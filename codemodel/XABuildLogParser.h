#pragma once

// Cuts xcodebuild's legacy build log into the steps of every target it built.
//
// The log has one section per target build, opened by a banner such as
//   === BUILD TARGET App OF PROJECT Shop WITH CONFIGURATION Debug ===
// and made of steps: an unindented header line ("CompileC /obj/a.o /src/a.m normal arm64 objective-c ...") followed
// by lines indented with blanks (a "cd" into the working directory, "export" or "setenv" lines, the tool's command
// line). Blocks that are not steps (auxiliary files, product structure, asset-catalog results), "** BUILD ..."
// trailers, "Check dependencies" and "Copying lib..." lines are left out; "warning:" lines are reported.

#include "codemodel/XABuildStep.h"
#include "core/XAProgressMessage.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

class XAProject;

// Target key -> the target's steps in log order. Keys sort, so every listing of them is stable.
using XABuildStepsByTargetKey = std::map<std::string, std::vector<XABuildStep>>;

// The project's own spelling of its name and of its targets' names, which win over the forms xcodebuild prints
// (it re-encodes non-ASCII names).
struct XABuildLogProjectNames {
    std::string projectName;
    std::vector<std::string> targetNames; // in the project's order

    static XABuildLogProjectNames of(const XAProject &project);
};

class XABuildLogParser {
public:
    XABuildLogParser() = delete;

    // "<project>__<target>": the key of one target's steps.
    static std::string keyForProjectName(std::string_view projectName, std::string_view targetName);

    // The steps of every target section of the log. The log may hold invalid UTF-8 (it is decoded with replacement
    // characters). Text before the first banner is ignored; a later section of the same target replaces an earlier
    // one. A banner whose project or target cannot be read, and every "warning:" line of the log (other than the
    // armv7 notice), is reported as a warning and the work goes on. Never fails: a log without banners gives no
    // entries.
    static XABuildStepsByTargetKey buildStepsByTargetKeyFromLog(std::string_view log,
                                                                const XABuildLogProjectNames &names,
                                                                const XAProgressHandler &progress);
    static XABuildStepsByTargetKey buildStepsByTargetKeyFromLog(std::string_view log, const XAProject &project,
                                                                const XAProgressHandler &progress);
};
