/* UIGestureRecognizer.h: gesture recognisers (tap, pan, pinch, rotation, long press, swipe, screen edge, hover) with
 * target-action pairs; UIGestureRecognizerSubclass.h adds what a subclass overrides. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIGeometry.h>
#import <UIKit/UIEvent.h>

@class UIView, UIEvent, UITouch, UIPress;
@protocol UIGestureRecognizerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSInteger, UIScrollTypeMask) {
    UIScrollTypeMaskDiscrete = 1 << 0,
    UIScrollTypeMaskContinuous = 1 << 1,
    UIScrollTypeMaskAll = UIScrollTypeMaskDiscrete | UIScrollTypeMaskContinuous,
} API_AVAILABLE(ios(13.4));

typedef NS_ENUM(NSInteger, UIGestureRecognizerState) {
    UIGestureRecognizerStatePossible,
    UIGestureRecognizerStateBegan,
    UIGestureRecognizerStateChanged,
    UIGestureRecognizerStateEnded,
    UIGestureRecognizerStateCancelled,
    UIGestureRecognizerStateFailed,
    UIGestureRecognizerStateRecognized = UIGestureRecognizerStateEnded
};

typedef NS_OPTIONS(NSUInteger, UISwipeGestureRecognizerDirection) {
    UISwipeGestureRecognizerDirectionRight = 1 << 0,
    UISwipeGestureRecognizerDirectionLeft = 1 << 1,
    UISwipeGestureRecognizerDirectionUp = 1 << 2,
    UISwipeGestureRecognizerDirectionDown = 1 << 3
};

API_AVAILABLE(ios(3.2))
@interface UIGestureRecognizer : NSObject
- (instancetype)initWithTarget:(nullable id)target action:(nullable SEL)action NS_DESIGNATED_INITIALIZER;
- (instancetype)init;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (void)addTarget:(id)target action:(SEL)action;
- (void)removeTarget:(nullable id)target action:(nullable SEL)action;
@property (nonatomic, readonly) UIGestureRecognizerState state;
@property (nullable, nonatomic, weak) id<UIGestureRecognizerDelegate> delegate;
@property (nonatomic, getter=isEnabled) BOOL enabled;
@property (nullable, nonatomic, readonly) UIView *view;
@property (nonatomic) BOOL cancelsTouchesInView;
@property (nonatomic) BOOL delaysTouchesBegan;
@property (nonatomic) BOOL delaysTouchesEnded;
- (void)requireGestureRecognizerToFail:(UIGestureRecognizer *)otherGestureRecognizer;
- (CGPoint)locationInView:(nullable UIView *)view;
@property (nonatomic, readonly) NSUInteger numberOfTouches;
- (CGPoint)locationOfTouch:(NSUInteger)touchIndex inView:(nullable UIView *)view;
@property (nonatomic) BOOL requiresExclusiveTouchType API_AVAILABLE(ios(9.2));
@property (nonatomic, copy) NSArray<NSNumber *> *allowedTouchTypes API_AVAILABLE(ios(9.0));
@property (nonatomic, copy) NSArray<NSNumber *> *allowedPressTypes API_AVAILABLE(ios(9.0));
@property (nullable, nonatomic, copy) NSString *name API_AVAILABLE(ios(11.0));
@property (nonatomic, readonly) UIKeyModifierFlags modifierFlags API_AVAILABLE(ios(13.4));
@property (nonatomic, readonly) UIEventButtonMask buttonMask API_AVAILABLE(ios(13.4));
@end

@protocol UIGestureRecognizerDelegate <NSObject>
@optional
- (BOOL)gestureRecognizerShouldBegin:(UIGestureRecognizer *)gestureRecognizer;
- (BOOL)gestureRecognizer:(UIGestureRecognizer *)gestureRecognizer
    shouldRecognizeSimultaneouslyWithGestureRecognizer:(UIGestureRecognizer *)otherGestureRecognizer;
- (BOOL)gestureRecognizer:(UIGestureRecognizer *)gestureRecognizer
    shouldRequireFailureOfGestureRecognizer:(UIGestureRecognizer *)otherGestureRecognizer API_AVAILABLE(ios(7.0));
- (BOOL)gestureRecognizer:(UIGestureRecognizer *)gestureRecognizer
    shouldBeRequiredToFailByGestureRecognizer:(UIGestureRecognizer *)otherGestureRecognizer API_AVAILABLE(ios(7.0));
- (BOOL)gestureRecognizer:(UIGestureRecognizer *)gestureRecognizer shouldReceiveTouch:(UITouch *)touch;
- (BOOL)gestureRecognizer:(UIGestureRecognizer *)gestureRecognizer
        shouldReceivePress:(UIPress *)press API_AVAILABLE(ios(9.0));
- (BOOL)gestureRecognizer:(UIGestureRecognizer *)gestureRecognizer
        shouldReceiveEvent:(UIEvent *)event API_AVAILABLE(ios(13.4));
@end

API_AVAILABLE(ios(3.2))
@interface UITapGestureRecognizer : UIGestureRecognizer
@property (nonatomic) NSUInteger numberOfTapsRequired;
@property (nonatomic) NSUInteger numberOfTouchesRequired;
@end

API_AVAILABLE(ios(3.2))
@interface UIPanGestureRecognizer : UIGestureRecognizer
@property (nonatomic) NSUInteger minimumNumberOfTouches;
@property (nonatomic) NSUInteger maximumNumberOfTouches;
- (CGPoint)translationInView:(nullable UIView *)view;
- (void)setTranslation:(CGPoint)translation inView:(nullable UIView *)view;
- (CGPoint)velocityInView:(nullable UIView *)view;
@property (nonatomic) UIScrollTypeMask allowedScrollTypesMask API_AVAILABLE(ios(13.4));
@end

API_AVAILABLE(ios(7.0))
@interface UIScreenEdgePanGestureRecognizer : UIPanGestureRecognizer
@property (readwrite, nonatomic, assign) UIRectEdge edges;
@end

API_AVAILABLE(ios(3.2))
@interface UIRotationGestureRecognizer : UIGestureRecognizer
@property (nonatomic) CGFloat rotation;
@property (nonatomic, readonly) CGFloat velocity;
@end

API_AVAILABLE(ios(13.0))
@interface UIHoverGestureRecognizer : UIGestureRecognizer
@end

API_AVAILABLE(ios(3.2))
@interface UIPinchGestureRecognizer : UIGestureRecognizer
@property (nonatomic) CGFloat scale;
@property (nonatomic, readonly) CGFloat velocity;
@end

API_AVAILABLE(ios(3.2))
@interface UILongPressGestureRecognizer : UIGestureRecognizer
@property (nonatomic) NSUInteger numberOfTapsRequired;
@property (nonatomic) NSUInteger numberOfTouchesRequired;
@property (nonatomic) NSTimeInterval minimumPressDuration;
@property (nonatomic) CGFloat allowableMovement;
@end

API_AVAILABLE(ios(3.2))
@interface UISwipeGestureRecognizer : UIGestureRecognizer
@property (nonatomic) NSUInteger numberOfTouchesRequired;
@property (nonatomic) UISwipeGestureRecognizerDirection direction;
@end

NS_ASSUME_NONNULL_END
