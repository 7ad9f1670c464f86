/*
 * dispatch/queue.h: dispatch queues: the main queue, the global concurrent queues by quality of service, queues of
 * one's own (serial or concurrent), and submitting work to them synchronously, asynchronously, later or as a
 * barrier.
 */
#ifndef __DISPATCH_QUEUE__
#define __DISPATCH_QUEUE__

#include <dispatch/base.h>
#include <dispatch/object.h>
#include <dispatch/time.h>
#include <sys/qos.h>

DISPATCH_ASSUME_NONNULL_BEGIN

DISPATCH_DECL(dispatch_queue);
DISPATCH_DECL(dispatch_queue_attr);

/* Names of queue kinds (newer SDKs declare them as separate types; here they are the queue type). */
typedef dispatch_queue_t dispatch_queue_global_t;
typedef dispatch_queue_t dispatch_queue_serial_t;
typedef dispatch_queue_t dispatch_queue_main_t;
typedef dispatch_queue_t dispatch_queue_concurrent_t;

typedef long dispatch_queue_priority_t;
#define DISPATCH_QUEUE_PRIORITY_HIGH 2
#define DISPATCH_QUEUE_PRIORITY_DEFAULT 0
#define DISPATCH_QUEUE_PRIORITY_LOW (-2)
#define DISPATCH_QUEUE_PRIORITY_BACKGROUND INT16_MIN

typedef qos_class_t dispatch_qos_class_t;

DISPATCH_ENUM(dispatch_autorelease_frequency, unsigned long,
              DISPATCH_AUTORELEASE_FREQUENCY_INHERIT = 0,
              DISPATCH_AUTORELEASE_FREQUENCY_WORK_ITEM = 1,
              DISPATCH_AUTORELEASE_FREQUENCY_NEVER = 2);

__BEGIN_DECLS

#define DISPATCH_QUEUE_SERIAL NULL
API_AVAILABLE(macos(10.7), ios(4.3))
DISPATCH_EXPORT struct dispatch_queue_attr_s _dispatch_queue_attr_concurrent;
#define DISPATCH_QUEUE_CONCURRENT DISPATCH_GLOBAL_OBJECT(dispatch_queue_attr_t, _dispatch_queue_attr_concurrent)
#define DISPATCH_CURRENT_QUEUE_LABEL NULL
#define DISPATCH_TARGET_QUEUE_DEFAULT NULL
#define DISPATCH_APPLY_AUTO NULL

/* The queue of the main thread. */
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_PURE DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_queue_main_t dispatch_get_main_queue(void);

/* A global concurrent queue: identifier is a quality-of-service class or a DISPATCH_QUEUE_PRIORITY_ value; flags
 * are reserved and must be 0. */
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_CONST DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_queue_global_t
dispatch_get_global_queue(intptr_t identifier, uintptr_t flags);

API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_MALLOC DISPATCH_RETURNS_RETAINED DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_queue_t
dispatch_queue_create(const char *_Nullable label, dispatch_queue_attr_t _Nullable attr);
API_AVAILABLE(macos(10.12), ios(10.0))
DISPATCH_EXPORT DISPATCH_MALLOC DISPATCH_RETURNS_RETAINED DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_queue_t
dispatch_queue_create_with_target(const char *_Nullable label, dispatch_queue_attr_t _Nullable attr,
                                  dispatch_queue_t _Nullable target);
API_AVAILABLE(macos(10.10), ios(8.0))
DISPATCH_EXPORT DISPATCH_WARN_RESULT DISPATCH_PURE DISPATCH_NOTHROW dispatch_queue_attr_t
dispatch_queue_attr_make_with_qos_class(dispatch_queue_attr_t _Nullable attr, dispatch_qos_class_t qos_class,
                                        int relative_priority);
API_AVAILABLE(macos(10.12), ios(10.0))
DISPATCH_EXPORT DISPATCH_WARN_RESULT DISPATCH_PURE DISPATCH_NOTHROW dispatch_queue_attr_t
dispatch_queue_attr_make_with_autorelease_frequency(dispatch_queue_attr_t _Nullable attr,
                                                    dispatch_autorelease_frequency_t frequency);
#define DISPATCH_QUEUE_SERIAL_WITH_AUTORELEASE_POOL                                                                  \
    dispatch_queue_attr_make_with_autorelease_frequency(DISPATCH_QUEUE_SERIAL, DISPATCH_AUTORELEASE_FREQUENCY_WORK_ITEM)
#define DISPATCH_QUEUE_CONCURRENT_WITH_AUTORELEASE_POOL                                                              \
    dispatch_queue_attr_make_with_autorelease_frequency(DISPATCH_QUEUE_CONCURRENT,                                   \
                                                        DISPATCH_AUTORELEASE_FREQUENCY_WORK_ITEM)
