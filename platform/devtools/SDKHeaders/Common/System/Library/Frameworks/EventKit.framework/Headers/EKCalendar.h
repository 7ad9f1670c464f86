/* EKCalendar.h: a calendar of events or reminders, with its source, title and colour. */
#import <EventKit/EKObject.h>
#import <EventKit/EKTypes.h>
#import <CoreGraphics/CoreGraphics.h>

@class EKEventStore, EKSource;
#if TARGET_OS_OSX
@class NSColor;
#endif

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKCalendar : EKObject
+ (EKCalendar *)calendarWithEventStore:(EKEventStore *)eventStore
    API_DEPRECATED("use +calendarForEntityType:eventStore:", macos(10.8, 10.9), ios(4.0, 6.0));
+ (EKCalendar *)calendarForEntityType:(EKEntityType)entityType eventStore:(EKEventStore *)eventStore
    API_AVAILABLE(macos(10.8), ios(6.0));
@property (null_unspecified, nonatomic, strong) EKSource *source;
@property (nonatomic, readonly) NSString *calendarIdentifier;
@property (nonatomic, copy) NSString *title;
@property (nonatomic, readonly) EKCalendarType type;
@property (nonatomic, readonly) BOOL allowsContentModifications;
@property (nonatomic, readonly, getter=isSubscribed) BOOL subscribed;
@property (nonatomic, readonly, getter=isImmutable) BOOL immutable;
@property (null_unspecified, nonatomic) CGColorRef CGColor;
#if TARGET_OS_OSX
@property (null_unspecified, nonatomic, copy) NSColor *color;
#endif
@property (nonatomic, readonly) EKCalendarEventAvailabilityMask supportedEventAvailabilities;
@property (nonatomic, readonly) EKEntityMask allowedEntityTypes API_AVAILABLE(macos(10.8), ios(6.0));
@end

NS_ASSUME_NONNULL_END
