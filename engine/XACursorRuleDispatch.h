#pragma once

// The work of the code rules on one source file: the file is parsed as its compilation info says, its compiler
// diagnostics are reported, and, when it has no errors, the translation unit and then every cursor of a kind that a
// rule asked for are handed to every code rule, while the in-code suppressions met on the way are collected. The
// per-file phase of a checking run (XACursorRulePhase.h) does this for each file on its workers.
//
// A rule is called for every requested kind, also for kinds only other rules asked for, and ignores those. Cursors in
// system headers and cursors outside any file (built-in and command-line material) are skipped with their children.
// Suppressions are looked for on every visited cursor, whatever the rules asked for.

#include "codemodel/XACompilationInfo.h"
#include "codemodel/XATranslationUnit.h"
#include "engine/XADiagnosticSuppression.h"
#include "engine/XARuleContext.h"
#include "engine/XARuleDescriptor.h"

#include <atomic>
#include <cstdint>
#include <vector>

class XARuleSetProfiler;

// A flat table of the cursor kinds the code rules of a run asked for, so that each cursor costs one lookup.
class XACursorKindSet {
public:
    explicit XACursorKindSet(const std::vector<const XARuleDescriptor *> &rules);
    bool contains(int kind) const {
        return kind >= 0 && static_cast<std::size_t>(kind) < flags_.size() && flags_[kind];
    }

private:
    std::vector<bool> flags_;
};

// What checking one file gave.
struct XAFileCheckResult {
    bool parsed = false; // libclang made a translation unit
    bool hasCompilerErrors = false;
    bool cancelled = false;    // the walk was broken off; the rules did not see the whole file
    XADiagnostics diagnostics; // of the rules; empty when the rules did not see the file
    std::vector<XADiagnosticSuppression> suppressions;
    std::uint64_t checkedStatements = 0; // statement cursors whose kind some rule asked for
};

// A parsed file waiting for the rules: its translation unit, null when the parse failed, was cancelled or gave
// compiler errors, and what checking it has given so far.
struct XAParsedFile {
    XATranslationUnitOwner unit;
    XAFileCheckResult result;
};

// Checks files with the code rules of one run. The checker is shared by the run's workers; everything it holds is
// only read.
class XACursorRuleDispatch {
public:
    XACursorRuleDispatch(std::vector<const XARuleDescriptor *> rules, XARuleContext &context);

    // Tested before the file is parsed and at every cursor of the walk; may be null.
    void setCancellationFlag(const std::atomic<bool> *cancelled) { cancelled_ = cancelled; }
    // Adds the compiler arguments to the message about a file that libclang cannot parse.
    void setVerbose(bool verbose) { verbose_ = verbose; }
    // The registry whose public rules in-code suppressions may name; the shared one unless set.
    void setRuleRegistry(const XARuleRegistry &registry) { registry_ = &registry; }

    const std::vector<const XARuleDescriptor *> &rules() const { return rules_; }

    // Parses the file with the index (which says whether declarations from precompiled headers are left out) and
    // reports each compiler diagnostic to `progress`, warnings as kind 12 and everything else as kind 13, with the
    // file's path in Xcode as "file". A file that cannot be parsed is reported as an error (kind 3). Only a file
    // without compiler errors is shown to the rules. With a profiler, each rule call is timed for the rule's index.
    XAFileCheckResult checkFile(CXIndex index, const XACompilationInfo &compilationInfo,
                                const XAProgressHandler &progress, XARuleSetProfiler *profiler = nullptr) const;
    // checkFile in two steps, so that the rules can run on another worker than the parse: the parse with its
    // reports, and then the rules on a file that parsed without errors. The translation unit stays in `parsed`, so
    // that the caller chooses where it is disposed of.
    XAParsedFile parseFile(CXIndex index, const XACompilationInfo &compilationInfo,
                           const XAProgressHandler &progress) const;
    XAFileCheckResult checkParsedFile(XAParsedFile &parsed, const XACompilationInfo &compilationInfo,
                                      const XAProgressHandler &progress, XARuleSetProfiler *profiler = nullptr) const;

    // Hands the translation unit (kind CXCursor_TranslationUnit) and then its cursors to the rules, as checkFile does
    // after a successful parse.
    XAFileCheckResult applyToTranslationUnit(CXTranslationUnit translationUnit,
                                             const XACompilationInfo &compilationInfo,
                                             const XAProgressHandler &progress,
                                             XARuleSetProfiler *profiler = nullptr) const;

    // The suppression that the cursor makes: a suppression macro's expansion, or a declaration with annotations.
    static std::optional<XADiagnosticSuppression>
    suppressionForCursor(CXCursor cursor, int kind, const XAProgressHandler &progress, const XARuleRegistry &registry);

private:
    bool isCancelled() const { return cancelled_ && cancelled_->load(std::memory_order_relaxed); }
    void callRules(CXCursor cursor, int kind, const XACompilationInfo &compilationInfo, XADiagnostics &diagnostics,
                   XARuleSetProfiler *profiler) const;

    std::vector<const XARuleDescriptor *> rules_;
    XACursorKindSet kinds_;
    XARuleContext &context_;
    const std::atomic<bool> *cancelled_ = nullptr;
    bool verbose_ = false;
    const XARuleRegistry *registry_ = &XARuleRegistry::shared();
};

// The file's path in the Xcode project, or its path on disk when the project has no such file.
std::string XAPathInXcodeOfCompilation(const XACompilationInfo &compilationInfo);
