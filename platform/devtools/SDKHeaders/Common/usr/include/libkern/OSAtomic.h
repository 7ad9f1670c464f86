/*
 * libkern/OSAtomic.h: the old atomic operations and spin locks of the system, deprecated in favour of the C11
 * atomics of <stdatomic.h> and of os_unfair_lock.
 */
#ifndef _OSATOMIC_H_
#define _OSATOMIC_H_

#include <Availability.h>
#include <stdbool.h>
#include <stdint.h>
#include <sys/cdefs.h>

__BEGIN_DECLS

#define OSATOMIC_DEPRECATED(replacement)                                                                            \
    __API_DEPRECATED_WITH_REPLACEMENT(#replacement, macos(10.4, 10.12), ios(2.0, 10.0), tvos(2.0, 10.0),            \
                                      watchos(1.0, 3.0))

typedef int32_t OSSpinLock;
#define OS_SPINLOCK_INIT 0

bool OSSpinLockTry(volatile OSSpinLock *lock) OSATOMIC_DEPRECATED(os_unfair_lock_trylock);
void OSSpinLockLock(volatile OSSpinLock *lock) OSATOMIC_DEPRECATED(os_unfair_lock_lock);
void OSSpinLockUnlock(volatile OSSpinLock *lock) OSATOMIC_DEPRECATED(os_unfair_lock_unlock);

int32_t OSAtomicOr32(uint32_t mask, volatile uint32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_or_explicit);
int32_t OSAtomicOr32Barrier(uint32_t mask, volatile uint32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_or);
int32_t OSAtomicAnd32(uint32_t mask, volatile uint32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_and_explicit);
int32_t OSAtomicAnd32Barrier(uint32_t mask, volatile uint32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_and);
int32_t OSAtomicXor32(uint32_t mask, volatile uint32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_xor_explicit);
int32_t OSAtomicXor32Barrier(uint32_t mask, volatile uint32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_xor);
int32_t OSAtomicAdd32(int32_t amount, volatile int32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_add_explicit);
int32_t OSAtomicAdd32Barrier(int32_t amount, volatile int32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_add);
int32_t OSAtomicIncrement32(volatile int32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_add_explicit);
int32_t OSAtomicIncrement32Barrier(volatile int32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_add);
int32_t OSAtomicDecrement32(volatile int32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_sub_explicit);
int32_t OSAtomicDecrement32Barrier(volatile int32_t *value) OSATOMIC_DEPRECATED(atomic_fetch_sub);
int64_t OSAtomicAdd64(int64_t amount, volatile int64_t *value) OSATOMIC_DEPRECATED(atomic_fetch_add_explicit);
int64_t OSAtomicAdd64Barrier(int64_t amount, volatile int64_t *value) OSATOMIC_DEPRECATED(atomic_fetch_add);
int64_t OSAtomicIncrement64(volatile int64_t *value) OSATOMIC_DEPRECATED(atomic_fetch_add_explicit);
int64_t OSAtomicIncrement64Barrier(volatile int64_t *value) OSATOMIC_DEPRECATED(atomic_fetch_add);
int64_t OSAtomicDecrement64(volatile int64_t *value) OSATOMIC_DEPRECATED(atomic_fetch_sub_explicit);
int64_t OSAtomicDecrement64Barrier(volatile int64_t *value) OSATOMIC_DEPRECATED(atomic_fetch_sub);
bool OSAtomicCompareAndSwap32(int32_t oldValue, int32_t newValue, volatile int32_t *value)
    OSATOMIC_DEPRECATED(atomic_compare_exchange_strong_explicit);
bool OSAtomicCompareAndSwap32Barrier(int32_t oldValue, int32_t newValue, volatile int32_t *value)
    OSATOMIC_DEPRECATED(atomic_compare_exchange_strong);
bool OSAtomicCompareAndSwap64(int64_t oldValue, int64_t newValue, volatile int64_t *value)
    OSATOMIC_DEPRECATED(atomic_compare_exchange_strong_explicit);
bool OSAtomicCompareAndSwapPtr(void *oldValue, void *newValue, void *volatile *value)
    OSATOMIC_DEPRECATED(atomic_compare_exchange_strong_explicit);
bool OSAtomicCompareAndSwapPtrBarrier(void *oldValue, void *newValue, void *volatile *value)
    OSATOMIC_DEPRECATED(atomic_compare_exchange_strong);
void OSMemoryBarrier(void) OSATOMIC_DEPRECATED(atomic_thread_fence);

__END_DECLS

#endif /* _OSATOMIC_H_ */
