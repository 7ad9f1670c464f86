/* MPMediaLibrary.h: the device's media library and the authorisation to read it. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, MPMediaLibraryAuthorizationStatus) {
    MPMediaLibraryAuthorizationStatusNotDetermined = 0,
    MPMediaLibraryAuthorizationStatusDenied,
    MPMediaLibraryAuthorizationStatusRestricted,
    MPMediaLibraryAuthorizationStatusAuthorized,
} API_AVAILABLE(ios(9.3));

API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos)
@interface MPMediaLibrary : NSObject <NSSecureCoding>
+ (MPMediaLibrary *)defaultMediaLibrary;
+ (MPMediaLibraryAuthorizationStatus)authorizationStatus API_AVAILABLE(ios(9.3));
+ (void)requestAuthorization:(void (^)(MPMediaLibraryAuthorizationStatus status))handler API_AVAILABLE(ios(9.3));
@property (nonatomic, readonly) NSDate *lastModifiedDate;
- (void)beginGeneratingLibraryChangeNotifications;
- (void)endGeneratingLibraryChangeNotifications;
@end

NS_ASSUME_NONNULL_END
