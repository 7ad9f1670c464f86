// Code that loads a resource of the app bundle by a name that no resource of the target carries: images by name, the
// NIB of a view controller, files and URLs asked of the main bundle. A missing resource, or one whose name differs
// only in letter case, fails at run time on a device, whose file system is case-sensitive.
//
// Images loaded with +[NSImage imageNamed:] may also be named at run time with -[NSImage setName:], anywhere in the
// code, so their findings wait for the pass after the code and go when some image is given that name.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XAObjCMethod.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XAPossibleStringValues.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <set>

namespace {

constexpr const char *kImageNamedDiagnosticsKey = "NSImageImageNamedUsageDiagnostics";
constexpr const char *kGivenImageNamesKey = "NSImageGivenImageNames";
constexpr int kAssignmentOperator = 21;

std::vector<std::string> possibleValues(CXCursor expression) {
    const XAPossibleStrings values = XAPossibleStringValues(expression);
    return values ? std::vector<std::string>(values->begin(), values->end()) : std::vector<std::string>{};
}

std::vector<std::string> withoutEmpties(std::vector<std::string> values) {
    std::erase_if(values, [](const std::string &value) { return value.empty(); });
    return values;
}

// Whether the declaration is how an NSImage is named: -[NSImage setName:], or a `name` property of NSImage.
bool namesAnImage(CXCursor declaration) {
    if (declaration.kind == CXCursor_ObjCPropertyDecl) {
        const CXCursor container = XALibclang::fn().clang_getCursorSemanticParent(declaration);
        return XACursorSpelling(declaration) == "name" && container.kind == CXCursor_ObjCInterfaceDecl &&
               XACursorSpelling(container) == "NSImage";
    }
    return XAMethodDeclIsMethod("NSImage", "setName:", true, declaration);
}

// The methods of NSBundle that find a resource by name, in the order they are tried.
const std::vector<XAObjCMethod> &bundleResourceMethods() {
    static const std::vector<XAObjCMethod> methods = [] {
        std::vector<XAObjCMethod> all;
        for (const char *selector :
             {"pathForResource:ofType:inDirectory:forLocalization:", "pathForResource:ofType:inDirectory:",
              "pathForResource:ofType:", "URLForResource:withExtension:subdirectory:localization:",
              "URLForResource:withExtension:subdirectory:", "URLForResource:withExtension:"}) {
            all.push_back(XAObjCMethod::methodWithClassName("NSBundle", selector, true));
        }
        return all;
    }();
    return methods;
}

const XAObjCMethod *matchingBundleResourceMethod(CXCursor message) {
    for (const XAObjCMethod &method : bundleResourceMethods()) {
        if (method.matchesMessageExpr(message)) {
            return &method;
        }
    }
    return nullptr;
}

// The resource paths a bundle method names: each name with each type, inside each directory when there are any.
std::vector<std::string> bundleResourcePaths(const std::vector<std::string> &names,
                                             const std::vector<std::string> &types,
                                             const std::vector<std::string> &directories) {
    const std::vector<std::string> typesOrNone = types.empty() ? std::vector<std::string>{""} : types;
    const std::vector<std::string> directoriesOrNone = directories.empty() ? std::vector<std::string>{""} : directories;
    std::vector<std::string> paths;
    for (const std::string &name : names) {
        for (const std::string &type : typesOrNone) {
            const std::string file = xa_stringByAppendingPathExtension(name, type);
            for (const std::string &directory : directoriesOrNone) {
                paths.push_back(directory.empty() ? file : xa_stringByAppendingPathComponent(directory, file));
            }
        }
    }
    return paths;
}

} // namespace

