#pragma once

// The build files of a build phase as the build tools see them: each file of the project's tree that the phase names,
// with the "settings" its build file carries (per-file compiler flags, header visibility).

#include <memory>
#include <vector>

class XAProjectBuildPhase;
class XAProjectFile;
class XAValue;

struct XAPhaseBuildFile {
    std::shared_ptr<XAProjectFile> file;
    const XAValue *settings = nullptr; // the build file's "settings"; null without; lives as long as the project data
};

// In "files" order. Build files that name no file of the project's tree (variant groups, sub-project products,
// broken references) are left out.
std::vector<XAPhaseBuildFile> XAPhaseBuildFiles(const XAProjectBuildPhase &phase);
