/* PHPhotoLibrary.h: the shared photo library and its authorisation. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, PHAuthorizationStatus) {
    PHAuthorizationStatusNotDetermined = 0,
    PHAuthorizationStatusRestricted,
    PHAuthorizationStatusDenied,
    PHAuthorizationStatusAuthorized,
    PHAuthorizationStatusLimited API_AVAILABLE(ios(14)),
} API_AVAILABLE(macos(10.13), ios(8), tvos(10));

API_AVAILABLE(macos(10.13), ios(8), tvos(10))
@interface PHPhotoLibrary : NSObject
+ (PHPhotoLibrary *)sharedPhotoLibrary;
+ (PHAuthorizationStatus)authorizationStatus API_DEPRECATED_WITH_REPLACEMENT("+authorizationStatusForAccessLevel:", ios(8, API_TO_BE_DEPRECATED), macos(10.13, API_TO_BE_DEPRECATED));
+ (void)requestAuthorization:(void (^)(PHAuthorizationStatus status))handler;
- (void)performChanges:(dispatch_block_t)changeBlock
     completionHandler:(nullable void (^)(BOOL success, NSError *_Nullable error))completionHandler;
@end

NS_ASSUME_NONNULL_END
