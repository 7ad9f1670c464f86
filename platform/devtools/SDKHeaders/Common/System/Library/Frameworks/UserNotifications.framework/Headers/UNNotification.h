/* UNNotification.h: a delivered notification: its date and request. */
#import <Foundation/Foundation.h>

@class UNNotificationRequest;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0), tvos(10.0))
@interface UNNotification : NSObject <NSCopying, NSSecureCoding>
@property (readonly, copy) NSDate *date;
@property (readonly, copy) UNNotificationRequest *request;
- (instancetype)init NS_UNAVAILABLE;
@end

NS_ASSUME_NONNULL_END
