/* EKTypes.h: the kinds of entity that an event store holds, and the authorisation to reach them. */
#import <Foundation/Foundation.h>

typedef NS_ENUM(NSUInteger, EKEntityType) {
    EKEntityTypeEvent,
    EKEntityTypeReminder
};

typedef NS_OPTIONS(NSUInteger, EKEntityMask) {
    EKEntityMaskEvent = (1 << EKEntityTypeEvent),
    EKEntityMaskReminder = (1 << EKEntityTypeReminder)
};

typedef NS_ENUM(NSInteger, EKAuthorizationStatus) {
    EKAuthorizationStatusNotDetermined = 0,
    EKAuthorizationStatusRestricted,
    EKAuthorizationStatusDenied,
    EKAuthorizationStatusAuthorized,
} API_AVAILABLE(macos(10.9), ios(6.0));
