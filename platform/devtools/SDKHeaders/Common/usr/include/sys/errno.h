/* sys/errno.h: the error numbers of system calls. */
#include <errno.h>
