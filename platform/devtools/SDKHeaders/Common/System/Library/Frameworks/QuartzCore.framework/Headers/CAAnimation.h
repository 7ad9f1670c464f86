/* CAAnimation.h: animations of layer properties: basic, keyframe, spring, grouped and transitions. */
#import <QuartzCore/CALayer.h>
#import <QuartzCore/CAMediaTimingFunction.h>
#import <Foundation/NSObject.h>

@class NSArray<ObjectType>, NSString, NSNumber, CAMediaTimingFunction, CAValueFunction;
@protocol CAAnimationDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *CAAnimationCalculationMode NS_TYPED_ENUM;
typedef NSString *CAAnimationRotationMode NS_TYPED_ENUM;
typedef NSString *CATransitionType NS_TYPED_ENUM;
typedef NSString *CATransitionSubtype NS_TYPED_ENUM;

API_AVAILABLE(macos(10.5), ios(2.0))
@interface CAAnimation : NSObject <NSSecureCoding, NSCopying, CAMediaTiming, CAAction>
+ (instancetype)animation;
+ (nullable id)defaultValueForKey:(NSString *)key;
- (BOOL)shouldArchiveValueForKey:(NSString *)key;
@property (nullable, strong) CAMediaTimingFunction *timingFunction;
/* The delegate is retained by the animation. */
@property (nullable, strong) id<CAAnimationDelegate> delegate;
@property (getter=isRemovedOnCompletion) BOOL removedOnCompletion;
@end

@protocol CAAnimationDelegate <NSObject>
@optional
- (void)animationDidStart:(CAAnimation *)anim;
- (void)animationDidStop:(CAAnimation *)anim finished:(BOOL)flag;
@end

API_AVAILABLE(macos(10.5), ios(2.0))
@interface CAPropertyAnimation : CAAnimation
+ (instancetype)animationWithKeyPath:(nullable NSString *)path;
@property (nullable, copy) NSString *keyPath;
@property (getter=isAdditive) BOOL additive;
@property (getter=isCumulative) BOOL cumulative;
@property (nullable, strong) CAValueFunction *valueFunction;
@end

API_AVAILABLE(macos(10.5), ios(2.0))
@interface CABasicAnimation : CAPropertyAnimation
@property (nullable, strong) id fromValue;
@property (nullable, strong) id toValue;
@property (nullable, strong) id byValue;
@end

API_AVAILABLE(macos(10.5), ios(2.0))
@interface CAKeyframeAnimation : CAPropertyAnimation
@property (nullable, copy) NSArray *values;
@property (nullable) CGPathRef path;
@property (nullable, copy) NSArray<NSNumber *> *keyTimes;
@property (nullable, copy) NSArray<CAMediaTimingFunction *> *timingFunctions;
@property (copy) CAAnimationCalculationMode calculationMode;
@property (nullable, copy) CAAnimationRotationMode rotationMode;
@end

API_AVAILABLE(macos(10.11), ios(9.0))
@interface CASpringAnimation : CABasicAnimation
@property CGFloat mass;
@property CGFloat stiffness;
@property CGFloat damping;
@property CGFloat initialVelocity;
@property (readonly) CFTimeInterval settlingDuration;
@end

API_AVAILABLE(macos(10.5), ios(2.0))
@interface CATransition : CAAnimation
@property (copy) CATransitionType type;
@property (nullable, copy) CATransitionSubtype subtype;
@property float startProgress;
@property float endProgress;
@end

API_AVAILABLE(macos(10.5), ios(2.0))
@interface CAAnimationGroup : CAAnimation
@property (nullable, copy) NSArray<CAAnimation *> *animations;
@end

CA_EXTERN CAAnimationCalculationMode const kCAAnimationLinear API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAAnimationCalculationMode const kCAAnimationDiscrete API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAAnimationCalculationMode const kCAAnimationPaced API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAAnimationCalculationMode const kCAAnimationCubic API_AVAILABLE(macos(10.7), ios(4.0));
CA_EXTERN CATransitionType const kCATransitionFade API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransitionType const kCATransitionMoveIn API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransitionType const kCATransitionPush API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransitionType const kCATransitionReveal API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransitionSubtype const kCATransitionFromRight API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransitionSubtype const kCATransitionFromLeft API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransitionSubtype const kCATransitionFromTop API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransitionSubtype const kCATransitionFromBottom API_AVAILABLE(macos(10.5), ios(2.0));

NS_ASSUME_NONNULL_END
