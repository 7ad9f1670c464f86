/* UIViewControllerTransitionCoordinator.h: the coordinator of a running transition, for animations alongside it. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewControllerTransitioning.h>

NS_ASSUME_NONNULL_BEGIN

@protocol UIViewControllerTransitionCoordinatorContext <NSObject>
@property (nonatomic, readonly, getter=isAnimated) BOOL animated;
@property (nonatomic, readonly) UIModalPresentationStyle presentationStyle;
@property (nonatomic, readonly) BOOL initiallyInteractive;
@property (nonatomic, readonly) BOOL isInterruptible API_AVAILABLE(ios(10.0));
@property (nonatomic, readonly, getter=isInteractive) BOOL interactive;
@property (nonatomic, readonly, getter=isCancelled) BOOL cancelled;
@property (nonatomic, readonly) NSTimeInterval transitionDuration;
@property (nonatomic, readonly) CGFloat percentComplete;
@property (nonatomic, readonly) CGFloat completionVelocity;
@property (nonatomic, readonly) UIViewAnimationCurve completionCurve;
- (nullable __kindof UIViewController *)viewControllerForKey:(UITransitionContextViewControllerKey)key;
- (nullable __kindof UIView *)viewForKey:(UITransitionContextViewKey)key API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly) UIView *containerView;
@property (nonatomic, readonly) CGAffineTransform targetTransform API_AVAILABLE(ios(8.0));
@end

@protocol UIViewControllerTransitionCoordinator <UIViewControllerTransitionCoordinatorContext>
- (BOOL)animateAlongsideTransition:
            (void (^_Nullable)(id<UIViewControllerTransitionCoordinatorContext> context))animation
                        completion:(void (^_Nullable)(id<UIViewControllerTransitionCoordinatorContext> context))
                                       completion;
- (BOOL)animateAlongsideTransitionInView:(nullable UIView *)view
                               animation:(void (^_Nullable)(id<UIViewControllerTransitionCoordinatorContext> context))
                                             animation
                              completion:(void (^_Nullable)(id<UIViewControllerTransitionCoordinatorContext> context))
                                             completion;
- (void)notifyWhenInteractionEndsUsingBlock:(void (^)(id<UIViewControllerTransitionCoordinatorContext> context))handler
    API_DEPRECATED_WITH_REPLACEMENT("notifyWhenInteractionChangesUsingBlock", ios(7.0, 10.0));
- (void)notifyWhenInteractionChangesUsingBlock:
    (void (^)(id<UIViewControllerTransitionCoordinatorContext> context))handler API_AVAILABLE(ios(10.0));
@end

@interface UIViewController (UIViewControllerTransitionCoordinator)
@property (nonatomic, readonly, nullable) id<UIViewControllerTransitionCoordinator> transitionCoordinator
    API_AVAILABLE(ios(7.0));
@end

NS_ASSUME_NONNULL_END
