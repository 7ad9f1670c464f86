#include "cli/XACLIArgs.h"

#include "core/XAAppVersion.h"
#include "core/XAString.h"
#include "engine/config/XAConfiguration.h"

#include <cstdlib>

namespace {

bool beginsWithDash(const std::string &entry) { return !entry.empty() && entry[0] == '-'; }

// The option an entry names by "--long" or "-short", without a value given after "=".
const XAConfigurationOption *optionNamedBy(std::string_view entry, const std::vector<XAConfigurationOption> &options) {
    const bool isLongForm = entry.starts_with("--");
    const std::string_view name = entry.substr(isLongForm ? 2 : 1);
    for (const XAConfigurationOption &option : options) {
        if (isLongForm ? option.longName() == name : option.shortName() == name) {
            return &option;
        }
    }
    return nullptr;
}

// Options whose values are arguments of another tool, which begin with a dash as often as not.
bool takesToolArguments(const XAConfigurationOption &option) {
    return option.longName() == XAConfiguration::kExtraCompilerArgs ||
           option.longName() == XAConfiguration::kExtraXcodebuildArgs;
}

// A value for the option from the next entry, when it may have one; consumes that entry.
std::optional<std::string> takeValue(const XAConfigurationOption &option, const std::vector<std::string> &arguments,
                                     size_t &index) {
    if (index + 1 >= arguments.size()) {
        return std::nullopt;
    }
    const std::string &next = arguments[index + 1];
    if (beginsWithDash(next) && !takesToolArguments(option)) {
        return std::nullopt;
    }
    if (option.valueType() == XAOptionValueTypeBool && !option.valueIsValid(XAOptionValue(next), nullptr)) {
        return std::nullopt;
    }
    ++index;
    return next;
}

std::optional<std::string> nonEmptyEnvironmentVariable(const char *name) {
    const char *value = std::getenv(name);
    if (!value || !*value) {
        return std::nullopt;
    }
    return std::string(value);
}

} // namespace

XACLIArgs XACLIArgs::argsWithArguments(const std::vector<std::string> &arguments,
                                       const std::vector<XAConfigurationOption> &options,
                                       const XAProgressHandler &progress) {
    XACLIArgs args;
    auto fail = [&](const std::string &message) {
        args.errors_.push_back(message);
        if (progress) {
            progress(XAProgressMessage(XAProgressMessageKindError, message));
        }
    };
    bool restIsPositional = false;
    for (size_t index = 1; index < arguments.size(); ++index) {
        const std::string &entry = arguments[index];
        args.rawArgs_.push_back(entry);
        if (entry == "--") {
            restIsPositional = true;
            continue;
        }
        if (restIsPositional || !beginsWithDash(entry)) {
            args.positionalArgs_.push_back(entry);
            continue;
        }
        // "--name=value" gives the value in the same entry, whatever it begins with.
        const size_t equals = entry.find('=');
        const std::string_view name = std::string_view(entry).substr(0, equals);
        const XAConfigurationOption *option = optionNamedBy(name, options);
        if (!option) {
            fail("Unknown argument: " + entry);
            continue;
        }
        if (equals != std::string::npos) {
            const std::string value = entry.substr(equals + 1);
            if (option->valueType() == XAOptionValueTypeBool && !option->valueIsValid(XAOptionValue(value), nullptr)) {
                fail("Argument " + std::string(name) + " needs a boolean value: " + value);
            } else {
                args.namedArgs_.set(option->longName(), XAValue(value));
            }
            continue;
        }
        if (std::optional<std::string> value = takeValue(*option, arguments, index)) {
            args.rawArgs_.push_back(*value);
            args.namedArgs_.set(option->longName(), XAValue(*value));
        } else if (option->valueType() == XAOptionValueTypeBool) {
            args.namedArgs_.set(option->longName(), XAValue(true));
        } else {
            fail("Argument " + entry + " needs a value");
        }
    }
    return args;
}

