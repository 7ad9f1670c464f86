/* UIDynamicItemBehavior.h: the physical properties (elasticity, friction, density, resistance) of dynamic items. */
#import <UIKit/UIDynamicBehavior.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(7.0))
@interface UIDynamicItemBehavior : UIDynamicBehavior
- (instancetype)initWithItems:(NSArray<id<UIDynamicItem>> *)items NS_DESIGNATED_INITIALIZER;
- (void)addItem:(id<UIDynamicItem>)item;
- (void)removeItem:(id<UIDynamicItem>)item;
@property (nonatomic, readonly, copy) NSArray<id<UIDynamicItem>> *items;
@property (readwrite, nonatomic) CGFloat elasticity;
@property (readwrite, nonatomic) CGFloat friction;
@property (readwrite, nonatomic) CGFloat density;
@property (readwrite, nonatomic) CGFloat resistance;
@property (readwrite, nonatomic) CGFloat angularResistance;
@property (readwrite, nonatomic) CGFloat charge API_AVAILABLE(ios(9.0));
@property (nonatomic, getter=isAnchored) BOOL anchored API_AVAILABLE(ios(9.0));
@property (readwrite, nonatomic) BOOL allowsRotation;
- (void)addLinearVelocity:(CGPoint)velocity forItem:(id<UIDynamicItem>)item;
- (CGPoint)linearVelocityForItem:(id<UIDynamicItem>)item;
- (void)addAngularVelocity:(CGFloat)velocity forItem:(id<UIDynamicItem>)item;
- (CGFloat)angularVelocityForItem:(id<UIDynamicItem>)item;
@end

NS_ASSUME_NONNULL_END
