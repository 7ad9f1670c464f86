/* UIGravityBehavior.h: a behaviour that accelerates its items in one direction. */
#import <UIKit/UIDynamicBehavior.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(7.0))
@interface UIGravityBehavior : UIDynamicBehavior
- (instancetype)initWithItems:(NSArray<id<UIDynamicItem>> *)items NS_DESIGNATED_INITIALIZER;
- (void)addItem:(id<UIDynamicItem>)item;
- (void)removeItem:(id<UIDynamicItem>)item;
@property (nonatomic, readonly, copy) NSArray<id<UIDynamicItem>> *items;
@property (readwrite, nonatomic) CGVector gravityDirection;
@property (readwrite, nonatomic) CGFloat angle;
@property (readwrite, nonatomic) CGFloat magnitude;
- (void)setAngle:(CGFloat)angle magnitude:(CGFloat)magnitude;
@end

NS_ASSUME_NONNULL_END
