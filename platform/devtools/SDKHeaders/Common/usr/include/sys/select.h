/* sys/select.h: waiting for several file descriptors at once, with the descriptor sets select() takes. */
#ifndef _SYS_SELECT_H_
#define _SYS_SELECT_H_

#include <sys/cdefs.h>
#include <sys/types.h>
#include <sys/time.h>
#include <signal.h>

#define FD_SETSIZE 1024
#define __DARWIN_NFDBITS (sizeof(int32_t) * 8)
#define NFDBITS __DARWIN_NFDBITS

typedef struct fd_set {
    int32_t fds_bits[(FD_SETSIZE + (__DARWIN_NFDBITS - 1)) / __DARWIN_NFDBITS];
} fd_set;
typedef int32_t fd_mask;

#define FD_SET(n, p) ((p)->fds_bits[(unsigned long)(n) / __DARWIN_NFDBITS] |= ((int32_t)(1UL << ((unsigned long)(n) % __DARWIN_NFDBITS))))
#define FD_CLR(n, p) ((p)->fds_bits[(unsigned long)(n) / __DARWIN_NFDBITS] &= ~((int32_t)(1UL << ((unsigned long)(n) % __DARWIN_NFDBITS))))
#define FD_ISSET(n, p) (((p)->fds_bits[(unsigned long)(n) / __DARWIN_NFDBITS] & ((int32_t)(1UL << ((unsigned long)(n) % __DARWIN_NFDBITS)))) != 0)
#define FD_ZERO(p) __builtin_bzero(p, sizeof(*(p)))
#define FD_COPY(f, t) __builtin_memcpy(t, f, sizeof(*(f)))

__BEGIN_DECLS
int select(int count, fd_set *__restrict read_set, fd_set *__restrict write_set, fd_set *__restrict error_set,
           struct timeval *__restrict timeout);
int pselect(int count, fd_set *__restrict read_set, fd_set *__restrict write_set, fd_set *__restrict error_set,
            const struct timespec *__restrict timeout, const sigset_t *__restrict mask);
__END_DECLS

#endif /* _SYS_SELECT_H_ */
