/* dispatch/semaphore.h: counting semaphores. */
#ifndef __DISPATCH_SEMAPHORE__
#define __DISPATCH_SEMAPHORE__

#include <dispatch/base.h>
#include <dispatch/object.h>
#include <dispatch/time.h>

DISPATCH_ASSUME_NONNULL_BEGIN

DISPATCH_DECL(dispatch_semaphore);

__BEGIN_DECLS

API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_MALLOC DISPATCH_RETURNS_RETAINED DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_semaphore_t
dispatch_semaphore_create(intptr_t value);
/* Waits until the count is positive (or the timeout passes: non-zero result) and decrements it. */
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW intptr_t dispatch_semaphore_wait(dispatch_semaphore_t dsema,
                                                                                      dispatch_time_t timeout);
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW intptr_t dispatch_semaphore_signal(dispatch_semaphore_t dsema);

__END_DECLS

DISPATCH_ASSUME_NONNULL_END

#endif /* __DISPATCH_SEMAPHORE__ */
