/* sys/ioctl.h: device control requests, with the terminal window size and the file requests. */
#ifndef _SYS_IOCTL_H_
#define _SYS_IOCTL_H_

#include <sys/cdefs.h>
#include <sys/ttycom.h>
#include <sys/filio.h>
#include <sys/sockio.h>

__BEGIN_DECLS
int ioctl(int fd, unsigned long request, ...);
__END_DECLS

#endif /* _SYS_IOCTL_H_ */
