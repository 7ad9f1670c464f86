#include "codemodel/XAModulesCache.h"

#include "codemodel/XAClangVersion.h"
#include "codemodel/XALibclang.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAUserFolders.h"
#include "project/XADevEnvironment.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace {

// Beside the folder, not in it, so that removing the folder never removes the lock.
std::string lockFilePath() { return XAModulesCacheDir() + ".lock"; }

int openLockFile() {
    const std::string path = lockFilePath();
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        XALog(XALogLevelError, "ERROR: Could not open the modules cache lock at %s: %s", path.c_str(),
              std::strerror(errno));
    }
    return descriptor;
}

// Takes the lock, retrying when a signal interrupts the wait.
void lockShared(int descriptor) {
    while (flock(descriptor, LOCK_SH) != 0 && errno == EINTR) {
    }
}

void removeFolder(const XAProgressHandler &progress) {
    const std::string folder = XAModulesCacheDir();
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    if (error && error != std::errc::no_such_file_or_directory && progress) {
        progress(XAProgressMessage(XAProgressMessageKindError,
                                   "Could not remove modules cache dir at '" + folder + "': " + error.message()));
    }
}

// Removes the folder while holding the exclusive lock on the descriptor, when it can be had at once; the descriptor
// then holds no lock. False when another check uses the caches.
bool removeFolderWhenUnused(int descriptor, const XAProgressHandler &progress) {
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (progress) {
            progress(XAProgressMessage(XAProgressMessageKindDebug,
                                       "Module caches are in use by another check: not cleared"));
        }
        return false;
    }
    removeFolder(progress);
    flock(descriptor, LOCK_UN);
    return true;
}

} // namespace

std::string XAModulesCacheDir() { return XACachesDirectoryPath("ModuleCaches"); }

std::string XAModulesCachePathForVersions(const std::optional<std::string> &xcodeBundleVersion,
                                          const std::string &modulesCacheDirName) {
    return xa_stringByAppendingPathComponent(XAModulesCacheDir(), "Xcode_" + xcodeBundleVersion.value_or("(null)") +
                                                                      "_" + modulesCacheDirName);
}

std::string XAModulesCachePath() {
    const std::string libclangName = XALibclang::isLoaded() ? XAModulesCacheDirName() : "";
    const std::string path =
        XAModulesCachePathForVersions(XADevEnvironment::sharedEnvironment().xcodeBundleVersion(), libclangName);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        std::filesystem::create_directories(path, error);
        if (error) {
            XALog(XALogLevelError, "ERROR: Could not create modules cache path at %s: %s", path.c_str(),
                  error.message().c_str());
        }
    }
    return path;
}

void XAClearModuleCaches(const XAProgressHandler &progress) {
    const int descriptor = openLockFile();
    if (descriptor < 0) {
        return;
    }
    removeFolderWhenUnused(descriptor, progress);
    close(descriptor);
}

XAModulesCacheUse::XAModulesCacheUse(const XAProgressHandler &progress) : lockDescriptor_(openLockFile()) {
    clearUnlessUsedElsewhere(progress);
}

XAModulesCacheUse::~XAModulesCacheUse() { end(); }

void XAModulesCacheUse::clearUnlessUsedElsewhere(const XAProgressHandler &progress) {
    if (lockDescriptor_ < 0) {
        return;
    }
    // Asking for the exclusive lock gives up this use's shared one (Linux converts a lock by dropping it first), so
    // the shared lock is taken anew either way; nothing of this check is in the caches while it has none.
    removeFolderWhenUnused(lockDescriptor_, progress);
    lockShared(lockDescriptor_);
}

void XAModulesCacheUse::end() {
    if (lockDescriptor_ >= 0) {
        close(lockDescriptor_);
        lockDescriptor_ = -1;
    }
}
