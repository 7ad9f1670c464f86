/* mach/boolean.h: the boolean type of Mach interfaces. */
#ifndef _MACH_BOOLEAN_H_
#define _MACH_BOOLEAN_H_

typedef int boolean_t;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#endif /* _MACH_BOOLEAN_H_ */
