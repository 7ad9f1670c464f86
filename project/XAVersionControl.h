#pragma once

// Version-control working copies: which system a folder lies under and where the working copy's root is, and the
// repository objects that answer questions about one (only Git has one, XAGitRepository).

#include "core/XAProgressMessage.h"

#include <cstdint>
#include <optional>
#include <string>

enum XAVersionControlSystem : std::int64_t {
    XAVersionControlSystemNone = 0,
    XAVersionControlSystemGit = 1,
    XAVersionControlSystemMercurial = 2,
    XAVersionControlSystemBazaar = 3,
    XAVersionControlSystemSubversion = 4,
    XAVersionControlSystemFossil = 5,
};

// The working copy a folder lies in.
struct XAVersionControlLocation {
    XAVersionControlSystem system = XAVersionControlSystemNone;
    // No value when there is no working copy, or when a run of Subversion folders reaches up to the top.
    std::optional<std::string> rootPath;

    bool operator==(const XAVersionControlLocation &) const = default;
};

// Walks up from the folder (itself first, standardised) looking for the markers of five systems. The first folder
// that holds ".git" (a folder or a file), ".hg", ".bzr", ".fslckout" or "_FOSSIL_" is the root (Git winning over
// Mercurial, over Bazaar, over Fossil); Subversion, whose every folder holds ".svn", has the top-most folder of the
// uninterrupted run of ".svn" folders as its root, unless another system's marker is met above it. The file-system
// root itself is never looked at, and a folder of "/" or "" finds nothing. Folders that cannot be listed count as
// holding no marker.
XAVersionControlLocation XAVersionControlLocationOfFolder(const std::string &folder);

// A repository of a working copy. Rules ask it from several threads at once.
class XAVCSRepository {
public:
    explicit XAVCSRepository(std::string rootPath) : rootPath_(std::move(rootPath)) {}
    virtual ~XAVCSRepository() = default;
    XAVCSRepository(const XAVCSRepository &) = delete;
    XAVCSRepository &operator=(const XAVCSRepository &) = delete;

    const std::string &rootPath() const { return rootPath_; }

    // "Git", ...
    virtual std::string versionControlSystemName() const = 0;
    // Opens the repository once; false (with an error message to the handler) when it cannot be used.
    virtual bool validateWithProgressHandler(const XAProgressHandler &progress) = 0;
    // Whether the repository's ignore rules cover the path (absolute, or relative to the working copy's root).
    virtual bool pathIsIgnored(const std::string &path) = 0;
    // The commit the working copy stands on; no value (logged) when there is none.
    virtual std::optional<std::string> currentRevision() = 0;

private:
    std::string rootPath_;
};
