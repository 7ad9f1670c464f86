/* sys/proc.h: the process information the kernel reports to user space (through sysctl), with its flags and states. */
#ifndef _SYS_PROC_H_
#define _SYS_PROC_H_

#include <mach/boolean.h>
#include <signal.h>
#include <sys/param.h>
#include <sys/time.h>
#include <sys/types.h>

struct proc;
struct session;
struct pgrp;
struct vnode;
struct rusage;
struct itimerval;

struct extern_proc {
    union {
        struct {
            struct proc *__p_forw;
            struct proc *__p_back;
        } p_st1;
        struct timeval __p_starttime;
    } p_un;
#define p_forw p_un.p_st1.__p_forw
#define p_back p_un.p_st1.__p_back
#define p_starttime p_un.__p_starttime
    struct vmspace *p_vmspace;
    struct sigacts *p_sigacts;
    int p_flag;
    char p_stat;
    pid_t p_pid;
    pid_t p_oppid;
    int p_dupfd;
    caddr_t user_stack;
    void *exit_thread;
    int p_debugger;
    boolean_t sigwait;
    u_int p_estcpu;
    int p_cpticks;
    fixpt_t p_pctcpu;
    void *p_wchan;
    char *p_wmesg;
    u_int p_swtime;
    u_int p_slptime;
    struct itimerval p_realtimer;
    struct timeval p_rtime;
    u_quad_t p_uticks;
    u_quad_t p_sticks;
    u_quad_t p_iticks;
    int p_traceflag;
    struct vnode *p_tracep;
    int p_siglist;
    struct vnode *p_textvp;
    int p_holdcnt;
    sigset_t p_sigmask;
    sigset_t p_sigignore;
    sigset_t p_sigcatch;
    u_char p_priority;
    u_char p_usrpri;
    char p_nice;
    char p_comm[MAXCOMLEN + 1];
    struct pgrp *p_pgrp;
    struct user *p_addr;
    u_short p_xstat;
    u_short p_acflag;
    struct rusage *p_ru;
};

#define P_ADVLOCK 0x00000001
#define P_CONTROLT 0x00000002
#define P_LP64 0x00000004
#define P_NOCLDSTOP 0x00000008
#define P_PPWAIT 0x00000010
#define P_PROFIL 0x00000020
#define P_SELECT 0x00000040
#define P_CONTINUED 0x00000080
#define P_SUGID 0x00000100
#define P_SYSTEM 0x00000200
#define P_TIMEOUT 0x00000400
#define P_TRACED 0x00000800
#define P_DISABLE_ASLR 0x00001000
#define P_WEXIT 0x00002000
#define P_EXEC 0x00004000

#define SIDL 1
#define SRUN 2
#define SSLEEP 3
#define SSTOP 4
#define SZOMB 5

#endif /* _SYS_PROC_H_ */
