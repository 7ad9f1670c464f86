/* poll.h: waiting for events on a set of file descriptors. */
#ifndef _POLL_H_
#define _POLL_H_

#include <sys/poll.h>

#endif /* _POLL_H_ */
