/* utime.h: setting the access and modification times of a file. */
#ifndef _UTIME_H_
#define _UTIME_H_

#include <sys/cdefs.h>
#include <sys/types.h>

struct utimbuf {
    time_t actime;
    time_t modtime;
};

__BEGIN_DECLS
int utime(const char *path, const struct utimbuf *times);
__END_DECLS

#endif /* _UTIME_H_ */
