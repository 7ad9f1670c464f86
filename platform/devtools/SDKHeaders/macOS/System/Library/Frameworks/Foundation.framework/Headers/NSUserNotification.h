/* NSUserNotification.h: the notifications of Notification Center before User Notifications: delivering, scheduling
   and presenting them, and the centre's delegate. */
#import <Foundation/NSObject.h>
#import <Foundation/NSDate.h>

@class NSImage, NSAttributedString, NSDateComponents, NSTimeZone;
@protocol NSUserNotificationCenterDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSUserNotificationActivationType) {
    NSUserNotificationActivationTypeNone = 0,
    NSUserNotificationActivationTypeContentsClicked = 1,
    NSUserNotificationActivationTypeActionButtonClicked = 2,
    NSUserNotificationActivationTypeReplied API_AVAILABLE(macos(10.9)) = 3,
    NSUserNotificationActivationTypeAdditionalActionClicked API_AVAILABLE(macos(10.10)) = 4,
} API_DEPRECATED("Use UserNotifications", macos(10.8, 11.0));

API_DEPRECATED("Use UserNotifications", macos(10.8, 11.0))
@interface NSUserNotificationAction : NSObject <NSCopying>
+ (instancetype)actionWithIdentifier:(nullable NSString *)identifier title:(nullable NSString *)title;
@property (nullable, readonly, copy) NSString *identifier;
@property (nullable, readonly, copy) NSString *title;
@end

API_DEPRECATED("Use UserNotifications", macos(10.8, 11.0))
@interface NSUserNotification : NSObject <NSCopying>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
@property (nullable, copy) NSString *title;
@property (nullable, copy) NSString *subtitle;
@property (nullable, copy) NSString *informativeText;
@property (copy) NSString *actionButtonTitle;
@property (nullable, copy) NSDictionary<NSString *, id> *userInfo;
@property (nullable, copy) NSDate *deliveryDate;
@property (nullable, copy) NSTimeZone *deliveryTimeZone;
@property (nullable, copy) NSDateComponents *deliveryRepeatInterval;
@property (nullable, readonly, copy) NSDate *actualDeliveryDate;
@property (readonly, getter=isPresented) BOOL presented;
@property (readonly, getter=isRemote) BOOL remote;
@property (nullable, copy) NSString *soundName;
@property BOOL hasActionButton;
@property (readonly) NSUserNotificationActivationType activationType;
@property (copy) NSString *otherButtonTitle;
@property (nullable, copy) NSString *identifier API_AVAILABLE(macos(10.9));
@property (nullable, copy) NSImage *contentImage API_AVAILABLE(macos(10.9));
@property BOOL hasReplyButton API_AVAILABLE(macos(10.9));
@property (nullable, copy) NSString *responsePlaceholder API_AVAILABLE(macos(10.9));
@property (nullable, readonly, copy) NSAttributedString *response API_AVAILABLE(macos(10.9));
@property (nullable, copy) NSArray<NSUserNotificationAction *> *additionalActions API_AVAILABLE(macos(10.10));
@property (nullable, readonly, copy) NSUserNotificationAction *additionalActivationAction API_AVAILABLE(macos(10.10));
@end

FOUNDATION_EXPORT NSString *const NSUserNotificationDefaultSoundName
    API_DEPRECATED("Use UserNotifications", macos(10.8, 11.0));

API_DEPRECATED("Use UserNotifications", macos(10.8, 11.0))
@interface NSUserNotificationCenter : NSObject
@property (class, readonly, strong) NSUserNotificationCenter *defaultUserNotificationCenter;
@property (nullable, assign) id<NSUserNotificationCenterDelegate> delegate;
@property (copy) NSArray<NSUserNotification *> *scheduledNotifications;
- (void)scheduleNotification:(NSUserNotification *)notification;
- (void)removeScheduledNotification:(NSUserNotification *)notification;
@property (readonly, copy) NSArray<NSUserNotification *> *deliveredNotifications;
- (void)deliverNotification:(NSUserNotification *)notification;
- (void)removeDeliveredNotification:(NSUserNotification *)notification;
- (void)removeAllDeliveredNotifications;
@end

@protocol NSUserNotificationCenterDelegate <NSObject>
@optional
- (void)userNotificationCenter:(NSUserNotificationCenter *)center didDeliverNotification:(NSUserNotification *)notification;
- (void)userNotificationCenter:(NSUserNotificationCenter *)center didActivateNotification:(NSUserNotification *)notification;
- (BOOL)userNotificationCenter:(NSUserNotificationCenter *)center shouldPresentNotification:(NSUserNotification *)notification;
@end

NS_ASSUME_NONNULL_END
