// String literals handed straight to user-interface APIs that show them (label texts, alert titles and buttons, bar
// item titles, mail subjects) instead of going through NSLocalizedString. Two fixed tables name those APIs: text
// properties, set by dot syntax or by their setter, and methods with the positions of their text arguments.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAObjCMethod.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"

#include <set>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace {

struct TextProperty {
    std::string className;
    std::string propertyName;
};

struct TextMethod {
    XAObjCMethod method;
    std::vector<std::uint64_t> textArgumentPositions;
    // The last listed position starts a nil-terminated list of further texts.
    bool lastPositionIsVariadic = false;
};

const std::vector<TextProperty> &textProperties() {
    static const std::vector<TextProperty> properties = {
        {"UILabel", "text"},
        {"UIActionSheet", "title"},
        {"UIAlertView", "title"},
        {"UIAlertView", "message"},
        {"UITextView", "text"},
        {"UITextField", "text"},
        {"UITextField", "placeholder"},
        {"UISearchBar", "text"},
        {"UISearchBar", "placeholder"},
        {"UISearchBar", "prompt"},
        {"UITabBarItem", "badgeValue"},
        {"UIBarItem", "title"},
        {"UIViewController", "title"},
        {"UINavigationItem", "title"},
        {"UINavigationItem", "prompt"},
        {"UITableViewCell", "text"},
        {"UIMenuItem", "title"},
        {"MKShape", "title"},
        {"MKShape", "subtitle"},
        {"MKUserLocation", "title"},
        {"MKUserLocation", "subtitle"},
        {"MFMessageComposeViewController", "body"},
        {"GKTurnBasedMatch", "message"},
    };
    return properties;
}

TextMethod instanceMethod(std::string className, std::string selector, std::vector<std::uint64_t> positions,
                          bool variadic = false) {
    return {XAObjCMethod::methodWithClassName(std::move(className), std::move(selector), true), std::move(positions),
            variadic};
}

// The methods with text arguments, then the setter of every text property. Made on first use, when libclang is
// loaded (a method's identity comes from libclang).
const std::vector<TextMethod> &textMethods() {
    static const std::vector<TextMethod> methods = [] {
        std::vector<TextMethod> list = {
            instanceMethod("UIButton", "setTitle:forState:", {0}),
            instanceMethod("UIActionSheet",
                           "initWithTitle:delegate:cancelButtonTitle:destructiveButtonTitle:otherButtonTitles:",
                           {0, 2, 3, 4}, true),
            instanceMethod("UIActionSheet", "addButtonWithTitle:", {0}),
            instanceMethod("UIAlertView",
                           "initWithTitle:message:delegate:cancelButtonTitle:otherButtonTitles:", {0, 1, 3, 4}, true),
            instanceMethod("UIAlertView", "addButtonWithTitle:", {0}),
            instanceMethod("UIBarButtonItem", "initWithTitle:style:target:action:", {0}),
            instanceMethod("UITabBarItem", "initWithTitle:image:tag:", {0}),
            instanceMethod("UINavigationItem", "initWithTitle:", {0}),
            instanceMethod("UISegmentedControl", "setTitle:forSegmentAtIndex:", {0}),
            instanceMethod("UIMenuItem", "initWithTitle:action:", {0}),
            instanceMethod("MFMailComposeViewController", "setSubject:", {0}),
            instanceMethod("MFMailComposeViewController", "setMessageBody:isHTML:", {0}),
        };
        for (const TextProperty &property : textProperties()) {
            list.push_back(
                instanceMethod(property.className, "set" + xa_firstCharCapitalized(property.propertyName) + ":", {0}));
        }
        return list;
    }();
    return methods;
}

// The selectors of the methods above: most messages are none of them, and a selector is cheaper to compare than a
// method's identity.
const std::set<std::string> &textMethodSelectors() {
    static const std::set<std::string> selectors = [] {
        std::set<std::string> names;
        for (const TextMethod &row : textMethods()) {
            names.insert(row.method.methodName());
        }
        return names;
    }();
    return selectors;
}

// Letters as the platform counts alphanumerics (letters, marks and numbers of every script), less the ten digits.
bool isLetter(UChar32 c) {
    if (c >= '0' && c <= '9') {
        return false;
    }
    return (U_GET_GC_MASK(c) & (U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK)) != 0;
}

std::vector<UChar32> codePointsOf(const std::string &text) {
    std::vector<UChar32> codePoints;
    const auto *bytes = reinterpret_cast<const uint8_t *>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        codePoints.push_back(c);
    }
    return codePoints;
}

} // namespace

