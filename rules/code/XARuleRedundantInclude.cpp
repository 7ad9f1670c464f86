// An inclusion of a header that the project's prefix header already brings into every file: the directive only
// costs reading time.

#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAPrecompiledHeaderInclusions.h"
#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XAClangFilePaths.h"
#include "engine/XAInclusionRuleSupport.h"
#include "engine/XAPCHInclusionsState.h"
#include "engine/XARule.h"

#include <set>

namespace {
constexpr const char *kIgnoreSystemHeaders = "ignoreSystemHeaders";
constexpr const char *kIgnoreIndirectInclusions = "ignoreIndirectInclusions";
} // namespace

struct XARuleRedundantInclude : XACursorRule<XARuleRedundantInclude> {
    static XAXMLString ruleName() { return XAXMLString("Redundant inclusion directive"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>If a header is included in the project’s prefix header, it needn’t be included anywhere "
                           "else.</p> <p>This rule does not check header files that are themselves included in the "
                           "precompiled prefix header.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kIgnoreSystemHeaders, "Ignore system headers",
                                                 "Allow redundant system header inclusions.", XAOptionValue(true),
                                                 XAOptionValueTypeBool),
                XARuleOption::ruleOptionWithName(
                    kIgnoreIndirectInclusions, "Ignore indirect inclusions",
                    "Warn only about inclusions redundant with the prefix header’s direct inclusions.",
                    XAOptionValue(false), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_InclusionDirective}; }

    static bool appliesToContext(XARuleContext &context) { return XATargetUsesPrefixHeader(context); }
    static std::string applicationConditionDescription() { return "Applies to projects using a prefix header."; }

    static XADiagnostics applyBeforeCodeWithContext(XARuleContext &context) {
        pchInclusionsForTarget(context, context.stateStore());
        return {};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                       const XACompilationInfo &compilationInfo) {
        if (kind != CXCursor_InclusionDirective) {
            return {};
        }
        const std::optional<std::string> file = XANormalizedFilePathOfCursor(cursor);
        const std::optional<std::string> included = XANormalizedIncludedFilePath(cursor);
        const std::optional<std::string> pchFolder = XAPCHInclusionsFolderOfCompilation(compilationInfo);
        if (!file || compilationInfo.pathIsPCHFilePath(*file) || !included || !pchFolder ||
            isOwnHeader(*file, *included)) {
            return {};
        }
        const std::string key = boolForOption(kIgnoreIndirectInclusions, context)
                                    ? XADirectPCHInclusionsStateKey(*pchFolder)
                                    : XAAllPCHInclusionsStateKey(*pchFolder);
        const auto *inclusions =
            context.stateStore().dangerousNonCopyingReferenceToObjectFromStateKey<std::set<std::string>>(key);
        if (!inclusions || inclusions->contains(*file) || !inclusions->contains(*included)) {
            return {};
        }
        if (boolForOption(kIgnoreSystemHeaders, context) && isSystemHeader(cursor)) {
            return {};
        }
        return {diagnosticWithCursor(cursor,
                                     XAXMLString("<string>" + xa_escapedForXML(*included) +
                                                 "</string> is already included in the prefix header. Including it "
                                                 "here again is redundant."),
                                     std::nullopt, XADiagnosticImpactMaintainability, XADiagnosticSeverityConcern,
                                     XADiagnosticConfidenceHigh)};
    }

private:
    // Foo.m including Foo.h.
    static bool isOwnHeader(const std::string &file, const std::string &included) {
        return xa_stringByDeletingPathExtension(xa_lastPathComponent(file)) ==
               xa_stringByDeletingPathExtension(xa_lastPathComponent(included));
    }

    // The included file's first line lies in a system header of the directive's translation unit.
    static bool isSystemHeader(CXCursor directive) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXSourceLocation start = clang.clang_getLocation(clang.clang_Cursor_getTranslationUnit(directive),
                                                               clang.clang_getIncludedFile(directive), 1, 1);
        return clang.clang_Location_isInSystemHeader(start) != 0;
    }
};

TESSARY_REGISTER_RULE(XARuleRedundantInclude)
