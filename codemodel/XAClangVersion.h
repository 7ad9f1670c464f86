#pragma once

// Which libclang the process runs against, and which source language a file extension stands for. The checking run
// logs the version text, the build-log cache stores it and goes stale when it changes, and the modules cache gets a
// folder per version. Every function asks the loaded library (XALibclang) and aborts like it when nothing is loaded,
// except where a pure helper is named.

#include <optional>
#include <string>
#include <string_view>

// clang_getClangVersion() with every "clang" replaced by "Clang"; no value when libclang gives no text.
std::optional<std::string> XAClangVersionString();
// The replacement alone, for any text.
std::string XAClangVersionStringFromText(std::string_view versionText);

// XAClangVersionString() split at every white-space and line-end character, the pieces joined with "_" (so two
// blanks in a row give two "_"), made safe as a file name (xa_filesystemSafeString); "" without a version text.
std::string XAModulesCacheDirName();
std::string XAModulesCacheDirNameForVersionString(std::string_view versionString);

// The texts of the extension library's compiler version, repository version and revision; no value when the library
// gives none.
std::optional<std::string> XAClangFullVersion();
std::optional<std::string> XAClangFullRepositoryVersion();
std::optional<std::string> XAClangRevision();

// The loaded library's source type for an extension given without its dot: 0 for no extension (without asking
// libclang) and for extensions that name no source libclang compiles; 5 to 8 are the C++ and Objective-C++ types.
int XASourceTypeForFileExtension(const std::optional<std::string> &extension);
