#pragma once

// Two rules that exist only for the tests of the engine and of the example-driven rule test driver. They are not in
// the shared registry (whose rules must all be in the introduction-order table) but in one of their own.

#include "engine/XARule.h"

// Reports calls of the functions named in its option "functionNames" (default: abort).
struct XARuleTestForbiddenCall : XACursorRule<XARuleTestForbiddenCall> {
    static XAXMLString ruleName();
    static XAXMLString ruleDescription();
    static std::vector<std::string> tags();
    static std::vector<XARuleOption> options();
    static std::vector<int> cursorKinds();
    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                       const XACompilationInfo &compilationInfo);
};

// Reports class interfaces whose names do not begin with the project's class prefix, and, before the code is
// checked, a project that has no class prefix at all (a finding in no file).
struct XARuleTestUnprefixedClass : XACursorRule<XARuleTestUnprefixedClass> {
    static XAXMLString ruleName();
    static XAXMLString ruleDescription();
    static std::vector<std::string> tags();
    static std::vector<int> cursorKinds();
    static XADiagnostics applyBeforeCodeWithContext(XARuleContext &context);
    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                       const XACompilationInfo &compilationInfo);
};

// A registry holding the two.
const XARuleRegistry &XATestRuleRegistry();
