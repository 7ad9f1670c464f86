#pragma once

// How the checker calls libclang.
//
// The checker is not linked against libclang. At start it loads one of our extension libraries
// (lib/tessary/libclang_<version>_<n>.so, see XALibclangLoader.h) with dlopen() and binds, by name with dlsym() on
// that library's handle, every function it may call: libclang's own C interface (the lists of
// XALibclangFunctionList.h; the extension library depends on libclang, so dlsym() finds them through it) and our
// clang_tessary_* functions (TESSARY_CLANG_EXTENSION_FUNCTIONS of TessaryClangExtensions.h). The pointers live in one
// table, XALibclangFunctions, whose members have the functions' own names and types: each is declared as
// decltype(&::clang_xyz) from libclang's headers, so the compiler checks every call exactly as it would check a direct
// one, and the headers' declarations are never defined (calling ::clang_xyz directly fails to link, on purpose).
//
// Code calls a function through the table:
//
//     const XALibclangFunctions &clang = XALibclang::fn();
//     CXCursorKind kind = clang.clang_getCursorKind(cursor);
//
// or, for a single call, XALibclang::fn().clang_getCursorKind(cursor). fn() costs one atomic load. Loading LLVM takes
// a good part of a second, which a command that never parses need not pay: the start-up names a loader that runs at
// the first use instead (loadOnFirstUse). Before a library is loaded (or when loading failed) fn() logs what happened
// and aborts the process, so that a missing library is never an obscure crash inside a null function pointer.
//
// The table is bound completely or not at all: a library that lacks any listed function is refused with a message
// naming the function. Once bound, the library stays loaded and the table unchanged for the life of the process, so
// the table is read from any thread without a lock.

#include "codemodel/XALibclangFunctionList.h"
#include "core/XAError.h"
#include "platform/clangext/TessaryClangExtensions.h"

#include <clang-c/Index.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// One pointer per function, named like the function.
struct XALibclangFunctions {
#define XA_LIBCLANG_DECLARE_POINTER(name) decltype(&::name) name = nullptr;
    XA_LIBCLANG_FUNCTIONS(XA_LIBCLANG_DECLARE_POINTER)
#undef XA_LIBCLANG_DECLARE_POINTER
#define XA_LIBCLANG_DECLARE_EXTENSION_POINTER(name) clang_tessary_##name##_fn clang_tessary_##name = nullptr;
    TESSARY_CLANG_EXTENSION_FUNCTIONS(XA_LIBCLANG_DECLARE_EXTENSION_POINTER)
#undef XA_LIBCLANG_DECLARE_EXTENSION_POINTER
};

class XALibclang {
public:
    XALibclang() = delete;

    // Opens the library at `path` with immediate binding of its symbols and binds the whole table. False with an
    // error naming the path and the loader's text, or the first missing function, when that fails; a failed attempt
    // leaves an already bound library in place. Once a library is bound, loading the same file again succeeds and
    // changes nothing, while another file is refused: nothing replaces the library within a process. Meant to be
    // called at start, before other threads use libclang.
    static bool load(const std::string &path, XAError *error);

    // Makes `loader` (which calls load()) run once, on the first use of the table, of isLoaded(), handle() or
    // loadedLibraryPath(), instead of now; replaces a loader that has not run yet.
    static void loadOnFirstUse(std::function<void()> loader);

    // Whether a library is bound; runs the first-use loader when none is.
    static bool isLoaded() {
        if (table_.load(std::memory_order_acquire) == nullptr) [[unlikely]] {
            runFirstUseLoader();
        }
        return table_.load(std::memory_order_acquire) != nullptr;
    }
    // The handle of the bound library; null when none is bound.
    static void *handle();
    // The path the bound library was loaded from, as given to load().
    static std::optional<std::string> loadedLibraryPath();

    // The function table of the bound library. Aborts with a logged explanation when no library is bound.
    static const XALibclangFunctions &fn() {
        const XALibclangFunctions *functions = table_.load(std::memory_order_acquire);
        if (functions == nullptr) [[unlikely]] {
            functions = tableAfterFirstUseLoader();
        }
        return *functions;
    }

    // The loaded LLVM's resource folder (the one holding include/stddef.h and the other builtin headers), which a
    // parse must name with -resource-dir. Found beside the libclang the extension library uses (<libdir>/clang/<major>,
    // also after resolving symbolic links), else in /usr/lib/llvm-<major>/lib/clang/<major>; no value when none of
    // them holds the builtin headers. Computed once. Aborts like fn() when no library is bound.
    static std::optional<std::string> resourceDirectory();

    // Records why loading failed, for the message of a later fn() call.
    static void setLoadFailureReason(std::string reason);

private:
    [[noreturn]] static void failBecauseNotLoaded();
    static void runFirstUseLoader();
    // The table once the first-use loader has run; aborts when there is still none.
    static const XALibclangFunctions *tableAfterFirstUseLoader();

    static inline std::atomic<const XALibclangFunctions *> table_{nullptr};
};

// The text of a libclang string, which is disposed in every case; no value when its C string is NULL.
std::optional<std::string> XAStringFromCXString(CXString string);

// Owners that dispose of libclang objects through the table when they go out of scope.
struct XAClangIndexDisposer {
    void operator()(void *index) const;
};
struct XATranslationUnitDisposer {
    void operator()(CXTranslationUnit translationUnit) const;
};
struct XADiagnosticDisposer {
    void operator()(void *diagnostic) const;
};
using XAClangIndexOwner = std::unique_ptr<void, XAClangIndexDisposer>; // holds a CXIndex
using XATranslationUnitOwner = std::unique_ptr<CXTranslationUnitImpl, XATranslationUnitDisposer>;
using XADiagnosticOwner = std::unique_ptr<void, XADiagnosticDisposer>; // holds a CXDiagnostic
