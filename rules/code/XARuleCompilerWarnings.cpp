// Source files compiled without the recommended warning options, or without warnings treated as errors. Judged once
// per file at its translation unit, from the file's compiler arguments; warnings-as-errors from the build settings,
// which is where a project decides it.

#include "codemodel/XACompilationInfo.h"
#include "codemodel/clang/XACodeModelRecords.h"
#include "codemodel/clang/XACompilerWarningFlags.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XACollections.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XABuildSettingValues.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"

#include <algorithm>
#include <map>

namespace {

constexpr const char *kFlags = "flags";
constexpr const char *kWarningsAsErrors = "-Werror";

const std::vector<std::string> kObjectiveCLanguages = {"objective-c", "objective-c++"};

std::map<std::string, XAWarningInfo> makeWarningTable() {
    const std::vector<XAWarningInfo> rows = {
        XAWarningInfo::infoWithFlag(
            "-Werror", "GCC_TREAT_WARNINGS_AS_ERRORS", "Treat Warnings as Errors",
            "Treats warnings as errors. Recommended so that warnings could not be ignored out of habit (warnings that "
            "are intentionally ignored should then be ignored explicitly by adding a '-Wno-<warning-name>' compiler "
            "flag)."),
        XAWarningInfo::infoWithFlag(
            "-Wall", std::nullopt, std::nullopt,
            "Enables all warnings that have a high confidence value and low rate of false positives."),
        XAWarningInfo::infoWithFlag("-Wextra", std::nullopt, std::nullopt,
                                    "Enables additional warnings that are useful but may have higher false positive "
                                    "rates or common philosophical objections."),
        XAWarningInfo::infoWithFlag("-Weverything", std::nullopt, std::nullopt,
                                    "Enables every warning in clang. Intended mainly for clang developers."),
        XAWarningInfo::infoWithFlag("-Wshadow", "GCC_WARN_SHADOW", "Hidden local variables",
                                    "Warns whenever a local variable or type declaration shadows another variable, "
                                    "parameter, type, or class member (in C++), or whenever a built-in function is "
                                    "shadowed."),
        XAWarningInfo::infoWithFlag("-Wfloat-equal", std::nullopt, std::nullopt,
                                    "Warns if floating-point values are used in equality comparisons."),
        XAWarningInfo::infoWithFlag("-Wundef", std::nullopt, std::nullopt,
                                    "Warns if an undefined identifier is evaluated in an '#if' directive."),
        XAWarningInfo::infoWithFlag("-Wnewline-eof", "GCC_WARN_ABOUT_MISSING_NEWLINE", "Missing Newline at End of File",
                                    "Warns if a file does not end in a newline character."),
        XAWarningInfo::infoWithFlag("-Wempty-body", "CLANG_WARN_EMPTY_BODY", "Empty Loop Bodies",
                                    "Warns if an empty body occurs in an 'if', 'else' or 'do while' statement."),
        XAWarningInfo::infoWithFlag(
            "-Wconversion", "CLANG_WARN_SUSPICIOUS_IMPLICIT_CONVERSION", "Suspicious Implicit Conversions",
            "Warns about implicit conversions that may alter a value. This is a group flag that encompasses many other "
            "similar warnings (for example, -Wenum-conversion, -Wsign-conversion, -Wint-conversion, -Wbool-conversion "
            "\u2026)"),
        XAWarningInfo::infoWithFlag("-Wsign-compare", "GCC_WARN_SIGN_COMPARE", "Sign Comparison",
                                    "Warns when a comparison between signed and unsigned values could produce an "
                                    "incorrect result when the signed value is converted to unsigned."),
        XAWarningInfo::infoWithFlag(
            "-Wreturn-type", "GCC_WARN_ABOUT_RETURN_TYPE", "Mismatched Return Type",
            "Warns whenever a function is defined with a return type that defaults to int. Also warns about any return "
            "statement with no return value in a function whose return type is not void (falling off the end of the "
            "function body is considered returning without a value), and about a return statement with an expression "
            "in a function whose return type is void."),
        XAWarningInfo::infoWithFlag("-Wdeprecated-implementations", "CLANG_WARN_DEPRECATED_OBJC_IMPLEMENTATIONS",
                                    "Overriding Deprecated Objective-C Methods",
                                    "Warns if deprecated Objective-C methods are being overridden.",
                                    kObjectiveCLanguages),
        XAWarningInfo::infoWithFlag("-Wimplicit-retain-self", "CLANG_WARN_OBJC_IMPLICIT_RETAIN_SELF",
                                    "Implicit retain of 'self' within blocks",
                                    "Warns if 'self' is being implicitly retained by a block."),
    };
    std::map<std::string, XAWarningInfo> table;
    for (const XAWarningInfo &row : rows) {
        table.emplace(row.flag(), row);
    }
    return table;
}

bool appliesToLanguage(const XAWarningInfo *info, const std::optional<std::string> &language) {
    if (!info || !info->languages()) {
        return true;
    }
    const std::vector<std::string> &languages = *info->languages();
    return language && std::find(languages.begin(), languages.end(), *language) != languages.end();
}

void appendListSetting(std::vector<std::string> &flags, const XABuildSettings &settings, const std::string &key) {
    for (const std::string &value : xa_arrayValueOfListSetting(settings, key).value_or(std::vector<std::string>{})) {
        flags.push_back(xa_stringByRemovingSurroundingQuotes(value));
    }
}

} // namespace

