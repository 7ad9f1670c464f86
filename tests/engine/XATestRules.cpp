#include "engine/XATestRules.h"

#include "codemodel/clang/XACursorText.h"
#include "core/XAXMLText.h"

// ---- XARuleTestForbiddenCall ----

XAXMLString XARuleTestForbiddenCall::ruleName() { return XAXMLString("Forbidden function call"); }

XAXMLString XARuleTestForbiddenCall::ruleDescription() {
    return XAXMLString("Reports calls of the functions named in the option <code>functionNames</code>.");
}

std::vector<std::string> XARuleTestForbiddenCall::tags() { return {"Pedantic"}; }

std::vector<XARuleOption> XARuleTestForbiddenCall::options() {
    return {XARuleOption::ruleOptionWithName("functionNames", "Forbidden functions", std::nullopt,
                                             XAOptionValue(XAOptionValue::Array{"abort"}),
                                             XAOptionValueTypeStringArray)};
}

std::vector<int> XARuleTestForbiddenCall::cursorKinds() { return {CXCursor_CallExpr}; }

XADiagnostics XARuleTestForbiddenCall::applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                                     const XACompilationInfo &) {
    if (kind != CXCursor_CallExpr) {
        return {};
    }
    const std::optional<std::string> callee = XACursorSpelling(cursor);
    const std::optional<XAOptionValue> forbidden = valueForOption("functionNames", context);
    if (!callee || !forbidden || !forbidden->array()) {
        return {};
    }
    for (const XAOptionValue &name : *forbidden->array()) {
        if (name.string() && *name.string() == *callee) {
            return {diagnosticWithCursor(
                cursor, XAXMLString("<cfunction>" + xa_escapedForXML(*callee) + "</cfunction> is forbidden"), *callee,
                XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
        }
    }
    return {};
}

// ---- XARuleTestUnprefixedClass ----

XAXMLString XARuleTestUnprefixedClass::ruleName() { return XAXMLString("Unprefixed class"); }

XAXMLString XARuleTestUnprefixedClass::ruleDescription() {
    return XAXMLString("Reports classes whose names lack the project's class prefix.");
}

std::vector<std::string> XARuleTestUnprefixedClass::tags() { return {"Style"}; }

std::vector<int> XARuleTestUnprefixedClass::cursorKinds() { return {CXCursor_ObjCInterfaceDecl}; }

XADiagnostics XARuleTestUnprefixedClass::applyBeforeCodeWithContext(XARuleContext &context) {
    if (context.project() && !context.project()->classPrefix().value_or("").empty()) {
        return {};
    }
    return {diagnosticWithFile(std::nullopt, XAXMLString("The project has no class prefix."), "classPrefix",
                               XADiagnosticImpactStyle, XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
}

XADiagnostics XARuleTestUnprefixedClass::applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                                       const XACompilationInfo &) {
    if (kind != CXCursor_ObjCInterfaceDecl) {
        return {};
    }
    const std::string prefix = context.project() ? context.project()->classPrefix().value_or("") : "";
    const std::string name = XACursorSpelling(cursor).value_or("");
    if (prefix.empty() || name.starts_with(prefix)) {
        return {};
    }
    return {diagnosticWithCursor(cursor,
                                 XAXMLString("<objcclass>" + xa_escapedForXML(name) +
                                             "</objcclass> lacks the class prefix " + xa_escapedForXML(prefix)),
                                 name, XADiagnosticImpactStyle, XADiagnosticSeverityConcern,
                                 XADiagnosticConfidenceHigh)};
}

namespace {

XARuleRegistry *makeTestRuleRegistry() {
    static XARuleRegistry registry;
    registry.registerRule(XARuleTestForbiddenCall::descriptor());
    registry.registerRule(XARuleTestUnprefixedClass::descriptor());
    return &registry;
}

} // namespace

const XARuleRegistry &XATestRuleRegistry() {
    static const XARuleRegistry *registry = makeTestRuleRegistry();
    return *registry;
}
