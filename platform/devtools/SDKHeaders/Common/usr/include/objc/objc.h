/*
 * objc/objc.h: the basic types of Objective-C: objects (id), classes (Class), selectors (SEL), method
 * implementations (IMP), the boolean type BOOL with YES and NO, and nil.
 */
#ifndef _OBJC_OBJC_H_
#define _OBJC_OBJC_H_

#include <sys/types.h>
#include <objc/objc-api.h>


/* A class: its layout is private to the runtime. */
typedef struct objc_class *Class;

/* An instance of a class: its first field points to its class. */
struct objc_object {
    Class _Nonnull isa OBJC_ISA_AVAILABILITY;
};
typedef struct objc_object *id;

/* A method selector. */
typedef struct objc_selector *SEL;

/* A method implementation; its first two arguments are the receiver and the selector. */
#if !OBJC_OLD_DISPATCH_PROTOTYPES
typedef void (*IMP)(void);
#else
typedef id _Nullable (*IMP)(id _Nonnull, SEL _Nonnull, ...);
#endif

/* BOOL is a true boolean where the compiler says so (arm64), a signed char elsewhere. */
#define OBJC_BOOL_DEFINED
#if defined(__OBJC_BOOL_IS_BOOL)
#if __OBJC_BOOL_IS_BOOL
#define OBJC_BOOL_IS_BOOL 1
#else
#define OBJC_BOOL_IS_BOOL 0
#endif
#elif defined(__arm64__) && !defined(__x86_64__)
#define OBJC_BOOL_IS_BOOL 1
#else
#define OBJC_BOOL_IS_BOOL 0
#endif
#if OBJC_BOOL_IS_BOOL
#if defined(__cplusplus)
typedef bool BOOL;
#else
typedef _Bool BOOL;
#endif
#else
#define OBJC_BOOL_IS_CHAR 1
typedef signed char BOOL;
#endif

#if __has_feature(objc_bool)
#define YES __objc_yes
#define NO __objc_no
#else
#define YES ((BOOL)1)
#define NO ((BOOL)0)
#endif

#ifndef Nil
#if defined(__cplusplus) && __cplusplus >= 201103L
#define Nil nullptr
#else
#define Nil __DARWIN_NULL
#endif
#endif

#ifndef nil
#if defined(__cplusplus) && __cplusplus >= 201103L
#define nil nullptr
#else
#define nil __DARWIN_NULL
#endif
#endif

typedef const void *objc_objectptr_t;

OBJC_EXPORT const char *_Nonnull sel_getName(SEL _Nonnull selector);
OBJC_EXPORT SEL _Nonnull sel_registerName(const char *_Nonnull name);
OBJC_EXPORT SEL _Nonnull sel_getUid(const char *_Nonnull name);
OBJC_EXPORT BOOL sel_isMapped(SEL _Nonnull selector);
OBJC_EXPORT const char *_Nonnull object_getClassName(id _Nullable object);
OBJC_EXPORT void *_Nullable object_getIndexedIvars(id _Nullable object) OBJC_ARC_UNAVAILABLE;

#endif /* _OBJC_OBJC_H_ */
