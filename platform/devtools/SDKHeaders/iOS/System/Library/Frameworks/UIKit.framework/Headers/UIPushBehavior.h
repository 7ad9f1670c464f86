/* UIPushBehavior.h: a behaviour that applies a continuous or instantaneous force to its items. */
#import <UIKit/UIDynamicBehavior.h>
#import <UIKit/UIGeometry.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIPushBehaviorMode) {
    UIPushBehaviorModeContinuous,
    UIPushBehaviorModeInstantaneous
} API_AVAILABLE(ios(7.0));

API_AVAILABLE(ios(7.0))
@interface UIPushBehavior : UIDynamicBehavior
- (instancetype)initWithItems:(NSArray<id<UIDynamicItem>> *)items mode:(UIPushBehaviorMode)mode NS_DESIGNATED_INITIALIZER;
- (void)addItem:(id<UIDynamicItem>)item;
- (void)removeItem:(id<UIDynamicItem>)item;
@property (nonatomic, readonly, copy) NSArray<id<UIDynamicItem>> *items;
- (UIOffset)targetOffsetFromCenterForItem:(id<UIDynamicItem>)item;
- (void)setTargetOffsetFromCenter:(UIOffset)o forItem:(id<UIDynamicItem>)item;
@property (nonatomic, readonly) UIPushBehaviorMode mode;
@property (nonatomic, readwrite) BOOL active;
@property (readwrite, nonatomic) CGFloat angle;
@property (readwrite, nonatomic) CGFloat magnitude;
@property (readwrite, nonatomic) CGVector pushDirection;
- (void)setAngle:(CGFloat)angle magnitude:(CGFloat)magnitude;
@end

NS_ASSUME_NONNULL_END
