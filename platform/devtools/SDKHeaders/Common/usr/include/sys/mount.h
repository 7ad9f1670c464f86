/* sys/mount.h: file system statistics (statfs) and mounting. */
#ifndef _SYS_MOUNT_H_
#define _SYS_MOUNT_H_

#include <sys/cdefs.h>
#include <sys/types.h>
#include <sys/param.h>
#include <sys/ucred.h>

#define MFSNAMELEN 15
#define MFSTYPENAMELEN 16
#define MNAMELEN 1024

typedef struct fsid {
    int32_t val[2];
} fsid_t;

struct statfs {
    uint32_t f_bsize;
    int32_t f_iosize;
    uint64_t f_blocks;
    uint64_t f_bfree;
    uint64_t f_bavail;
    uint64_t f_files;
    uint64_t f_ffree;
    fsid_t f_fsid;
    uid_t f_owner;
    uint32_t f_type;
    uint32_t f_flags;
    uint32_t f_fssubtype;
    char f_fstypename[MFSTYPENAMELEN];
    char f_mntonname[MAXPATHLEN];
    char f_mntfromname[MAXPATHLEN];
    uint32_t f_flags_ext;
    uint32_t f_reserved[7];
};

#define MNT_RDONLY 0x00000001
#define MNT_SYNCHRONOUS 0x00000002
#define MNT_NOEXEC 0x00000004
#define MNT_NOSUID 0x00000008
#define MNT_NODEV 0x00000010
#define MNT_UNION 0x00000020
#define MNT_ASYNC 0x00000040
#define MNT_CPROTECT 0x00000080
#define MNT_EXPORTED 0x00000100
#define MNT_QUARANTINE 0x00000400
#define MNT_LOCAL 0x00001000
#define MNT_QUOTA 0x00002000
#define MNT_ROOTFS 0x00004000
#define MNT_DOVOLFS 0x00008000
#define MNT_DONTBROWSE 0x00100000
#define MNT_IGNORE_OWNERSHIP 0x00200000
#define MNT_AUTOMOUNTED 0x00400000
#define MNT_JOURNALED 0x00800000
#define MNT_NOUSERXATTR 0x01000000
#define MNT_DEFWRITE 0x02000000
#define MNT_MULTILABEL 0x04000000
#define MNT_NOATIME 0x10000000
#define MNT_SNAPSHOT 0x40000000
#define MNT_WAIT 1
#define MNT_NOWAIT 2
#define MNT_FORCE 0x00080000

__BEGIN_DECLS
int statfs(const char *path, struct statfs *buffer);
int fstatfs(int fd, struct statfs *buffer);
int getfsstat(struct statfs *buffer, int size, int mode);
int getmntinfo(struct statfs **buffers, int mode);
int mount(const char *type, const char *directory, int flags, void *data);
int unmount(const char *directory, int flags);
__END_DECLS

#endif /* _SYS_MOUNT_H_ */
