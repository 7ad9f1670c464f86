/* asl.h: the Apple System Log: messages with keys and values, clients, queries and responses. */
#ifndef __ASL_H__
#define __ASL_H__

#include <sys/cdefs.h>
#include <stdint.h>
#include <stdarg.h>
#include <Availability.h>

typedef struct __asl_object_s *asl_object_t;
typedef asl_object_t aslclient;
typedef asl_object_t aslmsg;
typedef asl_object_t aslresponse;

#define ASL_LEVEL_EMERG 0
#define ASL_LEVEL_ALERT 1
#define ASL_LEVEL_CRIT 2
#define ASL_LEVEL_ERR 3
#define ASL_LEVEL_WARNING 4
#define ASL_LEVEL_NOTICE 5
#define ASL_LEVEL_INFO 6
#define ASL_LEVEL_DEBUG 7

#define ASL_STRING_EMERG "Emergency"
#define ASL_STRING_ALERT "Alert"
#define ASL_STRING_CRIT "Critical"
#define ASL_STRING_ERR "Error"
#define ASL_STRING_WARNING "Warning"
#define ASL_STRING_NOTICE "Notice"
#define ASL_STRING_INFO "Info"
#define ASL_STRING_DEBUG "Debug"

#define ASL_QUERY_OP_CASEFOLD 0x0010
#define ASL_QUERY_OP_PREFIX 0x0020
#define ASL_QUERY_OP_SUFFIX 0x0040
#define ASL_QUERY_OP_SUBSTRING 0x0060
#define ASL_QUERY_OP_NUMERIC 0x0080
#define ASL_QUERY_OP_REGEX 0x0100
#define ASL_QUERY_OP_EQUAL 0x0001
#define ASL_QUERY_OP_GREATER 0x0002
#define ASL_QUERY_OP_GREATER_EQUAL 0x0003
#define ASL_QUERY_OP_LESS 0x0004
#define ASL_QUERY_OP_LESS_EQUAL 0x0005
#define ASL_QUERY_OP_NOT_EQUAL 0x0006
#define ASL_QUERY_OP_TRUE 0x0007

#define ASL_KEY_TIME "Time"
#define ASL_KEY_TIME_NSEC "TimeNanoSec"
#define ASL_KEY_HOST "Host"
#define ASL_KEY_SENDER "Sender"
#define ASL_KEY_FACILITY "Facility"
#define ASL_KEY_PID "PID"
#define ASL_KEY_UID "UID"
#define ASL_KEY_GID "GID"
#define ASL_KEY_LEVEL "Level"
#define ASL_KEY_MSG "Message"
#define ASL_KEY_READ_UID "ReadUID"
#define ASL_KEY_READ_GID "ReadGID"
#define ASL_KEY_EXPIRE_TIME "ASLExpireTime"
#define ASL_KEY_MSG_ID "ASLMessageID"
#define ASL_KEY_SESSION "Session"
#define ASL_KEY_REF_PID "RefPID"
#define ASL_KEY_REF_PROC "RefProc"
#define ASL_KEY_AUX_TITLE "ASLAuxTitle"
#define ASL_KEY_AUX_UTI "ASLAuxUTI"
#define ASL_KEY_AUX_URL "ASLAuxURL"
#define ASL_KEY_AUX_DATA "ASLAuxData"
#define ASL_KEY_OPTION "ASLOption"
#define ASL_KEY_SENDER_INSTANCE "SenderInstance"

#define ASL_TYPE_UNDEF 0xffffffff
#define ASL_TYPE_MSG 0
#define ASL_TYPE_QUERY 1
#define ASL_TYPE_LIST 2
#define ASL_TYPE_FILE 3
#define ASL_TYPE_STORE 4
#define ASL_TYPE_CLIENT 5

#define ASL_FILTER_MASK(level) (1 << (level))
#define ASL_FILTER_MASK_EMERG 0x01
#define ASL_FILTER_MASK_ALERT 0x02
#define ASL_FILTER_MASK_CRIT 0x04
#define ASL_FILTER_MASK_ERR 0x08
#define ASL_FILTER_MASK_WARNING 0x10
#define ASL_FILTER_MASK_NOTICE 0x20
#define ASL_FILTER_MASK_INFO 0x40
#define ASL_FILTER_MASK_DEBUG 0x80
#define ASL_FILTER_MASK_UPTO(level) ((1 << ((level) + 1)) - 1)

#define ASL_OPT_STDERR 0x00000001
#define ASL_OPT_NO_DELAY 0x00000002
#define ASL_OPT_NO_REMOTE 0x00000004

#define ASL_DEPRECATED                                                                                               \
    __API_DEPRECATED("os_log(3) has replaced asl(3)", macos(10.4, 10.12), ios(2.0, 10.0), watchos(2.0, 3.0),       \
                     tvos(9.0, 10.0))

__BEGIN_DECLS
asl_object_t asl_open(const char *identity, const char *facility, uint32_t options) ASL_DEPRECATED;
asl_object_t asl_open_from_file(int fd, const char *identity, const char *facility) ASL_DEPRECATED;
void asl_close(asl_object_t client) ASL_DEPRECATED;
asl_object_t asl_new(uint32_t type) ASL_DEPRECATED;
void asl_free(asl_object_t object) ASL_DEPRECATED;
void asl_release(asl_object_t object) ASL_DEPRECATED;
asl_object_t asl_retain(asl_object_t object) ASL_DEPRECATED;
int asl_set(asl_object_t message, const char *key, const char *value) ASL_DEPRECATED;
int asl_unset(asl_object_t message, const char *key) ASL_DEPRECATED;
const char *asl_get(asl_object_t message, const char *key) ASL_DEPRECATED;
const char *asl_key(asl_object_t message, uint32_t index) ASL_DEPRECATED;
int asl_set_query(asl_object_t message, const char *key, const char *value, uint32_t operation) ASL_DEPRECATED;
int asl_log(asl_object_t client, asl_object_t message, int level, const char *format, ...) __printflike(4, 5)
    ASL_DEPRECATED;
int asl_vlog(asl_object_t client, asl_object_t message, int level, const char *format, va_list arguments)
    __printflike(4, 0) ASL_DEPRECATED;
int asl_log_message(int level, const char *format, ...) __printflike(2, 3) ASL_DEPRECATED;
int asl_send(asl_object_t client, asl_object_t message) ASL_DEPRECATED;
int asl_set_filter(asl_object_t client, int filter) ASL_DEPRECATED;
int asl_add_log_file(asl_object_t client, int fd) ASL_DEPRECATED;
int asl_remove_log_file(asl_object_t client, int fd) ASL_DEPRECATED;
asl_object_t asl_search(asl_object_t data, asl_object_t query) ASL_DEPRECATED;
asl_object_t asl_next(asl_object_t data) ASL_DEPRECATED;
asl_object_t aslresponse_next(asl_object_t response) ASL_DEPRECATED;
void aslresponse_free(asl_object_t response) ASL_DEPRECATED;
asl_object_t asl_match(asl_object_t data, asl_object_t querylist, size_t *last, size_t start, size_t count,
                       uint32_t duration, int32_t direction) ASL_DEPRECATED;
uint32_t asl_get_type(asl_object_t object) ASL_DEPRECATED;
__END_DECLS

#endif /* __ASL_H__ */
