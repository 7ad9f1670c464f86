/* UICollisionBehavior.h: a behaviour that makes its items collide with each other and with boundaries. */
#import <UIKit/UIDynamicBehavior.h>
#import <UIKit/UIGeometry.h>

@class UICollisionBehavior, UIBezierPath;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, UICollisionBehaviorMode) {
    UICollisionBehaviorModeItems = 1 << 0,
    UICollisionBehaviorModeBoundaries = 1 << 1,
    UICollisionBehaviorModeEverything = NSUIntegerMax
} API_AVAILABLE(ios(7.0));

@protocol UICollisionBehaviorDelegate <NSObject>
@optional
- (void)collisionBehavior:(UICollisionBehavior *)behavior
      beganContactForItem:(id<UIDynamicItem>)item1
                 withItem:(id<UIDynamicItem>)item2
                  atPoint:(CGPoint)p;
- (void)collisionBehavior:(UICollisionBehavior *)behavior
      endedContactForItem:(id<UIDynamicItem>)item1
                 withItem:(id<UIDynamicItem>)item2;
- (void)collisionBehavior:(UICollisionBehavior *)behavior
      beganContactForItem:(id<UIDynamicItem>)item
   withBoundaryIdentifier:(nullable id<NSCopying>)identifier
                  atPoint:(CGPoint)p;
- (void)collisionBehavior:(UICollisionBehavior *)behavior
      endedContactForItem:(id<UIDynamicItem>)item
   withBoundaryIdentifier:(nullable id<NSCopying>)identifier;
@end

API_AVAILABLE(ios(7.0))
@interface UICollisionBehavior : UIDynamicBehavior
- (instancetype)initWithItems:(NSArray<id<UIDynamicItem>> *)items NS_DESIGNATED_INITIALIZER;
- (void)addItem:(id<UIDynamicItem>)item;
- (void)removeItem:(id<UIDynamicItem>)item;
@property (nonatomic, readonly, copy) NSArray<id<UIDynamicItem>> *items;
@property (nonatomic, readwrite) UICollisionBehaviorMode collisionMode;
@property (nonatomic, readwrite) BOOL translatesReferenceBoundsIntoBoundary;
- (void)setTranslatesReferenceBoundsIntoBoundaryWithInsets:(UIEdgeInsets)insets;
- (void)addBoundaryWithIdentifier:(id<NSCopying>)identifier forPath:(UIBezierPath *)bezierPath;
- (void)addBoundaryWithIdentifier:(id<NSCopying>)identifier fromPoint:(CGPoint)p1 toPoint:(CGPoint)p2;
- (nullable UIBezierPath *)boundaryWithIdentifier:(id<NSCopying>)identifier;
- (void)removeBoundaryWithIdentifier:(id<NSCopying>)identifier;
@property (nullable, nonatomic, readonly, copy) NSArray<id<NSCopying>> *boundaryIdentifiers;
- (void)removeAllBoundaries;
@property (nonatomic, weak, nullable) id<UICollisionBehaviorDelegate> collisionDelegate;
@end

NS_ASSUME_NONNULL_END
