/* unistd.h: the POSIX system interface: file descriptors, processes, users, paths and system configuration. */
#ifndef _UNISTD_H_
#define _UNISTD_H_

#include <sys/cdefs.h>
#include <Availability.h>
#include <sys/types.h>

__BEGIN_DECLS

#ifndef SEEK_SET
#define SEEK_SET 0
#define SEEK_CUR 1
#define SEEK_END 2
#endif

#define STDIN_FILENO 0
#define STDOUT_FILENO 1
#define STDERR_FILENO 2

#define F_OK 0
#define X_OK (1 << 0)
#define W_OK (1 << 1)
#define R_OK (1 << 2)

#define F_ULOCK 0
#define F_LOCK 1
#define F_TLOCK 2
#define F_TEST 3

#define _SC_ARG_MAX 1
#define _SC_CHILD_MAX 2
#define _SC_CLK_TCK 3
#define _SC_NGROUPS_MAX 4
#define _SC_OPEN_MAX 5
#define _SC_PAGESIZE 29
#define _SC_PAGE_SIZE _SC_PAGESIZE
#define _SC_NPROCESSORS_CONF 57
#define _SC_NPROCESSORS_ONLN 58
#define _SC_PHYS_PAGES 200

ssize_t read(int fd, void *buffer, size_t size);
ssize_t write(int fd, const void *buffer, size_t size);
ssize_t pread(int fd, void *buffer, size_t size, off_t offset);
ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset);
int close(int fd);
off_t lseek(int fd, off_t offset, int whence);
int dup(int fd);
int dup2(int fd, int new_fd);
int pipe(int fds[2]);
int fsync(int fd);
int ftruncate(int fd, off_t length);
int truncate(const char *path, off_t length);
int isatty(int fd);
char *ttyname(int fd);

int access(const char *path, int mode);
int faccessat(int fd, const char *path, int mode, int flags);
int chdir(const char *path);
int fchdir(int fd);
char *getcwd(char *buffer, size_t size);
int rmdir(const char *path);
int unlink(const char *path);
int unlinkat(int fd, const char *path, int flags);
int link(const char *existing, const char *new_path);
int symlink(const char *target, const char *path);
ssize_t readlink(const char *__restrict path, char *__restrict buffer, size_t size);
int chown(const char *path, uid_t owner, gid_t group);
int fchown(int fd, uid_t owner, gid_t group);
int lchown(const char *path, uid_t owner, gid_t group);
long pathconf(const char *path, int name);
long fpathconf(int fd, int name);

pid_t getpid(void);
pid_t getppid(void);
pid_t getpgrp(void);
pid_t setsid(void);
int setpgid(pid_t pid, pid_t group);
uid_t getuid(void);
uid_t geteuid(void);
gid_t getgid(void);
gid_t getegid(void);
int setuid(uid_t uid);
int setgid(gid_t gid);
int seteuid(uid_t uid);
int setegid(gid_t gid);
int getgroups(int size, gid_t groups[]);
char *getlogin(void);
int gethostname(char *name, size_t size);
int sethostname(const char *name, int size);
long gethostid(void);

pid_t fork(void) __attribute__((__availability__(ios, unavailable))) __attribute__((__availability__(tvos, unavailable)))
    __attribute__((__availability__(watchos, unavailable)));
pid_t vfork(void) __attribute__((__availability__(ios, unavailable))) __attribute__((__availability__(tvos, unavailable)))
    __attribute__((__availability__(watchos, unavailable)));
int execl(const char *path, const char *argument, ...);
int execle(const char *path, const char *argument, ...);
int execlp(const char *file, const char *argument, ...);
int execv(const char *path, char *const arguments[]);
int execve(const char *path, char *const arguments[], char *const environment[]);
int execvp(const char *file, char *const arguments[]);
void _exit(int status) __dead2;
int nice(int increment);

unsigned int sleep(unsigned int seconds);
int usleep(useconds_t microseconds);
unsigned int alarm(unsigned int seconds);
int pause(void);

long sysconf(int name);
int getpagesize(void) __pure2;
int getdtablesize(void);

extern char *optarg;
extern int optind;
extern int opterr;
extern int optopt;
extern int optreset;
int getopt(int argc, char *const argv[], const char *options);

char *crypt(const char *key, const char *salt);
void sync(void);
int lockf(int fd, int function, off_t size);

__END_DECLS

#endif /* _UNISTD_H_ */
