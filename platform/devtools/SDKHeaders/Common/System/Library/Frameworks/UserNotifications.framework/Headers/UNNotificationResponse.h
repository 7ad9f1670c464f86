/* UNNotificationResponse.h: the user's response to a notification: the action chosen and any text entered. */
#import <Foundation/Foundation.h>

@class UNNotification;

NS_ASSUME_NONNULL_BEGIN

FOUNDATION_EXPORT NSString *const UNNotificationDefaultActionIdentifier
    API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0)) API_UNAVAILABLE(tvos);
FOUNDATION_EXPORT NSString *const UNNotificationDismissActionIdentifier
    API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0)) API_UNAVAILABLE(tvos);

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0)) API_UNAVAILABLE(tvos)
@interface UNNotificationResponse : NSObject <NSCopying, NSSecureCoding>
@property (readonly, copy) UNNotification *notification;
@property (readonly, copy) NSString *actionIdentifier;
- (instancetype)init NS_UNAVAILABLE;
@end

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0)) API_UNAVAILABLE(tvos)
@interface UNTextInputNotificationResponse : UNNotificationResponse
@property (readonly, copy) NSString *userText;
@end

NS_ASSUME_NONNULL_END
