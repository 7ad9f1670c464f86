// Message sends that build collections, boxed numbers or strings, or read and write collection elements the long way,
// where an Objective-C literal, a boxed expression or a subscript would do.

#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAObjCMethod.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

#include <unordered_map>

namespace {

constexpr const char *kExpectLiteralSyntaxForMutableCollections = "expectLiteralSyntaxForMutableCollections";

constexpr const char *kContainerLiteralSuggestion =
    "Consider using an Objective-C container literal expression instead.";
constexpr const char *kSubscriptSuggestion = "Consider using an Objective-C subscript expression instead.";
constexpr const char *kBoxedNumberSuggestion =
    "Consider using Objective-C literal notation (or a boxed expression) instead.";
constexpr const char *kNilTerminationNote =
    "While a nil value for any of the given values to this method will only terminate the argument list, a nil value "
    "in the literal container expression will result in a runtime exception.";

// The first OS X and iOS versions on which the replacing syntax works.
struct XAMinimumVersions {
    const char *OSX;
    const char *iOS;
};

// One method that modern syntax replaces.
struct XAVerboseCall {
    XAObjCMethod method;
    bool isCollectionConstructor;
    const char *suggestion;
    const char *note;                             // null for none
    std::optional<XAMinimumVersions> minVersions; // none: works everywhere
};

std::vector<XAVerboseCall> makeVerboseCalls() {
    const auto classMethod = [](const char *className, const char *selector) {
        return XAObjCMethod::methodWithClassName(className, selector, false);
    };
    const auto instanceMethod = [](const char *className, const char *selector) {
        return XAObjCMethod::methodWithClassName(className, selector, true);
    };
    const XAMinimumVersions subscripts{"10.6", "5.0"};
    std::vector<XAVerboseCall> calls = {
        {classMethod("NSArray", "array"), true, kContainerLiteralSuggestion, nullptr, std::nullopt},
        {classMethod("NSArray", "arrayWithObject:"), true, kContainerLiteralSuggestion, nullptr, std::nullopt},
        {classMethod("NSArray", "arrayWithObjects:"), true, kContainerLiteralSuggestion, kNilTerminationNote,
         std::nullopt},
        {instanceMethod("NSArray", "initWithObjects:"), true, kContainerLiteralSuggestion, kNilTerminationNote,
         std::nullopt},
        {classMethod("NSDictionary", "dictionary"), true, kContainerLiteralSuggestion, nullptr, std::nullopt},
        {classMethod("NSDictionary", "dictionaryWithObject:forKey:"), true, kContainerLiteralSuggestion, nullptr,
         std::nullopt},
        {classMethod("NSDictionary", "dictionaryWithObjects:forKeys:"), true, kContainerLiteralSuggestion, nullptr,
         std::nullopt},
        {classMethod("NSDictionary", "dictionaryWithObjectsAndKeys:"), true, kContainerLiteralSuggestion,
         kNilTerminationNote, std::nullopt},
        {instanceMethod("NSDictionary", "initWithObjects:forKeys:"), true, kContainerLiteralSuggestion, nullptr,
         std::nullopt},
        {instanceMethod("NSDictionary", "initWithObjectsAndKeys:"), true, kContainerLiteralSuggestion,
         kNilTerminationNote, std::nullopt},
        {instanceMethod("NSArray", "objectAtIndex:"), false, kSubscriptSuggestion, nullptr, subscripts},
        {instanceMethod("NSMutableArray", "replaceObjectAtIndex:withObject:"), false, kSubscriptSuggestion, nullptr,
         subscripts},
        {instanceMethod("NSDictionary", "objectForKey:"), false, kSubscriptSuggestion, nullptr, subscripts},
        {instanceMethod("NSMutableDictionary", "setObject:forKey:"), false, kSubscriptSuggestion, nullptr, subscripts},
    };
    for (const char *numberKind :
         {"Bool", "Char", "Double", "Float", "Int", "Integer", "Long", "LongLong", "Short", "UnsignedChar",
          "UnsignedInt", "UnsignedInteger", "UnsignedLong", "UnsignedLongLong", "UnsignedShort"}) {
        const std::string kind = numberKind;
        calls.push_back({classMethod("NSNumber", ("numberWith" + kind + ":").c_str()), false, kBoxedNumberSuggestion,
                         nullptr, std::nullopt});
        calls.push_back({instanceMethod("NSNumber", ("initWith" + kind + ":").c_str()), false, kBoxedNumberSuggestion,
                         nullptr, std::nullopt});
    }
    return calls;
}

// The table, and its rows by the methods' resolution strings: every send is looked up once.
struct XAVerboseCallTable {
    std::vector<XAVerboseCall> calls = makeVerboseCalls();
    std::unordered_map<std::string, std::size_t> indexByUSR = [this] {
        std::unordered_map<std::string, std::size_t> index;
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (!calls[i].method.usr().empty()) {
                index.emplace(calls[i].method.usr(), i);
            }
        }
        return index;
    }();

    static const XAVerboseCallTable &shared() {
        static const XAVerboseCallTable table;
        return table;
    }

    const XAVerboseCall *callSentBy(CXCursor message) const {
        const std::optional<std::string> usr = XAStringFromCXString(
            XALibclang::fn().clang_getCursorUSR(XALibclang::fn().clang_getCursorReferenced(message)));
        const auto found = usr && !usr->empty() ? indexByUSR.find(*usr) : indexByUSR.end();
        return found == indexByUSR.end() ? nullptr : &calls[found->second];
    }
};

