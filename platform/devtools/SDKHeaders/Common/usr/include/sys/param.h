/* sys/param.h: system parameters (path lengths, host names) and small arithmetic helpers. */
#ifndef _SYS_PARAM_H_
#define _SYS_PARAM_H_

#include <sys/types.h>
#include <sys/syslimits.h>

#define MAXPATHLEN PATH_MAX
#define MAXHOSTNAMELEN 256
#define MAXSYMLINKS 32
#define NBBY 8
#define NOFILE 256
#define NGROUPS_MAX 16
#define NGROUPS NGROUPS_MAX
#define MAXCOMLEN 16
#define MAXLOGNAME 255
#define MAXBSIZE 1048576
#define DEV_BSIZE 512
#define PAGE_SIZE 4096

#ifndef MIN
#define MIN(a, b) (((a) < (b)) ? (a) : (b))
#endif
#ifndef MAX
#define MAX(a, b) (((a) > (b)) ? (a) : (b))
#endif
#define howmany(x, y) ((((x) % (y)) == 0) ? ((x) / (y)) : (((x) / (y)) + 1))
#define roundup(x, y) ((((x) + ((y) - 1)) / (y)) * (y))
#define powerof2(x) ((((x) - 1) & (x)) == 0)
#define nitems(x) (sizeof((x)) / sizeof((x)[0]))

#endif /* _SYS_PARAM_H_ */
