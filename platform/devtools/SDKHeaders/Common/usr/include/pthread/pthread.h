/* pthread/pthread.h: the POSIX threads of the system, where the SDK keeps them; <pthread.h> declares them. */
#include <pthread.h>
