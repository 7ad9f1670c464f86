// Names declared in the project's own code whose prefix a system framework already uses, and classes with a
// two-character prefix, the length Apple keeps for its own frameworks.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAKnownSymbolPrefixes.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

namespace {

constexpr const char *kAllowNonOverlappingTwoCharPrefix = "allowNonOverlappingTwoCharPrefix";
constexpr const char *kThreeCharacterAdvice =
    "The prefixes in your own (or third-party) code should be at least three characters long.";

} // namespace

struct XARuleReservedPrefix : XACursorRule<XARuleReservedPrefix> {
    static XAXMLString ruleName() { return XAXMLString("Reserved symbol prefix"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Two-character prefixes (such as <code>NS</code>) are reserved for Apple’s system "
                           "frameworks. Your own code should use prefixes that are three characters long.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Pedantic"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Programming with Objective-C: Conventions",
                                              "https://developer.apple.com/library/archive/documentation/Cocoa/"
                                              "Conceptual/ProgrammingWithObjectiveC/Conventions/Conventions.html")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kAllowNonOverlappingTwoCharPrefix,
                                                 "Allow two-character prefixes that don’t overlap system frameworks",
                                                 "Don’t warn if there are no known system frameworks using the prefix.",
                                                 XAOptionValue(false), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() {
        return {CXCursor_ObjCInterfaceDecl, CXCursor_FunctionDecl, CXCursor_MacroDefinition, CXCursor_TypedefDecl,
                CXCursor_ObjCProtocolDecl};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInterfaceDecl && kind != CXCursor_FunctionDecl && kind != CXCursor_MacroDefinition &&
            kind != CXCursor_TypedefDecl && kind != CXCursor_ObjCProtocolDecl) {
            return {};
        }
        const std::optional<std::string> prefix = xa_objCClassNamePrefix(XACursorSpelling(cursor).value_or(""));
        if (!prefix) {
            return {};
        }
        if (const XAPrefixInfo *info = knownPrefixInfo(*prefix, context)) {
            return knownPrefixFindings(cursor, *prefix, *info);
        }
        return twoCharacterPrefixFindings(cursor, kind, *prefix, context);
    }

private:
    static const XAPrefixInfo *knownPrefixInfo(const std::string &prefix, const XARuleContext &context) {
        const std::map<std::string, XAPrefixInfo> *table = XAKnownSymbolPrefixesForPlatform(context.targetPlatform());
        if (!table) {
            return nullptr;
        }
        const auto entry = table->find(prefix);
        return entry == table->end() ? nullptr : &entry->second;
    }

    // Forward declarations and root classes (such as a project's own proxy root class) are not declarations of the
    // project's own names under that prefix.
    static XADiagnostics knownPrefixFindings(CXCursor cursor, const std::string &prefix, const XAPrefixInfo &info) {
        if (XAIsClassRefOrRootInterface(cursor) || XAIsProtocolRefOrForwardProtocolDecl(cursor)) {
            return {};
        }
        std::string text = "The <string>" + xa_escapedForXML(prefix) +
                           "</string> prefix is used. This prefix is "
                           "already used in " +
                           xa_escapedForXML(info.ownerAndDescription()) + ".";
        if (info.ownerIsApple()) {
            text += std::string(" ") + kThreeCharacterAdvice;
        }
        return {diagnosticWithCursor(cursor, XAXMLString(text), prefix, XADiagnosticImpactMaintainability,
                                     info.ownerIsApple() ? XADiagnosticSeverityWarning : XADiagnosticSeverityConcern,
                                     XADiagnosticConfidenceAbsolute)};
    }

    static XADiagnostics twoCharacterPrefixFindings(CXCursor cursor, int kind, const std::string &prefix,
                                                    const XARuleContext &context) {
        if (kind != CXCursor_ObjCInterfaceDecl || prefix.size() != 2 ||
            boolForOption(kAllowNonOverlappingTwoCharPrefix, context) || XAIsClassRefOrRootInterface(cursor)) {
            return {};
        }
        const std::string text = "The <string>" + xa_escapedForXML(prefix) +
                                 "</string> prefix is used. Two-character prefixes are reserved for Apple’s system "
                                 "frameworks. " +
                                 xa_escapedForXML(kThreeCharacterAdvice);
        return {diagnosticWithCursor(cursor, XAXMLString(text), prefix, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }
};

TESSARY_REGISTER_RULE(XARuleReservedPrefix)
