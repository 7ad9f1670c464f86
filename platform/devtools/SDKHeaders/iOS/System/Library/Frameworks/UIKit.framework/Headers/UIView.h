/*
 * UIView.h: views: geometry, hierarchy, drawing, layout (autoresizing and Auto Layout), appearance, gestures and
 * block-based animation.
 */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <QuartzCore/QuartzCore.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIResponder.h>
#import <UIKit/UIApplication.h>
#import <UIKit/UIGeometry.h>
#import <UIKit/UIAppearance.h>
#import <UIKit/UITraitCollection.h>
#import <UIKit/NSLayoutConstraint.h>
#import <UIKit/NSLayoutAnchor.h>
#import <UIKit/UIDynamicBehavior.h>

@class UIColor, UIWindow, UIViewController, UIGestureRecognizer, UILayoutGuide, UIImage, UIMotionEffect;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIViewAnimationCurve) {
    UIViewAnimationCurveEaseInOut,
    UIViewAnimationCurveEaseIn,
    UIViewAnimationCurveEaseOut,
    UIViewAnimationCurveLinear,
};

typedef NS_ENUM(NSInteger, UIViewContentMode) {
    UIViewContentModeScaleToFill,
    UIViewContentModeScaleAspectFit,
    UIViewContentModeScaleAspectFill,
    UIViewContentModeRedraw,
    UIViewContentModeCenter,
    UIViewContentModeTop,
    UIViewContentModeBottom,
    UIViewContentModeLeft,
    UIViewContentModeRight,
    UIViewContentModeTopLeft,
    UIViewContentModeTopRight,
    UIViewContentModeBottomLeft,
    UIViewContentModeBottomRight,
};

typedef NS_OPTIONS(NSUInteger, UIViewAutoresizing) {
    UIViewAutoresizingNone = 0,
    UIViewAutoresizingFlexibleLeftMargin = 1 << 0,
    UIViewAutoresizingFlexibleWidth = 1 << 1,
    UIViewAutoresizingFlexibleRightMargin = 1 << 2,
    UIViewAutoresizingFlexibleTopMargin = 1 << 3,
    UIViewAutoresizingFlexibleHeight = 1 << 4,
    UIViewAutoresizingFlexibleBottomMargin = 1 << 5
};

typedef NS_ENUM(NSInteger, UIViewTintAdjustmentMode) {
    UIViewTintAdjustmentModeAutomatic,
    UIViewTintAdjustmentModeNormal,
    UIViewTintAdjustmentModeDimmed,
} API_AVAILABLE(ios(7.0));

typedef NS_OPTIONS(NSUInteger, UIViewAnimationOptions) {
    UIViewAnimationOptionLayoutSubviews = 1 << 0,
    UIViewAnimationOptionAllowUserInteraction = 1 << 1,
    UIViewAnimationOptionBeginFromCurrentState = 1 << 2,
    UIViewAnimationOptionRepeat = 1 << 3,
    UIViewAnimationOptionAutoreverse = 1 << 4,
    UIViewAnimationOptionOverrideInheritedDuration = 1 << 5,
    UIViewAnimationOptionOverrideInheritedCurve = 1 << 6,
    UIViewAnimationOptionAllowAnimatedContent = 1 << 7,
    UIViewAnimationOptionShowHideTransitionViews = 1 << 8,
    UIViewAnimationOptionOverrideInheritedOptions = 1 << 9,
    UIViewAnimationOptionCurveEaseInOut = 0 << 16,
    UIViewAnimationOptionCurveEaseIn = 1 << 16,
    UIViewAnimationOptionCurveEaseOut = 2 << 16,
    UIViewAnimationOptionCurveLinear = 3 << 16,
    UIViewAnimationOptionTransitionNone = 0 << 20,
    UIViewAnimationOptionTransitionFlipFromLeft = 1 << 20,
    UIViewAnimationOptionTransitionFlipFromRight = 2 << 20,
    UIViewAnimationOptionTransitionCurlUp = 3 << 20,
    UIViewAnimationOptionTransitionCurlDown = 4 << 20,
    UIViewAnimationOptionTransitionCrossDissolve = 5 << 20,
    UIViewAnimationOptionTransitionFlipFromTop = 6 << 20,
    UIViewAnimationOptionTransitionFlipFromBottom = 7 << 20,
} API_AVAILABLE(ios(4.0));

typedef NS_ENUM(NSInteger, UISemanticContentAttribute) {
    UISemanticContentAttributeUnspecified = 0,
    UISemanticContentAttributePlayback,
    UISemanticContentAttributeSpatial,
    UISemanticContentAttributeForceLeftToRight,
    UISemanticContentAttributeForceRightToLeft
} API_AVAILABLE(ios(9.0));

