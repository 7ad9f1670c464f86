#include "platform/devtools/XABuildSettingsResolver.h"

#include "core/XAString.h"
#include "platform/devtools/XABuildSettingOperators.h"

#include <algorithm>
#include <iterator>

namespace {

// Deeper nesting (of references, of $(inherited) chains) expands to nothing; values stop growing at this size. Both
// keep hostile projects from exhausting the stack or the memory.
constexpr int kMaximumDepth = 400;
constexpr std::size_t kMaximumValueSize = 1 << 20;

constexpr std::string_view kListSettings[] = {
    "ARCHS",
    "ARCHS_STANDARD",
    "VALID_ARCHS",
    "BUILD_VARIANTS",
    "EXCLUDED_ARCHS",
    "SUPPORTED_PLATFORMS",
    "EXCLUDED_SOURCE_FILE_NAMES",
    "INCLUDED_SOURCE_FILE_NAMES",
    "SWIFT_ACTIVE_COMPILATION_CONDITIONS",
    "ALTERNATE_PERMISSIONS_FILES",
    "OTHER_CPLUSPLUSFLAGS",
    "OTHER_LDFLAGS",
};
constexpr std::string_view kListSettingSuffixes[] = {"_SEARCH_PATHS", "_FLAGS", "_CFLAGS", "_LDFLAGS", "_DEFINITIONS"};

bool isBlank(char character) { return character == ' ' || character == '\t' || character == '\n' || character == '\r'; }

bool isNameStart(char character) {
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z') || character == '_';
}

bool isNameCharacter(char character) { return isNameStart(character) || (character >= '0' && character <= '9'); }

// The position of the bracket that closes the one at `open`, counting nested brackets of the same kind.
std::size_t closingBracket(std::string_view text, std::size_t open) {
    const char opening = text[open];
    const char closing = opening == '(' ? ')' : '}';
    int depth = 0;
    for (std::size_t index = open; index < text.size(); ++index) {
        if (text[index] == opening) {
            ++depth;
        } else if (text[index] == closing && --depth == 0) {
            return index;
        }
    }
    return std::string_view::npos;
}

// The name and operators of a reference's inner text, split at the colons outside nested references.
std::vector<std::string_view> referenceParts(std::string_view inner) {
    std::vector<std::string_view> parts;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t index = 0; index < inner.size(); ++index) {
        char character = inner[index];
        if (character == '(' || character == '{') {
            ++depth;
        } else if ((character == ')' || character == '}') && depth > 0) {
            --depth;
        } else if (character == ':' && depth == 0) {
            parts.push_back(inner.substr(start, index - start));
            start = index + 1;
        }
    }
    parts.push_back(inner.substr(start));
    return parts;
}

std::string scalarText(const XAValue &value) {
    if (const std::string *text = value.string()) {
        return *text;
    }
    if (std::optional<bool> flag = value.boolean()) {
        return *flag ? "YES" : "NO";
    }
    if (std::optional<std::int64_t> number = value.integer()) {
        return std::to_string(*number);
    }
    return value.isReal() ? value.description() : std::string();
}

std::string joinedArray(const XAValue::Array &elements) {
    std::string joined;
    for (const XAValue &element : elements) {
        std::string text = scalarText(element);
        if (text.empty()) {
            continue;
        }
        if (!joined.empty()) {
            joined.push_back(' ');
        }
        joined += xa_quotedForArgumentUsage(text);
    }
    return joined;
}

void appendLimited(std::string &result, std::string_view text) {
    if (result.size() < kMaximumValueSize) {
        result.append(text.substr(0, kMaximumValueSize - result.size()));
    }
}

// The words of a list value, split at blanks and tabs; quotes and backslashes group characters and stay as written.
std::vector<std::string_view> listWords(std::string_view value) {
    std::vector<std::string_view> words;
    std::size_t index = 0;
    while (index < value.size()) {
        while (index < value.size() && isBlank(value[index])) {
            ++index;
        }
        const std::size_t start = index;
        while (index < value.size() && !isBlank(value[index])) {
            const char character = value[index++];
            if (character == '\\') {
                index = std::min(index + 1, value.size());
            } else if (character == '"' || character == '\'') {
                while (index < value.size() && value[index] != character) {
                    index += (value[index] == '\\' && character == '"') ? 2 : 1;
                }
                index = std::min(index + 1, value.size());
            }
        }
        if (index > start) {
            words.push_back(value.substr(start, std::min(index, value.size()) - start));
        }
    }
    return words;
}

// Whether a word is exactly one reference: $(NAME...), ${NAME...} or $NAME.
bool isWholeReference(std::string_view word) {
    if (word.size() < 2 || word[0] != '$') {
        return false;
    }
    if (word[1] == '(' || word[1] == '{') {
        return closingBracket(word, 1) == word.size() - 1;
    }
    return std::all_of(word.begin() + 1, word.end(), isNameCharacter) && isNameStart(word[1]);
}

} // namespace

