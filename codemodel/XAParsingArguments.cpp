#include "codemodel/XAParsingArguments.h"

#include "core/XALog.h"
#include "core/XAPaths.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

constexpr int kMaximumResponseFileNesting = 16;
constexpr std::uintmax_t kMaximumResponseFileSize = 16u << 20;

// ---- Apple platforms ----

struct ApplePlatform {
    std::string_view platformName;                     // PLATFORM_NAME and the start of SDK names: "iphoneos"
    std::string_view folderName;                       // of the platform and SDK folders: "iPhoneOS"
    std::string_view tripleOS;                         // "ios"
    bool simulator;                                    // "-simulator" environment of the triple
    std::string_view deploymentSetting;                // "IPHONEOS_DEPLOYMENT_TARGET"
    std::array<std::string_view, 2> versionMinOptions; // "-miphoneos-version-min=", with the joined "="
};

// clang-format off
constexpr std::array<ApplePlatform, 9> kApplePlatforms = {{
    {"iphoneos", "iPhoneOS", "ios", false, "IPHONEOS_DEPLOYMENT_TARGET",
     {"-miphoneos-version-min=", "-mios-version-min="}},
    {"iphonesimulator", "iPhoneSimulator", "ios", true, "IPHONEOS_DEPLOYMENT_TARGET",
     {"-mios-simulator-version-min=", "-miphonesimulator-version-min="}},
    {"macosx", "MacOSX", "macosx", false, "MACOSX_DEPLOYMENT_TARGET",
     {"-mmacosx-version-min=", "-mmacos-version-min="}},
    {"appletvos", "AppleTVOS", "tvos", false, "TVOS_DEPLOYMENT_TARGET",
     {"-mtvos-version-min=", "-mappletvos-version-min="}},
    {"appletvsimulator", "AppleTVSimulator", "tvos", true, "TVOS_DEPLOYMENT_TARGET",
     {"-mtvos-simulator-version-min=", "-mappletvsimulator-version-min="}},
    {"watchos", "WatchOS", "watchos", false, "WATCHOS_DEPLOYMENT_TARGET",
     {"-mwatchos-version-min=", ""}},
    {"watchsimulator", "WatchSimulator", "watchos", true, "WATCHOS_DEPLOYMENT_TARGET",
     {"-mwatchos-simulator-version-min=", "-mwatchsimulator-version-min="}},
    {"xros", "XROS", "xros", false, "XROS_DEPLOYMENT_TARGET", {"", ""}},
    {"xrsimulator", "XRSimulator", "xros", true, "XROS_DEPLOYMENT_TARGET", {"", ""}},
}};
// clang-format on

const ApplePlatform &macOSPlatform() { return kApplePlatforms[2]; }

std::string lowercased(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

// The platform whose name begins an SDK or platform name ("iPhoneOS14.0.sdk", "iphonesimulator", a path to either).
const ApplePlatform *platformForSDKName(std::string_view name) {
    const std::string lastComponent = lowercased(xa_lastPathComponent(name));
    for (const ApplePlatform &platform : kApplePlatforms) {
        if (lastComponent.starts_with(platform.platformName)) {
            return &platform;
        }
    }
    return nullptr;
}

const ApplePlatform *platformForTriple(std::string_view triple) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= triple.size()) {
        const std::size_t end = std::min(triple.find('-', start), triple.size());
        parts.emplace_back(triple.substr(start, end - start));
        start = end + 1;
    }
    if (parts.size() < 3) {
        return nullptr;
    }
    const std::string os = lowercased(parts[2]);
    const std::string architecture = lowercased(parts[0]);
    // Before environments existed in triples, an Intel iOS triple meant the simulator.
    const bool intel = architecture == "x86_64" || architecture == "i386";
    const bool simulator = (parts.size() > 3 && lowercased(parts[3]) == "simulator") || intel;
    std::string_view tripleOS;
    if (os.starts_with("macos") || os.starts_with("darwin")) {
        return &macOSPlatform();
    } else if (os.starts_with("ios")) {
        tripleOS = "ios";
    } else if (os.starts_with("tvos")) {
        tripleOS = "tvos";
    } else if (os.starts_with("watchos")) {
        tripleOS = "watchos";
    } else if (os.starts_with("xros") || os.starts_with("visionos")) {
        tripleOS = "xros";
    } else {
        return nullptr;
    }
    for (const ApplePlatform &platform : kApplePlatforms) {
        if (platform.tripleOS == tripleOS && platform.simulator == simulator) {
            return &platform;
        }
    }
    return nullptr;
}

