// Functions and methods with more linearly independent paths than a configured threshold: hard to read and to test.

#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAExpressions.h"
#include "engine/XARule.h"

namespace {
constexpr const char *kWarningThresholdCCN = "warningThresholdCCN";
}

struct XARuleCyclomaticComplexity : XACursorRule<XARuleCyclomaticComplexity> {
    static XAXMLString ruleName() { return XAXMLString("Cyclomatic complexity"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns if a routine has high cyclomatic complexity (that is, the number of linearly "
                           "independent paths through the routine\u2019s source code).");
    }
    static std::vector<std::string> tags() { return {"Pedantic"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Wikipedia: Cyclomatic complexity",
                                              "https://en.wikipedia.org/wiki/Cyclomatic_complexity"),
                XAExternalLink::linkWithTitle("NIST Special Publication 500-235: Structured Testing: A Testing "
                                              "Methodology Using the Cyclomatic Complexity Metric",
                                              "https://nvlpubs.nist.gov/nistpubs/Legacy/SP/nistspecialpublication500-"
                                              "235.pdf")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kWarningThresholdCCN, "Cyclomatic complexity number warning threshold",
            "Warn if a routine\u2019s cyclomatic complexity number exceeds this value.", XAOptionValue(10),
            XAOptionValueTypePositiveInteger)};
    }
    static std::vector<int> cursorKinds() {
        return {CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl, CXCursor_FunctionDecl};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInstanceMethodDecl && kind != CXCursor_ObjCClassMethodDecl &&
            kind != CXCursor_FunctionDecl) {
            return {};
        }
        const std::optional<XAOptionValue> value = valueForOption(kWarningThresholdCCN, context);
        const std::uint64_t threshold =
            std::uint64_t(std::max<std::int64_t>(value ? value->integer().value_or(0) : 0, 0));
        const std::uint64_t complexity = XACyclomaticComplexity(cursor);
        if (complexity <= threshold) {
            return {};
        }
        const XAXMLString info("The cyclomatic complexity number of this routine is " + std::to_string(complexity) +
                               ", which exceeds the configured threshold of " + std::to_string(threshold) + ".");
        return {diagnosticWithCursor(cursor, info, XACursorSpelling(cursor), XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceAbsolute)};
    }
};

TESSARY_REGISTER_RULE(XARuleCyclomaticComplexity)
