/* libgen.h: the last component and the parent folder of a path. */
#ifndef _LIBGEN_H_
#define _LIBGEN_H_

#include <sys/cdefs.h>

__BEGIN_DECLS
char *basename(char *path);
char *dirname(char *path);
__END_DECLS

#endif /* _LIBGEN_H_ */
