/* mach/port.h: port names and rights. */
#ifndef _MACH_PORT_H_
#define _MACH_PORT_H_

#include <mach/machine.h>

typedef natural_t mach_port_name_t;
typedef mach_port_name_t mach_port_t;
typedef natural_t mach_port_right_t;
typedef integer_t mach_port_delta_t;
typedef natural_t mach_msg_type_name_t;

#define MACH_PORT_RIGHT_SEND ((mach_port_right_t)0)
#define MACH_PORT_RIGHT_RECEIVE ((mach_port_right_t)1)
#define MACH_PORT_RIGHT_SEND_ONCE ((mach_port_right_t)2)
#define MACH_PORT_RIGHT_PORT_SET ((mach_port_right_t)3)
#define MACH_PORT_RIGHT_DEAD_NAME ((mach_port_right_t)4)
#define MACH_MSG_TYPE_MAKE_SEND 20
#define MACH_MSG_TYPE_COPY_SEND 19
#define MACH_MSG_TYPE_MOVE_SEND 17
#define MACH_PORT_DEAD ((mach_port_t)~0)
#define MACH_PORT_NULL ((mach_port_t)0)
#define MACH_PORT_VALID(name) ((name) != MACH_PORT_NULL && (name) != MACH_PORT_DEAD)

#endif /* _MACH_PORT_H_ */
