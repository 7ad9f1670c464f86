/* EKEvent.h: an event of a calendar: its dates, availability, status and organiser. */
#import <EventKit/EKCalendarItem.h>
#import <EventKit/EKTypes.h>

@class EKEventStore, EKParticipant;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKEvent : EKCalendarItem
+ (EKEvent *)eventWithEventStore:(EKEventStore *)eventStore;
@property (nonatomic, readonly, null_unspecified) NSString *eventIdentifier;
@property (nonatomic, getter=isAllDay) BOOL allDay;
@property (nonatomic, copy, null_unspecified) NSDate *startDate;
@property (nonatomic, copy, null_unspecified) NSDate *endDate;
@property (nonatomic, readonly, nullable) NSDate *occurrenceDate API_AVAILABLE(macos(10.8), ios(9.0));
@property (nonatomic, readonly) BOOL isDetached;
@property (nonatomic, readonly, nullable) EKParticipant *organizer;
@property (nonatomic) EKEventAvailability availability;
@property (nonatomic, readonly) EKEventStatus status;
@property (nonatomic, readonly, nullable) NSString *birthdayContactIdentifier API_AVAILABLE(macos(10.11), ios(9.0));
- (NSComparisonResult)compareStartDateWithEvent:(EKEvent *)other;
- (BOOL)refresh;
@end

NS_ASSUME_NONNULL_END
