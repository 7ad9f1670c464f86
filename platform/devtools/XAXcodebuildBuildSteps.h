#pragma once

// The steps the xcodebuild stand-in prints for one target of a build, planned from the target's build phases and
// its resolved build settings, in the order a legacy xcodebuild log shows them:
//
// - "Create product structure" (a block the log's readers skip) for a bundle;
// - ProcessInfoPlistFile <bundle Info.plist> <INFOPLIST_FILE>, for a bundle with an Info.plist;
// - for each Headers phase: CpHeader <destination> <header> for every public and private header, into the product's
//   PUBLIC_HEADERS_FOLDER_PATH and PRIVATE_HEADERS_FOLDER_PATH (a framework's Headers and PrivateHeaders), laid out as
//   links to the project's files; a framework that defines a module (DEFINES_MODULE, or a MODULEMAP_FILE of its own)
//   gets Modules/module.modulemap: the given file, else `framework module <PRODUCT_MODULE_NAME>` over the umbrella
//   header <PRODUCT_NAME>.h when that is among the public headers;
// - for each Sources phase: ProcessPCH (ProcessPCH++ for C++) <output> <prefix header> once per language and set of
//   per-file COMPILER_FLAGS of the phase's files (compiled with those flags too, each at a path of its own) when
//   GCC_PREFIX_HEADER is set and GCC_PRECOMPILE_PREFIX_HEADER is YES, before the first file it serves; then
//   CompileC <object file> <source> normal <arch> <language> <compiler> for every C, Objective-C, C++ and
//   Objective-C++ file, with the file's COMPILER_FLAGS;
// - for each Resources phase, per file (localised variants one by one): CompileXIB, CompileStoryboard,
//   CompileAssetCatalog, CopyStringsFile for `.strings` files, CpResource for everything else;
// - for each shell-script phase that is not only run for installs: PhaseScriptExecution;
// - Touch <bundle>, for a bundle.
//
// A step is planned whatever its input: a missing one (a file that a script phase or a generator would write, a broken
// reference) is a warning, "Build input file cannot be found: '<path>'", unless a script phase of the target names it
// among its outputs. A prefix header that is missing is not precompiled: the compilations include it as it is.
//
// Every step runs in the project's folder ("cd"), exports the variables a real log shows and names its tool with
// the arguments derived from the settings (XAXcodebuildBuildCompiler.h for the compiler). Paths lie under the
// SYMROOT, OBJROOT and SHARED_PRECOMPS_DIR of the settings: a build made with them on the command line writes only
// below them.

#include "platform/devtools/XATargetBuildSettings.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class XAProjectTarget;

// What a build that is not a dry run does for a step: it compiles nothing, but lays out the product so that the
// bundle can be looked at.
enum class XAProductEffect {
    None,
    Copy,              // copy `source` (a file or a folder) to `destination`
    PlaceholderFile,   // an empty file at `destination` where a compiled file would be
    PlaceholderFolder, // an empty folder at `destination` where a compiled folder would be
    Touch,             // the bundle at `destination` is touched
    Link,              // a symbolic link at `destination` to `source`, replacing whatever stood there
};

struct XAStandInBuildStep {
    std::vector<std::string> header; // the step's name and arguments, as they are (escaped when printed)
    std::string workingDirectory;
    std::vector<std::pair<std::string, std::string>> environment; // exported variables, in order
    std::vector<std::string> command;                             // the tool and its arguments
    XAProductEffect effect = XAProductEffect::None;
    std::string source;
    std::string destination;
};

struct XAStandInTargetBuild {
    std::string projectName;
    std::string targetName;
    std::string configurationName;
    bool aggregate = false;
    std::vector<std::string> productFolders; // the folders "Create product structure" makes, outermost first
    std::vector<XAStandInBuildStep> steps;
    // What the framework's users compile against, laid out by every build, dry runs too (the checker parses the
    // dependent targets as if their build had run): the links to the public and private headers (the CpHeader steps'
    // Link effects), the links of a versioned bundle's top level (path, target) and the module map (path, text).
    std::vector<std::pair<std::string, std::string>> frameworkLinks;
    std::optional<std::pair<std::string, std::string>> moduleMap;
    std::vector<std::string> warnings;
    // The folders of the project's headers, which the completion's parses search in place of the header maps.
    std::vector<std::string> projectHeaderFolders;
    // Where the target's SDK completion lives (XAXcodebuildSDKCompletion.h): a folder of its temporary files.
    std::string completionFolder;
    // The prefix header each precompiled header's -include names stands for: include path -> prefix header.
    std::map<std::string, std::string> prefixHeaderSources;
};

// Plans the steps of a target in the configuration and with the command-line settings of `input`.
XAStandInTargetBuild XAPlanTargetBuild(const XAStandInProject &project, const XAProjectTarget &target,
                                       const XATargetBuildSettingsInput &input);
