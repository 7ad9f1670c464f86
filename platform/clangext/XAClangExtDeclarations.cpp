// Declarations: variable storage, property accessors and backing variables, implementations and categories of a
// class.

#include "TessaryClangExtensions.h"
#include "XAClangExtModuleCategories.h"
#include "XAClangExtSupport.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace xa_clangext;

namespace {

bool isFunctionLike(CXCursorKind kind) {
    switch (kind) {
    case CXCursor_FunctionDecl:
    case CXCursor_ObjCInstanceMethodDecl:
    case CXCursor_ObjCClassMethodDecl:
    case CXCursor_CXXMethod:
    case CXCursor_Constructor:
    case CXCursor_Destructor:
    case CXCursor_ConversionFunction:
    case CXCursor_FunctionTemplate:
    case CXCursor_LambdaExpr:
    case CXCursor_BlockExpr:
    case CXCursor_UnexposedDecl: // a block's body declares its variables in an unexposed block declaration
        return true;
    default:
        return false;
    }
}

int storageOfVariable(CXCursor variable) {
    if (clang_getCursorTLSKind(variable) != CXTLS_None) {
        return CXTessaryVarDeclStorage_ThreadLocal;
    }
    // The semantic parent of a variable at file scope, and of an extern declared inside a function, is the
    // translation unit (kind 350); a local variable's is its function, method or block.
    CXCursor parent = clang_getCursorSemanticParent(variable);
    if (!isFunctionLike(parent.kind)) {
        return CXTessaryVarDeclStorage_Global;
    }
    switch (clang_Cursor_getStorageClass(variable)) {
    case CX_SC_Static:
    case CX_SC_Extern:
    case CX_SC_PrivateExtern:
        return CXTessaryVarDeclStorage_StaticLocal;
    default:
        return CXTessaryVarDeclStorage_Automatic;
    }
}

bool isMethod(CXCursor cursor) {
    return cursor.kind == CXCursor_ObjCInstanceMethodDecl || cursor.kind == CXCursor_ObjCClassMethodDecl;
}

// Whether a property has the method as getter or setter: same selector and the same side (instance or class).
bool propertyHasAccessor(CXCursor property, CXCursor method, const std::string &selector) {
    const unsigned attributes = clang_Cursor_getObjCPropertyAttributes(property, 0);
    const bool isClassProperty = (attributes & CXObjCPropertyAttr_class) != 0;
    if (isClassProperty != (method.kind == CXCursor_ObjCClassMethodDecl)) {
        return false;
    }
    if (text(clang_Cursor_getObjCPropertyGetterName(property)) == selector) {
        return true;
    }
    return (attributes & CXObjCPropertyAttr_readonly) == 0 &&
           text(clang_Cursor_getObjCPropertySetterName(property)) == selector;
}

CXCursor accessedPropertyIn(CXCursor container, CXCursor method, const std::string &selector) {
    CXCursor found = clang_getNullCursor();
    forEachChild(container, [&](CXCursor child) {
        if (child.kind == CXCursor_ObjCPropertyDecl && propertyHasAccessor(child, method, selector)) {
            found = child;
        }
        return isNull(found);
    });
    return found;
}

CXCursor accessedPropertyInAny(const std::vector<CXCursor> &containers, CXCursor method, const std::string &selector) {
    for (CXCursor container : containers) {
        CXCursor property = accessedPropertyIn(container, method, selector);
        if (!isNull(property)) {
            return property;
        }
    }
    return clang_getNullCursor();
}

// A category's class is compared by name first, which is cheap, then by identity.
struct ClassIdentity {
    std::string name;
    std::string usr;
};

ClassIdentity identityOf(CXCursor interface) { return {spelling(interface), usr(interface)}; }

bool isCategoryOfClass(CXCursor declaration, const ClassIdentity &identity) {
    if (declaration.kind != CXCursor_ObjCCategoryDecl) {
        return false;
    }
    if (spelling(firstChildOfKind(declaration, CXCursor_ObjCClassRef)) != identity.name) {
        return false;
    }
    CXCursor interface = classInterfaceOfContainer(declaration);
    return !isNull(interface) && usr(interface) == identity.usr;
}

// libclang lists no categories of a class, so the unit's top-level declarations are searched on each call (a cache
// keyed by the translation unit could outlive it and hand out cursors into a disposed unit), then the headers of
// imported modules, whose declarations are no top-level ones.
bool forEachCategoryOfClass(CXCursor interface, const std::function<bool(CXCursor)> &callback) {
    const ClassIdentity identity = identityOf(interface);
    bool stopped = false;
    std::set<std::string> seen;
    forEachTopLevelDeclaration(interface, [&](CXCursor declaration) {
        if (isCategoryOfClass(declaration, identity)) {
            seen.insert(usr(declaration));
            stopped = !callback(declaration);
        }
        return !stopped;
    });
    return stopped ||
           forEachModuleCategoryNamed(
               interface, seen, [&](CXCursor category) { return isCategoryOfClass(category, identity); }, callback);
}

// A setter declared by hand beside a property that is readonly where it is declared: the compiler takes it for the
// property's setter when a class extension redeclares the property readwrite. Only then are the unit's class
// extensions searched, since that walk is costly.
CXCursor readwriteRedeclaration(const std::vector<CXCursor> &containers, CXCursor method, const std::string &selector) {
    std::string propertyName;
    CXCursor interface = clang_getNullCursor();
    for (CXCursor container : containers) {
        forEachChild(container, [&](CXCursor child) {
            const unsigned attributes = clang_Cursor_getObjCPropertyAttributes(child, 0);
            const bool isClassProperty = (attributes & CXObjCPropertyAttr_class) != 0;
            if (child.kind == CXCursor_ObjCPropertyDecl && (attributes & CXObjCPropertyAttr_readonly) != 0 &&
                isClassProperty == (method.kind == CXCursor_ObjCClassMethodDecl) &&
                text(clang_Cursor_getObjCPropertySetterName(child)) == selector) {
                propertyName = spelling(child);
            }
            return propertyName.empty();
        });
        interface = classInterfaceOfContainer(container);
        if (!propertyName.empty()) {
            break;
        }
    }
    CXCursor redeclaration = clang_getNullCursor();
    if (propertyName.empty() || isNull(interface)) {
        return redeclaration;
    }
    forEachCategoryOfClass(interface, [&](CXCursor category) {
        if (!spelling(category).empty()) {
            return true; // only class extensions redeclare properties
        }
        forEachChild(category, [&](CXCursor child) {
            if (child.kind == CXCursor_ObjCPropertyDecl && spelling(child) == propertyName &&
                propertyHasAccessor(child, method, selector)) {
                redeclaration = child;
            }
            return isNull(redeclaration);
        });
        return isNull(redeclaration);
    });
    return redeclaration;
}

// Where the properties a method may access are declared: the container of the method's declaration (libclang's
// canonical cursor of a method in an @implementation is its declaration in the @interface, a class extension or the
// category, where the compiler also puts the implicit accessors of each property), the class's @interface, and the
// protocols these adopt.
std::vector<CXCursor> propertyContainers(CXCursor method) {
    std::vector<CXCursor> containers;
    CXCursor declaration = clang_getCanonicalCursor(method);
    if (!isMethod(declaration)) {
        declaration = method;
    }
    for (CXCursor parent : {clang_getCursorSemanticParent(declaration), clang_getCursorSemanticParent(method)}) {
        if (parent.kind == CXCursor_ObjCInterfaceDecl || parent.kind == CXCursor_ObjCCategoryDecl ||
            parent.kind == CXCursor_ObjCProtocolDecl) {
            containers.push_back(parent);
        }
        CXCursor interface = classInterfaceOfContainer(parent);
        if (!isNull(interface)) {
            containers.push_back(interface);
        }
    }
    const std::size_t ownContainers = containers.size();
    for (std::size_t index = 0; index < ownContainers; ++index) {
        for (CXCursor protocol : adoptedProtocols(containers[index])) {
            containers.push_back(protocol);
        }
    }
    return containers;
}

CXCursor propertyOfAccessor(CXCursor method, bool searchSuperclasses) {
    if (!isMethod(method)) {
        return clang_getNullCursor();
    }
    const std::string selector = spelling(method);
    const std::vector<CXCursor> containers = propertyContainers(method);
    CXCursor property = accessedPropertyInAny(containers, method, selector);
    if (isNull(property)) {
        property = readwriteRedeclaration(containers, method, selector);
    }
    if (!isNull(property) || !searchSuperclasses) {
        return property;
    }
    CXCursor superclass = superclassInterface(classInterfaceOfContainer(clang_getCursorSemanticParent(method)));
    for (int depth = 0; depth < 100 && !isNull(superclass) && isNull(property); ++depth) {
        std::vector<CXCursor> containers{superclass};
        for (CXCursor protocol : adoptedProtocols(superclass)) {
            containers.push_back(protocol);
        }
        property = accessedPropertyInAny(containers, method, selector);
        superclass = superclassInterface(superclass);
    }
    return property;
}

CXCursor implementationOfInterface(CXCursor interface) {
    if (interface.kind != CXCursor_ObjCInterfaceDecl) {
        return clang_getNullCursor();
    }
    // libclang's definition of an @interface cursor is the class's @implementation.
    CXCursor implementation = clang_getCursorDefinition(interface);
    return implementation.kind == CXCursor_ObjCImplementationDecl ? implementation : clang_getNullCursor();
}

// The instance variable behind a property: the implementation holds one synthesize cursor per synthesized property,
// written (@synthesize) or implicit, whose member reference names the variable.
CXCursor ivarOfProperty(CXCursor property) {
    // Class properties are never synthesized, though an instance property of the same name may be.
    if (property.kind != CXCursor_ObjCPropertyDecl ||
        (clang_Cursor_getObjCPropertyAttributes(property, 0) & CXObjCPropertyAttr_class) != 0) {
        return clang_getNullCursor();
    }
    CXCursor interface = classInterfaceOfContainer(clang_getCursorSemanticParent(property));
    CXCursor implementation = implementationOfInterface(interface);
    const std::string name = spelling(property);
    CXCursor ivar = clang_getNullCursor();
    forEachChild(implementation, [&](CXCursor child) {
        if (child.kind != CXCursor_ObjCSynthesizeDecl || spelling(child) != name) {
            return true;
        }
        CXCursor variable = clang_getCursorReferenced(firstChildOfKind(child, CXCursor_MemberRef));
        if (variable.kind == CXCursor_ObjCIvarDecl) {
            ivar = variable;
        }
        return false;
    });
    return ivar;
}

} // namespace

