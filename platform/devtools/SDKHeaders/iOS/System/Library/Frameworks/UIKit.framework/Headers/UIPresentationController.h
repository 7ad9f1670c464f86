/* UIPresentationController.h: the object that manages the presentation of a view controller, and the delegate that
 * adapts a presentation to the size class of its environment. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>
#import <UIKit/UIViewControllerTransitionCoordinator.h>

@class UIPresentationController;

NS_ASSUME_NONNULL_BEGIN

@protocol UIAdaptivePresentationControllerDelegate <NSObject>
@optional
- (UIModalPresentationStyle)adaptivePresentationStyleForPresentationController:
    (UIPresentationController *)controller API_AVAILABLE(ios(8.0));
- (UIModalPresentationStyle)adaptivePresentationStyleForPresentationController:(UIPresentationController *)controller
                                                               traitCollection:(UITraitCollection *)traitCollection
    API_AVAILABLE(ios(8.3));
- (nullable UIViewController *)presentationController:(UIPresentationController *)controller
                   viewControllerForAdaptivePresentationStyle:(UIModalPresentationStyle)style API_AVAILABLE(ios(8.0));
- (void)presentationController:(UIPresentationController *)presentationController
    willPresentWithAdaptiveStyle:(UIModalPresentationStyle)style
               transitionCoordinator:(nullable id<UIViewControllerTransitionCoordinator>)transitionCoordinator
    API_AVAILABLE(ios(8.3));
- (BOOL)presentationControllerShouldDismiss:(UIPresentationController *)presentationController
    API_AVAILABLE(ios(13.0));
- (void)presentationControllerWillDismiss:(UIPresentationController *)presentationController
    API_AVAILABLE(ios(13.0));
- (void)presentationControllerDidDismiss:(UIPresentationController *)presentationController API_AVAILABLE(ios(13.0));
- (void)presentationControllerDidAttemptToDismiss:(UIPresentationController *)presentationController
    API_AVAILABLE(ios(13.0));
@end

API_AVAILABLE(ios(8.0))
@interface UIPresentationController : NSObject <UIAppearanceContainer, UITraitEnvironment, UIContentContainer>
@property (nonatomic, strong, readonly) UIViewController *presentingViewController;
@property (nonatomic, strong, readonly) UIViewController *presentedViewController;
@property (nonatomic, readonly) UIModalPresentationStyle presentationStyle;
@property (nullable, nonatomic, readonly, strong) UIView *containerView;
@property (nullable, nonatomic, weak) id<UIAdaptivePresentationControllerDelegate> delegate;
- (instancetype)initWithPresentedViewController:(UIViewController *)presentedViewController
                       presentingViewController:(nullable UIViewController *)presentingViewController
    NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
- (UIModalPresentationStyle)adaptivePresentationStyle;
- (UIModalPresentationStyle)adaptivePresentationStyleForTraitCollection:(UITraitCollection *)traitCollection
    API_AVAILABLE(ios(8.3));
- (void)containerViewWillLayoutSubviews;
- (void)containerViewDidLayoutSubviews;
@property (nonatomic, readonly) UIView *presentedView;
@property (nonatomic, readonly) CGRect frameOfPresentedViewInContainerView;
@property (nonatomic, readonly) BOOL shouldPresentInFullscreen;
@property (nonatomic, readonly) BOOL shouldRemovePresentersView;
- (void)presentationTransitionWillBegin;
- (void)presentationTransitionDidEnd:(BOOL)completed;
- (void)dismissalTransitionWillBegin;
- (void)dismissalTransitionDidEnd:(BOOL)completed;
@property (nullable, nonatomic, copy) UITraitCollection *overrideTraitCollection;
@end

NS_ASSUME_NONNULL_END
