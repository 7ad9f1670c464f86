/* INPreferences.h: the user's permission for the application to work with Siri. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, INSiriAuthorizationStatus) {
    INSiriAuthorizationStatusNotDetermined = 0,
    INSiriAuthorizationStatusRestricted,
    INSiriAuthorizationStatusDenied,
    INSiriAuthorizationStatusAuthorized
} API_AVAILABLE(ios(10.0), macos(11.0));

API_AVAILABLE(ios(10.0), macos(11.0))
@interface INPreferences : NSObject
+ (INSiriAuthorizationStatus)siriAuthorizationStatus;
+ (void)requestSiriAuthorization:(void (^)(INSiriAuthorizationStatus status))handler;
+ (NSString *)siriLanguageCode API_AVAILABLE(ios(10.0), macos(11.0));
@end

NS_ASSUME_NONNULL_END
