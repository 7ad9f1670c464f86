/* UISnapBehavior.h: a behaviour that moves an item to a point with a spring-like effect. */
#import <UIKit/UIDynamicBehavior.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(7.0))
@interface UISnapBehavior : UIDynamicBehavior
- (instancetype)initWithItem:(id<UIDynamicItem>)item snapToPoint:(CGPoint)point NS_DESIGNATED_INITIALIZER;
@property (nonatomic, assign) CGPoint snapPoint API_AVAILABLE(ios(9.0));
@property (nonatomic, assign) CGFloat damping;
@end

NS_ASSUME_NONNULL_END
