// Custom classes named in the target's XIB and storyboard files that no source file declares and no library the
// target links exports. Such a reference fails only at run time, when the object cannot be created. The code adds
// the classes it declares; after the code the linked libraries' symbol tables (read with the developer tools' nm)
// add the classes they export, and the XIBs' references are held against all of them.

#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAKnownSymbolPrefixes.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "core/XAStringMatching.h"
#include "core/XATask.h"
#include "engine/XAFrameworkBinaries.h"
#include "engine/XARule.h"
#include "project/XADevEnvironment.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"
#include "project/XAXIB.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

namespace {

constexpr const char *kClassNamesKey = "classNames_XIBUnknownClassReference";

// The class name that a line of nm's listing exports: the text after the last "_OBJC_CLASS_$_" or
// "_OBJC_METACLASS_$_" of the line (as the pattern ".*_OBJC_(?:META)?CLASS_\$_(.+)$" finds it); none when the line
// has no such symbol or nothing follows it.
std::optional<std::string> XAExportedClassNameInSymbolLine(std::string_view line) {
    static constexpr std::string_view kClassMarker = "CLASS_$_";
    for (std::size_t marker = line.rfind(kClassMarker); marker != std::string_view::npos;
         marker = marker == 0 ? std::string_view::npos : line.rfind(kClassMarker, marker - 1)) {
        const std::string_view before = line.substr(0, marker);
        const std::size_t nameStart = marker + kClassMarker.size();
        if ((before.ends_with("_OBJC_") || before.ends_with("_OBJC_META")) && nameStart < line.size()) {
            return std::string(line.substr(nameStart));
        }
    }
    return std::nullopt;
}

// The classes that the binaries the target links export. A binary is read once however often the target links it;
// a binary that nm cannot read, or a missing nm, adds nothing.
std::set<std::string> xa_publicClassesFromLinkedLibs(const XARuleContext &context) {
    std::set<std::string> classNames;
    const std::optional<std::string> nm = XADevEnvironment::sharedEnvironment().pathToDevExecutable("nm");
    if (!nm) {
        return classNames;
    }
    std::set<std::string> readBinaries;
    frameworkBinariesInBuildPhases(context, [&](bool, const std::string &path) {
        if (!readBinaries.insert(path).second) {
            return;
        }
        const XATaskResults results = XATask::xa_execute(*nm, {"-g", path});
        if (results.exitStatus != 0 || !results.standardOutput) {
            return;
        }
        std::istringstream lines(*results.standardOutput);
        for (std::string line; std::getline(lines, line);) {
            if (std::optional<std::string> name = XAExportedClassNameInSymbolLine(line)) {
                classNames.insert(std::move(*name));
            }
        }
    });
    return classNames;
}

} // namespace

struct XARuleXIBUnknownClassReference : XACursorRule<XARuleXIBUnknownClassReference> {
    static XAXMLString ruleName() { return XAXMLString("XIB Reference to unknown class"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns when an Interface Builder file refers to an unknown Objective-C class: one that "
                           "is neither declared in the source files that Tessary checks nor exported by the "
                           "libraries that the target links.</p>");
    }
    static std::vector<std::string> tags() { return {"Resources"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInterfaceDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind == CXCursor_ObjCInterfaceDecl) {
            if (std::optional<std::string> name = XACursorSpelling(cursor)) {
                context.stateStore().addValueToStateSet(std::move(*name), kClassNamesKey);
            }
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        const XAXIBs xibs = context.XIBsForCheckedTarget();
        if (xibs.empty()) {
            return {};
        }
        const std::set<std::string> known = knownClasses(context);
        const std::vector<std::string> candidates(known.begin(), known.end());
        const std::map<std::string, XAPrefixInfo> *frameworkPrefixes =
            XAKnownSymbolPrefixesForPlatform(context.targetPlatform());
        XADiagnostics found;
        const bool targetHasSwift = targetHasSwiftSources(context);
        for (const std::shared_ptr<const XAXIB> &xib : xibs) {
            for (const XAXIBClassReference &reference : xib->classReferences()) {
                const std::optional<std::string> prefix = xa_objCClassNamePrefix(reference.className());
                if ((prefix && frameworkPrefixes && frameworkPrefixes->contains(*prefix)) ||
                    known.contains(reference.className()) ||
                    isClassOfAnotherModuleOrSwift(reference, context, targetHasSwift)) {
                    continue;
                }
                found.push_back(unknownClassDiagnostic(*xib, reference, candidates));
            }
        }
        return found;
    }

private:
    // A class that names a module is not an Objective-C class of the checked code: it belongs to another module, or
    // to the target's own module, whose Swift sources (which are not checked) define it. Only a target without Swift
    // sources cannot provide it.
    static bool isClassOfAnotherModuleOrSwift(const XAXIBClassReference &reference, const XARuleContext &context,
                                              bool targetHasSwift) {
        if (!reference.moduleName() && !reference.isProvidedByTarget()) {
            return false;
        }
        const bool ownModule = reference.isProvidedByTarget() || isTargetModuleName(*reference.moduleName(), context);
        return !ownModule || targetHasSwift;
    }

    // The module name Xcode derives from the target's product name (or the target's name): every character that
    // cannot stand in an identifier becomes "_".
    static bool isTargetModuleName(const std::string &moduleName, const XARuleContext &context) {
        const XAProjectTarget *target = context.projectTarget().get();
        if (!target) {
            return false;
        }
        for (std::string name : {target->productName(), target->name()}) {
            for (char &character : name) {
                if (!std::isalnum(static_cast<unsigned char>(character))) {
                    character = '_';
                }
            }
            if (!name.empty() && name == moduleName) {
                return true;
            }
        }
        return false;
    }

    static bool targetHasSwiftSources(const XARuleContext &context) {
        const auto &target = context.projectTarget();
        return target && std::any_of(target->sourceFiles().begin(), target->sourceFiles().end(),
                                     [](const auto &file) { return file->isSwiftSourceCodeFile(); });
    }

    static std::set<std::string> knownClasses(const XARuleContext &context) {
        std::set<std::string> known = {"FirstResponder"};
        known.merge(context.stateStore().copyOfStateSet<std::string>(kClassNamesKey).value_or(std::set<std::string>{}));
        known.merge(xa_publicClassesFromLinkedLibs(context));
        return known;
    }

    static XADiagnostic unknownClassDiagnostic(const XAXIB &xib, const XAXIBClassReference &reference,
                                               const std::vector<std::string> &candidates) {
        std::string info = "XIB refers to unknown class " + reference.xmlDescription() + ".";
        const std::optional<std::string> suggestion = xa_closestMatchInArray(reference.className(), candidates);
        if (suggestion && xa_isCloseMatch(reference.className(), *suggestion)) {
            info += " Did you mean <objcclass>" + *suggestion + "</objcclass>?";
        }
        return diagnosticWithFile(xib.filePath(), XAXMLString(info), std::nullopt, XADiagnosticImpactFunctionality,
                                  XADiagnosticSeverityError, XADiagnosticConfidenceMedium);
    }
};

TESSARY_REGISTER_RULE(XARuleXIBUnknownClassReference)
