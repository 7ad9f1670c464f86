#pragma once

// One token of the diagnostics filter field: "kind=value", as in rule=Unused* or severity=Warning. The value matches
// a diagnostic's field of that kind anywhere in it, case-sensitively, with "*" standing for any text. A token that
// names no kind, or has no "=", filters nothing.
//
// A filter is a value; its kind table is fixed, so filters are used from any thread.

#include "core/XAColor.h"
#include "engine/XADiagnostic.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class XADiagnosticFilter {
public:
    enum Kind : std::int64_t {
        KindNone = 0,
        KindFile = 1,       // "file": the file name of the diagnostic's path
        KindRule = 2,       // "rule": the rule's plain name without commas
        KindImpact = 3,     // "impact"
        KindConfidence = 4, // "confidence"
        KindSeverity = 5,   // "severity"
    };
    enum Operator : std::int64_t { OperatorNone = 0, OperatorEquals = 1 };

    // What parsing a token gives.
    struct ParsedFilter {
        Kind kind = KindNone;
        Operator op = OperatorNone;
        std::string kindString;  // the kind's name, "?" when the token names none
        std::string valueString; // the text after the first "=", or the whole token without a kind
    };

    explicit XADiagnosticFilter(const std::string &token);
    static XADiagnosticFilter filterWithString(const std::string &token) { return XADiagnosticFilter(token); }
    static ParsedFilter parsedFilterString(const std::string &token);

    Kind kind() const { return kind_; }
    Operator op() const { return op_; }
    const std::string &kindString() const { return kindString_; }
    const std::string &string() const { return string_; }
    // "" or "=".
    std::string opString() const;
    // The token has a kind and one of the kind's operators.
    bool isValid() const;
    // Red for a token that is not valid, else its kind's colour.
    XAColor kindColor() const;

    static std::optional<XAColor> colorForKind(std::int64_t kind);
    // The operators a kind takes; none for KindNone.
    static std::vector<Operator> validOpsForKind(std::int64_t kind);

    // The diagnostic's text that a filter of the kind compares; no value for other kinds and absent fields.
    static std::optional<std::string> fieldValueFromDiagnostic(const XADiagnostic &diagnostic, std::int64_t kind);
    // The filter value, split at "*" into literal pieces joined by ".*", found anywhere in a non-empty field value.
    static bool diagnosticFieldValueMatchesFilterValue(const std::optional<std::string> &fieldValue,
                                                       const std::string &filterValue);

    bool acceptsDiagnostic(const XADiagnostic &diagnostic) const;
    bool rejectsDiagnostic(const XADiagnostic &diagnostic) const { return !acceptsDiagnostic(diagnostic); }

    // Every token "<kind>=<value>" that matches some of the diagnostics, each once, in the order first met (kinds in
    // their numeric order within one diagnostic).
    static std::vector<std::string> allPossibleCompletionsForDiagnostics(const XADiagnostics &diagnostics);

private:
    Kind kind_ = KindNone;
    Operator op_ = OperatorNone;
    std::string kindString_;
    std::string string_;
};
