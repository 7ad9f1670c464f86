/* EKSource.h: an account that holds calendars (local, CalDAV, Exchange, subscribed). */
#import <EventKit/EKObject.h>
#import <EventKit/EKTypes.h>

@class EKCalendar;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.8), ios(5.0))
@interface EKSource : EKObject
@property (nonatomic, readonly) NSString *sourceIdentifier;
@property (nonatomic, readonly) EKSourceType sourceType;
@property (nonatomic, readonly) NSString *title;
@property (nonatomic, readonly) NSSet<EKCalendar *> *calendars API_DEPRECATED("use -calendarsForEntityType:",
                                                                              macos(10.8, 10.11), ios(5.0, 6.0));
- (NSSet<EKCalendar *> *)calendarsForEntityType:(EKEntityType)entityType API_AVAILABLE(macos(10.8), ios(6.0));
@property (nonatomic, readonly) BOOL isDelegate API_AVAILABLE(macos(12.0), ios(15.0));
@end

NS_ASSUME_NONNULL_END
