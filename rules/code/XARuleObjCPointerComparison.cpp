// Reports two Objective-C objects compared by address where their values were most likely meant, and leaves alone
// the idioms in which identity is meant: setters, -isEqual: methods, classes, [NSNull null] and the dates that
// -earlierDate: and -laterDate: return.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

#include <array>

struct XARuleObjCPointerComparison : XACursorRule<XARuleObjCPointerComparison> {
    static XAXMLString ruleName() { return XAXMLString("Objective-C object pointer comparison"); }
    static XAXMLString ruleDescription() { return XAXMLString(""); }
    static std::vector<std::string> tags() { return {XARuleTagExperimental}; }
    static std::vector<int> cursorKinds() { return {CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_BinaryOperator) { // the translation unit comes first
            return {};
        }
        const int op = XABinaryOperatorKind(cursor);
        // "!=" is the same mistake as "==".
        if (!XAIsOrderedComparisonOperatorKind(op) && op != kNotEqual) {
            return {};
        }
        const CXCursor left = XAChildAtIndex(cursor, 0);
        const CXCursor right = XAChildAtIndex(cursor, 1);
        if (!isObjectOperand(left) || !isObjectOperand(right) || comparisonIsAllowed(cursor, op, left, right)) {
            return {};
        }
        const bool strings = XACursorIsClass("NSString", XAClassDeclOfCursorType(left)) &&
                             XACursorIsClass("NSString", XAClassDeclOfCursorType(right));
        const bool numbers = XACursorIsClass("NSNumber", XAClassDeclOfCursorType(left)) &&
                             XACursorIsClass("NSNumber", XAClassDeclOfCursorType(right));
        const std::string message = "Comparing <code>" + typeSpelling(left) + "</code> to <code>" +
                                    typeSpelling(right) + "</code> using the <code>" +
                                    xa_escapedForXML(XABinaryOperatorSpelling(op).value_or("")) + "</code> operator" +
                                    suggestion(op, strings, numbers);
        const XADiagnosticConfidence confidence =
            isEquality(op) ? (numbers ? XADiagnosticConfidenceMedium : XADiagnosticConfidenceLow)
                           : XADiagnosticConfidenceHigh;
        return {diagnosticWithCursor(cursor, XAXMLString(message), std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, confidence)};
    }

private:
    static constexpr int kEqual = 14, kNotEqual = 15;

    static bool isEquality(int op) { return op == kEqual || op == kNotEqual; }

    // An object, class or block that is not nil, NULL or 0.
    static bool isObjectOperand(CXCursor operand) {
        return XAIsObjCRetainableTypeKind(XACursorTypeKind(operand)) && !XAIsNullConstantExpr(operand);
    }

    static std::string typeSpelling(CXCursor operand) {
        return xa_escapedForXML(XATypeSpelling(XACursorType(operand)).value_or(""));
    }

    // An identity test that is meant: "==" or "!=" in a setter or an -isEqual... method, of two classes, or with an
    // object known to be unique.
    static bool comparisonIsAllowed(CXCursor cursor, int op, CXCursor left, CXCursor right) {
        if (!isEquality(op)) {
            return false;
        }
        if (parentMethodOfCursorHasPrefix(cursor, "set") || parentMethodOfCursorHasPrefix(cursor, "isEqual")) {
            return true;
        }
        // Under ARC an operand may sit in more than one implicit conversion.
        left = XAStripExprWrappersOfKinds(left, {CXCursor_UnexposedExpr});
        right = XAStripExprWrappersOfKinds(right, {CXCursor_UnexposedExpr});
        if (XACursorTypeKind(left) == CXType_ObjCClass && XACursorTypeKind(right) == CXType_ObjCClass) {
            return true;
        }
        return isUniqueObject(left) || isUniqueObject(right);
    }

    static bool parentMethodOfCursorHasPrefix(CXCursor cursor, std::string_view prefix) {
        const CXCursor routine = XAEnclosingFunctionOrMethod(cursor);
        return !XAIsNullCursor(routine) && XACursorDisplayName(routine).value_or("").starts_with(prefix);
    }

    // The result of [NSNull null], -earlierDate: or -laterDate:, sent or (without arguments) read as a property.
    static bool isUniqueObject(CXCursor operand) {
        struct AllowedResult {
            const char *className;
            const char *selector;
            bool instance;
        };
        constexpr std::array<AllowedResult, 3> allowedResults = {
            {{"NSNull", "null", false}, {"NSDate", "earlierDate:", true}, {"NSDate", "laterDate:", true}}};
        const bool isMemberRef = XALibclang::fn().clang_getCursorKind(operand) == CXCursor_MemberRefExpr;
        for (const AllowedResult &allowed : allowedResults) {
            if (XAMessageCallsMethod(allowed.className, allowed.selector, allowed.instance, operand)) {
                return true;
            }
            if (isMemberRef && std::string_view(allowed.selector).find(':') == std::string_view::npos &&
                XAMethodDeclIsMethod(allowed.className, allowed.selector, allowed.instance,
                                     XALibclang::fn().clang_getCursorReferenced(operand))) {
                return true;
            }
        }
        return false;
    }

    static std::string suggestion(int op, bool strings, bool numbers) {
        if (isEquality(op)) {
            return std::string(" \u2014 perhaps you meant to use <objcmethod>") +
                   (strings ? "-isEqualToString:" : "-isEqual:") + "</objcmethod>";
        }
        if (strings || numbers) {
            return " \u2014 perhaps you meant to use <objcmethod>-compare:</objcmethod>, or compare numeric values "
                   "extracted from the objects (return values of e.g. <objcmethod>-integerValue</objcmethod> or "
                   "<objcmethod>-floatValue</objcmethod>)";
        }
        return "";
    }
};

TESSARY_REGISTER_RULE(XARuleObjCPointerComparison)
