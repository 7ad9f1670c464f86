/* UILocalNotification.h: the local notifications of iOS 4 to 9, replaced by the UserNotifications framework. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

@class CLRegion;

NS_ASSUME_NONNULL_BEGIN

API_DEPRECATED("Use UserNotifications Framework's UNNotificationRequest", ios(4.0, 10.0)) API_UNAVAILABLE(tvos)
@interface UILocalNotification : NSObject <NSCopying, NSCoding>
@property (nullable, nonatomic, copy) NSDate *fireDate;
@property (nullable, nonatomic, copy) NSTimeZone *timeZone;
@property (nonatomic) NSCalendarUnit repeatInterval;
@property (nullable, nonatomic, copy) NSCalendar *repeatCalendar;
@property (nullable, nonatomic, copy) CLRegion *region API_AVAILABLE(ios(8.0));
@property (nonatomic, assign) BOOL regionTriggersOnce API_AVAILABLE(ios(8.0));
@property (nullable, nonatomic, copy) NSString *alertBody;
@property (nonatomic) BOOL hasAction;
@property (nullable, nonatomic, copy) NSString *alertAction;
@property (nullable, nonatomic, copy) NSString *alertLaunchImage;
@property (nullable, nonatomic, copy) NSString *alertTitle API_AVAILABLE(ios(8.2));
@property (nullable, nonatomic, copy) NSString *soundName;
@property (nonatomic) NSInteger applicationIconBadgeNumber;
@property (nullable, nonatomic, copy) NSDictionary *userInfo;
@property (nullable, nonatomic, copy) NSString *category API_AVAILABLE(ios(8.0));
@end

UIKIT_EXTERN NSString *const UILocalNotificationDefaultSoundName
    API_DEPRECATED("Use UserNotifications Framework's +[UNNotificationSound defaultSound]", ios(4.0, 10.0))
        API_UNAVAILABLE(tvos);

NS_ASSUME_NONNULL_END