@protocol UICoordinateSpace <NSObject>
- (CGPoint)convertPoint:(CGPoint)point toCoordinateSpace:(id<UICoordinateSpace>)coordinateSpace API_AVAILABLE(ios(8.0));
- (CGPoint)convertPoint:(CGPoint)point fromCoordinateSpace:(id<UICoordinateSpace>)coordinateSpace API_AVAILABLE(ios(8.0));
- (CGRect)convertRect:(CGRect)rect toCoordinateSpace:(id<UICoordinateSpace>)coordinateSpace API_AVAILABLE(ios(8.0));
- (CGRect)convertRect:(CGRect)rect fromCoordinateSpace:(id<UICoordinateSpace>)coordinateSpace API_AVAILABLE(ios(8.0));
@property (readonly, nonatomic) CGRect bounds API_AVAILABLE(ios(8.0));
@end

@interface UIView : UIResponder <NSCoding, UIAppearance, UIAppearanceContainer, UIDynamicItem, UITraitEnvironment,
                                 UICoordinateSpace, CALayerDelegate>

@property (class, nonatomic, readonly) Class layerClass;

- (instancetype)initWithFrame:(CGRect)frame NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

@property (nonatomic, getter=isUserInteractionEnabled) BOOL userInteractionEnabled;
@property (nonatomic) NSInteger tag;
@property (nonatomic, readonly, strong) CALayer *layer;
@property (nonatomic) UISemanticContentAttribute semanticContentAttribute API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly) UIUserInterfaceLayoutDirection effectiveUserInterfaceLayoutDirection
    API_AVAILABLE(ios(10.0));

@end

@interface UIView (UIViewGeometry)
@property (nonatomic) CGRect frame;
@property (nonatomic) CGRect bounds;
@property (nonatomic) CGPoint center;
@property (nonatomic) CGAffineTransform transform;
@property (nonatomic) CATransform3D transform3D API_AVAILABLE(ios(13.0));
@property (nonatomic) CGFloat contentScaleFactor API_AVAILABLE(ios(4.0));
@property (nonatomic, getter=isMultipleTouchEnabled) BOOL multipleTouchEnabled;
@property (nonatomic, getter=isExclusiveTouch) BOOL exclusiveTouch;
- (nullable UIView *)hitTest:(CGPoint)point withEvent:(nullable UIEvent *)event;
- (BOOL)pointInside:(CGPoint)point withEvent:(nullable UIEvent *)event;
- (CGPoint)convertPoint:(CGPoint)point toView:(nullable UIView *)view;
- (CGPoint)convertPoint:(CGPoint)point fromView:(nullable UIView *)view;
- (CGRect)convertRect:(CGRect)rect toView:(nullable UIView *)view;
- (CGRect)convertRect:(CGRect)rect fromView:(nullable UIView *)view;
@property (nonatomic) BOOL autoresizesSubviews;
@property (nonatomic) UIViewAutoresizing autoresizingMask;
- (CGSize)sizeThatFits:(CGSize)size;
- (void)sizeToFit;
@end

@interface UIView (UIViewHierarchy)
@property (nullable, nonatomic, readonly) UIView *superview;
@property (nonatomic, readonly, copy) NSArray<__kindof UIView *> *subviews;
@property (nullable, nonatomic, readonly) UIWindow *window;
- (void)removeFromSuperview;
- (void)insertSubview:(UIView *)view atIndex:(NSInteger)index;
- (void)exchangeSubviewAtIndex:(NSInteger)index1 withSubviewAtIndex:(NSInteger)index2;
- (void)addSubview:(UIView *)view;
- (void)insertSubview:(UIView *)view belowSubview:(UIView *)siblingSubview;
- (void)insertSubview:(UIView *)view aboveSubview:(UIView *)siblingSubview;
- (void)bringSubviewToFront:(UIView *)view;
- (void)sendSubviewToBack:(UIView *)view;
- (void)didAddSubview:(UIView *)subview;
- (void)willRemoveSubview:(UIView *)subview;
- (void)willMoveToSuperview:(nullable UIView *)newSuperview;
- (void)didMoveToSuperview;
- (void)willMoveToWindow:(nullable UIWindow *)newWindow;
- (void)didMoveToWindow;
- (BOOL)isDescendantOfView:(UIView *)view;
- (nullable __kindof UIView *)viewWithTag:(NSInteger)tag;
- (void)setNeedsLayout;
- (void)layoutIfNeeded;
- (void)layoutSubviews;
@property (nonatomic) UIEdgeInsets layoutMargins API_AVAILABLE(ios(8.0));
@property (nonatomic) NSDirectionalEdgeInsets directionalLayoutMargins API_AVAILABLE(ios(11.0));
@property (nonatomic) BOOL preservesSuperviewLayoutMargins API_AVAILABLE(ios(8.0));
- (void)layoutMarginsDidChange API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly) UIEdgeInsets safeAreaInsets API_AVAILABLE(ios(11.0));
- (void)safeAreaInsetsDidChange API_AVAILABLE(ios(11.0));
@property (nonatomic, readonly, strong) UILayoutGuide *layoutMarginsGuide API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) UILayoutGuide *readableContentGuide API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) UILayoutGuide *safeAreaLayoutGuide API_AVAILABLE(ios(11.0));
@end