API_AVAILABLE(macos(10.12), ios(10.0))
DISPATCH_EXPORT DISPATCH_WARN_RESULT DISPATCH_PURE DISPATCH_NOTHROW dispatch_queue_attr_t
dispatch_queue_attr_make_initially_inactive(dispatch_queue_attr_t _Nullable attr);

API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_PURE DISPATCH_WARN_RESULT DISPATCH_NOTHROW const char *
dispatch_queue_get_label(dispatch_queue_t _Nullable queue);
API_AVAILABLE(macos(10.10), ios(8.0))
DISPATCH_EXPORT DISPATCH_WARN_RESULT DISPATCH_NONNULL1 DISPATCH_NOTHROW dispatch_qos_class_t
dispatch_queue_get_qos_class(dispatch_queue_t queue, int *_Nullable relative_priority);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NOTHROW void dispatch_set_target_queue(dispatch_object_t object,
                                                                dispatch_queue_t _Nullable queue);
API_DEPRECATED("unsupported interface", macos(10.6, 10.9), ios(4.0, 6.0))
DISPATCH_EXPORT DISPATCH_PURE DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_queue_t dispatch_get_current_queue(void);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NOTHROW DISPATCH_NORETURN void dispatch_main(void);

#if defined(__BLOCKS__)
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_async(dispatch_queue_t queue,
                                                                         dispatch_block_t block);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_sync(dispatch_queue_t queue,
                                                                        DISPATCH_NOESCAPE dispatch_block_t block);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL2 DISPATCH_NONNULL3 DISPATCH_NOTHROW void
dispatch_after(dispatch_time_t when, dispatch_queue_t queue, dispatch_block_t block);
API_AVAILABLE(macos(10.7), ios(4.3))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_barrier_async(dispatch_queue_t queue,
                                                                                 dispatch_block_t block);
API_AVAILABLE(macos(10.7), ios(4.3))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void
dispatch_barrier_sync(dispatch_queue_t queue, DISPATCH_NOESCAPE dispatch_block_t block);
API_AVAILABLE(macos(10.14), ios(12.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void
dispatch_async_and_wait(dispatch_queue_t queue, DISPATCH_NOESCAPE dispatch_block_t block);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL3 DISPATCH_NOTHROW void dispatch_apply(size_t iterations,
                                                                      dispatch_queue_t _Nullable queue,
                                                                      DISPATCH_NOESCAPE void (^block)(size_t iteration));
#endif

API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NONNULL3 DISPATCH_NOTHROW void
dispatch_async_f(dispatch_queue_t queue, void *_Nullable context, dispatch_function_t work);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NONNULL3 DISPATCH_NOTHROW void
dispatch_sync_f(dispatch_queue_t queue, void *_Nullable context, dispatch_function_t work);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL2 DISPATCH_NONNULL4 DISPATCH_NOTHROW void
dispatch_after_f(dispatch_time_t when, dispatch_queue_t queue, void *_Nullable context, dispatch_function_t work);
API_AVAILABLE(macos(10.7), ios(4.3))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NONNULL3 DISPATCH_NOTHROW void
dispatch_barrier_async_f(dispatch_queue_t queue, void *_Nullable context, dispatch_function_t work);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL4 DISPATCH_NOTHROW void
dispatch_apply_f(size_t iterations, dispatch_queue_t _Nullable queue, void *_Nullable context,
                 void (*work)(void *_Nullable context, size_t iteration));

/* Key-value data attached to queues. */
API_AVAILABLE(macos(10.7), ios(5.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NOTHROW void
dispatch_queue_set_specific(dispatch_queue_t queue, const void *key, void *_Nullable context,
                            dispatch_function_t _Nullable destructor);
API_AVAILABLE(macos(10.7), ios(5.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_PURE DISPATCH_WARN_RESULT DISPATCH_NOTHROW void *_Nullable
dispatch_queue_get_specific(dispatch_queue_t queue, const void *key);
API_AVAILABLE(macos(10.7), ios(5.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_PURE DISPATCH_WARN_RESULT DISPATCH_NOTHROW void *_Nullable
dispatch_get_specific(const void *key);

/* Asserting on which queue the code runs. */
API_AVAILABLE(macos(10.12), ios(10.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 void dispatch_assert_queue(dispatch_queue_t queue);
API_AVAILABLE(macos(10.12), ios(10.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 void dispatch_assert_queue_barrier(dispatch_queue_t queue);
API_AVAILABLE(macos(10.12), ios(10.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 void dispatch_assert_queue_not(dispatch_queue_t queue);

__END_DECLS

DISPATCH_ASSUME_NONNULL_END

#endif /* __DISPATCH_QUEUE__ */
