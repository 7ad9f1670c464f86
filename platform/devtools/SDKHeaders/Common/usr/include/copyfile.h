/* copyfile.h: copying files with their metadata (attributes, access lists, extended attributes). */
#ifndef _COPYFILE_H_
#define _COPYFILE_H_

#include <sys/cdefs.h>
#include <stdint.h>

typedef struct _copyfile_state *copyfile_state_t;
typedef uint32_t copyfile_flags_t;
typedef int (*copyfile_callback_t)(int what, int stage, copyfile_state_t state, const char *source,
                                   const char *destination, void *context);

#define COPYFILE_STATE_SRC_FD 1
#define COPYFILE_STATE_SRC_FILENAME 2
#define COPYFILE_STATE_DST_FD 3
#define COPYFILE_STATE_DST_FILENAME 4
#define COPYFILE_STATE_QUARANTINE 5
#define COPYFILE_STATE_STATUS_CB 6
#define COPYFILE_STATE_STATUS_CTX 7
#define COPYFILE_STATE_COPIED 8

#define COPYFILE_ACL (1 << 0)
#define COPYFILE_STAT (1 << 1)
#define COPYFILE_XATTR (1 << 2)
#define COPYFILE_DATA (1 << 3)
#define COPYFILE_SECURITY (COPYFILE_STAT | COPYFILE_ACL)
#define COPYFILE_METADATA (COPYFILE_SECURITY | COPYFILE_XATTR)
#define COPYFILE_ALL (COPYFILE_METADATA | COPYFILE_DATA)
#define COPYFILE_RECURSIVE (1 << 15)
#define COPYFILE_CHECK (1 << 16)
#define COPYFILE_EXCL (1 << 17)
#define COPYFILE_NOFOLLOW_SRC (1 << 18)
#define COPYFILE_NOFOLLOW_DST (1 << 19)
#define COPYFILE_MOVE (1 << 20)
#define COPYFILE_UNLINK (1 << 21)
#define COPYFILE_NOFOLLOW (COPYFILE_NOFOLLOW_SRC | COPYFILE_NOFOLLOW_DST)
#define COPYFILE_PACK (1 << 22)
#define COPYFILE_UNPACK (1 << 23)
#define COPYFILE_CLONE (1 << 24)
#define COPYFILE_CLONE_FORCE (1 << 25)
#define COPYFILE_CONTINUE 0
#define COPYFILE_SKIP 1
#define COPYFILE_QUIT 2
#define COPYFILE_RECURSE_FILE 1
#define COPYFILE_RECURSE_DIR 2
#define COPYFILE_RECURSE_DIR_CLEANUP 3
#define COPYFILE_COPY_DATA 4
#define COPYFILE_COPY_XATTR 5
#define COPYFILE_START 1
#define COPYFILE_FINISH 2
#define COPYFILE_ERR 3
#define COPYFILE_PROGRESS 4

__BEGIN_DECLS
int copyfile(const char *from, const char *to, copyfile_state_t state, copyfile_flags_t flags);
int fcopyfile(int from, int to, copyfile_state_t state, copyfile_flags_t flags);
copyfile_state_t copyfile_state_alloc(void);
int copyfile_state_free(copyfile_state_t state);
int copyfile_state_get(copyfile_state_t state, uint32_t flag, void *destination);
int copyfile_state_set(copyfile_state_t state, uint32_t flag, const void *source);
__END_DECLS

#endif /* _COPYFILE_H_ */
