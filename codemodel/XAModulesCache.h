#pragma once

// The folder of Clang module caches the checker owns: $XDG_CACHE_HOME/tessary/ModuleCaches, with one folder per
// developer-tools version and libclang version inside it ("Xcode_<bundle version>_<libclang version name>"). The
// build clears the whole folder before it works and after every fresh xcodebuild run, so that no module built by an
// earlier run (with other headers or settings) is ever read; xcodebuild is told to use the version folder when the
// option useOwnModulesCache is set.
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

// Removes the "ModuleCaches" folder with everything in it, unless a check uses it: then the folder stays and a
// debugging message says so. A failure other than a missing folder is reported as an error message "Could not remove
// modules cache dir at '<folder>': <reason>".
void XAClearModuleCaches(const XAProgressHandler &progress);

// One check's use of the module caches, from the start of its build to the end of its parsing. Not copyable; the use
// ends with the object or with end().
class XAModulesCacheUse {
public:
    // Begins the use, clearing the caches first when no other check uses them.
    explicit XAModulesCacheUse(const XAProgressHandler &progress);
    ~XAModulesCacheUse();
    XAModulesCacheUse(const XAModulesCacheUse &) = delete;
    XAModulesCacheUse &operator=(const XAModulesCacheUse &) = delete;

    // Clears the caches when no check but this one uses them; the use goes on.
    void clearUnlessUsedElsewhere(const XAProgressHandler &progress);
    void end();

private:
    int lockDescriptor_ = -1;
};
