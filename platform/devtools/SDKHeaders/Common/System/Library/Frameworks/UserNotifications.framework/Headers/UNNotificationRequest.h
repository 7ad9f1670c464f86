/* UNNotificationRequest.h: a notification to deliver: its identifier, content and trigger. */
#import <Foundation/Foundation.h>

@class UNNotificationContent, UNNotificationTrigger;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0), tvos(10.0))
@interface UNNotificationRequest : NSObject <NSCopying, NSSecureCoding>
@property (readonly, copy) NSString *identifier;
@property (readonly, copy) UNNotificationContent *content;
@property (nullable, readonly, copy) UNNotificationTrigger *trigger;
+ (instancetype)requestWithIdentifier:(NSString *)identifier
                              content:(UNNotificationContent *)content
                              trigger:(nullable UNNotificationTrigger *)trigger;
- (instancetype)init NS_UNAVAILABLE;
@end

NS_ASSUME_NONNULL_END
