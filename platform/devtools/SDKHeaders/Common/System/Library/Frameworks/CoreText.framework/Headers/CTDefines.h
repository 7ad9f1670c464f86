/* CTDefines.h: the declaration macros of Core Text. */
#ifndef __CTDEFINES__
#define __CTDEFINES__

#include <Availability.h>
#include <os/availability.h>
#include <TargetConditionals.h>
#include <CoreFoundation/CoreFoundation.h>
#include <CoreGraphics/CoreGraphics.h>

#if defined(__cplusplus)
#define CT_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define CT_EXPORT extern __attribute__((visibility("default")))
#endif
#define CT_AVAILABLE(...) API_AVAILABLE(__VA_ARGS__)
#define CT_UNAVAILABLE(...) API_UNAVAILABLE(__VA_ARGS__)
#define CT_DEPRECATED(...) API_DEPRECATED(__VA_ARGS__)
#define CT_ENUM_DEPRECATED(...) API_DEPRECATED(__VA_ARGS__)
#define CT_ENUM_AVAILABLE(...) API_AVAILABLE(__VA_ARGS__)
#define CT_ENUM_UNAVAILABLE(...) API_UNAVAILABLE(__VA_ARGS__)
#define CT_RETURNS_RETAINED CF_RETURNS_RETAINED
#define CT_RETURNS_NOT_RETAINED CF_RETURNS_NOT_RETAINED
#define CT_BRIDGED_TYPE(T) CF_BRIDGED_TYPE(T)

#endif /* __CTDEFINES__ */
