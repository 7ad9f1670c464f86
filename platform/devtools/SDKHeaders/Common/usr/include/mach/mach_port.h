/* mach/mach_port.h: creating, inspecting and releasing rights to Mach ports. */
#ifndef _MACH_MACH_PORT_H_
#define _MACH_MACH_PORT_H_

#include <sys/cdefs.h>
#include <mach/port.h>
#include <mach/kern_return.h>
#include <mach/mach_types.h>

__BEGIN_DECLS
kern_return_t mach_port_allocate(ipc_space_t task, mach_port_right_t right, mach_port_name_t *name);
kern_return_t mach_port_deallocate(ipc_space_t task, mach_port_name_t name);
kern_return_t mach_port_destroy(ipc_space_t task, mach_port_name_t name);
kern_return_t mach_port_insert_right(ipc_space_t task, mach_port_name_t name, mach_port_t poly,
                                     mach_msg_type_name_t poly_poly);
kern_return_t mach_port_mod_refs(ipc_space_t task, mach_port_name_t name, mach_port_right_t right,
                                 mach_port_delta_t delta);
__END_DECLS

#endif /* _MACH_MACH_PORT_H_ */
