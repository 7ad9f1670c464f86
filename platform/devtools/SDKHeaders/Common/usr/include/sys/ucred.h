/* sys/ucred.h: the credentials of a process as the kernel passes them out. */
#ifndef _SYS_UCRED_H_
#define _SYS_UCRED_H_

#include <sys/types.h>
#include <sys/param.h>

#define XUCRED_VERSION 0

struct xucred {
    u_int cr_version;
    uid_t cr_uid;
    short cr_ngroups;
    gid_t cr_groups[NGROUPS];
};

#endif /* _SYS_UCRED_H_ */