struct XARuleUnknownResourceCodeReference : XACursorRule<XARuleUnknownResourceCodeReference> {
    static XAXMLString ruleName() { return XAXMLString("Code refers to unknown resource"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns when code loads a resource from the application bundle by a name that none of the target's "
            "resources carries.</p><p>Resources loaded from disk at run time must be among the bundle's resources "
            "under the exact path. The file systems of devices are case-sensitive, unlike those of most Macs and "
            "therefore the simulator: a name that differs only in letter case works in the simulator and fails on "
            "the device.</p>");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.projectTarget() && context.projectTarget()->targetTypeIsAnAppOrAppExtension();
    }
    static std::string applicationConditionDescription() { return "Applies to application targets."; }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind == CXCursor_BinaryOperator) {
            collectImageNameAssignment(cursor, context);
            return {};
        }
        if (kind != CXCursor_ObjCMessageExpr) {
            return {};
        }
        const XAPlatform platform = context.targetPlatform();
        if (XAMessageCallsMethod("NSImage", "imageNamed:", false, cursor)) {
            XADiagnostics found =
                checkResourcePaths(possibleValues(XAMessageReceiver(cursor, 0)),
                                   XAImageFileExtensionsForPlatform(platform), true, "image", cursor, context);
            if (!found.empty()) {
                context.stateStore().addValuesFromArrayToStateList(found, kImageNamedDiagnosticsKey);
            }
            return {};
        }
        if (XAMessageCallsMethod("NSImage", "setName:", true, cursor)) {
            addGivenImageNames(XAMessageReceiver(cursor, 0), context);
            return {};
        }
        if (XAMessageCallsMethod("UIImage", "imageNamed:", false, cursor)) {
            return checkResourcePaths(possibleValues(XAMessageReceiver(cursor, 0)),
                                      XAImageFileExtensionsForPlatform(platform), true, "image", cursor, context);
        }
        if (XAMessageCallsMethod("UIViewController", "initWithNibName:bundle:", true, cursor)) {
            return checkNibName(cursor, context);
        }
        return checkBundleResource(cursor, context);
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        const XARuleStateStore &state = context.stateStore();
        std::optional<XADiagnostics> held = state.copyOfStateList<XADiagnostic>(kImageNamedDiagnosticsKey);
        if (!held) {
            return {};
        }
        const std::set<std::string> givenNames =
            state.copyOfStateSet<std::string>(kGivenImageNamesKey).value_or(std::set<std::string>{});
        std::erase_if(*held, [&](const XADiagnostic &diagnostic) {
            return diagnostic.instanceIdentifier() && givenNames.contains(*diagnostic.instanceIdentifier());
        });
        return *held;
    }

    // The findings for the paths that name no resource of the build; none for paths that are empty, implicitly
    // used or found (with one of the optional extensions, and for images in their variants and asset catalogs).
    static XADiagnostics checkResourcePaths(const std::vector<std::string> &paths,
                                            const std::optional<std::vector<std::string>> &optionalExtensions,
                                            bool isImageResource, const std::optional<std::string> &resourceTypeName,
                                            CXCursor cursor, const XARuleContext &context) {
        const std::shared_ptr<XAProject> &project = context.project();
        if (paths.empty() || !project || !context.projectTarget() || !context.projectBuildConfig() ||
            !context.build()) {
            return {};
        }
        const XAPlatform platform =
            project->platformForTarget(*context.projectTarget(), context.projectBuildConfig()->name());
        XADiagnostics found;
        for (const std::string &path : paths) {
            if (path.empty() || XAIsImplicitlyUsedResourcePath(path, platform, isImageResource) ||
                project->containsResourcePath(path, optionalExtensions, *context.build(), isImageResource)) {
                continue;
            }
            found.push_back(unknownResourceDiagnostic(path, isImageResource, resourceTypeName, cursor, context));
        }
        return found;
    }

