// Date formatters given a fixed date format without the invariant locale "en_US_POSIX": with any other locale the
// user's date and time settings can override the format, so fixed-format dates (of network protocols, say) break on
// some devices. A format made from a template is meant for users and is not fixed.
//
// The format and the locale are often set in different methods, even in different files, so the per-cursor phase
// only records every format and every locale given to a formatter, under the formatter's identity, and the phase
// after the code matches them. Files are parsed in any order, so the records are matched independently of it: a
// formatter given "en_US_POSIX" anywhere is never reported, and otherwise the records are taken in the order of
// their files and offsets.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XAVariableDeclarations.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace {

constexpr const char *kPOSIXLocaleIdentifier = "en_US_POSIX";

// Where a record was made, so that records of several files are taken in an order independent of parsing.
struct XARecordPlace {
    std::string filePath;
    unsigned offset = 0;
    bool operator<(const XARecordPlace &other) const {
        return std::tie(filePath, offset) < std::tie(other.filePath, other.offset);
    }
};

XARecordPlace placeOfCursor(CXCursor cursor) {
    return {XACursorFilePath(cursor).value_or(""), XACursorExtentStart(cursor).offset};
}

struct XADateFormatRecord {
    std::string formatterIdentity;
    XARecordPlace place;
    XADiagnostic diagnostic;
};

struct XALocaleRecord {
    std::string formatterIdentity;
    XARecordPlace place;
    std::optional<std::string> localeIdentifier; // none when it cannot be told
};

template <typename Record> void sortByPlace(std::vector<Record> &records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const Record &first, const Record &second) { return first.place < second.place; });
}

bool isMethodDeclKind(CXCursorKind kind) {
    return kind == CXCursor_ObjCInstanceMethodDecl || kind == CXCursor_ObjCClassMethodDecl;
}

} // namespace

struct XARuleFixedFormatDateFormatter : XACursorRule<XARuleFixedFormatDateFormatter> {
    static XAXMLString ruleName() {
        return XAXMLString("Fixed-format <objcclass>NSDateFormatter</objcclass> not using invariant (POSIX) locale");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns when an <objcclass>NSDateFormatter</objcclass> is used with fixed-format dates without the "
            "invariant <string>en_US_POSIX</string> locale. With any other locale the date format may be overwritten "
            "depending on the system’s date and time settings.</p><p>Dates that users see should be formatted with "
            "date and time styles instead of a date format.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Technical Q&A QA1480: NSDateFormatter and Internet Dates",
                                              "https://developer.apple.com/library/archive/qa/qa1480/_index.html"),
                XAExternalLink::linkWithTitle("Data Formatting Guide: Date Formatters: Parsing Date Strings",
                                              "https://developer.apple.com/library/archive/documentation/Cocoa/"
                                              "Conceptual/DataFormatting/Articles/dfDateFormatting10_4.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind == CXCursor_ObjCMessageExpr) {
            recordMessage(cursor, context);
        } else if (kind == CXCursor_BinaryOperator) {
            recordAssignment(cursor, context);
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        const XARuleStateStore &state = context.stateStore();
        std::vector<XADateFormatRecord> formats = state.copyOfStateList<XADateFormatRecord>(dateFormatAssignmentsKey())
                                                      .value_or(std::vector<XADateFormatRecord>{});
        std::vector<XALocaleRecord> locales =
            state.copyOfStateList<XALocaleRecord>(localeAssignmentsKey()).value_or(std::vector<XALocaleRecord>{});
        sortByPlace(formats);
        sortByPlace(locales);
        XADiagnostics found;
        std::set<std::string> reported;
        for (XADateFormatRecord &record : formats) {
            const std::string &identity = record.formatterIdentity;
            if (identity.empty() || reported.contains(identity)) {
                continue;
            }
            const std::vector<std::string> localeIdentifiers = knownLocaleIdentifiers(identity, locales);
            if (std::find(localeIdentifiers.begin(), localeIdentifiers.end(), kPOSIXLocaleIdentifier) !=
                localeIdentifiers.end()) {
                continue;
            }
            if (!localeIdentifiers.empty()) {
                record.diagnostic.setInstanceInfo(XAXMLString("Locale is set to <string>" +
                                                              xa_escapedForXML(localeIdentifiers.front()) +
                                                              "</string> for <objcclass>NSDateFormatter</objcclass> "
                                                              "that uses an explicit date format"));
            }
            reported.insert(identity);
            found.push_back(std::move(record.diagnostic));
        }
        return found;
    }

    // ---- What the per-cursor phase records ----

    // The identity of the formatter an expression gives: the declaration it refers to (a property stands for its
    // instance variable), so that every use of one variable, instance variable or property maps to one identity
    // across methods and files. A formatter returned by a system method ([[NSDateFormatter alloc] init]) is the
    // expression itself: every such expression is a formatter of its own. Empty when nothing is known.
    static std::string uniqueIDForFormatterCursor(CXCursor formatterExpression) {
        const CXCursor referenced = XALibclang::fn().clang_getCursorReferenced(formatterExpression);
        if (XAIsNullCursor(referenced)) {
            return "";
        }
        if (isMethodDeclKind(referenced.kind) && XACursorIsInSystemHeader(referenced)) {
            return XACursorUniqueKey(formatterExpression).value_or("");
        }
        return XACursorDebugDescription(XAPropertyIvarOrSelf(referenced));
    }

