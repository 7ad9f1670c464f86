/* sched.h: scheduling parameters and yielding the processor. */
#ifndef _SCHED_H_
#define _SCHED_H_

#include <sys/cdefs.h>

__BEGIN_DECLS

struct sched_param {
    int sched_priority;
    char __opaque[4];
};

#define SCHED_OTHER 1
#define SCHED_FIFO 4
#define SCHED_RR 2

int sched_yield(void);
int sched_get_priority_min(int policy);
int sched_get_priority_max(int policy);

__END_DECLS

#endif /* _SCHED_H_ */
