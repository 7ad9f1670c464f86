/* UIViewControllerTransitioning.h: custom transitions between view controllers: the transition context, animators,
 * interactive transitions and the transitioning delegate. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIGeometry.h>
#import <UIKit/UIView.h>

@class UIViewController, UIPresentationController;
@protocol UIViewImplicitlyAnimating, UITimingCurveProvider;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *UITransitionContextViewControllerKey NS_TYPED_ENUM;
typedef NSString *UITransitionContextViewKey NS_TYPED_ENUM;
UIKIT_EXTERN UITransitionContextViewControllerKey const UITransitionContextFromViewControllerKey
    API_AVAILABLE(ios(7.0));
UIKIT_EXTERN UITransitionContextViewControllerKey const UITransitionContextToViewControllerKey API_AVAILABLE(ios(7.0));
UIKIT_EXTERN UITransitionContextViewKey const UITransitionContextFromViewKey API_AVAILABLE(ios(8.0));
UIKIT_EXTERN UITransitionContextViewKey const UITransitionContextToViewKey API_AVAILABLE(ios(8.0));

@protocol UIViewControllerContextTransitioning <NSObject>
@property (nonatomic, readonly) UIView *containerView;
@property (nonatomic, readonly, getter=isAnimated) BOOL animated;
@property (nonatomic, readonly, getter=isInteractive) BOOL interactive;
@property (nonatomic, readonly) BOOL transitionWasCancelled;
@property (nonatomic, readonly) UIModalPresentationStyle presentationStyle;
- (void)updateInteractiveTransition:(CGFloat)percentComplete;
- (void)finishInteractiveTransition;
- (void)cancelInteractiveTransition;
- (void)pauseInteractiveTransition API_AVAILABLE(ios(10.0));
- (void)completeTransition:(BOOL)didComplete;
- (nullable __kindof UIViewController *)viewControllerForKey:(UITransitionContextViewControllerKey)key
    API_AVAILABLE(ios(7.0));
- (nullable __kindof UIView *)viewForKey:(UITransitionContextViewKey)key API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly) CGAffineTransform targetTransform API_AVAILABLE(ios(8.0));
- (CGRect)initialFrameForViewController:(UIViewController *)vc;
- (CGRect)finalFrameForViewController:(UIViewController *)vc;
@end

@protocol UIViewControllerAnimatedTransitioning <NSObject>
- (NSTimeInterval)transitionDuration:(nullable id<UIViewControllerContextTransitioning>)transitionContext;
- (void)animateTransition:(id<UIViewControllerContextTransitioning>)transitionContext;
@optional
- (id<UIViewImplicitlyAnimating>)interruptibleAnimatorForTransition:
    (id<UIViewControllerContextTransitioning>)transitionContext API_AVAILABLE(ios(10.0));
- (void)animationEnded:(BOOL)transitionCompleted;
@end

@protocol UIViewControllerInteractiveTransitioning <NSObject>
- (void)startInteractiveTransition:(id<UIViewControllerContextTransitioning>)transitionContext;
@optional
@property (nonatomic, readonly) CGFloat completionSpeed;
@property (nonatomic, readonly) UIViewAnimationCurve completionCurve;
@property (nonatomic, readonly) BOOL wantsInteractiveStart API_AVAILABLE(ios(10.0));
@end

@protocol UIViewControllerTransitioningDelegate <NSObject>
@optional
- (nullable id<UIViewControllerAnimatedTransitioning>)
    animationControllerForPresentedController:(UIViewController *)presented
                         presentingController:(UIViewController *)presenting
                             sourceController:(UIViewController *)source;
- (nullable id<UIViewControllerAnimatedTransitioning>)animationControllerForDismissedController:
    (UIViewController *)dismissed;
- (nullable id<UIViewControllerInteractiveTransitioning>)interactionControllerForPresentation:
    (id<UIViewControllerAnimatedTransitioning>)animator;
- (nullable id<UIViewControllerInteractiveTransitioning>)interactionControllerForDismissal:
    (id<UIViewControllerAnimatedTransitioning>)animator;
- (nullable UIPresentationController *)
    presentationControllerForPresentedViewController:(UIViewController *)presented
                            presentingViewController:(nullable UIViewController *)presenting
                                sourceViewController:(UIViewController *)source API_AVAILABLE(ios(8.0));
@end

API_AVAILABLE(ios(7.0))
@interface UIPercentDrivenInteractiveTransition : NSObject <UIViewControllerInteractiveTransitioning>
@property (readonly) CGFloat duration;
@property (readonly) CGFloat percentComplete;
@property (nonatomic, assign) CGFloat completionSpeed;
@property (nonatomic, assign) UIViewAnimationCurve completionCurve;
@property (nullable, nonatomic, strong) id<UITimingCurveProvider> timingCurve API_AVAILABLE(ios(10.0));
@property (nonatomic) BOOL wantsInteractiveStart API_AVAILABLE(ios(10.0));
- (void)pauseInteractiveTransition API_AVAILABLE(ios(10.0));
- (void)updateInteractiveTransition:(CGFloat)percentComplete;
- (void)cancelInteractiveTransition;
- (void)finishInteractiveTransition;
@end

NS_ASSUME_NONNULL_END
