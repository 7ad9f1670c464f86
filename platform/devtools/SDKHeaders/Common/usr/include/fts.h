/* fts.h: walking file hierarchies, with each file's path, level and status. */
#ifndef _FTS_H_
#define _FTS_H_

#include <sys/cdefs.h>
#include <sys/types.h>
#include <sys/stat.h>

typedef struct {
    struct _ftsent *fts_cur;
    struct _ftsent *fts_child;
    struct _ftsent **fts_array;
    dev_t fts_dev;
    char *fts_path;
    int fts_rfd;
    int fts_pathlen;
    int fts_nitems;
    int (*fts_compar)(const struct _ftsent **, const struct _ftsent **);
    int fts_options;
} FTS;

typedef struct _ftsent {
    struct _ftsent *fts_cycle;
    struct _ftsent *fts_parent;
    struct _ftsent *fts_link;
    long fts_number;
    void *fts_pointer;
    char *fts_accpath;
    char *fts_path;
    int fts_errno;
    int fts_symfd;
    unsigned short fts_pathlen;
    unsigned short fts_namelen;
    ino_t fts_ino;
    dev_t fts_dev;
    nlink_t fts_nlink;
    short fts_level;
    unsigned short fts_info;
    unsigned short fts_flags;
    unsigned short fts_instr;
    struct stat *fts_statp;
    char fts_name[1];
} FTSENT;

#define FTS_COMFOLLOW 0x001
#define FTS_LOGICAL 0x002
#define FTS_NOCHDIR 0x004
#define FTS_NOSTAT 0x008
#define FTS_PHYSICAL 0x010
#define FTS_SEEDOT 0x020
#define FTS_XDEV 0x040
#define FTS_WHITEOUT 0x080
#define FTS_COMFOLLOWDIR 0x400
#define FTS_OPTIONMASK 0x4ff
#define FTS_NAMEONLY 0x100
#define FTS_STOP 0x200

#define FTS_ROOTPARENTLEVEL -1
#define FTS_ROOTLEVEL 0
#define FTS_D 1
#define FTS_DC 2
#define FTS_DEFAULT 3
#define FTS_DNR 4
#define FTS_DOT 5
#define FTS_DP 6
#define FTS_ERR 7
#define FTS_F 8
#define FTS_INIT 9
#define FTS_NS 10
#define FTS_NSOK 11
#define FTS_SL 12
#define FTS_SLNONE 13
#define FTS_W 14
#define FTS_DONTCHDIR 0x01
#define FTS_SYMFOLLOW 0x02
#define FTS_AGAIN 1
#define FTS_FOLLOW 2
#define FTS_NOINSTR 3
#define FTS_SKIP 4

__BEGIN_DECLS
FTSENT *fts_children(FTS *tree, int options);
int fts_close(FTS *tree);
FTS *fts_open(char *const *paths, int options, int (*compare)(const FTSENT **, const FTSENT **));
FTSENT *fts_read(FTS *tree);
int fts_set(FTS *tree, FTSENT *entry, int instructions);
__END_DECLS

#endif /* _FTS_H_ */
