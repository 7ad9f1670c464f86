/* UTCUtils.h: the date and time values of the File Manager: UTC and local times with fractions of a second. */
#ifndef __UTCUTILS__
#define __UTCUTILS__

#include <MacTypes.h>

#pragma pack(push, 2)
struct UTCDateTime {
    UInt16 highSeconds;
    UInt32 lowSeconds;
    UInt16 fraction;
};
typedef struct UTCDateTime UTCDateTime;
typedef UTCDateTime *UTCDateTimePtr;
typedef UTCDateTimePtr *UTCDateTimeHandle;

struct LocalDateTime {
    UInt16 highSeconds;
    UInt32 lowSeconds;
    UInt16 fraction;
};
typedef struct LocalDateTime LocalDateTime;
typedef LocalDateTime *LocalDateTimePtr;
#pragma pack(pop)

#ifdef __cplusplus
extern "C" {
#endif
OSStatus ConvertLocalTimeToUTC(UInt32 localSeconds, UInt32 *utcSeconds);
OSStatus ConvertUTCToLocalTime(UInt32 utcSeconds, UInt32 *localSeconds);
OSStatus ConvertUTCToLocalDateTime(const UTCDateTime *utcDateTime, LocalDateTime *localDateTime);
OSStatus ConvertLocalToUTCDateTime(const LocalDateTime *localDateTime, UTCDateTime *utcDateTime);
#ifdef __cplusplus
}
#endif

#endif /* __UTCUTILS__ */
