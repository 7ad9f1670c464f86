// Uses of system APIs (methods, functions, classes, protocols, types, enumeration constants, variables) that became
// available on the target's platform only after the target's minimum deployment target. The version comes from a
// small built-in table, else from the declaration's availability attributes. Code that the compiler knows to run
// only on a version that has the API is never reported: code guarded by @available or __builtin_available, and code
// of a routine, class or category itself declared available from that version on. By default a routine that looks
// as if it tests in another way at run time whether an API of that version exists is left alone.

#include "codemodel/clang/XAAvailabilityGuards.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XAVersionStrings.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace {
constexpr const char *kAvoidFalsePositives = "avoidFalsePositives";
constexpr int kNotEqualOperatorKind = 15;
constexpr int kAddressOfOperatorKind = 5;
constexpr int kAvailabilityBufferSize = 100;

// Declarations whose version is known better than their headers say.
struct KnownAvailability {
    CXCursorKind kind;
    std::string_view name;
    std::string_view version;
};
constexpr std::array<KnownAvailability, 1> kKnownAvailability = {{
    {CXCursor_EnumConstantDecl, "UITableViewRowAnimationAutomatic", "5.0"},
}};

// Names never reported: they existed under the same values long before the attributes that declare them say.
const std::set<std::string, std::less<>> &exemptNames() {
    static const std::set<std::string, std::less<>> names = {
        "NSLineBreakByWordWrapping",   "NSLineBreakByCharWrapping",      "NSLineBreakByClipping",
        "NSLineBreakByTruncatingHead", "NSLineBreakByTruncatingTail",    "NSLineBreakByTruncatingMiddle",
        "NSTextAlignmentLeft",         "NSTextAlignmentCenter",          "NSTextAlignmentRight",
        "NSFontAttributeName",         "NSForegroundColorAttributeName", "UIToolbarPosition",
        "UIToolbarPositionAny",        "UIToolbarPositionBottom",        "UIToolbarPositionTop"};
    return names;
}

// The cursor kinds that name an API.
constexpr std::array<CXCursorKind, 11> kUseKinds = {
    CXCursor_EnumConstantDecl, CXCursor_ObjCProtocolRef,  CXCursor_ObjCClassRef,  CXCursor_TypeRef,
    CXCursor_MemberRef,        CXCursor_DeclRefExpr,      CXCursor_MemberRefExpr, CXCursor_CallExpr,
    CXCursor_ObjCMessageExpr,  CXCursor_ObjCProtocolExpr, CXCursor_MacroExpansion};

// The platform an availability entry names. libclang names OS X "macos" whatever the source wrote.
XAPlatform platformOfAvailabilityName(std::string_view name) {
    if (name == "ios" || name == "ios_app_extension") {
        return XAPlatformIOS;
    }
    if (name == "macos" || name == "macosx" || name == "macos_app_extension") {
        return XAPlatformOSX;
    }
    return XAPlatformOther;
}
} // namespace

