/* UIEvent.h and touches: the events that the application delivers to responders, their touches and presses. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UICommand.h>

@class UIWindow, UIView, UIResponder, UIGestureRecognizer, UITouch, UIKey;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIEventType) {
    UIEventTypeTouches,
    UIEventTypeMotion,
    UIEventTypeRemoteControl,
    UIEventTypePresses API_AVAILABLE(ios(9.0)),
    UIEventTypeScroll API_AVAILABLE(ios(13.4)) = 10,
    UIEventTypeHover API_AVAILABLE(ios(13.4)) = 11,
    UIEventTypeTransform API_AVAILABLE(ios(13.4)) = 14,
};

typedef NS_ENUM(NSInteger, UIEventSubtype) {
    UIEventSubtypeNone = 0,
    UIEventSubtypeMotionShake = 1,
    UIEventSubtypeRemoteControlPlay = 100,
    UIEventSubtypeRemoteControlPause = 101,
    UIEventSubtypeRemoteControlStop = 102,
    UIEventSubtypeRemoteControlTogglePlayPause = 103,
    UIEventSubtypeRemoteControlNextTrack = 104,
    UIEventSubtypeRemoteControlPreviousTrack = 105,
    UIEventSubtypeRemoteControlBeginSeekingBackward = 106,
    UIEventSubtypeRemoteControlEndSeekingBackward = 107,
    UIEventSubtypeRemoteControlBeginSeekingForward = 108,
    UIEventSubtypeRemoteControlEndSeekingForward = 109,
};

typedef NS_OPTIONS(NSInteger, UIEventButtonMask) {
    UIEventButtonMaskPrimary = 1 << 0,
    UIEventButtonMaskSecondary = 1 << 1,
} API_AVAILABLE(ios(13.4));

@interface UIEvent : NSObject
@property (nonatomic, readonly) UIEventType type API_AVAILABLE(ios(3.0));
@property (nonatomic, readonly) UIEventSubtype subtype API_AVAILABLE(ios(3.0));
@property (nonatomic, readonly) NSTimeInterval timestamp;
@property (nonatomic, readonly) UIKeyModifierFlags modifierFlags API_AVAILABLE(ios(13.4));
@property (nonatomic, readonly) UIEventButtonMask buttonMask API_AVAILABLE(ios(13.4));
@property (nonatomic, readonly, nullable) NSSet<UITouch *> *allTouches;
- (nullable NSSet<UITouch *> *)touchesForWindow:(UIWindow *)window;
- (nullable NSSet<UITouch *> *)touchesForView:(UIView *)view;
- (nullable NSSet<UITouch *> *)touchesForGestureRecognizer:(UIGestureRecognizer *)gesture API_AVAILABLE(ios(3.2));
- (nullable NSArray<UITouch *> *)coalescedTouchesForTouch:(UITouch *)touch API_AVAILABLE(ios(9.0));
- (nullable NSArray<UITouch *> *)predictedTouchesForTouch:(UITouch *)touch API_AVAILABLE(ios(9.0));
@end

typedef NS_ENUM(NSInteger, UITouchPhase) {
    UITouchPhaseBegan,
    UITouchPhaseMoved,
    UITouchPhaseStationary,
    UITouchPhaseEnded,
    UITouchPhaseCancelled,
    UITouchPhaseRegionEntered API_AVAILABLE(ios(13.4)),
    UITouchPhaseRegionMoved API_AVAILABLE(ios(13.4)),
    UITouchPhaseRegionExited API_AVAILABLE(ios(13.4)),
};

typedef NS_ENUM(NSInteger, UITouchType) {
    UITouchTypeDirect,
    UITouchTypeIndirect,
    UITouchTypePencil API_AVAILABLE(ios(9.1)),
    UITouchTypeStylus API_DEPRECATED_WITH_REPLACEMENT("UITouchTypePencil", ios(9.1, 9.1)) = UITouchTypePencil,
    UITouchTypeIndirectPointer API_AVAILABLE(ios(13.4)),
} API_AVAILABLE(ios(9.0));

typedef NS_OPTIONS(NSInteger, UITouchProperties) {
    UITouchPropertyForce = (1UL << 0),
    UITouchPropertyAzimuth = (1UL << 1),
    UITouchPropertyAltitude = (1UL << 2),
    UITouchPropertyLocation = (1UL << 3),
} API_AVAILABLE(ios(9.1));

@interface UITouch : NSObject
@property (nonatomic, readonly) NSTimeInterval timestamp;
@property (nonatomic, readonly) UITouchPhase phase;
@property (nonatomic, readonly) NSUInteger tapCount;
@property (nonatomic, readonly) UITouchType type API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly) CGFloat majorRadius API_AVAILABLE(ios(8.0));
@property (nonatomic, readonly) CGFloat majorRadiusTolerance API_AVAILABLE(ios(8.0));
@property (nullable, nonatomic, readonly, strong) UIWindow *window;
@property (nullable, nonatomic, readonly, strong) UIView *view;
@property (nullable, nonatomic, readonly, copy) NSArray<UIGestureRecognizer *> *gestureRecognizers API_AVAILABLE(ios(3.2));
- (CGPoint)locationInView:(nullable UIView *)view;
- (CGPoint)previousLocationInView:(nullable UIView *)view;
- (CGPoint)preciseLocationInView:(nullable UIView *)view API_AVAILABLE(ios(9.1));
- (CGPoint)precisePreviousLocationInView:(nullable UIView *)view API_AVAILABLE(ios(9.1));
@property (nonatomic, readonly) CGFloat force API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly) CGFloat maximumPossibleForce API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly) CGFloat altitudeAngle API_AVAILABLE(ios(9.1));
- (CGFloat)azimuthAngleInView:(nullable UIView *)view API_AVAILABLE(ios(9.1));
- (CGVector)azimuthUnitVectorInView:(nullable UIView *)view API_AVAILABLE(ios(9.1));
@property (nonatomic, readonly) UITouchProperties estimatedProperties API_AVAILABLE(ios(9.1));
@property (nonatomic, readonly) UITouchProperties estimatedPropertiesExpectingUpdates API_AVAILABLE(ios(9.1));
@end

typedef NS_ENUM(NSInteger, UIPressPhase) {
    UIPressPhaseBegan,
    UIPressPhaseChanged,
    UIPressPhaseStationary,
    UIPressPhaseEnded,
    UIPressPhaseCancelled,
} API_AVAILABLE(ios(9.0));

typedef NS_ENUM(NSInteger, UIPressType) {
    UIPressTypeUpArrow,
    UIPressTypeDownArrow,
    UIPressTypeLeftArrow,
    UIPressTypeRightArrow,
    UIPressTypeSelect,
    UIPressTypeMenu,
    UIPressTypePlayPause,
    UIPressTypePageUp API_AVAILABLE(tvos(14.3)) = 30,
    UIPressTypePageDown API_AVAILABLE(tvos(14.3)) = 31,
} API_AVAILABLE(ios(9.0));

API_AVAILABLE(ios(9.0))
@interface UIPress : NSObject
@property (nonatomic, readonly) NSTimeInterval timestamp;
@property (nonatomic, readonly) UIPressPhase phase;
@property (nonatomic, readonly) UIPressType type;
@property (nullable, nonatomic, readonly) UIWindow *window;
@property (nullable, nonatomic, readonly) UIResponder *responder;
@property (nullable, nonatomic, readonly, copy) NSArray<UIGestureRecognizer *> *gestureRecognizers;
@property (nonatomic, readonly) CGFloat force;
@property (nonatomic, nullable, readonly) UIKey *key API_AVAILABLE(ios(13.4));
@end

API_AVAILABLE(ios(9.0))
@interface UIPressesEvent : UIEvent
@property (nonatomic, readonly) NSSet<UIPress *> *allPresses;
- (NSSet<UIPress *> *)pressesForGestureRecognizer:(UIGestureRecognizer *)gesture;
@end

NS_ASSUME_NONNULL_END
