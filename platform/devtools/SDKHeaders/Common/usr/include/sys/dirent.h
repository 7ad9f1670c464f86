/* sys/dirent.h: a directory entry and the kinds of files an entry can name. */
#ifndef _SYS_DIRENT_H_
#define _SYS_DIRENT_H_

#include <sys/types.h>

#define __DARWIN_MAXPATHLEN 1024
#define __DARWIN_MAXNAMLEN 255

struct dirent {
    __uint64_t d_ino;
    __uint64_t d_seekoff;
    __uint16_t d_reclen;
    __uint16_t d_namlen;
    __uint8_t d_type;
    char d_name[__DARWIN_MAXPATHLEN];
};

#define MAXNAMLEN __DARWIN_MAXNAMLEN
#define DT_UNKNOWN 0
#define DT_FIFO 1
#define DT_CHR 2
#define DT_DIR 4
#define DT_BLK 6
#define DT_REG 8
#define DT_LNK 10
#define DT_SOCK 12
#define DT_WHT 14
#define IFTODT(mode) (((mode) & 0170000) >> 12)
#define DTTOIF(dirtype) ((dirtype) << 12)

#endif /* _SYS_DIRENT_H_ */
