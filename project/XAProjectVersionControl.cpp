// The version-control state of a project.

#include "project/XAProject.h"

#include "project/XAGitRepository.h"

#include <array>

namespace {

constexpr std::array<const char *, 6> kSystemNames = {"?", "Git", "Mercurial", "Bazaar", "Subversion", "Fossil"};

} // namespace

void XAProject::determineAndCacheVCSInfoWithProgress(const XAProgressHandler &progress) const {
    std::lock_guard guard(versionControlLock_);
    if (versionControlState_) {
        return;
    }
    XAVersionControlState state{XAVersionControlLocationOfFolder(projectDiskRootPath()), nullptr};
    if (state.location.system == XAVersionControlSystemGit && state.location.rootPath) {
        auto repository = std::make_shared<XAGitRepository>(*state.location.rootPath);
        if (repository->validateWithProgressHandler(progress)) {
            state.repository = std::move(repository);
        }
    }
    versionControlState_ = std::move(state);
}

XAVersionControlSystem XAProject::versionControlSystem() const {
    std::lock_guard guard(versionControlLock_);
    return versionControlState_ ? versionControlState_->location.system : XAVersionControlSystemNone;
}

std::optional<std::string> XAProject::versionControlRootPath() const {
    std::lock_guard guard(versionControlLock_);
    return versionControlState_ ? versionControlState_->location.rootPath : std::nullopt;
}

std::shared_ptr<XAVCSRepository> XAProject::versionControlRepository() const {
    std::lock_guard guard(versionControlLock_);
    return versionControlState_ ? versionControlState_->repository : nullptr;
}

std::string XAProject::effectiveRootPath() const { return versionControlRootPath().value_or(projectDiskRootPath()); }

std::string XAProject::nameForVersionControlSystem(std::int64_t system) {
    return system >= 0 && system < static_cast<std::int64_t>(kSystemNames.size()) ? kSystemNames[system] : "?";
}

std::vector<XAVersionControlSystem> XAProject::allSupportedVersionControlSystems() {
    return {XAVersionControlSystemGit, XAVersionControlSystemMercurial, XAVersionControlSystemBazaar,
            XAVersionControlSystemSubversion, XAVersionControlSystemFossil};
}

std::vector<std::string> XAProject::allSupportedVersionControlSystemNames() {
    std::vector<std::string> names;
    for (XAVersionControlSystem system : allSupportedVersionControlSystems()) {
        names.push_back(nameForVersionControlSystem(system));
    }
    return names;
}