struct XABuildSettingsResolver::Evaluation {
    std::unordered_set<std::string> inProgress;
    int depth = 0;
};

std::string XANormalizedListValue(std::string_view value) {
    std::string result;
    for (std::string_view word : listWords(value)) {
        if (!result.empty()) {
            result.push_back(' ');
        }
        result.append(word);
    }
    return result;
}

void XABuildSettingsResolver::pushValue(std::string_view keyWithConditions, const XAValue &value) {
    const XAValue::Array *elements = value.array();
    pushAssignment(XAParseBuildSettingKey(keyWithConditions), elements ? joinedArray(*elements) : scalarText(value),
                   elements != nullptr);
}

void XABuildSettingsResolver::push(std::string_view keyWithConditions, std::string value) {
    pushAssignment(XAParseBuildSettingKey(keyWithConditions), std::move(value), false);
}

void XABuildSettingsResolver::pushBuildSettingsDictionary(const XADictionary &buildSettings) {
    std::vector<std::pair<XABuildSettingKey, const XAValue *>> entries;
    for (const auto &[keyText, value] : buildSettings) {
        entries.emplace_back(XAParseBuildSettingKey(keyText), &value);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
        return a.first.conditions.size() < b.first.conditions.size();
    });
    for (const auto &[key, value] : entries) {
        const XAValue::Array *elements = value->array();
        pushAssignment(key, elements ? joinedArray(*elements) : scalarText(*value), elements != nullptr);
    }
}

void XABuildSettingsResolver::pushAssignment(const XABuildSettingKey &key, std::string value, bool writtenAsList) {
    if (key.name.empty()) {
        return;
    }
    assignments_[key.name].push_back({key.conditions, std::move(value), key.wellFormed});
    if (writtenAsList) {
        keysWrittenAsLists_.insert(key.name);
    }
    resolved_.clear();
}

void XABuildSettingsResolver::setConditionContext(XABuildSettingConditionContext context) {
    context_ = std::move(context);
    resolved_.clear();
}

void XABuildSettingsResolver::setFixedValue(const std::string &key, std::string value) {
    fixedValues_[key] = std::move(value);
    resolved_.clear();
}

std::optional<std::string> XABuildSettingsResolver::valueForKey(const std::string &key) {
    Evaluation evaluation;
    return lookUp(key, evaluation);
}

std::map<std::string, std::string> XABuildSettingsResolver::resolvedSettings() {
    std::set<std::string> keys;
    for (const auto &entry : assignments_) {
        keys.insert(entry.first);
    }
    for (const auto &entry : fixedValues_) {
        keys.insert(entry.first);
    }
    std::map<std::string, std::string> settings;
    for (const std::string &key : keys) {
        if (std::optional<std::string> value = valueForKey(key)) {
            settings.emplace(key, std::move(*value));
        }
    }
    return settings;
}

std::string XABuildSettingsResolver::expand(std::string_view text) {
    Evaluation evaluation;
    return expandText(text, nullptr, std::nullopt, evaluation);
}

std::optional<std::size_t> XABuildSettingsResolver::applicableAssignment(const std::vector<Assignment> &assignments,
                                                                         std::size_t below) const {
    for (std::size_t index = std::min(below, assignments.size()); index > 0; --index) {
        const Assignment &assignment = assignments[index - 1];
        if (assignment.wellFormed && XABuildSettingConditionsHold(assignment.conditions, context_)) {
            return index - 1;
        }
    }
    return std::nullopt;
}

std::optional<std::string> XABuildSettingsResolver::lookUp(const std::string &key, Evaluation &evaluation) {
    if (auto fixed = fixedValues_.find(key); fixed != fixedValues_.end()) {
        return fixed->second;
    }
    if (auto known = resolved_.find(key); known != resolved_.end()) {
        return known->second;
    }
    if (evaluation.inProgress.count(key)) {
        return std::string(); // a cycle: the setting refers back to itself
    }
    auto found = assignments_.find(key);
    std::optional<std::size_t> index =
        found == assignments_.end() ? std::nullopt : applicableAssignment(found->second, found->second.size());
    if (!index) {
        resolved_[key] = std::nullopt;
        return std::nullopt;
    }
    evaluation.inProgress.insert(key);
    std::string value = evaluateAssignment(key, *index, evaluation);
    evaluation.inProgress.erase(key);
    value = isListSetting(key) ? XANormalizedListValue(value) : xa_trimmed(value);
    resolved_[key] = value;
    return value;
}

