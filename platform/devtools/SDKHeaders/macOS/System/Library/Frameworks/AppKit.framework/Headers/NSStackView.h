/* NSStackView.h: a view that lays out a row or column of views, with gravity areas and visibility priorities. */
#import <AppKit/NSView.h>
#import <AppKit/NSUserInterfaceLayout.h>
#import <AppKit/NSLayoutConstraint.h>

@protocol NSStackViewDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSStackViewGravity) {
    NSStackViewGravityTop = 1,
    NSStackViewGravityLeading = 1,
    NSStackViewGravityCenter = 2,
    NSStackViewGravityBottom = 3,
    NSStackViewGravityTrailing = 3
} API_AVAILABLE(macos(10.9));

typedef NS_ENUM(NSInteger, NSStackViewDistribution) {
    NSStackViewDistributionGravityAreas = -1,
    NSStackViewDistributionFill = 0,
    NSStackViewDistributionFillEqually,
    NSStackViewDistributionFillProportionally,
    NSStackViewDistributionEqualSpacing,
    NSStackViewDistributionEqualCentering
} API_AVAILABLE(macos(10.11));

typedef float NSStackViewVisibilityPriority NS_TYPED_EXTENSIBLE_ENUM;
static const NSStackViewVisibilityPriority NSStackViewVisibilityPriorityMustHold API_AVAILABLE(macos(10.9)) = 1000;
static const NSStackViewVisibilityPriority NSStackViewVisibilityPriorityDetachOnlyIfNecessary
    API_AVAILABLE(macos(10.9)) = 900;
static const NSStackViewVisibilityPriority NSStackViewVisibilityPriorityNotVisible API_AVAILABLE(macos(10.9)) = 0;

static const CGFloat NSStackViewSpacingUseDefault API_AVAILABLE(macos(10.10)) = 3.40282347e+38F;

API_AVAILABLE(macos(10.9))
@interface NSStackView : NSView
+ (instancetype)stackViewWithViews:(NSArray<NSView *> *)views API_AVAILABLE(macos(10.11));
@property (nullable, weak) id<NSStackViewDelegate> delegate;
@property NSUserInterfaceLayoutOrientation orientation;
@property NSLayoutAttribute alignment;
@property NSEdgeInsets edgeInsets;
@property NSStackViewDistribution distribution API_AVAILABLE(macos(10.11));
@property CGFloat spacing;
@property BOOL detachesHiddenViews API_AVAILABLE(macos(10.11));
@property (copy) NSArray<__kindof NSView *> *arrangedSubviews API_AVAILABLE(macos(10.11));
- (void)addArrangedSubview:(NSView *)view API_AVAILABLE(macos(10.11));
- (void)insertArrangedSubview:(NSView *)view atIndex:(NSInteger)index API_AVAILABLE(macos(10.11));
- (void)removeArrangedSubview:(NSView *)view API_AVAILABLE(macos(10.11));
@property (readonly, copy) NSArray<__kindof NSView *> *detachedViews;
- (void)setVisibilityPriority:(NSStackViewVisibilityPriority)priority forView:(NSView *)view;
- (NSStackViewVisibilityPriority)visibilityPriorityForView:(NSView *)view;
- (void)setCustomSpacing:(CGFloat)spacing afterView:(NSView *)view API_AVAILABLE(macos(10.10));
- (CGFloat)customSpacingAfterView:(NSView *)view API_AVAILABLE(macos(10.10));
- (void)addView:(NSView *)view inGravity:(NSStackViewGravity)gravity;
- (void)insertView:(NSView *)view atIndex:(NSUInteger)index inGravity:(NSStackViewGravity)gravity;
- (void)removeView:(NSView *)view;
- (NSArray<__kindof NSView *> *)viewsInGravity:(NSStackViewGravity)gravity;
- (void)setViews:(NSArray<NSView *> *)views inGravity:(NSStackViewGravity)gravity;
@property (readonly, copy) NSArray<__kindof NSView *> *views;
- (NSLayoutPriority)clippingResistancePriorityForOrientation:(NSLayoutConstraintOrientation)orientation;
- (void)setClippingResistancePriority:(NSLayoutPriority)clippingResistancePriority
                       forOrientation:(NSLayoutConstraintOrientation)orientation;
- (NSLayoutPriority)huggingPriorityForOrientation:(NSLayoutConstraintOrientation)orientation;
- (void)setHuggingPriority:(NSLayoutPriority)huggingPriority forOrientation:(NSLayoutConstraintOrientation)orientation;
@end

@protocol NSStackViewDelegate <NSObject>
@optional
- (void)stackView:(NSStackView *)stackView willDetachViews:(NSArray<NSView *> *)views;
- (void)stackView:(NSStackView *)stackView didReattachViews:(NSArray<NSView *> *)views;
@end

NS_ASSUME_NONNULL_END
