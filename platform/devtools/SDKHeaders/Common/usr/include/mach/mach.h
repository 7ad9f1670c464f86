/*
 * mach/mach.h: the interface of the Mach kernel that applications use: ports of the task and host, host and task
 * information, and virtual-memory statistics.
 */
#ifndef _MACH_H_
#define _MACH_H_

#include <sys/cdefs.h>
#include <mach/kern_return.h>
#include <mach/machine.h>
#include <mach/mach_types.h>
#include <mach/mach_init.h>
#include <mach/host_info.h>
#include <mach/task_info.h>
#include <mach/vm_statistics.h>
#include <mach/mach_time.h>
#include <mach/mach_port.h>
#include <mach/mach_error.h>
#include <mach/thread_info.h>
#include <mach/vm_prot.h>

__BEGIN_DECLS

kern_return_t host_page_size(host_t host, vm_size_t *out_page_size);
kern_return_t host_info(host_t host, host_flavor_t flavor, host_info_t host_info_out,
                        mach_msg_type_number_t *host_info_outCnt);
kern_return_t host_statistics(host_t host_priv, host_flavor_t flavor, host_info_t host_info_out,
                              mach_msg_type_number_t *host_info_outCnt);
kern_return_t host_statistics64(host_t host_priv, host_flavor_t flavor, host_info64_t host_info64_out,
                                mach_msg_type_number_t *host_info64_outCnt);
kern_return_t task_info(task_name_t target_task, task_flavor_t flavor, task_info_t task_info_out,
                        mach_msg_type_number_t *task_info_outCnt);
kern_return_t task_threads(task_t target_task, thread_act_array_t *act_list, mach_msg_type_number_t *act_listCnt);
kern_return_t thread_info(thread_inspect_t target_act, thread_flavor_t flavor, thread_info_t thread_info_out,
                          mach_msg_type_number_t *thread_info_outCnt);
kern_return_t thread_suspend(thread_act_t target_act);
kern_return_t thread_resume(thread_act_t target_act);
kern_return_t task_suspend(task_t target_task);
kern_return_t task_resume(task_t target_task);
kern_return_t task_for_pid(mach_port_name_t target_tport, int pid, mach_port_name_t *t);
kern_return_t pid_for_task(mach_port_name_t t, int *x);
kern_return_t vm_allocate(vm_map_t target_task, vm_address_t *address, vm_size_t size, int flags);
kern_return_t vm_protect(vm_map_t target_task, vm_address_t address, vm_size_t size, boolean_t set_maximum,
                         vm_prot_t new_protection);
kern_return_t vm_read_overwrite(vm_map_t target_task, vm_address_t address, vm_size_t size, vm_address_t data,
                                vm_size_t *outsize);
kern_return_t semaphore_create(task_t task, semaphore_t *semaphore, int policy, int value);
kern_return_t semaphore_destroy(task_t task, semaphore_t semaphore);
kern_return_t semaphore_signal(semaphore_t semaphore);
kern_return_t semaphore_wait(semaphore_t semaphore);
kern_return_t vm_deallocate(vm_map_t target_task, vm_address_t address, vm_size_t size);

__END_DECLS

#endif /* _MACH_H_ */
