#pragma once

// One silencing of diagnostics: a set of rule short names with either a place in one file (a byte range or the whole
// file) or a list of regular expressions over file paths.
//
// In-code suppressions come from two kinds of cursors met while a file is visited: expansions of the macros of the
// annotations header "TessaryAnnotations.h" (TESSARY_IGNORED alone or followed by _IN_FILE, _IN_CLASS, _IN_METHOD,
// _IN_FUNCTION or _ON_LINE, with rule short names as arguments), and declarations that carry annotate attributes whose
// text is "tessary:suppress:" followed by one rule short name. Path suppressions come from each rule's
// "ignoredFileRegexes" option. Problems with the user's annotations are never fatal: they are reported as warnings
// (kind 4) and the annotation is ignored in whole or in part.
//
// Rule names are matched without regard to letter case against the public rules of a registry and kept in the
// rules' own spelling. Nothing here keeps mutable state; every function may run on any parsing thread.

#include "codemodel/XALibclang.h"
#include "core/XAPair.h"
#include "core/XAProgressMessage.h"
#include "core/XARegex.h"
#include "engine/XADiagnostic.h"
#include "engine/XARuleContext.h"
#include "engine/XARuleRegistry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class XADiagnosticSuppression {
public:
    // The region of a macro: byte offsets of its start and end, or two absent members for the whole file.
    using Region = XAPair<std::optional<std::uint64_t>, std::optional<std::uint64_t>>;

    // A suppression of one rule (none without a name) in every file whose full path some expression matches.
    static XADiagnosticSuppression suppressionForRuleShortName(std::optional<std::string> shortName,
                                                               std::vector<XARegex> filePathRegexes);

    bool appliesToEntireFile() const { return appliesToEntireFile_; }
    const std::optional<std::string> &filePath() const { return filePath_; }
    // The covered range, both ends included.
    std::uint64_t startByteOffset() const { return startByteOffset_; }
    std::uint64_t endByteOffset() const { return endByteOffset_; }
    const std::vector<std::string> &suppressedRuleShortNames() const { return suppressedRuleShortNames_; }
    // Set only for a path suppression.
    const std::optional<std::vector<XARegex>> &filePathRegexes() const { return filePathRegexes_; }
    // "XADiagnosticSuppression: [<start> - <end>] (<names>) <file>".
    std::string description() const;

    // Whether the diagnostic is silenced: for a path suppression, its rule is listed and an expression matches its
    // path anywhere; otherwise it lies in the same file, its rule is listed, and the suppression covers the whole file
    // or both its start and its end.
    bool suppressesDiagnostic(const XADiagnostic &diagnostic) const;

    // ---- Macros ----

    // "TessaryIgnoredInFile" and "TESSARY_IGNORED_IN_FILE" both give "TESSARY_IGNORED_IN_FILE".
    static std::string standardizedSuppressionMacroNameFromName(std::string_view name);
    // A macro expansion whose name is a suppression macro's.
    static bool cursorIsSuppressionMacroExpansion(CXCursor cursor);
    // The identifiers between the macro's parentheses.
    static std::vector<std::string> argumentsOfSuppressionMacroCursor(CXCursor cursor);
    // The public rules' own spellings of the names; unknown names are left out and reported in one warning.
    static std::vector<std::string> validatedRuleNames(const std::vector<std::string> &names,
                                                       CXCursor suppressionCursor, const XAProgressHandler &progress,
                                                       const XARuleRegistry &registry = XARuleRegistry::shared());
    // The validated arguments; no value for a macro without arguments.
    static std::optional<std::vector<std::string>>
    ruleNamesFromSuppressionMacroCursor(CXCursor cursor, const XAProgressHandler &progress,
                                        const XARuleRegistry &registry = XARuleRegistry::shared());
    // What the macro covers: its line for _ON_LINE, the whole file for _IN_FILE (and wherever the translation unit
    // is the innermost scope), else the extent of the innermost method, function or class the macro stands in, as
    // its suffix allows. No value, with a warning, when the macro stands in no such entity.
    static std::optional<Region> startAndEndByteOffsetsForSuppressionMacroCursor(CXCursor cursor,
                                                                                 const XAProgressHandler &progress);
    // The suppression a macro expansion makes; no value, with a warning, without known rule names or a region.
    static std::optional<XADiagnosticSuppression>
    suppressionFromSuppressionMacroCursor(CXCursor cursor, const XAProgressHandler &progress,
                                          const XARuleRegistry &registry = XARuleRegistry::shared());

    // ---- Annotations ----

    // The validated rule names of the cursor's "tessary:suppress:<name>" annotations.
    static std::vector<std::string>
    ruleNamesFromAnnotatedCursor(CXCursor cursor, const XAProgressHandler &progress,
                                 const XARuleRegistry &registry = XARuleRegistry::shared());
    // A suppression of the names over the cursor's whole extent; no value without names.
    static std::optional<XADiagnosticSuppression>
    suppressionForValidatedRuleNames(const std::vector<std::string> &names, CXCursor coveringCursor);
    static std::optional<XADiagnosticSuppression>
    suppressionFromAnnotatedCursor(CXCursor cursor, const XAProgressHandler &progress,
                                   const XARuleRegistry &registry = XARuleRegistry::shared());

private:
    XADiagnosticSuppression() = default;

    bool appliesToEntireFile_ = false;
    std::optional<std::string> filePath_;
    std::uint64_t startByteOffset_ = 0;
    std::uint64_t endByteOffset_ = 0;
    std::vector<std::string> suppressedRuleShortNames_;
    std::optional<std::vector<XARegex>> filePathRegexes_;
};

// What a rule silences by default: with at least one expression in its "ignoredFileRegexes" option, one path
// suppression of the rule for those expressions.
std::vector<XADiagnosticSuppression> XARuleDiagnosticSuppressionsWithContext(const XARuleDescriptor &rule,
                                                                            const XARuleContext &context);
