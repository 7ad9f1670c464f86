// Globals and static variables that hold an instance of a class that is not safe to use from several threads: every
// thread shares the cached instance. Code of a UIKit or AppKit class runs on the main thread only and is exempt, as
// is a declaration guarded by @synchronized. The formatter classes are documented as thread safe from iOS 7, so they
// are reported only for iOS targets that still support an earlier version.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XAVariableDeclarations.h"
#include "engine/XARule.h"

#include <algorithm>

namespace {

constexpr const char *kClassNames = "classNames";

// A class and the first versions, per platform, from which it is documented as thread safe.
struct XAThreadSafetyVersions {
    const char *className;
    const char *iOSVersion;
    const char *OSXVersion; // empty: not thread safe in any version
};

constexpr XAThreadSafetyVersions kThreadSafetyVersions[] = {{"NSDateFormatter", "7.0", ""},
                                                            {"NSNumberFormatter", "7.0", ""}};

} // namespace

struct XARuleThreadUnsafeInstanceCaching : XACursorRule<XARuleThreadUnsafeInstanceCaching> {
    static XAXMLString ruleName() { return XAXMLString("Globally caching a thread-unsafe class instance"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns about variables with global storage (globals and static variables) whose type is an object "
            "pointer to a class that is known not to be thread safe: an instance cached there is shared by every "
            "thread. Consider caching one instance per thread in the thread’s dictionary instead (see "
            "<objcmethod>-[NSThread threadDictionary]</objcmethod>).</p><p>Code in subclasses of, or categories on, "
            "UIKit or AppKit classes is not reported, since it can be assumed to run on the main thread only.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {
            XAExternalLink::linkWithTitle("Threading Programming Guide: Thread Safety Summary",
                                          "https://developer.apple.com/library/archive/documentation/Cocoa/"
                                          "Conceptual/Multithreading/ThreadSafetySummary/ThreadSafetySummary.html")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kClassNames, "The thread-unsafe classes to warn about", std::nullopt,
            XAOptionValue::stringArray({"NSDateFormatter", "NSNumberFormatter", "NSMutableArray",
                                        "NSMutableAttributedString", "NSMutableCharacterSet", "NSMutableData",
                                        "NSMutableDictionary", "NSMutableSet", "NSMutableString"}),
            XAOptionValueTypeStringArray)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_VarDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_VarDecl || XALibclang::fn().clang_getCursorType(cursor).kind != CXType_ObjCObjectPointer ||
            !XAVarDeclStorageIs2Or4(cursor)) {
            return {};
        }
        const std::string className = XACursorSpelling(XAChildAtIndex(cursor, 0)).value_or("");
        const std::vector<std::string> unsafeClasses = stringsForOption(kClassNames, context);
        if (std::find(unsafeClasses.begin(), unsafeClasses.end(), className) == unsafeClasses.end() ||
            isGuardedBySynchronized(cursor) || isInCodeOfUIKitOrAppKitClass(cursor)) {
            return {};
        }
        std::string note;
        for (const XAThreadSafetyVersions &versions : kThreadSafetyVersions) {
            if (className != versions.className) {
                continue;
            }
            if (context.comparisonOfMinimumDeploymentTargetToiOSVersion(versions.iOSVersion, versions.OSXVersion) !=
                XAOrderedAscending) {
                return {};
            }
            const XAPlatform platform = context.targetPlatform();
            note = "<objcclass>" + className + "</objcclass> is documented as thread safe since " +
                   XAProject::displayNameForPlatform(platform) + " " +
                   (platform == XAPlatformIOS ? versions.iOSVersion : versions.OSXVersion) +
                   ", but the minimum deployment target is " + context.targetMinOSVersion().value_or("") + ".";
        }
        return {diagnosticWithCursor(cursor, XAXMLString(note), std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium)};
    }

private:
    static bool isGuardedBySynchronized(CXCursor declaration) {
        return !XAIsNullCursor(XAFindSameExtentInEnclosingFunction(
            declaration, [](CXCursor candidate) { return candidate.kind == CXCursor_ObjCAtSynchronizedStmt; }));
    }

    // The class or category implementation that holds the declaration in its text. A C function or a variable written
    // inside an implementation belongs to the translation unit, so the implementations are searched by place.
    static CXCursor implementationHolding(CXCursor declaration) {
        CXCursor found = XAEnclosingObjCImplementation(declaration);
        if (!XAIsNullCursor(found)) {
            return found;
        }
        const XALibclangFunctions &clang = XALibclang::fn();
        const XACursorPosition start = XACursorExtentStart(declaration);
        const CXCursor unit = clang.clang_getTranslationUnitCursor(clang.clang_Cursor_getTranslationUnit(declaration));
        XAVisitChildren(unit, [&](CXCursor child) {
            if (XAKindIsInList(child.kind, XAObjCImplementationKinds) &&
                XACursorExtentStart(child).file == start.file && XACursorExtentStart(child).offset <= start.offset &&
                start.offset < XACursorExtentEnd(child).offset) {
                found = child;
                return CXChildVisit_Break;
            }
            return CXChildVisit_Continue;
        });
        return found;
    }

    // In a class or category implementation of a class that descends from a UIKit or AppKit class.
    static bool isInCodeOfUIKitOrAppKitClass(CXCursor declaration) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXCursor implementation = implementationHolding(declaration);
        if (XAIsNullCursor(implementation)) {
            return false;
        }
        const CXCursor classDecl = implementation.kind == CXCursor_ObjCCategoryImplDecl
                                       ? clang.clang_getCursorReferenced(XAChildAtIndex(implementation, 0))
                                       : clang.clang_getCanonicalCursor(implementation);
        return !XAIsNullCursor(classDecl) && XAInheritsFromAppKitOrUIKit(classDecl);
    }
};

TESSARY_REGISTER_RULE(XARuleThreadUnsafeInstanceCaching)