extern "C" {

int clang_tessary_getVarDeclStorage(CXCursor variable) {
    return variable.kind == CXCursor_VarDecl ? storageOfVariable(variable) : CXTessaryVarDeclStorage_None;
}

unsigned clang_tessary_objCMethodDeclIsPropertyAccessor(CXCursor method) {
    return isNull(propertyOfAccessor(method, false)) ? 0 : 1;
}

CXCursor clang_tessary_getObjCMethodDeclPropertyDecl(CXCursor method, int searchSuperclasses) {
    return propertyOfAccessor(method, searchSuperclasses != 0);
}

CXCursor clang_tessary_getObjCPropertyDeclIvarCursor(CXCursor property) { return ivarOfProperty(property); }

CXCursor clang_tessary_getInterfaceDeclImplementation(CXCursor interface) {
    return implementationOfInterface(interface);
}

unsigned clang_tessary_visitKnownCategoriesOfInterfaceDecl(CXCursor interface, CXTessaryCategoryVisitor visitor,
                                                           CXClientData clientData) {
    if (interface.kind != CXCursor_ObjCInterfaceDecl || !visitor) {
        return 0;
    }
    const bool stopped =
        forEachCategoryOfClass(interface, [&](CXCursor category) { return visitor(category, clientData) != 0; });
    return stopped ? 1 : 0;
}

} // extern "C"