bool isVersionText(std::string_view text) {
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text.front())) &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.'; });
}

bool isArchitectureName(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

std::optional<std::string> setting(const XABuildSettings &settings, const std::string &name) {
    auto found = settings.find(name);
    if (found == settings.end() || found->second.empty()) {
        return std::nullopt;
    }
    return found->second;
}

// The value after the last occurrence of a separate option.
std::optional<std::string> lastValueOf(const std::vector<std::string> &arguments, std::string_view option) {
    std::optional<std::string> value;
    for (std::size_t index = 0; index + 1 < arguments.size(); ++index) {
        if (arguments[index] == option) {
            value = arguments[index + 1];
        }
    }
    return value;
}

// The logged SDK: the value of "-isysroot <path>" or "-isysroot<path>", the last one winning.
std::optional<std::string> loggedSysroot(const std::vector<std::string> &arguments) {
    std::optional<std::string> value;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string &argument = arguments[index];
        if (argument == "-isysroot") {
            if (index + 1 < arguments.size()) {
                value = arguments[index + 1];
            }
        } else if (argument.starts_with("-isysroot")) {
            value = argument.substr(9);
        }
    }
    return value;
}

// The platform of the last -m<os>-version-min option (the driver, too, takes the last).
const ApplePlatform *platformOfVersionMinimumOption(const std::vector<std::string> &arguments) {
    const ApplePlatform *found = nullptr;
    for (const std::string &argument : arguments) {
        for (const ApplePlatform &platform : kApplePlatforms) {
            for (std::string_view option : platform.versionMinOptions) {
                if (!option.empty() && argument.starts_with(option)) {
                    found = &platform;
                }
            }
        }
    }
    return found;
}

std::string resolvedAgainst(const std::string &path, const std::string &workingDirectory) {
    if (xa_isAbsolutePath(path) || workingDirectory.empty()) {
        return path;
    }
    return xa_stringByAppendingPathComponent(workingDirectory, path);
}

bool existsAt(const std::string &path, const std::string &workingDirectory) {
    std::error_code ignored;
    return std::filesystem::exists(resolvedAgainst(path, workingDirectory), ignored);
}

// ---- Options upstream clang does not know, and options that write files ----

// Apple clang's flags without value that upstream clang rejects ("unknown argument"), and the dependency-file flags.
const std::set<std::string_view> &singleOptionsToDrop() {
    static const std::set<std::string_view> options = {
        "-index-ignore-system-symbols", "-index-record-codegen-name", "-index-ignore-pcms", "-fno-odr-hash-protocols",
        "-fobjc-msgsend-selector-stubs", "-fno-objc-msgsend-selector-stubs", "-fexperimental-optimized-noescape",
        "-fmodulemap-allow-subdirectory-search", "-fno-modulemap-allow-subdirectory-search", "-fobjc-constant-literals",
        "-fconstant-nsnumber-literals", "-fconstant-nsarray-literals", "-fconstant-nsdictionary-literals",
        "-fextend-lifetimes", "-fbounds-attributes", "-fmodule-related-to-pch", "-fno-module-related-to-pch",
        // Dependency files: a parse must not write them.
        "-M", "-MM", "-MD", "-MMD", "-MG", "-MP", "-MV"};
    return options;
}

