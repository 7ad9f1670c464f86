/* os/base.h: the declaration macros of the system libraries (dispatch, os_log and the os objects). */
#ifndef __OS_BASE__
#define __OS_BASE__

#include <sys/cdefs.h>

#if defined(__cplusplus)
#define OS_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define OS_EXPORT extern __attribute__((visibility("default")))
#endif
#define OS_NOTHROW __attribute__((__nothrow__))
#define OS_NONNULL1 __attribute__((__nonnull__(1)))
#define OS_NONNULL2 __attribute__((__nonnull__(2)))
#define OS_NONNULL3 __attribute__((__nonnull__(3)))
#define OS_NONNULL_ALL __attribute__((__nonnull__))
#define OS_MALLOC __attribute__((__malloc__))
#define OS_PURE __attribute__((__pure__))
#define OS_CONST __attribute__((__const__))
#define OS_NORETURN __attribute__((__noreturn__))
#define OS_COLD __attribute__((__cold__))
#define OS_WARN_RESULT __attribute__((__warn_unused_result__))
#define OS_UNUSED __attribute__((__unused__))
#define OS_USED __attribute__((__used__))
#define OS_INLINE static __inline__
#define OS_ALWAYS_INLINE __attribute__((__always_inline__))
#define OS_NOINLINE __attribute__((__noinline__))
#define OS_FORMAT_PRINTF(x, y) __attribute__((__format__(printf, x, y)))
#define OS_NOESCAPE __attribute__((__noescape__))
#define OS_SWIFT_NAME(_name)
#define OS_REFINED_FOR_SWIFT __attribute__((__swift_private__))
#define OS_ASSUME_NONNULL_BEGIN _Pragma("clang assume_nonnull begin")
#define OS_ASSUME_NONNULL_END _Pragma("clang assume_nonnull end")

/* An enumeration with a fixed underlying type: OS_ENUM(name, type, values...) declares name_t. */
#define OS_ENUM(_name, _type, ...) typedef enum : _type { __VA_ARGS__ } _name##_t
#define OS_CLOSED_ENUM(_name, _type, ...)                                                                            \
    typedef enum __attribute__((__enum_extensibility__(closed))) : _type { __VA_ARGS__ } _name##_t
#define OS_OPTIONS(_name, _type, ...)                                                                                \
    typedef enum __attribute__((__enum_extensibility__(open), __flag_enum__)) : _type { __VA_ARGS__ } _name##_t

#endif /* __OS_BASE__ */
