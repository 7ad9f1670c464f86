/*
 * objc/runtime.h: the Objective-C runtime's functions on classes, instances, methods, instance variables,
 * properties, protocols and selectors, associated objects and blocks as method implementations.
 */
#ifndef _OBJC_RUNTIME_H
#define _OBJC_RUNTIME_H

#include <objc/objc.h>
#include <stdarg.h>
#include <stdint.h>
#include <stddef.h>
#include <Availability.h>
#include <TargetConditionals.h>

#pragma clang assume_nonnull begin

typedef struct objc_method *Method;
typedef struct objc_ivar *Ivar;
typedef struct objc_category *Category;
typedef struct objc_property *objc_property_t;

#if defined(__OBJC__)
@class Protocol;
#else
typedef struct objc_object Protocol;
#endif

struct objc_method_description {
    SEL _Nullable name;
    char *_Nullable types;
};

typedef struct {
    const char *name;
    const char *value;
} objc_property_attribute_t;

/* Instances */
OBJC_EXPORT id _Nullable object_copy(id _Nullable object, size_t size) OBJC_ARC_UNAVAILABLE;
OBJC_EXPORT id _Nullable object_dispose(id _Nullable object) OBJC_ARC_UNAVAILABLE;
OBJC_EXPORT Class _Nullable object_getClass(id _Nullable object);
OBJC_EXPORT Class _Nullable object_setClass(id _Nullable object, Class cls);
OBJC_EXPORT BOOL object_isClass(id _Nullable object);
OBJC_EXPORT id _Nullable object_getIvar(id _Nullable object, Ivar ivar);
OBJC_EXPORT void object_setIvar(id _Nullable object, Ivar ivar, id _Nullable value);
OBJC_EXPORT void object_setIvarWithStrongDefault(id _Nullable object, Ivar ivar, id _Nullable value);

/* Looking up classes */
OBJC_EXPORT Class _Nullable objc_getClass(const char *name);
OBJC_EXPORT Class _Nullable objc_getMetaClass(const char *name);
OBJC_EXPORT Class _Nullable objc_lookUpClass(const char *name);
OBJC_EXPORT Class objc_getRequiredClass(const char *name);
OBJC_EXPORT int objc_getClassList(Class _Nonnull *_Nullable buffer, int bufferCount);
OBJC_EXPORT Class _Nonnull *_Nullable objc_copyClassList(unsigned int *_Nullable outCount);

/* Classes */
OBJC_EXPORT const char *class_getName(Class _Nullable cls);
OBJC_EXPORT BOOL class_isMetaClass(Class _Nullable cls);
OBJC_EXPORT Class _Nullable class_getSuperclass(Class _Nullable cls);
OBJC_EXPORT int class_getVersion(Class _Nullable cls);
OBJC_EXPORT void class_setVersion(Class _Nullable cls, int version);
OBJC_EXPORT size_t class_getInstanceSize(Class _Nullable cls);
OBJC_EXPORT Ivar _Nullable class_getInstanceVariable(Class _Nullable cls, const char *name);
OBJC_EXPORT Ivar _Nullable class_getClassVariable(Class _Nullable cls, const char *name);
OBJC_EXPORT Ivar _Nonnull *_Nullable class_copyIvarList(Class _Nullable cls, unsigned int *_Nullable outCount);
OBJC_EXPORT Method _Nullable class_getInstanceMethod(Class _Nullable cls, SEL name);
OBJC_EXPORT Method _Nullable class_getClassMethod(Class _Nullable cls, SEL name);
OBJC_EXPORT IMP _Nullable class_getMethodImplementation(Class _Nullable cls, SEL name);
OBJC_EXPORT BOOL class_respondsToSelector(Class _Nullable cls, SEL sel);
OBJC_EXPORT Method _Nonnull *_Nullable class_copyMethodList(Class _Nullable cls, unsigned int *_Nullable outCount);
OBJC_EXPORT BOOL class_conformsToProtocol(Class _Nullable cls, Protocol *_Nullable protocol);
OBJC_EXPORT Protocol *__unsafe_unretained _Nonnull *_Nullable class_copyProtocolList(
    Class _Nullable cls, unsigned int *_Nullable outCount);
OBJC_EXPORT objc_property_t _Nullable class_getProperty(Class _Nullable cls, const char *name);
OBJC_EXPORT objc_property_t _Nonnull *_Nullable class_copyPropertyList(Class _Nullable cls,
                                                                       unsigned int *_Nullable outCount);
OBJC_EXPORT BOOL class_addMethod(Class _Nullable cls, SEL name, IMP imp, const char *_Nullable types);
OBJC_EXPORT IMP _Nullable class_replaceMethod(Class _Nullable cls, SEL name, IMP imp, const char *_Nullable types);
OBJC_EXPORT BOOL class_addIvar(Class _Nullable cls, const char *name, size_t size, uint8_t alignment,
                               const char *_Nullable types);
OBJC_EXPORT BOOL class_addProtocol(Class _Nullable cls, Protocol *protocol);
OBJC_EXPORT BOOL class_addProperty(Class _Nullable cls, const char *name,
                                   const objc_property_attribute_t *_Nullable attributes, unsigned int attributeCount);
OBJC_EXPORT void class_replaceProperty(Class _Nullable cls, const char *name,
                                       const objc_property_attribute_t *_Nullable attributes,
                                       unsigned int attributeCount);
OBJC_EXPORT id _Nullable class_createInstance(Class _Nullable cls, size_t extraBytes) OBJC_RETURNS_RETAINED;