// Options whose value is the next argument. An unknown one would make libclang take its value for a second input
// file and refuse the parse.
const std::set<std::string_view> &valueOptionsToDrop() {
    static const std::set<std::string_view> options = {
        "-index-store-path", "-index-unit-output-path", "-ivfsstatcache", "-fcas-path", "-fcas-plugin-path",
        "-fcas-plugin-option",
        // Outputs of a real compilation.
        "-MF", "-MT", "-MQ", "-MJ", "--serialize-diagnostics",
        // Replaced by what fits the loaded libclang and this compilation.
        "-resource-dir", "-working-directory"};
    return options;
}

// Joined forms of the same kinds.
constexpr std::array<std::string_view, 9> kJoinedPrefixesToDrop = {
    "-fdepscan", "-fcas-", "-MF", "-MT", "-MQ", "-MJ", "-resource-dir=", "-working-directory=", "-index-store-path="};

// Cc1 flags passed with -Xclang that upstream clang rejects.
bool isUnknownFrontendFlag(std::string_view flag) {
    return singleOptionsToDrop().contains(flag) || flag.starts_with("-clang-vendor-feature");
}

// Include-path options that may name a header map.
constexpr std::array<std::string_view, 4> kHeaderSearchOptions = {"-I", "-iquote", "-isystem", "-idirafter"};

class ArgumentFilter {
public:
    ArgumentFilter(const std::vector<std::string> &arguments, const std::string &workingDirectory, bool dropSysroot,
                   const std::vector<std::string> &headerFolders)
        : arguments_(arguments), workingDirectory_(workingDirectory), dropSysroot_(dropSysroot),
          headerFolders_(headerFolders) {}

    std::vector<std::string> run() {
        std::vector<std::string> kept;
        for (index_ = 0; index_ < arguments_.size(); ++index_) {
            const std::size_t dropped = argumentsToDropAt();
            if (dropped == 0) {
                kept.push_back(arguments_[index_]);
            } else {
                appendHeaderMapStandIns(kept);
                index_ += dropped - 1;
            }
        }
        return kept;
    }

private:
    std::optional<std::string> next() const {
        return index_ + 1 < arguments_.size() ? std::optional<std::string>(arguments_[index_ + 1]) : std::nullopt;
    }
    bool missing(const std::string &path) const { return !existsAt(path, workingDirectory_); }

    // How many arguments from the current one on are dropped: 0, 1 or 2 (an option and its value).
    std::size_t argumentsToDropAt() const {
        const std::string &argument = arguments_[index_];
        const std::size_t withValue = next() ? 2 : 1;
        if (singleOptionsToDrop().contains(argument)) {
            return 1;
        }
        if (valueOptionsToDrop().contains(argument)) {
            return withValue;
        }
        if (argument == "-Xclang" && next() && isUnknownFrontendFlag(*next())) {
            return 2;
        }
        if (argument == "-isysroot") {
            return dropSysroot_ ? withValue : 0;
        }
        if (argument.starts_with("-isysroot")) {
            return dropSysroot_ ? 1 : 0;
        }
        if (argument == "-ivfsoverlay") {
            return next() && !missing(*next()) ? 0 : withValue;
        }
        if (argument.starts_with("-ivfsoverlay")) {
            return missing(argument.substr(12)) ? 1 : 0;
        }
        if (argument.starts_with("-fmodule-map-file=")) {
            return missing(argument.substr(18)) ? 1 : 0;
        }
        for (std::string_view prefix : kJoinedPrefixesToDrop) {
            if (argument.starts_with(prefix)) {
                return 1;
            }
        }
        return headerMapArgumentsToDrop(argument);
    }

