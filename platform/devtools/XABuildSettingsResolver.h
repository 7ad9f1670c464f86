#pragma once

// Resolves build settings as Xcode does. Assignments are pushed in order of rising precedence (built-in defaults,
// the project level's base .xcconfig, the project level, the target level's base .xcconfig, the target level, the
// command line); each assignment may carry conditions. The value of a setting is that of its last pushed
// assignment whose conditions hold; `$(inherited)` in it stands for the value of the assignment of the same setting
// below it whose conditions hold (the empty string when there is none).
//
// References: `$(NAME)`, `${NAME}` and `$NAME` (NAME made of letters, digits and "_"), with operators
// `$(NAME:op1:op2)` (XABuildSettingOperators.h); the name may itself hold references (`$(FLAGS_$(CONFIGURATION))`).
// `$$` stands for one dollar sign; a reference to a setting without a value is empty. A setting's reference to itself
// in its own value stands for the value below, like `$(inherited)`. Any other reference back to a setting that is
// being evaluated (a cycle) expands to the empty string, as does anything nested deeper than a fixed limit;
// no value grows beyond a fixed size. Keys are evaluated in sorted order, so the result is always the same.
//
// List settings (search paths, flags, definitions, architectures, and every setting written as an array) are
// printed as their words joined by single blanks; other values are trimmed of blanks at both ends.

#include "core/XAValue.h"
#include "platform/devtools/XABuildSettingConditions.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class XABuildSettingsResolver {
public:
    // Pushes one assignment; the key may carry conditions. A value that is an array is joined with blanks, elements
    // holding whitespace quoted; numbers and booleans take their text; other values count as empty.
    void pushValue(std::string_view keyWithConditions, const XAValue &value);
    void push(std::string_view keyWithConditions, std::string value);
    // Pushes every entry of a project file's build-settings dictionary: plain keys first, then keys with conditions,
    // fewer conditions before more, so that a matching condition overrides the plain assignment of the same level.
    void pushBuildSettingsDictionary(const XADictionary &buildSettings);

    // The context conditions are tested against. Changing it forgets every value resolved so far.
    void setConditionContext(XABuildSettingConditionContext context);
    const XABuildSettingConditionContext &conditionContext() const { return context_; }
    // A value that stands above every assignment, without expansion.
    void setFixedValue(const std::string &key, std::string value);

    // The resolved value; no value when no assignment of the setting applies.
    std::optional<std::string> valueForKey(const std::string &key);
    // Every setting with a value, sorted by name.
    std::map<std::string, std::string> resolvedSettings();
    // Any text with its references expanded in this resolver's context.
    std::string expand(std::string_view text);

private:
    struct Assignment {
        std::vector<XABuildSettingCondition> conditions;
        std::string value;
        bool wellFormed = true;
    };
    struct Evaluation;

    void pushAssignment(const XABuildSettingKey &key, std::string value, bool writtenAsList);
    std::optional<std::size_t> applicableAssignment(const std::vector<Assignment> &assignments,
                                                    std::size_t below) const;
    std::optional<std::string> lookUp(const std::string &key, Evaluation &evaluation);
    std::string evaluateAssignment(const std::string &key, std::size_t index, Evaluation &evaluation);
    std::string expandText(std::string_view text, const std::string *currentKey, std::optional<std::size_t> current,
                           Evaluation &evaluation);
    std::string expandListWords(std::string_view text, const std::string &key, std::size_t index,
                                Evaluation &evaluation);
    std::string referenceValue(std::string_view inner, const std::string *currentKey,
                               std::optional<std::size_t> current, Evaluation &evaluation);
    bool isListSetting(const std::string &key) const;

    std::unordered_map<std::string, std::vector<Assignment>> assignments_;
    std::unordered_set<std::string> keysWrittenAsLists_;
    std::map<std::string, std::string> fixedValues_;
    XABuildSettingConditionContext context_;
    std::unordered_map<std::string, std::optional<std::string>> resolved_;
};

// The words of a list value (blank- and tab-separated; quotes and backslashes group characters and are kept as
// written) joined by single blanks.
std::string XANormalizedListValue(std::string_view value);
