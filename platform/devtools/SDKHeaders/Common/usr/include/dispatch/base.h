/* dispatch/base.h: the declaration macros of the dispatch headers. */
#ifndef __DISPATCH_BASE__
#define __DISPATCH_BASE__

#include <os/base.h>

#define DISPATCH_EXPORT OS_EXPORT
#define DISPATCH_NOTHROW __attribute__((__nothrow__))
#define DISPATCH_NONNULL1 __attribute__((__nonnull__(1)))
#define DISPATCH_NONNULL2 __attribute__((__nonnull__(2)))
#define DISPATCH_NONNULL3 __attribute__((__nonnull__(3)))
#define DISPATCH_NONNULL4 __attribute__((__nonnull__(4)))
#define DISPATCH_NONNULL_ALL __attribute__((__nonnull__))
#define DISPATCH_SENTINEL __attribute__((__sentinel__))
#define DISPATCH_PURE __attribute__((__pure__))
#define DISPATCH_CONST __attribute__((__const__))
#define DISPATCH_WARN_RESULT __attribute__((__warn_unused_result__))
#define DISPATCH_MALLOC __attribute__((__malloc__))
#define DISPATCH_NOESCAPE __attribute__((__noescape__))
#define DISPATCH_NORETURN __attribute__((__noreturn__))
#define DISPATCH_INLINE static __inline__
#define DISPATCH_ALWAYS_INLINE __attribute__((__always_inline__))
#define DISPATCH_UNAVAILABLE __attribute__((__unavailable__))
#define DISPATCH_EXPECT(x, v) __builtin_expect((x), (v))
#define DISPATCH_RETURNS_RETAINED OS_OBJECT_RETURNS_RETAINED
#define DISPATCH_ASSUME_NONNULL_BEGIN OS_ASSUME_NONNULL_BEGIN
#define DISPATCH_ASSUME_NONNULL_END OS_ASSUME_NONNULL_END
#define DISPATCH_SWIFT_NAME(_name) OS_SWIFT_NAME(_name)
#define DISPATCH_REFINED_FOR_SWIFT OS_REFINED_FOR_SWIFT
#define DISPATCH_ENUM(name, type, ...) typedef enum : type { __VA_ARGS__ } name##_t
#define DISPATCH_OPTIONS(name, type, ...)                                                                            \
    typedef enum __attribute__((__enum_extensibility__(open), __flag_enum__)) : type { __VA_ARGS__ } name##_t

/* The function forms take a context pointer and a function instead of a block. */
typedef void (*dispatch_function_t)(void *_Nullable);

#endif /* __DISPATCH_BASE__ */
