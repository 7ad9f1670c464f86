/* crt_externs.h: the program's arguments and environment as the start-up code keeps them. */
#ifndef _CRT_EXTERNS_H_
#define _CRT_EXTERNS_H_

#include <sys/cdefs.h>

__BEGIN_DECLS
char ***_NSGetArgv(void);
int *_NSGetArgc(void);
char ***_NSGetEnviron(void);
char **_NSGetProgname(void);
struct mach_header_64;
struct mach_header_64 *_NSGetMachExecuteHeader(void);
__END_DECLS

#endif /* _CRT_EXTERNS_H_ */
