/* spawn.h: starting processes with posix_spawn, its file actions and attributes. */
#ifndef _SPAWN_H_
#define _SPAWN_H_

#include <sys/cdefs.h>
#include <sys/types.h>
#include <signal.h>
#include <sched.h>

typedef void *posix_spawnattr_t;
typedef void *posix_spawn_file_actions_t;

#define POSIX_SPAWN_RESETIDS 0x0001
#define POSIX_SPAWN_SETPGROUP 0x0002
#define POSIX_SPAWN_SETSIGDEF 0x0004
#define POSIX_SPAWN_SETSIGMASK 0x0008
#define POSIX_SPAWN_SETEXEC 0x0040
#define POSIX_SPAWN_START_SUSPENDED 0x0080
#define POSIX_SPAWN_CLOEXEC_DEFAULT 0x4000

__BEGIN_DECLS
int posix_spawn(pid_t *__restrict pid, const char *__restrict path, const posix_spawn_file_actions_t *actions,
                const posix_spawnattr_t *__restrict attributes, char *const arguments[__restrict],
                char *const environment[__restrict]);
int posix_spawnp(pid_t *__restrict pid, const char *__restrict file, const posix_spawn_file_actions_t *actions,
                 const posix_spawnattr_t *__restrict attributes, char *const arguments[__restrict],
                 char *const environment[__restrict]);
int posix_spawn_file_actions_init(posix_spawn_file_actions_t *actions);
int posix_spawn_file_actions_destroy(posix_spawn_file_actions_t *actions);
int posix_spawn_file_actions_addclose(posix_spawn_file_actions_t *actions, int fd);
int posix_spawn_file_actions_adddup2(posix_spawn_file_actions_t *actions, int fd, int new_fd);
int posix_spawn_file_actions_addopen(posix_spawn_file_actions_t *__restrict actions, int fd,
                                     const char *__restrict path, int flags, mode_t mode);
int posix_spawn_file_actions_addinherit_np(posix_spawn_file_actions_t *actions, int fd);
int posix_spawn_file_actions_addchdir_np(posix_spawn_file_actions_t *__restrict actions,
                                         const char *__restrict path);
int posix_spawnattr_init(posix_spawnattr_t *attributes);
int posix_spawnattr_destroy(posix_spawnattr_t *attributes);
int posix_spawnattr_setflags(posix_spawnattr_t *attributes, short flags);
int posix_spawnattr_getflags(const posix_spawnattr_t *__restrict attributes, short *__restrict flags);
int posix_spawnattr_setsigmask(posix_spawnattr_t *__restrict attributes, const sigset_t *__restrict mask);
int posix_spawnattr_setsigdefault(posix_spawnattr_t *__restrict attributes, const sigset_t *__restrict mask);
int posix_spawnattr_setpgroup(posix_spawnattr_t *attributes, pid_t group);
__END_DECLS

#endif /* _SPAWN_H_ */
