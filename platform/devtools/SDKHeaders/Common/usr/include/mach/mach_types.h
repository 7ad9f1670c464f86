/* mach/mach_types.h: the port, task, host and virtual-memory types of Mach kernel calls. */
#ifndef _MACH_MACH_TYPES_H_
#define _MACH_MACH_TYPES_H_

#include <stdint.h>
#include <mach/machine.h>
#include <mach/vm_prot.h>
#include <mach/port.h>
#include <mach/boolean.h>

typedef mach_port_t task_t;
typedef mach_port_t task_port_t;
typedef mach_port_t task_name_t;
typedef mach_port_t thread_t;
typedef mach_port_t thread_act_t;
typedef mach_port_t host_t;
typedef mach_port_t host_priv_t;
typedef mach_port_t processor_set_t;
typedef mach_port_t vm_map_t;
typedef mach_port_t ipc_space_t;
typedef mach_port_t thread_inspect_t;

struct mach_timespec {
    unsigned int tv_sec;
    int tv_nsec;
};
typedef struct mach_timespec mach_timespec_t;
typedef mach_port_t semaphore_t;
typedef mach_port_t clock_serv_t;
typedef thread_act_t *thread_act_array_t;
typedef natural_t mach_msg_type_number_t;

typedef uintptr_t vm_offset_t;
typedef uintptr_t vm_size_t;
typedef uintptr_t vm_address_t;
typedef uint64_t mach_vm_address_t;
typedef uint64_t mach_vm_size_t;

#define TASK_NULL ((task_t)0)

#endif /* _MACH_MACH_TYPES_H_ */
