/* sys/filio.h: the generic file control requests. */
#ifndef _SYS_FILIO_H_
#define _SYS_FILIO_H_

#include <sys/ioccom.h>

#define FIOCLEX _IO('f', 1)
#define FIONCLEX _IO('f', 2)
#define FIONREAD _IOR('f', 127, int)
#define FIONBIO _IOW('f', 126, int)
#define FIOASYNC _IOW('f', 125, int)
#define FIOSETOWN _IOW('f', 124, int)
#define FIOGETOWN _IOR('f', 123, int)
#define FIODTYPE _IOR('f', 122, int)

#endif /* _SYS_FILIO_H_ */
