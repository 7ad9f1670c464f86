#pragma once

// Tessary's extension functions of libclang.
//
// For every supported LLVM version the build makes lib/tessary/libclang_llvm<N>_1.so under the staged tree. That
// library is linked against libclang of that version and adds the clang_tessary_* functions below, written over
// libclang's public C API. The checker does not link it: it loads it with dlopen() and binds every function, ours and
// libclang's own, by name with dlsym() on the library's handle. libclang is a dependency of the library, so dlsym() on
// our handle also finds clang_createIndex() and the rest of the standard interface.
//
// This header is the one contract between the library and its loader: the declarations (for code that links the
// library, such as its tests), one function-pointer type per function (clang_tessary_<name>_fn, for the loader), and
// TESSARY_CLANG_EXTENSION_FUNCTIONS, the list of every name, so that a loader can bind them all in one loop.
//
// Conventions: cursors pass by value; a cursor of another kind than the one a function expects gives the "nothing"
// answer (0, the null cursor, NULL), never a crash. Every text and array handed over is allocated with malloc() and
// belongs to the caller, who frees each text and then the array (clang_tessary_disposeStringArray does both).

#include <clang-c/Index.h>

#ifdef __cplusplus
extern "C" {
#endif

#define TESSARY_CLANGEXT_API __attribute__((visibility("default")))

// Receiver of an Objective-C message. Sends to super have no receiver child; the children of a message are the
// receiver (kinds 1 and 2 only) followed by the arguments.
enum CXTessaryMessageReceiverKind {
    CXTessaryMessageReceiver_None = 0,
    CXTessaryMessageReceiver_Class = 1,         // [Foo alloc]
    CXTessaryMessageReceiver_Instance = 2,      // [object count], [[Foo alloc] init], [aClassVariable new]
    CXTessaryMessageReceiver_SuperClass = 3,    // [super alloc] in a class method
    CXTessaryMessageReceiver_SuperInstance = 4, // [super init] in an instance method
};

// Binary operators in clang's order, without the three-way comparison "<=>".
enum CXTessaryBinaryOperatorKind {
    CXTessaryBinaryOperator_Invalid = 0,
    CXTessaryBinaryOperator_PtrMemD = 1, // .*
    CXTessaryBinaryOperator_PtrMemI,     // ->*
    CXTessaryBinaryOperator_Mul,
    CXTessaryBinaryOperator_Div,
    CXTessaryBinaryOperator_Rem,
    CXTessaryBinaryOperator_Add,
    CXTessaryBinaryOperator_Sub,
    CXTessaryBinaryOperator_Shl,
    CXTessaryBinaryOperator_Shr,
    CXTessaryBinaryOperator_LT = 10,
    CXTessaryBinaryOperator_GT,
    CXTessaryBinaryOperator_LE,
    CXTessaryBinaryOperator_GE,
    CXTessaryBinaryOperator_EQ,
    CXTessaryBinaryOperator_NE = 15,
    CXTessaryBinaryOperator_And,
    CXTessaryBinaryOperator_Xor,
    CXTessaryBinaryOperator_Or,
    CXTessaryBinaryOperator_LAnd = 19,
    CXTessaryBinaryOperator_LOr = 20,
    CXTessaryBinaryOperator_Assign = 21,
    CXTessaryBinaryOperator_MulAssign,
    CXTessaryBinaryOperator_DivAssign,
    CXTessaryBinaryOperator_RemAssign,
    CXTessaryBinaryOperator_AddAssign,
    CXTessaryBinaryOperator_SubAssign,
    CXTessaryBinaryOperator_ShlAssign,
    CXTessaryBinaryOperator_ShrAssign,
    CXTessaryBinaryOperator_AndAssign,
    CXTessaryBinaryOperator_XorAssign,
    CXTessaryBinaryOperator_OrAssign = 31,
    CXTessaryBinaryOperator_Comma = 32,
};

enum CXTessaryUnaryOperatorKind {
    CXTessaryUnaryOperator_Invalid = 0,
    CXTessaryUnaryOperator_PostInc = 1,
    CXTessaryUnaryOperator_PostDec,
    CXTessaryUnaryOperator_PreInc,
    CXTessaryUnaryOperator_PreDec,
    CXTessaryUnaryOperator_AddrOf = 5,
    CXTessaryUnaryOperator_Deref,
    CXTessaryUnaryOperator_Plus,
    CXTessaryUnaryOperator_Minus,
    CXTessaryUnaryOperator_Not = 9, // bitwise ~
    CXTessaryUnaryOperator_LNot = 10,
    CXTessaryUnaryOperator_Real,
    CXTessaryUnaryOperator_Imag,
    CXTessaryUnaryOperator_Extension = 13,
};

// Where a variable lives. 2 and 4 are the static storage duration: a variable that one cache shared by all threads
// could be kept in. Thread-local variables are apart, since each thread has its own.
enum CXTessaryVarDeclStorage {
    CXTessaryVarDeclStorage_None = 0,        // not a variable declaration
    CXTessaryVarDeclStorage_Automatic = 1,   // a local variable of a function, method or block
    CXTessaryVarDeclStorage_Global = 2,      // file scope, namespace scope, static class member, or local extern
    CXTessaryVarDeclStorage_ThreadLocal = 3, // __thread, _Thread_local, thread_local at any scope
    CXTessaryVarDeclStorage_StaticLocal = 4, // a static variable inside a function, method or block
};

// Method families of Objective-C: the five of ARC first, then the conventional ones of manual reference counting.
enum CXTessaryMethodFamily {
    CXTessaryMethodFamily_None = 0,
    CXTessaryMethodFamily_Alloc = 1,
    CXTessaryMethodFamily_Copy = 2,
    CXTessaryMethodFamily_Init = 3,
    CXTessaryMethodFamily_MutableCopy = 4,
    CXTessaryMethodFamily_New = 5,
    CXTessaryMethodFamily_Autorelease = 6,
    CXTessaryMethodFamily_Dealloc = 7,
    CXTessaryMethodFamily_Finalize = 8,
    CXTessaryMethodFamily_Release = 9,
    CXTessaryMethodFamily_Retain = 10,
    CXTessaryMethodFamily_RetainCount = 11,
    CXTessaryMethodFamily_Self = 12,
    CXTessaryMethodFamily_Initialize = 13,
    CXTessaryMethodFamily_PerformSelector = 14,
};

// Source languages by file extension. 5 to 8 are exactly the ones compiled in C++ mode; 0 is no source file.
enum CXTessarySourceType {
    CXTessarySourceType_None = 0,
    CXTessarySourceType_C = 1,               // c
    CXTessarySourceType_CHeader = 2,         // h
    CXTessarySourceType_ObjC = 3,            // m
    CXTessarySourceType_CPreprocessed = 4,   // i, mi
    CXTessarySourceType_CXX = 5,             // cc, cp, cpp, cxx, c++, C, CC, CPP, CXX, C++, cppm, cxxm, c++m, ixx
    CXTessarySourceType_CXXHeader = 6,       // hh, hpp, hxx, H
    CXTessarySourceType_ObjCXX = 7,          // mm, M
    CXTessarySourceType_CXXPreprocessed = 8, // ii, mii
};

// Called with each category of a class; returns non-zero to go on, zero to stop.
typedef unsigned (*CXTessaryCategoryVisitor)(CXCursor category, CXClientData clientData);

// --- Expressions

// An ObjCMessageExpr's receiver kind (CXTessaryMessageReceiverKind); 0 for other cursors.
TESSARY_CLANGEXT_API int clang_tessary_getObjCMessageReceiverKind(CXCursor message);
// A BinaryOperator's or CompoundAssignOperator's operator (CXTessaryBinaryOperatorKind); 0 for other cursors.
TESSARY_CLANGEXT_API int clang_tessary_getBinaryOperatorKind(CXCursor binaryOperator);
// A UnaryOperator's operator (CXTessaryUnaryOperatorKind); 0 for other cursors.
TESSARY_CLANGEXT_API int clang_tessary_getUnaryOperatorKind(CXCursor unaryOperator);
// Non-zero when the cases of a SwitchStmt over an enumeration name every enumerator that can occur (deprecated and
// unavailable enumerators may be left out, as the compiler allows); 0 for a switch over anything else.
TESSARY_CLANGEXT_API unsigned clang_tessary_areAllSwitchStmtEnumCasesCovered(CXCursor switchStatement);

// --- Literals

// The value of an IntegerLiteral. *ok (may be NULL) is set to 1 when the value is known and to 0 when it is not: an
// other cursor, or a literal too large for 64 bits.
TESSARY_CLANGEXT_API unsigned long long clang_tessary_getIntegerLiteralValue(CXCursor integerLiteral, int *ok);
// The value of a StringLiteral (or of the literal inside an ObjCStringLiteral) as UTF-8, escapes resolved and adjacent
// literals joined; wide and UTF-16/32 literals are converted to UTF-8, ordinary ones keep their bytes as written. The
// text ends at the first NUL character. NULL for other cursors. The caller frees the text.
TESSARY_CLANGEXT_API char *clang_tessary_copyStringLiteralValue(CXCursor stringLiteral);

// --- Declarations

// A VarDecl's storage (CXTessaryVarDeclStorage); 0 for other cursors.
TESSARY_CLANGEXT_API int clang_tessary_getVarDeclStorage(CXCursor variable);
// An Objective-C method declaration's family (CXTessaryMethodFamily), from its selector, kind and result type, or from
// an objc_method_family attribute; 0 for other cursors.
TESSARY_CLANGEXT_API int clang_tessary_getObjCMethodFamily(CXCursor method);
// Non-zero when the method is the getter or setter of a property declared with its class (interface, class
// extension or category of its container) or in a protocol that the class adopts.
TESSARY_CLANGEXT_API unsigned clang_tessary_objCMethodDeclIsPropertyAccessor(CXCursor method);
// The ObjCPropertyDecl of an accessor method, found as above; with searchSuperclasses non-zero, properties of the
// superclasses count too. The null cursor when the method accesses no property.
TESSARY_CLANGEXT_API CXCursor clang_tessary_getObjCMethodDeclPropertyDecl(CXCursor method, int searchSuperclasses);
// The ObjCIvarDecl that backs a property, as the class's implementation synthesizes it (explicitly or implicitly);
// the null cursor when the implementation is not in the translation unit, the property is @dynamic, or the cursor
// is no property.
TESSARY_CLANGEXT_API CXCursor clang_tessary_getObjCPropertyDeclIvarCursor(CXCursor property);
// The @implementation of an ObjCInterfaceDecl in the translation unit, or the null cursor.
TESSARY_CLANGEXT_API CXCursor clang_tessary_getInterfaceDeclImplementation(CXCursor interface);
// Calls the visitor with every category and class extension of an ObjCInterfaceDecl's class that the translation unit
// declares, in the unit's order, while the visitor returns non-zero. Returns non-zero when the visitor stopped it.
TESSARY_CLANGEXT_API unsigned clang_tessary_visitKnownCategoriesOfInterfaceDecl(CXCursor interface,
                                                                                CXTessaryCategoryVisitor visitor,
                                                                                CXClientData clientData);

// --- Annotations

// Non-zero when a declaration carries annotate attributes.
TESSARY_CLANGEXT_API unsigned clang_tessary_cursorHasAnnotationAttributes(CXCursor cursor);
// The texts of a declaration's annotate attributes in source order. *outTexts and *outCount are always set: NULL and
// 0 when there is none. The caller frees each text and the array.
TESSARY_CLANGEXT_API void clang_tessary_getCursorAnnotationAttributes(CXCursor cursor, char ***outTexts,
                                                                      unsigned *outCount);

// --- The loaded compiler

// The source type of a file extension given without its dot, case-sensitive (CXTessarySourceType); 0 for NULL.
TESSARY_CLANGEXT_API int clang_tessary_getSourceTypeForFileExtension(const char *extension);
// The compiler's version text, e.g. "Debian clang version 19.1.7 (3~deb12u1)".
TESSARY_CLANGEXT_API CXString clang_tessary_getClangFullVersion(void);
// The parenthesised repository part of the version text, e.g. "(3~deb12u1)"; a NULL text when there is none.
TESSARY_CLANGEXT_API CXString clang_tessary_getClangFullRepositoryVersion(void);
// The revision inside the repository part, e.g. "3~deb12u1"; a NULL text when there is none.
TESSARY_CLANGEXT_API CXString clang_tessary_getClangRevision(void);
// The warning flags (without "-W") that the compiler enables by default, sorted. *outFlags and *outCount are always
// set. The caller frees each flag and the array.
TESSARY_CLANGEXT_API void clang_tessary_copyFlagsOfDiagnosticsEnabledByDefault(char ***outFlags, unsigned *outCount);
// The compiler's warning groups with the groups nested in them, at any depth, as pairs of flags (without "-W"): text
// 2i is a group, text 2i+1 one of its members; each pair once, sorted. *outTexts and *outCount (the number of texts)
// are always set. The caller frees each text and the array.
TESSARY_CLANGEXT_API void clang_tessary_copyWarningGroupMemberships(char ***outTexts, unsigned *outCount);
// Print the compiler's catalogue of warnings, or the tree of its warning groups, to standard output.
TESSARY_CLANGEXT_API void clang_tessary_printAllDiagnostics(void);
TESSARY_CLANGEXT_API void clang_tessary_printAllDiagnosticGroups(void);

// Frees an array handed over by this library and each of its first count texts. NULL is allowed.
TESSARY_CLANGEXT_API void clang_tessary_disposeStringArray(char **texts, unsigned count);

// Function-pointer types for the loader.
typedef int (*clang_tessary_getObjCMessageReceiverKind_fn)(CXCursor);
typedef int (*clang_tessary_getBinaryOperatorKind_fn)(CXCursor);
typedef int (*clang_tessary_getUnaryOperatorKind_fn)(CXCursor);
typedef unsigned (*clang_tessary_areAllSwitchStmtEnumCasesCovered_fn)(CXCursor);
typedef unsigned long long (*clang_tessary_getIntegerLiteralValue_fn)(CXCursor, int *);
typedef char *(*clang_tessary_copyStringLiteralValue_fn)(CXCursor);
typedef int (*clang_tessary_getVarDeclStorage_fn)(CXCursor);
typedef int (*clang_tessary_getObjCMethodFamily_fn)(CXCursor);
typedef unsigned (*clang_tessary_objCMethodDeclIsPropertyAccessor_fn)(CXCursor);
typedef CXCursor (*clang_tessary_getObjCMethodDeclPropertyDecl_fn)(CXCursor, int);
typedef CXCursor (*clang_tessary_getObjCPropertyDeclIvarCursor_fn)(CXCursor);
typedef CXCursor (*clang_tessary_getInterfaceDeclImplementation_fn)(CXCursor);
typedef unsigned (*clang_tessary_visitKnownCategoriesOfInterfaceDecl_fn)(CXCursor, CXTessaryCategoryVisitor,
                                                                         CXClientData);
typedef unsigned (*clang_tessary_cursorHasAnnotationAttributes_fn)(CXCursor);
typedef void (*clang_tessary_getCursorAnnotationAttributes_fn)(CXCursor, char ***, unsigned *);
typedef int (*clang_tessary_getSourceTypeForFileExtension_fn)(const char *);
typedef CXString (*clang_tessary_getClangFullVersion_fn)(void);
typedef CXString (*clang_tessary_getClangFullRepositoryVersion_fn)(void);
typedef CXString (*clang_tessary_getClangRevision_fn)(void);
typedef void (*clang_tessary_copyFlagsOfDiagnosticsEnabledByDefault_fn)(char ***, unsigned *);
typedef void (*clang_tessary_copyWarningGroupMemberships_fn)(char ***, unsigned *);
typedef void (*clang_tessary_printAllDiagnostics_fn)(void);
typedef void (*clang_tessary_printAllDiagnosticGroups_fn)(void);
typedef void (*clang_tessary_disposeStringArray_fn)(char **, unsigned);

// Every extension function by its name without the clang_tessary_ prefix: X(name) for each, so that a loader can
// write X as `pointer_##name = (clang_tessary_##name##_fn)dlsym(handle, "clang_tessary_" #name)`.
#define TESSARY_CLANG_EXTENSION_FUNCTIONS(X)                                                                           \
    X(getObjCMessageReceiverKind)                                                                                      \
    X(getBinaryOperatorKind)                                                                                           \
    X(getUnaryOperatorKind)                                                                                            \
    X(areAllSwitchStmtEnumCasesCovered)                                                                                \
    X(getIntegerLiteralValue)                                                                                          \
    X(copyStringLiteralValue)                                                                                          \
    X(getVarDeclStorage)                                                                                               \
    X(getObjCMethodFamily)                                                                                             \
    X(objCMethodDeclIsPropertyAccessor)                                                                                \
    X(getObjCMethodDeclPropertyDecl)                                                                                   \
    X(getObjCPropertyDeclIvarCursor)                                                                                   \
    X(getInterfaceDeclImplementation)                                                                                  \
    X(visitKnownCategoriesOfInterfaceDecl)                                                                             \
    X(cursorHasAnnotationAttributes)                                                                                   \
    X(getCursorAnnotationAttributes)                                                                                   \
    X(getSourceTypeForFileExtension)                                                                                   \
    X(getClangFullVersion)                                                                                             \
    X(getClangFullRepositoryVersion)                                                                                   \
    X(getClangRevision)                                                                                                \
    X(copyFlagsOfDiagnosticsEnabledByDefault)                                                                          \
    X(copyWarningGroupMemberships)                                                                                     \
    X(printAllDiagnostics)                                                                                             \
    X(printAllDiagnosticGroups)                                                                                        \
    X(disposeStringArray)

#ifdef __cplusplus
}
#endif
