#include "project/XAParsingArguments.h"

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

// ---- Options that write files or that the preparation replaces ----

// Flags without value that would make a parse write dependency files.
const std::set<std::string_view> &singleOptionsToDrop() {
    static const std::set<std::string_view> options = {"-M", "-MM", "-MD", "-MMD", "-MG", "-MP", "-MV"};
    return options;
}

// Options whose value is the next argument: outputs of a real compilation, and what the preparation replaces by what
// fits the loaded libclang and this compilation.
const std::set<std::string_view> &valueOptionsToDrop() {
    static const std::set<std::string_view> options = {
        "-MF", "-MT", "-MQ", "-MJ", "--serialize-diagnostics", "-resource-dir", "-working-directory"};
    return options;
}

// Joined forms of the same kinds.
constexpr std::array<std::string_view, 6> kJoinedPrefixesToDrop = {
    "-MF", "-MT", "-MQ", "-MJ", "-resource-dir=", "-working-directory="};

// ---- Options the loaded libclang is asked about ----

// Options that every clang knows and whose trial would only test their value (a missing include file, say): search
// paths, definitions, warnings, the language, the target, the input and the output. Whole arguments, then prefixes.
constexpr std::array<std::string_view, 5> kUntriedOptions = {"-c", "-o", "-x", "-arch", "-target"};
constexpr std::array<std::string_view, 15> kUntriedOptionPrefixes = {
    "-I",          "-F",       "-D",       "-U",        "-W", "-iquote", "-isystem", "-idirafter",
    "-iframework", "-include", "-imacros", "-isysroot", "-O", "-g",      "--target="};

bool isTriedOption(const std::string &argument) {
    if (argument.size() < 2 || argument.front() != '-') {
        return false; // an input file or the value of an option before it
    }
    if (std::find(kUntriedOptions.begin(), kUntriedOptions.end(), argument) != kUntriedOptions.end()) {
        return false;
    }
    return std::none_of(kUntriedOptionPrefixes.begin(), kUntriedOptionPrefixes.end(),
                        [&argument](std::string_view prefix) { return argument.starts_with(prefix); });
}

std::string joined(const std::vector<std::string> &arguments, std::size_t start, std::size_t count) {
    std::string text;
    for (std::size_t index = start; index < start + count; ++index) {
        text += (text.empty() ? "" : " ") + arguments[index];
    }
    return text;
}

// What a trial of an option is given besides the option: the language and the target of the real parse.
std::vector<std::string> trialContext(const std::vector<std::string> &arguments, const std::string &triple) {
    std::vector<std::string> context;
    if (std::optional<std::string> language = lastValueOf(arguments, "-x")) {
        context.insert(context.end(), {"-x", *language});
    }
    context.insert(context.end(), {"-target", triple});
    return context;
}

// Include-path options that may name a header map.
constexpr std::array<std::string_view, 4> kHeaderSearchOptions = {"-I", "-iquote", "-isystem", "-idirafter"};

// Walks the arguments once and writes what the loaded libclang is given: each argument kept, dropped, or (for a
// header map that does not exist) replaced by the stand-in that the context provides.
class ArgumentFilter {
public:
    // `tryEveryOption` also tries the options every clang knows, whose values may be at fault all the same.
    ArgumentFilter(const std::vector<std::string> &arguments, const XAParsingArgumentsContext &context,
                   bool dropSysroot, std::vector<std::string> trialContext, bool tryEveryOption = false)
        : arguments_(arguments), context_(context), dropSysroot_(dropSysroot), trialContext_(std::move(trialContext)),
          tryEveryOption_(tryEveryOption) {}

    std::vector<std::string> run(std::vector<std::string> *rejected) {
        // A language and target that the library refuses on their own would make every trial fail: nothing can be
        // told apart then, and every option stays.
        triesOptions_ = context_.acceptsArguments && context_.acceptsArguments(trialContext_);
        std::vector<std::string> kept;
        for (index_ = 0; index_ < arguments_.size();) {
            index_ += step(kept, rejected);
        }
        return kept;
    }

private:
    bool hasNext() const { return index_ + 1 < arguments_.size(); }
    const std::string &next() const { return arguments_[index_ + 1]; }
    bool missing(const std::string &path) const { return !existsAt(path, context_.workingDirectory); }
    std::size_t valueCount() const { return hasNext() ? 2 : 1; }

    // Handles the argument at the index (and its value, when it has one): appends what is kept to `kept` and returns
    // how many arguments were consumed.
    std::size_t step(std::vector<std::string> &kept, std::vector<std::string> *rejected) {
        const std::string &argument = arguments_[index_];
        if (std::optional<std::size_t> dropped = argumentsToDropAt()) {
            return *dropped;
        }
        if (std::optional<std::size_t> consumed = headerMapAt(kept)) {
            return *consumed;
        }
        const bool tried = tryEveryOption_ ? argument.size() > 1 && argument.front() == '-' : isTriedOption(argument);
        if (!triesOptions_ || !tried) {
            kept.push_back(argument);
            return 1;
        }
        const std::size_t count = argument == "-Xclang" ? frontEndGroupSize() : 1;
        if (accepted(index_, count)) {
            kept.insert(kept.end(), arguments_.begin() + index_, arguments_.begin() + index_ + count);
            return count;
        }
        // An option that is refused alone may take the next argument as its value.
        if (count == 1 && hasNext() && accepted(index_, 2)) {
            kept.insert(kept.end(), {argument, next()});
            return 2;
        }
        // Refused: an argument after it that is no option can only have been its value.
        const std::size_t consumed = count == 1 && hasNext() && !next().starts_with("-") ? 2 : count;
        if (rejected) {
            rejected->push_back(joined(arguments_, index_, consumed));
        }
        return consumed;
    }

