/*
 * UNUserNotificationCenter.h: an application's notification center: asking for authorization, registering
 * categories, scheduling, listing and removing notifications, and the delegate that handles their presentation and
 * the user's responses.
 */
#import <Foundation/Foundation.h>
#import <UserNotifications/UNNotificationSettings.h>

@class UNNotification, UNNotificationCategory, UNNotificationRequest, UNNotificationResponse;
@protocol UNUserNotificationCenterDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, UNAuthorizationOptions) {
    UNAuthorizationOptionBadge = (1 << 0),
    UNAuthorizationOptionSound = (1 << 1),
    UNAuthorizationOptionAlert = (1 << 2),
    UNAuthorizationOptionCarPlay = (1 << 3),
    UNAuthorizationOptionCriticalAlert API_AVAILABLE(macos(10.14), ios(12.0)) = (1 << 4),
    UNAuthorizationOptionProvidesAppNotificationSettings API_AVAILABLE(macos(10.14), ios(12.0)) = (1 << 5),
    UNAuthorizationOptionProvisional API_AVAILABLE(macos(10.14), ios(12.0)) = (1 << 6),
} API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0), tvos(10.0));

typedef NS_OPTIONS(NSUInteger, UNNotificationPresentationOptions) {
    UNNotificationPresentationOptionBadge = (1 << 0),
    UNNotificationPresentationOptionSound = (1 << 1),
    UNNotificationPresentationOptionAlert API_DEPRECATED("use UNNotificationPresentationOptionList and Banner",
                                                          macos(10.14, 11.0), ios(10.0, 14.0)) = (1 << 2),
    UNNotificationPresentationOptionList API_AVAILABLE(macos(11.0), ios(14.0)) = (1 << 3),
    UNNotificationPresentationOptionBanner API_AVAILABLE(macos(11.0), ios(14.0)) = (1 << 4),
} API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0), tvos(10.0));

static const UNNotificationPresentationOptions UNNotificationPresentationOptionNone
    API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0), tvos(10.0)) = 0;

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0), tvos(10.0))
@interface UNUserNotificationCenter : NSObject
@property (NS_NONATOMIC_IOSONLY, nullable, weak) id<UNUserNotificationCenterDelegate> delegate;
@property (NS_NONATOMIC_IOSONLY, readonly) BOOL supportsContentExtensions;
+ (UNUserNotificationCenter *)currentNotificationCenter;
- (instancetype)init NS_UNAVAILABLE;
- (void)requestAuthorizationWithOptions:(UNAuthorizationOptions)options
                      completionHandler:(void (^)(BOOL granted, NSError *_Nullable error))completionHandler;
- (void)setNotificationCategories:(NSSet<UNNotificationCategory *> *)categories API_UNAVAILABLE(tvos);
- (void)getNotificationCategoriesWithCompletionHandler:
    (void (^)(NSSet<UNNotificationCategory *> *categories))completionHandler API_UNAVAILABLE(tvos);
- (void)getNotificationSettingsWithCompletionHandler:(void (^)(UNNotificationSettings *settings))completionHandler;
- (void)addNotificationRequest:(UNNotificationRequest *)request
         withCompletionHandler:(nullable void (^)(NSError *_Nullable error))completionHandler;
- (void)getPendingNotificationRequestsWithCompletionHandler:
    (void (^)(NSArray<UNNotificationRequest *> *requests))completionHandler;
- (void)removePendingNotificationRequestsWithIdentifiers:(NSArray<NSString *> *)identifiers;
- (void)removeAllPendingNotificationRequests;
- (void)getDeliveredNotificationsWithCompletionHandler:
    (void (^)(NSArray<UNNotification *> *notifications))completionHandler API_UNAVAILABLE(tvos);
- (void)removeDeliveredNotificationsWithIdentifiers:(NSArray<NSString *> *)identifiers API_UNAVAILABLE(tvos);
- (void)removeAllDeliveredNotifications API_UNAVAILABLE(tvos);
- (void)setBadgeCount:(NSInteger)newBadgeCount
    withCompletionHandler:(nullable void (^)(NSError *_Nullable error))completionHandler
    API_AVAILABLE(macos(14.0), ios(16.0));
@end

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0), tvos(10.0))
@protocol UNUserNotificationCenterDelegate <NSObject>
@optional
- (void)userNotificationCenter:(UNUserNotificationCenter *)center
       willPresentNotification:(UNNotification *)notification
         withCompletionHandler:(void (^)(UNNotificationPresentationOptions options))completionHandler;
- (void)userNotificationCenter:(UNUserNotificationCenter *)center
    didReceiveNotificationResponse:(UNNotificationResponse *)response
             withCompletionHandler:(void (^)(void))completionHandler API_UNAVAILABLE(tvos);
- (void)userNotificationCenter:(UNUserNotificationCenter *)center
    openSettingsForNotification:(nullable UNNotification *)notification API_AVAILABLE(macos(10.14), ios(12.0))
                                    API_UNAVAILABLE(watchos, tvos);
@end

NS_ASSUME_NONNULL_END
