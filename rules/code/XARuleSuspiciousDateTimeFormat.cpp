// Date formats that use the week-year specifier (upper-case Y) where the calendar year (lower-case y) is most likely
// meant: the two differ around the turn of the year. A format that also has a week-of-year field uses the week-year
// on purpose. The per-cursor phase collects the findings; the phase after the code returns them.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XAPossibleStringValues.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XADates.h"
#include "engine/XARule.h"

namespace {

constexpr const char *kProvisionalDiagnosticsKey = "SuspiciousDateTimeFormat_ProvisionalDiagnostics";
constexpr const char *kWebServiceBaseAddress = "https://tessary.quenby.org";

struct XASuspiciousSpecifier {
    const char *specifier;
    const char *replacement;
};

// Longest first, so that the whole run of "Y" is named.
constexpr XASuspiciousSpecifier kSuspiciousSpecifiers[] = {{"YYYY", "yyyy"}, {"YYY", "yyy"}, {"YY", "yy"}, {"Y", "y"}};

} // namespace

struct XARuleSuspiciousDateTimeFormat : XACursorRule<XARuleSuspiciousDateTimeFormat> {
    static XAXMLString ruleName() { return XAXMLString("Suspicious date-time format"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns about date-time formats that are likely to behave unintentionally, for example "
                           "‘week-year’ specifiers (upper-case <string>Y</string>) instead of ‘calendar year’ "
                           "specifiers (lower-case <string>y</string>).");
    }
    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
                    "Data Formatting Guide: Date Formatters: Use Format Strings to Specify Custom Formats: Fixed "
                    "Formats",
                    "https://developer.apple.com/library/archive/documentation/Cocoa/Conceptual/DataFormatting/"
                    "Articles/dfDateFormatting10_4.html#//apple_ref/doc/uid/TP40002369-SW13"),
                XAExternalLink::linkWithTitle("Tessary Issue #53: Optional warning about using “Week Year” based year "
                                              "instead of “Calendar Year” date format strings",
                                              std::string(kWebServiceBaseAddress) + "/issues" + "/53")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr && kind != CXCursor_BinaryOperator) {
            return {};
        }
        const CXCursor format = XAStripParensCastsAndUnexposed(formatExpression(cursor));
        if (XAIsNullCursor(format)) {
            return {};
        }
        const XAPossibleStrings values = XAPossibleStringValues(format);
        if (!values) {
            return {};
        }
        for (const std::string &value : *values) {
            const std::string withoutLiterals = xa_dateFormatWithoutLiteralParts(value);
            if (withoutLiterals.find('w') != std::string::npos) {
                continue;
            }
            for (const XASuspiciousSpecifier &row : kSuspiciousSpecifiers) {
                if (withoutLiterals.find(row.specifier) != std::string::npos) {
                    context.stateStore().addValueToStateList(diagnostic(cursor, withoutLiterals, row),
                                                             kProvisionalDiagnosticsKey);
                    return {};
                }
            }
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        return context.stateStore().copyOfStateList<XADiagnostic>(kProvisionalDiagnosticsKey).value_or(XADiagnostics{});
    }

private:
    // The format a message or an assignment gives a date formatter; the null cursor for anything else.
    static CXCursor formatExpression(CXCursor cursor) {
        if (XAMessageCallsMethod("NSDateFormatter", "setDateFormat:", true, cursor) ||
            XAMessageCallsMethod("NSDateFormatter", "dateFormatFromTemplate:options:locale:", false, cursor)) {
            return XAMessageReceiver(cursor, 0);
        }
        if (cursor.kind == CXCursor_BinaryOperator && XABinaryOperatorKind(cursor) == XABinaryOperatorKindAssign &&
            XAMemberRefIsProperty("NSDateFormatter", "dateFormat", XAChildAtIndex(cursor, 0))) {
            return XAChildAtIndex(cursor, 1);
        }
        return XALibclang::fn().clang_getNullCursor();
    }

    static XADiagnostic diagnostic(CXCursor cursor, const std::string &format, const XASuspiciousSpecifier &row) {
        return diagnosticWithCursor(
            cursor,
            XAXMLString("The date format <string>" + format + "</string> uses the ‘week-year’ specifier <string>" +
                        row.specifier + "</string> which might not be desirable — perhaps <string>" + row.replacement +
                        "</string> was meant instead. (For example, the ‘week-year’ specifier will yield ‘2015’ for "
                        "the date of December 31, 2014.)"),
            std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium);
    }
};

TESSARY_REGISTER_RULE(XARuleSuspiciousDateTimeFormat)