    // A front-end option passed as "-Xclang <option>", with the values that follow it as further "-Xclang <value>".
    std::size_t frontEndGroupSize() const {
        std::size_t count = hasNext() ? 2 : 1;
        while (index_ + count + 1 < arguments_.size() && arguments_[index_ + count] == "-Xclang" &&
               !arguments_[index_ + count + 1].starts_with("-")) {
            count += 2;
        }
        return count;
    }

    bool accepted(std::size_t start, std::size_t count) const {
        std::vector<std::string> trial = trialContext_;
        trial.insert(trial.end(), arguments_.begin() + start, arguments_.begin() + start + count);
        return context_.acceptsArguments(trial);
    }

    // How many arguments from the current one on are dropped whatever libclang accepts; no value when none.
    std::optional<std::size_t> argumentsToDropAt() const {
        const std::string &argument = arguments_[index_];
        if (singleOptionsToDrop().contains(argument)) {
            return 1;
        }
        if (valueOptionsToDrop().contains(argument)) {
            return valueCount();
        }
        if (argument == "-isysroot") {
            return dropSysroot_ ? std::optional<std::size_t>(valueCount()) : std::nullopt;
        }
        if (argument.starts_with("-isysroot")) {
            return dropSysroot_ ? std::optional<std::size_t>(1) : std::nullopt;
        }
        if (argument == "-ivfsoverlay") {
            return hasNext() && !missing(next()) ? std::nullopt : std::optional<std::size_t>(valueCount());
        }
        if ((argument.starts_with("-ivfsoverlay") && missing(argument.substr(12))) ||
            (argument.starts_with("-fmodule-map-file=") && missing(argument.substr(18)))) {
            return 1;
        }
        for (std::string_view prefix : kJoinedPrefixesToDrop) {
            if (argument.starts_with(prefix)) {
                return 1;
            }
        }
        return std::nullopt;
    }

    bool isMissingHeaderMap(const std::string &path) const { return path.ends_with(".hmap") && missing(path); }

    // A search option that names a header map that does not exist: replaced by the stand-in map, or dropped without
    // one. No value for any other argument.
    std::optional<std::size_t> headerMapAt(std::vector<std::string> &kept) const {
        const std::string &argument = arguments_[index_];
        for (std::string_view option : kHeaderSearchOptions) {
            const bool separate = argument == option;
            if (!separate && !argument.starts_with(option)) {
                continue;
            }
            if (separate && !hasNext()) {
                return std::nullopt;
            }
            const std::string map = separate ? next() : argument.substr(option.size());
            if (!isMissingHeaderMap(map)) {
                return std::nullopt;
            }
            const std::optional<std::string> standIn =
                context_.headerMapStandIn ? context_.headerMapStandIn(resolvedAgainst(map, context_.workingDirectory))
                                          : std::nullopt;
            if (standIn && separate) {
                kept.insert(kept.end(), {argument, *standIn});
            } else if (standIn) {
                kept.push_back(std::string(option) + *standIn);
            }
            return separate ? 2 : 1;
        }
        return std::nullopt;
    }

    const std::vector<std::string> &arguments_;
    const XAParsingArgumentsContext &context_;
    bool dropSysroot_;
    std::vector<std::string> trialContext_;
    bool tryEveryOption_;
    bool triesOptions_ = false;
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
                                                          const XAParsingArgumentsContext &context,
                                                          std::vector<std::string> *rejected) {
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
        ArgumentFilter(arguments, context, standIn.has_value(), trialContext(arguments, triple)).run(rejected);
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

std::vector<std::string> XACompilerOptionsRejected(const std::vector<std::string> &arguments,
                                                   const XACompilerArgumentsAcceptance &acceptsArguments) {
    XAParsingArgumentsContext context;
    context.acceptsArguments = acceptsArguments;
    const std::optional<std::string> explicitTriple = XAExplicitTargetTriple(arguments);
    const std::string triple = explicitTriple ? *explicitTriple : XADerivedTargetTriple(arguments, context);
    const std::vector<std::string> languageAndTarget = trialContext(arguments, triple);
    // A target the library cannot parse for fails every trial; it is the one argument at fault then.
    if (!acceptsArguments(languageAndTarget)) {
        return {"-target " + triple};
    }
    std::vector<std::string> rejected;
    ArgumentFilter(arguments, context, false, languageAndTarget, true).run(&rejected);
    return rejected;
}