std::optional<std::string> XACLIArgs::command() const {
    if (positionalArgs_.empty()) {
        return std::nullopt;
    }
    return xa_lowercased(positionalArgs_.front());
}

std::vector<std::string> XACLIArgs::positionalArgsAfterCommand() const {
    if (positionalArgs_.empty()) {
        return {};
    }
    return std::vector<std::string>(positionalArgs_.begin() + 1, positionalArgs_.end());
}

std::optional<std::string> XACLIArgs::projectPath() const {
    if (positionalArgs_.size() < 2) {
        return std::nullopt;
    }
    return positionalArgs_.back();
}

std::optional<std::string> XACLIArgs::configFilePath() const {
    const XAValue *value = namedArgs_.get(XAConfiguration::kConfigFile);
    if (!value || !value->string()) {
        return std::nullopt;
    }
    return *value->string();
}

bool XACLIArgs::boolValueOfNamedArg(const std::string &longName) const {
    const XAValue *value = namedArgs_.get(longName);
    if (!value) {
        return false;
    }
    if (value->isBoolean()) {
        return *value->boolean();
    }
    return XAOptionValue::fromValue(*value).truthValue();
}

bool XACLIArgs::commandIsValid(const std::optional<std::string> &name) {
    if (!name) {
        return false;
    }
    if (name->starts_with("dev_")) {
        return true;
    }
    const std::string lowercaseName = xa_lowercased(*name);
    for (const XACLICommand &command : appCommands()) {
        if (command.name == lowercaseName) {
            return true;
        }
    }
    return false;
}

const std::vector<XACLICommand> &XACLIArgs::appCommands() {
    static const std::vector<XACLICommand> commands = {
        {"check", "Checks the specified Xcode project for errors.", {"path_to_xcodeproj"}},
        {"check-xcode", "Checks the current Xcode project for errors (when running inside an Xcode build phase).", {}},
        {"rules", "Show rule descriptions.", {"optional_rule_names"}},
        {"tags", "Show rule tag descriptions.", {"optional_tag_names"}},
        {"exampleconfig", "Outputs an example configuration file.", {}},
        {"validateconfig", "Validates the specified configuration file.", {"path_to_config_file"}},
        {"clearcaches",
         std::string("Clears all ") + XAApplicationName + " internal caches for the specified Xcode project.",
         {"path_to_xcodeproj"}},
        {"help", "Shows full usage info.", {}},
        {"docs", "Shows documentation.", {}},
        {"list-clang-versions", "Lists bundled Clang versions.", {}},
        {"version", "Displays the application version.", {}},
    };
    return commands;
}

std::optional<std::string> XACLIEnvironment::projectPath() const {
    if (std::optional<std::string> path = nonEmptyEnvironmentVariable("PROJECT_FILE_PATH")) {
        return path;
    }
    return args_.projectPath();
}

bool XACLIEnvironment::isRunningWithinAnXcodeBuildPhase() const {
    return nonEmptyEnvironmentVariable("BUILT_PRODUCTS_DIR").has_value();
}

void XACLIEnvironment::modifyConfigurationFromXcodeEnvironmentVariables(XAConfiguration &configuration) const {
    const auto setOption = [&](const char *longName, const XAOptionValue &value) {
        if (const XAConfigurationOption *option = XAConfiguration::appOptionWithLongName(longName)) {
            configuration.setValue(value, *option);
        }
    };
    const char *targetName = std::getenv("TARGETNAME");
    setOption(XAConfiguration::kTarget, XAOptionValue(targetName));
    const char *buildConfigName = std::getenv("CONFIGURATION");
    setOption(XAConfiguration::kBuildConfig, XAOptionValue(buildConfigName));
    setOption(XAConfiguration::kOutputFormat, XAOptionValue("xcode"));
}

bool XACLIEnvironment::isValid() const {
    const std::optional<std::string> command = args_.command();
    if (command == "check") {
        return projectPath().has_value();
    }
    return XACLIArgs::commandIsValid(command);
}
