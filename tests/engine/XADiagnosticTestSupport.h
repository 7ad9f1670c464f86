#pragma once

// Diagnostics made for the engine's tests with only the fields a test cares about.

#include "engine/XADiagnostic.h"

#include <optional>
#include <ostream>
#include <string>

inline void PrintTo(const XADiagnosticPosition &position, std::ostream *out) { *out << position.description(); }

struct XATestDiagnosticFields {
    std::string message = "<codesymbol>x</codesymbol> is wrong";
    std::optional<std::string> identifier = "x";
    std::optional<std::string> filePath = "/p/App/main.m";
    std::optional<XADiagnosticPosition> start = XADiagnosticPosition{3, 5, 40};
    std::optional<XADiagnosticPosition> end = XADiagnosticPosition{3, 9, 44};
    std::optional<std::string> positionContext = "-[A b]";
    XADiagnosticSeverity severity = XADiagnosticSeverityWarning;
    XADiagnosticConfidence confidence = XADiagnosticConfidenceHigh;
    XADiagnosticImpact impact = XADiagnosticImpactStyle;
};

inline XADiagnostic XATestDiagnostic(const XATestDiagnosticFields &fields = {}) {
    return XADiagnostic::diagnosticWithRuleName(
        XAXMLString("Test rule"), "TestRule", XAXMLString("Finds <em>tests</em>"), std::nullopt, {},
        XAXMLString(fields.message), fields.identifier, fields.filePath, fields.start, fields.end,
        fields.positionContext, fields.impact, fields.severity, fields.confidence);
}
