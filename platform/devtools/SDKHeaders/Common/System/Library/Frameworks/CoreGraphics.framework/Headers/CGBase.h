/* CGBase.h: the base of Core Graphics: CGFloat and the declaration macros of its headers. */
#ifndef CGBASE_H_
#define CGBASE_H_

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#include <float.h>
#include <TargetConditionals.h>
#include <Availability.h>
#include <CoreFoundation/CFBase.h>

#if defined(__cplusplus)
#define CG_EXTERN extern "C" __attribute__((visibility("default")))
#else
#define CG_EXTERN extern __attribute__((visibility("default")))
#endif
#define CG_LOCAL __attribute__((visibility("hidden")))
#define CG_INLINE static inline
#define CG_EXTERN_C_BEGIN CF_EXTERN_C_BEGIN
#define CG_EXTERN_C_END CF_EXTERN_C_END
#define CG_AVAILABLE_STARTING(mac, iphone) CF_AVAILABLE(mac, iphone)
#define CG_AVAILABLE_BUT_DEPRECATED(macIntro, macDep, iosIntro, iosDep, ...)                                         \
    CF_DEPRECATED(macIntro, macDep, iosIntro, iosDep, __VA_ARGS__)
#define CG_OBSOLETE __attribute__((deprecated))
#define CG_RETURNS_RETAINED CF_RETURNS_RETAINED
#define CG_RETURNS_NOT_RETAINED CF_RETURNS_NOT_RETAINED
/* Structures that @(...) boxes into an NSValue. */
#if defined(__has_attribute) && __has_attribute(objc_boxable)
#define CG_BOXABLE __attribute__((objc_boxable))
#else
#define CG_BOXABLE
#endif
/* The nullability of a parameter in the headers that predate nullability annotations. */
#define cg_nullable _Nullable

/* CGFloat: double on 64-bit platforms, float on 32-bit ones. */
#if defined(__LP64__) && __LP64__
#define CGFLOAT_TYPE double
#define CGFLOAT_IS_DOUBLE 1
#define CGFLOAT_MIN DBL_MIN
#define CGFLOAT_MAX DBL_MAX
#define CGFLOAT_EPSILON DBL_EPSILON
#else
#define CGFLOAT_TYPE float
#define CGFLOAT_IS_DOUBLE 0
#define CGFLOAT_MIN FLT_MIN
#define CGFLOAT_MAX FLT_MAX
#define CGFLOAT_EPSILON FLT_EPSILON
#endif
typedef CGFLOAT_TYPE CGFloat;
#define CGFLOAT_DEFINED 1

#endif /* CGBASE_H_ */
