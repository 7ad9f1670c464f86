#pragma once

// Resolved build settings as xcodebuild prints them, and the expansion of build-setting references in a text.
//
// `xcodebuild -showBuildSettings` prints one block per target: a header line "Build settings for action <action>
// and target <name>:" followed by lines indented by at least two blanks, each "NAME = value". The values are text,
// already resolved by xcodebuild.
//
// All functions are pure and safe on any thread.

#include "core/XAValue.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The resolved settings of one target in one build configuration: setting name to value text.
using XABuildSettings = std::map<std::string, std::string>;

// Parses the standard output of `xcodebuild -alltargets -showBuildSettings` into each target's settings. A header
// line belongs to the first of `targetNames` (in their order) that it names as "target <name>:" or
// "target \"<name>\":"; setting lines under a header that names none of them are dropped. Only lines that start
// with two blanks are setting lines; a later line for the same name replaces the earlier value. Targets that the
// output does not name get no entry.
std::map<std::string, XABuildSettings>
XABuildSettingsByTargetFromXcodebuildOutput(std::string_view output, const std::vector<std::string> &targetNames);

// A build-setting value as the reference expansion sees it: a text or a list of texts.
using XABuildSettingValue = std::variant<std::string, std::vector<std::string>>;

// The value of a setting by name; no value when the setting is not set.
using XABuildSettingLookup = std::function<std::optional<XABuildSettingValue>(const std::string &name)>;

// Replaces references to build settings in `text` by their values. A reference is "$(NAME)", "${NAME}", or a bare
// "$" followed by a run of at least two non-whitespace characters, the first neither "(" nor "{" (the whole run is
// the name: "$AB/x" names "AB/x"). A list value is joined with single blanks, except that a text that is, apart from
// surrounding white space, exactly one reference to a list-valued setting gives that list itself.
//
// Values may hold references in turn; they are expanded in further rounds, at most 100 rounds in all, so that a
// setting that refers to itself ends. References without a value are left as they are written, and references
// after them are still expanded ("$(MISSING) $(A)" with A = a gives "$(MISSING) a"). The expansion also stops once
// the text has grown beyond one mebibyte, which a setting that refers to itself twice would otherwise double every
// round.
XABuildSettingValue XAResolveBuildSettingReferences(std::string_view text, const XABuildSettingLookup &lookup);

// The same over resolved settings or an environment (name to text).
XABuildSettingValue stringByResolvingBuildSettingReferencesInString(std::string_view text,
                                                                    const XABuildSettings &settings);

// The same over a settings dictionary whose values are strings or arrays (array elements that are not strings,
// and numbers and booleans, count by their text; other values count as not set).
XABuildSettingValue stringByResolvingBuildSettingReferencesInString(std::string_view text,
                                                                    const XADictionary &settings);

// The expansion as one text: a list joined with single blanks.
std::string XABuildSettingValueText(const XABuildSettingValue &value);
