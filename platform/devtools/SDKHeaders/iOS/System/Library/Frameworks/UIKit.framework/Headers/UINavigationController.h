/* UINavigationController.h: navigation controllers: a stack of view controllers with a navigation bar. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>
#import <UIKit/UINavigationBar.h>
#import <UIKit/UIToolbar.h>
#import <UIKit/UIGestureRecognizer.h>

@class UIView, UINavigationBar, UINavigationItem, UIToolbar, UIGestureRecognizer, UIPanGestureRecognizer,
    UITapGestureRecognizer;
@protocol UIViewControllerAnimatedTransitioning, UIViewControllerInteractiveTransitioning;
@protocol UINavigationControllerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UINavigationControllerOperation) {
    UINavigationControllerOperationNone,
    UINavigationControllerOperationPush,
    UINavigationControllerOperationPop,
};

UIKIT_EXTERN const CGFloat UINavigationControllerHideShowBarDuration;

@interface UINavigationController : UIViewController

- (instancetype)initWithNavigationBarClass:(nullable Class)navigationBarClass
                              toolbarClass:(nullable Class)toolbarClass API_AVAILABLE(ios(5.0)) NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithRootViewController:(UIViewController *)rootViewController NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithNibName:(nullable NSString *)nibNameOrNil
                         bundle:(nullable NSBundle *)nibBundleOrNil NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)aDecoder NS_DESIGNATED_INITIALIZER;

- (void)pushViewController:(UIViewController *)viewController animated:(BOOL)animated;
- (nullable UIViewController *)popViewControllerAnimated:(BOOL)animated;
- (nullable NSArray<__kindof UIViewController *> *)popToViewController:(UIViewController *)viewController
                                                              animated:(BOOL)animated;
- (nullable NSArray<__kindof UIViewController *> *)popToRootViewControllerAnimated:(BOOL)animated;

@property (nullable, nonatomic, readonly, strong) UIViewController *topViewController;
@property (nullable, nonatomic, readonly, strong) UIViewController *visibleViewController;
@property (nonatomic, copy) NSArray<__kindof UIViewController *> *viewControllers;
- (void)setViewControllers:(NSArray<UIViewController *> *)viewControllers animated:(BOOL)animated API_AVAILABLE(ios(3.0));

@property (nonatomic, getter=isNavigationBarHidden) BOOL navigationBarHidden;
- (void)setNavigationBarHidden:(BOOL)hidden animated:(BOOL)animated;
@property (nonatomic, readonly) UINavigationBar *navigationBar;
@property (nonatomic, getter=isToolbarHidden) BOOL toolbarHidden API_AVAILABLE(ios(3.0));
- (void)setToolbarHidden:(BOOL)hidden animated:(BOOL)animated API_AVAILABLE(ios(3.0));
@property (nullable, nonatomic, weak) id<UINavigationControllerDelegate> delegate;
@property (null_resettable, nonatomic, readonly) UIToolbar *toolbar API_AVAILABLE(ios(3.0));
@property (nullable, nonatomic, readonly) UIGestureRecognizer *interactivePopGestureRecognizer API_AVAILABLE(ios(7.0));
- (void)showViewController:(UIViewController *)vc sender:(nullable id)sender API_AVAILABLE(ios(8.0));
@property (nonatomic, readwrite, assign) BOOL hidesBarsWhenKeyboardAppears API_AVAILABLE(ios(8.0));
@property (nonatomic, readwrite, assign) BOOL hidesBarsOnSwipe API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly, strong) UIPanGestureRecognizer *barHideOnSwipeGestureRecognizer API_AVAILABLE(ios(8.0));
@property (nonatomic, readwrite, assign) BOOL hidesBarsWhenVerticallyCompact API_AVAILABLE(ios(8.0));
@property (nonatomic, readwrite, assign) BOOL hidesBarsOnTap API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly, assign) UITapGestureRecognizer *barHideOnTapGestureRecognizer API_AVAILABLE(ios(8.0));
@end

@protocol UINavigationControllerDelegate <NSObject>
@optional
- (void)navigationController:(UINavigationController *)navigationController
      willShowViewController:(UIViewController *)viewController
                    animated:(BOOL)animated;
- (void)navigationController:(UINavigationController *)navigationController
       didShowViewController:(UIViewController *)viewController
                    animated:(BOOL)animated;
- (UIInterfaceOrientationMask)navigationControllerSupportedInterfaceOrientations:
    (UINavigationController *)navigationController API_AVAILABLE(ios(7.0));
- (UIInterfaceOrientation)navigationControllerPreferredInterfaceOrientationForPresentation:
    (UINavigationController *)navigationController API_AVAILABLE(ios(7.0));
- (nullable id<UIViewControllerInteractiveTransitioning>)
                          navigationController:(UINavigationController *)navigationController
    interactionControllerForAnimationController:(id<UIViewControllerAnimatedTransitioning>)animationController
    API_AVAILABLE(ios(7.0));
- (nullable id<UIViewControllerAnimatedTransitioning>)navigationController:
                                                  (UINavigationController *)navigationController
                                           animationControllerForOperation:(UINavigationControllerOperation)operation
                                                        fromViewController:(UIViewController *)fromVC
                                                          toViewController:(UIViewController *)toVC
    API_AVAILABLE(ios(7.0));
@end

@interface UIViewController (UINavigationControllerItem)
@property (nonatomic, readonly, strong) UINavigationItem *navigationItem;
@property (nonatomic) BOOL hidesBottomBarWhenPushed;
@property (nullable, nonatomic, readonly, strong) UINavigationController *navigationController;
@end

@interface UIViewController (UINavigationControllerContextualToolbarItems)
@property (nullable, nonatomic, strong) NSArray<__kindof UIBarButtonItem *> *toolbarItems API_AVAILABLE(ios(3.0));
- (void)setToolbarItems:(nullable NSArray<UIBarButtonItem *> *)toolbarItems animated:(BOOL)animated
    API_AVAILABLE(ios(3.0));
@end

NS_ASSUME_NONNULL_END
