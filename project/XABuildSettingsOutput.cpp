#include "project/XABuildSettingsOutput.h"

#include "core/XAString.h"

#include <sstream>

namespace {

constexpr std::string_view kHeaderPrefix = "Build settings for ";
constexpr std::string_view kKeyValueSeparator = " = ";

// The target a header line names, or none.
const std::string *targetNamedByHeader(std::string_view trimmedLine, const std::vector<std::string> &targetNames) {
    for (const std::string &name : targetNames) {
        if (xa_containsSubstring(trimmedLine, "target " + name + ":") ||
            xa_containsSubstring(trimmedLine, "target \"" + name + "\":")) {
            return &name;
        }
    }
    return nullptr;
}

} // namespace

std::map<std::string, XABuildSettings>
XABuildSettingsByTargetFromXcodebuildOutput(std::string_view output, const std::vector<std::string> &targetNames) {
    std::map<std::string, XABuildSettings> settingsByTarget;
    XABuildSettings *current = nullptr;
    for (const std::string &line : xa_lines(output)) {
        const std::string trimmed = xa_trimmed(line);
        if (trimmed.starts_with(kHeaderPrefix)) {
            const std::string *target = targetNamedByHeader(trimmed, targetNames);
            current = target ? &settingsByTarget[*target] : nullptr;
            continue;
        }
        if (!current || !line.starts_with("  ") || trimmed.empty()) {
            continue;
        }
        std::size_t separator = trimmed.find(kKeyValueSeparator);
        if (separator != std::string::npos) {
            (*current)[trimmed.substr(0, separator)] = trimmed.substr(separator + kKeyValueSeparator.size());
        } else if (trimmed.ends_with(" =")) {
            // An empty value loses its blank to the trimming: "NAME =" is NAME with the empty value.
            (*current)[xa_trimmed(std::string_view(trimmed).substr(0, trimmed.size() - 2))] = "";
        } else {
            (*current)[trimmed] = "";
        }
    }
    // A header without setting lines leaves an empty entry behind; it tells nothing.
    std::erase_if(settingsByTarget, [](const auto &entry) { return entry.second.empty(); });
    return settingsByTarget;
}

namespace {

constexpr int kMaximumRounds = 100;
constexpr std::size_t kMaximumExpandedLength = 1 << 20;

struct XABuildSettingReference {
    std::size_t start = 0;
    std::size_t end = 0; // one past the reference
    std::string name;
};

// The length in bytes of the run of non-whitespace characters at `offset`, and the number of characters in it.
std::pair<std::size_t, std::size_t> nonWhitespaceRun(std::string_view text, std::size_t offset) {
    std::size_t bytes = 0, characters = 0;
    while (offset + bytes < text.size()) {
        XAUTF8Char character = XADecodeUTF8(text, offset + bytes);
        if (character.length == 0 || XAIsWhitespaceOrNewline(character.codePoint)) {
            break;
        }
        bytes += character.length;
        ++characters;
    }
    return {bytes, characters};
}

// The reference that begins with the "$" at `dollar`, if one does.
std::optional<XABuildSettingReference> referenceAt(std::string_view text, std::size_t dollar) {
    if (dollar + 1 >= text.size() || text[dollar] != '$') {
        return std::nullopt;
    }
    const char opening = text[dollar + 1];
    if (opening == '(' || opening == '{') {
        const std::size_t closing = text.find(opening == '(' ? ')' : '}', dollar + 2);
        if (closing == std::string_view::npos || closing == dollar + 2) {
            return std::nullopt;
        }
        return XABuildSettingReference{dollar, closing + 1, std::string(text.substr(dollar + 2, closing - dollar - 2))};
    }
    // A bare reference: the name runs to the next whitespace. A "$" before whitespace is no reference at all.
    auto [bytes, characters] = nonWhitespaceRun(text, dollar + 1);
    if (characters < 2) {
        return std::nullopt;
    }
    return XABuildSettingReference{dollar, dollar + 1 + bytes, std::string(text.substr(dollar + 1, bytes))};
}

// One round: every reference that has a value is replaced, from left to right. Replaced values are not looked
// into until the next round. Returns whether anything was replaced.
bool expandOneRound(std::string &text, const XABuildSettingLookup &lookup) {
    std::string expanded;
    std::size_t copiedUpTo = 0;
    bool replaced = false;
    for (std::size_t dollar = text.find('$'); dollar != std::string::npos; dollar = text.find('$', dollar)) {
        std::optional<XABuildSettingReference> reference = referenceAt(text, dollar);
        std::optional<XABuildSettingValue> value = reference ? lookup(reference->name) : std::nullopt;
        if (!value) {
            // Look inside as well: "$(A$(B))" holds the reference $(B).
            ++dollar;
            continue;
        }
        expanded.append(text, copiedUpTo, dollar - copiedUpTo);
        expanded += XABuildSettingValueText(*value);
        copiedUpTo = dollar = reference->end;
        replaced = true;
    }
    if (replaced) {
        expanded.append(text, copiedUpTo);
        text = std::move(expanded);
    }
    return replaced;
}

std::string textOfValue(const XAValue &value) {
    if (const std::string *text = value.string()) {
        return *text;
    }
    if (auto boolean = value.boolean()) {
        return *boolean ? "YES" : "NO";
    }
    if (auto integer = value.integer()) {
        return std::to_string(*integer);
    }
    if (auto real = value.real()) {
        std::ostringstream stream;
        stream << *real;
        return stream.str();
    }
    return value.description();
}

} // namespace

