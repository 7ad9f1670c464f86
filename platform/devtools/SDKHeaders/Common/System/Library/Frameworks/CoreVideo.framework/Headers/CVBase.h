/* CVBase.h: the basic types of Core Video: option flags, time stamps and times. */
#ifndef __COREVIDEO_CVBASE_H__
#define __COREVIDEO_CVBASE_H__

#include <Availability.h>
#include <TargetConditionals.h>
#include <stdint.h>
#include <stddef.h>
#include <CoreFoundation/CFBase.h>

#if defined(__cplusplus)
#define CV_EXPORT extern "C"
#else
#define CV_EXPORT extern
#endif
#define CV_INLINE static inline
#define CV_BRIDGED_TYPE(type) CF_BRIDGED_TYPE(type)
#define CV_RETURNS_RETAINED CF_RETURNS_RETAINED
#define CV_RETURNS_RETAINED_PARAMETER CF_RETURNS_RETAINED

CF_ASSUME_NONNULL_BEGIN

typedef uint64_t CVOptionFlags;

struct CVSMPTETime {
    SInt16 subframes;
    SInt16 subframeDivisor;
    UInt32 counter;
    UInt32 type;
    UInt32 flags;
    SInt16 hours;
    SInt16 minutes;
    SInt16 seconds;
    SInt16 frames;
};
typedef struct CVSMPTETime CVSMPTETime;

typedef CF_OPTIONS(uint32_t, CVTimeFlags) {
    kCVTimeIsIndefinite = 1 << 0
};

struct CVTime {
    int64_t timeValue;
    int32_t timeScale;
    int32_t flags;
};
typedef struct CVTime CVTime;

struct CVTimeStamp {
    uint32_t version;
    int32_t videoTimeScale;
    int64_t videoTime;
    uint64_t hostTime;
    double rateScalar;
    int64_t videoRefreshPeriod;
    CVSMPTETime smpteTime;
    uint64_t flags;
    uint64_t reserved;
};
typedef struct CVTimeStamp CVTimeStamp;

typedef CF_OPTIONS(uint64_t, CVTimeStampFlags) {
    kCVTimeStampVideoTimeValid = (1L << 0),
    kCVTimeStampHostTimeValid = (1L << 1),
    kCVTimeStampSMPTETimeValid = (1L << 2),
    kCVTimeStampVideoRefreshPeriodValid = (1L << 3),
    kCVTimeStampRateScalarValid = (1L << 4),
    kCVTimeStampTopField = (1L << 16),
    kCVTimeStampBottomField = (1L << 17),
    kCVTimeStampVideoHostTimeValid = (kCVTimeStampVideoTimeValid | kCVTimeStampHostTimeValid),
    kCVTimeStampIsInterlaced = (kCVTimeStampTopField | kCVTimeStampBottomField)
};

CV_EXPORT const CVTime kCVZeroTime;
CV_EXPORT const CVTime kCVIndefiniteTime;

CF_ASSUME_NONNULL_END

#endif /* __COREVIDEO_CVBASE_H__ */