@interface UIView (UIViewRendering)
- (void)drawRect:(CGRect)rect;
- (void)setNeedsDisplay;
- (void)setNeedsDisplayInRect:(CGRect)rect;
@property (nonatomic) BOOL clipsToBounds;
@property (nullable, nonatomic, copy) UIColor *backgroundColor UI_APPEARANCE_SELECTOR;
@property (nonatomic) CGFloat alpha;
@property (nonatomic, getter=isOpaque) BOOL opaque;
@property (nonatomic) BOOL clearsContextBeforeDrawing;
@property (nonatomic, getter=isHidden) BOOL hidden;
@property (nonatomic) UIViewContentMode contentMode;
@property (nullable, nonatomic, strong) UIView *maskView API_AVAILABLE(ios(8.0));
@property (null_resettable, nonatomic, strong) UIColor *tintColor API_AVAILABLE(ios(7.0));
@property (nonatomic) UIViewTintAdjustmentMode tintAdjustmentMode API_AVAILABLE(ios(7.0));
- (void)tintColorDidChange API_AVAILABLE(ios(7.0));
@end

@interface UIView (UIViewMotionEffects)
- (void)addMotionEffect:(UIMotionEffect *)effect API_AVAILABLE(ios(7.0));
- (void)removeMotionEffect:(UIMotionEffect *)effect API_AVAILABLE(ios(7.0));
@property (copy, nonatomic) NSArray<__kindof UIMotionEffect *> *motionEffects API_AVAILABLE(ios(7.0));
@end

#if defined(__BLOCKS__)
@interface UIView (UIViewAnimationWithBlocks)
+ (void)animateWithDuration:(NSTimeInterval)duration
                      delay:(NSTimeInterval)delay
                    options:(UIViewAnimationOptions)options
                 animations:(void (^)(void))animations
                 completion:(void (^__nullable)(BOOL finished))completion API_AVAILABLE(ios(4.0));
+ (void)animateWithDuration:(NSTimeInterval)duration
                 animations:(void (^)(void))animations
                 completion:(void (^__nullable)(BOOL finished))completion API_AVAILABLE(ios(4.0));
+ (void)animateWithDuration:(NSTimeInterval)duration animations:(void (^)(void))animations API_AVAILABLE(ios(4.0));
+ (void)animateWithDuration:(NSTimeInterval)duration
                      delay:(NSTimeInterval)delay
     usingSpringWithDamping:(CGFloat)dampingRatio
      initialSpringVelocity:(CGFloat)velocity
                    options:(UIViewAnimationOptions)options
                 animations:(void (^)(void))animations
                 completion:(void (^__nullable)(BOOL finished))completion API_AVAILABLE(ios(7.0));
+ (void)transitionWithView:(UIView *)view
                  duration:(NSTimeInterval)duration
                   options:(UIViewAnimationOptions)options
                animations:(void (^__nullable)(void))animations
                completion:(void (^__nullable)(BOOL finished))completion API_AVAILABLE(ios(4.0));
+ (void)performWithoutAnimation:(void(NS_NOESCAPE ^)(void))actionsWithoutAnimation API_AVAILABLE(ios(7.0));
@end
#endif

@interface UIView (UIViewAnimation)
@property (class, nonatomic) BOOL areAnimationsEnabled;
+ (void)setAnimationsEnabled:(BOOL)enabled;
@end

@interface UIView (UIViewGestureRecognizers)
@property (nullable, nonatomic, copy) NSArray<__kindof UIGestureRecognizer *> *gestureRecognizers API_AVAILABLE(ios(3.2));
- (void)addGestureRecognizer:(UIGestureRecognizer *)gestureRecognizer API_AVAILABLE(ios(3.2));
- (void)removeGestureRecognizer:(UIGestureRecognizer *)gestureRecognizer API_AVAILABLE(ios(3.2));
@end

