/* sys/syslimits.h: the system's limits on paths, arguments and open files. */
#ifndef _SYS_SYSLIMITS_H_
#define _SYS_SYSLIMITS_H_

#define ARG_MAX (1024 * 1024)
#define CHILD_MAX 266
#define GID_MAX 2147483647U
#define LINK_MAX 32767
#define MAX_CANON 1024
#define MAX_INPUT 1024
#define NAME_MAX 255
#define NGROUPS_MAX 16
#define UID_MAX 2147483647U
#define OPEN_MAX 10240
#define PATH_MAX 1024
#define PIPE_BUF 512
#define LINE_MAX 2048
#define IOV_MAX 1024

#endif /* _SYS_SYSLIMITS_H_ */
