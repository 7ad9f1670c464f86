#include "engine/XARuleSupport.h"

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XAString.h"
#include "engine/XAClangFilePaths.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>

std::string XARuleClassNameOfType(const std::type_info &type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                      std::free);
    std::string name = status == 0 && demangled ? demangled.get() : type.name();
    const std::size_t scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}

std::string XARuleShortNameFromClassName(std::string_view className) {
    std::string shortName(className);
    for (std::size_t found = shortName.find("XARule"); found != std::string::npos; found = shortName.find("XARule")) {
        shortName.erase(found, 6);
    }
    return shortName;
}

const std::vector<XARuleOption> &XARuleOptionsCommonForAllRules() {
    static const std::vector<XARuleOption> options = {XARuleOption::ruleOptionWithName(
        "ignoredFileRegexes", "Regexes for ignored file paths",
        "Suppress diagnostics from this rule in files whose full path matches any of these ICU regular expressions.",
        std::nullopt, XAOptionValueTypeRegexArray)};
    return options;
}

XARuleOptionGroup XARuleDefaultOptionGroup(const std::string &shortName, const XAXMLString &ruleName,
                                           const std::vector<XARuleOption> &options) {
    std::vector<XARuleOption> all = options;
    const std::vector<XARuleOption> &common = XARuleOptionsCommonForAllRules();
    all.insert(all.end(), common.begin(), common.end());
    return XARuleOptionGroup::ruleOptionGroupWithName("Options for rule: " + ruleName.plainString(), shortName,
                                                      std::move(all), false);
}

bool XAOptionValueIsMeaningful(const std::optional<XAOptionValue> &value) {
    if (!value || value->isNull()) {
        return false;
    }
    if (const std::string *text = value->string()) {
        return !xa_trimmed(*text).empty();
    }
    if (value->isNumber()) {
        return value->integer().value_or(0) != 0;
    }
    if (const XAOptionValue::Array *array = value->array()) {
        return !array->empty();
    }
    return true;
}

XADiagnostic XARuleDiagnosticWithFile(const XARuleDescriptor &rule, std::optional<std::string> filePath,
                                      std::optional<XADiagnosticPosition> startPosition,
                                      std::optional<XADiagnosticPosition> endPosition,
                                      std::optional<std::string> positionContext, std::optional<XAXMLString> info,
                                      std::optional<std::string> identifier, XADiagnosticImpact impact,
                                      XADiagnosticSeverity severity, XADiagnosticConfidence confidence) {
    return XADiagnostic::diagnosticWithRuleName(rule.ruleName, rule.shortName, rule.ruleDescription, rule.ruleWarning,
                                                rule.externalLinks, std::move(info), std::move(identifier),
                                                std::move(filePath), startPosition, endPosition,
                                                std::move(positionContext), impact, severity, confidence);
}

XADiagnostic XARuleDiagnosticWithCursor(const XARuleDescriptor &rule, CXCursor cursor, std::optional<XAXMLString> info,
                                        std::optional<std::string> identifier, XADiagnosticImpact impact,
                                        XADiagnosticSeverity severity, XADiagnosticConfidence confidence) {
    const std::optional<XADiagnosticPositions> positions = XADiagnosticPosition::startAndEndPositionsFromCursor(cursor);
    std::optional<std::string> positionContext;
    const CXCursor container =
        XAAncestorOfKinds(cursor, {CXCursor_FunctionDecl, CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl,
                                   CXCursor_ObjCImplementationDecl, CXCursor_ObjCInterfaceDecl,
                                   CXCursor_ObjCCategoryImplDecl, CXCursor_ObjCCategoryDecl});
    const XALibclangFunctions &clang = XALibclang::fn();
    if (!clang.clang_Cursor_isNull(container) && !clang.clang_equalCursors(container, cursor)) {
        positionContext = XACursorDisplayName(container);
        if (positionContext && xa_trimmed(*positionContext).empty()) {
            positionContext.reset();
        }
    }
    std::optional<std::string> filePath = XANormalizedFilePathOfCursor(cursor);
    const bool hasPositions =
        positions && !(positions->first().isZeroPosition() && positions->second().isZeroPosition());
    if (!filePath && !hasPositions) {
        return XANullDiagnostic::nullDiagnostic();
    }
    return XARuleDiagnosticWithFile(
        rule, std::move(filePath), positions ? std::optional(positions->first()) : std::nullopt,
        positions ? std::optional(positions->second()) : std::nullopt, std::move(positionContext), std::move(info),
        std::move(identifier), impact, severity, confidence);
}
