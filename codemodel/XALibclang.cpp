#include "codemodel/XALibclang.h"

#include "core/XALog.h"
#include "core/XAPaths.h"

#include <dlfcn.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

namespace {

struct LoadedLibrary {
    std::mutex mutex;
    void *handle = nullptr;
    std::optional<std::string> path;
    std::string failureReason = "no libclang library was loaded at start";
    XALibclangFunctions functions; // published through the table pointer once complete
};

LoadedLibrary &loadedLibrary() {
    static LoadedLibrary library;
    return library;
}

// The loader the first use runs; held by its own lock, which stays taken while the loader runs so that other first
// users wait for the library rather than find none.
struct FirstUseLoader {
    std::mutex mutex;
    std::function<void()> loader;
};

FirstUseLoader &firstUseLoader() {
    static FirstUseLoader firstUse;
    return firstUse;
}

// Fills `functions` from the library; the name of the first function it lacks otherwise.
std::optional<std::string> bindFunctions(void *handle, XALibclangFunctions &functions) {
#define XA_LIBCLANG_BIND(name)                                                                                         \
    functions.name = reinterpret_cast<decltype(functions.name)>(::dlsym(handle, #name));                               \
    if (functions.name == nullptr) {                                                                                   \
        return std::string(#name);                                                                                     \
    }
    XA_LIBCLANG_FUNCTIONS(XA_LIBCLANG_BIND)
#undef XA_LIBCLANG_BIND
#define XA_LIBCLANG_BIND_EXTENSION(name)                                                                               \
    functions.clang_tessary_##name =                                                                                   \
        reinterpret_cast<clang_tessary_##name##_fn>(::dlsym(handle, "clang_tessary_" #name));                          \
    if (functions.clang_tessary_##name == nullptr) {                                                                   \
        return std::string("clang_tessary_" #name);                                                                    \
    }
    TESSARY_CLANG_EXTENSION_FUNCTIONS(XA_LIBCLANG_BIND_EXTENSION)
#undef XA_LIBCLANG_BIND_EXTENSION
    return std::nullopt;
}

std::string dynamicLoaderError() {
    const char *text = ::dlerror();
    return text ? text : "unknown error";
}

// The major version in a clang version text ("Debian clang version 19.1.7 (3~deb12u1)" gives "19").
std::optional<std::string> majorVersionOfVersionText(const std::string &text) {
    static constexpr std::string_view marker = "version ";
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
        std::size_t end = at + marker.size();
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) {
            ++end;
        }
        if (end > at + marker.size() && end < text.size() && text[end] == '.') {
            return text.substr(at + marker.size(), end - at - marker.size());
        }
    }
    return std::nullopt;
}

bool holdsBuiltinHeaders(const std::string &folder) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(folder + "/include/stddef.h", ignored);
}

std::optional<std::string> findResourceDirectory() {
    const XALibclangFunctions &clang = XALibclang::fn();
    const std::optional<std::string> versionText = XAStringFromCXString(clang.clang_getClangVersion());
    const std::optional<std::string> major = versionText ? majorVersionOfVersionText(*versionText) : std::nullopt;
    if (!major) {
        XALog(XALogLevelWarning, "Cannot tell the LLVM version of the loaded libclang from its version text: %s",
              versionText.value_or("(none)").c_str());
        return std::nullopt;
    }
    std::vector<std::string> candidates;
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void *>(clang.clang_getClangVersion), &info) != 0 && info.dli_fname) {
        const std::string libclangPath = info.dli_fname;
        candidates.push_back(xa_stringByDeletingLastPathComponent(libclangPath) + "/clang/" + *major);
        std::error_code error;
        const std::filesystem::path resolved = std::filesystem::canonical(libclangPath, error);
        if (!error) {
            candidates.push_back(resolved.parent_path().string() + "/clang/" + *major);
        }
    }
    candidates.push_back("/usr/lib/llvm-" + *major + "/lib/clang/" + *major);
    for (const std::string &candidate : candidates) {
        if (holdsBuiltinHeaders(candidate)) {
            return xa_stringByStandardizingPath(candidate);
        }
    }
    XALog(XALogLevelWarning, "Cannot find the builtin headers of LLVM %s (looked in %s and others)", major->c_str(),
          candidates.front().c_str());
    return std::nullopt;
}

} // namespace

