// Headers that so many source files include that they belong in the prefix header, where they are compiled once.
// Every file records the inclusions written in it that the prefix header does not make; after the code, each header
// included by enough of the target's source files is reported.

#include "codemodel/clang/XACodeModelRecords.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAPrecompiledHeaderInclusions.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XAClangFilePaths.h"
#include "engine/XAInclusionRuleSupport.h"
#include "engine/XAPCHInclusionsState.h"
#include "engine/XARule.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace {
constexpr const char *kShowFiles = "showFiles";
constexpr const char *kWarningThresholdPercent = "warningThresholdPercent";
constexpr const char *kInclusionsKey = "inclusionsNotInThePrefixHeader";
// The rule applies to targets with more source files than this.
constexpr std::size_t kMinimumSourceFiles = 10;
} // namespace

struct XARulePrefixHeaderIncludeSuggestion : XACursorRule<XARulePrefixHeaderIncludeSuggestion> {
    static XAXMLString ruleName() { return XAXMLString("Moving common inclusions into prefix header"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Moving commonly used header inclusion directives into a precompiled prefix header "
                           "improves compilation time.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
                    kShowFiles, "Show including files",
                    "In the diagnostic description, show a list of the files containing the inclusion.",
                    XAOptionValue(false), XAOptionValueTypeBool),
                XARuleOption::ruleOptionWithName(
                    kWarningThresholdPercent, "Warning threshold percentage",
                    "The percentage (0-100) of source code files an inclusion must be in to elicit a diagnostic.",
                    XAOptionValue(30), XAOptionValueTypePositiveInteger)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_InclusionDirective}; }

    static bool appliesToContext(XARuleContext &context) {
        return XATargetUsesPrefixHeader(context) &&
               context.projectTarget()->sourceFiles().size() >= kMinimumSourceFiles;
    }
    static std::string applicationConditionDescription() {
        return "Applies to projects that use a prefix header, and have at least " +
               std::to_string(kMinimumSourceFiles) + " source code files.";
    }

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
        if (!file || xa_pathExtension(*file) == "pch" || !isInMainFile(*file, cursor)) {
            return {};
        }
        const std::optional<std::string> included = XANormalizedIncludedFilePath(cursor);
        const std::optional<std::string> pchFolder = XAPCHInclusionsFolderOfCompilation(compilationInfo);
        if (!included || !pchFolder || xa_isPrivateHeaderName(xa_lastPathComponent(*included))) {
            return {};
        }
        const auto *inPrefixHeader =
            context.stateStore().dangerousNonCopyingReferenceToObjectFromStateKey<std::set<std::string>>(
                XAAllPCHInclusionsStateKey(*pchFolder));
        if (inPrefixHeader && inPrefixHeader->contains(*included)) {
            return {};
        }
        XAInclusionInfo inclusion;
        inclusion.setIncludingFilePath(*file);
        inclusion.setIncludedFilePath(*included);
        context.stateStore().addValueToStateList(std::move(inclusion), kInclusionsKey);
        return {};
    }

    // Headers by path, each with its including files by path, so that texts do not depend on the order of files.
    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        const auto *inclusions =
            context.stateStore().dangerousNonCopyingReferenceToObjectFromStateKey<std::vector<XAInclusionInfo>>(
                kInclusionsKey);
        const std::size_t total = context.projectTarget() ? context.projectTarget()->sourceFiles().size() : 0;
        if (!inclusions || total == 0) {
            return {};
        }
        std::map<std::string, std::set<std::string>> includingFilesByHeader;
        for (const XAInclusionInfo &inclusion : *inclusions) {
            includingFilesByHeader[inclusion.includedFilePath().value_or("")].insert(
                inclusion.includingFilePath().value_or(""));
        }
        const float threshold = float(thresholdPercent(context)) / 100.0f;
        XADiagnostics suggestions;
        for (const auto &[header, files] : includingFilesByHeader) {
            const float ratio = float(files.size()) / float(total);
            if (ratio >= threshold) {
                suggestions.push_back(diagnosticWithFile(header, suggestionText(header, files, total, ratio, context),
                                                         std::nullopt, XADiagnosticImpactMaintainability,
                                                         XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh));
            }
        }
        return suggestions;
    }

private:
    // Only directives written in the translation unit's own file count, not those in the headers it includes.
    static bool isInMainFile(const std::string &file, CXCursor directive) {
        const XALibclangFunctions &clang = XALibclang::fn();
        return XANormalizedFilePathOfCursor(
                   clang.clang_getTranslationUnitCursor(clang.clang_Cursor_getTranslationUnit(directive))) == file;
    }

    // The option's percentage, at most 100.
    static std::int64_t thresholdPercent(const XARuleContext &context) {
        const std::optional<XAOptionValue> value = valueForOption(kWarningThresholdPercent, context);
        return std::clamp<std::int64_t>(value && value->integer() ? *value->integer() : 0, 0, 100);
    }

    static XAXMLString suggestionText(const std::string &header, const std::set<std::string> &files, std::size_t total,
                                      float ratio, const XARuleContext &context) {
        char percentage[32];
        std::snprintf(percentage, sizeof percentage, "%.0f", double(ratio * 100.0f));
        std::string text = "<p>The <string>" + xa_escapedForXML(xa_lastPathComponent(header)) +
                           "</string> header is included in " + std::to_string(files.size()) + "/" +
                           std::to_string(total) + " source files (" + percentage +
                           "%). Suggest moving this inclusion into the prefix header to improve compilation time.</p>";
        if (boolForOption(kShowFiles, context)) {
            std::vector<std::string> items;
            for (const std::string &file : files) {
                items.push_back("<li><filepath>" + xa_escapedForXML(file) + "</filepath></li>");
            }
            text += "<p>The files containing this inclusion are:</p><ul>" + xa_componentsJoinedByString(items, " ") +
                    "</ul>";
        }
        return XAXMLString(text);
    }
};

TESSARY_REGISTER_RULE(XARulePrefixHeaderIncludeSuggestion)
