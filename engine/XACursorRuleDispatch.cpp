#include "engine/XACursorRuleDispatch.h"

#include "codemodel/XATranslationUnit.h"
#include "codemodel/clang/XAAnnotations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XATranslationUnitMemo.h"
#include "core/XAMachTime.h"
#include "engine/XARuleSetProfiler.h"
#include "project/XAProjectFile.h"

namespace {

void appendDiagnostics(XADiagnostics &all, XADiagnostics found) {
    all.insert(all.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
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

// Whether the walk goes into the cursor: its extent starts in a named file that is no system header. One extent and
// one location per cursor, since this runs for every cursor of every file.
bool cursorIsInCheckedCode(const XALibclangFunctions &clang, CXCursor cursor) {
    const CXSourceLocation start = clang.clang_getRangeStart(clang.clang_getCursorExtent(cursor));
    if (clang.clang_Location_isInSystemHeader(start)) {
        return false;
    }
    CXFile file = nullptr;
    clang.clang_getExpansionLocation(start, &file, nullptr, nullptr, nullptr);
    return file != nullptr;
}

std::string argumentsText(const std::vector<std::string> &arguments) {
    std::string text;
    for (const std::string &argument : arguments) {
        text += (text.empty() ? "" : " ") + argument;
    }
    return text;
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

std::string XAPathInXcodeOfCompilation(const XACompilationInfo &compilationInfo) {
    const std::shared_ptr<XAProjectFile> &file = compilationInfo.file();
    return file ? file->pathInXcode().value_or(compilationInfo.filePath()) : compilationInfo.filePath();
}

XACursorRuleDispatch::XACursorRuleDispatch(std::vector<const XARuleDescriptor *> rules, XARuleContext &context)
    : rules_(std::move(rules)), kinds_(rules_), context_(context) {}

void XACursorRuleDispatch::callRules(CXCursor cursor, int kind, const XACompilationInfo &compilationInfo,
                                     XADiagnostics &diagnostics, XARuleSetProfiler *profiler) const {
    for (std::size_t index = 0; index < rules_.size(); ++index) {
        const XARuleDescriptor *rule = rules_[index];
        if (!rule->applyToCursor) {
            continue;
        }
        const std::uint64_t start = profiler ? XAMachAbsoluteTime() : 0;
        appendDiagnostics(diagnostics, rule->applyToCursor(cursor, kind, context_, compilationInfo));
        if (profiler) {
            profiler->addMachTimeDuration(XAMachAbsoluteTime() - start, index);
        }
    }
}

std::optional<XADiagnosticSuppression> XACursorRuleDispatch::suppressionForCursor(CXCursor cursor, int kind,
                                                                                  const XAProgressHandler &progress,
                                                                                  const XARuleRegistry &registry) {
    if (kind == CXCursor_MacroExpansion && XADiagnosticSuppression::cursorIsSuppressionMacroExpansion(cursor)) {
        return XADiagnosticSuppression::suppressionFromSuppressionMacroCursor(cursor, progress, registry);
    }
    if (XACursorHasAnnotations(cursor)) {
        return XADiagnosticSuppression::suppressionFromAnnotatedCursor(cursor, progress, registry);
    }
    return std::nullopt;
}

XAFileCheckResult XACursorRuleDispatch::applyToTranslationUnit(CXTranslationUnit translationUnit,
                                                               const XACompilationInfo &compilationInfo,
                                                               const XAProgressHandler &progress,
                                                               XARuleSetProfiler *profiler) const {
    const XALibclangFunctions &clang = XALibclang::fn();
    const XATranslationUnitMemo memo(translationUnit);
    XAFileCheckResult result;
    result.parsed = true;
    const CXCursor root = clang.clang_getTranslationUnitCursor(translationUnit);
    callRules(root, CXCursor_TranslationUnit, compilationInfo, result.diagnostics, profiler);
    XAVisitChildren(root, [&](CXCursor cursor) {
        if (isCancelled()) {
            result.cancelled = true;
            return CXChildVisit_Break;
        }
        if (!cursorIsInCheckedCode(clang, cursor)) {
            return CXChildVisit_Continue;
        }
        const int kind = clang.clang_getCursorKind(cursor);
        if (std::optional<XADiagnosticSuppression> suppression =
                suppressionForCursor(cursor, kind, progress, *registry_)) {
            result.suppressions.push_back(std::move(*suppression));
        }
        if (kinds_.contains(kind)) {
            callRules(cursor, kind, compilationInfo, result.diagnostics, profiler);
            if (clang.clang_isStatement(static_cast<CXCursorKind>(kind))) {
                ++result.checkedStatements;
            }
        }
        return CXChildVisit_Recurse;
    });
    return result;
}

XAParsedFile XACursorRuleDispatch::parseFile(CXIndex index, const XACompilationInfo &compilationInfo,
                                             const XAProgressHandler &progress) const {
    XAParsedFile parsed;
    if (isCancelled()) {
        parsed.result.cancelled = true;
        return parsed;
    }
    XAError error;
    parsed.unit.reset(XAParseTranslationUnit(index, compilationInfo.filePath(), compilationInfo.parsingCompilerArgs(),
                                             CXTranslationUnit_DetailedPreprocessingRecord, &error));
    if (!parsed.unit) {
        if (progress) {
            const std::string arguments =
                verbose_ ? "\nUsed compiler arguments: " + argumentsText(compilationInfo.parsingCompilerArgs()) : "";
            progress(
                XAProgressMessage(XAProgressMessageKindError, "FATAL: Unrecoverable compiler error: " + error.message +
                                                                  ": " + compilationInfo.filePath() + arguments));
        }
        return parsed;
    }
    parsed.result.parsed = true;
    if (!reportCompilerDiagnostics(parsed.unit.get(), XAPathInXcodeOfCompilation(compilationInfo), progress)) {
        parsed.result.hasCompilerErrors = true;
        parsed.unit.reset();
    }
    return parsed;
}

XAFileCheckResult XACursorRuleDispatch::checkParsedFile(XAParsedFile &parsed, const XACompilationInfo &compilationInfo,
                                                        const XAProgressHandler &progress,
                                                        XARuleSetProfiler *profiler) const {
    if (!parsed.unit) {
        return std::move(parsed.result);
    }
    return applyToTranslationUnit(parsed.unit.get(), compilationInfo, progress, profiler);
}

XAFileCheckResult XACursorRuleDispatch::checkFile(CXIndex index, const XACompilationInfo &compilationInfo,
                                                  const XAProgressHandler &progress,
                                                  XARuleSetProfiler *profiler) const {
    XAParsedFile parsed = parseFile(index, compilationInfo, progress);
    return checkParsedFile(parsed, compilationInfo, progress, profiler);
}
