/* dispatch/time.h: points in time for dispatch_after and the waiting functions, in nanoseconds. */
#ifndef __DISPATCH_TIME__
#define __DISPATCH_TIME__

#include <dispatch/base.h>
#include <stdint.h>
#include <time.h>

#define NSEC_PER_SEC 1000000000ull
#define NSEC_PER_MSEC 1000000ull
#define USEC_PER_SEC 1000000ull
#define NSEC_PER_USEC 1000ull

DISPATCH_ASSUME_NONNULL_BEGIN

typedef uint64_t dispatch_time_t;

#define DISPATCH_WALLTIME_NOW (~1ull)

#define DISPATCH_TIME_NOW (0ull)
#define DISPATCH_TIME_FOREVER (~0ull)

__BEGIN_DECLS

/* A time relative to another (DISPATCH_TIME_NOW for now), delta nanoseconds later. */
DISPATCH_EXPORT DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_time_t dispatch_time(dispatch_time_t when,
                                                                                   int64_t delta);
DISPATCH_EXPORT DISPATCH_WARN_RESULT DISPATCH_NOTHROW dispatch_time_t
dispatch_walltime(const struct timespec *_Nullable when, int64_t delta);

__END_DECLS

DISPATCH_ASSUME_NONNULL_END

#endif /* __DISPATCH_TIME__ */
