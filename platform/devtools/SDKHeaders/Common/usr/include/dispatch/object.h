/*
 * dispatch/object.h: the dispatch object types and what they all share: retaining and releasing (for code without
 * automatic reference counting), context data, suspending, resuming and activating.
 */
#ifndef __DISPATCH_OBJECT__
#define __DISPATCH_OBJECT__

#include <dispatch/base.h>
#include <os/object.h>

DISPATCH_ASSUME_NONNULL_BEGIN

#if OS_OBJECT_USE_OBJC
OS_OBJECT_DECL(dispatch_object);
#define DISPATCH_DECL(name) OS_OBJECT_DECL_SUBCLASS(name, dispatch_object)
#define DISPATCH_DECL_SUBCLASS(name, base) OS_OBJECT_DECL_SUBCLASS(name, base)
#define DISPATCH_GLOBAL_OBJECT(type, object) ((OS_OBJECT_BRIDGE type)&(object))
#elif defined(__cplusplus)
typedef struct dispatch_object_s {
} *dispatch_object_t;
#define DISPATCH_DECL(name) typedef struct name##_s : public dispatch_object_s {} *name##_t
#define DISPATCH_DECL_SUBCLASS(name, base) typedef struct name##_s : public base##_s {} *name##_t
#define DISPATCH_GLOBAL_OBJECT(type, object) (static_cast<type>(&(object)))
#else
/* In C every dispatch object type converts to dispatch_object_t through a transparent union. */
typedef union {
    struct _os_object_s *_os_obj;
    struct dispatch_object_s *_do;
    struct dispatch_queue_s *_dq;
    struct dispatch_queue_attr_s *_dqa;
    struct dispatch_group_s *_dg;
    struct dispatch_source_s *_ds;
    struct dispatch_semaphore_s *_dsema;
    struct dispatch_data_s *_ddata;
    struct dispatch_io_s *_dchannel;
} dispatch_object_t __attribute__((__transparent_union__));
#define DISPATCH_DECL(name) typedef struct name##_s *name##_t
#define DISPATCH_DECL_SUBCLASS(name, base) typedef base##_t name##_t
#define DISPATCH_GLOBAL_OBJECT(type, object) ((type)&(object))
#endif

#if defined(__BLOCKS__)
typedef void (^dispatch_block_t)(void);
#endif

__BEGIN_DECLS

#if OS_OBJECT_USE_OBJC && __has_feature(objc_arc)
void dispatch_retain(dispatch_object_t object) __attribute__((unavailable("Can't be used with ARC")));
void dispatch_release(dispatch_object_t object) __attribute__((unavailable("Can't be used with ARC")));
#else
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_retain(dispatch_object_t object);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_release(dispatch_object_t object);
#endif

API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_PURE DISPATCH_WARN_RESULT DISPATCH_NOTHROW void *_Nullable
dispatch_get_context(dispatch_object_t object);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NOTHROW void dispatch_set_context(dispatch_object_t object, void *_Nullable context);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NOTHROW void dispatch_set_finalizer_f(dispatch_object_t object,
                                                               dispatch_function_t _Nullable finalizer);
API_AVAILABLE(macos(10.12), ios(10.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_activate(dispatch_object_t object);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_suspend(dispatch_object_t object);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_resume(dispatch_object_t object);

__END_DECLS

DISPATCH_ASSUME_NONNULL_END

#endif /* __DISPATCH_OBJECT__ */
