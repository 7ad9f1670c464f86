#pragma once

// The per-file work of the code rules: a source file is parsed as its compilation info says, its compiler
// diagnostics are reported, and, when it has no errors, the translation unit and then every cursor of a kind that a
// rule asked for are handed to every code rule. The checking run calls this for each file to check.
//
// A rule is called for every requested kind, also for kinds only other rules asked for, and ignores those. Cursors in
// system headers and cursors outside any file (built-in and command-line material) are skipped with their children.

#include "codemodel/XACompilationInfo.h"
#include "engine/XARuleContext.h"
#include "engine/XARuleDescriptor.h"

#include <vector>

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
    XADiagnostics diagnostics; // of the rules; empty when the rules did not see the file
};

// Parses the file (declarations of its precompiled header left out unless `includeDeclarationsFromPCH`) and reports
// each compiler diagnostic to `progress`, warnings as kind 12 and everything else as kind 13, with the file's path in
// Xcode as "file". A file that cannot be parsed is reported as an error (kind 3). Only a file without compiler errors
// is shown to the rules.
XAFileCheckResult XACheckFileWithCursorRules(const XACompilationInfo &compilationInfo,
                                             const std::vector<const XARuleDescriptor *> &rules,
                                             const XACursorKindSet &kinds, XARuleContext &context,
                                             bool includeDeclarationsFromPCH, const XAProgressHandler &progress);

// Hands the translation unit (kind CXCursor_TranslationUnit) and then its cursors of the requested kinds to every
// rule, in the rules' order; their diagnostics in the order found.
XADiagnostics XAApplyCursorRulesToTranslationUnit(CXTranslationUnit translationUnit,
                                                  const std::vector<const XARuleDescriptor *> &rules,
                                                  const XACursorKindSet &kinds, XARuleContext &context,
                                                  const XACompilationInfo &compilationInfo);
