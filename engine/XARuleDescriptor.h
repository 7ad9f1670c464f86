#pragma once

// What the engine knows of one rule: its names, texts, tags, options and cursor kinds, and the functions of its
// phases. XAMakeRuleDescriptor (XARule.h) makes one from a rule class; it never changes afterwards and is read from
// every checking thread.

#include "codemodel/XALibclang.h"
#include "engine/XADiagnostic.h"
#include "engine/XAExternalLink.h"
#include "engine/XAXMLString.h"
#include "engine/config/XARuleOption.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class XACompilationInfo;
class XADiagnosticSuppression;
class XARuleContext;

struct XARuleDescriptor {
    using ContextPhase = XADiagnostics (*)(XARuleContext &context);
    using CursorPhase = XADiagnostics (*)(CXCursor cursor, int kind, XARuleContext &context,
                                          const XACompilationInfo &compilationInfo);
    using SuppressionsPhase = std::vector<XADiagnosticSuppression> (*)(XARuleContext &context);

    std::string className; // "XARuleNSLogUsed"
    std::string shortName; // "NSLogUsed"
    XAXMLString ruleName;
    XAXMLString ruleDescription;
    std::optional<XAXMLString> ruleWarning;
    std::vector<std::string> tags;
    std::vector<XAExternalLink> externalLinks;
    bool isPublic = true;
    bool isCursorRule = false;
    std::vector<XARuleOption> options; // the rule's own
    std::vector<XARuleOptionGroup> optionGroups;
    // The cursor kinds a code rule asks for; the per-file walk hands it cursors of these kinds (and of kinds other
    // rules of the run asked for, which it ignores).
    std::vector<int> cursorKinds;

    // The phases; a rule leaves out those it does not take part in.
    ContextPhase applyWithContext = nullptr; // the project-level pass
    ContextPhase applyBeforeCodeWithContext = nullptr;
    CursorPhase applyToCursor = nullptr;
    ContextPhase applyAfterCodeWithContext = nullptr;
    // What the rule silences at the end of the run, when it silences more than its "ignoredFileRegexes" option
    // does; without one the engine uses XARuleDiagnosticSuppressionsWithContext alone.
    SuppressionsPhase diagnosticSuppressionsWithContext = nullptr;

    // Rules applied only under a condition: whether it holds in a run, and its description.
    bool (*appliesToContext)(XARuleContext &context) = nullptr;
    std::string (*applicationConditionDescription)() = nullptr;

    bool isConditionallyApplied() const { return appliesToContext != nullptr; }
    // The rule's place in the introduction-order table; the largest signed 64-bit number when it has none.
    std::uint64_t introductionOrderNumber() const;
    // The option of that long name among the rule's option groups; null when there is none.
    const XARuleOption *optionWithLongName(std::string_view longName) const;
};
