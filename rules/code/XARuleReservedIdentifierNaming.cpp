// Names that the C standard reserves for any use (a leading underscore followed by a capital or another underscore)
// and type names that POSIX reserves (ending in "_t").

#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorText.h"
#include "engine/XARule.h"

namespace {

constexpr const char *kCheckCStandard = "checkCStandard";
constexpr const char *kCheckPOSIXStandard = "checkPOSIXStandard";

bool isReservedByCStandard(const std::string &name) {
    return name.size() >= 2 && name[0] == '_' && (name[1] == '_' || (name[1] >= 'A' && name[1] <= 'Z'));
}

} // namespace

struct XARuleReservedIdentifierNaming : XACursorRule<XARuleReservedIdentifierNaming> {
    static XAXMLString ruleName() { return XAXMLString("Reserved identifier name"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when identifiers are named using conventions reserved by the C standard or POSIX.");
    }
    static std::vector<std::string> tags() { return {"Pedantic"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
                    kCheckCStandard, "Check for identifier names reserved by the C standard",
                    "Identifiers that begin with two underscores, or an underscore and an uppercase letter.",
                    XAOptionValue(true), XAOptionValueTypeBool),
                XARuleOption::ruleOptionWithName(
                    kCheckPOSIXStandard, "Check for identifier names reserved by the POSIX standard",
                    "Typedef identifiers that end in “_t”.", XAOptionValue(true), XAOptionValueTypeBool)};
    }
    // Every declaration kind, and macro definitions.
    static std::vector<int> cursorKinds() {
        std::vector<int> kinds;
        for (int kind = CXCursor_UnexposedDecl; kind <= CXCursor_CXXAccessSpecifier; ++kind) {
            kinds.push_back(kind);
        }
        kinds.push_back(CXCursor_MacroDefinition);
        return kinds;
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_MacroDefinition && !XALibclang::fn().clang_isDeclaration(CXCursorKind(kind))) {
            return {};
        }
        const std::string name = XACursorSpelling(cursor).value_or("");
        if (boolForOption(kCheckCStandard, context) && isReservedByCStandard(name)) {
            if (XACursorIsInMacroExpansion(cursor)) {
                return {};
            }
            return {finding(cursor, name,
                            "All identifiers that begin with an underscore and either an uppercase letter or another "
                            "underscore are always reserved for any use (the C99 standard §7.1.3)")};
        }
        if (kind == CXCursor_TypedefDecl && boolForOption(kCheckPOSIXStandard, context) && name.ends_with("_t") &&
            !XACursorIsInMacroExpansion(cursor)) {
            return {finding(cursor, name,
                            "POSIX reserves all names that end in <string>_t</string> for future use as types.")};
        }
        return {};
    }

private:
    static XADiagnostic finding(CXCursor cursor, const std::string &name, const std::string &reason) {
        const XAXMLString text("An identifier is named <codesymbol>" + name + "</codesymbol>. " + reason);
        return diagnosticWithCursor(cursor, text, name, XADiagnosticImpactMaintainability, XADiagnosticSeverityConcern,
                                    XADiagnosticConfidenceAbsolute);
    }
};

TESSARY_REGISTER_RULE(XARuleReservedIdentifierNaming)
