/* dispatch/group.h: dispatch groups: waiting for, or being notified of, the end of a set of work items. */
#ifndef __DISPATCH_GROUP__
#define __DISPATCH_GROUP__

#include <dispatch/base.h>
#include <dispatch/object.h>
#include <dispatch/queue.h>

DISPATCH_ASSUME_NONNULL_BEGIN

DISPATCH_DECL(dispatch_group);

__BEGIN_DECLS

API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_MALLOC DISPATCH_RETURNS_RETAINED DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_group_t
dispatch_group_create(void);
#if defined(__BLOCKS__)
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void
dispatch_group_async(dispatch_group_t group, dispatch_queue_t queue, dispatch_block_t block);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void
dispatch_group_notify(dispatch_group_t group, dispatch_queue_t queue, dispatch_block_t block);
#endif
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NONNULL2 DISPATCH_NONNULL4 DISPATCH_NOTHROW void
dispatch_group_async_f(dispatch_group_t group, dispatch_queue_t queue, void *_Nullable context,
                       dispatch_function_t work);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NONNULL2 DISPATCH_NONNULL4 DISPATCH_NOTHROW void
dispatch_group_notify_f(dispatch_group_t group, dispatch_queue_t queue, void *_Nullable context,
                        dispatch_function_t work);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW intptr_t dispatch_group_wait(dispatch_group_t group,
                                                                                  dispatch_time_t timeout);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_group_enter(dispatch_group_t group);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_group_leave(dispatch_group_t group);

__END_DECLS

DISPATCH_ASSUME_NONNULL_END

#endif /* __DISPATCH_GROUP__ */
