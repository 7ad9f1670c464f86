/* EKAlarm.h: an alarm of a calendar item, at a date or some time before the item. */
#import <EventKit/EKObject.h>
#import <EventKit/EKTypes.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKAlarm : EKObject <NSCopying>
+ (EKAlarm *)alarmWithAbsoluteDate:(NSDate *)date;
+ (EKAlarm *)alarmWithRelativeOffset:(NSTimeInterval)offset;
@property (nonatomic) NSTimeInterval relativeOffset;
@property (nonatomic, copy, nullable) NSDate *absoluteDate;
@property (nonatomic) EKAlarmProximity proximity;
@property (nonatomic, copy, nullable) NSString *soundName API_AVAILABLE(macos(10.8)) API_UNAVAILABLE(ios);
@property (nonatomic, copy, nullable) NSURL *url API_DEPRECATED("not supported", macos(10.8, 10.9)) API_UNAVAILABLE(ios);
@property (nonatomic, copy, nullable) NSString *emailAddress API_AVAILABLE(macos(10.8)) API_UNAVAILABLE(ios);
@end

NS_ASSUME_NONNULL_END
