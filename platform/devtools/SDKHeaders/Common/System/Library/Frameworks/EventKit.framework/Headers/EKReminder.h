/* EKReminder.h: a reminder: its due and start date components, priority and completion. */
#import <EventKit/EKCalendarItem.h>

@class EKEventStore;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.8), ios(6.0))
@interface EKReminder : EKCalendarItem
+ (EKReminder *)reminderWithEventStore:(EKEventStore *)eventStore;
@property (nonatomic, copy, nullable) NSDateComponents *startDateComponents;
@property (nonatomic, copy, nullable) NSDateComponents *dueDateComponents;
@property (nonatomic, getter=isCompleted) BOOL completed;
@property (nonatomic, copy, nullable) NSDate *completionDate;
@property (nonatomic) NSUInteger priority;
@end

NS_ASSUME_NONNULL_END
