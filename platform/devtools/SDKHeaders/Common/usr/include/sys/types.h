/*
 * sys/types.h: the basic system data types (sizes, offsets, process and user identifiers, times) with their Darwin
 * widths, and the fixed-width integer types.
 */
#ifndef _SYS_TYPES_H_
#define _SYS_TYPES_H_

#include <sys/cdefs.h>
#include <stddef.h>
#include <stdint.h>
#include <sys/_pthread_types.h>

typedef unsigned char u_char;
typedef unsigned short u_short;
typedef unsigned int u_int;
typedef unsigned long u_long;
typedef unsigned short ushort;
typedef unsigned int uint;

typedef uint8_t u_int8_t;
typedef uint16_t u_int16_t;
typedef uint32_t u_int32_t;
typedef uint64_t u_int64_t;

typedef int8_t __int8_t;
typedef uint8_t __uint8_t;
typedef int16_t __int16_t;
typedef uint16_t __uint16_t;
typedef int32_t __int32_t;
typedef uint32_t __uint32_t;
typedef int64_t __int64_t;
typedef uint64_t __uint64_t;
typedef long __darwin_intptr_t;
typedef unsigned int __darwin_natural_t;
typedef __SIZE_TYPE__ __darwin_size_t;
typedef long __darwin_ssize_t;
typedef long __darwin_time_t;

typedef int64_t quad_t;
typedef uint64_t u_quad_t;
typedef char *caddr_t;
typedef int32_t daddr_t;
typedef int32_t dev_t;
typedef uint32_t fixpt_t;
typedef uint32_t gid_t;
typedef uint32_t uid_t;
typedef uint32_t id_t;
typedef uint64_t ino_t;
typedef uint64_t ino64_t;
typedef int32_t key_t;
typedef uint16_t mode_t;
typedef uint16_t nlink_t;
typedef int64_t off_t;
typedef int32_t pid_t;
typedef int32_t segsz_t;
typedef int32_t swblk_t;
typedef long ssize_t;
typedef long time_t;
typedef unsigned long clock_t;
typedef int32_t suseconds_t;
typedef uint32_t useconds_t;
typedef int64_t blkcnt_t;
typedef int32_t blksize_t;
typedef uint32_t fsblkcnt_t;
typedef uint32_t fsfilcnt_t;
typedef int errno_t;
typedef size_t rsize_t;

#endif /* _SYS_TYPES_H_ */
