#include "engine/XADiagnosticFilter.h"

#include "core/XAPaths.h"
#include "core/XARegex.h"
#include "core/XAString.h"

#include <array>
#include <set>

namespace {

struct KindDescription {
    XADiagnosticFilter::Kind kind;
    const char *name;
    XAColor color;
};

const std::array<KindDescription, 5> &kindTable() {
    static const std::array<KindDescription, 5> table = {{
        {XADiagnosticFilter::KindFile, "file", XAColor::blueColor()},
        {XADiagnosticFilter::KindRule, "rule", XAColor::greenColor()},
        {XADiagnosticFilter::KindImpact, "impact", XAColor::magentaColor()},
        {XADiagnosticFilter::KindConfidence, "confidence", XAColor::cyanColor()},
        {XADiagnosticFilter::KindSeverity, "severity", XAColor::yellowColor()},
    }};
    return table;
}

const KindDescription *descriptionOfKind(std::int64_t kind) {
    for (const KindDescription &description : kindTable()) {
        if (description.kind == kind) {
            return &description;
        }
    }
    return nullptr;
}

// The text as a pattern that matches it literally.
std::string literalPattern(std::string_view text) {
    static const std::string special = "\\^$.|?*+()[]{}";
    std::string pattern;
    for (char character : text) {
        if (special.find(character) != std::string::npos) {
            pattern.push_back('\\');
        }
        pattern.push_back(character);
    }
    return pattern;
}

std::string operatorText(XADiagnosticFilter::Operator op) {
    return op == XADiagnosticFilter::OperatorEquals ? "=" : "";
}

} // namespace

XADiagnosticFilter::XADiagnosticFilter(const std::string &token) {
    ParsedFilter parsed = parsedFilterString(token);
    kind_ = parsed.kind;
    op_ = parsed.op;
    kindString_ = std::move(parsed.kindString);
    string_ = std::move(parsed.valueString);
}

XADiagnosticFilter::ParsedFilter XADiagnosticFilter::parsedFilterString(const std::string &token) {
    ParsedFilter parsed;
    parsed.kindString = "?";
    const std::size_t equals = token.find('=');
    if (equals == std::string::npos || equals == 0) {
        parsed.op = equals == 0 ? OperatorEquals : OperatorNone;
        parsed.valueString = token;
        return parsed;
    }
    parsed.op = OperatorEquals;
    parsed.valueString = token.substr(equals + 1);
    const std::string kindText = xa_lowercased(token.substr(0, equals));
    for (const KindDescription &description : kindTable()) {
        if (kindText == description.name) {
            parsed.kind = description.kind;
            parsed.kindString = description.name;
        }
    }
    return parsed;
}

std::string XADiagnosticFilter::opString() const { return operatorText(op_); }

bool XADiagnosticFilter::isValid() const {
    for (Operator valid : validOpsForKind(kind_)) {
        if (valid == op_) {
            return true;
        }
    }
    return false;
}

XAColor XADiagnosticFilter::kindColor() const {
    return isValid() ? colorForKind(kind_).value_or(XAColor::redColor()) : XAColor::redColor();
}

std::optional<XAColor> XADiagnosticFilter::colorForKind(std::int64_t kind) {
    if (kind == KindNone) {
        return XAColor::redColor();
    }
    const KindDescription *description = descriptionOfKind(kind);
    return description ? std::optional<XAColor>(description->color) : std::nullopt;
}

std::vector<XADiagnosticFilter::Operator> XADiagnosticFilter::validOpsForKind(std::int64_t kind) {
    return descriptionOfKind(kind) ? std::vector<Operator>{OperatorEquals} : std::vector<Operator>{};
}

std::optional<std::string> XADiagnosticFilter::fieldValueFromDiagnostic(const XADiagnostic &diagnostic,
                                                                        std::int64_t kind) {
    switch (kind) {
    case KindFile:
        return diagnostic.filePath() ? std::optional<std::string>(xa_lastPathComponent(*diagnostic.filePath()))
                                     : std::nullopt;
    case KindRule: {
        std::string name = diagnostic.ruleName().plainString();
        std::erase(name, ',');
        return name;
    }
    case KindImpact:
        return diagnostic.impactString();
    case KindConfidence:
        return diagnostic.confidenceString();
    case KindSeverity:
        return diagnostic.severityString();
    default:
        return std::nullopt;
    }
}

bool XADiagnosticFilter::diagnosticFieldValueMatchesFilterValue(const std::optional<std::string> &fieldValue,
                                                                const std::string &filterValue) {
    if (!fieldValue || fieldValue->empty()) {
        return false;
    }
    std::string pattern;
    std::size_t start = 0;
    while (true) {
        const std::size_t star = filterValue.find('*', start);
        pattern += literalPattern(std::string_view(filterValue).substr(start, star - start));
        if (star == std::string::npos) {
            break;
        }
        pattern += ".*";
        start = star + 1;
    }
    const std::optional<XARegex> regex = XARegex::compile(pattern);
    return regex && regex->matches(*fieldValue);
}

bool XADiagnosticFilter::acceptsDiagnostic(const XADiagnostic &diagnostic) const {
    if (kind_ == KindNone || op_ == OperatorNone) {
        return true;
    }
    return diagnosticFieldValueMatchesFilterValue(fieldValueFromDiagnostic(diagnostic, kind_), string_);
}

std::vector<std::string> XADiagnosticFilter::allPossibleCompletionsForDiagnostics(const XADiagnostics &diagnostics) {
    std::vector<std::string> completions;
    std::set<std::string> seen;
    for (const XADiagnostic &diagnostic : diagnostics) {
        for (const KindDescription &description : kindTable()) {
            const std::optional<std::string> value = fieldValueFromDiagnostic(diagnostic, description.kind);
            if (!value) {
                continue;
            }
            for (Operator op : validOpsForKind(description.kind)) {
                std::string completion = description.name + operatorText(op) + *value;
                if (seen.insert(completion).second) {
                    completions.push_back(std::move(completion));
                }
            }
        }
    }
    return completions;
}
