/* NSGestureRecognizer.h: gesture recognizers of views: click, pan, press, magnification and rotation. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSView, NSEvent, NSPressureConfiguration;
@protocol NSGestureRecognizerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSGestureRecognizerState) {
    NSGestureRecognizerStatePossible,
    NSGestureRecognizerStateBegan,
    NSGestureRecognizerStateChanged,
    NSGestureRecognizerStateEnded,
    NSGestureRecognizerStateCancelled,
    NSGestureRecognizerStateFailed,
    NSGestureRecognizerStateRecognized = NSGestureRecognizerStateEnded
} API_AVAILABLE(macos(10.10));

API_AVAILABLE(macos(10.10))
@interface NSGestureRecognizer : NSObject <NSCoding>
- (instancetype)initWithTarget:(nullable id)target action:(nullable SEL)action NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, weak) id target;
@property (nullable) SEL action;
@property (readonly) NSGestureRecognizerState state;
@property (nullable, weak) id<NSGestureRecognizerDelegate> delegate;
@property (getter=isEnabled) BOOL enabled;
@property (nullable, readonly) NSView *view;
@property BOOL delaysPrimaryMouseButtonEvents;
@property BOOL delaysSecondaryMouseButtonEvents;
@property BOOL delaysOtherMouseButtonEvents;
@property BOOL delaysKeyEvents;
@property BOOL delaysMagnificationEvents;
@property BOOL delaysRotationEvents;
- (NSPoint)locationInView:(nullable NSView *)view;
@end

@protocol NSGestureRecognizerDelegate <NSObject>
@optional
- (BOOL)gestureRecognizer:(NSGestureRecognizer *)gestureRecognizer shouldAttemptToRecognizeWithEvent:(NSEvent *)event;
- (BOOL)gestureRecognizerShouldBegin:(NSGestureRecognizer *)gestureRecognizer;
- (BOOL)gestureRecognizer:(NSGestureRecognizer *)gestureRecognizer
    shouldRecognizeSimultaneouslyWithGestureRecognizer:(NSGestureRecognizer *)otherGestureRecognizer;
- (BOOL)gestureRecognizer:(NSGestureRecognizer *)gestureRecognizer
    shouldRequireFailureOfGestureRecognizer:(NSGestureRecognizer *)otherGestureRecognizer;
- (BOOL)gestureRecognizer:(NSGestureRecognizer *)gestureRecognizer
    shouldBeRequiredToFailByGestureRecognizer:(NSGestureRecognizer *)otherGestureRecognizer;
@end

API_AVAILABLE(macos(10.10))
@interface NSClickGestureRecognizer : NSGestureRecognizer
@property NSUInteger buttonMask;
@property NSInteger numberOfClicksRequired;
@property NSInteger numberOfTouchesRequired API_AVAILABLE(macos(10.12.2));
@end

API_AVAILABLE(macos(10.10))
@interface NSPanGestureRecognizer : NSGestureRecognizer
@property NSUInteger buttonMask;
- (NSPoint)translationInView:(nullable NSView *)view;
- (void)setTranslation:(NSPoint)translation inView:(nullable NSView *)view;
- (NSPoint)velocityInView:(nullable NSView *)view;
@property NSInteger numberOfTouchesRequired API_AVAILABLE(macos(10.12.2));
@end

API_AVAILABLE(macos(10.10))
@interface NSPressGestureRecognizer : NSGestureRecognizer
@property NSUInteger buttonMask;
@property NSTimeInterval minimumPressDuration;
@property CGFloat allowableMovement;
@property NSInteger numberOfTouchesRequired API_AVAILABLE(macos(10.12.2));
@end

API_AVAILABLE(macos(10.10))
@interface NSMagnificationGestureRecognizer : NSGestureRecognizer
@property CGFloat magnification;
@end

API_AVAILABLE(macos(10.10))
@interface NSRotationGestureRecognizer : NSGestureRecognizer
@property CGFloat rotation;
@property CGFloat rotationInDegrees;
@end

NS_ASSUME_NONNULL_END
