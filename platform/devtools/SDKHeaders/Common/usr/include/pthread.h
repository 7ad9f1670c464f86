/*
 * pthread.h: POSIX threads: creating and joining threads, mutexes, condition variables, read-write locks,
 * once-only initialisation and thread-specific data. The object types are opaque, sized as on Darwin, and each
 * has its static initialiser.
 */
#ifndef _PTHREAD_H
#define _PTHREAD_H

#include <sys/cdefs.h>
#include <Availability.h>
#include <sys/types.h>
#include <time.h>
#include <sched.h>
#include <sys/qos.h>

__BEGIN_DECLS

typedef unsigned int mach_port_t;

#define PTHREAD_MUTEX_INITIALIZER {0x32AAABA7, {0}}
#define PTHREAD_RECURSIVE_MUTEX_INITIALIZER {0x32AAABA2, {0}}
#define PTHREAD_COND_INITIALIZER {0x3CB0B1BB, {0}}
#define PTHREAD_ONCE_INIT {0x30B1BCBA, {0}}
#define PTHREAD_RWLOCK_INITIALIZER {0x2DA8B3B4, {0}}

#define PTHREAD_CREATE_JOINABLE 1
#define PTHREAD_CREATE_DETACHED 2
#define PTHREAD_MUTEX_NORMAL 0
#define PTHREAD_MUTEX_ERRORCHECK 1
#define PTHREAD_MUTEX_RECURSIVE 2
#define PTHREAD_MUTEX_DEFAULT PTHREAD_MUTEX_NORMAL
#define PTHREAD_PROCESS_SHARED 1
#define PTHREAD_PROCESS_PRIVATE 2
#define PTHREAD_CANCEL_ENABLE 0x01
#define PTHREAD_CANCEL_DISABLE 0x00
#define PTHREAD_CANCELED ((void *)1)
#define PTHREAD_STACK_MIN 16384

int pthread_create(pthread_t *__restrict thread, const pthread_attr_t *__restrict attributes,
                   void *(*start_routine)(void *), void *__restrict argument);
int pthread_join(pthread_t thread, void **result);
int pthread_detach(pthread_t thread);
pthread_t pthread_self(void);
int pthread_equal(pthread_t left, pthread_t right);
void pthread_exit(void *result) __dead2;
int pthread_cancel(pthread_t thread);
void pthread_testcancel(void);
int pthread_kill(pthread_t thread, int signal_number);
int pthread_setcancelstate(int state, int *old_state);
int pthread_main_np(void);
int pthread_setname_np(const char *name);
int pthread_getname_np(pthread_t thread, char *name, size_t size);
int pthread_threadid_np(pthread_t thread, uint64_t *identifier);
mach_port_t pthread_mach_thread_np(pthread_t thread);
int pthread_yield_np(void);
int pthread_set_qos_class_self_np(qos_class_t qos_class, int relative_priority);

int pthread_attr_init(pthread_attr_t *attributes);
int pthread_attr_destroy(pthread_attr_t *attributes);
int pthread_attr_setdetachstate(pthread_attr_t *attributes, int state);
int pthread_attr_getdetachstate(const pthread_attr_t *attributes, int *state);
int pthread_attr_setstacksize(pthread_attr_t *attributes, size_t size);
int pthread_attr_getstacksize(const pthread_attr_t *__restrict attributes, size_t *__restrict size);
int pthread_attr_setschedparam(pthread_attr_t *__restrict attributes, const struct sched_param *__restrict param);
int pthread_attr_getschedparam(const pthread_attr_t *__restrict attributes, struct sched_param *__restrict param);

int pthread_mutex_init(pthread_mutex_t *__restrict mutex, const pthread_mutexattr_t *__restrict attributes);
int pthread_mutex_destroy(pthread_mutex_t *mutex);
int pthread_mutex_lock(pthread_mutex_t *mutex);
int pthread_mutex_trylock(pthread_mutex_t *mutex);
int pthread_mutex_unlock(pthread_mutex_t *mutex);
int pthread_mutexattr_init(pthread_mutexattr_t *attributes);
int pthread_mutexattr_destroy(pthread_mutexattr_t *attributes);
int pthread_mutexattr_settype(pthread_mutexattr_t *attributes, int type);
int pthread_mutexattr_gettype(const pthread_mutexattr_t *__restrict attributes, int *__restrict type);
int pthread_mutexattr_setpshared(pthread_mutexattr_t *attributes, int shared);

int pthread_cond_init(pthread_cond_t *__restrict condition, const pthread_condattr_t *__restrict attributes);
int pthread_cond_destroy(pthread_cond_t *condition);
int pthread_cond_wait(pthread_cond_t *__restrict condition, pthread_mutex_t *__restrict mutex);
int pthread_cond_timedwait(pthread_cond_t *__restrict condition, pthread_mutex_t *__restrict mutex,
                           const struct timespec *__restrict deadline);
int pthread_cond_signal(pthread_cond_t *condition);
int pthread_cond_broadcast(pthread_cond_t *condition);
int pthread_condattr_init(pthread_condattr_t *attributes);
int pthread_condattr_destroy(pthread_condattr_t *attributes);

int pthread_rwlock_init(pthread_rwlock_t *__restrict lock, const pthread_rwlockattr_t *__restrict attributes);
int pthread_rwlock_destroy(pthread_rwlock_t *lock);
int pthread_rwlock_rdlock(pthread_rwlock_t *lock);
int pthread_rwlock_tryrdlock(pthread_rwlock_t *lock);
int pthread_rwlock_wrlock(pthread_rwlock_t *lock);
int pthread_rwlock_trywrlock(pthread_rwlock_t *lock);
int pthread_rwlock_unlock(pthread_rwlock_t *lock);

int pthread_once(pthread_once_t *once, void (*routine)(void));
int pthread_key_create(pthread_key_t *key, void (*destructor)(void *));
int pthread_key_delete(pthread_key_t key);
void *pthread_getspecific(pthread_key_t key);
int pthread_setspecific(pthread_key_t key, const void *value);
int pthread_atfork(void (*prepare)(void), void (*parent)(void), void (*child)(void));

__END_DECLS

#endif /* _PTHREAD_H */
