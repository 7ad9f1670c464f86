// Reading a configuration from a JSON configuration file, and laying option values over a configuration.

#include "engine/config/XAConfiguration.h"

#include "core/XAJSON.h"
#include "core/XAPaths.h"
#include "core/XAString.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

void reportError(const XAProgressHandler &progress, std::string message) {
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindError, std::move(message)));
    }
}

bool somethingExistsAt(const std::string &path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

// The option of `options` whose long name equals `key` ignoring letter case and that `accepts`.
template <typename Option>
const Option *optionForKey(const std::vector<Option> &options, std::string_view key,
                           const std::function<bool(const XAConfigurationOption &)> &accepts) {
    std::string lowerKey = xa_lowercased(key);
    for (const Option &option : options) {
        if (xa_lowercased(option.longName()) == lowerKey && accepts(option)) {
            return &option;
        }
    }
    return nullptr;
}

// A severity name in any letter case stands for the allowed name.
XAOptionValue withCanonicalSeverityName(const XAConfigurationOption &option, XAOptionValue value) {
    if (option.longName() != XAConfiguration::kMinErrorStatusSeverity || !value.isString()) {
        return value;
    }
    std::string lowerName = xa_lowercased(*value.string());
    for (const XAOptionValue &allowed : option.allowedValues()) {
        if (allowed.isString() && xa_lowercased(*allowed.string()) == lowerName) {
            return allowed;
        }
    }
    return value;
}

// The value to store for an option given in a file or as an argument, or none when the earlier value stays. An
// invalid value is reported under `displayName`; it is still stored as its conversion, so that later sources start
// from a usable value, except an invalid minimum error severity: stored, it would silently turn failing off.
std::optional<XAOptionValue> valueToStore(const XAConfigurationOption &option, const XAValue &rawValue,
                                          const std::string &displayName, const std::string &source,
                                          const XAProgressHandler &progress) {
    XAOptionValue value = withCanonicalSeverityName(option, XAOptionValue::fromValue(rawValue));
    XAError error;
    if (!option.valueIsValid(value, &error)) {
        reportError(progress, "Option '" + displayName + "' in " + source + ": " + error.message +
                                  " (value given: " + value.description() + ")");
        if (option.longName() == XAConfiguration::kMinErrorStatusSeverity) {
            return std::nullopt;
        }
    }
    // Converted once here: converting again could turn a type's empty value into null.
    XAOptionValue converted = option.convertValueIfNeeded(value);
    return converted.isNull() ? std::nullopt : std::optional(std::move(converted));
}

// A file path given as an argument names a file relative to the folder the command was started in, while the tools
// that read it later (xcodebuild for the workspace) run in the project's folder: it is made absolute. An empty path
// names nothing and stays empty.
XAOptionValue absoluteArgumentPath(const XAConfigurationOption &option, XAOptionValue value) {
    if (option.valueType() != XAOptionValueTypeFilePath || !value.isString() || value.string()->empty()) {
        return value;
    }
    return XAOptionValue(xa_absoluteCLIPath(*value.string()));
}

} // namespace

XAConfiguration XAConfiguration::configFromFile(const std::optional<std::string> &path,
                                                const XAProgressHandler &progress) {
    if (!path) {
        reportError(progress, "Supplied configuration file path is empty");
        return XAConfiguration();
    }
    if (!somethingExistsAt(*path)) {
        reportError(progress, "Cannot find configuration file: " + *path);
        return XAConfiguration();
    }
    std::string extension = xa_lowercased(xa_pathExtension(*path));
    if (extension != "json") {
        reportError(progress, "Unknown file extension '" + extension + "' for configuration file (must be .json)");
        return XAConfiguration();
    }
    return configFromJSONFile(*path, progress);
}

