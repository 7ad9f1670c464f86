// User-defined runtime attributes that XIB and storyboard files set on objects of custom classes, held against the
// source of each class at its @implementation: a key that names no property, instance variable or setter of the
// class, its superclasses, categories and class extensions is reported, and so is a value whose type the declared
// type cannot take. Key paths into sub-objects ("layer.cornerRadius") are not followed.

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XATypeQueries.h"
#include "codemodel/clang/XAXIBPropertyTypes.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAXIB.h"

namespace {

constexpr int kMaximumSuperclasses = 100;

} // namespace

struct XARuleXIBRuntimeAttributeMismatch : XACursorRule<XARuleXIBRuntimeAttributeMismatch> {
    static XAXMLString ruleName() { return XAXMLString("XIB User-defined runtime attribute mismatch"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when a XIB sets user-defined runtime attributes that do not match the source code "
                           "of the object's class: a key path that matches no property or setter, or a value whose "
                           "type differs from the type declared for the property or setter.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }

    // The first property or instance variable named `name`, or instance method named as its setter, among the
    // descendants of an interface, category or implementation; for an interface then in the categories and class
    // extensions of its class. The null cursor when there is none.
    static CXCursor propertyOrSetterOrIvarForPropertyName(const std::string &name, CXCursor declaration) {
        CXCursor found = XALibclang::fn().clang_getNullCursor();
        if (XAIsNullCursor(declaration)) {
            return found;
        }
        const std::string setterName = "set" + xa_firstCharCapitalized(name) + ":";
        XAVisitChildren(declaration, [&](CXCursor descendant) {
            const bool matches =
                ((descendant.kind == CXCursor_ObjCPropertyDecl || descendant.kind == CXCursor_ObjCIvarDecl) &&
                 XACursorSpelling(descendant) == name) ||
                (descendant.kind == CXCursor_ObjCInstanceMethodDecl && XACursorSpelling(descendant) == setterName);
            if (matches) {
                found = descendant;
                return CXChildVisit_Break;
            }
            return CXChildVisit_Recurse;
        });
        if (XAIsNullCursor(found)) {
            XAVisitKnownCategoriesOfInterface(
                [&](CXCursor category) {
                    found = propertyOrSetterOrIvarForPropertyName(name, category);
                    return XAIsNullCursor(found);
                },
                declaration);
        }
        return found;
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCImplementationDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCImplementationDecl) {
            return {};
        }
        // libclang gives an implementation's class interface as its canonical cursor.
        const CXCursor interface = XALibclang::fn().clang_getCanonicalCursor(cursor);
        if (interface.kind != CXCursor_ObjCInterfaceDecl) {
            return {};
        }
        const std::string className = XACursorSpelling(interface).value_or("");
        XADiagnostics found;
        for (const std::shared_ptr<const XAXIB> &xib : context.XIBsForCheckedTarget()) {
            for (const std::shared_ptr<const XAXIBObject> &object : xib->allObjects()) {
                if (object->customClassName() != className || !object->userDefinedRuntimeAttributes()) {
                    continue;
                }
                for (const XAXIBUserDefinedRuntimeAttribute &attribute : *object->userDefinedRuntimeAttributes()) {
                    checkAttribute(attribute, *object, *xib, className, cursor, found);
                }
            }
        }
        return found;
    }

private:
    static void checkAttribute(const XAXIBUserDefinedRuntimeAttribute &attribute, const XAXIBObject &object,
                               const XAXIB &xib, const std::string &className, CXCursor implementation,
                               XADiagnostics &found) {
        if (!attribute.keyPath() || xa_containsSubstring(*attribute.keyPath(), ".")) {
            return;
        }
        const std::string &keyPath = *attribute.keyPath();
        const CXCursor declaration = declarationForKey(keyPath, implementation);
        if (XAIsNullCursor(declaration)) {
            found.push_back(attributeDiagnostic(
                xib, keyPath,
                "User-defined runtime attribute configured for unknown <objcclass>" + xa_escapedForXML(className) +
                    "</objcclass> key path <string>" + xa_escapedForXML(keyPath) +
                    "</string>. This runtime attribute is set for XIB object ID <code>" +
                    xa_escapedForXML(object.identifier().value_or("")) + "</code>."));
            return;
        }
        const CXType declaredType = declaredTypeOf(declaration);
        const std::string typeSpelling = xa_trimmed(XATypeSpelling(declaredType).value_or(""));
        if (attribute.typeMatchesType(XAXIBPropertyTypeOfType(declaredType)) || typeSpelling.empty()) {
            return;
        }
        found.push_back(attributeDiagnostic(
            xib, keyPath,
            "User-defined runtime attribute configured for <objcclass>" + xa_escapedForXML(className) +
                "</objcclass> key path <string>" + xa_escapedForXML(keyPath) + "</string> has type \u201c" +
                xa_escapedForXML(attribute.typeDisplayName().value_or("")) + "\u201d (and value <code>" +
                xa_escapedForXML(attribute.valueDescription()) + "</code>) but the type expected in setter is <code>" +
                xa_escapedForXML(typeSpelling) + "</code>. This runtime attribute is set for XIB object ID <code>" +
                xa_escapedForXML(object.identifier().value_or("")) + "</code>."));
    }

    // The key's declaration in the class's interface, its implementation, then in each superclass's interface and
    // implementation, nearest first.
    static CXCursor declarationForKey(const std::string &key, CXCursor implementation) {
        const XALibclangFunctions &clang = XALibclang::fn();
        CXCursor interface = XAInterfaceDefinition(implementation);
        CXCursor found = propertyOrSetterOrIvarForPropertyName(key, interface);
        if (XAIsNullCursor(found)) {
            found = propertyOrSetterOrIvarForPropertyName(key, implementation);
        }
        for (int step = 0; XAIsNullCursor(found) && step < kMaximumSuperclasses; ++step) {
            interface = XAInterfaceDefinition(XASuperclassOfInterface(interface));
            if (XAIsNullCursor(interface)) {
                break;
            }
            found = propertyOrSetterOrIvarForPropertyName(key, interface);
            if (XAIsNullCursor(found)) {
                found = propertyOrSetterOrIvarForPropertyName(
                    key, clang.clang_tessary_getInterfaceDeclImplementation(interface));
            }
        }
        return found;
    }

    // A property's or instance variable's type; a setter's first parameter's (its first child may be an attribute
    // or a type reference instead).
    static CXType declaredTypeOf(CXCursor declaration) {
        const XALibclangFunctions &clang = XALibclang::fn();
        if (declaration.kind == CXCursor_ObjCInstanceMethodDecl) {
            return clang.clang_getCursorType(clang.clang_Cursor_getArgument(declaration, 0));
        }
        return XACursorType(declaration);
    }

    static XADiagnostic attributeDiagnostic(const XAXIB &xib, const std::string &keyPath, const std::string &info) {
        return diagnosticWithFile(xib.filePath(), XAXMLString(info), keyPath, XADiagnosticImpactFunctionality,
                                  XADiagnosticSeverityError, XADiagnosticConfidenceMedium);
    }
};

TESSARY_REGISTER_RULE(XARuleXIBRuntimeAttributeMismatch)
