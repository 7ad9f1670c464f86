#include "cli/XACLIMain.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"

#include <dlfcn.h>

#include <string>
#include <vector>

namespace {

constexpr int kDesktopUnavailableStatus = 64;

// <prefix>/lib/tessary/libtessary-desktop.so beside <prefix>/libexec/Tessary.
std::string desktopLibraryPath() {
    const std::string executable = xa_executablePath().value_or("");
    const std::string prefix = xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(executable));
    return prefix + "/lib/tessary/libtessary-desktop.so";
}

} // namespace

int XADesktopMain(const std::vector<std::string> &arguments) {
    const std::string libraryPath = desktopLibraryPath();
    void *library = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    using DesktopMain = int (*)(int, char **);
    auto desktopMain = library ? reinterpret_cast<DesktopMain>(::dlsym(library, "XADesktopApplicationMain")) : nullptr;
    if (!desktopMain) {
        XASetLogTargets(XALogTargetStandardError);
        const char *reason = ::dlerror();
        XAWriteToStderr("Tessary: cannot start the desktop application (" + libraryPath +
                        "): " + (reason ? reason : "unknown error") + "\n");
        return kDesktopUnavailableStatus;
    }
    // Qt keeps pointers to the argument vector for the life of the application.
    static std::vector<std::string> storage;
    static std::vector<char *> argv;
    storage = arguments;
    argv.clear();
    for (std::string &argument : storage) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    return desktopMain(static_cast<int>(storage.size()), argv.data());
}
