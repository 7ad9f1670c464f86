/* mach/mach_error.h: texts of Mach error codes. */
#ifndef _MACH_ERROR_
#define _MACH_ERROR_

#include <sys/cdefs.h>
#include <mach/kern_return.h>

typedef kern_return_t mach_error_t;

__BEGIN_DECLS
char *mach_error_string(mach_error_t error_value);
void mach_error(const char *message, mach_error_t error_value);
char *mach_error_type(mach_error_t error_value);
__END_DECLS

#endif /* _MACH_ERROR_ */
