#pragma once

// The folder of Clang module caches the checker owns: $XDG_CACHE_HOME/tessary/ModuleCaches, with one folder per
// developer-tools version and libclang version inside it ("Xcode_<bundle version>_<libclang version name>");
// xcodebuild is told to use the version folder when the option useOwnModulesCache is set.
//
// Building the modules of the SDK's frameworks is most of the fixed cost of a check, so the modules one check builds
// are read by the next. What could make a kept module wrong is keyed: the folder holds the key it was filled under
// (XAModulesCacheKey: the developer tools' version, the libclang version and when the SDKs' headers were laid out),
// and a check that finds another key clears the folder first. Within a key, Clang itself keeps modules built with
// other options apart (a folder per hash of the options that change a module; parses add the header search paths and
// file-system overlays to that hash, XACompilationInfo.h) and rebuilds a module whose project headers changed. The
// folder is also cleared after every full build, whose compiler may have written modules into it, and by the command
// that clears a project's caches.
//
// Checks of other processes (and other checks of this one) build and read modules in the same folder, so a check
// marks its use of the caches for as long as it parses (XAModulesCacheUse), and the caches are cleared only while no
// check uses them: the mark is a shared lock on the file ModuleCaches.lock beside the folder, clearing takes the
// exclusive lock without waiting and leaves the folder alone when it cannot have it.

#include "core/XAProgressMessage.h"

#include <optional>
#include <string>

// The "ModuleCaches" folder under the caches root, created when missing.
std::string XAModulesCacheDir();

// The version folder for the given developer-tools bundle version ("(null)" without one) and libclang version name
// (XAModulesCacheDirName()); nothing is created.
std::string XAModulesCachePathForVersions(const std::optional<std::string> &xcodeBundleVersion,
                                          const std::string &modulesCacheDirName);

// The version folder of the active developer tools and the loaded libclang (an empty name without one), created with
// its parents when missing (a failure is logged at the error level, and the path is returned all the same).
std::string XAModulesCachePath();

// What the modules in the caches depend on beyond the options Clang hashes: the active developer tools' version, the
// loaded libclang's full version and the layout stamp of their SDKs (XASDKLayoutStamp), one per line.
std::string XAModulesCacheKey();

// When the header folders of every SDK of the developer folder were last laid out: per SDK, the modification times of
// its folder, its System/Library/Frameworks and its usr/include, which change whenever headers are added, removed or
// the folders laid out anew. Empty without SDKs.
std::string XASDKLayoutStamp(const std::string &developerDirectory);

// Removes the "ModuleCaches" folder with everything in it, unless a check uses it: then the folder stays and a
// debugging message says so. A failure other than a missing folder is reported as an error message "Could not remove
// modules cache dir at '<folder>': <reason>".
void XAClearModuleCaches(const XAProgressHandler &progress);

// One check's use of the module caches, from the start of its build to the end of its parsing. Not copyable; the use
// ends with the object or with end().
class XAModulesCacheUse {
public:
    // Begins the use of caches built under `key` (XAModulesCacheKey()): caches filled under another key are cleared
    // first when no other check uses them.
    XAModulesCacheUse(std::string key, const XAProgressHandler &progress);
    ~XAModulesCacheUse();
    XAModulesCacheUse(const XAModulesCacheUse &) = delete;
    XAModulesCacheUse &operator=(const XAModulesCacheUse &) = delete;

    // Clears the caches when no check but this one uses them; the use goes on.
    void clearUnlessUsedElsewhere(const XAProgressHandler &progress);
    void end();

private:
    // Clears the caches when `clearWithSameKey` or they were filled under another key, unless another check uses them;
    // the use then goes on.
    void clearIfNeeded(bool clearWithSameKey, const XAProgressHandler &progress);

    std::string key_;
    int lockDescriptor_ = -1;
};
