/* CMTimeRange.h: ranges of time (a start and a duration) and their arithmetic. */
#ifndef CMTIMERANGE_H
#define CMTIMERANGE_H

#include <CoreMedia/CMTime.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct {
    CMTime start;
    CMTime duration;
} CMTimeRange;

CM_EXPORT const CMTimeRange kCMTimeRangeZero API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT const CMTimeRange kCMTimeRangeInvalid API_AVAILABLE(macos(10.7), ios(4.0));

#define CMTIMERANGE_IS_VALID(range) \
    ((Boolean)(CMTIME_IS_VALID(range.start) && CMTIME_IS_VALID(range.duration) && (range.duration.epoch == 0) && \
               (range.duration.value >= 0)))
#define CMTIMERANGE_IS_INVALID(range) (!CMTIMERANGE_IS_VALID(range))
#define CMTIMERANGE_IS_EMPTY(range) \
    ((Boolean)(CMTIMERANGE_IS_VALID(range) && (CMTIME_COMPARE_INLINE(range.duration, ==, kCMTimeZero))))

CM_EXPORT CMTimeRange CMTimeRangeMake(CMTime start, CMTime duration) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTimeRange CMTimeRangeFromTimeToTime(CMTime start, CMTime end) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTimeRange CMTimeRangeGetUnion(CMTimeRange range, CMTimeRange otherRange) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTimeRange CMTimeRangeGetIntersection(CMTimeRange range, CMTimeRange otherRange)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT Boolean CMTimeRangeEqual(CMTimeRange range1, CMTimeRange range2) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT Boolean CMTimeRangeContainsTime(CMTimeRange range, CMTime time) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMTimeRangeGetEnd(CMTimeRange range) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CFStringRef CM_NULLABLE CMTimeRangeCopyDescription(CFAllocatorRef CM_NULLABLE allocator, CMTimeRange range)
    CF_RETURNS_RETAINED API_AVAILABLE(macos(10.7), ios(4.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CMTIMERANGE_H */
