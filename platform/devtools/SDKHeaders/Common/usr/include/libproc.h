/* libproc.h: information about processes: their paths, names, file descriptors and resource usage. */
#ifndef _LIBPROC_H_
#define _LIBPROC_H_

#include <sys/cdefs.h>
#include <sys/types.h>
#include <stdint.h>
#include <Availability.h>
#include <sys/param.h>

#define PROC_ALL_PIDS 1
#define PROC_PGRP_ONLY 2
#define PROC_TTY_ONLY 3
#define PROC_UID_ONLY 4
#define PROC_RUID_ONLY 5
#define PROC_PPID_ONLY 6
#define PROC_PIDPATHINFO_SIZE (MAXPATHLEN)
#define PROC_PIDPATHINFO_MAXSIZE (4 * MAXPATHLEN)
#define PROC_PIDTASKALLINFO 2
#define PROC_PIDTBSDINFO 3
#define PROC_PIDTASKINFO 4
#define PROC_PIDLISTFDS 1

__BEGIN_DECLS
int proc_listpids(uint32_t type, uint32_t typeinfo, void *buffer, int size);
int proc_listallpids(void *buffer, int size);
int proc_listchildpids(pid_t pid, void *buffer, int size);
int proc_pidinfo(int pid, int flavor, uint64_t arg, void *buffer, int size);
int proc_pidfdinfo(int pid, int fd, int flavor, void *buffer, int size);
int proc_name(int pid, void *buffer, uint32_t size);
int proc_regionfilename(int pid, uint64_t address, void *buffer, uint32_t size);
int proc_kmsgbuf(void *buffer, uint32_t size);
int proc_pidpath(int pid, void *buffer, uint32_t size);
int proc_libversion(int *major, int *minor);
int proc_pid_rusage(int pid, int flavor, void **buffer);
__END_DECLS

#endif /* _LIBPROC_H_ */
