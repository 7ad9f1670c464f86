#include "codemodel/XALibclangLoader.h"

#include "codemodel/XAClangVersion.h"
#include "codemodel/XALibclang.h"
#include "core/XALaunchMode.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "core/XAUserDefaults.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <tuple>

namespace {

constexpr const char *kLibraryFolderVariable = "TESSARY_CLANG_LIBRARY_DIR";
// What the build bundles first; named in the fallback message when the folder holds no usable library at all.
constexpr const char *kBundledClangVersionName = "llvm19";

std::string joined(const std::vector<std::string> &texts, const std::string &separator) {
    std::string result;
    for (std::size_t index = 0; index < texts.size(); ++index) {
        result += (index == 0 ? "" : separator) + texts[index];
    }
    return result;
}

// The first run of digits in a version name as a number; no value when there is none (or it is absurdly long).
std::optional<unsigned long> versionNumber(const std::string &versionName) {
    auto first = std::find_if(versionName.begin(), versionName.end(),
                              [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    auto last =
        std::find_if(first, versionName.end(), [](char c) { return !std::isdigit(static_cast<unsigned char>(c)); });
    if (first == last || last - first > 9) {
        return std::nullopt;
    }
    return std::stoul(std::string(first, last));
}

std::mutex &presenterMutex() {
    static std::mutex mutex;
    return mutex;
}

XAStartupErrorPresenter &startupErrorPresenter() {
    static XAStartupErrorPresenter presenter;
    return presenter;
}

std::string descriptionOfPaths(const std::optional<std::vector<std::string>> &paths) {
    return paths ? "(" + joined(*paths, ", ") + ")" : "(null)";
}

} // namespace

std::string XALibclangLibraryFolder() {
    if (const char *override = std::getenv(kLibraryFolderVariable); override && *override) {
        return xa_stringByStandardizingPath(override);
    }
    const std::string executableFolder = xa_stringByDeletingLastPathComponent(xa_executablePath().value_or("/"));
    return xa_stringByStandardizingPath(executableFolder + "/../lib/tessary");
}

std::optional<std::vector<std::string>> availableLibclangDylibPathsInFolder(const std::string &folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        XALog(XALogLevelFatal, "Cannot get contents of %s", folder.c_str());
        return std::nullopt;
    }
    std::vector<std::string> paths;
    for (const std::filesystem::directory_entry &entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("libclang") && xa_pathExtension(name) == "so") {
            paths.push_back(xa_stringByAppendingPathComponent(folder, name));
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::optional<std::vector<std::string>> availableLibclangDylibPaths() {
    return availableLibclangDylibPathsInFolder(XALibclangLibraryFolder());
}

std::optional<std::string> XALibclangVersionNameForPath(std::string_view path) {
    const std::string name = xa_lastPathComponent(path);
    const std::size_t firstSeparator = name.find('_');
    if (firstSeparator == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t secondSeparator = name.find('_', firstSeparator + 1);
    return name.substr(firstSeparator + 1,
                       secondSeparator == std::string::npos ? std::string::npos : secondSeparator - firstSeparator - 1);
}

std::vector<std::optional<std::string>> XAAvailableClangVersions() {
    std::vector<std::optional<std::string>> versions;
    for (const std::string &path : availableLibclangDylibPaths().value_or(std::vector<std::string>{})) {
        versions.push_back(XALibclangVersionNameForPath(path));
    }
    return versions;
}

namespace {

std::optional<std::string> firstPathWithVersionName(const std::vector<std::string> &paths,
                                                    std::string_view versionName) {
    for (const std::string &path : paths) {
        if (XALibclangVersionNameForPath(path) == versionName) {
            return path;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> XALibclangPathForVersionName(std::string_view versionName) {
    return firstPathWithVersionName(availableLibclangDylibPaths().value_or(std::vector<std::string>{}), versionName);
}

std::string XADefaultClangVersionName(const std::vector<std::string> &libraryPaths) {
    std::optional<std::string> newest;
    // Higher numbers first, then names with a number before those without, then the smaller name.
    auto rank = [](const std::string &name) {
        const std::optional<unsigned long> number = versionNumber(name);
        return std::make_tuple(number.has_value(), number.value_or(0));
    };
    for (const std::string &path : libraryPaths) {
        std::optional<std::string> name = XALibclangVersionNameForPath(path);
        if (!name || name->empty()) {
            continue;
        }
        if (!newest || rank(*name) > rank(*newest) || (rank(*name) == rank(*newest) && *name < *newest)) {
            newest = std::move(name);
        }
    }
    return newest.value_or(kBundledClangVersionName);
}

XALibclangChoice XAChooseLibclang(const std::optional<std::vector<std::string>> &libraryPaths,
                                  const std::optional<std::string> &requestedVersionName) {
    const std::vector<std::string> paths = libraryPaths.value_or(std::vector<std::string>{});
    const std::string defaultVersionName = XADefaultClangVersionName(paths);
    XALibclangChoice choice;
    if (requestedVersionName && !requestedVersionName->empty()) {
        if (std::optional<std::string> path = firstPathWithVersionName(paths, *requestedVersionName)) {
            choice.path = std::move(path);
            return choice;
        }
        std::vector<std::string> available;
        for (const std::string &path : paths) {
            available.push_back(XALibclangVersionNameForPath(path).value_or("(null)"));
        }
        choice.startupErrorMessage = "Cannot load specified Clang version '" + *requestedVersionName +
                                     "'. Available versions: " + joined(available, ", ") + ". Falling back to '" +
                                     defaultVersionName + "'.";
    }
    choice.path = firstPathWithVersionName(paths, defaultVersionName);
    return choice;
}

bool loadLibclangDylibAtPath(const std::optional<std::string> &path) {
    if (!path || path->empty()) {
        XALog(XALogLevelFatal, "Could not load libclang dylib at path: %s", path ? path->c_str() : "(null)");
        XALibclang::setLoadFailureReason("no libclang library was found in " + XALibclangLibraryFolder());
        return false;
    }
    XAError error;
    if (!XALibclang::load(*path, &error)) {
        XALog(XALogLevelFatal, "Could not load libclang dylib: %s", error.message.c_str());
        XALibclang::setLoadFailureReason(error.message);
        return false;
    }
    return true;
}

namespace {

// The path of the library chosen as XAChooseLibclang does, after reporting its fallback message.
std::optional<std::string> reportedChoiceOfLibclang(const std::optional<std::vector<std::string>> &libraryPaths,
                                                    const std::optional<std::string> &requestedVersionName) {
    XALibclangChoice choice = XAChooseLibclang(libraryPaths, requestedVersionName);
    if (choice.startupErrorMessage) {
        XAReportStartupError(*choice.startupErrorMessage);
    }
    return std::move(choice.path);
}

bool loadChosenLibclang(const std::optional<std::vector<std::string>> &libraryPaths,
                        const std::optional<std::string> &requestedVersionName) {
    return loadLibclangDylibAtPath(reportedChoiceOfLibclang(libraryPaths, requestedVersionName));
}

} // namespace

bool loadConfiguredLibclangFromFolder(const std::string &folder,
                                      const std::optional<std::string> &requestedVersionName) {
    return loadChosenLibclang(availableLibclangDylibPathsInFolder(folder), requestedVersionName);
}

bool loadConfiguredLibclang() {
    return loadConfiguredLibclangFromFolder(XALibclangLibraryFolder(),
                                            xa_clangVersionToUse(XAUserDefaults::standard()));
}

void *XALibclangHandle() { return XALibclang::handle(); }

void XASetStartupErrorPresenter(XAStartupErrorPresenter presenter) {
    std::lock_guard lock(presenterMutex());
    startupErrorPresenter() = std::move(presenter);
}

void XAReportStartupError(const std::string &message) {
    if (XAIsCLIMode()) {
        XALog(XALogLevelError, "Error: " + message);
        return;
    }
    XAStartupErrorPresenter presenter;
    {
        std::lock_guard lock(presenterMutex());
        presenter = startupErrorPresenter();
    }
    if (presenter) {
        presenter(XAError(message));
    } else {
        XAWriteToStderr("Error: " + message + "\n");
    }
}

void XALoadLibclangAtStartup() {
    if (XAIsRunningUnitTests()) {
        return;
    }
    const std::optional<std::vector<std::string>> libraryPaths = availableLibclangDylibPaths();
    XALog(XALogLevelDebug, "Available libclang dylibs: " + descriptionOfPaths(libraryPaths));
    XALibclang::loadOnFirstUse(
        [path = reportedChoiceOfLibclang(libraryPaths, xa_clangVersionToUse(XAUserDefaults::standard()))] {
            loadLibclangDylibAtPath(path);
        });
}

bool XAClangVersionTextIsLLVMOrApple(std::string_view versionText) {
    return versionText.starts_with("LLVM version") || versionText.find("Apple") != std::string_view::npos;
}

bool clangVersionIsLLVMOrApple() {
    if (std::optional<std::string> path = XALibclang::loadedLibraryPath()) {
        if (XALibclangVersionNameForPath(*path).value_or("").starts_with("llvm")) {
            return true;
        }
    }
    const std::optional<std::string> versionText = XAClangVersionString();
    return versionText && XAClangVersionTextIsLLVMOrApple(*versionText);
}
