/* fnmatch.h: matching file names against shell patterns. */
#ifndef _FNMATCH_H_
#define _FNMATCH_H_

#include <sys/cdefs.h>

#define FNM_NOMATCH 1
#define FNM_NOESCAPE 0x01
#define FNM_PATHNAME 0x02
#define FNM_PERIOD 0x04
#define FNM_NOSYS (-1)
#define FNM_LEADING_DIR 0x08
#define FNM_CASEFOLD 0x10
#define FNM_IGNORECASE FNM_CASEFOLD
#define FNM_FILE_NAME FNM_PATHNAME

__BEGIN_DECLS
int fnmatch(const char *pattern, const char *string, int flags);
__END_DECLS

#endif /* _FNMATCH_H_ */