struct XARuleCompilerWarnings : XACursorRule<XARuleCompilerWarnings> {
    static XAXMLString ruleName() { return XAXMLString("Recommended compiler warning options"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Some compiler warnings and warning groups are useful enough to be enabled at all times.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Config", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {
            XAExternalLink::linkWithTitle(
                "Clang Compiler User's Manual: Controlling Diagnostics via Command Line Flags",
                "https://clang.llvm.org/docs/UsersManual.html#controlling-diagnostics-via-command-line-flags"),
            XAExternalLink::linkWithTitle("Xcode Build Setting Reference",
                                          "https://developer.apple.com/documentation/xcode/build-settings-reference"),
            XAExternalLink::linkWithTitle("GCC Warning Options (many are the same in Clang)",
                                          "https://gcc.gnu.org/onlinedocs/gcc/Warning-Options.html")};
    }

    // The row of a flag; null for a flag the table does not know.
    static const XAWarningInfo *infoForWarningFlag(const std::string &flag) {
        static const std::map<std::string, XAWarningInfo> table = makeWarningTable();
        const auto found = table.find(flag);
        return found == table.end() ? nullptr : &found->second;
    }

    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kFlags, "Recommended warning flags", std::nullopt,
            XAOptionValue::stringArray({"-Werror", "-Wall", "-Wextra", "-Wshadow", "-Wfloat-equal", "-Wundef",
                                        "-Wnewline-eof", "-Wempty-body", "-Wconversion", "-Wsign-compare",
                                        "-Wreturn-type", "-Wdeprecated-implementations", "-Wimplicit-retain-self"}),
            XAOptionValueTypeStringArray)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_TranslationUnit}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                       const XACompilationInfo &compilationInfo) {
        if (kind != CXCursor_TranslationUnit) {
            return {};
        }
        std::set<std::string> wanted;
        for (const std::string &flag : stringsForOption(kFlags, context)) {
            wanted.insert(flag);
        }
        if (wanted.empty()) {
            return {};
        }
        const bool wantsWarningsAsErrors = wanted.erase(kWarningsAsErrors) > 0;
        std::set<std::string> missing = missingWarningFlags(wanted, compilationInfo);
        if (wantsWarningsAsErrors && !treatsWarningsAsErrors(context, compilationInfo)) {
            missing.insert(kWarningsAsErrors);
        }
        if (missing.empty()) {
            return {};
        }
        const std::vector<std::string> sorted(missing.begin(), missing.end());
        return {diagnosticWithFile(XACursorFilePath(cursor), infoForMissingFlags(sorted),
                                   xa_componentsJoinedByString(sorted, ","), XADiagnosticImpactMaintainability,
                                   XADiagnosticSeverityWarning, XADiagnosticConfidenceAbsolute)};
    }

private:
    // The wanted flags for the file's language that its compiler arguments leave off.
    static std::set<std::string> missingWarningFlags(const std::set<std::string> &wanted,
                                                     const XACompilationInfo &compilationInfo) {
        const std::vector<std::string> arguments =
            XAWarningArguments(compilationInfo.originalCompilerArgs().value_or(std::vector<std::string>{}));
        if (std::find(arguments.begin(), arguments.end(), "-Weverything") != arguments.end()) {
            return {};
        }
        const std::optional<std::string> language = compilationInfo.languageCompilerArgument();
        const std::set<std::string> enabled =
            XAWarningsEnabledByArguments(arguments, XACompilerWarningCatalogue::loadedCompiler());
        std::set<std::string> missing;
        for (const std::string &flag : wanted) {
            if (!appliesToLanguage(infoForWarningFlag(flag), language)) {
                continue;
            }
            if (!(flag.starts_with("-W") && enabled.count(flag.substr(2)))) {
                missing.insert(flag);
            }
        }
        return missing;
    }

    // From the settings of the checked target and configuration, in the order the compiler sees them.
    static bool treatsWarningsAsErrors(const XARuleContext &context, const XACompilationInfo &compilationInfo) {
        std::shared_ptr<const XABuildSettings> settings;
        if (context.project() && context.projectTarget() && context.projectBuildConfig()) {
            settings = context.project()->resolvedBuildSettingsForTarget(*context.projectTarget(),
                                                                         context.projectBuildConfig()->name());
        }
        if (!settings) {
            return false;
        }
        std::vector<std::string> flags;
        const auto treatAsErrors = settings->find("GCC_TREAT_WARNINGS_AS_ERRORS");
        if (treatAsErrors != settings->end() && treatAsErrors->second == "YES") {
            flags.push_back(kWarningsAsErrors);
        }
        appendListSetting(flags, *settings, "WARNING_CFLAGS");
        appendListSetting(flags, *settings, "OTHER_CFLAGS");
        if (compilationInfo.isCompilingInCPPMode()) {
            appendListSetting(flags, *settings, "OTHER_CPLUSPLUSFLAGS");
        }
        return XAWarningIsInForceByFlags("error", flags, XACompilerWarningCatalogue::loadedCompiler());
    }

    static XAXMLString infoForMissingFlags(const std::vector<std::string> &flags) {
        std::vector<std::string> items;
        for (const std::string &flag : flags) {
            std::string item = "<accent><strong>" + flag + "</strong></accent>";
            if (const XAWarningInfo *info = infoForWarningFlag(flag)) {
                item += " \u2014 " + xa_escapedForXML(info->flagDescription());
                if (info->xcodeName() && info->xcconfigKey()) {
                    item += " The \u201c" + xa_escapedForXML(*info->xcodeName()) + "\u201d (<code>" +
                            xa_escapedForXML(*info->xcconfigKey()) + "</code>) Xcode setting controls this.";
                }
            }
            items.push_back(std::move(item));
        }
        return XAXMLString("<p>The following warning flags are not enabled:</p> " + xa_asUnorderedHTMLList(items));
    }
};

TESSARY_REGISTER_RULE(XARuleCompilerWarnings)
