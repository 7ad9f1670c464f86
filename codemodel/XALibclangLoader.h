#pragma once

// Which libclang the checker loads, and loading it at start.
//
// The installed tree carries one or more of our extension libraries in <prefix>/lib/tessary/, each built against one
// LLVM version: libclang_<version>_<n>.so, for example libclang_llvm19_1.so. The executable lives in
// <prefix>/libexec/ (the tests in <prefix>/tests/), so the folder is "../lib/tessary" beside the executable's folder;
// the environment variable TESSARY_CLANG_LIBRARY_DIR names another folder instead (for tests and unusual installs).
//
// A library's version name is the second "_"-separated field of its file name ("llvm19"); a name with fewer fields
// has none and can never be chosen. The user default "clangVersionToUse" picks a version by that name; without it,
// or when no library has that name, the newest version in the folder is loaded (the highest number in its name).
//
// The entry point decides the launch mode first and then calls XALoadLibclangAtStartup, so that a start-up error about
// the choice reaches a command-line user on standard error and a desktop user through the desktop's presenter.
//
// The functions keep the names they have on macOS, where the libraries are ".dylib" files; here every "dylib" is a
// shared library (".so").

#include "core/XAError.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The folder the libraries are looked for in: $TESSARY_CLANG_LIBRARY_DIR when set and not empty, else
// <executable's folder>/../lib/tessary, standardised.
std::string XALibclangLibraryFolder();

// Full paths of the library files (name beginning with "libclang", extension "so") in the folder, sorted by file
// name; no value when the folder cannot be read (logged at the fatal level as "Cannot get contents of <folder>").
std::optional<std::vector<std::string>> availableLibclangDylibPathsInFolder(const std::string &folder);
std::optional<std::vector<std::string>> availableLibclangDylibPaths(); // in XALibclangLibraryFolder()

// The version names of the available libraries in the same order; a library without one gives no value there.
std::vector<std::optional<std::string>> XAAvailableClangVersions();

// The second "_"-separated field of the path's file name, extension included when it is the last field.
std::optional<std::string> XALibclangVersionNameForPath(std::string_view path);
// The first available library whose version name equals the given one.
std::optional<std::string> XALibclangPathForVersionName(std::string_view versionName);

// The newest of the libraries' version names: the one with the highest number in it ("llvm20" before "llvm19"),
// names without a number last, ties by name; "llvm19" when there is no library with a version name at all.
std::string XADefaultClangVersionName(const std::vector<std::string> &libraryPaths);

// The decision of what to load, made from the listing (no value: unreadable folder) and the user's choice.
struct XALibclangChoice {
    std::optional<std::string> path;                // what to load; no value when nothing fits
    std::optional<std::string> startupErrorMessage; // the fallback message, when the user's choice was unavailable
};
XALibclangChoice XAChooseLibclang(const std::optional<std::vector<std::string>> &libraryPaths,
                                  const std::optional<std::string> &requestedVersionName);

// Loads the library at the path (XALibclang::load). A missing or empty path is logged at the fatal level as "Could
// not load libclang dylib at path: <path>", a failed load as "Could not load libclang dylib: <reason>".
bool loadLibclangDylibAtPath(const std::optional<std::string> &path);

// Chooses as XAChooseLibclang does from the folder's libraries and the user default "clangVersionToUse", reports the
// fallback message through XAReportStartupError, and loads the choice. There is no second try: when the chosen
// library fails to load, nothing else is loaded.
bool loadConfiguredLibclang();
bool loadConfiguredLibclangFromFolder(const std::string &folder,
                                      const std::optional<std::string> &requestedVersionName);

// The handle of the loaded library, or null.
void *XALibclangHandle();

// Shows a start-up error: in command-line mode logged at the error level as "Error: <message>"; otherwise handed,
// as an error of the system's domain with code 0, to the presenter the desktop application installed (without one,
// written to standard error).
void XAReportStartupError(const std::string &message);
using XAStartupErrorPresenter = std::function<void(const XAError &error)>;
void XASetStartupErrorPresenter(XAStartupErrorPresenter presenter);

// The start-up step: nothing under a unit-test harness; otherwise logs "Available libclang dylibs: <paths>" at the
// debugging level, chooses and reports as loadConfiguredLibclang does, and has the choice loaded at the first use of
// libclang (XALibclang::loadOnFirstUse), so that a command that never parses never loads LLVM. Call once, after the
// launch mode is set.
void XALoadLibclangAtStartup();

// Whether the loaded library counts as a vendor-grade (fully capable) build, which the compiler-argument preparation
// relies on. Our libraries named llvm<N> are built over a full upstream libclang and always count; any other library
// counts when its version text does (XAClangVersionTextIsLLVMOrApple). Aborts like XALibclang::fn() when nothing is
// loaded.
bool clangVersionIsLLVMOrApple();
// True when the version text begins with "LLVM version" or contains "Apple" anywhere.
bool XAClangVersionTextIsLLVMOrApple(std::string_view versionText);
