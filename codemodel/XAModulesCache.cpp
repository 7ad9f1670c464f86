#include "codemodel/XAModulesCache.h"

#include "codemodel/XAClangVersion.h"
#include "codemodel/XALibclang.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAUserFolders.h"
#include "project/XADevEnvironment.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

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

// Takes the exclusive lock on the descriptor when it can be had at once. False when another check uses the caches.
bool lockExclusivelyWhenUnused(int descriptor, const XAProgressHandler &progress) {
    if (flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
        return true;
    }
    if (progress) {
        progress(
            XAProgressMessage(XAProgressMessageKindDebug, "Module caches are in use by another check: not cleared"));
    }
    return false;
}

// Inside the folder, so that clearing the caches removes their key with them.
std::string keyFilePath() { return xa_stringByAppendingPathComponent(XAModulesCacheDir(), "CacheKey"); }

std::string storedKey() { return XAContentsOfFile(keyFilePath(), nullptr).value_or(""); }

// The modification time of the path in nanoseconds and its inode number, "-" when it is missing.
std::string modificationTime(const std::string &path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return "-";
    }
    return std::to_string(status.st_mtim.tv_sec) + "." + std::to_string(status.st_mtim.tv_nsec) + "#" +
           std::to_string(status.st_ino);
}

// The folders inside `folder` whose names end with `suffix`, sorted.
std::vector<std::string> foldersEndingWith(const std::string &folder, std::string_view suffix) {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().filename().string().ends_with(suffix) && entry.is_directory(error)) {
            found.push_back(entry.path().string());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
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

std::string XASDKLayoutStamp(const std::string &developerDirectory) {
    std::string stamp;
    for (const std::string &platform :
         foldersEndingWith(xa_stringByAppendingPathComponent(developerDirectory, "Platforms"), ".platform")) {
        for (const std::string &sdk :
             foldersEndingWith(xa_stringByAppendingPathComponent(platform, "Developer/SDKs"), ".sdk")) {
            stamp += sdk + " " + modificationTime(sdk) + " " +
                     modificationTime(xa_stringByAppendingPathComponent(sdk, "System/Library/Frameworks")) + " " +
                     modificationTime(xa_stringByAppendingPathComponent(sdk, "usr/include")) + "\n";
        }
    }
    return stamp;
}

std::string XAModulesCacheKey() {
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    const std::optional<std::string> developerDirectory = environment.devDirRootPath();
    return "developer tools " + environment.xcodeBundleVersion().value_or("(null)") + "\nlibclang " +
           (XALibclang::isLoaded() ? XAClangFullVersion().value_or("") : "") + "\n" +
           (developerDirectory ? XASDKLayoutStamp(*developerDirectory) : "");
}

void XAClearModuleCaches(const XAProgressHandler &progress) {
    const int descriptor = openLockFile();
    if (descriptor < 0) {
        return;
    }
    if (lockExclusivelyWhenUnused(descriptor, progress)) {
        removeFolder(progress);
    }
    close(descriptor);
}

XAModulesCacheUse::XAModulesCacheUse(std::string key, const XAProgressHandler &progress)
    : key_(std::move(key)), lockDescriptor_(openLockFile()) {
    clearIfNeeded(false, progress);
}

XAModulesCacheUse::~XAModulesCacheUse() { end(); }

void XAModulesCacheUse::clearUnlessUsedElsewhere(const XAProgressHandler &progress) { clearIfNeeded(true, progress); }

void XAModulesCacheUse::clearIfNeeded(bool clearWithSameKey, const XAProgressHandler &progress) {
    if (lockDescriptor_ < 0) {
        return;
    }
    if (!clearWithSameKey && storedKey() == key_) {
        lockShared(lockDescriptor_);
        return;
    }
    // Asking for the exclusive lock gives up this use's shared one (Linux converts a lock by dropping it first), so
    // the shared lock is taken anew either way; nothing of this check is in the caches while it has none. The key is
    // read again under the lock: another check may have cleared the caches for the same key meanwhile.
    if (lockExclusivelyWhenUnused(lockDescriptor_, progress) && (clearWithSameKey || storedKey() != key_)) {
        removeFolder(progress);
        XAError error;
        if (!XAWriteFileAtomically(keyFilePath(), key_, &error)) {
            XALog(XALogLevelError, "ERROR: Could not write the modules cache key: %s", error.message.c_str());
        }
    }
    lockShared(lockDescriptor_);
}

void XAModulesCacheUse::end() {
    if (lockDescriptor_ >= 0) {
        close(lockDescriptor_);
        lockDescriptor_ = -1;
    }
}
