/* EKRecurrenceRule.h: how a calendar item repeats, and when the repetition ends. */
#import <EventKit/EKObject.h>
#import <EventKit/EKTypes.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKRecurrenceEnd : NSObject <NSCopying, NSSecureCoding>
+ (instancetype)recurrenceEndWithEndDate:(NSDate *)endDate;
+ (instancetype)recurrenceEndWithOccurrenceCount:(NSUInteger)occurrenceCount;
@property (nonatomic, readonly, nullable) NSDate *endDate;
@property (nonatomic, readonly) NSUInteger occurrenceCount;
@end

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKRecurrenceDayOfWeek : NSObject <NSCopying, NSSecureCoding>
+ (instancetype)dayOfWeek:(EKWeekday)dayOfTheWeek;
+ (instancetype)dayOfWeek:(EKWeekday)dayOfTheWeek weekNumber:(NSInteger)weekNumber;
@property (nonatomic, readonly) EKWeekday dayOfTheWeek;
@property (nonatomic, readonly) NSInteger weekNumber;
@end

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKRecurrenceRule : EKObject <NSCopying>
- (instancetype)initRecurrenceWithFrequency:(EKRecurrenceFrequency)type
                                   interval:(NSInteger)interval
                                        end:(nullable EKRecurrenceEnd *)end;
@property (nonatomic, readonly) NSString *calendarIdentifier;
@property (nonatomic, copy, nullable) EKRecurrenceEnd *recurrenceEnd;
@property (nonatomic, readonly) EKRecurrenceFrequency frequency;
@property (nonatomic, readonly) NSInteger interval;
@property (nonatomic, readonly) EKWeekday firstDayOfTheWeek;
@property (nonatomic, readonly, nullable) NSArray<EKRecurrenceDayOfWeek *> *daysOfTheWeek;
@property (nonatomic, readonly, nullable) NSArray<NSNumber *> *daysOfTheMonth;
@end

NS_ASSUME_NONNULL_END
