/*
 * AvailabilityInternal.h: the machinery behind Availability.h, which code includes for the deployment target
 * macros it defines. Those and the version constants are all declared in Availability.h itself.
 */
#ifndef __AVAILABILITY_INTERNAL__
#define __AVAILABILITY_INTERNAL__

#include <Availability.h>

#endif /* __AVAILABILITY_INTERNAL__ */
