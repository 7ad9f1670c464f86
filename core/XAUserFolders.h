#pragma once

// Where the system keeps its own files for the user, and where its installed resources are.
//
// Per-user roots follow the XDG base-directory rules: the caches root is $XDG_CACHE_HOME/tessary (default
// ~/.cache/tessary), the application-support root $XDG_DATA_HOME/tessary (default ~/.local/share/tessary) and the
// configuration root $XDG_CONFIG_HOME/tessary (default ~/.config/tessary). An empty or relative XDG value is ignored.
// The roots are read from the environment on every call and are not created; the File and Directory functions
// create what is missing below them and ignore failures (the later write reports them).
//
// Resources are installed in <prefix>/share/tessary, where <prefix> is the parent of the folder that holds the
// running executable (<prefix>/libexec/Tessary, or <prefix>/tests/... for the tests). The environment variable
// TESSARY_RESOURCES_DIR, when set and not empty, names the resource folder instead.

#include <optional>
#include <string>
#include <string_view>

std::string XACachesRootPath();
std::string XAApplicationSupportRootPath();
std::string XAConfigurationRootPath();

// Root + name; the parent folder of the result is created when missing.
std::string XAApplicationSupportFilePath(std::string_view name);
std::string XACachesFilePath(std::string_view name);
// Root + name; the folder itself is created when missing.
std::string XAApplicationSupportDirectoryPath(std::string_view name);
std::string XACachesDirectoryPath(std::string_view name);

// Creates the path's parent folder (with intermediate folders) when it is not empty and missing, and returns the
// path unchanged; failures are ignored.
std::string XAEnsureParentDirectory(std::string path);
// The same for the path itself.
std::string XAEnsureDirectory(std::string path);

// The resource folder (not checked for existence); no value when the executable's path is unknown.
std::optional<std::string> XAResourcesDirectoryPath();
// The standardised path of a resource given relative to the resource folder ("SpellCheckDictionaries/en_US.dic"),
// or the resource folder itself for an empty or blank argument. No value when nothing exists there, or when the
// path leads out of the resource folder.
std::optional<std::string> xa_pathForResourcePath(std::string_view resourcePath);
// The resource read as UTF-8 text. On failure (missing, unreadable, not UTF-8) logs "Error reading resource file
// <name>: <reason>" at the debug level and returns no value.
std::optional<std::string> xa_contentsOfResource(std::string_view name);
