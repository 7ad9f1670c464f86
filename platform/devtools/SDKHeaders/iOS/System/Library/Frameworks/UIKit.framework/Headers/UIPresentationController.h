/* UIPresentationController.h: the object that manages the presentation of a view controller. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(8.0))
@interface UIPresentationController : NSObject <UITraitEnvironment>
@property (nonatomic, strong, readonly) UIViewController *presentingViewController;
@property (nonatomic, strong, readonly) UIViewController *presentedViewController;
@property (nullable, nonatomic, readonly, strong) UIView *containerView;
@property (nonatomic, readonly) CGRect frameOfPresentedViewInContainerView;
- (instancetype)initWithPresentedViewController:(UIViewController *)presentedViewController
                       presentingViewController:(nullable UIViewController *)presentingViewController
    NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
@end

NS_ASSUME_NONNULL_END
