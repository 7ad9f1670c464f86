/* EKCalendarItem.h: what events and reminders share: calendar, title, notes, URL, alarms and recurrence. */
#import <EventKit/EKObject.h>

@class EKCalendar, EKAlarm, EKRecurrenceRule, EKParticipant;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.8), ios(5.0))
@interface EKCalendarItem : EKObject
@property (nonatomic, readonly) NSString *calendarItemIdentifier API_AVAILABLE(macos(10.8), ios(6.0));
@property (nonatomic, readonly) NSString *calendarItemExternalIdentifier API_AVAILABLE(macos(10.8), ios(6.0));
@property (nonatomic, strong, null_unspecified) EKCalendar *calendar;
@property (nonatomic, copy, null_unspecified) NSString *title;
@property (nonatomic, copy, nullable) NSString *location;
@property (nonatomic, copy, nullable) NSString *notes;
@property (nonatomic, copy, nullable) NSURL *URL;
@property (nonatomic, readonly, nullable) NSDate *lastModifiedDate;
@property (nonatomic, readonly, nullable, strong) NSDate *creationDate API_AVAILABLE(macos(10.8), ios(5.0));
@property (nonatomic, copy, nullable) NSTimeZone *timeZone;
@property (nonatomic, readonly) BOOL hasAlarms API_AVAILABLE(macos(10.8), ios(5.0));
@property (nonatomic, readonly) BOOL hasRecurrenceRules API_AVAILABLE(macos(10.8), ios(5.0));
@property (nonatomic, readonly) BOOL hasAttendees API_AVAILABLE(macos(10.8), ios(5.0));
@property (nonatomic, readonly) BOOL hasNotes API_AVAILABLE(macos(10.8), ios(5.0));
@property (nonatomic, readonly, nullable) NSArray<__kindof EKParticipant *> *attendees;
@property (nonatomic, copy, nullable) NSArray<EKAlarm *> *alarms;
- (void)addAlarm:(EKAlarm *)alarm;
- (void)removeAlarm:(EKAlarm *)alarm;
@property (nonatomic, copy, nullable) NSArray<EKRecurrenceRule *> *recurrenceRules API_AVAILABLE(macos(10.8), ios(5.0));
- (void)addRecurrenceRule:(EKRecurrenceRule *)rule;
- (void)removeRecurrenceRule:(EKRecurrenceRule *)rule;
@end

NS_ASSUME_NONNULL_END
