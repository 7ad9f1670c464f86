/* sys/time.h: time of day with microseconds, interval timers and file times. */
#ifndef _SYS_TIME_H_
#define _SYS_TIME_H_

#include <sys/cdefs.h>
#include <sys/types.h>
#include <time.h>

__BEGIN_DECLS

struct timeval {
    time_t tv_sec;
    suseconds_t tv_usec;
};

struct timezone {
    int tz_minuteswest;
    int tz_dsttime;
};

struct itimerval {
    struct timeval it_interval;
    struct timeval it_value;
};

#define ITIMER_REAL 0
#define ITIMER_VIRTUAL 1
#define ITIMER_PROF 2

#define timerclear(tvp) ((tvp)->tv_sec = (tvp)->tv_usec = 0)
#define timerisset(tvp) ((tvp)->tv_sec || (tvp)->tv_usec)
#define timercmp(tvp, uvp, cmp)                                                                                      \
    (((tvp)->tv_sec == (uvp)->tv_sec) ? ((tvp)->tv_usec cmp(uvp)->tv_usec) : ((tvp)->tv_sec cmp(uvp)->tv_sec))
#define timeradd(tvp, uvp, vvp)                                                                                      \
    do {                                                                                                             \
        (vvp)->tv_sec = (tvp)->tv_sec + (uvp)->tv_sec;                                                               \
        (vvp)->tv_usec = (tvp)->tv_usec + (uvp)->tv_usec;                                                            \
        if ((vvp)->tv_usec >= 1000000) {                                                                             \
            (vvp)->tv_sec++;                                                                                         \
            (vvp)->tv_usec -= 1000000;                                                                               \
        }                                                                                                            \
    } while (0)
#define timersub(tvp, uvp, vvp)                                                                                      \
    do {                                                                                                             \
        (vvp)->tv_sec = (tvp)->tv_sec - (uvp)->tv_sec;                                                               \
        (vvp)->tv_usec = (tvp)->tv_usec - (uvp)->tv_usec;                                                            \
        if ((vvp)->tv_usec < 0) {                                                                                    \
            (vvp)->tv_sec--;                                                                                         \
            (vvp)->tv_usec += 1000000;                                                                               \
        }                                                                                                            \
    } while (0)

#define TIMEVAL_TO_TIMESPEC(tv, ts)                                                                                  \
    do {                                                                                                             \
        (ts)->tv_sec = (tv)->tv_sec;                                                                                 \
        (ts)->tv_nsec = (tv)->tv_usec * 1000;                                                                        \
    } while (0)
#define TIMESPEC_TO_TIMEVAL(tv, ts)                                                                                  \
    do {                                                                                                             \
        (tv)->tv_sec = (ts)->tv_sec;                                                                                 \
        (tv)->tv_usec = (ts)->tv_nsec / 1000;                                                                        \
    } while (0)

int gettimeofday(struct timeval *__restrict time, void *__restrict zone);
int settimeofday(const struct timeval *time, const struct timezone *zone);
int getitimer(int which, struct itimerval *value);
int setitimer(int which, const struct itimerval *__restrict value, struct itimerval *__restrict old_value);
int utimes(const char *path, const struct timeval times[2]);
int futimes(int fd, const struct timeval times[2]);

__END_DECLS

#endif /* _SYS_TIME_H_ */
