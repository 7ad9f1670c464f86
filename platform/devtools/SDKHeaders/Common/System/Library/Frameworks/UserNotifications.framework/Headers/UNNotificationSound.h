/* UNNotificationSound.h: the sound a notification plays. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *UNNotificationSoundName NS_TYPED_EXTENSIBLE_ENUM;

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0)) API_UNAVAILABLE(tvos)
@interface UNNotificationSound : NSObject <NSCopying, NSSecureCoding>
@property (class, readonly, copy) UNNotificationSound *defaultSound;
@property (class, readonly, copy) UNNotificationSound *defaultCriticalSound API_AVAILABLE(macos(10.14), ios(12.0));
+ (instancetype)soundNamed:(UNNotificationSoundName)name;
+ (instancetype)criticalSoundNamed:(UNNotificationSoundName)name API_AVAILABLE(macos(10.14), ios(12.0));
- (instancetype)init NS_UNAVAILABLE;
@end

NS_ASSUME_NONNULL_END
