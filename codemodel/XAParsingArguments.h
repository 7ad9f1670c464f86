#pragma once

// The compiler arguments of an Apple build log, adapted for the libclang this process loaded.
//
// A build log's compiler line was written for Apple's clang running beside Xcode: it names an SDK inside Xcode, leaves
// the target triple and the builtin headers to the driver's defaults on a Mac, may pass options only Apple's clang
// knows, and names files that only a real build writes (header maps, overlays, response files). Here libclang is an
// upstream LLVM on Linux and the build was a dry run, so the arguments are adapted:
//
// - response files (@file) are replaced by their contents when they exist and dropped when they do not;
// - options that upstream clang rejects (the index-store and content-store options of Apple's clang and the like)
//   are dropped, because one unknown option makes libclang refuse the whole parse;
// - options that would make a parse write files (dependency files, serialised diagnostics) are dropped;
// - header maps, virtual-file-system overlays and module-map files that do not exist are dropped with their option;
//   a missing "-project-headers.hmap" becomes one -iquote, a missing "-all-target-headers.hmap" one -I, per folder
//   of the project's headers, so that `#import "Name.h"` finds what the map would have;
// - an Apple target triple is added when the line has none: the architecture from -arch (else the build step, else
//   the build settings), the operating system from a -m<os>-version-min option (else the settings' platform, else the
//   logged SDK's name), the version from the settings' deployment target when no -m<os>-version-min option gives it;
// - an SDK that does not exist is replaced by the SDK stand-in of the developer directory for that platform
//   (<developer>/Platforms/<P>.platform/Developer/SDKs/<P>.sdk), which is also added when the line names none;
// - -resource-dir names the loaded LLVM's builtin headers and -working-directory the compiler's working directory
//   (relative paths are resolved against it; the process's own working directory is never changed).
//
// All functions are pure apart from the file-system tests and response-file reads; safe on any thread.

#include "project/XABuildSettingsOutput.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct XAParsingArgumentsContext {
    std::string workingDirectory;                  // of the compiler; relative paths are resolved against it
    std::optional<std::string> architecture;       // of the build step
    XABuildSettings buildSettings;                 // resolved settings of the target and configuration
    std::optional<std::string> resourceDirectory;  // the loaded LLVM's builtin headers
    std::optional<std::string> developerDirectory; // holds the SDK stand-ins
    // Settings held elsewhere, read instead of `buildSettings` when set (spares a copy per compiled file); they must
    // outlive the context.
    const XABuildSettings *buildSettingsReference = nullptr;
    // Sorted, unique folders of the project's headers: they stand in for the project-headers and all-target-headers
    // maps that a dry run never writes. `projectHeaderFoldersReference`, when set, is read instead.
    std::vector<std::string> projectHeaderFolders;
    const std::vector<std::string> *projectHeaderFoldersReference = nullptr;

    const XABuildSettings &settings() const { return buildSettingsReference ? *buildSettingsReference : buildSettings; }
    const std::vector<std::string> &headerFolders() const {
        return projectHeaderFoldersReference ? *projectHeaderFoldersReference : projectHeaderFolders;
    }
};

// The arguments with every "@file" replaced by the arguments its file holds (tokenised as GNU tools do: blanks and
// line ends separate, quotes group, a backslash escapes the next character), nested files included; a file that does
// not exist or cannot be read is dropped. Relative files are found from the working directory. Nesting stops at 16
// levels and files over 16 MiB are not read.
std::vector<std::string> XAExpandResponseFiles(const std::vector<std::string> &arguments,
                                               const std::string &workingDirectory);
// The arguments of a response file's text.
std::vector<std::string> XAResponseFileArguments(std::string_view text);

// The triple that the arguments name with -target or --target=; no value when they name none.
std::optional<std::string> XAExplicitTargetTriple(const std::vector<std::string> &arguments);
// The Apple triple for arguments that name none, as described above, e.g. "arm64-apple-ios" beside
// -miphoneos-version-min=12.0, or "arm64-apple-ios12.0" from IPHONEOS_DEPLOYMENT_TARGET.
std::string XADerivedTargetTriple(const std::vector<std::string> &arguments, const XAParsingArgumentsContext &context);
// The SDK stand-in folder for a triple's platform ("iPhoneSimulator" for "x86_64-apple-ios12.0-simulator"); no value
// for a triple of no Apple platform.
std::optional<std::string> XASDKStandInPathForTriple(const std::string &developerDirectory, const std::string &triple);

// The arguments adapted as described above (response files already expanded): dropped options removed, then the
// additions appended in this order: -target, -isysroot, -resource-dir, -working-directory, each only when needed.
std::vector<std::string> XAArgumentsAdaptedForLoadedClang(const std::vector<std::string> &arguments,
                                                          const XAParsingArgumentsContext &context);
