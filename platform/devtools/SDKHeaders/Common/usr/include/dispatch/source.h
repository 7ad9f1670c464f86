/*
 * dispatch/source.h: dispatch sources: event handlers on a queue for timers, file descriptors, signals, processes
 * and custom events.
 */
#ifndef __DISPATCH_SOURCE__
#define __DISPATCH_SOURCE__

#include <dispatch/base.h>
#include <dispatch/object.h>
#include <dispatch/queue.h>
#include <dispatch/time.h>

DISPATCH_ASSUME_NONNULL_BEGIN

DISPATCH_DECL(dispatch_source);

/* The kind of a source; its value is one of the DISPATCH_SOURCE_TYPE_ constants. */
typedef const struct dispatch_source_type_s *dispatch_source_type_t;

__BEGIN_DECLS

#define DISPATCH_SOURCE_TYPE_DATA_ADD (&_dispatch_source_type_data_add)
DISPATCH_EXPORT const struct dispatch_source_type_s _dispatch_source_type_data_add;
#define DISPATCH_SOURCE_TYPE_DATA_OR (&_dispatch_source_type_data_or)
DISPATCH_EXPORT const struct dispatch_source_type_s _dispatch_source_type_data_or;
#define DISPATCH_SOURCE_TYPE_PROC (&_dispatch_source_type_proc)
DISPATCH_EXPORT const struct dispatch_source_type_s _dispatch_source_type_proc;
#define DISPATCH_SOURCE_TYPE_READ (&_dispatch_source_type_read)
DISPATCH_EXPORT const struct dispatch_source_type_s _dispatch_source_type_read;
#define DISPATCH_SOURCE_TYPE_SIGNAL (&_dispatch_source_type_signal)
DISPATCH_EXPORT const struct dispatch_source_type_s _dispatch_source_type_signal;
#define DISPATCH_SOURCE_TYPE_TIMER (&_dispatch_source_type_timer)
DISPATCH_EXPORT const struct dispatch_source_type_s _dispatch_source_type_timer;
#define DISPATCH_SOURCE_TYPE_VNODE (&_dispatch_source_type_vnode)
DISPATCH_EXPORT const struct dispatch_source_type_s _dispatch_source_type_vnode;
#define DISPATCH_SOURCE_TYPE_WRITE (&_dispatch_source_type_write)
DISPATCH_EXPORT const struct dispatch_source_type_s _dispatch_source_type_write;

typedef unsigned long dispatch_source_timer_flags_t;
#define DISPATCH_TIMER_STRICT 0x1

API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_MALLOC DISPATCH_RETURNS_RETAINED DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_source_t
dispatch_source_create(dispatch_source_type_t type, uintptr_t handle, uintptr_t mask,
                       dispatch_queue_t _Nullable queue);
#if defined(__BLOCKS__)
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NOTHROW void
dispatch_source_set_event_handler(dispatch_source_t source, dispatch_block_t _Nullable handler);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NOTHROW void
dispatch_source_set_cancel_handler(dispatch_source_t source, dispatch_block_t _Nullable handler);
API_AVAILABLE(macos(10.7), ios(4.3))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NOTHROW void
dispatch_source_set_registration_handler(dispatch_source_t source, dispatch_block_t _Nullable handler);
#endif
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NOTHROW void
dispatch_source_set_event_handler_f(dispatch_source_t source, dispatch_function_t _Nullable handler);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_source_cancel(dispatch_source_t source);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_WARN_RESULT DISPATCH_PURE DISPATCH_NOTHROW intptr_t
dispatch_source_testcancel(dispatch_source_t source);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_WARN_RESULT DISPATCH_PURE DISPATCH_NOTHROW uintptr_t
dispatch_source_get_handle(dispatch_source_t source);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_WARN_RESULT DISPATCH_PURE DISPATCH_NOTHROW uintptr_t
dispatch_source_get_mask(dispatch_source_t source);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_WARN_RESULT DISPATCH_PURE DISPATCH_NOTHROW uintptr_t
dispatch_source_get_data(dispatch_source_t source);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_source_merge_data(dispatch_source_t source,
                                                                                     uintptr_t value);
/* Starts a timer at start, firing every interval nanoseconds, with leeway nanoseconds of allowed delay. */
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NOTHROW void dispatch_source_set_timer(dispatch_source_t source,
                                                                                 dispatch_time_t start,
                                                                                 uint64_t interval, uint64_t leeway);

__END_DECLS

DISPATCH_ASSUME_NONNULL_END

#endif /* __DISPATCH_SOURCE__ */
