#pragma once

// The compiler arguments of an Apple build log, adapted for the libclang this process loaded.
//
// A build log's compiler line was written for Apple's clang running beside Xcode: it names an SDK inside Xcode, leaves
// the target triple and the builtin headers to the driver's defaults on a Mac, may pass options only Apple's clang
// knows, and names files that only a real build writes (header maps, overlays, response files). Here libclang is an
// upstream LLVM on Linux and the build was a dry run, so the arguments are adapted:
//
// - response files (@file) are replaced by their contents when they exist and dropped when they do not;
// - options that the loaded libclang does not accept are dropped, because one unknown option makes libclang refuse
//   the whole parse: each distinct option is tried on that libclang (the context's acceptance), a front-end option
//   passed with -Xclang together with its -Xclang and any -Xclang values after it, an option refused alone together
//   with the argument after it when that makes it acceptable;
// - options that would make a parse write files (dependency files, serialised diagnostics) are dropped;
// - header maps that do not exist are replaced by the stand-in maps the context writes (a dry run writes none), and
//   dropped when it has none; virtual-file-system overlays and module-map files that do not exist are dropped with
//   their option;
// - an Apple target triple is added when the line has none: the architecture from -arch (else the build step, else
//   the build settings), the operating system from a -m<os>-version-min option (else the settings' platform, else the
//   logged SDK's name), the version from the settings' deployment target when no -m<os>-version-min option gives it;
// - an SDK that does not exist is replaced by the SDK stand-in of the developer directory for that platform
//   (<developer>/Platforms/<P>.platform/Developer/SDKs/<P>.sdk), which is also added when the line names none;
// - -resource-dir names the loaded LLVM's builtin headers and -working-directory the compiler's working directory
//   (relative paths are resolved against it; the process's own working directory is never changed).
//
// All functions are pure apart from the file-system tests, the response-file reads and what the context's functions
// do; safe on any thread when those are.

#include "project/XABuildSettingsOutput.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Tells whether a list of compiler arguments is accepted by the libclang that will parse with them (the checker's
// loaded one: codemodel/XACompilerArgumentTrial.h; the SDK completion's linked one).
using XACompilerArgumentsAcceptance = std::function<bool(const std::vector<std::string> &arguments)>;

struct XAParsingArgumentsContext {
    std::string workingDirectory;                  // of the compiler; relative paths are resolved against it
    std::optional<std::string> architecture;       // of the build step
    XABuildSettings buildSettings;                 // resolved settings of the target and configuration
    std::optional<std::string> resourceDirectory;  // the loaded LLVM's builtin headers
    std::optional<std::string> developerDirectory; // holds the SDK stand-ins
    // Settings held elsewhere, read instead of `buildSettings` when set (spares a copy per compiled file); they must
    // outlive the context.
    const XABuildSettings *buildSettingsReference = nullptr;
    // The file to pass in place of a header map the line names (given as an absolute path) that does not exist; no
    // value, or no function, drops the map.
    std::function<std::optional<std::string>(const std::string &loggedHeaderMapPath)> headerMapStandIn;
    // Whether the loaded libclang accepts an option; without it every option is kept.
    XACompilerArgumentsAcceptance acceptsArguments;

    const XABuildSettings &settings() const { return buildSettingsReference ? *buildSettingsReference : buildSettings; }
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
// `rejected`, when given, receives the options left out because libclang does not accept them, each with the
// arguments that went with it joined by blanks ("-Xclang -analyzer-checker=foo").
std::vector<std::string> XAArgumentsAdaptedForLoadedClang(const std::vector<std::string> &arguments,
                                                          const XAParsingArgumentsContext &context,
                                                          std::vector<std::string> *rejected = nullptr);

// The options of the arguments that are not accepted, found as the adaptation finds them but trying every option,
// also search paths, definitions and includes (each joined by blanks with the arguments that went with it); only
// "-target <triple>" when the language and target alone are refused. What a failed parse names as its cause.
std::vector<std::string> XACompilerOptionsRejected(const std::vector<std::string> &arguments,
                                                   const XACompilerArgumentsAcceptance &acceptsArguments);
