/* sys/sysctl.h: reading and setting kernel state by management information base names or by textual names. */
#ifndef _SYS_SYSCTL_H_
#define _SYS_SYSCTL_H_

#include <sys/types.h>
#include <sys/proc.h>
#include <sys/ucred.h>

#define CTL_MAXNAME 12
#define CTL_UNSPEC 0
#define CTL_KERN 1
#define CTL_VM 2
#define CTL_VFS 3
#define CTL_NET 4
#define CTL_DEBUG 5
#define CTL_HW 6
#define CTL_MACHDEP 7
#define CTL_USER 8

#define KERN_OSTYPE 1
#define KERN_OSRELEASE 2
#define KERN_OSREV 3
#define KERN_VERSION 4
#define KERN_MAXPROC 6
#define KERN_HOSTNAME 10
#define KERN_BOOTTIME 21
#define KERN_PROC 14
#define KERN_PROC_ALL 0
#define KERN_PROC_PID 1
#define KERN_PROC_PGRP 2
#define KERN_PROC_SESSION 3
#define KERN_PROC_TTY 4
#define KERN_PROC_UID 5
#define KERN_PROC_RUID 6
#define KERN_PROC_LCID 7
#define KERN_ARGMAX 8
#define KERN_SECURELVL 9
#define KERN_CLOCKRATE 12
#define KERN_PROF 16
#define KERN_NISDOMAINNAME 22
#define KERN_PROCARGS 38
#define KERN_PROCARGS2 49
#define KERN_SAFEBOOT 66
#define KERN_OSVERSION 65

#define HW_MACHINE 1
#define HW_MODEL 2
#define HW_NCPU 3
#define HW_BYTEORDER 4
#define HW_PHYSMEM 5
#define HW_USERMEM 6
#define HW_PAGESIZE 7
#define HW_MEMSIZE 24
#define HW_AVAILCPU 25
#define HW_CPU_FREQ 15
#define HW_BUS_FREQ 14
#define HW_MACHINE_ARCH 12
#define HW_VECTORUNIT 13
#define HW_L1ICACHESIZE 17
#define HW_L1DCACHESIZE 18
#define HW_L2CACHESIZE 20
#define HW_L3CACHESIZE 22
#define HW_TB_FREQ 23
#define HW_CACHELINE 16

#define WMESGLEN 7
#define COMAPT_MAXLOGNAME 12

struct vmspace {
    int32_t dummy;
    caddr_t dummy2;
    int32_t dummy3[5];
    caddr_t dummy4[3];
};

struct _pcred {
    char pc_lock[72];
    struct ucred *pc_ucred;
    uid_t p_ruid;
    uid_t p_svuid;
    gid_t p_rgid;
    gid_t p_svgid;
    int p_refcnt;
};

struct _ucred {
    int32_t cr_ref;
    uid_t cr_uid;
    short cr_ngroups;
    gid_t cr_groups[NGROUPS];
};

struct eproc {
    struct proc *e_paddr;
    struct session *e_sess;
    struct _pcred e_pcred;
    struct _ucred e_ucred;
    struct vmspace e_vm;
    pid_t e_ppid;
    pid_t e_pgid;
    short e_jobc;
    dev_t e_tdev;
    pid_t e_tpgid;
    struct session *e_tsess;
    char e_wmesg[WMESGLEN + 1];
    segsz_t e_xsize;
    short e_xrssize;
    short e_xccount;
    short e_xswrss;
    int32_t e_flag;
    char e_login[COMAPT_MAXLOGNAME];
    int32_t e_spare[4];
};

struct kinfo_proc {
    struct extern_proc kp_proc;
    struct eproc kp_eproc;
};

struct loadavg {
    fixpt_t ldavg[3];
    long fscale;
};

struct xsw_usage {
    u_int64_t xsu_total;
    u_int64_t xsu_avail;
    u_int64_t xsu_used;
    u_int32_t xsu_pagesize;
    boolean_t xsu_encrypted;
};

__BEGIN_DECLS

int sysctl(int *name, u_int namelen, void *oldp, size_t *oldlenp, void *newp, size_t newlen);
int sysctlbyname(const char *name, void *oldp, size_t *oldlenp, void *newp, size_t newlen);
int sysctlnametomib(const char *name, int *mibp, size_t *sizep);

__END_DECLS

#endif /* _SYS_SYSCTL_H_ */
