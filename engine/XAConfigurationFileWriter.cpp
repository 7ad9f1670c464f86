#include "engine/XAConfigurationFileWriter.h"

#include "core/XAAppVersion.h"
#include "core/XAJSON.h"
#include "core/XALog.h"
#include "engine/XAJsonObject.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::size_t kIndent = 4;
constexpr std::size_t kMaxLineLength = 79;

// No value stands for "no value at all" (an unset workspace); a null value for a default of null (an unset target).
// The two never equal each other, so an unset target is written as an active null entry and an unset workspace
// commented out.
bool equalsDefault(const std::optional<XAOptionValue> &value, const XAConfigurationOption &option) {
    const std::optional<XAOptionValue> &defaultValue = option.defaultValue();
    if (!value || !defaultValue) {
        return !value && !defaultValue;
    }
    return *value == *defaultValue;
}

XAJsonObject optionEntry(const XAConfigurationOption &option, const std::optional<XAOptionValue> &value,
                         bool commentOutDefaultValues) {
    const XAOptionValue valueOrNull = value.value_or(XAOptionValue());
    // A written file never holds an active invalid value.
    bool commentedOut = !option.valueIsValid(valueOrNull, nullptr);
    if (!commentedOut && commentOutDefaultValues) {
        commentedOut = equalsDefault(value, option);
    }
    std::string comment = option.optionDescription() + " (" + option.valueTypeDisplayName() + ")";
    return XAJsonObject::jsonValue(option.valueAsJSONValue(valueOrNull), option.longName(), std::move(comment),
                                   commentedOut);
}

XAJsonObject::Entries mainEntries(const XAConfiguration &configuration, bool commentOutDefaultValues) {
    XAJsonObject::Entries entries;
    for (const XAConfigurationOption &option : XAConfiguration::appOptions()) {
        if (option.optionDomain() & XAOptionDomainConfigFile) {
            entries.push_back(
                optionEntry(option, configuration.valueOfOptionWithName(option.longName()), commentOutDefaultValues));
        }
    }
    return entries;
}

// The public groups, and the groups of rules that are not public where the configuration holds values for them, so
// that a file that configured such a rule keeps its settings when it is written back.
std::vector<XARuleOptionGroup> writtenGroups(const XAConfiguration &configuration) {
    XARuleOptionGroups groups = XAConfiguration::ruleOptionGroups();
    std::vector<XARuleOptionGroup> written;
    for (const XARuleOptionGroup &group : groups.publicGroups) {
        if (!group.options.empty()) {
            written.push_back(group);
        }
    }
    for (const XARuleOptionGroup &group : groups.otherGroups) {
        if (!group.options.empty() && configuration.ruleOptionValuesDictionary().contains(group.shortName)) {
            written.push_back(group);
        }
    }
    return written;
}

XAJsonObject groupEntry(const XAConfiguration &configuration, const XARuleOptionGroup &group,
                        bool commentOutDefaultValues) {
    XAJsonObject::Entries entries;
    for (const XARuleOption &option : group.options) {
        std::optional<XAOptionValue> value = configuration.valueOfRuleOption(group.shortName, option.longName());
        entries.push_back(optionEntry(option, value ? value : option.defaultValue(), commentOutDefaultValues));
    }
    return XAJsonObject::jsonValue(std::move(entries), group.shortName, group.name, false);
}

} // namespace

std::string XAConfigurationFileWriter::jsonConfigFileRepresentation(const XAConfiguration &configuration,
                                                                    const std::string &headerComment,
                                                                    bool commentOutDefaultValues) {
    XAJsonObject::Entries entries = mainEntries(configuration, commentOutDefaultValues);
    XAJsonObject::Entries groups;
    for (const XARuleOptionGroup &group : writtenGroups(configuration)) {
        groups.push_back(groupEntry(configuration, group, commentOutDefaultValues));
    }
    entries.push_back(XAJsonObject::emptyLine());
    entries.push_back(
        XAJsonObject::jsonValue(std::move(groups), XAConfiguration::kRuleOptionsKey, "Options for rules:", false));

    std::string text =
        "// " + headerComment + "\n" + XAJsonObject::jsonFromObjects(entries, kIndent, kMaxLineLength) + "\n";
    XAError error;
    if (!XAValueFromJSON(text, true, "configuration", &error)) {
        XALog(XALogLevelWarning, "Oh snap, we seem to have created invalid config file JSON. -- %s",
              error.message.c_str());
    }
    return text;
}

std::string XAConfigurationFileWriter::exampleJSONConfigFile() {
    return jsonConfigFileRepresentation(XAConfiguration(),
                                        std::string("Example JSON configuration file for ") + XAApplicationName, false);
}
