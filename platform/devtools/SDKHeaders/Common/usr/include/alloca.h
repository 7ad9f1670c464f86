/* alloca.h: allocation in the caller's stack frame. */
#ifndef _ALLOCA_H_
#define _ALLOCA_H_

#include <sys/cdefs.h>
#include <stddef.h>

__BEGIN_DECLS
void *alloca(size_t size);
__END_DECLS

#define alloca(size) __builtin_alloca(size)

#endif /* _ALLOCA_H_ */
