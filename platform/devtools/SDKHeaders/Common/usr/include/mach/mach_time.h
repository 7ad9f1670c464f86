/* mach/mach_time.h: the absolute time of the Mach kernel, in ticks, and the ratio that turns ticks into ns. */
#ifndef _MACH_MACH_TIME_H_
#define _MACH_MACH_TIME_H_

#include <sys/cdefs.h>
#include <Availability.h>
#include <stdint.h>
#include <mach/kern_return.h>

struct mach_timebase_info {
    uint32_t numer;
    uint32_t denom;
};
typedef struct mach_timebase_info *mach_timebase_info_t;
typedef struct mach_timebase_info mach_timebase_info_data_t;

__BEGIN_DECLS
kern_return_t mach_timebase_info(mach_timebase_info_t info);
kern_return_t mach_wait_until(uint64_t deadline);
uint64_t mach_absolute_time(void);
uint64_t mach_approximate_time(void) __API_AVAILABLE(macos(10.10), ios(8.0));
uint64_t mach_continuous_time(void) __API_AVAILABLE(macos(10.12), ios(10.0));
uint64_t mach_continuous_approximate_time(void) __API_AVAILABLE(macos(10.12), ios(10.0));
__END_DECLS

#endif /* _MACH_MACH_TIME_H_ */
