// Reading a configuration from a JSON configuration file, and laying option values over a configuration.

#include "engine/config/XAConfiguration.h"

#include "core/XAJSON.h"
#include "core/XAPaths.h"
#include "core/XAString.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

std::string asciiLowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

void reportError(const XAProgressHandler &progress, std::string message) {
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindError, std::move(message)));
    }
}

bool somethingExistsAt(const std::string &path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

const XAConfigurationOption *appOptionForKey(std::string_view key, bool valuesAreFromArgs) {
    std::string lowerKey = asciiLowercase(key);
    for (const XAConfigurationOption &option : XAConfiguration::appOptions()) {
        if (asciiLowercase(option.longName()) == lowerKey &&
            (valuesAreFromArgs || (option.optionDomain() & XAOptionDomainConfigFile))) {
            return &option;
        }
    }
    return nullptr;
}

const XAConfigurationOption *ruleOptionForKey(const XARuleOptionGroupDescription &group, std::string_view key) {
    std::string lowerKey = asciiLowercase(key);
    for (const XAConfigurationOption &option : group.options) {
        if (asciiLowercase(option.longName()) == lowerKey) {
            return &option;
        }
    }
    return nullptr;
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
    std::string extension = asciiLowercase(xa_pathExtension(*path));
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

void XAConfiguration::applyValuesFromDictionary(const XADictionary &dictionary, bool valuesAreFromArgs,
                                                const XAProgressHandler &progress) {
    const std::string source = valuesAreFromArgs ? "argument" : "config file";
    const std::string lowerRuleOptionsKey = asciiLowercase(kRuleOptionsKey);
    for (const auto &[key, rawValue] : dictionary) {
        if (asciiLowercase(key) == lowerRuleOptionsKey) {
            continue;
        }
        const XAConfigurationOption *option = appOptionForKey(key, valuesAreFromArgs);
        if (!option) {
            reportError(progress, "Unknown " + source + " option: " + key);
            continue;
        }
        // An invalid value is reported and still stored as its conversion, so later sources start from a usable value.
        XAOptionValue value = XAOptionValue::fromValue(rawValue);
        XAError error;
        if (!option->valueIsValid(value, &error)) {
            reportError(progress, "Option '" + option->longName() + "' in " + source + ": " + error.message +
                                      " (value given: " + value.description() + ")");
        }
        // Stored as converted once: converting again could turn a type's empty value into null.
        XAOptionValue converted = option->convertValueIfNeeded(value);
        if (!converted.isNull()) {
            mainOptions_[option->longName()] = std::move(converted);
        }
    }
    if (valuesAreFromArgs) {
        return;
    }
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
    std::vector<XARuleOptionGroupDescription> groups = ruleOptionGroups();
    for (const auto &[groupKey, groupValue] : *ruleOptions->dictionary()) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const XARuleOptionGroupDescription &g) { return g.shortName == groupKey; });
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
            const XAConfigurationOption *option = ruleOptionForKey(*group, optionKey);
            if (!option) {
                reportError(progress, "Unknown rule option for " + group->shortName + ": " + optionKey);
                continue;
            }
            setValue(XAOptionValue::fromValue(optionValue), *option, group->shortName);
        }
    }
}
