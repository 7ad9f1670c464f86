/* EKEventStore.h: the store of calendar events and reminders: access, calendars, queries and saving. */
#import <Foundation/Foundation.h>
#import <EventKit/EKTypes.h>

@class EKCalendar, EKCalendarItem, EKEvent, EKReminder, EKSource;

NS_ASSUME_NONNULL_BEGIN

typedef void (^EKEventStoreRequestAccessCompletionHandler)(BOOL granted, NSError *_Nullable error);
typedef void (^EKEventSearchCallback)(EKEvent *event, BOOL *stop);

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKEventStore : NSObject
+ (EKAuthorizationStatus)authorizationStatusForEntityType:(EKEntityType)entityType API_AVAILABLE(macos(10.9), ios(6.0));
- (id)init;
- (instancetype)initWithAccessToEntityTypes:(EKEntityMask)entityTypes API_DEPRECATED("use -init", macos(10.8, 10.9));
- (instancetype)initWithSources:(NSArray<EKSource *> *)sources API_AVAILABLE(macos(10.11), ios(12.0));
- (void)requestAccessToEntityType:(EKEntityType)entityType completion:(EKEventStoreRequestAccessCompletionHandler)completion
    API_DEPRECATED("use -requestFullAccessToEventsWithCompletion: or -requestFullAccessToRemindersWithCompletion:",
                   macos(10.9, 14.0), ios(6.0, 17.0));
- (void)requestFullAccessToEventsWithCompletion:(EKEventStoreRequestAccessCompletionHandler)completion
    API_AVAILABLE(macos(14.0), ios(17.0));
- (void)requestWriteOnlyAccessToEventsWithCompletion:(EKEventStoreRequestAccessCompletionHandler)completion
    API_AVAILABLE(macos(14.0), ios(17.0));
- (void)requestFullAccessToRemindersWithCompletion:(EKEventStoreRequestAccessCompletionHandler)completion
    API_AVAILABLE(macos(14.0), ios(17.0));
@property (nonatomic, readonly, nullable) NSString *eventStoreIdentifier;
@property (nonatomic, readonly) NSArray<EKSource *> *delegateSources API_AVAILABLE(macos(10.15), ios(12.0));
@property (nonatomic, readonly) NSArray<EKSource *> *sources;
- (nullable EKSource *)sourceWithIdentifier:(NSString *)identifier;
@property (nonatomic, readonly) NSArray<EKCalendar *> *calendars
    API_DEPRECATED("use -calendarsForEntityType:", macos(10.8, 10.9), ios(4.0, 6.0));
- (NSArray<EKCalendar *> *)calendarsForEntityType:(EKEntityType)entityType API_AVAILABLE(macos(10.8), ios(6.0));
@property (nullable, nonatomic, readonly) EKCalendar *defaultCalendarForNewEvents;
@property (nullable, nonatomic, readonly) EKCalendar *defaultCalendarForNewReminders API_AVAILABLE(macos(10.8), ios(6.0));
- (nullable EKCalendar *)calendarWithIdentifier:(NSString *)identifier;
- (BOOL)saveCalendar:(EKCalendar *)calendar commit:(BOOL)commit error:(NSError **)error;
- (BOOL)removeCalendar:(EKCalendar *)calendar commit:(BOOL)commit error:(NSError **)error;
- (nullable EKCalendarItem *)calendarItemWithIdentifier:(NSString *)identifier API_AVAILABLE(macos(10.8), ios(6.0));
- (nullable EKEvent *)eventWithIdentifier:(NSString *)identifier;
- (NSArray<EKEvent *> *)eventsMatchingPredicate:(NSPredicate *)predicate;
- (void)enumerateEventsMatchingPredicate:(NSPredicate *)predicate usingBlock:(EKEventSearchCallback)block;
- (NSPredicate *)predicateForEventsWithStartDate:(NSDate *)startDate
                                         endDate:(NSDate *)endDate
                                       calendars:(nullable NSArray<EKCalendar *> *)calendars;
- (BOOL)saveEvent:(EKEvent *)event span:(EKSpan)span error:(NSError **)error;
- (BOOL)removeEvent:(EKEvent *)event span:(EKSpan)span error:(NSError **)error;
- (BOOL)saveEvent:(EKEvent *)event span:(EKSpan)span commit:(BOOL)commit error:(NSError **)error
    API_AVAILABLE(macos(10.8), ios(5.0));
- (BOOL)removeEvent:(EKEvent *)event span:(EKSpan)span commit:(BOOL)commit error:(NSError **)error
    API_AVAILABLE(macos(10.8), ios(5.0));
- (BOOL)saveReminder:(EKReminder *)reminder commit:(BOOL)commit error:(NSError **)error
    API_AVAILABLE(macos(10.8), ios(6.0));
- (BOOL)removeReminder:(EKReminder *)reminder commit:(BOOL)commit error:(NSError **)error
    API_AVAILABLE(macos(10.8), ios(6.0));
- (id)fetchRemindersMatchingPredicate:(NSPredicate *)predicate
                           completion:(void (^)(NSArray<EKReminder *> *_Nullable reminders))completion
    API_AVAILABLE(macos(10.8), ios(6.0));
- (void)cancelFetchRequest:(id)fetchIdentifier API_AVAILABLE(macos(10.8), ios(6.0));
- (NSPredicate *)predicateForRemindersInCalendars:(nullable NSArray<EKCalendar *> *)calendars
    API_AVAILABLE(macos(10.8), ios(6.0));
- (NSPredicate *)predicateForIncompleteRemindersWithDueDateStarting:(nullable NSDate *)startDate
                                                             ending:(nullable NSDate *)endDate
                                                          calendars:(nullable NSArray<EKCalendar *> *)calendars
    API_AVAILABLE(macos(10.8), ios(6.0));
- (NSPredicate *)predicateForCompletedRemindersWithCompletionDateStarting:(nullable NSDate *)startDate
                                                                   ending:(nullable NSDate *)endDate
                                                                calendars:(nullable NSArray<EKCalendar *> *)calendars
    API_AVAILABLE(macos(10.8), ios(6.0));
- (BOOL)commit:(NSError **)error API_AVAILABLE(macos(10.8), ios(5.0));
- (void)reset API_AVAILABLE(macos(10.8), ios(5.0));
- (void)refreshSourcesIfNecessary API_AVAILABLE(macos(10.8), ios(5.0));
@end

FOUNDATION_EXTERN NSString *const EKEventStoreChangedNotification API_AVAILABLE(macos(10.8), ios(4.0));

NS_ASSUME_NONNULL_END