std::string XABuildSettingValueText(const XABuildSettingValue &value) {
    if (const std::string *text = std::get_if<std::string>(&value)) {
        return *text;
    }
    const auto &elements = std::get<std::vector<std::string>>(value);
    std::string joined;
    for (std::size_t index = 0; index < elements.size(); ++index) {
        if (index > 0) {
            joined += ' ';
        }
        joined += elements[index];
    }
    return joined;
}

XABuildSettingValue XAResolveBuildSettingReferences(std::string_view text, const XABuildSettingLookup &lookup) {
    if (!lookup) {
        return std::string(text);
    }
    const std::string trimmed = xa_trimmed(text);
    if (auto whole = referenceAt(trimmed, 0); whole && whole->end == trimmed.size()) {
        std::optional<XABuildSettingValue> value = lookup(whole->name);
        if (value && std::holds_alternative<std::vector<std::string>>(*value)) {
            return *value;
        }
    }
    std::string working(text);
    for (int round = 0; round < kMaximumRounds && working.size() <= kMaximumExpandedLength; ++round) {
        if (!expandOneRound(working, lookup)) {
            break;
        }
    }
    return working;
}

XABuildSettingValue stringByResolvingBuildSettingReferencesInString(std::string_view text,
                                                                    const XABuildSettings &settings) {
    return XAResolveBuildSettingReferences(text, [&settings](const std::string &name) {
        auto found = settings.find(name);
        return found == settings.end() ? std::nullopt : std::optional<XABuildSettingValue>(found->second);
    });
}

XABuildSettingValue stringByResolvingBuildSettingReferencesInString(std::string_view text,
                                                                    const XADictionary &settings) {
    return XAResolveBuildSettingReferences(
        text, [&settings](const std::string &name) -> std::optional<XABuildSettingValue> {
            const XAValue *value = settings.get(name);
            if (!value || value->isNull() || value->isDictionary() || value->isData() || value->isDate()) {
                return std::nullopt;
            }
            if (const XAValue::Array *array = value->array()) {
                std::vector<std::string> elements;
                elements.reserve(array->size());
                for (const XAValue &element : *array) {
                    elements.push_back(textOfValue(element));
                }
                return elements;
            }
            return textOfValue(*value);
        });
}
