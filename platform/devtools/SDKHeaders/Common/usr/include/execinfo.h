/* execinfo.h: the call stack of the running thread and the symbols of its addresses. */
#ifndef _EXECINFO_H_
#define _EXECINFO_H_

#include <sys/cdefs.h>
#include <Availability.h>
#include <stddef.h>

__BEGIN_DECLS
int backtrace(void **addresses, int size) __OSX_AVAILABLE_STARTING(__MAC_10_5, __IPHONE_2_0);
char **backtrace_symbols(void *const *addresses, int count) __OSX_AVAILABLE_STARTING(__MAC_10_5, __IPHONE_2_0);
void backtrace_symbols_fd(void *const *addresses, int count, int fd) __OSX_AVAILABLE_STARTING(__MAC_10_5, __IPHONE_2_0);
__END_DECLS

#endif /* _EXECINFO_H_ */
