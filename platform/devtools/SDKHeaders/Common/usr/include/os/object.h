/*
 * os/object.h: the reference-counted objects of the system libraries (dispatch queues, groups, sources, os_log).
 * In Objective-C they are Objective-C objects, declared as NSObject pointers conforming to a protocol per type, so
 * that automatic reference counting manages them; in C they are pointers to opaque structures.
 */
#ifndef __OS_OBJECT__
#define __OS_OBJECT__

#include <os/base.h>
#include <TargetConditionals.h>

#if !defined(OS_OBJECT_HAVE_OBJC_SUPPORT)
#if defined(__OBJC__) && defined(__OBJC2__)
#define OS_OBJECT_HAVE_OBJC_SUPPORT 1
#else
#define OS_OBJECT_HAVE_OBJC_SUPPORT 0
#endif
#endif

#if !defined(OS_OBJECT_USE_OBJC)
#define OS_OBJECT_USE_OBJC OS_OBJECT_HAVE_OBJC_SUPPORT
#endif

#if OS_OBJECT_USE_OBJC
#import <objc/NSObject.h>
#if __has_feature(objc_arc)
#define OS_OBJECT_BRIDGE __bridge
#define OS_WARN_RESULT_NEEDS_RELEASE
#else
#define OS_OBJECT_BRIDGE
#define OS_WARN_RESULT_NEEDS_RELEASE OS_WARN_RESULT
#endif
#define OS_OBJECT_RETURNS_RETAINED __attribute__((__ns_returns_retained__))
#define OS_OBJECT_CONSUMED __attribute__((__ns_consumed__))
#define OS_OBJECT_PROTOCOL(name) @protocol OS_##name
#define OS_OBJECT_DECL_PROTOCOL(name, ...) @protocol OS_##name __VA_ARGS__ @end
#define OS_OBJECT_DECL(name)                                                                                    \
    OS_OBJECT_DECL_PROTOCOL(name, <NSObject>)                                                                        \
    typedef NSObject<OS_##name> *name##_t
#define OS_OBJECT_DECL_SUBCLASS(name, super)                                                                         \
    OS_OBJECT_DECL_PROTOCOL(name, <OS_##super>)                                                                      \
    typedef NSObject<OS_##name> *name##_t
#define OS_OBJECT_GLOBAL_OBJECT(type, object) ((OS_OBJECT_BRIDGE type)&(object))
#else
#define OS_OBJECT_BRIDGE
#define OS_WARN_RESULT_NEEDS_RELEASE OS_WARN_RESULT
#define OS_OBJECT_RETURNS_RETAINED
#define OS_OBJECT_CONSUMED
#define OS_OBJECT_DECL(name) typedef struct name##_s *name##_t
#define OS_OBJECT_DECL_SUBCLASS(name, super) typedef struct name##_s *name##_t
#define OS_OBJECT_GLOBAL_OBJECT(type, object) ((type)&(object))
#endif

__BEGIN_DECLS
#if OS_OBJECT_USE_OBJC && __has_feature(objc_arc)
void *os_retain(void *object) __attribute__((unavailable("Can't be used with ARC")));
void os_release(void *object) __attribute__((unavailable("Can't be used with ARC")));
#else
OS_EXPORT void *os_retain(void *object);
OS_EXPORT void os_release(void *object);
#endif
__END_DECLS

#endif /* __OS_OBJECT__ */