struct XARuleAPIAvailability : XACursorRule<XARuleAPIAvailability> {
    static XAXMLString ruleName() { return XAXMLString("Use of API not available in the minimum deployment target"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns about uses of system APIs that are not available in the minimum deployment target "
                           "that the project's target is configured to support.");
    }
    static std::optional<XAXMLString> ruleWarning() {
        return XAXMLString("This rule will produce false positives in many cases due to the fact that it cannot "
                           "detect many runtime API availability checks that your code may contain.");
    }
    static std::vector<std::string> tags() { return {"APIUsage"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kAvoidFalsePositives, "Avoid false positives",
            "Suppress warnings if it looks like appropriate runtime API availability checks might be in place. Will "
            "most likely produce false negatives instead.",
            XAOptionValue(true), XAOptionValueTypeBool)};
    }

    // The introduced version as "major.minor.subminor" without its missing (-1) parts: "7.0" for 7.0.-1,
    // "10.10.3", "5" for 5.-1.-1; no value without an introduced version.
    static std::optional<std::string> availabilityVersionString(const CXPlatformAvailability &availability) {
        const CXVersion &introduced = availability.Introduced;
        if (introduced.Major == -1) {
            return std::nullopt;
        }
        std::string version = std::to_string(introduced.Major) + "." + std::to_string(introduced.Minor) + "." +
                              std::to_string(introduced.Subminor);
        for (std::size_t missing = version.find(".-1"); missing != std::string::npos; missing = version.find(".-1")) {
            version.erase(missing, 3);
        }
        return version;
    }

    // The version in which the declaration became available on the platform. Of several entries for the platform
    // (ios and ios_app_extension) the last one with an introduced version decides: an entry that only marks the API
    // unavailable for extensions keeps the version found before it.
    static std::optional<std::string> firstPlatformVersionWhereCursorIsAvailable(CXCursor declaration,
                                                                                 XAPlatform platform) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXCursorKind kind = clang.clang_getCursorKind(declaration);
        for (const KnownAvailability &known : kKnownAvailability) {
            if (kind == known.kind && XACursorSpelling(declaration) == known.name) {
                return std::string(known.version);
            }
        }
        std::array<CXPlatformAvailability, kAvailabilityBufferSize> entries{};
        const int reported = clang.clang_getCursorPlatformAvailability(declaration, nullptr, nullptr, nullptr, nullptr,
                                                                       entries.data(), kAvailabilityBufferSize);
        const int count = std::min(reported, kAvailabilityBufferSize);
        std::optional<std::string> version;
        for (int index = 0; index < count; ++index) {
            // The entry owns its platform name, which clang_disposeCXPlatformAvailability frees.
            const char *name = clang.clang_getCString(entries[index].Platform);
            if (name && platformOfAvailabilityName(name) == platform) {
                if (std::optional<std::string> introduced = availabilityVersionString(entries[index])) {
                    version = std::move(introduced);
                }
            }
            clang.clang_disposeCXPlatformAvailability(&entries[index]);
        }
        return version;
    }

    // Whether the candidate is an if statement or ?: expression whose condition tests at run time for an API of the
    // version. The use itself plays no part: a guard anywhere in the routine counts.
    static bool doesCursorGuardForCursor(CXCursor candidate, CXCursor /*use*/, const std::string &version,
                                         XAPlatform platform) {
        if (candidate.kind != CXCursor_IfStmt && candidate.kind != CXCursor_ConditionalOperator) {
            return false;
        }
        const CXCursor condition = XAChildAtIndex(candidate, 0);
        if (XAIsNullCursor(condition)) {
            return false;
        }
        if (testsAvailability(condition, version, platform)) {
            return true;
        }
        bool found = false;
        XAVisitChildren(condition, [&](CXCursor descendant) {
            found = testsAvailability(descendant, version, platform);
            return found ? CXChildVisit_Break : CXChildVisit_Recurse;
        });
        return found;
    }

    static bool isCursorGuardedForVersion(CXCursor use, const std::string &version, CXCursor routine,
                                          XAPlatform platform) {
        bool guarded = false;
        XAVisitChildren(routine, [&](CXCursor descendant) {
            guarded = doesCursorGuardForCursor(descendant, use, version, platform);
            return guarded ? CXChildVisit_Break : CXChildVisit_Recurse;
        });
        return guarded;
    }

    static std::vector<int> cursorKinds() {
        return {CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl, CXCursor_FunctionDecl};
    }

    static XADiagnostics applyToCursor(CXCursor routine, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_FunctionDecl && kind != CXCursor_ObjCInstanceMethodDecl &&
            kind != CXCursor_ObjCClassMethodDecl) {
            return {};
        }
        // Without a known platform and deployment target (an empty setting included) there is nothing to compare
        // with.
        const XAPlatform platform = context.targetPlatform();
        const std::optional<std::string> &minimumVersion = context.targetMinOSVersion();
        if (platform == XAPlatformOther || !minimumVersion || minimumVersion->empty()) {
            return {};
        }
        RoutineCheck check(routine, platform, *minimumVersion, boolForOption(kAvoidFalsePositives, context));
        XAVisitChildren(routine, [&](CXCursor cursor, CXCursor parent) { return check.visit(cursor, parent); });
        return std::move(check.diagnostics);
    }