XAConfiguration XAConfiguration::configFromJSONFile(const std::string &path, const XAProgressHandler &progress) {
    XAConfiguration configuration;
    XAError readError;
    std::optional<std::string> text = XAContentsOfFile(path, &readError);
    if (!text) {
        reportError(progress, "Cannot read JSON configuration file: " + readError.message);
        return configuration;
    }
    std::string decoded;
    if (XAValidUTF8(*text, decoded).data() != text->data()) {
        reportError(progress, "Cannot read JSON configuration file: " + path + " is not UTF-8 text");
        return configuration;
    }
    XAError parseError;
    std::optional<XAValue> parsed = XAValueFromJSON(*text, true, path, &parseError);
    if (!parsed) {
        reportError(progress, "Cannot interpret JSON configuration file: " + parseError.message);
        return configuration;
    }
    // Anything but an object holds no option values; reading it as one would silently ignore the whole file.
    if (!parsed->isDictionary()) {
        reportError(progress, "Cannot interpret JSON configuration file: " + path + ": the top level is not an object");
        return configuration;
    }
    configuration.setOriginalLoadFilePath(path);
    configuration.applyValuesFromConfigFileDict(*parsed->dictionary(), progress);
    return configuration;
}

void XAConfiguration::applyValuesFromConfigFileDict(const XADictionary &dictionary, const XAProgressHandler &progress) {
    applyValuesFromDictionary(dictionary, false, progress);
}

void XAConfiguration::applyValuesFromArgs(const XADictionary &namedArgs, const XAProgressHandler &progress) {
    applyValuesFromDictionary(namedArgs, true, progress);
}

void XAConfiguration::applyValuesFromDictionary(const XADictionary &dictionary, bool valuesAreFromArgs,
                                                const XAProgressHandler &progress) {
    const std::string source = valuesAreFromArgs ? "argument" : "config file";
    const std::string lowerRuleOptionsKey = xa_lowercased(kRuleOptionsKey);
    auto acceptsMainOption = [valuesAreFromArgs](const XAConfigurationOption &option) {
        return valuesAreFromArgs || (option.optionDomain() & XAOptionDomainConfigFile) != 0;
    };
    for (const auto &[key, rawValue] : dictionary) {
        if (xa_lowercased(key) == lowerRuleOptionsKey) {
            continue;
        }
        const XAConfigurationOption *option = optionForKey(appOptions(), key, acceptsMainOption);
        if (!option) {
            reportError(progress, "Unknown " + source + " option: " + key);
            continue;
        }
        if (std::optional<XAOptionValue> value =
                valueToStore(*option, rawValue, option->longName(), source, progress)) {
            if (valuesAreFromArgs) {
                value = absoluteArgumentPath(*option, std::move(*value));
            }
            mainOptions_[option->longName()] = std::move(*value);
        }
    }
    if (!valuesAreFromArgs) {
        applyRuleOptionValuesFromConfigFile(dictionary, progress);
    }
}

void XAConfiguration::applyRuleOptionValuesFromConfigFile(const XADictionary &dictionary,
                                                          const XAProgressHandler &progress) {
    const XAValue *ruleOptions = dictionary.get(kRuleOptionsKey);
    if (!ruleOptions) {
        return;
    }
    if (!ruleOptions->isDictionary()) {
        reportError(progress, "'" + std::string(kRuleOptionsKey) +
                                  "' must be a dictionary where the keys are rule names and values are dictionaries "
                                  "of options for the rules");
        return;
    }
    std::vector<XARuleOptionGroup> groups = allRuleOptionGroups();
    auto anyOption = [](const XAConfigurationOption &) { return true; };
    for (const auto &[groupKey, groupValue] : *ruleOptions->dictionary()) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const XARuleOptionGroup &g) { return g.shortName == groupKey; });
        if (group == groups.end()) {
            reportError(progress, "Unknown rule option group: '" + groupKey + "'");
            continue;
        }
        if (!groupValue.isDictionary()) {
            reportError(progress,
                        "'" + std::string(kRuleOptionsKey) + "." + group->shortName + "' must be a dictionary");
            continue;
        }
        for (const auto &[optionKey, optionValue] : *groupValue.dictionary()) {
            const XAConfigurationOption *option = optionForKey(group->options, optionKey, anyOption);
            if (!option) {
                reportError(progress, "Unknown rule option for " + group->shortName + ": " + optionKey);
                continue;
            }
            std::string displayName = group->shortName + "." + option->longName();
            if (std::optional<XAOptionValue> value =
                    valueToStore(*option, optionValue, displayName, "config file", progress)) {
                ruleOptions_[group->shortName][option->longName()] = std::move(*value);
            }
        }
    }
}
