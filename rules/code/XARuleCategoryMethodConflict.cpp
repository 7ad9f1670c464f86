// A method implemented in a category while another category of the same class has a method of the same name: which
// implementation the runtime uses is undefined. Conflicts with the frameworks' categories (seen in system headers,
// up the superclass chain) are found file by file; conflicts between the project's own categories after the code,
// from the category methods every file recorded.

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACodeModelRecords.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XAXMLText.h"
#include "engine/XADiagnosticPosition.h"
#include "engine/XARule.h"

#include <map>
#include <tuple>

namespace {

constexpr const char *kRecordsKey = "possiblyConflictingCategoryMethods";

XAXMLString conflictText(const std::string &method, const std::string &className, const std::string &category,
                         const std::string &otherCategory, const std::string &otherFile) {
    return XAXMLString("The method <objcmethod>" + xa_escapedForXML(method) + "</objcmethod> in <objcclass>" +
                       xa_escapedForXML(className) + "</objcclass> category <objccategory>" +
                       xa_escapedForXML(category) +
                       "</objccategory> is in conflict with a method of the same name in category <objccategory>" +
                       xa_escapedForXML(otherCategory) + "</objccategory> (which is in file: <filepath>" +
                       xa_escapedForXML(otherFile) +
                       "</filepath>). It is not defined which implementation of this method takes precedence at "
                       "runtime.");
}

XASourcePosition sourcePosition(const XADiagnosticPosition &position) {
    return {unsigned(position.line), unsigned(position.column), unsigned(position.offset)};
}

XADiagnosticPosition diagnosticPosition(const XASourcePosition &position) {
    return XADiagnosticPosition::positionAtLine(position.line, position.column, position.offset);
}

std::string textOf(const std::optional<std::string> &text) { return text.value_or(""); }

// One category method as the conflict search compares them: the class and the method, then the category and its
// file; a method recorded from several files or from its declaration and definition is one.
struct RecordedMethod {
    const XACategoryMethodInfo *info;

    auto key() const {
        const XASourcePosition start = info->cursorPositions() ? info->cursorPositions()->first() : XASourcePosition{};
        return std::make_tuple(textOf(info->categoryName()), textOf(info->cursorFilePath()), start.offset);
    }
    bool operator<(const RecordedMethod &other) const { return key() < other.key(); }
};

} // namespace

struct XARuleCategoryMethodConflict : XACursorRule<XARuleCategoryMethodConflict> {
    static XAXMLString ruleName() { return XAXMLString("Conflicting category methods"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("If the name of a method declared in a category is the same as a method in the original "
                           "class, or a method in another category on the same class (or even a superclass), the "
                           "behavior is undefined as to which method implementation is used at runtime.");
    }
    static std::vector<std::string> tags() { return {"Recommended"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Programming with Objective-C: Customizing Existing Classes",
                                              "https://developer.apple.com/library/archive/documentation/Cocoa/"
                                              "Conceptual/ProgrammingWithObjectiveC/CustomizingExistingClasses/"
                                              "CustomizingExistingClasses.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInstanceMethodDecl && kind != CXCursor_ObjCClassMethodDecl) {
            return {};
        }
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXCursor definition = clang.clang_getCursorDefinition(cursor);
        if (XAIsNullCursor(definition)) {
            return {};
        }
        const CXCursor implementation = clang.clang_getCursorSemanticParent(definition);
        if (implementation.kind != CXCursor_ObjCCategoryImplDecl ||
            (definition.kind == CXCursor_ObjCClassMethodDecl && XACursorSpelling(definition) == "load")) {
            return {};
        }
        context.stateStore().addValueToStateList(record(definition, implementation), kRecordsKey);
        const CXCursor extendedClass = clang.clang_getCursorReferenced(XAChildAtIndex(implementation, 0));
        if (extendedClass.kind != CXCursor_ObjCInterfaceDecl) {
            return {};
        }
        return diagsForMethodDecl(cursor, implementation, extendedClass);
    }

    // Conflicts of the method with the frameworks' categories of the class, else of its nearest superclass that has
    // one. Only methods of the same kind conflict: an instance and a class method of one name never meet.
    static XADiagnostics diagsForMethodDecl(CXCursor method, CXCursor category, CXCursor classInterface) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const std::string categoryName = textOf(XACursorSpelling(category));
        const std::optional<std::string> methodName = XACursorSpelling(method);
        const std::string className =
            textOf(XACursorDisplayName(clang.clang_getCursorReferenced(XAChildAtIndex(category, 0))));
        XADiagnostics conflicts;
        for (CXCursor interface = classInterface; !XAIsNullCursor(interface) && conflicts.empty();
             interface = XASuperclassOfInterface(interface)) {
            XAVisitKnownCategoriesOfInterface(
                [&](CXCursor other) {
                    const std::string otherName = textOf(XACursorSpelling(other));
                    if (otherName == categoryName || !XACursorIsInSystemHeader(other)) {
                        return true;
                    }
                    XAVisitChildren(other, [&](CXCursor otherMethod) {
                        if (otherMethod.kind == method.kind && XACursorSpelling(otherMethod) == methodName) {
                            conflicts.push_back(diagnosticWithCursor(
                                method,
                                conflictText(textOf(XACursorDisplayName(method)), className, categoryName, otherName,
                                             textOf(XACursorFilePath(other))),
                                std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                XADiagnosticConfidenceHigh));
                        }
                        return CXChildVisit_Continue;
                    });
                    return true;
                },
                interface);
        }
        return conflicts;
    }

