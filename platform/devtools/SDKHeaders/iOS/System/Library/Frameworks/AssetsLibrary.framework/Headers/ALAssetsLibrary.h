/* ALAssetsLibrary.h: access to the user's photos and videos (superseded by Photos). */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, ALAuthorizationStatus) {
    ALAuthorizationStatusNotDetermined = 0,
    ALAuthorizationStatusRestricted,
    ALAuthorizationStatusDenied,
    ALAuthorizationStatusAuthorized
} API_DEPRECATED("use PHAuthorizationStatus", ios(6.0, 9.0));

typedef void (^ALAssetsLibraryAccessFailureBlock)(NSError *error) API_DEPRECATED("use the Photos framework", ios(4.0, 9.0));

API_DEPRECATED("use PHPhotoLibrary", ios(4.0, 9.0))
@interface ALAssetsLibrary : NSObject
+ (ALAuthorizationStatus)authorizationStatus API_DEPRECATED("use +[PHPhotoLibrary authorizationStatus]", ios(6.0, 9.0));
+ (void)disableSharedPhotoStreamsSupport API_DEPRECATED("no replacement", ios(6.0, 9.0));
@end

NS_ASSUME_NONNULL_END
