/* mach/mach_init.h: the ports every task starts with (its own task and thread ports) and the page size. */
#ifndef _MACH_INIT_
#define _MACH_INIT_

#include <sys/cdefs.h>
#include <mach/mach_types.h>

__BEGIN_DECLS
extern mach_port_t mach_task_self_;
#define mach_task_self() mach_task_self_
#define current_task() mach_task_self()
mach_port_t mach_host_self(void);
mach_port_t mach_thread_self(void);
extern vm_size_t vm_page_size;
extern vm_size_t vm_page_mask;
extern int vm_page_shift;
__END_DECLS

#endif /* _MACH_INIT_ */
