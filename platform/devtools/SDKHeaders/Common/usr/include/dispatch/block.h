/* dispatch/block.h: dispatch blocks: work items with flags that can be waited for, notified about and cancelled. */
#ifndef __DISPATCH_BLOCK__
#define __DISPATCH_BLOCK__

#include <dispatch/base.h>
#include <dispatch/object.h>
#include <dispatch/queue.h>

#if defined(__BLOCKS__)

DISPATCH_ASSUME_NONNULL_BEGIN

DISPATCH_OPTIONS(dispatch_block_flags, unsigned long,
                 DISPATCH_BLOCK_BARRIER = 0x1,
                 DISPATCH_BLOCK_DETACHED = 0x2,
                 DISPATCH_BLOCK_ASSIGN_CURRENT = 0x4,
                 DISPATCH_BLOCK_NO_QOS_CLASS = 0x8,
                 DISPATCH_BLOCK_INHERIT_QOS_CLASS = 0x10,
                 DISPATCH_BLOCK_ENFORCE_QOS_CLASS = 0x20);

__BEGIN_DECLS

API_AVAILABLE(macos(10.10), ios(8.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_RETURNS_RETAINED DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_block_t
dispatch_block_create(dispatch_block_flags_t flags, dispatch_block_t block);
API_AVAILABLE(macos(10.10), ios(8.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NOTHROW intptr_t dispatch_block_wait(dispatch_block_t block,
                                                                               dispatch_time_t timeout);
API_AVAILABLE(macos(10.10), ios(8.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void
dispatch_block_notify(dispatch_block_t block, dispatch_queue_t queue, dispatch_block_t notification_block);
API_AVAILABLE(macos(10.10), ios(8.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_block_cancel(dispatch_block_t block);
API_AVAILABLE(macos(10.10), ios(8.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_WARN_RESULT DISPATCH_PURE DISPATCH_NOTHROW intptr_t
dispatch_block_testcancel(dispatch_block_t block);

__END_DECLS

DISPATCH_ASSUME_NONNULL_END

#endif /* __BLOCKS__ */

#endif /* __DISPATCH_BLOCK__ */
