#pragma once

// Objective-C classes and categories: a class's superclass and the names of its superclass chain, and the categories
// of a class that a translation unit knows. Nothing here keeps state.

#include "codemodel/XALibclang.h"

#include <functional>
#include <string>
#include <vector>

// The superclass declaration of an ObjCInterfaceDecl (or of an implementation, which stands for its class): the
// declaration its ObjCSuperClassRef refers to. The class is first taken at its definition, so that a class declared
// ahead with @class still finds its superclass. The null cursor for a root class and for other cursors.
CXCursor XASuperclassOfInterface(CXCursor cursor);
// The @interface that defines the class of an ObjCInterfaceDecl or of an implementation: a class's canonical
// declaration may be a forward declaration (@class), which holds none of its members. The forward declaration itself
// when the class has no definition in the unit; the null cursor for other cursors.
CXCursor XAInterfaceDefinition(CXCursor cursor);
// The names of the superclass chain of an ObjCInterfaceDecl, nearest first, at most 100; the chain ends at a class
// whose declaration names no superclass (a root class, or a class known only from a forward declaration). Empty for
// other cursors.
std::vector<std::string> XASuperclassNames(CXCursor cursor);
// The class that an Objective-C container belongs to, as the class's canonical declaration: for an interface the
// class itself, for a category, class extension, implementation or category implementation the class it adds to.
// Two containers of one class give equal cursors (clang_equalCursors), whichever declaration of the class each one
// sees. The null cursor for other cursors.
CXCursor XAClassOfObjCContainer(CXCursor container);
// Calls the visitor with each category and class extension of an ObjCInterfaceDecl's class that the translation unit
// declares, in the unit's order, while the visitor returns true.
void XAVisitKnownCategoriesOfInterface(const std::function<bool(CXCursor category)> &visitor, CXCursor cursor);