bool XALibclang::load(const std::string &path, XAError *error) {
    LoadedLibrary &library = loadedLibrary();
    std::lock_guard lock(library.mutex);
    if (path.empty()) {
        XASetError(error, "Cannot load libclang: no library path");
        return false;
    }
    if (library.handle != nullptr) {
        // Asks without loading anything: dlopen() hands out the bound library's handle when the path names that same
        // file, under whatever name.
        void *existing = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (existing != nullptr) {
            ::dlclose(existing); // only the reference just taken
        }
        if (existing == library.handle) {
            return true;
        }
        XASetError(error, "Cannot load libclang at " + path + ": the library at " + library.path.value_or("") +
                              " is already loaded, and nothing replaces it within a process");
        return false;
    }
    void *handle = ::dlopen(path.c_str(), RTLD_NOW);
    if (handle == nullptr) {
        XASetError(error, "Cannot load libclang at " + path + ": " + dynamicLoaderError());
        return false;
    }
    XALibclangFunctions functions;
    if (std::optional<std::string> missing = bindFunctions(handle, functions)) {
        // The library stays open: unloading LLVM is not safe, and it costs nothing to keep it.
        XASetError(error, "Cannot use the libclang at " + path + ": it has no function " + *missing);
        return false;
    }
    library.handle = handle;
    library.path = path;
    library.functions = functions;
    table_.store(&library.functions, std::memory_order_release);
    return true;
}

void XALibclang::loadOnFirstUse(std::function<void()> loader) {
    FirstUseLoader &firstUse = firstUseLoader();
    std::lock_guard lock(firstUse.mutex);
    firstUse.loader = std::move(loader);
}

void XALibclang::runFirstUseLoader() {
    FirstUseLoader &firstUse = firstUseLoader();
    std::lock_guard lock(firstUse.mutex);
    if (std::function<void()> loader = std::exchange(firstUse.loader, nullptr)) {
        loader();
    }
}

const XALibclangFunctions *XALibclang::tableAfterFirstUseLoader() {
    runFirstUseLoader();
    const XALibclangFunctions *functions = table_.load(std::memory_order_acquire);
    if (functions == nullptr) {
        failBecauseNotLoaded();
    }
    return functions;
}

void *XALibclang::handle() {
    runFirstUseLoader();
    LoadedLibrary &library = loadedLibrary();
    std::lock_guard lock(library.mutex);
    return library.handle;
}

std::optional<std::string> XALibclang::loadedLibraryPath() {
    runFirstUseLoader();
    LoadedLibrary &library = loadedLibrary();
    std::lock_guard lock(library.mutex);
    return library.path;
}

void XALibclang::setLoadFailureReason(std::string reason) {
    LoadedLibrary &library = loadedLibrary();
    std::lock_guard lock(library.mutex);
    library.failureReason = std::move(reason);
}

void XALibclang::failBecauseNotLoaded() {
    std::string reason;
    {
        LoadedLibrary &library = loadedLibrary();
        std::lock_guard lock(library.mutex);
        reason = library.failureReason;
    }
    XALog(XALogLevelFatal, "FATAL: libclang is used but not loaded (%s). Stopping.", reason.c_str());
    std::abort();
}

std::optional<std::string> XALibclang::resourceDirectory() {
    fn(); // abort before the once-guard when nothing is loaded
    static const std::optional<std::string> directory = findResourceDirectory();
    return directory;
}

std::optional<std::string> XAStringFromCXString(CXString string) {
    const XALibclangFunctions &clang = XALibclang::fn();
    std::optional<std::string> text;
    if (const char *characters = clang.clang_getCString(string)) {
        text = characters;
    }
    clang.clang_disposeString(string);
    return text;
}

void XAClangIndexDisposer::operator()(void *index) const {
    if (index) {
        XALibclang::fn().clang_disposeIndex(index);
    }
}

void XATranslationUnitDisposer::operator()(CXTranslationUnit translationUnit) const {
    if (translationUnit) {
        XALibclang::fn().clang_disposeTranslationUnit(translationUnit);
    }
}

void XADiagnosticDisposer::operator()(void *diagnostic) const {
    if (diagnostic) {
        XALibclang::fn().clang_disposeDiagnostic(diagnostic);
    }
}