/* Making classes */
OBJC_EXPORT Class _Nullable objc_allocateClassPair(Class _Nullable superclass, const char *name, size_t extraBytes);
OBJC_EXPORT void objc_registerClassPair(Class cls);
OBJC_EXPORT void objc_disposeClassPair(Class cls);

/* Methods */
OBJC_EXPORT SEL method_getName(Method m);
OBJC_EXPORT IMP method_getImplementation(Method m);
OBJC_EXPORT const char *_Nullable method_getTypeEncoding(Method m);
OBJC_EXPORT unsigned int method_getNumberOfArguments(Method m);
OBJC_EXPORT char *method_copyReturnType(Method m);
OBJC_EXPORT char *_Nullable method_copyArgumentType(Method m, unsigned int index);
OBJC_EXPORT void method_getReturnType(Method m, char *dst, size_t dst_len);
OBJC_EXPORT struct objc_method_description *method_getDescription(Method m);
OBJC_EXPORT IMP method_setImplementation(Method m, IMP imp);
OBJC_EXPORT void method_exchangeImplementations(Method m1, Method m2);

/* Instance variables */
OBJC_EXPORT const char *_Nullable ivar_getName(Ivar v);
OBJC_EXPORT const char *_Nullable ivar_getTypeEncoding(Ivar v);
OBJC_EXPORT ptrdiff_t ivar_getOffset(Ivar v);

/* Properties */
OBJC_EXPORT const char *property_getName(objc_property_t property);
OBJC_EXPORT const char *_Nullable property_getAttributes(objc_property_t property);
OBJC_EXPORT objc_property_attribute_t *_Nullable property_copyAttributeList(objc_property_t property,
                                                                            unsigned int *_Nullable outCount);
OBJC_EXPORT char *_Nullable property_copyAttributeValue(objc_property_t property, const char *attributeName);

/* Protocols */
OBJC_EXPORT Protocol *_Nullable objc_getProtocol(const char *name);
OBJC_EXPORT Protocol *__unsafe_unretained _Nonnull *_Nullable objc_copyProtocolList(unsigned int *_Nullable outCount);
OBJC_EXPORT BOOL protocol_conformsToProtocol(Protocol *_Nullable proto, Protocol *_Nullable other);
OBJC_EXPORT BOOL protocol_isEqual(Protocol *_Nullable proto, Protocol *_Nullable other);
OBJC_EXPORT const char *protocol_getName(Protocol *proto);
OBJC_EXPORT struct objc_method_description protocol_getMethodDescription(Protocol *proto, SEL aSel,
                                                                         BOOL isRequiredMethod, BOOL isInstanceMethod);
OBJC_EXPORT objc_property_t _Nullable protocol_getProperty(Protocol *proto, const char *name,
                                                           BOOL isRequiredProperty, BOOL isInstanceProperty);

/* Images and selectors */
OBJC_EXPORT const char *_Nonnull *_Nullable objc_copyImageNames(unsigned int *_Nullable outCount);
OBJC_EXPORT const char *_Nullable class_getImageName(Class _Nullable cls);
OBJC_EXPORT BOOL sel_isEqual(SEL lhs, SEL rhs);

/* Fast enumeration */
OBJC_EXPORT void objc_enumerationMutation(id obj);
OBJC_EXPORT void objc_setEnumerationMutationHandler(void (*_Nullable handler)(id _Nonnull));

/* Blocks as method implementations */
OBJC_EXPORT IMP imp_implementationWithBlock(id block);
OBJC_EXPORT id _Nullable imp_getBlock(IMP anImp);
OBJC_EXPORT BOOL imp_removeBlock(IMP anImp);

/* Weak references (for code without automatic reference counting) */
OBJC_EXPORT id _Nullable objc_loadWeak(id _Nullable *_Nonnull location);
OBJC_EXPORT id _Nullable objc_storeWeak(id _Nullable *_Nonnull location, id _Nullable obj);

/* Associated objects */
typedef enum : uintptr_t {
    OBJC_ASSOCIATION_ASSIGN = 0,
    OBJC_ASSOCIATION_RETAIN_NONATOMIC = 1,
    OBJC_ASSOCIATION_COPY_NONATOMIC = 3,
    OBJC_ASSOCIATION_RETAIN = 01401,
    OBJC_ASSOCIATION_COPY = 01403
} objc_AssociationPolicy;

OBJC_EXPORT void objc_setAssociatedObject(id object, const void *key, id _Nullable value,
                                          objc_AssociationPolicy policy);
OBJC_EXPORT id _Nullable objc_getAssociatedObject(id object, const void *key);
OBJC_EXPORT void objc_removeAssociatedObjects(id object);

/* Type encodings */
#define _C_ID '@'
#define _C_CLASS '#'
#define _C_SEL ':'
#define _C_CHR 'c'
#define _C_UCHR 'C'
#define _C_SHT 's'
#define _C_USHT 'S'
#define _C_INT 'i'
#define _C_UINT 'I'
#define _C_LNG 'l'
#define _C_ULNG 'L'
#define _C_LNG_LNG 'q'
#define _C_ULNG_LNG 'Q'
#define _C_FLT 'f'
#define _C_DBL 'd'
#define _C_BFLD 'b'
#define _C_BOOL 'B'
#define _C_VOID 'v'
#define _C_UNDEF '?'
#define _C_PTR '^'
#define _C_CHARPTR '*'
#define _C_ATOM '%'
#define _C_ARY_B '['
#define _C_ARY_E ']'
#define _C_UNION_B '('
#define _C_UNION_E ')'
#define _C_STRUCT_B '{'
#define _C_STRUCT_E '}'
#define _C_VECTOR '!'
#define _C_CONST 'r'

#pragma clang assume_nonnull end

#endif /* _OBJC_RUNTIME_H */