std::string callInfo(const std::string &methodName, const std::string &suggestion, const char *note) {
    std::string text =
        "<p><objcmethod>" + xa_escapedForXML(methodName) + "</objcmethod> is called. " + suggestion + "</p>";
    if (note) {
        text += "<p>NOTE: there is a crucial difference between the current implementation and the suggestion here: " +
                std::string(note) + "</p>";
    }
    return text;
}

} // namespace

struct XARuleOldVerboseObjCSyntax : XACursorRule<XARuleOldVerboseObjCSyntax> {
    static XAXMLString ruleName() { return XAXMLString("Old, verbose Objective-C syntax"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns if Objective-C literals, boxed expressions and subscript notation are not used "
                           "whenever possible.</p><p>Xcode can convert existing code to the modern syntax "
                           "automatically: choose <em>Edit \u2192 Refactor \u2192 Convert To Modern Objective-C "
                           "Syntax\u2026</em>.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice", "Style"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Clang documentation: Objective-C Literals",
                                              "https://clang.llvm.org/docs/ObjectiveCLiterals.html"),
                XAExternalLink::linkWithTitle(
                    "WWDC 2012 Session videos (\u201cModern Objective-C\u201d and \u201cMigrating to Modern "
                    "Objective-C\u201d)",
                    "https://developer.apple.com/videos/wwdc2012/")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kExpectLiteralSyntaxForMutableCollections, "Expect literal syntax for mutable collections",
            "Warn if literal syntax is not used to initialize NSMutableArray and NSMutableDictionary.",
            XAOptionValue(false), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr) {
            return {};
        }
        const XAVerboseCall *call = XAVerboseCallTable::shared().callSentBy(cursor);
        if (call && callCounts(*call, cursor, context)) {
            if (!syntaxIsAvailable(*call, context) || XACursorIsInMacroExpansion(cursor)) {
                return {};
            }
            return {diagnostic(cursor, callInfo(call->method.displayName(), call->suggestion, call->note))};
        }
        return stringConversionDiagnostics(cursor);
    }

private:
    static XADiagnostic diagnostic(CXCursor cursor, const std::string &infoMarkup) {
        return diagnosticWithCursor(cursor, XAXMLString(infoMarkup), std::nullopt, XADiagnosticImpactStyle,
                                    XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh);
    }

    // A send to an id-typed receiver does not count, nor one whose receiver must be exactly the row's class and is a
    // subclass: a mutable collection (unless literals are expected for them too) or an NSNumber subclass.
    static bool callCounts(const XAVerboseCall &call, CXCursor message, const XARuleContext &context) {
        const CXCursor receiver = XAStripParensCastsAndUnexposed(XAExplicitMessageReceiver(message));
        if (XACursorType(receiver).kind == CXType_ObjCId) {
            return false;
        }
        const std::string &className = *call.method.className();
        const std::string &selector = call.method.methodName();
        const bool mustBeExactClass =
            call.isCollectionConstructor
                ? !boolForOption(kExpectLiteralSyntaxForMutableCollections, context)
                : xa_isInitMethodName(selector) || xa_isFactoryMethodNameForClassName(selector, className);
        return !mustBeExactClass || XACursorSpelling(XAMessageReceiverClassDecl(message)) == className;
    }

    // Subscripts need a minimum OS version; an unknown one is taken as too old.
    static bool syntaxIsAvailable(const XAVerboseCall &call, const XARuleContext &context) {
        if (!call.minVersions) {
            return true;
        }
        const std::optional<std::string> &minOSVersion = context.targetMinOSVersion();
        if (!minOSVersion) {
            return false;
        }
        const char *required =
            context.targetPlatform() == XAPlatformOSX ? call.minVersions->OSX : call.minVersions->iOS;
        return XACompareVersionStrings(required, *minOSVersion) != XAOrderedDescending;
    }

    // NSString made from a UTF-8 C string, which a boxed C string expression makes too.
    static XADiagnostics stringConversionDiagnostics(CXCursor message) {
        if (XACursorIsInMacroExpansion(message)) {
            return {};
        }
        if (makesStringFromUTF8CString(message)) {
            return {diagnostic(message, "<p><objcmethod>" +
                                            xa_escapedForXML(XAMessageExprMethodDisplayName(message).value_or("")) +
                                            "</objcmethod> is called. Consider using an Objective-C boxed C string "
                                            "instead.</p>")};
        }
        if (XAMessageCallsMethod("NSString", "stringWithFormat:", false, message) &&
            XAStringLiteralArgumentOfMessage(0, message) == "%s") {
            return {diagnostic(message, "<p>The <string>%s</string> format specifier is used to make an "
                                        "<objcclass>NSString</objcclass> from an ASCII C string. Consider using an "
                                        "Objective-C boxed C string instead.</p>")};
        }
        return {};
    }

    static bool makesStringFromUTF8CString(CXCursor message) {
        if (XAMessageCallsMethod("NSString", "stringWithUTF8String:", false, message) ||
            XAMessageCallsMethod("NSString", "initWithUTF8String:", true, message)) {
            return true;
        }
        return (XAMessageCallsMethod("NSString", "stringWithCString:encoding:", false, message) ||
                XAMessageCallsMethod("NSString", "initWithCString:encoding:", true, message)) &&
               XACursorSpelling(XAMessageReceiver(message, 1)) == "NSUTF8StringEncoding";
    }
};

TESSARY_REGISTER_RULE(XARuleOldVerboseObjCSyntax)
