/* dirent.h: reading directories entry by entry. */
#ifndef _DIRENT_H_
#define _DIRENT_H_

#include <sys/cdefs.h>
#include <sys/types.h>
#include <sys/dirent.h>

/* An open directory stream; its layout is private to the C library. */
typedef struct __dirstream DIR;

#define DIRBLKSIZ 1024
#define d_fileno d_ino

__BEGIN_DECLS
DIR *opendir(const char *path);
DIR *fdopendir(int fd);
struct dirent *readdir(DIR *directory);
int readdir_r(DIR *directory, struct dirent *entry, struct dirent **result);
void rewinddir(DIR *directory);
void seekdir(DIR *directory, long position);
long telldir(DIR *directory);
int closedir(DIR *directory);
int dirfd(DIR *directory);
int alphasort(const struct dirent **left, const struct dirent **right);
int scandir(const char *path, struct dirent ***entries, int (*select)(const struct dirent *),
            int (*compare)(const struct dirent **, const struct dirent **));
__END_DECLS

#endif /* _DIRENT_H_ */