@interface UIView (UIConstraintBasedLayoutInstallingConstraints)
@property (nonatomic, readonly) NSArray<__kindof NSLayoutConstraint *> *constraints API_AVAILABLE(ios(6.0));
- (void)addConstraint:(NSLayoutConstraint *)constraint API_AVAILABLE(ios(6.0));
- (void)addConstraints:(NSArray<__kindof NSLayoutConstraint *> *)constraints API_AVAILABLE(ios(6.0));
- (void)removeConstraint:(NSLayoutConstraint *)constraint API_AVAILABLE(ios(6.0));
- (void)removeConstraints:(NSArray<__kindof NSLayoutConstraint *> *)constraints API_AVAILABLE(ios(6.0));
@end

@interface UIView (UIConstraintBasedLayoutCoreMethods)
- (void)updateConstraintsIfNeeded API_AVAILABLE(ios(6.0));
- (void)updateConstraints API_AVAILABLE(ios(6.0)) NS_REQUIRES_SUPER;
- (BOOL)needsUpdateConstraints API_AVAILABLE(ios(6.0));
- (void)setNeedsUpdateConstraints API_AVAILABLE(ios(6.0));
@end

@interface UIView (UIConstraintBasedCompatibility)
@property (nonatomic) BOOL translatesAutoresizingMaskIntoConstraints API_AVAILABLE(ios(6.0));
@property (class, nonatomic, readonly) BOOL requiresConstraintBasedLayout API_AVAILABLE(ios(6.0));
@end

@interface UIView (UIConstraintBasedLayoutLayering)
@property (nonatomic, readonly) CGSize intrinsicContentSize API_AVAILABLE(ios(6.0));
- (void)invalidateIntrinsicContentSize API_AVAILABLE(ios(6.0));
- (UILayoutPriority)contentHuggingPriorityForAxis:(UILayoutConstraintAxis)axis API_AVAILABLE(ios(6.0));
- (void)setContentHuggingPriority:(UILayoutPriority)priority forAxis:(UILayoutConstraintAxis)axis API_AVAILABLE(ios(6.0));
- (UILayoutPriority)contentCompressionResistancePriorityForAxis:(UILayoutConstraintAxis)axis API_AVAILABLE(ios(6.0));
- (void)setContentCompressionResistancePriority:(UILayoutPriority)priority
                                        forAxis:(UILayoutConstraintAxis)axis API_AVAILABLE(ios(6.0));
- (CGSize)systemLayoutSizeFittingSize:(CGSize)targetSize API_AVAILABLE(ios(6.0));
@end

UIKIT_EXTERN const CGSize UILayoutFittingCompressedSize API_AVAILABLE(ios(6.0));
UIKIT_EXTERN const CGSize UILayoutFittingExpandedSize API_AVAILABLE(ios(6.0));
UIKIT_EXTERN const CGFloat UIViewNoIntrinsicMetric API_AVAILABLE(ios(6.0));

@interface UIView (UIViewLayoutConstraintCreation)
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *leadingAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *trailingAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *leftAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *rightAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutYAxisAnchor *topAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutYAxisAnchor *bottomAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutDimension *widthAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutDimension *heightAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *centerXAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutYAxisAnchor *centerYAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutYAxisAnchor *firstBaselineAnchor API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, strong) NSLayoutYAxisAnchor *lastBaselineAnchor API_AVAILABLE(ios(9.0));
@end

@interface UIView (UILayoutGuideSupport)
@property (nonatomic, readonly, copy) NSArray<__kindof UILayoutGuide *> *layoutGuides API_AVAILABLE(ios(9.0));
- (void)addLayoutGuide:(UILayoutGuide *)layoutGuide API_AVAILABLE(ios(9.0));
- (void)removeLayoutGuide:(UILayoutGuide *)layoutGuide API_AVAILABLE(ios(9.0));
@end

@interface UIView (UISnapshotting)
- (nullable UIView *)snapshotViewAfterScreenUpdates:(BOOL)afterUpdates API_AVAILABLE(ios(7.0));
- (BOOL)drawViewHierarchyInRect:(CGRect)rect afterScreenUpdates:(BOOL)afterUpdates API_AVAILABLE(ios(7.0));
@end

@interface UIView (UserInterfaceStyle)
@property (nonatomic) UIUserInterfaceStyle overrideUserInterfaceStyle API_AVAILABLE(ios(13.0));
@end

@interface UIView (UITextField)
- (BOOL)endEditing:(BOOL)force;
@end

NS_ASSUME_NONNULL_END