private:
    // The walk over one routine.
    struct RoutineCheck {
        RoutineCheck(CXCursor routine, XAPlatform platform, std::string minimumVersion, bool avoidFalsePositives)
            : routine(routine), platform(platform), minimumVersion(std::move(minimumVersion)),
              avoidFalsePositives(avoidFalsePositives), declaredVersion(declaredAvailability(routine, platform)),
              guardedRanges(XAAvailabilityGuardedRanges(routine, platform)) {}

        CXCursor routine;
        XAPlatform platform;
        std::string minimumVersion;
        bool avoidFalsePositives;
        std::optional<std::string> declaredVersion; // from which the routine's code may run
        std::vector<XAAvailabilityGuardedRange> guardedRanges;
        std::map<std::string, bool> guardedByVersion; // the guard search depends on the version only
        std::set<std::string> caseLabels;             // debugging descriptions of the labels seen
        XADiagnostics diagnostics;

        CXChildVisitResult visit(CXCursor cursor, CXCursor parent) {
            if (isConditionOfIfStatement(cursor, parent)) {
                return CXChildVisit_Continue;
            }
            if (cursor.kind == CXCursor_CaseStmt) {
                caseLabels.insert(XACursorDebugDescription(XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 0))));
            }
            if (!XAKindIsInList(cursor.kind, kUseKinds)) {
                return CXChildVisit_Recurse;
            }
            const CXCursor declaration = XALibclang::fn().clang_getCursorReferenced(cursor);
            const std::optional<std::string> version =
                firstPlatformVersionWhereCursorIsAvailable(declaration, platform);
            if (!version || XACompareVersionStrings(minimumVersion, *version) != XAOrderedAscending) {
                return CXChildVisit_Recurse;
            }
            const std::optional<std::string> spelling = XACursorSpelling(cursor);
            if (spelling && exemptNames().contains(*spelling)) {
                return CXChildVisit_Recurse;
            }
            if (runsOnlyFromVersion(cursor, *version)) {
                return CXChildVisit_Recurse;
            }
            if (avoidFalsePositives && looksGuarded(cursor, parent, *version)) {
                return CXChildVisit_Recurse;
            }
            report(cursor, *version);
            // The callee inside a reported call would be the same API a second time.
            return cursor.kind == CXCursor_CallExpr ? CXChildVisit_Continue : CXChildVisit_Recurse;
        }

        static bool isConditionOfIfStatement(CXCursor cursor, CXCursor parent) {
            return parent.kind == CXCursor_IfStmt &&
                   XACursorDebugDescription(cursor) == XACursorDebugDescription(XAChildAtIndex(parent, 0));
        }

        // Code of a routine declared available from the version on, or inside an availability check for it.
        bool runsOnlyFromVersion(CXCursor cursor, const std::string &version) const {
            if (declaredVersion && XACompareVersionStrings(version, *declaredVersion) != XAOrderedDescending) {
                return true;
            }
            const XACursorPosition start = XACursorExtentStart(cursor);
            return std::any_of(guardedRanges.begin(), guardedRanges.end(),
                               [&](const XAAvailabilityGuardedRange &range) {
                                   return range.contains(start.file, start.offset) &&
                                          XACompareVersionStrings(version, range.version) != XAOrderedDescending;
                               });
        }

        // Parameter types, run-time availability tests in the routine, and case labels.
        bool looksGuarded(CXCursor cursor, CXCursor parent, const std::string &version) {
            if (parent.kind == CXCursor_ParmDecl) {
                return true;
            }
            auto [known, inserted] = guardedByVersion.try_emplace(version, false);
            if (inserted) {
                known->second = isCursorGuardedForVersion(cursor, version, routine, platform);
            }
            if (known->second) {
                return true;
            }
            return cursor.kind == CXCursor_DeclRefExpr && isCaseLabel(cursor, parent);
        }

        // The label of a case, directly or under the constant-expression wrapper that newer libclang versions put
        // between the case and its label.
        bool isCaseLabel(CXCursor cursor, CXCursor parent) const {
            return parent.kind == CXCursor_CaseStmt || caseLabels.contains(XACursorDebugDescription(cursor));
        }

        void report(CXCursor cursor, const std::string &version) {
            const std::string name = (cursor.kind == CXCursor_ObjCMessageExpr ? XAMessageExprMethodDisplayName(cursor)
                                                                              : XACursorDisplayName(cursor))
                                         .value_or("");
            const XAXMLString info("<codesymbol>" + xa_escapedForXML(name) + "</codesymbol> is only available since " +
                                   xa_escapedForXML(version) + ", but the minimum deployment target is " +
                                   xa_escapedForXML(minimumVersion));
            diagnostics.push_back(diagnosticWithCursor(cursor, info, name, XADiagnosticImpactFunctionality,
                                                       XADiagnosticSeverityError, XADiagnosticConfidenceLow));
        }
    };

    // The declarations whose availability the routine's code may assume: the routine, its first declaration (in an
    // interface or a prototype), the class or category interfaces they belong to, and a category's class.
    static std::vector<CXCursor> enclosingDeclarations(CXCursor routine) {
        const XALibclangFunctions &clang = XALibclang::fn();
        std::vector<CXCursor> declarations = {routine, clang.clang_getCanonicalCursor(routine)};
        for (const CXCursor declaration : {declarations[0], declarations[1]}) {
            const CXCursor container = clang.clang_getCanonicalCursor(clang.clang_getCursorSemanticParent(declaration));
            if (!XAKindIsInList(container.kind, XAObjCContainerKinds)) {
                continue;
            }
            declarations.push_back(container);
            if (container.kind == CXCursor_ObjCCategoryDecl) {
                const CXCursor classRef = XAFirstChildOfKind(container, CXCursor_ObjCClassRef, CXChildVisit_Continue);
                if (!XAIsNullCursor(classRef)) {
                    declarations.push_back(clang.clang_getCursorReferenced(classRef));
                }
            }
        }
        return declarations;
    }

    // The highest version from which the routine or what encloses it is declared available on the platform.
    static std::optional<std::string> declaredAvailability(CXCursor routine, XAPlatform platform) {
        std::optional<std::string> highest;
        for (const CXCursor declaration : enclosingDeclarations(routine)) {
            const std::optional<std::string> version =
                firstPlatformVersionWhereCursorIsAvailable(declaration, platform);
            if (version && (!highest || XACompareVersionStrings(*version, *highest) == XAOrderedDescending)) {
                highest = version;
            }
        }
        return highest;
    }

    // A declaration that became available on the platform in the version or later.
    static bool isAvailableSince(CXCursor declaration, const std::string &version, XAPlatform platform) {
        const std::optional<std::string> available = firstPlatformVersionWhereCursorIsAvailable(declaration, platform);
        return available && XACompareVersionStrings(version, *available) != XAOrderedDescending;
    }

    static bool testsAvailability(CXCursor cursor, const std::string &version, XAPlatform platform) {
        switch (cursor.kind) {
        case CXCursor_DeclRefExpr: {
            const std::optional<std::string> spelling = XACursorSpelling(cursor);
            return spelling == "kCFCoreFoundationVersionNumber" || spelling == "NSFoundationVersionNumber";
        }
        case CXCursor_CallExpr:
            return XAIsCallToFunction("NSClassFromString", true, cursor);
        case CXCursor_ObjCMessageExpr:
            if (XAMessageCallsMethod("UIDevice", "systemVersion", true, cursor)) {
                return true;
            }
            if (isRespondsToTest(cursor)) {
                return respondsToTestGuards(cursor, version, platform);
            }
            return classTestGuards(cursor, version, platform);
        case CXCursor_MemberRefExpr:
            return classTestGuards(cursor, version, platform);
        case CXCursor_UnaryOperator:
        case CXCursor_BinaryOperator:
            return addressTestGuards(cursor, version, platform);
        default:
            return false;
        }
    }

    static bool isRespondsToTest(CXCursor message) {
        const CXCursor method = XALibclang::fn().clang_getCursorReferenced(message);
        return XAMethodDeclIsProtocolMethod("NSObject", "respondsToSelector:", true, method) ||
               XAMethodDeclIsProtocolMethod("NSObject", "respondsToSelector:", false, method) ||
               XAMessageCallsMethod("NSObject", "instancesRespondToSelector:", false, message);
    }

    // The selector of a responds-to test: an @selector expression, or a string literal given to a function such as
    // NSSelectorFromString; no value when it cannot be read.
    static std::optional<std::string> testedSelector(CXCursor message) {
        const CXCursor argument = XAMessageReceiver(message, 0);
        if (argument.kind == CXCursor_ObjCSelectorExpr) {
            return XASelectorExprString(argument);
        }
        if (argument.kind == CXCursor_CallExpr) {
            return XAStringLiteralValue(XAStripParensCastsAndUnexposed(XAChildAtIndex(argument, 1)));
        }
        return std::nullopt;
    }

    // A test whose selector cannot be read, or names no method the receiver's class is known to have, may guard
    // anything; otherwise it guards APIs of its method's version.
    static bool respondsToTestGuards(CXCursor message, const std::string &version, XAPlatform platform) {
        const std::optional<std::string> selector = testedSelector(message);
        if (!selector || selector->empty()) {
            return true;
        }
        const CXCursor method = XAFindMethodInInterface(XAMessageReceiverClassDecl(message), *selector);
        return XAIsNullCursor(method) || isAvailableSince(method, version, platform);
    }

    // [SomeClass class]: the class's own version decides.
    static bool classTestGuards(CXCursor cursor, const std::string &version, XAPlatform platform) {
        const XALibclangFunctions &clang = XALibclang::fn();
        if (!XAMethodDeclIsMethod("NSObject", "class", false, clang.clang_getCursorReferenced(cursor))) {
            return false;
        }
        const CXCursor classRef = XAFirstChildOfKind(cursor, CXCursor_ObjCClassRef, CXChildVisit_Recurse);
        const CXCursor classDecl = XAIsNullCursor(classRef) ? classRef : clang.clang_getCursorReferenced(classRef);
        return XAIsNullCursor(classDecl) || isAvailableSince(classDecl, version, platform);
    }

    // &function or &variable, alone or compared with NULL by "!=".
    static bool addressTestGuards(CXCursor cursor, const std::string &version, XAPlatform platform) {
        const XALibclangFunctions &clang = XALibclang::fn();
        CXCursor operand = clang.clang_getNullCursor();
        if (cursor.kind == CXCursor_UnaryOperator) {
            operand = cursor;
        } else if (XABinaryOperatorKind(cursor) == kNotEqualOperatorKind) {
            const CXCursor left = XAChildAtIndex(cursor, 0);
            const CXCursor right = XAChildAtIndex(cursor, 1);
            if (XAIsNullConstantExpr(left) && right.kind == CXCursor_UnaryOperator) {
                operand = right;
            } else if (XAIsNullConstantExpr(right) && left.kind == CXCursor_UnaryOperator) {
                operand = left;
            }
        }
        if (XAUnaryOperatorKind(operand) != kAddressOfOperatorKind) {
            return false;
        }
        const CXCursor declaration = clang.clang_getCursorReferenced(XAChildAtIndex(operand, 0));
        const CXCursorKind kind = clang.clang_getCursorKind(declaration);
        return (kind == CXCursor_FunctionDecl || kind == CXCursor_VarDecl) &&
               isAvailableSince(declaration, version, platform);
    }
};

TESSARY_REGISTER_RULE(XARuleAPIAvailability)
