#include "platform/devtools/XABuildSettingConditions.h"

#include "core/XAString.h"

#include <algorithm>

namespace {

bool parseConditionList(std::string_view text, std::vector<XABuildSettingCondition> &conditions) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        std::string_view part = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        std::size_t equals = part.find('=');
        if (equals == std::string_view::npos) {
            return false;
        }
        std::string parameter = xa_trimmed(part.substr(0, equals));
        if (parameter.empty()) {
            return false;
        }
        conditions.push_back({parameter, xa_trimmed(part.substr(equals + 1))});
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return true;
}

} // namespace

XABuildSettingKey XAParseBuildSettingKey(std::string_view keyText) {
    XABuildSettingKey key;
    std::size_t bracket = keyText.find('[');
    key.name = xa_trimmed(keyText.substr(0, bracket));
    key.wellFormed = !key.name.empty();
    while (key.wellFormed && bracket != std::string_view::npos) {
        std::size_t close = keyText.find(']', bracket);
        if (close == std::string_view::npos ||
            !parseConditionList(keyText.substr(bracket + 1, close - bracket - 1), key.conditions)) {
            key.wellFormed = false;
            break;
        }
        std::string rest = xa_trimmed(keyText.substr(close + 1));
        if (rest.empty()) {
            break;
        }
        if (rest.front() != '[') {
            key.wellFormed = false;
            break;
        }
        bracket = keyText.find('[', close);
    }
    return key;
}

bool XAWildcardMatches(std::string_view pattern, std::string_view text) {
    // Greedy matching with one back-tracking point, linear in practice and never exponential.
    std::size_t p = 0, t = 0;
    std::size_t starAt = std::string_view::npos, matchedAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            matchedAt = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            t = ++matchedAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool XABuildSettingConditionsHold(const std::vector<XABuildSettingCondition> &conditions,
                                  const XABuildSettingConditionContext &context) {
    return std::all_of(conditions.begin(), conditions.end(), [&context](const XABuildSettingCondition &condition) {
        if (condition.parameter == "sdk") {
            return std::any_of(context.sdkNames.begin(), context.sdkNames.end(),
                               [&](const std::string &name) { return XAWildcardMatches(condition.pattern, name); });
        }
        if (condition.parameter == "arch") {
            return XAWildcardMatches(condition.pattern, context.arch);
        }
        if (condition.parameter == "config") {
            return XAWildcardMatches(condition.pattern, context.configuration);
        }
        if (condition.parameter == "variant") {
            return XAWildcardMatches(condition.pattern, context.variant);
        }
        return false;
    });
}
