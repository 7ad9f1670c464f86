/* notify.h: system-wide notifications by name, delivered to a port, a file descriptor, a signal or a block. */
#ifndef __NOTIFICATION_H__
#define __NOTIFICATION_H__

#include <sys/cdefs.h>
#include <stdint.h>
#include <mach/mach_types.h>
#include <dispatch/dispatch.h>

#define NOTIFY_STATUS_OK 0
#define NOTIFY_STATUS_INVALID_NAME 1
#define NOTIFY_STATUS_INVALID_TOKEN 2
#define NOTIFY_STATUS_INVALID_PORT 3
#define NOTIFY_STATUS_INVALID_FILE 4
#define NOTIFY_STATUS_INVALID_SIGNAL 5
#define NOTIFY_STATUS_INVALID_REQUEST 6
#define NOTIFY_STATUS_NOT_AUTHORIZED 7
#define NOTIFY_STATUS_FAILED 1000000
#define NOTIFY_REUSE 0x00000001

typedef void (^notify_handler_t)(int token);

__BEGIN_DECLS
uint32_t notify_post(const char *name);
uint32_t notify_register_dispatch(const char *name, int *token, dispatch_queue_t queue, notify_handler_t handler);
uint32_t notify_register_check(const char *name, int *token);
uint32_t notify_register_signal(const char *name, int signal, int *token);
uint32_t notify_register_mach_port(const char *name, mach_port_t *port, int flags, int *token);
uint32_t notify_register_file_descriptor(const char *name, int *fd, int flags, int *token);
uint32_t notify_check(int token, int *changed);
uint32_t notify_set_state(int token, uint64_t state);
uint32_t notify_get_state(int token, uint64_t *state);
uint32_t notify_cancel(int token);
uint32_t notify_suspend(int token);
uint32_t notify_resume(int token);
int notify_is_valid_token(int token);
__END_DECLS

#endif /* __NOTIFICATION_H__ */
