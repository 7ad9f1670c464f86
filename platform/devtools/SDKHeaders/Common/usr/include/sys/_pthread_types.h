/*
 * sys/_pthread_types.h: the types of POSIX threads, sized as on Darwin. <sys/types.h> declares them, as Darwin's
 * does, so code that only includes a framework still knows pthread_mutex_t.
 */
#ifndef _SYS__PTHREAD_TYPES_H_
#define _SYS__PTHREAD_TYPES_H_

#if defined(__LP64__)
#define __PTHREAD_SIZE__ 8176
#define __PTHREAD_ATTR_SIZE__ 56
#define __PTHREAD_MUTEX_SIZE__ 56
#define __PTHREAD_MUTEXATTR_SIZE__ 8
#define __PTHREAD_COND_SIZE__ 40
#define __PTHREAD_CONDATTR_SIZE__ 8
#define __PTHREAD_ONCE_SIZE__ 8
#define __PTHREAD_RWLOCK_SIZE__ 192
#define __PTHREAD_RWLOCKATTR_SIZE__ 16
#else
#define __PTHREAD_SIZE__ 4088
#define __PTHREAD_ATTR_SIZE__ 36
#define __PTHREAD_MUTEX_SIZE__ 40
#define __PTHREAD_MUTEXATTR_SIZE__ 8
#define __PTHREAD_COND_SIZE__ 24
#define __PTHREAD_CONDATTR_SIZE__ 4
#define __PTHREAD_ONCE_SIZE__ 4
#define __PTHREAD_RWLOCK_SIZE__ 124
#define __PTHREAD_RWLOCKATTR_SIZE__ 12
#endif

typedef struct _opaque_pthread_t *pthread_t;
typedef struct _opaque_pthread_attr_t {
    long __sig;
    char __opaque[__PTHREAD_ATTR_SIZE__];
} pthread_attr_t;
typedef struct _opaque_pthread_mutex_t {
    long __sig;
    char __opaque[__PTHREAD_MUTEX_SIZE__];
} pthread_mutex_t;
typedef struct _opaque_pthread_mutexattr_t {
    long __sig;
    char __opaque[__PTHREAD_MUTEXATTR_SIZE__];
} pthread_mutexattr_t;
typedef struct _opaque_pthread_cond_t {
    long __sig;
    char __opaque[__PTHREAD_COND_SIZE__];
} pthread_cond_t;
typedef struct _opaque_pthread_condattr_t {
    long __sig;
    char __opaque[__PTHREAD_CONDATTR_SIZE__];
} pthread_condattr_t;
typedef struct _opaque_pthread_once_t {
    long __sig;
    char __opaque[__PTHREAD_ONCE_SIZE__];
} pthread_once_t;
typedef struct _opaque_pthread_rwlock_t {
    long __sig;
    char __opaque[__PTHREAD_RWLOCK_SIZE__];
} pthread_rwlock_t;
typedef struct _opaque_pthread_rwlockattr_t {
    long __sig;
    char __opaque[__PTHREAD_RWLOCKATTR_SIZE__];
} pthread_rwlockattr_t;
typedef unsigned long pthread_key_t;

#endif /* _SYS__PTHREAD_TYPES_H_ */
