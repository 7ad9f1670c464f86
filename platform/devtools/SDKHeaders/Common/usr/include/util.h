/* util.h: pseudo-terminals (openpty, forkpty) and other helpers of the BSD utility library. */
#ifndef _UTIL_H_
#define _UTIL_H_

#include <sys/cdefs.h>
#include <sys/types.h>
#include <termios.h>
#include <sys/ttycom.h>
#include <pwd.h>

__BEGIN_DECLS
int openpty(int *leader, int *follower, char *name, struct termios *attributes, struct winsize *size);
pid_t forkpty(int *leader, char *name, struct termios *attributes, struct winsize *size);
int login_tty(int fd);
int opendev(char *path, int flags, int options, char **real_path);
__END_DECLS

#endif /* _UTIL_H_ */