private:
    static XADiagnostic unknownResourceDiagnostic(const std::string &path, bool isImageResource,
                                                  const std::optional<std::string> &resourceTypeName, CXCursor cursor,
                                                  const XARuleContext &context) {
        std::string info = "Attempt to load unknown resource named <string>" + xa_escapedForXML(path) + "</string>" +
                           (resourceTypeName ? " (" + *resourceTypeName + ")" : "") + ".";
        if (const std::optional<std::string> suggestion =
                context.project()->suggestionForUnknownResourcePath(path, *context.build(), isImageResource)) {
            info += " Did you mean <string>" + xa_escapedForXML(*suggestion) + "</string>?";
        }
        return diagnosticWithCursor(cursor, XAXMLString("<p>" + info + "</p>"), path, XADiagnosticImpactFunctionality,
                                    XADiagnosticSeverityError,
                                    context.projectWasFullyBuilt() ? XADiagnosticConfidenceHigh
                                                                   : XADiagnosticConfidenceMedium);
    }

    static void addGivenImageNames(CXCursor nameExpression, XARuleContext &context) {
        if (const XAPossibleStrings names = XAPossibleStringValues(nameExpression); names && !names->empty()) {
            context.stateStore().addValuesFromSetToStateSet(*names, kGivenImageNamesKey);
        }
    }

    // `image.name = ...`: the assignment names the image as -setName: does.
    static void collectImageNameAssignment(CXCursor assignment, XARuleContext &context) {
        if (XABinaryOperatorKind(assignment) != kAssignmentOperator) {
            return;
        }
        const CXCursor target = XAChildAtIndex(assignment, 0);
        if (target.kind == CXCursor_MemberRefExpr && namesAnImage(XALibclang::fn().clang_getCursorReferenced(target))) {
            addGivenImageNames(XAChildAtIndex(assignment, 1), context);
        }
    }

    // -[UIViewController initWithNibName:bundle:] with no bundle or the main bundle of an app.
    static XADiagnostics checkNibName(CXCursor message, const XARuleContext &context) {
        const CXCursor bundle = XAMessageReceiver(message, 1);
        if (!XAIsNullConstantExpr(bundle) && !XAIsMainBundleExprInAppTarget(context, bundle)) {
            return {};
        }
        return checkResourcePaths(possibleValues(XAMessageReceiver(message, 0)), std::vector<std::string>{"nib"}, false,
                                  "NIB", message, context);
    }

    // A resource asked of the main bundle of an app by name, type and directory.
    static XADiagnostics checkBundleResource(CXCursor message, const XARuleContext &context) {
        const XAObjCMethod *method = matchingBundleResourceMethod(message);
        if (!method || !XAIsMainBundleExprInAppTarget(context, XAExplicitMessageReceiver(message))) {
            return {};
        }
        // The methods with three or four arguments take a directory as their third.
        const bool hasDirectory = std::count(method->methodName().begin(), method->methodName().end(), ':') > 2;
        const CXCursor nameArgument = XAStripParensCastsAndUnexposed(XAMessageReceiver(message, 0));
        const CXCursor typeArgument = XAStripParensCastsAndUnexposed(XAMessageReceiver(message, 1));
        const CXCursor directoryArgument = hasDirectory ? XAStripParensCastsAndUnexposed(XAMessageReceiver(message, 2))
                                                        : XALibclang::fn().clang_getNullCursor();
        const std::vector<std::string> names = possibleValues(nameArgument);
        const std::vector<std::string> types = possibleValues(typeArgument);
        const std::vector<std::string> directories =
            hasDirectory ? possibleValues(directoryArgument) : std::vector<std::string>{};
        if (names.empty() || (types.empty() && !XAIsNullConstantExpr(typeArgument)) ||
            (hasDirectory && directories.empty() && !XAIsNullConstantExpr(directoryArgument))) {
            return {};
        }
        return checkResourcePaths(
            bundleResourcePaths(withoutEmpties(names), withoutEmpties(types), withoutEmpties(directories)),
            std::nullopt, false, std::nullopt, message, context);
    }
};

TESSARY_REGISTER_RULE(XARuleUnknownResourceCodeReference)
