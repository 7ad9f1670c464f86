/* UNNotificationContent.h: what a notification shows: title, body, badge, sound, attachments and user info. */
#import <Foundation/Foundation.h>

@class UNNotificationAttachment, UNNotificationSound;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, UNNotificationInterruptionLevel) {
    UNNotificationInterruptionLevelPassive,
    UNNotificationInterruptionLevelActive,
    UNNotificationInterruptionLevelTimeSensitive,
    UNNotificationInterruptionLevelCritical,
} API_AVAILABLE(macos(12.0), ios(15.0));

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0), tvos(10.0))
@interface UNNotificationContent : NSObject <NSCopying, NSMutableCopying, NSSecureCoding>
@property (readonly, copy) NSArray<UNNotificationAttachment *> *attachments API_UNAVAILABLE(tvos);
@property (readonly, copy, nullable) NSNumber *badge;
@property (readonly, copy) NSString *body;
@property (readonly, copy) NSString *categoryIdentifier;
@property (readonly, copy) NSString *launchImageName;
@property (readonly, copy, nullable) UNNotificationSound *sound API_UNAVAILABLE(tvos);
@property (readonly, copy) NSString *subtitle;
@property (readonly, copy) NSString *threadIdentifier;
@property (readonly, copy) NSString *title;
@property (readonly, copy) NSDictionary *userInfo;
@property (readonly, copy) NSString *summaryArgument API_AVAILABLE(macos(11.0), ios(12.0));
@property (readonly, assign) NSUInteger summaryArgumentCount API_AVAILABLE(macos(11.0), ios(12.0));
@property (readonly, copy, nullable) NSString *targetContentIdentifier API_AVAILABLE(macos(11.0), ios(13.0));
@property (readonly, assign) UNNotificationInterruptionLevel interruptionLevel API_AVAILABLE(macos(12.0), ios(15.0));
@property (readonly, assign) double relevanceScore API_AVAILABLE(macos(12.0), ios(15.0));
@end

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0), tvos(10.0))
@interface UNMutableNotificationContent : UNNotificationContent
@property (copy) NSArray<UNNotificationAttachment *> *attachments API_UNAVAILABLE(tvos);
@property (copy, nullable) NSNumber *badge;
@property (copy) NSString *body;
@property (copy) NSString *categoryIdentifier;
@property (copy) NSString *launchImageName;
@property (copy, nullable) UNNotificationSound *sound API_UNAVAILABLE(tvos);
@property (copy) NSString *subtitle;
@property (copy) NSString *threadIdentifier;
@property (copy) NSString *title;
@property (copy) NSDictionary *userInfo;
@property (copy) NSString *summaryArgument API_AVAILABLE(macos(11.0), ios(12.0));
@property (assign) NSUInteger summaryArgumentCount API_AVAILABLE(macos(11.0), ios(12.0));
@property (copy, nullable) NSString *targetContentIdentifier API_AVAILABLE(macos(11.0), ios(13.0));
@property (assign) UNNotificationInterruptionLevel interruptionLevel API_AVAILABLE(macos(12.0), ios(15.0));
@property (assign) double relevanceScore API_AVAILABLE(macos(12.0), ios(15.0));
@end

NS_ASSUME_NONNULL_END
