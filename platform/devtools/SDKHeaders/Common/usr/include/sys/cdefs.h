/*
 * sys/cdefs.h: the declaration helpers of the C library headers: C linkage for C++, function attributes and the
 * names of the restrict and inline keywords in every language mode.
 */
#ifndef _CDEFS_H_
#define _CDEFS_H_

#if defined(__cplusplus)
#define __BEGIN_DECLS extern "C" {
#define __END_DECLS }
#else
#define __BEGIN_DECLS
#define __END_DECLS
#endif

#define __CONCAT(x, y) x##y
#define __STRING(x) #x
#define __P(protos) protos

#if defined(__cplusplus)
#define __restrict
#define __inline inline
#endif

#define __dead2 __attribute__((__noreturn__))
#define __pure2 __attribute__((__const__))
#define __unused __attribute__((__unused__))
#define __used __attribute__((__used__))
#define __cold __attribute__((__cold__))
#define __deprecated __attribute__((__deprecated__))
#define __deprecated_msg(_msg) __attribute__((__deprecated__(_msg)))
#define __unavailable __attribute__((__unavailable__))
#define __printflike(fmtarg, firstvararg) __attribute__((__format__(__printf__, fmtarg, firstvararg)))
#define __printf0like(fmtarg, firstvararg) __attribute__((__format__(__printf0__, fmtarg, firstvararg)))
#define __scanflike(fmtarg, firstvararg) __attribute__((__format__(__scanf__, fmtarg, firstvararg)))
#define __result_use_check __attribute__((__warn_unused_result__))
#define __header_inline static __inline
#define __header_always_inline static __inline __attribute__((__always_inline__))
#define __alloc_size(...) __attribute__((__alloc_size__(__VA_ARGS__)))
#define __DARWIN_NULL ((void *)0)
#define __DARWIN_ALIAS(sym)
#define __DARWIN_ALIAS_C(sym)
#define __DARWIN_EXTSN(sym)
#define __DARWIN_C_LEVEL 900000L
#define __DARWIN_C_FULL 900000L

#endif /* _CDEFS_H_ */
