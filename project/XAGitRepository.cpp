#include "project/XAGitRepository.h"

#include "core/XALog.h"
#include "core/XAPaths.h"

#include <git2.h>

XAGitRepository::XAGitRepository(std::string rootPath) : XAVCSRepository(std::move(rootPath)) { git_libgit2_init(); }

XAGitRepository::~XAGitRepository() {
    git_repository_free(repository_);
    git_libgit2_shutdown();
}

bool XAGitRepository::validateWithProgressHandler(const XAProgressHandler &progress) {
    std::lock_guard guard(lock_);
    if (repository_) {
        return true;
    }
    if (git_repository_open(&repository_, rootPath().c_str()) == 0) {
        return true;
    }
    repository_ = nullptr;
    const git_error *error = git_error_last();
    const std::string reason = error && error->message ? error->message : "?";
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindError,
                                   "Cannot open Git repository at " + rootPath() + ": " + reason));
    }
    return false;
}

bool XAGitRepository::pathIsIgnored(const std::string &path) {
    if (path.empty()) {
        return false;
    }
    std::lock_guard guard(lock_);
    if (!repository_) {
        return false;
    }
    std::string asked = xa_stringByStandardizingPath(path);
    if (xa_isAbsolutePath(path)) {
        const char *workdir = git_repository_workdir(repository_);
        const std::string workingFolder = workdir ? xa_stringByStandardizingPath(workdir) : std::string();
        if (workingFolder.empty() || !XAPathIsInsideOrEqual(asked, workingFolder)) {
            return false; // libgit2 would match the name against the patterns wherever the file is
        }
        asked = xa_stringByStandardizingPath(xa_relativePathFromPath(asked, workingFolder));
    }
    int ignored = 0;
    return git_ignore_path_is_ignored(&ignored, repository_, asked.c_str()) == 0 && ignored != 0;
}

std::optional<std::string> XAGitRepository::currentRevision() {
    std::lock_guard guard(lock_);
    if (!repository_) {
        return std::nullopt;
    }
    git_oid commit;
    const int code = git_reference_name_to_id(&commit, repository_, "HEAD");
    if (code == 0) {
        return std::string(git_oid_tostr_s(&commit));
    }
    if (code == GIT_ENOTFOUND) {
        XALog(XALogLevelError, "Error: Cannot get Git revision: HEAD is missing");
    } else {
        XALog(XALogLevelError, "Error: Cannot get Git revision: error code %d", code);
    }
    return std::nullopt;
}