    std::size_t headerMapArgumentsToDrop(const std::string &argument) const {
        for (std::string_view option : kHeaderSearchOptions) {
            if (argument == option) {
                return next() && isMissingHeaderMap(*next()) ? 2 : 0;
            }
            if (argument.starts_with(option) && isMissingHeaderMap(argument.substr(option.size()))) {
                return 1;
            }
        }
        return 0;
    }
    bool isMissingHeaderMap(const std::string &path) const { return path.ends_with(".hmap") && missing(path); }

    // The missing header map the current argument names, if any (the search option has been decided to be dropped).
    std::optional<std::string> droppedHeaderMapAt() const {
        const std::string &argument = arguments_[index_];
        for (std::string_view option : kHeaderSearchOptions) {
            if (argument == option) {
                return next() && isMissingHeaderMap(*next()) ? next() : std::nullopt;
            }
            if (argument.starts_with(option) && isMissingHeaderMap(argument.substr(option.size()))) {
                return argument.substr(option.size());
            }
        }
        return std::nullopt;
    }

    // The project's header folders in place of the map that would have listed their headers.
    void appendHeaderMapStandIns(std::vector<std::string> &kept) const {
        const std::optional<std::string> map = droppedHeaderMapAt();
        if (!map) {
            return;
        }
        if (map->ends_with("-project-headers.hmap")) {
            for (const std::string &folder : headerFolders_) {
                kept.insert(kept.end(), {"-iquote", folder});
            }
        } else if (map->ends_with("-all-target-headers.hmap")) {
            for (const std::string &folder : headerFolders_) {
                kept.push_back("-I" + folder);
            }
        }
    }

    const std::vector<std::string> &arguments_;
    const std::string &workingDirectory_;
    bool dropSysroot_;
    const std::vector<std::string> &headerFolders_;
    std::size_t index_ = 0;
};

// ---- Response files ----

void expandInto(std::vector<std::string> &result, const std::vector<std::string> &arguments,
                const std::string &workingDirectory, int depth) {
    for (const std::string &argument : arguments) {
        if (argument.size() < 2 || argument.front() != '@') {
            result.push_back(argument);
            continue;
        }
        const std::string path = resolvedAgainst(argument.substr(1), workingDirectory);
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (error || size > kMaximumResponseFileSize || depth >= kMaximumResponseFileNesting) {
            XALog(XALogLevelDebug, "Leaving out the response file %s: %s", path.c_str(),
                  error ? error.message().c_str() : "too large or nested too deeply");
            continue;
        }
        std::ifstream stream(path, std::ios::binary);
        std::ostringstream contents;
        contents << stream.rdbuf();
        if (!stream) {
            XALog(XALogLevelDebug, "Leaving out the unreadable response file %s", path.c_str());
            continue;
        }
        expandInto(result, XAResponseFileArguments(contents.str()), workingDirectory, depth + 1);
    }
}

} // namespace

std::vector<std::string> XAResponseFileArguments(std::string_view text) {
    std::vector<std::string> arguments;
    std::string token;
    bool inToken = false;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char c = text[index];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inToken) {
                arguments.push_back(std::move(token));
                token.clear();
                inToken = false;
            }
            continue;
        }
        inToken = true;
        if (c == '\\' && index + 1 < text.size()) {
            token.push_back(text[++index]);
        } else if (c == '"' || c == '\'') {
            for (++index; index < text.size() && text[index] != c; ++index) {
                if (text[index] == '\\' && index + 1 < text.size()) {
                    ++index;
                }
                token.push_back(text[index]);
            }
        } else {
            token.push_back(c);
        }
    }
    if (inToken) {
        arguments.push_back(std::move(token));
    }
    return arguments;
}

std::vector<std::string> XAExpandResponseFiles(const std::vector<std::string> &arguments,
                                               const std::string &workingDirectory) {
    std::vector<std::string> result;
    expandInto(result, arguments, workingDirectory, 0);
    return result;
}

