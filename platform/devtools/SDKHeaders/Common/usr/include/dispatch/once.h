/*
 * dispatch/once.h: running a block or function exactly once for the life of the process; the predicate must be a
 * variable with static or global storage, initially zero.
 */
#ifndef __DISPATCH_ONCE__
#define __DISPATCH_ONCE__

#include <dispatch/base.h>
#include <dispatch/object.h>

DISPATCH_ASSUME_NONNULL_BEGIN

typedef intptr_t dispatch_once_t;

__BEGIN_DECLS

#if defined(__BLOCKS__)
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void dispatch_once(dispatch_once_t *predicate,
                                                                        DISPATCH_NOESCAPE dispatch_block_t block);
#endif
API_AVAILABLE(macos(10.6), ios(4.0))
DISPATCH_EXPORT DISPATCH_NONNULL1 DISPATCH_NONNULL3 DISPATCH_NOTHROW void
dispatch_once_f(dispatch_once_t *predicate, void *_Nullable context, dispatch_function_t function);

#if defined(__BLOCKS__)
/* The fast path: once the predicate holds ~0 the block has run, and the call into the library is skipped. */
DISPATCH_INLINE DISPATCH_ALWAYS_INLINE DISPATCH_NONNULL_ALL DISPATCH_NOTHROW void
_dispatch_once(dispatch_once_t *predicate, DISPATCH_NOESCAPE dispatch_block_t block) {
    if (DISPATCH_EXPECT(*predicate, ~0l) != ~0l) {
        dispatch_once(predicate, block);
    }
}
#undef dispatch_once
#define dispatch_once _dispatch_once
#endif

__END_DECLS

DISPATCH_ASSUME_NONNULL_END

#endif /* __DISPATCH_ONCE__ */
