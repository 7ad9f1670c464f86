/* UIImagePickerController.h: the system interface for taking pictures and choosing them from the photo library. */
#import <Foundation/Foundation.h>
#import <UIKit/UINavigationController.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIImagePickerControllerSourceType) {
    UIImagePickerControllerSourceTypePhotoLibrary API_DEPRECATED("use PHPickerViewController", ios(2, API_TO_BE_DEPRECATED)),
    UIImagePickerControllerSourceTypeCamera,
    UIImagePickerControllerSourceTypeSavedPhotosAlbum API_DEPRECATED("use PHPickerViewController", ios(2, API_TO_BE_DEPRECATED)),
} API_UNAVAILABLE(tvos);

@protocol UIImagePickerControllerDelegate;

API_AVAILABLE(ios(2.0)) API_UNAVAILABLE(tvos)
@interface UIImagePickerController : UINavigationController
+ (BOOL)isSourceTypeAvailable:(UIImagePickerControllerSourceType)sourceType;
@property (nonatomic) UIImagePickerControllerSourceType sourceType;
@property (nonatomic) BOOL allowsEditing API_AVAILABLE(ios(3.1));
@end

API_UNAVAILABLE(tvos)
@protocol UIImagePickerControllerDelegate <NSObject>
@optional
- (void)imagePickerControllerDidCancel:(UIImagePickerController *)picker;
@end

NS_ASSUME_NONNULL_END
