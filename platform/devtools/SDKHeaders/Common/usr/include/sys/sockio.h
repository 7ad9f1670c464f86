/* sys/sockio.h: the socket and network interface control requests. */
#ifndef _SYS_SOCKIO_H_
#define _SYS_SOCKIO_H_

#include <sys/ioccom.h>

#define SIOCSHIWAT _IOW('s', 0, int)
#define SIOCGHIWAT _IOR('s', 1, int)
#define SIOCSLOWAT _IOW('s', 2, int)
#define SIOCGLOWAT _IOR('s', 3, int)
#define SIOCATMARK _IOR('s', 7, int)
#define SIOCSPGRP _IOW('s', 8, int)
#define SIOCGPGRP _IOR('s', 9, int)
#define SIOCGIFCONF _IOWR('i', 36, struct ifconf)
#define SIOCGIFFLAGS _IOWR('i', 17, struct ifreq)
#define SIOCSIFFLAGS _IOW('i', 16, struct ifreq)
#define SIOCGIFADDR _IOWR('i', 33, struct ifreq)
#define SIOCGIFNETMASK _IOWR('i', 37, struct ifreq)
#define SIOCGIFBRDADDR _IOWR('i', 35, struct ifreq)
#define SIOCGIFMTU _IOWR('i', 51, struct ifreq)
#define SIOCGIFMEDIA _IOWR('i', 56, struct ifmediareq)

#endif /* _SYS_SOCKIO_H_ */
