/* UIActivity.h: activities of the share sheet: their types, the custom activity base class and item providers. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

@class UIImage, UIViewController, UIActivityViewController;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *UIActivityType NS_TYPED_EXTENSIBLE_ENUM;
UIKIT_EXTERN UIActivityType const UIActivityTypePostToFacebook API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIActivityType const UIActivityTypePostToTwitter API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIActivityType const UIActivityTypePostToWeibo API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIActivityType const UIActivityTypeMessage API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIActivityType const UIActivityTypeMail API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIActivityType const UIActivityTypePrint API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIActivityType const UIActivityTypeCopyToPasteboard API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIActivityType const UIActivityTypeAssignToContact API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIActivityType const UIActivityTypeSaveToCameraRoll API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIActivityType const UIActivityTypeAddToReadingList API_AVAILABLE(ios(7.0));
UIKIT_EXTERN UIActivityType const UIActivityTypePostToFlickr API_AVAILABLE(ios(7.0));
UIKIT_EXTERN UIActivityType const UIActivityTypePostToVimeo API_AVAILABLE(ios(7.0));
UIKIT_EXTERN UIActivityType const UIActivityTypePostToTencentWeibo API_AVAILABLE(ios(7.0));
UIKIT_EXTERN UIActivityType const UIActivityTypeAirDrop API_AVAILABLE(ios(7.0));
UIKIT_EXTERN UIActivityType const UIActivityTypeOpenInIBooks API_AVAILABLE(ios(9.0));
UIKIT_EXTERN UIActivityType const UIActivityTypeMarkupAsPDF API_AVAILABLE(ios(11.0));

typedef NS_ENUM(NSInteger, UIActivityCategory) {
    UIActivityCategoryAction,
    UIActivityCategoryShare,
} API_AVAILABLE(ios(7.0));

API_AVAILABLE(ios(6.0))
@interface UIActivity : NSObject
@property (class, nonatomic, readonly) UIActivityCategory activityCategory API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly, nullable) UIActivityType activityType;
@property (nonatomic, readonly, nullable) NSString *activityTitle;
@property (nonatomic, readonly, nullable) UIImage *activityImage;
- (BOOL)canPerformWithActivityItems:(NSArray *)activityItems;
- (void)prepareWithActivityItems:(NSArray *)activityItems;
@property (nonatomic, readonly, nullable) UIViewController *activityViewController;
- (void)performActivity;
- (void)activityDidFinish:(BOOL)completed;
@end

@protocol UIActivityItemSource <NSObject>
@required
- (id)activityViewControllerPlaceholderItem:(UIActivityViewController *)activityViewController;
- (nullable id)activityViewController:(UIActivityViewController *)activityViewController
                  itemForActivityType:(nullable UIActivityType)activityType;
@optional
- (NSString *)activityViewController:(UIActivityViewController *)activityViewController
              subjectForActivityType:(nullable UIActivityType)activityType;
- (NSString *)activityViewController:(UIActivityViewController *)activityViewController
    dataTypeIdentifierForActivityType:(nullable UIActivityType)activityType;
- (nullable UIImage *)activityViewController:(UIActivityViewController *)activityViewController
       thumbnailImageForActivityType:(nullable UIActivityType)activityType
                       suggestedSize:(CGSize)size;
@end

API_AVAILABLE(ios(6.0))
@interface UIActivityItemProvider : NSOperation <UIActivityItemSource>
- (instancetype)init NS_UNAVAILABLE;
- (instancetype)initWithPlaceholderItem:(id)placeholderItem NS_DESIGNATED_INITIALIZER;
@property (nullable, nonatomic, strong, readonly) id placeholderItem;
@property (nullable, nonatomic, copy, readonly) UIActivityType activityType;
@property (nonnull, nonatomic, readonly) id item;
@end

NS_ASSUME_NONNULL_END
