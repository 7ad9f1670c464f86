/* sys/poll.h: the poll() call and its event bits. */
#ifndef _SYS_POLL_H_
#define _SYS_POLL_H_

#include <sys/cdefs.h>

#define POLLIN 0x0001
#define POLLPRI 0x0002
#define POLLOUT 0x0004
#define POLLRDNORM 0x0040
#define POLLWRNORM POLLOUT
#define POLLRDBAND 0x0080
#define POLLWRBAND 0x0100
#define POLLEXTEND 0x0200
#define POLLATTRIB 0x0400
#define POLLNLINK 0x0800
#define POLLWRITE 0x1000
#define POLLERR 0x0008
#define POLLHUP 0x0010
#define POLLNVAL 0x0020
#define INFTIM (-1)

typedef unsigned int nfds_t;

struct pollfd {
    int fd;
    short events;
    short revents;
};

__BEGIN_DECLS
int poll(struct pollfd *descriptors, nfds_t count, int timeout);
__END_DECLS

#endif /* _SYS_POLL_H_ */
