/* UIUserNotificationSettings.h: the notification types and categories of iOS 8 and 9, replaced by the
 * UserNotifications framework. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

@class UIUserNotificationCategory;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, UIUserNotificationType) {
    UIUserNotificationTypeNone = 0,
    UIUserNotificationTypeBadge = 1 << 0,
    UIUserNotificationTypeSound = 1 << 1,
    UIUserNotificationTypeAlert = 1 << 2,
} API_DEPRECATED("Use UserNotifications Framework's UNAuthorizationOptions", ios(8.0, 10.0)) API_UNAVAILABLE(tvos);

typedef NS_ENUM(NSUInteger, UIUserNotificationActivationMode) {
    UIUserNotificationActivationModeForeground,
    UIUserNotificationActivationModeBackground
} API_DEPRECATED("Use UserNotifications Framework's UNNotificationActionOptions", ios(8.0, 10.0))
    API_UNAVAILABLE(tvos);

API_DEPRECATED("Use UserNotifications Framework's UNNotificationSettings", ios(8.0, 10.0)) API_UNAVAILABLE(tvos)
@interface UIUserNotificationSettings : NSObject
+ (instancetype)settingsForTypes:(UIUserNotificationType)types
                      categories:(nullable NSSet<UIUserNotificationCategory *> *)categories;
@property (nonatomic, readonly) UIUserNotificationType types;
@property (nullable, nonatomic, copy, readonly) NSSet<UIUserNotificationCategory *> *categories;
@end

API_DEPRECATED("Use UserNotifications Framework's UNNotificationCategory", ios(8.0, 10.0)) API_UNAVAILABLE(tvos)
@interface UIUserNotificationCategory : NSObject <NSCopying, NSMutableCopying, NSSecureCoding>
@property (nullable, nonatomic, copy, readonly) NSString *identifier;
@end

API_DEPRECATED("Use UserNotifications Framework's UNMutableNotificationCategory", ios(8.0, 10.0))
API_UNAVAILABLE(tvos)
@interface UIMutableUserNotificationCategory : UIUserNotificationCategory
@property (nullable, nonatomic, copy) NSString *identifier;
@end

NS_ASSUME_NONNULL_END
