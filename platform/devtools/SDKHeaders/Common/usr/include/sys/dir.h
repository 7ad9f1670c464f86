/* sys/dir.h: the older BSD name of directory entries (struct direct), kept for code that still uses it. */
#ifndef _SYS_DIR_H_
#define _SYS_DIR_H_

#include <sys/dirent.h>

#define direct dirent

#define DIRSIZ(dp) ((sizeof(struct direct) - (MAXNAMLEN + 1)) + (((dp)->d_namlen + 1 + 3) & ~3))

#endif /* _SYS_DIR_H_ */
