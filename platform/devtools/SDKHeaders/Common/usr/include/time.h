/* time.h: calendar time, broken-down time and its formatting, processor time and the clocks. */
#ifndef _TIME_H_
#define _TIME_H_

#include <sys/cdefs.h>
#include <Availability.h>
#include <sys/types.h>

__BEGIN_DECLS

struct tm {
    int tm_sec;
    int tm_min;
    int tm_hour;
    int tm_mday;
    int tm_mon;
    int tm_year;
    int tm_wday;
    int tm_yday;
    int tm_isdst;
    long tm_gmtoff;
    char *tm_zone;
};

#ifndef _STRUCT_TIMESPEC
#define _STRUCT_TIMESPEC
struct timespec {
    time_t tv_sec;
    long tv_nsec;
};
#endif

#define CLOCKS_PER_SEC 1000000
#define TIME_UTC 1

typedef enum {
    _CLOCK_REALTIME = 0,
    _CLOCK_MONOTONIC = 6,
    _CLOCK_MONOTONIC_RAW = 4,
    _CLOCK_MONOTONIC_RAW_APPROX = 5,
    _CLOCK_UPTIME_RAW = 8,
    _CLOCK_UPTIME_RAW_APPROX = 9,
    _CLOCK_PROCESS_CPUTIME_ID = 12,
    _CLOCK_THREAD_CPUTIME_ID = 16
} clockid_t;
#define CLOCK_REALTIME _CLOCK_REALTIME
#define CLOCK_MONOTONIC _CLOCK_MONOTONIC
#define CLOCK_MONOTONIC_RAW _CLOCK_MONOTONIC_RAW
#define CLOCK_MONOTONIC_RAW_APPROX _CLOCK_MONOTONIC_RAW_APPROX
#define CLOCK_UPTIME_RAW _CLOCK_UPTIME_RAW
#define CLOCK_UPTIME_RAW_APPROX _CLOCK_UPTIME_RAW_APPROX
#define CLOCK_PROCESS_CPUTIME_ID _CLOCK_PROCESS_CPUTIME_ID
#define CLOCK_THREAD_CPUTIME_ID _CLOCK_THREAD_CPUTIME_ID

extern char *tzname[];
extern long timezone;
extern int daylight;

time_t time(time_t *result);
clock_t clock(void);
double difftime(time_t end, time_t start);
time_t mktime(struct tm *time);
time_t timegm(struct tm *time);
time_t timelocal(struct tm *time);
struct tm *gmtime(const time_t *clock);
struct tm *gmtime_r(const time_t *__restrict clock, struct tm *__restrict result);
struct tm *localtime(const time_t *clock);
struct tm *localtime_r(const time_t *__restrict clock, struct tm *__restrict result);
char *asctime(const struct tm *time);
char *asctime_r(const struct tm *__restrict time, char *__restrict buffer);
char *ctime(const time_t *clock);
char *ctime_r(const time_t *clock, char *buffer);
size_t strftime(char *__restrict buffer, size_t size, const char *__restrict format,
                const struct tm *__restrict time);
char *strptime(const char *__restrict string, const char *__restrict format, struct tm *__restrict time);
void tzset(void);
int nanosleep(const struct timespec *duration, struct timespec *remaining);
int clock_getres(clockid_t clock, struct timespec *resolution) __API_AVAILABLE(macos(10.12), ios(10.0));
int clock_gettime(clockid_t clock, struct timespec *time) __API_AVAILABLE(macos(10.12), ios(10.0));
int clock_settime(clockid_t clock, const struct timespec *time) __API_AVAILABLE(macos(10.12), ios(10.0));
uint64_t clock_gettime_nsec_np(clockid_t clock) __API_AVAILABLE(macos(10.12), ios(10.0));
int timespec_get(struct timespec *time, int base) __API_AVAILABLE(macos(10.15), ios(13.0));

__END_DECLS

#endif /* _TIME_H_ */
