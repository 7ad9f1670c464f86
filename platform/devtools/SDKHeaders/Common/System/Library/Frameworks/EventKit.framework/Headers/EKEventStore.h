/* EKEventStore.h: the store of calendar events and reminders. */
#import <Foundation/Foundation.h>
#import <EventKit/EKTypes.h>

NS_ASSUME_NONNULL_BEGIN

typedef void (^EKEventStoreRequestAccessCompletionHandler)(BOOL granted, NSError *_Nullable error);

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKEventStore : NSObject
+ (EKAuthorizationStatus)authorizationStatusForEntityType:(EKEntityType)entityType API_AVAILABLE(macos(10.9), ios(6.0));
- (instancetype)initWithAccessToEntityTypes:(EKEntityMask)entityTypes API_DEPRECATED("use -init", macos(10.8, 10.9));
- (void)requestAccessToEntityType:(EKEntityType)entityType completion:(EKEventStoreRequestAccessCompletionHandler)completion
    API_DEPRECATED("use -requestFullAccessToEventsWithCompletion: or -requestFullAccessToRemindersWithCompletion:",
                   macos(10.9, 14.0), ios(6.0, 17.0));
@property (nonatomic, readonly, nullable) NSString *eventStoreIdentifier;
@end

NS_ASSUME_NONNULL_END
