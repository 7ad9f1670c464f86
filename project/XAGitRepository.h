#pragma once

#include "project/XAVersionControl.h"

#include <mutex>

struct git_repository;

// A Git working copy, read through libgit2. Every libgit2 call on one repository holds the repository's own lock,
// since rules ask it from several threads at once.
class XAGitRepository : public XAVCSRepository {
public:
    explicit XAGitRepository(std::string rootPath);
    ~XAGitRepository() override;

    std::string versionControlSystemName() const override { return "Git"; }
    // Opens the repository at the root path (once); a failure sends "Cannot open Git repository at <root>: <reason>"
    // as an error to the handler.
    bool validateWithProgressHandler(const XAProgressHandler &progress) override;
    // An absolute path inside the working folder (whole path components: "/repo2/x" is not inside "/repo") is asked
    // relative to it; a relative path is asked as it is. An absolute path outside the working folder is not ignored:
    // the repository's rules do not reach there (libgit2 would match its name against the patterns all the same).
    // False for an empty path, an unopened repository and whatever libgit2 cannot answer.
    bool pathIsIgnored(const std::string &path) override;
    // The commit id of HEAD as 40 hexadecimal digits; no value (logged) when HEAD does not resolve, as in a repository
    // without commits ("HEAD is missing").
    std::optional<std::string> currentRevision() override;

private:
    std::recursive_mutex lock_;
    git_repository *repository_ = nullptr;
};