    // Every recorded method whose class has a method of the same name in another category; the other side named is
    // the one with the smallest category name (then file), so that the text does not depend on the order of files.
    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        const auto *records =
            context.stateStore().dangerousNonCopyingReferenceToObjectFromStateKey<std::vector<XACategoryMethodInfo>>(
                kRecordsKey);
        if (!records) {
            return {};
        }
        std::map<std::pair<std::string, std::string>, std::set<RecordedMethod>> methodsByClassAndName;
        for (const XACategoryMethodInfo &info : *records) {
            methodsByClassAndName[{textOf(info.categoryClassName()), textOf(info.methodName())}].insert({&info});
        }
        XADiagnostics conflicts;
        for (const auto &[classAndName, methods] : methodsByClassAndName) {
            const XACategoryMethodInfo &first = *methods.begin()->info;
            const auto otherCategory = std::find_if(methods.begin(), methods.end(), [&](const RecordedMethod &method) {
                return method.info->categoryName() != first.categoryName();
            });
            if (otherCategory == methods.end()) {
                continue;
            }
            for (const RecordedMethod &method : methods) {
                const bool inFirstCategory = method.info->categoryName() == first.categoryName();
                conflicts.push_back(conflictDiagnostic(*method.info, inFirstCategory ? *otherCategory->info : first));
            }
        }
        return conflicts;
    }

private:
    static XACategoryMethodInfo record(CXCursor definition, CXCursor implementation) {
        const XALibclangFunctions &clang = XALibclang::fn();
        XACategoryMethodInfo info;
        info.setCategoryClassName(
            XACursorDisplayName(clang.clang_getCanonicalCursor(XAChildAtIndex(implementation, 0))));
        info.setCategoryName(XACursorDisplayName(implementation));
        const std::string sign = definition.kind == CXCursor_ObjCClassMethodDecl ? "+" : "-";
        info.setMethodName(sign + textOf(XACursorDisplayName(definition)));
        info.setCursorFilePath(XACursorFilePath(definition));
        if (const auto positions = XADiagnosticPosition::startAndEndPositionsFromCursor(definition)) {
            info.setCursorPositions(XAPair(sourcePosition(positions->first()), sourcePosition(positions->second())));
        }
        return info;
    }

    static XADiagnostic conflictDiagnostic(const XACategoryMethodInfo &method, const XACategoryMethodInfo &other) {
        std::optional<XADiagnosticPosition> start;
        std::optional<XADiagnosticPosition> end;
        if (method.cursorPositions()) {
            start = diagnosticPosition(method.cursorPositions()->first());
            end = diagnosticPosition(method.cursorPositions()->second());
        }
        return diagnosticWithFile(
            method.cursorFilePath(), start, end, std::nullopt,
            conflictText(textOf(method.methodName()), textOf(method.categoryClassName()), textOf(method.categoryName()),
                         textOf(other.categoryName()), textOf(other.cursorFilePath())),
            std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleCategoryMethodConflict)
