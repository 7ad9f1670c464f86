/* mach/kern_return.h: the result codes of Mach kernel calls. */
#ifndef _MACH_KERN_RETURN_H_
#define _MACH_KERN_RETURN_H_

typedef int kern_return_t;

#define KERN_SUCCESS 0
#define KERN_INVALID_ADDRESS 1
#define KERN_PROTECTION_FAILURE 2
#define KERN_NO_SPACE 3
#define KERN_INVALID_ARGUMENT 4
#define KERN_FAILURE 5
#define KERN_RESOURCE_SHORTAGE 6
#define KERN_NOT_SUPPORTED 46
#define KERN_OPERATION_TIMED_OUT 49

#endif /* _MACH_KERN_RETURN_H_ */
