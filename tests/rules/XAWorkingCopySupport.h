#pragma once

// Fixture projects of the version-control rules (tests/fixtures/vcs/<name>) copied into a scratch folder and made a
// working copy there: a Git repository made with libgit2, a broken Git marker, a Mercurial marker or none, with the
// case's own files (ignore file, editor folders, dependency-manager files) written around the project.

#include "core/XAPathsTestSupport.h"

#include <map>
#include <string>

enum class XAWorkingCopyKind {
    Git,
    BrokenGit, // ".git" is a file of garbage: found as Git, but the repository cannot be opened
    Mercurial, // an ".hg" folder
    None,
};

struct XAWorkingCopy {
    XAWorkingCopyKind kind = XAWorkingCopyKind::Git;
    // The name of the project folder in the scratch folder ("app").
    std::string projectFolderName = "app";
    // The working copy's root is the folder that holds the project folder, not the project folder itself.
    bool rootAboveProject = false;
    // Files to write, relative to the project folder ("../Podfile" lands one level up).
    std::map<std::string, std::string> files = {};
};

// Copies the fixture (a folder of tests/fixtures/vcs, or any folder given by absolute path) and prepares the working
// copy; returns the path of the project's ".xcodeproj", which is the fixture's only one.
std::string XAPrepareWorkingCopy(const XAScratchFolder &scratch, const std::string &fixture,
                                 const XAWorkingCopy &workingCopy);

// The ignore file that covers what an Xcode project should ignore, and nothing that it should keep.
extern const char *const kXARecommendedGitIgnore;
