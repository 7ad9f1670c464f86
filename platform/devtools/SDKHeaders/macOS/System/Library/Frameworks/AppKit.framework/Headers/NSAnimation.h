/* NSAnimation.h: timed animations (NSAnimation and the view animations that resize and fade views and windows), and
   the animator proxies of objects whose properties animate. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class CAAnimation;
@protocol NSAnimationDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSAnimationCurve) {
    NSAnimationEaseInOut,
    NSAnimationEaseIn,
    NSAnimationEaseOut,
    NSAnimationLinear
};

typedef NS_ENUM(NSUInteger, NSAnimationBlockingMode) {
    NSAnimationBlocking,
    NSAnimationNonblocking,
    NSAnimationNonblockingThreaded
};

typedef float NSAnimationProgress;

APPKIT_EXTERN NSNotificationName NSAnimationProgressMarkNotification;
APPKIT_EXTERN NSString *const NSAnimationProgressMark;

@interface NSAnimation : NSObject <NSCopying, NSCoding>
- (instancetype)initWithDuration:(NSTimeInterval)duration
                  animationCurve:(NSAnimationCurve)animationCurve NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (void)startAnimation;
- (void)stopAnimation;
@property (readonly, getter=isAnimating) BOOL animating;
@property NSAnimationProgress currentProgress;
@property NSTimeInterval duration;
@property NSAnimationBlockingMode animationBlockingMode;
@property float frameRate;
@property NSAnimationCurve animationCurve;
@property (readonly) float currentValue;
@property (nullable, weak) id<NSAnimationDelegate> delegate;
@property (copy) NSArray<NSNumber *> *progressMarks;
- (void)addProgressMark:(NSAnimationProgress)progressMark;
- (void)removeProgressMark:(NSAnimationProgress)progressMark;
- (void)startWhenAnimation:(NSAnimation *)animation reachesProgress:(NSAnimationProgress)startProgress;
- (void)stopWhenAnimation:(NSAnimation *)animation reachesProgress:(NSAnimationProgress)stopProgress;
- (void)clearStartAnimation;
- (void)clearStopAnimation;
@property (nullable, readonly, copy) NSArray<NSRunLoopMode> *runLoopModesForAnimating;
@end

@protocol NSAnimationDelegate <NSObject>
@optional
- (BOOL)animationShouldStart:(NSAnimation *)animation;
- (void)animationDidStop:(NSAnimation *)animation;
- (void)animationDidEnd:(NSAnimation *)animation;
- (float)animation:(NSAnimation *)animation valueForProgress:(NSAnimationProgress)progress;
- (void)animation:(NSAnimation *)animation didReachProgressMark:(NSAnimationProgress)progress;
@end

typedef NSString *NSViewAnimationKey NS_TYPED_ENUM;
APPKIT_EXTERN NSViewAnimationKey const NSViewAnimationTargetKey;
APPKIT_EXTERN NSViewAnimationKey const NSViewAnimationStartFrameKey;
APPKIT_EXTERN NSViewAnimationKey const NSViewAnimationEndFrameKey;
APPKIT_EXTERN NSViewAnimationKey const NSViewAnimationEffectKey;

typedef NSString *NSViewAnimationEffectName NS_TYPED_ENUM;
APPKIT_EXTERN NSViewAnimationEffectName const NSViewAnimationFadeInEffect;
APPKIT_EXTERN NSViewAnimationEffectName const NSViewAnimationFadeOutEffect;

@interface NSViewAnimation : NSAnimation
- (instancetype)initWithViewAnimations:(NSArray<NSDictionary<NSViewAnimationKey, id> *> *)viewAnimations;
@property (copy) NSArray<NSDictionary<NSViewAnimationKey, id> *> *viewAnimations;
@end

typedef NSString *NSAnimatablePropertyKey NS_SWIFT_BRIDGED_TYPEDEF;

@protocol NSAnimatablePropertyContainer
- (instancetype)animator;
@property (copy) NSDictionary<NSAnimatablePropertyKey, id> *animations;
- (nullable id)animationForKey:(NSAnimatablePropertyKey)key;
+ (nullable id)defaultAnimationForKey:(NSAnimatablePropertyKey)key;
@end

APPKIT_EXTERN NSAnimatablePropertyKey const NSAnimationTriggerOrderIn API_AVAILABLE(macos(10.5));
APPKIT_EXTERN NSAnimatablePropertyKey const NSAnimationTriggerOrderOut API_AVAILABLE(macos(10.5));

NS_ASSUME_NONNULL_END