    // The locale identifier a locale expression gives, followed through the values the function gives a variable;
    // none when it is not known (+[NSLocale currentLocale], say).
    static std::optional<std::string> localeIDFromNSLocaleCursor(CXCursor locale, CXCursor function) {
        locale = XAStripParensCastsAndUnexposed(locale);
        if (locale.kind == CXCursor_DeclRefExpr) {
            std::optional<std::string> identifier;
            visitNonVariableValues(locale, function,
                                   [&](CXCursor value) { identifier = localeIDFromNSLocaleCursor(value, function); });
            return identifier;
        }
        for (CXCursor message = locale; message.kind == CXCursor_ObjCMessageExpr;
             message = XAStripParensCastsAndUnexposed(XAExplicitMessageReceiver(message))) {
            if (XAMessageCallsMethod("NSLocale", "initWithLocaleIdentifier:", true, message) ||
                XAMessageCallsMethod("NSLocale", "localeWithLocaleIdentifier:", false, message)) {
                return XAStringLiteralArgumentOfMessage(0, message);
            }
        }
        return std::nullopt;
    }

    // Whether a format expression is made from a template, followed through the values the function gives a
    // variable.
    static bool dateFormatIsFromTemplate(CXCursor format, CXCursor function) {
        format = XAStripParensCastsAndUnexposed(format);
        if (format.kind == CXCursor_DeclRefExpr) {
            bool fromTemplate = false;
            visitNonVariableValues(format, function,
                                   [&](CXCursor value) { fromTemplate = dateFormatIsFromTemplate(value, function); });
            return fromTemplate;
        }
        return XAMessageCallsMethod("NSDateFormatter", "dateFormatFromTemplate:options:locale:", false, format);
    }

private:
    static std::string dateFormatAssignmentsKey() { return ruleShortName() + "_dateFormatAssignments"; }
    static std::string localeAssignmentsKey() { return ruleShortName() + "_localeAssignments"; }

    // The values the function gives the variable, leaving out those that are themselves variables.
    template <typename Block> static void visitNonVariableValues(CXCursor reference, CXCursor function, Block block) {
        XAVisitValuesAssignedToVariable(reference, function, [&](CXCursor value) {
            if (XAStripParensCastsAndUnexposed(value).kind != CXCursor_DeclRefExpr) {
                block(value);
            }
        });
    }

    static void recordMessage(CXCursor message, XARuleContext &context) {
        const CXCursor function = XAEnclosingFunctionOrMethod(message);
        const CXCursor formatter = XAExplicitMessageReceiver(message);
        if (XAMessageCallsMethod("NSDateFormatter", "setDateFormat:", true, message)) {
            recordDateFormat(message, formatter, XAMessageReceiver(message, 0), function, context);
        } else if (XAMessageCallsMethod("NSDateFormatter", "setLocale:", true, message)) {
            recordLocale(message, formatter, XAMessageReceiver(message, 0), function, context);
        }
    }

    // formatter.dateFormat = ... and formatter.locale = ...
    static void recordAssignment(CXCursor assignment, XARuleContext &context) {
        const CXCursor memberReference = XAChildAtIndex(assignment, 0);
        if (XABinaryOperatorKind(assignment) != XABinaryOperatorKindAssign ||
            memberReference.kind != CXCursor_MemberRefExpr) {
            return;
        }
        const CXCursor formatter = XAChildAtIndex(memberReference, 0);
        const CXCursor member = XALibclang::fn().clang_getCursorReferenced(memberReference);
        const CXCursor value = XAChildAtIndex(assignment, 1);
        const CXCursor function = XAEnclosingFunctionOrMethod(assignment);
        if (XAMethodDeclIsMethod("NSDateFormatter", "setDateFormat:", true, member) ||
            XAPropertyDeclIsProperty("NSDateFormatter", "dateFormat", member)) {
            recordDateFormat(assignment, formatter, value, function, context);
        } else if (XAMethodDeclIsMethod("NSDateFormatter", "setLocale:", true, member) ||
                   XAPropertyDeclIsProperty("NSDateFormatter", "locale", member)) {
            recordLocale(assignment, formatter, value, function, context);
        }
    }

    static void recordDateFormat(CXCursor place, CXCursor formatter, CXCursor format, CXCursor function,
                                 XARuleContext &context) {
        if (dateFormatIsFromTemplate(format, function)) {
            return;
        }
        context.stateStore().addValueToStateList(
            XADateFormatRecord{uniqueIDForFormatterCursor(formatter), placeOfCursor(place),
                               diagnosticWithCursor(place, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                                    XADiagnosticSeverityWarning, XADiagnosticConfidenceLow)},
            dateFormatAssignmentsKey());
    }

    static void recordLocale(CXCursor place, CXCursor formatter, CXCursor locale, CXCursor function,
                             XARuleContext &context) {
        context.stateStore().addValueToStateList(XALocaleRecord{uniqueIDForFormatterCursor(formatter),
                                                                placeOfCursor(place),
                                                                localeIDFromNSLocaleCursor(locale, function)},
                                                 localeAssignmentsKey());
    }

    // The known, non-empty locale identifiers given to the formatter, in the records' order.
    static std::vector<std::string> knownLocaleIdentifiers(const std::string &identity,
                                                           const std::vector<XALocaleRecord> &locales) {
        std::vector<std::string> identifiers;
        for (const XALocaleRecord &record : locales) {
            if (record.formatterIdentity == identity && record.localeIdentifier && !record.localeIdentifier->empty()) {
                identifiers.push_back(*record.localeIdentifier);
            }
        }
        return identifiers;
    }
};

TESSARY_REGISTER_RULE(XARuleFixedFormatDateFormatter)