std::string XABuildSettingsResolver::evaluateAssignment(const std::string &key, std::size_t index,
                                                        Evaluation &evaluation) {
    if (evaluation.depth >= kMaximumDepth) {
        return std::string();
    }
    ++evaluation.depth;
    // Copied: evaluation never adds assignments, but the text must not depend on the map's storage.
    const std::string text = assignments_.at(key)[index].value;
    std::string value =
        isListSetting(key) ? expandListWords(text, key, index, evaluation) : expandText(text, &key, index, evaluation);
    --evaluation.depth;
    return value;
}

// A list setting is split into words before its references are expanded, as Xcode's build system does: a word that
// is one whole reference takes the referenced words as they are ($(inherited), another list), while a word with a
// reference inside stays one word and is quoted when the expansion brought blanks into it ("$(SRCROOT)/include"
// under a folder whose name holds a blank).
std::string XABuildSettingsResolver::expandListWords(std::string_view text, const std::string &key, std::size_t index,
                                                     Evaluation &evaluation) {
    std::string result;
    for (std::string_view word : listWords(text)) {
        std::string expanded = expandText(word, &key, index, evaluation);
        if (!isWholeReference(word) && word.find_first_of("\"'\\") == std::string_view::npos &&
            expanded.find_first_of(" \t") != std::string::npos) {
            expanded = "\"" + xa_stringByEscapingDoubleQuotes(expanded) + "\"";
        }
        if (!expanded.empty()) {
            appendLimited(result, result.empty() ? "" : " ");
            appendLimited(result, expanded);
        }
    }
    return result;
}

std::string XABuildSettingsResolver::expandText(std::string_view text, const std::string *currentKey,
                                                std::optional<std::size_t> current, Evaluation &evaluation) {
    std::string result;
    std::size_t index = 0;
    while (index < text.size() && result.size() < kMaximumValueSize) {
        const std::size_t dollar = text.find('$', index);
        appendLimited(result, text.substr(index, dollar == std::string_view::npos ? text.npos : dollar - index));
        if (dollar == std::string_view::npos || dollar + 1 >= text.size()) {
            if (dollar != std::string_view::npos) {
                appendLimited(result, "$");
            }
            break;
        }
        const char next = text[dollar + 1];
        if (next == '$') {
            appendLimited(result, "$");
            index = dollar + 2;
        } else if (next == '(' || next == '{') {
            const std::size_t close = closingBracket(text, dollar + 1);
            if (close == std::string_view::npos) {
                appendLimited(result, text.substr(dollar));
                break;
            }
            appendLimited(result,
                          referenceValue(text.substr(dollar + 2, close - dollar - 2), currentKey, current, evaluation));
            index = close + 1;
        } else if (isNameStart(next)) {
            std::size_t end = dollar + 1;
            while (end < text.size() && isNameCharacter(text[end])) {
                ++end;
            }
            appendLimited(result,
                          referenceValue(text.substr(dollar + 1, end - dollar - 1), currentKey, current, evaluation));
            index = end;
        } else {
            appendLimited(result, "$");
            index = dollar + 1;
        }
    }
    return result;
}

std::string XABuildSettingsResolver::referenceValue(std::string_view inner, const std::string *currentKey,
                                                    std::optional<std::size_t> current, Evaluation &evaluation) {
    if (evaluation.depth >= kMaximumDepth) {
        return std::string();
    }
    ++evaluation.depth;
    std::vector<std::string_view> parts = referenceParts(inner);
    const std::string name = xa_trimmed(expandText(parts.front(), currentKey, current, evaluation));
    std::string value;
    // A setting that names itself in its own value means the value below, as `$(inherited)` does:
    // `DEFS = $(DEFS) FOO=1` in a target's .xcconfig extends the project level's definitions.
    if (name == "inherited" || (currentKey && name == *currentKey)) {
        if (currentKey && current) {
            const std::vector<Assignment> &assignments = assignments_.at(*currentKey);
            if (std::optional<std::size_t> below = applicableAssignment(assignments, *current)) {
                value = evaluateAssignment(*currentKey, *below, evaluation);
            }
        }
    } else {
        value = lookUp(name, evaluation).value_or(std::string());
    }
    for (std::size_t part = 1; part < parts.size(); ++part) {
        value = XAApplyBuildSettingOperator(value, expandText(parts[part], currentKey, current, evaluation));
    }
    --evaluation.depth;
    return value;
}

bool XABuildSettingsResolver::isListSetting(const std::string &key) const {
    if (keysWrittenAsLists_.count(key) ||
        std::find(std::begin(kListSettings), std::end(kListSettings), key) != std::end(kListSettings)) {
        return true;
    }
    return std::any_of(std::begin(kListSettingSuffixes), std::end(kListSettingSuffixes),
                       [&key](std::string_view suffix) { return key.ends_with(suffix); });
}
