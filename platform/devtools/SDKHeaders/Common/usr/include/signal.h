/* signal.h: signal numbers, handlers and masks, and sending signals. */
#ifndef _SIGNAL_H_
#define _SIGNAL_H_

#include <sys/cdefs.h>
#include <sys/types.h>

__BEGIN_DECLS

typedef int sig_atomic_t;
typedef uint32_t sigset_t;
typedef void (*sig_t)(int);

#define SIGHUP 1
#define SIGINT 2
#define SIGQUIT 3
#define SIGILL 4
#define SIGTRAP 5
#define SIGABRT 6
#define SIGIOT SIGABRT
#define SIGEMT 7
#define SIGFPE 8
#define SIGKILL 9
#define SIGBUS 10
#define SIGSEGV 11
#define SIGSYS 12
#define SIGPIPE 13
#define SIGALRM 14
#define SIGTERM 15
#define SIGURG 16
#define SIGSTOP 17
#define SIGTSTP 18
#define SIGCONT 19
#define SIGCHLD 20
#define SIGTTIN 21
#define SIGTTOU 22
#define SIGIO 23
#define SIGXCPU 24
#define SIGXFSZ 25
#define SIGVTALRM 26
#define SIGPROF 27
#define SIGWINCH 28
#define SIGINFO 29
#define SIGUSR1 30
#define SIGUSR2 31
#define NSIG 32

#define SIG_DFL ((void (*)(int))0)
#define SIG_IGN ((void (*)(int))1)
#define SIG_HOLD ((void (*)(int))5)
#define SIG_ERR ((void (*)(int)) - 1)

#define SIG_BLOCK 1
#define SIG_UNBLOCK 2
#define SIG_SETMASK 3

#define SA_ONSTACK 0x0001
#define SA_RESTART 0x0002
#define SA_RESETHAND 0x0004
#define SA_NOCLDSTOP 0x0008
#define SA_NODEFER 0x0010
#define SA_NOCLDWAIT 0x0020
#define SA_SIGINFO 0x0040

union sigval {
    int sival_int;
    void *sival_ptr;
};

typedef struct __siginfo {
    int si_signo;
    int si_errno;
    int si_code;
    pid_t si_pid;
    uid_t si_uid;
    int si_status;
    void *si_addr;
    union sigval si_value;
    long si_band;
    unsigned long __pad[7];
} siginfo_t;

struct sigaction {
    union {
        void (*__sa_handler)(int);
        void (*__sa_sigaction)(int, struct __siginfo *, void *);
    } __sigaction_u;
    sigset_t sa_mask;
    int sa_flags;
};
#define sa_handler __sigaction_u.__sa_handler
#define sa_sigaction __sigaction_u.__sa_sigaction

void (*signal(int signal_number, void (*handler)(int)))(int);
int raise(int signal_number);
int kill(pid_t pid, int signal_number);
int killpg(pid_t group, int signal_number);
int sigaction(int signal_number, const struct sigaction *__restrict action, struct sigaction *__restrict old_action);
int sigprocmask(int how, const sigset_t *__restrict set, sigset_t *__restrict old_set);
int sigemptyset(sigset_t *set);
int sigfillset(sigset_t *set);
int sigaddset(sigset_t *set, int signal_number);
int sigdelset(sigset_t *set, int signal_number);
int sigismember(const sigset_t *set, int signal_number);
int sigsuspend(const sigset_t *mask);
int sigwait(const sigset_t *__restrict set, int *__restrict signal_number);
void psignal(unsigned int signal_number, const char *message);
extern const char *const sys_signame[NSIG];
extern const char *const sys_siglist[NSIG];

__END_DECLS

#endif /* _SIGNAL_H_ */
