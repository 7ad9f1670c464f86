/*
 * os/lock.h: the unfair lock, a low-level lock that a thread holds without spinning, and that only the thread which
 * locked it may unlock.
 */
#ifndef __OS_LOCK__
#define __OS_LOCK__

#include <Availability.h>
#include <os/base.h>
#include <stdbool.h>
#include <stdint.h>

__BEGIN_DECLS
OS_ASSUME_NONNULL_BEGIN

typedef struct os_unfair_lock_s {
    uint32_t _os_unfair_lock_opaque;
} os_unfair_lock, *os_unfair_lock_t;

#define OS_UNFAIR_LOCK_INIT ((os_unfair_lock){0})

API_AVAILABLE(macos(10.12), ios(10.0), tvos(10.0), watchos(3.0))
OS_EXPORT OS_NOTHROW OS_NONNULL_ALL void os_unfair_lock_lock(os_unfair_lock_t lock);
API_AVAILABLE(macos(10.12), ios(10.0), tvos(10.0), watchos(3.0))
OS_EXPORT OS_NOTHROW OS_WARN_RESULT OS_NONNULL_ALL bool os_unfair_lock_trylock(os_unfair_lock_t lock);
API_AVAILABLE(macos(10.12), ios(10.0), tvos(10.0), watchos(3.0))
OS_EXPORT OS_NOTHROW OS_NONNULL_ALL void os_unfair_lock_unlock(os_unfair_lock_t lock);
API_AVAILABLE(macos(10.12), ios(10.0), tvos(10.0), watchos(3.0))
OS_EXPORT OS_NOTHROW OS_NONNULL_ALL void os_unfair_lock_assert_owner(const os_unfair_lock *lock);
API_AVAILABLE(macos(10.12), ios(10.0), tvos(10.0), watchos(3.0))
OS_EXPORT OS_NOTHROW OS_NONNULL_ALL void os_unfair_lock_assert_not_owner(const os_unfair_lock *lock);

OS_ASSUME_NONNULL_END
__END_DECLS

#endif /* __OS_LOCK__ */
