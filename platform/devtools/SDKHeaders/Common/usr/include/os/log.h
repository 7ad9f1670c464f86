/*
 * os/log.h: unified logging. os_log(log, format, ...) and its level variants write a message whose format may
 * mark arguments as public or private (%{public}@); the compiler checks the format against the arguments.
 */
#ifndef __os_log_h
#define __os_log_h

#include <os/base.h>
#include <os/object.h>
#include <Availability.h>
#include <stdint.h>
#include <stdbool.h>

__BEGIN_DECLS

OS_OBJECT_DECL(os_log);

OS_ENUM(os_log_type, uint8_t,
        OS_LOG_TYPE_DEFAULT = 0x00,
        OS_LOG_TYPE_INFO = 0x01,
        OS_LOG_TYPE_DEBUG = 0x02,
        OS_LOG_TYPE_ERROR = 0x10,
        OS_LOG_TYPE_FAULT = 0x11);

extern struct os_log_s _os_log_default;
extern struct os_log_s _os_log_disabled;
#define OS_LOG_DEFAULT OS_OBJECT_GLOBAL_OBJECT(os_log_t, _os_log_default)
#define OS_LOG_DISABLED OS_OBJECT_GLOBAL_OBJECT(os_log_t, _os_log_disabled)

__attribute__((availability(macos, introduced = 10.12))) __attribute__((availability(ios, introduced = 10.0)))
OS_EXPORT OS_NOTHROW OS_WARN_RESULT OS_OBJECT_RETURNS_RETAINED os_log_t os_log_create(const char *subsystem,
                                                                                      const char *category);

__attribute__((availability(macos, introduced = 10.12))) __attribute__((availability(ios, introduced = 10.0)))
OS_EXPORT OS_NOTHROW OS_WARN_RESULT bool os_log_type_enabled(os_log_t log, os_log_type_t type);

/* The one entry point behind the macros: the format is checked as an os_log format. */
__attribute__((availability(macos, introduced = 10.12))) __attribute__((availability(ios, introduced = 10.0)))
OS_EXPORT OS_NOTHROW void _os_log_with_type(os_log_t log, os_log_type_t type, const char *format, ...)
    __attribute__((__format__(__os_log__, 3, 4)));

#define os_log_with_type(log, type, format, ...) _os_log_with_type((log), (type), format, ##__VA_ARGS__)
#define os_log(log, format, ...) os_log_with_type(log, OS_LOG_TYPE_DEFAULT, format, ##__VA_ARGS__)
#define os_log_info(log, format, ...) os_log_with_type(log, OS_LOG_TYPE_INFO, format, ##__VA_ARGS__)
#define os_log_debug(log, format, ...) os_log_with_type(log, OS_LOG_TYPE_DEBUG, format, ##__VA_ARGS__)
#define os_log_error(log, format, ...) os_log_with_type(log, OS_LOG_TYPE_ERROR, format, ##__VA_ARGS__)
#define os_log_fault(log, format, ...) os_log_with_type(log, OS_LOG_TYPE_FAULT, format, ##__VA_ARGS__)

__END_DECLS

#endif /* __os_log_h */
