/* CMTime.h: rational times (a value over a timescale), their flags, arithmetic and comparison, and time ranges. */
#ifndef CMTIME_H
#define CMTIME_H

#include <CoreMedia/CMBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef int64_t CMTimeValue;
typedef int32_t CMTimeScale;
typedef int64_t CMTimeEpoch;

#define kCMTimeMaxTimescale 0x7fffffffL

typedef CF_OPTIONS(uint32_t, CMTimeFlags) {
    kCMTimeFlags_Valid = 1UL << 0,
    kCMTimeFlags_HasBeenRounded = 1UL << 1,
    kCMTimeFlags_PositiveInfinity = 1UL << 2,
    kCMTimeFlags_NegativeInfinity = 1UL << 3,
    kCMTimeFlags_Indefinite = 1UL << 4,
    kCMTimeFlags_ImpliedValueFlagsMask = kCMTimeFlags_PositiveInfinity | kCMTimeFlags_NegativeInfinity |
                                         kCMTimeFlags_Indefinite
};

typedef struct {
    CMTimeValue value;
    CMTimeScale timescale;
    CMTimeFlags flags;
    CMTimeEpoch epoch;
} CMTime;

typedef CF_ENUM(uint32_t, CMTimeRoundingMethod) {
    kCMTimeRoundingMethod_RoundHalfAwayFromZero = 1,
    kCMTimeRoundingMethod_RoundTowardZero = 2,
    kCMTimeRoundingMethod_RoundAwayFromZero = 3,
    kCMTimeRoundingMethod_QuickTime = 4,
    kCMTimeRoundingMethod_RoundTowardPositiveInfinity = 5,
    kCMTimeRoundingMethod_RoundTowardNegativeInfinity = 6,
    kCMTimeRoundingMethod_Default = kCMTimeRoundingMethod_RoundHalfAwayFromZero
};

#define CMTIME_IS_VALID(time) ((Boolean)(((time).flags & kCMTimeFlags_Valid) != 0))
#define CMTIME_IS_INVALID(time) (!CMTIME_IS_VALID(time))
#define CMTIME_IS_POSITIVE_INFINITY(time) \
    ((Boolean)(CMTIME_IS_VALID(time) && (((time).flags & kCMTimeFlags_PositiveInfinity) != 0)))
#define CMTIME_IS_NEGATIVE_INFINITY(time) \
    ((Boolean)(CMTIME_IS_VALID(time) && (((time).flags & kCMTimeFlags_NegativeInfinity) != 0)))
#define CMTIME_IS_INDEFINITE(time) \
    ((Boolean)(CMTIME_IS_VALID(time) && (((time).flags & kCMTimeFlags_Indefinite) != 0)))
#define CMTIME_IS_NUMERIC(time) \
    ((Boolean)(((time).flags & (kCMTimeFlags_Valid | kCMTimeFlags_ImpliedValueFlagsMask)) == kCMTimeFlags_Valid))
#define CMTIME_HAS_BEEN_ROUNDED(time) \
    ((Boolean)(CMTIME_IS_NUMERIC(time) && (((time).flags & kCMTimeFlags_HasBeenRounded) != 0)))

CM_EXPORT const CMTime kCMTimeInvalid API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT const CMTime kCMTimeIndefinite API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT const CMTime kCMTimePositiveInfinity API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT const CMTime kCMTimeNegativeInfinity API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT const CMTime kCMTimeZero API_AVAILABLE(macos(10.7), ios(4.0));

CM_EXPORT CMTime CMTimeMake(int64_t value, int32_t timescale) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeMakeWithEpoch(int64_t value, int32_t timescale, int64_t epoch) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeMakeWithSeconds(Float64 seconds, int32_t preferredTimescale) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT Float64 CMTimeGetSeconds(CMTime time) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeConvertScale(CMTime time, int32_t newTimescale, CMTimeRoundingMethod method)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeAdd(CMTime lhs, CMTime rhs) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeSubtract(CMTime lhs, CMTime rhs) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeMultiply(CMTime time, int32_t multiplier) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeMultiplyByFloat64(CMTime time, Float64 multiplier) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeMultiplyByRatio(CMTime time, int32_t multiplier, int32_t divisor) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT int32_t CMTimeCompare(CMTime time1, CMTime time2) API_AVAILABLE(macos(10.7), ios(4.0));
#define CMTIME_COMPARE_INLINE(time1, comparator, time2) ((Boolean)(CMTimeCompare(time1, time2) comparator 0))
CM_EXPORT CMTime CMTimeMinimum(CMTime time1, CMTime time2) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeMaximum(CMTime time1, CMTime time2) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeAbsoluteValue(CMTime time) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CFDictionaryRef CM_NULLABLE CMTimeCopyAsDictionary(CMTime time, CFAllocatorRef CM_NULLABLE allocator)
    CF_RETURNS_RETAINED API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeMakeFromDictionary(CFDictionaryRef CM_NULLABLE dictionaryRepresentation)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CFStringRef CM_NULLABLE CMTimeCopyDescription(CFAllocatorRef CM_NULLABLE allocator, CMTime time)
    CF_RETURNS_RETAINED API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT void CMTimeShow(CMTime time) API_AVAILABLE(macos(10.7), ios(4.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CMTIME_H */
