// -awakeFromNib implemented in a class of which no XIB of the build archives an object, neither of the class itself
// nor of a subclass: only objects loaded from a nib receive the message. Whether a class is archived is known only
// when all code has been seen, so every implementation makes a candidate finding and every class interface adds its
// superclasses; the pass after the code keeps the candidates of classes that no XIB archives.

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "engine/XARule.h"
#include "project/XAProjectTarget.h"
#include "project/XAXIB.h"

#include <map>
#include <set>

namespace {

constexpr const char *kProvisionalDiagnosticsKey = "UnnecessaryNibMethod_ProvisionalDiagnostics";
constexpr const char *kSuperclassNamesKey = "UnnecessaryNibMethod_SuperclassNames";

using XASuperclassNamesByClass = std::map<std::string, std::vector<std::string>>;

// The class an implementation belongs to. A category implementation is spelled by its category's name, so its class
// is the one its class reference names.
std::string implementedClassName(CXCursor implementation) {
    if (implementation.kind == CXCursor_ObjCCategoryImplDecl) {
        const CXCursor classReference = XAChildAtIndex(implementation, 0);
        return classReference.kind == CXCursor_ObjCClassRef ? XACursorSpelling(classReference).value_or("") : "";
    }
    return XACursorSpelling(implementation).value_or("");
}

// The custom classes of the objects of every XIB of the build.
std::set<std::string> archivedClassNames(const XARuleContext &context) {
    std::set<std::string> archived;
    if (!context.build()) {
        return archived;
    }
    for (const std::shared_ptr<const XAXIB> &xib : context.build()->allXIBs()) {
        for (const std::shared_ptr<const XAXIBObject> &object : xib->allObjects()) {
            if (object->customClassName()) {
                archived.insert(*object->customClassName());
            }
        }
    }
    return archived;
}

} // namespace

struct XARuleUnnecessaryNibMethod : XACursorRule<XARuleUnnecessaryNibMethod> {
    static XAXMLString ruleName() { return XAXMLString("Unnecessary Nib method"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns when <objcmethod>-[NSObject awakeFromNib]</objcmethod> is implemented in a class "
                           "that no known XIB archives.</p>");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.projectTarget() && context.projectTarget()->targetTypeIsAnAppOrAppExtension();
    }
    static std::string applicationConditionDescription() { return "Applies to application targets."; }
    static std::vector<std::string> tags() { return {"Recommended"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCInterfaceDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (context.buildContainsXIBsThatCannotBeInterpreted()) {
            return {};
        }
        if (kind == CXCursor_ObjCInterfaceDecl) {
            collectSuperclassNames(cursor, context);
        } else if (kind == CXCursor_ObjCInstanceMethodDecl && XACursorSpelling(cursor) == "awakeFromNib") {
            addProvisionalDiagnostic(cursor, context);
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        if (context.buildContainsXIBsThatCannotBeInterpreted()) {
            return {};
        }
        const XARuleStateStore &state = context.stateStore();
        std::optional<XADiagnostics> provisional = state.copyOfStateList<XADiagnostic>(kProvisionalDiagnosticsKey);
        if (!provisional || provisional->empty()) {
            return {};
        }
        const XASuperclassNamesByClass superclassNames =
            state.copyOfStateDict<std::string, std::vector<std::string>>(kSuperclassNamesKey)
                .value_or(XASuperclassNamesByClass{});
        // The classes whose -awakeFromNib is sent: the archived ones that the code declares, and their superclasses.
        std::set<std::string> awakened;
        const std::set<std::string> archived = archivedClassNames(context);
        for (const auto &[className, superclasses] : superclassNames) {
            if (archived.contains(className)) {
                awakened.insert(className);
                awakened.insert(superclasses.begin(), superclasses.end());
            }
        }
        std::erase_if(*provisional, [&](const XADiagnostic &diagnostic) {
            return diagnostic.instanceIdentifier() && awakened.contains(*diagnostic.instanceIdentifier());
        });
        return *provisional;
    }

private:
    // Every class interface is stored, a root class with no superclasses too, so that an archived root class counts.
    static void collectSuperclassNames(CXCursor interface, XARuleContext &context) {
        const std::optional<std::string> className = XACursorSpelling(interface);
        if (className && !className->empty()) {
            context.stateStore().addValueForKeyToStateDict<std::string, std::vector<std::string>>(
                XASuperclassNames(interface), className, kSuperclassNamesKey);
        }
    }

    // A method declared in an interface has no enclosing implementation and makes no candidate.
    static void addProvisionalDiagnostic(CXCursor method, XARuleContext &context) {
        const std::string className = implementedClassName(XAEnclosingObjCImplementation(method));
        if (className.empty()) {
            return;
        }
        context.stateStore().addValueToStateList(
            diagnosticWithCursor(method, std::nullopt, className, XADiagnosticImpactFunctionality,
                                 XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium),
            kProvisionalDiagnosticsKey);
    }
};

TESSARY_REGISTER_RULE(XARuleUnnecessaryNibMethod)
