/* CMBase.h: the export macros and basic integer types of Core Media. */
#ifndef CMBASE_H
#define CMBASE_H

#include <Availability.h>
#include <AvailabilityMacros.h>
#include <TargetConditionals.h>
#include <CoreFoundation/CoreFoundation.h>
#include <MacTypes.h>
#include <stdint.h>
#include <stdbool.h>

#ifdef __cplusplus
#define CM_EXPORT extern "C"
#else
#define CM_EXPORT extern
#endif
#define CM_INLINE static inline
#define CM_NONNULL _Nonnull
#define CM_NULLABLE _Nullable
#define CM_RETURNS_RETAINED CF_RETURNS_RETAINED
#define CM_RETURNS_NOT_RETAINED CF_RETURNS_NOT_RETAINED
#define CM_RETURNS_RETAINED_PARAMETER CF_RETURNS_RETAINED
#define CM_BRIDGED_TYPE(type) CF_BRIDGED_TYPE(type)
#define CM_ASSUME_NONNULL_BEGIN CF_ASSUME_NONNULL_BEGIN
#define CM_ASSUME_NONNULL_END CF_ASSUME_NONNULL_END

typedef int32_t CMItemCount;
typedef int32_t CMItemIndex;
typedef int32_t CMPersistentTrackID;

enum { kCMPersistentTrackID_Invalid = 0 };

#endif /* CMBASE_H */