struct XARuleHardcodedUIString : XACursorRule<XARuleHardcodedUIString> {
    static XAXMLString ruleName() { return XAXMLString("UI String not localized"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("All strings given to APIs that display them in the user interface should be routed "
                           "through <codesymbol>NSLocalizedString()</codesymbol> and its relatives.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Recommended", "Localization"}; }

    // Worth a finding when, with every non-letter trimmed from both ends, more than one character is left: "OK" and
    // "%d files" are, a single letter, a number, a lone format specifier or an ellipsis are not.
    static bool UIStringIsWorthComplainingAbout(const std::optional<std::string> &text) {
        if (!text || xa_trimmed(*text).empty()) {
            return false;
        }
        const std::vector<UChar32> codePoints = codePointsOf(*text);
        auto first = codePoints.begin();
        auto last = codePoints.end();
        while (first != last && !isLetter(*first)) {
            ++first;
        }
        while (last != first && !isLetter(*(last - 1))) {
            --last;
        }
        return last - first > 1;
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        std::optional<XADiagnostic> diagnostic;
        if (kind == CXCursor_BinaryOperator) {
            diagnostic = textPropertyAssignment(cursor);
        } else if (kind == CXCursor_ObjCMessageExpr) {
            diagnostic = textMethodMessage(cursor);
        }
        return diagnostic ? XADiagnostics{std::move(*diagnostic)} : XADiagnostics{};
    }

private:
    static std::optional<XADiagnostic> textPropertyAssignment(CXCursor assignment) {
        if (XABinaryOperatorKind(assignment) != CXTessaryBinaryOperator_Assign) {
            return std::nullopt;
        }
        const CXCursor target = XAChildAtIndex(assignment, 0);
        if (target.kind != CXCursor_MemberRefExpr) {
            return std::nullopt;
        }
        for (const TextProperty &property : textProperties()) {
            if (!XAMemberRefIsProperty(property.className, property.propertyName, target)) {
                continue;
            }
            const std::optional<std::string> value = XAStringLiteralValue(XAChildAtIndex(assignment, 1));
            if (UIStringIsWorthComplainingAbout(value)) {
                return diagnosticWithCursor(assignment,
                                            XAXMLString("<objcproperty>" + xa_escapedForXML(property.className) + "." +
                                                        xa_escapedForXML(property.propertyName) +
                                                        "</objcproperty> value set to string <string>" +
                                                        xa_escapedForXML(*value) + "</string>"),
                                            std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityError,
                                            XADiagnosticConfidenceHigh);
            }
        }
        return std::nullopt;
    }

    static std::vector<std::optional<std::string>> textArguments(const TextMethod &row, CXCursor message) {
        std::vector<std::optional<std::string>> texts;
        for (std::size_t i = 0; i < row.textArgumentPositions.size(); ++i) {
            const std::uint64_t position = row.textArgumentPositions[i];
            if (row.lastPositionIsVariadic && i + 1 == row.textArgumentPositions.size()) {
                if (const auto rest = XAStringLiteralArgumentsOfMessage(position, message)) {
                    texts.insert(texts.end(), rest->begin(), rest->end());
                }
            } else {
                texts.push_back(XAStringLiteralArgumentOfMessage(position, message));
            }
        }
        return texts;
    }

    static std::optional<XADiagnostic> textMethodMessage(CXCursor message) {
        const CXCursor method = XALibclang::fn().clang_getCursorReferenced(message);
        if (!textMethodSelectors().contains(XACursorSpelling(method).value_or(""))) {
            return std::nullopt;
        }
        for (const TextMethod &row : textMethods()) {
            if (!row.method.matchesMethodDecl(method)) {
                continue;
            }
            std::vector<std::string> kept;
            for (const std::optional<std::string> &text : textArguments(row, message)) {
                if (UIStringIsWorthComplainingAbout(text)) {
                    kept.push_back("<string>" + xa_escapedForXML(*text) + "</string>");
                }
            }
            if (kept.empty()) {
                continue;
            }
            const std::string methodName = XAMessageExprMethodDisplayName(message).value_or(row.method.displayName());
            return diagnosticWithCursor(
                message,
                XAXMLString("<objcmethod>" + xa_escapedForXML(methodName) + "</objcmethod> called with " +
                            (kept.size() == 1 ? "string " : "strings ") + xa_componentsJoinedByString(kept, ", ")),
                std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityError, XADiagnosticConfidenceHigh);
        }
        return std::nullopt;
    }
};

TESSARY_REGISTER_RULE(XARuleHardcodedUIString)
