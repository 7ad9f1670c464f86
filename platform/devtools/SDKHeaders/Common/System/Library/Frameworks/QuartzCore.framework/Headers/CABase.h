/* CABase.h: the declaration macros of Core Animation and the current media time. */
#ifndef CABASE_H
#define CABASE_H

#include <TargetConditionals.h>
#include <Availability.h>
#include <os/availability.h>
#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#include <math.h>
#include <CoreFoundation/CoreFoundation.h>
#include <CoreGraphics/CoreGraphics.h>

#if defined(__cplusplus)
#define CA_EXTERN extern "C" __attribute__((visibility("default")))
#define CA_EXTERN_C_BEGIN extern "C" {
#define CA_EXTERN_C_END }
#else
#define CA_EXTERN extern __attribute__((visibility("default")))
#define CA_EXTERN_C_BEGIN
#define CA_EXTERN_C_END
#endif
#define CA_INLINE static inline
#define CA_HIDDEN __attribute__((visibility("hidden")))
#define CA_PURE __attribute__((pure))
#define CA_CONST __attribute__((const))
#define CA_WARN_UNUSED __attribute__((warn_unused_result))
#define CA_WARN_DEPRECATED 1

CA_EXTERN_C_BEGIN

/* The current absolute time in seconds, from mach_absolute_time(). */
CA_EXTERN CFTimeInterval CACurrentMediaTime(void) API_AVAILABLE(macos(10.5), ios(2.0));

CA_EXTERN_C_END

#endif /* CABASE_H */
