#include "platform/devtools/XAXcodebuildArguments.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kActions[] = {
    "build",   "clean",      "analyze",           "archive",  "test",
    "install", "installsrc", "build-for-testing", "docbuild", "test-without-building"};

// Options that the stand-in recognises but does not carry out; a command line with one of them is unsupported.
constexpr std::string_view kUnsupportedValueOptions[] = {"-xcconfig", "-destination", "-derivedDataPath",
                                                         "-resultBundlePath"};
constexpr std::string_view kUnsupportedFlags[] = {"-quiet", "-json", "-showsdks", "-showdestinations",
                                                  "-checkFirstLaunchStatus"};

template <std::size_t N> bool contains(const std::string_view (&list)[N], std::string_view word) {
    return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

// The "=" of NAME=VALUE, outside the brackets of conditions (NAME[arch=arm64]=VALUE).
std::size_t assignmentEquals(const std::string &argument) {
    int depth = 0;
    for (std::size_t index = 0; index < argument.size(); ++index) {
        if (argument[index] == '[') {
            ++depth;
        } else if (argument[index] == ']' && depth > 0) {
            --depth;
        } else if (argument[index] == '=' && depth == 0) {
            return index;
        }
    }
    return std::string::npos;
}

bool isSettingAssignment(const std::string &argument) {
    std::size_t equals = assignmentEquals(argument);
    return equals != std::string::npos && equals > 0 && argument.front() != '-';
}

class ArgumentParser {
public:
    explicit ArgumentParser(const std::vector<std::string> &arguments) : arguments_(arguments) {}

    XAXcodebuildRequest parse() {
        XAXcodebuildRequest request;
        bool showBuildSettings = false;
        bool list = false;
        bool unsupported = false;
        bool actionGiven = false;
        for (index_ = 0; index_ < arguments_.size(); ++index_) {
            const std::string &argument = arguments_[index_];
            XABuildSettingsRequest &settings = request.buildSettings;
            std::optional<std::string> value;
            if (argument == "-showBuildSettings") {
                showBuildSettings = true;
            } else if (argument == "-list") {
                list = true;
            } else if (argument == "-dry-run" || argument == "-n") {
                settings.dryRun = true;
            } else if (argument == "-alltargets") {
                settings.allTargets = true;
            } else if (argument == "-project" || argument == "-configuration" || argument == "-arch" ||
                       argument == "-sdk" || argument == "-target" || argument == "-workspace" ||
                       argument == "-scheme") {
                if (!(value = nextValue())) {
                    return invalid("option '" + argument + "' requires an argument");
                }
                store(settings, argument, *value);
            } else if (contains(kUnsupportedValueOptions, argument)) {
                if (!nextValue()) {
                    return invalid("option '" + argument + "' requires an argument");
                }
                unsupported = true;
            } else if (contains(kUnsupportedFlags, argument) || argument == "-version" || argument == "-help" ||
                       argument == "-usage") {
                unsupported = true;
            } else if (isSettingAssignment(argument)) {
                std::size_t equals = assignmentEquals(argument);
                settings.commandLineSettings.emplace_back(argument.substr(0, equals), argument.substr(equals + 1));
            } else if (contains(kActions, argument)) {
                if (!actionGiven) {
                    settings.action = argument;
                    actionGiven = true;
                }
            } else if (!argument.empty() && argument.front() == '-') {
                return invalid("invalid option '" + argument + "'");
            } else {
                return invalid("Unknown build action '" + argument + "'.");
            }
        }
        request.kind =
            simpleRequest().value_or(unsupported ? XAXcodebuildRequestKind::Unsupported
                                                 : requestKind(request.buildSettings, showBuildSettings, list));
        return request;
    }

private:
    std::optional<std::string> nextValue() {
        if (index_ + 1 >= arguments_.size()) {
            return std::nullopt;
        }
        return arguments_[++index_];
    }

    // Build settings are shown for projects only; a listing is its own request; otherwise the action decides.
    static XAXcodebuildRequestKind requestKind(const XABuildSettingsRequest &settings, bool showBuildSettings,
                                               bool list) {
        const bool throughScheme = settings.workspacePath || settings.schemeName;
        if (showBuildSettings) {
            return list || throughScheme ? XAXcodebuildRequestKind::Unsupported
                                         : XAXcodebuildRequestKind::ShowBuildSettings;
        }
        if (list) {
            return XAXcodebuildRequestKind::List;
        }
        return settings.action == "build" ? XAXcodebuildRequestKind::Build : XAXcodebuildRequestKind::Unsupported;
    }

    static void store(XABuildSettingsRequest &settings, const std::string &option, const std::string &value) {
        if (option == "-project") {
            settings.projectPath = value;
        } else if (option == "-workspace") {
            settings.workspacePath = value;
        } else if (option == "-scheme") {
            settings.schemeName = value;
        } else if (option == "-configuration") {
            settings.configuration = value;
        } else if (option == "-arch") {
            settings.arch = value;
        } else if (option == "-sdk") {
            settings.sdk = value;
        } else {
            settings.targetNames.push_back(value);
        }
    }

    std::optional<XAXcodebuildRequestKind> simpleRequest() const {
        if (arguments_.size() != 1) {
            return std::nullopt;
        }
        if (arguments_.front() == "-version") {
            return XAXcodebuildRequestKind::Version;
        }
        if (arguments_.front() == "-help") {
            return XAXcodebuildRequestKind::Help;
        }
        if (arguments_.front() == "-usage") {
            return XAXcodebuildRequestKind::Usage;
        }
        return std::nullopt;
    }

    static XAXcodebuildRequest invalid(std::string message) {
        XAXcodebuildRequest request;
        request.kind = XAXcodebuildRequestKind::Invalid;
        request.errorMessage = std::move(message);
        return request;
    }

    const std::vector<std::string> &arguments_;
    std::size_t index_ = 0;
};

} // namespace

XAXcodebuildRequest XAParseXcodebuildArguments(const std::vector<std::string> &arguments) {
    return ArgumentParser(arguments).parse();
}

const std::vector<XAXcodebuildOptionDescription> &XAXcodebuildOptionDescriptions() {
    static const std::vector<XAXcodebuildOptionDescription> options = {
        {"-usage", "print brief usage"},
        {"-help", "print complete usage"},
        {"-version", "display the version of this stand-in for xcodebuild"},
        {"-project NAME", "use the project NAME (the .xcodeproj in the current folder by default)"},
        {"-target NAME", "use the target NAME (may be given more than once)"},
        {"-alltargets", "use every target of the project"},
        {"-configuration NAME", "use the build configuration NAME (the project's default by default)"},
        {"-arch ARCH", "use the architecture ARCH (ARCHS and CURRENT_ARCH)"},
        {"-sdk SDK", "use the SDK SDK (SDKROOT): the name of a platform (macosx, iphoneos, watchsimulator...), "
                     "with or without version"},
        {"-workspace NAME", "build the workspace NAME (with -scheme)"},
        {"-scheme NAME", "build the scheme NAME of the workspace or project"},
        {"-showBuildSettings", "print the resolved build settings of the targets instead of building"},
        {"-list", "list the targets, configurations and schemes of the project, or the schemes of the workspace"},
        {"-dry-run", "print the build's steps without carrying them out (also -n)"},
    };
    return options;
}