std::optional<std::string> XAExplicitTargetTriple(const std::vector<std::string> &arguments) {
    std::optional<std::string> triple;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string &argument = arguments[index];
        if (argument == "-target" && index + 1 < arguments.size()) {
            triple = arguments[++index];
        } else if (argument.starts_with("--target=")) {
            triple = argument.substr(9);
        }
    }
    return triple;
}

std::string XADerivedTargetTriple(const std::vector<std::string> &arguments, const XAParsingArgumentsContext &context) {
    const XABuildSettings &settings = context.settings();
    std::optional<std::string> architecture = lastValueOf(arguments, "-arch");
    if (!architecture) {
        architecture = context.architecture;
    }
    if (!architecture) {
        if (auto current = setting(settings, "CURRENT_ARCH"); current && *current != "undefined_arch") {
            architecture = current;
        } else if (auto architectures = setting(settings, "ARCHS")) {
            std::istringstream words(*architectures);
            std::string first;
            if (words >> first) {
                architecture = first;
            }
        }
    }
    if (!architecture || !isArchitectureName(*architecture)) {
        architecture = "arm64";
    }

    const ApplePlatform *versionMinimumPlatform = platformOfVersionMinimumOption(arguments);
    const ApplePlatform *platform = versionMinimumPlatform;
    if (!platform) {
        for (const char *name : {"PLATFORM_NAME", "SDKROOT"}) {
            if (auto value = setting(settings, name); value && !platform) {
                platform = platformForSDKName(*value);
            }
        }
    }
    if (!platform) {
        if (auto sysroot = loggedSysroot(arguments)) {
            platform = platformForSDKName(*sysroot);
        }
    }
    if (!platform) {
        platform = &macOSPlatform();
    }

    std::string triple = *architecture + "-apple-" + std::string(platform->tripleOS);
    // A -m<os>-version-min option stays among the arguments and gives the version itself.
    if (!versionMinimumPlatform) {
        if (auto version = setting(settings, std::string(platform->deploymentSetting));
            version && isVersionText(*version)) {
            triple += *version;
        }
    }
    if (platform->simulator) {
        triple += "-simulator";
    }
    return triple;
}

std::optional<std::string> XASDKStandInPathForTriple(const std::string &developerDirectory, const std::string &triple) {
    const ApplePlatform *platform = platformForTriple(triple);
    if (!platform) {
        return std::nullopt;
    }
    const std::string folder(platform->folderName);
    return xa_stringByStandardizingPath(developerDirectory + "/Platforms/" + folder + ".platform/Developer/SDKs/" +
                                        folder + ".sdk");
}

std::vector<std::string> XAArgumentsAdaptedForLoadedClang(const std::vector<std::string> &arguments,
                                                          const XAParsingArgumentsContext &context) {
    const std::optional<std::string> explicitTriple = XAExplicitTargetTriple(arguments);
    const std::string triple = explicitTriple ? *explicitTriple : XADerivedTargetTriple(arguments, context);

    const std::optional<std::string> logged = loggedSysroot(arguments);
    std::optional<std::string> standIn;
    if ((!logged || !existsAt(*logged, context.workingDirectory)) && context.developerDirectory) {
        standIn = XASDKStandInPathForTriple(*context.developerDirectory, triple);
        std::error_code ignored;
        if (standIn && !std::filesystem::is_directory(*standIn, ignored)) {
            standIn.reset();
        }
    }

    std::vector<std::string> adapted =
        ArgumentFilter(arguments, context.workingDirectory, standIn.has_value(), context.headerFolders()).run();
    if (!explicitTriple) {
        adapted.insert(adapted.end(), {"-target", triple});
    }
    if (standIn) {
        adapted.insert(adapted.end(), {"-isysroot", *standIn});
    }
    if (context.resourceDirectory) {
        adapted.insert(adapted.end(), {"-resource-dir", *context.resourceDirectory});
    }
    if (!context.workingDirectory.empty()) {
        adapted.insert(adapted.end(), {"-working-directory", context.workingDirectory});
    }
    return adapted;
}
