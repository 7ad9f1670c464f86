/* mach/time_value.h: a time in seconds and microseconds, as Mach reports CPU times. */
#ifndef _MACH_TIME_VALUE_H_
#define _MACH_TIME_VALUE_H_

#include <mach/machine.h>

struct time_value {
    integer_t seconds;
    integer_t microseconds;
};
typedef struct time_value time_value_t;

#define TIME_MICROS_MAX (1000000)

#endif /* _MACH_TIME_VALUE_H_ */
