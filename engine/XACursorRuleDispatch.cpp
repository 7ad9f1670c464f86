#include "engine/XACursorRuleDispatch.h"

#include "codemodel/XATranslationUnit.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "project/XAProjectFile.h"

#include <algorithm>

namespace {

void appendDiagnostics(XADiagnostics &all, XADiagnostics found) {
    all.insert(all.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
}

void callRules(const std::vector<const XARuleDescriptor *> &rules, CXCursor cursor, int kind, XARuleContext &context,
               const XACompilationInfo &compilationInfo, XADiagnostics &diagnostics) {
    for (const XARuleDescriptor *rule : rules) {
        if (rule->applyToCursor) {
            appendDiagnostics(diagnostics, rule->applyToCursor(cursor, kind, context, compilationInfo));
        }
    }
}

// Reports the unit's compiler diagnostics; true when none is an error.
bool reportCompilerDiagnostics(CXTranslationUnit unit, const std::string &fileInXcode,
                               const XAProgressHandler &progress) {
    const XALibclangFunctions &clang = XALibclang::fn();
    bool hasErrors = false;
    const unsigned count = clang.clang_getNumDiagnostics(unit);
    for (unsigned i = 0; i < count; ++i) {
        XADiagnosticOwner diagnostic(clang.clang_getDiagnostic(unit, i));
        const CXDiagnosticSeverity severity = clang.clang_getDiagnosticSeverity(diagnostic.get());
        hasErrors = hasErrors || severity == CXDiagnostic_Error || severity == CXDiagnostic_Fatal;
        if (progress) {
            const XAProgressMessageKind kind = severity == CXDiagnostic_Warning ? XAProgressMessageKindCompilerWarning
                                                                                : XAProgressMessageKindCompilerError;
            progress(XAProgressMessage(kind, XAFormattedDiagnosticWithChildren(diagnostic.get()).value_or(""),
                                       XADictionary{{"file", XAValue(fileInXcode)}}));
        }
    }
    return !hasErrors;
}

std::string pathInXcode(const XACompilationInfo &compilationInfo) {
    const std::shared_ptr<XAProjectFile> &file = compilationInfo.file();
    return file ? file->pathInXcode().value_or(compilationInfo.filePath()) : compilationInfo.filePath();
}

} // namespace

XACursorKindSet::XACursorKindSet(const std::vector<const XARuleDescriptor *> &rules) {
    for (const XARuleDescriptor *rule : rules) {
        for (int kind : rule->cursorKinds) {
            if (kind < 0) {
                continue;
            }
            if (static_cast<std::size_t>(kind) >= flags_.size()) {
                flags_.resize(static_cast<std::size_t>(kind) + 1);
            }
            flags_[kind] = true;
        }
    }
}

XADiagnostics XAApplyCursorRulesToTranslationUnit(CXTranslationUnit translationUnit,
                                                  const std::vector<const XARuleDescriptor *> &rules,
                                                  const XACursorKindSet &kinds, XARuleContext &context,
                                                  const XACompilationInfo &compilationInfo) {
    XADiagnostics diagnostics;
    const CXCursor root = XALibclang::fn().clang_getTranslationUnitCursor(translationUnit);
    callRules(rules, root, CXCursor_TranslationUnit, context, compilationInfo, diagnostics);
    XAVisitChildren(root, [&](CXCursor cursor) {
        if (XACursorIsInSystemHeader(cursor) || !XACursorFile(cursor)) {
            return CXChildVisit_Continue;
        }
        const int kind = XALibclang::fn().clang_getCursorKind(cursor);
        if (kinds.contains(kind)) {
            callRules(rules, cursor, kind, context, compilationInfo, diagnostics);
        }
        return CXChildVisit_Recurse;
    });
    return diagnostics;
}

XAFileCheckResult XACheckFileWithCursorRules(const XACompilationInfo &compilationInfo,
                                             const std::vector<const XARuleDescriptor *> &rules,
                                             const XACursorKindSet &kinds, XARuleContext &context,
                                             bool includeDeclarationsFromPCH, const XAProgressHandler &progress) {
    XAFileCheckResult result;
    const XALibclangFunctions &clang = XALibclang::fn();
    XAClangIndexOwner index(clang.clang_createIndex(includeDeclarationsFromPCH ? 0 : 1, 0));
    XAError error;
    XATranslationUnitOwner unit(XAParseTranslationUnit(index.get(), compilationInfo.filePath(),
                                                       compilationInfo.parsingCompilerArgs(),
                                                       CXTranslationUnit_DetailedPreprocessingRecord, &error));
    if (!unit) {
        if (progress) {
            progress(
                XAProgressMessage(XAProgressMessageKindError, "FATAL: Unrecoverable compiler error: " + error.message +
                                                                  ": " + compilationInfo.filePath()));
        }
        return result;
    }
    result.parsed = true;
    result.hasCompilerErrors = !reportCompilerDiagnostics(unit.get(), pathInXcode(compilationInfo), progress);
    if (!result.hasCompilerErrors) {
        result.diagnostics = XAApplyCursorRulesToTranslationUnit(unit.get(), rules, kinds, context, compilationInfo);
    }
    return result;
}
