#pragma once

// One setting of the system: its names, texts, default, value type, where it may be set and, optionally, the closed
// list of values it accepts. The same descriptor serves the command-line parser, the configuration, the
// configuration-file reader and writer and the usage texts.
//
// An option converts loosely and validates strictly: validation says precisely what is wrong with a value, while
// conversion always produces a value of the option's own type (or null), falling back to the type's empty value.
// Options are made once and never changed, so they may be read from any thread.

#include "core/XAError.h"
#include "engine/config/XAOptionValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where an option may be set (bits).
using XAOptionDomain = std::uint64_t;
inline constexpr XAOptionDomain XAOptionDomainCommandLine = 1; // a command-line argument; listed in the usage text
inline constexpr XAOptionDomain XAOptionDomainGUI = 2;         // shown in the desktop configuration sheet
inline constexpr XAOptionDomain XAOptionDomainConfigFile = 4;  // read from and written to the configuration file

using XAOptionValueType = std::int64_t;
inline constexpr XAOptionValueType XAOptionValueTypeNone = 0;
inline constexpr XAOptionValueType XAOptionValueTypeFilePath = 1;
inline constexpr XAOptionValueType XAOptionValueTypeString = 2;
inline constexpr XAOptionValueType XAOptionValueTypeRegex = 3;
inline constexpr XAOptionValueType XAOptionValueTypeBool = 4;
inline constexpr XAOptionValueType XAOptionValueTypePositiveInteger = 5;
inline constexpr XAOptionValueType XAOptionValueTypeDecimal = 6;
inline constexpr XAOptionValueType XAOptionValueTypeStringArray = 7;
inline constexpr XAOptionValueType XAOptionValueTypeOrderedStringArray = 8;
inline constexpr XAOptionValueType XAOptionValueTypeRegexArray = 9;
inline constexpr XAOptionValueType XAOptionValueTypeNumberArray = 10;

// The kind of value a converted value of a type has.
enum class XAOptionValueClass { Any, String, Regex, Number, Array };

class XAConfigurationOption {
public:
    // When `allowedValues` is non-empty and lacks the default (by equality), the default is put in front of them.
    // A default of no value (std::nullopt) and a null default both mean "no value"; they differ only in how a
    // configuration file is written.
    XAConfigurationOption(std::optional<std::string> shortName, std::string longName, std::string description,
                          std::optional<std::string> info, std::optional<XAOptionValue> defaultValue,
                          XAOptionValueType valueType, XAOptionDomain domain, bool isPublic,
                          std::vector<std::string> appliesToCommands, std::vector<XAOptionValue> allowedValues = {});

    bool isPublic() const { return isPublic_; }
    const std::optional<std::string> &shortName() const { return shortName_; }
    const std::string &longName() const { return longName_; }
    const std::string &optionDescription() const { return description_; }
    const std::optional<std::string> &optionInfo() const { return info_; }
    const std::optional<XAOptionValue> &defaultValue() const { return defaultValue_; }
    XAOptionDomain optionDomain() const { return domain_; }
    XAOptionValueType valueType() const { return valueType_; }
    const std::vector<std::string> &appliesToCommands() const { return appliesToCommands_; }
    const std::vector<XAOptionValue> &allowedValues() const { return allowedValues_; }

    // The type's name and an example ("Boolean", "yes/no"); with allowed values, both are allowedValuesDisplayFormat.
    // Empty for an unknown type.
    std::string valueTypeDisplayName() const;
    std::string valueTypeExample() const;
    // Every allowed value, strings in double quotes, joined by " / ".
    std::string allowedValuesDisplayFormat() const;
    std::string defaultValueDisplayName() const;

    bool valueTypeIsArrayType() const;
    bool valueOrderIsSignificant() const;
    // No value for an unknown type.
    std::optional<XAOptionValueClass> valueTypeClass() const;
    // "" for strings, NO, 0, the empty array, the expression with the empty pattern; null for type 0 and unknown types.
    XAOptionValue emptyValueOfOwnType() const;

    // Null is valid for every type. On false, `error` (when given) holds what is wrong.
    bool valueIsValid(const XAOptionValue &value, XAError *error) const;
    // A value of the option's own class, or null.
    XAOptionValue convertValueIfNeeded(const XAOptionValue &value) const;
    // Array elements sorted, unless the type keeps their order.
    XAOptionValue normalizedValue(const XAOptionValue &value) const;
    // Plain text for an editing field: a string itself, an expression its pattern, "" for null.
    std::string stringRepresentationOfValue(const XAOptionValue &value) const;
    // JSON text of the value as a configuration file holds it.
    std::string valueAsJSONValue(const XAOptionValue &value) const;
    // Display text ("yes", "\"text\"", "[\"a\", \"b\"]", "<none>" for null).
    std::string displayFormatForValue(const XAOptionValue &value) const;

private:
    bool isAllowed(const XAOptionValue &value) const;
    XAOptionValue convertedByType(const XAOptionValue &value) const;
    bool arrayIsValid(const XAOptionValue &value, XAError *error) const;

    bool isPublic_;
    std::optional<std::string> shortName_;
    std::string longName_;
    std::string description_;
    std::optional<std::string> info_;
    std::optional<XAOptionValue> defaultValue_;
    XAOptionDomain domain_;
    XAOptionValueType valueType_;
    std::vector<std::string> appliesToCommands_;
    std::vector<XAOptionValue> allowedValues_;
};
